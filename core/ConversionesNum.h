// Conversions between the processor's number representations and host
// numbers or text: the short (32-bit) and extended (40-bit) floating point,
// the single-precision view, unsigned values, and the five display formats
// (0 hexadecimal, 1 unsigned, 2 signed, 3 short float, 4 single-precision view).
// Plain stateless functions; failures are returned as codes, never thrown.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

#include "core/ClassRegistrosRn.h"

// Codes returned by the parsers and writers.
inline constexpr int16_t kErrNoNumero = 13;     // the text is no number
inline constexpr int16_t kErrDesbordamiento = 6; // out of the target's range
inline constexpr int16_t kErrSinSigno = 1;      // unsigned value out of range

// 8 upper-case hexadecimal digits of v's bit pattern.
std::string FormatoHex(int32_t v);
// 10 upper-case hexadecimal digits: the low byte of HI, then LO.
std::string FormatoHexExt(const ClassRegistrosRn& r);
// v's magnitude in base 2..36 (upper-case letters above 9), left-padded with
// "0" to `digitos` characters, "-" in front of a negative v; "" for another base.
std::string ConvertirBase(int32_t v, int16_t base, int16_t digitos);
// 32 characters "0"/"1", bit 31 first.
std::string ConvertirBinario(int32_t v);

// The word's bit pattern read as unsigned, 0..4294967295.
int64_t ConvertirSinSigno(int32_t v);
// c in 0..4294967295: v := c rounded half to even, as the 32-bit pattern; 0.
// Outside: 1, v untouched.
int16_t ConvertirSinSignoALargo(double c, int32_t& v);

namespace conversion_detalle {
// 2^k for -1022 <= k <= 1023, built from its bits; multiplying by it is exact
// while the product stays a normal double.
inline double Potencia2(int k) {
    return std::bit_cast<double>(static_cast<uint64_t>(k + 1023) << 52);
}
// The extended register for an exponent outside -127..127.
int16_t ConvertirFlotExtADobleLejano(int32_t e, double mant, double& d);
}  // namespace conversion_detalle

// Short float word to double; always 0.
inline int16_t ConvertirFlotDSPADoble(int32_t w, double& d) {
    const int e = static_cast<int8_t>(static_cast<uint32_t>(w) >> 24);
    if (e == -128) {
        d = 0.0;
        return 0;
    }
    const uint32_t f = static_cast<uint32_t>(w) & 0x7FFFFFu;
    const bool s = (static_cast<uint32_t>(w) & 0x800000u) != 0;
    const int32_t mant = s ? static_cast<int32_t>(f | 0xFF000000u) : static_cast<int32_t>(f | 0x800000u);
    d = static_cast<double>(mant) * conversion_detalle::Potencia2(e - 23);  // e - 23 in -150..104
    return 0;
}
// Double to short float word (truncating); 6 when the exponent falls outside
// -128..127 or d is not finite, w then untouched.
int16_t ConvertirDobleAFlotDSP(double d, int32_t& w);
// Extended register to double; always 0.
inline int16_t ConvertirFlotExtADoble(const ClassRegistrosRn& r, double& d) {
    const int32_t hi = r.HI();
    const int32_t e = (hi & 0x80) ? static_cast<int32_t>(static_cast<uint32_t>(hi) | 0xFFFFFF00u) : hi;
    if (e == -128) {
        d = 0.0;
        return 0;
    }
    const uint32_t lo = static_cast<uint32_t>(r.LO());
    const double f = static_cast<double>(lo & 0x7FFFFFFFu);
    const double mant = (lo & 0x80000000u) ? f - 4294967296.0 : f + 2147483648.0;
    if (e < -127 || e > 127) return conversion_detalle::ConvertirFlotExtADobleLejano(e, mant, d);
    d = mant * conversion_detalle::Potencia2(e - 31);  // exact: e - 31 in -158..96
    return 0;
}
// Double to extended register (truncating); 6 when the exponent falls outside
// -128..127 or d is not finite, the register then untouched.
int16_t ConvertirDobleAFlotExt(double d, ClassRegistrosRn& r);
// Single-precision view word to double: 0 done, 1 infinite, 2 not a number
// (d untouched for 1 and 2).
int16_t ConvertirIEEEADoble(int32_t w, double& d);
// Double to single-precision view word (truncating); 6 when |d| is beyond the
// view's largest exponent or d is not finite, w then untouched.
int16_t ConvertirDobleAIEEE(double d, int32_t& w);

// The word, or the extended register, shown in a display format; "" for a
// format outside 0..4.
std::string FormatearValor(int32_t v, int16_t formato);
std::string FormatearValorExt(const ClassRegistrosRn& r, int16_t formato);

// Parse text in a display format: 0 accepted, else 13 (no number), 6 (out of
// range) or 1 (unsigned out of range). Nothing is written on failure; a
// format outside 0..4 parses nothing and returns 0.
int16_t InterpretarValor(int32_t& v, int16_t formato, const std::string& texto);
int16_t InterpretarValorExt(ClassRegistrosRn& r, int16_t formato, const std::string& texto);
// Up to 10 hexadecimal digits: with 9 or 10, the first 1 or 2 give HI and the
// last 8 give LO; with 8 or fewer HI := 0. More than 10: 1.
int16_t InterpretarHexExt(const std::string& texto, ClassRegistrosRn& r);
