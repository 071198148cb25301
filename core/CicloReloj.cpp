#include "core/CicloReloj.h"

#include <cstdint>

#include "core/Anfitrion.h"
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

constexpr int32_t kCiclosMaximos = 1000000;

bool gEnCiclo = false;

// The address a breakpoint or a stop address is matched against. With the
// pipeline it is that of the instruction decoded in this cycle (a fetch may
// still be cancelled, an instruction that reaches decode no longer is), so PC
// and the fetch stage stand for the decode stage; or of the one read or
// executed in this cycle.
int32_t DireccionRuptura(const ClassPPL& ppl) {
    if (ModoPPL == 0) {
        switch (LocalRuptura) {
        case 0:
        case 1:
        case 2: return ppl.Decodificacion().lPosMem;
        case 3: return ppl.Lectura().lPosMem;
        case 4: return ppl.Ejecucion().lPosMem;
        default: return 0;
        }
    }
    switch (LocalRuptura) {
    case 0: return gRegistros->PC();
    case 1: return ppl.Busqueda().lPosMem;
    case 2: return ppl.Decodificacion().lPosMem;
    case 3: return ppl.Lectura().lPosMem;
    case 4: return ppl.Ejecucion().lPosMem;
    default: return 0;
    }
}

// Whether a match of that address stops the run. With the pipeline the stage
// must hold an instruction that will execute and did its work in this cycle:
// bubbles, cancelled fetches, held instructions and the call an interrupt put
// in place of a word do not stop it. Asked only after a match, off the hot path.
bool RupturaDeInstruccion(const ClassPPL& ppl) {
    if (ModoPPL != 0 || static_cast<uint16_t>(LocalRuptura) > 4) return true;
    const bool decodificada = LocalRuptura <= 2;
    const ClassUnitData& r =
        decodificada ? ppl.Decodificacion() : LocalRuptura == 3 ? ppl.Lectura() : ppl.Ejecucion();
    return r.lCanal == (decodificada ? canal::kDecodificado : canal::kLeido) && r.LTipoIntr >= 0 &&
           r.lDirRetornoInt < 0;
}

// The stops and their boxes are kept out of the cycle's hot path.
[[gnu::cold, gnu::noinline]] void RupturaPorMarca(int32_t i) {
    gMotivoParada = MotivoParada::MarcaRuptura;
    VentanaPrincipal().ModoEjecucion(modo::kParado);
    if (!InfoMarcasRupt) return;
    const int32_t celda = gMarcasRupt->Item(i).PosMem();
    int32_t pos = i;
    plataforma::MsgBox("Se ha producido una Ruptura por marca en la celda $" + FormatoHex(celda) +
                           ".\nOperacion verificada:\n\n" + gMarcasRupt->CadenaInfo(pos),
                       plataforma::Icono::Informacion, plataforma::Botones::Aceptar,
                       "Marcas de Ruptura", 11010, true);
    if (IVentanaMemoria* memoria = VentanaMemoria()) memoria->MostrarCelda(celda);
}

[[gnu::cold, gnu::noinline]] void RupturaPorPunto(int32_t a) {
    gMotivoParada = MotivoParada::PuntoRuptura;
    VentanaPrincipal().ModoEjecucion(modo::kParado);
    if (!InfoPuntosRupt) return;
    plataforma::MsgBox("Se ha produccido una Ruptura por Punto en la celda $" + FormatoHex(a) + ".",
                       plataforma::Icono::Informacion, plataforma::Botones::Aceptar,
                       "Puntos de Ruptura", 11040, true);
}

bool EsLlamadaEjecutada(const ClassUnitData& e) {
    const int32_t c = e.lCodigoInstr();
    return e.lCanal == canal::kLeido && e.LTipoIntr == 3 &&
           (c == grupo3::CALL || c == grupo3::CALLCOND_REG || c == grupo3::CALLCOND_REL ||
            c == grupo3::TRAPCOND);
}

void Ciclo() {
    ClassPPL& ppl = *gPPL;
    ppl.Actualizar(ModoPPL);
    gMemoria->Access_Clear();
    gCiclos += ModoPPL != 0 ? 4 : 1;
    if (gCiclos > kCiclosMaximos) gCiclos = 0;

    int16_t err = 0;
    UnidadBusqueda(err);
    UnidadDecodificacion(err);
    // With the pipeline the execute stage goes before the read stage, so the
    // next instruction reads a word that this one stores; without it the one
    // record is read, then executed. (One call of each, in a loop kept rolled,
    // lets the link-time optimisation inline both into the cycle.)
    const bool conPipeline = ModoPPL == 0;
#pragma GCC unroll 1
    for (int paso = 0; paso < 2; ++paso) {
        if ((paso == 0) == conPipeline)
            UnidadEjecucion(err);
        else
            UnidadLectura(err);
    }
    if (err != 0) {
        gMotivoParada = MotivoParada::ErrorUnidad;
        VentanaPrincipal().ModoEjecucion(modo::kParado);
        return;
    }

    if (gEjecutando || MarcasEnPasoaPaso) {
        if (const int32_t i = gMarcasRupt->OcurreMarca(); i > 0) RupturaPorMarca(i);
    }
    // Read after the watch marks: their stop has already cleared gEjecutando.
    if (gEjecutando && !gPuntosRupt->empty()) {
        const int32_t a = DireccionRuptura(ppl);
        if (gPuntosRupt->BuscarMemPos(a) > 0 && RupturaDeInstruccion(ppl)) RupturaPorPunto(a);
    }
    // The first executed call arms the stop at its return address: for a call
    // put in place by the interrupt service, the word it replaced.
    if (gPasoSobre && gDirParada == -1 && EsLlamadaEjecutada(ppl.Ejecucion())) {
        const ClassUnitData& e = ppl.Ejecucion();
        gDirParada = e.lDirRetornoInt >= 0 ? e.lDirRetornoInt : e.lPosMem + 1;
        VentanaPrincipal().ModoEjecucion(modo::kPasoSobre);
    }
    if (gDirParada != -1 && gDirParada == DireccionRuptura(ppl) && RupturaDeInstruccion(ppl)) {
        // A break of this same cycle has already stopped the run: it stays the reason.
        if (VentanaPrincipal().ModoEjecucion() != modo::kParado) gMotivoParada = MotivoParada::DirParada;
        VentanaPrincipal().ModoEjecucion(modo::kParado);
        gDirParada = -1;
    }
    if (gRegistros->BIT_ST(bitst::GIE)) AtenderInterrupcion();
}

}  // namespace

void CicloReloj() {
    if (gEnCiclo) return;
    gEnCiclo = true;
    Ciclo();
    gEnCiclo = false;
}

void ReiniciarProcesador() {
    gCiclos = 0;
    gEstadoDSK = -1;
    gPPL->VaciarPPL();
    gPPL->lCiclosEspera = 0;  // the wait cycles of a branch of the old run are not owed
    gMemoria->Inicializar(ConfigMem);
    gRegistros->Reset();
    gTablaRef->Clear();
    gTablaSect->Clear();
    gPuntosRupt->Clear();
    gMarcasRupt->Clear();
    gErrDSK->Clear();
}
