// The toolbar as data: its buttons with key, tool tip, description and style,
// the menu command each key runs, and the saved layout (ordered keys shown).
#pragma once

#include <string>
#include <vector>

struct BotonBarra {
    std::string clave;        // "Cargar"
    std::string tooltip;
    std::string descripcion;  // shown in the customisation dialog
    bool marcable = false;    // check style: stays pressed until released
    bool pulsado = false;     // pressed at design time
    std::string comando;      // menu item whose handler runs; "" not bound
};

// The 38 command buttons in toolbar order.
const std::vector<BotonBarra>& BotonesBarra();
// nullptr when no button has that key (case-sensitive).
const BotonBarra* BuscarBoton(const std::string& clave);
// Menu item the key's click runs; "" when the key matches nothing or is unbound.
std::string ComandoDeBoton(const std::string& clave);

// A layout is the ordered list of what the toolbar shows: button keys and
// kSeparador. The design layout begins with a separator.
inline constexpr const char* kSeparador = "-";
std::vector<std::string> DisposicionPredeterminada();

// Stored form: the entries joined by ",".
std::string GuardarDisposicion(const std::vector<std::string>& disposicion);
// Unknown keys and repeated keys are dropped; an empty or missing text, or one
// that names no button at all, gives the design layout.
std::vector<std::string> LeerDisposicion(const std::string& texto);
