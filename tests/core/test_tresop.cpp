// Three-operand rows run through the execute unit on hand-filled records:
// a = source 1 (R1), b = source 2 (R2), destination R3.
#include "RegistroEjecucion.h"
#include "core/FilasInstruccion.h"

namespace {

using enum grupo1::Codigo;

constexpr int32_t kVacio = 0x5A5A5A5A;  // what R3 holds before a compare or test

class TresOp : public RegistroEjecucion {
protected:
    // Row `codigo` on register sources R1 and R2 into R3.
    void Registros(int32_t codigo, int32_t destino = 3) {
        ClassUnitData& e = Instr(1, codigo);
        e.iModoDireccion = 0;
        e.lIndSrc1 = 1;
        e.lIndSrc2 = 2;
        e.lIndDst1 = destino;
        Ejecutar();
    }
};

struct CasoEntero {
    int32_t codigo;
    uint32_t a, b;
    bool cEntra, ovm;
    uint32_t resultado;
    const char* flags;  // ST C V Z N UF after the instruction
};

class EnteroTresOp : public TresOp, public ::testing::WithParamInterface<CasoEntero> {};

TEST_P(EnteroTresOp, ResultadoYFlags) {
    const CasoEntero& c = GetParam();
    PonI(1, static_cast<int32_t>(c.a));
    PonI(2, static_cast<int32_t>(c.b));
    PonI(3, kVacio);
    gRegistros->BIT_ST(bitst::C, c.cEntra);
    gRegistros->BIT_ST(bitst::OVM, c.ovm);
    Registros(c.codigo);
    EXPECT_EQ(static_cast<uint32_t>(I(3)), c.resultado);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, EnteroTresOp,
    ::testing::Values(
        CasoEntero{ADDI3, 0xFFFFFFFF, 1, false, false, 0, "C-Z--"},
        CasoEntero{ADDI3, 2, 3, true, false, 5, "-----"},
        CasoEntero{ADDI3, 0x7FFFFFFF, 1, false, true, 0x7FFFFFFF, "-V---"},
        // ADDC3: C is the carry out of a + b + C in.
        CasoEntero{ADDC3, 0xFFFFFFFF, 0, true, false, 0, "C-Z--"},
        CasoEntero{ADDC3, 0xFFFFFFFF, 0xFFFFFFFF, true, false, 0xFFFFFFFF, "C--N-"},
        CasoEntero{ADDC3, 2, 3, true, false, 6, "-----"},
        CasoEntero{ADDC3, 0x7FFFFFFF, 0, true, false, 0x80000000, "-V---"},
        // SUBI3 and SUBB3: a - b (source 1 minus source 2); C is the borrow.
        CasoEntero{SUBI3, 0, 1, false, false, 0xFFFFFFFF, "C--N-"},
        CasoEntero{SUBI3, 0x80000000, 1, false, false, 0x7FFFFFFF, "-V-N-"},
        CasoEntero{SUBI3, 7, 5, true, false, 2, "-----"},
        CasoEntero{SUBB3, 0xFA, 0xC7, true, false, 0x32, "-----"},
        CasoEntero{SUBB3, 0, 0, true, false, 0xFFFFFFFF, "C--N-"},
        CasoEntero{SUBB3, 5, 5, false, false, 0, "--Z--"},
        // MPYI3: the low 24 bits of each, the exact product decides V.
        CasoEntero{MPYI3, 0x01000001, 2, false, false, 2, "-----"},
        CasoEntero{MPYI3, 0x00FFFFFF, 5, false, false, 0xFFFFFFFB, "---N-"},
        CasoEntero{MPYI3, 0x7FFFFF, 0x7FFFFF, false, false, 0xFF000001, "-V---"},
        CasoEntero{MPYI3, 0x7FFFFF, 0x7FFFFF, false, true, 0x7FFFFFFF, "-V---"},
        CasoEntero{MPYI3, 0x800000, 0x7FFFFF, false, true, 0x80000000, "-V-N-"},
        // Logical rows: V and UF cleared, C kept.
        CasoEntero{AND3, 0xF0F0, 0xFF00, true, false, 0xF000, "C----"},
        CasoEntero{ANDN3, 0xF0F0, 0xFF00, false, false, 0x00F0, "-----"},
        CasoEntero{OR3, 0x80000000, 1, false, false, 0x80000001, "---N-"},
        CasoEntero{XOR3, 0x1234, 0x1234, false, false, 0, "--Z--"},
        // ASH3 a by the count in b: 127 is -1, a right shift by one.
        CasoEntero{ASH3, 0xFFFFFFF8, 127, false, false, 0xFFFFFFFC, "---N-"},
        CasoEntero{ASH3, 7, 127, false, false, 3, "C----"},
        CasoEntero{ASH3, 0x40000000, 1, false, false, 0x80000000, "-V-N-"},
        CasoEntero{ASH3, 0x000AE000, 16, false, false, 0xE0000000, "-V-N-"},
        CasoEntero{ASH3, 0xAEC00001, 0x68, false, false, 0xFFFFFFAE, "C--N-"},  // -24
        CasoEntero{ASH3, 5, 0, true, false, 5, "-----"},  // no shift: C cleared
        CasoEntero{ASH3, 0x80000000, 0x60, false, false, 0xFFFFFFFF, "C--N-"},  // -32
        // LSH3: zeros fill both ways and it never saturates.
        CasoEntero{LSH3, 0x80000000, 127, false, false, 0x40000000, "-----"},
        CasoEntero{LSH3, 0x80000001, 1, false, true, 2, "C----"},
        CasoEntero{LSH3, 1, 31, false, true, 0x80000000, "---N-"},
        CasoEntero{LSH3, 0xFFFFFFF0, 0x7C, false, false, 0x0FFFFFFF, "-----"},  // -4
        CasoEntero{LSH3, 0x80000001, 32, false, false, 0, "C-Z--"}));  // C: bit 0, the last out

TEST_F(TresOp, ComparacionYPruebaDejanElDestinoYConfirmanFlags) {
    PonI(1, 9);
    PonI(2, 9);
    PonI(3, kVacio);
    Registros(CMPI3);
    EXPECT_EQ(I(3), kVacio);
    EXPECT_EQ(Flags(), "--Z--");
    PonI(2, 10);
    Registros(CMPI3, 12);  // destination field AR4: a compare still commits
    EXPECT_EQ(Flags(), "C--N-");
    PonI(1, 0x0F);
    PonI(2, 0xF0);
    gRegistros->BIT_ST(bitst::C, true);
    Registros(TSTB3, 12);
    EXPECT_EQ(I(3), kVacio);
    EXPECT_EQ(Flags(), "C-Z--");
}

TEST_F(TresOp, SinDestinoR0aR7NoCambiaST) {
    gRegistros->ST(0);
    PonI(1, 0);
    PonI(2, -1);
    Registros(ADDI3, 8);  // AR0
    EXPECT_EQ(I(8), -1);
    EXPECT_EQ(gRegistros->ST(), 0);
}

TEST_F(TresOp, ConOperandosDeMemoria) {
    // T = 3: both sources were read from memory by the read unit.
    ClassUnitData& e = Instr(1, SUBI3);
    e.iModoDireccion = 3;
    e.lIndDst1 = 3;
    e.vSrc1 = Valor::Entero(100);
    e.vSrc2 = Valor::Entero(58);
    Ejecutar();
    EXPECT_EQ(I(3), 42);
}

struct CasoFlotante {
    int32_t codigo;
    double a, b, resultado;
    const char* flags;
};

class FlotanteTresOp : public TresOp, public ::testing::WithParamInterface<CasoFlotante> {};

TEST_P(FlotanteTresOp, ResultadoYFlags) {
    const CasoFlotante& c = GetParam();
    PonF(1, c.a);
    PonF(2, c.b);
    PonF(3, 77.0);
    Registros(c.codigo);
    EXPECT_EQ(F(3), c.resultado);
    EXPECT_EQ(Flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, FlotanteTresOp,
    ::testing::Values(CasoFlotante{ADDF3, 1.5, -4.0, -2.5, "---N-"},
                      CasoFlotante{ADDF3, 3E+38, 3E+38, 3.402823668417103E+38, "-V---"},
                      CasoFlotante{SUBF3, 1.0, 4.0, -3.0, "---N-"},
                      CasoFlotante{SUBF3, 2.0, 2.0, 0.0, "--Z--"},
                      CasoFlotante{MPYF3, -0.5, 6.0, -3.0, "---N-"},
                      CasoFlotante{MPYF3, 1E-20, 1E-25, 0.0, "--Z-U"},
                      CasoFlotante{CMPF3, 1.0, 4.0, 77.0, "---N-"},
                      CasoFlotante{CMPF3, 4.0, 1.0, 77.0, "-----"}));

}  // namespace
