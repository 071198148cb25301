// The listing window's logic on the grid state: the three views, the program
// counter, breakpoints, stage icons and the cursor readers.
#include <QtTest>

#include "fakes/CuadrosFalsos.h"
#include "views/FixtureListado.h"
#include "views/LogicaDASM.h"

namespace {

constexpr uint32_t kAmarillo = LogicaDASM::kFondoPC, kMarron = LogicaDASM::kFondoRupt;

// A listing window as just loaded, with room for 20 rows.
struct Ventana {
    LogicaDASM v;
    explicit Ventana(int16_t tipo = LogicaDASM::kFichero, int32_t entrada = 0) {
        v.Grid().FilasVisibles(20);
        v.ElegirTipo(tipo);
        if (entrada != 0) v.ElegirEntrada(entrada);
    }
    const EstadoGrid& g() const { return v.Grid(); }
    std::string T(int32_t f, int32_t c) const { return g().Texto(f, c); }
};

}  // namespace

class TestLogicaDASM : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture::Cargar(); }

    void rowsOfEachView_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("entrada");
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("memoria");
        QTest::addColumn<QString>("instruccion");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<int>("datoFila");
        // "Fichero": one row per listing line; the no-code line shows only its text.
        QTest::newRow("fichero palabra") << 1 << 0 << 8 << 1 << "00809800" << "08200005" << "start LDI 5,R0" << 1;
        QTest::newRow("fichero sin codigo") << 1 << 0 << 8 << 2 << "" << "" << "; sin codigo" << 2;
        QTest::newRow("fichero fuera de seccion") << 1 << 0 << 8 << 7 << "00809810" << "0C800000" << "fuera NOP" << 7;
        // ".text": three words, rows capped at the section's range.
        QTest::newRow("seccion text") << 0 << 0 << 4 << 2 << "00809801" << "02600001" << "      ADDI 1,R0" << 3;
        QTest::newRow("seccion data") << 0 << 1 << 3 << 2 << "00809C01" << "00000008" << "      .word 8" << 6;
        // "RAM Bloque 0": every word of the region; unlisted ones say so.
        QTest::newRow("memoria listada") << 2 << 1 << 1025 << 17 << "00809810" << "0C800000" << "fuera NOP" << 7;
        QTest::newRow("memoria sin relacion")
            << 2 << 1 << 1025 << 4 << "00809803" << "00000000" << "<Relacion no establecida con el fichero>" << 0;
    }
    void rowsOfEachView() {
        QFETCH(int, tipo);
        QFETCH(int, entrada);
        QFETCH(int, filas);
        QFETCH(int, fila);
        QFETCH(QString, memoria);
        QFETCH(QString, instruccion);
        QFETCH(QString, codigo);
        QFETCH(int, datoFila);
        Ventana w(int16_t(tipo), entrada);
        w.v.Grid().FilaSuperior(fila);
        w.v.RefrescarLineas();
        QCOMPARE(w.g().Filas(), filas);
        QCOMPARE(w.g().DatoFila(fila), datoFila);
        QCOMPARE(QString::fromStdString(w.T(fila, 1)), memoria);
        QCOMPARE(QString::fromStdString(w.T(fila, 2)), instruccion);
        QCOMPARE(QString::fromStdString(w.T(fila, 3)), codigo);
    }

    void selectorEntries() {
        Ventana w(LogicaDASM::kSecciones);
        QCOMPARE(w.v.Entradas().size(), size_t(2));
        QCOMPARE(w.v.Entradas()[1].texto, std::string(".data"));
        QCOMPARE(w.v.Entradas()[1].dato, 2);
        w.v.ElegirTipo(LogicaDASM::kMemoria);
        QCOMPARE(w.v.Entradas().size(), size_t(3));
        QCOMPARE(w.v.Entradas()[0].texto, std::string("Vectores de Interrupcion"));
        // Without sections the selector holds "(Vacio)" and the view no data rows.
        gTablaSect->Clear();
        w.v.ElegirTipo(LogicaDASM::kSecciones);
        QCOMPARE(w.v.Entradas().size(), size_t(1));
        QCOMPARE(w.v.Entradas()[0].texto, std::string("(Vacio)"));
        QCOMPARE(w.g().Filas(), 1);
        w.v.Refrescar();
        QCOMPARE(w.v.FilaPC(), 0);
    }

    void headersAndMessageRows_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("nada cargado") << -1 << "No hay datos de fichero DSK cargados";
        QTest::newRow("errores") << 1 << "Fichero DSK con errores";
        QTest::newRow("avisos") << 2 << "start LDI 5,R0";
        QTest::newRow("errores de memoria") << 3 << "start LDI 5,R0";
    }
    void headersAndMessageRows() {
        QFETCH(int, estado);
        QFETCH(QString, mensaje);
        gEstadoDSK = int16_t(estado);
        Ventana w;
        QCOMPARE(w.T(0, 1), std::string("Memoria"));
        QCOMPARE(w.T(0, 2), std::string("Instrucción"));
        QCOMPARE(w.T(0, 3), std::string("Código Desensamblado (DASM)"));
        QCOMPARE(QString::fromStdString(w.T(1, 3)), mensaje);
        QCOMPARE(w.v.VistaConDatos(), estado != -1 && estado != 1);
        if (!w.v.VistaConDatos()) {
            QCOMPARE(w.g().Filas(), 2);
            // The message row is no listing line: no breakpoint can go there.
            prueba::CuadrosFalsos cuadros;
            w.v.Grid().Fila(1);
            w.v.AlternarPuntoRupt();
            QCOMPARE(gPuntosRupt->count(), 0);
            QCOMPARE(cuadros.mostrados.at(0).texto, std::string("No es posible establecer aqui un punto de ruptura"));
        }
    }

    void changedWordAndWrittenBack() {
        Ventana w;
        gMemoria->Escribe(fixture::kText + 1, 0x12345678);
        w.v.Refrescar();
        QCOMPARE(w.T(3, 2), std::string("12345678"));
        QCOMPARE(w.T(3, 3), std::string("<Posición de memoria modificada>"));
        gMemoria->Escribe(fixture::kText + 1, 0x02600001);
        w.v.Refrescar();
        QCOMPARE(w.T(3, 3), std::string("      ADDI 1,R0"));
    }

    void pcRowFollowsAndSwitchesSection() {
        Ventana w(LogicaDASM::kSecciones);
        QCOMPARE(w.v.FilaPC(), 1);
        QCOMPARE(w.g().ColorFondo(1, 3), kAmarillo);
        gRegistros->PC(fixture::kData + 1);
        w.v.Refrescar();
        QCOMPARE(w.v.EntradaActual(), 1);
        QCOMPARE(w.v.FilaPC(), 2);
        QCOMPARE(w.g().Fila(), 2);
        QCOMPARE(w.g().ColorFondo(2, 0), kAmarillo);
        // An address in no section: no PC row, nothing else moves.
        gRegistros->PC(fixture::kFuera);
        w.v.Refrescar();
        QCOMPARE(w.v.FilaPC(), 0);
        QCOMPARE(w.v.EntradaActual(), 1);
        QCOMPARE(w.g().ColorFondo(2, 0), EstadoGrid::kColorDefecto);
    }

    void pcFarDownScrollsToIt() {
        Ventana w(LogicaDASM::kMemoria, 1);
        gRegistros->PC(fixture::kText + 0x300);
        w.v.Refrescar();
        QCOMPARE(w.v.FilaPC(), 0x301);
        QVERIFY(w.g().FilaVisible(0x301));
        QCOMPARE(w.T(0x301, 1), std::string("00809B00"));
        QCOMPARE(w.T(0x301, 3), std::string("<Relacion no establecida con el fichero>"));
    }

    // A short stated length cuts the view: addresses past it are in no entry.
    void shortSectionEndsItsEntry() {
        fixture::Cargar(1);
        Ventana w(LogicaDASM::kSecciones);
        QCOMPARE(w.g().Filas(), 3);
        gRegistros->PC(fixture::kText + 2);
        w.v.Refrescar();
        QCOMPARE(w.v.FilaPC(), 0);
        int32_t dir = fixture::kText + 2;
        w.v.BuscarCelda(dir);
        QCOMPARE(w.v.EntradaActual(), 0);
        QVERIFY(w.g().Fila() < w.g().Filas());
    }

    void breakpointNameCancelAndRemoval() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        w.v.Grid().Fila(3);
        cuadros.textos.push_back(std::nullopt);   // Cancel
        w.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        QCOMPARE(cuadros.entradas.at(0).porDefecto, std::string("PuntoRuptura00"));
        QCOMPARE(cuadros.entradas.at(0).titulo, std::string("Establecimiento de un Punto de Ruptura - $00809801"));
        QCOMPARE(cuadros.entradas.at(0).contextoAyuda, 4100);
        cuadros.textos.push_back(std::string(""));
        w.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        cuadros.textos.push_back(std::string("bucle"));
        w.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 1);
        QCOMPARE(gPuntosRupt->Item(1).PosMem(), fixture::kText + 1);
        QCOMPARE(gPuntosRupt->Item(1).Identificador(), std::string("bucle"));
        QCOMPARE(w.g().ColorFondo(3, 2), kMarron);
        QCOMPARE(w.g().ColorTexto(3, 2), LogicaDASM::kTextoRupt);
        // The second toggle tells first, then removes.
        w.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        QCOMPARE(cuadros.mostrados.back().texto,
                 std::string("El punto de ruptura de la celda $00809801 ha sido eliminado."));
        QCOMPARE(cuadros.mostrados.back().contextoAyuda, 11050);
        QCOMPARE(w.g().ColorFondo(3, 2), EstadoGrid::kColorDefecto);
        QCOMPARE(w.g().ColSel(), 3);
        // The counter keeps growing for default names.
        w.v.AlternarPuntoRupt();
        QCOMPARE(cuadros.entradas.back().porDefecto, std::string("PuntoRuptura01"));
    }

    void breakpointOnNoCodeRowIsRefused() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        w.v.Grid().Fila(2);
        w.v.AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        QVERIFY(cuadros.entradas.empty());
        QCOMPARE(cuadros.mostrados.at(0).icono, plataforma::Icono::Exclamacion);
        QCOMPARE(cuadros.mostrados.at(0).contextoAyuda, 10050);
    }

    // The PC row is yellow while the PC is there, and a breakpoint set on it
    // shows brown once the PC moves on.
    void rowColourFollowsState() {
        prueba::CuadrosFalsos cuadros;
        Ventana w;
        w.v.Grid().Fila(1);
        cuadros.textos.push_back(std::string("inicio"));
        w.v.AlternarPuntoRupt();
        QCOMPARE(w.g().ColorFondo(1, 0), kAmarillo);
        gRegistros->PC(fixture::kText + 1);
        w.v.Refrescar();
        QCOMPARE(w.g().ColorFondo(1, 0), kMarron);
        QCOMPARE(w.g().ColorFondo(3, 0), kAmarillo);
        // Removing the breakpoint of the PC row leaves it the PC row.
        gRegistros->PC(fixture::kText);
        w.v.Refrescar();
        w.v.Grid().Fila(1);
        w.v.AlternarPuntoRupt();
        QCOMPARE(w.g().ColorFondo(1, 0), kAmarillo);
        gRegistros->PC(fixture::kText + 1);
        w.v.Refrescar();
        QCOMPARE(w.g().ColorFondo(1, 0), EstadoGrid::kColorDefecto);
    }

    void removeAllBreakpoints() {
        prueba::CuadrosFalsos cuadros;
        gPuntosRupt->Add(fixture::kText + 2, "a");
        gPuntosRupt->Add(fixture::kData, "b");
        Ventana w;
        QCOMPARE(w.g().ColorFondo(4, 1), kMarron);
        QCOMPARE(w.g().ColorFondo(5, 1), kMarron);
        w.v.QuitarPuntosRupt();
        QCOMPARE(gPuntosRupt->count(), 0);
        QCOMPARE(w.g().ColorFondo(4, 1), EstadoGrid::kColorDefecto);
        QCOMPARE(cuadros.mostrados.at(0).texto, std::string("Han sido eliminados todos los Puntos de Ruptura"));
        QCOMPARE(cuadros.mostrados.at(0).contextoAyuda, 11060);
    }

    void stageIcons() {
        ModoPPL = 0;
        gPPL->VaciarPPL();
        const int32_t dirs[4] = {fixture::kText + 2, fixture::kText + 1, fixture::kText, fixture::kFuera};
        // How far each stage's record has come, as after a clock cycle.
        const int32_t canales[4] = {canal::kBuscado, canal::kDecodificado, canal::kLeido, canal::kLeido};
        for (int16_t k = 0; k < 4; ++k) {
            gPPL->Unidades(k)->lPosMem = dirs[k];
            gPPL->Unidades(k)->lCanal = canales[k];
        }
        Ventana w(LogicaDASM::kSecciones);
        w.v.Refrescar();
        QCOMPARE(w.g().Imagen(3, 0), int16_t(3));
        QCOMPARE(w.g().Imagen(2, 0), int16_t(4));
        QCOMPARE(w.g().Imagen(1, 0), int16_t(5));
        QCOMPARE(w.v.FilaEtapa(3), 0);   // the execute stage's word lies in no shown row
        // A stage that now holds no valid instruction loses its old icon.
        gPPL->Unidades(0)->lCodigoInstr(-1);
        gPPL->Unidades(1)->lPosMem = fixture::kText + 2;
        w.v.Refrescar();
        QCOMPARE(w.v.FilaEtapa(0), 0);
        QCOMPARE(w.g().Imagen(3, 0), int16_t(4));
        QCOMPARE(w.g().Imagen(2, 0), int16_t(0));
        // Nor does a stage that holds no instruction: a cancelled fetch, one
        // that waited, an emptied stage.
        for (int32_t sinInstruccion : {canal::kCancelado, canal::kEnBusqueda, canal::kNuevo}) {
            gPPL->Unidades(2)->lCanal = sinInstruccion;
            w.v.Refrescar();
            QCOMPARE(w.v.FilaEtapa(2), 0);
            QCOMPARE(w.g().Imagen(1, 0), int16_t(0));
            gPPL->Unidades(2)->lCanal = canal::kLeido;
            w.v.Refrescar();
            QCOMPARE(w.g().Imagen(1, 0), int16_t(5));
        }
        // Without the pipeline no icons are placed.
        ModoPPL = 1;
        Ventana sin(LogicaDASM::kSecciones);
        sin.v.Refrescar();
        for (int32_t f = 1; f < sin.g().Filas(); ++f) QCOMPARE(sin.g().Imagen(f, 0), int16_t(0));
    }

    void cursorReaders_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("posMem");
        QTest::addColumn<int>("codigo");
        QTest::newRow("cabecera") << 0 << -1 << 0;
        QTest::newRow("palabra") << 1 << fixture::kText << 0x08200005;
        QTest::newRow("sin codigo") << 2 << -1 << 0;
    }
    void cursorReaders() {
        QFETCH(int, fila);
        QFETCH(int, posMem);
        QFETCH(int, codigo);
        Ventana w;
        w.v.Grid().Fila(fila);
        QCOMPARE(w.v.PosMemAct(), posMem);
        QCOMPARE(w.v.CodInstr(), codigo);
    }

    void unreadableWordReadsAsZeroCode() {
        gDatosFich->Add(0x500000, 1, "sin memoria");
        Ventana w;
        w.v.Grid().Fila(8);
        w.v.RefrescarLineas();
        QCOMPARE(w.T(8, 2), std::string("-------"));
        QCOMPARE(w.v.CodInstr(), 0);
        QCOMPARE(w.v.PosMemAct(), 0x500000);
    }

    void buscarCeldaSwitchesEntryAndSelectsRow() {
        Ventana w(LogicaDASM::kMemoria);
        int32_t dir = fixture::kText + 0x100;
        w.v.BuscarCelda(dir);
        QCOMPARE(w.v.EntradaActual(), 1);
        QCOMPARE(w.g().Fila(), 0x101);
        QCOMPARE(w.g().FilaSuperior(), 0x100);
        QCOMPARE(w.g().Columna(), 0);
        QCOMPARE(w.g().ColSel(), 3);
        QCOMPARE(w.T(0x101, 1), std::string("00809900"));
        // An address held nowhere leaves the cursor where it is.
        dir = 0x500000;
        w.v.BuscarCelda(dir);
        QCOMPARE(w.g().Fila(), 0x101);
    }

    void inicializarShowsTheFileView() {
        Ventana w(LogicaDASM::kMemoria, 2);
        w.v.Inicializar();
        QCOMPARE(w.v.TipoActual(), int16_t(LogicaDASM::kFichero));
        QCOMPARE(w.g().Filas(), 8);
        gDatosFich->Add(fixture::kText + 2, 0, "otra");
        w.v.Inicializar();
        QCOMPARE(w.g().Filas(), 9);
    }
};

QTEST_MAIN(TestLogicaDASM)
#include "test_logica_dasm.moc"
