// Speed of a normal run in the main window: timer ticks of about 10 ms over
// the endless loop of tests/programs/bench_loop, with and without the
// pipeline. The counter "CicloReloj/s" is the number of clock cycles a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"

namespace {

void EjecucionNormal(benchmark::State& estado) {
    LeerOpciones();
    ModoPPL = int16_t(estado.range(0));
    CrearObjetosPrograma();
    frmMain ventana;
    ventana.CargaFichDSK(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/bench_loop.dsk");
    ventana.ModoEjecucion(1);
    ventana.TimerRUN()->stop();  // the benchmark runs the ticks itself
    const int32_t paso = ModoPPL != 0 ? 4 : 1;
    double ciclos = 0;
    for (auto _ : estado) {
        gCiclos = 0;
        ventana.TimerRUN_Timer();
        ciclos += gCiclos / paso;
    }
    ventana.ModoEjecucion(0);
    estado.counters["CicloReloj/s"] = benchmark::Counter(ciclos, benchmark::Counter::kIsRate);
}
BENCHMARK(EjecucionNormal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
