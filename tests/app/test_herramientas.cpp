// The Tools and Help commands: parameter templates, the argument split, stand-in
// programs in a temporary folder that write down the arguments they got, the
// failure boxes of programs that do not exist here, and the help commands.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "VistasFalsas.h"
#include "app/Herramientas.h"
#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "fakes/AjustesMemoria.h"
#include "platform/Cuadros.h"
#include "platform/qt/AyudaQt.h"

using namespace herramientas;
using plataforma::Icono;

namespace {

// Records every box with the status text the main window shows meanwhile.
class CuadrosConEstado final : public plataforma::IServicioCuadros {
public:
    CuadrosConEstado() { plataforma::EstablecerCuadros(this); }
    ~CuadrosConEstado() override { plataforma::EstablecerCuadros(nullptr); }
    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        mostrados.push_back(c);
        estados.push_back(VentanaMain() ? VentanaMain()->InfoBar() : "");
        return plataforma::Respuesta::Aceptar;
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada&) override { return std::nullopt; }
    std::vector<plataforma::Cuadro> mostrados;
    std::vector<std::string> estados;
};

constexpr std::pair<const char*, const char*> kSinInstalar[] = {
    {"Ensamblador", "/no/hay/dsk3a"}, {"Calculadora", "/no/hay/calc"}, {"ModuloDSK", "/no/hay/dsk3d"}};

}  // namespace

class TestHerramientas : public QObject {
    Q_OBJECT
    std::unique_ptr<prueba::AjustesMemoria> ajustes_;
    std::unique_ptr<CuadrosConEstado> cuadros_;
    DialogosFalsos dialogos_;
    QTemporaryDir dir_;

    // A program that writes its arguments, one "[arg]" a line, to <path>.args.
    QString Grabador(const char* nombre) {
        const QString ruta = dir_.filePath(nombre);
        QFile::remove(ruta + ".args");
        QFile f(ruta);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.tmp\"\nmv \"$0.tmp\" \"$0.args\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return ruta;
    }
    static QString Argumentos(const QString& programa) {
        QFile f(programa + ".args");
        if (!QTest::qWaitFor([&] { return f.exists(); }, 5000) || !f.open(QIODevice::ReadOnly)) return "<none>";
        return QString::fromUtf8(f.readAll());
    }

    // Runs the editor ("mnuToolsEdit") or the assembler ("mnuToolsComp") as a
    // new recorder with the template given; the arguments it got.
    QString Lanzar(frmMain& f, const std::string& comando, const char* nombre, const std::string& plantilla) {
        const QString programa = Grabador(nombre);
        const bool editor = comando == "mnuToolsEdit";
        (editor ? Editor : Ensamblador) = programa.toStdString();
        (editor ? ParamEditor : ParamEnsamblador) = plantilla;
        f.EjecutarComando(comando);
        return Argumentos(programa);
    }

private slots:
    void initTestCase() { RegistrarVistasFalsas(); }
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        // Paths that do not exist for the tools that have none by default, so
        // that their items are on.
        for (const auto& [clave, ruta] : kSinInstalar) ajustes_->Poner("Opciones\\Config", clave, ruta);
        cuadros_ = std::make_unique<CuadrosConEstado>();
        dialogos_ = DialogosFalsos();
        gFichDSK.clear();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    // Each template row: the loaded source and listing ("" none), what the
    // dialogs answer ("-" cancels), the arguments, the box text and the dialogs
    // asked ("A" the source pick, "D" the listing pick).
    void plantillas_data() {
        QTest::addColumn<QString>("plantilla");
        QTest::addColumn<QString>("fichASM");
        QTest::addColumn<QString>("fichDSK");
        QTest::addColumn<QStringList>("elegidos");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("preguntas");
        const QStringList nada;
        QTest::newRow("con listado") << "/a <FILEASM> /b" << "/p/x y.asm" << "" << nada
                                     << QStringList{"/a", "/p/x y.asm", "/b"} << " /a \"/p/x y.asm\" /b" << "";
        QTest::newRow("sin listado, cancelado")
            << "<FILEASM>" << "" << "" << QStringList{"-"} << nada << " " << "A";
        QTest::newRow("sin listado, elegido")
            << "-v<FILEASM>" << "" << "" << QStringList{"/q/z.asm"} << QStringList{"-v/q/z.asm"} << " -v\"/q/z.asm\""
            << "A";
        QTest::newRow("sin token") << "/s" << "/p/x.asm" << "" << nada << nada << "" << "";
        QTest::newRow("vacia") << "" << "/p/x.asm" << "" << nada << nada << "" << "";
        QTest::newRow("minusculas") << "<fileasm>" << "/p/x.asm" << "" << nada << nada << "" << "";
        QTest::newRow("dos tokens") << "<FILEASM> <FILEASM>" << "f.asm" << "" << nada
                                    << QStringList{"f.asm", "<FILEASM>"} << " \"f.asm\" <FILEASM>" << "";
        QTest::newRow("argumento vacio escrito") << "\"\" <FILEASM>" << "f.asm" << "" << nada
                                                 << QStringList{"", "f.asm"} << " \"\" \"f.asm\"" << "";
        QTest::newRow("entre comillas con texto") << "\"-o <FILEASM>\"" << "/p/a b.asm" << "" << nada
                                                  << QStringList{"-o /p/a b.asm"} << " \"-o \"/p/a b.asm\"\"" << "";
        // "<FILEDSK>" stands for the loaded listing, else the listing picked.
        QTest::newRow("FILEDSK con listado") << "<FILEDSK> <FILEASM>" << "f.asm" << "/d/f 1.dsk" << nada
                                             << QStringList{"/d/f 1.dsk", "f.asm"}
                                             << " \"/d/f 1.dsk\" \"f.asm\"" << "";
        QTest::newRow("FILEDSK solo") << "-l <FILEDSK>" << "" << "/d/f.dsk" << nada
                                      << QStringList{"-l", "/d/f.dsk"} << " -l \"/d/f.dsk\"" << "";
        QTest::newRow("FILEDSK sin listado, elegido")
            << "<FILEASM> <FILEDSK>" << "" << "" << QStringList{"/q/a.asm", "/q/d.dsk"}
            << QStringList{"/q/a.asm", "/q/d.dsk"} << " \"/q/a.asm\" \"/q/d.dsk\"" << "AD";
        QTest::newRow("FILEDSK sin listado, cancelado")
            << "-x <FILEDSK>" << "f.asm" << "" << QStringList{"-"} << QStringList{"-x"} << " -x " << "D";
        // A path is never searched for tokens again.
        QTest::newRow("ruta con token") << "<FILEASM> <FILEDSK>" << "/p/<FILEDSK>.asm" << "/d/<FILEASM>.dsk" << nada
                                        << QStringList{"/p/<FILEDSK>.asm", "/d/<FILEASM>.dsk"}
                                        << " \"/p/<FILEDSK>.asm\" \"/d/<FILEASM>.dsk\"" << "";
    }
    void plantillas() {
        QFETCH(QString, plantilla);
        QFETCH(QString, fichASM);
        QFETCH(QString, fichDSK);
        QFETCH(QStringList, elegidos);
        QFETCH(QStringList, argumentos);
        QFETCH(QString, texto);
        QFETCH(QString, preguntas);
        QString preguntado;
        auto pedir = [&](char quien) {
            return [&, quien]() -> std::optional<std::string> {
                preguntado += quien;
                if (elegidos.isEmpty()) return std::nullopt;
                const QString e = elegidos.takeFirst();
                if (e == "-") return std::nullopt;
                return e.toStdString();
            };
        };
        const Parametros p = ParametrosPlantilla(plantilla.toStdString(), {fichASM.toStdString(), pedir('A')},
                                                 {fichDSK.toStdString(), pedir('D')});
        QStringList obtenidos;
        for (const std::string& a : p.argumentos) obtenidos << QString::fromStdString(a);
        QCOMPARE(obtenidos, argumentos);
        QCOMPARE(QString::fromStdString(p.texto), texto);
        QCOMPARE(preguntado, preguntas);
    }

    void division() {
        using V = std::vector<std::string>;
        QCOMPARE(DividirArgumentos(" /a \"/p/x y.asm\" /b"), (V{"/a", "/p/x y.asm", "/b"}));
        QCOMPARE(DividirArgumentos(" "), V{});
        QCOMPARE(DividirArgumentos("\ta   b\t"), (V{"a", "b"}));
        QCOMPARE(DividirArgumentos("a\"b c\"d"), V{"ab cd"});
        QCOMPARE(DividirArgumentos("x \"\" y"), (V{"x", "", "y"}));
        QCOMPARE(DividirArgumentos("\"sin cerrar y mas"), V{"sin cerrar y mas"});
    }

    void editorConListado() {
        auto f = VentanaNueva(dialogos_);
        const QString editor = Grabador("editor");
        Editor = editor.toStdString();
        ParamEditor = "-n <FILEASM> -x";
        gFichASM = "/p/con blanco.asm";
        f->EjecutarComando("mnuToolsEdit");
        QCOMPARE(Argumentos(editor), QString("[-n]\n[/p/con blanco.asm]\n[-x]\n"));
        QCOMPARE(f->InfoBar(), std::string("Inicializando el editor configurado..."));
        QVERIFY(cuadros_->mostrados.empty() && dialogos_.pedidos.empty());
    }

    // A path reaches the program as one argument exactly as it is, whatever
    // it holds, and beside other text of the template.
    void rutaComoUnArgumento_data() {
        QTest::addColumn<QString>("ruta");
        QTest::newRow("comillas") << "/p/un \"nombre\".asm";
        QTest::newRow("comilla sin cerrar") << "/p/a\"b c.asm";
        QTest::newRow("comas y blancos") << "/p/a, b ,c.asm";
        QTest::newRow("blancos dobles y en los bordes") << " /p/a  b .asm ";
        QTest::newRow("tabulador") << "/p/a\tb.asm";
        QTest::newRow("de todo") << "/p/\"x, y\" \"\"z'$.asm";
    }
    void rutaComoUnArgumento() {
        QFETCH(QString, ruta);
        auto f = VentanaNueva(dialogos_);
        gFichASM = ruta.toStdString();
        gFichDSK = (ruta + ".dsk").toStdString();
        QCOMPARE(Lanzar(*f, "mnuToolsEdit", "editorRuta", "-n <FILEASM> -x"), "[-n]\n[" + ruta + "]\n[-x]\n");
        QCOMPARE(Lanzar(*f, "mnuToolsComp", "ensambladorRuta", "<FILEDSK> \"-q,<FILEASM>\""),
                 "[" + ruta + ".dsk]\n[-q," + ruta + "]\n");
        QVERIFY(cuadros_->mostrados.empty() && dialogos_.pedidos.empty());
    }

    // "<FILEDSK>" is the loaded listing; with none loaded, the listing picked
    // in the dialog of the command's source pick, filtered to listings.
    void listadoDelTokenDSK() {
        const std::string filtro = "Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*";
        auto f = VentanaNueva(dialogos_);
        gFichASM = "/p/a.asm";
        gFichDSK = "/p/a.dsk";
        QCOMPARE(Lanzar(*f, "mnuToolsComp", "conListado", "<FILEASM> <FILEDSK>"), QString("[/p/a.asm]\n[/p/a.dsk]\n"));
        QVERIFY(dialogos_.pedidos.empty());

        gFichASM.clear();
        gFichDSK.clear();
        dialogos_.respuestas = {"/q/b.asm", "/q/b.dsk"};
        QCOMPARE(Lanzar(*f, "mnuToolsComp", "sinListado", "<FILEASM> <FILEDSK>"), QString("[/q/b.asm]\n[/q/b.dsk]\n"));
        QCOMPARE(dialogos_.pedidos.size(), size_t(2));
        QCOMPARE(dialogos_.pedidos[1].titulo, std::string("Especificacion del fichero a ensamblar"));
        QCOMPARE(dialogos_.pedidos[1].filtro, filtro);

        dialogos_.respuestas = {"/q/c.dsk"};
        QCOMPARE(Lanzar(*f, "mnuToolsEdit", "editorSinListado", "<FILEDSK>"), QString("[/q/c.dsk]\n"));
        QCOMPARE(dialogos_.pedidos.size(), size_t(3));
        QCOMPARE(dialogos_.pedidos[2].titulo, std::string("Especificacion del fichero a editar"));
        QCOMPARE(dialogos_.pedidos[2].filtro, filtro);
    }

    void ensambladorSinListadoYCancelado() {
        auto f = VentanaNueva(dialogos_);
        const QString asm_ = Grabador("ensamblador");
        Ensamblador = asm_.toStdString();
        ParamEnsamblador = "<FILEASM>";
        gFichASM.clear();
        f->EjecutarComando("mnuToolsComp");
        QCOMPARE(Argumentos(asm_), QString(""));
        QCOMPARE(dialogos_.pedidos.size(), size_t(1));
        QCOMPARE(dialogos_.pedidos[0].titulo, std::string("Especificacion del fichero a ensamblar"));
        QCOMPARE(dialogos_.pedidos[0].filtro,
                 std::string("Ficheros codigo fuente (*.asm)|*.asm|Todos los archivos (*.*)|*.*"));
        // The editor asks with its own title and filter, and passes the choice.
        const QString editor = Grabador("editor2");
        Editor = editor.toStdString();
        ParamEditor = "<FILEASM>";
        dialogos_.respuestas.push_back("/q/elegido.asm");
        f->EjecutarComando("mnuToolsEdit");
        QCOMPARE(Argumentos(editor), QString("[/q/elegido.asm]\n"));
        QCOMPARE(dialogos_.pedidos[1].titulo, std::string("Especificacion del fichero a editar"));
        QVERIFY(dialogos_.pedidos[1].filtro.find("Ficheros ensamblados (*.dsk)|*.dsk") != std::string::npos);
    }

    void calculadoraYModuloSinParametros() {
        auto f = VentanaNueva(dialogos_);
        const QString calc = Grabador("calc"), dsk = Grabador("dsk");
        Calculadora = calc.toStdString();
        ModuloDSK = dsk.toStdString();
        f->EjecutarComando("mnuToolsCalc");
        f->EjecutarComando("mnuToolsModulo");
        QCOMPARE(Argumentos(calc), QString(""));
        QCOMPARE(Argumentos(dsk), QString(""));
        QCOMPARE(f->InfoBar(), std::string("Inicializando el Modulo DSK..."));
    }

    // With nothing stored, the editor is the desktop's opener of the source,
    // the calculator the first desktop calculator on the PATH (none when there
    // is none), and the assembler and the DSK board program are not set. A
    // stored text stays, an empty one too.
    void programasPorDefecto_data() {
        QTest::addColumn<QStringList>("enRuta");       // programs on the PATH ("-" not executable)
        QTest::addColumn<QStringList>("guardados");    // calculator, editor, assembler, board ("-" not stored)
        QTest::addColumn<QStringList>("esperados");    // "@" the PATH folder
        const QStringList nada = {"-", "-", "-", "-"};
        QTest::newRow("calculadoras") << QStringList{"xcalc", "-gnome-calculator", "kcalc"} << nada
                                      << QStringList{"@/kcalc", "xdg-open", "", ""};
        QTest::newRow("ninguna") << QStringList{"bc"} << nada << QStringList{"", "xdg-open", "", ""};
        QTest::newRow("guardados") << QStringList{"galculator"}
                                   << QStringList{"/o/calc", "/o/ed", "/o/asm", "/o/dsk"}
                                   << QStringList{"/o/calc", "/o/ed", "/o/asm", "/o/dsk"};
        QTest::newRow("guardados vacios") << QStringList{"galculator"} << QStringList{"", "", "-", "-"}
                                          << QStringList{"", "", "", ""};
    }
    void programasPorDefecto() {
        QFETCH(QStringList, enRuta);
        QFETCH(QStringList, guardados);
        QFETCH(QStringList, esperados);
        QTemporaryDir ruta;
        for (const QString& p : enRuta) {
            QFile f(ruta.filePath(p.startsWith('-') ? p.mid(1) : p));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
            f.setPermissions(p.startsWith('-') ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner);
        }
        ajustes_->valores.clear();
        const char* claves[] = {"Calculadora", "Editor", "Ensamblador", "ModuloDSK"};
        for (int i = 0; i < 4; ++i)
            if (guardados[i] != "-") ajustes_->Poner("Opciones\\Config", claves[i], guardados[i].toStdString());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", ruta.path().toUtf8());
        auto f = VentanaNueva(dialogos_);
        qputenv("PATH", path);
        const std::string* programas[] = {&Calculadora, &Editor, &Ensamblador, &ModuloDSK};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QString::fromStdString(*programas[i]), QString(esperados[i]).replace("@", ruta.path()));
        QCOMPARE(ParamEditor, std::string("<FILEASM>"));
        QCOMPARE(f->Accion("mnuToolsCalc")->isEnabled(), !Calculadora.empty());
        QCOMPARE(f->Accion("mnuToolsEdit")->isEnabled(), !Editor.empty());
        QCOMPARE(f->Accion("mnuToolsComp")->isEnabled(), !Ensamblador.empty());
    }

    // The default editor hands the loaded listing's source to the desktop's
    // opener.
    void editorPorDefectoAbreLaFuente() {
        QDir(dir_.path()).mkpath("ruta");
        const QString abridor = Grabador("ruta/xdg-open");
        ajustes_->valores.clear();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir_.filePath("ruta").toUtf8() + ":" + path);  // the stand-in first
        auto f = VentanaNueva(dialogos_);
        gFichASM = "/p/prog uno.asm";
        f->EjecutarComando("mnuToolsEdit");
        qputenv("PATH", path);
        QCOMPARE(Argumentos(abridor), QString("[/p/prog uno.asm]\n"));
        QVERIFY(cuadros_->mostrados.empty());
    }

    // Programs that are not there do not start.
    void programasQueNoArrancan_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("contexto");
        QTest::addColumn<QString>("estadoInicio");
        QTest::addColumn<QString>("estadoError");
        QTest::newRow("editor") << "mnuToolsEdit" << "Error: Acceso al editor"
                                << "No ha sido posible inicializar el editor </no/hay/notepad> con los parametros "
                                   "<-e <FILEASM>>. Compruebe que la ruta sea correcta y que el editor este "
                                   "correctamente instalado."
                                << 10010 << "Inicializando el editor configurado..."
                                << "Error al inicializar el editor. Compruebe la ruta y la instalacion del editor";
        QTest::newRow("ensamblador")
            << "mnuToolsComp" << "Error: No se ha podido ensamblar el fichero"
            << "No ha sido posible inicializar el ensamblador </no/hay/dsk3a> con los parametros < -q "
               "\"/p/prog.asm\">. Comprueba que la ruta sea correcta y que el ensamblador este correctamente instalado."
            << 10020 << "Realizando ensamblado del fichero ASM"
            << "Error al inicializar el ensamblador. Comprobar ruta e instalación del Ensamblador.";
        QTest::newRow("calculadora")
            << "mnuToolsCalc" << "Error: Acceso a la Calculadora"
            << "No ha sido posible inicializar la calculadora </no/hay/calc>. Compruebe que la ruta sea "
               "correcta y que la calculadora este correctamente instalada."
            << 10030 << "Inicializando aplicacion Calculadora configurada ..."
            << "Error al abrir la aplicacion Calculadora. Compruebe la ruta de acceso a la calculadora.";
        QTest::newRow("modulo") << "mnuToolsModulo" << "Error: Acceso al Modulo DSK"
                                << "No ha sido posible inicializar el Modulo DSK </no/hay/dsk3d> Compruebe "
                                   "que la ruta sea correcta y que el Modulo DSK este correctamente instalado."
                                << 10040 << "Inicializando el Modulo DSK..."
                                << "Error al acceder al Modulo DSK. Compruebe la ruta de acceso y la instalacion";
    }
    void programasQueNoArrancan() {
        QFETCH(QString, comando);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        QFETCH(int, contexto);
        QFETCH(QString, estadoInicio);
        QFETCH(QString, estadoError);
        ajustes_->Poner("Opciones\\Config", "Editor", "/no/hay/notepad");
        auto f = VentanaNueva(dialogos_);
        ParamEditor = "-e <FILEASM>";
        ParamEnsamblador = "-q <FILEASM>";
        gFichASM = "/p/prog.asm";
        QVERIFY(f->Accion(comando.toStdString())->isEnabled());
        f->EjecutarComando(comando.toStdString());
        QCOMPARE(cuadros_->mostrados.size(), size_t(1));
        const plataforma::Cuadro& c = cuadros_->mostrados[0];
        QCOMPARE(QString::fromStdString(c.titulo), titulo);
        QCOMPARE(QString::fromStdString(c.texto), texto);
        QCOMPARE(c.contextoAyuda, contexto);
        QVERIFY(c.icono == Icono::Exclamacion && c.botonAyuda && c.ficheroAyuda == "TMS320C3X.chm");
        QCOMPARE(QString::fromStdString(cuadros_->estados[0]), estadoInicio);
        QCOMPARE(QString::fromStdString(f->InfoBar()), estadoError);
    }

    void rutaVaciaFalla() {
        auto f = VentanaNueva(dialogos_);
        Calculadora.clear();
        f->EjecutarComando("mnuToolsCalc");
        QCOMPARE(cuadros_->mostrados.size(), size_t(1));
        QCOMPARE(cuadros_->mostrados[0].texto.substr(0, 49), std::string("No ha sido posible inicializar la calculadora <>."));
    }

    // Each opening of the Help menu names the child window active at that time.
    void ayudaContextualSigueALaVentanaActiva() {
        auto f = VentanaNueva(dialogos_);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        for (TipoVista t : {TipoVista::Registros, TipoVista::Memoria}) {
            QMdiSubWindow* m = f->Marco(t);
            m->setWindowTitle(t == TipoVista::Registros ? "Registros" : "Memoria DSP");
            f->AreaCliente()->setActiveSubWindow(m);
            emit f->Menu("mnuHelp")->aboutToShow();
            QCOMPARE(f->Accion("mnuHelpContex")->text(), "Ayuda contextual: " + m->windowTitle() + "    F1");
        }
    }

    void ayuda() {
        auto f = VentanaNueva(dialogos_);
        const std::string noIniciada = plataforma::qt::TextoAyudaNoIniciada("TMS320C3X.chm");
        f->EjecutarComando("mnuHelpContents");
        QCOMPARE(cuadros_->mostrados.size(), size_t(1));
        QCOMPARE(cuadros_->mostrados[0].texto, noIniciada);
        QVERIFY(cuadros_->mostrados[0].icono == Icono::Exclamacion && !cuadros_->mostrados[0].botonAyuda);
        QCOMPARE(f->InfoBar(), noIniciada);
        // Search and context help press F1, which opens the same missing file.
        f->EjecutarComando("mnuHelpSearch");
        f->EjecutarComando("mnuHelpContex");
        QCOMPARE(cuadros_->mostrados.size(), size_t(3));
        QCOMPARE(cuadros_->mostrados[2].texto, noIniciada);
        // A program without a help file says so.
        mnuHelpContents_Click(*f, "");
        mnuHelpContex_Click(*f, "");
        QCOMPARE(cuadros_->mostrados.size(), size_t(5));
        QCOMPARE(cuadros_->mostrados[4].texto, std::string(plataforma::qt::kTextoSinAyuda));
        QVERIFY(cuadros_->mostrados[4].icono == Icono::Informacion);
        QCOMPARE(cuadros_->mostrados[4].titulo, std::string("Tarvix"));
    }
};

QTEST_MAIN(TestHerramientas)
#include "test_herramientas.moc"
