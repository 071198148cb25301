// The clipboard text of memory cells: what copy and cut write for a
// selection, and what paste writes back from a text.
#include <QtTest>

#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"
#include "views/LogicaMemoria.h"
#include "views/PortapapelesMemoria.h"

namespace {

constexpr int32_t kRam0 = 0x809800;
const std::string CR = "\r";

// RAM blocks 0 and 1, the window on block 0 with 8 hexadecimal columns.
struct Ventana {
    LogicaMemoria v;
    Ventana() {
        ConfigMem = 6;
        CrearObjetosPrograma();
        v.Grid().FilasVisibles(10);
        v.AnchoGrid(9500);
        v.Cargar();
    }
    // Selects from the cell of address a to the cell of address b.
    void Seleccionar(int32_t a, int32_t b) {
        v.Grid().Fila((a - kRam0) / 8);
        v.Grid().Columna((a - kRam0) % 8 + 1);
        v.Grid().Seleccion((b - kRam0) / 8, (b - kRam0) % 8 + 1);
    }
    std::string T(int32_t a) const { return v.Grid().Texto((a - kRam0) / 8, (a - kRam0) % 8 + 1); }
};

int32_t Palabra(int32_t a) {
    int32_t w = -1;
    gMemoria->Lee(w, a);
    return w;
}

}  // namespace

class TestPortapapelesMemoria : public QObject {
    Q_OBJECT
private slots:
    void copyingSelections_data() {
        QTest::addColumn<int>("desde");
        QTest::addColumn<int>("hasta");
        QTest::addColumn<QString>("texto");
        QTest::newRow("una celda") << kRam0 << kRam0 << "0000000A";
        QTest::newRow("dos celdas") << kRam0 << kRam0 + 1
                                    << "00809800-0000000A\r00809801-FFFFFFFF\r";
        QTest::newRow("al reves") << kRam0 + 1 << kRam0 << "00809800-0000000A\r00809801-FFFFFFFF\r";
        // Columns 2 and 3 of three rows: row by row, with the gaps.
        const QString seis = "00809801-FFFFFFFF\r00809802-00000002\r00809809-00000000\r0080980A-00000000\r"
                             "00809811-00000000\r00809812-00000000\r";
        QTest::newRow("columnas 2-3") << kRam0 + 1 << kRam0 + 18 << seis;
        QTest::newRow("desde abajo a la derecha") << kRam0 + 18 << kRam0 + 1 << seis;
    }
    void copyingSelections() {
        QFETCH(int, desde);
        QFETCH(int, hasta);
        Ventana w;
        gMemoria->Escribe(kRam0, 0x0A);
        gMemoria->Escribe(kRam0 + 1, -1);
        gMemoria->Escribe(kRam0 + 2, 2);
        w.Seleccionar(desde, hasta);
        QFETCH(QString, texto);
        QCOMPARE(QString::fromStdString(w.v.Copiar()), texto);
        QCOMPARE(w.v.DireccionActual(), desde);   // copy moves nothing
    }

    void copyRedrawsNothingAndCutRedrawsTheZeros() {
        Ventana w;
        gMemoria->Escribe(kRam0 + 3, 0x33);
        gMemoria->Escribe(kRam0 + 4, 0x44);
        w.v.RefrescarCuadro();
        w.Seleccionar(kRam0 + 3, kRam0 + 4);
        gMemoria->Escribe(kRam0 + 5, 0x55);
        w.v.Copiar();
        QCOMPARE(w.T(kRam0 + 5), std::string("00000000"));
        QCOMPARE(w.v.Cortar(), "00809803-00000033" + CR + "00809804-00000044" + CR);
        QCOMPARE(Palabra(kRam0 + 3), 0);
        QCOMPARE(Palabra(kRam0 + 4), 0);
        QCOMPARE(w.T(kRam0 + 3), std::string("00000000"));
        QCOMPARE(w.T(kRam0 + 5), std::string("00000055"));
    }

    void pastingACopiedListKeepsTheDistances_data() {
        QTest::addColumn<int>("destino");
        QTest::newRow("en otra parte") << 0x809900;
        QTest::newRow("en su sitio") << kRam0;
        QTest::newRow("en el bloque 1") << 0x809C10;
    }
    void pastingACopiedListKeepsTheDistances() {
        QFETCH(int, destino);
        Ventana w;
        for (int i = 0; i < 4; ++i) gMemoria->Escribe(kRam0 + i, 0x100 + i);
        w.Seleccionar(kRam0, kRam0 + 3);
        const std::string texto = w.v.Copiar();
        for (int i = 0; i < 4; ++i) gMemoria->Escribe(kRam0 + i, 0);
        QVERIFY(portapapeles::Pegar(*gMemoria, texto, destino));
        for (int i = 0; i < 4; ++i) QCOMPARE(Palabra(destino + i), 0x100 + i);
    }

    void pastingTexts_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("redibuja");
        QTest::addColumn<QList<int>>("palabras");   // the words at 0x809900.. after the paste
        const QList<int> nada{0, 0, 0};
        QTest::newRow("una palabra") << "0000000A" << true << QList<int>{0x0A, 0, 0};
        QTest::newRow("palabra corta") << "ff" << true << QList<int>{0xFF, 0, 0};
        QTest::newRow("vacio") << "" << false << nada;
        QTest::newRow("palabra con CR") << "0000000A\r" << false << nada;
        QTest::newRow("direccion no hex") << "0080980G-0000000A\r" << false << nada;
        QTest::newRow("palabra no hex") << "00809800-0000000G\r" << false << nada;
        QTest::newRow("ultima sin CR") << "00809800-00000001\r00809801-00000002\r00809802-00000003" << true
                                       << QList<int>{1, 2, 0};
        // A line feed after each carriage return becomes part of the next address.
        QTest::newRow("CR LF") << "00809800-00000001\r\n00809801-00000002\r\n" << true << QList<int>{1, 0, 0};
        QTest::newRow("por debajo del primero") << "00809801-00000001\r00809800-00000002\r" << true
                                                << QList<int>{1, 0, 0};
        QTest::newRow("se para en la mala") << "00809800-00000001\r00809801-0000000Z\r00809802-00000003\r"
                                            << true << QList<int>{1, 0, 0};
    }
    void pastingTexts() {
        QFETCH(QString, texto);
        QFETCH(QList<int>, palabras);
        Ventana w;
        QTEST(portapapeles::Pegar(*gMemoria, texto.toStdString(), 0x809900), "redibuja");
        for (int i = 0; i < palabras.size(); ++i) QCOMPARE(Palabra(0x809900 + i), palabras[i]);
    }

    void pasteBelowTheFirstEntryLandsBelowTheTarget() {
        Ventana w;
        portapapeles::Pegar(*gMemoria, "00809801-00000001\r00809800-00000002\r", 0x809900);
        QCOMPARE(Palabra(0x8098FF), 2);
    }

    void pasteStartsAtTheCurrentCellAndRedraws() {
        Ventana w;
        w.Seleccionar(kRam0 + 9, kRam0 + 20);
        w.v.Pegar(std::string("00000042"));
        QCOMPARE(Palabra(kRam0 + 9), 0x42);
        QCOMPARE(w.T(kRam0 + 9), std::string("00000042"));
        w.v.Pegar(std::nullopt);   // no plain text on the clipboard
        QCOMPARE(Palabra(kRam0 + 9), 0x42);
    }
};

QTEST_MAIN(TestPortapapelesMemoria)
#include "test_memoria_portapapeles.moc"
