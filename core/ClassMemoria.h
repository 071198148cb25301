// The simulated memory: the memory-map regions in decoding order (first
// match wins), one word array per region kind, word read and write with an
// error flag (0 done, 1 unmapped address), instruction fetch, data access as
// integer or short float, and the log of data addresses of the current cycle.
#pragma once

#include <array>
#include <cstdint>

#include "core/ClassTablaAsig.h"
#include "core/ConversionesNum.h"
#include "core/Valor.h"

class ClassMemoria {
public:
    static constexpr int kMaxSecciones = 5;
    static constexpr int kMaxAccesos = 6;

    ClassMemoria();
    ClassMemoria(const ClassMemoria&) = delete;
    ClassMemoria& operator=(const ClassMemoria&) = delete;

    // Rebuilds the map from the ConfigMem bits (1 vectors, 4 RAM block 1,
    // 8 ROM, 16 peripherals; RAM block 0 always), every word 0.
    void Inicializar(int32_t flags);

    int32_t NumSecciones() const { return numSecciones_; }
    // Row 1..NumSecciones(); the row itself, so changes act on the map.
    // Outside that range a detached empty row.
    ClassTablaAsig& TablaAsig(int32_t i);
    const ClassTablaAsig& TablaAsig(int32_t i) const;

    // Position 1..NumSecciones() of the first row holding dir; 0 when none.
    int16_t BlockDecoDir(int32_t dir) const {
        for (int i = 0; i < numSecciones_; ++i)
            if (dir >= deco_[i].ini && dir <= deco_[i].fin) return static_cast<int16_t>(i + 1);
        return 0;
    }

    int16_t Lee(int32_t& valor, int32_t dir) const {
        const int32_t* p = Palabra(dir);
        if (!p) return 1;
        valor = *p;
        return 0;
    }
    int16_t Escribe(int32_t dir, int32_t valor) {
        int32_t* p = Palabra(dir);
        if (!p) return 1;
        *p = valor;
        if ((vigiladas_[Bloque(dir)] >> Bit(dir)) & 1u) ++escriturasVigiladas_;
        return 0;
    }
    // The word at dir itself (nullptr when unmapped), valid while Mapa() stays
    // the same; reading through it is not logged.
    const int32_t* Direccion(int32_t dir) const { return Palabra(dir); }
    // Tells this memory's map from every other map built before: a new value
    // at construction and at each Inicializar.
    uint64_t Mapa() const { return mapa_; }
    // Adds dir to the watched words (kept until the map is rebuilt).
    void Vigilar(int32_t dir) { vigiladas_[Bloque(dir)] |= uint64_t{1} << Bit(dir); }
    // Writes that may have changed a watched word: while it and Mapa() stay
    // the same, no watched word changed. Words are told apart by their low 10
    // address bits, so a write elsewhere may count too.
    uint64_t EscriturasVigiladas() const { return escriturasVigiladas_; }

    // The fetch's read: as Lee, not logged.
    int16_t LeeInstrDSP(int32_t& valor, int32_t dir) const { return Lee(valor, dir); }
    // A data read, logged on success; flotante reads the word as a short float.
    int16_t LeeDatoDSP(Valor& valor, int32_t dir, bool flotante) {
        const int32_t* p = Palabra(dir);
        if (!p) return 1;
        RegistrarAcceso(dir);
        if (flotante) {
            double d = 0.0;
            ConvertirFlotDSPADoble(*p, d);
            valor = Valor::Doble(d);
        } else {
            valor = Valor::Entero(*p);
        }
        return 0;
    }
    // A data write, logged even when dir is unmapped; flotante converts the
    // value to a short float word. A value that cannot be stored writes
    // nothing and gives 1.
    int16_t EscribeDatoDSP(const Valor& valor, int32_t dir, bool flotante) {
        if (flotante || !valor.EsEntero()) return EscribeDatoConvertido(valor, dir, flotante);
        RegistrarAcceso(dir);
        return Escribe(dir, valor.entero);
    }

    // The access log: entries 1..NumPosAccess(); entry 0 is 0; -1 elsewhere.
    int32_t MemPosAccess(int16_t i) const {
        return (i >= 0 && i <= numAccesos_) ? accesos_[i] : -1;
    }
    void Access_Clear() { numAccesos_ = 0; }
    int32_t NumPosAccess() const { return numAccesos_; }

private:
    struct Decodificacion {
        int32_t ini;
        int32_t fin;
        int32_t* datos;
    };

    // The map flattened into disjoint pieces, each owned by the first region
    // that holds it, so a look-up can start at the piece that served the last one.
    struct Tramo {
        int32_t ini = 1;  // an empty piece until the map is built
        int32_t fin = 0;
        int32_t* datos = nullptr;  // the word at ini
    };
    static constexpr int kMaxTramos = 2 * kMaxSecciones;

    const int32_t* Palabra(int32_t dir) const {
        const Tramo& t = tramos_[ultimoTramo_];
        if (dir >= t.ini && dir <= t.fin) return t.datos + (dir - t.ini);
        return BuscarPalabra(dir);
    }
    int32_t* Palabra(int32_t dir) {
        return const_cast<int32_t*>(static_cast<const ClassMemoria*>(this)->Palabra(dir));
    }
    const int32_t* BuscarPalabra(int32_t dir) const;
    // EscribeDatoDSP of a value that needs a conversion (or is empty).
    int16_t EscribeDatoConvertido(const Valor& valor, int32_t dir, bool flotante);
    void ConstruirTramos();

    void AgregarSeccion(const char* identificador, int32_t numID, int32_t color, int32_t ini,
                        int32_t fin, int32_t* datos);
    void BorrarSecciones();
    void RegistrarAcceso(int32_t dir) {
        if (numAccesos_ >= kMaxAccesos) numAccesos_ = 0;
        accesos_[++numAccesos_] = dir;
    }

    std::array<ClassTablaAsig, kMaxSecciones> filas_{};
    std::array<Decodificacion, kMaxSecciones> deco_{};
    int numSecciones_ = 0;
    ClassTablaAsig filaSuelta_{};

    std::array<int32_t, 64> vectores_{};
    std::array<int32_t, 1024> ram0_{};
    std::array<int32_t, 1024> ram1_{};
    std::array<int32_t, 4096> rom_{};
    std::array<int32_t, 101> perifericos_{};

    static uint32_t Bloque(int32_t dir) { return (static_cast<uint32_t>(dir) >> 6) & 15u; }
    static uint32_t Bit(int32_t dir) { return static_cast<uint32_t>(dir) & 63u; }

    static inline uint64_t sMapas = 0;
    std::array<uint64_t, 16> vigiladas_{};
    uint64_t mapa_ = ++sMapas;
    uint64_t escriturasVigiladas_ = 0;
    std::array<Tramo, kMaxTramos> tramos_{};
    int numTramos_ = 0;
    mutable int ultimoTramo_ = 0;

    std::array<int32_t, kMaxAccesos + 1> accesos_{};
    int numAccesos_ = 0;
};
