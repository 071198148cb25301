// The clock cycle records why it stopped a run, for each kind of stop, on
// programs of tests/programs with and without the pipeline.
#include <gtest/gtest.h>

#include <functional>

#include "MaquinaPrueba.h"

namespace {

using prueba::Maquina;

struct Caso {
    const char* texto;
    const char* programa;
    int16_t modo;                    // the mode the run starts in
    std::function<void(Maquina&)> preparar;
    MotivoParada motivo;
};

// Runs from the given mode until the cycle records a stop, at most 400 cycles.
void Correr(Maquina& m, int16_t modo) {
    gEjecutando = modo == modo::kNormal;
    m.principal.ModoEjecucion(modo);
    for (int i = 0; i < 400 && gMotivoParada == MotivoParada::Ninguna; ++i) CicloReloj();
}

const Caso kCasos[] = {
    {"breakpoint", "maq_espera", modo::kNormal,
     [](Maquina&) { gPuntosRupt->Add(0x809808, ""); }, MotivoParada::PuntoRuptura},
    {"watch mark", "maq_espera", modo::kNormal,
     [](Maquina&) { gMarcasRupt->Add(0, 0x80980C, 0, 4, 0, ""); }, MotivoParada::MarcaRuptura},
    {"fetch outside the map", "maq_nomapeado", modo::kNormal, [](Maquina&) {},
     MotivoParada::ErrorUnidad},
    {"invalid opcode, stop chosen", "maq_invalido", modo::kNormal, [](Maquina&) {},
     MotivoParada::ErrorUnidad},
    {"invalid opcode let pass: no stop", "maq_invalido", modo::kNormal,
     [](Maquina& m) { m.cuadros.respuestaPorDefecto = plataforma::Respuesta::Cancelar; },
     MotivoParada::Ninguna},
    {"return of a stepped-over call", "maq_llamada", modo::kParado,
     [](Maquina&) { gPasoSobre = true; }, MotivoParada::DirParada},
    {"run to the cursor", "factorial", modo::kHastaCursor,
     [](Maquina&) { gDirParada = 0x809807; }, MotivoParada::DirParada},
    {"a run that does not stop", "bench_loop", modo::kNormal, [](Maquina&) {},
     MotivoParada::Ninguna},
};

}  // namespace

void PrintTo(MotivoParada m, std::ostream* os) {
    const char* const nombres[] = {"Ninguna", "PuntoRuptura", "MarcaRuptura", "DirParada", "ErrorUnidad"};
    *os << nombres[static_cast<int>(m)];
}

TEST(MotivoParada, CadaParadaDejaSuMotivo) {
    for (const Caso& c : kCasos) {
        for (int16_t ppl : {0, 1}) {
            SCOPED_TRACE(std::string(c.texto) + (ppl == 0 ? ", pipeline" : ", no pipeline"));
            Maquina m(ppl);
            m.Cargar(c.programa);
            c.preparar(m);
            Correr(m, c.modo);
            EXPECT_EQ(gMotivoParada, c.motivo);
            if (c.motivo != MotivoParada::Ninguna)
                EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
            else
                EXPECT_NE(m.principal.ModoEjecucion(), modo::kParado);
        }
    }
}

// A watch mark that stops the cycle in which the run to the cursor reaches
// its address stays the reason; the stop address is still used up. The
// break address is the execute stage's, which reaches the watched store once.
TEST(MotivoParada, LaMarcaGanaALaDireccionDeParadaDelMismoCiclo) {
    for (int16_t ppl : {0, 1}) {
        SCOPED_TRACE(ppl);
        Maquina m(ppl);
        m.Cargar("maq_espera");
        gMarcasRupt->Add(0, 0x80980C, 0, 4, 0, "");
        LocalRuptura = 4;
        MarcasEnPasoaPaso = true;
        gDirParada = 0x80980A;  // STI R0,@marca
        Correr(m, modo::kHastaCursor);
        EXPECT_EQ(gMotivoParada, MotivoParada::MarcaRuptura);
        EXPECT_EQ(gDirParada, -1);
        EXPECT_EQ(gPPL->Ejecucion().lPosMem, 0x80980A);
        EXPECT_EQ(m.cuadros.mostrados.size(), 1u);
    }
}
