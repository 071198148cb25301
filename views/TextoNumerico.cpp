#include "views/TextoNumerico.h"

#include <cctype>

bool EsNumero(const std::string& texto, int16_t formato, bool extendido) {
    size_t i = 0, n = texto.size();
    while (i < n && std::isspace(static_cast<unsigned char>(texto[i]))) ++i;
    while (n > i && std::isspace(static_cast<unsigned char>(texto[n - 1]))) --n;
    if (i == n) return false;
    auto digitos = [&](bool hex) {
        const size_t desde = i;
        while (i < n && (hex ? std::isxdigit(static_cast<unsigned char>(texto[i]))
                             : std::isdigit(static_cast<unsigned char>(texto[i]))))
            ++i;
        return i - desde;
    };
    if (formato == 0) {
        const size_t d = digitos(true);
        return i == n && d <= size_t(extendido ? 10 : 8);
    }
    if (texto[i] == '+' || (formato != 1 && texto[i] == '-')) ++i;
    size_t d = digitos(false);
    if (i < n && (texto[i] == '.' || texto[i] == ',')) {
        ++i;
        d += digitos(false);
    }
    if (d == 0) return false;
    if (formato >= 3 && i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        if (i < n && (texto[i] == '+' || texto[i] == '-')) ++i;
        if (digitos(false) == 0) return false;
    }
    return i == n;
}
