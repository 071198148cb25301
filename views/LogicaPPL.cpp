#include "views/LogicaPPL.h"

#include <algorithm>

#include "core/ClassPPL.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"

namespace {

constexpr const char* kCabeceras[LogicaPPL::kColumnas] = {"Ciclo", "PC", "BUSQUEDA", "DECODIFICACION", "LECTURA",
                                                          "EJECUCION"};
constexpr int32_t kAnchos[LogicaPPL::kColumnas] = {700, 900, 525, 525, 525, 525};
constexpr const char* kUnidades[4] = {" BUSQUEDA ", " DECODIFICACION ", " LECTURA ", " EJECUCION "};

// The cycle counter after one cycle with the pipeline (it wraps past 1,000,000).
int32_t CicloSiguiente(int32_t ciclo) { return ciclo + 1 > 1000000 ? 0 : ciclo + 1; }

const std::string kVacio;

}  // namespace

LogicaPPL::LogicaPPL() {
    UnitSeg(3);
    grid_.Dimensionar(kFilasMinimas, kColumnas);
    historia_.resize(size_t(kFilasMinimas - 1));
    Inicializar();
}

LogicaPPL::Fila& LogicaPPL::Entrada(int32_t fila) {
    return historia_[(size_t(primera_) + size_t(fila - 1)) % historia_.size()];
}

const std::string& LogicaPPL::Historia(int32_t fila, int32_t col) const {
    if (fila < 1 || fila >= grid_.Filas() || col < 0 || col >= kColumnas) return kVacio;
    return historia_[(size_t(primera_) + size_t(fila - 1)) % historia_.size()][size_t(col)];
}

void LogicaPPL::Inicializar() {
    for (int32_t c = 0; c < kColumnas; ++c) {
        grid_.Texto(0, c, kCabeceras[c]);
        grid_.FormatoColumna(c, kAnchos[c], Alineacion::Izquierda);
    }
    const int32_t ultima = grid_.Filas() - 1;
    grid_.Fila(ultima);
    for (int32_t c = 0; c < kColumnas; ++c) {
        grid_.ColorFondo(ultima, c, ModoPPL == 0 ? kColoresPPL[c] : kColorSinPPL);
        grid_.Atributo(ultima, c, EstadoGrid::kNegrita, true);
    }
    grid_.Columna(kColumnas - 1);
}

void LogicaPPL::ProgramaNuevo() {
    Vaciar();
    Inicializar();
    cicloMostrado_ = -1;
    if (panelDesplegado_) MostrarUnidadSeg();
}

void LogicaPPL::Actualizar() {
    if (cicloMostrado_ == gCiclos) return;
    cicloMostrado_ = gCiclos;
    const ClassPPL& ppl = *gPPL;
    // The row before shows the fetch whose name the decode stage now knows,
    // only when it was written one cycle ago (not before a run, not over an
    // emptied pipeline or a cleared grid).
    // While the decode stage was held the fetch stage kept its instruction:
    // the rows of those cycles show the same fetch, named once it is decoded.
    const bool seguida = ModoPPL == 0 && cicloUltimaFila_ != -1 && CicloSiguiente(cicloUltimaFila_) == gCiclos;
    const bool completar = seguida && !ppl.Retenida();
    primera_ = int32_t((size_t(primera_) + 1) % historia_.size());   // every row moves up one
    const int32_t ultima = grid_.Filas() - 1;
    Fila& nueva = Entrada(ultima);
    nueva[0] = std::to_string(gCiclos);
    nueva[1] = FormatoHex(ppl.Busqueda().lPosMem).substr(1);
    nueva[2] = ppl.Busqueda().sNem();
    nueva[3] = ppl.Decodificacion().sNem();
    if (completar)
        for (int32_t f = ultima - 1; f >= std::max(1, ultima - filasMismaBusqueda_); --f)
            Entrada(f)[2] = ppl.Decodificacion().sNem();
    filasMismaBusqueda_ = seguida && ppl.Retenida() ? filasMismaBusqueda_ + 1 : 1;
    nueva[4] = ppl.Lectura().sNem();
    nueva[5] = ppl.Ejecucion().sNem();
    cicloUltimaFila_ = gCiclos;
    RefrescarLineas();
    if (panelDesplegado_) MostrarUnidadSeg();
}

void LogicaPPL::RefrescarLineas() {
    // From the row cut by the top edge at the end of the list, too.
    for (int32_t r = std::max(grid_.PrimeraFilaVisible(), 1); r < grid_.Filas() && grid_.FilaVisible(r); ++r) {
        const Fila& f = Entrada(r);
        for (int32_t c = 0; c < kColumnas; ++c)
            if (grid_.Texto(r, c) != f[size_t(c)]) grid_.Texto(r, c, f[size_t(c)]);
    }
}

void LogicaPPL::Vaciar() {
    grid_.Limpiar();
    for (Fila& f : historia_) f = Fila{};
    primera_ = 0;
    cicloUltimaFila_ = -1;
    filasMismaBusqueda_ = 1;
}

void LogicaPPL::CmdModoFrm_Click(int16_t indice) {
    switch (indice) {
    case 0:
        if (panelDesplegado_) return;
        panelDesplegado_ = true;
        MostrarUnidadSeg();
        break;
    case 1:
        if (!panelDesplegado_) return;
        panelDesplegado_ = false;
        break;
    case 2:
    case 3: {
        Vaciar();
        int32_t filas = grid_.Filas();
        if (indice == 2) ++filas;
        else if (filas >= kFilasMinimas + 1) --filas;
        grid_.Filas(filas);
        historia_.resize(size_t(filas - 1));
        Inicializar();
        // The newest row, where the next cycle is written, in view (the top row is bounded).
        grid_.FilaSuperior(filas - 1);
        break;
    }
    case 4:
        gPPL->VaciarPPL();
        --cicloMostrado_;
        cicloUltimaFila_ = -1;   // the emptied stages know nothing of the row before
        Actualizar();
        break;
    default:
        break;
    }
}

void LogicaPPL::SeleccionarUnidadSeg() { UnitSeg(int16_t(grid_.Columna() - 2)); }

std::optional<std::string> LogicaPPL::TextoCeldaPPL(int32_t fila, int32_t col) const {
    if (col < 0) col = 0;
    if (fila < 0 || fila >= grid_.Filas() || col >= kColumnas) return std::nullopt;
    return fila == 0 ? grid_.Texto(0, col) : Historia(fila, col);
}

void LogicaPPL::UnitSeg(int16_t v) {
    if (v >= 0 && v <= 3) unitSeg_ = v;
    if (panelDesplegado_) MostrarUnidadSeg();
}

std::string LogicaPPL::TextoUnidad(int16_t etapa) { return kUnidades[etapa]; }

bool LogicaPPL::BotonVisible(int16_t indice) const {
    if (indice == 0) return !panelDesplegado_;
    if (indice == 1) return panelDesplegado_;
    return true;
}

void LogicaPPL::MostrarUnidadSeg() {
    if (const ClassUnitData* r = gPPL->Unidades(unitSeg_)) panel_.MostrarUnidadSeg(*r);
}
