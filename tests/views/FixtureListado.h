// A small loaded program for the view tests, built straight into the tables
// and the memory: two sections, a line without code and a word outside both
// sections.
#pragma once

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"

namespace fixture {

inline constexpr int32_t kText = 0x809800;   // .text: 0x809800 .. 0x809802
inline constexpr int32_t kData = 0x809C00;   // .data: 0x809C00 .. 0x809C01
inline constexpr int32_t kFuera = 0x809810;  // a listed word in no section

struct Linea {
    int32_t dir;
    int32_t palabra;
    const char* texto;
};
inline constexpr Linea kLineas[] = {
    {kText, 0x08200005, "start LDI 5,R0"},
    {-1, 0, "; sin codigo"},
    {kText + 1, 0x02600001, "      ADDI 1,R0"},
    {kText + 2, 0x0C800000, "      NOP"},
    {kData, 7, "dato  .word 7"},
    {kData + 1, 8, "      .word 8"},
    {kFuera, 0x0C800000, "fuera NOP"},
};

// Fresh program-wide objects (map: vectors, RAM block 0, RAM block 1) with
// the program loaded and PC at its start.
inline void Cargar(int32_t longitudText = 3) {
    ConfigMem = 7;
    ModoPPL = 1;
    CrearObjetosPrograma();
    for (const Linea& l : kLineas) {
        gDatosFich->Add(l.dir, l.palabra, l.texto);
        if (l.dir != -1) gMemoria->Escribe(l.dir, l.palabra);
    }
    gTablaSect->Add(".text", kText, kText + 2, longitudText);
    gTablaSect->Add(".data", kData, kData + 1, 2);
    gRegistros->PC(kText);
    gEstadoDSK = 0;
}

}  // namespace fixture
