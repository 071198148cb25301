// Speed of the clock cycle on the benchmark loop, with and without the
// pipeline, bare and with 10 breakpoints and 10 watch marks that never fire.
#include <benchmark/benchmark.h>

#include <string>

#include "core/CicloReloj.h"
#include "data/DatosPrograma.h"
#include "data/LeerFichDSK.h"

namespace {

void Preparar(benchmark::State& estado, int16_t modoPPL, bool rupturas) {
    for (const AjustePrograma& fila : TablaAjustes()) AsignarTextoAjuste(fila, fila.porDefecto);
    ModoPPL = modoPPL;
    CrearObjetosPrograma();
    ReiniciarProcesador();
    if (LeerFichDSK(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/bench_loop.dsk") == -1) {
        estado.SkipWithError("bench_loop.dsk no se pudo cargar");
        return;
    }
    if (rupturas) {
        // Addresses the loop never reaches and words it never makes equal.
        for (int32_t i = 0; i < 10; ++i) {
            gPuntosRupt->Add(0x809A00 + i, "");
            gMarcasRupt->Add(0, 0x809B00 + i, 0, 0x12345678, 0, "");
        }
    }
    gEjecutando = true;
}

void Ciclos(benchmark::State& estado, int16_t modoPPL, bool rupturas) {
    Preparar(estado, modoPPL, rupturas);
    for (auto _ : estado) CicloReloj();
    estado.SetItemsProcessed(estado.iterations());
    estado.counters["ciclos/s"] =
        benchmark::Counter(static_cast<double>(estado.iterations()), benchmark::Counter::kIsRate);
}

void BM_CicloSinPipeline(benchmark::State& s) { Ciclos(s, 1, false); }
void BM_CicloConPipeline(benchmark::State& s) { Ciclos(s, 0, false); }
void BM_CicloSinPipelineRupturas(benchmark::State& s) { Ciclos(s, 1, true); }
void BM_CicloConPipelineRupturas(benchmark::State& s) { Ciclos(s, 0, true); }

}  // namespace

BENCHMARK(BM_CicloSinPipeline);
BENCHMARK(BM_CicloConPipeline);
BENCHMARK(BM_CicloSinPipelineRupturas);
BENCHMARK(BM_CicloConPipelineRupturas);
