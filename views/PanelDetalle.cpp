#include "views/PanelDetalle.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/ClassUnitData.h"
#include "core/ConversionesNum.h"
#include "core/FilasInstruccion.h"

namespace {

constexpr const char* kNombresReg[28] = {
    " R0", " R1", " R2", " R3", " R4", " R5", " R6", " R7", " AR0", " AR1",
    " AR2", " AR3", " AR4", " AR5", " AR6", " AR7", " DP", " IR0", " IR1", " BK",
    " SP", " ST", " IE", " IF", " IOF", " RS", " RE", " RC"};

// "#" stands for the auxiliary-register number, "@" for the displacement.
constexpr const char* kPlantillasInd[26] = {
    " *+AR#(@)", " *-AR#(@)", " *++AR#(@)", " *--AR#(@)", " *AR#++(@)", " *AR#--(@)",
    " *AR#++(@)%", " *AR#--(@)%", " *+AR#(IR0)", " *-AR#(IR0)", " *++AR#(IR0)", " *--AR#(IR0)",
    " *AR#++(IR0)", " *AR#--(IR0)", " *AR#++(IR0)%", " *AR#--(IR0)%", " *+AR#(IR1)", " *-AR#(IR1)",
    " *++AR#(IR1)", " *--AR#(IR1)", " *AR#++(IR1)", " *AR#--(IR1)", " *AR#++(IR1)%", " *AR#--(IR1)%",
    " *AR#", " *AR#++(IR0)B"};

// Name, " # ", the flags the condition tests, "|" and a description.
constexpr const char* kTextosCond[21] = {
    " U  # -|Incondicional",
    " LO # C|Menor que",
    " LS # C or Z|Menor o igual que",
    " HI # ~C and ~Z|Mayor que",
    " HS # ~C|Mayor o igual que",
    " EQ # Z|Igual a",
    " NE # ~Z|Distinto",
    " LT # N|Menor que",
    " LE # N or Z|Menor o igual que",
    " GT # ~N and ~Z|Mayor que",
    " GE # ~N|Mayor o igual que",
    "",
    " NV # ~V|No desbordamiento positivo",
    " V # V|Desbordamiento positivo",
    " NUF # ~UF|No desbordamiento negativo",
    " UF # UF|Desbordamiento negativo",
    " NLV # ~LV|No desbordamiento positivo almacenado",
    " LV # LV|Desbordamiento positivo almacenado",
    " NLUF # ~LUF|No desbordamiento negativo de P.Flot. almacenado",
    " LUF # LUF|Desbordamiento negativo de P.Flot. almacenado",
    " ZUF # Z or UF|Cero o desbordamiento negativo de P.Flotante"};

std::string Decimal(int32_t n) { return std::to_string(n); }

// A real number with up to 15 significant digits, in exponent form for very
// large or very small magnitudes ("1.5", "1E+20", "1E-05").
std::string Real(double d, char separador) {
    if (d == 0.0) return "0";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", d);
    std::string s = buf;
    for (char& c : s)
        if (c == '.') c = separador;
    return s;
}

std::string Hex(int32_t v) { return FormatoHex(v); }

std::string TipIndirecto(int32_t dir) { return "Indirecto [@0x" + Hex(dir) + "]"; }

// The pattern " +#; -#": a blank and the sign, then the magnitude (none for 0).
std::string ConSigno(int32_t n) {
    if (n == 0) return " +";
    const std::string m = std::to_string(std::llabs(int64_t(n)));
    return (n > 0 ? " +" : " -") + m;
}

// A floating-point store carries the single-format word it writes (STF and
// PUSHF its register's top 32 bits, the ||STF forms their stored register),
// and NORM a memory operand as its word: shown as the float that word holds.
Valor ComoFlotanteCorto(const Valor& v) {
    double d = 0.0;
    if (!v.EsEntero() || ConvertirFlotDSPADoble(v.entero, d) != 0) return v;
    return Valor::Doble(d);
}

// The sources that carry such a word, as the execute unit fills them: in
// groups 6-7 a floating-point row's stored registers (the data type is the
// store's; LDF||LDF stores nothing and its sources hold no word).
bool LlevaPalabraCorta(const ClassUnitData& r, int fuente) {
    if (r.iTipoDatos() == 0) return false;
    const int32_t c = r.lCodigoInstr();
    if (r.LTipoIntr == 0)
        return fuente == 1 && (c == grupo0::STF || c == grupo0::STFI || c == grupo0::NORM);
    if (r.LTipoIntr != 6 && r.LTipoIntr != 7) return false;
    return c == grupo67::STF_STF ? fuente == 1 || fuente == 2 : c != grupo67::LDF_LDF && fuente == 3;
}

// Group-0 rows whose word leaves the general operand unused (NOP takes one
// only as an address update, in any form but the register one).
bool SinFuenteGeneral(const ClassUnitData& r) {
    if (r.LTipoIntr != 0) return false;
    switch (r.lCodigoInstr()) {
    case grupo0::IDLE: case grupo0::SIGI: case grupo0::LOPOWER:
    case grupo0::POP: case grupo0::POPF: case grupo0::PUSH: case grupo0::PUSHF:
    case grupo0::ROL: case grupo0::ROLC: case grupo0::ROR: case grupo0::RORC:
        return true;
    case grupo0::NOP: return r.iModoDireccion == 0;
    default: return false;
    }
}

// Rows whose bits 20-16 name no register: group 0's operations without a
// destination, and the three-operand compares and bit test.
bool SinDestino(const ClassUnitData& r) {
    const int32_t c = r.lCodigoInstr();
    if (r.LTipoIntr == 0)
        return c == grupo0::IDLE || c == grupo0::NOP || c == grupo0::SIGI || c == grupo0::LOPOWER ||
               c == grupo0::IACK;
    if (r.LTipoIntr == 1) return c == grupo1::CMPF3 || c == grupo1::CMPI3 || c == grupo1::TSTB3;
    return false;
}

// The text of an operand box that shows no operand.
constexpr const char* kSinOperando = " - ";

}  // namespace

std::string PanelDetalle::NombreRegistro(int32_t r) { return r >= 0 && r <= 27 ? kNombresReg[r] : " <ERR>"; }

std::string PanelDetalle::ModoIndirecto(int32_t m) { return m >= 0 && m <= 25 ? kPlantillasInd[m] : " <ERR>"; }

std::string PanelDetalle::TextoCondicion(int32_t c) {
    return c >= 0 && c <= 20 ? kTextosCond[c] : " <ERR> # <ERR>|<ERR>";
}

std::string PanelDetalle::FormatearIndirecto(int32_t m, int32_t a, int32_t d) {
    std::string s = ModoIndirecto(m);
    const size_t almohadilla = s.find('#');
    if (almohadilla != std::string::npos)
        s[almohadilla] = std::to_string(std::llabs(int64_t(a)))[0];
    const size_t arroba = s.find('@');
    if (arroba != std::string::npos) s = s.substr(0, arroba) + TextoStr(d) + s.substr(arroba + 1);
    return s;
}

std::string PanelDetalle::TextoStr(int32_t n) { return n >= 0 ? " " + Decimal(n) : Decimal(n); }

std::string PanelDetalle::TextoValor(const Valor& v, char separador) {
    if (v.EsEntero()) return Decimal(v.entero);
    if (v.EsDoble()) return Real(v.doble, separador);
    return {};
}

// " I32", " F40" or " -" by the kind of value, each with its tool tip.
void PanelDetalle::TipoDeValor(Id id, const Valor& v, const char* entero, const char* real, const char* nada) {
    if (v.EsEntero())
        Poner(id, " I32", entero);
    else if (v.EsDoble())
        Poner(id, " F40", real);
    else
        Poner(id, " -", nada);
}

void PanelDetalle::Registro(Id id, int32_t r, const char* ayuda) { Poner(id, NombreRegistro(r), ayuda); }

void PanelDetalle::Indirecto(Id id, int32_t m, int32_t a, int32_t dirEfectiva) {
    Poner(id, FormatearIndirecto(m, a, 1), TipIndirecto(dirEfectiva));
}

void PanelDetalle::MostrarUnidadSeg(const ClassUnitData& rec) {
    ++version_;
    const std::string codigo = " [" + Decimal(rec.lCodigoInstr()) + "] " + std::string(rec.sNem());
    Poner(kTxtCodInstr, codigo, codigo);
    Poner(kLblPC, " " + Hex(rec.lPosMem), "");
    Poner(kLblCanal, " " + TextoStr(rec.lCanal), "");
    Poner(kTxtModoDIR, " -", "");
    Poner(kTxtTipoInstr, " -", " -");
    for (int n = 1; n <= 4; ++n) Poner(SrcDir(n), kSinOperando, "");
    for (int n = 1; n <= 2; ++n) {
        Poner(DstDir(n), kSinOperando, "");
        Poner(DstFor(n), " - ", "");
    }
    if (rec.LTipoIntr < 0) {
        // No instruction: nothing of an earlier record stays in the other boxes.
        for (Id id : {kTxtSRC_DATO1, kTxtSRC_DATO2, kTxtSRC_DATO3, kTxtSRC_DATO4, kTxtTipoDatos, kTxtDST_DATO1,
                      kTxtDST_DATO2, kTxtSP_DIR, kTxtSP_DATO, kTxtSP_FOR, kTxtCond0, kTxtCond1, kTxtCondN})
            C(id) = {};
        chkD_ = 0;
        return;
    }

    std::string t;
    Grupo(rec, t);
    const std::string tipo = " [" + Decimal(rec.LTipoIntr) + "] " + t;
    Poner(kTxtTipoInstr, tipo, tipo);

    // Values and format tags go only beside the operands shown: a field the
    // instruction leaves unused may still hold a register's or a word's value.
    const auto muestra = [&](Id id) { return Texto(id) != kSinOperando; };
    if (!muestra(kTxtSRC_DIR1))
        Poner(kTxtTipoDatos, " -", "No hay dato");
    else if (rec.iTipoDatos() == 1)
        Poner(kTxtTipoDatos, " F40", "Operacion P.Flotante 40 bits");
    else
        Poner(kTxtTipoDatos, " I32", "Operacion P.Fijo de 32 bits");
    const Valor* fuentes[4] = {&rec.vSrc1, &rec.vSrc2, &rec.vSrc3, &rec.vSrc4};
    for (int n = 1; n <= 4; ++n) {
        const Valor v = muestra(SrcDir(n)) ? *fuentes[n - 1] : Valor::Vacio();
        C(SrcDato(n)).texto = TextoValor(LlevaPalabraCorta(rec, n) ? ComoFlotanteCorto(v) : v, separadorDecimal);
    }
    const Valor* destinos[2] = {&rec.vDst1, &rec.vDst2};
    for (int n = 1; n <= 2; ++n) {
        const Valor v = muestra(DstDir(n)) ? *destinos[n - 1] : Valor::Vacio();
        TipoDeValor(DstFor(n), v, "Resultado en P.Fijo 32 bits", "Resultado en P.Flotante 40 bits", "No hay dato");
        C(DstDato(n)).texto = TextoValor(v, separadorDecimal);
    }
    chkD_ = rec.lBitD ? 1 : 0;
    Condicion(rec.lCond);
    C(kTxtCondN).texto = rec.lCondN == -1 ? " -" : TextoStr(rec.lCondN);
    Pila(rec);
}

// The group text and the operand boxes by instruction group.
void PanelDetalle::Grupo(const ClassUnitData& r, std::string& t) {
    switch (r.LTipoIntr) {
    case 0:
    case 2:
        t = r.LTipoIntr == 0 ? " 2 Op." : " Carga Cond.";
        Registro(kTxtDST_DIR1, r.lIndDst1);
        switch (r.iModoDireccion) {
        case 0:
            C(kTxtModoDIR).texto = " (G=00) Registro - S1 op D1 -> D1";
            Registro(kTxtSRC_DIR1, r.lIndSrc1, "Registros");
            break;
        case 1:
            C(kTxtModoDIR).texto = " (G=01) Directo - S1 op D1 -> D1";
            Poner(kTxtSRC_DIR1, " @0x" + Hex(r.lDirecto), "Directo [@0x" + Hex(r.lAddrDirecto) + "]");
            break;
        case 2:
            C(kTxtModoDIR).texto = " (G=10) Indirecto - S1 op D1 -> D1";
            Poner(kTxtSRC_DIR1, FormatearIndirecto(r.lModoArn1, r.lIndArn1, r.lDisp), TipIndirecto(r.lAddrArn1));
            break;
        case 3: {
            C(kTxtModoDIR).texto = " (G=11) Inmediato - S1 op D1 -> D1";
            const Valor& v = r.lInmediato;
            const std::string s = v.EsDoble() ? (v.doble >= 0 ? " " : "") + Real(v.doble, '.')
                                              : v.EsEntero() ? TextoStr(v.entero) : std::string();
            std::string sinBlancos;
            for (char c : s)
                if (c != ' ') sinBlancos += c;
            Poner(kTxtSRC_DIR1, " " + sinBlancos, "Inmediato");
            break;
        }
        default:
            break;
        }
        if (SinFuenteGeneral(r)) Poner(kTxtSRC_DIR1, kSinOperando, "");
        if (SinDestino(r)) Poner(kTxtDST_DIR1, kSinOperando, "");
        break;
    case 1:
        t = " 3 Op.";
        Registro(kTxtDST_DIR1, r.lIndDst1, "Registros");
        switch (r.iModoDireccion) {
        case 0:
            C(kTxtModoDIR).texto = " (T=00) Reg-Reg - S1 op S2 -> D1";
            Registro(kTxtSRC_DIR1, r.lIndSrc1);
            Registro(kTxtSRC_DIR2, r.lIndSrc2);
            break;
        case 1:
            C(kTxtModoDIR).texto = " (T=01) Ind-Reg - S1 op S2 -> D1";
            Indirecto(kTxtSRC_DIR1, r.lModoArn1, r.lIndArn1, r.lAddrArn1);
            Registro(kTxtSRC_DIR2, r.lIndSrc2);
            break;
        case 2:
            C(kTxtModoDIR).texto = " (T=10) Reg-Ind - S1 op S2 -> D1";
            Registro(kTxtSRC_DIR1, r.lIndSrc1);
            Indirecto(kTxtSRC_DIR2, r.lModoArn2, r.lIndArn2, r.lAddrArn2);
            break;
        case 3:
            C(kTxtModoDIR).texto = " (T=11) Ind-Ind - S1 op S2 -> D1";
            Indirecto(kTxtSRC_DIR1, r.lModoArn1, r.lIndArn1, r.lAddrArn1);
            Indirecto(kTxtSRC_DIR2, r.lModoArn2, r.lIndArn2, r.lAddrArn2);
            break;
        default:
            break;
        }
        if (SinDestino(r)) Poner(kTxtDST_DIR1, kSinOperando, "");
        break;
    case 3: {
        t = " Cond.";
        const int32_t fila = r.lCodigoInstr();
        if (fila >= grupo3::BCOND_REG && fila <= grupo3::CALLCOND_REL) {
            // The forms with a B bit: conditional branch, decrement and branch, conditional call.
            if (!r.bBitB) {
                C(kTxtModoDIR).texto = " (B=0) Registro";
                if (r.lIndSrc1 != -1) Registro(kTxtSRC_DIR1, r.lIndSrc1);
            } else {
                C(kTxtModoDIR).texto = " (B=1) Relativo a PC";
                Poner(kTxtSRC_DIR1, ConSigno(r.lDisp), "Relativo a PC");
            }
        } else if (fila >= grupo3::BR && fila <= grupo3::RPTB) {
            // BR, CALL and RPTB carry a 24-bit address, not a displacement.
            Poner(kTxtSRC_DIR1, " @0x" + Hex(r.lInmediato.ComoEntero()), "Inmediato");
        }
        break;
    }
    case 4:
        t = " Mul_Sum_Res";
        if (r.lIndDst1 != -1) Registro(kTxtDST_DIR1, r.lIndDst1);
        if (r.lIndDst2 != -1) Registro(kTxtDST_DIR2, r.lIndDst2);
        if (r.lIndSrc1 != -1) Registro(kTxtSRC_DIR1, r.lIndSrc1);
        if (r.lIndSrc2 != -1) Registro(kTxtSRC_DIR2, r.lIndSrc2);
        if (r.lIndArn1 != -1) Indirecto(kTxtSRC_DIR3, r.lModoArn1, r.lIndArn1, r.lAddrArn1);
        if (r.lIndArn2 != -1) Indirecto(kTxtSRC_DIR4, r.lModoArn2, r.lIndArn2, r.lAddrArn2);
        switch (r.iModoDireccion) {
        case 0: C(kTxtModoDIR).texto = " (P=00) S3*S4->D1 | S1\u00B1S2->D2"; break;
        case 1: C(kTxtModoDIR).texto = " (P=01) S3*S1->D1 | S4\u00B1S2->D2"; break;
        case 2: C(kTxtModoDIR).texto = " (P=10) S1*S2->D1 | S3\u00B1S4->D2"; break;
        case 3: C(kTxtModoDIR).texto = " (P=11) S3*S1->D1 | S2\u00B1S4->D2"; break;
        default: break;
        }
        break;
    case 6:
    case 7: {
        t = " Arit_Carg";
        auto ind = [&](Id id, int k) {
            if (k == 1 && r.lIndArn1 != -1) Indirecto(id, r.lModoArn1, r.lIndArn1, r.lAddrArn1);
            if (k == 2 && r.lIndArn2 != -1) Indirecto(id, r.lModoArn2, r.lIndArn2, r.lAddrArn2);
        };
        auto reg = [&](Id id, int32_t n) {
            if (n != -1) Registro(id, n);
        };
        switch (r.lCodigoInstr()) {
        case grupo67::STF_STF:
        case grupo67::STI_STI:  // two parallel stores
            ind(kTxtDST_DIR1, 1);
            ind(kTxtDST_DIR2, 2);
            reg(kTxtSRC_DIR1, r.lIndSrc1);
            reg(kTxtSRC_DIR2, r.lIndSrc2);
            break;
        case grupo67::LDF_LDF:
        case grupo67::LDI_LDI:  // two parallel loads
            ind(kTxtSRC_DIR1, 1);
            ind(kTxtSRC_DIR2, 2);
            reg(kTxtDST_DIR1, r.lIndDst1);
            reg(kTxtDST_DIR2, r.lIndDst2);
            break;
        default:  // an operation with a parallel store
            ind(kTxtDST_DIR2, 1);
            ind(kTxtSRC_DIR2, 2);
            reg(kTxtSRC_DIR1, r.lIndSrc1);
            reg(kTxtSRC_DIR3, r.lIndSrc3);
            reg(kTxtDST_DIR1, r.lIndDst1);
            break;
        }
        break;
    }
    default:
        break;
    }
}

// Name and flags of the condition, each with the description as tool tip.
void PanelDetalle::Condicion(int32_t cond) {
    if (cond == -1) {
        Poner(kTxtCond0, " -", "");
        Poner(kTxtCond1, " -", "");
        return;
    }
    const std::string t = TextoCondicion(cond);
    const size_t p = t.find('#'), q = t.find('|');
    if (p == std::string::npos || q == std::string::npos) {
        // A code that names no condition: nothing of an earlier record stays.
        C(kTxtCond0) = {};
        C(kTxtCond1) = {};
        return;
    }
    const std::string descripcion = t.substr(q + 1);
    Poner(kTxtCond0, t.substr(0, p), descripcion);
    Poner(kTxtCond1, t.substr(p + 1, q - p - 1), descripcion);
}

void PanelDetalle::Pila(const ClassUnitData& r) {
    if (r.iFlagSP == 0)
        Poner(kTxtSP_DIR, " -", "No usa la pila");
    else if (r.iFlagSP > 0)
        Poner(kTxtSP_DIR, " @0x" + Hex(r.lAddrSP) + " <-", "Escribe Pila (*++SP)");
    else
        Poner(kTxtSP_DIR, " @0x" + Hex(r.lAddrSP) + " ->", "Lee Pila (*SP--)");
    const bool pushf = r.LTipoIntr == 0 && r.lCodigoInstr() == grupo0::PUSHF;
    const Valor dato = pushf ? ComoFlotanteCorto(r.lDatoSP) : r.lDatoSP;
    TipoDeValor(kTxtSP_FOR, dato, "Dato Pila en P.Fijo 32 bits", "Dato Pila en P.Flotante 40 bits",
                "No hay dato o tipo de dato no valido");
    C(kTxtSP_DATO).texto = TextoValor(dato, separadorDecimal);
}
