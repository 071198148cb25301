// Floating-point instructions of the two-operand group: arithmetic, compare,
// loads and stores, the stack, FIX, and the instructions that work on the
// fields of the extended format (LDE, LDM, NORM, RND). The routine computes
// the result fields of the execute-stage record and the pending flags.
#include <cmath>

#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/OperacionesALU.h"
#include "data/DatosPrograma.h"

namespace {

using enum grupo0::Flotante;

// Exponent of a non-zero value in the processor's format, whose mantissa is
// in [1, 2) when positive and in [-2, -1) when negative.
int Exponente(double x) {
    const int e = std::ilogb(x);
    if (x > 0) return e;
    return std::ldexp(1.0, e) == -x ? e - 1 : e;
}

// Exponent field of an extended register, bit 7 its sign.
int ExponenteCampo(const ClassRegistrosRn& r) {
    const int32_t hi = r.HI();
    return (hi & 0x80) ? (hi | ~0xFF) : (hi & 0xFF);
}

// The value of an extended register.
double ValorDe(const ClassRegistrosRn& r) {
    double d = 0.0;
    ConvertirFlotExtADoble(r, d);
    return d;
}

// NORM: the mantissa word is an unnormalised two's-complement number (its
// implied bit equals its sign), so the value is m x 2^(e - 31), exact. A
// zero mantissa gives zero; the exponent -128 with a mantissa gives 0 with
// UF and without Z.
double Normalizar(const ClassRegistrosRn& r) {
    const int e = ExponenteCampo(r);
    const int32_t lo = r.LO();
    if (lo == 0) {
        LimitarFlotante(0.0);
        return 0.0;
    }
    if (e == -128) {
        FlagsPendientesST.V = 0;
        FlagsPendientesST.UF = 1;
        FlagsPendientesST.N = 0;
        FlagsPendientesST.Z = 0;
        return 0.0;
    }
    return LimitarFlotante(std::ldexp(static_cast<double>(lo), e - 31));
}

// RND: adds half of the last place of the 32-bit format and truncates
// (toward minus infinity, as the two's-complement mantissa does). Z is left
// alone; a zero source sets UF. Overflow gives the largest 32-bit value; a
// result that needs the exponent -128 (-2^-127) underflows to 0 with UF.
double Redondear(double x) {
    FlagsPendientes& f = FlagsPendientesST;
    f.V = 0;
    f.UF = 0;
    f.N = 0;
    if (x == 0) {
        f.UF = 1;
        return 0.0;
    }
    const int e = Exponente(x);
    double r = std::ldexp(std::floor(std::ldexp(x, 23 - e) + 0.5), e - 23);
    constexpr double kMaxCorto = 0x1.fffffep127;  // (2 - 2^-23) x 2^127
    if (r > kMaxCorto) {
        r = kMaxCorto;
        f.V = 1;
    } else if (r >= -0x1p-127 && r < 0x1p-127) {
        f.UF = 1;
        return 0.0;
    }
    f.N = alu::F(r < 0);
    return r;
}

// The fields of extended register n (outside R0-R7: zero).
ClassRegistrosRn Campos(int32_t n) {
    return n >= 0 && n < 8 ? gRegistros->R(static_cast<int16_t>(n)) : ClassRegistrosRn{};
}

// The fields of a single-format word: the exponent byte, then the sign and
// the 23 fraction bits at the top of the mantissa word.
ClassRegistrosRn CamposDePalabra(int32_t w) {
    ClassRegistrosRn r;
    r.HI(static_cast<int32_t>(static_cast<uint32_t>(w) >> 24));
    r.LO(static_cast<int32_t>(static_cast<uint32_t>(w) << 8));
    return r;
}

// A value as an extended register (zero: exponent -128).
ClassRegistrosRn Extendido(double x) {
    ClassRegistrosRn r;
    r.HI(128);
    ConvertirDobleAFlotExt(x, r);
    return r;
}

// LDFI and STFI: the interlocked forms set the two external-flag bits of IOF.
void MarcarIOF() {
    gRegistros->BIT_IOF(2, true);
    gRegistros->BIT_IOF(6, true);
}

}  // namespace

void EjecutarFlotanteDosOp() {
    ClassUnitData& e = gPPL->Ejecucion();
    const double src = e.vSrc1.ComoDoble();
    const double dst = e.vDst1.ComoDoble();

    switch (e.lCodigoInstr()) {
    case ABSF: e.vDst1 = Valor::Doble(LimitarFlotante(std::fabs(src))); break;
    case ADDF: e.vDst1 = Valor::Doble(alu::Addf(dst, src)); break;
    case CMPF:
        alu::Subf(dst, src);
        e.vDst1 = Valor::Vacio();
        break;
    case FIX: e.vDst1 = Valor::Entero(alu::Fix(src)); break;
    case LDE: {
        // The destination's own fields with the source's exponent; a zero
        // source clears the mantissa too.
        ClassRegistrosRn d = Campos(e.lIndDst1);
        if (src != 0) d.HI(Exponente(src));
        e.vDst1 = Valor::Doble(src == 0 ? 0.0 : ValorDe(d));
        break;
    }
    case LDF: e.vDst1 = Valor::Doble(LimitarFlotante(src)); break;
    case LDFI:
        e.vDst1 = Valor::Doble(LimitarFlotante(src));
        MarcarIOF();
        break;
    case LDM: {
        // The source's mantissa word under the destination's exponent.
        ClassRegistrosRn d = Campos(e.lIndDst1);
        d.LO(Extendido(src).LO());
        e.vDst1 = Valor::Doble(ValorDe(d));
        break;
    }
    case MPYF: e.vDst1 = Valor::Doble(alu::Mpyf(dst, src)); break;
    case NEGF: e.vDst1 = Valor::Doble(LimitarFlotante(-src)); break;
    case NORM:
        // A register or memory source is taken from its fields, which an
        // unnormalised word needs (the read unit hands a memory word over as
        // an integer); an immediate is a normalised value.
        e.vDst1 = Valor::Doble(Normalizar(e.iModoDireccion == 0 ? Campos(e.lIndSrc1)
                                          : e.vSrc1.EsEntero() ? CamposDePalabra(e.vSrc1.entero)
                                                               : Extendido(src)));
        break;
    case POPF: e.vDst1 = Valor::Doble(LimitarFlotante(e.lDatoSP.ComoDoble())); break;
    case PUSHF:
        // The register itself is not rewritten: its fields may hold no number.
        e.lDatoSP = gRegistros->RegCPUCorto(e.lIndDst1);
        e.vDst1 = Valor::Vacio();
        break;
    case RND: e.vDst1 = Valor::Doble(Redondear(src)); break;
    case STF: e.vSrc1 = gRegistros->RegCPUCorto(e.lIndDst1); break;
    case STFI:
        e.vSrc1 = gRegistros->RegCPUCorto(e.lIndDst1);
        MarcarIOF();
        break;
    case SUBF: e.vDst1 = Valor::Doble(alu::Subf(dst, src)); break;
    case SUBRF: e.vDst1 = Valor::Doble(alu::Subf(src, dst)); break;
    default: break;  // integer rows and rows that do not exist
    }
}
