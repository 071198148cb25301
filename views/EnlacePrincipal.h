// What the debugger views use of the main window, in one place: its menus
// borrowed as pop-ups, the format pop-up's result, its refresh and the size
// of its client area. Without a main window (tests of a lone view) the menus
// are missing, the refresh falls back to the caller and the area is a default.
#pragma once

#include <QSize>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QMdiSubWindow;

namespace enlace {

QMenu* Menu(const char* nombre);      // "mnuDep", "PopMnuFormato", ...
QAction* Accion(const char* nombre);  // "mnuFormato0" .. "mnuFormato4"
int16_t ResultadoPopUpMenu();
void ResultadoPopUpMenu(int16_t valor);
// The main window's Refrescar; false when there is no main window.
bool Refrescar();
QSize AreaCliente();                  // pixels
// The client area a view's frame stands in, inside the MDI area's own frame
// (the main window's while the frame is in no area); pixels.
QSize AreaCliente(const QMdiSubWindow& marco);
// Width in pixels of the pipeline or register window's frame while it is
// shown, else 0.
int AnchoPPL();
int AnchoRegistros();
// Shows the auxiliary-data window with the table of that kind (1..5);
// false when there is no main window or no such window.
bool MostrarAuxDatos(int16_t tipo);

}  // namespace enlace
