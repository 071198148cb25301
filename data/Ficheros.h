// Opening a file for reading only when it is a plain file, and replacing a
// file only by a whole new one.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Opens a plain file for reading (links followed). Anything else is refused at
// once, without opening it in a way that could wait: a folder gives EISDIR, a
// pipe, a device or a socket ENXIO. On a refusal, nullptr and error = the
// system's error number.
std::FILE* AbrirFicheroPlano(const std::string& ruta, int& error);

// A new file that replaces destino once it is written whole. It is created
// beside destino under a name of its own, exclusively and without following a
// link, so nothing else that stands in the folder is touched; it is flushed to
// disk before it takes destino's name. A failure, or dropping it before
// Sustituir, removes it and leaves destino as it was.
class FicheroSustituto {
public:
    FicheroSustituto() = default;
    FicheroSustituto(const FicheroSustituto&) = delete;
    FicheroSustituto& operator=(const FicheroSustituto&) = delete;
    ~FicheroSustituto();

    // Creates the new file with the permission bits given, or the ones a new
    // file gets; false when it cannot be created.
    bool Crear(const std::filesystem::path& destino, std::optional<std::filesystem::perms> permisos = {});
    // Writes contenido into it and puts it in destino's place; false when any
    // step fails.
    bool Sustituir(std::string_view contenido);

private:
    void Descartar();
    int fd_ = -1;
    std::filesystem::path destino_, temporal_;
};
