#include "app/frmSplash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include "app/Imagenes.h"
#include "app/ModPrograma.h"
#include "data/Entorno.h"

frmSplash::frmSplash(QWidget* padre, int intervalo)
    : QDialog(padre, Qt::SplashScreen | Qt::FramelessWindowHint),
      imgFondo_(new QLabel(this)),
      lblVersion_(new QLabel("Versión 1.00", this)),
      tmrSplash_(new QTimer(this)) {
    setObjectName("frmSplash");
    setFixedSize(480, 220);
    // Load: the picture fills the window, the label shows the program's version.
    imgFondo_->setGeometry(0, 0, width(), height());
    imgFondo_->setPixmap(ImagenSplash(size()));
    lblVersion_->setObjectName("lblVersion");
    lblVersion_->setText("Version " + QString::number(kVersionMayor) + "." + QString::number(kVersionMenor));
    lblVersion_->setStyleSheet("color: white;");
    lblVersion_->setGeometry(172, 170, 290, 24);
    tmrSplash_->setSingleShot(true);
    tmrSplash_->setInterval(intervalo);
    connect(tmrSplash_, &QTimer::timeout, this, &QDialog::accept);
    if (tmrSplash_->interval() >= 1) tmrSplash_->start();
    PonerVentanaEncima(this);
}
