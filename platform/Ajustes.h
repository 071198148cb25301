// The per-user settings store: text values by application, section and key.
// A section written with backslashes ("Opciones\Entorno") is a nested section.
// The windowed program installs a store over the platform's settings; tests
// install an in-memory one.
#pragma once

#include <string>

namespace plataforma {

// The application name under which the program keeps its settings.
inline constexpr const char* kAplicacion = "Tarvix";

class IAlmacenAjustes {
public:
    virtual ~IAlmacenAjustes() = default;
    // The stored text, or porDefecto when the key is absent.
    virtual std::string Leer(const std::string& aplicacion, const std::string& seccion,
                             const std::string& clave, const std::string& porDefecto) = 0;
    virtual void Escribir(const std::string& aplicacion, const std::string& seccion,
                          const std::string& clave, const std::string& valor) = 0;
    // Puts what was written since the last save into lasting storage. False when
    // that failed; the settings stored before are then left as they were.
    virtual bool Guardar() = 0;
    // Where an application's settings are kept, as the user can find them.
    virtual std::string Lugar(const std::string& aplicacion) const = 0;
};

// The installed store. Without one, every read gives its default and writes
// are dropped (a batch run keeps no settings); its save never fails.
IAlmacenAjustes& Ajustes();
void EstablecerAjustes(IAlmacenAjustes* almacen);

}  // namespace plataforma
