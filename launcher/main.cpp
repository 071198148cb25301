// Kubrel: hands one operation on a file to the desktop shell, or shows its usage box.
#include <string>
#include <vector>

#include "CuadroUso.h"
#include "LineaKubrel.h"
#include "ShellKubrel.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> argumentos(argv + (argc > 0 ? 1 : 0), argv + argc);
        const std::string linea = kubrel::LineaOperacion(argumentos);
        if (linea.empty())
            kubrel::MostrarUso(argc > 0 ? argv[0] : nullptr);
        else
            kubrel::EjecutarShell(kubrel::DividirLinea(linea));
    } catch (...) {
        // Kubrel reports nothing of its own; the exit code is 0 whatever happened.
    }
    return 0;
}
