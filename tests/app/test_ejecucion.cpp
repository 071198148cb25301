// The main window with the real core: loading listings and their reports, the
// order of a timer tick, runs that stop in the core, and the resets.
#include <QtTest>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "app/LogicaOpciones.h"
#include "app/frmMain.h"
#include "app/frmOpciones.h"
#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "VistasFalsas.h"

namespace {

const std::string kProgramas = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/";

// A box service whose boxes run code while they are open, as the events that
// a real box's own event loop delivers.
class CuadrosConEventos final : public plataforma::IServicioCuadros {
public:
    CuadrosConEventos() { plataforma::EstablecerCuadros(this); }
    ~CuadrosConEventos() override { plataforma::EstablecerCuadros(nullptr); }
    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        mostrados.push_back(c);
        if (mientras) mientras();
        return plataforma::Respuesta::Aceptar;
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada&) override { return std::nullopt; }
    std::vector<plataforma::Cuadro> mostrados;
    std::function<void()> mientras;
};

// The recent files, entries 1 to 10, as a failed comparison shows them.
QStringList Recientes(const std::array<std::string, 11>& mru) {
    QStringList l;
    for (size_t i = 1; i < mru.size(); ++i) l << QString::fromStdString(mru[i]);
    return l;
}

}  // namespace

class TestEjecucion : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::AjustesMemoria> ajustes;
    DialogosFalsos dialogos;
    QTemporaryDir carpeta;

    std::unique_ptr<frmMain> Abrir() { return VentanaNueva(dialogos); }
    std::string Fichero(const char* nombre, const std::string& contenido) {
        const QString ruta = carpeta.filePath(nombre);
        QFile f(ruta);
        f.open(QIODevice::WriteOnly);
        f.write(contenido.data(), qint64(contenido.size()));
        return ruta.toStdString();
    }
    // Ticks until the run stops (or a bound is reached); the timer itself is
    // not left to fire, so the test decides when each tick runs.
    static int HastaParar(frmMain& v, int maximo = 1000) {
        int n = 0;
        while (v.ModoEjecucion() != modo::kParado && n < maximo) {
            v.TimerRUN_Timer();
            ++n;
        }
        return n;
    }

private slots:
    void initTestCase() {
        RegistrarVistasFalsas();
        QVERIFY(carpeta.isValid());
    }
    void init() {
        ajustes = std::make_unique<prueba::AjustesMemoria>();
        dialogos = DialogosFalsos();
    }
    void cleanup() { ajustes.reset(); }

    void cargaDeListados_data() {
        QTest::addColumn<QString>("contenido");
        QTest::addColumn<int>("resultado");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("cuadro");  // "%1" is the file's path
        QTest::addColumn<int>("ayuda");
        const QString h = ">>>> DSK3A C3x\r\n0x00809800 0x0C800000         NOP\r\n";
        QTest::newRow("no es un listado") << "solo texto\r\n" << -1 << "El fichero %1 está dañado"
                                          << "El fichero <%1> esta dañado" << 11090;
        QTest::newRow("correcto") << h << 0 << "Leido el fichero DSK: %1" << "" << 0;
        QTest::newRow("errores") << h + "> ERROR 1\r\n    e\r\n" << 1
                                 << "Errores de ensamblado en el fichero DSK leido"
                                 << "Hay Errores en el fichero %1" << 11070;
        QTest::newRow("avisos") << h + "> ERROR 0\r\n    w\r\n" << 2 << "Avisos(Warnings) en el fichero DSK leido"
                                << "Hay Warnings en el fichero %1" << 11080;
        QTest::newRow("memoria") << h + "0x00500000 0x0C800000         NOP\r\n" << 3
                                 << "Errores de carga en alguna seccion de memoria"
                                 << "Errores de carga en memoria%1" << 11080;
    }
    void cargaDeListados() {
        QFETCH(QString, contenido);
        QFETCH(int, resultado);
        QFETCH(QString, estado);
        QFETCH(QString, cuadro);
        QFETCH(int, ayuda);
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        const std::string ruta = Fichero("prueba.DSK", contenido.toStdString());
        const QString r = QString::fromStdString(ruta);
        // A refused file leaves the loaded listing, its names and the views.
        const bool aceptado = resultado != -1;
        gEstadoDSK = 0;
        gFichDSK = "antes.dsk";
        gFichASM = "antes.asm";
        const QString panel = v->Panel("Fichero")->text();
        NumMRUFiles = 4;
        const std::array<std::string, 11> recientes = {"", "/p/a.dsk", "/p/b.dsk", "/p/c.dsk", "/p/d.dsk"};
        MRU = recientes;
        v->ActualizarMRUFiles("");  // the menu shows them
        gLlamadas.clear();
        v->CargaFichDSK(ruta);
        QCOMPARE(int(gEstadoDSK), aceptado ? resultado : 0);
        QCOMPARE(gFichDSK, aceptado ? ruta : std::string("antes.dsk"));
        QCOMPARE(gFichASM, aceptado ? ruta.substr(0, ruta.size() - 4) + ".asm" : std::string("antes.asm"));
        QCOMPARE(QString::fromStdString(v->InfoBar()), QString(estado).replace("%1", r));
        if (cuadro.isEmpty()) {
            QVERIFY(cuadros.mostrados.empty());
        } else {
            QCOMPARE(cuadros.mostrados.size(), size_t(1));
            QCOMPARE(QString::fromStdString(cuadros.mostrados[0].texto), QString(cuadro).replace("%1", r));
            QCOMPARE(cuadros.mostrados[0].titulo, std::string("Carga de fichero ensamblado DSK"));
            QCOMPARE(cuadros.mostrados[0].contextoAyuda, ayuda);
            QVERIFY(cuadros.mostrados[0].icono == plataforma::Icono::Exclamacion && cuadros.mostrados[0].botonAyuda);
        }
        QCOMPARE(v->Accion("mnuVerAuxDat1")->isEnabled(), resultado > 0);
        // Only a listing that loaded enters the recent files; a refused file
        // pushes none out.
        const std::array<std::string, 11> despues = {"", ruta, "/p/a.dsk", "/p/b.dsk", "/p/c.dsk"};
        QCOMPARE(Recientes(MRU), Recientes(aceptado ? despues : recientes));
        QCOMPARE(v->Accion("mnuFileMRU1")->text(), aceptado ? r : QString("/p/a.dsk"));
        QCOMPARE(v->Panel("Fichero")->text(), aceptado ? r : panel);
        QCOMPARE(Cuenta("DASM.Inicializar"), aceptado ? 1 : 0);
        QCOMPARE(Cuenta("Memoria.Refrescar"), aceptado ? 1 : 0);
    }

    // A listing found damaged, opened with the reset on, after a few steps of
    // another: registers, cycles, memory, tables, views and the recent files
    // stay as they were; only the box and the status text tell of it.
    void listadoRechazadoNoCambiaNada_data() {
        QTest::addColumn<QString>("contenido");
        QTest::addColumn<bool>("reciente");
        const QString cuerpo = "0x00809800 0x0C800000         NOP\r\n>>>> ENTRY 0x00809800\r\n";
        QTest::newRow("primera linea, Cargar") << ">>>> DSK3A C3\r\n" + cuerpo << false;
        QTest::newRow("primera linea, reciente") << ">>>> DSK3A C3\r\n" + cuerpo << true;
        QTest::newRow("palabra, Cargar") << ">>>> DSK3A C3x\r\n" + cuerpo + "0x00809801 0x0000000G x\r\n" << false;
    }
    void listadoRechazadoNoCambiaNada() {
        QFETCH(QString, contenido);
        QFETCH(bool, reciente);
        prueba::CuadrosFalsos cuadros;
        ResetDSK = true;
        auto v = Abrir();
        const std::string factorial = kProgramas + "factorial.dsk";
        v->CargaFichDSK(factorial);
        for (int i = 0; i < 6; ++i) v->EjecutarComando("mnuDepStep");
        gPuntosRupt->Add(0x809805, "bp");
        const ClassRegistrosCPU registros = *gRegistros;
        const auto ciclos = gCiclos;
        int32_t palabra = 0;
        gMemoria->Lee(palabra, 0x809800);
        const int32_t lineas = gDatosFich->count(), refs = gTablaRef->count(), sects = gTablaSect->count();
        const std::string danado = Fichero("danado.dsk", contenido.toStdString());
        const QString panel = v->Panel("Fichero")->text();
        gLlamadas.clear();
        cuadros.mostrados.clear();
        if (reciente) MRU[2] = danado;
        const std::array<std::string, 11> recientes = MRU;
        if (reciente) {
            v->ActualizarMRUFiles("");  // the menu shows the entry
            v->EjecutarComando("mnuFileMRU2");
        } else {
            dialogos.respuestas.push_back(danado);
            v->EjecutarComando("mnuFileOpen");
        }
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, "El fichero <" + danado + "> esta dañado");
        QCOMPARE(v->InfoBar(), "El fichero " + danado + " está dañado");
        for (int16_t n = 0; n < 28; ++n)
            QCOMPARE(gRegistros->RegCPU(n, false).entero, registros.RegCPU(n, false).entero);
        for (int16_t i = 0; i < 8; ++i) QVERIFY(gRegistros->R(i) == registros.R(i));
        QCOMPARE(gRegistros->PC(), registros.PC());
        QVERIFY(gRegistros->PC() != 0x809800);
        QCOMPARE(gCiclos, ciclos);
        int32_t ahora = 0;
        gMemoria->Lee(ahora, 0x809800);
        QCOMPARE(ahora, palabra);
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(gFichDSK, factorial);
        QCOMPARE(gFichASM, kProgramas + "factorial.asm");
        QCOMPARE(gDatosFich->count(), lineas);
        QCOMPARE(gTablaRef->count(), refs);
        QCOMPARE(gTablaSect->count(), sects);
        QCOMPARE(gPuntosRupt->count(), 1);
        QVERIFY(gLlamadas.empty());  // no view rebuilt or refreshed
        QCOMPARE(v->Panel("Fichero")->text(), panel);
        QCOMPARE(Recientes(MRU), Recientes(recientes));
        QCOMPARE(v->Accion("mnuFileMRU1")->text(), QString::fromStdString(factorial));
    }

    void abrirConReinicio() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        gRegistros->AR(3, 77);
        gCiclos = 40;
        dialogos.respuestas.push_back(kProgramas + "factorial.dsk");
        v->EjecutarComando("mnuFileOpen");
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(gCiclos, 0);
        QCOMPARE(gRegistros->AR(3), 0);
        QCOMPARE(gRegistros->PC(), 0x809800);
        QVERIFY(cuadros.mostrados.empty());
    }

    void ordenDelTic() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        ModoPPL = 0;
        v->CargaFichDSK(kProgramas + "bench_loop.dsk");
        // Timed run: one cycle, then everything refreshed.
        v->ModoEjecucion(modo::kTemporizado);
        v->TimerRUN()->stop();
        gLlamadas.clear();
        v->TimerRUN_Timer();
        QCOMPARE(gCiclos, 1);
        QCOMPARE(Cuenta("Registros.Refrescar"), 1);
        QCOMPARE(v->Panel("Ciclo")->text(), QString("1"));
        // Normal run: a batch of cycles; the panels show the count before it and
        // the views stay as they were.
        v->ModoEjecucion(modo::kNormal);
        v->TimerRUN()->stop();
        gLlamadas.clear();
        v->TimerRUN_Timer();
        QVERIFY(gCiclos > 100);
        QCOMPARE(v->Panel("Ciclo")->text(), QString("1"));
        QVERIFY(gLlamadas.empty());
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kNormal));
        v->EjecutarComando("mnuExeStop");
        QCOMPARE(v->Panel("Ciclo")->text(), QString::number(gCiclos));
        ModoPPL = 1;
    }

    void rupturaSinCiclosAnidados() {
        CuadrosConEventos cuadros;
        auto v = Abrir();
        InfoPuntosRupt = true;
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        gPuntosRupt->Add(0x809805, "antes de la llamada");
        int ciclosEnElCuadro = -1;
        int16_t animacionEnElCuadro = -1;
        cuadros.mientras = [&] {
            // A tick and a step arrive while the core's box is open.
            const int antes = gCiclos;
            const int16_t anim = v->AnimacionMostrada();
            v->TimerRUN_Timer();
            v->EjecutarComando("mnuDepStep");
            ciclosEnElCuadro = gCiclos - antes;
            animacionEnElCuadro = int16_t(v->AnimacionMostrada() - anim);
        };
        v->EjecutarComando("mnuExeRun");
        v->TimerRUN()->stop();
        HastaParar(*v);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Puntos de Ruptura"));
        QCOMPARE(ciclosEnElCuadro, 0);
        QCOMPARE(animacionEnElCuadro, int16_t(0));
        QCOMPARE(gRegistros->PC(), 0x809805);
        QVERIFY(!v->TimerRUN()->isActive() && v->Accion("mnuExeRun")->isEnabled());
        QCOMPARE(v->AnimacionMostrada(), int16_t(0));
        InfoPuntosRupt = false;
    }

    void unCuadroTerminaElLote() {
        prueba::CuadrosFalsos cuadros;
        cuadros.respuestas.push_back(plataforma::Respuesta::Cancelar);  // let the word pass
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "maq_invalido.dsk");
        v->EjecutarComando("mnuExeRun");
        v->TimerRUN()->stop();
        v->TimerRUN_Timer();
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Unidad de Decodificación"));
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kNormal));
        QVERIFY(gCiclos < 100);  // the tick ended at the question, not after 10 ms
        v->TimerRUN_Timer();
        QCOMPARE(gRegistros->R(1).LO(), 2);
        QCOMPARE(gRegistros->PC(), 0x809803);
        v->EjecutarComando("mnuExeStop");
    }

    void pasoSobreUnaLlamada() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        // Without the pipeline each step is one instruction: five to the CALL.
        for (int i = 0; i < 5; ++i) v->EjecutarComando("mnuDepStep");
        QCOMPARE(gRegistros->PC(), 0x809805);
        v->EjecutarComando("mnuDepStepFunc");
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kPasoSobre));
        QCOMPARE(gDirParada, 0x809806);
        v->TimerRUN()->stop();
        HastaParar(*v);
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kParado));
        QCOMPARE(gRegistros->PC(), 0x809806);
        QCOMPARE(gRegistros->R(1).LO(), 3628800);  // the whole recursion ran
        QCOMPARE(gDirParada, -1);
        QVERIFY(gPasoSobre);  // until the next single step
        // A normal run started now does not turn into a step-over run.
        v->EjecutarComando("mnuExeRun");
        QVERIFY(!gPasoSobre);
        v->EjecutarComando("mnuExeStop");
    }

    // With the listing window closed the step commands stay available from the
    // menu, their keys and the toolbar; the commands at the listing's cursor do not.
    void pasosConElListadoCerrado() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        v->show();
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        v->EjecutarComando("mnuWindowDASM");
        QVERIFY(!v->VistaAbierta(TipoVista::DASM));
        QVERIFY(v->Menu("mnuDep")->isEnabled());
        for (const char* c : {"mnuDepStep", "mnuDepStepFunc", "mnuDepListBP"})
            QVERIFY2(v->Accion(c)->isEnabled(), c);
        for (const char* c : {"mnuDepBP", "mnuDepQuitarBP", "mnuDepCursor", "mnuDepEstablecerPC",
                              "mnuDepCopiarMemPos", "mnuDepCopiarCodigo"})
            QVERIFY2(!v->Accion(c)->isEnabled(), c);
        QVERIFY(v->Boton("PP1")->isEnabled() && v->Boton("PP2")->isEnabled());

        // One instruction (four cycles) a step.
        QCOMPARE(gCiclos, 0);
        QTest::keyClick(v.get(), Qt::Key_F8);
        QCOMPARE(gCiclos, 4);
        QCOMPARE(gRegistros->PC(), 0x809801);
        QTest::keyClick(v.get(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(gCiclos, 8);
        QVERIFY(gPasoSobre);
        v->Boton("PP1")->trigger();
        v->Boton("PP2")->trigger();
        QCOMPARE(gCiclos, 16);
        QCOMPARE(gRegistros->PC(), 0x809804);
        // F7 would toggle a breakpoint at the hidden listing's cursor.
        QTest::keyClick(v.get(), Qt::Key_F7);
        QVERIFY(v->InfoBar().find("Punto de Ruptura") == std::string::npos);

        v->EjecutarComando("mnuWindowDASM");
        for (const char* c : {"mnuDepBP", "mnuDepQuitarBP", "mnuDepCursor", "mnuDepEstablecerPC",
                              "mnuDepCopiarMemPos", "mnuDepCopiarCodigo", "mnuDepStep"})
            QVERIFY2(v->Accion(c)->isEnabled(), c);
        QVERIFY(cuadros.mostrados.empty());
    }

    void ejecutarHastaElCursor() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        DASMFalso::posMem = 0x809807;  // fin
        v->EjecutarComando("mnuDepCursor");
        v->TimerRUN()->stop();
        HastaParar(*v);
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kParado));
        QCOMPARE(gRegistros->PC(), 0x809807);
        QCOMPARE(gDirParada, -1);
        QVERIFY(cuadros.mostrados.empty());
    }

    void reinicioDelModuloDSK() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        TipoReset = 0;
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        for (int i = 0; i < 3; ++i) v->EjecutarComando("mnuDepStep");
        gPuntosRupt->Add(0x809805, "bp");
        gLlamadas.clear();
        v->EjecutarComando("mnuExeInicializar");
        QCOMPARE(gRegistros->PC(), 0x809800);
        QCOMPARE(gCiclos, 0);
        QCOMPARE(gPuntosRupt->count(), 0);
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, std::string("Se ha realizado un reset al procesador DSP.\r"
                                                         "  - Tipo: Modulo DSK.\r  - PC: Cargado <ENTRY> [$00809800]"));
        QCOMPARE(cuadros.mostrados[0].contextoAyuda, 320);
        QCOMPARE(v->InfoBar(), "Leido el fichero DSK: " + kProgramas + "factorial.dsk");
        QCOMPARE(Cuenta("DASM.Inicializar"), 2);  // by the load and by the reset
    }

    // A reset made while a branch's wait cycles are still owed starts afresh:
    // the first fetch after it is made at once, with either kind of reset.
    void reinicioTrasUnSaltoNoEsperaCiclos() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        ModoPPL = 0;
        for (int16_t tipo : {int16_t{0}, int16_t{1}}) {
            TipoReset = tipo;
            v->CargaFichDSK(kProgramas + "maq_espera.dsk");
            for (int i = 0; i < 3; ++i) v->EjecutarComando("mnuDepStep");  // BR decoded
            QCOMPARE(gPPL->lCiclosEspera, 2);
            v->EjecutarComando("mnuExeInicializar");
            const int32_t inicio = gRegistros->PC();
            v->EjecutarComando("mnuDepStep");
            QCOMPARE(gPPL->Busqueda().lCanal, canal::kBuscado);
            QCOMPARE(gPPL->Busqueda().lPosMem, inicio);
        }
        TipoReset = 0;
        ModoPPL = 1;
    }

    // The DSK-module reset of a listing damaged since it was loaded reports it
    // and resets nothing.
    void reinicioConElListadoDanado() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        TipoReset = 0;
        const std::string ruta = Fichero("cambia.dsk", ">>>> DSK3A C3x\r\n0x00809800 0x0C800000         NOP\r\n"
                                                       "0x00809801 0x0C800000         NOP\r\n"
                                                       ">>>> ENTRY 0x00809800\r\n");
        v->CargaFichDSK(ruta);
        v->EjecutarComando("mnuDepStep");
        Fichero("cambia.dsk", ">>>> DSK3A\r\n");
        gLlamadas.clear();
        v->EjecutarComando("mnuExeInicializar");
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, "El fichero <" + ruta + "> esta dañado");
        QCOMPARE(gRegistros->PC(), 0x809801);
        QCOMPARE(gCiclos, 4);
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(gDatosFich->count(), 2);
        QVERIFY(gLlamadas.empty());
    }

    void recuperarEntorno() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        for (int i = 0; i < 4; ++i) v->EjecutarComando("mnuDepStep");
        QCOMPARE(gRegistros->SP(), 0x809F00);
        const std::string ent = carpeta.filePath("estado.ent").toStdString();
        QVERIFY(SalvarEntorno(ent));
        gRegistros->SP(0x1234);
        gEstadoDSK = 0;
        dialogos.respuestas.push_back(std::nullopt);
        v->EjecutarComando("mnuFileRecEnt");
        QCOMPARE(v->InfoBar(), std::string("Dialogo de solicitud de fichero de entorno"));
        QCOMPARE(gEstadoDSK, int16_t(0));  // cancelled: nothing changes
        QCOMPARE(dialogos.pedidos.at(0).titulo, std::string("Recuperar Entorno"));
        QCOMPARE(dialogos.pedidos.at(0).filtro,
                 std::string("Ficheros de entorno (*.ent)|*.ent|Todos los archivos (*.*)|*.*"));
        QVERIFY(dialogos.pedidos.at(0).debeExistir);
        dialogos.respuestas.push_back(ent);
        gLlamadas.clear();
        cuadros.mostrados.clear();
        const std::string mru1 = MRU[1];
        v->EjecutarComando("mnuFileRecEnt");
        QCOMPARE(gRegistros->SP(), 0x809F00);
        QCOMPARE(cuadros.mostrados.back().titulo, std::string("Recuperar Entorno: Resultados"));
        QVERIFY(Cuenta("DASM.Inicializar") >= 1);
        QCOMPARE(MRU[1], mru1);  // the command itself leaves the recent files alone
    }

    // The results box of a restore comes over views that show the restored
    // state already: every open view is rebuilt and the status panels name the
    // restored listing before the box is shown.
    void resultadosSobreLasVistasRecuperadas() {
        CuadrosConEventos cuadros;
        EstablecerCarpetaDatosUsuario(carpeta.filePath("datos").toStdString());
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        for (int i = 0; i < 4; ++i) v->EjecutarComando("mnuDepStep");
        const std::string ent = carpeta.filePath("vistas.ent").toStdString();
        QVERIFY(SalvarEntorno(ent));
        v->CargaFichDSK(kProgramas + "bench_loop.dsk");
        gLlamadas.clear();
        std::vector<std::string> llamadas;
        QString fichero;
        cuadros.mientras = [&] {
            llamadas = gLlamadas;
            fichero = v->Panel("Fichero")->text();
        };
        dialogos.respuestas.push_back(ent);
        v->EjecutarComando("mnuFileRecEnt");
        EstablecerCarpetaDatosUsuario("");
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Recuperar Entorno: Resultados"));
        QStringList vistas;
        for (const std::string& l : llamadas) vistas << QString::fromStdString(l);
        for (const char* vista : {"Registros.Inicializar", "Memoria.Refrescar", "DASM.Inicializar", "PPL.Inicializar"})
            QVERIFY2(vistas.contains(vista), vista);
        QCOMPARE(fichero, carpeta.filePath("datos/entorno.dsk"));
    }

    // The toolkit's own file dialogs of Open, Salvar Entorno and Recuperar
    // Entorno start in the last folder a file of their kind was taken from,
    // else in the loaded listing's folder, else in the most recent listing's.
    void dialogosEmpiezanEnLaCarpetaDelFichero() {
        prueba::CuadrosFalsos cuadros;
        EstablecerCarpetaDatosUsuario(carpeta.filePath("datos").toStdString());
        QDir(carpeta.path()).mkpath("listados");
        QDir(carpeta.path()).mkpath("otros");
        QDir(carpeta.path()).mkpath("entornos");
        const QString listado = carpeta.filePath("listados/f.dsk"), otro = carpeta.filePath("otros/g.dsk");
        for (const QString& copia : {listado, otro})
            QVERIFY(QFile::copy(QString::fromStdString(kProgramas + "factorial.dsk"), copia));
        LeerOpciones();
        CrearObjetosPrograma();
        MRU[1] = listado.toStdString();
        frmMain v;  // with the toolkit's dialogs
        // Answers the file dialog the command opens (through the options
        // dialog for Salvar Entorno): the folder it started in; it then
        // takes the file given, or is cancelled.
        const auto carpetaDe = [&](const char* comando, const QString& elegir = {}) {
            QString inicial;
            bool aceptado = false;
            QTimer respuesta;
            respuesta.setInterval(10);
            connect(&respuesta, &QTimer::timeout, this, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* opciones = qobject_cast<frmOpciones*>(modal)) {
                    // Clicked from the dialog's own loop, where this timer goes on.
                    if (!std::exchange(aceptado, true))
                        QMetaObject::invokeMethod(opciones->findChild<QPushButton*>("cmdOK"), "click",
                                                  Qt::QueuedConnection);
                } else if (auto* d = qobject_cast<QFileDialog*>(modal)) {
                    respuesta.stop();
                    inicial = d->directory().absolutePath();
                    // The whole path typed as the name, as the list may not have loaded yet.
                    if (!elegir.isEmpty()) d->findChild<QLineEdit*>("fileNameEdit")->setText(elegir);
                    QMetaObject::invokeMethod(d, elegir.isEmpty() ? "reject" : "accept");
                    if (d->isVisible()) d->reject();  // not taken: the checks that follow tell
                }
            });
            respuesta.start();
            v.EjecutarComando(comando);
            return inicial;
        };
        const QString listados = carpeta.filePath("listados"), otros = carpeta.filePath("otros"),
                      entornos = carpeta.filePath("entornos");
        QCOMPARE(carpetaDe("mnuFileOpen"), listados);  // nothing loaded: the most recent listing's
        v.CargaFichDSK(otro.toStdString());
        QCOMPARE(carpetaDe("mnuFileOpen"), otros);  // the loaded listing's
        QCOMPARE(carpetaDe("mnuFileRecEnt"), otros);
        QCOMPARE(carpetaDe("mnuFileSalvEnt", entornos + "/e.ent"), otros);
        QVERIFY(QFile::exists(entornos + "/e.ent"));
        QCOMPARE(carpetaDe("mnuFileOpen", listado), otros);
        QCOMPARE(gFichDSK, listado.toStdString());
        QCOMPARE(carpetaDe("mnuFileRecEnt", entornos + "/e.ent"), entornos);  // the last one for environments
        QCOMPARE(carpetaDe("mnuFileSalvEnt"), entornos);
        // The restored listing lies in the user's data folder; listings are
        // still looked for where the last one was taken from.
        QCOMPARE(gFichDSK, carpeta.filePath("datos/entorno.dsk").toStdString());
        QCOMPARE(carpetaDe("mnuFileOpen"), listados);
        EstablecerCarpetaDatosUsuario("");
    }

    // An environment file of another version is refused and the listing stays
    // loaded: its result and the views are as they were.
    void entornoRechazadoNoCambiaNada() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->CargaFichDSK(kProgramas + "factorial.dsk");
        QCOMPARE(gEstadoDSK, int16_t(0));
        dialogos.respuestas.push_back(
            Fichero("otra.ent", ">>> Tarvix v1.0\r\n[REGISTROS]\r\n\"PC\",5\r\n"));
        gLlamadas.clear();
        cuadros.mostrados.clear();
        v->EjecutarComando("mnuFileRecEnt");
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, std::string("Fichero ENT dañado o no es un fichero ENT"));
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(gFichDSK, kProgramas + "factorial.dsk");
        QCOMPARE(gRegistros->PC(), 0x809800);
        QVERIFY(gLlamadas.empty());
    }

    // The one-instruction mode chosen in the options while a run with the
    // pipeline is stopped inside a loop: the run goes on from the first
    // instruction not yet executed and ends the loop as it should.
    void modoCambiadoEnLasOpcionesDuranteUnaParada() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        ModoPPL = 0;
        v->CargaFichDSK(kProgramas + "cambio_modo_bucle.dsk");
        gPuntosRupt->Add(0x80980E, "DBUD");
        v->EjecutarComando("mnuExeRun");
        v->TimerRUN()->stop();
        HastaParar(*v);
        QVERIFY(gRegistros->R(3).LO() < 57);  // stopped inside the loop
        gPuntosRupt->Clear();
        opciones::LogicaOpciones dialogo;
        dialogo.CargarDatos();
        dialogo.CambiosReinicio = false;  // as the dialog opens
        dialogo.c.optModoPPL = 1;
        dialogo.SalvarDatos();
        QCOMPARE(ModoPPL, int16_t(1));
        v->EjecutarComando("mnuExeRun");
        v->TimerRUN()->stop();
        HastaParar(*v, 3);
        v->EjecutarComando("mnuExeStop");
        QVERIFY(cuadros.mostrados.empty());
        QCOMPARE(gRegistros->R(1).LO(), 8);
        QCOMPARE(gRegistros->R(3).LO(), 57);  // every pass once, in order
        QCOMPARE(gRegistros->SP(), 0x809F00);
    }

    void vaciarPipeline() {
        prueba::CuadrosFalsos cuadros;
        auto v = Abrir();
        v->EjecutarComando("mnuExeResetPPL");
        QCOMPARE(v->InfoBar(), std::string("Estrucctura Pipeline vaciada. Los datos han sido eliminados"));
        QCOMPARE(Cuenta("PPL.Refrescar"), 2);  // once by the stopped mode at creation
    }
};

QTEST_MAIN(TestEjecucion)
#include "test_ejecucion.moc"
