#include "app/ModPrograma.h"

#include <QWidget>

#include "app/LogicaPrincipal.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/frmTip.h"
#include "data/DatosPrograma.h"
#include "platform/Ajustes.h"

void PonerVentanaEncima(QWidget* ventana) {
    if (!ventana || (ventana->windowFlags() & Qt::WindowStaysOnTopHint)) return;
    const bool visible = ventana->isVisible();
    ventana->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) ventana->show();
}

void PonerVentanaEncimaDe(QWidget* ventana, QWidget* duena) {
    if (!ventana || !duena || ventana->parentWidget() == duena) return;
    const bool visible = ventana->isVisible();
    ventana->setParent(duena, (ventana->windowFlags() & ~(Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)) | Qt::Tool);
    if (visible) ventana->show();
}

frmMain* Main(int intervaloSplash) {
    {
        frmSplash splash(nullptr, intervaloSplash);
        splash.exec();
    }
    LeerOpciones();
    CrearObjetosPrograma();
    auto* ventana = new frmMain;
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    const std::string mostrar =
        plataforma::Ajustes().Leer(plataforma::kAplicacion, "Opciones", "Show Tips at Startup", "True");
    if (TextoABool(mostrar, true)) {
        frmTip tip(ventana);
        tip.exec();
    }
    return ventana;
}
