// Window arrangements: the layouts worked out in twips, then the commands on a
// shown main window with stand-in views (positions, hidden views, the toolbar
// buttons, the tiling caption, the settings written and read).
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QtTest>
#include <cmath>

#include "VistasFalsas.h"
#include "app/DisposicionVentanas.h"
#include "app/frmMain.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"

using namespace disposicion;

namespace {

int Px(double twips) { return int(std::lround(twips / 15.0)); }
QRect Rectangulo(const Rect& r) { return QRect(Px(r.izq), Px(r.arriba), Px(r.ancho), Px(r.alto)); }

}  // namespace

class TestDisposicion : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;
    DialogosFalsos dialogos_;

    std::unique_ptr<frmMain> Abrir() {
        ajustes_->Poner("MainSettings", "Status", "0");
        auto f = VentanaNueva(dialogos_);
        f->setGeometry(50, 50, 1000, 700);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
        // The stand-in views have no layout of their own: give them sizes.
        f->Marco(TipoVista::PPL)->resize(300, 200);
        f->Marco(TipoVista::Registros)->resize(240, 400);
        return f;
    }
    static QSize Cliente(frmMain& f) { return f.AreaCliente()->viewport()->size(); }
    static int32_t Tw(int px) { return px * 15; }

private slots:
    void initTestCase() { RegistrarVistasFalsas(); }
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    void proporcionesDelMosaico() {
        double r = 0.7;
        QStringList vistas;
        for (int i = 0; i < 8; ++i) {
            vistas << QString::number(std::lround(r * 100));
            r = SiguienteProporcion(r);
        }
        QCOMPARE(vistas, (QStringList{"70", "80", "20", "30", "40", "50", "60", "70"}));
        QCOMPARE(TextoMosaico(0.8), std::string("Alternar &Mosaico (80% - 20%)"));
        QCOMPARE(TextoMosaico(0.2), std::string("Alternar &Mosaico (20% - 80%)"));
    }

    void disposicionesEnTwips() {
        const Posiciones p = Predeterminada(15000, 9000, {4000, 3000}, {4500, 6000});
        QCOMPARE(*p.ppl, (Rect{11000, 6020, 4000, 3000}));
        QCOMPARE(*p.registros, (Rect{10500, 0, 4500, 6000}));
        QCOMPARE(p.memoria, (Rect{0, 5400, 10500, 3600}));
        QCOMPARE(p.dasm, (Rect{0, 0, 10500, 5400}));
        // Tiling: the register window's width gives the listing's; the memory
        // window also keeps clear of a wider pipeline window below the registers.
        const Posiciones ambas = Mosaico(15000, 9000, 0.2, Tam{5000, 3000}, Tam{4000, 6000});
        QCOMPARE(ambas.dasm, (Rect{0, 0, 11000, 1800}));
        QCOMPARE(ambas.memoria, (Rect{0, 1800, 10000, 7200}));
        QCOMPARE(Mosaico(15000, 9000, 0.7, Tam{5000, 3000}, std::nullopt).dasm.ancho, 10000.0);
        const Posiciones ninguna = Mosaico(15000, 9000, 0.7, std::nullopt, std::nullopt);
        QVERIFY(!ninguna.ppl && !ninguna.registros);
        QCOMPARE(ninguna.dasm.ancho, 15000.0);
    }

    // The pipeline window, wider than the register window in most faces,
    // stands at the bottom right: neither arrangement lays the memory window
    // over it, nor the listing over the register window.
    void ningunaVistaTapaALasLaterales() {
        auto solapan = [](const Rect& a, const Rect& b) {
            return a.izq < b.izq + b.ancho && b.izq < a.izq + a.ancho && a.arriba < b.arriba + b.alto &&
                   b.arriba < a.arriba + a.alto;
        };
        const Tam ppl{9750, 2310}, reg{3900, 5000};
        std::vector<Posiciones> casos = {Predeterminada(19200, 13800, ppl, reg)};
        for (double r : {0.2, 0.5, 0.7, 0.8}) casos.push_back(Mosaico(19200, 13800, r, ppl, reg));
        for (const Posiciones& p : casos) {
            QVERIFY(!solapan(p.memoria, *p.ppl));
            QVERIFY(!solapan(p.dasm, *p.registros));
            QCOMPARE(p.dasm.ancho, 19200.0 - 3900);
        }
    }

    // A client area too small for the shares: the listing and memory windows
    // keep their title bar and a few rows (3000 x 1800 twips) and overlap;
    // every view's corner stays inside the area (at its origin when the area
    // is smaller than the view).
    void areaPequenaDejaCadaVistaUtilizable_data() {
        QTest::addColumn<int>("cw");
        QTest::addColumn<int>("ch");
        for (const auto& [cw, ch] : std::vector<std::pair<int, int>>{
                 {15000, 9000}, {6000, 4500}, {4500, 9000}, {15000, 2400}, {3000, 1800}, {1500, 900}, {300, 150}, {0, 0}})
            QTest::addRow("%dx%d", cw, ch) << cw << ch;
    }
    void areaPequenaDejaCadaVistaUtilizable() {
        QFETCH(int, cw);
        QFETCH(int, ch);
        const Tam ppl{3900, 2900}, reg{4000, 5000};
        auto dentro = [&](const Rect& r, const char* que) {
            const QByteArray nombre = QByteArray(que) + " " + QByteArray::number(r.izq) + "," +
                                      QByteArray::number(r.arriba) + " " + QByteArray::number(r.ancho) + "x" +
                                      QByteArray::number(r.alto);
            QVERIFY2(r.izq >= 0 && r.arriba >= 0, nombre);
            QVERIFY2(r.izq == 0 || r.izq + 600 <= cw, nombre);      // a piece of its title bar shows
            QVERIFY2(r.arriba == 0 || r.arriba + 300 <= ch, nombre);
        };
        auto utilizable = [&](const Rect& r, const char* que) {
            dentro(r, que);
            QVERIFY2(r.ancho >= 3000 && r.alto >= 1800, que);
        };
        for (double r : {0.2, 0.5, 0.7, 0.8}) {
            const Posiciones m = Mosaico(cw, ch, r, ppl, reg);
            utilizable(m.dasm, "DASM");
            utilizable(m.memoria, "Memoria");
            dentro(*m.ppl, "PPL");
            dentro(*m.registros, "Registros");
            // The memory window stays below the listing's top, its bottom at the area's when it fits.
            if (ch >= 1800) QCOMPARE(m.memoria.arriba + m.memoria.alto, double(ch));
        }
        const Posiciones p = Predeterminada(cw, ch, ppl, reg);
        utilizable(p.dasm, "DASM");
        utilizable(p.memoria, "Memoria");
        dentro(*p.ppl, "PPL");
        dentro(*p.registros, "Registros");
        // Where the area is big enough the shares are the plain ones.
        if (cw >= 4000 + 3000 && ch >= 4500) {
            QCOMPARE(p.dasm, (Rect{0, 0, double(cw - 4000), 0.6 * ch}));
            QCOMPARE(p.memoria, (Rect{0, 0.6 * ch, double(cw - 4000), 0.4 * ch}));
        }
    }

    void mosaicoAlternaYCambiaElTitulo() {
        auto f = Abrir();
        QVERIFY(f);
        const QSize c = Cliente(*f);
        const int32_t cw = Tw(c.width()), ch = Tw(c.height());
        const Tam reg{Tw(240), Tw(400)}, ppl{Tw(300), Tw(200)};
        f->EjecutarComando("mnuWindowMosaico");
        const Posiciones p = Mosaico(cw, ch, 0.7, ppl, reg);
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), Rectangulo(p.dasm));
        QCOMPARE(f->Marco(TipoVista::Memoria)->geometry(), Rectangulo(p.memoria));
        QCOMPARE(f->Marco(TipoVista::Registros)->pos(), Rectangulo(*p.registros).topLeft());
        QCOMPARE(f->Marco(TipoVista::PPL)->pos(), Rectangulo(*p.ppl).topLeft());
        QCOMPARE(f->Accion("mnuWindowMosaico")->text(), QString("Alternar &Mosaico (80% - 20%)"));
        QCOMPARE(f->ProporcionMosaico(), 0.8);
        // With neither side window shown the two take the whole width.
        f->AlternarVista(TipoVista::Registros);
        f->AlternarVista(TipoVista::PPL);
        f->EjecutarComando("mnuWindowMosaico");
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), Rectangulo(Mosaico(cw, ch, 0.8, {}, {}).dasm));
        QVERIFY(!f->Marco(TipoVista::Registros)->isVisible());
        QCOMPARE(f->Accion("mnuWindowMosaico")->text(), QString("Alternar &Mosaico (20% - 80%)"));
    }

    // In a small main window the arrangements leave every view reachable with
    // a size, and Salvar Posición stores what a later start can show.
    void ventanaPequenaGuardaLugaresSanos_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("mosaico") << "mnuWindowMosaico";
        QTest::newRow("predeterminado") << "mnuWindowPred";
    }
    void ventanaPequenaGuardaLugaresSanos() {
        QFETCH(QString, comando);
        auto f = Abrir();
        QVERIFY(f);
        f->resize(f->minimumSizeHint());
        QTRY_VERIFY(Cliente(*f).height() < 120);
        const QSize c = Cliente(*f);
        f->EjecutarComando(comando.toStdString());
        f->EjecutarComando("mnuSalvarPos");
        auto numero = [&](const char* s, const char* k) {
            const std::string* v = ajustes_->Valor(s, k);
            return v ? std::stod(*v) : -1e9;
        };
        for (const char* s : {"DASMSettings", "MemoriaSettings", "PPLSettings", "RegistrosSettings"}) {
            const double izq = numero(s, "Left"), arriba = numero(s, "Top");
            const QByteArray que = QByteArray(s) + " " + QByteArray::number(izq) + "," + QByteArray::number(arriba);
            QVERIFY2(izq >= 0 && izq < Tw(c.width()), que);
            QVERIFY2(arriba >= 0 && arriba < Tw(c.height()), que);
        }
        for (const char* s : {"DASMSettings", "MemoriaSettings"}) {
            QVERIFY2(numero(s, "Width") >= 3000, s);
            QVERIFY2(numero(s, "Height") >= 1800, s);
        }
    }

    // Hiding the memory window through the Window menu (or its button) keeps
    // it loaded where it was and disables the Edit and Memory menus until it
    // is shown again.
    void ocultarYMostrarLaMemoria() {
        auto f = Abrir();
        QVERIFY(f);
        QMdiSubWindow* marco = f->Marco(TipoVista::Memoria);
        QWidget* vista = marco->widget();
        marco->setGeometry(30, 40, 300, 200);
        f->tbToolBar_ButtonClick("Memoria");
        QVERIFY(!f->VistaAbierta(TipoVista::Memoria) && !f->Boton("Memoria")->isChecked());
        QVERIFY(!marco->isVisible());
        QVERIFY(!f->Menu("mnuEdit")->isEnabled() && !f->Menu("PopMnuMem")->isEnabled());
        QVERIFY(f->Menu("mnuDep")->isEnabled());
        f->EjecutarComando("mnuWindowMemoria");
        QCOMPARE(f->Marco(TipoVista::Memoria), marco);
        QCOMPARE(marco->widget(), vista);
        QVERIFY(marco->isVisible() && f->Boton("Memoria")->isChecked());
        QCOMPARE(marco->geometry(), QRect(30, 40, 300, 200));
        QVERIFY(f->Menu("mnuEdit")->isEnabled() && f->Menu("PopMnuMem")->isEnabled());
    }

    void predeterminadaCargaYReservaLosRegistros() {
        auto f = Abrir();
        QVERIFY(f);
        f->AlternarVista(TipoVista::Registros);       // hidden, still loaded
        f->Marco(TipoVista::PPL)->close();            // closed: the command loads it
        QTRY_VERIFY(!f->Vista(TipoVista::PPL));
        f->Marco(TipoVista::DASM)->showMaximized();
        f->EjecutarComando("mnuWindowPred");
        QVERIFY(f->Vista(TipoVista::PPL) && f->Marco(TipoVista::PPL)->isVisible());
        QVERIFY(f->VistaAbierta(TipoVista::PPL) && f->Boton("PPL")->isChecked());
        QVERIFY(!f->Marco(TipoVista::Registros)->isVisible() && !f->VistaAbierta(TipoVista::Registros));
        const QSize c = Cliente(*f);
        const Posiciones p = Predeterminada(Tw(c.width()), Tw(c.height()), TamDe(f->Marco(TipoVista::PPL)),
                                            TamDe(f->Marco(TipoVista::Registros)));
        QVERIFY(!f->Marco(TipoVista::DASM)->isMaximized());
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), Rectangulo(p.dasm));
        QCOMPARE(f->Marco(TipoVista::Memoria)->geometry(), Rectangulo(p.memoria));
        QCOMPARE(f->Marco(TipoVista::Registros)->pos(), Rectangulo(*p.registros).topLeft());
        QCOMPARE(f->Marco(TipoVista::PPL)->pos(), Rectangulo(*p.ppl).topLeft());
    }

    void recuperarAplicaLoGuardado() {
        auto f = Abrir();
        QVERIFY(f);
        ajustes_->Poner("DASMSettings", "Left", "150");
        ajustes_->Poner("DASMSettings", "Top", "300");
        ajustes_->Poner("DASMSettings", "Width", "6000");
        ajustes_->Poner("DASMSettings", "Height", "4500");
        ajustes_->Poner("DASMSettings", "Status", "0");
        ajustes_->Poner("RegistrosSettings", "Left", "7500");
        ajustes_->Poner("RegistrosSettings", "Top", "0");
        ajustes_->Poner("RegistrosSettings", "Status", "0");
        ajustes_->Poner("MemoriaSettings", "Visible", "False");
        ajustes_->Poner("PPLSettings", "Status", "1");
        f->Marco(TipoVista::PPL)->close();
        QTRY_VERIFY(!f->Vista(TipoVista::PPL));
        const QRect memoria = f->Marco(TipoVista::Memoria)->geometry();
        f->EjecutarComando("mnuRecupPos");
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), QRect(10, 20, 400, 300));
        QCOMPARE(f->Marco(TipoVista::Registros)->pos(), QPoint(500, 0));
        QVERIFY(f->Marco(TipoVista::PPL) && f->Marco(TipoVista::PPL)->isMinimized());
        // "Visible" False: the button is released though the window stays shown.
        QVERIFY(!f->Boton("Memoria")->isChecked());
        QVERIFY(f->Marco(TipoVista::Memoria)->isVisible());
        QCOMPARE(f->Marco(TipoVista::Memoria)->geometry(), memoria);
        // A minimised listing window keeps its place and only takes the state;
        // missing keys maximise.
        f->Marco(TipoVista::DASM)->showMinimized();
        ajustes_->valores.erase({plataforma::kAplicacion, "DASMSettings", "Status"});
        f->EjecutarComando("mnuRecupPos");
        QVERIFY(f->Marco(TipoVista::DASM)->isMaximized());
    }

    // A stored place out of reach, or a size of nothing, gives way to the
    // view's place in the default arrangement.
    void recuperarSustituyeLoInalcanzable() {
        auto f = Abrir();
        QVERIFY(f);
        for (const char* s : {"DASMSettings", "MemoriaSettings", "RegistrosSettings", "PPLSettings"})
            ajustes_->Poner(s, "Status", "0");
        ajustes_->Poner("DASMSettings", "Left", "-200000");
        ajustes_->Poner("MemoriaSettings", "Width", "0");
        ajustes_->Poner("MemoriaSettings", "Height", "1e30");
        ajustes_->Poner("RegistrosSettings", "Left", "1e30");
        ajustes_->Poner("PPLSettings", "Top", "200000");
        f->EjecutarComando("mnuRecupPos");
        const QSize c = Cliente(*f);
        const Posiciones p = Predeterminada(Tw(c.width()), Tw(c.height()), TamDe(f->Marco(TipoVista::PPL)),
                                            TamDe(f->Marco(TipoVista::Registros)));
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), Rectangulo(p.dasm));
        QCOMPARE(f->Marco(TipoVista::Memoria)->geometry(), Rectangulo(p.memoria));
        QCOMPARE(f->Marco(TipoVista::Registros)->pos(), Rectangulo(*p.registros).topLeft());
        QCOMPARE(f->Marco(TipoVista::PPL)->pos(), Rectangulo(*p.ppl).topLeft());
    }

    void salvarGuardaLaDisposicionActual() {
        auto f = Abrir();
        QVERIFY(f);
        f->Marco(TipoVista::DASM)->setGeometry(20, 30, 400, 300);
        f->Marco(TipoVista::Registros)->move(600, 10);
        f->AlternarVista(TipoVista::PPL);
        f->Marco(TipoVista::Memoria)->showMaximized();
        f->EjecutarComando("mnuSalvarPos");
        auto valor = [&](const char* s, const char* k) {
            const std::string* v = ajustes_->Valor(s, k);
            return v ? *v : std::string("<none>");
        };
        QCOMPARE(valor("MainSettings", "Status"), std::string("0"));
        QCOMPARE(valor("MainSettings", "Width"), std::to_string(Tw(f->geometry().width())));
        QCOMPARE(valor("DASMSettings", "Visible"), std::string("True"));
        QCOMPARE(valor("DASMSettings", "Left"), std::string("300"));
        QCOMPARE(valor("DASMSettings", "Height"), std::string("4500"));
        QCOMPARE(valor("RegistrosSettings", "Left"), std::string("9000"));
        QCOMPARE(valor("RegistrosSettings", "Width"), std::string("<none>"));
        QCOMPARE(valor("PPLSettings", "Visible"), std::string("False"));
        QCOMPARE(valor("PPLSettings", "Status"), std::string("<none>"));
        QCOMPARE(valor("MemoriaSettings", "Status"), std::string("2"));
        QCOMPARE(valor("MemoriaSettings", "Left"), std::string("<none>"));
        // What was saved comes back.
        f->Marco(TipoVista::DASM)->setGeometry(0, 0, 200, 200);
        f->EjecutarComando("mnuRecupPos");
        QCOMPARE(f->Marco(TipoVista::DASM)->geometry(), QRect(20, 30, 400, 300));
        QVERIFY(f->Marco(TipoVista::PPL)->isHidden());
    }

private:
    static Tam TamDe(QMdiSubWindow* m) { return {Tw(m->width()), Tw(m->height())}; }
};

QTEST_MAIN(TestDisposicion)
#include "test_disposicion.moc"
