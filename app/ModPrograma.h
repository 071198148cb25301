// Start-up of the program and a helper to keep a window above the others.
#pragma once

class QWidget;
class frmMain;

// Keeps the window in its place and size, above the windows that are not kept
// above; a window already shown is shown again with the new flag.
void PonerVentanaEncima(QWidget* ventana);

// Splash, settings, program-wide objects, main window and tip of the day.
// Returns the main window (shown); the application lives as long as it.
frmMain* Main(int intervaloSplash = 4000);
