#include "platform/Ficheros.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>

namespace fs = std::filesystem;

namespace plataforma {

std::FILE* AbrirFicheroPlano(const std::string& ruta, int& error) {
    auto noPlano = [&error](const struct stat& st) {
        error = S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
        return nullptr;
    };
    // The type is looked at before the open, so that no device is opened, and
    // again on what was opened: a pipe put in its place meanwhile does not
    // make the open wait, for it does not block.
    struct stat st {};
    if (::stat(ruta.c_str(), &st) != 0) {
        error = errno;
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) return noPlano(st);
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    if (::fstat(fd, &st) != 0) {
        error = errno;
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return noPlano(st);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        error = errno;
        ::close(fd);
    }
    return f;
}

bool LeerResto(std::FILE* f, std::string& texto) {
    char buf[64 * 1024];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) texto.append(buf, n);
    return !std::ferror(f);
}

std::optional<std::string> LeerFicheroPlano(const std::string& ruta, int& error) {
    std::FILE* f = AbrirFicheroPlano(ruta, error);
    if (!f) return std::nullopt;
    std::string contenido;
    const bool bien = LeerResto(f, contenido);
    error = bien ? 0 : EIO;
    std::fclose(f);
    return bien ? std::optional(std::move(contenido)) : std::nullopt;
}

std::optional<fs::path> FicheroNombrado(const fs::path& ruta) {
    constexpr int kMaxEnlaces = 40;
    fs::path p = ruta;
    std::error_code ec;
    for (int i = 0; i < kMaxEnlaces; ++i) {
        if (!fs::is_symlink(p, ec)) return p;
        const fs::path destino = fs::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = destino.is_absolute() ? destino : p.parent_path() / destino;
    }
    return std::nullopt;
}

namespace {

// The folder a file stands in.
fs::path CarpetaDe(const fs::path& fichero) { return fichero.has_parent_path() ? fichero.parent_path() : fs::path("."); }

// The new file is named <raíz>.tmp~ and six of these letters; the lock <raíz>.tmp~lock.
constexpr std::string_view kTemporal = ".tmp~";
constexpr std::string_view kLetras = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kAzar = 6;
constexpr std::string_view kCerrojo = "lock";
constexpr auto kEsperaCerrojo = std::chrono::seconds(10);

// The start of the names of a target's new files: its own name, or, when
// that leaves no room for the ending within the folder's longest name, its
// beginning and a sum of the whole name that keeps targets apart.
std::string Raiz(const fs::path& carpeta, const std::string& nombre) {
    const long largo = ::pathconf(carpeta.c_str(), _PC_NAME_MAX);
    const size_t maximo = largo > 0 ? static_cast<size_t>(largo) : 255;
    const size_t cola = kTemporal.size() + kAzar;
    if (nombre.size() + cola <= maximo) return nombre;
    uint32_t suma = 2166136261u;  // FNV-1a
    for (unsigned char c : nombre) suma = (suma ^ c) * 16777619u;
    char hex[10];
    std::snprintf(hex, sizeof hex, "~%08x", suma);
    return nombre.substr(0, maximo - cola - (sizeof hex - 1)) + hex;
}

bool EsTemporalDe(std::string_view nombre, std::string_view raiz) {
    if (nombre.size() != raiz.size() + kTemporal.size() + kAzar || !nombre.starts_with(raiz)) return false;
    nombre.remove_prefix(raiz.size());
    if (!nombre.starts_with(kTemporal)) return false;
    nombre.remove_prefix(kTemporal.size());
    return nombre.find_first_not_of(kLetras) == std::string_view::npos;
}

// Removes the plain files in carpeta named as raiz's new files: under the
// lock no save of the target is running, so they are what killed saves left.
void QuitarRestos(const fs::path& carpeta, const std::string& raiz) {
    DIR* d = ::opendir(carpeta.c_str());
    if (!d) return;
    const int dfd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        struct stat st {};
        if (EsTemporalDe(e->d_name, raiz) && ::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode))
            ::unlinkat(dfd, e->d_name, 0);
    }
    ::closedir(d);
}

}  // namespace

FicheroSustituto::~FicheroSustituto() { Descartar(); }

void FicheroSustituto::Descartar() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporal_.c_str());
        fd_ = -1;
    }
    SoltarCerrojo();
}

// A lock file beside the target, locked with flock. Its holder removes it
// before it lets go, so one that was taken on a file no longer at that name
// is taken again.
bool FicheroSustituto::TomarCerrojo() {
    const auto limite = std::chrono::steady_clock::now() + kEsperaCerrojo;
    while (true) {
        const int fd = ::open(rutaCerrojo_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat abierto {}, nombrado {};
            if (::fstat(fd, &abierto) == 0 && ::lstat(rutaCerrojo_.c_str(), &nombrado) == 0 &&
                abierto.st_dev == nombrado.st_dev && abierto.st_ino == nombrado.st_ino) {
                cerrojo_ = fd;
                return true;
            }
        } else if (errno != EWOULDBLOCK) {
            ::close(fd);
            return false;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() > limite) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void FicheroSustituto::SoltarCerrojo() {
    if (cerrojo_ < 0) return;
    ::unlink(rutaCerrojo_.c_str());
    ::close(cerrojo_);
    cerrojo_ = -1;
}

bool FicheroSustituto::Crear(const fs::path& ruta) {
    Descartar();
    const std::optional<fs::path> destino = FicheroNombrado(ruta);
    if (!destino || destino->filename().empty()) return false;
    destino_ = *destino;
    const fs::path carpeta = CarpetaDe(destino_);
    raiz_ = Raiz(carpeta, destino_.filename().string());
    rutaCerrojo_ = carpeta / (raiz_ + std::string(kTemporal) + std::string(kCerrojo));
    // The lock file cannot be made in a folder that is not there: a link
    // into a missing folder is refused, and no folder is made.
    if (!TomarCerrojo()) return false;

    // Only a plain file the user may write, or none yet.
    struct stat st {};
    const bool existe = ::lstat(destino_.c_str(), &st) == 0;
    if ((!existe && errno != ENOENT) ||
        (existe && (!S_ISREG(st.st_mode) || ::access(destino_.c_str(), W_OK) != 0))) {
        SoltarCerrojo();
        return false;
    }
    QuitarRestos(carpeta, raiz_);

    std::random_device azar;
    for (int intento = 0; intento < 100 && fd_ < 0; ++intento) {
        std::string nombre = raiz_ + std::string(kTemporal);
        for (size_t i = 0; i < kAzar; ++i) nombre += kLetras[azar() % kLetras.size()];
        temporal_ = carpeta / nombre;
        fd_ = ::open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ >= 0 && existe && ::fchmod(fd_, st.st_mode & 07777) != 0) Descartar();
    if (fd_ < 0) SoltarCerrojo();
    return fd_ >= 0;
}

bool FicheroSustituto::Sustituir(std::string_view contenido) {
    if (fd_ < 0) return false;
    while (!contenido.empty()) {
        const ssize_t n = ::write(fd_, contenido.data(), contenido.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Descartar();
            return false;
        }
        contenido.remove_prefix(static_cast<size_t>(n));
    }
    const bool escrito = ::fsync(fd_) == 0;
    const bool cerrado = ::close(fd_) == 0;
    fd_ = -1;
    if (!escrito || !cerrado || ::rename(temporal_.c_str(), destino_.c_str()) != 0) {
        ::unlink(temporal_.c_str());
        SoltarCerrojo();
        return false;
    }
    // The new name on the disk too; not every file system can, and the file
    // is in place either way.
    const int dfd = ::open(CarpetaDe(destino_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    SoltarCerrojo();
    return true;
}

}  // namespace plataforma
