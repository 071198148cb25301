#include "views/EnlacePrincipal.h"

namespace {
int16_t gResultadoSinPrincipal = 0;
}

namespace enlace {

QMenu* Menu(const char*) { return nullptr; }
QAction* Accion(const char*) { return nullptr; }
int16_t ResultadoPopUpMenu() { return gResultadoSinPrincipal; }
void ResultadoPopUpMenu(int16_t valor) { gResultadoSinPrincipal = valor; }
bool Refrescar() { return false; }
QSize AreaCliente() { return {1024, 700}; }

}  // namespace enlace
