#include "views/PortapapelesMemoria.h"

#include "core/ClassMemoria.h"
#include "core/ConversionesNum.h"

namespace portapapeles {

namespace {

bool Hex(const std::string& texto, size_t desde, size_t n, int32_t& v) {
    return desde <= texto.size() && InterpretarValor(v, 0, texto.substr(desde, n)) == 0;
}

}  // namespace

std::string TextoCeldas(ClassMemoria& memoria, const std::vector<int32_t>& direcciones, bool cortar) {
    std::string texto;
    for (int32_t a : direcciones) {
        int32_t palabra = 0;
        memoria.Lee(palabra, a);
        if (cortar) memoria.Escribe(a, 0);
        if (direcciones.size() == 1) return FormatoHex(palabra);
        texto += FormatoHex(a) + "-" + FormatoHex(palabra) + "\r";
    }
    return texto;
}

bool Pegar(ClassMemoria& memoria, const std::string& texto, int32_t destino) {
    int32_t palabra = 0, base = 0, segundo = 0;
    if (texto.size() <= 8) {
        if (!Hex(texto, 0, texto.size(), palabra)) return false;
        memoria.Escribe(destino, palabra);
        return true;
    }
    if (!Hex(texto, 0, 8, base) || !Hex(texto, 9, 8, segundo)) return false;
    // Each entry: its address from pos, its word right after the next "-",
    // and it ends at the first carriage return after that "-".
    size_t pos = 0;
    while (pos + 1 < texto.size()) {
        const size_t guion = texto.find('-', pos);
        if (guion == std::string::npos) break;
        int32_t dir = 0;
        if (!Hex(texto, pos, 8, dir)) break;
        const size_t fin = texto.find('\r', guion + 1);
        if (fin == std::string::npos) break;
        pos = fin + 1;
        if (!Hex(texto, guion + 1, 8, palabra)) break;
        const int64_t donde = int64_t(destino) + (int64_t(dir) - int64_t(base));
        // An address past the 32-bit range lies in no region: nothing to write.
        if (donde >= INT32_MIN && donde <= INT32_MAX) memoria.Escribe(int32_t(donde), palabra);
    }
    return true;
}

}  // namespace portapapeles
