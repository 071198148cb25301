#include "data/TextoFichero.h"

#include <cerrno>
#include <cstdio>

#include "data/Ficheros.h"

int LeerTextoFichero(const std::string& ruta, std::string& texto, std::string_view inicio) {
    constexpr std::string_view kMarcaDeOrden = "\xEF\xBB\xBF";
    int error = 0;
    std::FILE* f = AbrirFicheroPlano(ruta, error);
    if (!f) return error != 0 ? error : EIO;
    // Only as many bytes as the mark and inicio take are read before the check.
    auto leerHasta = [&texto, f](std::size_t n) {
        const std::size_t leidos = texto.size();
        if (n <= leidos) return;
        texto.resize(n);
        texto.resize(leidos + std::fread(texto.data() + leidos, 1, n - leidos, f));
    };
    texto.clear();
    leerHasta(kMarcaDeOrden.size());
    if (texto == kMarcaDeOrden) texto.clear();
    leerHasta(inicio.size());
    error = std::string_view(texto).substr(0, inicio.size()) == inicio ? 0 : kOtroContenido;
    if (error == 0) plataforma::LeerResto(f, texto);
    if (std::ferror(f)) error = EIO;  // a read error, also in the first bytes
    std::fclose(f);
    return error;
}
