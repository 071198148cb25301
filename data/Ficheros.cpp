#include "data/Ficheros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace fs = std::filesystem;

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

FicheroSustituto::~FicheroSustituto() { Descartar(); }

void FicheroSustituto::Descartar() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temporal_.c_str());
    fd_ = -1;
}

bool FicheroSustituto::Crear(const fs::path& destino, std::optional<fs::perms> permisos) {
    Descartar();
    destino_ = destino;
    std::random_device azar;
    static constexpr char kLetras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int intento = 0; intento < 100 && fd_ < 0; ++intento) {
        std::string nombre = destino.string() + ".tmp~";
        for (int i = 0; i < 6; ++i) nombre += kLetras[azar() % (sizeof kLetras - 1)];
        temporal_ = nombre;
        fd_ = ::open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) return false;
    }
    if (fd_ < 0) return false;
    if (permisos && ::fchmod(fd_, static_cast<mode_t>(*permisos & fs::perms::mask)) != 0) {
        Descartar();
        return false;
    }
    return true;
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
        return false;
    }
    return true;
}
