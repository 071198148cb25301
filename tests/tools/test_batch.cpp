// The batch runner run on assembled listings to each kind of stop.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Salida {
    int estado = -1;
    std::string out, err;
    bool Contiene(const std::string& linea) const {
        return ("\n" + out).find("\n" + linea + "\n") != std::string::npos;
    }
};

Salida Lote(const std::string& argumentos) {
    const std::string errores = ::testing::TempDir() + "tarvix_batch_err.txt";
    const std::string orden = std::string(TARVIX_BATCH) + " " + argumentos + " 2>" + errores;
    Salida s;
    FILE* p = popen(orden.c_str(), "r");
    if (!p) return s;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) s.out.append(buf, n);
    const int r = pclose(p);
    s.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    std::ifstream e(errores);
    std::stringstream ss;
    ss << e.rdbuf();
    s.err = ss.str();
    return s;
}

std::string Programa(const std::string& nombre) {
    return std::string(TARVIX_SOURCE_DIR) + "/tests/programs/" + nombre + ".dsk";
}

}  // namespace

TEST(Lote, LimiteDeCiclosYFormatoDeSalida) {
    const Salida s = Lote(Programa("bench_loop") + " --cycles 100");
    EXPECT_EQ(s.estado, 0);
    std::istringstream lineas(s.out);
    std::string linea;
    int n = 0;
    const char* nombres[] = {"R0",  "R1",  "R2",  "R3",  "R4",  "R5",  "R6", "R7", "AR0", "AR1",
                             "AR2", "AR3", "AR4", "AR5", "AR6", "AR7", "DP", "IR0", "IR1", "BK",
                             "SP",  "ST",  "IE",  "IF",  "IOF", "RS",  "RE", "RC", "PC"};
    while (std::getline(lineas, linea) && n < 29) {
        const std::string nombre = nombres[n];
        EXPECT_EQ(linea.rfind(nombre + " 0x", 0), 0u) << linea;
        EXPECT_EQ(linea.size(), nombre.size() + 11 + (n < 8 ? 5 : 0)) << linea;
        ++n;
    }
    EXPECT_EQ(n, 29);
    EXPECT_TRUE(s.Contiene("R6 0x00000000 0x80")) << s.out;  // after reset: HI 128
    EXPECT_TRUE(s.Contiene("DP 0x00000080"));
    EXPECT_TRUE(s.Contiene("CYCLES 400"));  // four per step without the pipeline
    EXPECT_TRUE(s.Contiene("STOP limit"));

    const Salida p = Lote(Programa("bench_loop") + " --cycles 0x64 --pipeline");
    EXPECT_TRUE(p.Contiene("CYCLES 100"));
    EXPECT_TRUE(p.Contiene("STOP limit"));
}

// CYCLES is the status bar's counter (four per cycle without the pipeline,
// back to 0 past 1,000,000); CALLS the clock cycles the run made.
TEST(Lote, CiclosDelContadorYCiclosHechos) {
    struct Caso {
        std::string argumentos, ciclos, llamadas;
    };
    const Caso casos[] = {
        {Programa("bench_loop") + " --cycles 100", "CYCLES 400", "CALLS 100"},
        {Programa("bench_loop") + " --cycles 1000001 --pipeline", "CYCLES 0", "CALLS 1000001"},
        {Programa("bench_loop") + " --cycles 250001", "CYCLES 0", "CALLS 250001"},
        {Programa("bench_loop") + " --cycles 0", "CYCLES 0", "CALLS 0"},
        // A stop counts the cycle that stopped.
        {Programa("maq_espera") + " --watch 0x80980C,=,4", "CYCLES 36", "CALLS 9"},
        // The STI one instruction behind LDP is held one decode cycle.
        {Programa("maq_espera") + " --watch 0x80980C,=,4 --pipeline", "CYCLES 16", "CALLS 16"},
    };
    for (const Caso& c : casos) {
        const Salida s = Lote(c.argumentos);
        const std::string fin = c.ciclos + "\n" + c.llamadas + "\n";
        const std::size_t en = s.out.find("\n" + fin);
        EXPECT_NE(en, std::string::npos) << c.argumentos << "\n" << s.out;
        // CALLS stands right before STOP, the last line.
        if (en != std::string::npos) {
            EXPECT_EQ(s.out.substr(en + 1 + fin.size()).rfind("STOP ", 0), 0u) << s.out;
        }
    }
}

TEST(Lote, PuntoDeRuptura) {
    // With the pipeline the run stops once the word is decoded: the word after
    // it has been fetched and PC is two words on.
    for (const char* pipeline : {"", " --pipeline"}) {
        const Salida s = Lote(Programa("maq_espera") + " --break 0x809808" + pipeline);
        EXPECT_TRUE(s.Contiene("STOP breakpoint")) << s.out;
        EXPECT_TRUE(s.Contiene(*pipeline ? "PC 0x0080980A" : "PC 0x00809808")) << s.out;
        EXPECT_TRUE(s.err.empty()) << s.err;  // no box for a breakpoint by default
    }
}

TEST(Lote, PuntoDeRupturaSoloEnUnaInstruccionQueSeEjecuta) {
    // The non-delayed DBU before fin fetches fin on every pass of the loop and
    // cancels that fetch; the run stops at fin only after the last pass.
    for (const char* pipeline : {"", " --pipeline"}) {
        const Salida s = Lote(std::string(TARVIX_SOURCE_DIR) + "/examples/fir_circular.dsk --break 0x809812" + pipeline);
        EXPECT_TRUE(s.Contiene("STOP breakpoint")) << s.out;
        EXPECT_TRUE(s.Contiene("AR4 0x00FFFFFF")) << s.out;
        EXPECT_TRUE(s.Contiene("R2 0x10000000 0x01")) << s.out;  // y[5] = 2.25
    }
}

TEST(Lote, MarcaDeRuptura) {
    const Salida s = Lote(Programa("maq_espera") + " --watch 0x80980C,=,4 --break 0x809A00");
    EXPECT_TRUE(s.Contiene("STOP watchmark")) << s.out;
    EXPECT_TRUE(s.Contiene("R0 0x00000004 0x80"));
    EXPECT_TRUE(s.Contiene("CYCLES 36"));
    EXPECT_NE(s.err.find("== Marcas de Ruptura\nSe ha producido una Ruptura por marca en la celda "
                         "$0080980C."),
              std::string::npos)
        << s.err;
    const Salida nunca = Lote(Programa("maq_espera") + " --watch '0x80980C,>=,5' --cycles 500");
    EXPECT_TRUE(nunca.Contiene("STOP limit"));
}

TEST(Lote, ErrorDeUnidad) {
    const Salida s = Lote(Programa("maq_nomapeado") + " --pipeline");
    EXPECT_EQ(s.estado, 0);
    EXPECT_TRUE(s.Contiene("STOP error"));
    EXPECT_TRUE(s.Contiene("PC 0x00900001"));
    EXPECT_NE(s.err.find("== Unidad de Busqueda\n"), std::string::npos);

    const Salida parado = Lote(Programa("maq_invalido"));
    EXPECT_TRUE(parado.Contiene("STOP error"));
    EXPECT_TRUE(parado.Contiene("R1 0x00000000 0x80"));
    const Salida pasado = Lote(Programa("maq_invalido") + " --answer cancel --cycles 50");
    EXPECT_TRUE(pasado.Contiene("STOP limit"));
    EXPECT_TRUE(pasado.Contiene("R1 0x00000002 0x80"));
}

TEST(Lote, ModeloModoYMapaDeMemoria) {
    // In microcomputer mode INT0's vector is at 809FC1h, which the program
    // never set: the routine address read there is 0, and the run goes from
    // address 0 through the vectors region until it leaves the map.
    const Salida s = Lote(Programa("maq_interrupcion") + " --model c30 --mode mc --cycles 300");
    EXPECT_TRUE(s.Contiene("STOP error"));
    EXPECT_TRUE(s.Contiene("PC 0x00000041"));
    EXPECT_TRUE(s.Contiene("R3 0x00000000 0x80"));
    EXPECT_NE(s.err.find("Direccion del vector: $00809FC1"), std::string::npos) << s.err;
    const Salida c = Lote(Programa("maq_nomapeado") + " --config-mem 0");
    EXPECT_TRUE(c.Contiene("STOP error"));
}

TEST(Lote, ListadoRechazadoYArgumentosMalos) {
    EXPECT_EQ(Lote("/no/existe.dsk").estado, 2);
    EXPECT_EQ(Lote(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/bench_loop.asm").estado, 2);
    EXPECT_EQ(Lote(Programa("bench_loop") + " --watch '1,=>,2'").estado, 1);
    EXPECT_EQ(Lote(Programa("bench_loop") + " --model c32").estado, 1);
    EXPECT_EQ(Lote("").estado, 1);
}
