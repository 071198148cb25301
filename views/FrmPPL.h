// The pipeline window "Estructura Pipeline": the cycle-by-cycle history grid
// with its five buttons, and below it the fold-away detail panel of the
// tracked stage. Its logic lives in LogicaPPL and PanelDetalle; this widget
// mirrors them and passes the user's clicks, double-clicks and pointer on.
#pragma once

#include <QWidget>
#include <array>

#include "app/Vistas.h"
#include "views/LogicaPPL.h"
#include "views/VistaGrid.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QMdiSubWindow;
class QTabWidget;
class QToolButton;

class FrmPPL : public QWidget, public IVista {
    Q_OBJECT
public:
    explicit FrmPPL(QWidget* padre = nullptr);

    QWidget* Widget() override { return this; }
    int SubidaDesplegada() const override { return crecida_ ? subida_ : 0; }
    void Refrescar() override { Actualizar(); }
    void Inicializar() override;
    void ProgramaNuevo() override;
    void Actualizar();
    // Load: the stored place and state applied to the MDI child.
    void Cargar(QMdiSubWindow* marco) override;
    void UnitSeg(int16_t v);
    void CmdModoFrm_Click(int16_t indice);

    LogicaPPL& Logica() { return logica_; }
    VistaGrid* GridPPL() const { return grid_; }
    QToolButton* CmdModoFrm(int i) const { return botones_[size_t(i)]; }
    QGroupBox* FrmSeg() const { return frmSeg_; }
    QLabel* LblUnitPPL() const { return lblUnit_; }
    QLabel* Caja(PanelDetalle::Id id) const { return cajas_[size_t(id)]; }
    QCheckBox* ChkD() const { return chkD_; }
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Mostrar();
    void SincronizarGrid();
    void Disponer();
    void MostrarPanel();
    void CrearPanel();
    void Plegar(bool desplegar);
    QMdiSubWindow* Marco() const;

    LogicaPPL logica_;
    QTabWidget* tab_;
    VistaGrid* grid_;
    std::array<QToolButton*, 5> botones_{};
    QGroupBox* frmSeg_;
    QLabel* lblUnit_;
    QLabel* imgPPL_;
    std::array<QLabel*, PanelDetalle::kNumCajas> cajas_{};
    QCheckBox* chkD_;
    uint32_t versionPanel_ = ~0u;
    // How far unfolding moved the window up (it never goes above the area's
    // top), and whether the window grew for the panel.
    int subida_ = 0;
    bool crecida_ = false;
    // Least width of each grid column (pixels) and what the window is wider
    // than its design width, both from the faces in use.
    std::array<int, LogicaPPL::kColumnas> anchoMinimo_{};
    int masAncho_ = 0;
};
