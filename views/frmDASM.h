// The listing window "Codigo Desensamblado": the view-type and section combos
// over the listing grid. Its logic lives in LogicaDASM; this widget mirrors it
// and passes the user's clicks, scrolls and resizes on.
#pragma once

#include <QWidget>

#include "app/Vistas.h"
#include "views/LogicaDASM.h"
#include "views/VistaGrid.h"

class QComboBox;
class QMdiSubWindow;

class frmDASM : public QWidget, public IVistaDASM {
    Q_OBJECT
public:
    explicit frmDASM(QWidget* padre = nullptr);

    // Public operations of the window (each shows its result at once).
    QWidget* Widget() override { return this; }
    void Refrescar() override;
    void AlternarPuntoRupt() override;
    void Inicializar() override;
    void QuitarPuntosRupt() override;
    void BuscarCelda(int32_t& direccion) override;
    int32_t PosMemAct() override;
    int32_t CodInstr() override;
    void SituarPC();
    // Load: the stored place and state applied to the MDI child, then the
    // "Fichero" view.
    void Cargar(QMdiSubWindow* marco) override;

    LogicaDASM& Logica() { return logica_; }
    QComboBox* CmbTipoDASM() const { return cmbTipo_; }
    QComboBox* CmbSecDASM() const { return cmbSec_; }
    VistaGrid* GridDASM() const { return grid_; }
    static QIcon ImagenEtapa(int16_t imagen);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Mostrar();
    QMdiSubWindow* Marco() const;

    LogicaDASM logica_;
    QComboBox* cmbTipo_;
    QComboBox* cmbSec_;
    VistaGrid* grid_;
    uint32_t versionCombos_ = ~0u;
};
