#include "CuadroUso.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "LineaKubrel.h"

namespace kubrel {

namespace {

void EscribirUsoEnError() {
    std::fputs(TextoUso().c_str(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// Installed while the application object is made: Qt's complaints about the display are kept
// quiet, and a fatal one (no display could be opened) turns into the text on standard error.
void SinPantalla(QtMsgType tipo, const QMessageLogContext&, const QString&) {
    if (tipo == QtFatalMsg) {
        EscribirUsoEnError();
        std::_Exit(0);
    }
}

}  // namespace

std::unique_ptr<QMessageBox> CrearCuadroUso() {
    auto cuadro = std::make_unique<QMessageBox>();
    cuadro->setWindowTitle(QString::fromUtf8(TituloUso));
    cuadro->setTextFormat(Qt::PlainText);
    cuadro->setText(QString::fromUtf8(TextoUso()));
    cuadro->setIcon(QMessageBox::NoIcon);
    cuadro->setStandardButtons(QMessageBox::Ok);
    return cuadro;
}

void MostrarUso(const char* nombrePrograma) {
    int argc = 1;
    char nombre[] = "kubrel";
    char* argv[] = {nombrePrograma ? const_cast<char*>(nombrePrograma) : nombre, nullptr};
    const QtMessageHandler anterior = qInstallMessageHandler(SinPantalla);
    QApplication aplicacion(argc, argv);
    qInstallMessageHandler(anterior);
    const QString plataforma = QGuiApplication::platformName();
    if (plataforma == "offscreen" || plataforma == "minimal") {
        EscribirUsoEnError();
        return;
    }
    CrearCuadroUso()->exec();
}

}  // namespace kubrel
