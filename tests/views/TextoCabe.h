// Whether a text is drawn whole where a grid shows it: in a header section
// (inside the style's header margins) or in a cell (inside the item painter's
// text rectangle, in the cell's own font).
#pragma once

#include <QHeaderView>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace textocabe {

inline bool EnCabecera(const QTableView* g, int col, const QString& texto) {
    const QHeaderView* h = g->horizontalHeader();
    const int margen = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    const int sitio = h->sectionSize(col) - 2 * margen;
    return h->fontMetrics().horizontalAdvance(texto) <= sitio;
}

inline bool EnCelda(const QTableView* g, const QModelIndex& celda, const QString& texto) {
    QStyleOptionViewItem op;
    op.initFrom(g->viewport());
    op.rect = g->visualRect(celda);
    // A cell's own font attributes over the grid's face, as the delegate draws it.
    op.font = g->model()->data(celda, Qt::FontRole).value<QFont>().resolve(g->font());
    op.fontMetrics = QFontMetrics(op.font);
    op.text = texto;
    op.features = QStyleOptionViewItem::HasDisplay;
    // The item painter keeps the focus frame's margin and one pixel clear on each side.
    const int margen = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &op, g) + 1;
    const int ancho = g->style()->subElementRect(QStyle::SE_ItemViewItemText, &op, g).width() - 2 * margen;
    return op.fontMetrics.elidedText(op.text, Qt::ElideRight, ancho) == op.text;
}

}  // namespace textocabe
