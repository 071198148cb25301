// The register window "Registros DSP": 29 register boxes with their format
// buttons, the clear and reset buttons, and the fold-out area of the four bit
// panels. Its logic lives in LogicaRegistros; this widget mirrors it.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <vector>

#include "app/Vistas.h"
#include "views/LogicaRegistros.h"

class QCheckBox;
class QFrame;
class QMdiSubWindow;
class QPushButton;
class QToolButton;
class FrmRegistros;

// A register box: reports focus, Enter and Escape to the window.
class CajaRegistro final : public QLineEdit {
    Q_OBJECT
public:
    CajaRegistro(FrmRegistros& ventana, LogicaRegistros::Arreglo a, int i, QWidget* padre);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmRegistros& ventana_;
    LogicaRegistros::Arreglo arreglo_;
    int indice_;
};

class FrmRegistros : public QWidget, public IVista {
    Q_OBJECT
public:
    explicit FrmRegistros(QWidget* padre = nullptr);

    QWidget* Widget() override { return this; }
    void Refrescar() override;   // RefrescarTxtReg, then PresMod
    void Inicializar() override { Refrescar(); }
    void PresMod();
    void Cargar(QMdiSubWindow* marco) override;

    LogicaRegistros& Logica() { return logica_; }
    CajaRegistro* Caja(LogicaRegistros::Arreglo a, int i) const { return cajas_[a][size_t(i)]; }
    QPushButton* BotonFormato(LogicaRegistros::Arreglo a, int i) const { return botones_[a][size_t(i)]; }
    QCheckBox* Casilla(LogicaRegistros::PanelBIT p, int bit) const { return casillas_[p][size_t(bit)]; }
    QFrame* PicRegBIT(int i) const { return paneles_[size_t(i)]; }
    QPushButton* CmdViewBIT(int i) const { return verBIT_[size_t(i)]; }
    QToolButton* CmdLimpiar() const { return limpiar_; }
    QToolButton* CmdResetReg() const { return reset_; }
    QToolButton* CmdMasInfo(int i) const { return masInfo_[size_t(i)]; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    friend class CajaRegistro;
    void Mostrar();
    void ColocarPaneles();
    void CambiarAltura();
    int AltoMarco(const QMdiSubWindow& marco) const;
    void CrearPanel(int i);
    void Entrar(LogicaRegistros::Arreglo a, int i);
    bool EnEdicion(LogicaRegistros::Arreglo a, int i) const { return edicionArreglo_ == a && edicionIndice_ == i; }
    void Salir(LogicaRegistros::Arreglo a, int i);
    bool Tecla(LogicaRegistros::Arreglo a, int i, int tecla);
    QMdiSubWindow* Marco() const;

    LogicaRegistros logica_;
    std::array<std::array<CajaRegistro*, 17>, 3> cajas_{};
    std::array<std::array<QPushButton*, 17>, 3> botones_{};
    std::array<std::array<QCheckBox*, 32>, 4> casillas_{};
    std::array<QFrame*, 4> paneles_{};
    std::array<QPushButton*, 4> verBIT_{};
    QToolButton* limpiar_ = nullptr;
    QToolButton* reset_ = nullptr;
    std::array<QToolButton*, 2> masInfo_{};
    bool enSalida_ = false;
    // The box entered and not yet left.
    int edicionArreglo_ = -1, edicionIndice_ = -1;
};
