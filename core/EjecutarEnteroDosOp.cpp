// Integer instructions of the two-operand group: arithmetic, logic, shifts,
// rotates, loads and stores, the stack, RPTS and IDLE. The routine computes the
// result fields of the execute-stage record and the pending flags; the execute
// unit writes back, stores, pushes and commits.
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/OperacionesALU.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo0::Entero;  // the group-0 rows handled here

using namespace alu;  // the arithmetic shared with the three-operand and parallel rows

// One step of unsigned division: subtract when it fits, then shift in the
// quotient bit.
constexpr int32_t Subc(int32_t dst, int32_t src) {
    return U(dst) >= U(src) ? S(((U(dst) - U(src)) << 1) | 1u) : S(U(dst) << 1);
}

}  // namespace

void EjecutarEnteroDosOp() {
    ClassUnitData& e = gPPL->Ejecucion();
    ClassRegistrosCPU& r = *gRegistros;
    const int32_t src = e.vSrc1.ComoEntero();
    const int32_t dst = e.vDst1.ComoEntero();
    const int64_t s = src, d = dst;
    const int64_t cin = r.BIT_ST(bitst::C) ? 1 : 0;

    switch (e.lCodigoInstr()) {
    case ABSI:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(s < 0 ? -s : s));
        break;
    case ADDC:
        e.vDst1 = Valor::Entero(Aritmetica(d + s + cin, src, dst));
        break;
    case ADDI:
        e.vDst1 = Valor::Entero(Aritmetica(d + s, src, dst));
        break;
    case AND:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(dst & src));
        break;
    case ANDN:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(dst & ~src));
        break;
    case ASH:
        e.vDst1 = Valor::Entero(Ash(dst, Cuenta(src)));
        break;
    case CMPI:
        Aritmetica(d - s, src, dst);
        e.vDst1 = Valor::Vacio();
        break;
    case FLOAT:
        e.vDst1 = Valor::Doble(LimitarFlotante(static_cast<double>(src)));
        break;
    case IDLE:
        r.BIT_ST(bitst::GIE, true);
        r.PC(e.lPosMem);
        e.vDst1 = Valor::Vacio();
        break;
    case LDI:
    case LDII:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(src));
        if (e.lCodigoInstr() == LDII) {
            r.BIT_IOF(2, true);
            r.BIT_IOF(6, true);
        }
        break;
    case LSH:
        e.vDst1 = Valor::Entero(Lsh(dst, Cuenta(src)));
        break;
    case MPYI:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(Entero24(src) * Entero24(dst)));
        break;
    case NEGB:
        e.vDst1 = Valor::Entero(Aritmetica(-s - cin, src, 0));
        break;
    case NEGI:
        e.vDst1 = Valor::Entero(Aritmetica(-s, src, 0));
        break;
    case NOP:
        e.vDst1 = Valor::Vacio();
        break;
    case NOT:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(~src));
        break;
    case POP:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(e.lDatoSP.ComoEntero()));
        break;
    case PUSH:
        e.lDatoSP = Valor::Entero(dst);
        break;
    case OR:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(dst | src));
        break;
    case ROL:
    case ROLC: {
        FlagsPendientesST.C = F(dst < 0);
        const uint32_t entra = e.lCodigoInstr() == ROL ? U(dst) >> 31 : U(cin);
        const int32_t res = S((U(dst) << 1) | entra);
        FlagsLogicos(res);
        e.vDst1 = Valor::Entero(res);
        break;
    }
    case ROR:
    case RORC: {
        FlagsPendientesST.C = F(BitDe(dst, 0));
        const uint32_t entra = e.lCodigoInstr() == ROR ? U(dst) & 1u : U(cin);
        const int32_t res = S((U(dst) >> 1) | (entra << 31));
        FlagsLogicos(res);
        e.vDst1 = Valor::Entero(res);
        break;
    }
    case RPTS:
        r.RC(src);
        r.BIT_S(true);
        r.BIT_ST(bitst::RM, true);
        r.PC(S(U(e.lPosMem) + 1u));
        r.RS(r.PC());
        r.RE(r.PC());
        e.vDst1 = Valor::Vacio();  // its destination field names RC: keep the count
        break;
    case STI:
    case STII:
        e.vSrc1 = Valor::Entero(dst);
        if (e.lCodigoInstr() == STII) {
            r.BIT_IOF(2, true);
            r.BIT_IOF(6, true);
        }
        break;
    case SUBB:
        e.vDst1 = Valor::Entero(Aritmetica(d - s - cin, src, dst));
        break;
    case SUBC:
        e.vDst1 = Valor::Entero(Subc(dst, src));
        break;
    case SUBI:
        e.vDst1 = Valor::Entero(Aritmetica(d - s, src, dst));
        break;
    case SUBRB:
        e.vDst1 = Valor::Entero(Aritmetica(s - d - cin, src, dst));
        break;
    case SUBRI:
        e.vDst1 = Valor::Entero(Aritmetica(s - d, src, dst));
        break;
    case TSTB:
        ComprobarDesbordamiento(dst & src);
        e.vDst1 = Valor::Vacio();
        break;
    case XOR:
        e.vDst1 = Valor::Entero(ComprobarDesbordamiento(dst ^ src));
        break;
    default:  // floating-point rows, LOPOWER/MAXSPEED, SIGI, IACK, rows that do not exist
        break;
    }
}
