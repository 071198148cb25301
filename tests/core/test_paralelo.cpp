// Parallel rows run through the execute unit on hand-filled records: both
// halves read their operands before either writes.
#include "RegistroEjecucion.h"
#include "core/FilasInstruccion.h"

namespace {

using enum grupo4::Codigo;
using enum grupo67::Codigo;

class Paralelo : public RegistroEjecucion {
protected:
    // Group 4 with register sources S1 = R4, S2 = R5, memory sources S3 and
    // S4, destinations R0 and R2.
    ClassUnitData& MultSuma(int32_t codigo, int16_t p, Valor s3, Valor s4) {
        ClassUnitData& e = Instr(4, codigo);
        e.iModoDireccion = p;
        e.lIndSrc1 = 4;
        e.lIndSrc2 = 5;
        e.vSrc3 = s3;
        e.vSrc4 = s4;
        e.lIndDst1 = 0;
        e.lIndDst2 = 2;
        return e;
    }
    // Operation || store: register a = R1, memory b, destination R2; the
    // store half stores R3 at kRam.
    void OpAlmac(int32_t codigo, Valor b, int32_t grupo = 6) {
        ClassUnitData& e = Instr(grupo, codigo);
        e.lIndSrc1 = 1;
        e.vSrc2 = b;
        e.lIndDst1 = 2;
        e.lIndSrc3 = 3;
        e.lAddrArn1 = kRam;
        Ejecutar();
    }
};

struct CasoPatron {
    int16_t p;
    double d1, d2;  // with S1 = 2, S2 = 3, S3 = 5, S4 = 7
};

class PatronMultSuma : public Paralelo, public ::testing::WithParamInterface<CasoPatron> {};

TEST_P(PatronMultSuma, ElPatronEligeFactoresYTerminos) {
    const CasoPatron& c = GetParam();
    PonF(4, 2.0);
    PonF(5, 3.0);
    MultSuma(MPYF3_SUBF3, c.p, Valor::Doble(5.0), Valor::Doble(7.0));
    Ejecutar();
    EXPECT_EQ(F(0), c.d1);
    EXPECT_EQ(F(2), c.d2);
}

// P 0: S3 x S4, S1 - S2; 1: S3 x S1, S4 - S2; 2: S1 x S2, S3 - S4; 3: S3 x S1, S2 - S4.
INSTANTIATE_TEST_SUITE_P(Patrones, PatronMultSuma,
                         ::testing::Values(CasoPatron{0, 35.0, -1.0}, CasoPatron{1, 10.0, 4.0},
                                           CasoPatron{2, 6.0, -2.0}, CasoPatron{3, 10.0, -4.0}));

TEST_F(Paralelo, MultSumaFlotanteBorraNyVYTomaZyUFDeLaSuma) {
    PonF(4, 1.0);
    PonF(5, 4.0);
    MultSuma(MPYF3_SUBF3, 0, Valor::Doble(3E+38), Valor::Doble(3E+38));
    Ejecutar();
    EXPECT_EQ(F(0), 3.402823668417103E+38);
    EXPECT_EQ(F(2), -3.0);
    EXPECT_EQ(Flags(), "-----");  // the overflow and the negative difference leave no trace
    EXPECT_TRUE(Bit(bitst::LV) == false);
    PonF(4, 1E-30);
    PonF(5, -1E-30);
    MultSuma(MPYF3_ADDF3, 0, Valor::Doble(2.0), Valor::Doble(2.0));
    Ejecutar();
    EXPECT_EQ(F(0), 4.0);
    EXPECT_EQ(F(2), 0.0);
    EXPECT_EQ(Flags(), "--Z--");
}

TEST_F(Paralelo, MultSumaEnteraBorraNyZYDejaC) {
    PonI(4, 5);
    PonI(5, -5);
    gRegistros->BIT_ST(bitst::C, true);
    MultSuma(MPYI3_ADDI3, 0, Valor::Entero(0x01000003), Valor::Entero(-4));
    Ejecutar();
    EXPECT_EQ(I(0), -12);  // 24-bit factors: 3 x -4
    EXPECT_EQ(I(2), 0);
    EXPECT_EQ(Flags(), "C----");
    PonI(4, INT32_MIN);
    PonI(5, 1);
    MultSuma(MPYI3_SUBI3, 0, Valor::Entero(0x7FFFFF), Valor::Entero(0x7FFFFF));
    Ejecutar();
    EXPECT_EQ(static_cast<uint32_t>(I(0)), 0xFF000001u);
    EXPECT_EQ(I(2), INT32_MAX);  // S1 - S2 wraps
    EXPECT_EQ(Flags(), "CV---");  // V from the difference
}

TEST_F(Paralelo, DosAlmacenamientosDeRegistrosDistintos) {
    PonF(1, 1.5);
    PonF(2, -2.0);
    ClassUnitData& e = Instr(6, STF_STF);
    e.lIndSrc1 = 1;
    e.lIndSrc2 = 2;
    e.lAddrArn1 = kRam;
    e.lAddrArn2 = kRam + 1;
    Ejecutar();
    EXPECT_EQ(MemF(kRam), 1.5);
    EXPECT_EQ(MemF(kRam + 1), -2.0);
}

TEST_F(Paralelo, DosAlmacenamientosEnLaMismaDireccionGanaElSegundo) {
    PonI(1, 11);
    PonI(2, 22);
    gRegistros->ST(0);
    ClassUnitData& e = Instr(6, STI_STI);
    e.lIndSrc1 = 1;
    e.lIndSrc2 = 2;
    e.lAddrArn1 = kRam;
    e.lAddrArn2 = kRam;
    Ejecutar();
    EXPECT_EQ(Mem(kRam), 22);
    EXPECT_EQ(gRegistros->ST(), 0);
}

TEST_F(Paralelo, DosCargasEnElMismoRegistroGanaLaSegunda) {
    gRegistros->ST(0);
    ClassUnitData& e = Instr(6, LDI_LDI);
    e.vSrc1 = Valor::Entero(-7);
    e.vSrc2 = Valor::Entero(8);
    e.lIndDst1 = 4;
    e.lIndDst2 = 4;
    Ejecutar();
    EXPECT_EQ(I(4), 8);
    ClassUnitData& f = Instr(6, LDF_LDF);
    f.vSrc1 = Valor::Doble(0.5);
    f.vSrc2 = Valor::Doble(-0.25);
    f.lIndDst1 = 4;
    f.lIndDst2 = 5;
    Ejecutar();
    EXPECT_EQ(F(4), 0.5);
    EXPECT_EQ(F(5), -0.25);
    EXPECT_EQ(gRegistros->ST(), 0);
}

struct CasoEntero {
    int32_t codigo;
    int32_t a, b;
    int32_t resultado;
    const char* flags;
};

class OperacionEntera : public Paralelo, public ::testing::WithParamInterface<CasoEntero> {};

// R2 := a op b (a register, b from memory) while the old R3 is stored.
TEST_P(OperacionEntera, ResultadoFlagsYAlmacenamiento) {
    const CasoEntero& c = GetParam();
    PonI(1, c.a);
    PonI(3, 0x3333);
    OpAlmac(c.codigo, Valor::Entero(c.b));
    EXPECT_EQ(I(2), c.resultado);
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(Mem(kRam), 0x3333);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, OperacionEntera,
    ::testing::Values(
        CasoEntero{ABSI_STI, 0, -9, 9, "-----"},
        CasoEntero{ABSI_STI, 0, INT32_MIN, INT32_MIN, "-V---"},
        CasoEntero{ADDI3_STI, -1, 1, 0, "C-Z--"},
        CasoEntero{AND3_STI, 0x0FF0, 0x00FF, 0x00F0, "-----"},
        CasoEntero{ASH3_STI, -2, -16, -4, "---N-"},  // the count comes from the register
        CasoEntero{ASH3_STI, 4, 3, 48, "-----"},
        CasoEntero{LSH3_STI, -2, -16, 0x3FFFFFFC, "-----"},
        CasoEntero{MPYI3_STI, 3, 0x01000004, 12, "-----"},
        CasoEntero{NEGI_STI, 0, 0, 0, "--Z--"},
        CasoEntero{NEGI_STI, 0, 1, -1, "C--N-"},
        CasoEntero{NOT_STI, 0, 0x0F0F0F0F, static_cast<int32_t>(0xF0F0F0F0), "---N-"},
        CasoEntero{OR3_STI, 0x10, 0x01, 0x11, "-----"},
        CasoEntero{SUBI3_STI, 1, 0, -1, "C--N-"},  // memory minus register
        CasoEntero{SUBI3_STI, 3, 10, 7, "-----"},
        CasoEntero{XOR3_STI, 0xFF, 0x0F, 0xF0, "-----"}));

TEST_F(Paralelo, FixYStiRedondeaHaciaMenosInfinito) {
    PonF(2, 4.0);  // exponent 2, kept by the integer result
    PonI(3, 0x3333);
    OpAlmac(FIX_STI, Valor::Doble(-2.5));
    EXPECT_EQ(I(2), -3);
    EXPECT_EQ(gRegistros->R(2).HI(), 2);
    EXPECT_EQ(Mem(kRam), 0x3333);
    OpAlmac(FIX_STI, Valor::Doble(1E+10));
    EXPECT_EQ(I(2), INT32_MAX);
    EXPECT_EQ(Flags(), "-V---");
}

TEST_F(Paralelo, LaOperacionQueEscribeElRegistroAlmacenadoGuardaElValorViejo) {
    PonI(1, 5);
    PonI(2, 100);
    ClassUnitData& e = Instr(6, ADDI3_STI);
    e.lIndSrc1 = 1;
    e.vSrc2 = Valor::Entero(2);
    e.lIndDst1 = 2;
    e.lIndSrc3 = 2;  // STI R2 while ADDI3 writes R2
    e.lAddrArn1 = kRam;
    Ejecutar();
    EXPECT_EQ(I(2), 7);
    EXPECT_EQ(Mem(kRam), 100);
}

TEST_F(Paralelo, CargaYAlmacenamientoNoCambianFlags) {
    gRegistros->ST(0x0F);
    PonI(3, 1);
    OpAlmac(LDI_STI, Valor::Entero(0));
    EXPECT_EQ(I(2), 0);
    EXPECT_EQ(gRegistros->ST(), 0x0F);
    PonF(3, 2.0);
    OpAlmac(LDF_STF, Valor::Doble(-1.0), 7);
    EXPECT_EQ(F(2), -1.0);
    EXPECT_EQ(MemF(kRam), 2.0);
    EXPECT_EQ(gRegistros->ST(), 0x0F);
}

struct CasoFlotante {
    int32_t codigo;
    double a, b, resultado;
    const char* flags;
};

class OperacionFlotante : public Paralelo, public ::testing::WithParamInterface<CasoFlotante> {};

TEST_P(OperacionFlotante, ResultadoFlagsYAlmacenamiento) {
    const CasoFlotante& c = GetParam();
    PonF(1, c.a);
    PonF(3, 0.125);
    OpAlmac(c.codigo, Valor::Doble(c.b), 7);
    EXPECT_EQ(F(2), c.resultado);
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(MemF(kRam), 0.125);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, OperacionFlotante,
    ::testing::Values(CasoFlotante{ABSF_STF, 0.0, -3.5, 3.5, "-----"},
                      CasoFlotante{ADDF3_STF, 1.5, 2.0, 3.5, "-----"},
                      CasoFlotante{MPYF3_STF, -2.0, 1.5, -3.0, "---N-"},
                      CasoFlotante{MPYF3_STF, 1E-30, 1E-30, 0.0, "--Z-U"},
                      CasoFlotante{NEGF_STF, 0.0, 2.0, -2.0, "---N-"},
                      CasoFlotante{SUBF3_STF, 1.0, 4.0, 3.0, "-----"},   // memory minus register
                      CasoFlotante{SUBF3_STF, 4.0, 4.0, 0.0, "--Z--"}));

TEST_F(Paralelo, FloatYStfConvierteElEnteroLeido) {
    PonF(3, 0.125);
    OpAlmac(FLOAT_STF, Valor::Entero(-7), 7);
    EXPECT_EQ(F(2), -7.0);
    EXPECT_EQ(Flags(), "---N-");
    EXPECT_EQ(MemF(kRam), 0.125);
}

}  // namespace
