// Kubrel's line handling and shell mapping, driven in-process: the operation line, the comma
// split, the parameter split, the usage text and box, and which program each request starts.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "CuadroUso.h"
#include "LineaKubrel.h"
#include "ShellKubrel.h"

using kubrel::CamposLinea;
using kubrel::OrdenInicio;

namespace kubrel {
static QString Campo(const std::optional<std::string>& campo) {
    return campo ? "\"" + QString::fromStdString(*campo) + "\"" : QStringLiteral("(absent)");
}
char* toString(const CamposLinea& c) {
    return qstrdup(QString("{%1, %2, %3, %4}")
                       .arg(Campo(c.Operacion), Campo(c.Fichero), Campo(c.Parametros),
                            Campo(c.Directorio))
                       .toUtf8()
                       .constData());
}
}  // namespace kubrel

Q_DECLARE_METATYPE(CamposLinea)

namespace {

std::vector<std::string> AVector(const QStringList& lista) {
    std::vector<std::string> v;
    for (const auto& s : lista) v.push_back(s.toStdString());
    return v;
}

QStringList ALista(const std::vector<std::string>& v) {
    QStringList lista;
    for (const auto& s : v) lista << QString::fromStdString(s);
    return lista;
}

CamposLinea Campos(std::string op, std::optional<std::string> fichero = std::nullopt,
                   std::optional<std::string> params = std::nullopt,
                   std::optional<std::string> dir = std::nullopt) {
    return {std::move(op), std::move(fichero), std::move(params), std::move(dir)};
}

}  // namespace

class PruebaLineaKubrel : public QObject {
    Q_OBJECT

private slots:
    void lineaDeArgumentos_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("linea");
        QTest::newRow("no arguments") << QStringList{} << "";
        QTest::newRow("one argument") << QStringList{"open,readme.doc"} << "open,readme.doc";
        QTest::newRow("joined by one blank") << QStringList{"open,", "readme.doc"}
                                             << "open, readme.doc";
        QTest::newRow("blanks inside kept") << QStringList{"open,a  b", "c"} << "open,a  b c";
        QTest::newRow("empty argument first") << QStringList{"", "open,x"} << "open,x";
        QTest::newRow("leading controls skipped") << QStringList{"\t\n open,x "} << "open,x ";
        QTest::newRow("only blanks") << QStringList{" ", "\t"} << "";
        QTest::newRow("empty argument") << QStringList{""} << "";
        QTest::newRow("8-bit character not skipped") << QStringList{"\u00e9,x"} << "\u00e9,x";
    }
    void lineaDeArgumentos() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, linea);
        QCOMPARE(QString::fromStdString(kubrel::LineaOperacion(AVector(argumentos))), linea);
    }

    void divisionEnComas_data() {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<CamposLinea>("campos");
        QTest::newRow("operation and file") << "open,readme.doc" << Campos("open", "readme.doc");
        QTest::newRow("empty params, dir") << "print,a.txt,,somedir"
                                           << Campos("print", "a.txt", "", "somedir");
        QTest::newRow("further commas in dir") << "open,x,-a,/a,b" << Campos("open", "x", "-a", "/a,b");
        QTest::newRow("file keeps its blank") << "open, readme.doc" << Campos("open", " readme.doc");
        QTest::newRow("operation alone") << "explore" << Campos("explore");
        QTest::newRow("empty operation") << ",readme.doc" << Campos("", "readme.doc");
        QTest::newRow("empty line") << "" << Campos("");
        QTest::newRow("comma at the end") << "open,x," << Campos("open", "x", "");
        QTest::newRow("all present, all empty") << ",,," << Campos("", "", "", "");
        QTest::newRow("quotes and blanks kept") << " \"open\" ,\"a b\" , p q ,d "
                                                << Campos(" \"open\" ", "\"a b\" ", " p q ", "d ");
    }
    void divisionEnComas() {
        QFETCH(QString, linea);
        QFETCH(CamposLinea, campos);
        QCOMPARE(kubrel::DividirLinea(linea.toStdString()), campos);
    }

    void textoDeUso() {
        const QStringList lineas{
            "Kubrel - Shell Launcher",
            "Version 1.0",
            "Hands one operation on a file to the desktop shell.",
            "",
            "Error: No command line given.",
            "",
            "Usage: KUBREL.EXE Operation,File[,Params[,Dir]]",
            "",
            "- Operation is the operation to perform (open, print, or explore)",
            "- File is the file to run",
            "- Params is any command line arguements (optional)",
            "- Dir is the directory to execute the command in (optional)",
            "",
            "Example: \"Kubrel open,readme.doc\"",
        };
        QCOMPARE(QString::fromStdString(kubrel::TextoUso()), lineas.join('\n'));
    }

    void cuadroDeUso() {
        const auto cuadro = kubrel::CrearCuadroUso();
        QCOMPARE(cuadro->windowTitle(), QString("Kubrel - Shell Launcher"));
        QCOMPARE(cuadro->text(), QString::fromStdString(kubrel::TextoUso()));
        QCOMPARE(cuadro->textFormat(), Qt::PlainText);
        QCOMPARE(cuadro->icon(), QMessageBox::NoIcon);
        QCOMPARE(cuadro->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void divisionDeParametros_data() {
        QTest::addColumn<QString>("parametros");
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("blanks only") << "  \t " << QStringList{};
        QTest::newRow("blank separated") << " -a  b\tc " << QStringList{"-a", "b", "c"};
        QTest::newRow("quoted run") << "-o \"a b\" c" << QStringList{"-o", "a b", "c"};
        QTest::newRow("quotes inside a word") << "x\"y z\"w" << QStringList{"xy zw"};
        QTest::newRow("empty quoted argument") << "a \"\" b" << QStringList{"a", "", "b"};
        QTest::newRow("doubled quote inside quotes") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
        QTest::newRow("unclosed quote runs to the end") << "\"a b" << QStringList{"a b"};
        QTest::newRow("no shell meaning") << "$HOME;ls|*" << QStringList{"$HOME;ls|*"};
    }
    void divisionDeParametros() {
        QFETCH(QString, parametros);
        QFETCH(QStringList, argumentos);
        QCOMPARE(ALista(kubrel::DividirParametros(parametros.toStdString())), argumentos);
    }

    void initTestCase() {
        QVERIFY(fixture.isValid() && otraCarpeta.isValid());
        d = QFileInfo(fixture.path()).canonicalFilePath();
        QVERIFY(QDir(d).mkdir("sub"));
        for (const char* nombre : {"prog.sh", "noexec.sh", "readme.doc", "-raro.txt"}) {
            QFile f(d + "/" + nombre);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
        }
        QVERIFY(QFile::setPermissions(d + "/prog.sh", QFile::ReadOwner | QFile::ExeOwner));
        carpetaInicial = QDir::currentPath();
    }
    void cleanupTestCase() { QDir::setCurrent(carpetaInicial); }

    // Rows use {d} for the fixture folder; "programa" empty means nothing is started. The
    // current folder is another, empty one unless "enFixture" says the fixture.
    void ordenDelShell_data() {
        QTest::addColumn<QString>("linea");
        QTest::addColumn<bool>("enFixture");
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("carpeta");
        const QString abre = "xdg-open";
        QTest::newRow("program in dir with params")
            << "open,prog.sh,-a \"b c\",{d}" << false << "{d}/prog.sh" << QStringList{"-a", "b c"} << "{d}";
        QTest::newRow("program by absolute path")
            << "open,{d}/prog.sh,,{d}/sub" << false << "{d}/prog.sh" << QStringList{} << "{d}/sub";
        QTest::newRow("program relative to current folder")
            << "open,prog.sh" << true << "{d}/prog.sh" << QStringList{} << "";
        QTest::newRow("relative without dir is not looked up in fixture")
            << "open,prog.sh" << false << abre << QStringList{"prog.sh"} << "";
        QTest::newRow("document") << "open,readme.doc,p q,{d}" << false << abre
                                  << QStringList{"readme.doc"} << "{d}";
        QTest::newRow("empty operation opens") << ",readme.doc,,{d}" << false << abre
                                               << QStringList{"readme.doc"} << "{d}";
        QTest::newRow("verb in capitals") << "OPEN,readme.doc,,{d}" << false << abre
                                          << QStringList{"readme.doc"} << "{d}";
        QTest::newRow("not executable is a document") << "open,noexec.sh,,{d}" << false << abre
                                                      << QStringList{"noexec.sh"} << "{d}";
        QTest::newRow("folder is opened") << "open,sub,,{d}" << false << abre << QStringList{"sub"} << "{d}";
        QTest::newRow("url") << "open,https://example.org/a b" << false << abre
                             << QStringList{"https://example.org/a b"} << "";
        QTest::newRow("dash name gets ./") << "open,-raro.txt,,{d}" << false << abre
                                           << QStringList{"./-raro.txt"} << "{d}";
        QTest::newRow("empty dir is the current folder") << "open,readme.doc,," << true << abre
                                                         << QStringList{"readme.doc"} << "";
        QTest::newRow("print") << "print,a.txt,,{d}" << false << "lp" << QStringList{"a.txt"} << "{d}";
        QTest::newRow("print dash name") << "print,-raro.txt" << true << "lp"
                                         << QStringList{"./-raro.txt"} << "";
        QTest::newRow("print absolute") << "print,{d}/readme.doc" << false << "lp"
                                        << QStringList{"{d}/readme.doc"} << "";
        QTest::newRow("explore folder") << "explore,sub,,{d}" << false << abre << QStringList{"sub"} << "{d}";
        QTest::newRow("explore absolute folder") << "explore,{d}" << false << abre << QStringList{"{d}"} << "";
        QTest::newRow("explore a file") << "explore,readme.doc,,{d}" << false << "" << QStringList{} << "";
        QTest::newRow("explore without file") << "explore" << true << "" << QStringList{} << "";
        QTest::newRow("open without file") << "open" << true << "" << QStringList{} << "";
        QTest::newRow("empty file") << "open,,x,{d}" << false << "" << QStringList{} << "";
        QTest::newRow("unknown operation") << "edit,readme.doc,,{d}" << false << "" << QStringList{} << "";
    }
    void ordenDelShell() {
        QFETCH(QString, linea);
        QFETCH(bool, enFixture);
        QFETCH(QString, programa);
        QFETCH(QStringList, argumentos);
        QFETCH(QString, carpeta);
        auto conFixture = [&](QString s) { return s.replace("{d}", d); };
        QVERIFY(QDir::setCurrent(enFixture ? d : otraCarpeta.path()));
        const auto orden = kubrel::OrdenShell(kubrel::DividirLinea(conFixture(linea).toStdString()));
        if (programa.isEmpty()) {
            QVERIFY(!orden.has_value());
            return;
        }
        QVERIFY(orden.has_value());
        QCOMPARE(QString::fromStdString(orden->Programa), conFixture(programa));
        QStringList esperados;
        for (const auto& a : argumentos) esperados << conFixture(a);
        QCOMPARE(ALista(orden->Argumentos), esperados);
        QCOMPARE(QString::fromStdString(orden->Carpeta), conFixture(carpeta));
    }

private:
    QTemporaryDir fixture;
    QTemporaryDir otraCarpeta;
    QString d;
    QString carpetaInicial;
};

QTEST_MAIN(PruebaLineaKubrel)
#include "test_kubrel_linea.moc"
