// The listing window's refresh after a step with the "ROM" region shown
// (4097 grid rows): the PC moves one word, its row is repainted and the rows
// on screen are filled and drawn. Goal: well within one frame (16 ms).
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "views/frmDASM.h"

namespace {

constexpr int32_t kInicio = 0x100, kPalabras = 0xE00;

// A program of one listing line per ROM word from 0x100 on, PC at its start.
void CargarPrograma() {
    ConfigMem = 15;   // vectors, RAM blocks and ROM
    ModoPPL = 0;
    CrearObjetosPrograma();
    for (int32_t d = kInicio; d < kInicio + kPalabras; ++d) {
        gDatosFich->Add(d, 0x08000000 + d, "      LDI     " + std::to_string(d & 0xFF) + ",R0");
        gMemoria->Escribe(d, 0x08000000 + d);
    }
    gPuntosRupt->Add(kInicio + 8, "bp");
    gRegistros->PC(kInicio);
    gEstadoDSK = 0;
}

int32_t EntradaROM(const LogicaDASM& v) {
    for (size_t k = 0; k < v.Entradas().size(); ++k)
        if (v.Entradas()[k].texto == "ROM") return int32_t(k);
    return -1;
}

// One simulated step: the PC and the four stages move on by one word.
void Paso(int32_t& pc) {
    pc = pc + 1 < kInicio + kPalabras ? pc + 1 : kInicio;
    gRegistros->PC(pc);
    for (int16_t k = 0; k < 4; ++k) gPPL->Unidades(k)->lPosMem = pc - k;
}

void BM_RefrescoLogica(benchmark::State& estado) {
    CargarPrograma();
    LogicaDASM v;
    v.Grid().FilasVisibles(40);
    v.ElegirTipo(LogicaDASM::kMemoria);
    v.ElegirEntrada(EntradaROM(v));
    int32_t pc = kInicio;
    for (auto _ : estado) {
        Paso(pc);
        v.Refrescar();
    }
    estado.counters["filas"] = v.Grid().Filas();
}
BENCHMARK(BM_RefrescoLogica);

// The window in an MDI area: refresh, then the grid repaints what it shows.
void BM_RefrescoVentana(benchmark::State& estado) {
    CargarPrograma();
    QMdiArea area;
    area.resize(1100, 800);
    auto* w = new frmDASM;
    QMdiSubWindow* marco = area.addSubWindow(w);
    area.show();
    w->Cargar(marco);
    marco->setGeometry(0, 0, 900, 760);
    QApplication::processEvents();
    w->Logica().ElegirTipo(LogicaDASM::kMemoria);
    w->Logica().ElegirEntrada(EntradaROM(w->Logica()));
    w->Refrescar();
    int32_t pc = kInicio;
    for (auto _ : estado) {
        Paso(pc);
        w->Refrescar();
        w->GridDASM()->viewport()->repaint();
    }
    estado.counters["filas"] = w->Logica().Grid().Filas();
    estado.counters["visibles"] = w->Logica().Grid().FilasVisibles();

}
BENCHMARK(BM_RefrescoVentana)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
