// The batch runner's --ent: the whole state at the end of the run, read back.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "fakes/CuadrosFalsos.h"

namespace {

namespace fs = std::filesystem;

// Runs the batch runner with the arguments, or the whole command line when
// conPrograma is false.
int Ejecutar(const std::string& argumentos, const fs::path& errores, bool conPrograma = true) {
    const std::string orden = (conPrograma ? std::string(TARVIX_BATCH) + " " : std::string()) + argumentos +
                              " >/dev/null 2>" + errores.string();
    const int r = std::system(orden.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

std::string Leer(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class LoteEntorno : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta = fs::temp_directory_path() / ("tarvix_lote_entorno_" + std::to_string(getpid()));
        fs::remove_all(carpeta);
        fs::create_directories(carpeta);
    }
    void TearDown() override { fs::remove_all(carpeta); }
    fs::path carpeta;
};

// The program loads the word 41, adds 3 and stores 44 back, then loops.
TEST_F(LoteEntorno, SavesEverySectionAndTheFileRestoresTheRun) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "fin.ent";
    ASSERT_EQ(Ejecutar(listado + " --cycles 20 --break 0x809900 --ent " + ent.string(), carpeta / "err.txt"), 0);

    const std::string texto = Leer(ent);
    for (const char* seccion : {"[REGISTROS]", "[MEMORIA]", "[CODIGO DESENSAMBLADO]", "[TABLA DE REFERENCIA]",
                                "[TABLA DE SECCIONES]", "[LISTA DE MARCAS DE RUPTURA]",
                                "[LISTA DE PUNTOS DE RUPTURA]"})
        EXPECT_NE(texto.find(std::string("\r\n") + seccion + "\r\n"), std::string::npos) << seccion;
    // The first word line of RAM block 0 holds the program and, sixth, the stored 44.
    const std::string sec = "\"[SEC]\",\"RAM Bloque 0\",8427520,8428543\r\n";
    const size_t p = texto.find(sec);
    ASSERT_NE(p, std::string::npos);
    const std::string palabras = texto.substr(p + sec.size(), texto.find("\r\n", p + sec.size()) - p - sec.size());
    EXPECT_EQ(palabras.rfind("1349517440,136353797,39845891,354457605,1619040260,44,0,", 0), 0u) << palabras;

    // Read back into a fresh state: the run comes back, over the listing's own
    // words and entry point.
    prueba::CuadrosFalsos cuadros;
    EstablecerCarpetaDatosUsuario((carpeta / "datos").string());
    ConfigMem = 7;
    Inicializar = true;
    CrearObjetosPrograma();
    RecuperarEntorno(ent.string());
    EstablecerCarpetaDatosUsuario("");

    int32_t w = 0;
    EXPECT_EQ(gMemoria->Lee(w, 0x809805), 0);
    EXPECT_EQ(w, 44);
    EXPECT_EQ(gRegistros->R(0).LO(), 44);
    EXPECT_EQ(gRegistros->PC(), 0x809804);  // fin, where the run loops
    ASSERT_EQ(gPuntosRupt->count(), 1);
    EXPECT_EQ(gPuntosRupt->Item(1).PosMem(), 0x809900);
    EXPECT_EQ(gTablaRef->count(), 4);
    EXPECT_EQ(gTablaSect->count(), 2);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_NE(cuadros.mostrados[0].texto.find("     - Registros: carga satisfactoria\r"), std::string::npos);
    EXPECT_NE(cuadros.mostrados[0].texto.find("     - Código Desensamblado: carga satisfactoria\r"), std::string::npos);
}

// The file without its date line.
std::string SinFecha(std::string texto) {
    const size_t p = texto.find("\r\n>>> Fecha: ");
    if (p != std::string::npos) texto.erase(p, texto.find("\r\n", p + 2) - p);
    return texto;
}

// A run to the end of the dot product, saved; restored over the listing with no
// cycle run and saved again, it gives the same file but for the date.
TEST_F(LoteEntorno, RestoreWithNoCyclesSavesTheSameFileButForTheDate) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/examples/producto_punto.dsk";
    const fs::path a = carpeta / "a.ent", b = carpeta / "b.ent";
    const std::string datos = "XDG_DATA_HOME=" + (carpeta / "datos").string() + " ";
    ASSERT_EQ(Ejecutar(listado + " --break 0x80980B --ent " + a.string(), carpeta / "err.txt"), 0);
    const fs::path salida = carpeta / "salida.txt";
    ASSERT_EQ(std::system((datos + TARVIX_BATCH + " " + listado + " --restore " + a.string() +
                           " --cycles 0 --ent " + b.string() + " >" + salida.string() + " 2>/dev/null")
                              .c_str()),
              0);
    const std::string textoB = Leer(b);
    EXPECT_EQ(SinFecha(textoB), SinFecha(Leer(a)));
    EXPECT_NE(textoB.find("\r\n\"PC\",8427531\r\n"), std::string::npos);  // fin
    // y's last word and resultado: 1.5 twice, not the listing's 0DEADh.
    EXPECT_NE(textoB.find(",4194304,4194304,0,"), std::string::npos);
    const std::string estado = Leer(salida);
    EXPECT_NE(estado.find("\nPC 0x0080980B\n"), std::string::npos) << estado;
    EXPECT_NE(estado.find("\nR2 0x40000000 0x00\n"), std::string::npos) << estado;
    EXPECT_NE(estado.find("\nCALLS 0\n"), std::string::npos) << estado;
    EXPECT_TRUE(fs::exists(carpeta / "datos" / "Tarvix" / "entorno.dsk"));

    // A file that is refused ends the runner before the run and writes nothing.
    EXPECT_EQ(Ejecutar(listado + " --restore " + listado + " --ent " + b.string() + ".otro", carpeta / "err.txt"), 4);
    EXPECT_NE(Leer(carpeta / "err.txt").find("Fichero ENT dañado"), std::string::npos);
    EXPECT_FALSE(fs::exists(b.string() + ".otro"));
}

TEST_F(LoteEntorno, AFileThatCannotBeWrittenEndsWithItsOwnStatus) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "no" / "hay" / "carpeta.ent";
    EXPECT_EQ(Ejecutar(listado + " --cycles 4 --ent " + ent.string(), carpeta / "err.txt"), 3);
    EXPECT_NE(Leer(carpeta / "err.txt").find("== Salvar Entorno"), std::string::npos);
}

// A link at the name "<file>.tmp~" stays as it was; the file is written.
TEST_F(LoteEntorno, ASaveLeavesALinkAtTheTemporaryNameAlone) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "salida.ent", victima = carpeta / "victima.txt";
    std::ofstream(victima, std::ios::binary) << "victima";
    fs::create_symlink(victima, ent.string() + ".tmp~");
    ASSERT_EQ(Ejecutar(listado + " --cycles 4 --ent " + ent.string(), carpeta / "err.txt"), 0);
    EXPECT_EQ(Leer(victima), "victima");
    EXPECT_EQ(fs::read_symlink(ent.string() + ".tmp~"), victima);
    EXPECT_EQ(fs::symlink_status(ent).type(), fs::file_type::regular);
    EXPECT_EQ(Leer(ent).rfind(">>> Tarvix v", 0), 0u);
}

// A pipe given as the listing or as the file to restore is refused at once
// with the status of a refused file; the time limit turns a wait into a failure.
TEST_F(LoteEntorno, APipeIsRefusedAtOnce) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path tubo = carpeta / "tubo";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    const std::string limite = "timeout 10 ";
    EXPECT_EQ(Ejecutar(limite + TARVIX_BATCH + " " + listado + " --restore " + tubo.string(), carpeta / "err.txt",
                       false),
              4);
    EXPECT_NE(Leer(carpeta / "err.txt").find("== Recuperar entorno\nError #  75"), std::string::npos)
        << Leer(carpeta / "err.txt");
    EXPECT_EQ(Ejecutar(limite + TARVIX_BATCH + " " + tubo.string(), carpeta / "err.txt", false), 2);
}

// Box texts are printed one line to a line: their CR line ends become new lines.
TEST_F(LoteEntorno, BoxTextsArePrintedLineByLine) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "a.ent";
    const std::string datos = "XDG_DATA_HOME=" + (carpeta / "datos").string() + " ";
    ASSERT_EQ(Ejecutar(listado + " --cycles 4 --ent " + ent.string(), carpeta / "err.txt"), 0);
    ASSERT_EQ(Ejecutar(datos + TARVIX_BATCH + " " + listado + " --cycles 0 --restore " + ent.string(),
                       carpeta / "err.txt", false),
              0);
    const std::string err = Leer(carpeta / "err.txt");
    EXPECT_EQ(err.find('\r'), std::string::npos);
    EXPECT_NE(err.find("== Recuperar Entorno: Resultados\n>>> Archivo de Entorno\n>>> Fecha: "), std::string::npos)
        << err;
    EXPECT_NE(err.find("\n     - Registros: carga satisfactoria\n     - Memoria: "), std::string::npos) << err;
}

// A file that was accepted but whose memory section is cut off: the summary is
// printed and the runner ends with its own status, after the run.
TEST_F(LoteEntorno, ARestoreWithAFailedSectionEndsWithItsOwnStatus) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "a.ent", cortado = carpeta / "cortado.ent";
    const std::string datos = "XDG_DATA_HOME=" + (carpeta / "datos").string() + " ";
    ASSERT_EQ(Ejecutar(listado + " --cycles 4 --ent " + ent.string(), carpeta / "err.txt"), 0);
    const std::string texto = Leer(ent);
    const size_t p = texto.find("\"[SEC]\",\"RAM Bloque 0\"");
    ASSERT_NE(p, std::string::npos);
    std::ofstream(cortado, std::ios::binary) << texto.substr(0, texto.find("\r\n", p) + 40);
    const fs::path salida = carpeta / "salida.txt";
    const int r = std::system((datos + TARVIX_BATCH + " " + listado + " --cycles 0 --restore " + cortado.string() +
                               " >" + salida.string() + " 2>" + (carpeta / "err.txt").string())
                                  .c_str());
    ASSERT_TRUE(WIFEXITED(r));
    EXPECT_EQ(WEXITSTATUS(r), 5);
    const std::string err = Leer(carpeta / "err.txt");
    EXPECT_NE(err.find("== Recuperar Entorno: Resultados\n"), std::string::npos) << err;
    EXPECT_NE(err.find("#RAM Bloque 0:  [FALLO]"), std::string::npos) << err;
    EXPECT_NE(Leer(salida).find("\nSTOP limit\n"), std::string::npos);
}

// A file cut inside its code section, before the section's "[END]", or inside
// its memory section after its first block: the summary says which section
// failed and the runner ends with the status of a failed section. The cut code
// section writes no listing copy.
TEST_F(LoteEntorno, ARestoreOfAFileCutInsideItsCodeOrMemorySectionEndsWithItsOwnStatus) {
    const std::string listado = std::string(TARVIX_SOURCE_DIR) + "/tests/programs/entorno.dsk";
    const fs::path ent = carpeta / "a.ent", cortado = carpeta / "cortado.ent";
    ASSERT_EQ(Ejecutar(listado + " --cycles 4 --ent " + ent.string(), carpeta / "err.txt"), 0);
    const std::string texto = Leer(ent);
    // The file up to the line that begins with inicio, and mas lines after it.
    auto hasta = [&texto](const std::string& inicio, int mas) {
        size_t p = texto.find("\r\n" + inicio);
        EXPECT_NE(p, std::string::npos) << inicio;
        for (int i = 0; i <= mas && p != std::string::npos; ++i) p = texto.find("\r\n", p + 2);
        return texto.substr(0, p == std::string::npos ? 0 : p + 2);
    };
    const struct {
        const char* nombre;
        std::string texto;
        const char* resumen;
    } casos[] = {
        {"codigo", hasta("[CODIGO DESENSAMBLADO]", 3), "\n     - Código Desensamblado: sección incompleta [FALLO]\n"},
        {"memoria", hasta("\"[SEC]\",\"Vectores de Interrupcion\"", 5),
         "#Vectores de Interrupcion:  [ OK  ]\n            Sección incompleta:  [FALLO]\n"},
    };
    const fs::path datos = carpeta / "datos";
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        fs::remove_all(datos);
        std::ofstream(cortado, std::ios::binary | std::ios::trunc) << caso.texto;
        EXPECT_EQ(Ejecutar("XDG_DATA_HOME=" + datos.string() + " " + TARVIX_BATCH + " " + listado +
                               " --cycles 0 --restore " + cortado.string(),
                           carpeta / "err.txt", false),
                  5);
        const std::string err = Leer(carpeta / "err.txt");
        EXPECT_NE(err.find("== Recuperar Entorno: Resultados\n"), std::string::npos) << err;
        EXPECT_NE(err.find(caso.resumen), std::string::npos) << err;
        EXPECT_EQ(err.find("Código Desensamblado: carga satisfactoria"), std::string::npos) << err;
        EXPECT_FALSE(fs::exists(datos / "Tarvix" / "entorno.dsk"));
    }
}

}  // namespace
