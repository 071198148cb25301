#include "platform/qt/AjustesQt.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace plataforma {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "Opciones\Entorno" + "ModoDSP" -> "Opciones/Entorno/ModoDSP" (nested groups).
QString RutaClave(const std::string& seccion, const std::string& clave) {
    QString s = Q(seccion);
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s.isEmpty() ? Q(clave) : s + QLatin1Char('/') + Q(clave);
}

}  // namespace

AjustesQt::AjustesQt(std::string carpetaBase) : carpetaBase_(std::move(carpetaBase)) {
    if (carpetaBase_.empty())
        carpetaBase_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

AjustesQt::~AjustesQt() = default;

QSettings& AjustesQt::Almacen(const std::string& aplicacion) {
    auto& s = abiertos_[aplicacion];
    if (!s) s = std::make_unique<QSettings>(Q(Fichero(aplicacion)), QSettings::IniFormat);
    return *s;
}

std::string AjustesQt::Fichero(const std::string& aplicacion) const {
    return carpetaBase_ + "/" + aplicacion + "/" + aplicacion + ".ini";
}

std::string AjustesQt::Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                            const std::string& porDefecto) {
    const QVariant v = Almacen(aplicacion).value(RutaClave(seccion, clave));
    if (!v.isValid()) return porDefecto;
    // A hand-edited value with unquoted commas reads as a list: give it back whole.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

void AjustesQt::Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                         const std::string& valor) {
    Almacen(aplicacion).setValue(RutaClave(seccion, clave), Q(valor));
}

bool AjustesQt::Guardar() {
    // QSettings writes a new file beside the old one and renames it into place,
    // so a failed write leaves the old file whole.
    bool bien = true;
    for (auto& [aplicacion, s] : abiertos_) {
        s->sync();
        bien = bien && s->status() == QSettings::NoError;
    }
    return bien;
}

void InstalarAjustesQt() {
    static AjustesQt ajustes;
    EstablecerAjustes(&ajustes);
}

}  // namespace plataforma
