// The batch runner's --ent: the whole state at the end of the run, read back.
#include <gtest/gtest.h>

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

int Ejecutar(const std::string& argumentos, const fs::path& errores) {
    const std::string orden = std::string(TARVIX_BATCH) + " " + argumentos + " >/dev/null 2>" + errores.string();
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

}  // namespace
