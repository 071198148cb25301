// Assembled programs run cycle by cycle, with and without the pipeline:
// interrupts, invalid opcodes, unmapped fetches, wait cycles and delay
// slots, every indirect addressing code, circular and bit-reversed buffers,
// and stepping over a call.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "MaquinaPrueba.h"
#include "core/FilasInstruccion.h"
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
    // the watch mark fires when STI writes 4 into "marca". With the pipeline
    // the STI, one instruction behind LDP, is held one decode cycle.
    struct Caso { int16_t modo; int32_t ciclos; };
    for (const Caso& c : {Caso{0, 16}, Caso{1, 36}}) {
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
        // Stopped at the return address: with the pipeline once it is decoded.
        EXPECT_EQ(modo == 0 ? gPPL->Decodificacion().lPosMem : Reg().PC(), 0x809806) << modo;
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
    EXPECT_EQ(gPPL->Decodificacion().lPosMem, sustituida);  // and the word is decoded
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

namespace {

// Programs whose instructions depend on an older one still in the pipeline:
// a register of an addressing group written just before it is used, a
// register read as data just before a younger instruction moves it in
// decode, a word stored just before it is read. Both modes give the results
// of program order; with the pipeline the held decode cycles are counted.
struct Dependencia {
    const char* nombre;
    int32_t fin;                 // address of `fin: BR fin`
    int32_t cicloPPL, cicloSin;  // cycle counter when BR fin first executes
    std::vector<prueba::Esperado> valores;
};

std::vector<Dependencia> Dependencias() {
    using namespace prueba::valores;
    using enum prueba::NumRegistro;
    const int32_t tab = 0x80981D, pila = 0x809F00;
    return {
        {"retencion_grupos", 0x80981B, 42, 112,
         {RI(R0, 22), RI(R1, 33), RI(R2, 44), RI(R3, 11), RI(R4, 4), RI(R5, 55), RI(AR1, 0x809826),
          RI(AR2, 0x809822), RI(AR3, 0x80982C), RI(BK, 4), RI(DP, 0x80), RI(SP, 0x809F81),
          MI(0x809F81, 55)}},
        {"orden_lectura", 0x809818, 65, 124,
         {RI(R1, tab), RI(R3, tab + 1), RI(R4, tab + 2), RI(AR4, pila), RI(AR5, pila),
          RI(AR6, pila), RI(AR7, pila + 1), RI(AR0, tab + 3), RI(SP, pila)}},
        {"pila_division", 0x809809, 17, 40,
         {RI(AR0, 0x80980E), RI(AR1, 0x77), RI(SP, 0x80980D), RF(R3, 2.5)}},
        {"almacen_lectura", 0x809815, 25, 88,
         {RI(R2, 5), RI(R4, 7), RF(R5, 1.5), RF(R6, 3.0), RI(R7, 5), RI(R0, 7), RI(SP, pila),
          MI(0x80981B, 5), MF(0x80981C, 1.5), MI(0x80981D, 5), MI(0x80981E, 7), MF(pila + 1, 1.5)}},
    };
}

}  // namespace

TEST(Programas, InstruccionesQueDependenDeUnaAnteriorEnVuelo) {
    for (const Dependencia& p : Dependencias()) {
        for (int16_t modo : kModos) {
            Maquina m(modo);
            m.Cargar(p.nombre);
            for (int i = 0; i < 1000 && !prueba::FinEjecutado(p.fin); ++i) CicloReloj();
            ASSERT_TRUE(prueba::FinEjecutado(p.fin)) << p.nombre << " mode " << modo;
            EXPECT_EQ(gCiclos, modo == 0 ? p.cicloPPL : p.cicloSin) << p.nombre << " mode " << modo;
            for (const prueba::Esperado& v : p.valores)
                EXPECT_EQ(prueba::Leido(v, m), v.valor)
                    << p.nombre << " mode " << modo << (v.memoria ? " word 0x" : " register ")
                    << std::hex << v.clave;
        }
    }
}

namespace {

// Where a program's run is compared in both modes: when its closing
// `fin: BR fin` (a branch to itself) has executed, when an IDLE with no
// interrupt enabled has executed, when the run stops, or, for an endless
// loop, when its branch back has executed kVueltas times. At those points no
// younger instruction has moved an auxiliary register or SP in decode.
constexpr int kVueltas = 40;

bool Final(int& saltos) {
    const ClassUnitData& e = gPPL->Ejecucion();
    if (e.lCanal != canal::kLeido) return false;
    if (e.LTipoIntr == 0 && e.lCodigoInstr() == grupo0::IDLE) return (Reg().IE() & 0x7FF) == 0;
    if (e.LTipoIntr != 3 || e.lCodigoInstr() != grupo3::BR) return false;
    return e.vSrc1.ComoEntero() == e.lPosMem || ++saltos == kVueltas;
}

struct Estado {
    std::vector<int32_t> registros, memoria;
};

Estado CorrerHastaElFinal(const std::string& programa, int16_t modoPPL) {
    Maquina m(modoPPL);
    m.Cargar(programa);
    // An invalid word is let pass, so that the run goes on to its end.
    if (programa == "maq_invalido") m.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
    gEjecutando = true;
    m.principal.ModoEjecucion(modo::kNormal);
    int saltos = 0;
    for (int i = 0; i < 200000 && m.principal.ModoEjecucion() != modo::kParado; ++i) {
        CicloReloj();
        if (Final(saltos)) break;
    }
    Estado s;
    // Every register but PC, which the pipeline has moved on to later fetches.
    for (int32_t n = 0; n <= ClassRegistrosCPU::kNumRC; ++n) {
        s.registros.push_back(Reg().RegCPU(n, false).ComoEntero());
        if (n < 8) s.registros.push_back(Reg().R(int16_t(n)).HI());
    }
    for (const auto& [ini, fin] : {std::pair{0x0, 0x3F}, std::pair{0x809800, 0x809FFF}})
        for (int32_t d = ini; d <= fin; ++d) s.memoria.push_back(m.Palabra(d));
    return s;
}

}  // namespace

TEST(Programas, CadaProgramaDaLoMismoEnLosDosModos) {
    // Where an interrupt is taken is no part of this: with the pipeline at a
    // fetch boundary, the fetched word becoming the call, without it after an
    // instruction. The stack word that keeps the return address of the
    // interrupt's call is therefore not compared.
    const std::map<std::string, std::vector<int32_t>> retornoDeInterrupcion = {
        {"cambio_modo_interrupcion", {0x809F01}}, {"int_pendiente", {0x809F01}},
        {"maq_idle_antes", {0x809F01}},           {"maq_int_bloque", {0x809F01}},
        {"maq_interrupcion", {0x809F01}}};
    std::vector<std::string> programas;
    for (const auto& f : std::filesystem::directory_iterator(std::string(TARVIX_SOURCE_DIR) + "/tests/programs"))
        if (f.path().extension() == ".dsk") programas.push_back(f.path().stem().string());
    std::sort(programas.begin(), programas.end());
    ASSERT_GT(programas.size(), 40u);
    for (const std::string& p : programas) {
        const Estado uno = CorrerHastaElFinal(p, 1);
        const Estado cuatro = CorrerHastaElFinal(p, 0);
        EXPECT_EQ(cuatro.registros, uno.registros) << p;
        std::vector<int32_t> sinComparar;
        if (auto it = retornoDeInterrupcion.find(p); it != retornoDeInterrupcion.end()) sinComparar = it->second;
        for (size_t i = 0; i < uno.memoria.size(); ++i) {
            const int32_t dir = i < 0x40 ? int32_t(i) : 0x809800 + int32_t(i - 0x40);
            if (std::find(sinComparar.begin(), sinComparar.end(), dir) != sinComparar.end()) continue;
            EXPECT_EQ(cuatro.memoria[i], uno.memoria[i]) << p << " word 0x" << std::hex << dir;
        }
    }
}
