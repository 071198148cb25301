#include "ShellKubrel.h"

#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace kubrel {

namespace fs = std::filesystem;

namespace {

// Shell verbs are matched regardless of letter case, as the desktop shell does.
std::string Minusculas(std::string texto) {
    for (char& c : texto)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return texto;
}

bool EsPrograma(const fs::path& ruta) {
    std::error_code ec;
    return fs::is_regular_file(ruta, ec) && ::access(ruta.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> DividirParametros(const std::string& parametros) {
    std::vector<std::string> argumentos;
    std::string actual;
    bool hayArgumento = false;
    bool entreComillas = false;
    for (size_t i = 0; i < parametros.size(); ++i) {
        const char c = parametros[i];
        if (c == '"') {
            if (entreComillas && i + 1 < parametros.size() && parametros[i + 1] == '"') {
                actual += '"';
                ++i;
            } else {
                entreComillas = !entreComillas;
            }
            hayArgumento = true;
        } else if (!entreComillas && (c == ' ' || c == '\t')) {
            if (hayArgumento) argumentos.push_back(actual);
            actual.clear();
            hayArgumento = false;
        } else {
            actual += c;
            hayArgumento = true;
        }
    }
    if (hayArgumento) argumentos.push_back(actual);
    return argumentos;
}

std::optional<OrdenInicio> OrdenShell(const CamposLinea& campos) {
    if (!campos.Fichero || campos.Fichero->empty()) return std::nullopt;
    const std::string& fichero = *campos.Fichero;
    const std::string carpeta = campos.Directorio.value_or("");

    fs::path ruta(fichero);
    if (ruta.is_relative() && !carpeta.empty()) ruta = fs::path(carpeta) / ruta;
    // The helpers run in the same folder, so a relative name is passed as typed; one that starts
    // with "-" gets "./" in front, so that no helper reads it as an option.
    const std::string nombre =
        (fichero.front() == '-' && fs::path(fichero).is_relative()) ? "./" + fichero : fichero;

    const std::string verbo = Minusculas(campos.Operacion);
    if (verbo == "open" || verbo.empty()) {
        if (EsPrograma(ruta)) {
            std::error_code ec;
            const fs::path absoluta = fs::absolute(ruta, ec);
            if (ec) return std::nullopt;
            return OrdenInicio{absoluta.string(), DividirParametros(campos.Parametros.value_or("")),
                               carpeta};
        }
        return OrdenInicio{AbridorEscritorio, {nombre}, carpeta};
    }
    if (verbo == "print") return OrdenInicio{Impresion, {nombre}, carpeta};
    std::error_code ec;
    if (verbo == "explore" && fs::is_directory(ruta, ec))
        return OrdenInicio{AbridorEscritorio, {nombre}, carpeta};
    return std::nullopt;
}

bool IniciarDesligado(const OrdenInicio& orden) {
    QProcess proceso;
    proceso.setProgram(QString::fromLocal8Bit(orden.Programa));
    QStringList argumentos;
    for (const auto& a : orden.Argumentos) argumentos << QString::fromLocal8Bit(a);
    proceso.setArguments(argumentos);
    if (!orden.Carpeta.empty()) proceso.setWorkingDirectory(QString::fromLocal8Bit(orden.Carpeta));
    // A shell call says nothing: what the started program prints goes nowhere.
    proceso.setStandardOutputFile(QProcess::nullDevice());
    proceso.setStandardErrorFile(QProcess::nullDevice());
    return proceso.startDetached();
}

void EjecutarShell(const CamposLinea& campos) {
    if (const auto orden = OrdenShell(campos)) IniciarDesligado(*orden);
}

}  // namespace kubrel
