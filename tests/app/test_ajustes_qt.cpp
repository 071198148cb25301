// The Qt settings store: INI file per application, nested sections, texts kept as given.
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "data/DatosPrograma.h"
#include "platform/qt/AjustesQt.h"

class TestAjustesQt : public QObject {
    Q_OBJECT

private slots:
    void textsComeBackAsWritten() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const std::vector<std::string> valores = {"", "50", "C:\\WINDOWS\\CALC.EXE", "a, b; c", "\"citado\"",
                                                  "@Variant(x)", "  blancos  ", "Periféricos", "=#[x]"};
        for (std::size_t i = 0; i < valores.size(); ++i)
            a.Escribir("Tarvix", "Opciones\\MRUFiles", "MRU " + std::to_string(i + 1), valores[i]);
        plataforma::AjustesQt b(dir.path().toStdString());  // a fresh reader sees the file
        for (std::size_t i = 0; i < valores.size(); ++i)
            QCOMPARE(b.Leer("Tarvix", "Opciones\\MRUFiles", "MRU " + std::to_string(i + 1), "def"), valores[i]);
        QCOMPARE(b.Leer("Tarvix", "Opciones\\MRUFiles", "MRU1", "def"), std::string("def"));
        QCOMPARE(b.Leer("Tarvix", "Opciones", "MRU 1", "def"), std::string("def"));
        QCOMPARE(b.Leer("Otra", "Opciones\\MRUFiles", "MRU 2", "def"), std::string("def"));
    }

    void sectionsAreNestedGroupsOfTheApplicationFile() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        a.Escribir("Tarvix", "Opciones\\Resumen\\Impresion", "MgSup", "12");
        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "5");
        const std::string fichero = a.Fichero("Tarvix");
        QCOMPARE(fichero, dir.path().toStdString() + "/Tarvix/Tarvix.ini");
        QSettings s(QString::fromStdString(fichero), QSettings::IniFormat);
        QCOMPARE(s.value("Opciones/Resumen/Impresion/MgSup").toString(), QString("12"));
        s.beginGroup("Opciones");
        QCOMPARE(s.childGroups(), QStringList{"Resumen"});
        QCOMPARE(s.childKeys(), QStringList{"NumMRUFiles"});
    }

    void handEditedListReadsWhole() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        QDir().mkpath(dir.path() + "/Tarvix");
        QFile f(QString::fromStdString(a.Fichero("Tarvix")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Opciones]\nConfig\\Editor=vi,-n\n");
        f.close();
        QCOMPARE(a.Leer("Tarvix", "Opciones\\Config", "Editor", ""), std::string("vi,-n"));
    }

    void programOptionsSurviveARestart() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        plataforma::EstablecerAjustes(&a);
        LeerOpciones();
        FontSize = 9.5f;
        Editor = "/usr/bin/kate";
        MRU[2] = "/home/u/prog, 2.dsk";
        ModoDSP = 1;
        GuardarOpciones();
        FontSize = 10;
        Editor.clear();
        MRU[2].clear();
        ModoDSP = 0;
        LeerOpciones();
        QCOMPARE(FontSize, 9.5f);
        QCOMPARE(Editor, std::string("/usr/bin/kate"));
        QCOMPARE(MRU[2], std::string("/home/u/prog, 2.dsk"));
        QCOMPARE(ModoDSP, int16_t{1});
        plataforma::EstablecerAjustes(nullptr);
        ModoDSP = 0;
    }
};

QTEST_MAIN(TestAjustesQt)
#include "test_ajustes_qt.moc"
