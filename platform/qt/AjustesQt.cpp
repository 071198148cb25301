#include "platform/qt/AjustesQt.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <filesystem>

namespace plataforma {

// An application's settings as the store holds them: QSettings' keys
// ("Opciones/Entorno/ModoDSP") and values, and whether they changed since the
// last save.
struct AjustesQt::Valores {
    QVariantMap claves;
    bool cambiadas = false;
};

namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) { return QString::fromStdString(s); }
fs::path Ruta(const QString& s) { return fs::path(s.toStdString()); }

// "Opciones\Entorno" + "ModoDSP" -> "Opciones/Entorno/ModoDSP" (nested groups).
QString RutaClave(const std::string& seccion, const std::string& clave) {
    QString s = Q(seccion);
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return s.isEmpty() ? Q(clave) : s + QLatin1Char('/') + Q(clave);
}

// The file that a settings path stands for: the end of its chain of links.
fs::path FicheroReal(fs::path ruta) {
    std::error_code ec;
    for (int i = 0; i < 40 && fs::is_symlink(ruta, ec); ++i) {
        const fs::path destino = fs::read_symlink(ruta, ec);
        if (ec) break;
        ruta = destino.is_absolute() ? destino : ruta.parent_path() / destino;
    }
    return ruta;
}

// Makes an empty file of a name no other file has, beside ruta, and gives
// its name; empty when none can be made.
QString FicheroNuevo(const fs::path& ruta) {
    for (int intento = 0; intento < 16; ++intento) {
        const QString nombre =
            Q(ruta.string()) + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        QFile f(nombre);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return nombre;
        if (!f.exists()) break;
    }
    return {};
}

bool AlDisco(const fs::path& ruta) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool bien = ::fsync(fd) == 0;
    ::close(fd);
    return bien;
}

// Whether the file holds just these settings, read afresh from the disk.
bool Contiene(const QString& fichero, const QVariantMap& claves) {
    const QSettings s(fichero, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return false;
    const QStringList leidas = s.allKeys();
    if (leidas.size() != claves.size()) return false;
    for (const QString& c : leidas) {
        const auto it = claves.find(c);
        if (it == claves.end() || *it != s.value(c)) return false;
    }
    return true;
}

// Writes the whole file anew beside the one it replaces and puts it in its
// place only when it reads back whole and is on the disk, so a failure at
// any point leaves the old file as it was. QSettings does not notice a write
// cut short (a full disk), and it keeps the parse of every file it wrote, so
// the new file is read back under a second name it has not seen.
bool GuardarFichero(const QVariantMap& claves, const fs::path& fichero) {
    const fs::path destino = FicheroReal(fichero);
    std::error_code ec;
    fs::create_directories(destino.parent_path(), ec);
    if (ec) return false;
    const QString escrito = FicheroNuevo(destino);
    const QString comprobado = escrito.isEmpty() ? QString() : FicheroNuevo(destino);
    bool bien = !comprobado.isEmpty();
    if (bien) {
        const fs::file_status anterior = fs::status(destino, ec);
        if (fs::exists(anterior)) fs::permissions(Ruta(escrito), anterior.permissions(), ec);
        {
            QSettings s(escrito, QSettings::IniFormat);
            for (auto it = claves.begin(); it != claves.end(); ++it) s.setValue(it.key(), it.value());
            s.sync();
            bien = s.status() == QSettings::NoError;
        }
        bien = bien && (fs::rename(Ruta(escrito), Ruta(comprobado), ec), !ec) && Contiene(comprobado, claves) &&
               AlDisco(Ruta(comprobado)) && (fs::rename(Ruta(comprobado), destino, ec), !ec);
        if (bien) AlDisco(destino.parent_path());  // the new name too; not every file system can
    }
    if (!escrito.isEmpty()) QFile::remove(escrito);
    if (!comprobado.isEmpty()) QFile::remove(comprobado);
    return bien;
}

}  // namespace

AjustesQt::AjustesQt(std::string carpetaBase) : carpetaBase_(std::move(carpetaBase)) {
    if (carpetaBase_.empty())
        carpetaBase_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

// What was written after the last save is not lost when the store ends.
AjustesQt::~AjustesQt() {
    for (auto& [aplicacion, v] : abiertos_)
        if (v->cambiadas) GuardarFichero(v->claves, Fichero(aplicacion));
}

AjustesQt::Valores& AjustesQt::Almacen(const std::string& aplicacion) {
    auto& v = abiertos_[aplicacion];
    if (!v) {
        v = std::make_unique<Valores>();
        // Whatever part of the file reads well; the rest is dropped at the next save.
        const QSettings s(Q(Fichero(aplicacion)), QSettings::IniFormat);
        for (const QString& c : s.allKeys()) v->claves.insert(c, s.value(c));
    }
    return *v;
}

std::string AjustesQt::Fichero(const std::string& aplicacion) const {
    return carpetaBase_ + "/" + aplicacion + "/" + aplicacion + ".ini";
}

std::string AjustesQt::Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                            const std::string& porDefecto) {
    const QVariant v = Almacen(aplicacion).claves.value(RutaClave(seccion, clave));
    if (!v.isValid()) return porDefecto;
    // A hand-edited value with unquoted commas reads as a list: give it back whole.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

void AjustesQt::Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                         const std::string& valor) {
    Valores& v = Almacen(aplicacion);
    v.claves.insert(RutaClave(seccion, clave), Q(valor));
    v.cambiadas = true;
}

bool AjustesQt::Guardar() {
    bool bien = true;
    for (auto& [aplicacion, v] : abiertos_) {
        if (!v->cambiadas) continue;
        if (GuardarFichero(v->claves, Fichero(aplicacion))) v->cambiadas = false;
        else bien = false;
    }
    return bien;
}

}  // namespace plataforma
