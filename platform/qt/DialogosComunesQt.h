// The common dialogs of the main window: open a file, set up the printer.
// Windows use them through IDialogosComunes so tests can answer for the user.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace plataforma::qt {

struct DialogoAbrir {
    std::string titulo;
    std::string filtro;          // old form: "Descripción|patrón|Descripción|patrón"
    bool debeExistir = false;    // the dialog itself refuses names of missing files
    std::string carpeta;         // the folder it starts in ("" the toolkit's choice)
};

// Installs the toolkit's own Spanish texts (its dialogs' labels, buttons and
// menus, the names of keys in shortcuts); false when they are not installed.
bool InstalarTextosEnEspanol();

// Sets up an open dialog: title, filters, whether the file must exist, the
// folder it starts in, and the Spanish texts of its labels and buttons.
void PrepararDialogoAbrir(QFileDialog& dialogo, const DialogoAbrir& d);

class IDialogosComunes {
public:
    virtual ~IDialogosComunes() = default;
    // The chosen path, or std::nullopt when the user cancelled.
    virtual std::optional<std::string> Abrir(QWidget* padre, const DialogoAbrir& d) = 0;
    // The printer set-up dialog on the program-wide printer; nothing is read back.
    virtual void ConfigurarImpresora(QWidget* padre) = 0;
};

// The toolkit's filter string for an old one: pairs of description and pattern
// separated by "|" become "Descripción (patrones)" joined by ";;". Patterns
// separated by ";" are kept as a blank-separated list, and "*.*" becomes "*" so
// that files without an extension are listed too.
QString ConvertirFiltro(const std::string& filtroAntiguo);

class DialogosComunesQt : public IDialogosComunes {
public:
    std::optional<std::string> Abrir(QWidget* padre, const DialogoAbrir& d) override;
    void ConfigurarImpresora(QWidget* padre) override;
};

}  // namespace plataforma::qt
