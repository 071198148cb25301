// What the breakpoint and watch-mark lists share: a current-item Index, a
// counter of additions (IdentGenIndex) for default names, and the searches.
#pragma once

#include <cstdint>
#include <string>

#include "data/Coleccion.h"

template <class T>
class ListaRuptura : public Coleccion<T> {
    using Base = Coleccion<T>;

public:
    int32_t Index() const { return mIndex; }
    void Index(int32_t v) { mIndex = v; }
    int32_t IdentGenIndex() const { return mIdentGenIndex; }
    void IdentGenIndex(int32_t v) { mIdentGenIndex = v; }

    // Removes the item; Index drops to 0 only when the list becomes empty.
    void Remove(int32_t posicion) {
        Base::Quitar(posicion);
        if (Base::empty()) mIndex = 0;
    }

    // Position of the first entry at lMemPos (0 when none); also sets Index.
    // Runs every cycle of a run: no allocation, an empty list returns at once.
    int32_t BuscarMemPos(int32_t lMemPos) {
        mIndex = 0;
        const auto& regs = Base::Registros();
        for (std::size_t i = 0, n = regs.size(); i < n; ++i) {
            if (regs[i]->PosMem() == lMemPos) {
                mIndex = static_cast<int32_t>(i + 1);
                break;
            }
        }
        return mIndex;
    }

    // Position of the first entry named exactly sIdentificador; also sets Index.
    int32_t BuscarIdentificador(const std::string& sIdentificador) {
        mIndex = 0;
        const auto& regs = Base::Registros();
        for (std::size_t i = 0, n = regs.size(); i < n; ++i) {
            if (regs[i]->Identificador() == sIdentificador) {
                mIndex = static_cast<int32_t>(i + 1);
                break;
            }
        }
        return mIndex;
    }

protected:
    // Appends a record with its Key; the new item becomes current.
    T& AnadirEntrada() {
        T& r = Base::Anadir(true);
        mIndex = Base::count();
        ++mIdentGenIndex;
        return r;
    }
    // Empties the list and sets Index (IdentGenIndex is each list's own rule).
    void VaciarLista(int32_t indiceTrasVaciar) {
        Base::Vaciar();
        mIndex = indiceTrasVaciar;
    }

private:
    int32_t mIndex = 0;
    int32_t mIdentGenIndex = 0;
};
