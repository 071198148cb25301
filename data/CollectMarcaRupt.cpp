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

int32_t CollectMarcaRupt::OcurreMarca() const {
    const auto& marcas = Registros();
    if (marcas.empty() || !gMemoria) return 0;
    const ClassMemoria& mem = *gMemoria;
    for (std::size_t i = 0, n = marcas.size(); i < n; ++i) {
        const ClassMarcaRupt& m = *marcas[i];
        int32_t w = 0;
        int32_t o = m.Operando();
        // A mark on a word that no region holds is skipped; the others still count.
        if (mem.Lee(w, m.PosMem()) != 0) continue;
        if (m.Tipo() != 0 && mem.Lee(o, m.Operando()) != 0) continue;
        if (Cumple(m.Comp(), w, o)) return static_cast<int32_t>(i + 1);
    }
    return 0;
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
