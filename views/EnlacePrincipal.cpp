#include "views/EnlacePrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "app/frmMain.h"

namespace {
int16_t gResultadoSinPrincipal = 0;

int AnchoMostrado(TipoVista tipo) {
    const QMdiSubWindow* m = VentanaMain() ? VentanaMain()->Marco(tipo) : nullptr;
    return m && !m->isHidden() ? m->width() : 0;
}
}  // namespace

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

QSize AreaCliente(const QMdiSubWindow& marco) {
    return marco.mdiArea() ? marco.mdiArea()->contentsRect().size() : AreaCliente();
}

int AnchoPPL() { return AnchoMostrado(TipoVista::PPL); }
int AnchoRegistros() { return AnchoMostrado(TipoVista::Registros); }

bool MostrarAuxDatos(int16_t tipo) {
    IVistaAuxDatos* aux = VentanaMain() ? VentanaMain()->FrmAuxDatos(true) : nullptr;
    if (!aux) return false;
    aux->TipoDatos(tipo);
    aux->Widget()->show();
    return true;
}

}  // namespace enlace
