// The help service. The help file the boxes name is not shipped and there is no
// help viewer, so opening help says so in a box and answers false.
#pragma once

#include <string>

class QWidget;

namespace plataforma::qt {

// Path of a help file beside the program.
std::string RutaAyuda(const std::string& fichero);

// Whether the help file lies beside the program.
bool AyudaDisponible(const std::string& fichero);

// Opens the help file at a context. A missing file, or one the desktop cannot
// open, shows an exclamation box with OK only and answers false.
bool AbrirAyuda(QWidget* padre, const std::string& fichero, int contexto);

// Text of the failed start of the help viewer (box and status text).
std::string TextoAyudaNoIniciada(const std::string& fichero);

// What "Contenido" answers when there is no help for the program.
inline constexpr const char* kTextoSinAyuda =
    "Imposible mostrar los contenidos de la Ayuda. No hay una Ayuda asociada con este proyecto.";

}  // namespace plataforma::qt
