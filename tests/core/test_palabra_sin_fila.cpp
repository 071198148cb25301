// A word whose operation code has no row in its group passes the pipeline and
// changes nothing: no register, no memory cell.
#include <gtest/gtest.h>

#include "MaquinaPrueba.h"

namespace {

class PalabraSinFila : public ::testing::TestWithParam<int16_t> {};

TEST_P(PalabraSinFila, NoEscribeNiMemoriaNiRegistros) {
    prueba::Maquina m(GetParam());
    // 0xF0000000: group 7 with an operation field that has no row; its
    // operand fields name *+AR0(1) and R0.
    gMemoria->Escribe(0x809800, static_cast<int32_t>(0xF0000000u));
    for (int32_t d = 0x809801; d < 0x809810; ++d) gMemoria->Escribe(d, 0x0C800000);  // NOP
    gMemoria->Escribe(0x809901, 0x12345678);
    prueba::Reg().AR(0, 0x809900);
    prueba::Reg().R(0).LO(77);
    prueba::Reg().PC(0x809800);
    m.Ciclos(8);
    EXPECT_EQ(m.Palabra(0x809901), 0x12345678);
    EXPECT_EQ(prueba::Reg().R(0).LO(), 77);
    EXPECT_TRUE(m.cuadros.mostrados.empty());
}

INSTANTIATE_TEST_SUITE_P(ConYSinPipeline, PalabraSinFila, ::testing::Values(int16_t{0}, int16_t{1}));

}  // namespace
