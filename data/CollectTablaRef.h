// Reference (identifier) table of the loaded program (gTablaRef).
#pragma once

#include <cstdint>
#include <string>

#include "data/Coleccion.h"
#include "data/Propiedad.h"

// One identifier. Tipo and Dir_able are the listing's two attribute numbers
// (0 and 2 for identifiers the user names in the memory window).
class ClassTablaRef {
public:
    std::string Key;
    PROPIEDAD(std::string, Identificador, {})
    PROPIEDAD(int32_t, Contenido, 0)
    PROPIEDAD(int16_t, Tipo, 0)
    PROPIEDAD(int16_t, Dir_able, 0)
};

class CollectTablaRef : public Coleccion<ClassTablaRef> {
public:
    ClassTablaRef& Add(const std::string& Identificador, int32_t Contenido, int16_t Tipo, int16_t Dir_able);
    void Remove(int32_t posicion) { Quitar(posicion); }
    void Clear() { Vaciar(); }  // Index is left as it was
    PROPIEDAD(int32_t, Index, 0)
};
