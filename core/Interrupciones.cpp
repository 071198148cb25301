#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "core/FilasInstruccion.h"
#include "core/UnidadEjecucion.h"
#include "core/Unidades.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"

namespace {

constexpr const char* kDispositivos[11] = {
    "(0) INT0 - Externa 0",
    "(1) INT1 - Externa 1",
    "(2) INT2 - Externa 2",
    "(3) INT3 - Externa 3",
    "(4) XINT0 - Puerto Serie 0 (Trans)",
    "(5) RINT0 - Puerto Serie 0 (Recep)",
    "(6) XINT1 - Puerto Serie 1 (Trans)",
    "(7) RINT1 - Puerto Serie 1 (Recep)",
    "(8) TINT0 - Temporizador 0",
    "(9) TINT1 - Temporizador 1",
    "(10) DINT - DMA",
};

constexpr int32_t kPalabraCall = 0x62000000;  // group 3, row 1: CALL to a 24-bit address

bool EsRetardado(const ClassUnitData& r) {
    return r.LTipoIntr == 3 && r.lBitD && r.lCanal >= canal::kDecodificado;
}

bool EsIdle(int32_t palabra) {
    const uint32_t u = static_cast<uint32_t>(palabra);
    return (u >> 29) == 0 && ((u >> 23) & 0x3F) == grupo0::IDLE;
}

// With the pipeline, an IDLE in the fetch stage on which the program idles:
// it has run and set PC back to itself, so the words read behind it since
// were wait bubbles at the next address. An IDLE fetched for the first time
// has not run: the interrupt returns to it.
bool IdleEnEspera(const ClassPPL& ppl) {
    const ClassUnitData& f = ppl.Busqueda();
    const ClassUnitData& d = ppl.Decodificacion();
    return EsIdle(f.lInstruccion) && d.lCanal == canal::kEnBusqueda && d.lPosMem == f.lPosMem + 1;
}

// The processor holds interrupts off while the three instructions after a
// delayed branch are still to run and while RPTS repeats; with the pipeline
// an interrupt also needs a fetched word in the fetch stage to replace.
bool InterrupcionRetenida(ClassPPL& ppl, const ClassRegistrosCPU& r) {
    if (r.BIT_ST(bitst::RM) && r.BIT_S()) return true;
    // Slots still owed by a delayed branch (with the pipeline, one taken
    // before the pipeline was chosen: also while the last slot, which went on
    // to the target, is in the fetch stage).
    if (ppl.iSaltosRetardo > 0) return true;
    if (ModoPPL != 0) return false;
    const ClassUnitData& f = ppl.Busqueda();
    return f.lCanal != canal::kBuscado || EsRetardado(ppl.Decodificacion()) ||
           EsRetardado(ppl.Lectura()) || EsRetardado(ppl.Ejecucion()) ||
           r.PC() != ClassPPL::DireccionSiguiente(f);
}

}  // namespace

void AtenderInterrupcion() {
    ClassRegistrosCPU& r = *gRegistros;
    const uint32_t pendientes = static_cast<uint32_t>(r.IFR()) & static_cast<uint32_t>(r.IE());
    if ((pendientes & 0x7FF) == 0) return;

    // The lowest-numbered pending enabled source; one without a vector is skipped.
    int b = -1;
    for (int i = 0; i <= 10 && b < 0; ++i)
        if (((pendientes >> i) & 1u) && gVectoresInt[i + 1] >= 0) b = i;
    if (b < 0) return;
    const int32_t vector = gVectoresInt[b + 1];
    int32_t rutina = 0;
    if (gMemoria->Lee(rutina, vector) != 0) return;

    ClassPPL& ppl = *gPPL;
    if (InterrupcionRetenida(ppl, r)) return;

    const std::string texto =
        std::string("Se ha produccido una interrupcion CPU. Datos de la Interrupción:\n\n") +
        "  - Dispositivo: " + kDispositivos[b] + "\n  - Direccion del vector: $" +
        FormatoHex(vector) + "\n  - Vector Rutina de atencion a la interrupcion: $" +
        FormatoHex(rutina);
    if (plataforma::MsgBox(texto, plataforma::Icono::Pregunta, plataforma::Botones::AceptarCancelar,
                           "Interrupción CPU", 400, true) != plataforma::Respuesta::Aceptar)
        return;

    // The acknowledge clears the flag of the source it takes; the others stay pending.
    r.BIT_ST(bitst::GIE, false);
    r.BIT_IF(b, false);
    if (ModoPPL == 0) {
        // The fetched word becomes a call to the routine, which returns to that
        // word (or past it when it is an IDLE the program idles on).
        ClassUnitData& f = ppl.Busqueda();
        f.lDirRetornoInt = IdleEnEspera(ppl) ? f.lPosMem + 1 : f.lPosMem;
        // The word at the end of a repeated block is fetched again on return:
        // give back the count its first fetch spent on going back to RS.
        if (f.lPosMem == r.RE() && r.BIT_ST(bitst::RM) && !r.BIT_S())
            r.RC(static_cast<int32_t>(static_cast<uint32_t>(r.RC()) + 1));
        f.lInstruccion = kPalabraCall | (rutina & 0xFFFFFF);
    } else {
        const ClassUnitData& e = ppl.Ejecucion();
        const bool idle =
            e.lCanal == canal::kLeido && e.LTipoIntr == 0 && e.lCodigoInstr() == grupo0::IDLE;
        const int32_t retorno = idle ? e.lPosMem + 1 : r.PC();
        r.SP(static_cast<int32_t>(static_cast<uint32_t>(r.SP()) + 1));
        gMemoria->Escribe(r.SP(), retorno);
        r.PC(rutina);
    }
}
