#include "app/Herramientas.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QProcess>
#include <QStringList>

#include "app/Vistas.h"
#include "app/frmMain.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"
#include "platform/qt/AyudaQt.h"
#include "platform/qt/DialogosComunesQt.h"

namespace herramientas {

namespace {

using plataforma::Icono;

const bool registrados = [] {
    RegistrarComando("mnuToolsEdit", mnuToolsEdit_Click);
    RegistrarComando("mnuToolsComp", mnuToolsComp_Click);
    RegistrarComando("mnuToolsCalc", mnuToolsCalc_Click);
    RegistrarComando("mnuToolsModulo", mnuToolsModulo_Click);
    RegistrarComando("mnuHelpContents", [](frmMain& f) { mnuHelpContents_Click(f, plataforma::kFicheroAyuda); });
    RegistrarComando("mnuHelpSearch", [](frmMain& f) { mnuHelpContex_Click(f, plataforma::kFicheroAyuda); });
    RegistrarComando("mnuHelpContex", [](frmMain& f) { mnuHelpContex_Click(f, plataforma::kFicheroAyuda); });
    return true;
}();

// One outside program as a Tools command starts it: status text first, then
// on failure an exclamation box with the help button and the error status.
struct Arranque {
    std::string estado;
    std::string titulo;
    int contexto;
    std::string estadoError;
};

void Arrancar(frmMain& f, const Arranque& a, const std::string& programa, const std::string& parametros,
              const std::string& textoError) {
    f.InfoBar(a.estado);
    if (IniciarPrograma(programa, DividirArgumentos(parametros))) return;
    plataforma::Cuadro c;
    c.texto = textoError;
    c.titulo = a.titulo;
    c.icono = Icono::Exclamacion;
    c.botonAyuda = true;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = a.contexto;
    plataforma::Cuadros().MsgBox(c);
    f.InfoBar(a.estadoError);
}

std::function<std::optional<std::string>()> Dialogo(frmMain& f, const char* titulo, const char* filtro) {
    return [&f, titulo, filtro] {
        plataforma::qt::DialogoAbrir d;
        d.titulo = titulo;
        d.filtro = filtro;
        return f.DialogosComunes().Abrir(&f, d);
    };
}

void SinAyuda(frmMain& f) {
    plataforma::Cuadro c;
    c.texto = plataforma::qt::kTextoSinAyuda;
    c.titulo = f.windowTitle().toStdString();
    c.icono = Icono::Informacion;
    plataforma::Cuadros().MsgBox(c);
}

}  // namespace

std::string ParametrosPlantilla(const std::string& plantilla, const std::string& ficheroASM,
                                const std::function<std::optional<std::string>()>& pedirFichero) {
    const size_t p = plantilla.find(kFichASM);
    if (p == std::string::npos) return "";
    std::string r = " " + plantilla.substr(0, p);
    if (!ficheroASM.empty()) {
        r += "\"" + ficheroASM + "\"";
    } else if (pedirFichero) {
        if (std::optional<std::string> elegido = pedirFichero()) r += "\"" + *elegido + "\"";
    }
    return r + plantilla.substr(p + std::char_traits<char>::length(kFichASM));
}

std::vector<std::string> DividirArgumentos(const std::string& parametros) {
    std::vector<std::string> args;
    std::string actual;
    bool hay = false, entreComillas = false;
    for (char ch : parametros) {
        if (ch == '"') {
            entreComillas = !entreComillas;
            hay = true;
        } else if (!entreComillas && (ch == ' ' || ch == '\t')) {
            if (hay) args.push_back(std::move(actual));
            actual.clear();
            hay = false;
        } else {
            actual += ch;
            hay = true;
        }
    }
    if (hay) args.push_back(std::move(actual));
    return args;
}

bool IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos) {
    if (programa.empty()) return false;
    QStringList args;
    for (const std::string& a : argumentos) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(programa), args);
}

void mnuToolsEdit_Click(frmMain& f) {
    const std::string p = ParametrosPlantilla(
        ParamEditor, gFichASM,
        Dialogo(f, "Especificacion del fichero a editar",
                "Ficheros codigo fuente (*.asm)|*.asm|Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*"));
    Arrancar(f,
             {"Inicializando el editor configurado...", "Error: Acceso al editor", 10010,
              "Error al inicializar el editor. Compruebe la ruta y la instalacion del editor"},
             Editor, p,
             "No ha sido posible inicializar el editor <" + Editor + "> con los parametros <" + ParamEditor +
                 ">. Compruebe que la ruta sea correcta y que el editor este correctamente instalado.");
}

void mnuToolsComp_Click(frmMain& f) {
    const std::string p = ParametrosPlantilla(
        ParamEnsamblador, gFichASM,
        Dialogo(f, "Especificacion del fichero a ensamblar",
                "Ficheros codigo fuente (*.asm)|*.asm|Todos los archivos (*.*)|*.*"));
    Arrancar(f,
             {"Realizando ensamblado del fichero ASM", "Error: No se ha podido ensamblar el fichero", 10020,
              "Error al inicializar el ensamblador. Comprobar ruta e instalación del Ensamblador."},
             Ensamblador, p,
             "No ha sido posible inicializar el ensamblador <" + Ensamblador + "> con los parametros <" + p +
                 ">. Comprueba que la ruta sea correcta y que el ensamblador este correctamente instalado.");
}

void mnuToolsCalc_Click(frmMain& f) {
    Arrancar(f,
             {"Inicializando aplicacion Calculadora configurada ...", "Error: Acceso a la Calculadora", 10030,
              "Error al abrir la aplicacion Calculadora. Compruebe la ruta de acceso a la calculadora."},
             Calculadora, "",
             "No ha sido posible inicializar la calculadora <" + Calculadora +
                 ">. Compruebe que la ruta sea correcta y que la calculadora este correctamente instalada.");
}

void mnuToolsModulo_Click(frmMain& f) {
    Arrancar(f,
             {"Inicializando el Modulo DSK...", "Error: Acceso al Modulo DSK", 10040,
              "Error al acceder al Modulo DSK. Compruebe la ruta de acceso y la instalacion"},
             ModuloDSK, "",
             "No ha sido posible inicializar el Modulo DSK <" + ModuloDSK +
                 "> Compruebe que la ruta sea correcta y que el Modulo DSK este correctamente instalado.");
}

void CargaAyuda(frmMain& f, const std::string& ficheroAyuda) {
    if (!plataforma::qt::AbrirAyuda(&f, ficheroAyuda, 0))
        f.InfoBar(plataforma::qt::TextoAyudaNoIniciada(ficheroAyuda));
}

void mnuHelpContents_Click(frmMain& f, const std::string& ficheroAyuda) {
    if (ficheroAyuda.empty()) SinAyuda(f);
    else CargaAyuda(f, ficheroAyuda);
}

void mnuHelpContex_Click(frmMain& f, const std::string& ficheroAyuda) {
    if (ficheroAyuda.empty()) {
        SinAyuda(f);
        return;
    }
    // The main window's F1 key opens help at the context of what has the focus.
    const QKeySequence f1(QKeySequence::HelpContents);
    for (QAction* a : f.actions()) {
        if (a->shortcut() == f1) {
            a->trigger();
            return;
        }
    }
}

}  // namespace herramientas
