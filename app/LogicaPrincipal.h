// Plain logic of the main window: the source file of a listing, the status
// panels' texts, the recent-file list and the load-result messages.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// The listing's name with a trailing ".DSK" extension (any letter case)
// replaced by ".asm"; any other name is returned unchanged.
std::string NombreFuente(const std::string& fichDSK);

std::string TextoProcesador(int16_t modeloDSP, int16_t modoDSP);   // "C31 - MP "
std::string TextoCiclo(int32_t ciclos);                              // "125"
std::string TextoFrecuencia(int32_t mhz);                            // " 50 MHz "
std::string TextoTiempo(int32_t ciclos, int32_t mhz);                // "2.50 us "

// Puts nombre first among the first numMRU entries (mru[0] is entry 1), moving
// an equal entry (case-sensitive) to the front; entries beyond numMRU stay.
// An empty name changes nothing.
void ActualizarListaMRU(std::span<std::string> mru, int numMRU, const std::string& nombre);

struct MensajeCarga {
    std::string estado;   // "Estado" panel text
    std::string texto;    // box text, "" no box
    int ayuda = 0;        // help context of the box
};
inline constexpr const char* kTituloCarga = "Carga de fichero ensamblado DSK";
MensajeCarga MensajeDeCarga(int16_t estadoDSK, const std::string& nombre);
std::string TextoNoSeEncuentra(const std::string& nombre);

// Stored text to a Boolean: "True", "False" (any case), "Verdadero", "Falso"
// and numbers read strictly (LeerRealGuardado: 0 false, others true); anything
// else gives the default.
bool TextoABool(const std::string& texto, bool porDefecto);
