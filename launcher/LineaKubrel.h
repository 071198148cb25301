// Kubrel's command line: the operation line, its four comma-separated fields and the usage text.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kubrel {

// The fields of "Operation,File[,Params[,Dir]]". An absent field has no value; a present one
// may be empty (two commas in a row, or a comma at the end).
struct CamposLinea {
    std::string Operacion;
    std::optional<std::string> Fichero;
    std::optional<std::string> Parametros;
    std::optional<std::string> Directorio;
    bool operator==(const CamposLinea&) const = default;
};

// The operation line from the program's arguments (without its own name): the arguments joined
// by single blanks, then every leading character with a code from 1 to 32 skipped.
std::string LineaOperacion(const std::vector<std::string>& argumentos);

// Splits the line at its first three commas; nothing is trimmed and no quote removed, so any
// further commas stay in Directorio.
CamposLinea DividirLinea(const std::string& linea);

inline constexpr const char* TituloUso = "Kubrel - Shell Launcher";

// The usage box's text: lines joined by a single line feed, none after the last.
const std::string& TextoUso();

}  // namespace kubrel
