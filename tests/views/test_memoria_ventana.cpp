// The memory window as a user drives it: the lists, double-click editing,
// dragging a selection and copying it, the arrow keys and the status panels,
// the watch-mark dialog, and its stored place. With TARVIX_MOSTRAR set, the
// window stays on screen that many seconds.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "core/ConversionesNum.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FrmMarcasRupt.h"
#include "views/FrmMemoria.h"
#include "views/VentanaDePrueba.h"

namespace {
constexpr int32_t kRam0 = 0x809800;
}

class TestFrmMemoria : public QObject {
    Q_OBJECT
    VentanaDePrueba<FrmMemoria> v_;
    QMdiSubWindow*& marco_ = v_.marco;
    FrmMemoria*& w_ = v_.w;

    LogicaMemoria& L() { return w_->Logica(); }
    // Centre of the cell of an address on screen.
    QPoint Centro(int32_t a) {
        const int32_t d = a - L().InicioRegion(), n = L().ColumnasDatos();
        const QModelIndex i = w_->GridMemoria()->model()->index(d / n, d % n);
        return w_->GridMemoria()->visualRect(i).center();
    }
    QWidget* Celdas() { return w_->GridMemoria()->viewport(); }
    void ElegirRegion(int k) {
        w_->CmbMemoria()->setFocus();
        while (w_->CmbMemoria()->currentIndex() < k) QTest::keyClick(w_->CmbMemoria(), Qt::Key_Down);
    }

private slots:
    void init() { v_.Abrir(); }
    void cleanup() { v_.Cerrar(); }

    void opensOnTheFirstRegionInHexadecimal() {
        QCOMPARE(w_->windowTitle(), QString("Volcado de Memoria"));
        QCOMPARE(w_->CmbMemoria()->count(), 3);
        QCOMPARE(w_->CmbMemoria()->currentText(), QString("Vectores de Interrupcion"));
        QCOMPARE(w_->CmbTipoDatos()->currentText(), QString("Hexadecimal"));
        QCOMPARE(w_->Panel(7)->text(), QString("SP "));
        QCOMPARE(w_->Panel(7)->toolTip(), QString("Doble click para localizar el Puntero de Pila (SP)"));
        // No stored place: left 0, top at 60 % of the area, 40 % of it high, 4000 twips narrower.
        QCOMPARE(marco_->pos(), QPoint(0, 420));
        QCOMPARE(marco_->size(), QSize((1024 * 15 - 4000) / 15, 280));
        // The data columns fill the grid's width.
        const int anchoGrid = int(w_->GridMemoria()->width() * 15);
        QCOMPARE(L().ColumnasDatos(), (anchoGrid - 1200) / 1000);
        QCOMPARE(w_->GridMemoria()->model()->data(w_->GridMemoria()->model()->index(0, 0)).toString(),
                 QString("00000000"));
        QCOMPARE(w_->GridMemoria()->model()->headerData(1, Qt::Vertical).toString(),
                 QString::fromStdString(ConvertirBase(L().ColumnasDatos(), 16, 6) + " "));
    }

    void choosingRegionAndFormatWithTheKeys() {
        gMemoria->Escribe(kRam0 + 1, -2);
        ElegirRegion(1);
        QCOMPARE(L().InicioRegion(), kRam0);
        w_->CmbTipoDatos()->setFocus();
        QTest::keyClick(w_->CmbTipoDatos(), Qt::Key_Down);
        QTest::keyClick(w_->CmbTipoDatos(), Qt::Key_Down);
        QCOMPARE(L().TipoDatos(), int16_t(2));
        QCOMPARE(L().Grid().AnchoColumna(1), 1400);
        const QModelIndex i = w_->GridMemoria()->model()->index(0, 1);
        QCOMPARE(w_->GridMemoria()->model()->data(i).toString(), QString("-2"));
        QCOMPARE(w_->GridMemoria()->columnWidth(0), 1400 / 15);
    }

    void doubleClickEditsTheCell() {
        prueba::CuadrosFalsos cuadros;
        cuadros.textos = {"1234ABCD"};
        ElegirRegion(1);
        QTest::mouseClick(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 2));
        QTest::mouseDClick(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 2));
        QCOMPARE(cuadros.entradas.size(), size_t(1));
        QCOMPARE(cuadros.entradas[0].titulo, std::string("Edición la celda de memoria $00809802"));
        int32_t w = 0;
        gMemoria->Lee(w, kRam0 + 2);
        QCOMPARE(w, 0x1234ABCD);
        QCOMPARE(w_->GridMemoria()->model()->data(w_->GridMemoria()->model()->index(0, 2)).toString(),
                 QString("1234ABCD"));
    }

    void draggingASelectionAndCopyingIt() {
        ElegirRegion(1);
        gMemoria->Escribe(kRam0 + 1, 0x11);
        gMemoria->Escribe(kRam0 + 2, 0x22);
        QTest::mousePress(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 1));
        QTest::mouseMove(Celdas(), Centro(kRam0 + 2));
        QTest::mouseRelease(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 2));
        w_->Copiar();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("00809801-00000011\r00809802-00000022\r"));
        // Pasting at another cell copies both words there.
        QTest::mouseClick(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 5));
        w_->Pegar();
        int32_t a = 0, b = 0;
        gMemoria->Lee(a, kRam0 + 5);
        gMemoria->Lee(b, kRam0 + 6);
        QCOMPARE(a, 0x11);
        QCOMPARE(b, 0x22);
        QCOMPARE(w_->GridMemoria()->model()->data(w_->GridMemoria()->model()->index(0, 6)).toString(),
                 QString("00000022"));
    }

    void arrowKeysMoveTheCellAndThePanelsFollow() {
        gTablaRef->Add("etiqueta", 0x3, 0, 1);
        QTest::mouseClick(Celdas(), Qt::LeftButton, {}, Centro(2));
        QCOMPARE(w_->Panel(2)->text(), QString("000002"));
        QTest::keyClick(w_->GridMemoria(), Qt::Key_Right);
        QCOMPARE(w_->Panel(2)->text(), QString("000003"));
        QCOMPARE(w_->Panel(4)->text(), QString("etiqueta"));
        QTest::keyClick(w_->GridMemoria(), Qt::Key_Down);
        QCOMPARE(L().DireccionActual(), 3 + L().ColumnasDatos());
        QCOMPARE(w_->Panel(4)->text(), QString());
    }

    void scrollingFillsTheRowsComingIntoView() {
        ElegirRegion(1);
        gMemoria->Escribe(0x809BF8, 0x77);
        w_->GridMemoria()->scrollToBottom();
        const int32_t fila = (0x809BF8 - kRam0) / L().ColumnasDatos();
        const int32_t col = (0x809BF8 - kRam0) % L().ColumnasDatos() + 1;
        QCOMPARE(L().Grid().Texto(fila, col), std::string("00000077"));
    }

    void stackPointerPanelGoesToTheStack() {
        gRegistros->SP(0x809C20);
        QTest::mouseDClick(w_->Panel(7), Qt::LeftButton);
        QCOMPARE(w_->CmbMemoria()->currentText(), QString("RAM Bloque 1"));
        QCOMPARE(L().DireccionActual(), 0x809C20);
        QCOMPARE(w_->Panel(2)->text(), QString("809C20"));
        QVERIFY(L().Grid().Atributos(L().Grid().Fila(), L().Grid().Columna()) & LogicaMemoria::kEnfasisSP);
    }

    void watchMarkThroughTheDialog() {
        prueba::CuadrosFalsos cuadros;
        ElegirRegion(1);
        QTest::mouseClick(Celdas(), Qt::LeftButton, {}, Centro(kRam0 + 4));
        bool visto = false;
        QTimer::singleShot(50, [&] {
            auto* d = qobject_cast<FrmMarcasRupt*>(QApplication::activeModalWidget());
            QVERIFY(d);
            QVERIFY(QTest::qWaitForWindowExposed(d));
            visto = true;
            QCOMPARE(d->TxtIdentificador()->text(), QString("Marca00"));
            QCOMPARE(d->LblInfo(1)->text(), QString("Contenido de $00809804 = "));
            QTest::mouseClick(d->OptComp(2), Qt::LeftButton, {}, QPoint(8, d->OptComp(2)->height() / 2));
            d->TxtOperando()->setFocus();
            d->TxtOperando()->selectAll();
            QTest::keyClicks(d->TxtOperando(), "2A");
            QTest::keyClick(d->TxtOperando(), Qt::Key_Return);
        });
        w_->AlternarMarca();
        QVERIFY(visto);
        QCOMPARE(gMarcasRupt->count(), 1);
        QCOMPARE(gMarcasRupt->Item(1).PosMem(), kRam0 + 4);
        QCOMPARE(gMarcasRupt->Item(1).Comp(), 2);
        QCOMPARE(gMarcasRupt->Item(1).Operando(), 0x2A);
        QCOMPARE(L().Grid().ColorFondo(0, 5), LogicaMemoria::kFondoMarca);
        QCOMPARE(w_->Panel(6)->text(), QString("Marca00"));
        // Toggling again removes it after its box.
        w_->AlternarMarca();
        QCOMPARE(gMarcasRupt->count(), 0);
        QCOMPARE(cuadros.mostrados.size(), size_t(1));
        QCOMPARE(L().Grid().ColorFondo(0, 5), EstadoGrid::kColorDefecto);
    }

    // Narrowed step by step down to its smallest width, the window keeps the
    // address column at the width of its addresses, its labels (above the grid
    // and in the status bar) whole, and the lists and the region's colour
    // inside the window.
    void narrowingKeepsAddressesAndLabelsWhole() {
        ElegirRegion(1);
        QHeaderView* direcciones = w_->GridMemoria()->verticalHeader();
        const QString direccion = QString::fromStdString(ConvertirBase(0x809BF8, 16, 6) + " ");
        const int margen = direcciones->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, direcciones);
        QVERIFY(direcciones->fontMetrics().horizontalAdvance(direccion) + 2 * margen <=
                LogicaMemoria::kAnchoDireccion / 15);
        std::vector<QLabel*> etiquetas = {w_->findChild<QLabel*>("LblTipoDatos"), w_->findChild<QLabel*>("LblMemoria")};
        for (int i : {1, 3, 5, 7}) etiquetas.push_back(w_->Panel(i));
        std::vector<QWidget*> dentro = {w_->CmbTipoDatos(), w_->CmbMemoria(), w_->ShpMemoria()};
        dentro.insert(dentro.end(), etiquetas.begin(), etiquetas.end());
        const int ancho = marco_->width();
        marco_->resize(1, marco_->height());
        const int menor = marco_->width();
        std::vector<int> anchos;
        for (int a = ancho; a > menor; a -= 9) anchos.push_back(a);
        anchos.push_back(menor);
        for (int a : anchos) {
            marco_->resize(a, marco_->height());
            const QByteArray donde = "ancho " + QByteArray::number(a) + ": ";
            QVERIFY2(direcciones->width() == LogicaMemoria::kAnchoDireccion / 15,
                     donde + "direcciones " + QByteArray::number(direcciones->width()));
            for (const QLabel* e : etiquetas)
                QVERIFY2(e->width() >= e->fontMetrics().horizontalAdvance(e->text()), donde + e->text().toUtf8());
            for (const QWidget* c : dentro) {
                const QRect r(c->mapTo(marco_, QPoint()), c->size());
                QVERIFY2(marco_->rect().contains(r), donde + c->objectName().toUtf8() + " " +
                                                         QByteArray::number(r.x()) + "+" + QByteArray::number(r.width()));
            }
        }
    }

    void closingSavesThePlace() {
        marco_->move(30, 40);
        marco_->close();
        QCOMPARE(*v_.ajustes->Valor("MemoriaSettings", "Left"), std::string("450"));
        QCOMPARE(*v_.ajustes->Valor("MemoriaSettings", "Top"), std::string("600"));
        QCOMPARE(*v_.ajustes->Valor("MemoriaSettings", "Status"), std::string("0"));
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        ElegirRegion(1);
        for (int i = 0; i < 40; ++i) gMemoria->Escribe(kRam0 + i, i * 0x01010101);
        gMarcasRupt->Add(0, kRam0 + 3, 0, 0, 0, "Marca00");
        gTablaRef->Add("bucle", kRam0 + 9, 0, 1);
        gRegistros->SP(kRam0 + 12);
        gMemoria->Access_Clear();
        gMemoria->EscribeDatoDSP(Valor::Entero(5), kRam0 + 20, false);
        w_->Reconstruir();
        marco_->move(0, 0);
        marco_->resize(900, 420);
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestFrmMemoria)
#include "test_memoria_ventana.moc"
