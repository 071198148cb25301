// Program-control instructions run on a filled execute-stage record: the new
// PC, the return address to push, the loop register, the repeat and status
// registers, and the stack of a conditional call, trap or return.
#include <gtest/gtest.h>

#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/Instrucciones.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

constexpr int32_t kA = 0x809810;   // address of the instruction
constexpr int32_t kPC = 0x809813;  // where the fetch unit has left PC
constexpr int32_t kSP = 0x809F05;  // SP as the decode unit left it

class ControlPrograma : public ::testing::Test {
protected:
    void SetUp() override {
        CrearObjetosPrograma();
        ModoPPL = 0;
        gRegistros->PC(kPC);
        gRegistros->SP(kSP);
    }
    void TearDown() override { ModoPPL = 1; }

    // A decoded, read record of row `codigo`, ready for the routine.
    ClassUnitData& Registro(int32_t codigo, int32_t cond = -1) {
        ClassUnitData& e = gPPL->Ejecucion();
        e.LTipoIntr = 3;
        e.lCodigoInstr(codigo);
        e.lPosMem = kA;
        e.lCond = cond;
        e.iFlagSP = (codigo == 1 || (codigo >= 8 && codigo <= 10)) ? 1
                    : (codigo == 11 || codigo == 12) ? -1 : 0;
        return e;
    }

    // Z set: EQ (5) holds, NE (6) does not.
    static void CeroActivo() { gRegistros->BIT_ST(bitst::Z, true); }
};

constexpr int32_t kU = 0, kEQ = 5, kNE = 6;

}  // namespace

TEST_F(ControlPrograma, BrYCall) {
    ClassUnitData& br = Registro(0);
    br.lInmediato = Valor::Entero(0x809900);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809900);

    ClassUnitData& call = Registro(1);
    call.lInmediato = Valor::Entero(0x809C00);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809C00);
    EXPECT_EQ(call.lDatoSP, Valor::Entero(kA + 1));
    EXPECT_EQ(call.iFlagSP, 1);
    EXPECT_EQ(gRegistros->SP(), kSP);
}

TEST_F(ControlPrograma, DestinoDeBcond) {
    struct Caso {
        const char* texto;
        int32_t codigo;
        bool retardado;
        int32_t operando;  // vSrc1: register value, or address + displacement
        int32_t pc;
    } casos[] = {
        {"PC-relative, displacement -1: itself", 5, false, kA - 1, kA},
        {"PC-relative, displacement 0: the next word", 5, false, kA, kA + 1},
        {"delayed PC-relative counts from after its three slots", 5, true, kA - 18, kA + 3 - 18},
        {"register form takes all 32 bits", 4, false, 0x12345678, 0x12345678},
        {"delayed register form", 4, true, 0x809900, 0x809900},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        ClassUnitData& e = Registro(c.codigo, kU);
        e.bBitB = c.codigo == 5;
        e.lBitD = c.retardado;
        e.vSrc1 = Valor::Entero(c.operando);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->PC(), c.pc);
    }
}

TEST_F(ControlPrograma, BcondFalsoDejaPC) {
    CeroActivo();
    ClassUnitData& e = Registro(5, kNE);
    e.bBitB = true;
    e.vSrc1 = Valor::Entero(0x809900);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    Registro(5, 21).vSrc1 = Valor::Entero(0x809900);  // a code outside 0-20 is false
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
}

TEST_F(ControlPrograma, DbcondDecrementaYSalta) {
    struct Caso {
        const char* texto;
        int32_t cond;
        int32_t ar, arDespues;
        bool salta;
    } casos[] = {
        {"counts down and branches", kU, 3, 2, true},
        {"branches on 0", kU, 1, 0, true},
        {"stops below zero; only the low 24 bits count", kU, 0, 0x00FFFFFF, false},
        {"bits 31-24 are kept", kU, 0x12000005, 0x12000004, true},
        {"bits 31-24 are kept below zero", kU, 0x12000000, 0x12FFFFFF, false},
        {"false condition: counts down, no branch", kEQ, 3, 2, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        gRegistros->PC(kPC);
        gRegistros->AR(5, c.ar);
        ClassUnitData& e = Registro(7, c.cond);
        e.bBitB = true;
        e.lIndArn1 = 5;
        e.vSrc1 = Valor::Entero(kA - 8);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->AR(5), c.arDespues);
        EXPECT_EQ(gRegistros->PC(), c.salta ? kA + 1 - 8 : kPC);
    }
    // Register form, delayed: the register's value.
    gRegistros->AR(2, 4);
    ClassUnitData& e = Registro(6, kU);
    e.lIndArn1 = 2;
    e.bBitB = false;
    e.lBitD = true;
    e.vSrc1 = Valor::Entero(0x809A00);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->AR(2), 3);
    EXPECT_EQ(gRegistros->PC(), 0x809A00);
}

TEST_F(ControlPrograma, CallcondVerdaderoYFalso) {
    ClassUnitData& e = Registro(9, kU);
    e.bBitB = true;
    e.vSrc1 = Valor::Entero(kA + 8);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kA + 9);
    EXPECT_EQ(e.lDatoSP, Valor::Entero(kA + 1));
    EXPECT_EQ(e.iFlagSP, 1);
    EXPECT_EQ(gRegistros->SP(), kSP);

    // False: SP back to where it was before the decode unit moved it, no push.
    gRegistros->PC(kPC);
    CeroActivo();
    ClassUnitData& f = Registro(8, kNE);
    f.vSrc1 = Valor::Entero(0x809A00);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_EQ(gRegistros->SP(), kSP - 1);
    EXPECT_EQ(f.iFlagSP, 0);
}

TEST_F(ControlPrograma, Trapcond) {
    gRegistros->BIT_ST(bitst::GIE, true);
    ClassUnitData& e = Registro(10, kU);
    e.lCondN = 5;
    e.vSrc1 = Valor::Entero(0x809C40);  // the vector the read unit took from 0x25
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809C40);
    EXPECT_FALSE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(e.lDatoSP, Valor::Entero(kA + 1));
    EXPECT_EQ(gRegistros->SP(), kSP);

    gRegistros->PC(kPC);
    gRegistros->BIT_ST(bitst::GIE, true);
    CeroActivo();
    ClassUnitData& f = Registro(10, kNE);
    f.vSrc1 = Valor::Entero(0x809C40);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_TRUE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP - 1);
    EXPECT_EQ(f.iFlagSP, 0);
}

TEST_F(ControlPrograma, RetornosConYSinCondicion) {
    ClassUnitData& rets = Registro(11, kU);
    rets.lDatoSP = Valor::Entero(0x809807);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809807);
    EXPECT_FALSE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP);

    ClassUnitData& reti = Registro(12, kU);
    reti.lDatoSP = Valor::Entero(0x809808);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809808);
    EXPECT_TRUE(gRegistros->BIT_ST(bitst::GIE));

    // Not taken: GIE unchanged, the pop undone.
    gRegistros->ST(0);
    gRegistros->PC(kPC);
    CeroActivo();
    ClassUnitData& no = Registro(12, kNE);
    no.lDatoSP = Valor::Entero(0x809808);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_FALSE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP + 1);

    // A word with bits 28-25 = 11 decodes as RETScond with no condition and
    // no pop: nothing changes.
    ClassUnitData& raro = Registro(11);
    raro.iFlagSP = 0;
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_EQ(gRegistros->SP(), kSP + 1);
}

TEST_F(ControlPrograma, RptbArmaElBloque) {
    gRegistros->RC(7);
    gRegistros->BIT_S(true);
    ClassUnitData& e = Registro(2);
    e.vSrc1 = Valor::Entero(0x809820);
    EjecutarControlPrograma();
    ClassRegistrosCPU& r = *gRegistros;
    EXPECT_EQ(r.RS(), kA + 1);
    EXPECT_EQ(r.RE(), 0x809820);
    EXPECT_EQ(r.PC(), kA + 1);
    EXPECT_TRUE(r.BIT_ST(bitst::RM));
    EXPECT_FALSE(r.BIT_S());
    EXPECT_EQ(r.RC(), 7);
}

TEST_F(ControlPrograma, SwiYFilasInexistentesNoHacenNada) {
    for (int32_t codigo : {3, 13, -1}) {
        SCOPED_TRACE(codigo);
        Registro(codigo, kU).vSrc1 = Valor::Entero(0x809900);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->PC(), kPC);
        EXPECT_EQ(gRegistros->SP(), kSP);
        EXPECT_EQ(gRegistros->ST(), 0);
    }
}
