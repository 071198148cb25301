// Watch marks against the memory: the per-cycle check and its description.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"

namespace {

constexpr int32_t kRam0 = 0x809800;
constexpr int32_t kRam1 = 0x809C00;
constexpr int32_t kSinMapa = 0x900000;

class Marcas : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigMem = 7;
        CrearObjetosPrograma();
    }
    CollectMarcaRupt& m() { return *gMarcasRupt; }
};

struct CasoComp {
    int32_t w;
    int32_t comp;
    int32_t o;
    bool cumple;
};

TEST_F(Marcas, ComparesTheWordWithTheOperandAsSignedNumbers) {
    const std::vector<CasoComp> casos = {
        {5, 0, 5, true},   {5, 0, 6, false},  {5, 1, 6, true},    {5, 1, 5, false},
        {6, 2, 5, true},   {5, 2, 5, false},  {-1, 3, 0, true},   {0, 3, -1, false},
        {5, 4, 5, true},   {4, 4, 5, false},  {5, 5, 5, true},    {6, 5, 5, false},
        {INT32_MIN, 3, INT32_MAX, true},      {5, 6, 5, false},   {5, -1, 5, false},
    };
    for (const auto& c : casos) {
        m().Clear();
        ASSERT_EQ(gMemoria->Escribe(kRam0, c.w), 0);
        m().Add(0, kRam0, c.comp, c.o, 1, "Marca00");  // TipoDatos plays no part
        EXPECT_EQ(m().OcurreMarca(), c.cumple ? 1 : 0) << c.w << " comp " << c.comp << " " << c.o;
    }
}

TEST_F(Marcas, EmptyListNeverHoldsAndHasNoDescription) {
    EXPECT_EQ(m().OcurreMarca(), 0);
    int32_t i = 0;
    EXPECT_EQ(m().CadenaInfo(i), "");
    EXPECT_EQ(i, 0);
}

TEST_F(Marcas, FirstHoldingMarkWinsAndUnmappedMarksAreSkipped) {
    gMemoria->Escribe(kRam0, 7);
    gMemoria->Escribe(kRam0 + 1, 7);
    m().Add(0, kRam0, 0, 8, 0, "no");
    m().Add(0, kSinMapa, 1, 0, 0, "sin mapa");        // watched word unmapped
    m().Add(1, kRam0, 0, kSinMapa, 0, "operando");    // operand word unmapped
    m().Add(1, kRam0, 0, kRam0 + 1, 0, "si");         // word against word
    m().Add(0, kRam0, 0, 7, 0, "tambien");
    EXPECT_EQ(m().OcurreMarca(), 4);
    m().Remove(4);
    EXPECT_EQ(m().OcurreMarca(), 4);
    gMemoria->Escribe(kRam0, 8);
    EXPECT_EQ(m().OcurreMarca(), 1);
}

TEST_F(Marcas, AnyNonZeroTipoReadsTheOperandFromMemory) {
    gMemoria->Escribe(kRam0, 3);
    gMemoria->Escribe(kRam0 + 2, 3);
    m().Add(2, kRam0, 0, kRam0 + 2, 0, "t2");
    EXPECT_EQ(m().OcurreMarca(), 1);
    int32_t i = 1;
    // Shown as a value, not as an address: only Tipo 1 reads as one.
    EXPECT_EQ(m().CadenaInfo(i), "Contenido de $00809800 = 00809802");
}

TEST_F(Marcas, TheCheckDoesNotEnterTheAccessLog) {
    gMemoria->Access_Clear();
    m().Add(1, kRam0, 0, kRam0 + 1, 0, "x");
    m().OcurreMarca();
    EXPECT_EQ(gMemoria->NumPosAccess(), 0);
}

TEST_F(Marcas, Descriptions) {
    m().Add(1, kRam0, 0, kRam0 + 1, 0, "a");
    m().Add(0, kRam0, 2, 5, 0, "b");
    m().Add(0, kRam0, 3, -5, 2, "c");
    m().Add(0, kRam0, 9, 5, 1, "d");
    m().Add(0, kRam0, 5, 0x01400000, 3, "e");
    const std::vector<std::string> esperado = {
        "Contenido de $00809800 = Contenido de $00809801",
        "Contenido de $00809800 > 00000005",
        "Contenido de $00809800 < -5",
        "Contenido de $00809800 5",
        "Contenido de $00809800 <= +3.000000e+00",
    };
    for (int32_t p = 1; p <= 5; ++p) {
        int32_t i = p;
        EXPECT_EQ(m().CadenaInfo(i), esperado[static_cast<std::size_t>(p - 1)]) << p;
    }
    int32_t i = 0;  // 0 takes the current item, and the caller receives it
    m().Index(2);
    EXPECT_EQ(m().CadenaInfo(i), esperado[1]);
    EXPECT_EQ(i, 2);
    for (int32_t fuera : {6, -1}) EXPECT_EQ(m().CadenaInfo(fuera), "") << fuera;
}

// The check works on a compact copy of the marks: every way of changing a
// mark, the list, the memory words or the memory map shows in the next check.
TEST_F(Marcas, MarkFieldsEditedThroughItemAreSeen) {
    gMemoria->Escribe(kRam0, 5);
    gMemoria->Escribe(kRam1, 9);
    m().Add(0, kRam0, 0, 6, 0, "m");
    EXPECT_EQ(m().OcurreMarca(), 0);
    m().Item(1).Operando(5);
    EXPECT_EQ(m().OcurreMarca(), 1);
    m().Item(1).Comp(1);
    EXPECT_EQ(m().OcurreMarca(), 0);
    m().Item(1).PosMem(kRam1);
    EXPECT_EQ(m().OcurreMarca(), 1);  // 9 <> 5
    m().Item(1).Operando(kSinMapa);
    EXPECT_EQ(m().OcurreMarca(), 1);
    m().Item(1).Tipo(1);  // now against the word at kSinMapa: unmapped, skipped
    EXPECT_EQ(m().OcurreMarca(), 0);
    m().Item(1).Operando(kRam1);
    EXPECT_EQ(m().OcurreMarca(), 0);  // 9 <> 9 does not hold
    m().Item(1).Comp(0);
    EXPECT_EQ(m().OcurreMarca(), 1);
    ClassMarcaRupt otra;  // assigning a whole record counts too
    otra.Tipo(0);
    otra.PosMem(kRam0);
    otra.Comp(0);
    otra.Operando(5);
    m().Item(1) = otra;
    EXPECT_EQ(m().OcurreMarca(), 1);
}

TEST_F(Marcas, WrittenWordsRemovedMarksAndANewMapAreSeen) {
    m().Add(0, kRam0, 0, 7, 0, "a");
    m().Add(0, kRam1, 0, 0, 0, "b");
    EXPECT_EQ(m().OcurreMarca(), 2);
    EXPECT_EQ(m().OcurreMarca(), 2);  // unchanged: the same answer
    gMemoria->Escribe(kRam0, 7);
    EXPECT_EQ(m().OcurreMarca(), 1);
    Valor v = Valor::Entero(8);
    gMemoria->EscribeDatoDSP(v, kRam0, false);
    EXPECT_EQ(m().OcurreMarca(), 2);
    m().Remove(2);
    EXPECT_EQ(m().OcurreMarca(), 0);
    gMemoria->Escribe(kRam1, 1);
    m().Item(1).PosMem(kRam1);
    m().Item(1).Operando(1);
    EXPECT_EQ(m().OcurreMarca(), 1);
    // Without RAM block 1 the mark's word is gone; with it back, the word is 0.
    gMemoria->Inicializar(3);
    EXPECT_EQ(m().OcurreMarca(), 0);
    gMemoria->Inicializar(7);
    m().Item(1).Operando(0);
    EXPECT_EQ(m().OcurreMarca(), 1);
    // Another memory object has a map of its own, wherever it was allocated.
    gMemoria = std::make_unique<ClassMemoria>();
    gMemoria->Inicializar(7);
    gMemoria->Escribe(kRam1, 4);
    EXPECT_EQ(m().OcurreMarca(), 0);
    m().Clear();
    EXPECT_EQ(m().OcurreMarca(), 0);
}

}  // namespace
