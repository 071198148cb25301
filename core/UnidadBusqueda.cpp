#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/UnidadEjecucion.h"
#include "core/Unidades.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"

namespace {

[[gnu::cold, gnu::noinline]] void AvisarPCNoValido() {
    plataforma::MsgBox(
        "El Contador de Programa (PC) ha alcanzado una posición de memoria no valida.\n"
        "La unidad de Busqueda no puede cargar el código de instrucción.\n\n"
        "La ejecucion del codigo se detendrá",
        plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Unidad de Busqueda", 10080,
        true);
}

void DecrementarRC(ClassRegistrosCPU& r) {
    r.RC(static_cast<int32_t>(static_cast<uint32_t>(r.RC()) - 1));  // wraps, never overflows
}

// PC after a fetch, with the single-instruction (RPTS) and block (RPTB)
// repeats; what it did to the repeat state goes into the record.
void AvanzarPC(ClassRegistrosCPU& r, ClassUnitData& b) {
    const uint32_t pc = static_cast<uint32_t>(r.PC());
    if (!r.BIT_ST(bitst::RM)) {
        r.PC(static_cast<int32_t>(pc + 1));
    } else if (r.BIT_S()) {
        DecrementarRC(r);
        b.iRepeticion = repeticion::kRepiteUna;
        if (r.RC() < 0) {
            r.BIT_ST(bitst::RM, false);
            r.BIT_S(false);
            r.PC(static_cast<int32_t>(pc + 1));
            b.iRepeticion = repeticion::kTerminaUna;
        }
    } else {
        r.PC(static_cast<int32_t>(pc + 1));
        if (r.PC() == static_cast<int32_t>(static_cast<uint32_t>(r.RE()) + 1)) {
            DecrementarRC(r);
            if (r.RC() >= 0) {
                r.PC(r.RS());
                b.iRepeticion = repeticion::kVuelveAlInicio;
            } else {
                r.BIT_ST(bitst::RM, false);
                r.BIT_S(false);
                b.iRepeticion = repeticion::kTerminaBloque;
            }
        }
    }
}

}  // namespace

void UnidadBusqueda(int16_t& err) {
    ClassPPL& ppl = *gPPL;
    ClassUnitData& b = ppl.Busqueda();
    if (b.lCanal != canal::kEnBusqueda || err != 0) return;
    ClassRegistrosCPU& r = *gRegistros;

    int32_t palabra = 0;
    const bool fallo = gMemoria->LeeInstrDSP(palabra, r.PC()) != 0;
    if (fallo) {
        AvisarPCNoValido();
        err = 1;
    }
    b.lInstruccion = palabra;
    b.lPosMem = r.PC();

    // A wait cycle: the record stays a bubble and PC does not move.
    if (ModoPPL == 0 && ppl.lCiclosEspera != 0) {
        --ppl.lCiclosEspera;
        return;
    }
    AvanzarPC(r, b);
    // A delayed branch taken without the pipeline lands after its three slots
    // (also when the pipeline was chosen before they were all fetched).
    if (ppl.iSaltosRetardo > 0 && --ppl.iSaltosRetardo == 0) r.PC(ppl.lDestinoRetardo);
    // A failed fetch leaves no word to decode.
    b.lCanal = fallo ? canal::kCancelado : canal::kBuscado;
}
