// The program's own pictures, drawn at run time: toolbar icons, the sixteen
// frames of the run animation and the splash picture.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

class QStyle;

QIcon IconoBoton(const std::string& clave, QStyle* estilo);
// Frame 1..16: four frames per group starting at 1 (stopped and normal run),
// 5 (run to the cursor), 9 (step over) and 13 (timed run).
QPixmap ImagenAnimacion(int numero);
QPixmap ImagenSplash(const QSize& tamano);
