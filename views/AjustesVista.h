// A view's layout values in the settings store: numbers kept as text under the
// application's name; a stored text that is no number reads as the default.
#pragma once

#include <string>

namespace ajustesvista {

double Leer(const std::string& seccion, const std::string& clave, double porDefecto);
void Escribir(const std::string& seccion, const std::string& clave, double valor);

}  // namespace ajustesvista
