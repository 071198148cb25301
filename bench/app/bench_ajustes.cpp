// Start-up read and exit write of the program options over a large settings
// file: a fresh Qt store (as at program start) reads the 49 options and writes
// them back, with the file holding arg(0) other keys besides.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/DatosPrograma.h"
#include "platform/qt/AjustesQt.h"

namespace {

void CargaYGuardado(benchmark::State& estado) {
    QTemporaryDir carpeta;
    plataforma::AjustesQt inicial(carpeta.path().toStdString());
    const QString fichero = QString::fromStdString(inicial.Fichero(plataforma::kAplicacion));
    QDir().mkpath(QFileInfo(fichero).path());
    QFile f(fichero);
    f.open(QIODevice::WriteOnly);
    f.write("[Relleno]\n");
    for (int64_t i = 0; i < estado.range(0); ++i) f.write(QString("Clave%1=valor %1\n").arg(i).toUtf8());
    f.close();
    int vuelta = 0;
    for (auto _ : estado) {
        plataforma::AjustesQt almacen(carpeta.path().toStdString());
        plataforma::EstablecerAjustes(&almacen);
        LeerOpciones();
        Editor = "editor " + std::to_string(++vuelta);  // a change, so that the exit writes the file
        GuardarOpciones();
        plataforma::EstablecerAjustes(nullptr);
    }
}
BENCHMARK(CargaYGuardado)->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
