#include "app/ArbolMenus.h"

namespace {

using E = ElementoMenu;

MenuSuperior Archivo() {
    MenuSuperior m{"mnuFile", "&Archivo", 1100, false, {
        {"mnuFileOpen", "&Cargar Fichero DSK", "F3", 1110},
        {"mnuFileSalvEnt", "S&alvar Entorno", "Ctrl+F3", 1120},
        {"mnuFileRecEnt", "&Recuperar Entorno", "Shift+F3", 1130},
        {"mnuFileBar3", "-", "", 0},
        {"mnuFilePageSetup", "Co&nfigurar Impresora...", "Ctrl+I", 1140},
        {"mnuFilePrint", "&Imprimir...", "Ctrl+P", 1141},
        {"mnuFileBar5", "-", "", 0},
    }};
    for (int i = 1; i <= 10; ++i)
        m.elementos.push_back({"mnuFileMRU" + std::to_string(i), "", "", 0, E::Oculto});
    m.elementos.push_back({"mnuFileBar6", "-", "", 0, E::Oculto});
    m.elementos.push_back({"mnuFileExit", "&Salir", "", 1150});
    return m;
}

std::vector<MenuSuperior> Construir() {
    std::vector<MenuSuperior> menus;
    menus.push_back(Archivo());
    menus.push_back({"mnuEdit", "&Edición", 1200, false, {
        {"mnuEditCut", "Cor&tar", "Ctrl+X", 1210},
        {"mnuEditCopy", "&Copiar", "Ctrl+C", 1220},
        {"mnuEditPaste", "&Pegar", "Ctrl+V", 1230},
    }});
    menus.push_back({"PopMnuMem", "&Memoria", 1300, false, {
        {"mnuMemMarca", "Altenar &Marcador de Ruptura", "F9", 1310},
        {"mnuMemMarcaQuitar", "&Quitar Marcadores", "Shift+F9", 1311},
        {"mnuMemMarcaLista", "&Lista de Marcadores", "Ctrl+F9", 1312},
        {"mnuMemLinea1", "-", "", 0},
        {"mnuMemEstablecerIdentif", "Establecer &Identificador", "F6", 1320},
        {"mnuMemVerIdentf", "Ver Tabla de &Referencia", "Shift+F6", 1321},
        {"mnuMemLinea3", "-", "", 0},
        {"mnuMemBusqueda", "&Búsqueda", "", 1330},
        {"mnuMemLinea2", "-", "", 0},
        {"mnuMemEditarCelda", "&Editar Celda", "F2", 1340},
        {"mnuMemLinea4", "-", "", 0},
        {"mnuMemCopiarCelda", "&Copiar Celda", "", 1341},
        {"mnuMemCortarCelda", "Co&rtar Celda", "", 0},
        {"mnuMemPegar", "&Pegar", "", 0},
    }});
    menus.push_back({"mnuDep", "&Depuración", 1400, false, {
        {"mnuDepBP", "Alternar &Punto de Ruptura", "F7", 1410},
        {"mnuDepQuitarBP", "&Quitar Puntos de Ruptura", "Shift+F7", 1411},
        {"mnuDepListBP", "&Lista de Puntos de Ruptura", "Ctrl+F7", 1412},
        {"mnuDepLine1", "-", "", 0},
        {"mnuDepStep", "&Paso a Paso", "F8", 1420},
        {"mnuDepStepFunc", "Paso a Paso por &Función", "Shift+F8", 1421},
        {"mnuDepCursor", "&Ejecutar hasta el cursor", "Ctrl+F8", 1422},
        {"mnuDepLine2", "-", "", 0},
        {"mnuDepEstablecerPC", "&Establecer Instrucción siguiente", "F4", 1430},
        {"mnuDepLine3", "-", "", 0},
        {"mnuDepCopiarMemPos", "Copiar &dirección de memoria", "", 1440},
        {"mnuDepCopiarCodigo", "Copiar &código de instrucción", "", 1441},
    }});
    menus.push_back({"mnuExe", "Eje&cución", 1500, false, {
        {"mnuExeRun", "&Run", "F5", 1510},
        {"mnuExeRunTempo", "&Ejecución Temporizada", "Ctrl+F5", 1511},
        {"mnuExeStop", "&Stop", "Ctrl+S", 1512},
        {"mnuExePausa", "&Pausa", "Ctrl+A", 1513, E::Deshabilitado | E::Marcable},
        {"mnuExeLine1", "-", "", 0},
        {"mnuExeInicializar", "&Inicializar (Reset)", "Shift+F5", 1520},
        {"mnuExeResetPPL", "&Vaciar Pipeline", "", 1521},
    }});
    menus.push_back({"mnuTools", "&Herramientas", 1600, false, {
        {"mnuToolsEdit", "&Editor", "", 1610},
        {"mnuToolsComp", "Ensam&blador", "", 1611},
        {"mnuToolsCalc", "&Calculadora", "", 1612},
        {"mnuToolsModulo", "&ModuloDSK", "", 1613},
        {"mnuToolsBar1", "-", "", 0},
        {"mnuToolsOpciones", "&Opciones...", "", 1620},
    }});
    menus.push_back({"mnuView", "&Ver", 1700, false, {
        {"mnuVerAuxDat1", "&Errores/Avisos Ensamblado", "", 1710, E::Deshabilitado},
        {"mnuVerAuxDat2", "Tabla de &Referencia", "", 1711},
        {"mnuVerAuxDat3", "Tabla de &Secciones", "", 1712},
        {"mnuVerAuxDat4", "Lista de &Puntos de Ruptura", "", 1713},
        {"mnuVerAuxDat5", "Lista de &Marcas de Ruptura", "", 1714},
        {"mnuViewLine1", "-", "", 0},
        {"mnuViewToolbar", "&Barra de herramientas", "", 1720, E::Marcable | E::Marcado},
        {"mnuViewStatusBar", "Ba&rra de estado", "", 1721, E::Marcable | E::Marcado},
    }});
    menus.push_back({"mnuWindow", "Ve&ntana", 1800, false, {
        {"mnuWindowDASM", "Codigo &Desensamblado", "Ctrl+D", 1810, E::Marcable},
        {"mnuWindowMemoria", "Volcado de &Memoria", "Ctrl+M", 1811, E::Marcable},
        {"mnuWindowRegistros", "&Registros DSP", "Ctrl+R", 1812, E::Marcable},
        {"mnuWindowPPL", "Estrucctura &Pipeline del DSP", "Ctrl+E", 1813, E::Marcable},
        {"mnuWindowBar1", "-", "", 0},
        {"mnuSalvarPos", "&Salvar Posición", "", 1820},
        {"mnuRecupPos", "R&ecuperar Posición", "", 1821},
        {"mnuWindowBar2", "-", "", 0},
        {"mnuWindowPred", "&Predeterminado", "", 1830},
        {"mnuWindowMosaico", "Alternar &Mosaico (70% - 30%)", "", 1831},
        {"mnuWindowBar3", "-", "", 0},
        {"mnuWindowRefrescar", "Refrescar Contenidos", "", 1840},
    }});
    menus.push_back({"mnuHelp", "Ay&uda", 1900, false, {
        {"mnuHelpContents", "&Contenido", "", 1910},
        {"mnuHelpSearch", "&Buscar Ayuda acerca de...", "", 1920},
        {"mnuHelpContex", "&Ayuda Contextual", "", 1930},
        {"mnuHelpBar2", "-", "", 0},
        {"mnuHelpTipOfDay", "&Sugerencia del Dia", "", 1920},
        {"mnuHelpBar1", "-", "", 0},
        {"mnuHelpAbout", "&Acerca de Tarvix...", "", 1930},
    }});
    menus.push_back({"PopMnuFormato", "PopMnuFormato", 0, true, {
        {"mnuFormato0", "&Hexadecimal", "", 0, E::Marcable},
        {"mnuFormato1", "&Entero sin signo", "", 0, E::Marcable},
        {"mnuFormato2", "Entero con &Signo", "", 0, E::Marcable},
        {"mnuFormato3", "Punto Flotante &TMS", "", 0, E::Marcable},
        {"mnuFormato4", "Punto Flotante &IEEE", "", 0, E::Marcable},
    }});
    return menus;
}

}  // namespace

const std::vector<MenuSuperior>& ArbolMenus() {
    static const std::vector<MenuSuperior> menus = Construir();
    return menus;
}
