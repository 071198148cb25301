#include "app/frmMain.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <span>
#include <utility>

#include "app/ArbolMenus.h"
#include "app/BarraHerramientas.h"
#include "app/DlgPersonalizarBarra.h"
#include "app/Imagenes.h"
#include "app/LogicaPrincipal.h"
#include "app/ModPrograma.h"
#include "app/PanelEstado.h"
#include "app/frmTip.h"
#include "core/CicloReloj.h"
#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "data/LeerFichDSK.h"
#include "data/TablaModos.h"
#include "platform/Ajustes.h"
#include "platform/Cuadros.h"
#include "platform/qt/AyudaQt.h"
#include "platform/qt/DialogosComunesQt.h"
#include "views/AjustesVista.h"

using plataforma::Botones;
using plataforma::Icono;

namespace {

frmMain* gVentanaMain = nullptr;

constexpr double kTwipsPorPixel = 15.0;
constexpr const char* kSeccionMain = "MainSettings";
// The commands that act on a view or on the table window, which stay disabled
// while no window of that kind exists (besides each view's Window-menu item).
struct Requisito {
    const char* comando;
    TipoVista vista;
    bool auxDatos;
};
constexpr Requisito kRequisitos[] = {
    {"mnuDepBP", TipoVista::DASM, false},          {"mnuDepQuitarBP", TipoVista::DASM, false},
    {"mnuDepCursor", TipoVista::DASM, false},      {"mnuDepEstablecerPC", TipoVista::DASM, false},
    {"mnuDepCopiarMemPos", TipoVista::DASM, false}, {"mnuDepCopiarCodigo", TipoVista::DASM, false},
    {"mnuEditCut", TipoVista::Memoria, false},     {"mnuEditCopy", TipoVista::Memoria, false},
    {"mnuEditPaste", TipoVista::Memoria, false},   {"mnuMemMarca", TipoVista::Memoria, false},
    {"mnuMemMarcaQuitar", TipoVista::Memoria, false}, {"mnuMemEstablecerIdentif", TipoVista::Memoria, false},
    {"mnuMemBusqueda", TipoVista::Memoria, false}, {"mnuMemEditarCelda", TipoVista::Memoria, false},
    {"mnuMemCopiarCelda", TipoVista::Memoria, false}, {"mnuMemCortarCelda", TipoVista::Memoria, false},
    {"mnuMemPegar", TipoVista::Memoria, false},    {"mnuMemMarcaLista", TipoVista::DASM, true},
    {"mnuMemVerIdentf", TipoVista::DASM, true},    {"mnuDepListBP", TipoVista::DASM, true},
    {"mnuVerAuxDat1", TipoVista::DASM, true},      {"mnuVerAuxDat2", TipoVista::DASM, true},
    {"mnuVerAuxDat3", TipoVista::DASM, true},      {"mnuVerAuxDat4", TipoVista::DASM, true},
    {"mnuVerAuxDat5", TipoVista::DASM, true},
};

// The Debug-menu commands that act at the listing window's cursor: disabled
// while the listing is hidden. The step commands are never disabled.
constexpr const char* kComandosCursor[] = {"mnuDepBP",           "mnuDepQuitarBP",     "mnuDepCursor",
                                           "mnuDepEstablecerPC", "mnuDepCopiarMemPos", "mnuDepCopiarCodigo"};

std::optional<Requisito> RequisitoDe(const std::string& comando) {
    for (const Requisito& r : kRequisitos)
        if (comando == r.comando) return r;
    for (const DatosVista& d : TablaVistas())
        if (comando == d.menu) return Requisito{d.menu, d.tipo, false};
    return std::nullopt;
}

std::string Leer(const std::string& seccion, const std::string& clave, const std::string& defecto) {
    return plataforma::Ajustes().Leer(plataforma::kAplicacion, seccion, clave, defecto);
}
void Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) {
    plataforma::Ajustes().Escribir(plataforma::kAplicacion, seccion, clave, valor);
}

std::string TextoNumero(double v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.9g", v);
    return t;
}

plataforma::Cuadro CuadroAyuda(const std::string& texto, const std::string& titulo, Icono icono,
                               int contexto) {
    plataforma::Cuadro c;
    c.texto = texto;
    c.titulo = titulo;
    c.icono = icono;
    c.botonAyuda = true;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = contexto;
    return c;
}

}  // namespace

frmMain* VentanaMain() { return gVentanaMain; }

// Counts the boxes shown, so a batch of cycles ends once the core asked the user
// something; passes every box on to the service installed before it.
class frmMain::CuadrosContados final : public plataforma::IServicioCuadros {
public:
    CuadrosContados() : anterior_(&plataforma::Cuadros()) { plataforma::EstablecerCuadros(this); }
    ~CuadrosContados() override {
        if (&plataforma::Cuadros() == this) plataforma::EstablecerCuadros(anterior_);
    }
    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        ++mostrados;
        return anterior_->MsgBox(c);
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada& c) override {
        ++mostrados;
        return anterior_->InputBox(c);
    }
    uint64_t mostrados = 0;

private:
    plataforma::IServicioCuadros* anterior_;
};

// ---------------------------------------------------------------------------
// Creation, load and close

frmMain::frmMain(plataforma::qt::IDialogosComunes* dialogos) : dialogos_(dialogos) {
    if (!dialogos_) {
        dialogosPropios_ = std::make_unique<plataforma::qt::DialogosComunesQt>();
        dialogos_ = dialogosPropios_.get();
    }
    gVentanaMain = this;
    cuadros_ = std::make_unique<CuadrosContados>();
    setWindowTitle("Tarvix");
    setObjectName("frmMain");
    area_ = new QMdiArea(this);
    area_->setObjectName("AreaCliente");
    setCentralWidget(area_);
    timerRUN_ = new QTimer(this);
    timerRUN_->setObjectName("TimerRUN");
    timerRUN_->setTimerType(Qt::PreciseTimer);
    timerRUN_->setInterval(2000);
    connect(timerRUN_, &QTimer::timeout, this, &frmMain::TimerRUN_Timer);

    CrearManejadores();
    for (const auto& [nombre, manejador] : ComandosRegistrados())
        if (manejador) manejadores_[nombre] = [this, m = manejador] { m(*this); };
    CrearMenus();
    auto* f1 = new QAction(this);
    f1->setShortcut(QKeySequence::HelpContents);
    f1->setShortcutContext(Qt::ApplicationShortcut);
    connect(f1, &QAction::triggered, this, &frmMain::AyudaContextual);
    addAction(f1);
    CrearBarra();
    CrearBarraEstado();
    AplicarDisponibilidad();
    qApp->installEventFilter(this);
    EstablecerVentanaPrincipal(this);
    if (FabricaDeVista(TipoVista::Memoria)) EstablecerVentanaMemoria(this);

    auxCargada_ = false;
    Form_Load();
    ModoEjecucion(modo::kParado);
    posAnimacion_ = 0;
    proporcionMosaico_ = 0.7;
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
    destruyendo_ = true;
    timerRUN_->stop();
    if (aux_) delete aux_->Widget();
    // The child windows go while this is still a whole frmMain, those closed
    // and waiting for their deferred deletion too (no longer in the area's
    // list): each reports its unloading to this window as it is destroyed.
    std::vector<QPointer<QMdiSubWindow>> hijas;
    for (QMdiSubWindow* sw : area_->viewport()->findChildren<QMdiSubWindow*>(Qt::FindDirectChildrenOnly))
        hijas.emplace_back(sw);
    for (const QPointer<QMdiSubWindow>& sw : hijas) delete sw.data();
    if (&VentanaPrincipal() == this) EstablecerVentanaPrincipal(nullptr);
    if (VentanaMemoria() == this) EstablecerVentanaMemoria(nullptr);
    cuadros_.reset();
    if (gVentanaMain == this) gVentanaMain = nullptr;
}

void frmMain::Form_Load() {
    // 1. Position, size and state; a rectangle on no screen gives the defaults.
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    const double defecto[4] = {0, -60, pantalla.width() * kTwipsPorPixel + 110,
                               pantalla.height() * kTwipsPorPixel - 300};
    auto rectangulo = [](const double (&t)[4]) {
        return QRect(int(t[0] / kTwipsPorPixel), int(t[1] / kTwipsPorPixel), int(t[2] / kTwipsPorPixel),
                     int(t[3] / kTwipsPorPixel));
    };
    const double guardado[4] = {ajustesvista::Leer(kSeccionMain, "Left", defecto[0]),
                                ajustesvista::Leer(kSeccionMain, "Top", defecto[1]),
                                ajustesvista::Leer(kSeccionMain, "Width", defecto[2]),
                                ajustesvista::Leer(kSeccionMain, "Height", defecto[3])};
    // A value beyond what a window can measure in pixels is on no screen.
    const bool medible = std::all_of(std::begin(guardado), std::end(guardado),
                                     [](double v) { return std::fabs(v / kTwipsPorPixel) <= QWIDGETSIZE_MAX; });
    QRect r = medible ? rectangulo(guardado) : QRect();
    bool enPantalla = false;
    for (QScreen* s : QGuiApplication::screens()) enPantalla = enPantalla || s->availableGeometry().intersects(r);
    if (!enPantalla || r.width() < 100 || r.height() < 100) r = rectangulo(defecto);
    const double estado = ajustesvista::Leer(kSeccionMain, "Status", 2);
    // The views place themselves in the client area as they load: lay the
    // window out at the size it will have once shown. Maximised, the title bar
    // the desktop adds takes its height from the screen's.
    setGeometry(estado == 2 ? pantalla.adjusted(0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0) : r);
    layout()->activate();

    // 2. Recent-file menu from the stored list.
    for (int i = 1; i <= std::clamp<int>(NumMRUFiles, 1, 10); ++i) {
        QAction* a = Accion("mnuFileMRU" + std::to_string(i));
        if (!MRU[i].empty()) {
            a->setText(QString::fromStdString(MRU[i]));
            a->setVisible(true);
            Accion("mnuFileBar6")->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }

    // 3. Tool items by their configured paths (the commands come with the tools).
    if (ComandoDisponible("mnuToolsCalc")) Habilitar("mnuToolsCalc", !Calculadora.empty());
    if (ComandoDisponible("mnuToolsEdit")) Habilitar("mnuToolsEdit", !Editor.empty());
    if (ComandoDisponible("mnuToolsComp")) Habilitar("mnuToolsComp", !Ensamblador.empty());

    // 4. Toolbar layout.
    AplicarDisposicionBarra(LeerDisposicion(Leer("ToolBar", "Defecto", "")));

    // 5. The views that were open last time.
    for (TipoVista t : {TipoVista::PPL, TipoVista::Registros, TipoVista::Memoria, TipoVista::DASM}) {
        const bool visible = TextoABool(Leer(DatosDeVista(t).seccion, "Visible", "True"), true);
        if (visible && FabricaDeVista(t)) CrearVista(t, true);
        else PulsarBoton(DatosDeVista(t).boton, false);
    }

    setGeometry(r);
    if (estado == 2) setWindowState(Qt::WindowMaximized);
    else if (estado == 1) setWindowState(Qt::WindowMinimized);

    // 6. The layout again, as the views pressed their buttons.
    AplicarDisposicionBarra(LeerDisposicion(Leer("ToolBar", "Defecto", "")));

    // 7. Printing needs a printer.
    if (!gHayImpresora) {
        Habilitar("mnuFilePrint", false);
        Habilitar("mnuFilePageSetup", false);
    }
}

void frmMain::closeEvent(QCloseEvent* e) {
    QueryUnload();
    // The open views close as child windows and save their own layout.
    area_->closeAllSubWindows();
    Unload();
    e->accept();
}

void frmMain::QueryUnload() {
    timerRUN_->stop();
    const Qt::WindowStates s = windowState();
    const int estado = s & Qt::WindowMinimized ? 1 : (s & Qt::WindowMaximized ? 2 : 0);
    Escribir(kSeccionMain, "Status", std::to_string(estado));
    if (estado == 0) {
        const QRect g = geometry();
        Escribir(kSeccionMain, "Left", TextoNumero(g.x() * kTwipsPorPixel));
        Escribir(kSeccionMain, "Top", TextoNumero(g.y() * kTwipsPorPixel));
        Escribir(kSeccionMain, "Width", TextoNumero(g.width() * kTwipsPorPixel));
        Escribir(kSeccionMain, "Height", TextoNumero(g.height() * kTwipsPorPixel));
    }
    // A kind of view that does not exist yet keeps what is stored for it.
    for (TipoVista t : {TipoVista::DASM, TipoVista::Registros, TipoVista::Memoria, TipoVista::PPL})
        if (FabricaDeVista(t)) Escribir(DatosDeVista(t).seccion, "Visible", VistaAbierta(t) ? "True" : "False");
}

void frmMain::Unload() {
    if (auxCargada_ && aux_) delete aux_->Widget();
    GuardarOpciones();
}

void frmMain::changeEvent(QEvent* e) {
    // The topmost auxiliary window follows the main window's minimising.
    if (e->type() == QEvent::WindowStateChange && auxCargada_ && aux_) {
        if (isMinimized()) aux_->Widget()->hide();
        else aux_->Widget()->show();
    }
    QMainWindow::changeEvent(e);
}

bool frmMain::event(QEvent* e) {
    // Hovered menu items must not replace the status panels with a message.
    if (e->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(e);
}

bool frmMain::eventFilter(QObject* objeto, QEvent* e) {
    // Kept from the widget with the focus, the key goes on to the shortcut.
    if (e->type() == QEvent::ShortcutOverride && AtajoDelPrograma(objeto, *static_cast<QKeyEvent*>(e))) return true;
    if (objeto == barra_ && e->type() == QEvent::MouseButtonDblClick) {
        PersonalizarBarra();
        return true;
    }
    return QMainWindow::eventFilter(objeto, e);
}

// A key that a menu item binds runs the item wherever the focus is in this
// window, as a desktop program's menu keys do, though the widget with the
// focus would take it (a text box takes Ctrl+A, Ctrl+D and Ctrl+E for its own
// editing). A text box keeps the clipboard keys, and a key whose command
// cannot run now stays the widget's.
bool frmMain::AtajoDelPrograma(QObject* objeto, const QKeyEvent& e) const {
    const auto* w = qobject_cast<const QWidget*>(objeto);
    if (!w || w->window() != this) return false;
    const bool caja = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
                      qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
    if (caja && (e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Cut) || e.matches(QKeySequence::Paste)))
        return false;
    const QKeySequence tecla(QKeyCombination(e.modifiers() & ~Qt::KeypadModifier, Qt::Key(e.key())));
    for (const auto& [nombre, a] : acciones_)
        if (!a->shortcut().isEmpty() && a->shortcut() == tecla) return ComandoHabilitado(nombre);
    return false;
}

// ---------------------------------------------------------------------------
// Menus

void frmMain::CrearMenus() {
    for (const MenuSuperior& m : ArbolMenus()) {
        QMenu* menu = m.oculto ? new QMenu(QString::fromStdString(m.titulo), this)
                               : menuBar()->addMenu(QString::fromStdString(m.titulo));
        menu->setObjectName(QString::fromStdString(m.nombre));
        menu->menuAction()->setProperty("contextoAyuda", m.ayuda);
        menus_[m.nombre] = menu;
        if (m.nombre == "mnuWindow") connect(menu, &QMenu::aboutToShow, this, &frmMain::ListaVentanas);
        if (m.nombre == "mnuHelp") connect(menu, &QMenu::aboutToShow, this, &frmMain::mnuHelp_Click);
        for (const ElementoMenu& el : m.elementos) {
            QAction* a = el.Separador() ? menu->addSeparator()
                                        : menu->addAction(QString::fromStdString(el.titulo));
            a->setObjectName(QString::fromStdString(el.nombre));
            a->setProperty("contextoAyuda", el.ayuda);
            if (!el.atajo.empty()) {
                a->setShortcut(QKeySequence(QString::fromStdString(el.atajo)));
            }
            a->setCheckable(el.estado & ElementoMenu::Marcable);
            a->setChecked(el.estado & ElementoMenu::Marcado);
            a->setEnabled(!(el.estado & ElementoMenu::Deshabilitado));
            a->setVisible(!(el.estado & ElementoMenu::Oculto));
            acciones_[el.nombre] = a;
            menuDe_[el.nombre] = menu;
            if (el.Separador()) continue;
            const std::string nombre = el.nombre;
            connect(a, &QAction::triggered, this, [this, a, nombre] {
                // The item's check mark is the code's to set: undo the toolkit's toggle.
                if (a->isCheckable() && !nombre.starts_with("mnuFormato")) a->setChecked(!a->isChecked());
                EjecutarComando(nombre);
            });
        }
    }
}

// The Window menu ends with the list of the child windows shown, as an MDI
// frame's does; choosing one activates it.
void frmMain::ListaVentanas() {
    QMenu* menu = Menu("mnuWindow");
    for (QAction* a : listaVentanas_) {
        menu->removeAction(a);
        delete a;
    }
    listaVentanas_.clear();
    int n = 0;
    for (QMdiSubWindow* sw : area_->subWindowList()) {
        if (!sw->isVisible()) continue;
        if (n == 0) listaVentanas_.push_back(menu->addSeparator());
        QAction* a = menu->addAction(QString("&%1 %2").arg(++n).arg(sw->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sw == area_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, marco = QPointer<QMdiSubWindow>(sw)] {
            if (marco) area_->setActiveSubWindow(marco);
        });
        listaVentanas_.push_back(a);
    }
}

// F1: help at the context of the highlighted menu item, else of the menu bar's
// open menu; the help file is not shipped, so the help service says so.
void frmMain::AyudaContextual() {
    int contexto = 0;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QAction* a = menu->activeAction();
        contexto = (a ? a : menu->menuAction())->property("contextoAyuda").toInt();
    }
    plataforma::qt::AbrirAyuda(this, plataforma::kFicheroAyuda, contexto);
}

// Opening the Help menu names the active child window in the context-help item.
void frmMain::mnuHelp_Click() {
    QMdiSubWindow* activa = area_->activeSubWindow();
    Accion("mnuHelpContex")->setText(activa ? "Ayuda contextual: " + activa->windowTitle() + "    F1"
                                            : QString("&Ayuda Contextual"));
}

void frmMain::CrearManejadores() {
    auto& m = manejadores_;
    m["mnuFileOpen"] = [this] { mnuFileOpen_Click(); };
    for (int i = 1; i <= 10; ++i) m["mnuFileMRU" + std::to_string(i)] = [this, i] { mnuFileMRU_Click(i); };
    m["mnuFileRecEnt"] = [this] { mnuFileRecEnt_Click(); };
    m["mnuFilePageSetup"] = [this] { mnuFilePageSetup_Click(); };
    m["mnuFileExit"] = [this] { mnuFileExit_Click(); };
    m["mnuEditCut"] = [this] { mnuMem_Click("", &IVistaMemoria::Cortar, false); };
    m["mnuEditCopy"] = [this] { mnuMem_Click("", &IVistaMemoria::Copiar, false); };
    m["mnuEditPaste"] = [this] { mnuMem_Click("", &IVistaMemoria::Pegar, false); };
    m["mnuMemMarca"] = [this] {
        mnuMem_Click("Dialogo de establecimiento de Marca de Ruptura", &IVistaMemoria::AlternarMarca, true);
    };
    m["mnuMemMarcaQuitar"] = [this] { mnuMem_Click("Quitando Marcas de Ruptura...", &IVistaMemoria::QuitarMarcas, true); };
    m["mnuMemMarcaLista"] = [this] {
        InfoBar("Abriendo la tabla de Marcas de Ruptura...");
        MostrarAuxDatos(5);
    };
    m["mnuMemEstablecerIdentif"] = [this] {
        mnuMem_Click("Establece un identificador para la celda de memoria actual",
                     &IVistaMemoria::EstablecerIdentificador, true);
    };
    m["mnuMemVerIdentf"] = [this] { MostrarAuxDatos(2); };
    m["mnuMemBusqueda"] = [this] {
        InfoBar("Dialogo para la busqueda de una posición de memoria.");
        if (IVistaMemoria* v = FrmMemoria(true)) {
            int32_t dir = 0;
            v->BuscarCelda(dir);
        }
    };
    m["mnuMemEditarCelda"] = [this] {
        mnuMem_Click("Ediccion del contenido de la celda de memoria actual", &IVistaMemoria::EditarCelda, false);
    };
    m["mnuMemCopiarCelda"] = [this] {
        mnuMem_Click("Copia el contenido de la celda al portapapeles", &IVistaMemoria::Copiar, false);
    };
    m["mnuMemCortarCelda"] = [this] { mnuMem_Click("", &IVistaMemoria::Cortar, false); };
    m["mnuMemPegar"] = [this] { mnuMem_Click("", &IVistaMemoria::Pegar, false); };
    m["mnuDepBP"] = [this] { mnuDepBP_Click(); };
    m["mnuDepQuitarBP"] = [this] { mnuDepQuitarBP_Click(); };
    m["mnuDepListBP"] = [this] { MostrarAuxDatos(4); };
    m["mnuDepStep"] = [this] { mnuDepStep_Click(); };
    m["mnuDepStepFunc"] = [this] { mnuDepStepFunc_Click(); };
    m["mnuDepCursor"] = [this] { mnuDepCursor_Click(); };
    m["mnuDepEstablecerPC"] = [this] { mnuDepEstablecerPC_Click(); };
    m["mnuDepCopiarMemPos"] = [this] { mnuDepCopiarMemPos_Click(); };
    m["mnuDepCopiarCodigo"] = [this] { mnuDepCopiarCodigo_Click(); };
    m["mnuExeRun"] = [this] { mnuExeRun_Click(); };
    m["mnuExeRunTempo"] = [this] { mnuExeRunTempo_Click(); };
    m["mnuExeStop"] = [this] { mnuExeStop_Click(); };
    m["mnuExePausa"] = [this] { mnuExePausa_Click(); };
    m["mnuExeInicializar"] = [this] { mnuExeInicializar_Click(); };
    m["mnuExeResetPPL"] = [this] { mnuExeResetPPL_Click(); };
    for (int i = 1; i <= 5; ++i) m["mnuVerAuxDat" + std::to_string(i)] = [this, i] { MostrarAuxDatos(int16_t(i)); };
    m["mnuViewToolbar"] = [this] { mnuView_Click("mnuViewToolbar", barra_); };
    m["mnuViewStatusBar"] = [this] { mnuView_Click("mnuViewStatusBar", statusBar()); };
    for (const DatosVista& d : TablaVistas()) m[d.menu] = [this, t = d.tipo] { AlternarVista(t); };
    m["mnuWindowRefrescar"] = [this] { Refrescar(); };
    m["mnuHelpTipOfDay"] = [this] { mnuHelpTipOfDay_Click(); };
    for (int i = 0; i <= 4; ++i) m["mnuFormato" + std::to_string(i)] = [this, i] { resultadoPopUp_ = int16_t(i); };
}

void frmMain::EjecutarComando(const std::string& nombre) {
    if (!ComandoHabilitado(nombre)) return;
    manejadores_.at(nombre)();
}

void frmMain::EstablecerComando(const std::string& nombre, std::function<void()> manejador) {
    manejadores_[nombre] = std::move(manejador);
    AplicarDisponibilidad();
}

bool frmMain::ComandoDisponible(const std::string& nombre) const {
    auto it = manejadores_.find(nombre);
    return it != manejadores_.end() && it->second;
}

bool frmMain::ComandoHabilitado(const std::string& nombre) const {
    const QAction* a = Accion(nombre);
    if (!a || !a->isEnabled() || !ComandoDisponible(nombre)) return false;
    auto m = menuDe_.find(nombre);
    return m == menuDe_.end() || m->second->isEnabled();
}

// Commands stay disabled while their handler or their view does not exist yet
// (save environment, print, tools, options, about and the window arrangements
// come with their own windows and are plugged in with EstablecerComando).
void frmMain::AplicarDisponibilidad() {
    auto falta = [](const std::string& n) {
        if (const std::optional<Requisito> r = RequisitoDe(n))
            return r->auxDatos ? !FabricaDeAuxDatos() : !FabricaDeVista(r->vista);
        return false;
    };
    auto faltaComando = [&](const std::string& n) { return falta(n) || !ComandoDisponible(n); };
    for (auto& [nombre, a] : acciones_) {
        if (a->isSeparator() || nombre.starts_with("mnuFormato")) continue;
        const bool pendiente = faltaComando(nombre);
        if (pendiente) a->setEnabled(false);
        else if (a->property("pendiente").toBool()) a->setEnabled(nombre != "mnuVerAuxDat1");
        a->setProperty("pendiente", pendiente);
    }
    SincronizarBotones();
}

QMenu* frmMain::Menu(const std::string& nombre) const {
    auto it = menus_.find(nombre);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* frmMain::Accion(const std::string& nombre) const {
    auto it = acciones_.find(nombre);
    return it == acciones_.end() ? nullptr : it->second;
}

bool frmMain::Marcado(const std::string& nombre) const { return Accion(nombre)->isChecked(); }
void frmMain::Marcar(const std::string& nombre, bool marcado) { Accion(nombre)->setChecked(marcado); }

void frmMain::Habilitar(const std::string& nombre, bool habilitado) {
    QAction* a = Accion(nombre);
    a->setEnabled(habilitado && !a->property("pendiente").toBool());
}

void frmMain::mnuView_Click(const std::string& item, QWidget* objetivo) {
    const bool mostrar = !Marcado(item);
    objetivo->setVisible(mostrar);
    Marcar(item, mostrar);
}

// ---------------------------------------------------------------------------
// Toolbar

void frmMain::CrearBarra() {
    barra_ = new QToolBar("tbToolBar", this);
    barra_->setObjectName("tbToolBar");
    barra_->setMovable(false);
    barra_->setIconSize(QSize(20, 20));
    barra_->setContextMenuPolicy(Qt::CustomContextMenu);
    barra_->installEventFilter(this);
    addToolBar(Qt::TopToolBarArea, barra_);
    connect(barra_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QMenu menu(this);
        menu.addAction("Personalizar barra de herramientas...", this, &frmMain::PersonalizarBarra);
        menu.exec(barra_->mapToGlobal(p));
    });
    for (const BotonBarra& b : BotonesBarra()) {
        auto* a = new QAction(IconoBoton(b.clave, style()), QString::fromStdString(b.descripcion), this);
        a->setObjectName(QString::fromStdString(b.clave));
        a->setToolTip(QString::fromStdString(b.tooltip));
        a->setCheckable(b.marcable);
        a->setChecked(b.pulsado);
        const std::string clave = b.clave;
        connect(a, &QAction::triggered, this, [this, a, clave] {
            // The pressed state is the command's to set, not the click's.
            if (a->isCheckable()) a->setChecked(!a->isChecked());
            tbToolBar_ButtonClick(clave);
        });
        botones_[b.clave] = a;
    }
    // A button is enabled exactly when its command is: whatever changes an
    // item or a whole menu brings the buttons along.
    for (const auto& [nombre, a] : acciones_) connect(a, &QAction::changed, this, &frmMain::SincronizarBotones);
    for (const auto& [nombre, menu] : menus_)
        connect(menu->menuAction(), &QAction::changed, this, &frmMain::SincronizarBotones);
    SincronizarBotones();
    AplicarDisposicionBarra(DisposicionPredeterminada());
}

void frmMain::SincronizarBotones() {
    for (const BotonBarra& b : BotonesBarra())
        if (QAction* boton = Boton(b.clave)) boton->setEnabled(!b.comando.empty() && ComandoHabilitado(b.comando));
}

void frmMain::tbToolBar_ButtonClick(const std::string& clave) {
    const std::string comando = ComandoDeBoton(clave);
    if (!comando.empty()) EjecutarComando(comando);
}

QAction* frmMain::Boton(const std::string& clave) const {
    auto it = botones_.find(clave);
    return it == botones_.end() ? nullptr : it->second;
}

bool frmMain::BotonPulsado(const std::string& clave) const { return Boton(clave)->isChecked(); }
void frmMain::PulsarBoton(const std::string& clave, bool pulsado) { Boton(clave)->setChecked(pulsado); }

void frmMain::AplicarDisposicionBarra(const std::vector<std::string>& disposicion) {
    barra_->clear();
    for (const std::string& e : disposicion) {
        if (e == kSeparador) barra_->addSeparator();
        else if (QAction* b = Boton(e)) barra_->addAction(b);
    }
    disposicion_ = disposicion;
}

// The layout is saved at once, with the options, as at exit.
void frmMain::GuardarBarraHerramientas() {
    Escribir("ToolBar", "Defecto", GuardarDisposicion(disposicion_));
    GuardarOpciones();
}

void frmMain::PersonalizarBarra() {
    DlgPersonalizarBarra dlg(disposicion_, this);
    if (dlg.exec() != QDialog::Accepted) return;
    AplicarDisposicionBarra(dlg.Disposicion());
    GuardarBarraHerramientas();
}

// ---------------------------------------------------------------------------
// Status bar

void frmMain::CrearBarraEstado() {
    // The other panels keep the widths their texts need; the status text and
    // the path share what is left, drawn shortened when it is too little (the
    // path keeps its end, the file name), and the path is never wider than itself.
    struct P {
        const char* clave;
        const char* texto;
        const char* tooltip;
        int ancho;  // the width it asks for however short its text
        Qt::TextElideMode recorte;  // Qt::ElideNone: never shortened
    };
    const P paneles[] = {
        {"Ani", "", "", 20, Qt::ElideNone},
        {"Estado", "Estado", "", 0, Qt::ElideRight},
        {"Fichero", "Fichero DSK no cargado ", "Nombre del Fichero DSK cargado", 180, Qt::ElideLeft},
        {"ProcesadorDSP", "C3X - P ", "Procesador DSP TMS320 Simulado", 70, Qt::ElideNone},
        {"Ciclo", "", "Numero de Ciclo", 70, Qt::ElideNone},
        {"Tiempo", "us", "Tiempo de Ejecucion (en microsegundos)", 90, Qt::ElideNone},
        {"Frecuencia", "MHz ", "Frecuencia del Procesador (en MHz)", 60, Qt::ElideNone},
    };
    QStatusBar* sb = statusBar();
    sb->setObjectName("sbStatusBar");
    sb->setSizeGripEnabled(true);
    for (const P& p : paneles) {
        const bool animacion = std::string(p.clave) == "Ani";
        QLabel* l = animacion ? new QLabel(sb) : new PanelEstado(p.texto, p.ancho, p.recorte, sb);
        l->setObjectName(p.clave);
        l->setTextFormat(Qt::PlainText);  // texts and paths are shown as they are
        l->setToolTip(p.tooltip);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (animacion) l->setFixedSize(20, 18), l->setAlignment(Qt::AlignCenter);
        if (std::string(p.clave) == "Fichero") l->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        // Permanent panels: no temporary message can cover them.
        sb->addPermanentWidget(l, p.recorte == Qt::ElideNone ? 0 : 1);
        paneles_[p.clave] = l;
    }
}

QLabel* frmMain::Panel(const std::string& clave) const {
    auto it = paneles_.find(clave);
    return it == paneles_.end() ? nullptr : it->second;
}

void frmMain::InfoBar(const std::string& texto) {
    QLabel* l = Panel("Estado");
    l->setText(QString::fromStdString(texto));
    // Progress texts come from inside long data operations: paint at once.
    if (l->isVisible()) l->repaint();
}

std::string frmMain::InfoBar() const { return Panel("Estado")->text().toStdString(); }

void frmMain::PanelesEstado() {
    Panel("Fichero")->setText(QString::fromStdString(gFichDSK));
    Panel("ProcesadorDSP")->setText(QString::fromStdString(TextoProcesador(ModeloDSP, ModoDSP)));
    Panel("Ciclo")->setText(QString::fromStdString(TextoCiclo(gCiclos)));
    Panel("Frecuencia")->setText(QString::fromStdString(TextoFrecuencia(Frecuencia_Reloj)));
    Panel("Tiempo")->setText(QString::fromStdString(TextoTiempo(gCiclos, Frecuencia_Reloj)));
}

void frmMain::MostrarAnimacion(int16_t imagen) {
    animacionMostrada_ = imagen;
    if (imagen == 0) Panel("Ani")->clear();
    else Panel("Ani")->setPixmap(ImagenAnimacion(imagen));
}

void frmMain::ActualizarBarraCiclos() {
    MostrarAnimacion(int16_t(baseAnimacion_ + posAnimacion_));
    posAnimacion_ = int16_t((posAnimacion_ + 1) % 4);
    Panel("Ciclo")->setText(QString::fromStdString(TextoCiclo(gCiclos)));
    Panel("Tiempo")->setText(QString::fromStdString(TextoTiempo(gCiclos, Frecuencia_Reloj)));
}

// ---------------------------------------------------------------------------
// Refresh of the views

void frmMain::Refrescar() {
    for (TipoVista t : {TipoVista::Registros, TipoVista::Memoria, TipoVista::DASM, TipoVista::PPL}) {
        if (VistaAbierta(t) && vistas_[int(t)]) vistas_[int(t)]->Refrescar();
        else if (vistas_[int(t)]) atrasada_[int(t)] = std::max<int8_t>(atrasada_[int(t)], 1);
    }
    if (auxCargada_ && aux_) aux_->Inicializar();
    PanelesEstado();
}

void frmMain::Inicializar() { InicializarVistas(false); }

void frmMain::InicializarVistas(bool programaNuevo) {
    for (TipoVista t : {TipoVista::Registros, TipoVista::Memoria, TipoVista::DASM, TipoVista::PPL}) {
        if (VistaAbierta(t) && vistas_[int(t)]) {
            if (programaNuevo) vistas_[int(t)]->ProgramaNuevo();
            vistas_[int(t)]->Inicializar();
        } else if (vistas_[int(t)]) {
            atrasada_[int(t)] = std::max<int8_t>(atrasada_[int(t)], programaNuevo ? 3 : 2);
        }
    }
    if (auxCargada_ && aux_) aux_->Inicializar();
    PanelesEstado();
    ActualizarMRUFiles("");
}

// ---------------------------------------------------------------------------
// Views

bool frmMain::VistaAbierta(TipoVista tipo) const { return Marcado(DatosDeVista(tipo).menu); }

QMdiSubWindow* frmMain::Marco(TipoVista tipo) const { return marcos_[int(tipo)]; }

IVista* frmMain::Vista(TipoVista tipo, bool crear) {
    if (IVista* v = vistas_[int(tipo)]) return v;
    return crear && FabricaDeVista(tipo) ? CrearVista(tipo, false) : nullptr;
}

IVistaDASM* frmMain::frmDASM(bool crear) { return dynamic_cast<IVistaDASM*>(Vista(TipoVista::DASM, crear)); }

IVistaMemoria* frmMain::FrmMemoria(bool crear) {
    return dynamic_cast<IVistaMemoria*>(Vista(TipoVista::Memoria, crear));
}

IVista* frmMain::CrearVista(TipoVista tipo, bool mostrar) {
    IVista* v = FabricaDeVista(tipo)();
    if (!v) return nullptr;
    QWidget* w = v->Widget();
    QMdiSubWindow* marco = area_->addSubWindow(w);
    marco->setAttribute(Qt::WA_DeleteOnClose);
    vistas_[int(tipo)] = v;
    marcos_[int(tipo)] = marco;
    atrasada_[int(tipo)] = 0;
    connect(w, &QObject::destroyed, this, [this, tipo] { VistaDescargada(tipo); });
    // The view's load steps: its menu mark and toolbar button, its menus.
    Marcar(DatosDeVista(tipo).menu, true);
    PulsarBoton(DatosDeVista(tipo).boton, true);
    if (tipo == TipoVista::DASM)
        for (const char* c : kComandosCursor) Habilitar(c, true);
    if (tipo == TipoVista::Memoria) Menu("mnuEdit")->setEnabled(true), Menu("PopMnuMem")->setEnabled(true);
    v->Cargar(marco);
    if (mostrar && !marco->isVisible()) marco->show();
    return v;
}

void frmMain::VistaDescargada(TipoVista tipo) {
    if (destruyendo_) return;
    vistas_[int(tipo)] = nullptr;
    marcos_[int(tipo)] = nullptr;
    Marcar(DatosDeVista(tipo).menu, false);
    PulsarBoton(DatosDeVista(tipo).boton, false);
}

void frmMain::AlternarVista(TipoVista tipo) {
    const DatosVista& d = DatosDeVista(tipo);
    if (Marcado(d.menu)) {
        Marcar(d.menu, false);
        PulsarBoton(d.boton, false);
        if (tipo == TipoVista::DASM)
            for (const char* c : kComandosCursor) Habilitar(c, false);
        if (tipo == TipoVista::Memoria) Menu("mnuEdit")->setEnabled(false), Menu("PopMnuMem")->setEnabled(false);
        if (QMdiSubWindow* m = Marco(tipo)) m->hide();
        return;
    }
    if (!FabricaDeVista(tipo)) return;
    if (!vistas_[int(tipo)]) {
        CrearVista(tipo, true);
        return;
    }
    Marcar(d.menu, true);
    Marco(tipo)->show();
    // What it missed while hidden (a new program, a step) it catches up with now.
    const int8_t atrasada = std::exchange(atrasada_[int(tipo)], int8_t(0));
    if (atrasada == 3) vistas_[int(tipo)]->ProgramaNuevo();
    if (atrasada >= 2) vistas_[int(tipo)]->Inicializar();
    else if (atrasada == 1) vistas_[int(tipo)]->Refrescar();
    if (tipo == TipoVista::DASM)
        for (const char* c : kComandosCursor) Habilitar(c, true);
    if (tipo == TipoVista::Memoria) Menu("mnuEdit")->setEnabled(true), Menu("PopMnuMem")->setEnabled(true);
    PulsarBoton(d.boton, true);
}

IVistaAuxDatos* frmMain::FrmAuxDatos(bool crear) {
    if (aux_ || !crear || !FabricaDeAuxDatos()) return aux_;
    aux_ = FabricaDeAuxDatos()();
    if (!aux_) return nullptr;
    QWidget* w = aux_->Widget();
    w->setAttribute(Qt::WA_DeleteOnClose);
    PonerVentanaEncimaDe(w, this);
    auxCargada_ = true;
    connect(w, &QObject::destroyed, this, [this] {
        if (destruyendo_) return;
        aux_ = nullptr;
        auxCargada_ = false;
    });
    return aux_;
}

void frmMain::MostrarAuxDatos(int16_t tipo) {
    if (IVistaAuxDatos* a = FrmAuxDatos(true)) {
        a->TipoDatos(tipo);
        a->Widget()->show();
    }
}

void frmMain::BuscarCelda(int32_t& direccion) {
    if (IVistaMemoria* v = FrmMemoria(true)) v->BuscarCelda(direccion);
}

void frmMain::MostrarCelda(int32_t direccion) {
    if (IVistaMemoria* v = FrmMemoria(true)) v->MostrarCelda(direccion);
}

void frmMain::mnuMem_Click(const std::string& estado, void (IVistaMemoria::*accion)(), bool actualizarAux) {
    if (!estado.empty()) InfoBar(estado);
    IVistaMemoria* v = FrmMemoria(true);
    if (!v) return;
    (v->*accion)();
    if (actualizarAux && auxCargada_ && aux_) aux_->Actualizar();
}

// ---------------------------------------------------------------------------
// Execution mode and the run loop

void frmMain::ModoEjecucion(int16_t modo) {
    modo_ = modo;
    const EfectosModo* e = EfectosDeModo(modo);
    if (!e) return;
    if (e->intervalo == kIntervaloTemporizado) timerRUN_->setInterval(std::max<int32_t>(TiempoExeTemp, 0));
    else if (e->intervalo > 0) timerRUN_->setInterval(e->intervalo);
    if (e->refrescoPorTick >= 0) refrescoPorTick_ = e->refrescoPorTick == 1;
    if (e->temporizador) timerRUN_->start();
    else timerRUN_->stop();
    auto aplicar = [](Cambio c, auto&& poner) {
        if (c != Cambio::Intacto) poner(c == Cambio::Habilitar);
    };
    aplicar(e->menuPausa, [&](bool h) { Habilitar("mnuExePausa", h); });
    aplicar(e->menuRun, [&](bool h) { Habilitar("mnuExeRun", h); });
    aplicar(e->menuRunTempo, [&](bool h) { Habilitar("mnuExeRunTempo", h); });
    if (e->soltarPausa) {
        Marcar("mnuExePausa", false);
        PulsarBoton("Pause", false);
    }
    gEjecutando = e->ejecutando;
    if (e->refrescar) Refrescar();
    baseAnimacion_ = e->baseAnimacion;
    if (e->limpiarAni) MostrarAnimacion(0);
}

void frmMain::CicloProtegido() {
    cicloEnCurso_ = true;
    CicloReloj();
    cicloEnCurso_ = false;
}

void frmMain::TimerRUN_Timer() {
    if (cicloEnCurso_) return;  // a core box is open inside a cycle
    ActualizarBarraCiclos();
    const int16_t modo = modo_;
    if (ModoPorLotes(modo)) {
        // Cycles for about 10 ms, until the core stops the run or changes the
        // mode, or shows a box (its questions let the run go on).
        QElapsedTimer reloj;
        reloj.start();
        const uint64_t cuadros = cuadros_->mostrados;
        gMotivoParada = MotivoParada::Ninguna;
        cicloEnCurso_ = true;
        for (uint32_t n = 1;; ++n) {
            CicloReloj();
            if (gMotivoParada != MotivoParada::Ninguna || modo_ != modo || cuadros_->mostrados != cuadros)
                break;
            if ((n & 127) == 0 && reloj.nsecsElapsed() >= 10'000'000) break;
        }
        cicloEnCurso_ = false;
    } else {
        CicloProtegido();
    }
    if (refrescoPorTick_) Refrescar();
}

void frmMain::mnuExeRun_Click() {
    InfoBar("Ejecutando el código en Modo Normal...");
    gPasoSobre = false;
    gDirParada = -1;
    ModoEjecucion(modo::kNormal);
}

void frmMain::mnuExeRunTempo_Click() {
    InfoBar("Ejecutando el código en Modo Temporizado...");
    gPasoSobre = false;
    gDirParada = -1;
    ModoEjecucion(modo::kTemporizado);
}

void frmMain::mnuExeStop_Click() {
    InfoBar("Ejecucion del codigo detenida (Stop)");
    MostrarAnimacion(0);
    gDirParada = -1;
    ModoEjecucion(modo::kParado);
}

void frmMain::mnuExePausa_Click() {
    if (!Marcado("mnuExePausa")) {
        InfoBar("Ejecucion del código suspendida de manera temporal. Pulse <RUN> para continuar...");
        PulsarBoton("Pause", true);
        Marcar("mnuExePausa", true);
        timerRUN_->stop();
        Refrescar();
    } else {
        InfoBar("Restablecida la ejecucion del codigo tras una Pausa ...");
        PulsarBoton("Pause", false);
        Marcar("mnuExePausa", false);
        timerRUN_->start();
    }
}

void frmMain::mnuDepStep_Click() {
    if (cicloEnCurso_) return;
    gPasoSobre = false;
    gEjecutando = EjecutandoEnModo(modo_);
    CicloProtegido();
    ActualizarBarraCiclos();
    Refrescar();
}

void frmMain::mnuDepStepFunc_Click() {
    if (cicloEnCurso_) return;
    gPasoSobre = true;
    gEjecutando = EjecutandoEnModo(modo_);
    ActualizarBarraCiclos();
    CicloProtegido();
    Refrescar();
}

void frmMain::mnuExeResetPPL_Click() {
    InfoBar("Estrucctura Pipeline vaciada. Los datos han sido eliminados");
    gPPL->VaciarPPL();
    Refrescar();
}

void frmMain::mnuExeInicializar_Click() {
    InfoBar("Realizando un Reset al procesador DSP...");
    if (TipoReset != 0) {
        int32_t vector = 0;
        if (gMemoria->Lee(vector, 0) != 0) return;
        // The run starts afresh from the vector: nothing in flight, no wait owed.
        gPPL->VaciarPPL();
        gPPL->lCiclosEspera = 0;
        gRegistros->PC(vector);
        gRegistros->ST(0);
        gRegistros->IE(0);
        gRegistros->IFR(0);
        gRegistros->IOF(0);
        Refrescar();
        plataforma::Cuadros().MsgBox(CuadroAyuda(
            "Se ha realizado un reset al procesador DSP.\r  - Tipo: Procesador DSP.\r  - PC: Cargado vector RESET [$" +
                FormatoHex(gRegistros->PC()) + "]",
            "Reset DSP", Icono::Informacion, 310));
        return;
    }
    if (!ExisteFichero(gFichDSK)) return;
    const std::string fichero = gFichDSK;
    // A listing damaged since it was loaded is reported and nothing is reset.
    if (!CargaFichDSK(fichero, true)) return;
    Inicializar();
    plataforma::Cuadros().MsgBox(CuadroAyuda(
        "Se ha realizado un reset al procesador DSP.\r  - Tipo: Modulo DSK.\r  - PC: Cargado <ENTRY> [$" +
            FormatoHex(gRegistros->PC()) + "]",
        "Reset DSP", Icono::Informacion, 320));
}

// ---------------------------------------------------------------------------
// Listings, recent files and environment

bool frmMain::CargaFichDSK(const std::string& fichero, bool reiniciar) {
    // The old program gives way only to a file that is accepted.
    const std::optional<ListadoDSK> listado = LeerListadoDSK(fichero);
    if (listado) {
        if (reiniciar) ReiniciarProcesador();
        gEstadoDSK = CargarListadoDSK(*listado);
        gFichDSK = fichero;
        gFichASM = NombreFuente(fichero);
    }
    const MensajeCarga m = MensajeDeCarga(listado ? gEstadoDSK : int16_t{-1}, fichero);
    InfoBar(m.estado);
    if (!m.texto.empty())
        plataforma::Cuadros().MsgBox(CuadroAyuda(m.texto, kTituloCarga, Icono::Exclamacion, m.ayuda));
    if (!listado) return false;
    Habilitar("mnuVerAuxDat1", gEstadoDSK >= 1 && gEstadoDSK <= 3);
    // Only a listing that loaded enters the recent files.
    ActualizarMRUFiles(fichero);
    InicializarVistas(true);
    return true;
}

void frmMain::ActualizarMRUFiles(const std::string& fichero) {
    ActualizarListaMRU(std::span<std::string>(MRU.data() + 1, 10), NumMRUFiles, fichero);
    MenuMRU();
}

std::string frmMain::CarpetaInicial(TipoFichero tipo) const {
    for (const std::string& fichero : {ultimoFichero_[size_t(tipo)], gFichDSK, MRU[1]}) {
        std::string carpeta = std::filesystem::path(fichero).parent_path().string();
        if (!carpeta.empty()) return carpeta;
    }
    return {};
}

void frmMain::CarpetaUsada(TipoFichero tipo, const std::string& fichero) { ultimoFichero_[size_t(tipo)] = fichero; }

void frmMain::MenuMRU() {
    for (int i = 1; i <= 10; ++i) {
        QAction* a = Accion("mnuFileMRU" + std::to_string(i));
        if (!MRU[i].empty()) {
            a->setText(QString::fromStdString(MRU[i]));
            a->setVisible(true);
            Accion("mnuFileBar6")->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

void frmMain::AbrirListado(const std::string& fichero) {
    if (!ExisteFichero(fichero)) {
        plataforma::Cuadros().MsgBox(
            CuadroAyuda(TextoNoSeEncuentra(fichero), kTituloCarga, Icono::Exclamacion, 10060));
        return;
    }
    CarpetaUsada(TipoFichero::Listado, fichero);
    CargaFichDSK(fichero, ResetDSK);
}

void frmMain::mnuFileOpen_Click() {
    InfoBar("Dialogo de carga fichero DSK");
    const auto fichero =
        dialogos_->Abrir(this, {kTituloCarga, "Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*", false,
                                CarpetaInicial(TipoFichero::Listado)});
    if (!fichero || fichero->empty()) return;
    // A file not there leaves no listing loaded; a damaged one changes nothing.
    if (!ExisteFichero(*fichero)) gEstadoDSK = -1;
    AbrirListado(*fichero);
}

void frmMain::mnuFileMRU_Click(int indice) {
    const std::string fichero = MRU[indice];
    AbrirListado(fichero);
}

void frmMain::mnuFileRecEnt_Click() {
    InfoBar("Dialogo de solicitud de fichero de entorno");
    const auto fichero =
        dialogos_->Abrir(this, {"Recuperar Entorno", "Ficheros de entorno (*.ent)|*.ent|Todos los archivos (*.*)|*.*",
                                true, CarpetaInicial(TipoFichero::Entorno)});
    if (!fichero || fichero->empty()) return;
    CarpetaUsada(TipoFichero::Entorno, *fichero);
    // A refused file leaves the listing, its result and the views as they were.
    // An accepted one ends with its results box, which comes over views that
    // show the restored state already.
    RecuperarEntorno(*fichero, [this] { Inicializar(); });
}

void frmMain::mnuFilePageSetup_Click() {
    InfoBar("Dialogo de configuración de la impresora");
    dialogos_->ConfigurarImpresora(this);
}

void frmMain::mnuFileExit_Click() {
    InfoBar("Cerrando la aplicacion ...");
    close();
}

// ---------------------------------------------------------------------------
// Debug-menu commands at the cursor

void frmMain::mnuDepBP_Click() {
    InfoBar("Establece o elimina un Punto de Ruptura en la posicion actual del cursor");
    if (IVistaDASM* v = frmDASM(true)) v->AlternarPuntoRupt();
    if (auxCargada_ && aux_) aux_->Actualizar();
}

void frmMain::mnuDepQuitarBP_Click() {
    InfoBar("Elimina todos los Puntos de Ruptura establecidos en el cógigo");
    if (IVistaDASM* v = frmDASM(true)) v->QuitarPuntosRupt();
    if (auxCargada_ && aux_) aux_->Actualizar();
}

void frmMain::mnuDepCursor_Click() {
    InfoBar("Ejecutando código hasta la posicion del cursor ...");
    IVistaDASM* v = frmDASM(true);
    gPasoSobre = false;
    gDirParada = v ? v->PosMemAct() : -1;
    ModoEjecucion(modo::kHastaCursor);
}

void frmMain::mnuDepEstablecerPC_Click() {
    InfoBar("Establece la posicion actual del cursor como instrucción siguiente");
    if (!VistaAbierta(TipoVista::DASM)) return;
    const int32_t a = frmDASM()->PosMemAct();
    if (a == -1) {
        plataforma::Cuadros().MsgBox(CuadroAyuda("No es posible establecer aqui la siguiente instrucción.",
                                                 "Establecer Instrucción siguiente", Icono::Exclamacion, 10070));
        return;
    }
    gPPL->VaciarPPL();
    gRegistros->PC(a);
    ModoEjecucion(modo::kParado);
    gDirParada = -1;
    Refrescar();
}

void frmMain::mnuDepCopiarMemPos_Click() {
    InfoBar("Copiar la posicion de memoria apuntada por el cursor al portapapeles");
    if (!VistaAbierta(TipoVista::DASM)) return;
    const int32_t a = frmDASM()->PosMemAct();
    if (a != -1) QGuiApplication::clipboard()->setText(QString::fromStdString(FormatoHex(a)));
}

void frmMain::mnuDepCopiarCodigo_Click() {
    InfoBar("Copia el codigo de instruccion almacenado en la posicion apuntada por el cursor al portapapeles");
    if (!VistaAbierta(TipoVista::DASM)) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(FormatoHex(frmDASM()->CodInstr())));
}

// ---------------------------------------------------------------------------
// Help and tips

void frmMain::mnuHelpTipOfDay_Click() {
    frmTip tip(this);
    tip.exec();
}
