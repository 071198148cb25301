// A view's layout values in the settings store: numbers kept as text under the
// application's name; a stored text that is no number reads as the default.
#pragma once

#include <string>

class QMdiSubWindow;

namespace ajustesvista {

double Leer(const std::string& seccion, const std::string& clave, double porDefecto);
void Escribir(const std::string& seccion, const std::string& clave, double valor);

// A view's MDI child placed from "Left", "Top", "Width", "Height" (twips, the
// defaults given) and then put in the stored "Status" (1 minimised, 2 maximised).
void RestaurarMarco(QMdiSubWindow& marco, const std::string& seccion, double left, double top, double ancho,
                    double alto);
// Writes "Status" always, and the place and size only while the state is normal.
void GuardarMarco(const QMdiSubWindow& marco, const std::string& seccion);

}  // namespace ajustesvista
