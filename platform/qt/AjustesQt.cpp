#include "platform/qt/AjustesQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <set>

#include "platform/Ficheros.h"

namespace plataforma {

// An application's settings as this instance sees them: QSettings' keys
// ("Opciones/Entorno/ModoDSP") and values, and the keys whose values this
// instance changed since its last save.
struct AjustesQt::Valores {
    QVariantMap claves;
    std::set<QString> cambiadas;
};

namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "Opciones\Entorno" + "ModoDSP" -> "Opciones/Entorno/ModoDSP" (nested groups).
QString RutaClave(const std::string& seccion, const std::string& clave) {
    QString s = Q(seccion);
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s.isEmpty() ? Q(clave) : s + QLatin1Char('/') + Q(clave);
}

std::string Texto(const QVariant& v) {
    // A hand-edited value with unquoted commas reads as a list: give it back whole.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

// A key QSettings writes back under the same name: not empty, and no empty
// group in it ("x/", "/x", "a//b", or a key of the sections "[]" and "[/]"),
// which it would drop and so write under another name.
bool SeEscribeIgual(const QString& clave) {
    return !clave.isEmpty() && !clave.startsWith(QLatin1Char('/')) && !clave.endsWith(QLatin1Char('/')) &&
           !clave.contains(QLatin1String("//"));
}

// QSettings reads and writes only files of its own: a private folder in the
// system's temporary folder holds the texts it reads and makes, and goes
// with this object. Each text gets a name of its own, for QSettings keeps
// what it read of a name.
class Borrador {
public:
    // The settings a text holds. Entera: all of it must read well; else
    // whatever part of it reads well.
    std::optional<QVariantMap> Leer(const std::string& texto, bool entera) {
        const QString nombre = Nombre();
        QFile f(nombre);
        if (nombre.isEmpty() || !f.open(QIODevice::WriteOnly) ||
            f.write(texto.data(), static_cast<qint64>(texto.size())) != static_cast<qint64>(texto.size()) ||
            !f.flush())
            return std::nullopt;
        f.close();
        const QSettings s(nombre, QSettings::IniFormat);
        if (entera && s.status() != QSettings::NoError) return std::nullopt;
        QVariantMap claves;
        for (const QString& c : s.allKeys()) claves.insert(c, s.value(c));
        return claves;
    }
    // The text of the file QSettings writes for these settings.
    std::optional<std::string> Escribir(const QVariantMap& claves) {
        const QString nombre = Nombre();
        if (nombre.isEmpty()) return std::nullopt;
        {
            QSettings s(nombre, QSettings::IniFormat);
            for (auto it = claves.begin(); it != claves.end(); ++it) s.setValue(it.key(), it.value());
            s.sync();
            if (s.status() != QSettings::NoError) return std::nullopt;
        }
        QFile f(nombre);
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray texto = f.readAll();
        if (f.error() != QFileDevice::NoError) return std::nullopt;
        return texto.toStdString();
    }

private:
    QString Nombre() { return carpeta_.isValid() ? carpeta_.filePath(QString("%1.ini").arg(++n_)) : QString(); }
    QTemporaryDir carpeta_;
    int n_ = 0;
};

// The settings file's contents, when it is a plain file; none when there is
// no file. Anything else (a pipe, a device, a folder) is not opened in a way
// that could wait, and not read.
std::optional<std::string> LeerFichero(const fs::path& fichero) {
    int error = 0;
    std::optional<std::string> texto = LeerFicheroPlano(fichero.string(), error);
    if (!texto && error == ENOENT) return std::string();
    return texto;
}

// The new files and QSettings' lock files of the earlier way of saving:
// "<file>.<16 hex digits>" and the same with ".lock". Removed under the save's lock.
void QuitarRestosAnteriores(const fs::path& destino) {
    const QFileInfo info(Q(destino.string()));
    const QRegularExpression nombre(
        QStringLiteral("^%1\\.[0-9a-f]{16}(\\.lock)?$").arg(QRegularExpression::escape(info.fileName())));
    QDir carpeta = info.dir();
    for (const QString& n : carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (nombre.match(n).hasMatch() && !QFileInfo(carpeta.filePath(n)).isSymLink()) carpeta.remove(n);
}

// Writes the file anew as it is on the disk now with this instance's changes
// in it, so that what another instance saved meanwhile stays. The new text
// is read back before it replaces the file; a failure at any point leaves
// the old file as it was.
bool GuardarFichero(const QVariantMap& propias, const std::set<QString>& cambiadas, const fs::path& fichero) {
    // The settings' own folder is made at the first save; a folder that a
    // link names is not.
    std::error_code ec;
    if (!fs::is_symlink(fichero, ec)) fs::create_directories(fichero.parent_path(), ec);
    FicheroSustituto nuevo;
    if (!nuevo.Crear(fichero)) return false;
    QuitarRestosAnteriores(nuevo.Destino());
    Borrador borrador;
    const std::optional<std::string> actual = LeerFichero(nuevo.Destino());
    std::optional<QVariantMap> claves = actual ? borrador.Leer(*actual, false) : std::nullopt;
    if (!claves) return false;
    for (const QString& c : cambiadas) claves->insert(c, propias.value(c));
    for (auto it = claves->begin(); it != claves->end();)
        it = SeEscribeIgual(it.key()) ? std::next(it) : claves->erase(it);
    const std::optional<std::string> texto = borrador.Escribir(*claves);
    if (!texto || borrador.Leer(*texto, true) != claves) return false;
    return nuevo.Sustituir(*texto);
}

}  // namespace

AjustesQt::AjustesQt(std::string carpetaBase) : carpetaBase_(std::move(carpetaBase)) {
    if (carpetaBase_.empty())
        carpetaBase_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

// What was written after the last save is not lost when the store ends.
AjustesQt::~AjustesQt() {
    for (auto& [aplicacion, v] : abiertos_)
        if (!v->cambiadas.empty()) GuardarFichero(v->claves, v->cambiadas, Fichero(aplicacion));
}

AjustesQt::Valores& AjustesQt::Almacen(const std::string& aplicacion) {
    auto& v = abiertos_[aplicacion];
    if (!v) {
        v = std::make_unique<Valores>();
        // Whatever part of the file reads well; what is no plain file is not
        // read, and the defaults stand.
        if (const std::optional<std::string> texto = LeerFichero(Fichero(aplicacion)); texto && !texto->empty())
            v->claves = Borrador().Leer(*texto, false).value_or(QVariantMap());
    }
    return *v;
}

std::string AjustesQt::Fichero(const std::string& aplicacion) const {
    return carpetaBase_ + "/" + aplicacion + "/" + aplicacion + ".ini";
}

std::string AjustesQt::Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                            const std::string& porDefecto) {
    const QVariant v = Almacen(aplicacion).claves.value(RutaClave(seccion, clave));
    return v.isValid() ? Texto(v) : porDefecto;
}

// A value written again as it stands is no change: it does not undo what
// another instance saved meanwhile.
void AjustesQt::Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                         const std::string& valor) {
    Valores& v = Almacen(aplicacion);
    const QString c = RutaClave(seccion, clave);
    const QVariant antes = v.claves.value(c);
    if (antes.isValid() && Texto(antes) == valor) return;
    v.claves.insert(c, Q(valor));
    v.cambiadas.insert(c);
}

bool AjustesQt::Guardar() {
    bool bien = true;
    for (auto& [aplicacion, v] : abiertos_) {
        if (v->cambiadas.empty()) continue;
        if (GuardarFichero(v->claves, v->cambiadas, Fichero(aplicacion))) v->cambiadas.clear();
        else bien = false;
    }
    return bien;
}

}  // namespace plataforma
