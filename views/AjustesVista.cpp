#include "views/AjustesVista.h"

#include <QMdiSubWindow>
#include <QString>

#include "data/DatosPrograma.h"
#include "platform/Ajustes.h"
#include "views/EnlacePrincipal.h"
#include "views/LugarVista.h"

namespace ajustesvista {

double Leer(const std::string& seccion, const std::string& clave, double porDefecto) {
    const std::string texto = plataforma::Ajustes().Leer(plataforma::kAplicacion, seccion, clave, "");
    return LeerRealGuardado(texto).value_or(porDefecto);
}

int LeerEstado(const std::string& seccion, int porDefecto) {
    const double v = Leer(seccion, "Status", porDefecto);
    return v >= 1 && v < 3 ? int(v) : 0;
}

void Escribir(const std::string& seccion, const std::string& clave, double valor) {
    plataforma::Ajustes().Escribir(plataforma::kAplicacion, seccion, clave,
                                   QString::number(valor, 'g', 7).toStdString());
}

namespace {

// The client area the frame stands in, in twips.
QSizeF Cliente(const QMdiSubWindow& marco) {
    const QSize s = enlace::AreaCliente(marco);
    return QSizeF(s) * 15.0;
}

// The least size kept: a view that keeps its own size has none.
QSizeF Minimo(Guardar que) {
    return que == Guardar::SoloLugar ? QSizeF(0, 0) : QSizeF(lugarvista::kAnchoMinimo, lugarvista::kAltoMinimo);
}

}  // namespace

lugarvista::Rect LugarGuardado(const QMdiSubWindow& marco, const std::string& seccion,
                               const lugarvista::Rect& defecto, const lugarvista::Rect& sustituto, Guardar que) {
    const bool conTamano = que == Guardar::LugarYTamano;
    const lugarvista::Rect guardado{Leer(seccion, "Left", defecto.izq), Leer(seccion, "Top", defecto.arriba),
                                    conTamano ? Leer(seccion, "Width", defecto.ancho) : marco.width() * 15.0,
                                    conTamano ? Leer(seccion, "Height", defecto.alto) : marco.height() * 15.0};
    const QSizeF c = Cliente(marco);
    const QSizeF m = Minimo(que);
    return lugarvista::Elegido(guardado, sustituto, c.width(), c.height(), m.width(), m.height());
}

void RestaurarMarco(QMdiSubWindow& marco, const std::string& seccion, double left, double top, double ancho,
                    double alto, Guardar que) {
    if (que == Guardar::SoloLugar) ancho = marco.width() * 15.0, alto = marco.height() * 15.0;
    const lugarvista::Rect defecto{left, top, ancho, alto};
    const lugarvista::Rect r = LugarGuardado(marco, seccion, defecto, defecto, que);
    const int estado = LeerEstado(seccion, 0);
    marco.setGeometry(int(r.izq / 15), int(r.arriba / 15), int(r.ancho / 15), int(r.alto / 15));
    if (estado == 1) marco.showMinimized();
    if (estado == 2) marco.showMaximized();
}

void GuardarMarco(const QMdiSubWindow& marco, const std::string& seccion, Guardar que, int subida) {
    const int estado = marco.isMinimized() ? 1 : marco.isMaximized() ? 2 : 0;
    Escribir(seccion, "Status", estado);
    if (estado != 0) return;
    // A frame out of reach or without a size is stored where it can be reached.
    const QRect g = marco.geometry().translated(0, subida);
    lugarvista::Rect r{g.x() * 15.0, g.y() * 15.0, g.width() * 15.0, g.height() * 15.0};
    const QSizeF c = Cliente(marco);
    const QSizeF m = Minimo(que);
    if (!lugarvista::Alcanzable(r, c.width(), c.height()))
        r = lugarvista::Ajustado(r, c.width(), c.height(), m.width(), m.height());
    Escribir(seccion, "Left", r.izq);
    Escribir(seccion, "Top", r.arriba);
    if (que == Guardar::SoloLugar) return;
    Escribir(seccion, "Width", r.ancho);
    Escribir(seccion, "Height", r.alto);
}

}  // namespace ajustesvista
