// The main window against an in-memory settings store, scripted boxes and
// dialogs, and recording stand-ins for the views: start and close, menus,
// toolbar, status panels, the execution modes and the commands around them.
#include <QtTest>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <thread>

#include "app/ArbolMenus.h"
#include "app/BarraHerramientas.h"
#include "app/DlgPersonalizarBarra.h"
#include "app/PanelEstado.h"
#include "app/frmMain.h"
#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "platform/qt/AjustesQt.h"
#include "platform/qt/AyudaQt.h"
#include "platform/qt/DialogosComunesQt.h"
#include "VistasFalsas.h"


class TestFrmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<prueba::AjustesMemoria> ajustes;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros;
    DialogosFalsos dialogos;

    // A fresh program state; the window is created by each test when its
    // settings are in place.
    std::unique_ptr<frmMain> Abrir() { return VentanaNueva(dialogos); }
    // Shown in the normal state with the stored size (twips).
    std::unique_ptr<frmMain> AbrirNormal(const char* ancho, const char* alto) {
        ajustes->Poner("MainSettings", "Status", "0");
        ajustes->Poner("MainSettings", "Width", ancho);
        ajustes->Poner("MainSettings", "Height", alto);
        auto v = Abrir();
        v->show();
        return v;
    }
    std::string Texto(frmMain& v, const char* panel) { return v.Panel(panel)->text().toStdString(); }
    // Lays the status bar out for the texts just set: their panels asked for
    // it with posted requests, which are carried out here rather than waited for.
    static void DisponerBarra(frmMain& v) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(!v.statusBar()->layout() || !v.statusBar()->layout()->activate());
    }

private slots:
    void initTestCase() { RegistrarVistasFalsas(); }
    void init() {
        ajustes = std::make_unique<prueba::AjustesMemoria>();
        cuadros = std::make_unique<prueba::CuadrosFalsos>();
        dialogos = DialogosFalsos();
    }
    void cleanup() {
        cuadros.reset();
        ajustes.reset();
    }

    void primerArranqueYCierre() {
        auto v = Abrir();
        QCOMPARE(v->windowTitle(), QString("Tarvix"));
        QVERIFY(v->windowState() & Qt::WindowMaximized);
        for (TipoVista t : {TipoVista::DASM, TipoVista::Memoria, TipoVista::Registros, TipoVista::PPL})
            QVERIFY(v->VistaAbierta(t));
        for (const char* b : {"DASM", "Memoria", "Registros", "PPL"}) QVERIFY(v->Boton(b)->isChecked());
        // The views come back in this order, then the stopped mode refreshes them.
        QCOMPARE(gLlamadas, (std::vector<std::string>{"Registros.Refrescar", "Memoria.RefrescarCuadro",
                                                      "DASM.Refrescar", "PPL.Refrescar"}));
        // The views placed themselves in a client area of the maximised size.
        const QSize pantalla = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY(DASMFalso::areaAlCargar.width() > pantalla.width() / 2);
        QVERIFY(DASMFalso::areaAlCargar.height() > pantalla.height() / 2);
        QCOMPARE(Texto(*v, "Estado"), std::string("Estado"));
        QCOMPARE(Texto(*v, "Fichero"), std::string(""));
        QCOMPARE(Texto(*v, "ProcesadorDSP"), std::string("C31 - MP "));
        QCOMPARE(Texto(*v, "Ciclo"), std::string("0"));
        QCOMPARE(Texto(*v, "Tiempo"), std::string("0.00 us "));
        QCOMPARE(Texto(*v, "Frecuencia"), std::string(" 50 MHz "));
        QCOMPARE(v->Panel("Tiempo")->toolTip(), QString("Tiempo de Ejecucion (en microsegundos)"));
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kParado));
        QCOMPARE(&VentanaPrincipal(), static_cast<IVentanaPrincipal*>(v.get()));

        v->EjecutarComando("mnuFileExit");
        QCOMPARE(v->InfoBar(), std::string("Cerrando la aplicacion ..."));
        QCOMPARE(*ajustes->Valor("MainSettings", "Status"), std::string("2"));
        QVERIFY(!ajustes->Valor("MainSettings", "Left"));  // maximised: the position is not stored
        for (const char* s : {"DASMSettings", "RegistrosSettings", "MemoriaSettings", "PPLSettings"})
            QCOMPARE(*ajustes->Valor(s, "Visible"), std::string("True"));
        QVERIFY(ajustes->Valor("Opciones\\Entorno", "Frecuencia_Reloj"));  // all settings saved
        v.reset();
        QCOMPARE(&VentanaPrincipal() == nullptr, false);
    }

    void vistaCerradaSigueCerrada() {
        ajustes->Poner("PPLSettings", "Visible", "False");
        ajustes->Poner("DASMSettings", "Visible", "no es booleano");  // gives the default
        auto v = Abrir();
        QVERIFY(!v->VistaAbierta(TipoVista::PPL));
        QVERIFY(!v->Boton("PPL")->isChecked());
        QVERIFY(!v->Vista(TipoVista::PPL));
        QVERIFY(v->VistaAbierta(TipoVista::DASM));
        v->close();
        QCOMPARE(*ajustes->Valor("PPLSettings", "Visible"), std::string("False"));
    }

    // The layout written on closing goes out with the options in the one save,
    // and a save that fails is told.
    void cierreConGuardadoFallido() {
        ajustes->fallaGuardar = true;
        auto v = Abrir();
        v->close();
        QCOMPARE(ajustes->guardados, 1);
        QVERIFY(ajustes->Valor("MainSettings", "Status"));
        QCOMPARE(cuadros->mostrados.size(), std::size_t{1});
        QCOMPARE(cuadros->mostrados[0].titulo, std::string("Guardar Opciones"));
        QCOMPARE(cuadros->mostrados[0].icono, plataforma::Icono::Exclamacion);
    }

    // A toolbar the user rearranged is saved at once, with the options in the
    // one write of the store, and a save that fails is told as at closing.
    void disposicionDeBarraSeGuarda_data() {
        QTest::addColumn<bool>("falla");
        QTest::newRow("guardada") << false;
        QTest::newRow("no guardada") << true;
    }
    void disposicionDeBarraSeGuarda() {
        QFETCH(bool, falla);
        auto v = Abrir();
        ajustes->fallaGuardar = falla;
        v->AplicarDisposicionBarra({"Run", "-", "Stop"});
        v->GuardarBarraHerramientas();
        QCOMPARE(ajustes->guardados, 1);
        QCOMPARE(*ajustes->Valor("ToolBar", "Defecto"), std::string("Run,-,Stop"));
        QVERIFY(ajustes->Valor("Opciones\\Entorno", "Frecuencia_Reloj"));
        QCOMPARE(cuadros->mostrados.size(), std::size_t{falla ? 1u : 0u});
        if (falla) QCOMPARE(cuadros->mostrados[0].titulo, std::string("Guardar Opciones"));
    }

    void posicionNormalGuardada() {
        ajustes->Poner("MainSettings", "Status", "0");
        ajustes->Poner("MainSettings", "Left", "1500");
        ajustes->Poner("MainSettings", "Top", "750");
        ajustes->Poner("MainSettings", "Width", "9000");
        ajustes->Poner("MainSettings", "Height", "6000");
        auto v = Abrir();
        QVERIFY(!(v->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)));
        QCOMPARE(v->geometry(), QRect(100, 50, 600, 400));
        v->close();
        QCOMPARE(*ajustes->Valor("MainSettings", "Status"), std::string("0"));
        QCOMPARE(*ajustes->Valor("MainSettings", "Left"), std::string("1500"));
        QCOMPARE(*ajustes->Valor("MainSettings", "Height"), std::string("6000"));
    }

    void posicionFueraDePantallaOIlegible() {
        ajustes->Poner("MainSettings", "Status", "0");
        ajustes->Poner("MainSettings", "Left", "9000000");
        ajustes->Poner("MainSettings", "Top", "abc");
        auto v = Abrir();
        bool enPantalla = false;
        for (QScreen* s : QGuiApplication::screens()) enPantalla |= s->availableGeometry().intersects(v->geometry());
        QVERIFY(enPantalla);
        // It is the window the defaults give: left 0, top -60, the screen's width
        // + 110 and height - 300 twips (15 twips a pixel).
        const QSize p = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(v->geometry(), QRect(0, -4, p.width() + 7, p.height() - 20));
    }

    // A place no window can measure in pixels is on no screen: the defaults.
    void posicionSinMedidaDaElDefecto() {
        ajustes->Poner("MainSettings", "Status", "0");
        ajustes->Poner("MainSettings", "Left", "1e99");
        ajustes->Poner("MainSettings", "Top", "0");
        auto v = Abrir();
        const QSize p = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(v->geometry(), QRect(0, -4, p.width() + 7, p.height() - 20));
    }

    void menuDeFicherosRecientes() {
        ajustes->Poner("Opciones", "NumMRUFiles", "4");
        ajustes->Poner("Opciones\\MRUFiles", "MRU 2", "/p/b.dsk");
        ajustes->Poner("Opciones\\MRUFiles", "MRU 4", "/p/d.dsk");
        auto v = Abrir();
        QVERIFY(!v->Accion("mnuFileMRU1")->isVisible());
        QVERIFY(v->Accion("mnuFileMRU2")->isVisible());
        QCOMPARE(v->Accion("mnuFileMRU2")->text(), QString("/p/b.dsk"));
        QVERIFY(!v->Accion("mnuFileMRU3")->isVisible());
        QVERIFY(v->Accion("mnuFileMRU4")->isVisible());
        QVERIFY(v->Accion("mnuFileBar6")->isVisible());
        v->ActualizarMRUFiles("/p/e.dsk");
        QCOMPARE(v->Accion("mnuFileMRU1")->text(), QString("/p/e.dsk"));
        QCOMPARE(v->Accion("mnuFileMRU3")->text(), QString("/p/b.dsk"));
        QVERIFY(!v->Accion("mnuFileMRU2")->isVisible());
    }

    void ficheroRecienteBorrado() {
        MRU[1] = "/no/existe.dsk";
        auto v = Abrir();
        MRU[1] = "/no/existe.dsk";
        v->ActualizarMRUFiles("");  // the menu shows the entry
        v->EjecutarComando("mnuFileMRU1");
        QCOMPARE(cuadros->mostrados.size(), size_t(1));
        QCOMPARE(cuadros->mostrados[0].texto, std::string("El fichero dsk /no/existe.dsk no se encuentra"));
        QCOMPARE(cuadros->mostrados[0].contextoAyuda, 10060);
        QCOMPARE(MRU[1], std::string("/no/existe.dsk"));
    }

    void abrirCanceladoNoCambiaNada() {
        auto v = Abrir();
        gEstadoDSK = 0;
        dialogos.respuestas.push_back(std::nullopt);
        v->EjecutarComando("mnuFileOpen");
        QCOMPARE(v->InfoBar(), std::string("Dialogo de carga fichero DSK"));
        QCOMPARE(gEstadoDSK, int16_t(0));
        QCOMPARE(dialogos.pedidos.at(0).titulo, std::string("Carga de fichero ensamblado DSK"));
        QCOMPARE(dialogos.pedidos.at(0).filtro,
                 std::string("Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*"));
        dialogos.respuestas.push_back(std::string("/no/hay.dsk"));
        v->EjecutarComando("mnuFileOpen");
        QCOMPARE(gEstadoDSK, int16_t(-1));
        QCOMPARE(cuadros->mostrados.at(0).texto, std::string("El fichero dsk /no/hay.dsk no se encuentra"));
    }

    void arbolDeMenus() {
        auto v = Abrir();
        QCOMPARE(v->Accion("mnuFileOpen")->shortcut(), QKeySequence("F3"));
        QCOMPARE(v->Accion("mnuExeStop")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(v->Accion("mnuDepStepFunc")->shortcut(), QKeySequence("Shift+F8"));
        QCOMPARE(v->Accion("mnuMemMarcaLista")->shortcut(), QKeySequence("Ctrl+F9"));
        QCOMPARE(v->Accion("mnuWindowPPL")->text(), QString("Estrucctura &Pipeline del DSP"));
        QCOMPARE(v->Accion("mnuDepEstablecerPC")->property("contextoAyuda").toInt(), 1430);
        QVERIFY(!v->Accion("mnuExePausa")->isEnabled());
        QVERIFY(!v->Accion("mnuVerAuxDat1")->isEnabled());
        QVERIFY(v->Accion("mnuViewToolbar")->isChecked());
        QStringList barra;
        for (QAction* a : v->menuBar()->actions()) barra << a->text();
        QCOMPARE(barra, (QStringList{"&Archivo", "&Edición", "&Memoria", "&Depuración", "Eje&cución",
                                     "&Herramientas", "&Ver", "Ve&ntana", "Ay&uda"}));
        QCOMPARE(v->Menu("PopMnuFormato")->actions().size(), 5);
    }

    void listaDeVentanasYAyudaContextual() {
        auto v = Abrir();
        v->show();
        v->Marco(TipoVista::Registros)->setWindowTitle("Registros DSP");
        v->AreaCliente()->setActiveSubWindow(v->Marco(TipoVista::Registros));
        auto lista = [&] {
            QStringList l;
            for (QAction* a : v->Menu("mnuWindow")->actions())
                if (a->text().startsWith('&') && a->text().at(1).isDigit())
                    l << a->text().mid(3) + (a->isChecked() ? "*" : "");
            return l;
        };
        emit v->Menu("mnuWindow")->aboutToShow();
        QCOMPARE(lista().size(), 4);
        QCOMPARE(lista().filter("Registros DSP"), QStringList{"Registros DSP*"});
        emit v->Menu("mnuWindow")->aboutToShow();  // rebuilt, not appended twice
        QCOMPARE(lista().size(), 4);
        emit v->Menu("mnuHelp")->aboutToShow();
        QCOMPARE(v->Accion("mnuHelpContex")->text(), QString("Ayuda contextual: Registros DSP    F1"));
    }

    void sinVistaNiManejadorNoHayComando() {
        RegistrarVista(TipoVista::Memoria, {});
        RegistrarAuxDatos({});
        // Without the commands that other windows register.
        const auto comandos = ComandosRegistrados();
        for (const auto& c : comandos) RegistrarComando(c.first, nullptr);
        auto v = Abrir();
        for (const char* m : {"mnuMemMarca", "mnuEditCopy", "mnuWindowMemoria", "mnuVerAuxDat2", "mnuDepListBP",
                              "mnuToolsOpciones", "mnuFileSalvEnt", "mnuFilePrint", "mnuHelpAbout"})
            QVERIFY2(!v->Accion(m)->isEnabled(), m);
        for (const char* b : {"MarcaRupt", "Memoria", "TablaRef", "Opciones", "AyudaConten"})
            QVERIFY2(!v->Boton(b)->isEnabled(), b);
        QVERIFY(!v->Boton("Memoria")->isChecked());
        QVERIFY(v->Accion("mnuDepBP")->isEnabled());
        // A window that comes later plugs its command in.
        bool abierto = false;
        v->EstablecerComando("mnuToolsOpciones", [&] { abierto = true; });
        QVERIFY(v->Accion("mnuToolsOpciones")->isEnabled() && v->Boton("Opciones")->isEnabled());
        v->Boton("Opciones")->trigger();
        QVERIFY(abierto);
        RegistrarVistasFalsas();
        for (const auto& c : comandos) RegistrarComando(c.first, c.second);
    }

    void teclaDeAyuda() {
        auto v = Abrir();
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        QTest::keyClick(v.get(), Qt::Key_F1);
        QCOMPARE(cuadros->mostrados.size(), size_t(1));
        QCOMPARE(cuadros->mostrados[0].texto, plataforma::qt::TextoAyudaNoIniciada("TMS320C3X.chm"));
        v->EjecutarComando("mnuHelpContents");  // the help viewer finds no file either
        QCOMPARE(cuadros->mostrados.size(), size_t(2));
        QCOMPARE(cuadros->mostrados.back().texto, plataforma::qt::TextoAyudaNoIniciada("TMS320C3X.chm"));
    }

    void menuDeFormatos() {
        auto v = Abrir();
        v->ResultadoPopUpMenu(3);
        v->Accion("mnuFormato1")->trigger();
        QCOMPARE(v->ResultadoPopUpMenu(), int16_t(1));
    }

    // Each toolbar button, in toolbar order, and the one menu command its click
    // runs ("" for the three help buttons, which reach none).
    void botonesLleganASuComando() {
        const std::vector<std::pair<std::string, std::string>> esperados = {
            {"Cargar", "mnuFileOpen"},
            {"SalvarEnt", "mnuFileSalvEnt"},
            {"RecupEnt", "mnuFileRecEnt"},
            {"Imprimir", "mnuFilePrint"},
            {"MarcaRupt", "mnuMemMarca"},
            {"QuitarMarcas", "mnuMemMarcaQuitar"},
            {"Identificador", "mnuMemEstablecerIdentif"},
            {"EditarCelda", "mnuMemEditarCelda"},
            {"PuntosRupt", "mnuDepBP"},
            {"QuitarPuntos", "mnuDepQuitarBP"},
            {"PP1", "mnuDepStep"},
            {"PP2", "mnuDepStepFunc"},
            {"2Stop", "mnuDepCursor"},
            {"Run", "mnuExeRun"},
            {"RunTempo", "mnuExeRunTempo"},
            {"Stop", "mnuExeStop"},
            {"Pause", "mnuExePausa"},
            {"DASM", "mnuWindowDASM"},
            {"Registros", "mnuWindowRegistros"},
            {"Memoria", "mnuWindowMemoria"},
            {"PPL", "mnuWindowPPL"},
            {"TablaRef", "mnuVerAuxDat2"},
            {"TablaSect", "mnuVerAuxDat3"},
            {"TablaPuntosRupt", "mnuVerAuxDat4"},
            {"TablaMarcasRupt", "mnuVerAuxDat5"},
            {"Editor", "mnuToolsEdit"},
            {"Calculadora", "mnuToolsCalc"},
            {"Ensamblador", "mnuToolsComp"},
            {"ModuloDSK", "mnuToolsModulo"},
            {"InstrSig", "mnuDepEstablecerPC"},
            {"Reset", "mnuExeInicializar"},
            {"PPLClear", "mnuExeResetPPL"},
            {"Opciones", "mnuToolsOpciones"},
            {"RefrescarConten", "mnuWindowRefrescar"},
            {"Sugerencia", "mnuHelpTipOfDay"},
            {"AyudaConten", ""},
            {"AyudaContex", ""},
            {"AyudaBuscar", ""},
        };
        auto v = Abrir();
        std::vector<std::string> claves, ejecutados;
        for (const BotonBarra& b : BotonesBarra()) claves.push_back(b.clave);
        std::vector<std::string> clavesEsperadas;
        for (const auto& e : esperados) clavesEsperadas.push_back(e.first);
        QCOMPARE(claves, clavesEsperadas);
        // Every menu command records that it ran, so a button reaching any other one shows.
        for (const MenuSuperior& m : ArbolMenus())
            for (const ElementoMenu& el : m.elementos)
                if (!el.Separador())
                    v->EstablecerComando(el.nombre, [&ejecutados, c = el.nombre] { ejecutados.push_back(c); });
        for (const auto& [clave, comando] : esperados) {
            ejecutados.clear();
            QAction* boton = v->Boton(clave);
            QVERIFY2(boton, clave.c_str());
            const bool pulsado = boton->isChecked();
            if (!comando.empty()) v->Accion(comando)->setEnabled(true);
            boton->setEnabled(true);
            boton->trigger();
            const std::vector<std::string> esperado =
                comando.empty() ? std::vector<std::string>{} : std::vector<std::string>{comando};
            QVERIFY2(ejecutados == esperado,
                     (clave + " runs " + (ejecutados.empty() ? std::string("nothing") : ejecutados[0])).c_str());
            QCOMPARE(boton->isChecked(), pulsado);  // the command sets the pressed state
        }
        ejecutados.clear();
        v->tbToolBar_ButtonClick("run");
        QVERIFY(ejecutados.empty());
    }

    // A button is enabled exactly when the command it runs may run: the
    // command's item is enabled and so is the menu that holds it.
    static bool ComandoPuedeEjecutarse(frmMain& v, const std::string& comando) {
        for (const MenuSuperior& m : ArbolMenus())
            for (const ElementoMenu& el : m.elementos)
                if (el.nombre == comando) return v.Accion(comando)->isEnabled() && v.Menu(m.nombre)->isEnabled();
        return false;
    }
    static void BotonesComoSusComandos(frmMain& v, const std::string& estado) {
        for (const BotonBarra& b : BotonesBarra()) {
            const bool esperado = !b.comando.empty() && ComandoPuedeEjecutarse(v, b.comando);
            QVERIFY2(v.Boton(b.clave)->isEnabled() == esperado, (estado + ": " + b.clave).c_str());
        }
    }

    void botonesSiguenASusComandos() {
        auto v = Abrir();
        v->show();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        BotonesComoSusComandos(*v, "al abrir");
        if (QTest::currentTestFailed()) return;

        // The listing and the memory window hidden: their commands are off,
        // the step commands stay on.
        v->EjecutarComando("mnuWindowDASM");
        v->EjecutarComando("mnuWindowMemoria");
        BotonesComoSusComandos(*v, "listado y memoria ocultos");
        if (QTest::currentTestFailed()) return;
        for (const char* b : {"PuntosRupt", "QuitarPuntos", "2Stop", "InstrSig", "MarcaRupt", "QuitarMarcas",
                              "Identificador", "EditarCelda"})
            QVERIFY2(!v->Boton(b)->isEnabled(), b);
        QVERIFY(v->Boton("PP1")->isEnabled() && v->Boton("PP2")->isEnabled());

        // A disabled command does nothing by any path: its button, its item, its shortcut.
        DASMFalso::posMem = 0x809800;
        v->InfoBar("sin cambios");
        gLlamadas.clear();
        for (const char* b : {"PuntosRupt", "QuitarPuntos", "2Stop", "InstrSig", "MarcaRupt", "QuitarMarcas",
                              "Identificador", "EditarCelda"})
            v->tbToolBar_ButtonClick(b);
        for (const char* c : {"mnuDepBP", "mnuDepCursor", "mnuDepEstablecerPC", "mnuMemEditarCelda",
                              "mnuMemBusqueda", "mnuMemMarca", "mnuEditCopy", "mnuEditPaste"})
            v->EjecutarComando(c);
        for (const char* k : {"F7", "Shift+F7", "Ctrl+F8", "F4", "F9", "Shift+F9", "F6", "F2", "Ctrl+C", "Ctrl+V"})
            QTest::keySequence(v.get(), QKeySequence(k));
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kParado));
        QCOMPARE(gDirParada, -1);
        QVERIFY2(gLlamadas.empty(), gLlamadas.empty() ? "" : gLlamadas.front().c_str());
        QCOMPARE(v->InfoBar(), std::string("sin cambios"));
        QVERIFY(cuadros->mostrados.empty());
        // The shortcuts do reach the commands that are on.
        const int32_t ciclos = gCiclos;
        QTest::keySequence(v.get(), QKeySequence("F8"));
        QVERIFY(gCiclos > ciclos);

        // The enabling the options dialog gives a tool item reaches its button.
        v->Accion("mnuToolsEdit")->setEnabled(false);
        QVERIFY(!v->Boton("Editor")->isEnabled());
        v->Accion("mnuToolsEdit")->setEnabled(true);
        QVERIFY(v->Boton("Editor")->isEnabled());

        v->EjecutarComando("mnuWindowDASM");
        v->EjecutarComando("mnuWindowMemoria");
        BotonesComoSusComandos(*v, "vistas mostradas");
        // Each execution mode leaves the buttons as their items.
        for (int16_t m : {modo::kNormal, modo::kPasoSobre, modo::kTemporizado, modo::kParado, modo::kHastaCursor}) {
            v->ModoEjecucion(m);
            BotonesComoSusComandos(*v, "modo " + std::to_string(m));
        }
        QVERIFY(!v->Boton("Run")->isEnabled());
        v->EjecutarComando("mnuExeStop");
        QVERIFY(v->Boton("Run")->isEnabled());
    }

    void disposicionConClaveDesconocida() {
        ajustes->Poner("ToolBar", "Defecto", "Run,Desconocida,-,Stop");
        auto v = Abrir();
        QCOMPARE(v->DisposicionBarra(), (std::vector<std::string>{"Run", "-", "Stop"}));
        QCOMPARE(v->BarraHerramientas()->actions().size(), 3);
        v->AplicarDisposicionBarra({"Cargar", "-", "PP1"});
        v->GuardarBarraHerramientas();
        QCOMPARE(*ajustes->Valor("ToolBar", "Defecto"), std::string("Cargar,-,PP1"));
        // Hiding the toolbar keeps its layout.
        v->EjecutarComando("mnuViewToolbar");
        QVERIFY(!v->Accion("mnuViewToolbar")->isChecked());
        v->EjecutarComando("mnuViewToolbar");
        QCOMPARE(v->BarraHerramientas()->actions().size(), 3);
    }

    void dialogoDePersonalizacion() {
        DlgPersonalizarBarra d({"Run", "-", "Stop"}, nullptr);
        QCOMPARE(d.Mostrados()->count(), 3);
        QCOMPARE(d.Disponibles()->count(), 1 + 36);  // the separator and the buttons not shown
        d.Disponibles()->setCurrentRow(1);           // "Cargar"
        d.Mostrados()->setCurrentRow(0);
        d.Anadir();
        QCOMPARE(d.Disposicion(), (std::vector<std::string>{"Run", "Cargar", "-", "Stop"}));
        d.Subir();
        QCOMPARE(d.Disposicion(), (std::vector<std::string>{"Cargar", "Run", "-", "Stop"}));
        d.Mostrados()->setCurrentRow(3);
        d.Quitar();
        QCOMPARE(d.Disposicion(), (std::vector<std::string>{"Cargar", "Run", "-"}));
        QCOMPARE(d.Disponibles()->count(), 1 + 36);
        d.Mostrados()->setCurrentRow(0);
        d.Bajar();
        QCOMPARE(d.Disposicion(), (std::vector<std::string>{"Run", "Cargar", "-"}));
        d.Restablecer();
        QCOMPARE(d.Disposicion(), DisposicionPredeterminada());
        QCOMPARE(d.Disponibles()->count(), 1);
    }

    void tablaDeModosEnLaVentana() {
        auto v = Abrir();
        TiempoExeTemp = 250;
        QTimer* t = v->TimerRUN();
        auto habil = [&](const char* m) { return v->Accion(m)->isEnabled(); };
        auto boton = [&](const char* b) { return v->Boton(b)->isEnabled(); };

        gLlamadas.clear();
        v->ModoEjecucion(modo::kNormal);
        QVERIFY(t->isActive());
        QCOMPARE(t->interval(), 1);
        QVERIFY(!v->RefrescoPorTick());
        QVERIFY(habil("mnuExePausa") && !habil("mnuExeRun") && !habil("mnuExeRunTempo"));
        QVERIFY(boton("Pause") && !boton("Run") && !boton("RunTempo"));
        QVERIFY(gEjecutando);
        QCOMPARE(v->BaseAnimacion(), int16_t(1));

        // Mode 2 keeps what mode 1 gave Run and RunTempo.
        v->ModoEjecucion(modo::kPasoSobre);
        QVERIFY(!habil("mnuExeRun") && !boton("Run") && habil("mnuExePausa"));
        QVERIFY(!gEjecutando);
        QCOMPARE(v->BaseAnimacion(), int16_t(9));

        v->ModoEjecucion(modo::kTemporizado);
        QCOMPARE(t->interval(), 250);
        QVERIFY(v->RefrescoPorTick() && t->isActive() && gEjecutando);
        QCOMPARE(v->BaseAnimacion(), int16_t(13));
        QVERIFY(gLlamadas.empty());  // no mode but 0 refreshes

        v->ModoEjecucion(modo::kParado);
        QVERIFY(!t->isActive());
        QCOMPARE(t->interval(), 250);
        QVERIFY(v->RefrescoPorTick());  // the tag is kept
        QVERIFY(!habil("mnuExePausa") && habil("mnuExeRun") && habil("mnuExeRunTempo"));
        QVERIFY(!boton("Pause") && boton("Run") && boton("RunTempo"));
        QVERIFY(!gEjecutando);
        QCOMPARE(Cuenta("Registros.Refrescar"), 1);
        QCOMPARE(Cuenta("Memoria.RefrescarCuadro"), 1);
        QCOMPARE(v->AnimacionMostrada(), int16_t(0));

        // Mode 4 leaves Pausa as it was; Run and its button are off.
        v->ModoEjecucion(modo::kHastaCursor);
        QVERIFY(!habil("mnuExePausa") && !habil("mnuExeRun") && !boton("Run") && !boton("Pause"));
        QCOMPARE(t->interval(), 1);
        QCOMPARE(v->BaseAnimacion(), int16_t(5));

        // A value outside 0..4 is stored and changes nothing.
        gLlamadas.clear();
        v->ModoEjecucion(7);
        QCOMPARE(v->ModoEjecucion(), int16_t(7));
        QVERIFY(t->isActive() && !habil("mnuExeRun") && v->BaseAnimacion() == 5 && gLlamadas.empty());
        v->ModoEjecucion(modo::kParado);
    }

    void pausaYStop() {
        auto v = Abrir();
        v->EjecutarComando("mnuExeRunTempo");
        QCOMPARE(v->InfoBar(), std::string("Ejecutando el código en Modo Temporizado..."));
        gLlamadas.clear();
        v->EjecutarComando("mnuExePausa");
        QCOMPARE(v->InfoBar(),
                 std::string("Ejecucion del código suspendida de manera temporal. Pulse <RUN> para continuar..."));
        QVERIFY(!v->TimerRUN()->isActive());
        QVERIFY(v->Accion("mnuExePausa")->isChecked() && v->Boton("Pause")->isChecked());
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kTemporizado));
        QCOMPARE(Cuenta("DASM.Refrescar"), 1);
        v->EjecutarComando("mnuExePausa");
        QCOMPARE(v->InfoBar(), std::string("Restablecida la ejecucion del codigo tras una Pausa ..."));
        QVERIFY(v->TimerRUN()->isActive() && v->TimerRUN()->interval() == TiempoExeTemp);
        QVERIFY(!v->Accion("mnuExePausa")->isChecked() && !v->Boton("Pause")->isChecked());

        // Stop while paused releases the pause, so the next run pauses at once.
        v->EjecutarComando("mnuExePausa");
        gDirParada = 0x809805;
        v->EjecutarComando("mnuExeStop");
        QCOMPARE(v->InfoBar(), std::string("Ejecucion del codigo detenida (Stop)"));
        QCOMPARE(gDirParada, -1);
        QVERIFY(!v->Accion("mnuExePausa")->isChecked() && !v->Boton("Pause")->isChecked());
        v->EjecutarComando("mnuExeRun");
        v->EjecutarComando("mnuExePausa");
        QVERIFY(!v->TimerRUN()->isActive());
        v->EjecutarComando("mnuExeStop");
    }

    void marcasDePasoYEjecucion() {
        auto v = Abrir();
        gPasoSobre = true;
        gDirParada = 0x809801;
        v->EjecutarComando("mnuExeRun");
        QVERIFY(!gPasoSobre);
        QCOMPARE(gDirParada, -1);
        QCOMPARE(v->InfoBar(), std::string("Ejecutando el código en Modo Normal..."));
        // A step during a run keeps the breakpoints on.
        v->EjecutarComando("mnuDepStepFunc");
        QVERIFY(gPasoSobre && gEjecutando);
        v->EjecutarComando("mnuDepStep");
        QVERIFY(!gPasoSobre && gEjecutando);
        v->EjecutarComando("mnuExeStop");
        v->EjecutarComando("mnuDepStep");
        QVERIFY(!gEjecutando);
        QCOMPARE(v->InfoBar(), std::string("Ejecucion del codigo detenida (Stop)"));  // a step sets no text
    }

    void resetDelProcesador() {
        auto v = Abrir();
        TipoReset = 1;
        QCOMPARE(gMemoria->Escribe(0, 0x809802), int16_t(0));
        gRegistros->ST(0x2000);
        gRegistros->IE(5);
        v->EjecutarComando("mnuExeInicializar");
        QCOMPARE(gRegistros->PC(), 0x809802);
        QCOMPARE(gRegistros->ST(), 0);
        QCOMPARE(gRegistros->IE(), 0);
        QCOMPARE(cuadros->mostrados.size(), size_t(1));
        const auto& c = cuadros->mostrados[0];
        QCOMPARE(c.texto, std::string("Se ha realizado un reset al procesador DSP.\r  - Tipo: Procesador DSP.\r"
                                      "  - PC: Cargado vector RESET [$00809802]"));
        QCOMPARE(c.titulo, std::string("Reset DSP"));
        QCOMPARE(c.contextoAyuda, 310);
        QVERIFY(c.botonAyuda && c.icono == plataforma::Icono::Informacion);
        TipoReset = 0;
    }

    void resetsSinEfecto() {
        ConfigMem = 4;  // no vectors, no ROM: address 0 unmapped
        auto v = Abrir();
        ConfigMem = 4;
        CrearObjetosPrograma();
        TipoReset = 1;
        gRegistros->PC(0x1234);
        v->EjecutarComando("mnuExeInicializar");
        QCOMPARE(gRegistros->PC(), 0x1234);
        QVERIFY(cuadros->mostrados.empty());
        QCOMPARE(v->InfoBar(), std::string("Realizando un Reset al procesador DSP..."));
        // DSK-module reset with no listing loaded.
        TipoReset = 0;
        gFichDSK.clear();
        v->EjecutarComando("mnuExeInicializar");
        QVERIFY(cuadros->mostrados.empty());
        QCOMPARE(gRegistros->PC(), 0x1234);
    }

    void instruccionSiguiente() {
        auto v = Abrir();
        v->EjecutarComando("mnuExeRun");
        DASMFalso::posMem = -1;
        v->EjecutarComando("mnuDepEstablecerPC");
        QCOMPARE(cuadros->mostrados.at(0).texto, std::string("No es posible establecer aqui la siguiente instrucción."));
        QCOMPARE(cuadros->mostrados.at(0).contextoAyuda, 10070);
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kNormal));
        DASMFalso::posMem = 0x809803;
        gDirParada = 0x809900;
        gLlamadas.clear();
        v->EjecutarComando("mnuDepEstablecerPC");
        QCOMPARE(gRegistros->PC(), 0x809803);
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kParado));
        QCOMPARE(gDirParada, -1);
        QCOMPARE(Cuenta("DASM.Refrescar"), 2);  // by mode 0 and once more
    }

    void copiasAlPortapapeles() {
        auto v = Abrir();
        DASMFalso::posMem = 0x809800;
        DASMFalso::codigo = -1;
        v->EjecutarComando("mnuDepCopiarMemPos");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("00809800"));
        v->EjecutarComando("mnuDepCopiarCodigo");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("FFFFFFFF"));
        // With the listing window hidden the commands are off: nothing changes.
        QGuiApplication::clipboard()->setText("nada");
        v->InfoBar("sin cambios");
        v->EjecutarComando("mnuWindowDASM");
        QVERIFY(!v->VistaAbierta(TipoVista::DASM) && !v->Boton("DASM")->isChecked());
        QVERIFY(!v->Accion("mnuDepCopiarMemPos")->isEnabled() && !v->Accion("mnuDepEstablecerPC")->isEnabled());
        v->EjecutarComando("mnuDepCopiarMemPos");
        v->EjecutarComando("mnuDepEstablecerPC");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("nada"));
        QVERIFY(cuadros->mostrados.empty());
        QCOMPARE(v->InfoBar(), std::string("sin cambios"));
        v->EjecutarComando("mnuWindowDASM");
        QVERIFY(v->VistaAbierta(TipoVista::DASM) && v->Accion("mnuDepCopiarMemPos")->isEnabled());
    }

    void ejecutarHastaElCursor() {
        auto v = Abrir();
        DASMFalso::posMem = 0x809810;
        gPasoSobre = true;
        v->EjecutarComando("mnuDepCursor");
        QCOMPARE(gDirParada, 0x809810);
        QVERIFY(!gPasoSobre);
        QCOMPARE(v->ModoEjecucion(), int16_t(modo::kHastaCursor));
        QCOMPARE(v->InfoBar(), std::string("Ejecutando código hasta la posicion del cursor ..."));
        QVERIFY(!v->Accion("mnuExeRun")->isEnabled() && !v->Boton("Run")->isEnabled());
        v->EjecutarComando("mnuExeStop");
    }

    void tablasYMemoria() {
        auto v = Abrir();
        QVERIFY(!v->FrmAuxDatos_LOAD());
        // With the table window closed, watch-mark commands do not open it.
        v->EjecutarComando("mnuMemMarca");
        QVERIFY(!v->FrmAuxDatos_LOAD());
        QCOMPARE(gLlamadas.back(), std::string("Memoria.AlternarMarca"));
        v->tbToolBar_ButtonClick("TablaPuntosRupt");
        QVERIFY(v->FrmAuxDatos_LOAD());
        QCOMPARE(gLlamadas.back(), std::string("Aux.TipoDatos 4"));
        v->EjecutarComando("mnuDepBP");
        QCOMPARE(gLlamadas.back(), std::string("Aux.Actualizar"));
        v->EjecutarComando("mnuMemMarcaLista");
        QCOMPARE(gLlamadas.back(), std::string("Aux.TipoDatos 5"));
        v->EjecutarComando("mnuMemBusqueda");
        QCOMPARE(gLlamadas.back(), std::string("Memoria.BuscarCelda 0"));
        delete v->FrmAuxDatos()->Widget();
        QVERIFY(!v->FrmAuxDatos_LOAD());
    }

    void vistaCerradaSeCreaSinMostrarse() {
        auto v = Abrir();
        v->Marco(TipoVista::Memoria)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!v->VistaAbierta(TipoVista::Memoria) && !v->Boton("Memoria")->isChecked());
        QVERIFY(!v->Vista(TipoVista::Memoria));
        int32_t d = 0x809801;
        static_cast<IVentanaMemoria*>(v.get())->BuscarCelda(d);  // the core's watch-mark break
        QVERIFY(v->VistaAbierta(TipoVista::Memoria) && v->Boton("Memoria")->isChecked());
        QVERIFY(!v->Marco(TipoVista::Memoria)->isVisible());
        QCOMPARE(gLlamadas.back(), std::string("Memoria.BuscarCelda 8427521"));
    }

    // A view hidden through the Window menu catches up, when shown again, with
    // what it missed: a new program rebuilds it, a step refreshes it; nothing
    // missed leaves it as it was.
    void vistaOcultaSePoneAlDia() {
        auto v = Abrir();
        v->show();
        v->EjecutarComando("mnuWindowDASM");
        gLlamadas.clear();
        v->Inicializar();  // a listing was loaded
        v->Refrescar();
        QCOMPARE(Cuenta("DASM.Inicializar") + Cuenta("DASM.Refrescar"), 0);
        v->EjecutarComando("mnuWindowDASM");
        QCOMPARE(Cuenta("DASM.Inicializar"), 1);
        v->EjecutarComando("mnuWindowRegistros");
        gLlamadas.clear();
        v->Refrescar();  // a step
        gLlamadas.clear();
        v->EjecutarComando("mnuWindowRegistros");
        QCOMPARE(gLlamadas, std::vector<std::string>{"Registros.Refrescar"});
        gLlamadas.clear();
        v->EjecutarComando("mnuWindowDASM");
        v->EjecutarComando("mnuWindowDASM");
        QVERIFY(gLlamadas.empty());
    }

    void panelesNoSeTapan() {
        auto v = Abrir();
        v->show();
        v->InfoBar("  texto con blancos  ");
        QCOMPARE(v->InfoBar(), std::string("  texto con blancos  "));
        // A path that looks like markup is shown as it is, not as rich text.
        v->InfoBar("/datos/<b>x</b>.dsk");
        const QLabel* estado = v->Panel("Estado");
        QVERIFY(estado->sizeHint().width() >= estado->fontMetrics().horizontalAdvance("/datos/<b>x</b>.dsk"));
        QStatusTipEvent consejo("un consejo del menú");
        QApplication::sendEvent(v.get(), &consejo);
        QVERIFY(v->Panel("Estado")->isVisible());
        QVERIFY(v->statusBar()->currentMessage().isEmpty());
        gCiclos = 125;
        v->Refrescar();
        QCOMPARE(Texto(*v, "Tiempo"), std::string("2.50 us "));
        QCOMPARE(Texto(*v, "Ciclo"), std::string("125"));
        gCiclos = 0;
    }

    // Long status texts and paths neither widen a window the user sized nor
    // push the other panels out of sight: the panels cut them instead.
    void textosLargosNoEnsanchanLaVentana() {
        auto v = AbrirNormal("9000", "6000");
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        v->InfoBar("Ejecucion del código suspendida de manera temporal. Pulse <RUN> para continuar...");
        gFichDSK = "/home/usuario/proyectos/dsp/filtros/ejemplos/largos/" + std::string(60, 'x') + ".dsk";
        v->Refrescar();
        DisponerBarra(*v);
        for (const char* p : {"Ani", "Estado", "Fichero", "ProcesadorDSP", "Ciclo", "Tiempo", "Frecuencia"})
            QVERIFY2(v->Panel(p)->geometry().right() < v->statusBar()->width(), p);
        QCOMPARE(v->width(), 600);
        gFichDSK.clear();
    }

    // In a main window 500 pixels wide the panels stand side by side: each
    // fixed panel keeps the width its text needs, the path gives way.
    void barraDeEstadoEnUnaVentanaEstrecha() {
        auto v = AbrirNormal("7500", "6000");
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        gFichDSK = "/home/usuario/dsp/ejemplos/bucle_de_prueba.dsk";
        v->InfoBar("Leido el fichero DSK: " + gFichDSK);
        gCiclos = 999996;
        v->Refrescar();
        DisponerBarra(*v);
        QCOMPARE(v->width(), 500);
        const char* orden[] = {"Ani", "Estado", "Fichero", "ProcesadorDSP", "Ciclo", "Tiempo", "Frecuencia"};
        for (size_t i = 0; i + 1 < std::size(orden); ++i)
            QVERIFY2(v->Panel(orden[i])->geometry().right() < v->Panel(orden[i + 1])->geometry().left(), orden[i]);
        QVERIFY(v->Panel("Frecuencia")->geometry().right() < v->statusBar()->width());
        for (const char* p : {"ProcesadorDSP", "Ciclo", "Tiempo", "Frecuencia"})
            QVERIFY2(v->Panel(p)->width() >= v->Panel(p)->sizeHint().width(), p);
        // The path panel holds the whole path and shows its end.
        QCOMPARE(Texto(*v, "Fichero"), gFichDSK);
        const auto* fichero = dynamic_cast<const PanelEstado*>(v->Panel("Fichero"));
        QVERIFY(fichero);
        const QString mostrado = fichero->TextoMostrado();
        QVERIFY2(mostrado.startsWith(QChar(0x2026)) && mostrado.size() > 4 &&
                     QString::fromStdString(gFichDSK).endsWith(mostrado.mid(1)),
                 qPrintable(mostrado));
        QVERIFY(fichero->fontMetrics().horizontalAdvance(mostrado) <= fichero->contentsRect().width());
        // Once there is room it shows it whole.
        v->resize(1200, 400);
        QTRY_COMPARE(fichero->TextoMostrado(), QString::fromStdString(gFichDSK));
        gFichDSK.clear();
        gCiclos = 0;
    }

    // Closing the main window leaves its child windows waiting for their
    // deletion; destroying it then takes them down while it is still whole.
    void vistasCerradasMuerenConLaVentanaEntera() {
        auto v = Abrir();
        v->close();
        const frmMain* principal = v.get();
        gPrincipalAlDestruirse.clear();
        v.reset();
        QCOMPARE(gPrincipalAlDestruirse.size(), size_t(kNumVistas));
        for (const frmMain* p : gPrincipalAlDestruirse) QCOMPARE(p, principal);
    }

    void animacionDeLaBarra() {
        auto v = Abrir();
        v->CargaFichDSK(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/bench_loop.dsk");  // never stops
        gPasoSobre = false;
        v->ModoEjecucion(modo::kPasoSobre);
        v->TimerRUN()->stop();
        std::vector<int> vistas;
        for (int i = 0; i < 5; ++i) {
            v->TimerRUN_Timer();
            vistas.push_back(v->AnimacionMostrada());
        }
        QCOMPARE(vistas, (std::vector<int>{9, 10, 11, 12, 9}));
        v->ModoEjecucion(modo::kParado);
        QCOMPARE(v->AnimacionMostrada(), int16_t(0));
    }

    void minimizarOcultaLasTablas() {
        auto v = Abrir();
        v->show();
        v->EjecutarComando("mnuVerAuxDat3");
        QWidget* aux = v->FrmAuxDatos()->Widget();
        QVERIFY(aux->isVisible());
        QVERIFY(aux->parentWidget() == v.get() && !(aux->windowFlags() & Qt::WindowStaysOnTopHint));
        v->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!aux->isVisible());
        v->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(aux->isVisible());
        // Closing the main window unloads the table window.
        v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!v->FrmAuxDatos_LOAD());
    }

    void reinicioConElAlmacenQt() {
        cuadros.reset();
        ajustes.reset();
        QTemporaryDir carpeta;
        plataforma::AjustesQt almacen(carpeta.path().toStdString());
        plataforma::EstablecerAjustes(&almacen);
        prueba::CuadrosFalsos silencio;
        {
            auto v = Abrir();
            v->AplicarDisposicionBarra({"Run", "-", "Stop"});
            v->GuardarBarraHerramientas();
            v->EjecutarComando("mnuWindowPPL");  // hidden, so stored as not visible
            NumMRUFiles = 4;
            v->ActualizarMRUFiles("/p/a.dsk");
            v->close();
        }
        auto v = Abrir();
        QCOMPARE(v->DisposicionBarra(), (std::vector<std::string>{"Run", "-", "Stop"}));
        QVERIFY(!v->VistaAbierta(TipoVista::PPL) && !v->Boton("PPL")->isChecked());
        QVERIFY(v->VistaAbierta(TipoVista::Registros));
        QCOMPARE(v->Accion("mnuFileMRU1")->text(), QString("/p/a.dsk"));
        v.reset();
        plataforma::EstablecerAjustes(nullptr);
    }

    // The window over the Qt store and settings files as they are found:
    // one with a key the store cannot write back is written anew at exit
    // without the failure box; a key another instance saved meanwhile is
    // still there after this one exits; a settings link to a device node
    // leaves the node as it was, and a pipe at the settings path lets the
    // window come up (both with the box at exit, for nothing is saved).
    void cierreConElAlmacenQt_data() {
        QTest::addColumn<QString>("caso");
        QTest::newRow("clave vacia") << "clave vacia";
        QTest::newRow("otra instancia") << "otra instancia";
        QTest::newRow("dispositivo") << "dispositivo";
        QTest::newRow("tubo") << "tubo";
    }
    void cierreConElAlmacenQt() {
        QFETCH(QString, caso);
        cuadros.reset();
        ajustes.reset();
        QTemporaryDir carpeta;
        plataforma::AjustesQt almacen(carpeta.path().toStdString());
        const QString fichero = QString::fromStdString(almacen.Fichero("Tarvix"));
        QVERIFY(QDir().mkpath(QFileInfo(fichero).path()));
        const QByteArray nodo = (caso == "tubo" ? fichero : carpeta.path() + "/nulo").toLocal8Bit();
        if (caso == "clave vacia" || caso == "otra instancia") {
            QFile f(fichero);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Opciones]\nNumMRUFiles=3\n[Extra]\n=1\n");
        } else if (caso == "dispositivo") {
            if (::mknod(nodo.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) QSKIP("no device node can be made here");
            QVERIFY(QFile::link(QString::fromLocal8Bit(nodo), fichero));
        } else {
            QCOMPARE(::mkfifo(nodo.constData(), 0600), 0);
        }
        struct stat antes {};
        ::lstat(nodo.constData(), &antes);
        // Should the start-up read wait on the pipe, a writer that comes and
        // goes lets it go after a while, and the test fails.
        std::atomic<bool> abierta{false}, liberada{false};
        std::thread liberador([&] {
            for (int i = 0; i < 200 && !abierta; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            while (!abierta) {
                liberada = true;
                const int fd = ::open(nodo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        plataforma::EstablecerAjustes(&almacen);
        prueba::CuadrosFalsos vistos;
        auto v = Abrir();
        abierta = true;
        liberador.join();
        QVERIFY(!liberada);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        if (caso == "otra instancia") {
            plataforma::AjustesQt otra(carpeta.path().toStdString());
            otra.Escribir("Tarvix", "Otra", "Clave", "de la otra");
            QVERIFY(otra.Guardar());
        }
        v->EjecutarComando("mnuFileExit");
        v.reset();
        plataforma::EstablecerAjustes(nullptr);

        if (caso == "dispositivo" || caso == "tubo") {
            QCOMPARE(vistos.mostrados.size(), std::size_t{1});
            QCOMPARE(vistos.mostrados[0].titulo, std::string("Guardar Opciones"));
            struct stat despues {};
            QCOMPARE(::lstat(nodo.constData(), &despues), 0);
            QCOMPARE(despues.st_mode, antes.st_mode);
            QCOMPARE(despues.st_rdev, antes.st_rdev);
            return;
        }
        QVERIFY(vistos.mostrados.empty());
        const QSettings s(fichero, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        QCOMPARE(s.value("Opciones/NumMRUFiles").toString(), QString("3"));
        QVERIFY(s.contains("MainSettings/Status"));
        QVERIFY(!s.childGroups().contains("Extra"));
        if (caso == "otra instancia") QCOMPARE(s.value("Otra/Clave").toString(), QString("de la otra"));
    }

    void comandoRegistradoQuedaDisponible() {
        int llamadas = 0;
        frmMain* recibida = nullptr;
        RegistrarComando("mnuHelpAbout", [&](frmMain& f) { ++llamadas; recibida = &f; });
        auto v = Abrir();
        QVERIFY(v->ComandoDisponible("mnuHelpAbout"));
        v->EjecutarComando("mnuHelpAbout");
        QCOMPARE(llamadas, 1);
        QCOMPARE(recibida, v.get());
        RegistrarComando("mnuHelpAbout", nullptr);
        QVERIFY(!Abrir()->ComandoDisponible("mnuHelpAbout"));
    }

    void configurarImpresora() {
        gHayImpresora = true;
        auto v = std::make_unique<frmMain>(&dialogos);
        v->EjecutarComando("mnuFilePageSetup");
        QCOMPARE(dialogos.impresora, 1);
        QCOMPARE(v->InfoBar(), std::string("Dialogo de configuración de la impresora"));
        gHayImpresora = false;
        auto sin = std::make_unique<frmMain>(&dialogos);
        QVERIFY(!sin->Accion("mnuFilePageSetup")->isEnabled());
        QVERIFY(!sin->Boton("Imprimir")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmMain.moc"
