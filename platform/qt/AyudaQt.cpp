#include "platform/qt/AyudaQt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/Cuadros.h"

namespace plataforma::qt {

std::string RutaAyuda(const std::string& fichero) {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromStdString(fichero))
        .toStdString();
}

std::string TextoAyudaNoIniciada(const std::string& fichero) {
    return "No ha sido posible iniciar el visor de la Ayuda: no se encuentra el fichero de ayuda <" +
           fichero + ">.";
}

bool AyudaDisponible(const std::string& fichero) {
    return !fichero.empty() && QFileInfo(QString::fromStdString(RutaAyuda(fichero))).isFile();
}

bool AbrirAyuda(QWidget*, const std::string& fichero, int) {
    // The help file has no contexts we could jump to; the whole file is opened.
    if (AyudaDisponible(fichero) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(RutaAyuda(fichero)))))
        return true;
    Cuadro c;
    c.titulo = "Ayuda";
    c.texto = TextoAyudaNoIniciada(fichero);
    c.icono = Icono::Exclamacion;
    Cuadros().MsgBox(c);
    return false;
}

}  // namespace plataforma::qt
