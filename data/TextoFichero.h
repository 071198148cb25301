// Reading a text file whole, as the listing and environment readers do.
#pragma once

#include <string>
#include <string_view>

// What LeerTextoFichero gives for a file that does not begin with the text
// asked for.
inline constexpr int kOtroContenido = -1;

// Reads a plain file whole into texto; anything else is refused at once (see
// AbrirFicheroPlano). A UTF-8 byte-order mark at its start, which some editors
// write, is passed over. When the text after it does not begin with inicio,
// the rest is not read (a large file chosen by mistake is refused at once).
// Returns 0, the system's error number, or kOtroContenido.
int LeerTextoFichero(const std::string& ruta, std::string& texto, std::string_view inicio = {});
