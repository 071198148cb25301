#include "platform/qt/AjustesQt.h"

#include <QEvent>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <filesystem>
#include <optional>

namespace plataforma {
namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "Opciones\Entorno" + "ModoDSP" -> "Opciones/Entorno/ModoDSP" (nested groups).
QString RutaClave(const std::string& seccion, const std::string& clave) {
    QString s = Q(seccion);
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s.isEmpty() ? Q(clave) : s + QLatin1Char('/') + Q(clave);
}

// Holds back Qt's own deferred writes: a store is written at Guardar, where a
// failure is seen, or when it ends.
class SinEscrituraDiferida final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::UpdateRequest; }
};

// Whether the file holds just what the store holds, read afresh through a
// link of another name (Qt shares one parse per file name); nothing when it
// cannot be checked (a file system without links).
std::optional<bool> Coincide(const QSettings& s, const fs::path& ruta) {
    std::error_code ec;
    if (!fs::exists(ruta, ec)) return s.allKeys().isEmpty();
    static int comprobaciones = 0;
    const fs::path enlace = ruta.string() + ".comprobacion" + std::to_string(++comprobaciones);
    fs::create_hard_link(ruta, enlace, ec);
    if (ec) return std::nullopt;
    bool igual = false;
    {
        const QSettings leido(QString::fromStdString(enlace.string()), QSettings::IniFormat);
        const QStringList claves = s.allKeys();
        igual = leido.status() == QSettings::NoError && leido.allKeys().size() == claves.size();
        for (qsizetype i = 0; igual && i < claves.size(); ++i) igual = leido.value(claves[i]) == s.value(claves[i]);
    }
    fs::remove(enlace, ec);
    return igual;
}

// QSettings writes a new file and renames it over the old one, but a write
// cut short (a full disk) goes unnoticed and the cut file replaces the old
// one. So the old file is kept under a second name until the new one reads
// back whole, and put back when it does not.
bool GuardarFichero(QSettings& s, const fs::path& ruta) {
    std::error_code ec;
    const fs::path anterior = ruta.string() + ".anterior";
    fs::remove(anterior, ec);
    const bool conservado = fs::exists(ruta, ec) && (fs::create_hard_link(ruta, anterior, ec), !ec);
    s.sync();
    const bool bien = s.status() == QSettings::NoError && Coincide(s, ruta).value_or(true);
    if (conservado) {
        if (bien) fs::remove(anterior, ec);
        else fs::rename(anterior, ruta, ec);
    }
    return bien;
}

}  // namespace

AjustesQt::AjustesQt(std::string carpetaBase)
    : carpetaBase_(std::move(carpetaBase)), filtro_(std::make_unique<SinEscrituraDiferida>()) {
    if (carpetaBase_.empty())
        carpetaBase_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

AjustesQt::~AjustesQt() = default;

QSettings& AjustesQt::Almacen(const std::string& aplicacion) {
    auto& s = abiertos_[aplicacion];
    if (!s) {
        s = std::make_unique<QSettings>(Q(Fichero(aplicacion)), QSettings::IniFormat);
        s->installEventFilter(filtro_.get());
    }
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
    bool bien = true;
    for (auto& [aplicacion, s] : abiertos_) bien = GuardarFichero(*s, Fichero(aplicacion)) && bien;
    return bien;
}

}  // namespace plataforma
