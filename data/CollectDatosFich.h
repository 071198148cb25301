// Listing-line table of the loaded program (gDatosFich).
#pragma once

#include <cstdint>
#include <string>

#include "data/Coleccion.h"
#include "data/Propiedad.h"

// One line of the loaded listing.
class ClassDatosFich {
public:
    std::string Key;  // never set for listing lines
    PROPIEDAD(int32_t, PosMem, 0)       // address of the line's word; -1 for no word
    PROPIEDAD(int32_t, Contenido, 0)    // the word put at PosMem (0 without code)
    PROPIEDAD(std::string, CodASM, {})  // source text
};

class CollectDatosFich : public Coleccion<ClassDatosFich> {
public:
    ClassDatosFich& Add(int32_t PosMem, int32_t Contenido, const std::string& CodASM);
    void Remove(int32_t posicion) { Quitar(posicion); }
    void Clear() { Vaciar(); }
    // Position of the first line whose PosMem equals lMemPos; 0 when none.
    int32_t BuscarMemPos(int32_t lMemPos) const;
};
