// What the core and the program data need of the windows: the main window's
// execution mode and status text, and the memory window's cell search.
// The application implements these with its windows; tests fake them.
#pragma once

#include <cstdint>
#include <string>

// The main window's execution modes (ModoEjecucion); any other value is
// stored and changes nothing.
namespace modo {
enum Modo : int16_t {
    kParado = 0,       // stopped
    kNormal = 1,       // normal run
    kPasoSobre = 2,    // running until the return of a stepped-over call
    kTemporizado = 3,  // timed run
    kHastaCursor = 4,  // run to the cursor
};
}  // namespace modo

class IVentanaPrincipal {
public:
    virtual ~IVentanaPrincipal() = default;
    virtual void ModoEjecucion(int16_t modo) = 0;
    virtual int16_t ModoEjecucion() const = 0;
    virtual void InfoBar(const std::string& texto) = 0;
};

class IVentanaMemoria {
public:
    virtual ~IVentanaMemoria() = default;
    virtual void BuscarCelda(int32_t& direccion) = 0;
    // Goes to the cell without asking, address 0 included (a watch-mark break
    // on cell 0 shows that cell). Windows that can show cell 0 override it.
    virtual void MostrarCelda(int32_t direccion) {
        if (direccion != 0) BuscarCelda(direccion);
    }
};

// The installed windows; without them a plain recorder keeps the mode and text.
IVentanaPrincipal& VentanaPrincipal();
void EstablecerVentanaPrincipal(IVentanaPrincipal* ventana);
// nullptr when no memory window is open: then nothing is searched.
IVentanaMemoria* VentanaMemoria();
void EstablecerVentanaMemoria(IVentanaMemoria* ventana);
