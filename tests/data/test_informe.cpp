// The printed report drawn on the recording printer.
#include "test_entorno_comun.h"

#include <algorithm>
#include <functional>
#include <regex>

#include "core/ConversionesNum.h"
#include "data/Informe.h"
#include "fakes/ImpresoraFalsa.h"

namespace {

using prueba::ImpresoraFalsa;
using Tipo = prueba::ImpresoraFalsa::Tipo;

class Informe : public prueba::EstadoPrueba {
protected:
    void SoloSecciones(bool registros, bool memoria, bool dasm, bool ref, bool sect, bool marcas, bool puntos) {
        Registros = registros;
        Memoria = memoria;
        DASM = dasm;
        TablaRef = ref;
        TablaSect = sect;
        ListaMarcasRupt = marcas;
        ListaPuntosRupt = puntos;
    }
    int Paginas() const {
        int n = 0;
        for (const auto& e : imp.eventos) n = std::max(n, e.pagina);
        return n;
    }
    // The footer's page label: the last text of each page.
    std::vector<std::string> Pies() const {
        std::vector<std::string> r;
        for (int p = 1; p <= Paginas(); ++p) r.push_back(imp.TextosDePagina(p).back());
        return r;
    }
    bool Contiene(int pagina, const std::string& texto) const {
        const auto t = imp.TextosDePagina(pagina);
        return std::find(t.begin(), t.end(), texto) != t.end();
    }
    bool EmpiezaPor(int pagina, const std::string& prefijo) const {
        for (const auto& t : imp.TextosDePagina(pagina))
            if (t.compare(0, prefijo.size(), prefijo) == 0) return true;
        return false;
    }
    // The header's and footer's texts: the title, the listing path, the model,
    // the date and the page label.
    bool CabeceraOPie(const std::string& t) const {
        static const std::regex etiqueta(".*\\.- [0-9]+");
        return t == "Tarvix" || t == gFichDSK || t == "TMS320C31-MP(50)" || t == "10/12/2026-JUE  09:05:07" ||
               std::regex_match(t, etiqueta);
    }
    // Every text of the body that does not lie inside it: right of the left
    // margin, left of the right margin, below the information line's rule and
    // above the footer (trailing blanks leave no ink).
    std::vector<std::string> FueraDelCuerpo() const {
        const auto twips = [](int16_t mm) { return std::nearbyint(mm * 56.7); };
        const double izq = twips(MgIzq), der = imp.ancho - twips(MgDer),
                     arriba = twips(MgSup) + twips(MgCab) + imp.AltoLinea() + 20,
                     pie = imp.alto - twips(MgInf) - twips(MgPie);
        std::vector<std::string> fuera;
        for (const auto& e : imp.eventos) {
            if (e.tipo != Tipo::Texto || CabeceraOPie(e.texto)) continue;
            const std::string tinta = e.texto.substr(0, e.texto.find_last_not_of(' ') + 1);
            if (tinta.empty()) continue;
            if (e.x < izq || e.x + imp.TextWidth(tinta) > der || e.y < arriba || e.y + imp.AltoLinea() > pie)
                fuera.push_back("page " + std::to_string(e.pagina) + " at " + std::to_string(e.x) + ", " +
                                std::to_string(e.y) + ": " + e.texto);
        }
        return fuera;
    }
    // The body's texts one after the other, as the rows were before any of
    // them went on over a further line.
    std::string TextoDelCuerpo() const {
        std::string r;
        for (const auto& e : imp.eventos)
            if (e.tipo == Tipo::Texto && !CabeceraOPie(e.texto)) r += e.texto;
        return r;
    }
    double YDe(const std::string& texto) const {
        for (const auto& e : imp.eventos)
            if (e.tipo == Tipo::Texto && e.texto == texto) return e.y;
        return -1;
    }

    ImpresoraFalsa imp;
};

TEST_F(Informe, EverySectionOnGivesOnePageChainWithHeadersAndFooters) {
    EstadoPequeno();
    NumCopias = 3;
    ImprimirEntorno();

    const std::vector<std::string> pies = {"Registros CPU.- 1", "Volcado de Memoria.- 2", "Código Desensamblado.- 3",
                                           "Tabla de Referencia - Lista de Indentificadores.- 4",
                                           "Lista de Puntos de Ruptura.- 5"};
    EXPECT_EQ(Pies(), pies);
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        const auto t = imp.TextosDePagina(p);
        EXPECT_EQ(std::count(t.begin(), t.end(), "Tarvix"), 1);
        EXPECT_TRUE(Contiene(p, gFichDSK));
        EXPECT_TRUE(Contiene(p, "TMS320C31-MP(50)"));
        EXPECT_TRUE(Contiene(p, "10/12/2026-JUE  09:05:07"));
    }
    // No empty page anywhere, one document, the copies of the settings.
    EXPECT_EQ(std::count_if(imp.eventos.begin(), imp.eventos.end(),
                            [](const auto& e) { return e.tipo == Tipo::NuevaPagina; }),
              4);
    EXPECT_EQ(imp.eventos.back().tipo, Tipo::FinDocumento);
    EXPECT_EQ(imp.documentos, 1);
    EXPECT_EQ(imp.copias, 3);

    // Rows of each section (register rows: the name padded to 8, then each
    // display format right-aligned in 14; float texts are left out here).
    struct Fila {
        int pagina;
        const char* texto;
        bool presente;
    };
    const Fila filas[] = {
        {1, "PC            00809800       8427520      +8427520 ", true},
        {1, "R0          0140000000    1073741824   +1073741824 ", true},
        {1, "IF            00000005             5            +5 ", true},
        {2, "00809800  00809BFF  RAM Bloque 0                  OK  00809800  0080980F  ", true},
        {2, "00000000  0000003F  Vectores de Interrupcion      -   00000000  0000003F  ", true},
        // A listing line wider than the body goes on over the next line.
        {3, "0x00809801 0x08209805         LDI     @dato,R0        ; reference: load the word ", true},
        {3, "of the data section", true},
        {3, ">>>> ENTRY 0x00809800", true},
        {3, ">>>> ref inicio ", false},
        {4, " 1        1     00809800    inicio", true},
        {4, " 0        2     FFFFFFF9    di\"go", true},
        {5, "00809800  00809804  00000005  .text", true},
        {5, " 1       00809C00    celda, otra         Contenido de $00809C00 = Contenido de ", true},
        {5, "$00809C01", true},
        {5, "00809804    fin, bucle", true},
    };
    for (const Fila& f : filas) EXPECT_EQ(EmpiezaPor(f.pagina, f.texto), f.presente) << f.texto;

    const auto& e = ventana.estados;
    const std::vector<std::string> primeros = {"10% - Imprimiendo Registros", "20% - Imprimiendo Memoria",
                                               " 10% - Imprimiendo Memoria:", " 15% - Imprimiendo Memoria:",
                                               "50% - Imprimiendo Código Desensamblado",
                                               " 53% - Imprimiendo Código Desensamblado"};
    ASSERT_GE(e.size(), primeros.size());
    EXPECT_EQ(std::vector<std::string>(e.begin(), e.begin() + 6), primeros);
    const std::vector<std::string> ultimos = {"60% - Imprimiendo Tabla de Referencia", "70% - Imprimiendo Tabla de secciones",
                                              "80% - Imprimiendo Marcas de Ruptura", "90% - Imprimiendo Puntos de Ruptura",
                                              "Documento imprimido"};
    EXPECT_EQ(std::vector<std::string>(e.end() - 5, e.end()), ultimos);
}

TEST_F(Informe, SectionsFiveToSevenFollowEachOtherOnOnePage) {
    EstadoPequeno();
    SoloSecciones(false, false, false, false, true, true, true);
    ImprimirEntorno();
    ASSERT_EQ(Paginas(), 1);
    EXPECT_EQ(Pies(), std::vector<std::string>{"Lista de Puntos de Ruptura.- 1"});
    // The first opens 3 cm below the body top, the next 3 cm below where it ended.
    const double cuerpo = 567 + 567;
    EXPECT_EQ(YDe("Tabla de Secciones"), cuerpo + 1701 + 10);
    const double finSecciones = YDe("00809800  00809804  00000005  .text") + ImpresoraFalsa::kAltoLinea;
    EXPECT_EQ(YDe("Lista de Marcas de Ruptura"), std::nearbyint(finSecciones + 1701) + 10);
}

TEST_F(Informe, TheLastPageGetsItsHeaderAlsoWithoutTheBreakpointList) {
    EstadoPequeno();
    SoloSecciones(false, false, false, false, false, true, false);
    ImprimirEntorno();
    ASSERT_EQ(Paginas(), 1);
    EXPECT_EQ(Pies(), std::vector<std::string>{"Lista de Marcas de Ruptura.- 1"});
    EXPECT_TRUE(Contiene(1, "Tarvix"));
    EXPECT_EQ(YDe("Lista de Marcas de Ruptura"), 567 + 567 + 1701 + 10);
}

// A name longer than its column is printed whole, with no blank after it.
TEST_F(Informe, TextsLongerThanTheirColumnAreNotCut) {
    SoloSecciones(false, true, false, false, false, true, false);
    const std::string region(34, 'N');
    gMemoria->TablaAsig(1).Identificador(region);
    gMemoria->TablaAsig(2).PrnOK(false);
    gMemoria->TablaAsig(3).PrnOK(false);
    gMarcasRupt->Add(0, 0x809805, 0, 44, 0, "Una marca de veinticinco");
    ImprimirEntorno();
    EXPECT_TRUE(EmpiezaPor(1, "00000000  0000003F  " + region + "OK  00000000  0000003F  "));
    EXPECT_TRUE(EmpiezaPor(2, " 0       00809805    Una marca de veinticincoContenido de $00809805"));
}

TEST_F(Informe, NothingSelectedPrintsNothingAndStartsNoJob) {
    EstadoPequeno();
    SoloSecciones(false, false, false, false, false, false, false);
    ImprimirEntorno();
    EXPECT_FALSE(imp.TrabajoIniciado());
    EXPECT_EQ(imp.documentos, 0);
    EXPECT_EQ(ventana.estados, std::vector<std::string>{"Documento imprimido"});

    // Selected but empty lists and a listing that is gone print nothing either.
    CrearObjetosPrograma();
    gFichDSK = (carpeta / "ya_no_esta.dsk").string();
    SoloSecciones(false, false, true, true, true, true, true);
    ImprimirEntorno();
    EXPECT_FALSE(imp.TrabajoIniciado());
}

// Rows of a dump: each row's bold address followed by its words.
std::vector<std::vector<std::string>> FilasVolcado(const ImpresoraFalsa& imp, const std::string& region) {
    std::vector<std::vector<std::string>> filas;
    bool dentro = false;
    for (const auto& e : imp.eventos) {
        if (e.tipo != Tipo::Texto) continue;
        if (e.texto == region) {
            dentro = true;
            continue;
        }
        if (!dentro) continue;
        if (e.texto == "Tarvix") break;
        if (e.negrita)
            filas.push_back({e.texto});
        else if (!e.texto.empty())
            filas.back().push_back(e.texto);
    }
    return filas;
}

TEST_F(Informe, AMemoryDumpBreaksItsRowsByWidth) {
    // Rows end once the position passes 1000 twips left of the body's right
    // edge: with this width (the narrowest that holds the map's rows) six
    // words of format 0 fit a row.
    imp.ancho = 10100;
    SoloSecciones(false, true, false, false, false, false, false);
    gMemoria->TablaAsig(1).PrnOK(false);
    gMemoria->TablaAsig(3).PrnOK(false);
    ClassTablaAsig& ram0 = gMemoria->TablaAsig(2);
    ram0.PrnINI(0x809800);
    for (int32_t i = 0; i < 13; ++i) gMemoria->Escribe(0x809800 + i, i + 1);

    struct Caso {
        int32_t fin;
        int16_t formato;
        std::vector<std::vector<std::string>> filas;
    };
    const Caso casos[] = {
        {0x80980C, 0,
         {{"00809800  ", "00000001  ", "00000002  ", "00000003  ", "00000004  ", "00000005  ", "00000006  "},
          {"00809806  ", "00000007  ", "00000008  ", "00000009  ", "0000000A  ", "0000000B  ", "0000000C  "},
          {"0080980C  ", "0000000D  "}}},
        // A row full exactly at the last word: one more row with only the address.
        {0x80980B, 0,
         {{"00809800  ", "00000001  ", "00000002  ", "00000003  ", "00000004  ", "00000005  ", "00000006  "},
          {"00809806  ", "00000007  ", "00000008  ", "00000009  ", "0000000A  ", "0000000B  ", "0000000C  "},
          {"0080980C  "}}},
        {0x809800, 2, {{"00809800  ", "            +1  "}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fin);
        imp.eventos.clear();
        ram0.PrnFin(c.fin);
        MemoriaTipoDatos = c.formato;
        ImprimirEntorno();
        EXPECT_EQ(FilasVolcado(imp, "RAM Bloque 0"), c.filas);
        EXPECT_EQ(Pies(), std::vector<std::string>{"Volcado de Memoria.- 1"});
    }
}

// A dump that ends past the page limit sends the next one to a new page, 1 cm
// below the body top, and the page it leaves gets "Volcado de Memoria".
TEST_F(Informe, ADumpBelowThePageLimitStartsOnTheNextPage) {
    imp.ancho = 10100;  // six words a row
    imp.alto = 7500;    // page limit 5796: the first dump ends at 5932
    SoloSecciones(false, true, false, false, false, false, false);
    gMemoria->TablaAsig(1).PrnOK(false);
    gMemoria->TablaAsig(2).PrnFin(0x809805);
    gMemoria->TablaAsig(3).PrnFin(0x809C00);
    ImprimirEntorno();
    EXPECT_EQ(Pies(), (std::vector<std::string>{"Volcado de Memoria.- 1", "Volcado de Memoria.- 2"}));
    EXPECT_TRUE(Contiene(1, "RAM Bloque 0"));
    EXPECT_TRUE(Contiene(2, "RAM Bloque 1"));
    EXPECT_EQ(YDe("RAM Bloque 1"), 567 + 567 + 567 + 10);
}

TEST_F(Informe, AListingLongerThanAPageContinuesWithItsHeaderOnEveryPage) {
    imp.alto = 6000;  // a body of a few lines
    SoloSecciones(false, false, true, false, false, false, false);
    gFichDSK = prueba::Programa("entorno.dsk");
    ImprimirEntorno();
    ASSERT_GT(Paginas(), 1);
    for (int p = 1; p <= Paginas(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(imp.TextosDePagina(p).back(), "Código Desensamblado.- " + std::to_string(p));
        EXPECT_TRUE(Contiene(p, "Tarvix"));
    }
    // Continued pages start 570 twips below the body top.
    const auto& e = imp.eventos;
    auto primera = std::find_if(e.begin(), e.end(), [](const auto& x) {
        return x.pagina == 2 && x.tipo == Tipo::Texto && x.texto != "Tarvix";
    });
    ASSERT_NE(primera, e.end());
    EXPECT_EQ(primera->y, 567 + 567 + 570);
    EXPECT_NE(std::find(ventana.estados.begin(), ventana.estados.end(), " 52% - Imprimiendo Código Desensamblado"),
              ventana.estados.end());
}

TEST_F(Informe, AListingWrittenInAn8BitEncodingIsPrintedAsUtf8) {
    SoloSecciones(false, false, true, false, false, false, false);
    gFichDSK = (carpeta / "latin1.dsk").string();
    prueba::EscribirTodo(gFichDSK, ">>>> DSK3A C3x\r\n0x00809800 NOCODE     ; c\xe1lculo \x93r\x94\r\n");
    ImprimirEntorno();
    EXPECT_TRUE(Contiene(1, "0x00809800 NOCODE     ; cálculo “r”"));
}

// A listing line hundreds of kilobytes long goes on over as many rows as it
// needs, each broken after its last blank that fits (82 characters across the
// body), and a word wider than the body is cut where the body ends; measuring
// the rows costs a few times the line's length, not its square.
TEST_F(Informe, AVeryLongListingLineIsWrappedRowByRow) {
    SoloSecciones(false, false, true, false, false, false, false);
    const int palabras = 20003;  // 10 characters each (11 bytes): 8 to a row
    std::string linea;
    std::vector<std::string> filas;
    for (int i = 0; i < palabras; ++i) {
        char p[16];
        std::snprintf(p, sizeof p, "\xc3\xb1%08d ", i);
        if (i % 8 == 0) filas.emplace_back();
        filas.back() += p;
        linea += p;
    }
    const std::string largo(200, 'x');
    linea += largo;
    filas.insert(filas.end(), {largo.substr(0, 82), largo.substr(82, 82), largo.substr(164)});
    gFichDSK = (carpeta / "largo.dsk").string();
    prueba::EscribirTodo(gFichDSK, ">>>> DSK3A C3x\r\n" + linea + "\r\n");
    imp.caracteresMedidos = 0;
    ImprimirEntorno();

    std::vector<std::string> impresas;
    bool dentro = false;
    for (const auto& e : imp.eventos) {
        if (e.tipo != Tipo::Texto || CabeceraOPie(e.texto)) continue;
        if (dentro) impresas.push_back(e.texto);
        dentro = dentro || e.texto == ">>>> DSK3A C3x";
    }
    ASSERT_EQ(impresas.size(), filas.size());
    for (size_t i = 0; i < filas.size(); ++i) ASSERT_EQ(impresas[i], filas[i]) << "row " << i;
    EXPECT_EQ(FueraDelCuerpo(), std::vector<std::string>{});
    EXPECT_LT(imp.caracteresMedidos, 32 * linea.size());
}

// Big fonts, long sections, pages of several sizes: every row is printed, and
// inside the body of its page.
TEST_F(Informe, EveryRowLiesInsideTheBodyOfItsPage) {
    struct Caso {
        const char* nombre;
        float puntos;
        double ancho, alto;
        std::function<std::vector<std::string>()> preparar;  // the rows to find
    };
    const auto muchasFilas = [this] {
        std::vector<std::string> filas;
        for (int i = 0; i < 60; ++i) {
            const std::string n = std::to_string(100 + i);
            gTablaRef->Add("ref" + n, i, 1, 1);
            gTablaSect->Add("sec" + n, i, i, 1);
            gMarcasRupt->Add(0, 0x809800 + i, 0, i, 0, "mar" + n);
            gPuntosRupt->Add(0x809800 + i, "pun" + n);
            for (const char* p : {"ref", "sec", "mar", "pun"}) filas.push_back(p + n);
        }
        return filas;
    };
    const std::vector<std::string> registros = {"PC      ", "DP      ", "R0      ", "R7      ", "AR0     ",
                                                "AR7     ", "IR1     ", "RE      ", "SP      ", "ST      "};
    const Caso casos[] = {
        {"registers at 16 pt on an A4 page", 16, 20000, 16838,
         [&] {
             SoloSecciones(true, false, false, false, false, false, false);
             return registros;
         }},
        {"every section at 10 pt with long tables", 10, 11000, 15000,
         [&] {
             auto filas = muchasFilas();
             filas.insert(filas.end(), registros.begin(), registros.end());
             return filas;
         }},
        {"the tables at 24 pt, with bands of 15 mm", 24, 40000, 16838,
         [&] {
             SoloSecciones(false, false, false, true, true, true, true);
             MgCab = MgPie = 15;
             return muchasFilas();
         }},
        {"the listing at 16 pt", 16, 11906, 16838,
         [&] {
             SoloSecciones(false, false, true, false, false, false, false);
             return std::vector<std::string>{"LDI     @dato,R0        ; reference: load the word of the data section"};
         }},
        {"a float dump at 20 pt", 20, 30000, 16838,
         [&] {
             SoloSecciones(false, true, false, false, false, false, false);
             MemoriaTipoDatos = 3;
             gMemoria->TablaAsig(1).PrnOK(false);
             gMemoria->TablaAsig(3).PrnOK(false);
             gMemoria->TablaAsig(2).PrnFin(0x809800 + 199);
             for (int32_t i = 0; i < 200; ++i) gMemoria->Escribe(0x809800 + i, 0x7F7FFFFF - i);
             return std::vector<std::string>{"00809800  ", FormatearValor(0x7F7FFFFF - 199, 3)};
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CrearObjetosPrograma();
        EstadoPequeno();
        SoloSecciones(true, true, true, true, true, true, true);
        imp.eventos.clear();
        ventana.estados.clear();
        imp.puntos = c.puntos;
        imp.ancho = c.ancho;
        imp.alto = c.alto;
        const auto filas = c.preparar();
        ImprimirEntorno();
        EXPECT_TRUE(cuadros.mostrados.empty());
        EXPECT_EQ(FueraDelCuerpo(), std::vector<std::string>{});
        const std::string cuerpo = TextoDelCuerpo();
        for (const auto& f : filas) EXPECT_NE(cuerpo.find(f), std::string::npos) << f;
        ASSERT_FALSE(ventana.estados.empty());
        EXPECT_EQ(ventana.estados.back(), "Documento imprimido");
    }
}

// A font with which a row of the report does not fit across the body is
// refused before anything is printed.
TEST_F(Informe, AFontTooWideForItsRowsIsRefusedBeforePrinting) {
    struct Caso {
        const char* nombre;
        float puntos;
        bool registros, memoria, dasm;
    };
    const Caso casos[] = {
        {"register rows at 16 pt", 16, true, false, false},
        {"the memory map at 14 pt", 14, false, true, false},
        {"the listing's title at 144 pt", 144, false, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        EstadoPequeno();
        SoloSecciones(c.registros, c.memoria, c.dasm, false, false, false, false);
        imp.puntos = c.puntos;
        cuadros.mostrados.clear();
        ventana.estados.clear();
        ImprimirEntorno();
        EXPECT_FALSE(imp.TrabajoIniciado());
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        EXPECT_EQ(cuadros.mostrados[0].titulo, "Imprimir Entorno");
        EXPECT_EQ(cuadros.mostrados[0].icono, plataforma::Icono::Exclamacion);
        EXPECT_NE(cuadros.mostrados[0].texto.find("fuente"), std::string::npos) << cuadros.mostrados[0].texto;
        EXPECT_TRUE(ventana.estados.empty());
    }
}

// Where the header's and footer's texts of one printed report lie against its
// bands, its rules and the page; one line per text out of place.
std::vector<std::string> CabeceraYPieFueraDeSitio(const ImpresoraFalsa& imp, const std::function<bool(const std::string&)>& esCabeceraOPie) {
    const auto twips = [](int16_t mm) { return std::nearbyint(mm * 56.7); };
    const double sup = twips(MgSup), cab = twips(MgCab), inf = twips(MgInf), pie = twips(MgPie);
    const double h = imp.AltoLinea();
    std::vector<std::string> fuera;
    for (const auto& e : imp.eventos) {
        if (e.tipo != Tipo::Texto || !esCabeceraOPie(e.texto)) continue;
        const double x2 = e.x + imp.TextWidth(e.texto), y2 = e.y + h;
        const bool titulo = e.texto == "Tarvix", piePagina = e.y > imp.alto / 2;
        bool bien = e.x >= 0 && x2 <= imp.ancho && e.y >= 0 && y2 <= imp.alto;
        if (titulo) bien = bien && e.y >= sup && y2 <= sup + cab;
        else if (piePagina) bien = bien && e.y >= imp.alto - inf - pie && y2 <= imp.alto - inf;
        else bien = bien && e.y >= sup + cab;  // the information line, under the header band
        for (const auto& r : imp.eventos)
            if (r.tipo == Tipo::Linea && r.pagina == e.pagina && r.y >= e.y && r.y <= y2 && r.x < x2 && r.x2 > e.x)
                bien = false;
        if (!bien)
            fuera.push_back("page " + std::to_string(e.pagina) + " at " + std::to_string(e.x) + ", " +
                            std::to_string(e.y) + ": " + e.texto);
    }
    return fuera;
}

// The header's title stands inside the header band and the footer's texts in
// the footer band, clear of every rule and inside the page, at every font
// size the options allow; bands too narrow for the font refuse the report
// before it prints, as a font too wide for the body does.
TEST_F(Informe, HeaderAndFooterTextsStayInsideTheirBandsOrTheReportIsRefused) {
    struct Margenes {
        int16_t sup, inf, cab, pie;
    };
    const Margenes margenes[] = {{10, 10, 10, 10}, {0, 0, 0, 0}, {10, 0, 10, 0}, {0, 0, 5, 5},
                                 {5, 5, 20, 20}, {20, 20, 40, 40}, {0, 30, 60, 60}};
    const float puntos[] = {4, 6, 8, 10, 12, 16, 20, 24, 36, 48, 72, 96, 144};
    int impresos = 0, rechazados = 0;
    for (const Margenes& m : margenes) {
        for (float p : puntos) {
            SCOPED_TRACE(testing::Message() << p << " pt, margins " << m.sup << "/" << m.inf << ", bands " << m.cab
                                            << "/" << m.pie);
            EstadoPequeno();
            gFichDSK = "a.dsk";
            SoloSecciones(false, false, false, false, false, false, true);
            MgSup = m.sup, MgInf = m.inf, MgCab = m.cab, MgPie = m.pie;
            imp.ancho = 60000;  // wide enough for every row even at 144 pt
            imp.alto = 40000;
            imp.puntos = p;
            imp.eventos.clear();
            cuadros.mostrados.clear();
            ImprimirEntorno();
            if (!imp.TrabajoIniciado()) {
                ++rechazados;
                ASSERT_EQ(cuadros.mostrados.size(), 1u);
                EXPECT_EQ(cuadros.mostrados[0].titulo, "Imprimir Entorno");
                EXPECT_NE(cuadros.mostrados[0].texto.find("fuente"), std::string::npos);
                continue;
            }
            ++impresos;
            EXPECT_TRUE(cuadros.mostrados.empty());
            EXPECT_TRUE(Contiene(1, "Tarvix"));
            EXPECT_TRUE(Contiene(1, "Lista de Puntos de Ruptura.- 1"));
            EXPECT_EQ(CabeceraYPieFueraDeSitio(imp, [this](const std::string& t) { return CabeceraOPie(t); }),
                      std::vector<std::string>{});
        }
    }
    EXPECT_GT(impresos, 0);
    EXPECT_GT(rechazados, 0);

    // At 16 pt with bands of 1 cm the report prints; with no footer band nor
    // bottom margin it is refused, with a box that names the bands.
    struct Caso {
        float puntos;
        Margenes m;
        bool imprime;
    };
    const Caso casos[] = {{16, {10, 10, 10, 10}, true}, {10, {10, 10, 10, 10}, true}, {10, {10, 0, 10, 0}, false},
                          {10, {0, 10, 5, 5}, true},   {12, {0, 10, 5, 5}, false}, {4, {10, 10, 10, 0}, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.puntos);
        EstadoPequeno();
        SoloSecciones(false, false, false, false, false, false, true);
        MgSup = c.m.sup, MgInf = c.m.inf, MgCab = c.m.cab, MgPie = c.m.pie;
        imp.ancho = 11000;
        imp.alto = 15000;
        imp.puntos = c.puntos;
        imp.eventos.clear();
        cuadros.mostrados.clear();
        ImprimirEntorno();
        EXPECT_EQ(imp.TrabajoIniciado(), c.imprime);
        if (c.imprime) continue;
        ASSERT_EQ(cuadros.mostrados.size(), 1u);
        EXPECT_NE(cuadros.mostrados[0].texto.find("pie de página"), std::string::npos) << cuadros.mostrados[0].texto;
    }
}

TEST_F(Informe, MarginsThatLeaveNoBodyAreRefusedBeforePrinting) {
    EstadoPequeno();
    MgSup = 200;
    ImprimirEntorno();
    EXPECT_FALSE(imp.TrabajoIniciado());
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].titulo, "Imprimir Entorno");
    EXPECT_EQ(cuadros.mostrados[0].icono, plataforma::Icono::Exclamacion);
    EXPECT_TRUE(ventana.estados.empty());
}

TEST_F(Informe, ACancelledOrFailedJobIsToldAndNotReportedAsPrinted) {
    EstadoPequeno();
    imp.estado = plataforma::EstadoImpresion::Cancelado;
    ImprimirEntorno();
    EXPECT_TRUE(cuadros.mostrados.empty());
    EXPECT_EQ(ventana.estados.back(), "Impresión cancelada");

    imp.estado = plataforma::EstadoImpresion::Fallo;
    imp.descripcionError = "No se puede escribir el fichero /x.pdf";
    ImprimirEntorno();
    ASSERT_EQ(cuadros.mostrados.size(), 1u);
    EXPECT_EQ(cuadros.mostrados[0].texto, "No se ha podido imprimir el documento: No se puede escribir el fichero /x.pdf");
    EXPECT_EQ(std::count(ventana.estados.begin(), ventana.estados.end(), "Documento imprimido"), 0);
}

}  // namespace
