// Reading only plain files, and replacing a file only by a whole new one.
// Qt-free and in the platform layer, below both the program's data files
// (data/) and the settings store's Qt implementation (platform/qt), so that
// every save of the program follows these same rules.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

// Opens a plain file for reading (links followed). Anything else is refused at
// once, without opening it in a way that could wait: a folder gives EISDIR, a
// pipe, a device or a socket ENXIO. On a refusal, nullptr and error = the
// system's error number.
std::FILE* AbrirFicheroPlano(const std::string& ruta, int& error);

// Appends what is left of f to texto; false on a read error.
bool LeerResto(std::FILE* f, std::string& texto);

// The whole of a plain file, opened as AbrirFicheroPlano does; nothing and
// error = the system's error number when it is refused or cannot be read.
std::optional<std::string> LeerFicheroPlano(const std::string& ruta, int& error);

// The file a path names: symbolic links are followed to their target, also
// to one not there yet. Nothing when the links go round.
std::optional<std::filesystem::path> FicheroNombrado(const std::filesystem::path& ruta);

// A new file that replaces the file a path names once it is written whole.
// Only a plain file the user may write, or none yet in a folder that exists,
// is replaced; a link is followed and stays. The new file is created beside
// its target under a name of its own, exclusively and without following a
// link, with the target's permission bits; it is flushed to disk, with its
// folder, when it takes the target's name. A failure, or dropping it before
// Sustituir, removes it and leaves the target as it was.
//
// From Crear to the end, the save holds a lock of the target (another save
// of the same file waits for it), under which it removes the new files that
// a save killed midway left beside the target.
class FicheroSustituto {
public:
    FicheroSustituto() = default;
    FicheroSustituto(const FicheroSustituto&) = delete;
    FicheroSustituto& operator=(const FicheroSustituto&) = delete;
    ~FicheroSustituto();

    // False when the target is refused, or the lock or the new file cannot be had.
    bool Crear(const std::filesystem::path& ruta);
    // The target, the end of the path's links (after Crear).
    const std::filesystem::path& Destino() const { return destino_; }
    // Writes contenido into the new file and puts it in the target's place;
    // false when any step fails.
    bool Sustituir(std::string_view contenido);

private:
    void Descartar();
    bool TomarCerrojo();
    void SoltarCerrojo();
    int fd_ = -1, cerrojo_ = -1;
    std::filesystem::path destino_, temporal_, rutaCerrojo_;
    std::string raiz_;  // the start of the new file's and the lock's names
};

}  // namespace plataforma
