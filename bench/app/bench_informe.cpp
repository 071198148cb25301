// Printing a listing made of one very long line (the argument, in kilobytes)
// to a PDF file at 10 points on A4: the report breaks it into rows across the
// body, which should cost time in proportion to the line's length.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "data/DatosPrograma.h"
#include "data/Informe.h"
#include "platform/qt/ImpresoraQt.h"

namespace {

void ListadoDeUnaLinea(benchmark::State& estado) {
    QTemporaryDir dir;
    const std::string listado = dir.filePath(QStringLiteral("largo.dsk")).toStdString();
    const std::string pdf = dir.filePath(QStringLiteral("largo.pdf")).toStdString();
    {
        std::string linea;
        while (linea.size() < size_t(estado.range(0)) * 1024) linea += "LDI     @dato,R0 ";
        std::ofstream f(listado, std::ios::binary);
        f << ">>>> DSK3A C3x\r\n" << linea << "\r\n";
    }
    LeerOpciones();
    CrearObjetosPrograma();
    Registros = Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    DASM = true;
    MgSup = MgInf = MgIzq = MgDer = MgCab = MgPie = 10;
    gFichDSK = listado;
    plataforma::ImpresoraQt imp(plataforma::ImpresoraQt::Destino::Pdf);
    imp.FontName("Courier New");
    imp.FontSize(10);
    plataforma::EstablecerImpresora(&imp);
    for (auto _ : estado) {
        imp.FicheroPdf(pdf);
        ImprimirEntorno();
    }
    plataforma::EstablecerImpresora(nullptr);
    estado.SetBytesProcessed(int64_t(estado.iterations()) * estado.range(0) * 1024);
}
BENCHMARK(ListadoDeUnaLinea)->Arg(50)->Arg(100)->Arg(400)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
