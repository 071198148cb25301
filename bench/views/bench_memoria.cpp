// The memory window's refresh after a step with the "ROM" region shown (4096
// words): the stack pointer moves one word and one data word is written, the
// visible cells are refilled and their marks moved, and the grid is drawn.
// Goal: well within one frame (16 ms), whatever the region's size.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "views/FrmMemoria.h"

namespace {

constexpr int32_t kRegionROM = 3;   // vectors, RAM block 0, RAM block 1, ROM

void Preparar() {
    ConfigMem = 15;
    CrearObjetosPrograma();
    for (int32_t d = 0; d < 0x1000; ++d) gMemoria->Escribe(d, int32_t(uint32_t(d) * 0x01010101u));
    for (int32_t d = 0x40; d < 0x1000; d += 0x40) gTablaRef->Add("et" + std::to_string(d), d, 0, 1);
    gRegistros->SP(0x20);
}

// One simulated step: the stack grows by one word and one word is stored.
void Paso(int32_t& sp) {
    sp = sp < 0x80 ? sp + 1 : 0x20;
    gRegistros->SP(sp);
    gMemoria->Access_Clear();
    gMemoria->EscribeDatoDSP(Valor::Entero(sp), sp + 0x10, false);
}

void BM_RefrescarCuadroLogica(benchmark::State& estado) {
    Preparar();
    LogicaMemoria v;
    v.Grid().FilasVisibles(40);
    v.AnchoGrid(13000);
    v.Cargar();
    v.ElegirRegion(kRegionROM);
    int32_t sp = 0x20;
    for (auto _ : estado) {
        Paso(sp);
        v.RefrescarCuadro();
    }
    estado.counters["filas"] = v.Grid().Filas();
}
BENCHMARK(BM_RefrescarCuadroLogica);

void BM_RefrescarCuadroVentana(benchmark::State& estado) {
    Preparar();
    QMdiArea area;
    area.resize(1100, 800);
    auto* w = new FrmMemoria;
    QMdiSubWindow* marco = area.addSubWindow(w);
    area.show();
    w->Cargar(marco);
    marco->setGeometry(0, 0, 900, 760);
    QApplication::processEvents();
    w->Logica().ElegirRegion(kRegionROM);
    w->RefrescarCuadro();
    int32_t sp = 0x20;
    for (auto _ : estado) {
        Paso(sp);
        w->Refrescar();   // what the main window's refresh calls
        w->GridMemoria()->viewport()->repaint();
    }
    estado.counters["filas"] = w->Logica().Grid().Filas();
    estado.counters["visibles"] = w->Logica().Grid().FilasVisibles();
}
BENCHMARK(BM_RefrescarCuadroVentana)->Unit(benchmark::kMicrosecond);

}  // namespace
