#include "core/UnidadEjecucion.h"

#include <cmath>

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "data/DatosPrograma.h"

FlagsPendientes FlagsPendientesST;

namespace {

void Leer(ClassUnitData& e, Valor& v, int32_t registro) {
    v = gRegistros->RegCPU(registro, e.iTipoDatos() != 0);
}
void Escribir(const ClassUnitData& e, int32_t registro, const Valor& v) {
    gRegistros->RegCPU(registro, e.iTipoDatos() != 0, v);
}
// A register that a store writes to memory: a floating-point store takes
// it as its single-format word.
void LeerAlmacenado(const ClassUnitData& e, Valor& v, int32_t registro) {
    v = e.iTipoDatos() != 0 ? gRegistros->RegCPUCorto(registro) : gRegistros->RegCPU(registro, false);
}
// An unmapped address loses the word silently. An integer value is the word
// itself, also in a floating-point store.
void Almacenar(const ClassUnitData& e, const Valor& v, int32_t dir) {
    gMemoria->EscribeDatoDSP(v, dir, e.iTipoDatos() != 0 && !v.EsEntero());
}

// Flags reach ST for a destination among R0-R7 (or none), and always for the
// compares and bit tests.
bool ConfirmaFlags(const ClassUnitData& e) {
    if (e.lIndDst1 < 8) return true;
    const int32_t c = e.lCodigoInstr();
    if (e.LTipoIntr == 0) return c == grupo0::CMPF || c == grupo0::CMPI || c == grupo0::TSTB;
    if (e.LTipoIntr == 1) return c == grupo1::CMPF3 || c == grupo1::CMPI3 || c == grupo1::TSTB3;
    return false;
}

void EjecutarGrupo0y2(ClassUnitData& e) {
    if (e.iModoDireccion == 0) Leer(e, e.vSrc1, e.lIndSrc1);
    Leer(e, e.vDst1, e.lIndDst1);
    if (e.LTipoIntr == 2)
        EjecutarCargaCond();
    else if (e.iTipoDatos() != 0)
        EjecutarFlotanteDosOp();
    else
        EjecutarEnteroDosOp();
    const int32_t c = e.lCodigoInstr();
    if (e.LTipoIntr == 0 && c >= grupo0::STF && c <= grupo0::STII) {  // STF, STFI, STI, STII
        if (e.iModoDireccion == 1)
            Almacenar(e, e.vSrc1, e.lAddrDirecto);
        else if (e.iModoDireccion == 2)
            Almacenar(e, e.vSrc1, e.lAddrArn1);
        return;
    }
    Escribir(e, e.lIndDst1, e.vDst1);
    if (ConfirmaFlags(e)) ActualizarFlagsST();
}

void EjecutarGrupo1(ClassUnitData& e) {
    if (e.iModoDireccion == 0 || e.iModoDireccion == 2) Leer(e, e.vSrc1, e.lIndSrc1);
    if (e.iModoDireccion == 0 || e.iModoDireccion == 1) Leer(e, e.vSrc2, e.lIndSrc2);
    if (e.iTipoDatos() != 0)
        EjecutarFlotanteTresOp();
    else
        EjecutarEnteroTresOp();
    Escribir(e, e.lIndDst1, e.vDst1);
    if (ConfirmaFlags(e)) ActualizarFlagsST();
}

void EjecutarGrupo3(ClassUnitData& e) {
    const int32_t c = e.lCodigoInstr();
    // Bcond, DBcond and CALLcond with a register target.
    if (c >= grupo3::BCOND_REG && c <= grupo3::CALLCOND_REL && !e.bBitB)
        Leer(e, e.vSrc1, e.lIndSrc1);
    EjecutarControlPrograma();
    // A call put in place by the interrupt service returns to the word it replaced.
    if (e.lDirRetornoInt >= 0 && e.iFlagSP > 0) e.lDatoSP = Valor::Entero(e.lDirRetornoInt);
}

void EjecutarGrupo4(ClassUnitData& e) {
    if (e.lIndSrc1 != -1) Leer(e, e.vSrc1, e.lIndSrc1);
    if (e.lIndSrc2 != -1) Leer(e, e.vSrc2, e.lIndSrc2);
    if (e.iTipoDatos() != 0)
        EjecutarFlotanteParaleloMultSuma();
    else
        EjecutarEnteroParaleloMultSuma();
    Escribir(e, e.lIndDst1, e.vDst1);
    Escribir(e, e.lIndDst2, e.vDst2);
    ActualizarFlagsST();
}

void EjecutarParaleloCargaAlmac(ClassUnitData& e) {
    if (e.iTipoDatos() != 0)
        EjecutarFlotanteParaleloCargaAlmac();
    else
        EjecutarEnteroParaleloCargaAlmac();
}

void EjecutarGrupo67(ClassUnitData& e) {
    const int32_t c = e.lCodigoInstr();
    if (c == grupo67::STF_STF || c == grupo67::STI_STI) {
        LeerAlmacenado(e, e.vSrc1, e.lIndSrc1);
        LeerAlmacenado(e, e.vSrc2, e.lIndSrc2);
        EjecutarParaleloCargaAlmac(e);
        Almacenar(e, e.vDst1, e.lAddrArn1);
        Almacenar(e, e.vDst2, e.lAddrArn2);
    } else if (c == grupo67::LDF_LDF || c == grupo67::LDI_LDI) {
        EjecutarParaleloCargaAlmac(e);
        Escribir(e, e.lIndDst1, e.vDst1);
        Escribir(e, e.lIndDst2, e.vDst2);
    } else {  // operation || store
        LeerAlmacenado(e, e.vSrc3, e.lIndSrc3);
        Leer(e, e.vSrc1, e.lIndSrc1);
        Leer(e, e.vDst1, e.lIndDst1);
        EjecutarParaleloCargaAlmac(e);
        Almacenar(e, e.vDst2, e.lAddrArn1);
        Escribir(e, e.lIndDst1, e.vDst1);
        ActualizarFlagsST();
    }
}

int32_t Envolver32(int64_t x) { return static_cast<int32_t>(static_cast<uint32_t>(x)); }

// V and the result of an exact value; N and Z are set by the callers.
int32_t ReducirA32(int64_t x, bool& desborde) {
    const bool ovm = gRegistros->BIT_ST(bitst::OVM);
    desborde = x > INT32_MAX || x < INT32_MIN;
    if (!desborde) return static_cast<int32_t>(x);
    if (ovm) return x > 0 ? INT32_MAX : INT32_MIN;
    return Envolver32(x);
}

void FlagsEnteros(bool desborde, bool negativo, int32_t resultado) {
    FlagsPendientesST.V = desborde ? 1 : 0;
    FlagsPendientesST.UF = 0;
    FlagsPendientesST.N = negativo ? 1 : 0;
    FlagsPendientesST.Z = resultado == 0 ? 1 : 0;
}

}  // namespace

void ActualizarFlagsST() {
    // One read and one write of ST: bits to set and bits to clear. V also
    // latches LV, UF also latches LUF; a slot other than 0 or 1 keeps its bit.
    const FlagsPendientes& f = FlagsPendientesST;
    uint32_t poner = 0, quitar = 0;
    const auto pendiente = [&](int16_t valor, int32_t bit, uint32_t latch) {
        if (valor == 1)
            poner |= (1u << bit) | latch;
        else if (valor == 0)
            quitar |= 1u << bit;
    };
    pendiente(f.V, bitst::V, 1u << bitst::LV);
    pendiente(f.C, bitst::C, 0);
    pendiente(f.UF, bitst::UF, 1u << bitst::LUF);
    pendiente(f.OVM, bitst::OVM, 0);
    pendiente(f.N, bitst::N, 0);
    pendiente(f.Z, bitst::Z, 0);
    ClassRegistrosCPU& r = *gRegistros;
    r.ST(static_cast<int32_t>((static_cast<uint32_t>(r.ST()) & ~quitar) | poner));
}

int32_t ComprobarDesbordamiento(int64_t x) {
    bool desborde = false;
    const int32_t r = ReducirA32(x, desborde);
    FlagsEnteros(desborde, x < 0, r);
    return r;
}

int32_t ComprobarDesbordamiento(double x) {
    const double redondeado = std::nearbyint(x);
    if (std::fabs(redondeado) < 0x1p62) {
        bool desborde = false;
        const int32_t r = ReducirA32(static_cast<int64_t>(redondeado), desborde);
        FlagsEnteros(desborde, x < 0, r);
        return r;
    }
    // Far outside 64 bits (or not a number): saturate, or wrap modulo 2^32.
    int32_t r = 0;
    if (gRegistros->BIT_ST(bitst::OVM)) {
        r = x > 0 ? INT32_MAX : INT32_MIN;
    } else if (std::isfinite(redondeado)) {
        double resto = std::fmod(redondeado, 0x1p32);
        if (resto < 0) resto += 0x1p32;
        r = static_cast<int32_t>(static_cast<uint32_t>(resto));
    }
    FlagsEnteros(true, x < 0, r);
    return r;
}

void CalcularAcarreo(int64_t x, int32_t a, int32_t b) {
    FlagsPendientesST.C = ((x < 0) ^ (a < 0) ^ (b < 0)) ? 1 : 0;
}

void CalcularAcarreo(double x, int32_t a, int32_t b) {
    FlagsPendientesST.C = ((x < 0) ^ (a < 0) ^ (b < 0)) ? 1 : 0;
}

double LimitarFlotante(double x) {
    FlagsPendientes& f = FlagsPendientesST;
    f.V = 0;
    f.UF = 0;
    double r = x;
    if (x == 0) {
        r = 0;
    } else if (x > kMaxFlotante) {
        // Below 2^128 the exponent still fits: the mantissa is cut to the
        // largest value and nothing overflows.
        r = kMaxFlotante;
        f.V = x >= 0x1p128 ? 1 : 0;
    } else if (x >= -0x1p-127 && x <= kFlotanteDiminuto) {
        // Exponent -128 or below: -2^-127 too, whose mantissa -2 needs exponent -128.
        r = 0;
        f.UF = 1;
    } else if (x < kMinFlotante) {
        r = kMinFlotante;
        f.V = 1;
    }
    f.Z = r == 0 ? 1 : 0;
    f.N = r < 0 ? 1 : 0;  // an underflow's zero is not negative
    return r;
}

bool EvaluarCondicion(int32_t cond) {
    const uint32_t st = static_cast<uint32_t>(gRegistros->ST());
    const auto bit = [st](int32_t b) { return ((st >> b) & 1u) != 0; };
    const bool c = bit(bitst::C), v = bit(bitst::V), z = bit(bitst::Z), n = bit(bitst::N),
               uf = bit(bitst::UF), lv = bit(bitst::LV), luf = bit(bitst::LUF);
    switch (cond) {
    case 0: return true;
    case 1: return c;
    case 2: return c || z;
    case 3: return !c && !z;
    case 4: return !c;
    case 5: return z;
    case 6: return !z;
    case 7: return n;
    case 8: return n || z;
    case 9: return !n && !z;
    case 10: return !n;
    case 12: return !v;
    case 13: return v;
    case 14: return !uf;
    case 15: return uf;
    case 16: return !lv;
    case 17: return lv;
    case 18: return !luf;
    case 19: return luf;
    case 20: return z || uf;
    default: return false;
    }
}

void EjecutarCargaCond() {
    ClassUnitData& e = gPPL->Ejecucion();
    e.vDst1 = EvaluarCondicion(e.lCond) ? e.vSrc1 : Valor::Vacio();
}

void SaltoPC(int32_t destino, bool retardado) {
    if (retardado && ModoPPL != 0) {
        gPPL->lDestinoRetardo = destino;
        gPPL->iSaltosRetardo = 3;
    } else {
        gRegistros->PC(destino);
    }
}

void UnidadEjecucion(int16_t& err) {
    ClassUnitData& e = gPPL->Ejecucion();
    if (e.lCanal != canal::kLeido || err != 0) return;
    if (e.LTipoIntr < 0) return;
    // A code without a row in its group's table passes as a bubble: it must
    // not write back operands it never formed.
    if (e.lCodigoInstr() < 0) return;
    FlagsPendientesST = FlagsPendientes{};
    switch (e.LTipoIntr) {
    case 0:
    case 2: EjecutarGrupo0y2(e); break;
    case 1: EjecutarGrupo1(e); break;
    case 3: EjecutarGrupo3(e); break;
    case 4: EjecutarGrupo4(e); break;
    case 6:
    case 7: EjecutarGrupo67(e); break;
    default: return;
    }
    // A routine that clears iFlagSP (a call whose condition is false) skips the push.
    if (e.iFlagSP > 0) Almacenar(e, e.lDatoSP, e.lAddrSP);
}
