// A fresh simulated machine for the core's tests: default settings, new
// program-wide objects after a full reset, scripted boxes and fake windows,
// and programs from tests/programs loaded by their listings.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
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

// Expected values of a program at its end: a register or a memory word, as
// its raw 32 bits or as the number it holds (an extended register, a short
// floating-point word).
struct Esperado {
    bool memoria;
    bool numero;
    int32_t clave;
    double valor;
};
namespace valores {
inline Esperado RI(int32_t n, uint32_t v) { return {false, false, n, static_cast<double>(v)}; }
inline Esperado RF(int32_t n, double v) { return {false, true, n, v}; }
inline Esperado MI(int32_t dir, uint32_t v) { return {true, false, dir, static_cast<double>(v)}; }
inline Esperado MF(int32_t dir, double v) { return {true, true, dir, v}; }

// Words from dir on, as raw words or as numbers.
inline void Palabras(std::vector<Esperado>& e, int32_t dir, std::initializer_list<uint32_t> v) {
    for (uint32_t w : v) e.push_back(MI(dir++, w));
}
inline void Numeros(std::vector<Esperado>& e, int32_t dir, std::initializer_list<double> v) {
    for (double d : v) e.push_back(MF(dir++, d));
}
}  // namespace valores

// Whether the execute stage has just executed the program-control word at fin
// (a closing `fin: BR fin`).
inline bool FinEjecutado(int32_t fin) {
    const ClassUnitData& e = gPPL->Ejecucion();
    return e.lCanal == canal::kLeido && e.LTipoIntr == 3 && e.lPosMem == fin;
}

inline double Leido(const Esperado& v, const Maquina& m) {
    if (!v.memoria)
        return v.numero ? gRegistros->RegCPU(v.clave, true).ComoDoble()
                        : static_cast<double>(static_cast<uint32_t>(
                              gRegistros->RegCPU(v.clave, false).ComoEntero()));
    if (!v.numero) return static_cast<double>(static_cast<uint32_t>(m.Palabra(v.clave)));
    Valor d;
    gMemoria->LeeDatoDSP(d, v.clave, true);
    return d.ComoDoble();
}

}  // namespace prueba
