// How the debugger views plug into the main window.
//
// A view is a QWidget that also implements one of the interfaces below. Its .cpp
// registers a factory with a static object:
//
//     static const bool registrada = RegistrarVista(TipoVista::Registros,
//         [] { return new FrmRegistros; });
//
// The main window creates the view when it has to (start-up with "Visible" True,
// the Window menu, a toolbar button, or a public member such as BuscarCelda called
// while the view is closed), puts its widget into an MDI child window that is
// deleted on close, and then runs the load steps that belong to it: check the
// view's Window-menu item and press its toolbar button. After that it calls the
// view's Cargar with the MDI child, where the view restores its own position and
// state from its settings section. The view saves its own layout in its closeEvent
// (the MDI child closes its widget first). When the widget is destroyed the main
// window unchecks the menu item and releases the button by itself.
//
// The view object is owned by its widget: it must be the widget itself (the class
// derives from QWidget and the interface) so deleting the widget deletes the view.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>

class QWidget;
class QMdiSubWindow;
class frmMain;

enum class TipoVista : int8_t { DASM = 0, Memoria = 1, Registros = 2, PPL = 3 };
inline constexpr int kNumVistas = 4;

// How the main window and the settings store name a view. A new view is named
// in: TipoVista and kNumVistas above; its row of the table in app/Vistas.cpp;
// under that row's names, its Window-menu item (app/ArbolMenus.cpp), its
// toolbar button (app/BarraHerramientas.cpp) and the button's picture
// (app/Imagenes.cpp); its RegistrarVista in its own .cpp. The orders in which
// the main window loads and saves the views (frmMain Form_Load and
// QueryUnload, disposicion mnuRecupPos and mnuSalvarPos) list the kinds too.
struct DatosVista {
    TipoVista tipo;
    const char* seccion;  // settings section of its layout and "Visible"
    const char* menu;     // Window-menu item that shows and hides it
    const char* boton;    // toolbar key of its button
    bool conTamano;       // its stored layout holds its size, not only its place
};
// The rows in TipoVista order.
std::span<const DatosVista, kNumVistas> TablaVistas();
const DatosVista& DatosDeVista(TipoVista tipo);

// One of the four main debugger views (MDI children of the main window).
class IVista {
public:
    virtual ~IVista() = default;
    virtual QWidget* Widget() = 0;
    // Called by the main window's Refrescar while the view's Window-menu item is
    // checked: register window Refrescar, memory RefrescarCuadro, listing
    // Refrescar, pipeline Actualizar.
    virtual void Refrescar() = 0;
    // Called by the main window's Inicializar: register window Refrescar, memory
    // Refrescar, listing Inicializar, pipeline Inicializar.
    virtual void Inicializar() = 0;
    // A listing was loaded (or reloaded by a reset): a view that keeps a history
    // of the run forgets it. Called just before Inicializar.
    virtual void ProgramaNuevo() {}
    // The view's own load steps once it sits in its MDI child (position, state).
    virtual void Cargar(QMdiSubWindow* marco) { (void)marco; }
    // Pixels the view has raised its window by for a panel it unfolded; a saved
    // layout adds them back so the window reopens where it stood folded.
    virtual int SubidaDesplegada() const { return 0; }
};

// The listing window, as the Debug menu and the auxiliary-data window use it.
class IVistaDASM : public IVista {
public:
    virtual int32_t PosMemAct() = 0;          // address of the cursor line, -1 none
    virtual int32_t CodInstr() = 0;           // instruction word of the cursor line
    virtual void AlternarPuntoRupt() = 0;
    virtual void QuitarPuntosRupt() = 0;
    virtual void BuscarCelda(int32_t& direccion) = 0;
};

// The memory window, as the Memory and Edit menus and the core use it.
class IVistaMemoria : public IVista {
public:
    virtual void BuscarCelda(int32_t& direccion) = 0;  // 0: ask the user
    // Goes to a cell without asking (a watch-mark break), cell 0 included.
    virtual void MostrarCelda(int32_t direccion) {
        if (direccion != 0) BuscarCelda(direccion);
    }
    virtual void EditarCelda() = 0;
    virtual void EstablecerIdentificador() = 0;
    virtual void AlternarMarca() = 0;
    virtual void QuitarMarcas() = 0;
    virtual void Copiar() = 0;
    virtual void Cortar() = 0;
    virtual void Pegar() = 0;
};

// The auxiliary-data window (tables and lists): a top-level window kept above the
// others. The main window sets FrmAuxDatos_LOAD when it creates it and clears it
// when the widget is destroyed; it deletes the window when it closes.
class IVistaAuxDatos {
public:
    virtual ~IVistaAuxDatos() = default;
    virtual QWidget* Widget() = 0;
    virtual void TipoDatos(int16_t tipo) = 0;  // 1..5, re-initialises with that kind
    virtual void Actualizar() = 0;             // re-reads the table shown
    virtual void Inicializar() = 0;
};

using FabricaVista = std::function<IVista*()>;
using FabricaAuxDatos = std::function<IVistaAuxDatos*()>;

// Registers the factory of one view; returns true so it can initialise a static.
// The factory of TipoVista::DASM must return an IVistaDASM, that of
// TipoVista::Memoria an IVistaMemoria. A view without a factory stays disabled.
bool RegistrarVista(TipoVista tipo, FabricaVista fabrica);
bool RegistrarAuxDatos(FabricaAuxDatos fabrica);

// The registered factories (empty std::function when none).
const FabricaVista& FabricaDeVista(TipoVista tipo);
const FabricaAuxDatos& FabricaDeAuxDatos();

// Commands that other windows provide (options, about, tools, arrangements),
// registered like the views from a static initialiser of their own file:
//
//     static const bool r = RegistrarComando("mnuAbout", [](frmMain& f) { ... });
//
// The main window installs every registered handler with EstablecerComando when
// it is created, so the command's item becomes available.
using ManejadorComando = std::function<void(frmMain&)>;
bool RegistrarComando(const std::string& nombre, ManejadorComando manejador);
const std::map<std::string, ManejadorComando>& ComandosRegistrados();
