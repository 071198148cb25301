#include "platform/Cuadros.h"

namespace plataforma {
namespace {

class CuadrosSilenciosos final : public IServicioCuadros {
public:
    Respuesta MsgBox(const Cuadro&) override { return Respuesta::Aceptar; }
    std::optional<std::string> InputBox(const CuadroEntrada&) override { return std::nullopt; }
};

CuadrosSilenciosos gSilenciosos;
IServicioCuadros* gServicio = &gSilenciosos;

}  // namespace

IServicioCuadros& Cuadros() { return *gServicio; }

void EstablecerCuadros(IServicioCuadros* servicio) {
    gServicio = servicio ? servicio : &gSilenciosos;
}

Respuesta MsgBox(const std::string& texto, Icono icono, Botones botones,
                 const std::string& titulo, int contextoAyuda, bool botonAyuda) {
    Cuadro c;
    c.titulo = titulo;
    c.texto = texto;
    c.icono = icono;
    c.botones = botones;
    c.botonAyuda = botonAyuda;
    c.ficheroAyuda = contextoAyuda != 0 ? kFicheroAyuda : "";
    c.contextoAyuda = contextoAyuda;
    return Cuadros().MsgBox(c);
}

}  // namespace plataforma
