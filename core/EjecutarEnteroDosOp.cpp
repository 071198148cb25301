// Integer instructions of the two-operand group: arithmetic, logic, shifts,
// rotates, loads and stores, the stack, RPTS and IDLE. The routine computes the
// result fields of the execute-stage record and the pending flags; the execute
// unit writes back, stores, pushes and commits.
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/Instrucciones.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

namespace {

// Group-0 rows handled here.
enum Codigo : int32_t {
    ABSI = 1, ADDC = 2, ADDI = 4, AND = 5, ANDN = 6, ASH = 7, CMPI = 9, FLOAT = 11, IDLE = 12,
    LDI = 16, LDII = 17, LSH = 19, MPYI = 21, NEGB = 22, NEGI = 24, NOP = 25, NOT = 27,
    POP = 28, PUSH = 30, OR = 32, ROL = 35, ROLC = 36, ROR = 37, RORC = 38, RPTS = 39,
    STI = 42, STII = 43, SUBB = 45, SUBC = 46, SUBI = 48, SUBRB = 49, SUBRI = 51, TSTB = 52,
    XOR = 53,
};

constexpr int16_t F(bool b) { return b ? 1 : 0; }

constexpr uint32_t U(int32_t v) { return static_cast<uint32_t>(v); }
constexpr int32_t S(uint32_t v) { return static_cast<int32_t>(v); }

// Bit n of v (n 0-31).
constexpr bool BitDe(int32_t v, int n) { return (U(v) >> n) & 1u; }

// The low 24 bits of v as a signed number.
constexpr int64_t Entero24(int32_t v) { return S(U(v) << 8) >> 8; }

// Flags of a result that cannot overflow, as the logical instructions and the
// shifts set them: N from bit 31, Z, V and UF cleared.
void FlagsLogicos(int32_t r) {
    FlagsPendientesST.V = 0;
    FlagsPendientesST.UF = 0;
    FlagsPendientesST.N = F(r < 0);
    FlagsPendientesST.Z = F(r == 0);
}

// Shift count of ASH and LSH: the low 7 bits as a two's-complement number,
// positive to the left.
constexpr int32_t Cuenta(int32_t src) {
    int32_t n = src & 0x7F;
    return (n & 0x40) ? n - 128 : n;
}

// Left shift by n > 0 places within 32 bits; C is the last bit shifted out.
int32_t DesplazarIzquierda(int32_t dst, int32_t n) {
    FlagsPendientesST.C = F(n <= 32 && BitDe(dst, 32 - n));
    return n < 32 ? S(U(dst) << n) : 0;
}

int32_t Ash(int32_t dst, int32_t n) {
    int32_t r;
    if (n > 0) {
        r = DesplazarIzquierda(dst, n);
    } else if (n < 0) {
        const int32_t m = -n;
        FlagsPendientesST.C = F(BitDe(dst, m <= 32 ? m - 1 : 31));
        r = m < 32 ? (dst >> m) : (dst < 0 ? -1 : 0);
    } else {
        FlagsPendientesST.C = 0;
        r = dst;
    }
    FlagsLogicos(r);
    FlagsPendientesST.V = F((r < 0) != (dst < 0) && r != 0 && dst != 0);
    return r;
}

int32_t Lsh(int32_t dst, int32_t n) {
    int32_t r;
    if (n > 0) {
        r = DesplazarIzquierda(dst, n);
    } else if (n < 0) {
        const int32_t m = -n;
        FlagsPendientesST.C = F(m <= 32 && BitDe(dst, m - 1));
        r = m < 32 ? S(U(dst) >> m) : 0;
    } else {
        FlagsPendientesST.C = 0;
        r = dst;
    }
    FlagsLogicos(r);
    return r;
}

// One step of unsigned division: subtract when it fits, then shift in the
// quotient bit.
constexpr int32_t Subc(int32_t dst, int32_t src) {
    return U(dst) >= U(src) ? S(((U(dst) - U(src)) << 1) | 1u) : S(U(dst) << 1);
}

// Sum or difference formed exactly: the check gives the 32-bit result with
// V, UF, N and Z, the carry rule C (for a difference, the borrow).
int32_t Aritmetica(int64_t x, int32_t a, int32_t b) {
    CalcularAcarreo(x, a, b);
    return ComprobarDesbordamiento(x);
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
