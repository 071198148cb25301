// The pipeline window as a user drives it: steps add rows, the buttons fold
// and unfold the detail panel and add or remove rows, a double-click picks
// the tracked stage, the pointer shows a cell's text, closing keeps the folded
// place; and the window inside the main window. With TARVIX_MOSTRAR set, the
// unfolded window stays on screen that many seconds (for a screenshot).
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <climits>
#include <map>
#include <set>

#include "app/frmMain.h"
#include "core/ClassUnitData.h"
#include "core/FilasInstruccion.h"
#include "views/FrmPPL.h"
#include "views/EnlacePrincipal.h"
#include "views/TextoCabe.h"
#include "views/VentanaDePrueba.h"
#include "views/test_ppl_programa.h"

using P = PanelDetalle;

namespace {

QString Celda(VistaGrid* g, int fila, int col) {
    return g->model()->data(g->model()->index(fila - 1, col)).toString();
}

// Every text each box of the detail panel can show, from records that reach
// the extremes of each field: all registers, indirect codes (the defined ones
// and the five-bit codes past them), displacements, direct and stack
// addresses, immediates, 32-bit integers and 40-bit floats, conditions, traps.
std::map<P::Id, std::set<std::string>> TextosPosibles() {
    std::map<P::Id, std::set<std::string>> textos;
    P p;
    const auto mostrar = [&](const ClassUnitData& r) {
        p.MostrarUnidadSeg(r);
        for (int id = 0; id < P::kNumCajas; ++id) textos[P::Id(id)].insert(p.Texto(P::Id(id)));
    };
    const auto nuevo = [](int32_t grupo, int32_t fila, int16_t modo) {
        ClassUnitData r;
        r.LTipoIntr = grupo;
        r.lCodigoInstr(fila);
        r.iModoDireccion = modo;
        return r;
    };
    for (int32_t g = 0; g < 8; ++g)
        for (int32_t f = 0; f < 64; ++f) mostrar(nuevo(g, f, 0));
    for (int16_t modo = 0; modo < 4; ++modo)
        for (int32_t g : {0, 1, 2, 4}) mostrar(nuevo(g, 0, modo));
    for (int32_t c = -1; c <= 4; ++c) {
        ClassUnitData r = nuevo(0, grupo0::LDI, 0);
        r.lCanal = c;
        mostrar(r);
    }
    // Hexadecimal fields, each digit in every place.
    for (int32_t d = 0; d < 16; ++d) {
        ClassUnitData r = nuevo(0, grupo0::LDI, 1);
        r.lPosMem = 0x111111 * d;
        r.lDirecto = 0x1111 * d;
        r.lAddrSP = 0x111111 * d;
        for (int16_t sp : {1, -1}) {
            r.iFlagSP = sp;
            mostrar(r);
        }
        ClassUnitData br = nuevo(3, grupo3::BR, -1);
        br.lInmediato = Valor::Entero(0x111111 * d);
        mostrar(br);
    }
    for (int32_t reg = 0; reg < 28; ++reg) {
        ClassUnitData r = nuevo(4, grupo4::MPYF3_ADDF3, 0);
        r.lIndDst1 = r.lIndDst2 = r.lIndSrc1 = r.lIndSrc2 = reg;
        mostrar(r);
    }
    for (int16_t m = 0; m < 32; ++m)
        for (int32_t ar = 0; ar < 8; ++ar)
            for (int32_t disp = 0; disp < 256; ++disp) {
                ClassUnitData r = nuevo(0, grupo0::LDI, 2);
                r.lModoArn1 = m;
                r.lIndArn1 = ar;
                r.lDisp = disp;
                mostrar(r);
                if (disp > 1) continue;
                ClassUnitData par = nuevo(6, 0, -1);
                par.lModoArn1 = par.lModoArn2 = m;
                par.lIndArn1 = par.lIndArn2 = ar;
                mostrar(par);
            }
    // Sixteen-bit immediates and PC-relative displacements.
    for (int32_t v = -32768; v < 32768; ++v) {
        ClassUnitData r = nuevo(0, grupo0::LDI, 3);
        r.lInmediato = Valor::Entero(v);
        mostrar(r);
        ClassUnitData b = nuevo(3, grupo3::BCOND_REL, -1);
        b.bBitB = true;
        b.lDisp = v;
        mostrar(b);
    }
    // Short floating-point immediates: a 12-bit signed mantissa 1.f or -2 + 0.f, exponent -7 to 7.
    for (int e = -7; e <= 7; ++e)
        for (int f = 0; f < 2048; ++f)
            for (double m : {1.0 + f / 2048.0, -2.0 + f / 2048.0}) {
                ClassUnitData r = nuevo(0, grupo0::LDF, 3);
                r.lInmediato = Valor::Doble(std::ldexp(m, e));
                mostrar(r);
            }
    // Operand and stack values: 32-bit integers and 40-bit floats (a 32-bit
    // mantissa, exponent -127 to 127).
    std::vector<Valor> valores = {Valor::Entero(INT32_MIN), Valor::Entero(INT32_MAX)};
    for (int e = -127; e <= 127; ++e)
        for (uint32_t frac : {0x2AAAAAABu, 0x55555555u, 0x7FFFFFFFu, 0x00000001u, 0x3C1E0F07u})
            for (double signo : {1.0, -1.0}) valores.push_back(Valor::Doble(signo * std::ldexp(1.0 + frac / 2147483648.0, e)));
    for (const Valor& v : valores) {
        ClassUnitData r = nuevo(4, grupo4::MPYF3_ADDF3, 0);
        r.lIndDst1 = r.lIndDst2 = r.lIndSrc1 = r.lIndSrc2 = 0;
        r.lModoArn1 = r.lModoArn2 = 24;
        r.lIndArn1 = r.lIndArn2 = 0;
        r.vSrc1 = r.vSrc2 = r.vSrc3 = r.vSrc4 = r.vDst1 = r.vDst2 = r.lDatoSP = v;
        r.iFlagSP = 1;
        mostrar(r);
    }
    // Every five-bit condition code and trap number.
    for (int32_t c = -1; c < 32; ++c) {
        ClassUnitData r = nuevo(3, grupo3::TRAPCOND, -1);
        r.lCond = c;
        r.lCondN = c;
        mostrar(r);
    }
    return textos;
}

// The room a framed label leaves its left-aligned text: its contents less the
// indent that a frame brings (half an "x" unless an indent is set).
int SitioDelTexto(const QLabel* l) {
    const int sangria = l->indent() >= 0 ? l->indent() : l->frameWidth() > 0 ? l->fontMetrics().horizontalAdvance('x') / 2 : 0;
    return l->contentsRect().width() - 2 * l->margin() - sangria;
}

}  // namespace

class TestFrmPPL : public QObject {
    Q_OBJECT
    VentanaDePrueba<FrmPPL> v_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;
    QMdiSubWindow*& marco_ = v_.marco;
    FrmPPL*& w_ = v_.w;

    void Paso(int n = 1) {
        pplprueba::Ciclos(n);
        w_->Refrescar();
    }

private slots:
    void init() {
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
        v_.Abrir();
        QVERIFY(pplprueba::Cargar("ppl_detalle", 0));
    }
    void cleanup() {
        v_.Cerrar();
        cuadros_.reset();
    }

    // A first start puts the folded window at the bottom-right corner.
    void opensFoldedAtTheBottomRight() {
        QCOMPARE(w_->windowTitle(), QString("Estructura Pipeline"));
        QVERIFY(w_->CmdModoFrm(0)->isVisible() && !w_->CmdModoFrm(1)->isVisible());
        QVERIFY(!w_->FrmSeg()->isVisible());
        QCOMPARE(w_->LblUnitPPL()->text(), QString(" EJECUCION "));
        QCOMPARE(w_->CmdModoFrm(2)->toolTip(), QString("Añadir lineas de seguimiento de los datos PPL"));
        const QSize area = enlace::AreaCliente();
        QVERIFY(qAbs(marco_->geometry().right() - area.width()) <= 2);
        QVERIFY(qAbs(marco_->geometry().bottom() - area.height()) <= 2);
        QCOMPARE(w_->GridPPL()->model()->rowCount(), 4);
        QCOMPARE(w_->GridPPL()->model()->headerData(3, Qt::Horizontal).toString(), QString("DECODIFICACION"));
        QVERIFY(w_->GridPPL()->model()->data(w_->GridPPL()->model()->index(3, 0), Qt::FontRole).value<QFont>().bold());
    }

    void stepsUnfoldAndDoubleClick() {
        Paso();
        Paso();
        VistaGrid* g = w_->GridPPL();
        QCOMPARE(Celda(g, 4, 0), QString("2"));
        QCOMPARE(Celda(g, 3, 2), QString("LDICond"));
        const QRect antes = marco_->geometry();
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QVERIFY(w_->FrmSeg()->isVisible());
        QVERIFY(!w_->CmdModoFrm(0)->isVisible() && w_->CmdModoFrm(1)->isVisible());
        QCOMPARE(marco_->geometry().bottom(), antes.bottom());
        QCOMPARE(marco_->height(), antes.height() + 250);
        QCOMPARE(w_->Caja(P::kLblPC)->text(), QString(" 00000000"));   // execute stage still empty
        // Double-click on the DECODIFICACION column tracks the decode stage.
        const QPoint p = g->visualRect(g->model()->index(3, 3)).center();
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(w_->Logica().UnitSeg(), int16_t(1));
        QCOMPARE(w_->LblUnitPPL()->text(), QString(" DECODIFICACION "));
        QCOMPARE(w_->Caja(P::kTxtCodInstr)->text(), QString(" [5] LDICond"));   // LDP, fetched in cycle 1
        QCOMPARE(w_->Caja(P::kTxtCodInstr)->toolTip(), QString(" [5] LDICond"));
        Paso();
        QCOMPARE(w_->Caja(P::kTxtSRC_DIR1)->text(), QString(" @0x0000981E"));
        // Double-click on "Ciclo" keeps the stage.
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, 0)).center());
        QCOMPARE(w_->Logica().UnitSeg(), int16_t(1));
        QTest::mouseClick(w_->CmdModoFrm(1), Qt::LeftButton);
        QVERIFY(!w_->FrmSeg()->isVisible());
        QCOMPARE(marco_->geometry(), antes);
    }

    void rowButtonsAndEmptyingThePipeline() {
        Paso();
        VistaGrid* g = w_->GridPPL();
        QTest::mouseClick(w_->CmdModoFrm(2), Qt::LeftButton);
        QCOMPARE(g->model()->rowCount(), 5);
        QCOMPARE(Celda(g, 5, 0), QString());
        QTest::mouseClick(w_->CmdModoFrm(3), Qt::LeftButton);
        QTest::mouseClick(w_->CmdModoFrm(3), Qt::LeftButton);
        QCOMPARE(g->model()->rowCount(), 4);
        Paso();
        QTest::mouseClick(w_->CmdModoFrm(4), Qt::LeftButton);
        QCOMPARE(Celda(g, 3, 0), QString("2"));
        QCOMPARE(Celda(g, 4, 0), QString("2"));
        QCOMPARE(Celda(g, 4, 3), QString(" - "));
    }

    // The newest row, in its bold face, shows the counter's widest value and a
    // fetch address whole, with no scrolling to the side.
    void cycleAndAddressFitTheirColumns() {
        gCiclos = 1000000;
        w_->Refrescar();
        VistaGrid* g = w_->GridPPL();
        QApplication::processEvents();
        for (int col : {0, 1}) {
            const QModelIndex celda = g->model()->index(3, col);
            QVERIFY(g->model()->data(celda, Qt::FontRole).value<QFont>().bold());
            QVERIFY2(textocabe::EnCelda(g, celda, celda.data().toString()), qPrintable(celda.data().toString()));
        }
        QCOMPARE(Celda(g, 4, 0), QString("1000000"));
        QVERIFY(!g->horizontalScrollBar()->isVisible());
    }

    // Every header, and every name a stage can show in the newest row's bold
    // face, is drawn whole in its column; the grid lies whole in the window.
    void headersAndNamesFitTheirColumns() {
        VistaGrid* g = w_->GridPPL();
        QApplication::processEvents();
        for (int col = 0; col < LogicaPPL::kColumnas; ++col) {
            const QString cabecera = g->model()->headerData(col, Qt::Horizontal).toString();
            QVERIFY2(textocabe::EnCabecera(g, col, cabecera), qPrintable(cabecera));
        }
        QStringList nombres{" - "};
        for (int grupo = 0; grupo < 8; ++grupo)
            for (int fila = 0; fila < 64; ++fila) nombres << QString::fromUtf8(FilaNemonico::De(grupo, fila).nem);
        for (int col = 2; col < LogicaPPL::kColumnas; ++col)
            for (const QString& nombre : nombres)
                QVERIFY2(textocabe::EnCelda(g, g->model()->index(3, col), nombre),
                         qPrintable(QString("%1 in column %2").arg(nombre).arg(col)));
        QVERIFY(!g->horizontalScrollBar()->isVisible());
        QVERIFY(w_->rect().contains(g->geometry()));
        QVERIFY(w_->findChild<QTabWidget*>("TabStrip1")->geometry().contains(g->geometry()));
        for (int i = 0; i < 5; ++i) QVERIFY(w_->rect().contains(w_->CmdModoFrm(i)->geometry()));
        // With rows added the vertical scroll bar takes its room beside the columns.
        for (int i = 0; i < 4; ++i) QTest::mouseClick(w_->CmdModoFrm(2), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(g->verticalScrollBar()->isVisible());
        QVERIFY(!g->horizontalScrollBar()->isVisible());
    }

    // The tracked stage's name is drawn whole beside the frame's caption, inside the frame.
    void stageNameFitsInsideTheFrame() {
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QLabel* l = w_->LblUnitPPL();
        for (int16_t etapa = 0; etapa < 4; ++etapa) {
            w_->UnitSeg(etapa);
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(l->text()));
            QVERIFY2(l->geometry().right() < w_->FrmSeg()->width() - 2,
                     qPrintable(QString("%1 ends at %2 in a frame %3 wide").arg(l->text()).arg(l->geometry().right())
                                    .arg(w_->FrmSeg()->width())));
        }
        QVERIFY(w_->rect().contains(w_->FrmSeg()->geometry()));
    }

    // Every text a value box of the detail panel can show is drawn whole in
    // the box's own font, and the widened boxes neither overlap nor leave the frame.
    void everyPanelTextFitsItsBox() {
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QStringList cortados;
        for (const auto& [id, textos] : TextosPosibles()) {
            QLabel* caja = w_->Caja(id);
            QString ancho;
            for (const std::string& t : textos) {
                const QString q = QString::fromStdString(t);
                if (caja->fontMetrics().horizontalAdvance(q) > caja->fontMetrics().horizontalAdvance(ancho)) ancho = q;
            }
            if (caja->fontMetrics().horizontalAdvance(ancho) > SitioDelTexto(caja))
                cortados << QString("%1 \"%2\" needs %3, has %4").arg(caja->objectName(), ancho)
                                .arg(caja->fontMetrics().horizontalAdvance(ancho)).arg(SitioDelTexto(caja));
        }
        QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join("; ")));
        QList<QWidget*> cajas;
        for (int id = 0; id < P::kNumCajas; ++id) cajas << w_->Caja(P::Id(id));
        cajas << w_->ChkD();
        for (QWidget* a : cajas) {
            QVERIFY2(a->geometry().right() < w_->FrmSeg()->width() - 2, qPrintable(a->objectName()));
            for (QWidget* b : cajas)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " over " + b->objectName()));
        }
    }

    // Each caption of the detail panel is read whole: no value box lies over its text.
    void panelCaptionsAreNotCoveredByTheirBoxes() {
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        int rotulos = 0;
        for (QLabel* rotulo : w_->FrmSeg()->findChildren<QLabel*>()) {
            if (rotulo->frameShape() != QFrame::NoFrame || rotulo->text().isEmpty() || rotulo == w_->LblUnitPPL())
                continue;
            ++rotulos;
            const QRect texto(rotulo->pos(), rotulo->sizeHint());
            for (int id = 0; id < P::kNumCajas; ++id)
                QVERIFY2(!texto.intersects(w_->Caja(P::Id(id))->geometry()),
                         qPrintable(rotulo->text() + " under " + w_->Caja(P::Id(id))->objectName()));
        }
        QCOMPARE(rotulos, 15);
    }

    void pointerShowsTheCellText() {
        Paso();
        Paso();
        VistaGrid* g = w_->GridPPL();
        QTest::mouseMove(g->viewport(), g->visualRect(g->model()->index(2, 2)).center());
        QCOMPARE(g->toolTip(), QString("LDICond"));
        QHeaderView* h = g->horizontalHeader();
        QTest::mouseMove(h, QPoint(h->sectionViewportPosition(3) + 5, h->height() / 2));
        QCOMPARE(g->toolTip(), QString("DECODIFICACION"));
    }

    // Closing while unfolded stores the folded place; the next window opens there, folded.
    void closingUnfoldedStoresTheFoldedPlace() {
        marco_->move(40, 300);
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QCOMPARE(marco_->y(), 50);
        marco_->close();
        QCOMPARE(*v_.ajustes->Valor("PPLSettings", "Top"), std::string("4500"));
        QCOMPARE(*v_.ajustes->Valor("PPLSettings", "Left"), std::string("600"));
        QCOMPARE(*v_.ajustes->Valor("PPLSettings", "Status"), std::string("0"));
        auto* w = new FrmPPL;
        QMdiSubWindow* marco = v_.area->addSubWindow(w);
        w->Cargar(marco);
        marco->show();
        QCOMPARE(marco->pos(), QPoint(40, 300));
        QVERIFY(!w->FrmSeg()->isVisible() && !w->Logica().PanelDesplegado());
    }

    // A window near the top of the area unfolds downwards as far as needed;
    // a maximised one only shows its panel.
    void unfoldingNeverGoesAboveTheArea() {
        marco_->move(10, 100);
        const QRect antes = marco_->geometry();
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QCOMPARE(marco_->y(), 0);
        QCOMPARE(marco_->height(), antes.height() + 250);
        QTest::mouseClick(w_->CmdModoFrm(1), Qt::LeftButton);
        QCOMPARE(marco_->geometry(), antes);
        marco_->showMaximized();
        const QRect maximizada = marco_->geometry();
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QVERIFY(w_->FrmSeg()->isVisible());
        QCOMPARE(marco_->geometry(), maximizada);
    }

    // Added rows: the newest row, with its colours, stays on screen.
    void addedRowsKeepTheNewestRowInView() {
        VistaGrid* g = w_->GridPPL();
        for (int i = 0; i < 4; ++i) QTest::mouseClick(w_->CmdModoFrm(2), Qt::LeftButton);
        Paso();
        QApplication::processEvents();
        const int ultima = g->model()->rowCount() - 1;
        QCOMPARE(ultima, 7);
        QVERIFY(g->viewport()->rect().contains(g->visualRect(g->model()->index(ultima, 0))));
        QCOMPARE(Celda(g, ultima + 1, 0), QString("1"));
    }

    // Folded while maximised, the window returns on restore to the size and
    // place it had folded, and that is the place stored.
    void foldedWhileMaximisedRestoresTheFoldedWindow() {
        marco_->move(40, 300);
        const QRect plegada = marco_->geometry();
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        QCOMPARE(marco_->y(), 50);
        marco_->showMaximized();
        QTest::mouseClick(w_->CmdModoFrm(1), Qt::LeftButton);
        QVERIFY(!w_->FrmSeg()->isVisible());
        marco_->showNormal();
        QCOMPARE(marco_->geometry(), plegada);
        QCOMPARE(w_->SubidaDesplegada(), 0);
        marco_->close();
        QCOMPARE(*v_.ajustes->Valor("PPLSettings", "Top"), std::string("4500"));
        QCOMPARE(*v_.ajustes->Valor("PPLSettings", "Left"), std::string("600"));
    }

    // Unfolded while maximised, the window on restore grows for the panel as
    // an unfolding does, and folds back to where it stood.
    void unfoldedWhileMaximisedGrowsOnRestore() {
        marco_->move(40, 300);
        const QRect plegada = marco_->geometry();
        marco_->showMaximized();
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        marco_->showNormal();
        QCOMPARE(marco_->geometry(), plegada.adjusted(0, -250, 0, 0));
        QTest::mouseClick(w_->CmdModoFrm(1), Qt::LeftButton);
        QCOMPARE(marco_->geometry(), plegada);
    }

    // The delayed-branch box shows the record and ignores clicks.
    void delayedBranchBoxFollowsTheRecord() {
        QVERIFY(pplprueba::Cargar("ppl_detalle", 1));
        QTest::mouseClick(w_->CmdModoFrm(0), Qt::LeftButton);
        Paso(25);   // BRD
        QVERIFY(w_->ChkD()->isChecked());
        QTest::mouseClick(w_->ChkD(), Qt::LeftButton);
        QVERIFY(w_->ChkD()->isChecked());
        Paso();
        QVERIFY(!w_->ChkD()->isChecked());
    }

    // Inside the main window: its Window item opens the view, a step adds a row.
    void insideTheMainWindow() {
        v_.Cerrar();
        auto ajustes = std::make_unique<prueba::AjustesMemoria>();
        ajustes->Poner("Opciones\\Entorno", "ModoPPL", "0");
        LeerOpciones();
        CrearObjetosPrograma();
        auto main = std::make_unique<frmMain>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        main->CargaFichDSK(TARVIX_SOURCE_DIR "/tests/programs/ppl_detalle.dsk");
        if (!main->Vista(TipoVista::PPL)) main->EjecutarComando("mnuWindowPPL");
        auto* ppl = dynamic_cast<FrmPPL*>(main->Vista(TipoVista::PPL));
        QVERIFY(ppl);
        QVERIFY(main->Accion("mnuWindowPPL")->isChecked());
        QVERIFY(main->Boton("PPL")->isChecked());
        main->EjecutarComando("mnuDepStep");
        main->EjecutarComando("mnuDepStep");
        QCOMPARE(ppl->Logica().Historia(4, 0), std::string("2"));
        QCOMPARE(ppl->Logica().Historia(3, 2), std::string("LDICond"));
        // Saving the layout while the panel is unfolded stores the folded top.
        QMdiSubWindow* marco = main->Marco(TipoVista::PPL);
        marco->showNormal();
        marco->move(40, 300);
        QTest::mouseClick(ppl->CmdModoFrm(0), Qt::LeftButton);
        QCOMPARE(marco->y(), 50);
        main->EjecutarComando("mnuSalvarPos");
        QCOMPARE(*ajustes->Valor("PPLSettings", "Top"), std::string("4500"));
        QTest::mouseClick(ppl->CmdModoFrm(1), Qt::LeftButton);
        if (qEnvironmentVariableIsSet("TARVIX_MOSTRAR")) {
            main->resize(1200, 900);
            main->Marco(TipoVista::PPL)->raise();
            QMdiSubWindow* ventana = main->Marco(TipoVista::PPL);
            ventana->move(ventana->parentWidget()->width() - ventana->width(), 150);
            QTest::mouseClick(ppl->CmdModoFrm(0), Qt::LeftButton);
            ppl->UnitSeg(1);
            for (int i = 0; i < 7; ++i) main->EjecutarComando("mnuDepStep");
            QTest::qWait(qEnvironmentVariableIntValue("TARVIX_MOSTRAR") * 1000);
        }
        main.reset();
    }
};

QTEST_MAIN(TestFrmPPL)
#include "test_ppl_ventana.moc"
