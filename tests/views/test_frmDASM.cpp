// The listing window as a user drives it: combos, clicks, scrolling, closing.
// With TARVIX_MOSTRAR set, the window stays on screen that many seconds (for
// a screenshot under xvfb-run).
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QtTest>

#include "fakes/CuadrosFalsos.h"
#include "views/VentanaDePrueba.h"
#include "views/frmDASM.h"

namespace {

QString Celda(VistaGrid* g, int fila, int col, int rol = Qt::DisplayRole) {
    // Grid rows count the header row; the model's rows do not.
    return g->model()->data(g->model()->index(fila - 1, col), rol).toString();
}

QPoint CentroFila(VistaGrid* g, int fila, int col) {
    return g->visualRect(g->model()->index(fila - 1, col)).center();
}

}  // namespace

class TestFrmDASM : public QObject {
    Q_OBJECT
    VentanaDePrueba<frmDASM> v_;
    QMdiSubWindow*& marco_ = v_.marco;
    frmDASM*& w_ = v_.w;

private slots:
    void init() { v_.Abrir(); }
    void cleanup() { v_.Cerrar(); }

    void userChoosesViewAndSection() {
        QCOMPARE(w_->CmbTipoDASM()->currentText(), QString("Fichero"));
        QCOMPARE(w_->CmbSecDASM()->currentText(), QString("(Vacio)"));
        QCOMPARE(Celda(w_->GridDASM(), 1, 3), QString("start LDI 5,R0"));
        // Up from "Fichero" is "Secciones de Programa".
        w_->CmbTipoDASM()->setFocus();
        QTest::keyClick(w_->CmbTipoDASM(), Qt::Key_Up);
        QCOMPARE(w_->Logica().TipoActual(), int16_t(LogicaDASM::kSecciones));
        QCOMPARE(w_->CmbSecDASM()->count(), 2);
        QCOMPARE(w_->CmbSecDASM()->currentText(), QString(".text"));
        QTest::keyClick(w_->CmbSecDASM(), Qt::Key_Down);
        QCOMPARE(w_->Logica().EntradaActual(), 1);
        QCOMPARE(Celda(w_->GridDASM(), 1, 1), QString("00809C00"));
        QCOMPARE(w_->GridDASM()->model()->rowCount(), 2);
    }

    void clickARowAndToggleItsBreakpoint() {
        prueba::CuadrosFalsos cuadros;
        cuadros.textos.push_back(std::string("bucle"));
        VistaGrid* g = w_->GridDASM();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CentroFila(g, 3, 3));
        QCOMPARE(w_->Logica().Grid().Fila(), 3);
        QCOMPARE(w_->PosMemAct(), fixture::kText + 1);
        w_->AlternarPuntoRupt();
        QCOMPARE(gPuntosRupt->count(), 1);
        QCOMPARE(g->model()->data(g->model()->index(2, 1), Qt::BackgroundRole).value<QColor>(), QColor(0x80, 0x40, 0x00));
        QCOMPARE(g->model()->data(g->model()->index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0x80));
    }

    // The cursor sits on the PC row after a load; that cell still shows yellow,
    // and only the rest of a selected range is highlighted.
    void currentCellKeepsItsColour() {
        VistaGrid* g = w_->GridDASM();
        QCOMPARE(w_->Logica().Grid().Fila(), 1);
        QCOMPARE(w_->Logica().Grid().Columna(), 3);
        // A point right of the short source texts, inside the viewport.
        const int x = g->viewport()->width() - 4;
        const QRect celda = g->visualRect(g->model()->index(0, 3));
        QVERIFY(celda.left() < x && x < celda.right());
        const QImage imagen = g->viewport()->grab().toImage();
        QCOMPARE(imagen.pixelColor(x, celda.center().y()), QColor(0xFF, 0xFF, 0x80));
        w_->Logica().Grid().Fila(5);
        w_->Logica().Grid().Columna(0);
        w_->Logica().Grid().Seleccion(5, 3);
        g->Sincronizar();
        const QImage otra = g->viewport()->grab().toImage();
        const QRect actual = g->visualRect(g->model()->index(4, 0));
        const QRect resto = g->visualRect(g->model()->index(4, 3));
        QCOMPARE(otra.pixelColor(actual.center()), g->palette().color(QPalette::Base));
        QVERIFY(otra.pixelColor(x, resto.center().y()) != g->palette().color(QPalette::Base));
    }

    // Only rows on screen are filled; scrolling fills the new ones.
    void scrollingFillsTheRowsShown() {
        w_->CmbTipoDASM()->setFocus();
        QTest::keyClick(w_->CmbTipoDASM(), Qt::Key_Down);   // "Memoria"
        QTest::keyClick(w_->CmbSecDASM(), Qt::Key_Down);    // "RAM Bloque 0"
        VistaGrid* g = w_->GridDASM();
        QCOMPARE(g->model()->rowCount(), 1024);
        QCOMPARE(Celda(g, 1, 1), QString("00809800"));
        QCOMPARE(Celda(g, 900, 1), QString());
        g->verticalScrollBar()->setValue(899);
        QCOMPARE(Celda(g, 900, 1), QString("00809B83"));
        QCOMPARE(Celda(g, 900, 3), QString("<Relacion no establecida con el fichero>"));
        // A step that moves the PC far down brings its row into view.
        gRegistros->PC(fixture::kText + 0x20);
        w_->Refrescar();
        QCOMPARE(g->verticalScrollBar()->value() + 1, w_->Logica().Grid().FilaSuperior());
        QVERIFY(w_->Logica().Grid().FilaVisible(0x21));
        QCOMPARE(Celda(g, 0x21, 1), QString("00809820"));
    }

    void closingSavesItsPlace() {
        marco_->setGeometry(30, 45, 600, 300);
        marco_->close();
        QCOMPARE(*v_.ajustes->Valor("DASMSettings", "Status"), std::string("0"));
        QCOMPARE(*v_.ajustes->Valor("DASMSettings", "Left"), std::string("450"));
        QCOMPARE(*v_.ajustes->Valor("DASMSettings", "Width"), std::string("9000"));
        // Maximised, only the state is kept.
        v_.ajustes->valores.clear();
        auto* otro = new frmDASM;
        QMdiSubWindow* m = v_.area->addSubWindow(otro);
        otro->Cargar(m);
        m->showMaximized();
        m->close();
        QCOMPARE(*v_.ajustes->Valor("DASMSettings", "Status"), std::string("2"));
        QVERIFY(!v_.ajustes->Valor("DASMSettings", "Left"));
    }

    void loadAppliesTheStoredPlace() {
        v_.ajustes->Poner("DASMSettings", "Left", "1500");
        v_.ajustes->Poner("DASMSettings", "Top", "no es un numero");
        v_.ajustes->Poner("DASMSettings", "Width", "6000");
        auto* otro = new frmDASM;
        QMdiSubWindow* m = v_.area->addSubWindow(otro);
        otro->Cargar(m);
        QCOMPARE(m->pos(), QPoint(100, 0));
        QCOMPARE(m->width(), 400);
    }

    void staysOnScreenWhenAsked() {
        const int segundos = qEnvironmentVariableIntValue("TARVIX_MOSTRAR");
        if (segundos <= 0) QSKIP("only for a screenshot");
        ModoPPL = 0;
        gPPL->VaciarPPL();
        for (int16_t k = 0; k < 4; ++k) gPPL->Unidades(k)->lPosMem = fixture::kText + 2 - k;
        gPuntosRupt->Add(fixture::kText + 2, "bp");
        gMemoria->Escribe(fixture::kData, 99);
        marco_->setGeometry(0, 0, 900, 400);
        w_->Inicializar();
        gRegistros->PC(fixture::kText + 1);
        w_->Refrescar();
        QTest::qWait(segundos * 1000);
    }
};

QTEST_MAIN(TestFrmDASM)
#include "test_frmDASM.moc"
