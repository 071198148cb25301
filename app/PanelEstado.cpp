#include "app/PanelEstado.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

PanelEstado::PanelEstado(const QString& texto, int ancho, Qt::TextElideMode recorte, QWidget* padre)
    : QLabel(texto, padre), ancho_(ancho), recorte_(recorte) {}

// The indent a framed label puts before its text: half an "x" unless one is set.
int PanelEstado::Sangria() const {
    return indent() >= 0 ? indent() : (frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0);
}

// The text's place as a label lays it out: inside the frame, after the margin and the indent.
QRect PanelEstado::RectanguloTexto() const {
    return contentsRect().adjusted(margin() + Sangria(), margin(), -margin(), -margin());
}

QString PanelEstado::TextoMostrado() const {
    if (recorte_ == Qt::ElideNone) return text();
    return fontMetrics().elidedText(text(), recorte_, RectanguloTexto().width());
}

QSize PanelEstado::sizeHint() const {
    const QSize s = QLabel::sizeHint();
    return {std::max(s.width(), ancho_), s.height()};
}

// A panel that may be shortened goes down to its frame and an ellipsis.
QSize PanelEstado::minimumSizeHint() const {
    if (recorte_ == Qt::ElideNone) return sizeHint();
    const int bordes = width() - contentsRect().width() + 2 * margin() + Sangria();
    const int ancho = bordes + fontMetrics().horizontalAdvance(QStringLiteral("\u2026"));
    return {std::min(ancho, QLabel::sizeHint().width()), QLabel::minimumSizeHint().height()};
}

void PanelEstado::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemText(&p, RectanguloTexto(), int(alignment()), palette(), isEnabled(), TextoMostrado(),
                          foregroundRole());
}
