#include "views/FrmMemoria.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>

#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "views/AjustesVista.h"
#include "views/EnlacePrincipal.h"
#include "views/FrmMarcasRupt.h"

namespace {

const bool registrada = RegistrarVista(TipoVista::Memoria, [] { return new FrmMemoria; });

int Px(double twips) { return int(twips / 15.0); }
double Tw(int px) { return px * 15.0; }

// Widths of the two lists and the least they narrow to with the window (twips).
constexpr int kAnchoTipo = 2600, kAnchoRegiones = 3000, kAnchoMinimoLista = 750;

QColor ColorBGR(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

struct DatosPanel {
    const char* texto;
    const char* ayuda;
};
const DatosPanel kPaneles[7] = {
    {"Dirección", ""},
    {"", "Posición de memoria seleccionada"},
    {"Identificador", ""},
    {"", "Identificador de Referencia"},
    {"Marca Ruptura ", ""},
    {"", "Identificador de la Marca de Ruptura"},
    {"SP ", "Doble click para localizar el Puntero de Pila (SP)"},
};

}  // namespace

FrmMemoria::FrmMemoria(QWidget* padre) : QWidget(padre) {
    setWindowTitle("Volcado de Memoria");
    lblTipo_ = new QLabel("Tipo de datos", this);
    lblTipo_->setObjectName("LblTipoDatos");
    cmbTipoDatos_ = new QComboBox(this);
    cmbTipoDatos_->setObjectName("CmbTipoDatos");
    for (const std::string& t : LogicaMemoria::TextosTipoDatos()) cmbTipoDatos_->addItem(QString::fromStdString(t));
    cmbTipoDatos_->setCurrentIndex(-1);
    lblMemoria_ = new QLabel("Seccion de Memoria", this);
    lblMemoria_->setObjectName("LblMemoria");
    cmbMemoria_ = new QComboBox(this);
    cmbMemoria_->setObjectName("CmbMemoria");
    shpMemoria_ = new QFrame(this);
    shpMemoria_->setObjectName("ShpMemoria");
    shpMemoria_->setFrameShape(QFrame::Box);
    shpMemoria_->setAutoFillBackground(true);

    const int alto = cmbMemoria_->sizeHint().height();
    // Placed across the row by ColocarListas.
    for (QLabel* l : {lblTipo_, lblMemoria_}) l->setGeometry(0, 2, l->sizeHint().width(), alto);
    for (QComboBox* c : {cmbTipoDatos_, cmbMemoria_}) c->setGeometry(0, 2, 0, alto);
    shpMemoria_->setGeometry(0, 6, Px(300), alto - 8);

    grid_ = new VistaGrid(logica_.Grid(), this);
    grid_->setObjectName("GridMemoria");
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(8.25);
    grid_->setFont(courier);

    barra_ = new QStatusBar(this);
    barra_->setObjectName("StatusBarMemoria");
    barra_->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto* p = new QLabel(kPaneles[i].texto, barra_);
        p->setObjectName(kPaneles[i].texto[0] ? kPaneles[i].texto : QString("Panel%1").arg(i + 1));
        p->setToolTip(kPaneles[i].ayuda);
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
        // The address keeps its room; the identifiers narrow with the window.
        if (i % 2 == 1 && i < 6) p->setMinimumWidth(Px(i == 1 ? 900 : 300));
        p->installEventFilter(this);
        barra_->addWidget(p, i == 3 || i == 5 ? 1 : 0);
        paneles_[size_t(i)] = p;
    }

    logica_.pitido = [] { QApplication::beep(); };
    logica_.dialogoMarca = [this](int32_t a) { FrmMarcasRupt::Mostrar(a, this); };

    connect(cmbTipoDatos_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirTipoDatos(int16_t(i));
        Mostrar();
    });
    connect(cmbMemoria_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirRegion(i);
        Mostrar();
    });
    connect(grid_, &VistaGrid::Desplazado, this, &FrmMemoria::RefrescarCuadro);
    connect(grid_, &VistaGrid::Redimensionado, this, [this] {
        if (!reconstruyendo_) Reconstruir();
    });
    connect(grid_, &VistaGrid::ActualCambiado, this, [this] {
        logica_.CeldaCambiada();
        MostrarPaneles();
    });
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this] { EditarCelda(); });
    connect(grid_, &VistaGrid::BotonDerechoSoltado, this, [this](QPoint donde) {
        const EstadoGrid& g = logica_.Grid();
        const bool varias = g.FilaSel() != g.Fila() || g.ColSel() != g.Columna();
        if (QMenu* m = enlace::Menu(varias ? "mnuEdit" : "PopMnuMem")) m->exec(donde);
    });
    resize(Px(9000), Px(4000));
    // Narrowed, the window keeps its labels whole: no narrower than the row
    // of lists at their least width and the status bar's panels need.
    const int lista = Px(kAnchoMinimoLista);
    setMinimumWidth(std::max(AnchoFila(lista, lista), barra_->minimumSizeHint().width()));
}

// The width of the row of lists with the lists that wide.
int FrmMemoria::AnchoFila(int tipo, int regiones) const {
    return Px(60) + lblTipo_->width() + 6 + tipo + Px(240) + lblMemoria_->width() + 6 + regiones + 8 +
           shpMemoria_->width() + 4;
}

// The row of lists across the top: in a window narrower than the row, each
// list gives up half of what it lacks, down to its least width; the labels
// keep theirs.
void FrmMemoria::ColocarListas() {
    const int falta = std::max(0, AnchoFila(Px(kAnchoTipo), Px(kAnchoRegiones)) - width());
    const int tipo = std::max(Px(kAnchoMinimoLista), Px(kAnchoTipo) - (falta + 1) / 2);
    const int regiones = std::max(Px(kAnchoMinimoLista), Px(kAnchoRegiones) - (falta + 1) / 2);
    lblTipo_->move(Px(60), lblTipo_->y());
    cmbTipoDatos_->setGeometry(lblTipo_->geometry().right() + 6, 2, tipo, cmbTipoDatos_->height());
    lblMemoria_->move(cmbTipoDatos_->geometry().right() + Px(240), lblMemoria_->y());
    cmbMemoria_->setGeometry(lblMemoria_->geometry().right() + 6, 2, regiones, cmbMemoria_->height());
    shpMemoria_->move(cmbMemoria_->geometry().right() + 8, shpMemoria_->y());
}

// Puts the logic's lists, grid and panels on screen; the lists are set with
// their signals blocked, as the logic has already run their handlers.
void FrmMemoria::Mostrar() {
    if (versionListas_ != logica_.VersionListas()) {
        versionListas_ = logica_.VersionListas();
        const QSignalBlocker b1(cmbTipoDatos_), b2(cmbMemoria_);
        cmbMemoria_->clear();
        for (const auto& r : logica_.Regiones()) cmbMemoria_->addItem(QString::fromStdString(r.texto), r.dato);
        cmbMemoria_->setCurrentIndex(logica_.RegionActual());
        cmbTipoDatos_->setCurrentIndex(logica_.TipoDatos());
        QPalette p = shpMemoria_->palette();
        p.setColor(QPalette::Window, ColorBGR(logica_.ColorRegion()));
        shpMemoria_->setPalette(p);
    }
    grid_->Sincronizar();
    MostrarPaneles();
}

void FrmMemoria::MostrarPaneles() {
    for (int i : {2, 4, 6}) paneles_[size_t(i - 1)]->setText(QString::fromStdString(logica_.Panel(i)));
}

// The lists, then the grid below them and above the status bar, across the window.
void FrmMemoria::Colocar() {
    ColocarListas();
    const int altoBarra = barra_->sizeHint().height();
    barra_->setGeometry(0, height() - altoBarra, width(), altoBarra);
    const int arriba = Px(10) + cmbMemoria_->height() + 4;
    const int ancho = width() - Px(20), alto = height() - altoBarra - arriba;
    if (ancho > 0 && alto > 0) grid_->setGeometry(Px(10), arriba, ancho, alto);
    logica_.AnchoGrid(int32_t(Tw(grid_->width())));
}

void FrmMemoria::Reconstruir() {
    reconstruyendo_ = true;
    Colocar();
    logica_.Refrescar();
    Mostrar();
    reconstruyendo_ = false;
}

void FrmMemoria::RefrescarCuadro() {
    logica_.RefrescarCuadro();
    Mostrar();
}

void FrmMemoria::EditarCelda() {
    logica_.EditarCelda();
    Mostrar();
}

void FrmMemoria::BuscarCelda(int32_t& direccion) {
    logica_.BuscarCelda(direccion);
    Mostrar();
}

void FrmMemoria::MostrarCelda(int32_t direccion) {
    logica_.MostrarCelda(direccion);
    Mostrar();
}

void FrmMemoria::EstablecerIdentificador() {
    logica_.EstablecerIdentificador();
    Mostrar();
}

void FrmMemoria::AlternarMarca() {
    logica_.AlternarMarca();
    Mostrar();
}

void FrmMemoria::QuitarMarcas() {
    logica_.QuitarMarcas();
    Mostrar();
}

void FrmMemoria::Copiar() { QGuiApplication::clipboard()->setText(QString::fromStdString(logica_.Copiar())); }

void FrmMemoria::Cortar() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(logica_.Cortar()));
    Mostrar();
}

void FrmMemoria::Pegar() {
    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    if (datos && datos->hasText())
        logica_.Pegar(datos->text().toStdString());
    else
        logica_.Pegar(std::nullopt);
    Mostrar();
}

QMdiSubWindow* FrmMemoria::Marco() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void FrmMemoria::Cargar(QMdiSubWindow* marco) {
    if (marco) {
        const QSize area = enlace::AreaCliente();
        // Beside the register window, and clear of a wider pipeline window below it.
        const double derecha = std::max(4000.0, Tw(enlace::AnchoPPL()));
        // Placed from code too, the window is no narrower than it lets the user make it.
        marco->setMinimumWidth(marco->minimumSizeHint().width());
        ajustesvista::RestaurarMarco(*marco, DatosDeVista(TipoVista::Memoria).seccion, 0, Tw(area.height()) * 0.6,
                                     Tw(area.width()) - derecha, Tw(area.height()) * 0.4);
    }
    reconstruyendo_ = true;
    Colocar();
    logica_.Cargar();
    Mostrar();
    reconstruyendo_ = false;
}

void FrmMemoria::PanelPulsado(int panel) {
    if (panel == 3 || panel == 4) {
        enlace::MostrarAuxDatos(2);
    } else if (panel == 5 || panel == 6) {
        enlace::MostrarAuxDatos(5);
    } else if (panel == 7) {
        int32_t sp = gRegistros->SP();
        if (sp >= 1) BuscarCelda(sp);
    }
}

bool FrmMemoria::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 7; ++i)
            if (objeto == paneles_[size_t(i)]) {
                PanelPulsado(i + 1);
                return true;
            }
    }
    return QWidget::eventFilter(objeto, e);
}

void FrmMemoria::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Reconstruir();
}

void FrmMemoria::closeEvent(QCloseEvent* e) {
    if (QMdiSubWindow* marco = Marco())
        ajustesvista::GuardarMarco(*marco, DatosDeVista(TipoVista::Memoria).seccion);
    e->accept();
}
