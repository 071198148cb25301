#include "views/VistaGrid.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// &HBBGGRR, or with the top bit set one of the system colours by number.
QColor ColorBGR(uint32_t bgr) {
    if (bgr & 0x80000000u) {
        const QPalette p = QGuiApplication::palette();
        switch (bgr & 0xFFu) {
        case 0x05: return p.color(QPalette::Base);
        case 0x08: return p.color(QPalette::Text);
        case 0x0F: return p.color(QPalette::Button);
        case 0x17: return p.color(QPalette::ToolTipText);
        case 0x18: return p.color(QPalette::ToolTipBase);
        default: return p.color(QPalette::Window);
        }
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QVariant Fuente(uint8_t atributos) {
    if (!atributos) return {};
    QFont f;
    if (atributos & EstadoGrid::kNegrita) f.setBold(true);
    if (atributos & EstadoGrid::kCursiva) f.setItalic(true);
    if (atributos & EstadoGrid::kSubrayado) f.setUnderline(true);
    if (atributos & EstadoGrid::kTachado) f.setStrikeOut(true);
    return f;
}

Qt::Alignment Alinear(Alineacion a) {
    switch (a) {
    case Alineacion::Centro: return Qt::AlignCenter;
    case Alineacion::Derecha: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// As in the old flexible grid, the current cell is not painted as selected:
// it keeps its own colours (the program counter's yellow row stays yellow)
// and only the rest of a selected range is highlighted.
class DelegadoGrid final : public QStyledItemDelegate {
public:
    explicit DelegadoGrid(QTableView* vista) : QStyledItemDelegate(vista), vista_(vista) {}

protected:
    void initStyleOption(QStyleOptionViewItem* opcion, const QModelIndex& indice) const override {
        QStyledItemDelegate::initStyleOption(opcion, indice);
        if (indice != vista_->currentIndex()) return;
        opcion->state &= ~QStyle::State_Selected;
        // The view has already filled the cell with the highlight.
        if (opcion->backgroundBrush.style() == Qt::NoBrush) opcion->backgroundBrush = opcion->palette.base();
    }

private:
    QTableView* vista_;
};

}  // namespace

ModeloGrid::ModeloGrid(EstadoGrid& estado, QObject* padre) : QAbstractTableModel(padre), estado_(estado) {}

int ModeloGrid::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : estado_.Filas() - estado_.FilasFijas();
}

int ModeloGrid::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : estado_.Columnas() - estado_.ColumnasFijas();
}

QVariant ModeloGrid::data(const QModelIndex& indice, int rol) const {
    const int32_t f = indice.row() + estado_.FilasFijas(), c = indice.column() + estado_.ColumnasFijas();
    switch (rol) {
    case Qt::DisplayRole: return QString::fromStdString(estado_.Texto(f, c));
    case Qt::BackgroundRole: {
        const uint32_t col = estado_.ColorFondo(f, c);
        return col == EstadoGrid::kColorDefecto ? QVariant() : QVariant(ColorBGR(col));
    }
    case Qt::ForegroundRole: {
        const uint32_t col = estado_.ColorTexto(f, c);
        return col == EstadoGrid::kColorDefecto ? QVariant() : QVariant(ColorBGR(col));
    }
    case Qt::DecorationRole: {
        const int16_t img = estado_.Imagen(f, c);
        return img >= 1 && size_t(img) <= imagenes_.size() ? QVariant(imagenes_[size_t(img - 1)]) : QVariant();
    }
    case Qt::TextAlignmentRole: return QVariant::fromValue(Alinear(estado_.AlineacionColumna(c)));
    case Qt::FontRole: return Fuente(estado_.Atributos(f, c));
    default: return {};
    }
}

QVariant ModeloGrid::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    // The header row is the horizontal header, the fixed column the vertical one.
    int32_t f = 0, c = seccion + estado_.ColumnasFijas();
    if (orientacion == Qt::Vertical) {
        if (estado_.ColumnasFijas() == 0) return {};
        f = seccion + estado_.FilasFijas();
        c = 0;
    } else if (estado_.FilasFijas() == 0) {
        return {};
    }
    if (rol == Qt::DisplayRole) return QString::fromStdString(estado_.Texto(f, c));
    if (rol == Qt::TextAlignmentRole) return QVariant::fromValue(Alinear(estado_.AlineacionColumna(c)));
    return {};
}

void ModeloGrid::Aplicar(const EstadoGrid::Cambios& cambios) {
    if (cambios.estructura) {
        beginResetModel();
        endResetModel();
        return;
    }
    if (cambios.filaMin < 0) return;
    if (cambios.filaMin == 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    const int desde = std::max(cambios.filaMin, estado_.FilasFijas()) - estado_.FilasFijas();
    const int hasta = cambios.filaMax - estado_.FilasFijas();
    if (hasta < desde) return;
    emit dataChanged(index(desde, 0), index(hasta, columnCount() - 1));
    if (estado_.ColumnasFijas() > 0) emit headerDataChanged(Qt::Vertical, desde, hasta);
}

VistaGrid::VistaGrid(EstadoGrid& estado, QWidget* padre)
    : QTableView(padre), estado_(estado), modelo_(estado, this) {
    setModel(&modelo_);
    setItemDelegate(new DelegadoGrid(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    AjustarAltoFila();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &VistaGrid::AlDesplazar);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &VistaGrid::SeleccionCambiada);
}

void VistaGrid::Sincronizar() {
    const EstadoGrid::Cambios cambios = estado_.TomarCambios();
    sincronizando_ = true;
    // The state's top row is the one shown: a current cell set by code does not scroll.
    const bool desplazarAlActual = hasAutoScroll();
    setAutoScroll(false);
    modelo_.Aplicar(cambios);
    const int colsFijas = estado_.ColumnasFijas();
    if (cambios.estructura) {
        horizontalHeader()->setVisible(estado_.FilasFijas() > 0);
        verticalHeader()->setVisible(colsFijas > 0);
        if (colsFijas > 0) verticalHeader()->setFixedWidth(Pixeles(estado_.AnchoColumna(0)));
        for (int c = colsFijas; c < estado_.Columnas(); ++c)
            setColumnWidth(c - colsFijas, Pixeles(estado_.AnchoColumna(c)));
        // The scroll range follows the new rows now, so the top row asked for can be reached.
        updateGeometries();
    }
    if (cambios.estructura || cambios.posicion) {
        const int fijas = estado_.FilasFijas();
        verticalScrollBar()->setValue(estado_.FilaSuperior() - fijas);
        const QModelIndex actual = modelo_.index(estado_.Fila() - fijas, estado_.Columna() - colsFijas);
        const QModelIndex lejano = modelo_.index(estado_.FilaSel() - fijas, estado_.ColSel() - colsFijas);
        if (actual.isValid()) {
            selectionModel()->setCurrentIndex(actual, QItemSelectionModel::NoUpdate);
            selectionModel()->select(QItemSelection(actual, lejano.isValid() ? lejano : actual),
                                     QItemSelectionModel::ClearAndSelect);
        } else {
            selectionModel()->clear();
        }
    }
    setAutoScroll(desplazarAlActual);
    sincronizando_ = false;
    // The toolkit may not scroll as far as asked (the end of the list): the
    // state follows what is on screen and the rows there get filled.
    const int32_t arriba = verticalScrollBar()->value() + estado_.FilasFijas();
    if (arriba != estado_.FilaSuperior()) {
        estado_.FilaSuperior(arriba);
        emit Desplazado();
    }
}

void VistaGrid::AnchoDeCabeceras() {
    for (int c = 0; c < modelo_.columnCount(); ++c) {
        if (isColumnHidden(c)) continue;
        const int cabecera = horizontalHeader()->sectionSizeHint(c);
        if (columnWidth(c) < cabecera) setColumnWidth(c, cabecera);
    }
}

void VistaGrid::AnchoDeContenido(int col) {
    if (col < 0 || col >= modelo_.columnCount() || isColumnHidden(col)) return;
    const int32_t c = col + estado_.ColumnasFijas();
    int32_t ancha = -1;
    int mayor = -1;
    for (int32_t f = estado_.FilasFijas(); f < estado_.Filas(); ++f) {
        const int ancho = AnchoTexto(estado_.Texto(f, c), estado_.Atributos(f, c));
        if (ancho > mayor) {
            mayor = ancho;
            ancha = f;
        }
    }
    if (ancha < 0) return;
    // The cell's own size hint, with the grid line a column also holds.
    const QModelIndex celda = modelo_.index(ancha - estado_.FilasFijas(), col);
    QStyleOptionViewItem opcion;
    initViewItemOption(&opcion);
    const int necesita = itemDelegateForIndex(celda)->sizeHint(opcion, celda).width() + (showGrid() ? 1 : 0);
    if (columnWidth(col) < necesita) setColumnWidth(col, necesita);
}

// Texts in the grid's own face are measured once: a table refilled with the
// same entries (after every step) costs a look-up a cell.
int VistaGrid::AnchoTexto(const std::string& texto, uint8_t atributos) {
    if (atributos)
        return QFontMetrics(Fuente(atributos).value<QFont>().resolve(font())).horizontalAdvance(
            QString::fromStdString(texto));
    if (const auto i = anchosTexto_.find(texto); i != anchosTexto_.end()) return i->second;
    if (anchosTexto_.size() >= 100000) anchosTexto_.clear();
    const int ancho = fontMetrics().horizontalAdvance(QString::fromStdString(texto));
    anchosTexto_.emplace(texto, ancho);
    return ancho;
}

void VistaGrid::CalcularFilasVisibles() {
    const int alto = std::max(1, verticalHeader()->defaultSectionSize());
    estado_.FilasVisibles(std::max(1, viewport()->height() / alto));
}

// One fixed row height, from the grid's font.
void VistaGrid::AjustarAltoFila() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    CalcularFilasVisibles();
}

void VistaGrid::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        anchosTexto_.clear();
        AjustarAltoFila();
        emit Redimensionado();
    }
}

void VistaGrid::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    CalcularFilasVisibles();
    emit Redimensionado();
}

void VistaGrid::AlDesplazar(int valor) {
    if (sincronizando_) return;
    estado_.FilaSuperior(valor + estado_.FilasFijas());
    emit Desplazado();
}

void VistaGrid::currentChanged(const QModelIndex& actual, const QModelIndex& previo) {
    QTableView::currentChanged(actual, previo);
    if (sincronizando_ || !actual.isValid()) return;
    estado_.Fila(actual.row() + estado_.FilasFijas());
    estado_.Columna(actual.column() + estado_.ColumnasFijas());
    // A drag moves the current cell after it selected: keep its far corner.
    SeleccionCambiada();
    emit ActualCambiado();
}

void VistaGrid::SeleccionCambiada() {
    if (sincronizando_) return;
    const QModelIndexList sel = selectionModel()->selectedIndexes();
    if (sel.isEmpty()) return;
    // The far corner is the selected cell farthest from the current cell.
    const QModelIndex actual = currentIndex();
    QModelIndex lejano = actual;
    int mejor = -1;
    for (const QModelIndex& i : sel) {
        const int d = std::abs(i.row() - actual.row()) + std::abs(i.column() - actual.column());
        if (d > mejor) { mejor = d; lejano = i; }
    }
    if (lejano.isValid())
        estado_.Seleccion(lejano.row() + estado_.FilasFijas(), lejano.column() + estado_.ColumnasFijas());
}

void VistaGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) { e->accept(); return; }
    QTableView::mousePressEvent(e);
}

void VistaGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        emit BotonDerechoSoltado(e->globalPosition().toPoint());
        return;
    }
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) emit Pulsado();
}
