#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/Unidades.h"
#include "data/DatosPrograma.h"

namespace {

// A read from an unmapped address leaves the operand empty.
[[gnu::always_inline]] inline Valor Leer(int32_t dir, bool flotante) {
    Valor v;
    gMemoria->LeeDatoDSP(v, dir, flotante);
    return v;
}

}  // namespace

// Inlined into the clock cycle, its only caller, by the link-time
// optimisation (the cycle calls it in a loop, which the size limits of
// inlining would otherwise keep out); elsewhere an ordinary call.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
[[gnu::always_inline]] void UnidadLectura(int16_t& err) {
    ClassUnitData& l = gPPL->Lectura();
    if (l.lCanal != canal::kDecodificado || err != 0) return;
    // A word let pass at the invalid-opcode question is never executed.
    if (l.LTipoIntr < 0) return;

    const int32_t codigo = l.lCodigoInstr();
    // NORM takes a memory word by its fields, read as an integer: an exponent
    // of -128 does not make the word 0 there.
    const bool flotante = l.iTipoDatos() != 0 && !(l.LTipoIntr == 0 && codigo == grupo0::NORM);
    Valor a, b;
    if (l.lModoArn1 != -1) a = Leer(l.lAddrArn1, flotante);
    if (l.lModoArn2 != -1) b = Leer(l.lAddrArn2, flotante);
    if (l.iFlagSP < 0) l.lDatoSP = Leer(l.lAddrSP, flotante);

    switch (l.LTipoIntr) {
    case 0:
    case 2:
        switch (l.iModoDireccion) {
        case 1:
            l.lAddrDirecto = ((gRegistros->DP() & 0xFF) << 16) | l.lDirecto;
            l.vSrc1 = Leer(l.lAddrDirecto, flotante);
            break;
        case 2: l.vSrc1 = a; break;
        case 3: l.vSrc1 = l.lInmediato; break;
        default: break;
        }
        break;
    case 1:
        if (l.iModoDireccion == 1 || l.iModoDireccion == 3) l.vSrc1 = a;
        if (l.iModoDireccion == 2 || l.iModoDireccion == 3) l.vSrc2 = b;
        break;
    case 3:
        if (codigo >= grupo3::BR && codigo <= grupo3::SWI) {
            l.vSrc1 = l.lInmediato;
        } else if (codigo >= grupo3::BCOND_REG && codigo <= grupo3::CALLCOND_REL) {
            if (l.bBitB)
                l.vSrc1 = Valor::Entero(static_cast<int32_t>(static_cast<uint32_t>(l.lPosMem) +
                                                             static_cast<uint32_t>(l.lDisp)));
        } else if (codigo == grupo3::TRAPCOND && l.lCondN != -1) {
            const uint32_t dir = static_cast<uint32_t>(gVectoresInt[12]) +
                                 static_cast<uint32_t>(l.lCondN);
            l.vSrc1 = Leer(static_cast<int32_t>(dir), false);
        }
        break;
    case 4:
        l.vSrc3 = a;
        l.vSrc4 = b;
        break;
    case 6:
    case 7:
        if (codigo == grupo67::LDF_LDF || codigo == grupo67::LDI_LDI) {
            l.vSrc1 = a;
            l.vSrc2 = b;
        } else if (codigo == grupo67::FIX_STI || codigo == grupo67::FLOAT_STF) {
            // FIX||STI reads its source as a float, FLOAT||STF as an integer.
            l.vSrc2 = Leer(l.lAddrArn2, !flotante);
        } else if (codigo != grupo67::STF_STF && codigo != grupo67::STI_STI) {
            l.vSrc2 = b;
        }
        break;
    default: break;
    }
    l.lCanal = canal::kLeido;
}
#pragma GCC diagnostic pop
