// The six group decoders: each splits the word of the decode-stage record into
// its fields, and groups 0 and 3 also ask for wait cycles and mark stack accesses.
#include "core/ClassPPL.h"
#include "core/ClassUnitData.h"
#include "core/ConversionesNum.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "data/DatosPrograma.h"

namespace {

// Bits hi..lo of the word as an unsigned number.
constexpr int32_t Campo(uint32_t w, int hi, int lo) {
    return static_cast<int32_t>((w >> lo) & ((1u << (hi - lo + 1)) - 1u));
}

constexpr bool Bit(uint32_t w, int n) { return (w >> n) & 1u; }

// Group-0 rows whose 16-bit immediate is taken unsigned: the logical
// instructions and RPTS.
constexpr bool InmediatoSinSigno(int32_t codigo) {
    switch (codigo) {
    case grupo0::AND:
    case grupo0::ANDN:
    case grupo0::NOT:
    case grupo0::OR:
    case grupo0::RPTS:
    case grupo0::TSTB:
    case grupo0::XOR:
        return true;
    default:
        return false;
    }
}

// The 16-bit immediate field as an operand: a short float widened to the
// 32-bit floating-point word for floating-point rows, else an integer.
Valor Inmediato(uint32_t w, bool flotante, bool sinSigno) {
    uint32_t v = w & 0xFFFFu;
    if (flotante) {
        uint32_t s = v << 12;
        if (s & 0x08000000u)  // negative exponent: -8 is the short format's zero
            s = (s & 0x0F000000u) == 0x08000000u ? 0x80000000u : (s | 0xF0000000u);
        double d = 0.0;
        ConvertirFlotDSPADoble(static_cast<int32_t>(s), d);
        return Valor::Doble(d);
    }
    if (!sinSigno && (v & 0x8000u)) v |= 0xFFFF0000u;
    return Valor::Entero(static_cast<int32_t>(v));
}

// The general operand of groups 0 and 2, by the addressing mode G in bits 22-21,
// and the destination register of bits 20-16.
void OperandoGeneral(ClassUnitData& d, uint32_t w, bool sinSigno) {
    d.iModoDireccion = static_cast<int16_t>(Campo(w, 22, 21));
    d.lIndDst1 = Campo(w, 20, 16);
    switch (d.iModoDireccion) {
    case 0:
        d.lIndSrc1 = Campo(w, 4, 0);
        break;
    case 1:
        d.lDirecto = Campo(w, 15, 0);
        break;
    case 2:
        d.lModoArn1 = static_cast<int16_t>(Campo(w, 15, 11));
        d.lIndArn1 = Campo(w, 10, 8);
        d.lDisp = Campo(w, 7, 0);
        break;
    default:
        d.lInmediato = Inmediato(w, d.iTipoDatos() != 0, sinSigno);
        break;
    }
}

ClassUnitData& Registro() { return gPPL->Decodificacion(); }

// Rows of groups 6-7 whose operation has a single source, the memory operand:
// their bits 21-19 name no register.
constexpr bool UnaFuente(int32_t codigo) {
    switch (codigo) {
    case grupo67::ABSF_STF: case grupo67::ABSI_STI:
    case grupo67::FIX_STI: case grupo67::FLOAT_STF:
    case grupo67::LDF_STF: case grupo67::LDI_STI:
    case grupo67::NEGF_STF: case grupo67::NEGI_STI:
    case grupo67::NOT_STI:
        return true;
    default: return false;
    }
}

}  // namespace

void DecodificarDosOperandos(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(Campo(w, 28, 23));
    const int32_t codigo = d.lCodigoInstr();
    OperandoGeneral(d, w, InmediatoSinSigno(codigo));
    switch (codigo) {
    case grupo0::IDLE:
    case grupo0::RPTS:
        gPPL->lCiclosEspera = 2;
        break;
    case grupo0::POP:
    case grupo0::POPF:
        d.iFlagSP = -1;
        break;
    case grupo0::PUSH:
    case grupo0::PUSHF:
        d.iFlagSP = 1;
        break;
    default:
        break;
    }
}

void DecodificarTresOperandos(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(Campo(w, 28, 23));
    d.iModoDireccion = static_cast<int16_t>(Campo(w, 22, 21));
    d.lIndDst1 = Campo(w, 20, 16);
    if (d.iModoDireccion & 1) {  // source 1 indirect
        d.lModoArn1 = static_cast<int16_t>(Campo(w, 15, 11));
        d.lIndArn1 = Campo(w, 10, 8);
    } else {
        d.lIndSrc1 = Campo(w, 12, 8);
    }
    if (d.iModoDireccion & 2) {  // source 2 indirect
        d.lModoArn2 = static_cast<int16_t>(Campo(w, 7, 3));
        d.lIndArn2 = Campo(w, 2, 0);
    } else {
        d.lIndSrc2 = Campo(w, 4, 0);
    }
}

void DecodificarCargaCond(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(grupo2::LDFCOND + Campo(w, 28, 28));
    d.lCond = Campo(w, 27, 23);
    OperandoGeneral(d, w, false);
}

void DecodificarControlPrograma(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(Campo(w, 28, 25));
    const int32_t codigo = Campo(w, 28, 25);
    switch (codigo) {
    case grupo3::BR:
    case grupo3::CALL:
    case grupo3::RPTB:
    case grupo3::SWI:
        d.lBitD = Bit(w, 24);
        d.lInmediato = Valor::Entero(Campo(w, 23, 0));
        d.bBitB = true;
        if (codigo != grupo3::SWI && !d.lBitD) gPPL->lCiclosEspera = 2;
        if (codigo == grupo3::CALL) d.iFlagSP = 1;
        break;
    case grupo3::BCOND_REG: case grupo3::BCOND_REL:
    case grupo3::DBCOND_REG: case grupo3::DBCOND_REL:
    case grupo3::CALLCOND_REG: case grupo3::CALLCOND_REL:
        d.bBitB = Bit(w, 25);
        d.lIndArn1 = Campo(w, 24, 22);
        d.lBitD = Bit(w, 21);
        d.lCond = Campo(w, 20, 16);
        if (d.bBitB)
            d.lDisp = static_cast<int16_t>(Campo(w, 15, 0));
        else
            d.lIndSrc1 = Campo(w, 4, 0);
        if (!d.lBitD) gPPL->lCiclosEspera = 2;
        if (codigo >= grupo3::CALLCOND_REG) d.iFlagSP = 1;
        break;
    case grupo3::TRAPCOND:  // not delayed, so it waits like a call
        d.lCond = Campo(w, 20, 16);
        d.lCondN = Campo(w, 4, 0);
        d.iFlagSP = 1;
        gPPL->lCiclosEspera = 2;
        break;
    case grupo3::RETICOND:  // or RETScond when bit 23 is set
        if (Bit(w, 23)) d.lCodigoInstr(grupo3::RETSCOND);
        d.lCond = Campo(w, 20, 16);
        gPPL->lCiclosEspera = 2;
        d.iFlagSP = -1;
        break;
    default:  // RETSCOND's own row and the rows 13-15 that do not exist
        break;
    }
}

void DecodificarParaleloMultSuma(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(Campo(w, 29, 26));
    d.iModoDireccion = static_cast<int16_t>(Campo(w, 25, 24));
    d.lIndDst1 = Bit(w, 23) ? 1 : 0;
    d.lIndDst2 = Bit(w, 22) ? 3 : 2;
    d.lIndSrc1 = Campo(w, 21, 19);
    d.lIndSrc2 = Campo(w, 18, 16);
    d.lModoArn1 = static_cast<int16_t>(Campo(w, 15, 11));
    d.lIndArn1 = Campo(w, 10, 8);
    d.lModoArn2 = static_cast<int16_t>(Campo(w, 7, 3));
    d.lIndArn2 = Campo(w, 2, 0);
}

void DecodificarParaleloCargaAlmac(int32_t instruccion) {
    const auto w = static_cast<uint32_t>(instruccion);
    ClassUnitData& d = Registro();
    d.lCodigoInstr(Campo(w, 29, 25));
    d.iModoDireccion = static_cast<int16_t>(Campo(w, 25, 24));
    d.lModoArn1 = static_cast<int16_t>(Campo(w, 15, 11));
    d.lIndArn1 = Campo(w, 10, 8);
    d.lModoArn2 = static_cast<int16_t>(Campo(w, 7, 3));
    d.lIndArn2 = Campo(w, 2, 0);
    switch (d.lCodigoInstr()) {
    case grupo67::STF_STF:  // the first source register sits in bits 18-16
    case grupo67::STI_STI:
        d.lIndSrc2 = Campo(w, 24, 22);
        d.lIndSrc1 = Campo(w, 18, 16);
        break;
    case grupo67::LDF_LDF:
    case grupo67::LDI_LDI:
        d.lIndDst2 = Campo(w, 24, 22);
        d.lIndDst1 = Campo(w, 21, 19);
        break;
    default:  // operation || store; ASH3 and LSH3 take their count register from bits 21-19
        d.lIndDst1 = Campo(w, 24, 22);
        if (!UnaFuente(d.lCodigoInstr())) d.lIndSrc1 = Campo(w, 21, 19);
        d.lIndSrc3 = Campo(w, 18, 16);
        break;
    }
}
