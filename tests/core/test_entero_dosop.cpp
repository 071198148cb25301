// Integer two-operand instructions run on a filled execute-stage record: the
// result fields and the pending flags, and the registers that a few of them
// change directly.
#include <gtest/gtest.h>

#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo0::Entero;

constexpr int32_t H(uint32_t v) { return static_cast<int32_t>(v); }

// Pending flags C, V, UF, N, Z; -1 keep.
struct Flags {
    int16_t C = -1, V = -1, UF = -1, N = -1, Z = -1;
};

struct Caso {
    const char* texto;
    int32_t codigo;
    int32_t src, dst;
    bool cin = false, ovm = false;
    Valor resultado;
    Flags flags;
};

class EnteroDosOp : public ::testing::Test {
protected:
    void SetUp() override { CrearObjetosPrograma(); }

    // Fills the execute-stage record as the execute unit leaves it for the
    // routine, then runs the routine.
    ClassUnitData& Ejecutar(int32_t codigo, Valor src, Valor dst) {
        ClassUnitData& e = gPPL->Ejecucion();
        e.LTipoIntr = 0;
        e.lCodigoInstr(codigo);
        e.lPosMem = 0x809800;
        e.vSrc1 = src;
        e.vDst1 = dst;
        FlagsPendientesST = FlagsPendientes{};
        EjecutarEnteroDosOp();
        return e;
    }

    void Comprobar(const Caso& c) {
        SCOPED_TRACE(c.texto);
        gRegistros->ST(0);
        gRegistros->BIT_ST(bitst::C, c.cin);
        gRegistros->BIT_ST(bitst::OVM, c.ovm);
        const ClassUnitData& e = Ejecutar(c.codigo, Valor::Entero(c.src), Valor::Entero(c.dst));
        EXPECT_EQ(e.vDst1, c.resultado);
        EXPECT_EQ(FlagsPendientesST.C, c.flags.C);
        EXPECT_EQ(FlagsPendientesST.V, c.flags.V);
        EXPECT_EQ(FlagsPendientesST.UF, c.flags.UF);
        EXPECT_EQ(FlagsPendientesST.N, c.flags.N);
        EXPECT_EQ(FlagsPendientesST.Z, c.flags.Z);
        EXPECT_EQ(FlagsPendientesST.OVM, -1);
    }
};

Valor E(int32_t v) { return Valor::Entero(v); }

}  // namespace

TEST_F(EnteroDosOp, SumasYRestas) {
    const Caso casos[] = {
        {"ADDI 0x7FFFFFFF + 1 wraps", ADDI, 1, 0x7FFFFFFF, false, false, E(H(0x80000000)), {0, 1, 0, 0, 0}},
        {"ADDI 0x7FFFFFFF + 1 saturates with OVM", ADDI, 1, 0x7FFFFFFF, false, true, E(0x7FFFFFFF), {0, 1, 0, 0, 0}},
        {"ADDI 0xFFFFFFFF + 1", ADDI, 1, -1, false, false, E(0), {1, 0, 0, 0, 1}},
        {"ADDI -2^31 + -1 wraps up", ADDI, -1, INT32_MIN, false, false, E(0x7FFFFFFF), {1, 1, 0, 1, 0}},
        {"ADDC 5 + 3 + 1", ADDC, 3, 5, true, false, E(9), {0, 0, 0, 0, 0}},
        {"ADDC 0xFFFFFFFF + 0 + 1: carry out", ADDC, 0, -1, true, false, E(0), {1, 0, 0, 0, 1}},
        {"ADDC 0xFFFFFFFF + 1 + 0: carry out", ADDC, 1, -1, false, false, E(0), {1, 0, 0, 0, 1}},
        {"ADDC 0x7FFFFFFF + 0 + 1: overflow, no carry", ADDC, 0, 0x7FFFFFFF, true, false, E(H(0x80000000)), {0, 1, 0, 0, 0}},
        {"SUBI 10 - 3", SUBI, 3, 10, false, false, E(7), {0, 0, 0, 0, 0}},
        {"SUBI 0 - 1: borrow", SUBI, 1, 0, false, false, E(-1), {1, 0, 0, 1, 0}},
        {"SUBB 10 - 3 - 1", SUBB, 3, 10, true, false, E(6), {0, 0, 0, 0, 0}},
        {"SUBB 0xFA - 0xC7 - 1", SUBB, 0xC7, 0xFA, true, false, E(0x32), {0, 0, 0, 0, 0}},
        {"SUBB 0 - 0 - 1: borrow", SUBB, 0, 0, true, false, E(-1), {1, 0, 0, 1, 0}},
        {"SUBRI 3 - 10", SUBRI, 3, 10, false, false, E(-7), {1, 0, 0, 1, 0}},
        {"SUBRB 10 - 3 - 1", SUBRB, 10, 3, true, false, E(6), {0, 0, 0, 0, 0}},
        {"NEGI 174", NEGI, 174, 0, false, false, E(-174), {1, 0, 0, 1, 0}},
        {"NEGI -2^31 overflows", NEGI, INT32_MIN, 0, false, false, E(INT32_MIN), {1, 1, 0, 0, 0}},
        {"NEGB 5 with C", NEGB, 5, 0, true, false, E(-6), {1, 0, 0, 1, 0}},
        {"NEGB -53 with C", NEGB, -53, 0, true, false, E(52), {1, 0, 0, 0, 0}},
        {"ABSI -5", ABSI, -5, 0, false, false, E(5), {-1, 0, 0, 0, 0}},
        {"ABSI -2^31 wraps", ABSI, INT32_MIN, 0, false, false, E(INT32_MIN), {-1, 1, 0, 0, 0}},
        {"ABSI -2^31 saturates with OVM", ABSI, INT32_MIN, 0, false, true, E(0x7FFFFFFF), {-1, 1, 0, 0, 0}},
        {"CMPI 3 with 3", CMPI, 3, 3, false, false, Valor::Vacio(), {0, 0, 0, 0, 1}},
        {"CMPI -1 with 3: signed lower, unsigned higher", CMPI, 3, -1, false, false, Valor::Vacio(), {0, 0, 0, 1, 0}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST_F(EnteroDosOp, LogicasCargasYMultiplicacion) {
    const Caso casos[] = {
        {"AND", AND, 0x8000, -1, false, false, E(0x8000), {-1, 0, 0, 0, 0}},
        {"ANDN", ANDN, 0xFFFF, -1, false, false, E(H(0xFFFF0000)), {-1, 0, 0, 1, 0}},
        {"OR", OR, 0xF0F0, 0x0F0F, false, false, E(0xFFFF), {-1, 0, 0, 0, 0}},
        {"XOR", XOR, 0xFFFF, -1, false, false, E(H(0xFFFF0000)), {-1, 0, 0, 1, 0}},
        {"NOT", NOT, 0x8001, 0, false, false, E(H(0xFFFF7FFE)), {-1, 0, 0, 1, 0}},
        {"TSTB 0x0F against 0xF0", TSTB, 0x0F, 0xF0, false, false, Valor::Vacio(), {-1, 0, 0, 0, 1}},
        {"LDI 0", LDI, 0, 77, false, false, E(0), {-1, 0, 0, 0, 1}},
        {"LDI -1", LDI, -1, 77, false, false, E(-1), {-1, 0, 0, 1, 0}},
        {"MPYI 0x00FFFFFF (-1 in 24 bits) x 2", MPYI, 0x00FFFFFF, 2, false, false, E(-2), {-1, 0, 0, 1, 0}},
        {"MPYI 0x7F000003 counts as 3", MPYI, 0x7F000003, 5, false, false, E(15), {-1, 0, 0, 0, 0}},
        {"MPYI 0x10000 x 0x10000 = 2^32", MPYI, 0x10000, 0x10000, false, false, E(0), {-1, 1, 0, 0, 1}},
        {"MPYI 0x8000 x 0x10000 = 2^31", MPYI, 0x8000, 0x10000, false, false, E(H(0x80000000)), {-1, 1, 0, 0, 0}},
        {"MPYI 0x7FFFFF squared", MPYI, 0x7FFFFF, 0x7FFFFF, false, false, E(H(0xFF000001)), {-1, 1, 0, 0, 0}},
        {"MPYI 0x7FFFFF squared saturates with OVM", MPYI, 0x7FFFFF, 0x7FFFFF, false, true, E(0x7FFFFFFF), {-1, 1, 0, 0, 0}},
        {"MPYI -2^23 squared = 2^46", MPYI, 0x800000, 0x800000, false, false, E(0), {-1, 1, 0, 0, 1}},
        {"MPYI -3 x 4 in 24 bits", MPYI, 0x00FFFFFD, 0x7F000004, false, false, E(-12), {-1, 0, 0, 1, 0}},
        {"SUBC 10, 3", SUBC, 3, 10, false, false, E(15), {}},
        {"SUBC 2, 3", SUBC, 3, 2, false, false, E(4), {}},
        {"SUBC 0x40000000, 0x50000000", SUBC, 0x50000000, 0x40000000, false, false, E(H(0x80000000)), {}},
        {"SUBC unsigned: 0x90000000 - 0x10000000", SUBC, 0x10000000, H(0x90000000), false, false, E(H(0x00000001)), {}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST_F(EnteroDosOp, Desplazamientos) {
    const Caso casos[] = {
        {"ASH count 0x7F is -1", ASH, 0x7F, -1, false, false, E(-1), {1, 0, 0, 1, 0}},
        {"ASH 3 of 0x20000001 loses bit 29: V", ASH, 3, 0x20000001, false, false, E(8), {1, 1, 0, 0, 0}},
        {"ASH -4 of -17", ASH, -4, -17, false, false, E(-2), {1, 0, 0, 1, 0}},
        {"ASH 1 of 0x40000000", ASH, 1, 0x40000000, false, false, E(H(0x80000000)), {0, 1, 0, 1, 0}},
        {"ASH ignores OVM", ASH, 1, 0x40000000, false, true, E(H(0x80000000)), {0, 1, 0, 1, 0}},
        {"ASH 16 of 0x000AE000", ASH, 16, 0x000AE000, false, false, E(H(0xE0000000)), {0, 1, 0, 1, 0}},
        {"ASH -24 of 0xAEC00001", ASH, -24, H(0xAEC00001), false, false, E(H(0xFFFFFFAE)), {1, 0, 0, 1, 0}},
        {"ASH 0: no shift, C cleared", ASH, 0, 5, true, false, E(5), {0, 0, 0, 0, 0}},
        {"ASH 32 of 5: all bits out", ASH, 32, 5, false, false, E(0), {1, 1, 0, 0, 1}},
        {"ASH 40 of -1", ASH, 40, -1, false, false, E(0), {0, 1, 0, 0, 1}},
        {"ASH 2 of 0x50000000 loses a bit, sign kept", ASH, 2, 0x50000000, false, false, E(0x40000000), {1, 1, 0, 0, 0}},
        {"ASH 1 of 0x80000000 gives 0", ASH, 1, INT32_MIN, false, false, E(0), {1, 1, 0, 0, 1}},
        {"ASH 1 of 0xC0000000 still fits", ASH, 1, H(0xC0000000), false, false, E(H(0x80000000)), {1, 0, 0, 1, 0}},
        {"ASH -32 of 0x80000000: sign copies", ASH, -32, INT32_MIN, false, false, E(-1), {1, 0, 0, 1, 0}},
        {"ASH -64 of 0x7FFFFFFF", ASH, 0x40, 0x7FFFFFFF, false, false, E(0), {0, 0, 0, 0, 1}},
        {"ASH uses only the low 7 bits of the count", ASH, 0x7FFFFF01, 3, false, false, E(6), {0, 0, 0, 0, 0}},
        {"LSH -1 of 0x80000000", LSH, -1, INT32_MIN, false, false, E(0x40000000), {0, 0, 0, 0, 0}},
        {"LSH 1 of 0x80000001: C is the bit shifted out", LSH, 1, H(0x80000001), false, false, E(2), {1, 0, 0, 0, 0}},
        {"LSH -4 of 0xFFFFFFF0", LSH, -4, H(0xFFFFFFF0), false, false, E(0x0FFFFFFF), {0, 0, 0, 0, 0}},
        {"LSH -1 of 3", LSH, -1, 3, false, false, E(1), {1, 0, 0, 0, 0}},
        {"LSH 24 of 0x2AC", LSH, 24, 0x2AC, false, false, E(H(0xAC000000)), {0, 0, 0, 1, 0}},
        {"LSH never saturates", LSH, 1, 0x40000000, false, true, E(H(0x80000000)), {0, 0, 0, 1, 0}},
        {"LSH 0: C cleared", LSH, 0, -8, true, false, E(-8), {0, 0, 0, 1, 0}},
        {"LSH 32 of 1", LSH, 32, 1, false, false, E(0), {1, 0, 0, 0, 1}},
        {"LSH -32 of 0x80000000", LSH, -32, INT32_MIN, false, false, E(0), {1, 0, 0, 0, 1}},
        {"LSH -33 of -1", LSH, -33, -1, false, false, E(0), {0, 0, 0, 0, 1}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST_F(EnteroDosOp, Rotaciones) {
    const Caso casos[] = {
        {"ROL 0x80000000", ROL, 0, INT32_MIN, false, false, E(1), {1, 0, 0, 0, 0}},
        {"ROL 0x80025CD4", ROL, 0, H(0x80025CD4), false, false, E(0x0004B9A9), {1, 0, 0, 0, 0}},
        {"ROR 3", ROR, 0, 3, false, false, E(H(0x80000001)), {1, 0, 0, 1, 0}},
        {"ROR 0xFFFFFFFF", ROR, 0, -1, false, false, E(-1), {1, 0, 0, 1, 0}},
        {"ROLC 0x80000000, C in 0", ROLC, 0, INT32_MIN, false, false, E(0), {1, 0, 0, 0, 1}},
        {"ROLC 0x420, C in 1", ROLC, 0, 0x420, true, false, E(0x841), {0, 0, 0, 0, 0}},
        {"RORC 1, C in 1", RORC, 0, 1, true, false, E(INT32_MIN), {1, 0, 0, 1, 0}},
        {"RORC 0x80000081, C in 0", RORC, 0, H(0x80000081), false, false, E(0x40000040), {1, 0, 0, 0, 0}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST_F(EnteroDosOp, SinEfectoNiFlags) {
    // Rows that change nothing keep the register value the execute unit read.
    const Caso casos[] = {
        {"LOPOWER/MAXSPEED", LOPOWER, 1, 9, false, false, E(9), {}},
        {"SIGI", SIGI, 1, 9, false, false, E(9), {}},
        {"IACK", IACK, 1, 9, false, false, E(9), {}},
        {"row that does not exist", -1, 1, 9, false, false, E(9), {}},
        {"NOP leaves the register alone", NOP, 1, 9, false, false, Valor::Vacio(), {}},
    };
    for (const Caso& c : casos) Comprobar(c);
    EXPECT_EQ(gRegistros->PC(), 0);
    EXPECT_EQ(gRegistros->IOF(), 0);
}

TEST_F(EnteroDosOp, FloatDaUnNumero) {
    const ClassUnitData& e = Ejecutar(FLOAT, E(-3), E(0));
    EXPECT_EQ(e.vDst1, Valor::Doble(-3.0));
    EXPECT_EQ(FlagsPendientesST.N, 1);
    EXPECT_EQ(FlagsPendientesST.Z, 0);
    EXPECT_EQ(FlagsPendientesST.V, 0);
}

TEST_F(EnteroDosOp, PilaYAlmacenamientos) {
    ClassUnitData& push = Ejecutar(PUSH, Valor::Vacio(), E(0x1234));
    EXPECT_EQ(push.lDatoSP, E(0x1234));
    EXPECT_EQ(FlagsPendientesST.Z, -1);

    ClassUnitData& e = gPPL->Ejecucion();
    e.lDatoSP = E(-7);
    Ejecutar(POP, Valor::Vacio(), E(5));
    EXPECT_EQ(e.vDst1, E(-7));
    EXPECT_EQ(FlagsPendientesST.N, 1);

    Ejecutar(STI, E(99), E(42));
    EXPECT_EQ(e.vSrc1, E(42));
    EXPECT_EQ(gRegistros->IOF(), 0);
    Ejecutar(STII, E(99), E(43));
    EXPECT_EQ(e.vSrc1, E(43));
    EXPECT_EQ(gRegistros->IOF(), 0x44);
}

TEST_F(EnteroDosOp, LdiiMarcaIof) {
    const ClassUnitData& e = Ejecutar(LDII, E(8), E(0));
    EXPECT_EQ(e.vDst1, E(8));
    EXPECT_EQ(gRegistros->IOF(), 0x44);
}

TEST_F(EnteroDosOp, RptsPreparaLaRepeticion) {
    const ClassUnitData& e = Ejecutar(RPTS, E(5), E(123));
    ClassRegistrosCPU& r = *gRegistros;
    EXPECT_EQ(r.RC(), 5);
    EXPECT_EQ(r.PC(), 0x809801);
    EXPECT_EQ(r.RS(), 0x809801);
    EXPECT_EQ(r.RE(), 0x809801);
    EXPECT_TRUE(r.BIT_ST(bitst::RM));
    EXPECT_TRUE(r.BIT_S());
    // Its destination field names RC: the write-back must not undo the count.
    EXPECT_TRUE(e.vDst1.EsVacio());
    EXPECT_EQ(FlagsPendientesST.Z, -1);
}

TEST_F(EnteroDosOp, IdleActivaGieYVuelveASiMismo) {
    gPPL->Ejecucion().lPosMem = 0x809802;
    ClassUnitData& e = gPPL->Ejecucion();
    e.LTipoIntr = 0;
    e.lCodigoInstr(IDLE);
    e.vDst1 = E(7);
    EjecutarEnteroDosOp();
    EXPECT_TRUE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->PC(), 0x809802);
    EXPECT_TRUE(e.vDst1.EsVacio());
}
