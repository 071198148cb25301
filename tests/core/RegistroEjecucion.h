// Fixture for the semantic routines: a fresh machine, an execute-stage record
// filled by hand (group, row, fields) and one run of the execute unit, which
// reads the registers, calls the routine, writes back and commits the flags.
#pragma once

#include <gtest/gtest.h>

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

class RegistroEjecucion : public ::testing::Test {
protected:
    static constexpr int32_t kRam = 0x809800;

    void SetUp() override {
        CrearObjetosPrograma();
        gRegistros->Reset();
    }

    // A record of group `grupo` and row `codigo`, its operands read.
    ClassUnitData& Instr(int32_t grupo, int32_t codigo) {
        ClassUnitData& e = gPPL->Ejecucion();
        e = ClassUnitData{};
        e.LTipoIntr = grupo;
        e.lCodigoInstr(codigo);
        e.lCanal = canal::kLeido;
        return e;
    }
    static void Ejecutar() {
        int16_t err = 0;
        UnidadEjecucion(err);
    }

    static void PonF(int32_t n, double v) { gRegistros->RegCPU(n, true, Valor::Doble(v)); }
    static void PonI(int32_t n, int32_t v) { gRegistros->RegCPU(n, false, Valor::Entero(v)); }
    static double F(int32_t n) { return gRegistros->RegCPU(n, true).ComoDoble(); }
    static int32_t I(int32_t n) { return gRegistros->RegCPU(n, false).ComoEntero(); }

    static void PonMemF(int32_t dir, double v) { gMemoria->EscribeDatoDSP(Valor::Doble(v), dir, true); }
    static void PonMemI(int32_t dir, int32_t v) { gMemoria->Escribe(dir, v); }
    static int32_t Mem(int32_t dir) {
        int32_t v = 0;
        gMemoria->Lee(v, dir);
        return v;
    }
    static double MemF(int32_t dir) {
        Valor v;
        gMemoria->LeeDatoDSP(v, dir, true);
        return v.ComoDoble();
    }

    static bool Bit(int32_t b) { return gRegistros->BIT_ST(b); }
    // ST bits C, V, Z, N, UF as a text such as "C-Z--" for the failure messages.
    static std::string Flags() {
        const char* nombres = "CVZNU";
        std::string s;
        for (int i = 0; i < 5; ++i) s += Bit(i) ? nombres[i] : '-';
        return s;
    }
};
