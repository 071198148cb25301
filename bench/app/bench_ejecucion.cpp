// Speed of a normal run in the main window over the endless loop of
// tests/programs/bench_loop, with and without the pipeline. The counter
// "CicloReloj/s" is the number of clock cycles (CicloReloj calls) a second.
//  - EjecucionNormal runs the ticks itself (each one a batch of about 10 ms);
//  - EjecucionEnLaVentana starts the run with the Run command and lets the
//    shown window's own 1 ms timer drive it through the event loop, as a user's
//    run goes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"

namespace {

const std::string kBucle = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/bench_loop.dsk";

void Preparar(int16_t modoPPL) {
    LeerOpciones();
    ModoPPL = modoPPL;
    CrearObjetosPrograma();
}

// The counter grows by one a call with the pipeline and by four without, and
// goes back to 0 past 1,000,000, which a 10 ms tick can pass. Each tick starts
// it far below 0 instead, so the calls of a tick are the distance it moved.
constexpr int32_t kInicio = -2'000'000'000;
double LlamadasDesdeInicio() { return double(int64_t(gCiclos) - kInicio) / (ModoPPL != 0 ? 4 : 1); }

void EjecucionNormal(benchmark::State& estado) {
    Preparar(int16_t(estado.range(0)));
    frmMain ventana;
    ventana.CargaFichDSK(kBucle);
    ventana.ModoEjecucion(modo::kNormal);
    ventana.TimerRUN()->stop();  // the benchmark runs the ticks itself
    double llamadas = 0;
    for (auto _ : estado) {
        gCiclos = kInicio;
        ventana.TimerRUN_Timer();
        llamadas += LlamadasDesdeInicio();
    }
    ventana.ModoEjecucion(modo::kParado);
    estado.counters["CicloReloj/s"] = benchmark::Counter(llamadas, benchmark::Counter::kIsRate);
}
BENCHMARK(EjecucionNormal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void EjecucionEnLaVentana(benchmark::State& estado) {
    Preparar(int16_t(estado.range(0)));
    frmMain ventana;
    ventana.show();
    ventana.CargaFichDSK(kBucle);
    // After each tick (this slot runs after the window's), count its calls.
    double llamadas = 0;
    gCiclos = kInicio;
    QObject::connect(ventana.TimerRUN(), &QTimer::timeout, &ventana, [&] {
        llamadas += LlamadasDesdeInicio();
        gCiclos = kInicio;
    });
    ventana.EjecutarComando("mnuExeRun");
    for (auto _ : estado) {
        QEventLoop bucle;
        QTimer::singleShot(200, &bucle, &QEventLoop::quit);
        bucle.exec();
    }
    ventana.EjecutarComando("mnuExeStop");
    estado.counters["CicloReloj/s"] = benchmark::Counter(llamadas, benchmark::Counter::kIsRate);
}
BENCHMARK(EjecucionEnLaVentana)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
