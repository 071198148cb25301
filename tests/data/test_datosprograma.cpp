// Program-wide state: settings through the store, object creation, the
// interrupt-vector table and the file check.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "fakes/ImpresoraFalsa.h"

namespace {

using Fila = std::tuple<std::string, std::string, std::string>;  // section, key, text

// Every stored key with the text an untouched first run writes at exit (where
// no desktop calculator is on the PATH).
const std::vector<Fila> kPorDefecto = {
    {"Opciones\\Entorno", "Frecuencia_Reloj", "50"},
    {"Opciones\\Entorno", "ModeloDSP", "1"},
    {"Opciones\\Entorno", "ModoDSP", "0"},
    {"Opciones\\Entorno", "ModoPPL", "1"},
    {"Opciones\\Entorno", "InfoMarcasRupt", "True"},
    {"Opciones\\Entorno", "InfoPuntosRupt", "False"},
    {"Opciones\\Entorno", "LocalRuptura", "0"},
    {"Opciones\\Entorno", "TiempoExeTemp", "1000"},
    {"Opciones\\Entorno", "MarcasEnPasoaPaso", "True"},
    {"Opciones\\Entorno", "ResetDSK", "True"},
    {"Opciones\\Entorno", "TipoReset", "0"},
    {"Opciones\\Entorno", "ConfigMem", "7"},
    {"Opciones\\Config", "Calculadora", ""},
    {"Opciones\\Config", "Editor", "xdg-open"},
    {"Opciones\\Config", "ParamEditor", "<FILEASM>"},
    {"Opciones\\Config", "Ensamblador", ""},
    {"Opciones\\Config", "ParamEnsamblador", "<FILEASM>"},
    {"Opciones\\Config", "ModuloDSK", ""},
    {"Opciones\\Resumen", "DASM", "True"},
    {"Opciones\\Resumen", "DASMTipo", "1"},
    {"Opciones\\Resumen", "Memoria", "True"},
    {"Opciones\\Resumen", "MemoriaTipoDatos", "0"},
    {"Opciones\\Resumen", "Registros", "True"},
    {"Opciones\\Resumen", "ListaMarcasRupt", "False"},
    {"Opciones\\Resumen", "ListaPuntosRupt", "False"},
    {"Opciones\\Resumen", "Inicializar", "True"},
    {"Opciones\\Resumen", "TablaRef", "False"},
    {"Opciones\\Resumen", "TablaSect", "False"},
    {"Opciones\\Resumen\\Impresion", "MgSup", "10"},
    {"Opciones\\Resumen\\Impresion", "MgInf", "10"},
    {"Opciones\\Resumen\\Impresion", "MgIzq", "10"},
    {"Opciones\\Resumen\\Impresion", "MgDer", "10"},
    {"Opciones\\Resumen\\Impresion", "MgCab", "10"},
    {"Opciones\\Resumen\\Impresion", "MgPie", "10"},
    {"Opciones\\Resumen\\Impresion", "FontName", "Courier New"},
    {"Opciones\\Resumen\\Impresion", "FontSize", "10"},
    {"Opciones\\Resumen\\Impresion", "PrintQuality", "-2"},
    {"Opciones\\Resumen\\Impresion", "NumCopias", "1"},
    {"Opciones\\MRUFiles", "MRU 1", ""},
    {"Opciones\\MRUFiles", "MRU 2", ""},
    {"Opciones\\MRUFiles", "MRU 3", ""},
    {"Opciones\\MRUFiles", "MRU 4", ""},
    {"Opciones\\MRUFiles", "MRU 5", ""},
    {"Opciones\\MRUFiles", "MRU 6", ""},
    {"Opciones\\MRUFiles", "MRU 7", ""},
    {"Opciones\\MRUFiles", "MRU 8", ""},
    {"Opciones\\MRUFiles", "MRU 9", ""},
    {"Opciones\\MRUFiles", "MRU 10", ""},
    {"Opciones", "NumMRUFiles", "4"},
};

// What the store was given, in write order.
std::vector<Fila> Escrito(const prueba::AjustesMemoria& a) {
    std::vector<Fila> v;
    for (const auto& [app, sec, clave] : a.escritas) {
        EXPECT_EQ(app, "Tarvix");
        v.push_back({sec, clave, a.valores.at({app, sec, clave})});
    }
    return v;
}

TEST(Opciones, EmptyStoreGivesDefaultsAndFirstExitWritesEveryKey) {
    prueba::AjustesMemoria a;
    const char* antes = std::getenv("PATH");
    const std::string path = antes ? antes : "";
    setenv("PATH", "/no/hay", 1);
    gCiclos = 5;
    gEstadoDSK = 0;
    gDirParada = 0x10;
    gMotivoParada = MotivoParada::PuntoRuptura;
    gEjecutando = gPasoSobre = true;
    gFichDSK = "x.dsk";
    FontSize = 3.5f;
    LeerOpciones();
    EXPECT_EQ(gCiclos, 0);
    EXPECT_EQ(gEstadoDSK, -1);
    EXPECT_EQ(gDirParada, -1);
    EXPECT_EQ(gMotivoParada, MotivoParada::Ninguna);
    EXPECT_FALSE(gEjecutando);
    EXPECT_FALSE(gPasoSobre);
    EXPECT_EQ(gFichDSK, "");
    EXPECT_EQ(FontSize, 10.0f);
    EXPECT_EQ(Frecuencia_Reloj, 50);
    EXPECT_EQ(ModeloDSP, 1);
    EXPECT_TRUE(MarcasEnPasoaPaso);
    EXPECT_EQ(Ensamblador, "");
    EXPECT_EQ(Editor, "xdg-open");
    setenv("PATH", path.c_str(), 1);
    GuardarOpciones();
    EXPECT_EQ(Escrito(a), kPorDefecto);
    // The table the options dialog reads lists the same rows.
    ASSERT_EQ(TablaAjustes().size(), kPorDefecto.size());
    for (std::size_t i = 0; i < kPorDefecto.size(); ++i) {
        EXPECT_EQ(TablaAjustes()[i].clave, std::get<1>(kPorDefecto[i]));
        EXPECT_EQ(TablaAjustes()[i].porDefecto, std::get<2>(kPorDefecto[i]));
    }
}

// The save at exit is the one write of the store: a failure is told in a box,
// a success shows nothing.
TEST(Opciones, FailedSaveIsToldInABox) {
    for (const bool falla : {false, true}) {
        prueba::AjustesMemoria a;
        prueba::CuadrosFalsos cuadros;
        a.fallaGuardar = falla;
        LeerOpciones();
        GuardarOpciones();
        EXPECT_EQ(a.guardados, 1);
        ASSERT_EQ(cuadros.mostrados.size(), falla ? 1u : 0u);
        if (!falla) continue;
        const plataforma::Cuadro& c = cuadros.mostrados[0];
        EXPECT_EQ(c.titulo, "Guardar Opciones");
        EXPECT_EQ(c.icono, plataforma::Icono::Exclamacion);
        EXPECT_EQ(c.botones, plataforma::Botones::Aceptar);
        EXPECT_EQ(c.texto, "No se han podido guardar las opciones en el fichero </memoria/Tarvix.ini>. "
                           "Los cambios de esta sesión no se han guardado.");
    }
}

TEST(Opciones, RoundTripKeepsEveryValue) {
    prueba::AjustesMemoria a;
    LeerOpciones();
    Frecuencia_Reloj = 27;
    ModoDSP = 1;
    InfoPuntosRupt = true;
    TiempoExeTemp = 100;
    ConfigMem = -5;
    Editor = "/usr/bin/vi, \"quoted\"";
    PrintQuality = -4;
    FontSize = 10.5f;
    MgPie = 0;
    MRU[1] = "/tmp/a.dsk";
    MRU[10] = "C:\\b.DSK";
    NumMRUFiles = 10;
    GuardarOpciones();
    EXPECT_EQ(*a.Valor("Opciones\\Resumen\\Impresion", "FontSize"), "10.5");
    EXPECT_EQ(*a.Valor("Opciones\\Resumen\\Impresion", "PrintQuality"), "-4");
    EXPECT_EQ(*a.Valor("Opciones\\Entorno", "InfoPuntosRupt"), "True");
    EXPECT_EQ(*a.Valor("Opciones\\MRUFiles", "MRU 10"), "C:\\b.DSK");

    std::vector<std::string> antes;
    for (const auto& f : TablaAjustes()) antes.push_back(TextoAjuste(f));
    for (const auto& f : TablaAjustes()) AsignarTextoAjuste(f, f.porDefecto);
    LeerOpciones();
    std::vector<std::string> despues;
    for (const auto& f : TablaAjustes()) despues.push_back(TextoAjuste(f));
    EXPECT_EQ(despues, antes);
    EXPECT_EQ(FontSize, 10.5f);
    EXPECT_EQ(ConfigMem, -5);
}

// The windowed program runs in the user's locale, where the decimal point may
// be a comma: the stored text must not follow it.
TEST(Opciones, RealNumbersAreWrittenWithAPointInACommaLocale) {
    const char* previo = std::setlocale(LC_NUMERIC, nullptr);
    const std::string guardado = previo ? previo : "C";
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8")) GTEST_SKIP() << "no es_ES.UTF-8 locale";
    prueba::AjustesMemoria a;
    LeerOpciones();
    FontSize = 10.5f;
    GuardarOpciones();
    const std::string escrito = *a.Valor("Opciones\\Resumen\\Impresion", "FontSize");
    FontSize = 1.0f;
    LeerOpciones();
    const float conPunto = FontSize;
    a.Poner("Opciones\\Resumen\\Impresion", "FontSize", "8,5");
    LeerOpciones();
    const float conComa = FontSize;
    std::setlocale(LC_NUMERIC, guardado.c_str());
    EXPECT_EQ(escrito, "10.5");
    EXPECT_EQ(conPunto, 10.5f);
    EXPECT_EQ(conComa, 8.5f);
}

struct CasoAjuste {
    const char* seccion;
    const char* clave;
    const char* guardado;
    std::string leido;  // the variable as text after reading
};

TEST(Opciones, StoredTextsConvertOrFallBackToTheDefault) {
    const std::vector<CasoAjuste> casos = {
        // accepted
        {"Opciones\\Entorno", "InfoMarcasRupt", "False", "False"},
        {"Opciones\\Entorno", "InfoPuntosRupt", "1", "True"},
        {"Opciones\\Entorno", "MarcasEnPasoaPaso", "0", "False"},
        {"Opciones\\Entorno", "ResetDSK", "false", "False"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "8,5", "8.5"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "12.25", "12.25"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "4", "4"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "144", "144"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "33", "33"},
        {"Opciones\\Entorno", "TiempoExeTemp", "5000", "5000"},
        {"Opciones\\Entorno", "LocalRuptura", "4", "4"},
        {"Opciones", "NumMRUFiles", "1", "1"},
        {"Opciones\\Resumen\\Impresion", "MgSup", "0", "0"},
        {"Opciones\\Entorno", "TipoReset", "-32768", "-32768"},
        // not a number, or outside what the program can use: the default
        {"Opciones\\Entorno", "Frecuencia_Reloj", "abc", "50"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "0", "50"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "-27", "50"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "99999999999", "50"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "", "50"},
        {"Opciones\\Entorno", "Frecuencia_Reloj", "5 0", "50"},
        {"Opciones\\Entorno", "ModeloDSP", "2", "1"},
        {"Opciones\\Entorno", "ModoDSP", "-1", "0"},
        {"Opciones\\Entorno", "ModoPPL", "3", "1"},
        {"Opciones\\Entorno", "LocalRuptura", "5", "0"},
        {"Opciones\\Entorno", "TiempoExeTemp", "99", "1000"},
        {"Opciones\\Entorno", "TiempoExeTemp", "5001", "1000"},
        {"Opciones\\Entorno", "TipoReset", "32768", "0"},
        {"Opciones\\Entorno", "TipoReset", "+-5", "0"},
        {"Opciones\\Entorno", "InfoMarcasRupt", "yes", "True"},
        {"Opciones\\Entorno", "InfoPuntosRupt", "2", "False"},
        {"Opciones\\Resumen", "MemoriaTipoDatos", "5", "0"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "0", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "-3", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "inf", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "nan", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "1e99", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "1e30", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "3.9", "10"},
        {"Opciones\\Resumen\\Impresion", "FontSize", "144.5", "10"},
        {"Opciones\\Resumen\\Impresion", "MgIzq", "-1", "10"},
        {"Opciones\\Resumen\\Impresion", "NumCopias", "0", "1"},
        {"Opciones", "NumMRUFiles", "0", "4"},
        {"Opciones", "NumMRUFiles", "11", "4"},
    };
    for (const auto& c : casos) {
        prueba::AjustesMemoria a;
        a.Poner(c.seccion, c.clave, c.guardado);
        LeerOpciones();
        const AjustePrograma* fila = nullptr;
        for (const auto& f : TablaAjustes())
            if (f.seccion == c.seccion && f.clave == c.clave) fila = &f;
        ASSERT_NE(fila, nullptr) << c.clave;
        EXPECT_EQ(TextoAjuste(*fila), c.leido) << c.clave << " = \"" << c.guardado << "\"";
    }
}

// The one reader of stored numbers: the whole text, blanks around it aside,
// is a finite decimal number with a point or a comma.
TEST(NumeroGuardado, OnlyAWholeFiniteDecimalNumberReads) {
    const std::vector<std::pair<const char*, std::optional<double>>> casos = {
        {"12", 12.0},
        {"  12 ", 12.0},
        {"\t-3.5\t", -3.5},
        {"12,5", 12.5},
        {"12.5", 12.5},
        {"+7", 7.0},
        {"-0", 0.0},
        {".5", 0.5},
        {"1e3", 1000.0},
        {"1e99", 1e99},
        {"-1E-2", -0.01},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"Infinity", std::nullopt},
        {"nan", std::nullopt},
        {"NaN", std::nullopt},
        {"0x10", std::nullopt},
        {"&H10", std::nullopt},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.000,5", std::nullopt},
        {"12\n", std::nullopt},
        {"+-5", std::nullopt},
        {"--5", std::nullopt},
        {"+", std::nullopt},
        {"e5", std::nullopt},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(LeerRealGuardado(texto), esperado) << '"' << texto << '"';
}

TEST(NumeroGuardado, BooleansAreTrueFalseInAnyCaseOrOneZero) {
    const std::vector<std::pair<const char*, std::optional<bool>>> casos = {
        {"True", true},      {"TRUE", true}, {" true ", true}, {"1", true},          {"False", false},
        {"fAlSe", false},    {"0", false},   {"\t0", false},   {"2", std::nullopt},  {"-1", std::nullopt},
        {"0x1", std::nullopt}, {"", std::nullopt}, {"yes", std::nullopt}, {"Tru e", std::nullopt},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(LeerBooleanoGuardado(texto), esperado) << '"' << texto << '"';
}

TEST(Opciones, RecentFileKeysHaveABlankBeforeTheNumber) {
    prueba::AjustesMemoria a;
    a.Poner("Opciones\\MRUFiles", "MRU 3", "c.dsk");
    a.Poner("Opciones\\MRUFiles", "MRU1", "no.dsk");
    a.Poner("Opciones\\MRUFiles", "MRU 10", "j.dsk");
    LeerOpciones();
    EXPECT_EQ(MRU[1], "");
    EXPECT_EQ(MRU[3], "c.dsk");
    EXPECT_EQ(MRU[10], "j.dsk");
}

TEST(Opciones, PrinterPresenceIsTakenAtStart) {
    prueba::AjustesMemoria a;
    {
        prueba::ImpresoraFalsa impresora;
        LeerOpciones();
        EXPECT_TRUE(gHayImpresora);
    }
    LeerOpciones();
    EXPECT_FALSE(gHayImpresora);
}

struct CasoVectores {
    int16_t modelo;
    int16_t modo;
    std::array<int32_t, 13> vectores;
};

TEST(ObjetosPrograma, InterruptVectorTableForEveryModelAndMode) {
    const std::vector<CasoVectores> casos = {
        {0, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0x20}},
        {1, 0, {0, 1, 2, 3, 4, 5, 6, -1, -1, 9, 10, 11, 0x20}},
        {0, 1, {0, 0x809FC1, 0x809FC2, 0x809FC3, 0x809FC4, 0x809FC5, 0x809FC6, 0x809FC7, 0x809FC8, 0x809FC9,
                0x809FCA, 0x809FCB, 0x809FE0}},
        {1, 1, {0, 0x809FC1, 0x809FC2, 0x809FC3, 0x809FC4, 0x809FC5, 0x809FC6, -1, -1, 0x809FC9, 0x809FCA,
                0x809FCB, 0x809FE0}},
    };
    for (const auto& c : casos) {
        ModeloDSP = c.modelo;
        ModoDSP = c.modo;
        CrearObjetosPrograma();
        EXPECT_EQ(gVectoresInt, c.vectores) << "modelo " << c.modelo << " modo " << c.modo;
    }
    ModeloDSP = 1;
    ModoDSP = 0;
}

TEST(ObjetosPrograma, CreatesFreshObjectsWithTheMemoryMapOfConfigMem) {
    ConfigMem = 7;
    CrearObjetosPrograma();
    gPuntosRupt->Add(1, "p");
    gRegistros->PC(5);
    int32_t v = 0;
    ASSERT_EQ(gMemoria->Escribe(0x809C00, 3), 0);
    ConfigMem = 0;  // RAM block 0 only
    CrearObjetosPrograma();
    EXPECT_EQ(gPuntosRupt->count(), 0);
    EXPECT_EQ(gRegistros->PC(), 0);
    EXPECT_EQ(gMemoria->NumSecciones(), 1);
    EXPECT_EQ(gMemoria->Lee(v, 0x809C00), 1);
    EXPECT_TRUE(gMarcasRupt && gErrDSK && gTablaSect && gTablaRef && gDatosFich);
    ConfigMem = 7;
}

class ExisteFicheroTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tarvix_existe_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        fichero = (dir / "prog.dsk").string();
        std::ofstream(fichero) << ">>>> DSK3A C3x\n";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string fichero;
};

TEST_F(ExisteFicheroTest, OnlyAReadableRegularFileExists) {
    EXPECT_TRUE(ExisteFichero(fichero));
    EXPECT_TRUE(ExisteFichero(fichero + "\\"));     // one trailing backslash is dropped
    EXPECT_FALSE(ExisteFichero(fichero + "\\\\"));  // only one
    EXPECT_FALSE(ExisteFichero(dir.string()));
    EXPECT_FALSE(ExisteFichero((dir / "falta.dsk").string()));
    EXPECT_FALSE(ExisteFichero(""));
    EXPECT_FALSE(ExisteFichero("\\"));
    const std::string tuberia = (dir / "tuberia").string();
    ASSERT_EQ(::mkfifo(tuberia.c_str(), 0600), 0);
    EXPECT_FALSE(ExisteFichero(tuberia));  // a pipe is not a listing (and must not block)
}

TEST_F(ExisteFicheroTest, AFileWithoutReadPermissionDoesNotExist) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    ::chmod(fichero.c_str(), 0);
    EXPECT_FALSE(ExisteFichero(fichero));
}

}  // namespace
