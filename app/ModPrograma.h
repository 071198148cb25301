// Start-up of the program and a helper to keep a window above the others.
#pragma once

class QWidget;
class frmMain;

// Keeps the window in its place and size, above the windows that are not kept
// above; a window already shown is shown again with the new flag.
void PonerVentanaEncima(QWidget* ventana);

// Makes the window a tool window of the owner: kept above the owner's windows
// (not above other programs) and closed with it; place and size are kept.
void PonerVentanaEncimaDe(QWidget* ventana, QWidget* duena);

// Splash, settings, program-wide objects, main window and tip of the day.
// Returns the main window (shown); the application lives as long as it.
frmMain* Main(int intervaloSplash = 4000);
