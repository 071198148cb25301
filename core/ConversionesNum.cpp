#include "core/ConversionesNum.h"

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr double k2e31 = 2147483648.0;
constexpr double k2e32 = 4294967296.0;

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view Recortar(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

int ValorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Hexadecimal digits (surrounding blanks allowed) to a 32-bit pattern:
// 13 for no digits or a foreign character, 6 for more than 8 significant digits.
int16_t LeerHex32(std::string_view s, int32_t& v) {
    s = Recortar(s);
    if (s.empty()) return kErrNoNumero;
    uint64_t acc = 0;
    for (char c : s) {
        int h = ValorHex(c);
        if (h < 0) return kErrNoNumero;
        acc = (acc << 4) | static_cast<uint64_t>(h);
        if (acc > 0xFFFFFFFFull) return kErrDesbordamiento;  // keeps going would overflow
    }
    v = static_cast<int32_t>(static_cast<uint32_t>(acc));
    return 0;
}

// The decimal point of the current C locale, in which the floating-point
// texts are also written ("%e"); "." when it is not a single character.
char PuntoDecimal() {
    const char* p = std::localeconv()->decimal_point;
    return (p && p[0] != '\0' && p[1] == '\0') ? p[0] : '.';
}

// Decimal number text (surrounding blanks allowed): [sign] digits [punto
// digits] [e [sign] digits]. No hexadecimal, infinity or not-a-number forms;
// 6 for a number a double cannot hold.
int16_t LeerDoble(std::string_view s, double& d, char punto = PuntoDecimal()) {
    s = Recortar(s);
    size_t i = 0, n = s.size();
    bool negativo = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    size_t inicio = i;
    size_t cifrasEnteras = 0, cifrasFrac = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifrasEnteras;
    const size_t posPunto = i;
    if (i < n && s[i] == punto) {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifrasFrac;
    }
    if (cifrasEnteras + cifrasFrac == 0) return kErrNoNumero;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t ini = i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == ini) return kErrNoNumero;
    }
    if (i != n) return kErrNoNumero;
    // from_chars reads "." whatever the locale.
    std::string texto(s.substr(inicio));
    if (posPunto < n && s[posPunto] == punto) texto[posPunto - inicio] = '.';
    double x = 0.0;
    auto [p, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), x,
                                   std::chars_format::general);
    // Too large or too small for a double: out of range either way.
    if (ec == std::errc::result_out_of_range) return kErrDesbordamiento;
    if (ec != std::errc() || p != texto.data() + texto.size()) return kErrNoNumero;
    d = negativo ? -x : x;
    return 0;
}

// Decimal text to a 32-bit integer: a fraction is rounded half to even.
int16_t LeerEntero32(std::string_view s, int32_t& v) {
    double d;
    if (int16_t e = LeerDoble(s, d)) return e;
    double r = std::nearbyint(d);
    if (r < -k2e31 || r > k2e31 - 1.0) return kErrDesbordamiento;
    v = static_cast<int32_t>(r);
    return 0;
}

// The leading number of the text, read the lenient way of an unsigned entry:
// blanks, tabs and line feeds are ignored anywhere, reading stops at the
// first character that cannot continue the number, no number reads as 0;
// &H and &O read hexadecimal and octal digits. False when out of range.
bool LeerNumeroInicial(const std::string& texto, double& d) {
    std::string s;
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    size_t i = 0, n = s.size();
    if (n >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        double acc = 0.0;
        for (i = 2; i < n; ++i) {
            int h = ValorHex(s[i]);
            if (h < 0 || h >= base) break;
            acc = acc * base + h;
            if (acc > 1e18) return false;
        }
        d = acc;
        return true;
    }
    size_t ini = i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t cifras = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifras;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++cifras;
    }
    if (cifras == 0) {
        d = 0.0;
        return true;
    }
    size_t finMantisa = i;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        size_t iniExp = j;
        while (j < n && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > iniExp) {
            s[i] = 'e';
            finMantisa = j;
        }
    }
    double x;
    int16_t e = LeerDoble(std::string_view(s).substr(ini, finMantisa - ini), x, '.');
    if (e) return false;
    d = x;
    return true;
}

// The unsigned entry: kept to 4 decimal places, then to a 32-bit pattern.
int16_t LeerSinSigno(const std::string& texto, int32_t& v) {
    double d;
    if (!LeerNumeroInicial(texto, d) || !(std::fabs(d) < 1e14)) return kErrSinSigno;
    double c = std::nearbyint(d * 10000.0) / 10000.0;
    return ConvertirSinSignoALargo(c, v);
}

// Normalises x != 0 (finite) to 1 <= x < 2 (x > 0) or -2 <= x < -1 (x < 0),
// with x_in = x * 2^e.
void Normalizar(double& x, int& e) {
    constexpr uint64_t kBitsExponente = uint64_t{0x7FF} << 52;
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    const int sesgado = static_cast<int>((bits & kBitsExponente) >> 52);
    if (sesgado != 0) {
        // A normal double: its fraction bits with the exponent of 1 give x.
        x = std::bit_cast<double>((bits & ~kBitsExponente) | (uint64_t{1023} << 52));
        e = sesgado - 1023;
    } else {
        int exp2;
        const double m = std::frexp(x, &exp2);  // subnormal: 0.5 <= |m| < 1
        x = 2.0 * m;
        e = exp2 - 1;
    }
    if (x == -1.0) {
        x = -2.0;
        --e;
    }
}

// Normalises a finite d != 0 for the short and extended writers; false when
// d is not finite or its exponent falls outside -128..127.
bool NormalizarEnRango(double d, double& x, int& e) {
    if (!std::isfinite(d)) return false;
    x = d;
    Normalizar(x, e);
    return e >= -128 && e <= 127;
}

std::string FormatoCientifico(double d) {
    if (d == 0.0) d = 0.0;  // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%+.6e", d);
    return buf;
}

std::string FormatoSinSigno(int32_t v) {
    return " " + std::to_string(ConvertirSinSigno(v));
}

std::string FormatoConSigno(int32_t v) {
    return v > 0 ? "+" + std::to_string(v) : v == 0 ? "+0" : std::to_string(v);
}

bool TextoVacio(const std::string& texto) {
    for (char c : texto)
        if (!EsBlanco(c) && c != '\n' && c != '\r') return false;
    return true;
}

}  // namespace

std::string FormatoHex(int32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(static_cast<uint32_t>(v)));
    return buf;
}

std::string FormatoHexExt(const ClassRegistrosRn& r) {
    return FormatoHex(r.HI()).substr(6) + FormatoHex(r.LO());
}

std::string ConvertirBase(int32_t v, int16_t base, int16_t digitos) {
    if (base < 2 || base > 36) return "";
    static constexpr char kCifras[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int64_t m = v < 0 ? -static_cast<int64_t>(v) : v;
    std::string s;
    do {
        s.insert(s.begin(), kCifras[m % base]);
        m /= base;
    } while (m > 0);
    if (digitos > 0 && s.size() < static_cast<size_t>(digitos))
        s.insert(0, static_cast<size_t>(digitos) - s.size(), '0');
    if (v < 0) s.insert(s.begin(), '-');
    return s;
}

std::string ConvertirBinario(int32_t v) {
    std::string s(32, '0');
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 32; ++i)
        if (u & (1u << (31 - i))) s[i] = '1';
    return s;
}

int64_t ConvertirSinSigno(int32_t v) {
    return static_cast<int64_t>(static_cast<uint32_t>(v));
}

int16_t ConvertirSinSignoALargo(double c, int32_t& v) {
    if (!(c >= 0.0 && c <= 4294967295.0)) return kErrSinSigno;
    double r = std::nearbyint(c);  // halves to even; the wrap is decided on the rounded value
    if (r >= k2e31) r -= k2e32;
    v = static_cast<int32_t>(r);
    return 0;
}

int16_t ConvertirDobleAFlotDSP(double d, int32_t& w) {
    if (d == 0.0) {
        w = static_cast<int32_t>(0x80000000u);
        return 0;
    }
    double x;
    int e;
    if (!NormalizarEnRango(d, x, e)) return kErrDesbordamiento;
    int32_t m = static_cast<int32_t>(x * 8388608.0);  // x * 2^23, truncated
    uint32_t fraccion = static_cast<uint32_t>(m) & 0x7FFFFFu;
    // A product of exactly -2^23 would give fraction 0, doubling the magnitude.
    if (m == -8388608) fraccion = 0x7FFFFFu;
    uint32_t u = (static_cast<uint32_t>(e) << 24) | fraccion;
    if (x < 0) u |= 0x800000u;
    w = static_cast<int32_t>(u);
    return 0;
}

int16_t conversion_detalle::ConvertirFlotExtADobleLejano(int32_t e, double mant, double& d) {
    // Clamp so a huge stored exponent cannot overflow the int argument.
    if (e > 2000) e = 2000;
    if (e < -2000) e = -2000;
    d = std::ldexp(mant, e - 31);
    return 0;
}

int16_t ConvertirDobleAFlotExt(double d, ClassRegistrosRn& r) {
    if (d == 0.0) {
        r.HI(128);
        r.LO(0);
        return 0;
    }
    double x;
    int e;
    if (!NormalizarEnRango(d, x, e)) return kErrDesbordamiento;
    int64_t c = static_cast<int64_t>(x * k2e31);  // truncated
    uint32_t lo;
    if (x > 0) {
        lo = static_cast<uint32_t>(c - (int64_t{1} << 31));  // the fraction, sign 0
    } else {
        int64_t fraccion = c + (int64_t{1} << 32);
        // A product of exactly -2^31 saturates the fraction instead of doubling.
        if (fraccion == (int64_t{1} << 31)) fraccion = 0x7FFFFFFF;
        lo = static_cast<uint32_t>(fraccion) | 0x80000000u;
    }
    r.HI(e);
    r.LO(static_cast<int32_t>(lo));
    return 0;
}

int16_t ConvertirIEEEADoble(int32_t w, double& d) {
    uint32_t u = static_cast<uint32_t>(w);
    uint32_t b = u >> 24;
    uint32_t f = u & 0x7FFFFFu;
    double signo = (u & 0x800000u) ? -1.0 : 1.0;
    if (b == 255) return f == 0 ? 1 : 2;
    if (b == 0) {
        d = f == 0 ? 0.0 : signo * std::ldexp(static_cast<double>(f), -150);
        return 0;
    }
    d = signo * std::ldexp(static_cast<double>(f | 0x800000u), static_cast<int>(b) - 150);
    return 0;
}

int16_t ConvertirDobleAIEEE(double d, int32_t& w) {
    if (d == 0.0) {
        w = 0;
        return 0;
    }
    if (!std::isfinite(d)) return kErrDesbordamiento;
    double x = std::fabs(d);
    uint32_t signo = d < 0 ? 0x800000u : 0u;
    int e;
    Normalizar(x, e);
    int b = e + 127;
    if (b > 254) return kErrDesbordamiento;
    uint32_t u;
    if (b >= 1) {
        uint32_t fraccion = static_cast<uint32_t>(x * 8388608.0) & 0x7FFFFFu;
        u = (static_cast<uint32_t>(b) << 24) | fraccion;
    } else {
        // Below 2^-126 the view's exponent byte 0 holds f x 2^-150.
        double f = std::trunc(std::ldexp(std::fabs(d), 150));
        u = f >= 8388607.0 ? 0x7FFFFFu : static_cast<uint32_t>(f);
    }
    w = (u == 0) ? 0 : static_cast<int32_t>(u | signo);
    return 0;
}

std::string FormatearValor(int32_t v, int16_t formato) {
    double d = 0.0;
    switch (formato) {
    case 0: return FormatoHex(v);
    case 1: return FormatoSinSigno(v);
    case 2: return FormatoConSigno(v);
    case 3:
        ConvertirFlotDSPADoble(v, d);
        return FormatoCientifico(d);
    case 4:
        switch (ConvertirIEEEADoble(v, d)) {
        case 1: return "Inf.";
        case 2: return "NaN.";
        default: return FormatoCientifico(d);
        }
    default: return "";
    }
}

std::string FormatearValorExt(const ClassRegistrosRn& r, int16_t formato) {
    switch (formato) {
    case 0: return FormatoHexExt(r);
    case 3: {
        double d = 0.0;
        ConvertirFlotExtADoble(r, d);
        return FormatoCientifico(d);
    }
    case 1:
    case 2:
    case 4: return FormatearValor(r.LO(), formato);
    default: return "";
    }
}

int16_t InterpretarValor(int32_t& v, int16_t formato, const std::string& texto) {
    if (formato < 0 || formato > 4) return 0;
    if (TextoVacio(texto)) return kErrNoNumero;
    int32_t w = 0;
    double d = 0.0;
    int16_t e = 0;
    switch (formato) {
    case 0: e = LeerHex32(texto, w); break;
    case 1: e = LeerSinSigno(texto, w); break;
    case 2: e = LeerEntero32(texto, w); break;
    case 3:
        e = LeerDoble(texto, d);
        if (!e) e = ConvertirDobleAFlotDSP(d, w);
        break;
    case 4:
        e = LeerDoble(texto, d);
        if (!e) e = ConvertirDobleAIEEE(d, w);
        break;
    }
    if (!e) v = w;
    return e;
}

int16_t InterpretarValorExt(ClassRegistrosRn& r, int16_t formato, const std::string& texto) {
    if (formato < 0 || formato > 4) return 0;
    if (formato == 0) return InterpretarHexExt(texto, r);
    if (formato == 3) {
        if (TextoVacio(texto)) return kErrNoNumero;
        double d;
        if (int16_t e = LeerDoble(texto, d)) return e;
        return ConvertirDobleAFlotExt(d, r);
    }
    // Formats 1, 2 and 4 give LO its word view and keep HI.
    int32_t lo = r.LO();
    int16_t e = InterpretarValor(lo, formato, texto);
    if (!e) r.LO(lo);
    return e;
}

int16_t InterpretarHexExt(const std::string& texto, ClassRegistrosRn& r) {
    std::string_view s = Recortar(texto);
    if (s.size() > 10) return 1;
    size_t nHi = s.size() > 8 ? s.size() - 8 : 0;
    int32_t hi = 0, lo = 0;
    if (nHi > 0)
        if (int16_t e = LeerHex32(s.substr(0, nHi), hi)) return e;
    if (int16_t e = LeerHex32(s.substr(nHi), lo)) return e;
    r.HI(hi);
    r.LO(lo);
    return 0;
}
