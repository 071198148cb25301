// The execute unit's shared helpers: integer result check, carry, float
// clamp, flag commit, condition codes and conditional loads.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"
#include "core/UnidadEjecucion.h"

using prueba::Maquina;
using prueba::Reg;

namespace {
bool St(int32_t bit) { return Reg().BIT_ST(bit); }
}  // namespace

TEST(Flags, ComprobarDesbordamiento) {
    Maquina m;
    struct Caso { int64_t x; bool ovm; int32_t r; int16_t v, n, z; };
    const Caso casos[] = {
        {2147483648LL, false, INT32_MIN, 1, 0, 0},
        {2147483648LL, true, INT32_MAX, 1, 0, 0},
        {-2147483649LL, false, INT32_MAX, 1, 1, 0},
        {-2147483649LL, true, INT32_MIN, 1, 1, 0},
        {4294967296LL, false, 0, 1, 0, 1},
        {-5, false, -5, 0, 1, 0},
        {0, true, 0, 0, 0, 1},
        {(1LL << 47) + 7, false, 7, 1, 0, 0},  // reduced modulo 2^32
    };
    for (const Caso& c : casos) {
        Reg().BIT_ST(bitst::OVM, c.ovm);
        FlagsPendientesST = FlagsPendientes{};
        EXPECT_EQ(ComprobarDesbordamiento(c.x), c.r) << c.x;
        EXPECT_EQ(FlagsPendientesST.V, c.v) << c.x;
        EXPECT_EQ(FlagsPendientesST.N, c.n) << c.x;
        EXPECT_EQ(FlagsPendientesST.Z, c.z) << c.x;
        EXPECT_EQ(FlagsPendientesST.UF, 0);
        EXPECT_EQ(FlagsPendientesST.C, -1);  // carry untouched
    }
}

TEST(Flags, ComprobarDesbordamientoReal) {
    Maquina m;
    EXPECT_EQ(ComprobarDesbordamiento(2.5), 2);  // half to even
    EXPECT_EQ(ComprobarDesbordamiento(-0.4), 0);
    EXPECT_EQ(FlagsPendientesST.N, 1);           // from the exact input
    EXPECT_EQ(FlagsPendientesST.Z, 1);
    EXPECT_EQ(ComprobarDesbordamiento(0x1p70 + 0x1p33 + 0x1p31), INT32_MIN);  // modulo 2^32
    EXPECT_EQ(FlagsPendientesST.V, 1);
    Reg().BIT_ST(bitst::OVM, true);
    EXPECT_EQ(ComprobarDesbordamiento(-0x1p80), INT32_MIN);
}

TEST(Flags, Acarreo) {
    Maquina m;
    struct Caso { int64_t x; int32_t a, b; int16_t c; };
    const Caso casos[] = {
        {int64_t{-1} + 1, -1, 1, 1},  // 0xFFFFFFFF + 1 carries
        {2, 1, 1, 0},
        {int64_t{INT32_MIN} * 2, INT32_MIN, INT32_MIN, 1},
        {-3, -1, -2, 1},
    };
    for (const Caso& c : casos) {
        CalcularAcarreo(c.x, c.a, c.b);
        EXPECT_EQ(FlagsPendientesST.C, c.c) << c.x;
    }
}

TEST(Flags, LimitarFlotante) {
    Maquina m;
    struct Caso { double x, r; int16_t v, uf, n, z; };
    const Caso casos[] = {
        {1e39, 3.402823668417103E+38, 1, 0, 0, 0},
        {-1e39, -3.402823669209385E+38, 1, 0, 1, 0},
        {1e-40, 0, 0, 1, 0, 1},
        {-1e-40, 0, 0, 1, 0, 1},
        {-0x1p-127, 0, 0, 1, 0, 1},
        {0, 0, 0, 0, 0, 1},
        {-2.5, -2.5, 0, 0, 1, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(LimitarFlotante(c.x), c.r) << c.x;
        const FlagsPendientes& f = FlagsPendientesST;
        EXPECT_EQ(f.V, c.v) << c.x;
        EXPECT_EQ(f.UF, c.uf) << c.x;
        EXPECT_EQ(f.N, c.n) << c.x;
        EXPECT_EQ(f.Z, c.z) << c.x;
    }
}

TEST(Flags, CommitConservaLosLatches) {
    Maquina m;
    FlagsPendientesST = FlagsPendientes{};
    FlagsPendientesST.V = 1;
    FlagsPendientesST.UF = 1;
    FlagsPendientesST.N = 1;
    ActualizarFlagsST();
    EXPECT_TRUE(St(bitst::V) && St(bitst::LV) && St(bitst::UF) && St(bitst::LUF) && St(bitst::N));
    FlagsPendientesST = FlagsPendientes{};
    FlagsPendientesST.V = 0;
    FlagsPendientesST.UF = 0;
    FlagsPendientesST.C = 1;
    ActualizarFlagsST();
    EXPECT_FALSE(St(bitst::V) || St(bitst::UF));
    EXPECT_TRUE(St(bitst::LV) && St(bitst::LUF) && St(bitst::C));
    EXPECT_TRUE(St(bitst::N));  // -1: kept
    FlagsPendientesST = FlagsPendientes{};
    FlagsPendientesST.Z = 7;    // not 0 or 1: kept
    ActualizarFlagsST();
    EXPECT_FALSE(St(bitst::Z));
}

TEST(Flags, Condiciones) {
    Maquina m;
    // ST bits: C 0, V 1, Z 2, N 3, UF 4, LV 5, LUF 6.
    struct Caso { int32_t st; int32_t cond; bool resultado; };
    const Caso casos[] = {
        {0, 0, true},      {0, 11, false},   {0xFF, 11, false}, {0, 21, false}, {0, -1, false},
        {1, 1, true},      {0, 1, false},    {4, 2, true},      {0, 3, true},   {1, 3, false},
        {1, 4, false},     {4, 5, true},     {4, 6, false},     {8, 7, true},   {4, 8, true},
        {0, 9, true},      {8, 9, false},    {8, 10, false},    {2, 12, false}, {2, 13, true},
        {16, 14, false},   {16, 15, true},   {32, 16, false},   {32, 17, true}, {64, 18, false},
        {64, 19, true},    {16, 20, true},   {4, 20, true},     {0, 20, false},
    };
    for (const Caso& c : casos) {
        Reg().ST(c.st);
        EXPECT_EQ(EvaluarCondicion(c.cond), c.resultado) << c.st << " " << c.cond;
    }
}

TEST(Flags, CargaCondicional) {
    Maquina m;
    ClassUnitData& e = gPPL->Ejecucion();
    e.lCond = 5;  // EQ
    e.vSrc1 = Valor::Entero(42);
    e.vDst1 = Valor::Entero(7);
    Reg().ST(0);
    EjecutarCargaCond();
    EXPECT_TRUE(e.vDst1.EsVacio());
    Reg().ST(4);
    EjecutarCargaCond();
    EXPECT_EQ(e.vDst1, Valor::Entero(42));
}
