// Floating-point rows of the two-operand group, run through the execute unit
// on hand-filled records: results in the registers and memory, flags in ST.
#include <cmath>

#include "RegistroEjecucion.h"
#include "core/FilasInstruccion.h"

namespace {

using enum grupo0::Flotante;

constexpr double kMaxF = 3.402823668417103E+38;

class FlotanteDosOp : public RegistroEjecucion {
protected:
    // Row `codigo` with destination R0 and an immediate (or memory) source.
    void ConValor(int32_t codigo, double src) {
        ClassUnitData& e = Instr(0, codigo);
        e.iModoDireccion = 3;
        e.lIndDst1 = 0;
        e.vSrc1 = Valor::Doble(src);
        Ejecutar();
    }
    // Row `codigo` with destination R0 and source register `n`.
    void ConRegistro(int32_t codigo, int32_t n, int32_t dst = 0) {
        ClassUnitData& e = Instr(0, codigo);
        e.iModoDireccion = 0;
        e.lIndSrc1 = n;
        e.lIndDst1 = dst;
        Ejecutar();
    }
};

struct CasoArit {
    int32_t codigo;
    double dst, src, resultado;
    const char* flags;  // ST C V Z N UF after the instruction
};

class AritmeticaFlotante : public FlotanteDosOp, public ::testing::WithParamInterface<CasoArit> {};

TEST_P(AritmeticaFlotante, ResultadoYFlags) {
    const CasoArit& c = GetParam();
    PonF(0, c.dst);
    ConValor(c.codigo, c.src);
    EXPECT_EQ(F(0), c.resultado);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, AritmeticaFlotante,
    ::testing::Values(
        CasoArit{ABSF, 9.0, -2.5, 2.5, "-----"}, CasoArit{ABSF, 9.0, 0.0, 0.0, "--Z--"},
        CasoArit{ADDF, 1.5, 2.25, 3.75, "-----"}, CasoArit{ADDF, 1.5, -1.5, 0.0, "--Z--"},
        CasoArit{ADDF, 3E+38, 3E+38, kMaxF, "-V---"},
        CasoArit{ADDF, -3E+38, -3E+38, -std::ldexp(1.0, 128), "-V-N-"},
        // Between the largest value and 2^128 the exponent still fits: no V.
        CasoArit{ADDF, 0x1.fffffep127, 0x1p104 - 0x1p87, kMaxF, "-----"},
        CasoArit{ADDF, 0x1.fffffep127, 0x1p104, kMaxF, "-V---"},
        CasoArit{ADDF, -0x1p128, -0x1p101, -std::ldexp(1.0, 128), "-V-N-"},
        // The adder's mantissas: 0 - 1.0 is normalised left from -2^31 to the
        // mantissa -2; 0 - (-1.0) overflows and is shifted right; the bit a
        // negative sum loses on that shift goes toward minus infinity; a sum
        // whose exponent falls below -127 underflows.
        CasoArit{SUBRF, 1.0, 0.0, -1.0, "---N-"}, CasoArit{SUBF, 0.0, -1.0, 1.0, "-----"},
        CasoArit{ADDF, -1.0 - 0x1p-31, -1.0, -2.0 - 0x1p-30, "---N-"},
        CasoArit{ADDF, 0x1p-127, -0x1.8p-127, 0.0, "--Z-U"},
        CasoArit{MPYF, 1E-20, 1E-20, 0.0, "--Z-U"}, CasoArit{MPYF, -1E-20, 1E-20, 0.0, "--Z-U"},
        CasoArit{MPYF, -3.0, 0.5, -1.5, "---N-"}, CasoArit{MPYF, 1E+20, 1E+20, kMaxF, "-V---"},
        CasoArit{SUBF, 1.0, 3.0, -2.0, "---N-"}, CasoArit{SUBRF, 1.0, 3.0, 2.0, "-----"},
        CasoArit{NEGF, 7.0, 2.0, -2.0, "---N-"}, CasoArit{LDF, 7.0, -0.75, -0.75, "---N-"},
        CasoArit{LDF, 7.0, 0.0, 0.0, "--Z--"}));

TEST_F(FlotanteDosOp, LatchesLVyLUFSobrevivenAUnaOperacionLimpia) {
    PonF(0, 3E+38);
    ConValor(ADDF, 3E+38);
    PonF(0, 1E-30);
    ConValor(MPYF, 1E-30);
    EXPECT_TRUE(Bit(bitst::LV));
    EXPECT_TRUE(Bit(bitst::LUF));
    ConValor(LDF, 1.0);
    EXPECT_FALSE(Bit(bitst::V));
    EXPECT_FALSE(Bit(bitst::UF));
    EXPECT_TRUE(Bit(bitst::LV));
    EXPECT_TRUE(Bit(bitst::LUF));
}

TEST_F(FlotanteDosOp, CMPFDejaElDestinoYConfirmaFlagsConCualquierDestino) {
    PonF(0, 2.0);
    ConRegistro(CMPF, 0, 0);
    EXPECT_EQ(F(0), 2.0);
    EXPECT_EQ(Flags(), "--Z--");
    PonF(1, 5.0);
    ConRegistro(CMPF, 1, 0);  // 2 - 5
    EXPECT_EQ(Flags(), "---N-");
    // A destination field above R7 still commits the compare.
    ConRegistro(CMPF, 1, 9);
    EXPECT_EQ(Flags(), "---N-");
}

TEST_F(FlotanteDosOp, SinDestinoR0aR7NoCambiaST) {
    gRegistros->ST(0);
    ClassUnitData& e = Instr(0, LDF);
    e.iModoDireccion = 3;
    e.lIndDst1 = 9;  // AR1
    e.vSrc1 = Valor::Doble(-1.0);
    Ejecutar();
    EXPECT_EQ(gRegistros->ST(), 0);
}

struct CasoFix {
    double src;
    int32_t resultado;
    const char* flags;
};

class Fix : public FlotanteDosOp, public ::testing::WithParamInterface<CasoFix> {};

// FIX takes the largest integer not above the value and saturates out of range.
TEST_P(Fix, HaciaMenosInfinitoYSatura) {
    const CasoFix& c = GetParam();
    PonF(0, 8.0);  // exponent 3: the exponent byte stays
    ConValor(FIX, c.src);
    EXPECT_EQ(I(0), c.resultado);
    EXPECT_EQ(gRegistros->R(0).HI(), 3);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Bordes, Fix,
    ::testing::Values(CasoFix{2.7, 2, "-----"}, CasoFix{-2.7, -3, "---N-"},
                      CasoFix{-2.5, -3, "---N-"}, CasoFix{-0.5, -1, "---N-"},
                      CasoFix{0.75, 0, "--Z--"}, CasoFix{0.0, 0, "--Z--"},
                      CasoFix{2147483647.0, INT32_MAX, "-----"},
                      CasoFix{-2147483648.0, INT32_MIN, "---N-"},
                      CasoFix{2147483648.0, INT32_MAX, "-V---"},
                      CasoFix{3E+9, INT32_MAX, "-V---"}, CasoFix{-3E+9, INT32_MIN, "-V-N-"},
                      CasoFix{1E+38, INT32_MAX, "-V---"}));

TEST_F(FlotanteDosOp, FixNoDependeDeOVM) {
    gRegistros->BIT_ST(bitst::OVM, false);
    ConValor(FIX, 3E+9);
    EXPECT_EQ(I(0), INT32_MAX);
    gRegistros->BIT_ST(bitst::OVM, true);
    ConValor(FIX, -3E+9);
    EXPECT_EQ(I(0), INT32_MIN);
}

TEST_F(FlotanteDosOp, LDECambiaSoloElExponenteSinTocarST) {
    gRegistros->ST(0);
    PonF(0, 1.5);
    ConValor(LDE, 8.0);
    EXPECT_EQ(F(0), 12.0);
    PonF(0, -1.5);
    ConValor(LDE, 0.25);
    EXPECT_EQ(F(0), -0.375);
    ConValor(LDE, 0.0);  // the zero exponent clears the mantissa too
    EXPECT_EQ(F(0), 0.0);
    EXPECT_EQ(gRegistros->R(0).LO(), 0);
    EXPECT_EQ(gRegistros->ST(), 0);
}

TEST_F(FlotanteDosOp, LDEConservaLaMantisaDeUnDestinoDeExponenteMenos128) {
    gRegistros->R(0).HI(128);
    gRegistros->R(0).LO(0x40000000);  // reads as 0, but its mantissa word is 1.5
    ConValor(LDE, 4.0);
    EXPECT_EQ(F(0), 6.0);
}

TEST_F(FlotanteDosOp, LDMCambiaSoloLaMantisa) {
    gRegistros->ST(0);
    PonF(0, 4.0);
    ConValor(LDM, 1.5);
    EXPECT_EQ(F(0), 6.0);
    PonF(0, 4.0);
    ConValor(LDM, -0.75);  // mantissa -1.5
    EXPECT_EQ(F(0), -6.0);
    EXPECT_EQ(gRegistros->ST(), 0);
}

struct CasoNorm {
    int32_t hi, lo;
    int32_t hiResultado, loResultado;
    const char* flags;
};

class Norm : public FlotanteDosOp, public ::testing::WithParamInterface<CasoNorm> {};

// NORM reads the register's fields as an unnormalised number (implied bit =
// sign): only a zero mantissa gives zero.
TEST_P(Norm, CamposDelRegistro) {
    const CasoNorm& c = GetParam();
    gRegistros->R(1).HI(c.hi);
    gRegistros->R(1).LO(c.lo);
    ConRegistro(NORM, 1);
    EXPECT_EQ(gRegistros->R(0).HI() & 0xFF, c.hiResultado & 0xFF);
    EXPECT_EQ(gRegistros->R(0).LO(), c.loResultado);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Palabras, Norm,
    ::testing::Values(
        CasoNorm{3, 0x40000000, 2, 0, "-----"},                  // 4.0 stays itself
        CasoNorm{0, 0x00001001, -19, 0x00080000, "-----"},       // 4097 x 2^-31
        CasoNorm{0, static_cast<int32_t>(0xFFFFF000), -20, static_cast<int32_t>(0x80000000),
                 "---N-"},                                       // -2^-19
        CasoNorm{5, static_cast<int32_t>(0xC0000000), 3, static_cast<int32_t>(0x80000000),
                 "---N-"},                                       // -0.5 x 2^5 = -16
        CasoNorm{0, static_cast<int32_t>(0xFFFFFFFF), -32, static_cast<int32_t>(0x80000000),
                 "---N-"},                                       // -2^-31
        CasoNorm{7, 0, -128, 0, "--Z--"},                        // zero mantissa
        CasoNorm{128, 5, -128, 0, "----U"},                      // exponent -128: UF, not Z
        CasoNorm{128, -5, -128, 0, "----U"},
        CasoNorm{-120, 0x00000001, -128, 0, "--Z-U"}));          // 2^-151 underflows

TEST_F(FlotanteDosOp, NormDeUnValorNormalizadoQuitaElBitImplicito) {
    ConValor(NORM, 12.0);  // 1.5 x 2^3 read unnormalised: 0.5 x 2^3
    EXPECT_EQ(F(0), 4.0);
    ConValor(NORM, 1.0);
    EXPECT_EQ(F(0), 0.0);
    EXPECT_EQ(Flags(), "--Z--");
}

struct CasoRnd {
    int32_t hi, lo;
    double resultado;
    const char* flags;
};

class Rnd : public FlotanteDosOp, public ::testing::WithParamInterface<CasoRnd> {};

// RND rounds at the last bit of the 32-bit format: half a place up (toward
// plus infinity on a tie), then the 8 low bits of the mantissa word cleared.
TEST_P(Rnd, RedondeaAlFormatoCorto) {
    const CasoRnd& c = GetParam();
    gRegistros->R(1).HI(c.hi);
    gRegistros->R(1).LO(c.lo);
    ConRegistro(RND, 1);
    EXPECT_EQ(F(0), c.resultado);
    EXPECT_EQ(gRegistros->R(0).LO() & 0xFF, 0);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Palabras, Rnd,
    ::testing::Values(
        CasoRnd{0, 0x00000080, 1.0 + std::ldexp(1.0, -23), "-----"},  // exactly half: up
        CasoRnd{0, 0x0000007F, 1.0, "-----"},
        CasoRnd{0, 0x000001C0, 1.0 + std::ldexp(1.0, -22), "-----"},
        CasoRnd{2, 0x7FFFFF80, 8.0, "-----"},                          // carries into the exponent
        CasoRnd{0, static_cast<int32_t>(0xFFFFFF80), -1.0, "---N-"},   // -1 - 2^-24: tie goes up
        CasoRnd{0, static_cast<int32_t>(0xFFFFFF7F), -1.0 - std::ldexp(1.0, -23), "---N-"},
        CasoRnd{127, 0x7FFFFFFF, std::ldexp(2.0 - std::ldexp(1.0, -23), 127), "-V---"},
        // (-1 - 2^-31) x 2^-127 rounds to -2^-127, whose mantissa needs the exponent -128
        CasoRnd{-127, static_cast<int32_t>(0xFFFFFFFF), 0.0, "----U"}));

TEST_F(FlotanteDosOp, RndDeCeroMarcaUFyDejaZ) {
    gRegistros->BIT_ST(bitst::Z, false);
    ConValor(RND, 0.0);
    EXPECT_EQ(F(0), 0.0);
    EXPECT_EQ(Flags(), "----U");
    gRegistros->BIT_ST(bitst::Z, true);
    ConValor(RND, 0.0);
    EXPECT_EQ(Flags(), "--Z-U");
}

TEST_F(FlotanteDosOp, STFGuardaLaPalabraCortaTruncadaYSTFIMarcaIOF) {
    PonF(2, 1.0 + std::ldexp(1.0, -23) + std::ldexp(1.0, -30));
    ClassUnitData& e = Instr(0, STF);
    e.iModoDireccion = 2;
    e.lIndDst1 = 2;
    e.lAddrArn1 = kRam + 4;
    Ejecutar();
    EXPECT_EQ(Mem(kRam + 4), 0x00000001);
    EXPECT_EQ(gRegistros->IOF(), 0);
    ClassUnitData& s = Instr(0, STFI);
    s.iModoDireccion = 2;
    s.lIndDst1 = 2;
    s.lAddrArn1 = kRam + 5;
    Ejecutar();
    EXPECT_EQ(Mem(kRam + 5), 0x00000001);
    EXPECT_TRUE(gRegistros->BIT_IOF(2));
    EXPECT_TRUE(gRegistros->BIT_IOF(6));
}

TEST_F(FlotanteDosOp, LDFIMarcaIOF) {
    ConValor(LDFI, 2.0);
    EXPECT_EQ(F(0), 2.0);
    EXPECT_EQ(gRegistros->IOF(), 0x44);
}

TEST_F(FlotanteDosOp, PUSHFyPOPFDevuelvenElValorConFraccionDe23Bits) {
    const int32_t sp = kRam + 0x100;
    PonF(3, -1.0 - std::ldexp(1.0, -23) - std::ldexp(1.0, -28));
    const ClassRegistrosRn antes = gRegistros->R(3);
    ClassUnitData& p = Instr(0, PUSHF);
    p.lIndDst1 = 3;
    p.iFlagSP = 1;
    p.lAddrSP = sp;
    Ejecutar();
    EXPECT_EQ(gRegistros->R(3), antes);  // the pushed register is not rewritten
    ClassUnitData& q = Instr(0, POPF);
    q.lIndDst1 = 4;
    q.iFlagSP = -1;
    q.lDatoSP = Valor::Doble(MemF(sp));
    Ejecutar();
    // The low mantissa bits drop out toward minus infinity: the next single value down.
    EXPECT_EQ(F(4), -1.0 - std::ldexp(1.0, -22));
    EXPECT_EQ(Flags(), "---N-");
}

}  // namespace
