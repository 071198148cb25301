#include "app/LogicaPrincipal.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "data/DatosPrograma.h"

std::string NombreFuente(const std::string& fichDSK) {
    static const std::string ext = ".DSK";
    if (fichDSK.size() < ext.size()) return fichDSK;
    const size_t p = fichDSK.size() - ext.size();
    for (size_t i = 0; i < ext.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(fichDSK[p + i])) != ext[i]) return fichDSK;
    return fichDSK.substr(0, p) + ".asm";
}

std::string TextoProcesador(int16_t modeloDSP, int16_t modoDSP) {
    return std::string(modeloDSP != 0 ? "C31 - " : "C30 - ") + (modoDSP != 0 ? "MC " : "MP ");
}

std::string TextoCiclo(int32_t ciclos) { return std::to_string(ciclos); }

std::string TextoFrecuencia(int32_t mhz) {
    // A non-negative number carries a leading blank where the sign would go.
    return (mhz >= 0 ? " " : "") + std::to_string(mhz) + " MHz ";
}

std::string TextoTiempo(int32_t ciclos, int32_t mhz) {
    // A clock of 0 MHz or less (only from a hand-edited setting) gives no time.
    const double us = mhz > 0 ? static_cast<double>(ciclos) / mhz : 0.0;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f us ", us);
    return texto;
}

void ActualizarListaMRU(std::span<std::string> mru, int numMRU, const std::string& nombre) {
    if (nombre.empty()) return;
    const int n = std::clamp(numMRU, 1, static_cast<int>(mru.size()));
    int pos = n;
    for (int i = 1; i <= n - 1; ++i) {
        if (mru[i - 1] == nombre) {
            pos = i;
            break;
        }
    }
    for (int j = pos; j >= 2; --j) mru[j - 1] = mru[j - 2];
    mru[0] = nombre;
}

MensajeCarga MensajeDeCarga(int16_t estadoDSK, const std::string& nombre) {
    switch (estadoDSK) {
        case -1: return {"El fichero " + nombre + " está dañado", "El fichero <" + nombre + "> esta dañado", 11090};
        case 0: return {"Leido el fichero DSK: " + nombre, "", 0};
        case 1: return {"Errores de ensamblado en el fichero DSK leido", "Hay Errores en el fichero " + nombre, 11070};
        case 2: return {"Avisos(Warnings) en el fichero DSK leido", "Hay Warnings en el fichero " + nombre, 11080};
        case 3: return {"Errores de carga en alguna seccion de memoria", "Errores de carga en memoria" + nombre, 11080};
        default: return {"", "", 0};
    }
}

std::string TextoNoSeEncuentra(const std::string& nombre) {
    return "El fichero dsk " + nombre + " no se encuentra";
}

bool TextoABool(const std::string& texto, bool porDefecto) {
    if (const std::optional<bool> b = LeerBooleanoGuardado(texto)) return *b;
    if (const std::optional<double> v = LeerRealGuardado(texto)) return *v != 0.0;
    // The Spanish words, as the old runtime also took them.
    const size_t ini = texto.find_first_not_of(" \t"), fin = texto.find_last_not_of(" \t");
    std::string t = ini == std::string::npos ? std::string() : texto.substr(ini, fin - ini + 1);
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "verdadero") return true;
    if (t == "falso") return false;
    return porDefecto;
}
