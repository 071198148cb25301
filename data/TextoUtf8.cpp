#include "data/TextoUtf8.h"

#include <cstdint>

namespace {

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF.
bool EsUtf8(std::string_view s) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = byte(i);
        std::size_t n = 0;
        unsigned char bajo = 0x80, alto = 0xBF;  // range of the second byte
        if (c < 0x80) n = 0;
        else if (c >= 0xC2 && c <= 0xDF) n = 1;
        else if (c == 0xE0) n = 2, bajo = 0xA0;
        else if (c == 0xED) n = 2, alto = 0x9F;
        else if (c >= 0xE1 && c <= 0xEF) n = 2;
        else if (c == 0xF0) n = 3, bajo = 0x90;
        else if (c == 0xF4) n = 3, alto = 0x8F;
        else if (c >= 0xF1 && c <= 0xF3) n = 3;
        else return false;
        if (s.size() - i - 1 < n) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const unsigned char d = byte(i + k);
            if (k == 1 ? (d < bajo || d > alto) : (d & 0xC0) != 0x80) return false;
        }
        i += n + 1;
    }
    return true;
}

// Code points of the bytes 0x80-0x9F in Windows-1252; the five unused bytes
// keep their own value, as Windows converts them.
constexpr char16_t kW1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AnadirUtf8(std::string& t, char32_t cp) {
    if (cp < 0x80) {
        t += static_cast<char>(cp);
    } else if (cp < 0x800) {
        t += static_cast<char>(0xC0 | (cp >> 6));
        t += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        t += static_cast<char>(0xE0 | (cp >> 12));
        t += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        t += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string TextoUtf8(std::string_view s) {
    if (EsUtf8(s)) return std::string(s);
    std::string t;
    t.reserve(s.size() + s.size() / 4);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        AnadirUtf8(t, c >= 0x80 && c <= 0x9F ? kW1252[c - 0x80] : c);
    }
    return t;
}
