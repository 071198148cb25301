// The Tools menu's outside programs (editor, assembler, calculator, DSK board
// program) and the Help menu's help commands. A program is started detached,
// by its path and an argument list, never through a shell; the window mode
// the desktop gives it is the desktop's own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class frmMain;

namespace herramientas {

inline constexpr const char* kFichASM = "<FILEASM>";
inline constexpr const char* kFichDSK = "<FILEDSK>";

// The file a template token stands for: the loaded one, else the one the user
// picks when asked (nothing when cancelled or not asked).
struct FicheroToken {
    std::string cargado;
    std::function<std::optional<std::string>()> pedir;
};

// The parameters of a template, as the program gets them and as a box shows them.
struct Parametros {
    std::vector<std::string> argumentos;
    // A blank, then the template with each replaced token as its file in double
    // quotes; "" when the template holds no token.
    std::string texto;
};

// The parameters of the editor or the assembler from a template. The template
// is split into arguments first (DividirArgumentos); then, inside them, the
// first "<FILEASM>" becomes the source file and the first "<FILEDSK>" the
// listing, each a part of its argument as it is, never split or searched
// again. An argument that was a token alone and got no file is dropped. No
// arguments when the template holds neither token; any other text, a second
// token included, is passed unchanged.
Parametros ParametrosPlantilla(const std::string& plantilla, const FicheroToken& fuente,
                               const FicheroToken& listado);

// A parameter text split into arguments: blanks and tabs separate them, a
// pair of double quotes groups blanks into one argument and is dropped ("" is
// an empty argument). An unclosed quote runs to the end.
std::vector<std::string> DividirArgumentos(const std::string& parametros);

// Starts the program without waiting; false when it could not be started
// (empty or missing path, not executable).
bool IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos);

// Tools menu commands.
void mnuToolsEdit_Click(frmMain& f);
void mnuToolsComp_Click(frmMain& f);
void mnuToolsCalc_Click(frmMain& f);
void mnuToolsModulo_Click(frmMain& f);

// Help menu commands. The help file named "" means the program has no help.
void CargaAyuda(frmMain& f, const std::string& ficheroAyuda);
void mnuHelpContents_Click(frmMain& f, const std::string& ficheroAyuda);
// Context help and help search: F1 as if the user pressed it.
void mnuHelpContex_Click(frmMain& f, const std::string& ficheroAyuda);

}  // namespace herramientas
