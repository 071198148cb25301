#include "views/LogicaDASM.h"

#include <algorithm>

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "platform/Cuadros.h"

namespace {

// A view larger than this many rows is cut: a damaged listing may state a
// section of billions of words.
constexpr int64_t kMaxFilasDatos = 1 << 17;

constexpr const char* kTituloRupt = "Puntos de Ruptura";
constexpr const char* kSinDatos = "No hay datos de fichero DSK cargados";
constexpr const char* kConErrores = "Fichero DSK con errores";
constexpr const char* kModificada = "<Posición de memoria modificada>";
constexpr const char* kSinRelacion = "<Relacion no establecida con el fichero>";
constexpr const char* kIlegible = "-------";
constexpr const char* kVacio = "(Vacio)";

int32_t NumLineas() { return gDatosFich->count(); }
bool LineaValida(int32_t L) { return L >= 1 && L <= NumLineas(); }

bool LeerPalabra(int32_t dir, int32_t& palabra) {
    return gMemoria->Lee(palabra, dir) == 0;
}

bool HayRuptura(int32_t dir) {
    for (const ClassPuntoRupt& p : *gPuntosRupt)
        if (p.PosMem() == dir) return true;
    return false;
}

void Aviso(const std::string& texto, plataforma::Icono icono, int contexto) {
    plataforma::Cuadro c;
    c.titulo = kTituloRupt;
    c.texto = texto;
    c.icono = icono;
    c.botonAyuda = true;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = contexto;
    plataforma::Cuadros().MsgBox(c);
}

std::string DosCifras(int32_t n) {
    std::string s = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + s : s;
}

}  // namespace

const std::vector<std::string>& LogicaDASM::TextosTipo() {
    static const std::vector<std::string> textos = {"Secciones de Programa", "Fichero", "Memoria"};
    return textos;
}

LogicaDASM::LogicaDASM() = default;

void LogicaDASM::ElegirTipo(int16_t indice) {
    tipo_ = indice;
    ++versionCombos_;
    CmbTipoDASM_Click();
}

void LogicaDASM::ElegirEntrada(int32_t indice) {
    entrada_ = indice;
    ++versionCombos_;
    CmbSecDASM_Click();
}

void LogicaDASM::CmbTipoDASM_Click() {
    entradas_.clear();
    entrada_ = -1;
    if (tipo_ == kMemoria) {
        for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i)
            entradas_.push_back({gMemoria->TablaAsig(i).Identificador(), i});
    } else if (tipo_ == kSecciones) {
        for (int32_t i = 1; i <= gTablaSect->count(); ++i) {
            const ClassTablaSect& s = gTablaSect->Item(i);
            if (s.Longitud() > 0) entradas_.push_back({s.Identificador(), i});
        }
    }
    if (entradas_.empty()) entradas_.push_back({kVacio, 0});
    ElegirEntrada(0);
}

LogicaDASM::Rango LogicaDASM::RangoEntrada(int32_t k) const {
    Rango r;
    if (k < 0 || size_t(k) >= entradas_.size()) return r;
    const int32_t dato = entradas_[size_t(k)].dato;
    int64_t ini = 0, n = 0;
    if (tipo_ == kSecciones && dato >= 1 && dato <= gTablaSect->count()) {
        const ClassTablaSect& s = gTablaSect->Item(dato);
        ini = s.Ini();
        // Longitud + 1 rows as the listing states it, never past the section's end.
        n = std::min<int64_t>(int64_t(s.Longitud()) + 1, int64_t(s.Fin()) - ini + 1);
    } else if (tipo_ == kMemoria && dato >= 1 && dato <= gMemoria->NumSecciones()) {
        const ClassTablaAsig& t = gMemoria->TablaAsig(dato);
        ini = t.Ini();
        n = int64_t(t.Fin()) - ini + 1;
    } else {
        return r;
    }
    r.valido = true;
    r.ini = int32_t(ini);
    r.filasDatos = int32_t(std::clamp<int64_t>(n, 0, kMaxFilasDatos));
    return r;
}

void LogicaDASM::CmbSecDASM_Click() {
    if (gEstadoDSK == -1 || gEstadoDSK == 1) {
        vistaConDatos_ = false;
        ConfigurarCuadro();
        return;
    }
    vistaConDatos_ = true;
    if (tipo_ == kFichero) {
        grid_.Filas(NumLineas() + 1);
        for (int32_t i = 1; i <= NumLineas(); ++i) grid_.DatoFila(i, i);
    } else {
        const Rango r = RangoEntrada(entrada_);
        grid_.Filas(r.filasDatos + 1);
        for (int32_t f = 1; f < grid_.Filas(); ++f) grid_.DatoFila(f, 0);
        for (int32_t i = 1; i <= NumLineas(); ++i) {
            const int32_t p = gDatosFich->Item(i).PosMem();
            if (p == -1) continue;
            const int64_t fila = int64_t(p) - r.ini + 1;
            if (fila >= 1 && fila <= r.filasDatos) grid_.DatoFila(int32_t(fila), i);
        }
    }
    ConfigurarCuadro();
}

void LogicaDASM::ConfigurarCuadro() {
    static const char* const kCabeceras[4] = {"", "Memoria", "Instrucción", "Código Desensamblado (DASM)"};
    static const int32_t kAnchos[4] = {300, 1000, 1200, 9000};
    static const Alineacion kAlin[4] = {Alineacion::Centro, Alineacion::Derecha, Alineacion::Derecha,
                                        Alineacion::Izquierda};
    grid_.Limpiar();
    grid_.Columnas(4);
    for (int32_t c = 0; c < 4; ++c) {
        grid_.Texto(0, c, kCabeceras[c]);
        grid_.FormatoColumna(c, kAnchos[c], kAlin[c]);
    }
    filaPC_ = 0;
    if (gEstadoDSK == -1 || gEstadoDSK == 1) {
        grid_.Filas(2);
        vistaConDatos_ = false;
        // The message row belongs to no listing line.
        grid_.DatoFila(1, 0);
        grid_.Texto(1, 3, gEstadoDSK == -1 ? kSinDatos : kConErrores);
        return;
    }
    for (const ClassPuntoRupt& p : *gPuntosRupt) {
        const int32_t fila = BuscarFilaPosMem(p.PosMem());
        if (fila > 0) PintarLinea(fila, kFondoRupt, kTextoRupt);
    }
    const int32_t fila = BuscarFilaPosMem(gRegistros->PC());
    if (fila > 0 && fila < grid_.Filas()) {
        filaPC_ = fila;
        PintarLinea(fila, kFondoPC, kTextoPC);
    }
    grid_.Fila(filaPC_);
    grid_.FilaSuperior(filaPC_ >= 2 ? filaPC_ - 1 : 1);
    RefrescarLineas();
}

bool LogicaDASM::DireccionFila(int32_t fila, int32_t& direccion) const {
    if (fila < 1 || fila >= grid_.Filas()) return false;
    if (tipo_ == kFichero) {
        if (!LineaValida(fila)) return false;
        direccion = gDatosFich->Item(fila).PosMem();
        return true;
    }
    const Rango r = RangoEntrada(entrada_);
    if (!r.valido || fila > r.filasDatos) return false;
    direccion = int32_t(int64_t(r.ini) + fila - 1);
    return true;
}

int32_t LogicaDASM::BuscarFilaPosMem(int32_t direccion) const {
    int64_t fila = 0;
    if (tipo_ == kFichero) {
        fila = gDatosFich->BuscarMemPos(direccion);
    } else {
        const Rango r = RangoEntrada(entrada_);
        if (!r.valido) return 0;
        fila = int64_t(direccion) - r.ini + 1;
    }
    return fila < 1 || fila >= grid_.Filas() ? 0 : int32_t(fila);
}

int16_t LogicaDASM::LocalizarPosMem(int32_t direccion, int32_t& entrada, int32_t& fila) const {
    if (tipo_ == kFichero) {
        entrada = entrada_;
        fila = BuscarFilaPosMem(direccion);
        return fila > 0 ? 0 : -1;
    }
    int16_t res = -1;
    for (int32_t k = 0; k < int32_t(entradas_.size()); ++k) {
        const Rango r = RangoEntrada(k);
        const int64_t desp = int64_t(direccion) - r.ini;
        // An address past the rows of an entry is not in that entry.
        if (!r.valido || desp < 0 || desp >= r.filasDatos) continue;
        fila = int32_t(desp + 1);
        entrada = k;
        res = k == entrada_ ? 0 : 1;
    }
    return res;
}

void LogicaDASM::PintarLinea(int32_t fila, uint32_t fondo, uint32_t texto) {
    grid_.Fila(fila);
    grid_.ColoresFila(fila, fondo, texto);
    grid_.Columna(grid_.Columnas() - 1);
}

// A row's colours follow from the state: the program counter's row, else a
// row that holds a breakpoint, else the grid's own colours.
void LogicaDASM::ColorearFila(int32_t fila) {
    if (fila < 1 || fila >= grid_.Filas()) return;
    int32_t dir = 0;
    if (fila == filaPC_)
        PintarLinea(fila, kFondoPC, kTextoPC);
    else if (DireccionFila(fila, dir) && HayRuptura(dir) && BuscarFilaPosMem(dir) == fila)
        PintarLinea(fila, kFondoRupt, kTextoRupt);
    else
        PintarLinea(fila, EstadoGrid::kColorDefecto, EstadoGrid::kColorDefecto);
}

void LogicaDASM::RefrescarLineas() {
    if (!vistaConDatos_) return;
    for (int32_t r = grid_.PrimeraFilaVisible(); grid_.FilaVisible(r) && r <= grid_.Filas() - 1; ++r) LlenarFila(r);
}

void LogicaDASM::LlenarFila(int32_t fila) {
    int32_t dir = 0;
    if (!DireccionFila(fila, dir)) return;
    const int32_t L = tipo_ == kFichero ? fila : grid_.DatoFila(fila);
    const ClassDatosFich* linea = LineaValida(L) ? &gDatosFich->Item(L) : nullptr;
    if (linea && linea->PosMem() == -1) {
        grid_.Texto(fila, 3, linea->CodASM());
        return;
    }
    grid_.Texto(fila, 1, FormatoHex(dir));
    int32_t palabra = 0;
    const bool leida = LeerPalabra(dir, palabra);
    grid_.Texto(fila, 2, leida ? FormatoHex(palabra) : kIlegible);
    if (!linea)
        grid_.Texto(fila, 3, kSinRelacion);
    else if (leida && palabra != linea->Contenido())
        grid_.Texto(fila, 3, kModificada);
    else
        grid_.Texto(fila, 3, linea->CodASM());
}

void LogicaDASM::Refrescar() {
    if (!vistaConDatos_) return;
    if (filaPC_ > 0 && filaPC_ < grid_.Filas()) {
        const int32_t anterior = filaPC_;
        filaPC_ = 0;
        ColorearFila(anterior);
    }
    int32_t entrada = 0, fila = 0;
    const int16_t res = LocalizarPosMem(gRegistros->PC(), entrada, fila);
    if (res == 0) {
        grid_.Fila(fila);
        if (!grid_.FilaVisible(fila)) grid_.FilaSuperior(fila);
        filaPC_ = fila;
        ColorearFila(fila);
        RefrescarLineas();
    } else if (res == 1) {
        filaPC_ = 0;
        ElegirEntrada(entrada);
    } else {
        filaPC_ = 0;
        return;
    }
    if (ModoPPL == 0) SituarPC();
}

void LogicaDASM::SituarPC() {
    grid_.Columna(0);
    // Every earlier icon goes first, whatever its stage holds now.
    for (int k = 0; k < 4; ++k)
        if (filaEtapa_[k] >= 1 && filaEtapa_[k] < grid_.Filas()) grid_.Imagen(filaEtapa_[k], 0, 0);
    for (int k = 0; k < 4; ++k) {
        const ClassUnitData& etapa = *gPPL->Unidades(int16_t(k));
        int32_t entrada = 0, fila = 0;
        const int16_t res = LocalizarPosMem(etapa.lPosMem, entrada, fila);
        // A stage holds an instruction from its fetch on: an emptied stage and a
        // fetch that waited or was cancelled hold none, and the pipeline grid
        // shows "-" for them.
        const bool conInstruccion = etapa.lCanal >= canal::kBuscado && etapa.lCodigoInstr() != -1;
        if (conInstruccion && res == 0) {
            grid_.Fila(fila);
            filaEtapa_[k] = fila;
            grid_.Imagen(fila, 0, kImagenEtapa[k]);
        } else {
            filaEtapa_[k] = 0;
        }
    }
}

void LogicaDASM::AlternarPuntoRupt() {
    const int32_t fila = grid_.Fila();
    const int32_t L = fila >= 1 ? grid_.DatoFila(fila) : 0;
    const int32_t dir = LineaValida(L) ? gDatosFich->Item(L).PosMem() : -1;
    if (dir == -1) {
        Aviso("No es posible establecer aqui un punto de ruptura", plataforma::Icono::Exclamacion, 10050);
        return;
    }
    const int32_t pos = gPuntosRupt->BuscarMemPos(dir);
    if (pos > 0) {
        Aviso("El punto de ruptura de la celda $" + FormatoHex(dir) + " ha sido eliminado.",
              plataforma::Icono::Informacion, 11050);
        gPuntosRupt->Remove(pos);
        ColorearFila(fila);
        grid_.Columna(0);
        grid_.Seleccion(fila, grid_.Columnas() - 1);
        return;
    }
    plataforma::CuadroEntrada c;
    c.mensaje = "Introduzca un identificador para el punto de ruptura que se pretende establecer en la celda $" +
                FormatoHex(dir);
    c.titulo = "Establecimiento de un Punto de Ruptura - $" + FormatoHex(dir);
    c.porDefecto = "PuntoRuptura" + DosCifras(gPuntosRupt->IdentGenIndex());
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = 4100;
    std::optional<std::string> nombre;
    // A name the environment file cannot keep is asked again as typed.
    do {
        nombre = plataforma::Cuadros().InputBox(c);
        if (!nombre || nombre->empty()) return;
        c.porDefecto = *nombre;
    } while (!NombreAdmitido(*nombre, kTituloRupt));
    gPuntosRupt->Add(dir, *nombre);
    ColorearFila(fila);
}

void LogicaDASM::QuitarPuntosRupt() {
    gPuntosRupt->Clear();
    ConfigurarCuadro();
    Aviso("Han sido eliminados todos los Puntos de Ruptura", plataforma::Icono::Informacion, 11060);
}

void LogicaDASM::BuscarCelda(int32_t& direccion) {
    int32_t entrada = 0, fila = 0;
    const int16_t res = LocalizarPosMem(direccion, entrada, fila);
    if (res == 1) ElegirEntrada(entrada);
    if (res == 0 || res == 1) {
        grid_.Fila(fila);
        grid_.FilaSuperior(fila >= 3 ? fila - 1 : 1);
        // Moving the top row scrolls the grid, which fills the rows it shows.
        RefrescarLineas();
    }
    grid_.Columna(0);
    grid_.Seleccion(grid_.Fila(), grid_.Columnas() - 1);
}

int32_t LogicaDASM::PosMemAct() const {
    int32_t v = 0;
    return InterpretarValor(v, 0, grid_.Texto(grid_.Fila(), 1)) == 0 ? v : -1;
}

int32_t LogicaDASM::CodInstr() const {
    int32_t v = 0;
    return InterpretarValor(v, 0, grid_.Texto(grid_.Fila(), 2)) == 0 ? v : 0;
}

void LogicaDASM::Inicializar() {
    if (tipo_ == kFichero)
        CmbSecDASM_Click();
    else
        ElegirTipo(kFichero);
}
