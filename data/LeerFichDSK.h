// Loader of the listings that the DSK3A assembler makes (.dsk): writes every
// assembled word into gMemoria, fills gDatosFich, gErrDSK, gTablaRef and
// gTablaSect, and takes the entry point into gDirEntrada and the PC.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A listing read and checked but not loaded yet: what its load writes and adds.
struct ListadoDSK {
    struct Linea {
        bool palabra;  // a word line; otherwise a no-code line
        int32_t direccion, contenido;
        std::string texto;
    };
    struct Mensaje {
        int32_t linea, tipo;
        std::string texto;
    };
    struct Referencia {
        std::string identificador;
        int32_t contenido;
        int16_t tipo, dirAble;
    };
    struct Seccion {
        std::string identificador;
        int32_t ini, fin, longitud;
    };
    std::vector<Linea> lineas;  // word and no-code lines, in file order
    std::vector<Mensaje> mensajes;
    std::vector<Referencia> referencias;
    std::vector<Seccion> secciones;
    std::optional<int32_t> entrada;  // the last entry-point line
};

// Reads and checks a listing and changes nothing; nothing when it is not a
// listing (or is unreadable or damaged).
std::optional<ListadoDSK> LeerListadoDSK(const std::string& ruta);
// The same for the text of a listing.
std::optional<ListadoDSK> AnalizarListadoDSK(std::string_view texto);

// Loads a checked listing: empties the four tables and fills them, writes the
// words into memory and takes the entry point. Load result: 0 loaded,
// 1 assembly errors, 2 warnings, 3 words at addresses no region holds.
int16_t CargarListadoDSK(const ListadoDSK& listado);

// Both in one: -1 for a file that is refused, which changes nothing.
// Storing the result in gEstadoDSK and the path in gFichDSK is the caller's work.
int16_t LeerFichDSK(const std::string& ruta);
