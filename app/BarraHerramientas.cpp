#include "app/BarraHerramientas.h"

#include <set>
#include <sstream>

namespace {

// Keys after which the design layout has a separator.
const std::set<std::string>& FinesDeGrupo() {
    static const std::set<std::string> fines = {"Imprimir", "EditarCelda", "2Stop", "Pause", "PPL",
                                                "TablaMarcasRupt", "ModuloDSK"};
    return fines;
}

}  // namespace

const std::vector<BotonBarra>& BotonesBarra() {
    static const std::vector<BotonBarra> botones = {
        {"Cargar", "Cargar Fichero DSK (F3)", "Cargar Fichero DSK", false, false, "mnuFileOpen"},
        {"SalvarEnt", "Salvar Entorno (Ctrl+F3)", "Salvar Entorno ", false, false, "mnuFileSalvEnt"},
        {"RecupEnt", "Recuperar Entorno (Mayus+F3)", "Recuperar Entorno", false, false, "mnuFileRecEnt"},
        {"Imprimir", "Imprimir (Ctrl+F4)", "Imprimir", false, false, "mnuFilePrint"},
        {"MarcaRupt", "Alternar Marcador de ruptura (F9)", "Alternar Marcador de ruptura", false, false, "mnuMemMarca"},
        {"QuitarMarcas", "Quitar Marcas de Ruptura (Mayus+F9)", "Quitar Marcas de Ruptura", false, false, "mnuMemMarcaQuitar"},
        {"Identificador", "Establecer Identificador (F6)", "Establecer Identificador", false, false, "mnuMemEstablecerIdentif"},
        {"EditarCelda", "Editar la celda actual (F2)", "Editar la celda actual", false, false, "mnuMemEditarCelda"},
        {"PuntosRupt", "Alternar puntos ruptura (F7)", "Alternar puntos ruptura", false, false, "mnuDepBP"},
        {"QuitarPuntos", "Quitar puntos de ruptura (Mayus+F7)", "Quitar puntos de ruptura", false, false, "mnuDepQuitarBP"},
        {"PP1", "Paso a Paso (F8)", "Paso a Paso", false, false, "mnuDepStep"},
        {"PP2", "Paso a Paso por funcion (Mayus+F8)", "Paso a Paso por funcion", false, false, "mnuDepStepFunc"},
        {"2Stop", "Ejecutar hasta el cursor (Ctrl+F8)", "Ejecutar hasta el cursor", false, false, "mnuDepCursor"},
        {"Run", "Run (F5)", "Run / Stop ", false, false, "mnuExeRun"},
        {"RunTempo", "Ejecucion Temporizada (Ctrl+F5)", "Ejecucion Temporizada", false, false, "mnuExeRunTempo"},
        {"Stop", "Stop - Para la Ejecucion", "Stop - Para la Ejecucion", false, false, "mnuExeStop"},
        {"Pause", "Pausa en la ejecucion", "Pausa en la ejecucion", true, false, "mnuExePausa"},
        {"DASM", "Ventana de Código Desensamblado (Ctrl+D)", "Ventana de Código Desensamblado", true, true, "mnuWindowDASM"},
        {"Registros", "Ventana de Registro del DSP (Ctrl+R)", "Ventana de Registro del DSP", true, true, "mnuWindowRegistros"},
        {"Memoria", "Ventana de Volcado de Memoria (Ctrl+M)", "Ventana de Volcado de Memoria", true, true, "mnuWindowMemoria"},
        {"PPL", "Ventana de Estrucctura Pipeline (Ctrl+E)", "Ventana de Estrucctura Pipeline", true, true, "mnuWindowPPL"},
        {"TablaRef", "Tabla de Referencia - Identificadores", "Tabla de Referencia - Identificadores", false, false, "mnuVerAuxDat2"},
        {"TablaSect", "Tabla de Secciones de Programa", "Tabla de Secciones de Programa", false, false, "mnuVerAuxDat3"},
        {"TablaPuntosRupt", "Tabla de Puntos de Ruptura", "Tabla de Puntos de Ruptura", false, false, "mnuVerAuxDat4"},
        {"TablaMarcasRupt", "Tabla de Marcas de Ruptura", "Tabla de Marcas de Ruptura", false, false, "mnuVerAuxDat5"},
        {"Editor", "Editor", "Editor", false, false, "mnuToolsEdit"},
        {"Calculadora", "Calculadora", "Calculadora", false, false, "mnuToolsCalc"},
        {"Ensamblador", "Ensamblador", "Ensamblador", false, false, "mnuToolsComp"},
        {"ModuloDSK", "Acceso al modulo DSK", "Acceso al modulo DSK", false, false, "mnuToolsModulo"},
        {"InstrSig", "Establecer Instruccion Siguiente (F4)", "Establecer Instrucción Siguiente", false, false, "mnuDepEstablecerPC"},
        {"Reset", "Inicializar/Reset (Mayus+F5)", "Inicializar (Reset)", false, false, "mnuExeInicializar"},
        {"PPLClear", "Vaciar Estrucctura Pipeline", "Vaciar Estrucctura Pipeline", false, false, "mnuExeResetPPL"},
        {"Opciones", "Abre el diagolo de configuación de opciones", "Opciones ...", false, false, "mnuToolsOpciones"},
        {"RefrescarConten", "Refresca el contenido de las Ventanas", "Refrescar Contenidos", false, false, "mnuWindowRefrescar"},
        {"Sugerencia", "Sugerencia del Dia", "Sugerencia del Dia", false, false, "mnuHelpTipOfDay"},
        {"AyudaConten", "Abre la ayuda en la página de cotenido", "Ayuda: Contenido", false, false, ""},
        {"AyudaContex", "Abre la pagina de ayuda contextual", "Ayuda acerca de ...", false, false, ""},
        {"AyudaBuscar", "Abre la pagina de busqueda de la Ayuda", "Busqueda en la Ayuda", false, false, ""},
    };
    return botones;
}

const BotonBarra* BuscarBoton(const std::string& clave) {
    for (const BotonBarra& b : BotonesBarra())
        if (b.clave == clave) return &b;
    return nullptr;
}

std::string ComandoDeBoton(const std::string& clave) {
    const BotonBarra* b = BuscarBoton(clave);
    return b ? b->comando : std::string();
}

std::vector<std::string> DisposicionPredeterminada() {
    std::vector<std::string> d{kSeparador};
    for (const BotonBarra& b : BotonesBarra()) {
        d.push_back(b.clave);
        if (FinesDeGrupo().count(b.clave)) d.push_back(kSeparador);
    }
    return d;
}

std::string GuardarDisposicion(const std::vector<std::string>& disposicion) {
    std::string texto;
    for (const std::string& e : disposicion) {
        if (!texto.empty()) texto += ',';
        texto += e;
    }
    return texto;
}

std::vector<std::string> LeerDisposicion(const std::string& texto) {
    std::vector<std::string> d;
    std::set<std::string> vistas;
    bool algunBoton = false;
    std::istringstream entrada(texto);
    std::string e;
    while (std::getline(entrada, e, ',')) {
        if (e == kSeparador) {
            d.push_back(e);
        } else if (BuscarBoton(e) && vistas.insert(e).second) {
            d.push_back(e);
            algunBoton = true;
        }
    }
    return algunBoton ? d : DisposicionPredeterminada();
}
