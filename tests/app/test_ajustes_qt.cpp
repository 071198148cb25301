// The Qt settings store: INI file per application, nested sections, texts kept as given.
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "data/DatosPrograma.h"
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

    // A big file (other sections the program does not use) is read once when
    // the options are loaded and written once when they are saved.
    void bigFileIsReadOnceAndWrittenOnce() {
        QTemporaryDir dir;
        plataforma::AjustesQt inicial(dir.path().toStdString());
        const QString fichero = QString::fromStdString(inicial.Fichero("Tarvix"));
        QDir().mkpath(dir.path() + "/Tarvix");
        QFile f(fichero);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Relleno]\n");
        for (int i = 0; i < 2000; ++i) f.write(QString("Clave%1=valor %1\n").arg(i).toUtf8());
        f.close();

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

    // A write that runs out of room (a file-size limit stands in for a full
    // disk) fails, and the old file stays whole with nothing left beside it.
    void failedWriteLeavesTheOldFileWhole() {
        QTemporaryDir dir;
        plataforma::AjustesQt a(dir.path().toStdString());
        a.Escribir("Tarvix", "Opciones", "NumMRUFiles", "5");
        QVERIFY(a.Guardar());
        QFile f(QString::fromStdString(a.Fichero("Tarvix")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray antes = f.readAll();
        f.close();

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
        QCOMPARE(QDir(dir.path() + "/Tarvix").entryList(QDir::Files), QStringList{"Tarvix.ini"});
    }
};

QTEST_MAIN(TestAjustesQt)
#include "test_ajustes_qt.moc"
