// The main window: an MDI frame with the menus, the toolbar, the status bar and
// the run loop. It is the host the core talks to (IVentanaPrincipal) and the
// hub the views are refreshed from (see app/Vistas.h for how views plug in).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Vistas.h"
#include "core/Anfitrion.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

namespace plataforma::qt {
class IDialogosComunes;
}

// The kinds of file whose dialogs start where the last one of the kind was taken.
enum class TipoFichero { Listado, Entorno };

class frmMain : public QMainWindow, public IVentanaPrincipal, public IVentanaMemoria {
    Q_OBJECT
public:
    // Creating the window loads it (settings, recent files, toolbar layout, the
    // views that were open) and then applies the stopped mode. The dialogs
    // default to the toolkit's own.
    explicit frmMain(plataforma::qt::IDialogosComunes* dialogos = nullptr);
    ~frmMain() override;

    // --- What the core and the other windows call -------------------------------
    void ModoEjecucion(int16_t modo) override;
    int16_t ModoEjecucion() const override { return modo_; }
    void InfoBar(const std::string& texto) override;
    std::string InfoBar() const;
    // The memory window's, for the core (created when closed).
    void BuscarCelda(int32_t& direccion) override;
    void MostrarCelda(int32_t direccion) override;

    void Refrescar();
    void Inicializar();
    // Reads and checks the listing, then (with reiniciar, after a full reset)
    // loads it, reports and puts it first in the recent files. A refused file
    // is reported and changes nothing else, the recent files included: false.
    bool CargaFichDSK(const std::string& fichero, bool reiniciar = false);
    void ActualizarMRUFiles(const std::string& fichero);
    // The folder a file dialog for that kind of file starts in: the one a file
    // of the kind was last taken from in this run, else the loaded listing's,
    // else the most recent listing's; "" leaves it to the dialog.
    std::string CarpetaInicial(TipoFichero tipo) const;
    void CarpetaUsada(TipoFichero tipo, const std::string& fichero);

    int16_t ResultadoPopUpMenu() const { return resultadoPopUp_; }
    void ResultadoPopUpMenu(int16_t v) { resultadoPopUp_ = v; }
    bool FrmAuxDatos_LOAD() const { return auxCargada_; }
    void FrmAuxDatos_LOAD(bool v) { auxCargada_ = v; }

    // --- For the views -----------------------------------------------------------
    // A view: created (with its load steps, not shown) when crear is true and it
    // is not loaded; nullptr when it is not loaded or no view of that kind exists.
    IVista* Vista(TipoVista tipo, bool crear = false);
    IVistaDASM* frmDASM(bool crear = false);
    IVistaMemoria* FrmMemoria(bool crear = true);
    IVistaAuxDatos* FrmAuxDatos(bool crear = false);
    QMdiSubWindow* Marco(TipoVista tipo) const;
    // The view counts as open: its Window-menu item is checked.
    bool VistaAbierta(TipoVista tipo) const;
    // Shows or hides a view as its Window-menu item does.
    void AlternarVista(TipoVista tipo);
    // "mnuDep", "mnuEdit", "PopMnuMem", "PopMnuFormato" and the others by name.
    QMenu* Menu(const std::string& nombre) const;
    // Menu items by name ("mnuFormato0".."mnuFormato4", "mnuFileMRU1", ...).
    QAction* Accion(const std::string& nombre) const;
    QMdiArea* AreaCliente() const { return area_; }
    // The common dialogs (open file, printer set-up) the window was given.
    plataforma::qt::IDialogosComunes& DialogosComunes() const { return *dialogos_; }

    // --- Menus and toolbar ---------------------------------------------------------
    // Runs a menu item's click handler, as a click on the item would.
    void EjecutarComando(const std::string& nombre);
    // Plugs in the handler of a command that another window provides (options,
    // about, tools); the item becomes available.
    void EstablecerComando(const std::string& nombre, std::function<void()> manejador);
    bool ComandoDisponible(const std::string& nombre) const;
    // The command may run: its handler exists, its item is enabled and so is the
    // menu that holds it. Its toolbar button is enabled exactly then, and no way
    // to it (button, shortcut, menu, pop-up menu) runs it otherwise.
    bool ComandoHabilitado(const std::string& nombre) const;
    void tbToolBar_ButtonClick(const std::string& clave);
    QAction* Boton(const std::string& clave) const;  // a toolbar button by key
    QToolBar* BarraHerramientas() const { return barra_; }
    std::vector<std::string> DisposicionBarra() const { return disposicion_; }
    void AplicarDisposicionBarra(const std::vector<std::string>& disposicion);
    // The toolbar's change event: saves its layout under "ToolBar"/"Defecto".
    void GuardarBarraHerramientas();
    void PersonalizarBarra();  // the customisation dialog

    // --- Status bar and run loop (read by tests) -----------------------------------
    QLabel* Panel(const std::string& clave) const;
    QTimer* TimerRUN() const { return timerRUN_; }
    bool RefrescoPorTick() const { return refrescoPorTick_; }
    int16_t PosAnimacion() const { return posAnimacion_; }
    int16_t BaseAnimacion() const { return baseAnimacion_; }
    int16_t AnimacionMostrada() const { return animacionMostrada_; }  // 0 none
    double ProporcionMosaico() const { return proporcionMosaico_; }
    void ProporcionMosaico(double r) { proporcionMosaico_ = r; }
    void TimerRUN_Timer();  // one tick

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
    // No toolkit menu of toolbars: the toolbar is shown and hidden only through
    // "&Barra de herramientas", which keeps its check mark.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    class CuadrosContados;

    void CrearMenus();
    void CrearBarra();
    void CrearBarraEstado();
    void CrearManejadores();
    void Form_Load();
    void QueryUnload();
    void Unload();
    void AplicarDisponibilidad();
    void PanelesEstado();
    // Inicializar; after a listing was loaded, the views first forget the run before.
    void InicializarVistas(bool programaNuevo);
    void ActualizarBarraCiclos();
    void MostrarAnimacion(int16_t imagen);
    void MenuMRU();
    void ListaVentanas();
    void mnuHelp_Click();
    void AyudaContextual();
    bool AtajoDelPrograma(QObject* objeto, const QKeyEvent& e) const;

    bool Marcado(const std::string& nombre) const;
    void Marcar(const std::string& nombre, bool marcado);
    void Habilitar(const std::string& nombre, bool habilitado);
    bool BotonPulsado(const std::string& clave) const;
    void PulsarBoton(const std::string& clave, bool pulsado);
    void SincronizarBotones();

    IVista* CrearVista(TipoVista tipo, bool mostrar);
    void VistaDescargada(TipoVista tipo);
    void MostrarAuxDatos(int16_t tipo);

    // Commands
    void mnuFileOpen_Click();
    void mnuFileMRU_Click(int indice);
    void mnuFileRecEnt_Click();
    void mnuFilePageSetup_Click();
    void mnuFileExit_Click();
    void mnuExeRun_Click();
    void mnuExeRunTempo_Click();
    void mnuExeStop_Click();
    void mnuExePausa_Click();
    void mnuExeInicializar_Click();
    void mnuExeResetPPL_Click();
    void mnuDepStep_Click();
    void mnuDepStepFunc_Click();
    void mnuDepBP_Click();
    void mnuDepQuitarBP_Click();
    void mnuDepCursor_Click();
    void mnuDepEstablecerPC_Click();
    void mnuDepCopiarMemPos_Click();
    void mnuDepCopiarCodigo_Click();
    void mnuMem_Click(const std::string& estado, void (IVistaMemoria::*accion)(), bool actualizarAux);
    void mnuView_Click(const std::string& item, QWidget* objetivo);
    void mnuHelpTipOfDay_Click();
    void AbrirListado(const std::string& fichero);
    void CicloProtegido();

    plataforma::qt::IDialogosComunes* dialogos_;
    std::unique_ptr<plataforma::qt::IDialogosComunes> dialogosPropios_;
    std::unique_ptr<CuadrosContados> cuadros_;

    QMdiArea* area_ = nullptr;
    QToolBar* barra_ = nullptr;
    QTimer* timerRUN_ = nullptr;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> acciones_;
    std::map<std::string, QMenu*> menuDe_;  // the menu that holds each item
    std::map<std::string, QAction*> botones_;
    std::map<std::string, QLabel*> paneles_;
    std::map<std::string, std::function<void()>> manejadores_;
    std::vector<std::string> disposicion_;
    std::vector<QAction*> listaVentanas_;

    std::array<std::string, 2> ultimoFichero_;  // by TipoFichero
    std::array<IVista*, kNumVistas> vistas_{};
    // What a loaded view missed while hidden: 0 nothing, 1 a refresh, 2 a
    // re-initialisation, 3 a new program and its re-initialisation.
    std::array<int8_t, kNumVistas> atrasada_{};
    std::array<QPointer<QMdiSubWindow>, kNumVistas> marcos_{};
    IVistaAuxDatos* aux_ = nullptr;

    int16_t modo_ = 0;
    bool refrescoPorTick_ = false;
    int16_t posAnimacion_ = 0;
    int16_t baseAnimacion_ = 1;
    int16_t animacionMostrada_ = 0;
    double proporcionMosaico_ = 0.7;
    int16_t resultadoPopUp_ = 0;
    bool auxCargada_ = false;
    bool cicloEnCurso_ = false;
    bool destruyendo_ = false;
};

// The one main window of the program; nullptr while none exists.
frmMain* VentanaMain();
