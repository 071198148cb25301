// The about window: the credits' movement in twips, the window's load, the
// page change by a click, the missing system-information tool, and its
// opening from the Help menu with the hourglass pointer.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMovie>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "VistasFalsas.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"

class TestAbout : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<prueba::CuadrosFalsos> cuadros_;

private slots:
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<prueba::CuadrosFalsos>();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    void creditosSubenYVuelvenPorAbajo() {
        CreditosAbout c;
        QCOMPARE(c.PaginaCreditos(), int16_t(0));
        QCOMPARE(c.Arriba(), 2595);
        QCOMPARE(c.Izquierda(), 110);
        for (int i = 0; i < 633; ++i) c.Tick();
        QCOMPARE(c.Arriba(), 2595 - 633 * 20);  // -10065: still partly in view
        c.Tick();                               // -10085 is past -10080
        QCOMPARE(c.Arriba(), 2595);
        c.Tick();
        c.CambiarPagina();
        QCOMPARE(c.PaginaCreditos(), int16_t(1));
        QCOMPARE(c.Arriba(), 2595);
        c.CambiarPagina();
        QCOMPARE(c.PaginaCreditos(), int16_t(0));
    }

    void carga() {
        frmAbout a;
        QCOMPARE(a.windowTitle(), QString("Acerca de Tarvix"));
        QCOMPARE(a.LblVersion()->text(), QString("Versión 2.1.0"));
        QCOMPARE(a.size(), QSize(465, 295));
        QCOMPARE(a.PicCreditos()->geometry(), QRect(182, 29, 272, 173));
        QVERIFY(a.CmdOK()->isDefault());
        QCOMPARE(a.CmdOK()->text(), QString("Aceptar"));
        QCOMPARE(a.CmdSysInfo()->text(), QString("&Información..."));
        QVERIFY(a.Timer1()->isActive() && a.Timer1()->interval() == 50);
        QVERIFY(a.PicContent(0)->isVisibleTo(&a) && !a.PicContent(1)->isVisibleTo(&a));
        QCOMPARE(a.PicContent(0)->pos(), QPoint(7, 173));
        QCOMPARE(a.PicContent(0)->size(), QSize(254, 672));
        // The pages scroll inside the frame's border, never over it.
        QCOMPARE(a.PicContent(0)->parentWidget()->geometry(), a.PicCreditos()->contentsRect());
        QCOMPARE(a.PicContent(1)->parentWidget(), a.PicContent(0)->parentWidget());
        // No "logo.sys" beside the program: the still logo stays, no message.
        QVERIFY(!a.Animacion() && !a.PicLogo()->pixmap().isNull());
        QVERIFY(cuadros_->mostrados.empty());
        for (int i = 0; i < 3; ++i) a.Timer1_Timer();
        QCOMPARE(a.PicContent(0)->y(), (2595 - 60) / 15);
    }

    void clicCambiaDePagina() {
        frmAbout a;
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        a.Timer1_Timer();
        QTest::mouseClick(a.PicCreditos(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(a.Creditos().PaginaCreditos(), int16_t(1));
        QVERIFY(a.PicContent(1)->isVisible() && !a.PicContent(0)->isVisible());
        QCOMPARE(a.PicContent(1)->pos(), QPoint(7, 173));
        // A click on the page itself (here on one of its texts) changes again.
        a.PicContent(1)->move(7, 0);
        QTest::mouseClick(a.PicContent(1)->findChild<QLabel*>(), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(a.Creditos().PaginaCreditos(), int16_t(0));
        QVERIFY(a.PicContent(0)->isVisible() && !a.PicContent(1)->isVisible());
        // Escape closes the window as "Aceptar" does.
        QTest::keyClick(&a, Qt::Key_Escape);
        QVERIFY(!a.isVisible());
    }

    // The shipped "logo.sys" beside the program plays in the logo and loops.
    void animacionDelLogo() {
        const QString destino = QDir(QCoreApplication::applicationDirPath()).filePath("logo.sys");
        QFile::remove(destino);
        QVERIFY(QFile::copy(TARVIX_SOURCE_DIR "/resources/logo.sys", destino));
        {
            frmAbout a;
            QVERIFY(a.Animacion());
            a.show();
            a.activateWindow();
            QTRY_VERIFY(a.PicLogo()->movie() != nullptr);
            QMovie* m = a.PicLogo()->movie();
            QTRY_VERIFY(m->currentFrameNumber() > 0);
            QTRY_VERIFY(m->currentFrameNumber() == 0);  // past the last frame, back to the first
            QVERIFY(m->state() == QMovie::Running);
            QTest::mouseClick(a.PicLogo(), Qt::LeftButton);
            QCOMPARE(m->currentFrameNumber(), 0);
        }
        QFile::remove(destino);
    }

    void sinInformacionDelSistema() {
        frmAbout a;
        a.show();
        a.CmdSysInfo()->click();
        QCOMPARE(cuadros_->mostrados.size(), size_t(1));
        const plataforma::Cuadro& c = cuadros_->mostrados[0];
        QCOMPARE(c.texto, std::string("La información del sistema no está disponible en este momento"));
        QCOMPARE(c.titulo, std::string("Tarvix"));
        QVERIFY(c.icono == plataforma::Icono::Ninguno && c.botones == plataforma::Botones::Aceptar && !c.botonAyuda);
        QVERIFY(a.isVisible());
    }

    void desdeElMenuAyuda() {
        RegistrarVistasFalsas();
        DialogosFalsos dialogos;
        auto f = VentanaNueva(dialogos);
        QVERIFY(f->Accion("mnuHelpAbout")->isEnabled());
        bool visto = false, reloj = true;
        QWidget* dueno = nullptr;
        QTimer::singleShot(50, [&] {
            auto* a = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            reloj = QApplication::overrideCursor() != nullptr;
            if (!a) return;
            visto = true;
            dueno = a->parentWidget();
            a->CmdOK()->click();
        });
        f->EjecutarComando("mnuHelpAbout");
        QVERIFY(visto);
        QCOMPARE(dueno, static_cast<QWidget*>(f.get()));
        QVERIFY(!reloj);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
