// Program-control instructions run on a filled execute-stage record: the new
// PC, the return address to push, the loop register, the repeat and status
// registers, and the stack of a conditional call, trap or return.
#include <gtest/gtest.h>

#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo3::Codigo;

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
        e.iFlagSP = (codigo == CALL || (codigo >= CALLCOND_REG && codigo <= TRAPCOND)) ? 1
                    : (codigo == RETSCOND || codigo == RETICOND) ? -1 : 0;
        return e;
    }

    // Z set: EQ (5) holds, NE (6) does not.
    static void CeroActivo() { gRegistros->BIT_ST(bitst::Z, true); }
};

constexpr int32_t kU = 0, kEQ = 5, kNE = 6;

}  // namespace

TEST_F(ControlPrograma, BrYCall) {
    ClassUnitData& br = Registro(BR);
    br.lInmediato = Valor::Entero(0x809900);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809900);

    ClassUnitData& call = Registro(CALL);
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
        {"PC-relative, displacement -1: itself", BCOND_REL, false, kA - 1, kA},
        {"PC-relative, displacement 0: the next word", BCOND_REL, false, kA, kA + 1},
        {"delayed PC-relative counts from after its three slots", BCOND_REL, true, kA - 18, kA + 3 - 18},
        {"register form takes all 32 bits", BCOND_REG, false, 0x12345678, 0x12345678},
        {"delayed register form", BCOND_REG, true, 0x809900, 0x809900},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        ClassUnitData& e = Registro(c.codigo, kU);
        e.bBitB = c.codigo == BCOND_REL;
        e.lBitD = c.retardado;
        e.vSrc1 = Valor::Entero(c.operando);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->PC(), c.pc);
    }
}

TEST_F(ControlPrograma, BcondFalsoDejaPC) {
    CeroActivo();
    ClassUnitData& e = Registro(BCOND_REL, kNE);
    e.bBitB = true;
    e.vSrc1 = Valor::Entero(0x809900);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    Registro(BCOND_REL, 21).vSrc1 = Valor::Entero(0x809900);  // a code outside 0-20 is false
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
        ClassUnitData& e = Registro(DBCOND_REL, c.cond);
        e.bBitB = true;
        e.lIndArn1 = 5;
        e.vSrc1 = Valor::Entero(kA - 8);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->AR(5), c.arDespues);
        EXPECT_EQ(gRegistros->PC(), c.salta ? kA + 1 - 8 : kPC);
    }
    // Register form, delayed: the register's value.
    gRegistros->AR(2, 4);
    ClassUnitData& e = Registro(DBCOND_REG, kU);
    e.lIndArn1 = 2;
    e.bBitB = false;
    e.lBitD = true;
    e.vSrc1 = Valor::Entero(0x809A00);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->AR(2), 3);
    EXPECT_EQ(gRegistros->PC(), 0x809A00);
}

TEST_F(ControlPrograma, CallcondVerdaderoYFalso) {
    ClassUnitData& e = Registro(CALLCOND_REL, kU);
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
    ClassUnitData& f = Registro(CALLCOND_REG, kNE);
    f.vSrc1 = Valor::Entero(0x809A00);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_EQ(gRegistros->SP(), kSP - 1);
    EXPECT_EQ(f.iFlagSP, 0);
}

TEST_F(ControlPrograma, Trapcond) {
    gRegistros->BIT_ST(bitst::GIE, true);
    ClassUnitData& e = Registro(TRAPCOND, kU);
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
    ClassUnitData& f = Registro(TRAPCOND, kNE);
    f.vSrc1 = Valor::Entero(0x809C40);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_TRUE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP - 1);
    EXPECT_EQ(f.iFlagSP, 0);
}

TEST_F(ControlPrograma, RetornosConYSinCondicion) {
    ClassUnitData& rets = Registro(RETSCOND, kU);
    rets.lDatoSP = Valor::Entero(0x809807);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809807);
    EXPECT_FALSE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP);

    ClassUnitData& reti = Registro(RETICOND, kU);
    reti.lDatoSP = Valor::Entero(0x809808);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), 0x809808);
    EXPECT_TRUE(gRegistros->BIT_ST(bitst::GIE));

    // Not taken: GIE unchanged, the pop undone.
    gRegistros->ST(0);
    gRegistros->PC(kPC);
    CeroActivo();
    ClassUnitData& no = Registro(RETICOND, kNE);
    no.lDatoSP = Valor::Entero(0x809808);
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_FALSE(gRegistros->BIT_ST(bitst::GIE));
    EXPECT_EQ(gRegistros->SP(), kSP + 1);

    // A word with bits 28-25 = 11 decodes as RETScond with no condition and
    // no pop: nothing changes.
    ClassUnitData& raro = Registro(RETSCOND);
    raro.iFlagSP = 0;
    EjecutarControlPrograma();
    EXPECT_EQ(gRegistros->PC(), kPC);
    EXPECT_EQ(gRegistros->SP(), kSP + 1);
}

TEST_F(ControlPrograma, RptbArmaElBloque) {
    gRegistros->RC(7);
    gRegistros->BIT_S(true);
    ClassUnitData& e = Registro(RPTB);
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
    for (int32_t codigo : {int32_t{SWI}, 13, -1}) {
        SCOPED_TRACE(codigo);
        Registro(codigo, kU).vSrc1 = Valor::Entero(0x809900);
        EjecutarControlPrograma();
        EXPECT_EQ(gRegistros->PC(), kPC);
        EXPECT_EQ(gRegistros->SP(), kSP);
        EXPECT_EQ(gRegistros->ST(), 0);
    }
}
