#include "platform/qt/DialogosComunesQt.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTranslator>

#include "platform/qt/ImpresoraQt.h"

namespace plataforma::qt {
namespace {

// The program-wide printer that the report prints on; a printer of this
// dialog's own while none is installed.
QPrinter* ImpresoraCompartida() {
    if (auto* q = dynamic_cast<ImpresoraQt*>(Impresora())) return &q->Printer();
    static QPrinter propia;
    return &propia;
}

}  // namespace

bool InstalarTextosEnEspanol() {
    static QTranslator traductor;
    if (!traductor.isEmpty()) return true;
    if (!traductor.load(QLocale(QLocale::Spanish, QLocale::Spain), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&traductor);
}

QString ConvertirFiltro(const std::string& filtroAntiguo) {
    const QStringList partes = QString::fromStdString(filtroAntiguo).split('|');
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        QString descripcion = partes[i].trimmed();
        QStringList patrones;
        for (const QString& p : partes[i + 1].split(';', Qt::SkipEmptyParts))
            patrones << (p.trimmed() == "*.*" ? QString("*") : p.trimmed());
        // The toolkit reads the patterns from the last parenthesis of the entry;
        // a description that already shows its pattern gets it replaced there.
        const qsizetype abre = descripcion.lastIndexOf('(');
        if (descripcion.endsWith(')') && abre >= 0) descripcion = descripcion.left(abre).trimmed();
        filtros << descripcion + " (" + patrones.join(' ') + ")";
    }
    return filtros.join(";;");
}

void PrepararDialogoAbrir(QFileDialog& dialogo, const DialogoAbrir& d) {
    dialogo.setWindowTitle(QString::fromStdString(d.titulo));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(d.debeExistir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogo.setNameFilters(ConvertirFiltro(d.filtro).split(";;"));
    if (!d.carpeta.empty()) dialogo.setDirectory(QString::fromStdString(d.carpeta));
    dialogo.setLabelText(QFileDialog::LookIn, "Buscar en:");
    dialogo.setLabelText(QFileDialog::FileName, "Nombre:");
    dialogo.setLabelText(QFileDialog::FileType, "Tipo:");
    dialogo.setLabelText(QFileDialog::Accept, "Abrir");
    dialogo.setLabelText(QFileDialog::Reject, "Cancelar");
}

std::optional<std::string> DialogosComunesQt::Abrir(QWidget* padre, const DialogoAbrir& d) {
    QFileDialog dialogo(padre);
    PrepararDialogoAbrir(dialogo, d);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return dialogo.selectedFiles().first().toStdString();
}

void DialogosComunesQt::ConfigurarImpresora(QWidget* padre) {
    QPrintDialog dialogo(ImpresoraCompartida(), padre);
    dialogo.setWindowTitle("Configurar Impresora");
    dialogo.exec();
}

}  // namespace plataforma::qt
