// Writing and reading the environment file.
#include "test_entorno_comun.h"
#include "BytesLeidos.h"
#include "FifoAbierta.h"
#include "data/LeerFichDSK.h"
#include "platform/Ficheros.h"

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using prueba::EscribirTodo;
using prueba::EstadoPrueba;
using prueba::LeerTodo;

class Entorno : public EstadoPrueba {
protected:
    std::string Ruta(const char* nombre = "estado.ent") const { return (carpeta / nombre).string(); }
    // The words of the two ranges that the small state saves (16 and 15 words).
    static std::vector<int32_t> PalabrasElegidas() {
        std::vector<int32_t> r;
        for (int32_t d : {0x809800, 0x809C00})
            for (int32_t i = 0; i < (d == 0x809800 ? 16 : 15); ++i) {
                int32_t w = -99;
                gMemoria->Lee(w, d + i);
                r.push_back(w);
            }
        return r;
    }
    // Runs hacer with writes beyond the given size failing, as on a full disk.
    template <class Hacer>
    static auto ConDiscoLleno(rlim_t bytes, Hacer hacer) {
        struct rlimit antes {};
        getrlimit(RLIMIT_FSIZE, &antes);
        auto senal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limite = antes;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
        const auto r = hacer();
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, senal);
        return r;
    }
    // The files a save leaves beside its target in the folder: its temporary
    // files carry ".tmp~" in their names.
    static std::vector<std::filesystem::path> Temporales(const std::filesystem::path& carpeta) {
        std::vector<std::filesystem::path> r;
        for (const auto& e : std::filesystem::directory_iterator(carpeta))
            if (e.path().filename().string().find(".tmp~") != std::string::npos) r.push_back(e.path());
        return r;
    }
};

TEST_F(Entorno, SmallStateGivesTheGoldenFileByteForByte) {
    EstadoPequeno();
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EXPECT_EQ(LeerTodo(Ruta()), LeerTodo(prueba::Fixture("entorno_golden.ent")));
    EXPECT_TRUE(cuadros.mostrados.empty());
    const std::vector<std::string> esperados = {
        "Almacenando cabecera ... (0%)",
        "Almacenando Registros ... (10%)",
        "Almacenando Secciones de Memoria (20%)",
        "50% - Almacenando Código Desensamblado",
        "60% - Almacenando Tabla de Referencia ...",
        "70% - Almacenando Tabla de Sección ...",
        "80% - Almacenando Lista de Marcas de Ruptura ...",
        "90% - Almacenando Lista de Puntos de Ruptura ...",
        "100% - Entorno Salvado."};
    EXPECT_EQ(ventana.estados, esperados);
    EXPECT_TRUE(Temporales(carpeta).empty());
}

TEST_F(Entorno, EverySectionOffWritesOnlyTheHeader) {
    EstadoPequeno();
    Registros = Memoria = DASM = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    ModeloDSP = 0;
    ModoDSP = 1;
    Frecuencia_Reloj = -27;
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EXPECT_EQ(LeerTodo(Ruta()),
              ">>> Tarvix v2.1\r\n"
              ">>> Archivo de Entorno\r\n"
              ">>> Fecha: 10/12/2026-JUE  09:05:07\r\n"
              ">>> Datos de Procesador Simulado\r\n"
              ">>>    - Procesador TMS320C30\r\n"
              ">>>    - Modo MicroControlador\r\n"
              ">>>    - Frecuencia:-27  MHz\r\n"
              ">>>\r\n");
}

TEST_F(Entorno, DayAbbreviationsAreFixed) {
    const char* dias[] = {"LUN", "MAR", "MIÉ", "JUE", "VIE", "SÁB", "DOM"};
    for (int d = 0; d < 7; ++d) {
        FechaHora f{1999, 3, 7, d, 23, 0, 59};
        EXPECT_EQ(TextoFechaHora(f), std::string("07/03/1999-") + dias[d] + "  23:00:59");
    }
}

// Every register, memory word, table row and list entry comes back.
// The rule for the names the user types says exactly which names come back
// from the file as they went in.
TEST_F(Entorno, ANameIsKeptWhenAndOnlyWhenTheFileGivesItBackAsItIs) {
    const std::vector<std::string> nombres = {
        "di\"go",     "\"",          "a\rb",        "a\nb",        "x\r\n",   "a,b",      "a\tb",
        "\x01\x1f\x7f", std::string("a\0b", 3), "été ñ", "  x  ", "",         "'[END]'", ",,",
        "\xE9t\xE9",   "\xC3",        "\xEF\xBB\xBFz"};
    for (const std::string& n : nombres) gPuntosRupt->Add(1, n);
    Registros = Memoria = DASM = TablaRef = TablaSect = ListaMarcasRupt = false;
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    gPuntosRupt->Clear();
    RecuperarEntorno(Ruta());
    ASSERT_EQ(gPuntosRupt->count(), static_cast<int32_t>(nombres.size()));
    for (size_t i = 0; i < nombres.size(); ++i) {
        const bool igual = gPuntosRupt->Item(static_cast<int32_t>(i) + 1).Identificador() == nombres[i];
        EXPECT_EQ(NombreGuardable(nombres[i]), igual) << i;
    }
    EXPECT_FALSE(NombreGuardable("di\"go"));
    EXPECT_TRUE(NombreGuardable("a,b"));
}

TEST_F(Entorno, SaveAndRestoreIntoAFreshStateGivesEverythingBack) {
    EstadoPequeno();
    DASM = false;  // the listing load is its own test
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    const ClassRegistrosCPU antes = *gRegistros;
    const std::vector<int32_t> palabras = PalabrasElegidas();

    CrearObjetosPrograma();
    gEstadoDSK = 0;
    EXPECT_EQ(RecuperarEntorno(Ruta()), Recuperacion::Completa);

    for (int32_t n = 0; n < 28; ++n) EXPECT_EQ(gRegistros->RegCPU(n, false).entero, antes.RegCPU(n, false).entero) << n;
    EXPECT_EQ(gRegistros->PC(), antes.PC());
    for (int16_t i = 0; i < 8; ++i) EXPECT_EQ(gRegistros->R(i), antes.R(i)) << "R" << i;
    EXPECT_EQ(PalabrasElegidas(), palabras);

    ASSERT_EQ(gTablaRef->count(), 2);
    EXPECT_EQ(gTablaRef->Item(1).Identificador(), "inicio");
    EXPECT_EQ(gTablaRef->Item(1).Contenido(), 0x809800);
    EXPECT_EQ(gTablaRef->Item(2).Identificador(), "di'go");  // a quote cannot end the field
    EXPECT_EQ(gTablaRef->Item(2).Contenido(), -7);
    EXPECT_EQ(gTablaRef->Item(2).Tipo(), 0);
    EXPECT_EQ(gTablaRef->Item(2).Dir_able(), 2);
    ASSERT_EQ(gTablaSect->count(), 1);
    EXPECT_EQ(gTablaSect->Item(1).Identificador(), ".text");
    EXPECT_EQ(gTablaSect->Item(1).Fin(), 0x809804);
    EXPECT_EQ(gTablaSect->Item(1).Longitud(), 5);
    ASSERT_EQ(gMarcasRupt->count(), 2);
    const ClassMarcaRupt& m1 = gMarcasRupt->Item(1);
    EXPECT_EQ(m1.Identificador(), "Marca00");
    EXPECT_EQ(m1.Tipo(), 0);
    EXPECT_EQ(m1.PosMem(), 0x809805);
    EXPECT_EQ(m1.Comp(), 2);
    EXPECT_EQ(m1.Operando(), 44);
    EXPECT_EQ(m1.TipoDatos(), 2);
    EXPECT_EQ(gMarcasRupt->Item(2).Identificador(), "celda, otra");
    EXPECT_EQ(gMarcasRupt->Item(2).Tipo(), 1);
    ASSERT_EQ(gPuntosRupt->count(), 1);
    EXPECT_EQ(gPuntosRupt->Item(1).Identificador(), "fin, bucle");
    EXPECT_EQ(gPuntosRupt->Item(1).PosMem(), 0x809804);

    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    const auto& r = cuadros.mostrados[0];
    EXPECT_EQ(r.titulo, "Recuperar Entorno: Resultados");
    EXPECT_EQ(r.icono, plataforma::Icono::Informacion);
    EXPECT_FALSE(r.botonAyuda);
    EXPECT_EQ(r.texto,
              ">>> Archivo de Entorno\r"
              ">>> Fecha: 10/12/2026-JUE  09:05:07\r"
              ">>> Datos de Procesador Simulado\r"
              ">>>    - Procesador TMS320C31\r"
              ">>>    - Modo MicroProcesdor \r"
              ">>>    - Frecuencia: 50  MHz\r"
              ">>>\r"
              "     - Registros: carga satisfactoria\r"
              "     - Memoria:  2 Secciones Recuperadas: \r"
              "            #RAM Bloque 0:  [ OK  ]\r"
              "            #RAM Bloque 1:  [ OK  ]\r"
              "     - Tabla de Referencia:  2 entradas cargadas\r"
              "     - Tabla de Secciones:  1 entradas cargadas\r"
              "     - Lista de Marcas de Ruptura:  2 entradas cargadas\r"
              "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r");
    EXPECT_EQ(ventana.estados.back(), "Entorno recuperado satisfactoriamente");
    EXPECT_EQ(gEstadoDSK, -1);  // no code section
}

TEST_F(Entorno, RestoringTheCodeSectionLoadsTheListingCopy) {
    EstadoPequeno();
    gRegistros->PC(0x809802);
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    CrearObjetosPrograma();
    gFichASM = "viejo.asm";
    RecuperarEntorno(Ruta());

    const std::string copia = (carpeta / "datos" / "entorno.dsk").string();
    EXPECT_EQ(gFichDSK, copia);
    EXPECT_EQ(gFichASM, "");
    EXPECT_EQ(gEstadoDSK, 0);
    // The listing is loaded first: the saved registers and words win over its
    // entry point and its words.
    EXPECT_EQ(gRegistros->PC(), 0x809802);
    EXPECT_EQ(gDirEntrada, 0x809800);
    int32_t w = 0;
    gMemoria->Lee(w, 0x809801);
    EXPECT_EQ(w, 1 * 1000 - 3);
    gMemoria->Lee(w, 0x809806);
    EXPECT_EQ(w, 6 * 1000 - 3);
    // Code lines whose text holds "ref" or "sect" were kept; the tables come from
    // the file's own sections.
    EXPECT_EQ(gDatosFich->count(), 10);
    const std::string texto = LeerTodo(copia);
    EXPECT_NE(texto.find("; reference: load the word of the data section\r\n"), std::string::npos);
    EXPECT_NE(texto.find("(sect data)\r\n"), std::string::npos);
    EXPECT_EQ(texto.find(">>>> ref"), std::string::npos);
    EXPECT_EQ(gTablaRef->count(), 2);
    EXPECT_EQ(gTablaSect->count(), 1);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    const std::string& r = cuadros.mostrados[0].texto;
    EXPECT_NE(r.find("     - Código Desensamblado: carga satisfactoria\r"), std::string::npos);
    EXPECT_EQ(r.find(">>>> "), std::string::npos);  // listing lines are not header lines
}

// The file without its date line, which says when it was written.
std::string SinFecha(std::string texto) {
    const size_t p = texto.find("\r\n>>> Fecha: ");
    if (p != std::string::npos) texto.erase(p, texto.find("\r\n", p + 2) - p);
    return texto;
}

// Save, restore over a state the user changed since, save again: the same file
// but for its date line.
TEST_F(Entorno, SaveRestoreSaveGivesTheSameFileButForTheDate) {
    EstadoPequeno();
    gRegistros->PC(0x809803);
    ASSERT_TRUE(SalvarEntorno(Ruta("a.ent")));
    gRegistros->Reset();
    for (int32_t i = 0; i < 16; ++i) gMemoria->Escribe(0x809800 + i, 7);
    gTablaRef->Clear();
    gMarcasRupt->Clear();
    gPuntosRupt->Add(1, "otro");
    EstablecerReloj([] {
        FechaHora f = prueba::FechaFija();
        f.hora = 17;
        return f;
    });
    RecuperarEntorno(Ruta("a.ent"));
    ASSERT_TRUE(SalvarEntorno(Ruta("b.ent")));
    const std::string a = LeerTodo(Ruta("a.ent")), b = LeerTodo(Ruta("b.ent"));
    EXPECT_NE(a, b);
    EXPECT_EQ(SinFecha(a), SinFecha(b));
    EXPECT_EQ(SinFecha(a).find(">>> Fecha"), std::string::npos);
}

// The loader passes over a listing line "[END]"; in the copy it would end the
// code section, so it is left out and the lines after it come back.
TEST_F(Entorno, AListingLineThatReadsEndIsLeftOutOfTheCopy) {
    Registros = Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    gFichDSK = (carpeta / "fin.dsk").string();
    EscribirTodo(gFichDSK, ">>>> DSK3A C3x\r\n0x00809800 0x0C800000         NOP\r\n[END]\r\n"
                           "0x00809801 0x0C800000         NOP\r\n[END] \r\n>>>> ENTRY 0x00809801\r\n");
    ASSERT_EQ(LeerFichDSK(gFichDSK), 0);
    ASSERT_EQ(gDatosFich->count(), 2);
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    const std::string texto = LeerTodo(Ruta());
    EXPECT_NE(texto.find("NOP\r\n0x00809801 0x0C800000         NOP\r\n[END] \r\n>>>> ENTRY 0x00809801\r\n[END]\r\n"),
              std::string::npos);
    CrearObjetosPrograma();
    RecuperarEntorno(Ruta());
    EXPECT_EQ(gEstadoDSK, 0);
    EXPECT_EQ(gDatosFich->count(), 2);
    EXPECT_EQ(gRegistros->PC(), 0x809801);
}

TEST_F(Entorno, AListingCopyThatCannotBeWrittenIsReportedAndTheRestIsRead) {
    EstadoPequeno();
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EscribirTodo(carpeta / "fichero", "");
    EstablecerCarpetaDatosUsuario((carpeta / "fichero" / "datos").string());
    CrearObjetosPrograma();
    gFichDSK = "antes.dsk";
    RecuperarEntorno(Ruta());
    EXPECT_EQ(gFichDSK, "antes.dsk");
    EXPECT_EQ(gEstadoDSK, -1);
    EXPECT_EQ(gTablaRef->count(), 2);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    const std::string& r = cuadros.mostrados[0].texto;
    EXPECT_NE(r.find("     - Código Desensamblado: no se pudo escribir el fichero " +
                     (carpeta / "fichero" / "datos" / "entorno.dsk").string() + " [FALLO]\r"),
              std::string::npos);
    EXPECT_NE(r.find("     - Tabla de Referencia:  2 entradas cargadas\r"), std::string::npos);
}

// A disk that fills up while the listing copy is written: the copy that an
// earlier restore left, and which is the loaded listing, stays whole, and so
// does the session's listing.
TEST_F(Entorno, AListingCopyCutShortLeavesThePreviousCopyAndTheLoadedListing) {
    namespace fs = std::filesystem;
    Registros = Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    std::string largo = ">>>> DSK3A C3x\r\n";
    for (int i = 0; i < 400; ++i) largo += "0x00809800 NOCODE     ; una linea de comentario del listado largo\r\n";
    gFichDSK = (carpeta / "largo.dsk").string();
    EscribirTodo(gFichDSK, largo);
    ASSERT_TRUE(SalvarEntorno(Ruta()));

    const fs::path copia = carpeta / "datos" / "entorno.dsk";
    fs::create_directories(copia.parent_path());
    const std::string previa = LeerTodo(prueba::Programa("entorno.dsk"));
    EscribirTodo(copia, previa);
    CrearObjetosPrograma();
    gFichDSK = copia.string();
    ASSERT_EQ(LeerFichDSK(gFichDSK), 0);
    const int32_t lineas = gDatosFich->count();

    EXPECT_EQ(ConDiscoLleno(4096, [&] { return RecuperarEntorno(Ruta()); }), Recuperacion::ConFallos);

    EXPECT_EQ(LeerTodo(copia), previa);
    EXPECT_EQ(gFichDSK, copia.string());
    EXPECT_EQ(gDatosFich->count(), lineas);
    EXPECT_TRUE(Temporales(copia.parent_path()).empty());
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_NE(cuadros.mostrados[0].texto.find("     - Código Desensamblado: no se pudo escribir el fichero " +
                                              copia.string() + " [FALLO]\r"),
              std::string::npos);
}

// A file cut inside its code section, before the section's "[END]": no copy is
// written, so the copy that an earlier restore left, which is the loaded
// listing, stays, and so does the loaded listing; the sections before the cut
// are restored.
TEST_F(Entorno, AFileCutInsideItsCodeSectionKeepsThePreviousCopyAndTheLoadedListing) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    const std::vector<int32_t> palabras = PalabrasElegidas();
    const std::string texto = LeerTodo(Ruta());
    const size_t seccion = texto.find("[CODIGO DESENSAMBLADO]\r\n");
    ASSERT_NE(seccion, std::string::npos);
    const size_t fin = texto.find("\r\n[END]\r\n", seccion) + 2;
    ASSERT_GT(fin, seccion);
    const fs::path copia = carpeta / "datos" / "entorno.dsk";
    const std::string previa = LeerTodo(prueba::Programa("carga_basica.dsk"));
    // After the section line, inside a listing line, right before "[END]", and
    // inside "[END]" itself.
    for (const size_t corte : {seccion + 24, texto.find("LDI", seccion), fin, fin + 3}) {
        SCOPED_TRACE(corte);
        fs::create_directories(copia.parent_path());
        EscribirTodo(copia, previa);
        CrearObjetosPrograma();
        gFichDSK = copia.string();
        ASSERT_EQ(LeerFichDSK(gFichDSK), 0);
        const int32_t lineas = gDatosFich->count();
        cuadros.mostrados.clear();
        EscribirTodo(Ruta("cortado.ent"), texto.substr(0, corte));

        EXPECT_EQ(RecuperarEntorno(Ruta("cortado.ent")), Recuperacion::ConFallos);

        EXPECT_EQ(LeerTodo(copia), previa);
        EXPECT_EQ(gFichDSK, copia.string());
        EXPECT_EQ(gDatosFich->count(), lineas);
        EXPECT_TRUE(Temporales(copia.parent_path()).empty());
        EXPECT_EQ(PalabrasElegidas(), palabras);
        EXPECT_EQ(gRegistros->SP(), 0x809F00);
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        const std::string& r = cuadros.mostrados[0].texto;
        EXPECT_NE(r.find("     - Código Desensamblado: sección incompleta [FALLO]\r"), std::string::npos) << r;
        EXPECT_EQ(r.find("Código Desensamblado: carga satisfactoria"), std::string::npos);
    }
}

// Some editors put a UTF-8 byte-order mark before the first line of a text
// file; the environment file and the listing it copies are read past it.
TEST_F(Entorno, AByteOrderMarkBeforeTheFirstLineIsPassedOver) {
    EstadoPequeno();
    gFichDSK = (carpeta / "marca.dsk").string();
    EscribirTodo(gFichDSK, "\xEF\xBB\xBF" + LeerTodo(prueba::Programa("entorno.dsk")));
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    const std::vector<int32_t> palabras = PalabrasElegidas();
    EXPECT_NE(LeerTodo(Ruta()).find("[CODIGO DESENSAMBLADO]\r\n>>>> DSK3A C3x"), std::string::npos);
    EscribirTodo(Ruta("marca.ent"), "\xEF\xBB\xBF" + LeerTodo(Ruta()));
    CrearObjetosPrograma();

    EXPECT_EQ(RecuperarEntorno(Ruta("marca.ent")), Recuperacion::Completa);

    EXPECT_EQ(gEstadoDSK, 0);
    EXPECT_EQ(gDatosFich->count(), 10);
    EXPECT_EQ(PalabrasElegidas(), palabras);
    EXPECT_EQ(gRegistros->SP(), 0x809F00);
    EXPECT_EQ(gPuntosRupt->count(), 1);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].texto.rfind(">>> Archivo de Entorno\r", 0), 0u);
}

TEST_F(Entorno, WithInicializarOffRestoredEntriesFollowTheExistingOnes) {
    EstadoPequeno();
    DASM = false;
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    Inicializar = false;
    RecuperarEntorno(Ruta());
    EXPECT_EQ(gTablaRef->count(), 4);
    EXPECT_EQ(gPuntosRupt->count(), 2);
    EXPECT_EQ(gMarcasRupt->Item(3).Identificador(), "Marca00");
}

TEST_F(Entorno, AFileOfAnotherVersionIsRefusedWithNothingChanged) {
    for (const char* primera : {">>> Tarvix v2.2", ">>> Tarvix v3.1", ">>> Tarvix v2.1 ", "", "[REGISTROS]"}) {
        SCOPED_TRACE(primera);
        EscribirTodo(Ruta(), std::string(primera) + "\r\n[REGISTROS]\r\n\"PC\",77\r\n[LISTA DE PUNTOS DE RUPTURA]\r\n"
                                                     "1\r\n\"p\",5\r\n");
        gRegistros->PC(12);
        gEstadoDSK = 0;
        cuadros.mostrados.clear();
        ventana.estados.clear();
        EXPECT_EQ(RecuperarEntorno(Ruta()), Recuperacion::Rechazada);
        EXPECT_EQ(gEstadoDSK, 0);
        EXPECT_EQ(gRegistros->PC(), 12);
        EXPECT_EQ(gPuntosRupt->count(), 0);
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        const auto& c = cuadros.mostrados[0];
        EXPECT_EQ(c.texto, "Fichero ENT dañado o no es un fichero ENT");
        EXPECT_EQ(c.titulo, "Recuperar entorno");
        EXPECT_EQ(c.icono, plataforma::Icono::Ninguno);
        EXPECT_FALSE(c.botonAyuda);
        EXPECT_EQ(c.contextoAyuda, 10110);
        EXPECT_TRUE(ventana.estados.empty());
    }
}

TEST_F(Entorno, AFileThatIsNoEnvironmentIsRefusedWithoutReadingItAll) {
    EscribirTodo(Ruta("otro.ent"), ">>> Otro programa\r\n[REGISTROS]\r\n");
    ASSERT_EQ(::truncate(Ruta("otro.ent").c_str(), 64 << 20), 0);  // a hole of 64 MiB after it
    const auto antes = prueba::BytesLeidos();
    if (!antes) GTEST_SKIP() << "the system does not count the bytes a process reads";
    RecuperarEntorno(Ruta("otro.ent"));
    EXPECT_LT(*prueba::BytesLeidos() - *antes, uint64_t{1} << 20);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].texto, "Fichero ENT dañado o no es un fichero ENT");
}

// A pipe or a device is refused at once, as a file that cannot be opened,
// whatever it would give: the restore waits for no writer and no end.
TEST_F(Entorno, APipeOrADeviceIsRefusedAtOnce) {
    const std::string entorno = CabeceraEntorno() + "\r\n[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"p\",1\r\n";
    prueba::FifoAbierta fifo(Ruta("tubo.ent"), entorno);
    for (const std::string& ruta : {fifo.Ruta(), std::string("/dev/null")}) {
        SCOPED_TRACE(ruta);
        cuadros.mostrados.clear();
        gEstadoDSK = 2;
        EXPECT_EQ(RecuperarEntorno(ruta), Recuperacion::Rechazada);
        EXPECT_EQ(gEstadoDSK, 2);
        EXPECT_EQ(gPuntosRupt->count(), 0);
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        EXPECT_EQ(cuadros.mostrados[0].texto, "Error #  75 fue generado por Tarvix\rError de acceso a la ruta o el archivo");
        EXPECT_EQ(cuadros.mostrados[0].titulo, "Recuperar entorno");
    }
    EXPECT_FALSE(fifo.Cerrada());
}

TEST_F(Entorno, AMissingFileGivesTheOpenErrorBox) {
    gEstadoDSK = 2;
    EXPECT_EQ(RecuperarEntorno(Ruta("no_existe.ent")), Recuperacion::Rechazada);
    EXPECT_EQ(gEstadoDSK, 2);
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].texto, "Error #  53 fue generado por Tarvix\rNo se ha encontrado el archivo");
    EXPECT_EQ(cuadros.mostrados[0].titulo, "Recuperar entorno");
    EXPECT_EQ(cuadros.mostrados[0].contextoAyuda, 10100);
}

// Damaged files: each gives its summary, keeps what was read before the damage
// and loses nothing that follows it.
struct CasoDanado {
    const char* nombre;
    std::string cuerpo;      // the file after its first line
    std::string resumen;     // the results box
    void (*comprobar)();
    bool entero = false;     // read whole after all: no section failed
};

const ClassTablaAsig& Region(int i) { return gMemoria->TablaAsig(i); }
int32_t Palabra(int32_t dir) {
    int32_t w = -99;
    gMemoria->Lee(w, dir);
    return w;
}

const CasoDanado kDanados[] = {
    {"truncado dentro de una lista",
     "[TABLA DE REFERENCIA]\r\n3\r\n\"a\",1,1,5\r\n\"b\",1,1,",
     "     - Tabla de Referencia:  1 entradas cargadas [FALLO]\r",
     [] {
         ASSERT_EQ(gTablaRef->count(), 1);
         EXPECT_EQ(gTablaRef->Item(1).Identificador(), "a");
     }},
    {"cuenta mayor que sus registros, sin lineas en blanco",
     "[TABLA DE SECCIONES]\r\n5\r\n\"s\",1,2,2\r\n[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"p\",100\r\n",
     "     - Tabla de Secciones:  1 entradas cargadas [FALLO]\r"
     "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r",
     [] {
         EXPECT_EQ(gTablaSect->count(), 1);
         ASSERT_EQ(gPuntosRupt->count(), 1);
         EXPECT_EQ(gPuntosRupt->Item(1).PosMem(), 100);
     }},
    {"cuenta negativa",
     "[LISTA DE PUNTOS DE RUPTURA]\r\n-4\r\n\"p\",1\r\n",
     "     - Lista de Puntos de Ruptura:  0 entradas cargadas [FALLO]\r",
     [] { EXPECT_EQ(gPuntosRupt->count(), 0); }},
    {"campo de 16 bits fuera de rango",
     "[LISTA DE MARCAS DE RUPTURA]\r\n2\r\n\"m\",0,1,2,0,3\r\n\"n\",0,1,2,0,40000\r\n",
     "     - Lista de Marcas de Ruptura:  1 entradas cargadas [FALLO]\r",
     [] { EXPECT_EQ(gMarcasRupt->count(), 1); }},
    {"campo de registro erroneo",
     "[REGISTROS]\r\n\"PC\",12\r\n\"DP\",x1\r\n\"R0\",1,2\r\n\"R1\",-128,0\r\n\"R2\",-128,0\r\n\"R3\",-128,0\r\n"
     "\"R4\",-128,0\r\n\"R5\",-128,0\r\n\"R6\",-128,0\r\n\"R7\",-128,0\r\n\"AR0\",8\r\n\"AR1\",0\r\n\"AR2\",0\r\n"
     "\"AR3\",0\r\n\"AR4\",0\r\n\"AR5\",0\r\n\"AR6\",0\r\n\"AR7\",0\r\n\"IR0\",0\r\n\"IR1\",0\r\n\"RC\",0\r\n"
     "\"RS\",0\r\n\"RE\",0\r\n\"BK\",0\r\n\"SP\",0\r\n\"IOF\",0\r\n\"IE\",0\r\n\"IF\",0\r\n\"ST\",7\r\n",
     "     - Registros: carga incompleta [FALLO]\r",
     [] {
         EXPECT_EQ(gRegistros->PC(), 12);
         EXPECT_EQ(gRegistros->DP(), 0);
         EXPECT_EQ(gRegistros->R(0).HI(), 1);
         EXPECT_EQ(gRegistros->R(0).LO(), 2);
         EXPECT_EQ(gRegistros->AR(0), 8);
         EXPECT_EQ(gRegistros->ST(), 7);
     }},
    {"registro que falta: los demas van a su sitio",
     "[REGISTROS]\r\n\"PC\",12\r\n\"R0\",1,2\r\n\"R1\",-128,0\r\n\"R2\",-128,0\r\n\"R3\",-128,0\r\n"
     "\"R4\",-128,0\r\n\"R5\",-128,0\r\n\"R6\",-128,0\r\n\"R7\",-128,0\r\n\"AR0\",8\r\n\"AR1\",0\r\n\"AR2\",0\r\n"
     "\"AR3\",0\r\n\"AR4\",0\r\n\"AR5\",0\r\n\"AR6\",0\r\n\"AR7\",0\r\n\"IR0\",0\r\n\"IR1\",0\r\n\"RC\",0\r\n"
     "\"RS\",0\r\n\"RE\",0\r\n\"BK\",0\r\n\"SP\",0\r\n\"IOF\",0\r\n\"IE\",0\r\n\"IF\",3\r\n\"ST\",7\r\n\r\n",
     "     - Registros: carga incompleta [FALLO]\r",
     [] {
         EXPECT_EQ(gRegistros->PC(), 12);
         EXPECT_EQ(gRegistros->R(0).LO(), 2);
         EXPECT_EQ(gRegistros->AR(0), 8);
         EXPECT_EQ(gRegistros->IFR(), 3);
         EXPECT_EQ(gRegistros->ST(), 7);
     }},
    {"nombre escrito en un editor de 8 bits",
     "[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"a\xf1o \x93x\x94\",1\r\n",
     "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r",
     [] {
         ASSERT_EQ(gPuntosRupt->count(), 1);
         EXPECT_EQ(gPuntosRupt->Item(1).Identificador(), "año “x”");
     },
     true},
    {"registros cortados por la siguiente seccion",
     "[REGISTROS]\r\n\"PC\",5\r\n\"DP\",6\r\n[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"p\",1\r\n",
     "     - Registros: carga incompleta [FALLO]\r"
     "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r",
     [] {
         EXPECT_EQ(gRegistros->DP(), 6);
         EXPECT_EQ(gPuntosRupt->count(), 1);
     }},
    {"palabra erronea",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427520,8427524\r\n1,2,zz,4,5\r\n"
     "\"[SEC]\",\"RAM Bloque 1\",8428544,8428544\r\n9\r\n\"[END]\",\"\",0,0\r\n",
     "     - Memoria:  2 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [FALLO]\r"
     "            #RAM Bloque 1:  [ OK  ]\r",
     [] {
         EXPECT_EQ(Palabra(0x809800), 1);
         EXPECT_EQ(Palabra(0x809801), 2);
         EXPECT_EQ(Palabra(0x809802), 0);
         EXPECT_EQ(Palabra(0x809804), 5);
         EXPECT_EQ(Palabra(0x809C00), 9);
     }},
    {"bloque sin memoria",
     "[MEMORIA]\r\n\"[SEC]\",\"ROM\",4095,4097\r\n1,2,3\r\n\"[END]\",\"\",0,0\r\n",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #ROM:  [FALLO]\r",
     [] { EXPECT_EQ(Palabra(63), 0); }},
    {"rango enorme",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427520,2147483647\r\n1,2\r\n\"[END]\",\"\",0,0\r\n"
     "[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"p\",1\r\n",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [FALLO]\r"
     "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r",
     [] {
         EXPECT_EQ(Palabra(0x809801), 2);
         EXPECT_EQ(gPuntosRupt->count(), 1);
     }},
    {"bloque cortado por el final del fichero",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427520,8427535\r\n1,2,3",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [FALLO]\r"
     "            Sección incompleta:  [FALLO]\r",
     [] { EXPECT_EQ(Palabra(0x809802), 3); }},
    {"memoria cortada entre dos bloques",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427520,8427521\r\n1,2\r\n",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [ OK  ]\r"
     "            Sección incompleta:  [FALLO]\r",
     [] { EXPECT_EQ(Palabra(0x809801), 2); }},
    {"memoria sin su registro de fin antes de otra seccion",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 1\",8428544,8428544\r\n9\r\n"
     "[LISTA DE PUNTOS DE RUPTURA]\r\n1\r\n\"p\",1\r\n",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #RAM Bloque 1:  [ OK  ]\r"
     "            Sección incompleta:  [FALLO]\r"
     "     - Lista de Puntos de Ruptura:  1 entradas cargadas\r",
     [] {
         EXPECT_EQ(Palabra(0x809C00), 9);
         EXPECT_EQ(gPuntosRupt->count(), 1);
     }},
    {"registro de memoria que no es de bloque ni de fin",
     "[MEMORIA]\r\n\"[SEK]\",\"RAM Bloque 1\",8428544,8428544\r\n9\r\n\"[END]\",\"\",0,0\r\n",
     "     - Memoria:  0 Secciones Recuperadas: \r"
     "            Sección incompleta:  [FALLO]\r",
     [] { EXPECT_EQ(Palabra(0x809C00), 0); }},
    {"rango al reves seguido de palabras: los bloques siguientes se leen",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427522,8427520\r\n1,2,3\r\n"
     "\"[SEC]\",\"RAM Bloque 1\",8428544,8428544\r\n9\r\n\"[END]\",\"\",0,0\r\n",
     "     - Memoria:  2 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [FALLO]\r"
     "            #RAM Bloque 1:  [ OK  ]\r",
     [] {
         EXPECT_EQ(Palabra(0x809800), 0);
         EXPECT_EQ(Palabra(0x809C00), 9);
     }},
    {"codigo cortado antes de su fin",
     "[CODIGO DESENSAMBLADO]\r\n>>>> DSK3A C3x\r\n0x00809800 0x0C800000         NOP\r\n",
     "     - Código Desensamblado: sección incompleta [FALLO]\r",
     [] {
         EXPECT_EQ(gDatosFich->count(), 0);
         EXPECT_EQ(Palabra(0x809800), 0);
         EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(CarpetaDatosUsuario()) / "entorno.dsk"));
     }},
    {"codigo que no es un listado",
     "[CODIGO DESENSAMBLADO]\r\n>>>> DSK3A C3x\r\n0x0080980G 0x0C800000         NOP\r\n[END]\r\n",
     "     - Código Desensamblado: no es un listado DSK [FALLO]\r",
     [] {
         EXPECT_EQ(gDatosFich->count(), 0);
         EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(CarpetaDatosUsuario()) / "entorno.dsk"));
     }},
    {"rango al reves: ninguna palabra",
     "[MEMORIA]\r\n\"[SEC]\",\"RAM Bloque 0\",8427522,8427520\r\n\"[END]\",\"\",0,0\r\n",
     "     - Memoria:  1 Secciones Recuperadas: \r"
     "            #RAM Bloque 0:  [ OK  ]\r",
     [] { EXPECT_EQ(Region(2).Identificador(), "RAM Bloque 0"); },
     true},
};

TEST_F(Entorno, DamagedFilesGiveTheirSummaryAndKeepWhatWasRead) {
    for (const CasoDanado& caso : kDanados) {
        SCOPED_TRACE(caso.nombre);
        CrearObjetosPrograma();
        cuadros.mostrados.clear();
        EscribirTodo(Ruta(), CabeceraEntorno() + "\r\n" + caso.cuerpo);
        EXPECT_EQ(RecuperarEntorno(Ruta()), caso.entero ? Recuperacion::Completa : Recuperacion::ConFallos);
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        EXPECT_EQ(cuadros.mostrados[0].texto, caso.resumen);
        caso.comprobar();
    }
}

// A watch mark's kind (0-1), comparison (0-5) and display format (0-4) mean
// nothing outside their ranges: such a record is damage and ends the list.
TEST_F(Entorno, WatchMarkFieldsOutsideTheirMeaningAreDamage) {
    const struct {
        const char* registro;
        bool admitido;
    } casos[] = {
        {"\"m\",0,1,2,0,0", true},           {"\"m\",5,-1,-2,1,4", true},
        {"\"m\",6,1,2,0,0", false},          {"\"m\",-1,1,2,0,0", false},
        {"\"m\",0,1,2,2,0", false},          {"\"m\",0,1,2,-1,0", false},
        {"\"m\",0,1,2,2147483647,0", false}, {"\"m\",0,1,2,0,5", false},
        {"\"m\",0,1,2,0,-1", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.registro);
        CrearObjetosPrograma();
        EscribirTodo(Ruta(), CabeceraEntorno() + "\r\n[LISTA DE MARCAS DE RUPTURA]\r\n3\r\n\"antes\",1,7,8,1,2\r\n" +
                                 caso.registro + "\r\n\"despues\",0,1,2,0,0\r\n");
        RecuperarEntorno(Ruta());
        ASSERT_EQ(gMarcasRupt->count(), caso.admitido ? 3 : 1);
        EXPECT_EQ(gMarcasRupt->Item(1).Identificador(), "antes");
    }
}

TEST_F(Entorno, AFailedWriteShowsTheBoxAndKeepsThePreviousFile) {
    EstadoPequeno();
    EscribirTodo(Ruta(), "anterior");
    const bool escrito = ConDiscoLleno(200, [&] { return SalvarEntorno(Ruta()); });

    EXPECT_FALSE(escrito);
    EXPECT_EQ(LeerTodo(Ruta()), "anterior");
    EXPECT_TRUE(Temporales(carpeta).empty());
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    const auto& c = cuadros.mostrados[0];
    EXPECT_EQ(c.texto, "Error en el proceso de escritura del entorno en el fichero <" + Ruta() + "> ");
    EXPECT_EQ(c.titulo, "Salvar Entorno");
    EXPECT_EQ(c.icono, plataforma::Icono::Exclamacion);
    EXPECT_TRUE(c.botonAyuda);
    EXPECT_EQ(c.contextoAyuda, 10110);
    EXPECT_NE(ventana.estados.back(), "100% - Entorno Salvado.");
}

TEST_F(Entorno, AFileThatCannotBeCreatedShowsTheBoxAndWritesNothing) {
    const std::string ruta = (carpeta / "no" / "hay" / "carpeta.ent").string();
    EXPECT_FALSE(SalvarEntorno(ruta));
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].titulo, "Salvar Entorno");
    EXPECT_TRUE(ventana.estados.empty());
}

TEST_F(Entorno, AFileTheUserMayNotWriteIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    EscribirTodo(Ruta(), "anterior");
    std::filesystem::permissions(Ruta(), std::filesystem::perms::owner_read);
    EXPECT_FALSE(SalvarEntorno(Ruta()));
    EXPECT_EQ(LeerTodo(Ruta()), "anterior");
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].titulo, "Salvar Entorno");
}

// Saving through a symbolic link (or a chain of them, or one that names a file
// not there yet) writes the file it names and leaves the link; a replaced
// file keeps its permission bits.
TEST_F(Entorno, SavingThroughALinkWritesTheFileItNamesWithItsPermissions) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    const fs::path destino = carpeta / "sub" / "destino.ent";
    fs::create_directories(destino.parent_path());
    EscribirTodo(destino, "anterior");
    fs::permissions(destino, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("sub/destino.ent", carpeta / "enlace.ent");
    fs::create_symlink(carpeta / "enlace.ent", carpeta / "otro_enlace.ent");
    fs::create_symlink("nuevo.ent", carpeta / "sub" / "suelto.ent");
    EscribirTodo(carpeta / "propio.ent", "anterior");
    fs::permissions(carpeta / "propio.ent", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const struct {
        fs::path ruta, escrito;
        fs::perms permisos;
    } casos[] = {
        {carpeta / "enlace.ent", destino, fs::perms::owner_read | fs::perms::owner_write},
        {carpeta / "otro_enlace.ent", destino, fs::perms::owner_read | fs::perms::owner_write},
        {carpeta / "sub" / "suelto.ent", carpeta / "sub" / "nuevo.ent", fs::perms::unknown},
        {carpeta / "propio.ent", carpeta / "propio.ent",
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.ruta.string());
        if (fs::exists(caso.escrito)) EscribirTodo(caso.escrito, "anterior");
        ASSERT_TRUE(SalvarEntorno(caso.ruta.string()));
        EXPECT_EQ(LeerTodo(caso.escrito), LeerTodo(prueba::Fixture("entorno_golden.ent")));
        if (caso.permisos != fs::perms::unknown) {
            EXPECT_EQ(fs::status(caso.escrito).permissions() & fs::perms::mask, caso.permisos);
        }
        EXPECT_EQ(fs::is_symlink(caso.ruta), caso.ruta != caso.escrito);
    }
    EXPECT_EQ(fs::read_symlink(carpeta / "enlace.ent"), fs::path("sub/destino.ent"));
    EXPECT_TRUE(cuadros.mostrados.empty());
}

// A target that exists and is no plain file (a folder, a named pipe, a device,
// also behind a link) or a link that names itself is refused with the
// write-error box and left alone.
TEST_F(Entorno, ATargetThatIsNoPlainFileIsRefused) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    fs::create_directories(carpeta / "carpeta.ent");
    ASSERT_EQ(mkfifo((carpeta / "tubo.ent").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", carpeta / "nulo.ent");
    fs::create_symlink("carpeta.ent", carpeta / "a_carpeta.ent");
    fs::create_symlink("bucle.ent", carpeta / "bucle.ent");
    for (const char* nombre : {"carpeta.ent", "tubo.ent", "nulo.ent", "a_carpeta.ent", "bucle.ent"}) {
        SCOPED_TRACE(nombre);
        cuadros.mostrados.clear();
        const fs::file_status antes = fs::symlink_status(carpeta / nombre);
        EXPECT_FALSE(SalvarEntorno(Ruta(nombre)));
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        EXPECT_EQ(cuadros.mostrados[0].texto,
                  "Error en el proceso de escritura del entorno en el fichero <" + Ruta(nombre) + "> ");
        EXPECT_EQ(cuadros.mostrados[0].titulo, "Salvar Entorno");
        EXPECT_EQ(fs::symlink_status(carpeta / nombre).type(), antes.type());
    }
    EXPECT_TRUE(fs::is_empty(carpeta / "carpeta.ent"));
    EXPECT_TRUE(Temporales(carpeta).empty());
}

// What stands at the name "<target>.tmp~" (a link to another file, someone
// else's file) is no part of a save: it stays as it was, and the target is
// written as a plain file of its own.
TEST_F(Entorno, ASaveLeavesWhatStandsAtTheTemporaryNameAlone) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    EscribirTodo(carpeta / "victima.txt", "victima");
    fs::create_directories(carpeta / "sub");
    fs::create_symlink("sub/destino.ent", carpeta / "enlace.ent");
    const struct {
        const char* nombre;
        fs::path escrito;
        bool enlace;  // a link at the temporary name; else a plain file
    } casos[] = {
        {"salida.ent", carpeta / "salida.ent", true},
        {"enlace.ent", carpeta / "sub" / "destino.ent", true},
        {"ajeno.ent", carpeta / "ajeno.ent", false},
    };
    std::vector<fs::path> plantados;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const fs::path junto = caso.escrito.string() + ".tmp~";
        if (caso.enlace)
            fs::create_symlink(carpeta / "victima.txt", junto);
        else
            EscribirTodo(junto, "ajeno");
        ASSERT_TRUE(SalvarEntorno(Ruta(caso.nombre)));
        EXPECT_EQ(fs::symlink_status(caso.escrito).type(), fs::file_type::regular);
        EXPECT_EQ(LeerTodo(caso.escrito), LeerTodo(prueba::Fixture("entorno_golden.ent")));
        if (caso.enlace)
            EXPECT_EQ(fs::read_symlink(junto), carpeta / "victima.txt");
        else
            EXPECT_EQ(LeerTodo(junto), "ajeno");
        plantados.push_back(junto);
        for (const fs::path& t : Temporales(junto.parent_path()))  // nothing of the save's own is left
            EXPECT_NE(std::find(plantados.begin(), plantados.end(), t), plantados.end()) << t;
    }
    EXPECT_EQ(LeerTodo(carpeta / "victima.txt"), "victima");
    EXPECT_TRUE(fs::is_symlink(carpeta / "enlace.ent"));
    EXPECT_TRUE(cuadros.mostrados.empty());
}

// The new file that a killed save left beside its target goes at the next
// save of that target; what only looks like one (a name of another length,
// another target's) stays.
TEST_F(Entorno, ASaveRemovesTheNewFileAKilledSaveLeft) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    const std::vector<std::string> ajenos = {"estado.ent.tmp~", "estado.ent.tmp~abc", "otro.ent.tmp~k3x9q2",
                                             "estado.ent.tmp~k3x9q2~"};
    for (const std::string& n : ajenos) EscribirTodo(carpeta / n, "ajeno");
    EscribirTodo(carpeta / "estado.ent.tmp~k3x9q2", "resto");
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EXPECT_FALSE(fs::exists(carpeta / "estado.ent.tmp~k3x9q2"));
    for (const std::string& n : ajenos) EXPECT_EQ(LeerTodo(carpeta / n), "ajeno") << n;
    EXPECT_EQ(LeerTodo(Ruta()), LeerTodo(prueba::Fixture("entorno_golden.ent")));
}

// A save of a file that another save holds waits for it and leaves its new
// file alone: both go through, one after the other.
TEST_F(Entorno, ASaveWaitsForAnotherSaveOfTheSameFile) {
    EstadoPequeno();
    int aviso[2];
    ASSERT_EQ(::pipe(aviso), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        plataforma::FicheroSustituto otro;
        const bool creado = otro.Crear(Ruta());
        const char c = creado ? '1' : '0';
        if (::write(aviso[1], &c, 1) != 1) ::_exit(2);
        ::usleep(300 * 1000);
        ::_exit(creado && otro.Sustituir("otra salvada") ? 0 : 1);
    }
    ::close(aviso[1]);
    char c = 0;
    ASSERT_EQ(::read(aviso[0], &c, 1), 1);
    ::close(aviso[0]);
    EXPECT_EQ(c, '1');
    EXPECT_TRUE(SalvarEntorno(Ruta()));
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    EXPECT_EQ(LeerTodo(Ruta()), LeerTodo(prueba::Fixture("entorno_golden.ent")));
    EXPECT_TRUE(Temporales(carpeta).empty());
}

// A target whose name is as long as a name may be, or nearly, is saved: its
// new file takes a shorter name.
TEST_F(Entorno, ANameNearTheLimitIsSaved) {
    namespace fs = std::filesystem;
    EstadoPequeno();
    const size_t maximo = static_cast<size_t>(::pathconf(carpeta.c_str(), _PC_NAME_MAX));
    for (size_t largo : {maximo - 11, maximo - 10, maximo}) {
        SCOPED_TRACE(largo);
        const std::string nombre = std::string(largo - 4, 'e') + ".ent";
        ASSERT_TRUE(SalvarEntorno(Ruta(nombre.c_str())));
        ASSERT_TRUE(SalvarEntorno(Ruta(nombre.c_str())));
        EXPECT_EQ(LeerTodo(carpeta / nombre), LeerTodo(prueba::Fixture("entorno_golden.ent")));
        EXPECT_TRUE(Temporales(carpeta).empty());
        fs::remove(carpeta / nombre);
    }
    EXPECT_TRUE(cuadros.mostrados.empty());
}

TEST_F(Entorno, ListingCopyLeavesOutOnlyReferenceAndSectionLines) {
    EXPECT_TRUE(EsLineaRefOSect(">>>> ref inicio               0x00809800  1  1"));
    EXPECT_TRUE(EsLineaRefOSect(">>>> sect .text                0x00809800 0x00809804 0x00000005"));
    EXPECT_FALSE(EsLineaRefOSect("0x00809801 0x08209805         LDI     @dato,R0        ; reference"));
    EXPECT_FALSE(EsLineaRefOSect("0x00809803 0x15209805         STI     R0,@dato        ; sect data"));
    EXPECT_FALSE(EsLineaRefOSect(">>>> ENTRY 0x00809800"));
    EXPECT_FALSE(EsLineaRefOSect(">>>> references"));
    EXPECT_FALSE(EsLineaRefOSect(">ref"));
    EXPECT_FALSE(EsLineaRefOSect(""));

    // An empty listing copies nothing; a missing one writes no section.
    Registros = Memoria = TablaRef = TablaSect = ListaMarcasRupt = ListaPuntosRupt = false;
    gFichDSK = (carpeta / "vacio.dsk").string();
    EscribirTodo(gFichDSK, "");
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EXPECT_NE(LeerTodo(Ruta()).find(">>>\r\n[CODIGO DESENSAMBLADO]\r\n[END]\r\n\r\n\r\n"), std::string::npos);
    gFichDSK = (carpeta / "no_esta.dsk").string();
    ASSERT_TRUE(SalvarEntorno(Ruta()));
    EXPECT_EQ(LeerTodo(Ruta()).find("[CODIGO"), std::string::npos);
}

}  // namespace
