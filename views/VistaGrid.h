// A QTableView over an EstadoGrid: the model hands out only the cells the view
// asks for (the visible ones), rows have one fixed height, and Sincronizar
// passes the state's changes on as a reset, a changed row range or a new
// position. What the user does (scroll, click, right button) comes back as
// signals after the state was updated.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTableView>
#include <string>
#include <unordered_map>
#include <vector>

#include "views/EstadoGrid.h"

class ModeloGrid final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloGrid(EstadoGrid& estado, QObject* padre = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    // Pictures by number, 1 first (the grid's image list).
    void Imagenes(std::vector<QIcon> imagenes) { imagenes_ = std::move(imagenes); }
    void Aplicar(const EstadoGrid::Cambios& cambios);

private:
    EstadoGrid& estado_;
    std::vector<QIcon> imagenes_;
};

class VistaGrid final : public QTableView {
    Q_OBJECT
public:
    explicit VistaGrid(EstadoGrid& estado, QWidget* padre = nullptr);

    ModeloGrid& Modelo() { return modelo_; }
    // Shows what changed in the state since the last call.
    void Sincronizar();
    // Widens each shown column that is narrower than its header's text needs
    // in the face in use (the state's widths were laid down for a smaller one).
    void AnchoDeCabeceras();
    // Widens a shown column that is narrower than its widest cell text needs,
    // measured in the face and by the painter the cells are drawn with.
    void AnchoDeContenido(int col);
    static int Pixeles(int twips) { return twips / 15; }

signals:
    void Desplazado();               // the user scrolled: the state's top row moved
    void Pulsado();                  // left click on a cell (the current cell is updated)
    void ActualCambiado();           // the user moved the current cell (mouse or keys)
    void BotonDerechoSoltado(QPoint global);
    void Redimensionado();           // the number of visible rows was recomputed

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void currentChanged(const QModelIndex& actual, const QModelIndex& previo) override;

private:
    void CalcularFilasVisibles();
    void AjustarAltoFila();
    void AlDesplazar(int valor);
    void SeleccionCambiada();
    int AnchoTexto(const std::string& texto, uint8_t atributos);

    EstadoGrid& estado_;
    ModeloGrid modelo_;
    bool sincronizando_ = false;
    std::unordered_map<std::string, int> anchosTexto_;
};
