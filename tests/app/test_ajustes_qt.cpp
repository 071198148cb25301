// The Qt settings store: INI file per application, nested sections, texts kept as given.
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <future>
#include <thread>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "data/DatosPrograma.h"
#include "fakes/CuadrosFalsos.h"
#include "platform/qt/AjustesQt.h"

namespace {

// Watches a folder and counts, for one file name, the opens (reads) and the
// times a new content took that name (a write: created or renamed into place).
class VigiaCarpeta {
public:
    VigiaCarpeta(const QString& carpeta, std::string nombre) : nombre_(std::move(nombre)) {
        fd_ = inotify_init1(IN_NONBLOCK);
        inotify_add_watch(fd_, carpeta.toLocal8Bit().constData(), IN_OPEN | IN_CREATE | IN_MOVED_TO);
    }
    ~VigiaCarpeta() { close(fd_); }
    // Counts since the last call.
    std::pair<int, int> AperturasYEscrituras() {
        int aperturas = 0, escrituras = 0;
        alignas(inotify_event) char buf[64 * 1024];
        for (ssize_t n; (n = read(fd_, buf, sizeof buf)) > 0;)
            for (char* p = buf; p < buf + n;) {
                const auto* ev = reinterpret_cast<const inotify_event*>(p);
                if (ev->len && nombre_ == ev->name) {
                    if (ev->mask & IN_OPEN) ++aperturas;
                    if (ev->mask & (IN_CREATE | IN_MOVED_TO)) ++escrituras;
                }
                p += sizeof(inotify_event) + ev->len;
            }
        return {aperturas, escrituras};
    }

private:
    int fd_ = -1;
    std::string nombre_;
};

// Puts a settings file in place, folder and all, as a user or another
// program left it.
bool Poner(const QString& fichero, const QByteArray& contenido) {
    QDir().mkpath(QFileInfo(fichero).path());
    QFile f(fichero);
    return f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size();
}

QByteArray Contenido(const QString& fichero) {
    QFile f(fichero);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs the start-up read of the options; false when it does not end within
// a few seconds (a reader waiting on a pipe), after it is let go by a writer
// that opens the pipe and goes at once.
bool LeerOpcionesSinEsperar(const QString& tubo) {
    auto hecho = std::async(std::launch::async, [] { LeerOpciones(); });
    if (hecho.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return true;
    while (hecho.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(tubo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    return false;
}

}  // namespace

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
        QVERIFY(a.Guardar());
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
        QVERIFY(a.Guardar());
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
        QVERIFY(Poner(QString::fromStdString(a.Fichero("Tarvix")), "[Opciones]\nConfig\\Editor=vi,-n\n"));
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

    // A big file (other sections the program does not use) is read once when
    // the options are loaded and written once when they are saved.
    void bigFileIsReadOnceAndWrittenOnce() {
        QTemporaryDir dir;
        plataforma::AjustesQt inicial(dir.path().toStdString());
        const QString fichero = QString::fromStdString(inicial.Fichero("Tarvix"));
        QByteArray relleno("[Relleno]\n");
        for (int i = 0; i < 2000; ++i) relleno += QString("Clave%1=valor %1\n").arg(i).toUtf8();
        QVERIFY(Poner(fichero, relleno));

        VigiaCarpeta vigia(dir.path() + "/Tarvix", "Tarvix.ini");
        {
            plataforma::AjustesQt a(dir.path().toStdString());
            plataforma::EstablecerAjustes(&a);
            LeerOpciones();
            QCOMPARE(vigia.AperturasYEscrituras(), std::make_pair(1, 0));
            a.Escribir("Tarvix", "MainSettings", "Status", "0");  // as a view's layout, mid-session
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            QCOMPARE(vigia.AperturasYEscrituras().second, 0);
            Editor = "/usr/bin/kate";
            GuardarOpciones();
            QCOMPARE(vigia.AperturasYEscrituras().second, 1);
            plataforma::EstablecerAjustes(nullptr);
        }
        QCOMPARE(vigia.AperturasYEscrituras().second, 0);  // nothing left to write at the end
        QSettings s(fichero, QSettings::IniFormat);
        QCOMPARE(s.value("Opciones/Config/Editor").toString(), QString("/usr/bin/kate"));
        QCOMPARE(s.value("Relleno/Clave1999").toString(), QString("valor 1999"));
    }

    // The folder cannot be made (its parent is a plain file, which stops
    // root too): the save says it failed.
    void saveIntoAFolderThatCannotBeMadeFails() {
        QTemporaryDir dir;
        QFile tapon(dir.path() + "/fichero");
        QVERIFY(tapon.open(QIODevice::WriteOnly));
        tapon.close();
        plataforma::AjustesQt a(tapon.fileName().toStdString());
        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "5");
        QVERIFY(!a.Guardar());
        QVERIFY(!QFile::exists(QString::fromStdString(a.Fichero("Tarvix"))));
    }

    // A settings file with a line the program never writes (a byte-order
    // mark, a line without "=", an unclosed section) reads as far as it goes
    // and is written back clean at exit, without the failure box.
    void oddFileIsRewrittenClean_data() {
        QTest::addColumn<QByteArray>("contenido");
        QTest::newRow("marca de orden") << QByteArray("\xEF\xBB\xBF[Opciones]\nNumMRUFiles=3\n[Otra]\nB=2\n");
        QTest::newRow("linea sin igual") << QByteArray("[Opciones]\nNumMRUFiles=3\nsin igual\n[Otra]\nB=2\n");
        QTest::newRow("seccion sin cerrar") << QByteArray("[Otra]\nB=2\n[Opciones\nNumMRUFiles=3\n");
        // Keys the store cannot write back under the same name are dropped.
        QTest::newRow("clave vacia") << QByteArray("[Opciones]\nNumMRUFiles=3\n[Extra]\n=1\n[Otra]\nB=2\n");
        QTest::newRow("barra final") << QByteArray("[Opciones]\nNumMRUFiles=3\n[Extra]\nx/=1\n[Otra]\nB=2\n");
        QTest::newRow("barra inicial") << QByteArray("[Opciones]\nNumMRUFiles=3\n[Extra]\n/x=1\n[Otra]\nB=2\n");
        QTest::newRow("barra doble") << QByteArray("[Opciones]\nNumMRUFiles=3\n[Extra]\na//b=1\n[Otra]\nB=2\n");
        QTest::newRow("seccion vacia") << QByteArray("[]\nk=1\n[Opciones]\nNumMRUFiles=3\n[Otra]\nB=2\n");
        QTest::newRow("seccion barra") << QByteArray("[/]\nk=1\n[Opciones]\nNumMRUFiles=3\n[Otra]\nB=2\n");
    }
    void oddFileIsRewrittenClean() {
        QFETCH(QByteArray, contenido);
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const QString fichero = QString::fromStdString(a.Fichero("Tarvix"));
        QVERIFY(Poner(fichero, contenido));

        prueba::CuadrosFalsos cuadros;
        plataforma::EstablecerAjustes(&a);
        LeerOpciones();
        QCOMPARE(NumMRUFiles, int16_t{3});
        GuardarOpciones();
        plataforma::EstablecerAjustes(nullptr);
        QVERIFY(cuadros.mostrados.empty());

        QFile f(fichero);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray escrito = f.readAll();
        QVERIFY(escrito.startsWith("["));
        for (const QByteArray& linea : escrito.split('\n'))
            QVERIFY2(linea.isEmpty() || linea.contains('=') || (linea.startsWith('[') && linea.endsWith(']')),
                     linea.constData());
        QSettings s(fichero, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        QCOMPARE(s.value("Opciones/NumMRUFiles").toString(), QString("3"));
        QCOMPARE(s.value("Otra/B").toString(), QString("2"));
        QCOMPARE(QDir(dir.path() + "/Tarvix").entryList(QDir::Files | QDir::Hidden), QStringList{"Tarvix.ini"});
        NumMRUFiles = 4;
    }

    // A save replaces the file with one of the same permission bits: a file
    // the user made private stays private.
    void saveKeepsThePermissionBits() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const QString fichero = QString::fromStdString(a.Fichero("Tarvix"));
        QVERIFY(Poner(fichero, "[Opciones]\nNumMRUFiles=3\n"));
        const auto privado = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(fichero, privado));
        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "4");
        QVERIFY(a.Guardar());
        QCOMPARE(QFile::permissions(fichero) & 0x7077, privado);  // owner, group, others
        QCOMPARE(plataforma::AjustesQt(dir.path().toStdString()).Leer("Tarvix", "Opciones", "NumMRUFiles", ""),
                 std::string("4"));
    }

    // A write that runs out of room (a file-size limit stands in for a full
    // disk) fails, and the old file stays whole with nothing left beside it:
    // also when the settings file is a link to a file elsewhere (the link
    // stays a link), and when an earlier save that was cut off left files
    // beside it.
    void failedWriteLeavesTheOldFileWhole_data() {
        QTest::addColumn<QString>("destino");   // the file that holds the settings, under the folder
        QTest::addColumn<QStringList>("restos");  // files an interrupted save left beside it
        QTest::newRow("fichero") << "Tarvix/Tarvix.ini" << QStringList{};
        QTest::newRow("enlace") << "guardado/ajustes.ini" << QStringList{};
        QStringList restos{"Tarvix.ini.anterior"};
        for (int i = 1; i <= 32; ++i) restos << QString("Tarvix.ini.comprobacion%1").arg(i);
        QTest::newRow("restos") << "Tarvix/Tarvix.ini" << restos;
    }
    void failedWriteLeavesTheOldFileWhole() {
        QFETCH(QString, destino);
        QFETCH(QStringList, restos);
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const QString fichero = QString::fromStdString(a.Fichero("Tarvix"));
        const QFileInfo real(dir.path() + "/" + destino);
        const bool enlace = real.filePath() != fichero;  // in a folder of its own
        QDir().mkpath(dir.path() + "/Tarvix");
        QDir().mkpath(real.path());
        if (enlace) QVERIFY(QFile::link("../" + destino, fichero));
        for (const QString& r : restos) QVERIFY(Poner(real.path() + "/" + r, "resto\n"));
        // The files in the settings folder and in the folder of the file it names.
        const auto contenidos = [&] {
            return std::make_pair(QDir(dir.path() + "/Tarvix").entryList(QDir::Files | QDir::Hidden | QDir::System),
                                  QDir(real.path()).entryList(QDir::Files | QDir::Hidden | QDir::System));
        };
        QStringList esperado = restos;
        esperado << real.fileName();
        esperado.sort();
        const auto comoAntes = std::make_pair(enlace ? QStringList{"Tarvix.ini"} : esperado, esperado);

        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "5");
        QVERIFY(a.Guardar());
        QCOMPARE(contenidos(), comoAntes);
        QCOMPARE(QFileInfo(fichero).isSymLink(), enlace);
        QFile f(real.filePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray antes = f.readAll();
        f.close();
        QVERIFY(antes.contains("NumMRUFiles=5"));

        a.Escribir("Tarvix", "Opciones\\MRUFiles", "MRU 1", std::string(64 * 1024, 'x'));
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit corto{4096, limite.rlim_max};
        auto* previa = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &corto);
        const bool guardado = a.Guardar();
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, previa);
        QVERIFY(!guardado);

        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), antes);
        QCOMPARE(contenidos(), comoAntes);
        QCOMPARE(QFileInfo(fichero).isSymLink(), enlace);
        for (const QString& r : restos) {
            QFile resto(real.path() + "/" + r);
            QVERIFY(resto.open(QIODevice::ReadOnly));
            QCOMPARE(resto.readAll(), QByteArray("resto\n"));
        }
    }
    // What stands at the settings path, or at the end of its link, and is no
    // plain file (a device, a pipe, a folder, a link that names itself, a
    // link into a folder that is not there) is not read: start-up goes on at
    // once with the defaults. Nor is it replaced or written through: the save
    // says so with its box, and no folder is made.
    void whatIsNoPlainFileIsNeitherReadNorReplaced_data() {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<bool>("enlace");
        QTest::newRow("dispositivo") << "dispositivo" << true;
        QTest::newRow("tubo") << "tubo" << false;
        QTest::newRow("enlace a tubo") << "tubo" << true;
        QTest::newRow("carpeta") << "carpeta" << true;
        QTest::newRow("bucle") << "bucle" << true;
        QTest::newRow("carpeta que falta") << "falta" << true;
    }
    void whatIsNoPlainFileIsNeitherReadNorReplaced() {
        QFETCH(QString, clase);
        QFETCH(bool, enlace);
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const QString fichero = QString::fromStdString(a.Fichero("Tarvix"));
        QVERIFY(QDir().mkpath(dir.path() + "/Tarvix"));
        const QString objeto = !enlace             ? fichero
                               : clase == "bucle" ? fichero
                               : clase == "falta" ? dir.path() + "/falta/sub/ajustes.ini"
                                                  : dir.path() + "/objeto";
        const QByteArray ruta = objeto.toLocal8Bit();
        if (clase == "dispositivo") {
            // A node of its own like /dev/null, so that no file of the system is at stake.
            if (::mknod(ruta.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) QSKIP("no device node can be made here");
        } else if (clase == "tubo") {
            QCOMPARE(::mkfifo(ruta.constData(), 0600), 0);
        } else if (clase == "carpeta") {
            QVERIFY(QDir().mkpath(objeto));
        }
        if (enlace) QVERIFY(QFile::link(objeto, fichero));
        struct stat antes {};
        const bool habia = ::lstat(ruta.constData(), &antes) == 0;

        prueba::CuadrosFalsos cuadros;
        plataforma::EstablecerAjustes(&a);
        NumMRUFiles = 7;
        const bool leido = LeerOpcionesSinEsperar(objeto);
        QVERIFY(leido);
        QCOMPARE(NumMRUFiles, int16_t{4});
        Editor = "/usr/bin/kate";
        GuardarOpciones();
        plataforma::EstablecerAjustes(nullptr);
        QCOMPARE(cuadros.mostrados.size(), std::size_t{1});
        QCOMPARE(cuadros.mostrados[0].titulo, std::string("Guardar Opciones"));

        struct stat despues {};
        QCOMPARE(::lstat(ruta.constData(), &despues) == 0, habia);
        if (habia) {
            QCOMPARE(despues.st_mode, antes.st_mode);
            QCOMPARE(despues.st_ino, antes.st_ino);
            QCOMPARE(despues.st_rdev, antes.st_rdev);
        }
        const auto todo = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
        if (clase == "carpeta") QVERIFY(QDir(objeto).isEmpty(todo));
        QVERIFY(!QFileInfo::exists(dir.path() + "/falta"));
        QCOMPARE(QFileInfo(fichero).isSymLink(), enlace);
        QCOMPARE(QDir(dir.path() + "/Tarvix").entryList(todo), QStringList{"Tarvix.ini"});
        QCOMPARE(QDir(dir.path()).entryList(todo).filter(".tmp~"), QStringList{});
    }

    // Two instances on one settings file: a save writes the file as it is on
    // the disk by then with this instance's own changes in it, so what the
    // other saved meanwhile (an option, a section of its own) stays; values
    // this instance only writes again unchanged undo nothing.
    void twoInstancesKeepWhatTheOtherSaved() {
        QTemporaryDir dir;
        const std::string base = dir.path().toStdString();
        prueba::CuadrosFalsos cuadros;
        plataforma::AjustesQt a(base);
        plataforma::EstablecerAjustes(&a);
        LeerOpciones();
        GuardarOpciones();  // every option on the disk, as after an earlier session
        plataforma::AjustesQt b(base);
        QCOMPARE(b.Leer("Tarvix", "Opciones\\Entorno", "Frecuencia_Reloj", ""), std::string("50"));

        Frecuencia_Reloj = 33;  // A accepts 33 MHz
        GuardarOpciones();
        b.Escribir("Tarvix", "Opciones\\Entorno", "ConfigMem", "5");  // B changes the memory map
        b.Escribir("Tarvix", "Opciones\\Entorno", "Frecuencia_Reloj", "50");
        b.Escribir("Tarvix", "ToolBar", "Defecto", "barra de B");
        QVERIFY(b.Guardar());
        GuardarOpciones();  // A exits
        b.Escribir("Tarvix", "Opciones\\Entorno", "Frecuencia_Reloj", "50");
        QVERIFY(b.Guardar());  // B exits
        plataforma::EstablecerAjustes(nullptr);
        Frecuencia_Reloj = 50;
        QVERIFY(cuadros.mostrados.empty());

        plataforma::AjustesQt c(base);
        QCOMPARE(c.Leer("Tarvix", "Opciones\\Entorno", "Frecuencia_Reloj", ""), std::string("33"));
        QCOMPARE(c.Leer("Tarvix", "Opciones\\Entorno", "ConfigMem", ""), std::string("5"));
        QCOMPARE(c.Leer("Tarvix", "ToolBar", "Defecto", ""), std::string("barra de B"));
        QCOMPARE(c.Leer("Tarvix", "Opciones", "NumMRUFiles", ""), std::string("4"));
    }

    // Files a killed save left beside the settings file (its new file; the
    // new files and lock files of the earlier way of saving) go at the next
    // save; files whose names only look alike stay.
    void aSaveRemovesWhatAKilledSaveLeft() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        const QString carpeta = dir.path() + "/Tarvix";
        QVERIFY(Poner(QString::fromStdString(a.Fichero("Tarvix")), "[Opciones]\nNumMRUFiles=3\n"));
        const QStringList restos{"Tarvix.ini.tmp~k3x9q2", "Tarvix.ini.0123456789abcdef",
                                 "Tarvix.ini.0123456789abcdef.lock"};
        QStringList ajenos{"Tarvix.ini.tmp~",     "Tarvix.ini.tmp~abc",          "Tarvix.ini.anterior",
                           "Otro.ini.tmp~k3x9q2", "Tarvix.ini.0123456789abcdeg", "Tarvix.ini.tmp~k3x9q2.bak"};
        for (const QString& r : restos + ajenos) QVERIFY(Poner(carpeta + "/" + r, "resto\n"));
        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "5");
        QVERIFY(a.Guardar());
        ajenos << "Tarvix.ini";
        ajenos.sort();
        QCOMPARE(QDir(carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), ajenos);
        for (const QString& r : ajenos) QVERIFY(r == "Tarvix.ini" || Contenido(carpeta + "/" + r) == "resto\n");
    }
};

QTEST_MAIN(TestAjustesQt)
#include "test_ajustes_qt.moc"
