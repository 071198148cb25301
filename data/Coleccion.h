// Ordered collection of records addressed by 1-based position, shared by the
// program tables and the break lists. Records live on the heap, so a reference
// to one stays valid while it is in the collection, whatever else is added.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Thrown by Item and Remove for a position outside 1..count.
class ErrorPosicion : public std::out_of_range {
public:
    explicit ErrorPosicion(int32_t posicion)
        : std::out_of_range("Posición " + std::to_string(posicion) + " fuera de la colección") {}
};

template <class T>
class Coleccion {
    using Contenedor = std::vector<std::unique_ptr<T>>;

public:
    // Iterates the records in position order, yielding T&.
    template <class Base, class Ref>
    class Iterador {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::remove_reference_t<Ref>*;
        using reference = Ref;
        Iterador() = default;
        explicit Iterador(Base it) : mIt(it) {}
        Ref operator*() const { return **mIt; }
        pointer operator->() const { return mIt->get(); }
        Iterador& operator++() { ++mIt; return *this; }
        Iterador operator++(int) { Iterador r = *this; ++mIt; return r; }
        bool operator==(const Iterador& o) const { return mIt == o.mIt; }
    private:
        Base mIt{};
    };
    using iterator = Iterador<typename Contenedor::iterator, T&>;
    using const_iterator = Iterador<typename Contenedor::const_iterator, const T&>;

    int32_t count() const { return static_cast<int32_t>(mCol.size()); }
    bool empty() const { return mCol.empty(); }

    T& Item(int32_t posicion) { return *mCol[Indice(posicion)]; }
    const T& Item(int32_t posicion) const { return *mCol[Indice(posicion)]; }

    iterator begin() { return iterator(mCol.begin()); }
    iterator end() { return iterator(mCol.end()); }
    const_iterator begin() const { return const_iterator(mCol.begin()); }
    const_iterator end() const { return const_iterator(mCol.end()); }

protected:
    // Appends a new record; with conClave its Key is a blank and its position.
    T& Anadir(bool conClave) {
        auto r = std::make_unique<T>();
        if (conClave) r->Key = " " + std::to_string(mCol.size() + 1);
        mCol.push_back(std::move(r));
        return *mCol.back();
    }
    void Quitar(int32_t posicion) { mCol.erase(mCol.begin() + static_cast<std::ptrdiff_t>(Indice(posicion))); }
    void Vaciar() {
        // Last item first, as records are released one by one.
        while (!mCol.empty()) mCol.pop_back();
    }
    // Records as a raw span for the per-cycle scans (no iterator overhead).
    const Contenedor& Registros() const { return mCol; }

private:
    std::size_t Indice(int32_t posicion) const {
        if (posicion < 1 || posicion > count()) throw ErrorPosicion(posicion);
        return static_cast<std::size_t>(posicion - 1);
    }
    Contenedor mCol;
};
