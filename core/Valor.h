// Operand value carried by the instruction record and taken by the register
// file and the memory: empty, a signed 32-bit integer or a double.
// Small and trivially copyable so the clock cycle can pass it around freely.
#pragma once

#include <cmath>
#include <cstdint>

enum class TipoValor : uint8_t { Vacio, Entero, Doble };

struct Valor {
    TipoValor tipo = TipoValor::Vacio;
    int32_t entero = 0;
    double doble = 0.0;

    static constexpr Valor Vacio() { return Valor{}; }
    static constexpr Valor Entero(int32_t v) { return Valor{TipoValor::Entero, v, 0.0}; }
    static constexpr Valor Doble(double d) { return Valor{TipoValor::Doble, 0, d}; }

    constexpr bool EsVacio() const { return tipo == TipoValor::Vacio; }
    constexpr bool EsEntero() const { return tipo == TipoValor::Entero; }
    constexpr bool EsDoble() const { return tipo == TipoValor::Doble; }

    // The value as a double; empty counts as 0.
    constexpr double ComoDoble() const {
        return tipo == TipoValor::Entero ? static_cast<double>(entero)
             : tipo == TipoValor::Doble  ? doble : 0.0;
    }

    // The value as a 32-bit integer; empty counts as 0. A double is rounded
    // half to even and saturated to the 32-bit range (NaN gives 0).
    int32_t ComoEntero() const {
        if (tipo == TipoValor::Entero) return entero;
        if (tipo != TipoValor::Doble || std::isnan(doble)) return 0;
        double r = std::nearbyint(doble);
        if (r >= 2147483647.0) return INT32_MAX;
        if (r <= -2147483648.0) return INT32_MIN;
        return static_cast<int32_t>(r);
    }

    friend constexpr bool operator==(const Valor&, const Valor&) = default;
};
