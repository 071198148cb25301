// The auxiliary-data window "Presentacion de Tablas de Datos": one program
// table as a list with a filter combo, a quick-search box, "Localizar" and
// "Cerrar". A top-level window the main window keeps above the others; its
// logic lives in LogicaAuxDatos and this widget mirrors it.
#pragma once

#include <QWidget>
#include <array>

#include "app/Vistas.h"
#include "views/LogicaAuxDatos.h"
#include "views/VistaGrid.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmAuxDatos : public QWidget, public IVistaAuxDatos {
    Q_OBJECT
public:
    explicit FrmAuxDatos(QWidget* padre = nullptr);
    ~FrmAuxDatos() override;

    QWidget* Widget() override { return this; }
    void TipoDatos(int16_t tipo) override;
    int16_t TipoDatos() const { return logica_.TipoDatos(); }
    void Inicializar() override;
    void Actualizar() override;
    // "Localizar": the cursor row's address in the memory or the listing window.
    void Localizar();

    LogicaAuxDatos& Logica() { return logica_; }
    VistaGrid* GridAuxDat() const { return grid_; }
    QComboBox* CmbAuxDat() const { return cmb_; }
    QLabel* PicAuxDat() const { return pic_; }
    QLabel* ImgAuxDat(int tipo) const { return img_[size_t(tipo - 1)]; }
    QLabel* LblAuxDat() const { return lbl_; }
    QLineEdit* TxtBusqueda() const { return txt_; }
    QPushButton* CmdAuxDat(int indice) const { return cmd_[size_t(indice)]; }
    // The 16 x 16 pictures of the filters and rows (1-14), the kinds' (1-5).
    static QIcon ImagenLista(int16_t n);
    static QPixmap ImagenTipo(int16_t tipo);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Mostrar();

    LogicaAuxDatos logica_;
    VistaGrid* grid_;
    QComboBox* cmb_;
    QLabel* pic_;
    std::array<QLabel*, 5> img_{};
    QLabel* lbl_;
    QLabel* lblBusqueda_;
    QLineEdit* txt_;
    std::array<QPushButton*, 2> cmd_{};
    uint32_t versionFiltros_ = ~0u;
};
