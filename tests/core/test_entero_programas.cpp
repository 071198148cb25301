// Integer programs from tests/programs run cycle by cycle, with and without
// the pipeline, until their closing `fin: BR fin` has executed; registers and
// memory are checked against the values worked out by hand in each source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MaquinaPrueba.h"

namespace {

using prueba::Maquina;
using enum prueba::NumRegistro;

struct Valores {
    int32_t clave;  // register number or memory address
    uint32_t valor;
};

struct Programa {
    const char* nombre;
    int32_t fin;  // address of `fin: BR fin` in the listing
    std::vector<Valores> registros;
    std::vector<Valores> memoria;
};

const Programa kProgramas[] = {
    {"suma64", 0x809815,
     {{R0, 0}, {R1, 4}, {R2, 0}, {R3, 0}, {R4, 1}, {R5, 0xFFFFFFFF}, {R6, 3}, {ST, 0}},
     {{0x80981D, 0}, {0x80981E, 4}, {0x80981F, 0}, {0x809820, 0}, {0x809821, 1}}},
    {"division", 0x80980F,
     {{R0, 1}, {R1, 0x128000}, {R2, 0x6993}, {R5, 0x9C41}, {RC, 0xFFFFFFFF}, {ST, 0}},
     {{0x809812, 0x6993}, {0x809813, 1}}},
    {"logicos", 0x80980F,
     {{R0, 0x8000}, {R1, 0xF0F0}, {R2, 0xFFFF0000}, {R3, 0xFFFF7FFE}, {R4, 0xFFFF0000},
      {R5, 0xFFFF0000}, {R6, 1}, {R7, 0xFFFFFFFE}, {ST, 0x8}},
     {}},
    {"mpyi_desplaz", 0x809829,
     {{R0, 0x7F000003}, {R1, 6}, {R2, 0x00FFFFFF}, {R3, 0xFFFFFFFB}, {R4, 0xFF000001},
      {R6, 16}, {ST, 0x29}},
     {{0x809833, 0xFFFFFFFE}, {0x809834, 0x0FFFFFFF}, {0x809835, 8}, {0x809836, 2},
      {0x809837, 0x80000001}, {0x809838, 1}, {0x809839, 0x841}, {0x80983A, 0x40000040},
      {0x80983B, 0xE0000000}, {0x80983C, 0xFFFFFFAE}}},
    {"ash_desborde", 0x80980B,
     {{R0, 0x40000000}, {R1, 1}, {R2, 0}, {R3, 2}, {R4, 0x80000000}, {R5, 0}, {ST, 0x29}},
     {}},
    {"condiciones", 0x809837,
     {{R7, 0xE2AA}, {R3, 0x80000000}, {R4, 0}, {ST, 0x20}},
     {}},
    {"factorial", 0x809807,
     {{R0, 10}, {R1, 0x375F00}, {SP, 0x809F00}, {ST, 0}},
     {{0x809813, 0x375F00}, {0x809F01, 0x809806}, {0x809F02, 10}, {0x809F03, 0x80980F},
      {0x809F12, 2}, {0x809F13, 0x80980F}}},
    {"bucle_db", 0x809815,
     {{R0, 55}, {R1, 10}, {AR0, 0x00FFFFFF}, {R2, 0}, {AR1, 0x80981B}, {AR2, 5}, {R3, 5},
      {R4, 10}, {AR3, 0x00FFFFFF}, {ST, 0}},
     {}},
    {"trap_reti", 0x809811,
     {{R5, 0x1234}, {R6, 4}, {R7, 0}, {SP, 0x809F00}, {ST, 0x2000}},
     {{0x22, 0x809812}, {0x809F01, 0x80980A}}},
    {"ramas_retardadas", 0x809817, {{R0, 9}, {R1, 19}}, {}},
    {"llamadas_cond", 0x809812,
     {{R1, 11}, {R4, 5}, {R5, 10}, {RC, 0xFFFFFFFF}, {RS, 0x809810}, {RE, 0x809811},
      {SP, 0x809F00}, {ST, 0}},
     {{0x809F01, 0x809808}}},
};

bool FinEjecutado(int32_t fin) {
    const ClassUnitData& e = gPPL->Ejecucion();
    return e.lCanal == canal::kLeido && e.LTipoIntr == 3 && e.lPosMem == fin;
}

class ProgramaEntero : public ::testing::TestWithParam<std::tuple<int, int16_t>> {};

std::string Nombre(const ::testing::TestParamInfo<std::tuple<int, int16_t>>& info) {
    return std::string(kProgramas[std::get<0>(info.param)].nombre) +
           (std::get<1>(info.param) == 0 ? "_conPipeline" : "_sinPipeline");
}

}  // namespace

TEST_P(ProgramaEntero, LlegaAFinConLosValoresCalculados) {
    const Programa& p = kProgramas[std::get<0>(GetParam())];
    Maquina m(std::get<1>(GetParam()));
    m.Cargar(p.nombre);
    int ciclos = 0;
    while (!FinEjecutado(p.fin) && ciclos < 200000) {
        CicloReloj();
        ++ciclos;
    }
    ASSERT_TRUE(FinEjecutado(p.fin)) << "PC " << std::hex << gRegistros->PC();
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    for (const Valores& v : p.registros)
        EXPECT_EQ(static_cast<uint32_t>(gRegistros->RegCPU(v.clave, false).ComoEntero()), v.valor)
            << "register " << v.clave;
    for (const Valores& v : p.memoria)
        EXPECT_EQ(static_cast<uint32_t>(m.Palabra(v.clave)), v.valor) << std::hex << "word " << v.clave;
}

INSTANTIATE_TEST_SUITE_P(Programas, ProgramaEntero,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(kProgramas))),
                                            ::testing::Values(int16_t{0}, int16_t{1})),
                         Nombre);
