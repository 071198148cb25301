// A fresh simulated machine for the core's tests: default settings, new
// program-wide objects after a full reset, scripted boxes and fake windows,
// and programs from tests/programs loaded by their listings.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/Anfitrion.h"
#include "core/CicloReloj.h"
#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/TablaModos.h"
#include "fakes/CuadrosFalsos.h"

namespace prueba {

// The main window as the core sees it: a mode that is not a continuous run
// (by the mode table) ends it at once.
class VentanaPrincipalFalsa final : public IVentanaPrincipal {
public:
    void ModoEjecucion(int16_t modo) override {
        modo_ = modo;
        modos.push_back(modo);
        if (!EjecutandoEnModo(modo)) gEjecutando = false;
    }
    int16_t ModoEjecucion() const override { return modo_; }
    void InfoBar(const std::string& texto) override { estado = texto; }

    std::vector<int16_t> modos;  // every mode set, in order
    std::string estado;

private:
    int16_t modo_ = 0;
};

class VentanaMemoriaFalsa final : public IVentanaMemoria {
public:
    void BuscarCelda(int32_t& direccion) override { buscadas.push_back(direccion); }
    void MostrarCelda(int32_t direccion) override { mostradas.push_back(direccion); }
    std::vector<int32_t> buscadas, mostradas;
};

class Maquina {
public:
    explicit Maquina(int16_t modoPPL = 1) {
        for (const AjustePrograma& fila : TablaAjustes()) AsignarTextoAjuste(fila, fila.porDefecto);
        ModoPPL = modoPPL;
        gEjecutando = false;
        gPasoSobre = false;
        gDirParada = -1;
        gMotivoParada = MotivoParada::Ninguna;
        CrearObjetosPrograma();
        ReiniciarProcesador();
        EstablecerVentanaPrincipal(&principal);
        EstablecerVentanaMemoria(&memoria);
    }
    ~Maquina() {
        EstablecerVentanaPrincipal(nullptr);
        EstablecerVentanaMemoria(nullptr);
    }
    Maquina(const Maquina&) = delete;
    Maquina& operator=(const Maquina&) = delete;

    // Writes the words of tests/programs/<nombre>.dsk into memory and sets PC
    // to its entry point.
    void Cargar(const std::string& nombre) {
        std::ifstream f(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/" + nombre + ".dsk");
        ASSERT_TRUE(f) << nombre;
        std::string linea;
        while (std::getline(f, linea)) {
            if (linea.rfind("0x", 0) == 0 && linea.size() >= 21 && linea.compare(11, 2, "0x") == 0)
                gMemoria->Escribe(Hex(linea.substr(2, 8)), Hex(linea.substr(13, 8)));
            else if (linea.rfind(">>>> ENTRY 0x", 0) == 0)
                gRegistros->PC(Hex(linea.substr(13, 8)));
        }
    }
    // A run of continuous cycles as the main window's normal run makes them.
    void Correr(int ciclos) {
        gEjecutando = true;
        principal.ModoEjecucion(modo::kNormal);
        for (int i = 0; i < ciclos && principal.ModoEjecucion() != modo::kParado; ++i) CicloReloj();
    }
    void Ciclos(int n) {
        for (int i = 0; i < n; ++i) CicloReloj();
    }
    int32_t Palabra(int32_t dir) const {
        int32_t v = 0;
        gMemoria->Lee(v, dir);
        return v;
    }

    CuadrosFalsos cuadros;
    VentanaPrincipalFalsa principal;
    VentanaMemoriaFalsa memoria;

private:
    static int32_t Hex(const std::string& s) {
        return static_cast<int32_t>(std::stoul(s, nullptr, 16));
    }
};

inline ClassRegistrosCPU& Reg() { return *gRegistros; }

// Short names for the register numbers of the register file, for tables of
// expected values.
enum NumRegistro : int32_t {
    R0 = ClassRegistrosCPU::kNumR0, R1, R2, R3, R4, R5, R6, R7,
    AR0 = ClassRegistrosCPU::kNumAR0, AR1, AR2, AR3, AR4, AR5, AR6, AR7,
    DP = ClassRegistrosCPU::kNumDP, IR0 = ClassRegistrosCPU::kNumIR0, IR1,
    BK = ClassRegistrosCPU::kNumBK, SP = ClassRegistrosCPU::kNumSP, ST = ClassRegistrosCPU::kNumST,
    IE = ClassRegistrosCPU::kNumIE, IF = ClassRegistrosCPU::kNumIF, IOF = ClassRegistrosCPU::kNumIOF,
    RS = ClassRegistrosCPU::kNumRS, RE = ClassRegistrosCPU::kNumRE, RC = ClassRegistrosCPU::kNumRC,
};

}  // namespace prueba
