#include "views/FrmAuxDatos.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "app/frmMain.h"

namespace {

const bool registrada = RegistrarAuxDatos([] { return new FrmAuxDatos; });

int Px(int twips) { return twips / 15; }

// Our own pictures: a coloured badge with a letter per filter or row kind.
struct Dibujo {
    QColor color;
    const char* letra;
    bool redondo;
};
const Dibujo kDibujos[LogicaAuxDatos::kNumImagenes] = {
    {QColor(0x70, 0x70, 0x70), "M", false},  // 1 all messages
    {QColor(0xD0, 0x20, 0x20), "1", true},   // 2 error, pass 1
    {QColor(0xE0, 0xB0, 0x00), "1", false},  // 3 warning, pass 1
    {QColor(0x90, 0x10, 0x10), "2", true},   // 4 error, pass 2
    {QColor(0xE0, 0x80, 0x10), "2", false},  // 5 warning, pass 2
    {QColor(0x30, 0x50, 0x90), "R", false},  // 6 all references
    {QColor(0x20, 0x70, 0xD0), "C", false},  // 7 constants
    {QColor(0x20, 0x90, 0x40), "E", false},  // 8 labels
    {QColor(0x80, 0x40, 0xA0), "U", false},  // 9 user-defined
    {QColor(0x00, 0x80, 0x80), "S", false},  // 10 sections
    {QColor(0x80, 0x40, 0x00), "P", true},   // 11 breakpoints
    {QColor(0x50, 0x50, 0xA0), "M", true},   // 12 all watch marks
    {QColor(0x20, 0x80, 0xC0), "#", true},   // 13 compares with a value
    {QColor(0xC0, 0x60, 0x20), "$", true},   // 14 compares with a memory word
};
// Picture of each table kind: the badge of its "all entries" filter.
constexpr int16_t kImagenDeTipo[5] = {1, 6, 10, 11, 12};

// Row icons sit in the middle of their cell; the rest is painted by the
// grid's own delegate, so the current cell keeps its colours as in every grid.
class IconoCentrado final : public QStyledItemDelegate {
public:
    explicit IconoCentrado(QAbstractItemView* grid) : QStyledItemDelegate(grid), general_(grid->itemDelegate()) {}

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        QStyleOptionViewItem o(opcion);
        if (indice.data().toString().isEmpty()) {
            // Above an empty text the picture has the cell's whole width.
            o.decorationPosition = QStyleOptionViewItem::Top;
            o.decorationAlignment = Qt::AlignCenter;
            o.decorationSize = o.rect.size().boundedTo(QSize(16, 16));
        }
        general_->paint(pintor, o, indice);
    }

private:
    QAbstractItemDelegate* general_;
};

QPixmap Pintar(const Dibujo& d, int lado) {
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(d.color);
    g.setPen(d.color.darker(150));
    const QRectF r(1, 1, lado - 2, lado - 2);
    if (d.redondo) g.drawEllipse(r);
    else g.drawRoundedRect(r, lado / 5.0, lado / 5.0);
    QFont f("Tahoma");
    f.setPixelSize(lado * 5 / 8);
    f.setBold(true);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(r, Qt::AlignCenter, d.letra);
    return p;
}

}  // namespace

QIcon FrmAuxDatos::ImagenLista(int16_t n) {
    if (n < 1 || n > LogicaAuxDatos::kNumImagenes) return {};
    return QIcon(Pintar(kDibujos[n - 1], 16));
}

QPixmap FrmAuxDatos::ImagenTipo(int16_t tipo) {
    if (tipo < 1 || tipo > 5) return {};
    return Pintar(kDibujos[kImagenDeTipo[tipo - 1] - 1], 32);
}

FrmAuxDatos::FrmAuxDatos(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName("FrmAuxDatos");
    QFont tahoma("Tahoma");
    // Where Tahoma is missing, a narrow face keeps the addresses inside their columns.
    tahoma.setFamilies({"Tahoma", "DejaVu Sans Condensed"});
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);

    grid_ = new VistaGrid(logica_.Grid(), this);
    grid_->setObjectName("GridAuxDat");
    grid_->setToolTip("Tabla de presentación de datos");
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    std::vector<QIcon> imagenes;
    for (int16_t n = 1; n <= LogicaAuxDatos::kNumImagenes; ++n) imagenes.push_back(ImagenLista(n));
    grid_->Modelo().Imagenes(std::move(imagenes));
    grid_->setItemDelegateForColumn(0, new IconoCentrado(grid_));

    cmb_ = new QComboBox(this);
    cmb_->setObjectName("CmbAuxDat");
    cmb_->setToolTip("Filtro de Selección del tipo de datos a presentar");
    pic_ = new QLabel(this);
    pic_->setObjectName("PicAuxDat");
    for (int k = 0; k < 5; ++k) {
        img_[size_t(k)] = new QLabel(this);
        img_[size_t(k)]->setObjectName(QString("ImgAuxDat%1").arg(k + 1));
        img_[size_t(k)]->setPixmap(ImagenTipo(int16_t(k + 1)));
        img_[size_t(k)]->hide();
    }
    lbl_ = new QLabel(this);
    lbl_->setObjectName("LblAuxDat");
    lblBusqueda_ = new QLabel("Busqueda Rápida ", this);
    lblBusqueda_->setObjectName("LblBusqueda");
    lblBusqueda_->setToolTip("Cuadro de Busqueda Rápida. Localiza un item en la tabla.");
    txt_ = new QLineEdit(this);
    txt_->setObjectName("TxtBusqueda");
    txt_->setToolTip("Introduzca el identificador del item buscado");
    cmd_[0] = new QPushButton("Cerrar", this);
    cmd_[0]->setObjectName("CmdAuxDat0");
    cmd_[0]->setToolTip("Cierra la Tabla de Datos");
    cmd_[1] = new QPushButton("Localizar", this);
    cmd_[1]->setObjectName("CmdAuxDat1");
    cmd_[1]->setToolTip("Localiza el item en la Memoria o en el Código Desensamblado");

    connect(cmb_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirFiltro(i);
        Mostrar();
    });
    connect(txt_, &QLineEdit::textChanged, this, [this](const QString& t) {
        logica_.Buscar(t.toStdString());
        Mostrar();
    });
    connect(cmd_[0], &QPushButton::clicked, this, &QWidget::close);
    connect(cmd_[1], &QPushButton::clicked, this, &FrmAuxDatos::Localizar);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &FrmAuxDatos::Localizar);
    auto sincronizar = [this] { grid_->Sincronizar(); };
    connect(grid_, &VistaGrid::Desplazado, this, sincronizar);
    connect(grid_, &VistaGrid::Redimensionado, this, sincronizar);

    // Load: bottom-right of the main window's outer size, then the empty kind.
    resize(Px(7500), Px(5000));
    if (frmMain* m = VentanaMain()) {
        const QSize s = m->frameGeometry().size();
        move(s.width() - width() - Px(200), s.height() - height() - Px(500));
    }
    Inicializar();
}

// The grid reads the logic's state while the closing window hides it: it
// goes before the logic does.
FrmAuxDatos::~FrmAuxDatos() { delete grid_; }

void FrmAuxDatos::TipoDatos(int16_t tipo) {
    if (logica_.TipoDatos(tipo)) Mostrar();
}

void FrmAuxDatos::Inicializar() {
    logica_.Inicializar();
    Mostrar();
}

void FrmAuxDatos::Actualizar() {
    logica_.Actualizar();
    Mostrar();
}

// Puts the logic on screen; the combo is set with its signals blocked, as the
// logic has already run its handler.
void FrmAuxDatos::Mostrar() {
    setWindowTitle(QString::fromStdString(logica_.Titulo()));
    setProperty("contextoAyuda", logica_.ContextoAyuda());
    for (int k = 0; k < 5; ++k) img_[size_t(k)]->setVisible(logica_.ImagenTipo() == k + 1);
    if (versionFiltros_ != logica_.VersionFiltros()) {
        versionFiltros_ = logica_.VersionFiltros();
        const QSignalBlocker b(cmb_);
        cmb_->clear();
        for (const std::string& f : logica_.Filtros()) cmb_->addItem(QString::fromStdString(f));
        cmb_->setCurrentIndex(logica_.Filtro());
        cmb_->setEnabled(logica_.FiltroHabilitado());
        pic_->setPixmap(ImagenLista(logica_.ImagenFiltro()).pixmap(16, 16));
    }
    lbl_->setText(QString::fromStdString(logica_.Etiqueta()));
    grid_->Sincronizar();
    for (int c = 0; c < 4; ++c) grid_->setColumnHidden(c, logica_.Grid().AnchoColumna(c) == 0);
    grid_->AnchoDeCabeceras();
    // A column of numbers is as wide as the widest number it holds.
    for (int c = 0; c < 4; ++c)
        if (logica_.ColumnaDeNumeros(c)) grid_->AnchoDeContenido(c);
}

void FrmAuxDatos::Localizar() {
    frmMain* m = VentanaMain();
    if (!m) return;
    int32_t direccion = logica_.DireccionLocalizar();
    switch (logica_.DestinoLocalizar()) {
    case LogicaAuxDatos::Destino::Memoria:
        if (IVistaMemoria* v = m->FrmMemoria(true)) v->BuscarCelda(direccion);
        break;
    case LogicaAuxDatos::Destino::Listado:
        if (IVistaDASM* v = m->frmDASM(true)) v->BuscarCelda(direccion);
        break;
    case LogicaAuxDatos::Destino::Ninguno: break;
    }
}

// Enter chooses "Localizar" from any control but another button, which it
// presses instead; Escape chooses "Cerrar".
void FrmAuxDatos::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        auto* boton = qobject_cast<QPushButton*>(focusWidget());
        (boton ? boton : cmd_[1])->click();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        cmd_[0]->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void FrmAuxDatos::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int w = width(), h = height(), m = 8;
    for (QLabel* i : img_) i->setGeometry(m, m, 32, 32);
    cmb_->setGeometry(48, m + 4, 230, cmb_->sizeHint().height());
    pic_->setGeometry(284, m + 8, 16, 16);
    lbl_->setGeometry(308, m + 8, std::max(0, w - 308 - m), 18);
    const int botonAlto = cmd_[0]->sizeHint().height();
    const int abajo = h - m - botonAlto;
    grid_->setGeometry(m, 48, std::max(0, w - 2 * m), std::max(0, abajo - 48 - m));
    lblBusqueda_->setGeometry(m, abajo + 3, 100, botonAlto - 6);
    txt_->setGeometry(m + 100, abajo, 170, botonAlto);
    cmd_[0]->setGeometry(w - m - 90, abajo, 90, botonAlto);
    cmd_[1]->setGeometry(w - 2 * m - 180, abajo, 90, botonAlto);
}
