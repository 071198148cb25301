// Customisation dialog of the toolbar: the buttons available and the ones shown,
// with add, remove, move up, move down and reset to the design layout.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

class DlgPersonalizarBarra : public QDialog {
    Q_OBJECT
public:
    DlgPersonalizarBarra(const std::vector<std::string>& disposicion, QWidget* padre);
    std::vector<std::string> Disposicion() const;

    void Anadir();
    void Quitar();
    void Subir();
    void Bajar();
    void Restablecer();
    QListWidget* Disponibles() const { return disponibles_; }
    QListWidget* Mostrados() const { return mostrados_; }

private:
    void Cargar(const std::vector<std::string>& disposicion);
    QListWidget* disponibles_;
    QListWidget* mostrados_;
};
