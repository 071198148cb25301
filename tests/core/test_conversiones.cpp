#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>

#include "core/ConversionesNum.h"

namespace {

constexpr int32_t W(uint32_t u) { return static_cast<int32_t>(u); }
constexpr int32_t kCentinela = W(0x5EED5EED);

ClassRegistrosRn Rn(int32_t hi, int32_t lo) {
    ClassRegistrosRn r;
    r.HI(hi);
    r.LO(lo);
    return r;
}

const double kPi = 3.14159265358979323846;
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(Conversiones, ShortFloatWordReadsAsItsValue) {
    struct Caso { uint32_t w; double d; } casos[] = {
        {0x80000000, 0.0}, {0x80123456, 0.0}, {0x80FFFFFF, 0.0},
        {0x00000000, 1.0}, {0x00800000, -2.0}, {0x01000000, 2.0}, {0xFF800000, -1.0},
        {0xFF000000, 0.5}, {0x01400000, 3.0}, {0x06760000, 123.0}, {0x00C00000, -1.5},
        {0x01490FDB, 13176795.0 / 4194304.0},  // pi as the nearest short float
        {0x00FFFFFF, -1.0 - std::ldexp(1.0, -23)},
        {0x7F7FFFFF, std::ldexp(2.0 - std::ldexp(1.0, -23), 127)},
        {0x81000000, std::ldexp(1.0, -127)},
    };
    for (auto c : casos) {
        double d = -999.0;
        EXPECT_EQ(ConvertirFlotDSPADoble(W(c.w), d), 0);
        EXPECT_EQ(d, c.d) << std::hex << c.w;
    }
}

TEST(Conversiones, DoubleWritesAsTruncatedShortFloatOrFailsWithOverflow) {
    struct Caso { double d; int16_t codigo; uint32_t w; } casos[] = {
        {0.0, 0, 0x80000000}, {-0.0, 0, 0x80000000},
        {1.0, 0, 0x00000000}, {-1.0, 0, 0xFF800000}, {0.5, 0, 0xFF000000},
        {-1.5, 0, 0x00C00000}, {3.0, 0, 0x01400000}, {123.0, 0, 0x06760000},
        {-2.0, 0, 0x00800000}, {kPi, 0, 0x01490FDA},  // truncated, not rounded
        {-kPi, 0, 0x01B6F026},
        // Just beyond -1: the fraction saturates instead of doubling to -2.
        {-(1.0 + std::ldexp(1.0, -30)), 0, 0x00FFFFFF},
        {std::ldexp(1.5, 127), 0, 0x7F400000},
        {std::ldexp(1.0, -128), 0, 0x80000000},  // exponent -128 reads as 0
        {std::ldexp(1.0, 128), 6, 0}, {std::ldexp(-1.0, 129), 6, 0},
        {std::ldexp(1.0, -129), 6, 0}, {kInf, 6, 0}, {-kInf, 6, 0}, {kNaN, 6, 0},
    };
    for (auto c : casos) {
        int32_t w = kCentinela;
        EXPECT_EQ(ConvertirDobleAFlotDSP(c.d, w), c.codigo) << c.d;
        EXPECT_EQ(w, c.codigo ? kCentinela : W(c.w)) << c.d;
    }
}

TEST(Conversiones, EveryNonZeroShortFloatWordRoundTrips) {
    std::mt19937 gen(7);
    for (int i = 0; i < 20000; ++i) {
        int32_t w = static_cast<int32_t>(gen());
        if ((static_cast<uint32_t>(w) >> 24) == 0x80) continue;
        double d;
        ConvertirFlotDSPADoble(w, d);
        int32_t back = 0;
        ASSERT_EQ(ConvertirDobleAFlotDSP(d, back), 0);
        ASSERT_EQ(back, w) << std::hex << w;
    }
}

TEST(Conversiones, DoubleWritesExtendedRegisterWithSignedFraction) {
    struct Caso { double d; int16_t codigo; int32_t hi; uint32_t lo; } casos[] = {
        {0.0, 0, 128, 0x00000000}, {1.0, 0, 0, 0x00000000}, {-1.0, 0, -1, 0x80000000},
        {-1.5, 0, 0, 0xC0000000}, {1.5, 0, 0, 0x40000000}, {-2.0, 0, 0, 0x80000000},
        {kPi, 0, 1, 0x490FDAA2}, {std::ldexp(1.0, 127), 0, 127, 0},
        {-(1.0 + std::ldexp(1.0, -40)), 0, 0, 0xFFFFFFFF},  // saturated fraction
        {std::ldexp(1.0, 128), 6, 0, 0}, {std::ldexp(1.0, -129), 6, 0, 0},
        {kInf, 6, 0, 0}, {kNaN, 6, 0, 0},
    };
    for (auto c : casos) {
        ClassRegistrosRn r = Rn(77, kCentinela);
        EXPECT_EQ(ConvertirDobleAFlotExt(c.d, r), c.codigo) << c.d;
        EXPECT_EQ(r.HI(), c.codigo ? 77 : c.hi) << c.d;
        EXPECT_EQ(r.LO(), c.codigo ? kCentinela : W(c.lo)) << c.d;
    }
}

TEST(Conversiones, ExtendedRegisterReadsWithBit7OfHIAsExponentSign) {
    struct Caso { int32_t hi; uint32_t lo; double d; } casos[] = {
        {128, 0x12345678, 0.0}, {-128, 0x7FFFFFFF, 0.0}, {0x180, 0, 0.0},
        {0, 0, 1.0}, {-1, 0x80000000, -1.0}, {0xFF, 0, 0.5}, {0, 0xC0000000, -1.5},
        {127, 0, std::ldexp(1.0, 127)}, {0, 0xFFFFFFFF, -1.0 - std::ldexp(1.0, -31)},
    };
    for (auto c : casos) {
        double d = -999.0;
        EXPECT_EQ(ConvertirFlotExtADoble(Rn(c.hi, W(c.lo)), d), 0);
        EXPECT_EQ(d, c.d) << c.hi << " " << std::hex << c.lo;
    }
}

TEST(Conversiones, EveryNonZeroExtendedValueRoundTrips) {
    std::mt19937 gen(11);
    for (int i = 0; i < 20000; ++i) {
        int32_t hi = static_cast<int32_t>(gen() % 255) - 127;  // -127..127
        ClassRegistrosRn r = Rn(hi, static_cast<int32_t>(gen()));
        double d;
        ConvertirFlotExtADoble(r, d);
        ClassRegistrosRn back;
        ASSERT_EQ(ConvertirDobleAFlotExt(d, back), 0);
        ASSERT_EQ(back, r) << hi << " " << std::hex << r.LO();
    }
}

TEST(Conversiones, SinglePrecisionViewReadsValuesAndSpecials) {
    struct Caso { uint32_t w; int16_t codigo; double d; } casos[] = {
        {0xFF000000, 1, 0}, {0xFF800000, 1, 0}, {0xFF000001, 2, 0}, {0xFFFFFFFF, 2, 0},
        {0x7F000000, 0, 1.0}, {0x7F800000, 0, -1.0}, {0x80000000, 0, 2.0},
        {0x80400000, 0, 3.0}, {0x7E800000, 0, -0.5}, {0x00000000, 0, 0.0},
        {0x00000001, 0, std::ldexp(1.0, -150)}, {0x00800001, 0, -std::ldexp(1.0, -150)},
        {0x007FFFFF, 0, std::ldexp(8388607.0, -150)},
    };
    for (auto c : casos) {
        double d = -999.0;
        EXPECT_EQ(ConvertirIEEEADoble(W(c.w), d), c.codigo) << std::hex << c.w;
        EXPECT_EQ(d, c.codigo ? -999.0 : c.d) << std::hex << c.w;
    }
}

TEST(Conversiones, DoubleWritesSinglePrecisionViewOverTheReadersRange) {
    struct Caso { double d; int16_t codigo; uint32_t w; } casos[] = {
        {0.0, 0, 0}, {1.0, 0, 0x7F000000}, {-0.5, 0, 0x7E800000}, {3.0, 0, 0x80400000},
        {std::ldexp(1.0, -126), 0, 0x01000000},
        {std::ldexp(2.0 - std::ldexp(1.0, -23), 127), 0, 0xFE7FFFFF},
        {std::ldexp(1.0, -140), 0, 0x00000400}, {-std::ldexp(1.0, -140), 0, 0x00800400},
        {std::ldexp(1.5, -127), 0, 0x007FFFFF},  // capped at the largest small fraction
        {std::ldexp(1.0, -160), 0, 0},
        {std::ldexp(1.0, 128), 6, 0}, {-std::ldexp(1.0, 200), 6, 0}, {kInf, 6, 0}, {kNaN, 6, 0},
    };
    for (auto c : casos) {
        int32_t w = kCentinela;
        EXPECT_EQ(ConvertirDobleAIEEE(c.d, w), c.codigo) << c.d;
        EXPECT_EQ(w, c.codigo ? kCentinela : W(c.w)) << c.d;
    }
}

TEST(Conversiones, EveryFiniteSinglePrecisionViewWordRoundTrips) {
    std::mt19937 gen(13);
    for (int i = 0; i < 20000; ++i) {
        uint32_t u = gen();
        uint32_t b = u >> 24;
        if (b == 255 || (u & 0xFF7FFFFFu) == 0) continue;  // specials and the two zeros
        double d;
        ASSERT_EQ(ConvertirIEEEADoble(W(u), d), 0);
        int32_t back = 0;
        ASSERT_EQ(ConvertirDobleAIEEE(d, back), 0);
        ASSERT_EQ(back, W(u)) << std::hex << u;
    }
}

TEST(Conversiones, HexBaseAndBinaryTexts) {
    EXPECT_EQ(FormatoHex(-1), "FFFFFFFF");
    EXPECT_EQ(FormatoHex(0), "00000000");
    EXPECT_EQ(FormatoHex(42), "0000002A");
    EXPECT_EQ(FormatoHex(INT32_MIN), "80000000");
    EXPECT_EQ(ConvertirBinario(5), std::string(29, '0') + "101");
    EXPECT_EQ(ConvertirBinario(INT32_MIN), "1" + std::string(31, '0'));

    struct Caso { int32_t v; int16_t base, cifras; const char* texto; } casos[] = {
        {255, 16, 6, "0000FF"}, {-5, 16, 6, "-000005"}, {0, 2, 0, "0"}, {0x123456, 16, 2, "123456"},
        {35, 36, 0, "Z"}, {10, 2, 8, "00001010"}, {INT32_MIN, 16, 0, "-80000000"},
        {INT32_MAX, 10, 0, "2147483647"}, {5, 1, 0, ""}, {5, 0, 4, ""}, {5, 37, 0, ""}, {5, -16, 0, ""},
    };
    for (auto c : casos)
        EXPECT_EQ(ConvertirBase(c.v, c.base, c.cifras), c.texto) << c.v << " base " << c.base;
}

TEST(Conversiones, WordShownInEachDisplayFormat) {
    struct Caso { uint32_t v; int16_t formato; const char* texto; } casos[] = {
        {42, 0, "0000002A"}, {42, 1, " 42"}, {0xFFFFFFFF, 1, " 4294967295"},
        {0, 2, "+0"}, {42, 2, "+42"}, {0xFFFFFFD6, 2, "-42"}, {0x80000000, 2, "-2147483648"},
        {0x80000000, 3, "+0.000000e+00"}, {0x80FFFFFF, 3, "+0.000000e+00"},
        {0x00000000, 3, "+1.000000e+00"}, {0x00C00000, 3, "-1.500000e+00"},
        {0xFD800000, 3, "-2.500000e-01"}, {0x06760000, 3, "+1.230000e+02"},
        {0x7F7FFFFF, 3, "+3.402823e+38"},
        {0xFF000000, 4, "Inf."}, {0xFF000001, 4, "NaN."}, {0x7F000000, 4, "+1.000000e+00"},
        {0x00000000, 4, "+0.000000e+00"}, {0x7E800000, 4, "-5.000000e-01"},
        {42, 5, ""}, {42, -1, ""},
    };
    for (auto c : casos)
        EXPECT_EQ(FormatearValor(W(c.v), c.formato), c.texto) << std::hex << c.v << " f" << c.formato;
}

TEST(Conversiones, ExtendedRegisterShownInEachDisplayFormat) {
    ClassRegistrosRn cero;
    ASSERT_EQ(ConvertirDobleAFlotExt(0.0, cero), 0);
    struct Caso { ClassRegistrosRn r; int16_t formato; const char* texto; } casos[] = {
        {cero, 0, "8000000000"}, {Rn(-1, W(0x80000000)), 0, "FF80000000"},
        {Rn(0x1234, 42), 0, "340000002A"},
        {Rn(5, -1), 1, " 4294967295"}, {Rn(5, -7), 2, "-7"},
        {Rn(-1, W(0x80000000)), 3, "-1.000000e+00"}, {cero, 3, "+0.000000e+00"},
        {Rn(0, W(0x80400000)), 4, "+3.000000e+00"},  // the view of LO
        {Rn(0, 0), 5, ""},
    };
    for (auto& c : casos)
        EXPECT_EQ(FormatearValorExt(c.r, c.formato), c.texto) << "f" << c.formato;
}

TEST(Conversiones, UnsignedValues) {
    EXPECT_EQ(ConvertirSinSigno(-1), 4294967295LL);
    EXPECT_EQ(ConvertirSinSigno(INT32_MIN), 2147483648LL);
    EXPECT_EQ(ConvertirSinSigno(7), 7);
    struct Caso { double c; int16_t codigo; int32_t v; } casos[] = {
        {0, 0, 0}, {4294967295.0, 0, -1}, {2147483648.0, 0, INT32_MIN},
        {2147483647.5, 0, INT32_MIN},  // rounds to 2^31 first, then wraps
        {2147483647.4, 0, INT32_MAX}, {2.5, 0, 2}, {3.5, 0, 4},
        {-0.1, 1, 0}, {4294967295.5, 1, 0}, {4294967296.0, 1, 0}, {kNaN, 1, 0},
    };
    for (auto c : casos) {
        int32_t v = kCentinela;
        EXPECT_EQ(ConvertirSinSignoALargo(c.c, v), c.codigo) << c.c;
        EXPECT_EQ(v, c.codigo ? kCentinela : c.v) << c.c;
    }
}

TEST(Conversiones, TextParsedInEachDisplayFormat) {
    struct Caso { int16_t formato; const char* texto; int16_t codigo; uint32_t v; } casos[] = {
        {0, "ffffffff", 0, 0xFFFFFFFF}, {0, "2A", 0, 42}, {0, " FF ", 0, 255},
        {0, "000000001", 0, 1}, {0, "123456789", 6, 0}, {0, "", 13, 0}, {0, "   ", 13, 0},
        {0, "xyz", 13, 0}, {0, "&HFF", 13, 0}, {0, "-1", 13, 0},
        {1, "abc", 0, 0}, {1, "12abc", 0, 12}, {1, "4294967295", 0, 0xFFFFFFFF},
        {1, "4294967296", 1, 0}, {1, "-1", 1, 0}, {1, "1 2\t3", 0, 123},
        {1, "&HFF", 0, 255}, {1, "&O17", 0, 15}, {1, "2.5", 0, 2}, {1, "3.5", 0, 4},
        {1, "2.50004", 0, 2}, {1, "2147483647.5", 0, 0x80000000}, {1, "4294967295.4", 1, 0},
        {1, "1e3", 0, 1000}, {1, "1e400", 1, 0}, {1, "", 13, 0},
        {2, "42", 0, 42}, {2, "-42", 0, 0xFFFFFFD6}, {2, "+7", 0, 7}, {2, " 9 ", 0, 9},
        {2, "2.5", 0, 2}, {2, "3.5", 0, 4}, {2, "-2147483648", 0, 0x80000000},
        {2, "2147483648", 6, 0}, {2, "2147483647.5", 6, 0}, {2, "1e3", 0, 1000},
        {2, "abc", 13, 0}, {2, "12abc", 13, 0}, {2, "0x10", 13, 0}, {2, "inf", 13, 0},
        {2, "", 13, 0},
        {3, "1", 0, 0x00000000}, {3, "-1.5", 0, 0x00C00000}, {3, "3.14159265358979", 0, 0x01490FDA},
        {3, "0", 0, 0x80000000}, {3, ".5", 0, 0xFF000000}, {3, "1E2", 0, 0x06480000},
        {3, "1e39", 6, 0}, {3, "1e400", 6, 0}, {3, "1e-400", 6, 0}, {3, "0.000", 0, 0x80000000},
        {3, "inf", 13, 0}, {3, "nan", 13, 0}, {3, "0x1p3", 13, 0}, {3, "1,5", 13, 0},
        {3, "abc", 13, 0}, {3, "1e", 13, 0}, {3, "", 13, 0},
        {4, "3", 0, 0x80400000}, {4, "-0.5", 0, 0x7E800000}, {4, "1e39", 6, 0}, {4, "nan", 13, 0},
        {7, "12", 0, 0x5EED5EED}, {-1, "", 0, 0x5EED5EED},  // nothing parsed
    };
    for (auto c : casos) {
        int32_t v = kCentinela;
        EXPECT_EQ(InterpretarValor(v, c.formato, c.texto), c.codigo) << "f" << c.formato << " '" << c.texto << "'";
        EXPECT_EQ(v, c.codigo ? kCentinela : W(c.v)) << "f" << c.formato << " '" << c.texto << "'";
    }
}

TEST(Conversiones, TextParsedIntoExtendedRegisterWritesNothingOnFailure) {
    struct Caso { int16_t formato; const char* texto; int16_t codigo; int32_t hi; uint32_t lo; } casos[] = {
        {0, "0102030405", 0, 1, 0x02030405}, {0, "102030405", 0, 1, 0x02030405},
        {0, "FF", 0, 0, 0xFF}, {0, "FF80000000", 0, 255, 0x80000000},
        {0, "12345678901", 1, 0, 0}, {0, "", 13, 0, 0}, {0, "1G0000000", 13, 0, 0},
        {0, "G100000000", 13, 0, 0},
        {1, "7", 0, 9, 7}, {1, "4294967296", 1, 0, 0},
        {2, "-5", 0, 9, 0xFFFFFFFB}, {2, "x", 13, 0, 0},
        {3, "-1.5", 0, 0, 0xC0000000}, {3, "0", 0, 128, 0}, {3, "1e300", 6, 0, 0}, {3, "", 13, 0, 0},
        {4, "3", 0, 9, 0x80400000}, {4, "1e39", 6, 0, 0},
        {5, "1", 0, 9, 0x5EED5EED},  // nothing parsed
    };
    for (auto c : casos) {
        ClassRegistrosRn r = Rn(9, kCentinela);
        EXPECT_EQ(InterpretarValorExt(r, c.formato, c.texto), c.codigo) << "f" << c.formato << " '" << c.texto << "'";
        ClassRegistrosRn esperado = c.codigo ? Rn(9, kCentinela) : Rn(c.hi, W(c.lo));
        EXPECT_EQ(r, esperado) << "f" << c.formato << " '" << c.texto << "'";
    }
}

TEST(Conversiones, ShownTextParsesBackToTheSameWord) {
    const uint32_t palabras[] = {0, 1, 42, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x01400000, 0x00C00000};
    for (uint32_t p : palabras)
        for (int16_t f = 0; f <= 2; ++f) {
            int32_t v = kCentinela;
            EXPECT_EQ(InterpretarValor(v, f, FormatearValor(W(p), f)), 0);
            EXPECT_EQ(v, W(p)) << std::hex << p << " f" << f;
        }
}

TEST(Conversiones, FloatTextsFollowTheLocalesDecimalPointBothWays) {
    const char* previo = std::setlocale(LC_NUMERIC, nullptr);
    const std::string guardado = previo ? previo : "C";
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8")) GTEST_SKIP() << "no es_ES.UTF-8 locale";
    const std::string texto = FormatearValor(W(0x00400000), 3);
    int32_t corto = kCentinela, ieee = kCentinela, sinSigno = kCentinela, otro = kCentinela;
    const int16_t codigoCorto = InterpretarValor(corto, 3, texto);
    const int16_t codigoIeee = InterpretarValor(ieee, 4, "1,5");
    const int16_t codigoPunto = InterpretarValor(otro, 3, "1.5");
    const int16_t codigoSinSigno = InterpretarValor(sinSigno, 1, "2.5");  // always "."
    std::setlocale(LC_NUMERIC, guardado.c_str());
    EXPECT_EQ(texto, "+1,500000e+00");
    EXPECT_EQ(codigoCorto, 0);
    EXPECT_EQ(corto, 0x00400000);
    EXPECT_EQ(codigoIeee, 0);
    EXPECT_EQ(ieee, 0x7F400000);
    EXPECT_NE(codigoPunto, 0);
    EXPECT_EQ(codigoSinSigno, 0);
    EXPECT_EQ(sinSigno, 2);  // 2.5 rounds half to even
}
