// The read and execute units on hand-filled stage records: which memory words
// become which operands, and what the execute unit writes back, stores, pushes
// and commits into ST around the semantic routines.
#include <gtest/gtest.h>

#include <utility>

#include "MaquinaPrueba.h"
#include "core/FilasInstruccion.h"
#include "core/Unidades.h"
#include "core/UnidadEjecucion.h"

using prueba::Maquina;
using prueba::Reg;

namespace {

// A fresh record of (group, row) in the given stage, in the state its unit
// works on.
ClassUnitData& Registro(ClassUnitData& r, int32_t grupo, int32_t fila, int32_t canal) {
    r = ClassUnitData{};
    r.LTipoIntr = grupo;
    r.lCodigoInstr(fila);
    r.lCanal = canal;
    r.lPosMem = 0x809810;
    return r;
}
ClassUnitData& ALeer(int32_t grupo, int32_t fila) {
    return Registro(gPPL->Lectura(), grupo, fila, canal::kDecodificado);
}
ClassUnitData& AEjecutar(int32_t grupo, int32_t fila) {
    return Registro(gPPL->Ejecucion(), grupo, fila, canal::kLeido);
}

int16_t Leer() {
    int16_t err = 0;
    UnidadLectura(err);
    return err;
}
int16_t Ejecutar() {
    int16_t err = 0;
    UnidadEjecucion(err);
    return err;
}

class Unidades : public ::testing::Test {
protected:
    Maquina m{0};  // with the pipeline: four distinct stage records
};

}  // namespace

TEST_F(Unidades, LecturaDirectaConLaPaginaDeDP) {
    gMemoria->Escribe(0x809800, 1234);
    for (int32_t dp : {0x80, 0x180}) {  // only DP's low byte counts
        SCOPED_TRACE(dp);
        Reg().DP(dp);
        ClassUnitData& l = ALeer(0, grupo0::LDI);  // LDI @09800h
        l.iModoDireccion = 1;
        l.lDirecto = 0x9800;
        EXPECT_EQ(Leer(), 0);
        EXPECT_EQ(l.lAddrDirecto, 0x809800);
        EXPECT_EQ(l.vSrc1, Valor::Entero(1234));
        EXPECT_EQ(l.lCanal, canal::kLeido);
    }
}

TEST_F(Unidades, LecturaIndirectaPorTipoDeDatos) {
    gMemoria->Escribe(0x809900, 0x01000000);  // 2.0 as a short float
    // LDI *AR0,R0 takes the raw word, LDF *AR0,R0 its value.
    const std::pair<int32_t, Valor> casos[] = {{16, Valor::Entero(0x01000000)}, {14, Valor::Doble(2.0)}};
    for (const auto& [fila, valor] : casos) {
        ClassUnitData& l = ALeer(0, fila);
        l.iModoDireccion = 2;
        l.lModoArn1 = 24;
        l.lAddrArn1 = 0x809900;
        Leer();
        EXPECT_EQ(l.vSrc1, valor) << fila;
    }

    // An unmapped address leaves the operand empty and the run going.
    ClassUnitData& fuera = ALeer(0, grupo0::LDI);
    fuera.iModoDireccion = 2;
    fuera.lModoArn1 = 24;
    fuera.lAddrArn1 = -1;
    EXPECT_EQ(Leer(), 0);
    EXPECT_TRUE(fuera.vSrc1.EsVacio());
    EXPECT_EQ(fuera.lCanal, canal::kLeido);

    // The immediate becomes the operand.
    ClassUnitData& inm = ALeer(0, grupo0::LDI);
    inm.iModoDireccion = 3;
    inm.lInmediato = Valor::Entero(-7);
    Leer();
    EXPECT_EQ(inm.vSrc1, Valor::Entero(-7));
}

TEST_F(Unidades, LecturaDeLaPilaYDelVectorDeTrap) {
    gMemoria->Escribe(0x809F05, 77);
    ClassUnitData& pop = ALeer(0, grupo0::POP);  // POP R0: the word at the old SP
    pop.iModoDireccion = 1;
    pop.iFlagSP = -1;
    pop.lAddrSP = 0x809F05;
    Leer();
    EXPECT_EQ(pop.lDatoSP, Valor::Entero(77));

    ClassUnitData& push = ALeer(0, grupo0::PUSH);  // PUSH R0 reads nothing
    push.iModoDireccion = 1;
    push.iFlagSP = 1;
    push.lAddrSP = 0x809F05;
    Leer();
    EXPECT_TRUE(push.lDatoSP.EsVacio());

    // TRAPcond 3 with the trap base 0x20: the word at 0x23, whatever the condition.
    ASSERT_EQ(gVectoresInt[12], 0x20);
    gMemoria->Escribe(0x23, 0x809C40);
    ClassUnitData& trap = ALeer(3, grupo3::TRAPCOND);
    trap.lCond = 11;  // never true
    trap.lCondN = 3;
    Leer();
    EXPECT_EQ(trap.vSrc1, Valor::Entero(0x809C40));
}

TEST_F(Unidades, LecturaDeDestinosDeSalto) {
    ClassUnitData& rel = ALeer(3, grupo3::BCOND_REL);  // PC-relative: own address + displacement
    rel.bBitB = true;
    rel.lDisp = -17;
    Leer();
    EXPECT_EQ(rel.vSrc1, Valor::Entero(0x809810 - 17));

    ClassUnitData& reg = ALeer(3, grupo3::BCOND_REG);  // register form: the execute unit reads it
    reg.lIndSrc1 = 0;
    Leer();
    EXPECT_TRUE(reg.vSrc1.EsVacio());

    ClassUnitData& br = ALeer(3, grupo3::BR);
    br.lInmediato = Valor::Entero(0x809900);
    Leer();
    EXPECT_EQ(br.vSrc1, Valor::Entero(0x809900));
}

TEST_F(Unidades, LecturaDeOperandosParalelosYTresOperandos) {
    gMemoria->Escribe(0x809900, 5);
    gMemoria->Escribe(0x809901, 0x01000000);  // 2.0 as a short float
    const auto indirectos = [](ClassUnitData& l) {
        l.lModoArn1 = 24;
        l.lAddrArn1 = 0x809900;
        l.lModoArn2 = 24;
        l.lAddrArn2 = 0x809901;
    };
    ClassUnitData& tres = ALeer(1, grupo1::ADDI3);  // ADDI3 *AR0,*AR1,R2
    tres.iModoDireccion = 3;
    indirectos(tres);
    Leer();
    EXPECT_EQ(tres.vSrc1, Valor::Entero(5));
    EXPECT_EQ(tres.vSrc2, Valor::Entero(0x01000000));

    ClassUnitData& mult = ALeer(4, grupo4::MPYI3_ADDI3);  // MPYI3 || ADDI3: sources 3 and 4
    indirectos(mult);
    Leer();
    EXPECT_EQ(mult.vSrc3, Valor::Entero(5));
    EXPECT_EQ(mult.vSrc4, Valor::Entero(0x01000000));

    // FIX||STI takes its second operand as a float, FLOAT||STF as an integer.
    ClassUnitData& fix = ALeer(6, grupo67::FIX_STI);
    indirectos(fix);
    Leer();
    EXPECT_EQ(fix.vSrc2, Valor::Doble(2.0));
    ClassUnitData& flt = ALeer(6, grupo67::FLOAT_STF);
    indirectos(flt);
    Leer();
    EXPECT_EQ(flt.vSrc2, Valor::Entero(0x01000000));

    // STI||STI reads its destinations, but neither becomes an operand.
    ClassUnitData& sti = ALeer(6, grupo67::STI_STI);
    indirectos(sti);
    Leer();
    EXPECT_TRUE(sti.vSrc1.EsVacio());
    EXPECT_TRUE(sti.vSrc2.EsVacio());
}

TEST_F(Unidades, LecturaNoTocaRegistrosFueraDeSuEstado) {
    gMemoria->Escribe(0x809900, 5);
    const auto preparar = [](ClassUnitData& l) {
        l.iModoDireccion = 2;
        l.lModoArn1 = 24;
        l.lAddrArn1 = 0x809900;
    };
    // A word let pass at the invalid-opcode question stays decoded, unread.
    ClassUnitData& invalido = ALeer(0, grupo0::LDI);
    preparar(invalido);
    invalido.LTipoIntr = -1;
    Leer();
    EXPECT_EQ(invalido.lCanal, canal::kDecodificado);
    EXPECT_TRUE(invalido.vSrc1.EsVacio());

    ClassUnitData& buscado = ALeer(0, grupo0::LDI);
    preparar(buscado);
    buscado.lCanal = canal::kBuscado;
    Leer();
    EXPECT_EQ(buscado.lCanal, canal::kBuscado);
    EXPECT_TRUE(buscado.vSrc1.EsVacio());

    ClassUnitData& tras = ALeer(0, grupo0::LDI);  // an earlier unit failed this cycle
    preparar(tras);
    int16_t err = 1;
    UnidadLectura(err);
    EXPECT_EQ(tras.lCanal, canal::kDecodificado);
    EXPECT_TRUE(tras.vSrc1.EsVacio());
}

TEST_F(Unidades, EjecucionConfirmaFlagsSoloParaR0aR7OComparaciones) {
    const int32_t stInicial = 1 << bitst::N;
    // LDI 0,AR0: AR0 changes, ST does not.
    Reg().ST(stInicial);
    Reg().AR(0, 99);
    ClassUnitData& ar = AEjecutar(0, grupo0::LDI);
    ar.iModoDireccion = 3;
    ar.lIndDst1 = ClassRegistrosCPU::kNumAR0;
    ar.vSrc1 = Valor::Entero(0);
    EXPECT_EQ(Ejecutar(), 0);
    EXPECT_EQ(Reg().AR(0), 0);
    EXPECT_EQ(Reg().ST(), stInicial);

    // LDI 0,R2: Z set, N cleared; the exponent byte of R2 stays.
    Reg().R(2).HI(5);
    ClassUnitData& r2 = AEjecutar(0, grupo0::LDI);
    r2.iModoDireccion = 3;
    r2.lIndDst1 = 2;
    r2.vSrc1 = Valor::Entero(0);
    Ejecutar();
    EXPECT_EQ(Reg().R(2).LO(), 0);
    EXPECT_EQ(Reg().R(2).HI(), 5);
    EXPECT_EQ(Reg().ST(), 1 << bitst::Z);

    // CMPI 7,AR0 commits although its destination field names AR0.
    Reg().ST(0);
    Reg().AR(0, 7);
    ClassUnitData& cmp = AEjecutar(0, grupo0::CMPI);
    cmp.iModoDireccion = 3;
    cmp.lIndDst1 = ClassRegistrosCPU::kNumAR0;
    cmp.vSrc1 = Valor::Entero(7);
    Ejecutar();
    EXPECT_EQ(Reg().AR(0), 7);
    EXPECT_EQ(Reg().ST(), 1 << bitst::Z);

    // TSTB3 with a register destination field above R7 commits too.
    Reg().ST(0);
    Reg().R(0).LO(0x0F);
    Reg().R(1).LO(0xF0);
    ClassUnitData& tstb = AEjecutar(1, grupo1::TSTB3);
    tstb.iModoDireccion = 0;
    tstb.lIndSrc1 = 0;
    tstb.lIndSrc2 = 1;
    tstb.lIndDst1 = ClassRegistrosCPU::kNumAR0;
    Ejecutar();
    EXPECT_EQ(Reg().ST(), 1 << bitst::Z);
}

TEST_F(Unidades, EjecucionDeAlmacenamientos) {
    Reg().R(1).LO(0x55);
    Reg().ST(0);
    ClassUnitData& directo = AEjecutar(0, grupo0::STI);  // STI R1,@09900h
    directo.iModoDireccion = 1;
    directo.lIndDst1 = 1;
    directo.lAddrDirecto = 0x809900;
    Ejecutar();
    EXPECT_EQ(m.Palabra(0x809900), 0x55);
    EXPECT_EQ(Reg().R(1).LO(), 0x55);

    ClassUnitData& indirecto = AEjecutar(0, grupo0::STI);  // STI R1,*AR0
    indirecto.iModoDireccion = 2;
    indirecto.lIndDst1 = 1;
    indirecto.lAddrArn1 = 0x809901;
    Ejecutar();
    EXPECT_EQ(m.Palabra(0x809901), 0x55);

    // A register or immediate mode stores nothing.
    for (int16_t modo : {int16_t{0}, int16_t{3}}) {
        ClassUnitData& nada = AEjecutar(0, grupo0::STI);
        nada.iModoDireccion = modo;
        nada.lIndDst1 = 1;
        nada.lAddrDirecto = 0x809902;
        nada.lAddrArn1 = 0x809902;
        Ejecutar();
        EXPECT_EQ(m.Palabra(0x809902), 0) << modo;
    }
    // An unmapped address loses the word; the run goes on.
    ClassUnitData& fuera = AEjecutar(0, grupo0::STI);
    fuera.iModoDireccion = 2;
    fuera.lIndDst1 = 1;
    fuera.lAddrArn1 = -5;
    EXPECT_EQ(Ejecutar(), 0);
    EXPECT_EQ(Reg().ST(), 0);
}

TEST_F(Unidades, EjecucionDePilaYControl) {
    // PUSH R0 writes at the stack address the decode unit produced; an
    // unmapped one loses the word silently.
    Reg().R(0).LO(9);
    ClassUnitData& push = AEjecutar(0, grupo0::PUSH);
    push.iModoDireccion = 1;
    push.lIndDst1 = 0;
    push.iFlagSP = 1;
    push.lAddrSP = 0x809F01;
    Ejecutar();
    EXPECT_EQ(m.Palabra(0x809F01), 9);
    ClassUnitData& perdido = AEjecutar(0, grupo0::PUSH);
    perdido.iModoDireccion = 1;
    perdido.lIndDst1 = 0;
    perdido.iFlagSP = 1;
    perdido.lAddrSP = -5;
    EXPECT_EQ(Ejecutar(), 0);

    // A register-form Bcond: the execute unit reads the register, all 32 bits;
    // the group writes no register back and commits nothing.
    Reg().ST(0);
    Reg().R(0).LO(0x12345678);
    ClassUnitData& b = AEjecutar(3, grupo3::BCOND_REG);
    b.lIndSrc1 = 0;
    b.lCond = 0;
    Ejecutar();
    EXPECT_EQ(Reg().PC(), 0x12345678);
    EXPECT_EQ(Reg().ST(), 0);

    // CALL pushes its return address.
    Reg().PC(0x809811);
    ClassUnitData& call = AEjecutar(3, grupo3::CALL);
    call.lInmediato = Valor::Entero(0x809C00);
    call.iFlagSP = 1;
    call.lAddrSP = 0x809F02;
    Ejecutar();
    EXPECT_EQ(Reg().PC(), 0x809C00);
    EXPECT_EQ(m.Palabra(0x809F02), 0x809811);
}

TEST_F(Unidades, EjecucionDeCargaCondicional) {
    // LDIcond 42,R3 with only N set: a false condition leaves R3, a true one
    // loads it; neither touches ST.
    struct Caso { int32_t cond; int32_t r3; } casos[] = {{5, 7}, {7, 42}};  // EQ, LT
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.cond);
        Reg().R(3).LO(7);
        Reg().ST(1 << bitst::N);
        ClassUnitData& e = AEjecutar(2, grupo2::LDICOND);
        e.iModoDireccion = 3;
        e.lIndDst1 = 3;
        e.lCond = c.cond;
        e.vSrc1 = Valor::Entero(42);
        Ejecutar();
        EXPECT_EQ(Reg().R(3).LO(), c.r3);
        EXPECT_EQ(Reg().ST(), 1 << bitst::N);
    }
}

TEST_F(Unidades, EjecucionSoloDeRegistrosLeidos) {
    Reg().R(0).LO(3);
    const auto ldi = []() -> ClassUnitData& {  // LDI 8,R0, read
        ClassUnitData& e = AEjecutar(0, grupo0::LDI);
        e.iModoDireccion = 3;
        e.lIndDst1 = 0;
        e.vSrc1 = Valor::Entero(8);
        return e;
    };
    Reg().ST(0);
    ldi().lCanal = canal::kDecodificado;
    Ejecutar();
    ldi().LTipoIntr = -1;
    Ejecutar();
    ldi();
    int16_t err = 1;
    UnidadEjecucion(err);
    EXPECT_EQ(err, 1);
    EXPECT_EQ(Reg().R(0).LO(), 3);
    EXPECT_EQ(Reg().ST(), 0);
    ldi();
    Ejecutar();
    EXPECT_EQ(Reg().R(0).LO(), 8);
}
