// Placeholder entry point until the main window is built: shows what there is.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, "Tarvix",
        "Tarvix: la ventana principal aún no está construida.\n"
        "Use tarvix-batch para ejecutar un listado.");
    return 0;
}
