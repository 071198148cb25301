// Interrupt service: choice of the source, the question, acceptance with and
// without the pipeline, declining, and the sources that have no vector.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"
#include "core/UnidadEjecucion.h"
#include "core/Unidades.h"

using plataforma::Respuesta;
using prueba::Maquina;
using prueba::Reg;

namespace {
constexpr int32_t kRam0 = 0x809800;
constexpr int32_t kNop = 0x0C800000;
constexpr int32_t kRutina = 0x809C00;

void Preparar(int32_t pendientes) {
    for (int i = 0; i < 16; ++i) gMemoria->Escribe(kRam0 + i, kNop);
    for (int b = 0; b <= 10; ++b) gMemoria->Escribe(b + 1, kRutina + b);
    Reg().PC(kRam0);
    Reg().SP(0x809F00);
    Reg().IE(pendientes);
    Reg().IFR(pendientes);
    Reg().BIT_ST(bitst::GIE, true);
}
}  // namespace

TEST(Interrupciones, SinPipelineSeApilaElPCYSeSaltaALaRutina) {
    Maquina m(1);
    Preparar(0x9);
    CicloReloj();
    ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
    const plataforma::Cuadro& c = m.cuadros.mostrados[0];
    EXPECT_EQ(c.titulo, "Interrupción CPU");
    EXPECT_EQ(c.texto,
              "Se ha produccido una interrupcion CPU. Datos de la Interrupción:\n\n"
              "  - Dispositivo: (0) INT0 - Externa 0\n"
              "  - Direccion del vector: $00000001\n"
              "  - Vector Rutina de atencion a la interrupcion: $00809C00");
    EXPECT_EQ(c.icono, plataforma::Icono::Pregunta);
    EXPECT_EQ(c.botones, plataforma::Botones::AceptarCancelar);
    EXPECT_EQ(c.contextoAyuda, 400);
    EXPECT_EQ(Reg().SP(), 0x809F01);
    EXPECT_EQ(m.Palabra(0x809F01), kRam0 + 1);
    EXPECT_EQ(Reg().PC(), kRutina);
    EXPECT_EQ(Reg().IFR(), 8);  // only the flag served is cleared: INT3 stays pending
    EXPECT_FALSE(Reg().BIT_ST(bitst::GIE));
    m.Ciclos(3);
    EXPECT_EQ(m.cuadros.mostrados.size(), 1u);
}

TEST(Interrupciones, ConPipelineLaPalabraBuscadaSeVuelveUnaLlamada) {
    Maquina m(0);
    Preparar(0x1);
    CicloReloj();
    EXPECT_EQ(gPPL->Busqueda().lInstruccion, int32_t(0x62809C00));
    EXPECT_EQ(gPPL->Busqueda().lPosMem, kRam0);
    EXPECT_EQ(gPPL->Busqueda().lCanal, canal::kBuscado);
    // The call returns to the word it replaced, so that word still runs.
    EXPECT_EQ(gPPL->Busqueda().lDirRetornoInt, kRam0);
    EXPECT_EQ(Reg().IFR(), 0);
}

TEST(Interrupciones, RechazadaQuedaPendienteYSeVuelveAOfrecer) {
    Maquina m(1);
    Preparar(0x4);
    m.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
    m.Correr(3);
    EXPECT_EQ(m.cuadros.mostrados.size(), 3u);
    EXPECT_EQ(Reg().IFR(), 4);
    EXPECT_TRUE(Reg().BIT_ST(bitst::GIE));
    EXPECT_EQ(Reg().PC(), kRam0 + 3);
    EXPECT_EQ(Reg().SP(), 0x809F00);
    EXPECT_NE(m.cuadros.mostrados[0].texto.find("(2) INT2 - Externa 2"), std::string::npos);
}

TEST(Interrupciones, NadaQueOfrecer) {
    struct Caso { int32_t ie, ifr; bool gie; };
    for (const Caso& c : {Caso{0, 4, true}, Caso{4, 0, true}, Caso{4, 4, false}, Caso{0x800, 0x800, true}}) {
        Maquina m(1);
        Preparar(0);
        Reg().IE(c.ie);
        Reg().IFR(c.ifr);
        Reg().BIT_ST(bitst::GIE, c.gie);
        CicloReloj();
        EXPECT_TRUE(m.cuadros.mostrados.empty()) << c.ie << " " << c.ifr;
    }
}

TEST(Interrupciones, FuenteSinVectorSeSalta) {
    Maquina m(1);  // TMS320C31: bits 6 and 7 have no interrupt
    Preparar(0x140);
    CicloReloj();
    ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
    EXPECT_NE(m.cuadros.mostrados[0].texto.find("(8) TINT0 - Temporizador 0"), std::string::npos);
    EXPECT_EQ(Reg().PC(), kRutina + 8);
}

TEST(Interrupciones, VectorFueraDelMapaNoSeOfrece) {
    Maquina m(1);
    Preparar(0x1);
    gVectoresInt[1] = 0x900000;
    CicloReloj();
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    EXPECT_EQ(Reg().IFR(), 1);
}

TEST(Interrupciones, RetenidaMientrasRPTSRepite) {
    Maquina m(1);
    Preparar(0x1);
    Reg().RC(2);
    Reg().BIT_ST(bitst::RM, true);
    Reg().BIT_S(true);
    m.Ciclos(2);
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    m.Ciclos(1);  // the last repetition ends the repeat
    EXPECT_EQ(m.cuadros.mostrados.size(), 1u);
    EXPECT_EQ(m.Palabra(0x809F01), kRam0 + 1);
}

TEST(Interrupciones, ConPipelineEsperaUnaPalabraBuscada) {
    Maquina m(0);
    Preparar(0x1);
    gPPL->lCiclosEspera = 1;
    CicloReloj();  // a wait-cycle bubble in the fetch stage
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    EXPECT_EQ(Reg().IFR(), 1);
    CicloReloj();
    EXPECT_EQ(m.cuadros.mostrados.size(), 1u);
    EXPECT_EQ(gPPL->Busqueda().lDirRetornoInt, kRam0);
}
