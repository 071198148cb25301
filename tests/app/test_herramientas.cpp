// The Tools and Help commands: parameter templates, the argument split, stand-in
// programs in a temporary folder that write down the arguments they got, the
// failure boxes of programs that do not exist here, and the help commands.
#include <QAction>
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

private slots:
    void initTestCase() { RegistrarVistasFalsas(); }
    void init() {
        ajustes_ = std::make_unique<prueba::AjustesMemoria>();
        cuadros_ = std::make_unique<CuadrosConEstado>();
        dialogos_ = DialogosFalsos();
    }
    void cleanup() {
        cuadros_.reset();
        ajustes_.reset();
    }

    void plantillas_data() {
        QTest::addColumn<QString>("plantilla");
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QString>("elegido");  // "-" cancels the dialog
        QTest::addColumn<QString>("parametros");
        QTest::addColumn<bool>("pregunta");
        QTest::newRow("con listado") << "/a <FILEASM> /b" << "/p/x y.asm" << "-" << " /a \"/p/x y.asm\" /b" << false;
        QTest::newRow("sin listado, cancelado") << "<FILEASM>" << "" << "-" << " " << true;
        QTest::newRow("sin listado, elegido") << "-v<FILEASM>" << "" << "/q/z.asm" << " -v\"/q/z.asm\"" << true;
        QTest::newRow("sin token") << "/s" << "/p/x.asm" << "-" << "" << false;
        QTest::newRow("vacia") << "" << "/p/x.asm" << "-" << "" << false;
        QTest::newRow("minusculas") << "<fileasm>" << "/p/x.asm" << "-" << "" << false;
        QTest::newRow("dos tokens") << "<FILEASM> <FILEASM>" << "f.asm" << "-" << " \"f.asm\" <FILEASM>" << false;
        QTest::newRow("FILEDSK sin cambio") << "<FILEDSK> <FILEASM>" << "f.asm" << "-" << " <FILEDSK> \"f.asm\"" << false;
    }
    void plantillas() {
        QFETCH(QString, plantilla);
        QFETCH(QString, fichero);
        QFETCH(QString, elegido);
        QFETCH(QString, parametros);
        QFETCH(bool, pregunta);
        bool preguntado = false;
        auto pedir = [&]() -> std::optional<std::string> {
            preguntado = true;
            if (elegido == "-") return std::nullopt;
            return elegido.toStdString();
        };
        QCOMPARE(QString::fromStdString(ParametrosPlantilla(plantilla.toStdString(), fichero.toStdString(), pedir)),
                 parametros);
        QCOMPARE(preguntado, pregunta);
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

    // The stored defaults are Windows paths, which do not start here.
    void programasQueNoArrancan_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("contexto");
        QTest::addColumn<QString>("estadoInicio");
        QTest::addColumn<QString>("estadoError");
        QTest::newRow("editor") << "mnuToolsEdit" << "Error: Acceso al editor"
                                << "No ha sido posible inicializar el editor <C:\\WINDOWS\\NOTEPAD> con los parametros "
                                   "<-e <FILEASM>>. Compruebe que la ruta sea correcta y que el editor este "
                                   "correctamente instalado."
                                << 10010 << "Inicializando el editor configurado..."
                                << "Error al inicializar el editor. Compruebe la ruta y la instalacion del editor";
        QTest::newRow("ensamblador")
            << "mnuToolsComp" << "Error: No se ha podido ensamblar el fichero"
            << "No ha sido posible inicializar el ensamblador <C:\\DSKTOOLS\\DSK3A.EXE> con los parametros < -q "
               "\"/p/prog.asm\">. Comprueba que la ruta sea correcta y que el ensamblador este correctamente instalado."
            << 10020 << "Realizando ensamblado del fichero ASM"
            << "Error al inicializar el ensamblador. Comprobar ruta e instalación del Ensamblador.";
        QTest::newRow("calculadora")
            << "mnuToolsCalc" << "Error: Acceso a la Calculadora"
            << "No ha sido posible inicializar la calculadora <C:\\WINDOWS\\CALC.EXE>. Compruebe que la ruta sea "
               "correcta y que la calculadora este correctamente instalada."
            << 10030 << "Inicializando aplicacion Calculadora configurada ..."
            << "Error al abrir la aplicacion Calculadora. Compruebe la ruta de acceso a la calculadora.";
        QTest::newRow("modulo") << "mnuToolsModulo" << "Error: Acceso al Modulo DSK"
                                << "No ha sido posible inicializar el Modulo DSK <C:\\DSKTOOLS\\DSK3D.EXE> Compruebe "
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
