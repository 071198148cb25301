#include "views/AjustesVista.h"

#include <QMdiSubWindow>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/Ajustes.h"

namespace ajustesvista {

double Leer(const std::string& seccion, const std::string& clave, double porDefecto) {
    const std::string texto = plataforma::Ajustes().Leer(plataforma::kAplicacion, seccion, clave, "");
    bool ok = false;
    const double v = QString::fromStdString(texto).trimmed().replace(',', '.').toDouble(&ok);
    return ok && std::isfinite(v) ? v : porDefecto;
}

void Escribir(const std::string& seccion, const std::string& clave, double valor) {
    plataforma::Ajustes().Escribir(plataforma::kAplicacion, seccion, clave,
                                   QString::number(valor, 'g', 7).toStdString());
}

void RestaurarMarco(QMdiSubWindow& marco, const std::string& seccion, double left, double top, double ancho,
                    double alto) {
    left = Leer(seccion, "Left", left);
    top = Leer(seccion, "Top", top);
    ancho = Leer(seccion, "Width", ancho);
    alto = Leer(seccion, "Height", alto);
    const int estado = int(Leer(seccion, "Status", 0));
    marco.move(int(left / 15), int(top / 15));
    marco.resize(std::max(int(ancho / 15), 120), std::max(int(alto / 15), 80));
    if (estado == 1) marco.showMinimized();
    if (estado == 2) marco.showMaximized();
}

void GuardarMarco(const QMdiSubWindow& marco, const std::string& seccion, Guardar que, int subida) {
    const int estado = marco.isMinimized() ? 1 : marco.isMaximized() ? 2 : 0;
    Escribir(seccion, "Status", estado);
    if (estado != 0) return;
    Escribir(seccion, "Left", marco.x() * 15.0);
    Escribir(seccion, "Top", (marco.y() + subida) * 15.0);
    if (que == Guardar::SoloLugar) return;
    Escribir(seccion, "Width", marco.width() * 15.0);
    Escribir(seccion, "Height", marco.height() * 15.0);
}

}  // namespace ajustesvista
