// Program-control instructions: branches, decrement-and-branch loops, calls,
// traps, returns and the block repeat. They set PC and the repeat and status
// registers; the execute unit pushes the return address of a call or trap.
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo3::Codigo;

constexpr int32_t Suma(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Target of the conditional branches and calls: the register's value, or the
// instruction's address plus the displacement (formed by the read unit) plus
// 1, or 3 for a delayed form, which counts from after its delay slots.
int32_t Destino(const ClassUnitData& e) {
    const int32_t v = e.vSrc1.ComoEntero();
    if (!e.bBitB) return v;
    return Suma(v, e.lBitD ? 3 : 1);
}

// A conditional call, trap or return whose condition is false leaves the
// stack as it was: the decode unit's move of SP is undone and no word is
// pushed.
void DeshacerPila(ClassUnitData& e) {
    ClassRegistrosCPU& r = *gRegistros;
    if (e.iFlagSP > 0)
        r.SP(Suma(r.SP(), -1));
    else if (e.iFlagSP < 0)
        r.SP(Suma(r.SP(), 1));
    e.iFlagSP = 0;
}

// Decrements the low 24 bits of the loop register (bits 31-24 kept) and tells
// whether the count has not gone below zero.
bool DecrementarContador(int32_t arn) {
    ClassRegistrosCPU& r = *gRegistros;
    const auto n = static_cast<int16_t>(arn);
    const auto ar = static_cast<uint32_t>(r.AR(n));
    const uint32_t bajo = (ar - 1u) & 0xFFFFFFu;
    r.AR(n, static_cast<int32_t>((ar & 0xFF000000u) | bajo));
    return (bajo & 0x800000u) == 0;
}

}  // namespace

void EjecutarControlPrograma() {
    ClassUnitData& e = gPPL->Ejecucion();
    ClassRegistrosCPU& r = *gRegistros;
    const int32_t codigo = e.lCodigoInstr();
    const int32_t siguiente = Suma(e.lPosMem, 1);

    switch (codigo) {
    case BR:
        SaltoPC(e.lInmediato.ComoEntero(), e.lBitD);
        break;
    case CALL:
        e.lDatoSP = Valor::Entero(siguiente);
        SaltoPC(e.lInmediato.ComoEntero(), false);
        break;
    case RPTB:
        r.RE(e.vSrc1.ComoEntero());
        r.BIT_S(false);
        r.BIT_ST(bitst::RM, true);
        r.PC(siguiente);
        r.RS(siguiente);
        break;
    case BCOND_REG:
    case BCOND_REL:
        if (EvaluarCondicion(e.lCond)) SaltoPC(Destino(e), e.lBitD);
        break;
    case DBCOND_REG:
    case DBCOND_REL: {
        const bool sigue = DecrementarContador(e.lIndArn1);
        if (sigue && EvaluarCondicion(e.lCond)) SaltoPC(Destino(e), e.lBitD);
        break;
    }
    case CALLCOND_REG:
    case CALLCOND_REL:
        if (EvaluarCondicion(e.lCond)) {
            e.lDatoSP = Valor::Entero(siguiente);
            SaltoPC(Destino(e), false);
        } else {
            DeshacerPila(e);
        }
        break;
    case TRAPCOND:
        if (EvaluarCondicion(e.lCond)) {
            r.BIT_ST(bitst::GIE, false);
            e.lDatoSP = Valor::Entero(siguiente);
            SaltoPC(e.vSrc1.ComoEntero(), false);
        } else {
            DeshacerPila(e);
        }
        break;
    case RETSCOND:
    case RETICOND:
        if (EvaluarCondicion(e.lCond)) {
            SaltoPC(e.lDatoSP.ComoEntero(), false);
            if (codigo == RETICOND) r.BIT_ST(bitst::GIE, true);
        } else {
            DeshacerPila(e);
        }
        break;
    default:  // SWI and rows that do not exist
        break;
    }
}
