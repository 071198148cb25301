// The modal dialog "Establecer Marca de Ruptura ..." that defines one watch
// mark on the word at PosMemAct. Its values live in LogicaMarcasRupt for the
// whole run; each dialog object is one opening and runs the load steps.
#pragma once

#include <QDialog>
#include <array>

#include "views/LogicaMarcasRupt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class FrmMarcasRupt : public QDialog {
    Q_OBJECT
public:
    explicit FrmMarcasRupt(QWidget* padre = nullptr);
    ~FrmMarcasRupt() override;

    // Sets the watched address and shows the dialog modally.
    static void Mostrar(int32_t direccion, QWidget* padre);

    QComboBox* CmbTipoDatos() const { return cmbTipoDatos_; }
    QPushButton* CmdComando(int i) const { return cmd_[size_t(i)]; }
    QLineEdit* TxtOperando() const { return txtOperando_; }
    QLineEdit* TxtIdentificador() const { return txtIdentificador_; }
    QRadioButton* OptTipo(int i) const { return optTipo_[size_t(i)]; }
    QRadioButton* OptComp(int i) const { return optComp_[size_t(i)]; }
    QLabel* LblInfo(int i) const { return lblInfo_[size_t(i)]; }

    void reject() override;   // "Cancelar", Escape and the close box

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;   // the close box

private:
    void Mostrar();
    void Aceptar();
    bool HaciaBoton(const QEvent* e) const;

    LogicaMarcasRupt& logica_;
    QComboBox* cmbTipoDatos_;
    std::array<QPushButton*, 2> cmd_{};
    QLineEdit* txtOperando_;
    QLineEdit* txtIdentificador_;
    std::array<QRadioButton*, 2> optTipo_{};
    std::array<QRadioButton*, LogicaMarcasRupt::kNumComp> optComp_{};
    std::array<QLabel*, 2> lblInfo_{};
    bool cerrado_ = false;
    // The box that another window took the focus from, until it has it back.
    QLineEdit* dejada_ = nullptr;
};
