// Assembled programs run cycle by cycle, with and without the pipeline:
// interrupts, invalid opcodes, unmapped fetches, wait cycles and delay
// slots, every indirect addressing code, circular and bit-reversed buffers,
// and stepping over a call.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"
#include "core/UnidadEjecucion.h"

using plataforma::Respuesta;
using prueba::Maquina;
using prueba::Reg;

namespace {
const int16_t kModos[] = {0, 1};
int32_t LO(int16_t r) { return Reg().R(r).LO(); }
}  // namespace

TEST(Programas, InterrupcionAceptada) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_interrupcion");
        m.Correr(300);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u) << modo;
        EXPECT_EQ(m.cuadros.mostrados[0].titulo, "Interrupción CPU");
        EXPECT_EQ(LO(3), 55) << modo;     // the routine ran
        EXPECT_EQ(LO(2), 3) << modo;      // and the loop finished all the same
        EXPECT_EQ(Reg().IFR(), 0);
        EXPECT_EQ(Reg().SP(), 0x809F00);  // RETI took the return address back
        EXPECT_TRUE(Reg().BIT_ST(bitst::GIE));
        EXPECT_EQ(Reg().PC() & ~1, 0x80980E) << modo;  // at fin (BR fin)
    }
}

TEST(Programas, InterrupcionServidaDejaPendientesLasDemas) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("int_pendiente");
        m.Correr(300);
        ASSERT_EQ(m.cuadros.mostrados.size(), 2u) << modo;
        EXPECT_NE(m.cuadros.mostrados[0].texto.find("(0) INT0 - Externa 0"), std::string::npos);
        EXPECT_NE(m.cuadros.mostrados[1].texto.find("(1) INT1 - Externa 1"), std::string::npos);
        EXPECT_EQ(LO(4), 2) << modo;  // INT1 still pending inside INT0's routine
        EXPECT_EQ(LO(5), 0) << modo;
        EXPECT_EQ(LO(2), 3) << modo;
        EXPECT_EQ(Reg().IFR(), 0) << modo;
        EXPECT_EQ(Reg().IE(), 3) << modo;
        EXPECT_TRUE(Reg().BIT_ST(bitst::GIE)) << modo;
        EXPECT_EQ(Reg().SP(), 0x809F00) << modo;
        EXPECT_EQ(Reg().PC() & ~1, 0x809814) << modo;  // at fin (BR fin)
    }
}

TEST(Programas, InterrupcionRechazada) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_interrupcion");
        m.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
        m.Correr(300);
        EXPECT_GT(m.cuadros.mostrados.size(), 10u);  // asked again every cycle
        EXPECT_EQ(LO(3), 0) << modo;
        EXPECT_EQ(LO(2), 3) << modo;
        EXPECT_EQ(Reg().IFR(), 1);
        EXPECT_EQ(Reg().SP(), 0x809F00);
    }
}

TEST(Programas, InterrupcionRetenidaHastaPasarLasRanurasDeRetardo) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_int_retardo");
        m.Correr(200);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u) << modo;
        EXPECT_EQ(LO(4), 2) << modo;  // the routine ran after the three slots
        EXPECT_EQ(LO(1), 2) << modo;  // and the word after them never ran
        EXPECT_EQ(LO(2), 10) << modo;
        EXPECT_EQ(m.Palabra(0x809F01), 0x80980F) << modo;  // it returned to destino
        EXPECT_EQ(Reg().PC() & ~1, 0x809810) << modo;
    }
}

TEST(Programas, InterrupcionEnUnBloqueRepetidoNoAcortaLaRepeticion) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_int_bloque");
        m.Correr(300);
        EXPECT_EQ(m.cuadros.mostrados.size(), 3u) << modo;  // one per pass
        EXPECT_EQ(LO(3), 3) << modo;
        EXPECT_EQ(LO(0), 9) << modo;  // three passes of three ADDI
        EXPECT_FALSE(Reg().BIT_ST(bitst::RM)) << modo;
        EXPECT_EQ(Reg().RC(), -1) << modo;
        EXPECT_EQ(Reg().SP(), 0x809F00);
    }
}

TEST(Programas, CodigoInvalidoParado) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_invalido");
        m.Correr(100);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
        EXPECT_EQ(m.cuadros.mostrados[0].titulo, "Unidad de Decodificación");
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(LO(1), 0);
        // With the pipeline the stop comes before LDI 1,R0 has executed.
        EXPECT_EQ(LO(0), modo == 0 ? 0 : 1);
        EXPECT_EQ(gCiclos, modo == 0 ? 3 : 8);
    }
}

TEST(Programas, CodigoInvalidoPasado) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_invalido");
        m.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
        m.Correr(100);
        EXPECT_EQ(m.cuadros.mostrados.size(), 1u);
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kNormal);
        EXPECT_EQ(LO(0), 1);
        EXPECT_EQ(LO(1), 2);
    }
}

TEST(Programas, BusquedaFueraDelMapa) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_nomapeado");
        m.Correr(100);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
        EXPECT_EQ(m.cuadros.mostrados[0].titulo, "Unidad de Busqueda");
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(Reg().PC(), 0x900001);
        EXPECT_EQ(LO(0), 7);
        EXPECT_EQ(LO(1), 0);
        // Going on: the cancelled record is never decoded.
        m.Correr(1);
        EXPECT_EQ(m.cuadros.mostrados.size(), 2u);
        EXPECT_EQ(m.cuadros.mostrados[1].titulo, "Unidad de Busqueda");
    }
}

TEST(Programas, CiclosDeEsperaYRanurasDeRetardo) {
    // BR loses three fetch slots with the pipeline; BRD runs its three slots;
    // the watch mark fires when STI writes 4 into "marca".
    struct Caso { int16_t modo; int32_t ciclos; };
    for (const Caso& c : {Caso{0, 15}, Caso{1, 36}}) {
        Maquina m(c.modo);
        m.Cargar("maq_espera");
        gMarcasRupt->Add(0, 0x80980C, 0, 4, 0, "");
        m.Correr(200);
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(gCiclos, c.ciclos) << c.modo;
        EXPECT_EQ(LO(0), 4);
        EXPECT_EQ(LO(1), 0);  // neither the cancelled fetch nor the skipped load ran
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
        EXPECT_EQ(m.cuadros.mostrados[0].titulo, "Marcas de Ruptura");
        EXPECT_EQ(m.memoria.mostradas, std::vector<int32_t>{0x80980C});
    }
}

TEST(Programas, TodosLosCodigosIndirectos) {
    // tabla at 8098A6h, AR0 starts at tabla + 15 (low four bits 5), IR0 3,
    // IR1 7, BK 8. {word read, AR0 - tabla} for codes 0-25.
    const int32_t esperado[26][2] = {
        {20, 15}, {10, 15}, {20, 20}, {10, 10}, {15, 20}, {15, 10}, {15, 12}, {15, 10},
        {18, 15}, {12, 15}, {18, 18}, {12, 12}, {15, 18}, {15, 12}, {15, 10}, {15, 12},
        {22, 15}, {8, 15},  {22, 22}, {8, 8},   {15, 22}, {15, 8},  {15, 14}, {15, 16},
        {15, 15}, {15, 16}};
    const int32_t tabla = 0x8098A6, res = 0x8098E6;
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_direccionamiento");
        m.Correr(2000);
        for (int k = 0; k < 26; ++k) {
            EXPECT_EQ(m.Palabra(res + 2 * k), esperado[k][0]) << "code " << k << " mode " << modo;
            EXPECT_EQ(m.Palabra(res + 2 * k + 1) - tabla, esperado[k][1])
                << "code " << k << " mode " << modo;
        }
    }
}

TEST(Programas, CircularYBitInvertido) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_circular");
        m.Correr(400);
        const int32_t circular[8] = {9, 10, 3, 4, 5, 6, 7, 8};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Palabra(0x809A10 + i), circular[i]) << i;
        EXPECT_EQ(m.Palabra(0x809A18), 0);  // nothing past the block
        EXPECT_EQ(Reg().AR(1), 0x809A12);
        const int32_t invertido[8] = {1, 5, 3, 7, 2, 6, 4, 8};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Palabra(0x809A48 + i), invertido[i]) << i;
        EXPECT_EQ(Reg().AR(2), 0x809A48);
    }
}

TEST(Programas, PasoSobreUnaLlamadaConLlamadaInterior) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_llamada");
        // Step over from the start: nothing before the outer CALL is a call.
        gPasoSobre = true;
        for (int i = 0; i < 300 && (m.principal.modos.empty() || m.principal.ModoEjecucion() != modo::kParado); ++i)
            CicloReloj();
        ASSERT_FALSE(m.principal.modos.empty());
        EXPECT_EQ(m.principal.modos.front(), modo::kPasoSobre) << modo;
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(gDirParada, -1);
        EXPECT_EQ(LO(1), 11) << modo;  // both routines ran and returned
        EXPECT_EQ(Reg().SP(), 0x809F00);
        EXPECT_EQ(Reg().PC(), 0x809806) << modo;  // stopped at the return address
    }
}

TEST(Programas, PasoSobreLaLlamadaDeUnaInterrupcionParaEnLaPalabraSustituida) {
    // With the pipeline the accepted interrupt turns the fetched word into a
    // call that returns to that word; stepping over the call stops there.
    Maquina m(0);
    m.Cargar("maq_interrupcion");
    for (int i = 0; i < 100 && m.cuadros.mostrados.empty(); ++i) CicloReloj();
    ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
    const int32_t sustituida = gPPL->Busqueda().lPosMem;
    m.Ciclos(2);  // the call is decoded, then read
    gPasoSobre = true;
    CicloReloj();  // and executed
    EXPECT_EQ(gDirParada, sustituida);
    for (int i = 0; i < 100 && m.principal.ModoEjecucion() != modo::kParado; ++i) CicloReloj();
    EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
    EXPECT_EQ(LO(3), 55);  // the routine ran
    EXPECT_EQ(Reg().PC(), sustituida);
    EXPECT_EQ(gDirParada, -1);
}

TEST(Programas, InterrupcionAntesDeQueElIdleCorraVuelveAlIdle) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_idle_antes");
        m.Correr(400);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u) << modo;
        EXPECT_EQ(LO(3), 55) << modo;
        EXPECT_EQ(LO(4), 0) << modo;  // the IDLE ran after the routine and waits
        EXPECT_EQ(m.Palabra(0x809F01), modo == 0 ? 0x80980C : 0x80980A) << modo;
        EXPECT_LE(Reg().PC(), 0x80980D) << modo;
    }
}

TEST(Programas, IdleEsperaLaInterrupcionYSigueDetras) {
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("maq_idle");
        m.Correr(400);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u) << modo;
        EXPECT_EQ(LO(3), 55) << modo;
        EXPECT_EQ(LO(4), 9) << modo;  // the routine returned past the IDLE
        EXPECT_EQ(Reg().SP(), 0x809F00);

        // Declined, the program idles on: the IDLE is fetched again and again.
        Maquina n(modo);
        n.Cargar("maq_idle");
        n.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
        n.Correr(400);
        EXPECT_EQ(LO(3), 0);
        EXPECT_EQ(LO(4), 0);
        EXPECT_LE(Reg().PC(), 0x80980A) << modo;
        EXPECT_EQ(Reg().IFR(), 1);
    }
}

TEST(Programas, LecturaDeUnRegistroQueMueveUnaInstruccionPosterior) {
    // A register read as a value against the update of an auxiliary register
    // (*AR0++) or SP (CALL, RETS) by an instruction 1, 2 or 3 places younger.
    // Without the pipeline every read is in program order; the four-stage
    // model decodes the younger instruction first unless two stand between.
    using enum prueba::NumRegistro;
    const int32_t tab = 0x80981D, pila = 0x809F00;
    struct Caso { int32_t reg, base, sinPipeline, conPipeline; };
    const Caso casos[] = {
        {R1, tab, 0, 1},   {R3, tab, 1, 2},   {R4, tab, 2, 2},   {AR4, pila, 0, 1},
        {AR5, pila, 0, 1}, {AR6, pila, 0, 0}, {AR7, pila, 1, 0}, {AR0, tab, 3, 3},
        {SP, pila, 0, 0},
    };
    for (int16_t modo : kModos) {
        Maquina m(modo);
        m.Cargar("orden_lectura");
        m.Correr(200);
        EXPECT_EQ(Reg().PC() & ~1, 0x809818) << modo;  // at fin (BR fin)
        for (const Caso& c : casos)
            EXPECT_EQ(Reg().RegCPU(c.reg, false).ComoEntero() - c.base,
                      modo == 0 ? c.conPipeline : c.sinPipeline)
                << "register " << c.reg << " mode " << modo;
    }
}
