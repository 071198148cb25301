// The Qt message and input boxes: buttons, answers, and the Help button that
// reports the missing help file and leaves the box open.
#include <QtTest>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>
#include <functional>

#include "platform/qt/AyudaQt.h"
#include "platform/qt/CuadrosQt.h"

using namespace plataforma;

namespace {

// Runs the steps one after the other, each once a modal box is up. Each timer
// holds the next step and the ones after it, so all is freed once the last has run.
void AlAbrirse(std::vector<std::function<void(QWidget*)>> pasos) {
    if (pasos.empty()) return;
    QTimer::singleShot(10, [pasos = std::move(pasos)]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            AlAbrirse(std::move(pasos));
            return;
        }
        const auto paso = pasos.front();
        pasos.erase(pasos.begin());
        AlAbrirse(std::move(pasos));
        paso(modal);
    });
}

QPushButton* Boton(QWidget* cuadro, QDialogButtonBox::StandardButton b) {
    return cuadro->findChild<QDialogButtonBox*>()->button(b);
}

Cuadro Ejemplo(Botones botones, bool ayuda) {
    Cuadro c;
    c.titulo = "Reset DSP";
    c.texto = "Primera línea\r  - segunda";
    c.icono = Icono::Informacion;
    c.botones = botones;
    c.botonAyuda = ayuda;
    c.ficheroAyuda = kFicheroAyuda;
    c.contextoAyuda = 310;
    return c;
}

}  // namespace

class TestCuadrosQt : public QObject {
    Q_OBJECT
    qt::CuadrosQt servicio;

private slots:
    void initTestCase() { EstablecerCuadros(&servicio); }
    void cleanupTestCase() { EstablecerCuadros(nullptr); }

    void aceptarYCancelar() {
        QString titulo, texto;
        bool hayCancelar = true, hayAyuda = true;
        AlAbrirse({[&](QWidget* m) {
            titulo = m->windowTitle();
            texto = m->findChild<QLabel*>("texto")->text();
            hayCancelar = Boton(m, QDialogButtonBox::Cancel) != nullptr;
            hayAyuda = Boton(m, QDialogButtonBox::Help) != nullptr;
            Boton(m, QDialogButtonBox::Ok)->click();
        }});
        QCOMPARE(servicio.MsgBox(Ejemplo(Botones::Aceptar, false)), Respuesta::Aceptar);
        QCOMPARE(titulo, QString("Reset DSP"));
        QCOMPARE(texto, QString("Primera línea\n  - segunda"));
        QVERIFY(!hayCancelar && !hayAyuda);

        AlAbrirse({[](QWidget* m) { Boton(m, QDialogButtonBox::Cancel)->click(); }});
        QCOMPARE(servicio.MsgBox(Ejemplo(Botones::AceptarCancelar, false)), Respuesta::Cancelar);
        // Closing the box counts as Cancel.
        AlAbrirse({[](QWidget* m) { m->close(); }});
        QCOMPARE(servicio.MsgBox(Ejemplo(Botones::AceptarCancelar, false)), Respuesta::Cancelar);
    }

    void ayudaNoCierraElCuadro() {
        QString textoAyuda;
        bool sigueAbierto = false;
        QWidget* primero = nullptr;
        AlAbrirse({
            [&](QWidget* m) {
                primero = m;
                Boton(m, QDialogButtonBox::Help)->click();  // opens the help box on top
            },
            [&](QWidget* ayuda) {
                textoAyuda = ayuda->findChild<QLabel*>("texto")->text();
                Boton(ayuda, QDialogButtonBox::Ok)->click();
            },
            [&](QWidget* m) {
                sigueAbierto = m == primero && m->isVisible();
                Boton(m, QDialogButtonBox::Ok)->click();
            },
        });
        QCOMPARE(servicio.MsgBox(Ejemplo(Botones::AceptarCancelar, true)), Respuesta::Aceptar);
        QCOMPARE(textoAyuda, QString::fromStdString(qt::TextoAyudaNoIniciada(kFicheroAyuda)));
        QVERIFY(sigueAbierto);
    }

    // A summary of several lines shows each on one line, and the title fits.
    void cuadroTanAnchoComoSusLineas() {
        Cuadro c;
        c.titulo = "Recuperar Entorno: Resultados del fichero de entorno";
        c.texto = ">>> Archivo de Entorno\r     - Código Desensamblado: carga satisfactoria\r"
                  "     - Lista de Marcas de Ruptura:  0 entradas cargadas";
        qt::DialogoCuadro d(c, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* texto = d.findChild<QLabel*>("texto");
        const QFontMetrics fm = texto->fontMetrics();
        for (const QString& linea : texto->text().split('\n'))
            QVERIFY2(fm.horizontalAdvance(linea) <= texto->contentsRect().width(), qPrintable(linea));
        QVERIFY(d.width() > d.fontMetrics().horizontalAdvance(d.windowTitle()));
    }

    // A line longer than the box may grow wraps: every line of the label is
    // whole inside it, and the box stays within the screen. With
    // TARVIX_MOSTRAR set, the box stays on screen that many seconds.
    void lineaLargaSeParte() {
        Cuadro c;
        c.titulo = "Error de lectura";
        std::string ruta = "/home/usuario/proyectos/dsp";
        for (int i = 0; i < 12; ++i) ruta += "/carpeta_de_programas_" + std::to_string(i);
        c.texto = "No se ha podido abrir el fichero " + ruta + "/filtro.dsk porque no existe, no se tiene permiso "
                  "de lectura sobre él o lo tiene abierto otro programa que no deja leerlo; compruebe la ruta y "
                  "vuelva a intentarlo.\rSegunda línea.";
        c.icono = Icono::Exclamacion;
        qt::DialogoCuadro d(c, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (qEnvironmentVariableIsSet("TARVIX_MOSTRAR")) QTest::qWait(qEnvironmentVariableIntValue("TARVIX_MOSTRAR") * 1000);
        auto* texto = d.findChild<QLabel*>("texto");
        QVERIFY(texto->wordWrap());
        QVERIFY(d.frameGeometry().width() <= d.screen()->availableGeometry().width());
        QVERIFY2(d.rect().contains(texto->geometry()),
                 qPrintable(QString("text %1 to %2 in a box %3 wide")
                                .arg(texto->x()).arg(texto->geometry().right()).arg(d.width())));
        // Lay the text out as the label does, at its own width: each line fits.
        const QRect sitio = texto->contentsRect();
        QTextLayout capa(texto->text().replace('\n', QChar::LineSeparator), texto->font());
        QTextOption opcion;
        opcion.setWrapMode(QTextOption::WordWrap);
        capa.setTextOption(opcion);
        capa.beginLayout();
        qreal alto = 0;
        while (true) {
            QTextLine linea = capa.createLine();
            if (!linea.isValid()) break;
            linea.setLineWidth(sitio.width());
            QVERIFY2(linea.naturalTextWidth() <= sitio.width(),
                     qPrintable(texto->text().mid(linea.textStart(), linea.textLength())));
            alto += linea.height();
        }
        capa.endLayout();
        QVERIFY2(texto->heightForWidth(texto->width()) <= texto->height(),
                 qPrintable(QString("%1 > %2").arg(texto->heightForWidth(texto->width())).arg(texto->height())));
        QVERIFY(alto <= sitio.height() + 1);
    }

    void cuadroDeEntrada() {
        CuadroEntrada e;
        e.titulo = "Búsqueda";
        e.mensaje = "Dirección:";
        e.porDefecto = "809800";
        QString inicial;
        AlAbrirse({[&](QWidget* m) {
            inicial = m->findChild<QLineEdit*>()->text();
            m->findChild<QLineEdit*>()->setText("ABC");
            Boton(m, QDialogButtonBox::Ok)->click();
        }});
        QCOMPARE(servicio.InputBox(e), std::optional<std::string>("ABC"));
        QCOMPARE(inicial, QString("809800"));
        // An empty text is an answer; Cancel is none.
        AlAbrirse({[](QWidget* m) {
            m->findChild<QLineEdit*>()->clear();
            Boton(m, QDialogButtonBox::Ok)->click();
        }});
        QCOMPARE(servicio.InputBox(e), std::optional<std::string>(""));
        AlAbrirse({[](QWidget* m) { Boton(m, QDialogButtonBox::Cancel)->click(); }});
        QCOMPARE(servicio.InputBox(e), std::nullopt);
    }
};

QTEST_MAIN(TestCuadrosQt)
#include "test_cuadros_qt.moc"
