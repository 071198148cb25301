// Breakpoint list (gPuntosRupt).
#pragma once

#include <cstdint>
#include <string>

#include "data/ListaRuptura.h"
#include "data/Propiedad.h"

// A breakpoint: a program address and its name.
class ClassPuntoRupt {
public:
    std::string Key;
    PROPIEDAD_VIGILADA(int32_t, PosMem, 0)
    PROPIEDAD(std::string, Identificador, {})
};

class CollectPuntoRupt : public ListaRuptura<ClassPuntoRupt> {
public:
    ClassPuntoRupt& Add(int32_t PosMem, const std::string& Identificador);
    // Empties the list: Index becomes -1, IdentGenIndex keeps growing for the run.
    void Clear() { VaciarLista(-1); }
};
