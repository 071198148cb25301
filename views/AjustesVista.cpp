#include "views/AjustesVista.h"

#include <QString>
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

}  // namespace ajustesvista
