#include <array>
#include <bit>

#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "core/Unidades.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"

namespace {

constexpr uint32_t kMascara24 = 0xFFFFFF;

int32_t Suma32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t Resta32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// OK stops the run; Cancel lets the word pass as an instruction that does nothing.
[[gnu::cold, gnu::noinline]] bool PararEnCodigoInvalido(int32_t palabra) {
    return plataforma::MsgBox("El codigo de instruccion [$" + FormatoHex(palabra) +
                                  "] no es un código de operacion válido.",
                              plataforma::Icono::Pregunta, plataforma::Botones::AceptarCancelar,
                              "Unidad de Decodificación", 10080, true) ==
           plataforma::Respuesta::Aceptar;
}

// By register number 0-31: the group (grupoReg::) of a register that forms
// addresses (AR0-AR7, IR0, IR1 and BK; DP; SP), and the bit of a register the
// decode unit moves (bit k AR k, bit 8 SP); 0 for any other register.
struct RegistroDireccion {
    uint8_t grupo;
    uint16_t movible;
};
constexpr auto kRegistrosDireccion = [] {
    std::array<RegistroDireccion, 32> t{};
    for (int n = 8; n <= 15; ++n) t[size_t(n)] = {grupoReg::kAuxiliares, uint16_t(1u << (n - 8))};
    t[16] = {grupoReg::kPagina, 0};
    for (int n = 17; n <= 19; ++n) t[size_t(n)] = {grupoReg::kAuxiliares, 0};
    t[20] = {grupoReg::kPila, 0x100};
    return t;
}();
const RegistroDireccion& Registro(int32_t n) { return kRegistrosDireccion[uint32_t(n) & 31u]; }
uint8_t GrupoDe(int32_t n) { return uint32_t(n) < 32 ? Registro(n).grupo : 0; }
uint16_t BitMovible(int32_t n) { return uint32_t(n) < 32 ? Registro(n).movible : 0; }

// Group-0 rows that write back no register: stores, compares, the bit test and pushes.
constexpr uint64_t kSinEscritura0 =
    1ull << grupo0::CMPF | 1ull << grupo0::CMPI | 1ull << grupo0::TSTB | 1ull << grupo0::PUSH |
    1ull << grupo0::PUSHF | 1ull << grupo0::STF | 1ull << grupo0::STFI | 1ull << grupo0::STI |
    1ull << grupo0::STII;
// Group-1 rows that write back no register: the compares and the bit test.
constexpr uint64_t kSinEscritura1 = 1ull << grupo1::CMPF3 | 1ull << grupo1::CMPI3 | 1ull << grupo1::TSTB3;

// The indirect codes that change the register: all but the plain and the
// pre-indexed reads (0, 1, 8, 9, 16, 17, 24).
constexpr uint32_t kModifica = 0x03FFFFFFu & ~(1u << 0 | 1u << 1 | 1u << 8 | 1u << 9 | 1u << 16 | 1u << 17 | 1u << 24);

// Marks in d the groups its write-back reaches when it executes and the
// auxiliary registers and SP it reads there as data.
void MarcarRegistros(ClassUnitData& d) {
    const uint32_t c = uint32_t(d.lCodigoInstr()) & 63u;
    uint8_t escritos = 0;
    uint16_t leidos = 0;
    switch (d.LTipoIntr) {
    case 0:
    case 2: {
        const RegistroDireccion& dst = Registro(d.lIndDst1);
        if (d.LTipoIntr == 2 || !((kSinEscritura0 >> c) & 1)) escritos = dst.grupo;
        leidos = dst.movible;
        if (d.iModoDireccion == 0) leidos |= BitMovible(d.lIndSrc1);
        break;
    }
    case 1:
        if (!((kSinEscritura1 >> c) & 1)) escritos = GrupoDe(d.lIndDst1);
        if (!(d.iModoDireccion & 1)) leidos = BitMovible(d.lIndSrc1);
        if (!(d.iModoDireccion & 2)) leidos |= BitMovible(d.lIndSrc2);
        break;
    case 3:
        if (c >= grupo3::BCOND_REG && c <= grupo3::CALLCOND_REL && !d.bBitB) leidos = BitMovible(d.lIndSrc1);
        if (c == grupo3::DBCOND_REG || c == grupo3::DBCOND_REL) {  // counts its auxiliary register down
            escritos = grupoReg::kAuxiliares;
            leidos |= BitMovible(8 + d.lIndArn1);
        }
        break;
    default: break;
    }
    d.iGruposEscritos = escritos;
    d.iLeidosComoDato = leidos;
}

// With the pipeline: whether d must wait in the decode stage for an older
// instruction not yet executed (in the read stage, or in the execute stage,
// which runs after the decode unit in a cycle) that writes a register of a
// group in escritos or reads as data a register in leidos: d forms an address
// with that group, or its decode moves that register. Out of line: most
// decodes have no such older instruction.
[[gnu::noinline]] bool DebeEsperar(const ClassUnitData& d, uint8_t escritos, uint16_t leidos) {
    uint8_t usa = 0;
    uint16_t mueve = 0;
    const auto indirecto = [&usa, &mueve](int16_t modo, int32_t arn) {
        if (uint16_t(modo) > 25 || uint32_t(arn) > 7) return;
        usa = grupoReg::kAuxiliares;
        if ((kModifica >> modo) & 1) mueve |= uint16_t(1u << arn);
    };
    indirecto(d.lModoArn1, d.lIndArn1);
    indirecto(d.lModoArn2, d.lIndArn2);
    if ((d.LTipoIntr == 0 || d.LTipoIntr == 2) && d.iModoDireccion == 1) usa |= grupoReg::kPagina;
    if (d.iFlagSP != 0) {
        usa |= grupoReg::kPila;
        mueve |= 0x100;
    }
    return ((escritos & usa) | (leidos & mueve)) != 0;
}

// With the pipeline: false when d must wait in the decode stage (see
// DebeEsperar); otherwise marks what d does to the address registers when it
// executes, for the decode of the younger instructions. Out of line, so that
// the decode unit stays small enough to be inlined into the clock cycle.
[[gnu::noinline]] bool PuedeDecodificar(const ClassPPL& ppl, ClassUnitData& d) {
    const ClassUnitData& l = ppl.Lectura();
    const ClassUnitData& e = ppl.Ejecucion();
    // Only a decode marks a record and every renewal clears it, so a bubble
    // or a cancelled fetch in these stages has no marks.
    const uint8_t escritos = l.iGruposEscritos | e.iGruposEscritos;
    const uint16_t leidos = l.iLeidosComoDato | e.iLeidosComoDato;
    if ((escritos | leidos) != 0 && DebeEsperar(d, escritos, leidos)) return false;
    MarcarRegistros(d);
    return true;
}

}  // namespace

int32_t InvertirBits(int32_t x, int32_t n) {
    uint32_t r = 0;
    const uint32_t u = static_cast<uint32_t>(x);
    // A bit whose mirror lands beyond bit 31 is dropped.
    for (int32_t i = 0; i <= n && i < 32; ++i)
        if (n - i < 32 && ((u >> i) & 1u)) r |= 1u << (n - i);
    return static_cast<int32_t>(r);
}

int32_t CalcularDirCircular(int32_t ar24, int32_t paso) {
    const int32_t bloque = gRegistros->BK() & 0xFFFF;
    if (bloque == 0) return paso;
    const int k = std::bit_width(static_cast<uint32_t>(bloque));
    const int32_t indice = ar24 & static_cast<int32_t>((1u << k) - 1);
    const int64_t siguiente = int64_t{indice} + paso;
    if (siguiente >= bloque) return Resta32(paso, bloque);
    if (siguiente >= 0) return paso;
    return Suma32(paso, bloque);
}

int32_t CalcularDirBitInvertido(int32_t ar24, int32_t ir0) {
    const uint32_t inc = static_cast<uint32_t>(ir0) & kMascara24;
    if (inc == 0) return 0;
    const int32_t n = std::bit_width(inc) - 1;
    const int32_t bajos = ar24 & static_cast<int32_t>((2u << n) - 1);
    const int32_t suma = InvertirBits(bajos, n) + InvertirBits(static_cast<int32_t>(inc), n);
    return InvertirBits(suma, n) - bajos;
}

void CalcularDirIndirecta(int32_t& direccion, int32_t& delta, int16_t modo, int16_t arn,
                          int32_t disp) {
    delta = 0;
    if (arn < 0 || arn > 7 || modo < 0 || modo > 25) return;
    const ClassRegistrosCPU& reg = *gRegistros;
    const int32_t r = static_cast<int32_t>(static_cast<uint32_t>(reg.AR(arn)) & kMascara24);
    const int32_t ir0 = static_cast<int32_t>(static_cast<uint32_t>(reg.IR(0)) & kMascara24);
    const int32_t ir1 = static_cast<int32_t>(static_cast<uint32_t>(reg.IR(1)) & kMascara24);
    // Codes 0-7 step by the displacement, 8-15 by IR0, 16-23 by IR1.
    const int32_t paso = modo < 8 ? disp : modo < 16 ? ir0 : ir1;
    if (modo < 24) {
        switch (modo % 8) {
        case 0: direccion = Suma32(r, paso); break;
        case 1: direccion = Resta32(r, paso); break;
        case 2: direccion = Suma32(r, paso); delta = paso; break;
        case 3: direccion = Resta32(r, paso); delta = Resta32(0, paso); break;
        case 4: direccion = r; delta = paso; break;
        case 5: direccion = r; delta = Resta32(0, paso); break;
        case 6: direccion = r; delta = CalcularDirCircular(r, paso); break;
        case 7: direccion = r; delta = CalcularDirCircular(r, Resta32(0, paso)); break;
        }
    } else {
        direccion = r;
        if (modo == 25) delta = CalcularDirBitInvertido(r, ir0);
    }
}

void UnidadDecodificacion(int16_t& err) {
    ClassPPL& ppl = *gPPL;
    ClassUnitData& d = ppl.Decodificacion();
    if (d.lCanal != canal::kBuscado || err != 0) return;

    const int32_t w = d.lInstruccion;
    const uint32_t u = static_cast<uint32_t>(w);
    const int32_t esperaAntes = ppl.lCiclosEspera;
    d.LTipoIntr = (u >> 24) == 0xFF ? -1 : static_cast<int32_t>(u >> 29);
    switch (d.LTipoIntr) {
    case 0: DecodificarDosOperandos(w); break;
    case 1: DecodificarTresOperandos(w); break;
    case 2: DecodificarCargaCond(w); break;
    case 3: DecodificarControlPrograma(w); break;
    case 4: DecodificarParaleloMultSuma(w); break;
    case 6:
    case 7: DecodificarParaleloCargaAlmac(w); break;
    default: d.LTipoIntr = -1; break;
    }
    if (d.LTipoIntr == -1 && PararEnCodigoInvalido(w)) {
        err = 1;
        return;
    }
    // Held: decoded again next cycle, with nothing done now.
    if (ModoPPL == 0 && !PuedeDecodificar(ppl, d)) {
        ppl.lCiclosEspera = esperaAntes;
        ppl.RetenerDecodificacion();
        return;
    }

    ClassRegistrosCPU& reg = *gRegistros;
    if (d.lIndArn1 < 0 && d.lIndArn2 < 0) {
        d.lAddrArn1 = 0;  // no indirect operand (the usual case)
        d.lAddrArn2 = 0;
    } else {
        int32_t dir1 = 0, delta1 = 0, dir2 = 0, delta2 = 0;
        CalcularDirIndirecta(dir1, delta1, d.lModoArn1, static_cast<int16_t>(d.lIndArn1), d.lDisp);
        CalcularDirIndirecta(dir2, delta2, d.lModoArn2, static_cast<int16_t>(d.lIndArn2), 1);
        d.lAddrArn1 = dir1;
        d.lAddrArn2 = dir2;
        const auto modificar = [&reg](int32_t arn, int32_t delta) {
            if (arn >= 0 && arn < 8)
                reg.AR(static_cast<int16_t>(arn), Suma32(reg.AR(static_cast<int16_t>(arn)), delta));
        };
        if (d.lIndArn1 == d.lIndArn2) {
            delta1 = delta1 != 0 ? delta1 : delta2;
            delta2 = 0;
            modificar(d.lIndArn1, delta1);
        } else {
            modificar(d.lIndArn1, delta1);
            modificar(d.lIndArn2, delta2);
        }
        d.lDeltaArn1 = delta1;
        d.lDeltaArn2 = delta2;
    }

    if (d.iFlagSP == 1) {
        reg.SP(Suma32(reg.SP(), 1));
        d.lAddrSP = reg.SP();
    } else if (d.iFlagSP == -1) {
        d.lAddrSP = reg.SP();
        reg.SP(Resta32(reg.SP(), 1));
    }
    d.lCanal = canal::kDecodificado;

    // The word fetched behind an instruction that stalls the fetch is cancelled.
    if (ModoPPL == 0 && ppl.lCiclosEspera != 0) {
        ClassUnitData& b = ppl.Busqueda();
        b.lCanal = canal::kCancelado;
        reg.PC(b.lPosMem);
    }
}
