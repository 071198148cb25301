// How many bytes this process has read from files so far, as the kernel
// counts them: shows whether a reader read a file through or stopped early.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace prueba {

inline std::optional<uint64_t> BytesLeidos() {
    std::ifstream f("/proc/self/io");
    std::string clave;
    uint64_t valor = 0;
    while (f >> clave >> valor)
        if (clave == "rchar:") return valor;
    return std::nullopt;
}

}  // namespace prueba
