// The break lists check a compact copy of their entries every cycle: every way
// of changing an entry, the list, the memory words or the memory map must show
// in the next check.
#include <gtest/gtest.h>

#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"

namespace {

constexpr int32_t kRam0 = 0x809800;
constexpr int32_t kRam1 = 0x809C00;

class CopiaRupturas : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigMem = 7;
        CrearObjetosPrograma();
    }
    CollectMarcaRupt& marcas() { return *gMarcasRupt; }
    CollectPuntoRupt& puntos() { return *gPuntosRupt; }
};

TEST_F(CopiaRupturas, MarkFieldsEditedThroughItemAreSeen) {
    gMemoria->Escribe(kRam0, 5);
    gMemoria->Escribe(kRam1, 9);
    marcas().Add(0, kRam0, 0, 6, 0, "m");
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    marcas().Item(1).Operando(5);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    marcas().Item(1).Comp(1);
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    marcas().Item(1).PosMem(kRam1);
    EXPECT_EQ(marcas().OcurreMarca(), 1);  // 9 <> 5
    marcas().Item(1).Operando(0x900000);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    marcas().Item(1).Tipo(1);  // now against the word at 0x900000: unmapped, skipped
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    marcas().Item(1).Operando(kRam1);
    EXPECT_EQ(marcas().OcurreMarca(), 0);  // 9 <> 9 does not hold
    marcas().Item(1).Comp(0);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    ClassMarcaRupt otra;  // assigning a whole record counts too
    otra.Tipo(0);
    otra.PosMem(kRam0);
    otra.Comp(0);
    otra.Operando(5);
    marcas().Item(1) = otra;
    EXPECT_EQ(marcas().OcurreMarca(), 1);
}

TEST_F(CopiaRupturas, WrittenWordsRemovedMarksAndANewMapAreSeen) {
    marcas().Add(0, kRam0, 0, 7, 0, "a");
    marcas().Add(0, kRam1, 0, 0, 0, "b");
    EXPECT_EQ(marcas().OcurreMarca(), 2);
    EXPECT_EQ(marcas().OcurreMarca(), 2);  // unchanged: the same answer
    gMemoria->Escribe(kRam0, 7);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    Valor v = Valor::Entero(8);
    gMemoria->EscribeDatoDSP(v, kRam0, false);
    EXPECT_EQ(marcas().OcurreMarca(), 2);
    marcas().Remove(2);
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    gMemoria->Escribe(kRam1, 1);
    marcas().Item(1).PosMem(kRam1);
    marcas().Item(1).Operando(1);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    // Without RAM block 1 the mark's word is gone; with it back, the word is 0.
    gMemoria->Inicializar(3);
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    gMemoria->Inicializar(7);
    marcas().Item(1).Operando(0);
    EXPECT_EQ(marcas().OcurreMarca(), 1);
    // A new memory object is a new map even at the same address.
    gMemoria = std::make_unique<ClassMemoria>();
    gMemoria->Inicializar(7);
    gMemoria->Escribe(kRam1, 4);
    EXPECT_EQ(marcas().OcurreMarca(), 0);
    marcas().Clear();
    EXPECT_EQ(marcas().OcurreMarca(), 0);
}

TEST_F(CopiaRupturas, BreakpointLookUpFollowsEveryChange) {
    puntos().Add(kRam0 + 5, "a");
    puntos().Add(kRam0 + 0x105, "b");  // the same low byte as a
    puntos().Add(kRam0 + 5, "c");      // a repeated address: the first wins
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 5), 1);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 0x105), 2);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 0x205), 0);
    EXPECT_EQ(puntos().Index(), 0);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 6), 0);
    puntos().Item(2).PosMem(kRam0 + 6);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 6), 2);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 0x105), 0);
    puntos().Remove(1);
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 5), 2);
    EXPECT_EQ(puntos().Index(), 2);
    puntos().Add(-1, "negativa");
    EXPECT_EQ(puntos().BuscarMemPos(-1), 3);
    puntos().Clear();
    EXPECT_EQ(puntos().BuscarMemPos(kRam0 + 5), 0);
    EXPECT_EQ(puntos().Index(), 0);
}

}  // namespace
