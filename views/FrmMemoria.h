// The memory window "Volcado de Memoria": the format and region lists, the
// grid of words and its status bar. Its logic lives in LogicaMemoria; this
// widget mirrors it and passes the user's clicks, scrolls and resizes on.
#pragma once

#include <QWidget>
#include <array>

#include "app/Vistas.h"
#include "views/LogicaMemoria.h"
#include "views/VistaGrid.h"

class QComboBox;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QStatusBar;

class FrmMemoria : public QWidget, public IVistaMemoria {
    Q_OBJECT
public:
    explicit FrmMemoria(QWidget* padre = nullptr);

    QWidget* Widget() override { return this; }
    // The main window's refresh redraws the visible cells; its
    // re-initialisation rebuilds the grid.
    void Refrescar() override { RefrescarCuadro(); }
    void Inicializar() override { Reconstruir(); }
    void Cargar(QMdiSubWindow* marco) override;

    // Public members of the window.
    void RefrescarCuadro();
    void EditarCelda() override;
    void BuscarCelda(int32_t& direccion) override;
    void MostrarCelda(int32_t direccion) override;
    void EstablecerIdentificador() override;
    void AlternarMarca() override;
    void QuitarMarcas() override;
    void Reconstruir();   // the window's own Refrescar: places and rebuilds the grid
    void Cortar() override;
    void Copiar() override;
    void Pegar() override;

    LogicaMemoria& Logica() { return logica_; }
    QComboBox* CmbTipoDatos() const { return cmbTipoDatos_; }
    QComboBox* CmbMemoria() const { return cmbMemoria_; }
    QFrame* ShpMemoria() const { return shpMemoria_; }
    VistaGrid* GridMemoria() const { return grid_; }
    QStatusBar* StatusBarMemoria() const { return barra_; }
    QLabel* Panel(int i) const { return paneles_[size_t(i - 1)]; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Mostrar();
    void MostrarPaneles();
    void Colocar();
    void ColocarListas();
    int AnchoFila(int tipo, int regiones) const;
    void PanelPulsado(int panel);
    QMdiSubWindow* Marco() const;

    LogicaMemoria logica_;
    QLabel* lblTipo_;
    QComboBox* cmbTipoDatos_;
    QLabel* lblMemoria_;
    QComboBox* cmbMemoria_;
    QFrame* shpMemoria_;
    VistaGrid* grid_;
    QStatusBar* barra_;
    std::array<QLabel*, 7> paneles_{};
    uint32_t versionListas_ = ~0u;
    bool reconstruyendo_ = false;
};
