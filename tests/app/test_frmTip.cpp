// Tip of the day and splash window: tips from a file, the start-up setting.
#include <QtTest>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <set>

#include "app/frmSplash.h"
#include "app/frmTip.h"
#include "fakes/AjustesMemoria.h"
#include "fakes/CuadrosFalsos.h"

class TestFrmTip : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta;

    std::string Fichero(const std::string& contenido) {
        const QString ruta = carpeta.filePath("TIPOFDAY.DAT");
        QFile f(ruta);
        f.open(QIODevice::WriteOnly);
        f.write(contenido.data(), qint64(contenido.size()));
        return ruta.toStdString();
    }

private slots:
    void tresSugerenciasAlAzar() {
        prueba::AjustesMemoria ajustes;
        frmTip tip(nullptr, Fichero("uno\r\n\r\ntres\r\n"));
        QCOMPARE(tip.ListaSugerencias(), (std::vector<std::string>{"uno", "", "tres"}));
        std::set<int> vistas;
        for (int i = 0; i < 200; ++i) {
            tip.cmdNextTip()->click();
            const int p = tip.SugerenciaActual();
            QVERIFY(p >= 1 && p <= 3);
            QCOMPARE(tip.lblTipText()->text().toStdString(), tip.ListaSugerencias()[size_t(p - 1)]);
            vistas.insert(p);
        }
        QCOMPARE(vistas.size(), size_t(3));
    }

    void sinFichero() {
        prueba::AjustesMemoria ajustes;
        frmTip tip(nullptr, carpeta.filePath("no-existe.DAT").toStdString());
        QVERIFY(tip.ListaSugerencias().empty());
        tip.cmdNextTip()->click();
        QCOMPARE(tip.lblTipText()->text(), QString());
        QVERIFY(!tip.LoadTips(""));
    }

    void ajusteDeInicio() {
        prueba::AjustesMemoria ajustes;
        {
            // No setting: the box opens ticked and "1" is stored at once.
            frmTip tip(nullptr, Fichero("a\r\n"));
            QVERIFY(tip.chkLoadTipsAtStartup()->isChecked());
            QCOMPARE(*ajustes.Valor("Opciones", "Show Tips at Startup"), std::string("1"));
            tip.chkLoadTipsAtStartup()->click();
            QCOMPARE(*ajustes.Valor("Opciones", "Show Tips at Startup"), std::string("0"));
        }
        ajustes.escritas.clear();
        frmTip tip(nullptr, Fichero("a\r\n"));
        QVERIFY(!tip.chkLoadTipsAtStartup()->isChecked());
        QVERIFY(ajustes.escritas.empty());
        QCOMPARE(tip.windowTitle(), QString("Sugerencia del día"));
    }

    // The user's choice in the box is saved at once, with the options in the
    // one write of the store, and a save that fails is told as at exit; the
    // value the window stores when it opens waits for the next save.
    void eleccionSeGuarda() {
        for (const bool falla : {false, true}) {
            prueba::AjustesMemoria ajustes;
            prueba::CuadrosFalsos cuadros;
            ajustes.fallaGuardar = falla;
            frmTip tip(nullptr, Fichero("a\r\n"));
            QCOMPARE(ajustes.guardados, 0);
            tip.chkLoadTipsAtStartup()->click();
            QCOMPARE(ajustes.guardados, 1);
            QCOMPARE(*ajustes.Valor("Opciones", "Show Tips at Startup"), std::string("0"));
            QVERIFY(ajustes.Valor("Opciones\\Entorno", "Frecuencia_Reloj"));
            QCOMPARE(cuadros.mostrados.size(), std::size_t{falla ? 1u : 0u});
            if (falla) QCOMPARE(cuadros.mostrados[0].titulo, std::string("Guardar Opciones"));
        }
    }

    void ficheroDelPrograma() {
        // The program's own tip file: about twenty tips, none empty.
        prueba::AjustesMemoria ajustes;
        frmTip tip(nullptr, std::string(TARVIX_SOURCE_DIR) + "/resources/TIPOFDAY.DAT");
        QVERIFY(tip.ListaSugerencias().size() >= 18);
        for (const std::string& s : tip.ListaSugerencias()) QVERIFY(!s.empty());
        QVERIFY(!tip.lblTipText()->text().isEmpty());
    }

    void splash() {
        frmSplash s(nullptr, 30);
        QCOMPARE(s.lblVersion()->text(), QString("Version 2.1"));
        QVERIFY(s.TmrSplash()->isActive());
        QVERIFY(s.windowFlags() & Qt::WindowStaysOnTopHint);
        QElapsedTimer reloj;
        reloj.start();
        QCOMPARE(s.exec(), int(QDialog::Accepted));  // closes itself
        QVERIFY(reloj.elapsed() < 2000);
    }
};

QTEST_MAIN(TestFrmTip)
#include "test_frmTip.moc"
