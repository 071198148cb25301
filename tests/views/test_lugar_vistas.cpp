// The four views' places in the main window's client area: a stored place or
// size that would leave a view out of reach or with no size gives way to the
// view's default place when it opens, and saving never stores one.
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"
#include "views/FrmPPL.h"

class TestLugarVistas : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;

    // A normal main window of 760 x 560 pixels, its views opened from the settings.
    std::unique_ptr<frmMain> Abrir(const std::string& izquierda = "0") {
        ajustes_->Poner("MainSettings", "Status", "0");
        ajustes_->Poner("MainSettings", "Left", izquierda);
        ajustes_->Poner("MainSettings", "Top", "0");
        if (!ajustes_->Valor("MainSettings", "Width")) {
            ajustes_->Poner("MainSettings", "Width", "11400");
            ajustes_->Poner("MainSettings", "Height", "8400");
        }
        LeerOpciones();
        CrearObjetosPrograma();
        auto f = std::make_unique<frmMain>();
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
        return f;
    }
    std::vector<QRect> Lugares(frmMain& f) {
        std::vector<QRect> r;
        for (const DatosVista& d : TablaVistas()) r.push_back(f.Marco(d.tipo) ? f.Marco(d.tipo)->geometry() : QRect());
        return r;
    }
    // Reachable: the frame has a size and a piece of its title bar lies in the client area.
    static bool Alcanzable(const QRect& marco, const QSize& area) {
        const QRect titulo = QRect(marco.topLeft(), QSize(marco.width(), 20)) & QRect(QPoint(), area);
        return marco.width() >= 40 && marco.height() >= 10 && titulo.width() >= 40 && titulo.height() >= 10;
    }

    // What of each shown view's title bar and column headers lies outside the
    // client area or under another view; empty when all of it is in sight.
    static QString Tapado(frmMain& f) {
        QWidget* area = f.AreaCliente()->viewport();
        const QList<QMdiSubWindow*> pila = f.AreaCliente()->subWindowList(QMdiArea::StackingOrder);
        QStringList faltas;
        for (qsizetype i = 0; i < pila.size(); ++i) {
            const QMdiSubWindow* m = pila[i];
            if (!m->isVisible()) continue;
            std::vector<std::pair<QString, QRect>> partes = {
                {"titulo", QRect(m->pos(), QSize(m->width(), m->widget()->mapTo(m, QPoint()).y()))}};
            for (const QHeaderView* h : m->findChildren<QHeaderView*>())
                if (h->isVisible() && h->orientation() == Qt::Horizontal)
                    partes.push_back({"cabecera", QRect(h->mapTo(area, QPoint()), h->size())});
            for (const auto& [que, r] : partes) {
                if (!area->rect().contains(r)) faltas << m->windowTitle() + ": " + que + " fuera del area";
                for (qsizetype j = i + 1; j < pila.size(); ++j)
                    if (pila[j]->isVisible() && pila[j]->geometry().intersects(r))
                        faltas << m->windowTitle() + ": " + que + " bajo " + pila[j]->windowTitle();
            }
        }
        return faltas.join("; ");
    }

private slots:
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    void lugarGuardadoInalcanzable_data() {
        QTest::addColumn<QStringList>("guardado");  // key, value, key, value...
        QTest::newRow("a la izquierda") << QStringList{"Left", "-200000"};
        QTest::newRow("a la derecha") << QStringList{"Left", "11390"};
        QTest::newRow("encima") << QStringList{"Top", "-400"};
        QTest::newRow("debajo") << QStringList{"Top", "200000"};
        QTest::newRow("sin tamano") << QStringList{"Width", "0", "Height", "0"};
        QTest::newRow("tamano negativo") << QStringList{"Width", "-6000", "Height", "-4500"};
        QTest::newRow("tamano enorme") << QStringList{"Width", "1e12", "Height", "1e30"};
        QTest::newRow("todo enorme") << QStringList{"Left", "1e30", "Top", "-1e30", "Width", "1e30", "Height", "1e30"};
    }
    void lugarGuardadoInalcanzable() {
        QFETCH(QStringList, guardado);
        std::vector<QRect> predeterminados;
        {
            auto f = Abrir();
            QVERIFY(f);
            predeterminados = Lugares(*f);
        }
        // What the first window's views stored as they closed is put aside.
        ajustes_.reset();
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        for (const DatosVista& d : TablaVistas()) {
            ajustes_->Poner(d.seccion, "Status", "0");
            for (int i = 0; i + 1 < guardado.size(); i += 2)
                ajustes_->Poner(d.seccion, guardado[i].toStdString(), guardado[i + 1].toStdString());
        }
        auto f = Abrir();
        QVERIFY(f);
        const QSize area = f->AreaCliente()->size();
        const std::vector<QRect> lugares = Lugares(*f);
        for (size_t i = 0; i < lugares.size(); ++i) {
            const DatosVista& d = TablaVistas()[i];
            QVERIFY2(!lugares[i].isNull(), d.seccion);
            QVERIFY2(f->Marco(d.tipo)->isVisible(), d.seccion);
            QCOMPARE(lugares[i], predeterminados[i]);
            QVERIFY2(Alcanzable(lugares[i], area), d.seccion);
        }
    }

    // On a first start the default places leave the pipeline window, at the
    // bottom right, clear of the memory window beside it.
    void primerArranqueSinVistasTapadas() {
        ajustes_->Poner("MainSettings", "Width", "19200");
        ajustes_->Poner("MainSettings", "Height", "14400");
        auto f = Abrir();
        QVERIFY(f);
        const QRect ppl = f->Marco(TipoVista::PPL)->geometry(), mem = f->Marco(TipoVista::Memoria)->geometry();
        QVERIFY2(!ppl.intersects(mem), qPrintable(QString("PPL %1,%2 %3x%4, Memoria %5,%6 %7x%8")
                                                     .arg(ppl.x()).arg(ppl.y()).arg(ppl.width()).arg(ppl.height())
                                                     .arg(mem.x()).arg(mem.y()).arg(mem.width()).arg(mem.height())));
        QVERIFY(!f->Marco(TipoVista::Registros)->geometry().intersects(f->Marco(TipoVista::DASM)->geometry()));
    }

    // With the pipeline window unfolded, the default arrangement and every
    // share of the tiling leave each view's title bar and column headers in
    // sight, in main windows of 1152 x 864 and 1280 x 1024 pixels.
    void disposicionesDejanVerTitulosYCabeceras_data() {
        QTest::addColumn<QString>("ancho");
        QTest::addColumn<QString>("alto");
        QTest::newRow("1152x864") << "17280" << "12960";
        QTest::newRow("1280x1024") << "19200" << "15360";
    }
    void disposicionesDejanVerTitulosYCabeceras() {
        QFETCH(QString, ancho);
        QFETCH(QString, alto);
        ajustes_->Poner("MainSettings", "Width", ancho.toStdString());
        ajustes_->Poner("MainSettings", "Height", alto.toStdString());
        auto f = Abrir();
        QVERIFY(f);
        auto* ppl = dynamic_cast<FrmPPL*>(f->Vista(TipoVista::PPL));
        QVERIFY(ppl);
        QTest::mouseClick(ppl->CmdModoFrm(0), Qt::LeftButton);
        QVERIFY(ppl->FrmSeg()->isVisible());
        // The default arrangement, then the tiling's shares 70, 80, 20 ... 60 %,
        // each after the user went on in the listing and the register window,
        // which come to the front.
        for (int i = 0; i < 8; ++i) {
            for (TipoVista t : {TipoVista::DASM, TipoVista::Registros})
                QTest::mouseClick(f->Marco(t)->widget(), Qt::LeftButton, {}, QPoint(2, 2));
            const char* orden = i == 0 ? "mnuWindowPred" : "mnuWindowMosaico";
            f->EjecutarComando(orden);
            const QString tapado = Tapado(*f);
            QVERIFY2(tapado.isEmpty(), qPrintable(QString("%1 (%2): %3").arg(orden).arg(i).arg(tapado)));
        }
    }

    // A stored place that is not a number in the strict sense (hexadecimal,
    // infinite, not a number) reads as the default, in the main window as in
    // a view.
    void numeroIlegibleDaElDefecto_data() {
        QTest::addColumn<QString>("guardado");
        for (const char* t : {"0x10", "inf", "-inf", "nan"}) QTest::newRow(t) << QString(t);
    }
    void numeroIlegibleDaElDefecto() {
        QFETCH(QString, guardado);
        QRect principal, listado;
        {
            auto f = Abrir();
            QVERIFY(f);
            principal = f->geometry();
            listado = f->Marco(TipoVista::DASM)->geometry();
        }
        ajustes_.reset();
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        ajustes_->Poner("DASMSettings", "Status", "0");
        ajustes_->Poner("DASMSettings", "Left", guardado.toStdString());
        auto f = Abrir(guardado.toStdString());
        QVERIFY(f);
        QCOMPARE(f->geometry(), principal);
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), listado);
    }

    // A place that is reachable, though partly outside the area, is kept.
    void lugarGuardadoAlcanzableSeRespeta() {
        for (const DatosVista& d : TablaVistas()) {
            const char* s = d.seccion;
            ajustes_->Poner(s, "Status", "0");
            ajustes_->Poner(s, "Left", "-1500");
            ajustes_->Poner(s, "Top", "6000");
            ajustes_->Poner(s, "Width", "9000");
            ajustes_->Poner(s, "Height", "4500");
        }
        auto f = Abrir();
        QVERIFY(f);
        for (const DatosVista& d : TablaVistas()) {
            QMdiSubWindow* m = f->Marco(d.tipo);
            QCOMPARE(m->pos(), QPoint(-100, 400));
            if (d.tipo == TipoVista::DASM || d.tipo == TipoVista::Memoria) QCOMPARE(m->size(), QSize(600, 300));
        }
    }

    // Views dragged out of reach or squeezed to nothing: Salvar Posición
    // stores places in reach and sizes, and the next start shows them there.
    void salvarNoGuardaLugaresInalcanzables() {
        auto f = Abrir();
        QVERIFY(f);
        const QSize area = f->AreaCliente()->size();
        f->Marco(TipoVista::DASM)->setGeometry(-3000, 40, 0, 0);
        f->Marco(TipoVista::Memoria)->setGeometry(2000, 2000, 300, 200);
        f->Marco(TipoVista::Registros)->move(30, -500);
        f->Marco(TipoVista::PPL)->move(area.width() - 5, area.height() - 5);
        f->EjecutarComando("mnuSalvarPos");
        auto numero = [&](const char* s, const char* k) {
            const std::string* v = ajustes_->Valor(s, k);
            return v ? std::stod(*v) : -1e9;
        };
        for (const DatosVista& d : TablaVistas()) {
            const char* s = d.seccion;
            const bool conTamano = d.tipo == TipoVista::DASM || d.tipo == TipoVista::Memoria;
            const QRect guardado(int(numero(s, "Left") / 15), int(numero(s, "Top") / 15),
                                 conTamano ? int(numero(s, "Width") / 15) : f->Marco(d.tipo)->width(),
                                 conTamano ? int(numero(s, "Height") / 15) : f->Marco(d.tipo)->height());
            QVERIFY2(Alcanzable(guardado, area),
                     QByteArray(s) + " " + QByteArray::number(guardado.x()) + "," + QByteArray::number(guardado.y()) +
                         " " + QByteArray::number(guardado.width()) + "x" + QByteArray::number(guardado.height()));
        }
        f.reset();
        auto otra = Abrir();
        QVERIFY(otra);
        QCOMPARE(otra->Marco(TipoVista::DASM)->x(), 0);
        QCOMPARE(otra->Marco(TipoVista::DASM)->y(), 40);
        QVERIFY(otra->Marco(TipoVista::DASM)->width() >= 200 && otra->Marco(TipoVista::DASM)->height() >= 120);
        QCOMPARE(otra->Marco(TipoVista::Registros)->pos(), QPoint(30, 0));
    }
};

QTEST_MAIN(TestLugarVistas)
#include "test_lugar_vistas.moc"
