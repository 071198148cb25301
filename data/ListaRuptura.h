// What the breakpoint and watch-mark lists share: a current-item Index, a
// counter of additions (IdentGenIndex) for default names, and the searches.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/Coleccion.h"

// Counts every change to the break lists that the per-cycle checks depend on:
// an entry added or removed, or a checked field of an entry changed. Each
// list keeps a compact copy of what it checks and renews it when the count
// has moved since, so edits made through Item() are seen too.
inline uint64_t gCambiosRupturas = 0;

// A record field whose changes, by its setter or by assigning the whole
// record, are counted in gCambiosRupturas.
template <class Tipo>
class CampoVigilado {
public:
    CampoVigilado(const Tipo& v) : valor_(v) {}
    CampoVigilado(const CampoVigilado&) = default;
    CampoVigilado& operator=(const CampoVigilado& o) {
        valor_ = o.valor_;
        ++gCambiosRupturas;
        return *this;
    }
    const Tipo& Valor() const { return valor_; }
    void Valor(const Tipo& v) {
        valor_ = v;
        ++gCambiosRupturas;
    }

private:
    Tipo valor_;
};

// As PROPIEDAD, for a field that the per-cycle checks read.
#define PROPIEDAD_VIGILADA(Tipo, Nombre, Inicial)                        \
public:                                                                 \
    const Tipo& Nombre() const { return m##Nombre.Valor(); }            \
    void Nombre(const Tipo& valor) { m##Nombre.Valor(valor); }          \
private:                                                                \
    CampoVigilado<Tipo> m##Nombre{Inicial};                             \
public:

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
        ++gCambiosRupturas;
        if (Base::empty()) mIndex = 0;
    }

    // Position of the first entry at lMemPos (0 when none); also sets Index.
    // Runs every cycle of a run: no allocation once the list is unchanged, an
    // empty list returns at once, and an address whose low byte no entry has
    // is rejected by a 256-bit filter before the list is scanned.
    int32_t BuscarMemPos(int32_t lMemPos) {
        mIndex = 0;
        if (Base::empty()) return 0;
        if (mCopiaPosMem != gCambiosRupturas) CopiarPosMem();
        const uint32_t byte = static_cast<uint32_t>(lMemPos) & 0xFFu;
        if (((mFiltroPosMem[byte >> 6] >> (byte & 63u)) & 1u) == 0) return 0;
        for (std::size_t i = 0, n = mPosMem.size(); i < n; ++i) {
            if (mPosMem[i] == lMemPos) {
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
        ++gCambiosRupturas;
        T& r = Base::Anadir(true);
        mIndex = Base::count();
        ++mIdentGenIndex;
        return r;
    }
    // Empties the list and sets Index (IdentGenIndex is each list's own rule).
    void VaciarLista(int32_t indiceTrasVaciar) {
        Base::Vaciar();
        ++gCambiosRupturas;
        mIndex = indiceTrasVaciar;
    }

private:
    // The entries' addresses in list order and the filter of their low bytes.
    void CopiarPosMem() {
        mPosMem.clear();
        mFiltroPosMem.fill(0);
        for (const auto& r : Base::Registros()) {
            const uint32_t byte = static_cast<uint32_t>(r->PosMem()) & 0xFFu;
            mPosMem.push_back(r->PosMem());
            mFiltroPosMem[byte >> 6] |= uint64_t{1} << (byte & 63u);
        }
        mCopiaPosMem = gCambiosRupturas;
    }

    std::vector<int32_t> mPosMem;
    std::array<uint64_t, 4> mFiltroPosMem{};
    uint64_t mCopiaPosMem = ~uint64_t{0};

    int32_t mIndex = 0;
    int32_t mIdentGenIndex = 0;
};
