// The main window's menu tree as data: names, captions with access keys,
// shortcuts, help contexts and the states the items start with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ElementoMenu {
    enum Estado : uint8_t {
        Normal = 0,
        Deshabilitado = 1,
        Oculto = 2,
        Marcable = 4,   // shows a check mark that the code sets
        Marcado = 8,
    };
    std::string nombre;   // "mnuFileOpen"; control arrays append the index: "mnuFileMRU1"
    std::string titulo;   // "-" for a separator
    std::string atajo;    // key sequence in the toolkit's portable form, "" none
    int ayuda = 0;        // help context, 0 none
    uint8_t estado = Normal;
    bool Separador() const { return titulo == "-"; }
};

struct MenuSuperior {
    std::string nombre;   // "mnuFile"
    std::string titulo;   // "&Archivo"
    int ayuda = 0;
    bool oculto = false;  // PopMnuFormato: only a pop-up menu
    std::vector<ElementoMenu> elementos;
};

// The menu bar from left to right, then the hidden format menu.
const std::vector<MenuSuperior>& ArbolMenus();
