// The clock cycle with the fetch unit, the interrupt service and the break
// checks, on words placed in memory.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"
#include "core/UnidadEjecucion.h"
#include "data/LeerFichDSK.h"

using plataforma::Respuesta;
using prueba::Maquina;
using prueba::Reg;

namespace {
constexpr int32_t kRam0 = 0x809800;
constexpr int32_t kNop = 0x0C800000;
constexpr int32_t kIdle = 0x06000000;

void Llenar(int32_t desde, int n, int32_t palabra) {
    for (int i = 0; i < n; ++i) gMemoria->Escribe(desde + i, palabra);
}
}  // namespace

TEST(Ciclo, ContadorDeCiclosSeReiniciaPasadoElMillon) {
    struct Caso { int16_t modo; int32_t antes, despues; };
    const Caso casos[] = {{0, 1000000, 0}, {0, 999999, 1000000}, {1, 999997, 0}, {1, 999996, 1000000}};
    for (const Caso& c : casos) {
        Maquina m(c.modo);
        Llenar(kRam0, 4, kNop);
        Reg().PC(kRam0);
        gCiclos = c.antes;
        CicloReloj();
        EXPECT_EQ(gCiclos, c.despues) << c.modo << " " << c.antes;
    }
}

TEST(Ciclo, BusquedaEnDireccionNoValidaDetieneLaEjecucion) {
    for (int16_t modo : {int16_t{0}, int16_t{1}}) {
        Maquina m(modo);
        Reg().PC(0x900000);
        Reg().ST(1 << bitst::GIE);
        Reg().IE(1);
        Reg().IFR(1);
        gMarcasRupt->Add(0, 0x809800, 0, 0, 0, "");  // holds: the word there is 0
        m.Correr(10);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u) << modo;  // no watch-mark or interrupt box
        const plataforma::Cuadro& c = m.cuadros.mostrados[0];
        EXPECT_EQ(c.titulo, "Unidad de Busqueda");
        EXPECT_EQ(c.texto,
                  "El Contador de Programa (PC) ha alcanzado una posición de memoria no valida.\n"
                  "La unidad de Busqueda no puede cargar el código de instrucción.\n\n"
                  "La ejecucion del codigo se detendrá");
        EXPECT_EQ(c.icono, plataforma::Icono::Exclamacion);
        EXPECT_EQ(c.contextoAyuda, 10080);
        EXPECT_TRUE(c.botonAyuda);
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(Reg().PC(), 0x900001);
        EXPECT_EQ(gPPL->Busqueda().lPosMem, 0x900000);
        EXPECT_EQ(gPPL->Busqueda().lCanal, canal::kCancelado);  // nothing left to decode
        EXPECT_EQ(Reg().IFR(), 1);
    }
}

TEST(Ciclo, CodigoInvalidoPreguntaYParaOContinua) {
    for (int32_t palabra : {int32_t(0xFF000000), int32_t(0xA0000000)}) {
        Maquina m;
        gMemoria->Escribe(kRam0, palabra);
        Llenar(kRam0 + 1, 4, kNop);
        Reg().PC(kRam0);
        m.Correr(1);
        ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
        const plataforma::Cuadro& c = m.cuadros.mostrados[0];
        EXPECT_EQ(c.titulo, "Unidad de Decodificación");
        EXPECT_EQ(c.texto, "El codigo de instruccion [$" +
                               std::string(palabra == int32_t(0xFF000000) ? "FF000000" : "A0000000") +
                               "] no es un código de operacion válido.");
        EXPECT_EQ(c.icono, plataforma::Icono::Pregunta);
        EXPECT_EQ(c.botones, plataforma::Botones::AceptarCancelar);
        EXPECT_EQ(c.contextoAyuda, 10080);
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_EQ(gPPL->Decodificacion().lCanal, canal::kBuscado);

        // Cancel: the word passes and the run goes on past it.
        Maquina n;
        gMemoria->Escribe(kRam0, palabra);
        Llenar(kRam0 + 1, 4, kNop);
        Reg().PC(kRam0);
        n.cuadros.respuestaPorDefecto = Respuesta::Cancelar;
        n.Correr(3);
        EXPECT_EQ(n.cuadros.mostrados.size(), 1u);
        EXPECT_EQ(n.principal.ModoEjecucion(), modo::kNormal);
        EXPECT_EQ(Reg().PC(), kRam0 + 3);
    }
}

TEST(Ciclo, CicloDentroDeOtroNoSeEjecuta) {
    // A box's event loop that asks for another cycle gets nothing.
    struct CuadrosReentrantes final : plataforma::IServicioCuadros {
        plataforma::Respuesta MsgBox(const plataforma::Cuadro&) override {
            const int32_t antes = gCiclos;
            CicloReloj();
            anidadoSinEfecto = gCiclos == antes;
            return Respuesta::Aceptar;
        }
        std::optional<std::string> InputBox(const plataforma::CuadroEntrada&) override { return {}; }
        bool anidadoSinEfecto = false;
    };
    Maquina m;
    CuadrosReentrantes cuadros;
    plataforma::EstablecerCuadros(&cuadros);
    Reg().PC(0x900000);
    CicloReloj();
    plataforma::EstablecerCuadros(&m.cuadros);
    EXPECT_TRUE(cuadros.anidadoSinEfecto);
    EXPECT_EQ(gCiclos, 4);
}

TEST(Ciclo, CiclosDeEsperaConYSinPipeline) {
    Maquina m(0);
    Llenar(kRam0, 8, kNop);
    Reg().PC(kRam0);
    gPPL->lCiclosEspera = 2;
    m.Ciclos(2);
    EXPECT_EQ(Reg().PC(), kRam0);
    EXPECT_EQ(gPPL->Busqueda().lCanal, canal::kEnBusqueda);
    EXPECT_EQ(gPPL->Busqueda().lPosMem, kRam0);
    EXPECT_EQ(gPPL->lCiclosEspera, 0);
    m.Ciclos(1);
    EXPECT_EQ(Reg().PC(), kRam0 + 1);
    EXPECT_EQ(gPPL->Busqueda().lCanal, canal::kBuscado);

    Maquina n(1);
    Llenar(kRam0, 8, kNop);
    Reg().PC(kRam0);
    gPPL->lCiclosEspera = 2;
    n.Ciclos(1);
    EXPECT_EQ(Reg().PC(), kRam0 + 1);
    EXPECT_EQ(gPPL->lCiclosEspera, 2);
}

TEST(Ciclo, RepeticionDeUnaInstruccion) {
    struct Caso { int32_t rc; int ciclosEnElSitio; };
    for (const Caso& c : {Caso{0, 0}, Caso{2, 2}}) {
        Maquina m;
        Llenar(kRam0, 8, kNop);
        Reg().PC(kRam0 + 1);
        Reg().RC(c.rc);
        Reg().BIT_ST(bitst::RM, true);
        Reg().BIT_S(true);
        for (int i = 0; i < c.ciclosEnElSitio; ++i) {
            CicloReloj();
            EXPECT_EQ(Reg().PC(), kRam0 + 1);
        }
        CicloReloj();
        EXPECT_EQ(Reg().PC(), kRam0 + 2);
        EXPECT_EQ(Reg().RC(), -1);
        EXPECT_FALSE(Reg().BIT_ST(bitst::RM));
        EXPECT_FALSE(Reg().BIT_S());
    }
}

TEST(Ciclo, RepeticionDeBloque) {
    Maquina m;
    Llenar(kRam0, 16, kNop);
    Reg().PC(kRam0);
    Reg().RS(kRam0);
    Reg().RE(kRam0 + 2);
    Reg().RC(1);
    Reg().BIT_ST(bitst::RM, true);
    std::vector<int32_t> buscadas;
    for (int i = 0; i < 7; ++i) {
        CicloReloj();
        buscadas.push_back(gPPL->Busqueda().lPosMem - kRam0);
    }
    EXPECT_EQ(buscadas, (std::vector<int32_t>{0, 1, 2, 0, 1, 2, 3}));
    EXPECT_FALSE(Reg().BIT_ST(bitst::RM));
    EXPECT_EQ(Reg().RC(), -1);
}

TEST(Ciclo, MarcaYPuntoEnElMismoCicloSoloParaLaMarca) {
    Maquina m;
    Llenar(kRam0, 8, kNop);
    Reg().PC(kRam0);
    gPuntosRupt->Add(kRam0 + 2, "");
    gMarcasRupt->Add(0, 0x809900, 0, 0, 0, "");
    InfoPuntosRupt = true;
    m.Correr(100);
    ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
    EXPECT_EQ(m.cuadros.mostrados[0].titulo, "Marcas de Ruptura");
    EXPECT_EQ(m.cuadros.mostrados[0].contextoAyuda, 11010);
    EXPECT_EQ(m.cuadros.mostrados[0].icono, plataforma::Icono::Informacion);
    EXPECT_EQ(m.cuadros.mostrados[0].texto.rfind(
                  "Se ha producido una Ruptura por marca en la celda $00809900.\n"
                  "Operacion verificada:\n\n", 0), 0u);
    EXPECT_EQ(m.memoria.mostradas, std::vector<int32_t>{0x809900});
    EXPECT_EQ(gCiclos, 4);
}

TEST(Ciclo, MarcaQueSeCumpleDetieneCadaCicloHastaQueCambiaLaCelda) {
    // One cycle counts 4 without the pipeline; the second store runs in the fifth.
    Maquina m;
    m.Cargar("marca_vigilada");
    constexpr int32_t kCuenta = 0x809806;
    gMarcasRupt->Add(0, kCuenta, 0, 5, 0, "");
    m.Correr(100);
    EXPECT_EQ(gCiclos, 20);
    m.Correr(100);  // the mark still holds: the first cycle stops again
    EXPECT_EQ(gCiclos, 24);
    gMemoria->Escribe(kCuenta, 6);  // an edit in the memory window
    m.Correr(100);
    EXPECT_EQ(gCiclos, 424);
    gMemoria->Escribe(kCuenta, 5);
    m.Correr(100);
    EXPECT_EQ(gCiclos, 428);
    // Reloading puts 9 back and PC at the entry: the program's own store stops it.
    ASSERT_EQ(LeerFichDSK(TARVIX_SOURCE_DIR "/tests/programs/marca_vigilada.dsk"), 0);
    m.Correr(100);
    EXPECT_EQ(gCiclos, 448);
    EXPECT_EQ(m.cuadros.mostrados.size(), 4u);
}

TEST(Ciclo, MarcaEnLaCeldaCeroLaMuestraSinPreguntar) {
    Maquina m;
    Llenar(kRam0, 8, kNop);
    Reg().PC(kRam0);
    gMarcasRupt->Add(0, 0, 0, 0, 0, "");
    m.Correr(5);
    EXPECT_EQ(m.memoria.mostradas, std::vector<int32_t>{0});
    EXPECT_TRUE(m.memoria.buscadas.empty());
    EXPECT_TRUE(m.cuadros.entradas.empty());
}

TEST(Ciclo, PuntoDeRupturaSegunLocalRuptura) {
    // A breakpoint at the fourth word. With the pipeline the break address is
    // that of the instruction decoded (cycle 5) for PC, the fetch and the
    // decode stage, since a fetch may still be cancelled, or the record read
    // (6) or executed (7); without it every stage holds the instruction just
    // executed (cycle 16), PC the next one (cycle 12).
    struct Caso { int16_t modo, local; int32_t ciclos; };
    const Caso casos[] = {{0, 0, 5}, {0, 1, 5}, {0, 2, 5}, {0, 3, 6}, {0, 4, 7},
                          {1, 0, 12}, {1, 1, 16}, {1, 4, 16}};
    for (const Caso& c : casos) {
        Maquina m(c.modo);
        LocalRuptura = c.local;
        Llenar(kRam0, 16, kNop);
        Reg().PC(kRam0);
        gPuntosRupt->Add(kRam0 + 3, "");
        m.Correr(100);
        EXPECT_EQ(m.principal.ModoEjecucion(), modo::kParado);
        EXPECT_TRUE(m.cuadros.mostrados.empty());  // InfoPuntosRupt is off by default
        EXPECT_EQ(gCiclos, c.ciclos) << c.modo << " " << c.local;
    }
}

TEST(Ciclo, PuntoDeRupturaNoEnPasoAPaso) {
    Maquina m(0);
    Llenar(kRam0, 16, kNop);
    Reg().PC(kRam0);
    gPuntosRupt->Add(kRam0 + 3, "");
    InfoPuntosRupt = true;
    m.Ciclos(12);
    EXPECT_TRUE(m.principal.modos.empty());
    EXPECT_TRUE(m.cuadros.mostrados.empty());
}

TEST(Ciclo, PuntoDeRupturaConAviso) {
    Maquina m;
    Llenar(kRam0, 16, kNop);
    Reg().PC(kRam0);
    gPuntosRupt->Add(kRam0 + 2, "");
    InfoPuntosRupt = true;
    m.Correr(100);
    ASSERT_EQ(m.cuadros.mostrados.size(), 1u);
    const plataforma::Cuadro& c = m.cuadros.mostrados[0];
    EXPECT_EQ(c.titulo, "Puntos de Ruptura");
    EXPECT_EQ(c.texto, "Se ha produccido una Ruptura por Punto en la celda $00809802.");
    EXPECT_EQ(c.icono, plataforma::Icono::Informacion);
    EXPECT_EQ(c.contextoAyuda, 11040);
}

TEST(Ciclo, DireccionDeParadaSeAlcanzaEnSilencio) {
    Maquina m;
    Llenar(kRam0, 16, kNop);
    Reg().PC(kRam0);
    gDirParada = kRam0 + 5;
    m.principal.ModoEjecucion(modo::kHastaCursor);
    for (int i = 0; i < 20 && m.principal.ModoEjecucion() != modo::kParado; ++i) CicloReloj();
    EXPECT_EQ(Reg().PC(), kRam0 + 5);
    EXPECT_EQ(gDirParada, -1);
    EXPECT_TRUE(m.cuadros.mostrados.empty());
}

TEST(Ciclo, ReiniciarProcesador) {
    Maquina m;
    gCiclos = 77;
    gEstadoDSK = 0;
    gMemoria->Escribe(kRam0, 5);
    Reg().PC(kRam0);
    gPuntosRupt->Add(1, "");
    gMarcasRupt->Add(0, 1, 0, 0, 0, "");
    gPPL->lCiclosEspera = 1;
    gDirParada = 9;
    ReiniciarProcesador();
    EXPECT_EQ(gCiclos, 0);
    EXPECT_EQ(gEstadoDSK, -1);
    EXPECT_EQ(m.Palabra(kRam0), 0);
    EXPECT_EQ(Reg().PC(), 0);
    EXPECT_EQ(gPuntosRupt->count(), 0);
    EXPECT_EQ(gMarcasRupt->count(), 0);
    EXPECT_EQ(gPPL->lCiclosEspera, 0);  // the old run's wait cycles are not owed
    EXPECT_EQ(gDirParada, 9);
    EXPECT_EQ(gPPL->Busqueda().lCanal, canal::kNuevo);
}
