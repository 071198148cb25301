// Message boxes and input boxes as the core and the program data ask for them.
// The windowed program installs a Qt implementation; tests install a scripted fake.
#pragma once

#include <optional>
#include <string>

namespace plataforma {

enum class Icono { Ninguno, Exclamacion, Informacion, Pregunta };
enum class Botones { Aceptar, AceptarCancelar };
enum class Respuesta { Aceptar, Cancelar };

// The help file every box of the system names (it is not shipped).
inline constexpr const char* kFicheroAyuda = "TMS320C3X.chm";

struct Cuadro {
    std::string titulo;
    std::string texto;
    Icono icono = Icono::Ninguno;
    Botones botones = Botones::Aceptar;
    bool botonAyuda = false;       // shows a Help button that opens help at contextoAyuda
    std::string ficheroAyuda;      // help file the box passes ("" none)
    int contextoAyuda = 0;
};

struct CuadroEntrada {
    std::string titulo;
    std::string mensaje;           // the prompt
    std::string porDefecto;        // default text
    std::string ficheroAyuda;
    int contextoAyuda = 0;
};

class IServicioCuadros {
public:
    virtual ~IServicioCuadros() = default;
    // Shows a message box; closing it counts as Cancel.
    virtual Respuesta MsgBox(const Cuadro& cuadro) = 0;
    // Shows an input box; std::nullopt on Cancel (an empty text is a valid answer).
    virtual std::optional<std::string> InputBox(const CuadroEntrada& cuadro) = 0;
};

// The program-wide box service. Without one installed, boxes answer OK / Cancel
// silently (a batch run with nobody to ask).
IServicioCuadros& Cuadros();
void EstablecerCuadros(IServicioCuadros* servicio);

// Shorthand for the common case.
Respuesta MsgBox(const std::string& texto, Icono icono, Botones botones,
                 const std::string& titulo, int contextoAyuda = 0, bool botonAyuda = false);

}  // namespace plataforma
