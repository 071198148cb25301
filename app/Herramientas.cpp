#include "app/Herramientas.h"

#include <algorithm>

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

void Arrancar(frmMain& f, const Arranque& a, const std::string& programa,
              const std::vector<std::string>& argumentos, const std::string& textoError) {
    f.InfoBar(a.estado);
    if (IniciarPrograma(programa, argumentos)) return;
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

constexpr const char* kFiltroListados = "Ficheros ensamblados (*.dsk)|*.dsk|Todos los archivos (*.*)|*.*";

// A token of a template and the file it becomes (none when nothing was chosen).
struct Token {
    const char* texto;
    std::optional<std::string> fichero;
};

// The text with the first occurrence of each pending token replaced by its
// file, in double quotes when asked; a file put in is never searched again.
std::string Sustituir(const std::string& s, std::vector<const Token*>& pendientes, bool comillas) {
    std::string r;
    for (size_t i = 0; i < s.size();) {
        auto t = std::find_if(pendientes.begin(), pendientes.end(), [&](const Token* k) {
            return s.compare(i, std::char_traits<char>::length(k->texto), k->texto) == 0;
        });
        if (t == pendientes.end()) {
            r += s[i++];
            continue;
        }
        if (const std::optional<std::string>& fichero = (*t)->fichero)
            r += comillas ? "\"" + *fichero + "\"" : *fichero;
        i += std::char_traits<char>::length((*t)->texto);
        pendientes.erase(t);
    }
    return r;
}

void SinAyuda(frmMain& f) {
    plataforma::Cuadro c;
    c.texto = plataforma::qt::kTextoSinAyuda;
    c.titulo = f.windowTitle().toStdString();
    c.icono = Icono::Informacion;
    plataforma::Cuadros().MsgBox(c);
}

}  // namespace

Parametros ParametrosPlantilla(const std::string& plantilla, const FicheroToken& fuente,
                               const FicheroToken& listado) {
    // The files of the tokens the template holds, asked for in the template's order.
    Token tokens[] = {{kFichASM, std::nullopt}, {kFichDSK, std::nullopt}};
    const FicheroToken* ficheros[] = {&fuente, &listado};
    std::vector<std::pair<size_t, int>> presentes;
    for (int k = 0; k < 2; ++k)
        if (const size_t p = plantilla.find(tokens[k].texto); p != std::string::npos) presentes.emplace_back(p, k);
    if (presentes.empty()) return {};
    std::sort(presentes.begin(), presentes.end());
    std::vector<const Token*> pendientes;
    for (const auto& [p, k] : presentes) {
        const FicheroToken& f = *ficheros[k];
        if (!f.cargado.empty()) tokens[k].fichero = f.cargado;
        else if (f.pedir) tokens[k].fichero = f.pedir();
        pendientes.push_back(&tokens[k]);
    }
    Parametros r;
    std::vector<const Token*> enTexto = pendientes;
    r.texto = " " + Sustituir(plantilla, enTexto, true);
    for (const std::string& a : DividirArgumentos(plantilla)) {
        std::string arg = Sustituir(a, pendientes, false);
        if (!arg.empty() || a.empty()) r.argumentos.push_back(std::move(arg));
    }
    return r;
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
    const char* titulo = "Especificacion del fichero a editar";
    const Parametros p = ParametrosPlantilla(
        ParamEditor,
        {gFichASM, Dialogo(f, titulo,
                           "Ficheros codigo fuente (*.asm)|*.asm|Ficheros ensamblados (*.dsk)|*.dsk|Todos los "
                           "archivos (*.*)|*.*")},
        {gFichDSK, Dialogo(f, titulo, kFiltroListados)});
    Arrancar(f,
             {"Inicializando el editor configurado...", "Error: Acceso al editor", 10010,
              "Error al inicializar el editor. Compruebe la ruta y la instalacion del editor"},
             Editor, p.argumentos,
             "No ha sido posible inicializar el editor <" + Editor + "> con los parametros <" + ParamEditor +
                 ">. Compruebe que la ruta sea correcta y que el editor este correctamente instalado.");
}

void mnuToolsComp_Click(frmMain& f) {
    const char* titulo = "Especificacion del fichero a ensamblar";
    const Parametros p = ParametrosPlantilla(
        ParamEnsamblador,
        {gFichASM, Dialogo(f, titulo, "Ficheros codigo fuente (*.asm)|*.asm|Todos los archivos (*.*)|*.*")},
        {gFichDSK, Dialogo(f, titulo, kFiltroListados)});
    Arrancar(f,
             {"Realizando ensamblado del fichero ASM", "Error: No se ha podido ensamblar el fichero", 10020,
              "Error al inicializar el ensamblador. Comprobar ruta e instalación del Ensamblador."},
             Ensamblador, p.argumentos,
             "No ha sido posible inicializar el ensamblador <" + Ensamblador + "> con los parametros <" + p.texto +
                 ">. Comprueba que la ruta sea correcta y que el ensamblador este correctamente instalado.");
}

void mnuToolsCalc_Click(frmMain& f) {
    Arrancar(f,
             {"Inicializando aplicacion Calculadora configurada ...", "Error: Acceso a la Calculadora", 10030,
              "Error al abrir la aplicacion Calculadora. Compruebe la ruta de acceso a la calculadora."},
             Calculadora, {},
             "No ha sido posible inicializar la calculadora <" + Calculadora +
                 ">. Compruebe que la ruta sea correcta y que la calculadora este correctamente instalada.");
}

void mnuToolsModulo_Click(frmMain& f) {
    Arrancar(f,
             {"Inicializando el Modulo DSK...", "Error: Acceso al Modulo DSK", 10040,
              "Error al acceder al Modulo DSK. Compruebe la ruta de acceso y la instalacion"},
             ModuloDSK, {},
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
