// A text panel of the status bar: as wide as its text needs and at least its
// own width. A panel that may be shortened gives way when the bar is narrow,
// drawn with an ellipsis, while text() keeps the whole of it.
#pragma once

#include <QLabel>

class PanelEstado : public QLabel {
public:
    // recorte: where a shortened text loses its characters; Qt::ElideNone for
    // a panel that always shows its whole text.
    PanelEstado(const QString& texto, int ancho, Qt::TextElideMode recorte, QWidget* padre);

    // What the panel shows at its present width.
    QString TextoMostrado() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int Sangria() const;
    QRect RectanguloTexto() const;

    int ancho_;
    Qt::TextElideMode recorte_;
};
