// The pipeline window's refresh after one cycle of a timed run: one history
// row written and the rows on screen updated, the detail panel filled while
// it is unfolded. The cost must not grow with the rows the user added.
#include <benchmark/benchmark.h>

#include "core/ClassPPL.h"
#include "data/DatosPrograma.h"
#include "views/LogicaPPL.h"

namespace {

void BM_ActualizarPPL(benchmark::State& estado) {
    ModoPPL = 0;
    CrearObjetosPrograma();
    gCiclos = 0;
    LogicaPPL l;
    for (int64_t i = 5; i < estado.range(0); ++i) l.CmdModoFrm_Click(2);
    l.Grid().FilasVisibles(5);
    if (estado.range(1) != 0) l.CmdModoFrm_Click(0);
    for (auto _ : estado) {
        gCiclos = gCiclos + 1 > 1000000 ? 0 : gCiclos + 1;
        l.Actualizar();
    }
    estado.counters["filas"] = double(l.Grid().Filas());
}
BENCHMARK(BM_ActualizarPPL)->Args({5, 0})->Args({5, 1})->Args({5000, 0})->Args({5000, 1});

}  // namespace
