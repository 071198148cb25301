// Parallel instructions: a multiply with an add or subtract (group 4), and
// two stores, two loads or an operation with a store (groups 6 and 7). Every
// operand was read before the call, so both halves see the values from
// before the instruction; the execute unit writes both results afterwards.
#include <cmath>

#include "core/ClassPPL.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/OperacionesALU.h"
#include "data/DatosPrograma.h"

namespace {

// Group 4: the two factors and the two terms chosen by the operand
// pattern P; the sum or difference is s2 + s1 or s2 - s1.
struct Operandos {
    Valor m1, m2, s1, s2;
};

Operandos Elegir(const ClassUnitData& e) {
    switch (e.iModoDireccion) {
    case 0: return {e.vSrc3, e.vSrc4, e.vSrc2, e.vSrc1};
    case 1: return {e.vSrc3, e.vSrc1, e.vSrc2, e.vSrc4};
    case 2: return {e.vSrc1, e.vSrc2, e.vSrc4, e.vSrc3};
    case 3: return {e.vSrc3, e.vSrc1, e.vSrc4, e.vSrc2};
    default: return {Valor::Entero(0), Valor::Entero(0), Valor::Entero(0), Valor::Entero(0)};
    }
}

using enum grupo67::Codigo;  // the rows of groups 6-7

// The pairs without an operation, alike for both data types: two stores or
// two loads pass their sources on, a load with a store its memory operand
// and the stored register. False for every other row.
bool SinOperacion(ClassUnitData& e) {
    switch (e.lCodigoInstr()) {
    case STF_STF:
    case STI_STI:
    case LDF_LDF:
    case LDI_LDI:
        e.vDst1 = e.vSrc1;
        e.vDst2 = e.vSrc2;
        return true;
    case LDF_STF:
    case LDI_STI:
        e.vDst1 = e.vSrc2;
        e.vDst2 = e.vSrc3;
        return true;
    default: return false;
    }
}

}  // namespace

void EjecutarFlotanteParaleloMultSuma() {
    ClassUnitData& e = gPPL->Ejecucion();
    const Operandos o = Elegir(e);
    const double s1 = o.s1.ComoDoble(), s2 = o.s2.ComoDoble();
    e.vDst1 = Valor::Doble(alu::Mpyf(o.m2.ComoDoble(), o.m1.ComoDoble()));
    // The second clamp leaves its UF and Z; N and V are cleared.
    const int32_t c = e.lCodigoInstr();
    if (c == grupo4::MPYF3_ADDF3) e.vDst2 = Valor::Doble(alu::Addf(s2, s1));
    if (c == grupo4::MPYF3_SUBF3) e.vDst2 = Valor::Doble(alu::Subf(s2, s1));
    FlagsPendientesST.N = 0;
    FlagsPendientesST.V = 0;
}

void EjecutarEnteroParaleloMultSuma() {
    ClassUnitData& e = gPPL->Ejecucion();
    const Operandos o = Elegir(e);
    const int64_t s1 = o.s1.ComoEntero(), s2 = o.s2.ComoEntero();
    e.vDst1 = Valor::Entero(alu::Mpyi(o.m1.ComoEntero(), o.m2.ComoEntero()));
    // The second check leaves its V; N and Z are cleared and C is kept.
    const int32_t c = e.lCodigoInstr();
    if (c == grupo4::MPYI3_ADDI3) e.vDst2 = Valor::Entero(ComprobarDesbordamiento(s2 + s1));
    if (c == grupo4::MPYI3_SUBI3) e.vDst2 = Valor::Entero(ComprobarDesbordamiento(s2 - s1));
    FlagsPendientesST.N = 0;
    FlagsPendientesST.Z = 0;
    FlagsPendientesST.C = -1;
}

void EjecutarFlotanteParaleloCargaAlmac() {
    ClassUnitData& e = gPPL->Ejecucion();
    const double a = e.vSrc1.ComoDoble(), b = e.vSrc2.ComoDoble();
    if (SinOperacion(e)) return;
    double r;
    switch (e.lCodigoInstr()) {
    case ABSF_STF: r = LimitarFlotante(std::fabs(b)); break;
    case ADDF3_STF: r = alu::Addf(b, a); break;
    case FLOAT_STF: r = LimitarFlotante(b); break;
    case MPYF3_STF: r = alu::Mpyf(b, a); break;
    case NEGF_STF: r = LimitarFlotante(-b); break;
    case SUBF3_STF: r = alu::Subf(b, a); break;
    default: return;  // integer rows and rows that do not exist
    }
    e.vDst1 = Valor::Doble(r);
    e.vDst2 = e.vSrc3;
}

void EjecutarEnteroParaleloCargaAlmac() {
    using alu::Aritmetica;
    ClassUnitData& e = gPPL->Ejecucion();
    const int32_t a = e.vSrc1.ComoEntero(), b = e.vSrc2.ComoEntero();
    const int64_t x = a, y = b;
    if (SinOperacion(e)) return;
    int32_t r;
    switch (e.lCodigoInstr()) {
    case ABSI_STI: r = ComprobarDesbordamiento(y < 0 ? -y : y); break;
    case ADDI3_STI: r = Aritmetica(x + y, a, b); break;
    case AND3_STI: r = ComprobarDesbordamiento(b & a); break;
    case ASH3_STI: r = alu::Ash(b, alu::Cuenta(a)); break;
    case FIX_STI: r = alu::Fix(e.vSrc2.ComoDoble()); break;  // the operand was read as a number
    case LSH3_STI: r = alu::Lsh(b, alu::Cuenta(a)); break;
    case MPYI3_STI: r = alu::Mpyi(a, b); break;
    case NEGI_STI: r = Aritmetica(-y, b, 0); break;
    case NOT_STI: r = ComprobarDesbordamiento(~b); break;
    case OR3_STI: r = ComprobarDesbordamiento(b | a); break;
    case SUBI3_STI: r = Aritmetica(y - x, a, b); break;
    case XOR3_STI: r = ComprobarDesbordamiento(b ^ a); break;
    default: return;  // floating-point rows and rows that do not exist
    }
    e.vDst1 = Valor::Entero(r);
    e.vDst2 = e.vSrc3;
}
