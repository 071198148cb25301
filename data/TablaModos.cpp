#include "data/TablaModos.h"

namespace {

constexpr Cambio I = Cambio::Intacto;
constexpr Cambio H = Cambio::Habilitar;
constexpr Cambio D = Cambio::Deshabilitar;

//  timer  interval               tag  Pausa Run RunT  gEjec  refr  base  clrAni soltarPausa
constexpr EfectosModo kModos[5] = {
    {false, 0,                     -1,  D, H, H,   false, true,  1,  true,  true},   // 0 stopped
    {true,  1,                      0,  H, D, D,   true,  false, 1,  false, false},  // 1 normal run
    {true,  1,                      0,  H, I, I,   false, false, 9,  false, false},  // 2 step-over run
    {true,  kIntervaloTemporizado,  1,  H, D, D,   true,  false, 13, false, false},  // 3 timed run
    {true,  1,                      0,  I, D, D,   false, false, 5,  false, false},  // 4 run to cursor
};

}  // namespace

const EfectosModo* EfectosDeModo(int16_t modo) {
    if (modo < modo::kParado || modo > modo::kHastaCursor) return nullptr;
    return &kModos[modo];
}
