// Watch-mark list (gMarcasRupt): marks on memory words checked every cycle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/ListaRuptura.h"
#include "data/Propiedad.h"

// A watch mark: the word at PosMem compared (Comp) with Operando, a value
// (Tipo 0) or the address of a second word (any other Tipo).
// Comp: 0 "=", 1 "<>", 2 ">", 3 "<", 4 ">=", 5 "<=", watched word on the left.
// TipoDatos is the display format (0-4) in which the operand is shown.
class ClassMarcaRupt {
public:
    std::string Key;
    PROPIEDAD_VIGILADA(int32_t, Tipo, 0)
    PROPIEDAD_VIGILADA(int32_t, PosMem, 0)
    PROPIEDAD_VIGILADA(int32_t, Comp, 0)
    PROPIEDAD_VIGILADA(int32_t, Operando, 0)
    PROPIEDAD(int16_t, TipoDatos, 0)
    PROPIEDAD(std::string, Identificador, {})
};

class CollectMarcaRupt : public ListaRuptura<ClassMarcaRupt> {
public:
    ClassMarcaRupt& Add(int32_t Tipo, int32_t PosMem, int32_t Comp, int32_t Operando,
                        int16_t TipoDatos, const std::string& Identificador);
    // Empties the list: Index and IdentGenIndex return to 0.
    void Clear() {
        VaciarLista(0);
        IdentGenIndex(0);
    }
    // Position of the first mark whose condition holds on gMemoria, 0 when none.
    // A mark on a word no region holds is skipped. Allocation-free while the
    // list and the memory map stay as they are; reads do not enter the
    // memory's access log.
    int32_t OcurreMarca() const {
        if (empty()) return 0;
        return OcurreMarcaEnLista();
    }
    // Description of mark i ("Contenido de $00809800 > ..."). i = 0 takes Index
    // (and i receives it); "" when that is still 0 or i lies outside the list.
    std::string CadenaInfo(int32_t& i) const;

private:
    // A mark that can hold, resolved against the memory map: the watched word,
    // the operand word (nullptr: the value) and the mark's position.
    struct MarcaActiva {
        const int32_t* palabra;
        const int32_t* palabraOperando;
        int32_t operando;
        int32_t comp;
        int32_t posicion;
    };
    int32_t OcurreMarcaEnLista() const;
    void CopiarMarcas() const;

    mutable std::vector<MarcaActiva> mActivas;
    mutable uint64_t mCopiaCambios = ~uint64_t{0};
    mutable uint64_t mCopiaMapa = 0;
    // The last answer and the memory's write count it was worked out on: with
    // the same marks, map and count no word changed, so the answer stands.
    mutable int32_t mUltimaMarca = 0;
    mutable uint64_t mEscriturasVistas = 0;
};
