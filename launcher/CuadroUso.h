// The usage box Kubrel shows when its command line is empty.
#pragma once

#include <QMessageBox>
#include <memory>

namespace kubrel {

// The box itself: caption, usage text as plain text, no icon, one OK button.
std::unique_ptr<QMessageBox> CrearCuadroUso();

// Shows the box and waits until it is closed; where there is no display to show it on, writes
// the usage text (and a closing line feed) to standard error instead.
void MostrarUso(const char* nombrePrograma);

}  // namespace kubrel
