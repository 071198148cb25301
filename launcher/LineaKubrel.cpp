#include "LineaKubrel.h"

namespace kubrel {

std::string LineaOperacion(const std::vector<std::string>& argumentos) {
    std::string linea;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        if (i > 0) linea += ' ';
        linea += argumentos[i];
    }
    size_t inicio = 0;
    while (inicio < linea.size()) {
        const auto c = static_cast<unsigned char>(linea[inicio]);
        if (c < 1 || c > 32) break;
        ++inicio;
    }
    return linea.substr(inicio);
}

CamposLinea DividirLinea(const std::string& linea) {
    CamposLinea campos;
    std::optional<std::string>* siguientes[] = {&campos.Fichero, &campos.Parametros,
                                                &campos.Directorio};
    std::string resto = linea;
    std::string* actual = &campos.Operacion;
    for (auto* siguiente : siguientes) {
        const size_t coma = resto.find(',');
        if (coma == std::string::npos) break;
        *actual = resto.substr(0, coma);
        resto = resto.substr(coma + 1);
        *siguiente = std::string();
        actual = &siguiente->value();
    }
    *actual = resto;
    return campos;
}

const std::string& TextoUso() {
    static const std::string texto =
        "Kubrel - Shell Launcher\n"
        "Version 1.0\n"
        "Hands one operation on a file to the desktop shell.\n"
        "\n"
        "Error: No command line given.\n"
        "\n"
        "Usage: KUBREL.EXE Operation,File[,Params[,Dir]]\n"
        "\n"
        "- Operation is the operation to perform (open, print, or explore)\n"
        "- File is the file to run\n"
        "- Params is any command line arguements (optional)\n"
        "- Dir is the directory to execute the command in (optional)\n"
        "\n"
        "Example: \"Kubrel open,readme.doc\"";
    return texto;
}

}  // namespace kubrel
