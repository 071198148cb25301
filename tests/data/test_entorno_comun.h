// What the environment-file and report tests share: a fresh program state with
// a fixed clock, a scratch folder, a recorder of the status texts, and a small
// fixed simulator state.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Anfitrion.h"
#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "fakes/CuadrosFalsos.h"

namespace prueba {

class VentanaEstado final : public IVentanaPrincipal {
public:
    VentanaEstado() { EstablecerVentanaPrincipal(this); }
    ~VentanaEstado() override { EstablecerVentanaPrincipal(nullptr); }
    void ModoEjecucion(int16_t m) override { modo = m; }
    int16_t ModoEjecucion() const override { return modo; }
    void InfoBar(const std::string& t) override { estados.push_back(t); }
    int16_t modo = 0;
    std::vector<std::string> estados;
};

inline std::string LeerTodo(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void EscribirTodo(const std::filesystem::path& ruta, const std::string& texto) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f << texto;
}

inline std::string Programa(const char* nombre) {
    return std::string(TARVIX_SOURCE_DIR) + "/tests/programs/" + nombre;
}

inline std::string Fixture(const char* nombre) {
    return std::string(TARVIX_SOURCE_DIR) + "/tests/fixtures/" + nombre;
}

// Thursday 10 December 2026, 09:05:07.
inline FechaHora FechaFija() { return FechaHora{2026, 12, 10, 3, 9, 5, 7}; }

class EstadoPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigMem = 7;
        ModeloDSP = 1;
        ModoDSP = 0;
        Frecuencia_Reloj = 50;
        Registros = Memoria = DASM = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = true;
        Inicializar = true;
        MemoriaTipoDatos = 0;
        MgSup = MgInf = MgIzq = MgDer = MgCab = MgPie = 10;
        NumCopias = 1;
        gFichDSK.clear();
        gFichASM.clear();
        gEstadoDSK = -1;
        CrearObjetosPrograma();
        EstablecerReloj(FechaFija);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        carpeta = std::filesystem::temp_directory_path() /
                  ("tarvix_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                   std::to_string(getpid()));
        std::filesystem::remove_all(carpeta);
        std::filesystem::create_directories(carpeta);
        EstablecerCarpetaDatosUsuario((carpeta / "datos").string());
    }
    void TearDown() override {
        EstablecerReloj({});
        EstablecerCarpetaDatosUsuario("");
        std::filesystem::remove_all(carpeta);
    }

    // Registers with exponents, two memory ranges (16 and 15 words), the
    // listing, two references, a section, two watch marks and a breakpoint.
    void EstadoPequeno() {
        ClassRegistrosCPU& r = *gRegistros;
        r.PC(0x809800);
        r.DP(0x80);
        r.R(0).HI(1);
        r.R(0).LO(0x40000000);
        r.R(7).HI(-1);
        r.R(7).LO(-5);
        r.AR(0, 0x809C00);
        r.AR(7, -2);
        r.IR(1, 3);
        r.RC(9);
        r.RS(0x809801);
        r.RE(0x809803);
        r.BK(16);
        r.SP(0x809F00);
        r.IOF(0x22);
        r.IE(0x4);
        r.IFR(0x5);
        r.ST(0x2000);

        gMemoria->TablaAsig(1).PrnOK(false);
        ClassTablaAsig& ram0 = gMemoria->TablaAsig(2);
        ram0.PrnINI(0x809800);
        ram0.PrnFin(0x80980F);
        ClassTablaAsig& ram1 = gMemoria->TablaAsig(3);
        ram1.PrnINI(0x809C00);
        ram1.PrnFin(0x809C0E);
        for (int32_t i = 0; i < 16; ++i) gMemoria->Escribe(0x809800 + i, i * 1000 - 3);
        for (int32_t i = 0; i < 15; ++i) gMemoria->Escribe(0x809C00 + i, -i);

        gFichDSK = Programa("entorno.dsk");
        gTablaRef->Add("inicio", 0x809800, 1, 1);
        gTablaRef->Add("di\"go", -7, 0, 2);
        gTablaSect->Add(".text", 0x809800, 0x809804, 5);
        gMarcasRupt->Add(0, 0x809805, 2, 44, 2, "Marca00");
        gMarcasRupt->Add(1, 0x809C00, 0, 0x809C01, 0, "celda, otra");
        gPuntosRupt->Add(0x809804, "fin, bucle");
    }

    VentanaEstado ventana;
    CuadrosFalsos cuadros;
    std::filesystem::path carpeta;
};

}  // namespace prueba
