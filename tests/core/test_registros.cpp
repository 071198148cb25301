#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/ClassRegistrosCPU.h"

namespace {

// Each register number 8-27 and the named accessor it must reach.
struct Nombrado {
    int32_t n;
    const char* nombre;
    std::function<int32_t(const ClassRegistrosCPU&)> lee;
    std::function<void(ClassRegistrosCPU&, int32_t)> escribe;
};

std::vector<Nombrado> RegistrosNumerados() {
    std::vector<Nombrado> v;
    for (int16_t i = 0; i < 8; ++i)
        v.push_back({8 + i, "AR", [i](const ClassRegistrosCPU& r) { return r.AR(i); },
                     [i](ClassRegistrosCPU& r, int32_t x) { r.AR(i, x); }});
#define REG(num, campo) \
    v.push_back({num, #campo, [](const ClassRegistrosCPU& r) { return r.campo(); }, \
                 [](ClassRegistrosCPU& r, int32_t x) { r.campo(x); }})
    REG(16, DP);
    v.push_back({17, "IR0", [](const ClassRegistrosCPU& r) { return r.IR(0); },
                 [](ClassRegistrosCPU& r, int32_t x) { r.IR(0, x); }});
    v.push_back({18, "IR1", [](const ClassRegistrosCPU& r) { return r.IR(1); },
                 [](ClassRegistrosCPU& r, int32_t x) { r.IR(1, x); }});
    REG(19, BK); REG(20, SP); REG(21, ST); REG(22, IE); REG(23, IFR); REG(24, IOF);
    REG(25, RS); REG(26, RE); REG(27, RC);
#undef REG
    return v;
}

}  // namespace

TEST(Registros, StartState) {
    ClassRegistrosCPU r;
    for (int16_t i = 0; i < 8; ++i) {
        EXPECT_EQ(r.R(i).HI(), -128);
        EXPECT_EQ(r.R(i).LO(), 0);
    }
    for (auto& reg : RegistrosNumerados()) EXPECT_EQ(reg.lee(r), 0) << reg.n;
    EXPECT_EQ(r.PC(), 0);
    EXPECT_FALSE(r.BIT_S());
}

TEST(Registros, NumbersReachTheNamedRegisters) {
    auto regs = RegistrosNumerados();
    ClassRegistrosCPU r;
    for (auto& reg : regs) r.RegCPU(reg.n, false, Valor::Entero(reg.n * 1000 + 7));
    for (auto& reg : regs) EXPECT_EQ(reg.lee(r), reg.n * 1000 + 7) << reg.nombre << " " << reg.n;
    EXPECT_EQ(r.PC(), 0);  // PC has no number

    ClassRegistrosCPU s;
    for (auto& reg : regs) reg.escribe(s, -reg.n);
    for (auto& reg : regs) EXPECT_EQ(s.RegCPU(reg.n, false), Valor::Entero(-reg.n)) << reg.n;
}

TEST(Registros, FloatAccessUsesShortFloatWordsAndExtendedRegisters) {
    ClassRegistrosCPU r;
    r.RegCPU(23, false, Valor::Entero(0x1234));
    EXPECT_EQ(r.IFR(), 0x1234);
    r.RegCPU(23, true, Valor::Doble(1.5));
    EXPECT_EQ(r.IFR(), 0x00400000);
    EXPECT_EQ(r.RegCPU(23, true), Valor::Doble(1.5));
    EXPECT_EQ(r.RegCPU(23, false), Valor::Entero(0x00400000));

    r.RegCPU(2, false, Valor::Doble(-1.5));  // the value's kind decides, not the flag
    EXPECT_EQ(r.R(2).HI(), 0);
    EXPECT_EQ(r.R(2).LO(), static_cast<int32_t>(0xC0000000));
    EXPECT_EQ(r.RegCPU(2, true), Valor::Doble(-1.5));
    EXPECT_EQ(r.RegCPU(2, false), Valor::Entero(static_cast<int32_t>(0xC0000000)));

    r.Reset();
    EXPECT_EQ(r.RegCPU(0, true), Valor::Doble(0.0));
    EXPECT_EQ(r.RegCPU(8, true), Valor::Doble(1.0));  // the word 0 as a short float
}

TEST(Registros, RawWriteOfExtendedRegisterKeepsExponent) {
    ClassRegistrosCPU r;
    r.R(3).HI(2);
    r.RegCPU(3, false, Valor::Entero(5));
    EXPECT_EQ(r.R(3).HI(), 2);
    EXPECT_EQ(r.R(3).LO(), 5);
}

TEST(Registros, WritesThatChangeNothing) {
    struct Caso { int32_t n; Valor v; } casos[] = {
        {9, Valor::Vacio()}, {1, Valor::Vacio()},
        {28, Valor::Entero(5)}, {-1, Valor::Entero(5)}, {28, Valor::Doble(1.0)}, {-3, Valor::Doble(1.0)},
        {9, Valor::Doble(1e300)}, {1, Valor::Doble(1e300)}, {9, Valor::Doble(std::ldexp(1.0, -200))},
    };
    for (auto& c : casos) {
        ClassRegistrosCPU r;
        for (int32_t n = 0; n <= 27; ++n) r.RegCPU(n, false, Valor::Entero(n + 100));
        r.RegCPU(c.n, false, c.v);
        r.RegCPU(c.n, true, c.v);
        for (int32_t n = 0; n <= 27; ++n) ASSERT_EQ(r.RegCPU(n, false), Valor::Entero(n + 100)) << c.n << " " << n;
        for (int16_t i = 0; i < 8; ++i) ASSERT_EQ(r.R(i).HI(), -128) << c.n;
    }
}

TEST(Registros, NumbersOutsideTheFileReadEmpty) {
    ClassRegistrosCPU r;
    for (int32_t n : {-1, 28, 1000, INT32_MIN})
        for (bool f : {false, true}) EXPECT_TRUE(r.RegCPU(n, f).EsVacio()) << n;
}

TEST(Registros, BitAccessOverAllFourFlagRegisters) {
    using Lee = bool (ClassRegistrosCPU::*)(int32_t) const;
    using Pon = void (ClassRegistrosCPU::*)(int32_t, bool);
    struct Reg { Lee lee; Pon pon; int32_t n; } regs[] = {
        {&ClassRegistrosCPU::BIT_ST, &ClassRegistrosCPU::BIT_ST, 21},
        {&ClassRegistrosCPU::BIT_IE, &ClassRegistrosCPU::BIT_IE, 22},
        {&ClassRegistrosCPU::BIT_IF, &ClassRegistrosCPU::BIT_IF, 23},
        {&ClassRegistrosCPU::BIT_IOF, &ClassRegistrosCPU::BIT_IOF, 24},
    };
    for (auto& g : regs) {
        ClassRegistrosCPU r;
        auto palabra = [&] { return static_cast<uint32_t>(r.RegCPU(g.n, false).entero); };
        (r.*g.pon)(13, true);
        EXPECT_EQ(palabra(), 0x2000u);
        EXPECT_TRUE((r.*g.lee)(13));
        EXPECT_FALSE((r.*g.lee)(12));
        (r.*g.pon)(31, true);
        EXPECT_EQ(palabra(), 0x80002000u);
        EXPECT_TRUE((r.*g.lee)(31));
        (r.*g.pon)(0, false);  // already clear
        EXPECT_EQ(palabra(), 0x80002000u);
        for (int32_t k : {32, -1, 100}) {
            (r.*g.pon)(k, true);
            (r.*g.pon)(k, false);
            EXPECT_FALSE((r.*g.lee)(k));
        }
        EXPECT_EQ(palabra(), 0x80002000u);
        (r.*g.pon)(13, false);
        (r.*g.pon)(31, false);
        EXPECT_EQ(palabra(), 0u);
    }
}

TEST(Registros, ResetClearsRegistersAndKeepsRepeatFlag) {
    ClassRegistrosCPU r;
    for (int32_t n = 0; n <= 27; ++n) r.RegCPU(n, false, Valor::Entero(-5));
    r.PC(0x809800);
    r.BIT_S(true);
    ClassRegistrosRn& r4 = r.R(4);
    r.Reset();
    EXPECT_TRUE(r.BIT_S());
    EXPECT_EQ(r.PC(), 0);
    for (int32_t n = 8; n <= 27; ++n) EXPECT_EQ(r.RegCPU(n, false), Valor::Entero(0)) << n;
    for (int16_t i = 0; i < 8; ++i) {
        EXPECT_EQ(r.R(i).HI(), 128);
        EXPECT_EQ(r.R(i).LO(), 0);
    }
    EXPECT_EQ(r4.HI(), 128);  // the same register object
}

TEST(Registros, IndexedAccessorsOutsideTheirRangeTouchNothing) {
    ClassRegistrosCPU r;
    r.AR(8, 1);
    r.AR(-1, 1);
    r.IR(2, 1);
    r.R(8).LO(99);
    r.R(9, ClassRegistrosRn{});
    EXPECT_EQ(r.AR(8), 0);
    EXPECT_EQ(r.IR(2), 0);
    for (int32_t n = 0; n <= 27; ++n) EXPECT_EQ(r.RegCPU(n, false), Valor::Entero(0)) << n;
}
