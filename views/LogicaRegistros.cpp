#include "views/LogicaRegistros.h"

#include <cctype>

#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"
#include "views/TextoNumerico.h"

namespace disposicion {

namespace {
constexpr int32_t kFilaPC = 420, kFilaR0 = 750, kPaso = 270;
constexpr int32_t kColDer = 1975;   // left of the right column's buttons
int32_t FilaDerecha(int i) {        // RS, RE, RC, BK, SP below AR7
    return kFilaR0 + (8 + (i - 10)) * kPaso;
}
}  // namespace

Rect CmdReg(int i) {
    if (i == 0) return {30, kFilaPC, 435, 255};
    if (i == 1) return {kColDer, kFilaPC, 450, 250};
    if (i >= 2 && i <= 9) return {kColDer, kFilaR0 + (i - 2) * kPaso, 450, 250};
    if (i >= 10 && i <= 14) return {kColDer, FilaDerecha(i), 450, 250};
    return {30, kFilaR0 + (8 + (i - 15)) * kPaso, 450, 250};   // IR0, IR1
}

Rect TxtReg(int i) {
    const Rect b = CmdReg(i);
    const int32_t ancho = (i >= 2 && i <= 9) ? 1500 : 1400;
    return {b.left + b.width + 15, b.top, ancho, 270};
}

Rect CmdRegEXT(int i) { return {30, kFilaR0 + i * kPaso, 400, 250}; }
Rect TxtRegEXT(int i) { return {445, kFilaR0 + i * kPaso, 1500, 270}; }
// ST, IF, IE, IOF from the bottom up, below IR1.
Rect CmdRegBIT(int i) { return {30, kFilaR0 + (13 - i) * kPaso, 450, 250}; }
Rect TxtRegBIT(int i) { return {495, kFilaR0 + (13 - i) * kPaso, 1400, 270}; }
Rect CmdLimpiar() { return {2040, CmdRegBIT(0).top - 30, 345, 315}; }
Rect CmdResetReg() { return {2430, CmdRegBIT(0).top - 30, 345, 315}; }
Rect CmdMasInfo(int i) { return {2820 + 390 * i, CmdRegBIT(0).top - 30, 345, 315}; }

Rect CmdViewBIT(int i) {
    static constexpr int32_t tops[4] = {4680, 5175, 5670, 6420};
    static constexpr int32_t altos[4] = {465, 465, 720, 465};
    return {30, tops[i], 500, altos[i]};
}

Rect PicRegBIT(int i) {
    const Rect v = CmdViewBIT(i);
    return {v.left + v.width + 10, v.top - 10, 3345, i == 2 ? 765 : 510};
}

}  // namespace disposicion

namespace {

const char* const kBotones[17] = {"PC",  "DP", "AR0", "AR1", "AR2", "AR3", "AR4", "AR5", "AR6",
                                  "AR7", "RS", "RE",  "RC",  "BK",  "SP",  "IR0", "IR1"};
const char* const kAyudas[17] = {
    "Contador de Programa (PC)", "Puntero de Página (DP)", "Reg. Auxiliar (AR0)", "Reg. Auxiliar (AR1)",
    "Reg. Auxiliar (AR2)", "Reg. Auxiliar (AR3)", "Reg. Auxiliar (AR4)", "Reg. Auxiliar (AR5)",
    "Reg. Auxiliar (AR6)", "Reg. Auxiliar (AR7)", "Direccón de inicio de repetición (RS)",
    "Dirección final de repetición (RE)", "Contador de Repetición (RC)", "Reg. Tamaño de Bloque (BK)",
    "Puntero de Pila del Sistema (SP)", "Registro Indice (IR0)", "Registro Indice (IR1)"};
const int16_t kMascaras[17] = {1, 3, 31, 31, 31, 31, 31, 31, 31, 31, 1, 1, 3, 3, 1, 7, 7};
const char* const kBotonesBIT[4] = {"ST*", "IF*", "IE*", "I0F*"};
const char* const kAyudasBIT[4] = {"Registro de Estado (ST*)", "Flags de Interrupciones CPU (IF*)",
                                   "Activacion Interrupciones CPU/DMA (IE*)", "Flags de Entrada/Salida (IOF*)"};

struct Bit {
    const char* etiqueta;
    const char* nombre;
    const char* descripcion;
};

const Bit kBitsST[14] = {
    {"C", "C", "Ind. de acarreo en op. sin signo"},
    {"V", "V", "Ind. de desbordamiento"},
    {"Z", "Z", "Ind. de resultado cero"},
    {"N", "N", "Ind. de resultado negativo"},
    {"UF", "UF", "Ind. de desbordamiento inferior en punto flotante"},
    {"LV", "LV", "Ind. de desbordamiento memorizado"},
    {"LUF", "LUF", "Ind. de desbordamiento inferior memorizado"},
    {"OVM", "OVM", "Modo de saturación en desbordamiento"},
    {"RM", "RM", "Modo de repetición de bloque"},
    {nullptr, nullptr, nullptr},
    {"CF", "CF", "Congelación de la caché"},
    {"CE", "CE", "Habilitación de la caché"},
    {"CC", "CC", "Borrado de la caché"},
    {"GIE", "GIE", "Habilitación Global de Interrupciones"},
};

const char* const kEtiquetasInt[11] = {"I0", "I1", "I2", "I3", "X0", "R0", "X1", "R1", "T0", "T1", "DMA"};
const char* const kNombresInt[11] = {"INT0", "INT1", "INT2", "INT3", "XINT0", "RINT0",
                                     "XINT1", "RINT1", "TINT0", "TINT1", "DINT"};
const char* const kFuentesInt[11] = {"externa 0", "externa 1", "externa 2", "externa 3",
                                     "transmisión puerto serie 0", "recepción puerto serie 0",
                                     "transmisión puerto serie 1", "recepción puerto serie 1",
                                     "temporizador 0", "temporizador 1", "controlador DMA"};

const Bit kBitsIOF[8] = {
    {nullptr, nullptr, nullptr},
    {"I/0", "IOXF0", "Patilla XF0 como salida"},
    {"0UT", "OUTXF0", "Valor de salida de la patilla XF0"},
    {"IN", "INXF0", "Valor de entrada de la patilla XF0"},
    {nullptr, nullptr, nullptr},
    {"I/0", "IOXF1", "Patilla XF1 como salida"},
    {"0UT", "OUTXF1", "Valor de salida de la patilla XF1"},
    {"IN", "INXF1", "Valor de entrada de la patilla XF1"},
};

std::string ConBit(const std::string& nombre, const std::string& descripcion, int bit) {
    return nombre + " - " + descripcion + " (Bit " + std::to_string(bit) + ")";
}

void AvisoInvalido(const std::string& texto) {
    plataforma::Cuadro c;
    c.titulo = "Validación Numérica";
    c.texto = "<" + texto + "> no es un representación numérica valida";
    c.icono = plataforma::Icono::Exclamacion;
    plataforma::Cuadros().MsgBox(c);
}

ClassRegistrosCPU& Regs() { return *gRegistros; }

// An extended register holds no single-precision word: its IEEE box shows and
// takes the register's own floating-point value.
int16_t FormatoExt(int16_t formato) { return formato == 4 ? int16_t(3) : formato; }

// The exponent is the low 8 bits of HI: a reset writes -128 as 128.
bool MismoRn(const ClassRegistrosRn& a, const ClassRegistrosRn& b) {
    return a.LO() == b.LO() && (a.HI() & 0xFF) == (b.HI() & 0xFF);
}

}  // namespace

std::string LogicaRegistros::Boton(Arreglo a, int i) {
    if (a == kTxtReg) return kBotones[i];
    if (a == kTxtRegEXT) return "R" + std::to_string(i);
    return kBotonesBIT[i];
}

std::string LogicaRegistros::AyudaCaja(Arreglo a, int i) {
    if (a == kTxtReg) return kAyudas[i];
    if (a == kTxtRegEXT) return "Reg. Precisión Extendida (R" + std::to_string(i) + ")";
    return kAyudasBIT[i];
}

int16_t LogicaRegistros::Mascara(Arreglo a, int i) {
    if (a == kTxtReg) return kMascaras[i];
    if (a == kTxtRegEXT) return 31;
    return 1;
}

int32_t LogicaRegistros::Valor32(Arreglo a, int i) const {
    const ClassRegistrosCPU& r = Regs();
    if (a == kTxtRegBIT) {
        switch (i) {
        case 0: return r.ST();
        case 1: return r.IFR();
        case 2: return r.IE();
        default: return r.IOF();
        }
    }
    switch (i) {
    case 0: return r.PC();
    case 1: return r.DP();
    case 10: return r.RS();
    case 11: return r.RE();
    case 12: return r.RC();
    case 13: return r.BK();
    case 14: return r.SP();
    case 15:
    case 16: return r.IR(int16_t(i - 15));
    default: return r.AR(int16_t(i - 2));
    }
}

void LogicaRegistros::Escribir32(Arreglo a, int i, int32_t v) {
    ClassRegistrosCPU& r = Regs();
    if (a == kTxtRegBIT) {
        switch (i) {
        case 0: r.ST(v); break;
        case 1: r.IFR(v); break;
        case 2: r.IE(v); break;
        default: r.IOF(v); break;
        }
        return;
    }
    switch (i) {
    case 0: r.PC(v); break;
    case 1: r.DP(v); break;
    case 10: r.RS(v); break;
    case 11: r.RE(v); break;
    case 12: r.RC(v); break;
    case 13: r.BK(v); break;
    case 14: r.SP(v); break;
    case 15:
    case 16: r.IR(int16_t(i - 15), v); break;
    default: r.AR(int16_t(i - 2), v); break;
    }
}

void LogicaRegistros::Cargar() {
    for (auto& arreglo : cajas_)
        for (Caja& c : arreglo) c = Caja{};
    previos_ = ClassRegistrosCPU();
    edicionArreglo_ = edicionIndice_ = -1;
    nivelPanel_ = 0;
    flotante_ = {};
    masInfoActivo_ = {true, false};
    altoObjetivo_ = disposicion::kAltoVentana;
    RefrescarTxtReg();
    CmdLimpiar();
}

void LogicaRegistros::Refrescar() {
    RefrescarTxtReg();
    PresMod();
}

void LogicaRegistros::RefrescarTxtReg() {
    const ClassRegistrosCPU& r = Regs();
    for (int i = 0; i < kNumCajas[kTxtReg]; ++i) {
        Caja& c = cajas_[kTxtReg][size_t(i)];
        c.texto = FormatearValor(Valor32(kTxtReg, i), c.formato);
    }
    for (int i = 0; i < kNumCajas[kTxtRegEXT]; ++i) {
        Caja& c = cajas_[kTxtRegEXT][size_t(i)];
        c.texto = FormatearValorExt(r.R(int16_t(i)), FormatoExt(c.formato));
    }
    for (int i = 0; i < kNumCajas[kTxtRegBIT]; ++i)
        cajas_[kTxtRegBIT][size_t(i)].texto = FormatearValor(Valor32(kTxtRegBIT, i), 0);
    if (edicionArreglo_ >= 0) textoEntrada_ = cajas_[size_t(edicionArreglo_)][size_t(edicionIndice_)].texto;
    for (int p = 0; p < 4; ++p) {
        const uint32_t v = uint32_t(Valor32(kTxtRegBIT, p));
        for (int b = 0; b < 32; ++b)
            casillas_[size_t(p)][size_t(b)] = TieneCasilla(PanelBIT(p), b) && ((v >> b) & 1u);
    }
}

void LogicaRegistros::Marcar(Arreglo a, int i, bool distinto) { cajas_[a][size_t(i)].cursiva = distinto; }

void LogicaRegistros::PresMod() {
    ClassRegistrosCPU& r = Regs();
    auto comparar = [&](Arreglo a, int i, int32_t actual, int32_t previo, auto copiar) {
        const bool distinto = actual != previo;
        if (distinto) copiar(actual);
        Marcar(a, i, distinto);
    };
    comparar(kTxtReg, 1, r.DP(), previos_.DP(), [&](int32_t v) { previos_.DP(v); });
    for (int16_t i = 0; i < 8; ++i) {
        const bool distinto = !MismoRn(r.R(i), previos_.R(i));
        if (distinto) previos_.R(i, r.R(i));
        Marcar(kTxtRegEXT, i, distinto);
        comparar(kTxtReg, i + 2, r.AR(i), previos_.AR(i), [&](int32_t v) { previos_.AR(i, v); });
    }
    for (int16_t i = 0; i < 2; ++i)
        comparar(kTxtReg, i + 15, r.IR(i), previos_.IR(i), [&](int32_t v) { previos_.IR(i, v); });
    comparar(kTxtReg, 10, r.RS(), previos_.RS(), [&](int32_t v) { previos_.RS(v); });
    comparar(kTxtReg, 11, r.RE(), previos_.RE(), [&](int32_t v) { previos_.RE(v); });
    comparar(kTxtReg, 12, r.RC(), previos_.RC(), [&](int32_t v) { previos_.RC(v); });
    comparar(kTxtReg, 13, r.BK(), previos_.BK(), [&](int32_t v) { previos_.BK(v); });
    comparar(kTxtReg, 14, r.SP(), previos_.SP(), [&](int32_t v) { previos_.SP(v); });
    comparar(kTxtRegBIT, 0, r.ST(), previos_.ST(), [&](int32_t v) { previos_.ST(v); });
    comparar(kTxtRegBIT, 1, r.IFR(), previos_.IFR(), [&](int32_t v) { previos_.IFR(v); });
    comparar(kTxtRegBIT, 3, r.IOF(), previos_.IOF(), [&](int32_t v) { previos_.IOF(v); });
    comparar(kTxtRegBIT, 2, r.IE(), previos_.IE(), [&](int32_t v) { previos_.IE(v); });
    cajas_[kTxtReg][0].cursiva = false;
}

void LogicaRegistros::CmdLimpiar() {
    const ClassRegistrosCPU& r = Regs();
    previos_.DP(r.DP());
    for (int16_t i = 0; i < 8; ++i) {
        previos_.R(i, r.R(i));
        previos_.AR(i, r.AR(i));
    }
    previos_.IR(0, r.IR(0));
    previos_.IR(1, r.IR(1));
    previos_.RS(r.RS());
    previos_.RE(r.RE());
    previos_.RC(r.RC());
    previos_.BK(r.BK());
    previos_.SP(r.SP());
    previos_.ST(r.ST());
    previos_.IFR(r.IFR());
    previos_.IOF(r.IOF());
    previos_.IE(r.IE());
    PresMod();
}

void LogicaRegistros::CmdResetReg() {
    Regs().Reset();
    RefrescarTxtReg();
    CmdLimpiar();
}

void LogicaRegistros::CmdReg_Click(Arreglo a, int i, IMenuFormato& menu) {
    Caja& caja = cajas_[a][size_t(i)];
    const int16_t mascara = Mascara(a, i);
    menu.ResultadoPopUpMenu(caja.formato);
    for (int16_t k = 0; k <= 4; ++k) menu.Elemento(k, false, (mascara >> k) & 1);
    menu.Elemento(caja.formato, true, (mascara >> caja.formato) & 1);
    menu.Mostrar();
    const int16_t elegido = menu.ResultadoPopUpMenu();
    // Only a format the register allows is taken.
    if (elegido >= 0 && elegido <= 4 && ((mascara >> elegido) & 1)) caja.formato = elegido;
    RefrescarTxtReg();
}

void LogicaRegistros::GotFocus(Arreglo a, int i) {
    edicionArreglo_ = a;
    edicionIndice_ = i;
    textoEntrada_ = cajas_[a][size_t(i)].texto;
}

bool LogicaRegistros::KeyPress(Arreglo a, int i, int tecla) {
    if (tecla == 13) {
        // Enter commits at once; the box then holds what was written.
        Validar(a, i);
        return true;
    }
    if (tecla == 27) cajas_[a][size_t(i)].texto = textoEntrada_;
    return false;
}

LogicaRegistros::Salida LogicaRegistros::LostFocus(Arreglo a, int i) {
    const Salida s = Validar(a, i);
    if (s != Salida::VolverFoco) edicionArreglo_ = edicionIndice_ = -1;
    return s;
}

LogicaRegistros::Salida LogicaRegistros::Validar(Arreglo a, int i) {
    Caja& caja = cajas_[a][size_t(i)];
    // A box left as it was entered writes nothing (a shown float is rounded).
    if (caja.texto == textoEntrada_) return Salida::Hecha;
    const int16_t formato = a == kTxtRegBIT ? int16_t(0) : a == kTxtRegEXT ? FormatoExt(caja.formato) : caja.formato;
    bool ok = EsNumero(caja.texto, formato, a == kTxtRegEXT);
    if (ok && a == kTxtRegEXT) {
        ClassRegistrosRn nuevo = Regs().R(int16_t(i));
        ok = InterpretarValorExt(nuevo, formato, caja.texto) == 0;
        if (ok) Regs().R(int16_t(i), nuevo);
    } else if (ok) {
        int32_t v = 0;
        ok = InterpretarValor(v, formato, caja.texto) == 0;
        if (ok) Escribir32(a, i, v);
    }
    // Written or refused, the box shows the register again, in its own format.
    if (!ok) AvisoInvalido(caja.texto);
    RefrescarTxtReg();
    if (!ok && a != kTxtReg) return Salida::VolverFoco;
    if (a == kTxtReg && i == 0) {
        if (refrescarPrincipal) refrescarPrincipal();
    } else {
        PresMod();
    }
    return ok ? Salida::Hecha : Salida::Invalida;
}

bool LogicaRegistros::TieneCasilla(PanelBIT p, int bit) {
    switch (p) {
    case kST: return bit >= 0 && bit <= 13 && bit != 9;
    case kIF: return bit >= 0 && bit <= 10;
    case kIE: return (bit >= 0 && bit <= 10) || (bit >= 16 && bit <= 26);
    default: return bit >= 1 && bit <= 7 && bit != 4;
    }
}

std::string LogicaRegistros::Etiqueta(PanelBIT p, int bit) {
    if (!TieneCasilla(p, bit)) return {};
    switch (p) {
    case kST: return kBitsST[bit].etiqueta;
    case kIF: return kEtiquetasInt[bit];
    case kIE: return kEtiquetasInt[bit % 16];
    default: return kBitsIOF[bit].etiqueta;
    }
}

std::string LogicaRegistros::AyudaCasilla(PanelBIT p, int bit) {
    if (!TieneCasilla(p, bit)) return {};
    switch (p) {
    case kST: return ConBit(kBitsST[bit].nombre, kBitsST[bit].descripcion, bit);
    case kIF:
        return ConBit(kNombresInt[bit], std::string("Ind. Interrupción ") + kFuentesInt[bit], bit);
    case kIE:
        return ConBit(std::string("E") + kNombresInt[bit % 16],
                      std::string("Hab. Interrupción ") + kFuentesInt[bit % 16] + (bit < 16 ? " [CPU]" : " [DMA]"),
                      bit);
    default: return ConBit(kBitsIOF[bit].nombre, kBitsIOF[bit].descripcion, bit);
    }
}

void LogicaRegistros::Chc_Click(PanelBIT p, int bit, bool marcada) {
    if (!TieneCasilla(p, bit)) return;
    const uint32_t m = 1u << bit;
    const uint32_t v = uint32_t(Valor32(kTxtRegBIT, p));
    Escribir32(kTxtRegBIT, p, int32_t(marcada ? (v | m) : (v & ~m)));
    RefrescarTxtReg();
}

void LogicaRegistros::CmdMasInfo_Click(int i) {
    if (i == 0 && nivelPanel_ < 4) ++nivelPanel_;
    if (i == 1 && nivelPanel_ > 0) --nivelPanel_;
    masInfoActivo_ = {true, true};
    if (nivelPanel_ == 0) {
        altoObjetivo_ = disposicion::kAltoVentana;
        masInfoActivo_[1] = false;
    } else {
        const disposicion::Rect v = disposicion::CmdViewBIT(nivelPanel_ - 1);
        altoObjetivo_ = v.top + v.height + 380;
        if (nivelPanel_ == 4) masInfoActivo_[0] = false;
    }
}

void LogicaRegistros::CmdRegBIT_Click(int i) {
    if (nivelPanel_ > i) return;
    flotante_[size_t(i)] = !flotante_[size_t(i)];
}

disposicion::Rect LogicaRegistros::PosicionPanel(int i) const {
    disposicion::Rect r = disposicion::PicRegBIT(i);
    if (flotante_[size_t(i)]) {
        r.left = disposicion::TxtRegBIT(i).left + 50;
        r.top = disposicion::CmdRegBIT(i).top - 180;
    }
    return r;
}
