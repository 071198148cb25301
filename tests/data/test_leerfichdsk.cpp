// The listing loader: a real assembler listing, a hand-made one with messages,
// the result precedence, the column rules and damaged input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/LeerFichDSK.h"
#include "BytesLeidos.h"
#include "FifoAbierta.h"

namespace {

struct Linea {
    int32_t pos;
    int32_t contenido;
    std::string texto;
    bool operator==(const Linea&) const = default;
};
struct Msg {
    int32_t linea;
    int32_t tipo;
    std::string texto;
    bool operator==(const Msg&) const = default;
};
struct Ref {
    std::string id;
    int32_t contenido;
    int16_t tipo;
    int16_t dir;
    bool operator==(const Ref&) const = default;
};
struct Sect {
    std::string id;
    int32_t ini, fin, lon;
    bool operator==(const Sect&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Linea& l) { return o << l.pos << ',' << l.contenido << ",\"" << l.texto << '"'; }
std::ostream& operator<<(std::ostream& o, const Msg& m) { return o << m.linea << ',' << m.tipo << ",\"" << m.texto << '"'; }
std::ostream& operator<<(std::ostream& o, const Ref& r) {
    return o << '"' << r.id << "\"," << r.contenido << ',' << r.tipo << ',' << r.dir;
}
std::ostream& operator<<(std::ostream& o, const Sect& r) {
    return o << '"' << r.id << "\"," << r.ini << ',' << r.fin << ',' << r.lon;
}

std::vector<Linea> Lineas() {
    std::vector<Linea> v;
    for (const auto& r : *gDatosFich) v.push_back({r.PosMem(), r.Contenido(), r.CodASM()});
    return v;
}
std::vector<Msg> Mensajes() {
    std::vector<Msg> v;
    for (const auto& r : *gErrDSK) v.push_back({r.Linea(), r.ErrDSK(), r.StrMsg()});
    return v;
}
std::vector<Ref> Refs() {
    std::vector<Ref> v;
    for (const auto& r : *gTablaRef) v.push_back({r.Identificador(), r.Contenido(), r.Tipo(), r.Dir_able()});
    return v;
}
std::vector<Sect> Sects() {
    std::vector<Sect> v;
    for (const auto& r : *gTablaSect) v.push_back({r.Identificador(), r.Ini(), r.Fin(), r.Longitud()});
    return v;
}

int32_t Palabra(int32_t dir) {
    int32_t v = 0x7777;
    EXPECT_EQ(gMemoria->Lee(v, dir), 0);
    return v;
}

class Cargador : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigMem = 7;
        CrearObjetosPrograma();
        gDirEntrada = 0;
        ruta = (std::filesystem::temp_directory_path() /
                ("tarvix_dsk_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dsk"))
                   .string();
    }
    void TearDown() override { std::filesystem::remove(ruta); }

    // Writes the text as it is (line ends included) and loads it.
    int16_t Cargar(const std::string& texto) {
        std::ofstream(ruta, std::ios::binary) << texto;
        return LeerFichDSK(ruta);
    }
    // A listing of the given lines after the first line, with CR LF ends.
    int16_t CargarLineas(const std::vector<std::string>& lineas) {
        std::string t = ">>>> DSK3A C3x\r\n";
        for (const auto& l : lineas) t += l + "\r\n";
        return Cargar(t);
    }
    // Fills the tables with something a load must clear.
    void Ensuciar() {
        gDatosFich->Add(1, 2, "viejo");
        gErrDSK->Add(1, 1, "viejo");
        gTablaRef->Add("viejo", 1, 1, 1);
        gTablaSect->Add("viejo", 1, 2, 3);
    }
    // A refused file leaves the tables as Ensuciar filled them.
    void EsperarTablasSinCambio() {
        EXPECT_EQ(Lineas(), (std::vector<Linea>{{1, 2, "viejo"}}));
        EXPECT_EQ(Mensajes(), (std::vector<Msg>{{1, 1, "viejo"}}));
        EXPECT_EQ(gErrDSK->NumErrores(), 1);
        EXPECT_EQ(Refs(), (std::vector<Ref>{{"viejo", 1, 1, 1}}));
        EXPECT_EQ(Sects(), (std::vector<Sect>{{"viejo", 1, 2, 3}}));
    }
    std::string ruta;
};

TEST_F(Cargador, ListingOfTheAssembler) {
    Ensuciar();
    ASSERT_EQ(LeerFichDSK(TARVIX_SOURCE_DIR "/tests/programs/carga_basica.dsk"), 0);
    const std::vector<Linea> lineas = {
        {-1, 0, "; Small program for the listing loader: code, data, constants and labels."},
        {-1, 0, "N       .set    3"},
        {-1, 0, "        .text"},
        {0x809800, 0x08600003, "inicio: LDI     N,R0"},
        {0x809801, 0x50700080, "        LDP     tabla"},
        {0x809802, 0x08219805, "        LDI     @tabla,R1"},
        {0x809803, static_cast<int32_t>(0xC698C1C0), "        LDI     *AR0,R2"},
        {-1, 0, "||      LDI     *AR1,R3"},
        {0x809804, 0x60809804, "bucle:  BR      bucle"},
        {-1, 0, "        .data"},
        {0x809805, 0x12345678, "tabla:  .word   0x12345678, -1"},
        {0x809806, -1, ""},
    };
    EXPECT_EQ(Lineas(), lineas);
    EXPECT_EQ(Mensajes(), std::vector<Msg>{});
    EXPECT_EQ(Refs(), (std::vector<Ref>{{"N", 3, 0, 0},
                                        {"inicio", 0x809800, 1, 1},
                                        {"bucle", 0x809804, 1, 1},
                                        {"tabla", 0x809805, 1, 1}}));
    EXPECT_EQ(Sects(), (std::vector<Sect>{{".text", 0x809800, 0x809804, 5}, {".data", 0x809805, 0x809806, 2}}));
    EXPECT_EQ(Palabra(0x809800), 0x08600003);
    EXPECT_EQ(Palabra(0x809806), -1);
    EXPECT_EQ(gDirEntrada, 0x809800);
    EXPECT_EQ(gRegistros->PC(), 0x809800);
    EXPECT_EQ(gTablaRef->Item(4).Key, " 4");
}

TEST_F(Cargador, MessagesPassesAndTheLineAfterAnError) {
    gRegistros->PC(0x55);
    const int16_t r = CargarLineas({
        "0x00809800 0x0000002A         LDI 42,R0 ; comentario",
        "> line 7: ERROR 12: x",
        "    Operando no valido   ",
        "0x00809801  directive marca",
        "> line 8 ERROR",  // no number: a warning
        "    Sin numero",
        ">>>> PASS 2",
        "> line 9 ERROR 0 ",
        "     Aviso",
        ">>>> line 11 ERROR  5",
        "0x00809802 0x11111111 consumida como mensaje",
        ">>>> ENTRY 0x00809801",
        ">>>> ref et                0x00000010  1  1",
        ">>>> sect .text            0x00809800 0x00809802 0x00000003",
        "texto suelto",
        "0x00809803 zz",
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(Lineas(), (std::vector<Linea>{{0x809800, 42, "        LDI 42,R0 ; comentario"}, {-1, 0, "marca"}}));
    EXPECT_EQ(Mensajes(), (std::vector<Msg>{{7, 1, "Operando no valido"},
                                            {8, 2, "Sin numero"},
                                            {9, 4, "Aviso"},
                                            {11, 3, "809802 0x11111111 consumida como mensaje"}}));
    EXPECT_EQ(gErrDSK->NumErrores(), 2);
    EXPECT_EQ(gErrDSK->NumWarnings(), 2);
    EXPECT_EQ(Palabra(0x809802), 0);  // consumed as a message, never loaded
    EXPECT_EQ(Refs(), (std::vector<Ref>{{"et", 0x10, 1, 1}}));
    EXPECT_EQ(Sects(), (std::vector<Sect>{{".text", 0x809800, 0x809802, 3}}));
    EXPECT_EQ(gDirEntrada, 0x809801);
    EXPECT_EQ(gRegistros->PC(), 0x809801);
}

struct CasoResultado {
    const char* nombre;
    std::string texto;
    int16_t resultado;
};

TEST_F(Cargador, ResultPrecedence) {
    const std::string h = ">>>> DSK3A C3x\r\n";
    const std::string error = "> ERROR 1\r\n    e\r\n";
    const std::string aviso = "> ERROR 0\r\n    w\r\n";
    const std::string sinMapa = "0x00900000 0x00000001 x\r\n";
    const std::vector<CasoResultado> casos = {
        {"only the first line", h, 0},
        {"more text after the first line's marker", ">>>> DSK3A C3x and more\r\n", 0},
        {"first line in other case", ">>>> dsk3a C3x\r\n" + error, -1},
        {"first line cut short", ">>>> DSK3A C3\r\n", -1},
        {"first line not first", "\r\n" + h, -1},
        {"empty file", "", -1},
        {"unmapped word", h + sinMapa, 3},
        {"bit above 23 is unmapped", h + "0x80809800 0x00000001 x\r\n", 3},
        {"warning over unmapped", h + sinMapa + aviso, 2},
        {"error over warning", h + aviso + error + sinMapa, 1},
        {"error alone", h + error, 1},
    };
    for (const auto& c : casos) {
        CrearObjetosPrograma();
        EXPECT_EQ(Cargar(c.texto), c.resultado) << c.nombre;
    }
}

TEST_F(Cargador, ColumnRules) {
    const std::vector<std::string> lineas = {
        "0X00809800 0x00000001 mayuscula en 1-2",
        "0x00809800 0X00000001 mayuscula en 12-13",
        std::string("0x00809800 ") + "   NOCODE " + " sin codigo",
        "0xZZZZZZZZ PARCODE    la direccion no se lee",
        "0x00809801 Directive  ",
        "0x00809801 nocodex    palabra clave que no es",
        "0x00809802 0xffffffff",
        "0x00809803 0x8",
        "0x00809804 0x80000000 x",
        "0x0080980",
        " 0x00809805 0x00000001 desplazada",
        "0x00809806 0x00000009                           ;ref sect ERROR",
    };
    ASSERT_EQ(CargarLineas(lineas), 0);
    EXPECT_EQ(Lineas(), (std::vector<Linea>{{-1, 0, "sin codigo"},
                                            {-1, 0, "la direccion no se lee"},
                                            {-1, 0, ""},
                                            {0x809802, -1, ""},
                                            {0x809803, 8, ""},
                                            {0x809804, INT32_MIN, "x"},
                                            {0x809806, 9, "                          ;ref sect ERROR"}}));
    EXPECT_EQ(Palabra(0x809800), 0);
    EXPECT_EQ(Palabra(0x809801), 0);
    EXPECT_EQ(Palabra(0x809805), 0);
    EXPECT_EQ(Mensajes(), std::vector<Msg>{});
}

TEST_F(Cargador, AssemblerLinesThatLackTheirFieldsAreNotTaken) {
    gRegistros->PC(0x44);
    gDirEntrada = 0x44;
    ASSERT_EQ(CargarLineas({
                  ">>>> ENTRY",
                  ">>>> ENTRY 0xZZ",
                  ">>>> ENTRY 0x",
                  ">>>> ref a  0x123  1  1",
                  ">>>> ref b  0x00000001",
                  ">>>> ref c  0x00000001  1",
                  ">>>> ref d",
                  ">>>> ref e  0x0000000G  1  1",
                  ">>>> ref f  0x00000002  2  3 resto",
                  ">>>> ref g  0x00000002  1.5  99999",
                  ">>>> sect s1 0x00809800 0x00809801",
                  ">>>> sect s2 0x00809800",
                  ">>>> sect s3 0x0080980Z 0x00809801 0x00000002",
                  ">>>> sect s4 0x00809800 0x00809801   0x00000002  ",
                  ">>>> refx 0x00000001  1  1",
              }),
              0);
    EXPECT_EQ(gRegistros->PC(), 0x44);
    EXPECT_EQ(gDirEntrada, 0x44);
    EXPECT_EQ(Refs(), (std::vector<Ref>{{"f", 2, 2, 3}, {"g", 2, 2, 0}}));
    EXPECT_EQ(Sects(), (std::vector<Sect>{{"s4", 0x809800, 0x809801, 2}}));
}

TEST_F(Cargador, TextsAreKeptAsUtf8) {
    ASSERT_EQ(CargarLineas({"0x00809800 NOCODE     ; c\xe1lculo del a\xf1o",                // Latin-1
                            "0x00809800 NOCODE     ; cálculo del año",                         // already UTF-8
                            "0x00809800 NOCODE     ; \x93" "fin\x94 \x96 5 \x80 \x81",              // Windows-1252
                            "0x00809800 NOCODE     ; \xed\xa0\x80 \xe0\x80\x80 \xf4\x90\x80\x80"}),  // no UTF-8
              0);
    EXPECT_EQ(gDatosFich->Item(1).CodASM(), "; cálculo del año");
    EXPECT_EQ(gDatosFich->Item(2).CodASM(), "; cálculo del año");
    EXPECT_EQ(gDatosFich->Item(3).CodASM(), "; “fin” – 5 € \u0081");
    EXPECT_EQ(gDatosFich->Item(4).CodASM(), "; í\u00a0\u20ac à\u20ac\u20ac ô\u0090\u20ac\u20ac");
}

// Some editors put a UTF-8 byte-order mark before the first line: the listing
// is read past it. Anywhere else it is no part of the first line.
TEST_F(Cargador, AByteOrderMarkBeforeTheFirstLineIsPassedOver) {
    const std::string listado = ">>>> DSK3A C3x\r\n0x00809800 0x00000005 a\r\n>>>> ENTRY 0x00809800\r\n";
    EXPECT_EQ(Cargar("\xEF\xBB\xBF" + listado), 0);
    EXPECT_EQ(Lineas(), (std::vector<Linea>{{0x809800, 5, "a"}}));
    EXPECT_EQ(Palabra(0x809800), 5);
    EXPECT_EQ(gDirEntrada, 0x809800);
    for (const std::string& otro : {"\xEF\xBB\xBF\xEF\xBB\xBF" + listado, "\xEF\xBB" + listado, " \xEF\xBB\xBF" + listado}) {
        CrearObjetosPrograma();
        Ensuciar();
        EXPECT_EQ(Cargar(otro), -1);
        EsperarTablasSinCambio();
    }
}

TEST_F(Cargador, ErrorOnTheLastLineAddsAnEmptyMessage) {
    EXPECT_EQ(Cargar(">>>> DSK3A C3x\r\n> line 3 ERROR 4"), 1);
    EXPECT_EQ(Mensajes(), (std::vector<Msg>{{3, 1, ""}}));
}

TEST_F(Cargador, AnyLineEndGivesTheSameTables) {
    const std::vector<std::string> lineas = {">>>> DSK3A C3x", "0x00809800 0x00000005 a", "",
                                             "> line 2 ERROR 0", "    aviso", "0x00809801 NOCODE     b",
                                             ">>>> ref r  0x00000007  1  1"};
    std::vector<std::vector<Linea>> tablas;
    for (const char* fin : {"\r\n", "\n", "\r"}) {
        std::string t;
        for (const auto& l : lineas) t += l + fin;
        CrearObjetosPrograma();
        EXPECT_EQ(Cargar(t), 2) << int(fin[0]) << int(fin[1]);
        EXPECT_EQ(Mensajes(), (std::vector<Msg>{{2, 2, "aviso"}}));
        EXPECT_EQ(Refs(), (std::vector<Ref>{{"r", 7, 1, 1}}));
        tablas.push_back(Lineas());
    }
    EXPECT_EQ(tablas[0], (std::vector<Linea>{{0x809800, 5, "a"}, {-1, 0, "b"}}));
    EXPECT_EQ(tablas[1], tablas[0]);
    EXPECT_EQ(tablas[2], tablas[0]);
}

// A damaged first line or word line: memory, registers and the four tables
// stay as they were.
TEST_F(Cargador, RefusedInputChangesNothing) {
    const std::string buenas = "0x00809800 0x00000001 buena\r\n>>>> ENTRY 0x00809800\r\n"
                               ">>>> ref r  0x00000007  1  1\r\n";
    const std::vector<std::string> danadas = {
        ">>>> DSK3A C3x\r\n" + buenas + "0x0080980G 0x00000001 direccion\r\n",
        ">>>> DSK3A C3x\r\n" + buenas + "0x00809801 0x0000000G palabra\r\n",
        ">>>> DSK3A C3x\r\n" + buenas + "0x00809801 0x         palabra vacia\r\n",
        ">>>> DSK3A C3x\r\n" + buenas + "0x00809801 0x1 2      blanco dentro\r\n",
        ">>>> DSK3A C3\r\n" + buenas,
    };
    for (const auto& d : danadas) {
        CrearObjetosPrograma();
        gRegistros->PC(0x33);
        gDirEntrada = 0x33;
        Ensuciar();
        EXPECT_EQ(Cargar(d), -1) << d;
        EsperarTablasSinCambio();
        EXPECT_EQ(Palabra(0x809800), 0) << d;
        EXPECT_EQ(gRegistros->PC(), 0x33);
        EXPECT_EQ(gDirEntrada, 0x33);
    }
}

TEST_F(Cargador, FilesThatCannotBeReadAreRefused) {
    for (const std::string& p : {ruta + ".falta", std::filesystem::temp_directory_path().string()}) {
        CrearObjetosPrograma();
        Ensuciar();
        EXPECT_EQ(LeerFichDSK(p), -1) << p;
        EsperarTablasSinCambio();
    }
}

// A file that is no listing is refused by its first line, without reading on.
TEST_F(Cargador, AFileThatIsNoListingIsRefusedWithoutReadingItAll) {
    Ensuciar();
    std::ofstream(ruta, std::ios::binary) << "PK\x03\x04 no es un listado\n";
    ASSERT_EQ(::truncate(ruta.c_str(), 64 << 20), 0);  // a hole of 64 MiB after it
    const auto antes = prueba::BytesLeidos();
    if (!antes) GTEST_SKIP() << "the system does not count the bytes a process reads";
    EXPECT_EQ(LeerFichDSK(ruta), -1);
    EXPECT_LT(*prueba::BytesLeidos() - *antes, uint64_t{1} << 20);
    EsperarTablasSinCambio();
}

// A pipe or a device is no listing, whatever it holds: it is refused at once,
// without waiting for a writer or for the end of what it gives.
TEST_F(Cargador, APipeOrADeviceIsRefusedAtOnce) {
    Ensuciar();
    prueba::FifoAbierta fifo(ruta + ".fifo", ">>>> DSK3A C3x\r\n0x00809800 0x0C800000         NOP\r\n");
    EXPECT_EQ(LeerFichDSK(fifo.Ruta()), -1);
    EXPECT_FALSE(fifo.Cerrada());
    EsperarTablasSinCambio();
    EXPECT_EQ(LeerFichDSK("/dev/null"), -1);
    EsperarTablasSinCambio();
}

}  // namespace
