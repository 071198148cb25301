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

// The parameters of the editor or the assembler from a template: a blank, the
// template's text before the first "<FILEASM>", the source file in double
// quotes (gFichASM, else the file the user picks; nothing when cancelled) and
// the text after the token. "" when the template holds no token. Any other
// text, "<FILEDSK>" and a second "<FILEASM>" included, is passed unchanged.
std::string ParametrosPlantilla(const std::string& plantilla, const std::string& ficheroASM,
                                const std::function<std::optional<std::string>()>& pedirFichero);

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
