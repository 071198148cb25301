#include "platform/Impresora.h"

namespace plataforma {
namespace {
IImpresora* gImpresora = nullptr;
}

IImpresora* Impresora() { return gImpresora; }
void EstablecerImpresora(IImpresora* impresora) { gImpresora = impresora; }
bool HayImpresora() { return gImpresora != nullptr; }

}  // namespace plataforma
