// Floating-point, three-operand and parallel programs from tests/programs run
// cycle by cycle, with and without the pipeline, until their closing
// `fin: BR fin` has executed; registers and memory are checked against the
// values worked out by hand in each source.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MaquinaPrueba.h"

namespace {

using prueba::Maquina;
using prueba::Esperado;
using namespace prueba::valores;
using enum prueba::NumRegistro;

struct Programa {
    const char* nombre;
    int32_t fin;  // address of `fin: BR fin` in the listing
    std::vector<Esperado> valores;
};

std::vector<Programa> Programas() {
    const double maxF = std::ldexp(2.0 - std::ldexp(1.0, -31), 127);
    std::vector<Programa> p;

    p.push_back({"producto_punto", 0x80980B,
                 {RF(R2, 1.5), RF(R0, 6.0), RI(AR0, 0x809813), RI(AR1, 0x809818),
                  MI(0x809818, 0x00400000), RI(ST, 0)}});

    p.push_back({"fir_circular", 0x809812,
                 {RF(R2, 2.25), RF(R0, 0.25), RF(R3, 0.5), RI(AR0, 0x809828), RI(AR1, 0x809832),
                  RI(AR3, 0x809823), RI(AR4, 0x00FFFFFF), RI(RC, 0xFFFFFFFF), RI(ST, 0)}});
    Palabras(p.back().valores, 0x80981D,
             {0xFF000000, 0x00200000, 0xFE800000, 0xFE800000, 0x02380000, 0x01100000});
    Numeros(p.back().valores, 0x809830, {4.0, 0.5, 0.0, -1.0});

    p.push_back({"paralelo_cargas", 0x809817,
                 {RI(R0, 93), RF(R1, -4.0), RF(R2, -0.25), RI(R3, 2), RI(R4, 12), RF(R5, 8.0),
                  RI(R6, 0xFFFFFFFD), RF(R7, -5.0), MF(0x809827, 1.5), MF(0x809828, -2.0),
                  MI(0x809829, 7), MI(0x80982A, 7), MF(0x80982B, 1.5), MI(0x80982C, 0xFFFFFFF7),
                  MI(0x80982D, 2), MI(0x80982E, 0xDEAD), RI(ST, 0)}});
    Numeros(p.back().valores, 0x80982F, {-2.0, 1.5, 0.5, -2.0});

    p.push_back({"fix_float", 0x809816,
                 {RF(R1, 2147483647.0), RI(R2, 0x7FFFFFFF), RF(R3, -2147483648.0),
                  RI(R4, 0x80000000), MI(0x809830, 0x2A), RI(ST, 0x28)}});
    Palabras(p.back().valores, 0x809824,
             {2, 0xFFFFFFFD, 0xFFFFFFFF, 0, 0x7FFFFF80, 0x7FFFFFFF, 0x80000000, 0x80000000});
    Palabras(p.back().valores, 0x80982C, {0x1E7FFFFF, 0x1E800000, 0x80000000, 0xFF800000});

    p.push_back({"norm_rnd", 0x809820,
                 {RF(R1, 4.0), RF(R2, std::ldexp(4097.0, -31)), RF(R3, -std::ldexp(1.0, -19)),
                  RF(R5, 1.0 + std::ldexp(1.0, -23)), RF(R6, -1.0), RF(R7, 0.0),
                  MI(0x80982F, 0x04), MI(0x809830, 0x50), RI(ST, 0x62)}});
    Palabras(p.back().valores, 0x809829,
             {0x02000000, 0xED000800, 0xEC800000, 0x00000001, 0xFF800000, 0x7F7FFFFF});

    p.push_back({"desborde_flotante", 0x809814,
                 {RF(R0, maxF), RF(R1, -std::ldexp(1.0, 128)), RF(R2, 0.0), RF(R3, 0.0),
                  RF(R4, 1.0), RI(ST, 0x60)}});
    Palabras(p.back().valores, 0x80981A,
             {0x7F7FFFFF, 0x7F800000, 0x80000000, 0x80000000, 0x22, 0x2A, 0x74, 0x74});

    p.push_back({"bit_invertido", 0x80980F,
                 {RI(AR0, 0x80981C), RI(AR1, 0x809828), RI(AR2, 0x809824), RI(AR3, 0x809830),
                  RF(R0, 7.0), RI(R1, 17)}});
    Numeros(p.back().valores, 0x809828, {0.0, 4.0, 2.0, 6.0, 1.0, 5.0, 3.0, 7.0});
    Palabras(p.back().valores, 0x809830, {10, 14, 12, 16, 11, 15, 13, 17});

    p.push_back({"flotante_dosop", 0x80981B,
                 {RF(R0, -1.25), RF(R1, 6.0), RF(R2, 1.875), RF(R3, 0.0), RF(R4, 1.875),
                  RF(R5, -6.0), RI(SP, 0x809828), MF(0x809829, 1.875), RI(ST, 0x08)}});
    Palabras(p.back().valores, 0x809822, {0x08, 0x04});
    Numeros(p.back().valores, 0x809824, {6.0});
    Palabras(p.back().valores, 0x809825, {0x44});
    Numeros(p.back().valores, 0x809826, {1.875});

    p.push_back({"tresop_filas", 0x809835,
                 {RF(R0, -3.25), RF(R1, -1.875), RF(R2, -5.125), RF(R3, -1.375),
                  RI(R6, 0x7FFFFF), RI(R7, 0xFF000001), RI(AR1, 0x809857), RI(ST, 0x22)}});
    Palabras(p.back().valores, 0x809841,
             {5, 0x01, 0xFFFFFFF9, 0x08, 6, 0x01, 0xF0, 0xF000, 0xFFF0, 0x0FF0, 0x05, 0xF8000000,
              0x09, 0x08000000, 0x01, 5, 0x00, 0xFFFFFFFB, 0x08, 0x00, 0x08, 0xFF000001, 0xDEAD});

    p.push_back({"paralelo_filas", 0x809824,
                 {RI(AR1, 0x809841), RI(AR3, 0x809845), RI(ST, 0x08)}});
    Numeros(p.back().valores, 0x80982D, {-7.0, -5.25, 0.375, -5.25, 1.5, 3.5, -2.0, -1.5});
    Palabras(p.back().valores, 0x809835,
             {0xFF787879, 0xFFFFFFFA, 5, 0x0F0F0F18, 9, 9, 0xF0F0F0F0, 3, 0xFFFFFFFF, 0xF0F0F0F0,
              0x78787878, 0xFFFFFFE5});
    Numeros(p.back().valores, 0x809841, {1.25, -1.75, 5.5, 1.75});

    const double dos31 = std::ldexp(1.0, 31);
    p.push_back({"almacen_corto", 0x809820,
                 {RF(R0, 1.0 - dos31), RF(R2, 2.5), RF(R7, -dos31), RI(SP, 0x809838), RI(ST, 0x08),
                  MI(0x809839, 0x1E800000)}});
    Palabras(p.back().valores, 0x80982D,
             {0x1E800000, 0x1E000000, 0x00800000, 0x007FFFFF, 0x80000000, 0x00C00000, 0x80123456});
    Palabras(p.back().valores, 0x809834, {0x1E800000, 0x1E800000, 0x00800000, 0x00800000});

    p.push_back({"mpyf_entradas", 0x80981A,
                 {RF(R0, std::ldexp(1.0, 60)), RF(R1, -dos31), RF(R2, 2.0 + std::ldexp(1.0, -23)),
                  RF(R3, std::ldexp(1.0, 30) + 1.0),
                  RF(R4, -1.0 - std::ldexp(1.0, -22) - std::ldexp(1.0, -31)), RF(R5, 1.0 - dos31),
                  RF(R6, -std::ldexp(1.0, 61)), MI(0x80982C, 0x3C000000), RI(ST, 0x08)}});
    Palabras(p.back().valores, 0x809824,
             {0, 0x80000000, 0, 0xFFFFFDFF, 0x80000000, 0, 0x80000000, 0x80});

    const double dos128 = std::ldexp(1.0, 128);
    p.push_back({"desborde_limite", 0x809815,
                 {RF(R0, maxF), RF(R1, maxF), RF(R2, -dos128), RF(R3, -dos128), RF(R4, maxF),
                  RF(R5, -dos128)}});
    Palabras(p.back().valores, 0x809821, {0x00, 0x00, 0x08, 0x08, 0x22, 0x2A});

    p.push_back({"norm_memoria", 0x809812,
                 {RF(R0, 0.0), RF(R1, 0.0), RF(R2, 0.0), RF(R3, 2.0), RF(R4, -2.0), RF(R6, 0.0)}});
    Palabras(p.back().valores, 0x80981A, {0x04, 0x50, 0x50, 0x50, 0x40, 0x48});

    p.push_back({"suma_flotante", 0x809844,
                 {RF(R2, -0.75 - std::ldexp(1.0, -32)), RF(R3, 0.5),
                  RF(R6, 2.0 - std::ldexp(1.0, -30)), RF(R7, 8.0)}});
    Palabras(p.back().valores, 0x80985D,
             {0xBFFFFFFF, 0x7FFFFFFE, 0x00000000, 0x40000001, 0x00000000, 0x7FFFFFFE, 0x80000000,
              0xBFFFFFFF, 0x00000000, 0x7FFFFFFE, 0x00000000});
    Palabras(p.back().valores, 0x809868,
             {0x00BFFFFF, 0xFF7FFFFF, 0x00000000, 0x00400000, 0x02000000, 0x7F7FFFFF, 0x7F800000,
              0xFFBFFFFF, 0xFF000000, 0x007FFFFF, 0x03000000});
    Palabras(p.back().valores, 0x809873, {0x22, 0x22, 0x00, 0x2A});
    return p;
}

const std::vector<Programa>& Lista() {
    static const std::vector<Programa> p = Programas();
    return p;
}

class ProgramaFlotante : public ::testing::TestWithParam<std::tuple<std::size_t, int16_t>> {};

std::string Nombre(const ::testing::TestParamInfo<std::tuple<std::size_t, int16_t>>& info) {
    return std::string(Lista()[std::get<0>(info.param)].nombre) +
           (std::get<1>(info.param) == 0 ? "_conPipeline" : "_sinPipeline");
}

}  // namespace

TEST_P(ProgramaFlotante, LlegaAFinConLosValoresCalculados) {
    const Programa& p = Lista()[std::get<0>(GetParam())];
    Maquina m(std::get<1>(GetParam()));
    m.Cargar(p.nombre);
    int ciclos = 0;
    while (!prueba::FinEjecutado(p.fin) && ciclos < 100000) {
        CicloReloj();
        ++ciclos;
    }
    ASSERT_TRUE(prueba::FinEjecutado(p.fin)) << "PC " << std::hex << gRegistros->PC();
    EXPECT_TRUE(m.cuadros.mostrados.empty());
    for (const Esperado& v : p.valores)
        EXPECT_EQ(prueba::Leido(v, m), v.valor)
            << (v.memoria ? "word 0x" : "register ") << std::hex << v.clave;
}

INSTANTIATE_TEST_SUITE_P(Programas, ProgramaFlotante,
                         ::testing::Combine(::testing::Range(std::size_t{0}, Lista().size()),
                                            ::testing::Values(int16_t{0}, int16_t{1})),
                         Nombre);
