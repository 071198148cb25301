// A view's layout values in the settings store: numbers kept as text under the
// application's name; a stored text that is no number (as LeerRealGuardado
// reads one) reads as the default. The main window reads its own so too.
#pragma once

#include <string>

#include "views/LugarVista.h"

class QMdiSubWindow;

namespace ajustesvista {

double Leer(const std::string& seccion, const std::string& clave, double porDefecto);
void Escribir(const std::string& seccion, const std::string& clave, double valor);
// The stored "Status": 1 minimised, 2 maximised, 0 normal; the whole part of
// the number counts and any other number is normal.
int LeerEstado(const std::string& seccion, int porDefecto);

enum class Guardar { LugarYTamano, SoloLugar };

// A view's MDI child placed from "Left", "Top", "Width", "Height" (twips, the
// defaults given; with SoloLugar only the place, the frame keeping its size)
// and then put in the stored "Status" (1 minimised, 2 maximised). What is
// stored and would leave the frame out of reach in its client area, or with
// no size, gives way to the defaults, themselves kept usable.
void RestaurarMarco(QMdiSubWindow& marco, const std::string& seccion, double left, double top, double ancho,
                    double alto, Guardar que = Guardar::LugarYTamano);
// The frame's stored place (with LugarYTamano also its size, else the
// frame's own size), twips, the keys read with the defaults of `defecto`;
// when that is out of reach in the frame's client area or has no size,
// `sustituto` made usable.
lugarvista::Rect LugarGuardado(const QMdiSubWindow& marco, const std::string& seccion,
                               const lugarvista::Rect& defecto, const lugarvista::Rect& sustituto, Guardar que);
// Writes "Status" always, and while the state is normal the place ("Left",
// "Top") and, unless only the place is kept, the size. `subida` is what the
// view has raised its window by for an unfolded panel: the stored top is the
// folded one. A frame out of reach or with no size is stored moved into reach
// and given the least size.
void GuardarMarco(const QMdiSubWindow& marco, const std::string& seccion, Guardar que = Guardar::LugarYTamano,
                  int subida = 0);

}  // namespace ajustesvista
