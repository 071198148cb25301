// Switching the pipeline mode while a program is under way: whatever the
// cycle at which the mode changes, the program goes on from the oldest
// instruction not yet executed and ends with the results of an undisturbed
// run (no instruction lost or run twice, delayed branches and repeats kept).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MaquinaPrueba.h"
#include "core/UnidadEjecucion.h"

using prueba::Maquina;
using prueba::Reg;

namespace {

int32_t LO(int16_t r) { return Reg().R(r).LO(); }

// In the closing "fin: BR fin": PC is fin, or the word after it while the
// pipeline has fetched past the branch.
bool EnFin(int32_t pc, int32_t fin) { return pc == fin || pc == fin + 1; }

struct Caso {
    int16_t desde;
    int ciclos, cada;
};

// Every stop from the start to past the end, both ways, and alternating
// switches every 1 to 5 cycles.
std::vector<Caso> Casos() {
    std::vector<Caso> casos;
    for (int16_t desde : {int16_t{0}, int16_t{1}})
        for (int n = 0; n <= 110; ++n) casos.push_back({desde, n, 0});
    for (int16_t desde : {int16_t{0}, int16_t{1}})
        for (int cada = 1; cada <= 5; ++cada) casos.push_back({desde, 7, cada});
    return casos;
}

// For every case: runs `programa` from mode `desde` for `ciclos` cycles,
// switches to the other mode (again every `cada` cycles, 0: never) and runs
// on to the end, then checks the machine.
template <class Comprobar>
void ConCadaCambio(const std::string& programa, Comprobar comprobar) {
    for (const Caso& c : Casos()) {
        SCOPED_TRACE("from mode " + std::to_string(c.desde) + " after " +
                     std::to_string(c.ciclos) + " cycles, switching every " +
                     std::to_string(c.cada));
        Maquina m(c.desde);
        m.Cargar(programa);
        m.Ciclos(c.ciclos);
        ModoPPL = static_cast<int16_t>(1 - c.desde);
        for (int i = 0; i < 40 && c.cada > 0; ++i) {
            m.Ciclos(c.cada);
            ModoPPL = static_cast<int16_t>(1 - ModoPPL);
        }
        m.Correr(400);
        comprobar(m);
    }
}

}  // namespace

TEST(CambioModoPPL, BucleConPilaIndirectoYSaltosRetardados) {
    ConCadaCambio("cambio_modo_bucle", [](const Maquina& m) {
        EXPECT_TRUE(m.cuadros.mostrados.empty());
        EXPECT_EQ(LO(0), 31);
        EXPECT_EQ(LO(1), 8);   // five passes of the loop's slot, three of BRD's
        EXPECT_EQ(LO(2), 31);
        EXPECT_EQ(LO(3), 57);  // 1 + 3 + 7 + 15 + 31: each pass once, in order
        EXPECT_EQ(LO(4), 0);   // the word BRD jumps over
        EXPECT_EQ(Reg().AR(0), 0x809820);
        EXPECT_EQ(Reg().AR(1), 0x00FFFFFF);
        EXPECT_EQ(Reg().SP(), 0x809F00);
        EXPECT_EQ(m.Palabra(0x809820), 31);
        EXPECT_PRED2(EnFin, Reg().PC(), 0x809818);
    });
}

TEST(CambioModoPPL, BloquesYRepeticionDeUnaInstruccion) {
    ConCadaCambio("cambio_modo_repite", [](const Maquina& m) {
        EXPECT_TRUE(m.cuadros.mostrados.empty());
        EXPECT_EQ(LO(0), 9);
        EXPECT_EQ(LO(1), 12);
        EXPECT_EQ(LO(2), 31);
        EXPECT_EQ(LO(3), 4);
        EXPECT_EQ(Reg().AR(0), 0x809818);
        EXPECT_EQ(Reg().RC(), -1);
        EXPECT_FALSE(Reg().BIT_ST(bitst::RM));
        EXPECT_PRED2(EnFin, Reg().PC(), 0x809811);
    });
}

// The way a user meets it: a breakpoint inside the loop with the pipeline,
// then the one-instruction mode chosen and the run resumed.
TEST(CambioModoPPL, ParadaEnUnPuntoDeRupturaYSeguirSinPipeline) {
    Maquina m(0);
    m.Cargar("cambio_modo_bucle");
    gPuntosRupt->Add(0x80980E, "");  // DBUD
    m.Correr(400);
    ASSERT_EQ(m.principal.ModoEjecucion(), 0);
    ASSERT_LT(LO(3), 57);
    gPuntosRupt->Clear();
    ModoPPL = 1;
    m.Correr(400);
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    EXPECT_EQ(LO(1), 8);
    EXPECT_EQ(LO(3), 57);
    EXPECT_EQ(m.Palabra(0x809820), 31);
}

// An interrupt accepted with the pipeline turns a fetched word into a call;
// a switch while that call is still in flight keeps the interrupt, after
// delay slots as well as in straight code.
TEST(CambioModoPPL, InterrupcionesAceptadas) {
    ConCadaCambio("cambio_modo_interrupcion", [](const Maquina& m) {
        ASSERT_EQ(m.cuadros.mostrados.size(), 2u);
        EXPECT_EQ(m.cuadros.mostrados[1].titulo, "Interrupción CPU");
        EXPECT_EQ(LO(1), 63);
        EXPECT_EQ(LO(3), 2);
        EXPECT_EQ(Reg().IFR(), 0);
        EXPECT_TRUE(Reg().BIT_ST(bitst::GIE));
        EXPECT_EQ(Reg().SP(), 0x809F00);
        EXPECT_PRED2(EnFin, Reg().PC(), 0x809816);
    });
}

// The interrupt service gives back the count of the block's last word that it
// turns into a call; a switch must not give it back again.
TEST(CambioModoPPL, InterrupcionEnUnBloqueRepetido) {
    ConCadaCambio("maq_int_bloque", [](const Maquina& m) {
        EXPECT_EQ(m.cuadros.mostrados.size(), 3u);  // one per pass
        EXPECT_EQ(LO(3), 3);
        EXPECT_EQ(LO(0), 9);
        EXPECT_FALSE(Reg().BIT_ST(bitst::RM));
        EXPECT_EQ(Reg().RC(), -1);
        EXPECT_EQ(Reg().SP(), 0x809F00);
    });
}
