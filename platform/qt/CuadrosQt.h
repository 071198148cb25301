// Qt message boxes and input boxes for the box service of platform/Cuadros.h.
// The Help button opens help at the box's context and leaves the box open.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "platform/Cuadros.h"

class QDialogButtonBox;
class QLineEdit;

namespace plataforma::qt {

// A message box of the system: icon, text, OK or OK/Cancel, optional Help.
class DialogoCuadro : public QDialog {
    Q_OBJECT
public:
    DialogoCuadro(const Cuadro& cuadro, QWidget* padre);
    Respuesta Respuesta_() const { return respuesta_; }

private:
    Cuadro cuadro_;
    Respuesta respuesta_ = Respuesta::Cancelar;
};

// The input box: prompt, editable default, OK, Cancel and Help.
class DialogoEntrada : public QDialog {
    Q_OBJECT
public:
    DialogoEntrada(const CuadroEntrada& cuadro, QWidget* padre);
    std::string Texto() const;
    QLineEdit* Edicion() const { return edicion_; }

private:
    CuadroEntrada cuadro_;
    QLineEdit* edicion_;
};

// Shows the boxes over the active window of the application.
class CuadrosQt : public IServicioCuadros {
public:
    Respuesta MsgBox(const Cuadro& cuadro) override;
    std::optional<std::string> InputBox(const CuadroEntrada& cuadro) override;
};

}  // namespace plataforma::qt
