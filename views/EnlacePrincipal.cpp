#include "views/EnlacePrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "app/frmMain.h"

namespace {
int16_t gResultadoSinPrincipal = 0;
}

namespace enlace {

QMenu* Menu(const char* nombre) { return VentanaMain() ? VentanaMain()->Menu(nombre) : nullptr; }
QAction* Accion(const char* nombre) { return VentanaMain() ? VentanaMain()->Accion(nombre) : nullptr; }

int16_t ResultadoPopUpMenu() {
    return VentanaMain() ? VentanaMain()->ResultadoPopUpMenu() : gResultadoSinPrincipal;
}

void ResultadoPopUpMenu(int16_t valor) {
    if (VentanaMain())
        VentanaMain()->ResultadoPopUpMenu(valor);
    else
        gResultadoSinPrincipal = valor;
}

bool Refrescar() {
    if (!VentanaMain()) return false;
    VentanaMain()->Refrescar();
    return true;
}

QSize AreaCliente() {
    return VentanaMain() && VentanaMain()->AreaCliente() ? VentanaMain()->AreaCliente()->size() : QSize(1024, 700);
}

int AnchoPPL() {
    const QMdiSubWindow* m = VentanaMain() ? VentanaMain()->Marco(TipoVista::PPL) : nullptr;
    return m && !m->isHidden() ? m->width() : 0;
}

bool MostrarAuxDatos(int16_t tipo) {
    IVistaAuxDatos* aux = VentanaMain() ? VentanaMain()->FrmAuxDatos(true) : nullptr;
    if (!aux) return false;
    aux->TipoDatos(tipo);
    aux->Widget()->show();
    return true;
}

}  // namespace enlace
