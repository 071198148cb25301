// Three-operand instructions: two sources (a = source 1, b = source 2) and
// one destination register. The routines compute the result field of the
// execute-stage record and the pending flags.
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/OperacionesALU.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo1::Codigo;

}  // namespace

void EjecutarFlotanteTresOp() {
    ClassUnitData& e = gPPL->Ejecucion();
    const double a = e.vSrc1.ComoDoble();
    const double b = e.vSrc2.ComoDoble();
    switch (e.lCodigoInstr()) {
    case ADDF3: e.vDst1 = Valor::Doble(alu::Addf(b, a)); break;
    case CMPF3:
        alu::Subf(a, b);
        e.vDst1 = Valor::Vacio();
        break;
    case MPYF3: e.vDst1 = Valor::Doble(alu::Mpyf(b, a)); break;
    case SUBF3: e.vDst1 = Valor::Doble(alu::Subf(a, b)); break;
    default: break;
    }
}

void EjecutarEnteroTresOp() {
    using alu::Aritmetica;
    ClassUnitData& e = gPPL->Ejecucion();
    const int32_t a = e.vSrc1.ComoEntero();
    const int32_t b = e.vSrc2.ComoEntero();
    const int64_t x = a, y = b;
    const int64_t cin = gRegistros->BIT_ST(bitst::C) ? 1 : 0;
    int32_t r = 0;
    switch (e.lCodigoInstr()) {
    case ADDC3: r = Aritmetica(x + y + cin, a, b); break;
    case ADDI3: r = Aritmetica(x + y, a, b); break;
    case AND3: r = ComprobarDesbordamiento(a & b); break;
    case ANDN3: r = ComprobarDesbordamiento(a & ~b); break;
    case ASH3: r = alu::Ash(a, alu::Cuenta(b)); break;
    case CMPI3:
        Aritmetica(x - y, b, a);
        e.vDst1 = Valor::Vacio();
        return;
    case LSH3: r = alu::Lsh(a, alu::Cuenta(b)); break;
    case MPYI3: r = alu::Mpyi(a, b); break;
    case OR3: r = ComprobarDesbordamiento(a | b); break;
    case SUBB3: r = Aritmetica(x - y - cin, b, a); break;
    case SUBI3: r = Aritmetica(x - y, b, a); break;
    case TSTB3:
        ComprobarDesbordamiento(a & b);
        e.vDst1 = Valor::Vacio();
        return;
    case XOR3: r = ComprobarDesbordamiento(a ^ b); break;
    default: return;  // floating-point rows and rows that do not exist
    }
    e.vDst1 = Valor::Entero(r);
}
