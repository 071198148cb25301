// Addressing arithmetic of the decode unit: the 26 indirect codes, circular
// and bit-reversed modification, bit reversal.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"
#include "core/Unidades.h"

using prueba::Maquina;
using prueba::Reg;

TEST(Direcciones, CodigosIndirectos) {
    Maquina m;
    Reg().AR(2, 0x12000100);  // only the low 24 bits take part
    Reg().IR(0, 0x7F000010);
    Reg().IR(1, 0x20);
    struct Caso { int16_t codigo; int32_t direccion, delta; };
    const Caso casos[] = {
        {0, 0x105, 0},     {1, 0xFB, 0},      {2, 0x105, 5},     {3, 0xFB, -5},
        {4, 0x100, 5},     {5, 0x100, -5},    {8, 0x110, 0},     {9, 0xF0, 0},
        {10, 0x110, 0x10}, {11, 0xF0, -0x10}, {12, 0x100, 0x10}, {13, 0x100, -0x10},
        {16, 0x120, 0},    {17, 0xE0, 0},     {18, 0x120, 0x20}, {19, 0xE0, -0x20},
        {20, 0x100, 0x20}, {21, 0x100, -0x20}, {24, 0x100, 0},
    };
    for (const Caso& c : casos) {
        int32_t dir = -99, delta = -99;
        CalcularDirIndirecta(dir, delta, c.codigo, 2, 5);
        EXPECT_EQ(dir, c.direccion) << c.codigo;
        EXPECT_EQ(delta, c.delta) << c.codigo;
    }
}

TEST(Direcciones, SinCodigoNiRegistroNoHayDireccion) {
    Maquina m;
    for (int16_t codigo : {int16_t{26}, int16_t{31}, int16_t{-1}}) {
        int32_t dir = 77, delta = 5;
        CalcularDirIndirecta(dir, delta, codigo, 1, 1);
        EXPECT_EQ(dir, 77);
        EXPECT_EQ(delta, 0);
    }
    int32_t dir = 77, delta = 5;
    CalcularDirIndirecta(dir, delta, 0, -1, 1);
    EXPECT_EQ(dir, 77);
    EXPECT_EQ(delta, 0);
}

TEST(Direcciones, DireccionesNoSeEnvuelvenA24Bits) {
    Maquina m;
    Reg().AR(0, 3);
    int32_t dir = 0, delta = 0;
    CalcularDirIndirecta(dir, delta, 1, 0, 5);
    EXPECT_EQ(dir, -2);
    Reg().AR(0, 0xFFFFFF);
    CalcularDirIndirecta(dir, delta, 0, 0, 1);
    EXPECT_EQ(dir, 0x1000000);
}

TEST(Direcciones, Circular) {
    Maquina m;
    Reg().BK(8);
    // The index is the low 4 bits (16 is the smallest power of two above 8),
    // so a buffer aligned on 16 words runs over indices 0-7.
    struct Caso { int32_t ar, paso, delta; };
    const Caso casos[] = {
        {0x809807, 1, -7}, {0x809800, -1, 7}, {0x809801, -1, -1}, {0x809803, 2, 2},
        {0x809817, 1, -7}, {0x809810, -1, 7}, {0x809806, 8, 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(CalcularDirCircular(c.ar, c.paso), c.delta) << c.ar;
    Reg().BK(0x10000 | 0);  // only the low 16 bits of BK count
    EXPECT_EQ(CalcularDirCircular(0x809807, 3), 3);
    Reg().BK(0);
    EXPECT_EQ(CalcularDirCircular(0x809807, -9), -9);
}

TEST(Direcciones, BitInvertidoRecorreLaSecuenciaInvertida) {
    Maquina m;
    int32_t ar = 0x809800;
    std::vector<int32_t> bajos;
    for (int i = 0; i < 9; ++i) {
        bajos.push_back(ar & 7);
        ar += CalcularDirBitInvertido(ar, 4);
    }
    EXPECT_EQ(bajos, (std::vector<int32_t>{0, 4, 2, 6, 1, 5, 3, 7, 0}));
    EXPECT_EQ(ar & ~7, 0x809800);  // the bits above stay
    EXPECT_EQ(CalcularDirBitInvertido(0x809805, 0), 0);
    EXPECT_EQ(CalcularDirBitInvertido(0x809805, 0x7F000000), 0);  // IR0's low 24 bits are 0
}

TEST(Direcciones, CodigoBitInvertido) {
    Maquina m;
    Reg().AR(5, 0x809802);
    Reg().IR(0, 4);
    int32_t dir = 0, delta = 0;
    CalcularDirIndirecta(dir, delta, 25, 5, 1);
    EXPECT_EQ(dir, 0x809802);
    EXPECT_EQ(delta, 4);  // 010 -> 110
}

TEST(Direcciones, InvertirBits) {
    EXPECT_EQ(InvertirBits(1, 2), 4);
    EXPECT_EQ(InvertirBits(6, 2), 3);
    EXPECT_EQ(InvertirBits(0xF9, 2), 4);  // bits above n are ignored
    EXPECT_EQ(InvertirBits(1, 0), 1);
    EXPECT_EQ(InvertirBits(0x201, 40), INT32_MIN);  // bit 0 would land on bit 40, bit 9 on bit 31
}
