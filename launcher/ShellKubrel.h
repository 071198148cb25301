// Kubrel's own shell layer: what the desktop does with an operation on a file.
// "open" (or no operation) starts an executable program or hands anything else to the desktop's
// opener; "print" sends the file to the printing system; "explore" opens a folder in the file
// manager. Any other operation, or no file, does nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "LineaKubrel.h"

namespace kubrel {

// A program to start detached: its path or name (looked up on PATH when it has no slash),
// its arguments, and the folder to start it in (empty: the current folder).
struct OrdenInicio {
    std::string Programa;
    std::vector<std::string> Argumentos;
    std::string Carpeta;
    bool operator==(const OrdenInicio&) const = default;
};

inline constexpr const char* AbridorEscritorio = "xdg-open";
inline constexpr const char* Impresion = "lp";

// Splits a parameter text into arguments: blanks and tabs separate them; a double quote opens
// or closes a quoted run in which blanks belong to the argument and "" stands for one quote;
// the quotes themselves are dropped. No shell is involved.
std::vector<std::string> DividirParametros(const std::string& parametros);

// What the shell starts for these fields, or nothing. A relative file is taken relative to the
// directory when one is given, else to the current folder.
std::optional<OrdenInicio> OrdenShell(const CamposLinea& campos);

// Starts the program without waiting for it; false when it could not be started.
bool IniciarDesligado(const OrdenInicio& orden);

// The one shell call: maps the fields and starts the program, if any; failures are silent.
void EjecutarShell(const CamposLinea& campos);

}  // namespace kubrel
