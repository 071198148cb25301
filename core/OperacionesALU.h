// Arithmetic shared by the instruction groups whose rows repeat one another
// (ASH and ASH3, MPYI and MPYI3, FIX and FIX||STI, ...): each computes its
// result and writes the pending flags it affects, nothing else.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "core/UnidadEjecucion.h"

namespace alu {

constexpr int16_t F(bool b) { return b ? 1 : 0; }
constexpr uint32_t U(int32_t v) { return static_cast<uint32_t>(v); }
constexpr int32_t S(uint32_t v) { return static_cast<int32_t>(v); }

// Bit n of v (n 0-31).
constexpr bool BitDe(int32_t v, int n) { return (U(v) >> n) & 1u; }

// The low 24 bits of v as a signed number.
constexpr int64_t Entero24(int32_t v) { return S(U(v) << 8) >> 8; }

// Flags of a result that cannot overflow (logical instructions and shifts):
// N from bit 31, Z, V and UF cleared.
inline void FlagsLogicos(int32_t r) {
    FlagsPendientesST.V = 0;
    FlagsPendientesST.UF = 0;
    FlagsPendientesST.N = F(r < 0);
    FlagsPendientesST.Z = F(r == 0);
}

// Shift count: the low 7 bits as a two's-complement number, positive to the left.
constexpr int32_t Cuenta(int32_t src) {
    const int32_t n = src & 0x7F;
    return (n & 0x40) ? n - 128 : n;
}

// Left shift by n > 0 places within 32 bits; C is the last bit shifted out.
inline int32_t DesplazarIzquierda(int32_t v, int32_t n) {
    FlagsPendientesST.C = F(n <= 32 && BitDe(v, 32 - n));
    return n < 32 ? S(U(v) << n) : 0;
}

// Arithmetic shift of v by n (count as Cuenta gives it): the sign fills from
// the left, C is the last bit out (0 for no shift), V when a left shift's
// exact value v x 2^n does not fit 32 bits (bits lost, not only a sign change).
inline int32_t Ash(int32_t v, int32_t n) {
    int32_t r;
    bool desborde = false;
    if (n > 0) {
        r = DesplazarIzquierda(v, n);
        desborde = n < 32 ? static_cast<int64_t>(v) * (int64_t{1} << n) != r : v != 0;
    } else if (n < 0) {
        const int32_t m = -n;
        FlagsPendientesST.C = F(BitDe(v, m <= 32 ? m - 1 : 31));
        r = m < 32 ? (v >> m) : (v < 0 ? -1 : 0);
    } else {
        FlagsPendientesST.C = 0;
        r = v;
    }
    FlagsLogicos(r);
    FlagsPendientesST.V = F(desborde);
    return r;
}

// Logical shift of v by n: zeros fill both ways, C is the last bit out; it
// never saturates.
inline int32_t Lsh(int32_t v, int32_t n) {
    int32_t r;
    if (n > 0) {
        r = DesplazarIzquierda(v, n);
    } else if (n < 0) {
        const int32_t m = -n;
        FlagsPendientesST.C = F(m <= 32 && BitDe(v, m - 1));
        r = m < 32 ? S(U(v) >> m) : 0;
    } else {
        FlagsPendientesST.C = 0;
        r = v;
    }
    FlagsLogicos(r);
    return r;
}

// Sum or difference formed exactly: C by the carry rule (for a difference
// pass the subtrahend first: the borrow), then the 32-bit result with V, UF,
// N and Z.
inline int32_t Aritmetica(int64_t x, int32_t a, int32_t b) {
    CalcularAcarreo(x, a, b);
    return ComprobarDesbordamiento(x);
}

// 24-bit multiply: the exact product of the low 24 bits of each operand; V
// when it leaves the 32-bit range, then wrap or saturate by OVM.
inline int32_t Mpyi(int32_t a, int32_t b) { return ComprobarDesbordamiento(Entero24(a) * Entero24(b)); }

// x with its two's-complement mantissa cut to `bits` fraction bits, the bits
// below dropped toward minus infinity. On the double's own fields: a negative
// x with bits dropped moves one place away from zero. x is 0 or a normal double.
inline double CortarMantisa(double x, int bits) {
    const uint64_t resto = (uint64_t{1} << (52 - bits)) - 1;
    uint64_t u = std::bit_cast<uint64_t>(x);
    if ((u & resto) == 0) return x;
    u &= ~resto;
    if (x < 0) u += resto + 1;  // may carry into the exponent: a power of two
    return std::bit_cast<double>(u);
}

// Float multiply: the operands take part with their single-precision values
// (an extended register's 8 low mantissa bits are ignored); the product,
// exact in a double, is cut to the 32-bit mantissa and clamped.
inline double Mpyf(double a, double b) {
    return LimitarFlotante(CortarMantisa(CortarMantisa(a, 23) * CortarMantisa(b, 23), 31));
}

// A float as the adder holds it: the 33-bit two's-complement mantissa m
// (sign, implied bit, 31 fraction bits) and the exponent e, x = m x 2^(e - 31);
// zero is mantissa 0 with exponent -128. Bits below the 31st fraction bit
// are dropped toward minus infinity. x is 0 or a normal double.
struct Mantisa {
    int64_t m;
    int e;
};

inline Mantisa Desarmar(double x) {
    if (x == 0) return {0, -128};
    const uint64_t u = std::bit_cast<uint64_t>(x);
    const int e = static_cast<int>((u >> 52) & 0x7FF) - 1023;
    const int64_t n = static_cast<int64_t>((u & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52));
    if (x > 0) return {n >> 21, e};
    if (n == int64_t{1} << 52) return {-(int64_t{1} << 32), e - 1};  // -2^e: mantissa -2, one lower
    return {(-n) >> 21, e};
}

// Float addition, or subtraction a - b, as the processor's adder forms it:
// the mantissa with the smaller exponent is shifted right by the difference
// (the bits shifted out dropped: toward minus infinity), the two are added or
// subtracted, a sum that overflows is shifted right one bit (its low bit
// dropped) and any other is normalised left with zeros coming in; then clamped.
inline double SumarMantisas(double a, double b, bool resta) {
    Mantisa x = Desarmar(a), y = Desarmar(b);
    const int e = x.e > y.e ? x.e : y.e;
    // Beyond 40 places every mantissa is already 0 or -1.
    x.m >>= e - x.e < 40 ? e - x.e : 40;
    y.m >>= e - y.e < 40 ? e - y.e : 40;
    int64_t s = resta ? x.m - y.m : x.m + y.m;
    if (s == 0) return LimitarFlotante(0.0);
    int k;
    if (s >= int64_t{1} << 32 || s < -(int64_t{1} << 32)) {
        s >>= 1;
        k = 1;
    } else {
        const int n = std::countl_zero(static_cast<uint64_t>(s ^ (s >> 63))) - 32;
        s = static_cast<int64_t>(static_cast<uint64_t>(s) << n);
        k = -n;
    }
    return LimitarFlotante(std::ldexp(static_cast<double>(s), e + k - 31));
}

inline double Addf(double a, double b) { return SumarMantisas(a, b, false); }
inline double Subf(double a, double b) { return SumarMantisas(a, b, true); }

// Float to integer: the largest integer not above x; out of range the
// saturated value with V. OVM plays no part.
inline int32_t Fix(double x) {
    const double f = std::floor(x);
    bool fuera = true;
    int32_t r;
    if (f > 2147483647.0)
        r = INT32_MAX;
    else if (!(f >= -2147483648.0))
        r = INT32_MIN;
    else {
        r = static_cast<int32_t>(f);
        fuera = false;
    }
    FlagsPendientesST.V = F(fuera);
    FlagsPendientesST.UF = 0;
    FlagsPendientesST.N = F(r < 0);
    FlagsPendientesST.Z = F(r == 0);
    return r;
}

}  // namespace alu
