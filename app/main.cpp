// Tarvix: the windowed simulator and debugger of the TMS320C3x.
#include <QApplication>
#include <memory>

#include "app/ModPrograma.h"
#include "data/Entorno.h"
#include "platform/Ajustes.h"
#include "platform/Cuadros.h"
#include "platform/Impresora.h"
#include "platform/qt/AjustesQt.h"
#include "platform/qt/CuadrosQt.h"
#include "platform/qt/DialogosComunesQt.h"
#include "platform/qt/ImpresoraQt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(plataforma::kAplicacion);
    QApplication::setApplicationVersion(QString("%1.%2").arg(kVersionMayor).arg(kVersionMenor));
    plataforma::qt::InstalarTextosEnEspanol();
    plataforma::qt::CuadrosQt cuadros;
    plataforma::EstablecerCuadros(&cuadros);
    plataforma::AjustesQt ajustes;
    plataforma::EstablecerAjustes(&ajustes);
    plataforma::ImpresoraQt impresora;
    plataforma::EstablecerImpresora(&impresora);
    Main();
    const int r = app.exec();
    plataforma::EstablecerImpresora(nullptr);
    plataforma::EstablecerAjustes(nullptr);
    plataforma::EstablecerCuadros(nullptr);
    return r;
}
