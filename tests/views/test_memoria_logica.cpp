// The memory window's logic on the grid state: geometry in the five formats,
// the visible rows, the stack-pointer and access emphases, editing, search,
// identifiers and watch marks.
#include <QtTest>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "fakes/CuadrosFalsos.h"
#include "views/LogicaMemoria.h"

namespace {

using L = LogicaMemoria;
constexpr int32_t kRam0 = 0x809800;

// Every region: vectors, RAM block 0, RAM block 1, ROM, peripherals.
constexpr int32_t kMapaCompleto = 1 | 4 | 8 | 16;
enum Region { kVectores = 0, kRam0Idx = 1, kRam1 = 2, kRom = 3, kPerifericos = 4 };

// A memory window as just loaded: 8 hexadecimal columns, 10 rows of room.
struct Ventana {
    L v;
    int pitidos = 0;
    std::vector<int32_t> dialogos;
    explicit Ventana(int32_t anchoGrid = 9500) {
        v.Grid().FilasVisibles(10);
        v.AnchoGrid(anchoGrid);
        v.pitido = [this] { ++pitidos; };
        v.dialogoMarca = [this](int32_t a) { dialogos.push_back(a); };
        v.Cargar();
    }
    const EstadoGrid& g() const { return v.Grid(); }
    // Row and column of an address's cell.
    std::pair<int32_t, int32_t> Pos(int32_t a) const {
        const int32_t d = a - v.InicioRegion(), n = v.ColumnasDatos();
        return {d / n, d % n + 1};
    }
    std::string T(int32_t a) const { return g().Texto(Pos(a).first, Pos(a).second); }
    uint8_t Atr(int32_t a) const { return g().Atributos(Pos(a).first, Pos(a).second); }
    uint32_t Fondo(int32_t a) const { return g().ColorFondo(Pos(a).first, Pos(a).second); }
    uint32_t Frente(int32_t a) const { return g().ColorTexto(Pos(a).first, Pos(a).second); }
    // Makes the cell of a current as a click does.
    void Pulsar(int32_t a) {
        v.Grid().Fila(Pos(a).first);
        v.Grid().Columna(Pos(a).second);
        v.CeldaCambiada();
    }
};

void Mapa(int32_t config) {
    ConfigMem = config;
    CrearObjetosPrograma();
}

}  // namespace

class TestLogicaMemoria : public QObject {
    Q_OBJECT
private slots:
    // RAM blocks 0 and 1: the window opens on block 0.
    void init() { Mapa(6); }

    void columnsFollowTheFormat_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<int>("anchoGrid");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<int>("anchoDatos");
        QTest::newRow("hex") << 0 << 9500 << 9 << 1000;
        QTest::newRow("sin signo") << 1 << 9500 << 6 << 1400;
        QTest::newRow("con signo") << 2 << 9500 << 6 << 1400;
        QTest::newRow("TMS") << 3 << 9500 << 6 << 1600;
        QTest::newRow("IEEE") << 4 << 9500 << 6 << 1600;
        // Too narrow for one data column: one is kept all the same.
        QTest::newRow("estrecha") << 0 << 1500 << 2 << 1000;
    }
    void columnsFollowTheFormat() {
        QFETCH(int, formato);
        QFETCH(int, anchoGrid);
        Ventana w(anchoGrid);
        w.v.ElegirTipoDatos(int16_t(formato));
        QTEST(w.g().Columnas(), "columnas");
        // The address column keeps its own width; what is left stays blank.
        QCOMPARE(w.g().AnchoColumna(0), LogicaMemoria::kAnchoDireccion);
        QTEST(w.g().AnchoColumna(1), "anchoDatos");
        QCOMPARE(w.g().Filas(), (0x3FF / (w.g().Columnas() - 1)) + 1);
    }

    // A reset with another memory map in the settings: the list follows it.
    void rebuildFollowsANewMemoryMap() {
        Ventana w;
        w.v.ElegirRegion(1);   // "RAM Bloque 1"
        gMemoria->Inicializar(kMapaCompleto);
        w.v.Refrescar();
        QCOMPARE(w.v.Regiones().size(), size_t(5));
        QCOMPARE(w.v.Regiones()[size_t(w.v.RegionActual())].texto, std::string("RAM Bloque 1"));
        QCOMPARE(w.v.InicioRegion(), 0x809C00);
        gMemoria->Inicializar(0);
        w.v.Refrescar();
        QCOMPARE(w.v.Regiones().size(), size_t(1));
        QCOMPARE(w.v.RegionActual(), 0);
        QCOMPARE(w.v.InicioRegion(), kRam0);
        QCOMPARE(w.g().Filas(), 0x3FF / 8 + 1);
    }

    void peripheralsShowTheirLastRowWithUnmappedCells() {
        Mapa(kMapaCompleto);
        Ventana w;
        w.v.ElegirRegion(kPerifericos);
        QCOMPARE(w.g().Filas(), 13);
        w.v.Grid().FilaSuperior(12);
        w.v.RefrescarCuadro();
        QCOMPARE(w.g().Texto(12, 0), std::string("808060 "));
        QCOMPARE(w.T(0x808064), std::string("00000000"));
        QCOMPARE(w.T(0x808065), std::string("--------"));
        QCOMPARE(w.T(0x808067), std::string("--------"));
        QCOMPARE(w.v.ColorRegion(), gMemoria->TablaAsig(5).Color());
    }

    void onlyVisibleRowsAreFilledAndScrollFillsMore() {
        Mapa(kMapaCompleto);
        Ventana w;
        w.v.ElegirRegion(kRom);
        gMemoria->Escribe(0x320, 0x1234);
        w.v.RefrescarCuadro();
        QCOMPARE(w.g().Texto(10, 0), std::string("000050 "));   // the row cut by the bottom edge
        QCOMPARE(w.g().Texto(11, 0), std::string());
        w.v.Grid().FilaSuperior(100);
        w.v.RefrescarCuadro();
        QCOMPARE(w.g().Texto(100, 0), std::string("000320 "));
        QCOMPARE(w.T(0x320), std::string("00001234"));
        // At the end the row above the top row shows cut by the top edge: it is filled too.
        w.v.Grid().FilaSuperior(1000);
        w.v.RefrescarCuadro();
        QCOMPARE(w.g().FilaSuperior(), 512 - 10);
        QCOMPARE(w.g().Texto(501, 0), std::string("000FA8 "));
        QCOMPARE(w.g().Texto(511, 0), std::string("000FF8 "));
    }

    void formatsOfTheCells_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<int>("palabra");
        QTest::addColumn<QString>("texto");
        QTest::newRow("hex") << 0 << -5 << "FFFFFFFB";
        QTest::newRow("sin signo") << 1 << -5 << " 4294967291";
        QTest::newRow("con signo") << 2 << -5 << "-5";
        QTest::newRow("TMS 1.0") << 3 << 0x00000000 << "+1.000000e+00";
        QTest::newRow("IEEE 1.0") << 4 << 0x7F000000 << "+1.000000e+00";
        QTest::newRow("IEEE Inf") << 4 << int(0xFF000000) << "Inf.";
    }
    void formatsOfTheCells() {
        QFETCH(int, formato);
        QFETCH(int, palabra);
        Ventana w;
        gMemoria->Escribe(kRam0 + 3, palabra);
        w.v.ElegirTipoDatos(int16_t(formato));
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(w.T(kRam0 + 3)), texto);
    }

    void formatChangeKeepsTheCurrentAddress() {
        Ventana w;
        w.Pulsar(kRam0 + 21);
        w.v.ElegirTipoDatos(3);
        QCOMPARE(w.v.DireccionActual(), kRam0 + 21);
        QCOMPARE(w.v.Panel(2), std::string("809815"));
        w.v.AnchoGrid(20000);
        w.v.Refrescar();
        QCOMPARE(w.v.DireccionActual(), kRam0 + 21);
    }

    void stackPointerEmphasisStaysUntilRebuilt() {
        Ventana w;
        gRegistros->SP(kRam0 + 4);
        w.v.RefrescarCuadro();
        QCOMPARE(w.v.DireccionActual(), kRam0 + 4);
        gRegistros->SP(kRam0 + 5);
        w.v.RefrescarCuadro();
        QVERIFY(w.Atr(kRam0 + 4) & L::kEnfasisSP);
        QVERIFY(w.Atr(kRam0 + 5) & L::kEnfasisSP);
        QVERIFY(!(w.Atr(kRam0 + 5) & L::kEnfasisAcceso));
        w.v.Refrescar();
        QCOMPARE(w.Atr(kRam0 + 4), uint8_t(0));
        QVERIFY(w.Atr(kRam0 + 5) & L::kEnfasisSP);
        // Below the last visible row nothing is marked.
        gRegistros->SP(kRam0 + 0x300);
        w.Pulsar(kRam0);
        w.v.RefrescarCuadro();
        QCOMPARE(w.v.DireccionActual(), kRam0);
    }

    void accessEmphasisMovesWithEachCycle() {
        Ventana w;
        gMemoria->Access_Clear();
        gMemoria->EscribeDatoDSP(Valor::Entero(9), kRam0 + 10, false);
        gMemoria->EscribeDatoDSP(Valor::Entero(9), kRam0 + 12, false);
        w.v.RefrescarCuadro();
        QVERIFY(w.Atr(kRam0 + 10) & L::kEnfasisAcceso);
        QCOMPARE(w.v.DireccionActual(), kRam0 + 12);   // the last one marked
        QCOMPARE(w.v.Panel(2), std::string("80980C"));
        QCOMPARE(w.T(kRam0 + 12), std::string("00000009"));
        gMemoria->Access_Clear();
        Valor leido;
        gMemoria->LeeDatoDSP(leido, kRam0 + 11, false);
        w.v.RefrescarCuadro();
        QCOMPARE(w.Atr(kRam0 + 10), uint8_t(0));
        QCOMPARE(w.Atr(kRam0 + 12), uint8_t(0));
        QVERIFY(w.Atr(kRam0 + 11) & L::kEnfasisAcceso);
        QCOMPARE(w.v.Accesos(), (std::vector<int32_t>{0, kRam0 + 11}));
    }

    void addressZeroIsNeverMarked() {
        Mapa(kMapaCompleto);
        Ventana w;
        w.v.ElegirRegion(kVectores);
        w.Pulsar(5);
        gRegistros->SP(0);
        gMemoria->Access_Clear();
        gMemoria->EscribeDatoDSP(Valor::Entero(1), 0, false);
        w.v.RefrescarCuadro();
        QCOMPARE(w.Atr(0), uint8_t(0));
        QCOMPARE(w.v.DireccionActual(), 5);
    }

    void editingACell_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QStringList>("respuestas");   // "<cancel>" stands for Cancel
        QTest::addColumn<int>("palabra");
        QTest::addColumn<int>("pitidos");
        QTest::newRow("hex") << 0 << QStringList{"1A"} << 0x1A << 0;
        QTest::newRow("con signo") << 2 << QStringList{"-5"} << -5 << 0;
        QTest::newRow("mala y luego buena") << 2 << QStringList{"abc", "7"} << 7 << 1;
        // The unsigned parser takes a leading number: the whole text must be one.
        QTest::newRow("sin signo con cola") << 1 << QStringList{"12abc", "<cancel>"} << 0x40 << 1;
        QTest::newRow("cancelar") << 0 << QStringList{"<cancel>"} << 0x40 << 0;
        QTest::newRow("vacia") << 0 << QStringList{""} << 0x40 << 0;
    }
    void editingACell() {
        QFETCH(int, formato);
        QFETCH(QStringList, respuestas);
        prueba::CuadrosFalsos cuadros;
        for (const QString& r : respuestas)
            cuadros.textos.push_back(r == "<cancel>" ? std::nullopt : std::optional(r.toStdString()));
        Ventana w;
        gMemoria->Escribe(kRam0 + 2, 0x40);
        w.v.ElegirTipoDatos(int16_t(formato));
        w.Pulsar(kRam0 + 2);
        w.v.EditarCelda();
        int32_t palabra = 0;
        gMemoria->Lee(palabra, kRam0 + 2);
        QTEST(palabra, "palabra");
        QTEST(w.pitidos, "pitidos");
        const auto& e = cuadros.entradas;
        QCOMPARE(e.size(), size_t(respuestas.size()));
        QCOMPARE(e[0].titulo, std::string("Edición la celda de memoria $00809802"));
        QCOMPARE(e[0].mensaje, "Introduzca el nuevo contenido de la posición de memoria [" +
                                   L::TextosTipoDatos()[size_t(formato)] + "]");
        QCOMPARE(e[0].porDefecto, FormatearValor(0x40, int16_t(formato)));
        QCOMPARE(e[0].contextoAyuda, 1340);
        if (e.size() > 1)
            QCOMPARE(e[1].mensaje, e[0].mensaje + "\r\r<" + respuestas[0].toStdString() +
                                       "> no es un representación numérica valida");
        if (palabra != 0x40) QCOMPARE(w.T(kRam0 + 2), FormatearValor(palabra, int16_t(formato)));
    }

    void acceptingAFloatTextUnchangedKeepsTheWord() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        const int32_t casiUno = 0x00000001;   // 1.0000001: its text rounds to 1.000000
        gMemoria->Escribe(kRam0, casiUno);
        w.v.ElegirTipoDatos(3);
        w.Pulsar(kRam0);
        cuadros.textos.push_back(w.T(kRam0));
        w.v.EditarCelda();
        int32_t palabra = 0;
        gMemoria->Lee(palabra, kRam0);
        QCOMPARE(palabra, casiUno);
    }

    void editingAnUnmappedCellCanBeLeft() {
        prueba::CuadrosFalsos cuadros;
        Mapa(kMapaCompleto);
        Ventana w;
        w.v.ElegirRegion(kPerifericos);
        w.Pulsar(0x808066);
        cuadros.textos.push_back(std::nullopt);
        w.v.EditarCelda();
        QCOMPARE(cuadros.entradas.size(), size_t(1));
        QCOMPARE(cuadros.entradas[0].porDefecto, std::string("--------"));
    }

    void searchingAskedAddresses_data() {
        QTest::addColumn<QStringList>("respuestas");
        QTest::addColumn<int>("direccion");   // written back; 0 unchanged
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("preguntas");
        QTest::newRow("hex") << QStringList{"809C05"} << 0x809C05 << int(kRam1) << 1;
        QTest::newRow("un numero gana") << QStringList{"ff"} << 0xFF << int(kRom) << 1;
        QTest::newRow("identificador sin mayusculas") << QStringList{"bucle"} << 0x809810 << int(kRam0Idx) << 1;
        QTest::newRow("no valida y luego buena") << QStringList{"zz!", "809800"} << kRam0 << int(kRam0Idx) << 2;
        QTest::newRow("vacia") << QStringList{""} << 0 << int(kVectores) << 1;
        QTest::newRow("vectores y ROM: la ultima") << QStringList{"3F"} << 0x3F << int(kRom) << 1;
    }
    void searchingAskedAddresses() {
        QFETCH(QStringList, respuestas);
        QFETCH(int, direccion);
        prueba::CuadrosFalsos cuadros;
        for (const QString& r : respuestas) cuadros.textos.push_back(r.toStdString());
        Mapa(kMapaCompleto);
        gTablaRef->Add("ff", 0x809900, 0, 2);
        gTablaRef->Add("BUCLE", 0x809810, 0, 1);
        Ventana w;
        int32_t dir = 0;
        w.v.BuscarCelda(dir);
        QCOMPARE(dir, direccion);
        QTEST(int(w.v.RegionActual()), "region");
        QTEST(int(cuadros.entradas.size()), "preguntas");
        QCOMPARE(cuadros.entradas[0].titulo, std::string("Buscar celda de memoria..."));
        QCOMPARE(cuadros.entradas[0].contextoAyuda, 1330);
        if (cuadros.entradas.size() > 1)
            QVERIFY(cuadros.entradas[1].mensaje.ends_with("\r\r<zz!> no es una entrada valida."));
        if (direccion != 0) {
            QCOMPARE(w.v.DireccionActual(), direccion);
            QVERIFY(w.g().FilaVisible(w.g().Fila()));
        }
        QVERIFY(cuadros.mostrados.empty());
    }

    void searchingFarDownFillsTheRowsBroughtIntoView() {
        Mapa(kMapaCompleto);
        Ventana w;
        gMemoria->Escribe(0xF00, 0x77);
        gRegistros->SP(0x10);
        int32_t dir = 0xF00;
        w.v.BuscarCelda(dir);
        QCOMPARE(w.v.RegionActual(), int32_t(kRom));
        QCOMPARE(w.g().FilaSuperior(), 0xF00 / 8);
        QCOMPARE(w.T(0xF00), std::string("00000077"));
        QCOMPARE(w.v.DireccionActual(), 0xF00);
    }

    void searchingAnAddressNoRegionHolds() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        w.Pulsar(kRam0 + 3);
        int32_t dir = 0x700000;
        w.v.BuscarCelda(dir);
        cuadros.textos.push_back("700000");
        int32_t cero = 0;
        w.v.BuscarCelda(cero);
        QCOMPARE(cuadros.mostrados.size(), size_t(2));
        QCOMPARE(cuadros.mostrados[0].texto, std::string("La celda de memoria $00700000 no es una posición valida"));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string());
        QCOMPARE(cuadros.mostrados[1].titulo, std::string("Buscar celda de memoria..."));
        QVERIFY(cuadros.mostrados[0].icono == plataforma::Icono::Exclamacion);
        QVERIFY(!cuadros.mostrados[0].botonAyuda);
        QCOMPARE(w.v.DireccionActual(), kRam0 + 3);
    }

    void showingCellZeroDoesNotAsk() {
        prueba::CuadrosFalsos cuadros;
        Mapa(kMapaCompleto);
        Ventana w;
        w.v.ElegirRegion(kRam0Idx);
        w.v.MostrarCelda(0);
        QVERIFY(cuadros.entradas.empty());
        QCOMPARE(w.v.RegionActual(), int32_t(kRom));   // the last region that holds it
        QCOMPARE(w.v.DireccionActual(), 0);
    }

    void identifiers() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        w.Pulsar(kRam0 + 9);
        cuadros.textos = {"Loop"};
        w.v.EstablecerIdentificador();
        w.Pulsar(kRam0 + 10);
        cuadros.textos = {"Loop", "LOOP"};
        w.v.EstablecerIdentificador();
        w.Pulsar(kRam0 + 11);
        cuadros.textos = {""};
        w.v.EstablecerIdentificador();
        QCOMPARE(gTablaRef->count(), 2);
        QCOMPARE(gTablaRef->Item(2).Identificador(), std::string("LOOP"));
        QCOMPARE(gTablaRef->Item(2).Contenido(), kRam0 + 10);
        QCOMPARE(gTablaRef->Item(2).Tipo(), int16_t(0));
        QCOMPARE(gTablaRef->Item(2).Dir_able(), int16_t(2));
        QCOMPARE(w.Frente(kRam0 + 10), L::kTextoIdentificador);
        QCOMPARE(w.Frente(kRam0 + 11), EstadoGrid::kColorDefecto);
        const auto& e = cuadros.entradas;
        QCOMPARE(e[1].titulo, std::string("Establecer identificador - Celda $0080980A"));
        QCOMPARE(e[2].mensaje, "Introduzca el nuevo identificador para la posición de memoria $0080980A.\r\r"
                               "El identificador <Loop> ya existe.");
        QCOMPARE(e[1].contextoAyuda, 6200);
        w.Pulsar(kRam0 + 9);
        QCOMPARE(w.v.Panel(4), std::string("Loop"));
    }

    void rebuildColoursMarksAndIdentifiers() {
        gMarcasRupt->Add(0, kRam0 + 1, 0, 0, 0, "M1");
        gMarcasRupt->Add(0, 0x809C00, 0, 0, 0, "fuera");
        gTablaRef->Add("etiqueta", kRam0 + 2, 0, 1);
        gTablaRef->Add("constante", kRam0 + 3, 0, 0);
        Ventana w;
        QCOMPARE(w.Fondo(kRam0 + 1), L::kFondoMarca);
        QCOMPARE(w.Frente(kRam0 + 2), L::kTextoIdentificador);
        QCOMPARE(w.Frente(kRam0 + 3), EstadoGrid::kColorDefecto);
        QCOMPARE(w.v.DireccionActual(), kRam0);   // the rebuild keeps the current cell
        w.Pulsar(kRam0 + 1);
        QCOMPARE(w.v.Panel(6), std::string("M1"));
        QCOMPARE(w.v.Panel(4), std::string());
    }

    void togglingAWatchMark() {
        // The removal box is shown while the mark still exists.
        struct Cuadros final : plataforma::IServicioCuadros {
            std::vector<int32_t> marcasAlMostrar;
            std::vector<plataforma::Cuadro> mostrados;
            Cuadros() { plataforma::EstablecerCuadros(this); }
            ~Cuadros() override { plataforma::EstablecerCuadros(nullptr); }
            plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
                mostrados.push_back(c);
                marcasAlMostrar.push_back(gMarcasRupt->count());
                return plataforma::Respuesta::Aceptar;
            }
            std::optional<std::string> InputBox(const plataforma::CuadroEntrada&) override { return {}; }
        } cuadros;
        Ventana w;
        w.Pulsar(kRam0 + 6);
        w.v.AlternarMarca();   // the dialog is cancelled
        QCOMPARE(w.dialogos, std::vector<int32_t>{kRam0 + 6});
        QCOMPARE(w.Fondo(kRam0 + 6), EstadoGrid::kColorDefecto);
        w.v.dialogoMarca = [](int32_t a) { gMarcasRupt->Add(0, a, 2, 5, 0, "Marca00"); };
        w.v.AlternarMarca();
        QCOMPARE(w.Fondo(kRam0 + 6), L::kFondoMarca);
        QCOMPARE(w.v.Panel(6), std::string("Marca00"));
        w.v.AlternarMarca();
        QCOMPARE(gMarcasRupt->count(), 0);
        QCOMPARE(cuadros.marcasAlMostrar, std::vector<int32_t>{1});
        QCOMPARE(cuadros.mostrados[0].texto,
                 std::string("La marca de ruptura de la celda $00809806 ha sido eliminada."));
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Marcas de Ruptura"));
        QCOMPARE(cuadros.mostrados[0].contextoAyuda, 11020);
        QVERIFY(cuadros.mostrados[0].botonAyuda);
        QCOMPARE(w.Fondo(kRam0 + 6), EstadoGrid::kColorDefecto);
        QCOMPARE(w.v.Panel(6), std::string());
    }

    void removingOneOfTwoMarksOnAWordKeepsTheColour() {
        prueba::CuadrosFalsos cuadros;
        gMarcasRupt->Add(0, kRam0 + 6, 0, 1, 0, "A");
        gMarcasRupt->Add(0, kRam0 + 6, 0, 2, 0, "B");
        Ventana w;
        w.Pulsar(kRam0 + 6);
        w.v.AlternarMarca();
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(w.Fondo(kRam0 + 6), L::kFondoMarca);
    }

    void removingAllWatchMarks() {
        prueba::CuadrosFalsos cuadros;
        gMarcasRupt->Add(0, kRam0 + 1, 0, 0, 0, "M1");
        Ventana w;
        w.v.QuitarMarcas();
        QCOMPARE(gMarcasRupt->count(), 0);
        QCOMPARE(gMarcasRupt->IdentGenIndex(), 0);
        QCOMPARE(w.Fondo(kRam0 + 1), EstadoGrid::kColorDefecto);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(cuadros.mostrados[0].texto, std::string("Han sido eliminadas todas las Marcas de Ruptura"));
        QCOMPARE(cuadros.mostrados[0].contextoAyuda, 11030);
    }
};

QTEST_MAIN(TestLogicaMemoria)
#include "test_memoria_logica.moc"
