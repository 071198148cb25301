#include "core/Anfitrion.h"

namespace {

// Stands in for the main window when none is installed (batch runs).
class VentanaSinPantalla final : public IVentanaPrincipal {
public:
    void ModoEjecucion(int16_t modo) override { modo_ = modo; }
    int16_t ModoEjecucion() const override { return modo_; }
    void InfoBar(const std::string& texto) override { texto_ = texto; }

private:
    int16_t modo_ = 0;
    std::string texto_;
};

VentanaSinPantalla gSinPantalla;
IVentanaPrincipal* gPrincipal = &gSinPantalla;
IVentanaMemoria* gMemoriaVentana = nullptr;

}  // namespace

IVentanaPrincipal& VentanaPrincipal() { return *gPrincipal; }
void EstablecerVentanaPrincipal(IVentanaPrincipal* v) { gPrincipal = v ? v : &gSinPantalla; }
IVentanaMemoria* VentanaMemoria() { return gMemoriaVentana; }
void EstablecerVentanaMemoria(IVentanaMemoria* v) { gMemoriaVentana = v; }
