// The built kubrel program, run as a user runs it: the usage text where there is no display to
// show the box on, and each request reaching the program it should start, checked with
// stand-in xdg-open and lp scripts placed first on PATH that record what they were given.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "LineaKubrel.h"

namespace {

// Writes, atomically, its own name, its folder and one argument a line to $KUBREL_REGISTRO.
const char* const kGrabador =
    "#!/bin/sh\n"
    "r=\"$KUBREL_REGISTRO\"\n"
    "{ basename \"$0\"; pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$r.tmp\"\n"
    "mv \"$r.tmp\" \"$r\"\n";

bool EscribirGrabador(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(kGrabador) < 0) return false;
    f.close();
    return QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct Salida {
    int codigo = -1;
    QProcess::ExitStatus estado = QProcess::CrashExit;
    QByteArray salida;
    QByteArray errores;
};

Salida Ejecutar(const QStringList& argumentos, const QProcessEnvironment& entorno,
                const QString& carpeta, const QString& programa = KUBREL_EXE) {
    QProcess p;
    p.setProcessEnvironment(entorno);
    p.setWorkingDirectory(carpeta);
    p.start(programa, argumentos);
    Salida s;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return s;
    }
    s.codigo = p.exitCode();
    s.estado = p.exitStatus();
    s.salida = p.readAllStandardOutput();
    s.errores = p.readAllStandardError();
    return s;
}

}  // namespace

class PruebaProgramaKubrel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(temporal.isValid());
        raiz = QFileInfo(temporal.path()).canonicalFilePath();
        for (const char* sub : {"ayudantes", "vacia", "fixture/sub", "actual", "con blancos"})
            QVERIFY(QDir(raiz).mkpath(sub));
        QVERIFY(EscribirGrabador(raiz + "/ayudantes/xdg-open"));
        QVERIFY(EscribirGrabador(raiz + "/ayudantes/lp"));
        QVERIFY(EscribirGrabador(raiz + "/fixture/prog.sh"));
        for (const char* nombre : {"readme.doc", "-raro.txt"}) {
            QFile f(raiz + "/fixture/" + nombre);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        registro = raiz + "/registro";
        QVERIFY(QFile::copy(KUBREL_EXE, raiz + "/con blancos/kubrel"));
        QVERIFY(QFile::setPermissions(raiz + "/con blancos/kubrel",
                                      QFile::ReadOwner | QFile::ExeOwner));
    }

    void init() { QFile::remove(registro); }

    // Without a display (none at all, a display that cannot be opened, or the offscreen
    // platform) the usage text goes to standard error; the exit code stays 0.
    void usoSinPantalla_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("plataforma");
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<bool>("nombreConBlancos");
        QTest::newRow("no display") << QStringList{} << "" << "" << false;
        QTest::newRow("offscreen") << QStringList{} << "offscreen" << "" << false;
        QTest::newRow("display that cannot open") << QStringList{} << "xcb" << ":93" << false;
        QTest::newRow("default platform, bad display") << QStringList{} << "" << ":93" << false;
        QTest::newRow("empty argument") << QStringList{""} << "" << "" << false;
        QTest::newRow("only blanks") << QStringList{" ", "\t"} << "offscreen" << "" << false;
        QTest::newRow("name with blanks") << QStringList{} << "" << "" << true;
    }
    void usoSinPantalla() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, plataforma);
        QFETCH(QString, pantalla);
        QFETCH(bool, nombreConBlancos);
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) entorno.remove(v);
        if (!plataforma.isEmpty()) entorno.insert("QT_QPA_PLATFORM", plataforma);
        if (!pantalla.isEmpty()) entorno.insert("DISPLAY", pantalla);
        const QString programa = nombreConBlancos ? raiz + "/con blancos/kubrel" : KUBREL_EXE;
        const Salida s = Ejecutar(argumentos, entorno, raiz + "/actual", programa);
        QCOMPARE(s.estado, QProcess::NormalExit);
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.salida, QByteArray());
        QCOMPARE(s.errores, QByteArray::fromStdString(kubrel::TextoUso() + "\n"));
    }

    // Each row is kubrel's arguments ({f} is the fixture folder, {a} kubrel's current folder)
    // and what the started program recorded: its name, its folder, its arguments.
    void peticionLlegaAlPrograma_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QStringList>("registrado");
        QTest::newRow("open document") << QStringList{"open,readme.doc,,{f}"}
                                       << QStringList{"xdg-open", "{f}", "readme.doc"};
        QTest::newRow("empty operation") << QStringList{",{f}/readme.doc"}
                                         << QStringList{"xdg-open", "{a}", "{f}/readme.doc"};
        QTest::newRow("open url") << QStringList{"open,https://example.org/x"}
                                  << QStringList{"xdg-open", "{a}", "https://example.org/x"};
        QTest::newRow("print") << QStringList{"print,readme.doc,,{f}"}
                               << QStringList{"lp", "{f}", "readme.doc"};
        QTest::newRow("print dash name") << QStringList{"print,-raro.txt,,{f}"}
                                         << QStringList{"lp", "{f}", "./-raro.txt"};
        QTest::newRow("explore") << QStringList{"explore,sub,,{f}"}
                                 << QStringList{"xdg-open", "{f}", "sub"};
        QTest::newRow("program, arguments joined")
            << QStringList{"open,prog.sh,-x", "\"a", "b\"", "$HOME,{f}"}
            << QStringList{"prog.sh", "{f}", "-x", "a b", "$HOME"};
        QTest::newRow("program in another folder")
            << QStringList{"open,{f}/prog.sh,1,{f}/sub"} << QStringList{"prog.sh", "{f}/sub", "1"};
    }
    void peticionLlegaAlPrograma() {
        QFETCH(QStringList, argumentos);
        QFETCH(QStringList, registrado);
        auto sustituir = [this](QStringList lista) {
            for (auto& s : lista) s.replace("{f}", raiz + "/fixture").replace("{a}", raiz + "/actual");
            return lista;
        };
        const Salida s = Ejecutar(sustituir(argumentos), EntornoConAyudantes(raiz + "/ayudantes"),
                                  raiz + "/actual");
        QCOMPARE(s.estado, QProcess::NormalExit);
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.salida + s.errores, QByteArray());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(registro), 10000);
        QCOMPARE(LeerRegistro(), sustituir(registrado));
    }

    // Nothing is started, a helper is missing, or the folder does not exist: kubrel says
    // nothing and ends with 0.
    void fallosEnSilencio_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<bool>("sinAyudantes");
        QTest::newRow("explore alone") << QStringList{"explore"} << false;
        QTest::newRow("unknown operation") << QStringList{"edit,readme.doc,,{f}"} << false;
        QTest::newRow("explore a file") << QStringList{"explore,readme.doc,,{f}"} << false;
        QTest::newRow("missing opener") << QStringList{"open,readme.doc,,{f}"} << true;
        QTest::newRow("missing printer") << QStringList{"print,readme.doc,,{f}"} << true;
        QTest::newRow("bad directory") << QStringList{"open,readme.doc,,{f}/none"} << false;
    }
    void fallosEnSilencio() {
        QFETCH(QStringList, argumentos);
        QFETCH(bool, sinAyudantes);
        for (auto& a : argumentos) a.replace("{f}", raiz + "/fixture");
        const Salida s = Ejecutar(
            argumentos, EntornoConAyudantes(raiz + (sinAyudantes ? "/vacia" : "/ayudantes"), sinAyudantes),
            raiz + "/actual");
        QCOMPARE(s.estado, QProcess::NormalExit);
        QCOMPARE(s.codigo, 0);
        QCOMPARE(s.salida + s.errores, QByteArray());
        // A program started by mistake would have recorded by now.
        QTest::qWait(300);
        QVERIFY(!QFile::exists(registro));
    }

private:
    // soloAyudantes: PATH holds nothing but that folder, so the machine's own
    // xdg-open and lp cannot stand in for a missing helper.
    QProcessEnvironment EntornoConAyudantes(const QString& ayudantes, bool soloAyudantes = false) const {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("PATH", soloAyudantes ? ayudantes : ayudantes + ":" + entorno.value("PATH"));
        entorno.insert("KUBREL_REGISTRO", registro);
        return entorno;
    }

    QStringList LeerRegistro() const {
        QFile f(registro);
        if (!f.open(QIODevice::ReadOnly)) return {"(unreadable)"};
        QStringList lineas = QString::fromUtf8(f.readAll()).split('\n');
        if (!lineas.isEmpty() && lineas.last().isEmpty()) lineas.removeLast();
        return lineas;
    }

    QTemporaryDir temporal;
    QString raiz;
    QString registro;
};

QTEST_MAIN(PruebaProgramaKubrel)
#include "test_kubrel_programa.moc"
