// Loader of the listings that the DSK3A assembler makes (.dsk): writes every
// assembled word into gMemoria, fills gDatosFich, gErrDSK, gTablaRef and
// gTablaSect, and takes the entry point into gDirEntrada and the PC.
#pragma once

#include <cstdint>
#include <string>

// Load result: -1 not a listing (or unreadable or damaged), 0 loaded,
// 1 assembly errors, 2 warnings, 3 words at addresses no region holds.
// The four tables are emptied first; a refused file changes nothing else.
// Storing the result in gEstadoDSK and the path in gFichDSK is the caller's work.
int16_t LeerFichDSK(const std::string& ruta);
