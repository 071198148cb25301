// Section table of the loaded program (gTablaSect).
#pragma once

#include <cstdint>
#include <string>

#include "data/Coleccion.h"
#include "data/Propiedad.h"

// One program section: first and last address (inclusive) and length.
class ClassTablaSect {
public:
    std::string Key;
    PROPIEDAD(std::string, Identificador, {})
    PROPIEDAD(int32_t, Ini, 0)
    PROPIEDAD(int32_t, Fin, 0)
    PROPIEDAD(int32_t, Longitud, 0)
};

class CollectTablaSect : public Coleccion<ClassTablaSect> {
public:
    ClassTablaSect& Add(const std::string& Identificador, int32_t Ini, int32_t Fin, int32_t Longitud);
    void Remove(int32_t posicion) { Quitar(posicion); }
    void Clear() { Vaciar(); }  // Index is left as it was
    PROPIEDAD(int32_t, Index, 0)
};
