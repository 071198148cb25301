// The watch-mark condition check and its description text.
#include "data/CollectMarcaRupt.h"

#include "core/ClassMemoria.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"

namespace {

// Signed comparison of the watched word w with the operand o; an unknown
// comparison code never holds.
bool Cumple(int32_t comp, int32_t w, int32_t o) {
    switch (comp) {
        case 0: return w == o;
        case 1: return w != o;
        case 2: return w > o;
        case 3: return w < o;
        case 4: return w >= o;
        case 5: return w <= o;
        default: return false;
    }
}

const char* Operador(int32_t comp) {
    switch (comp) {
        case 0: return " = ";
        case 1: return " <> ";
        case 2: return " > ";
        case 3: return " < ";
        case 4: return " >= ";
        case 5: return " <= ";
        default: return "";
    }
}

}  // namespace

void CollectMarcaRupt::CopiarMarcas() const {
    mActivas.clear();
    ClassMemoria& mem = *gMemoria;
    const auto& marcas = Registros();
    for (std::size_t i = 0, n = marcas.size(); i < n; ++i) {
        const ClassMarcaRupt& m = *marcas[i];
        // A mark on a word that no region holds is skipped; the others still count.
        const int32_t* palabra = mem.Direccion(m.PosMem());
        if (!palabra) continue;
        const int32_t* operando = nullptr;
        if (m.Tipo() != 0 && !(operando = mem.Direccion(m.Operando()))) continue;
        if (m.Comp() < 0 || m.Comp() > 5) continue;  // never holds
        mem.Vigilar(m.PosMem());
        if (operando) mem.Vigilar(m.Operando());
        mActivas.push_back({palabra, operando, m.Operando(), m.Comp(), static_cast<int32_t>(i + 1)});
    }
    mCopiaCambios = gCambiosRupturas;
    mCopiaMapa = mem.Mapa();
}

int32_t CollectMarcaRupt::OcurreMarcaEnLista() const {
    if (!gMemoria) return 0;
    const ClassMemoria& mem = *gMemoria;
    if (mCopiaCambios != gCambiosRupturas || mCopiaMapa != mem.Mapa())
        CopiarMarcas();
    else if (mEscriturasVistas == mem.EscriturasVigiladas())
        return mUltimaMarca;
    mEscriturasVistas = mem.EscriturasVigiladas();
    mUltimaMarca = 0;
    for (const MarcaActiva& m : mActivas) {
        const int32_t o = m.palabraOperando ? *m.palabraOperando : m.operando;
        if (Cumple(m.comp, *m.palabra, o)) {
            mUltimaMarca = m.posicion;
            break;
        }
    }
    return mUltimaMarca;
}

std::string CollectMarcaRupt::CadenaInfo(int32_t& i) const {
    if (i == 0) i = Index();
    if (i < 1 || i > count()) return "";
    const ClassMarcaRupt& m = Item(i);
    std::string texto = "Contenido de $" + FormatoHex(m.PosMem()) + Operador(m.Comp());
    if (m.Tipo() == 1) texto += "Contenido de $" + FormatoHex(m.Operando());
    else texto += FormatearValor(m.Operando(), m.TipoDatos());
    return texto;
}
