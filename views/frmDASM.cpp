#include "views/frmDASM.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

#include "views/AjustesVista.h"
#include "views/EnlacePrincipal.h"

namespace {

const bool registrada = RegistrarVista(TipoVista::DASM, [] { return new frmDASM; });

int Px(double twips) { return int(twips / 15.0); }
double Tw(int px) { return px * 15.0; }

// Our own pictures of the image list: 1-2 markers, 3-6 the four stages.
QIcon Dibujar(int16_t n) {
    static const QColor colores[6] = {QColor(0x80, 0x40, 0x00), QColor(0xFF, 0xFF, 0x80), QColor(0x20, 0x60, 0xD0),
                                      QColor(0x20, 0xA0, 0x40), QColor(0xE0, 0x90, 0x10), QColor(0xD0, 0x30, 0x30)};
    static const char* letras[6] = {"", "", "B", "D", "L", "E"};
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(colores[n - 1]);
    g.setPen(colores[n - 1].darker(150));
    if (n <= 2) {
        g.drawEllipse(3, 3, 10, 10);
    } else {
        const QPoint flecha[5] = {{1, 3}, {10, 3}, {15, 8}, {10, 13}, {1, 13}};
        g.drawPolygon(flecha, 5);
        g.setPen(Qt::white);
        QFont f("Tahoma");
        f.setPixelSize(9);
        f.setBold(true);
        g.setFont(f);
        g.drawText(QRect(1, 3, 11, 10), Qt::AlignCenter, letras[n - 1]);
    }
    return QIcon(p);
}

}  // namespace

QIcon frmDASM::ImagenEtapa(int16_t imagen) { return Dibujar(imagen); }

frmDASM::frmDASM(QWidget* padre) : QWidget(padre) {
    setWindowTitle("Codigo Desensamblado");
    QFont tahoma("Tahoma");
    tahoma.setPointSizeF(8.25);
    cmbTipo_ = new QComboBox(this);
    cmbTipo_->setObjectName("CmbTipoDASM");
    cmbTipo_->setFont(tahoma);
    for (const std::string& t : LogicaDASM::TextosTipo()) cmbTipo_->addItem(QString::fromStdString(t));
    cmbTipo_->setCurrentIndex(-1);
    cmbTipo_->setGeometry(Px(90), Px(15), Px(2760), cmbTipo_->sizeHint().height());
    cmbSec_ = new QComboBox(this);
    cmbSec_->setObjectName("CmbSecDASM");
    cmbSec_->setFont(tahoma);
    cmbSec_->setGeometry(Px(2955), Px(15), Px(2655), cmbSec_->sizeHint().height());

    grid_ = new VistaGrid(logica_.Grid(), this);
    grid_->setObjectName("GridDASM");
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(8.25);
    grid_->setFont(courier);
    std::vector<QIcon> imagenes;
    for (int16_t n = 1; n <= 6; ++n) imagenes.push_back(Dibujar(n));
    grid_->Modelo().Imagenes(std::move(imagenes));

    connect(cmbTipo_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirTipo(int16_t(i));
        Mostrar();
    });
    connect(cmbSec_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirEntrada(i);
        Mostrar();
    });
    auto llenar = [this] {
        logica_.RefrescarLineas();
        grid_->Sincronizar();
    };
    connect(grid_, &VistaGrid::Desplazado, this, llenar);
    connect(grid_, &VistaGrid::Redimensionado, this, llenar);
    connect(grid_, &VistaGrid::BotonDerechoSoltado, this, [](QPoint donde) {
        if (QMenu* m = enlace::Menu("mnuDep")) m->exec(donde);
    });
    resize(Px(9000), Px(5000));
}

// Puts the logic's combos and grid on screen; the combos are set with their
// signals blocked, as the logic has already run their handlers.
void frmDASM::Mostrar() {
    if (versionCombos_ != logica_.VersionCombos()) {
        versionCombos_ = logica_.VersionCombos();
        const QSignalBlocker b1(cmbTipo_), b2(cmbSec_);
        cmbTipo_->setCurrentIndex(logica_.TipoActual());
        cmbSec_->clear();
        for (const auto& e : logica_.Entradas()) cmbSec_->addItem(QString::fromStdString(e.texto), e.dato);
        cmbSec_->setCurrentIndex(logica_.EntradaActual());
    }
    grid_->Sincronizar();
}

void frmDASM::Refrescar() {
    logica_.Refrescar();
    Mostrar();
}

void frmDASM::AlternarPuntoRupt() {
    logica_.AlternarPuntoRupt();
    Mostrar();
}

void frmDASM::Inicializar() {
    logica_.Inicializar();
    Mostrar();
}

void frmDASM::QuitarPuntosRupt() {
    logica_.QuitarPuntosRupt();
    Mostrar();
}

void frmDASM::BuscarCelda(int32_t& direccion) {
    logica_.BuscarCelda(direccion);
    Mostrar();
}

int32_t frmDASM::PosMemAct() { return logica_.PosMemAct(); }
int32_t frmDASM::CodInstr() { return logica_.CodInstr(); }

void frmDASM::SituarPC() {
    logica_.SituarPC();
    Mostrar();
}

QMdiSubWindow* frmDASM::Marco() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void frmDASM::Cargar(QMdiSubWindow* marco) {
    if (marco) {
        // Beside the register window, whose frame is its 4000 twips and borders.
        const QSize area = enlace::AreaCliente(*marco);
        const double registros = std::max(4000.0, Tw(enlace::AnchoRegistros()));
        ajustesvista::RestaurarMarco(*marco, DatosDeVista(TipoVista::DASM).seccion, 0, 0,
                                     Tw(area.width()) - registros, Tw(area.height()) * 0.6);
    }
    logica_.ElegirTipo(LogicaDASM::kFichero);
    Mostrar();
}

void frmDASM::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int arriba = Px(10) + cmbTipo_->height();
    const int ancho = width() - Px(20), alto = height() - Px(20) - cmbTipo_->height();
    // A window too small for a grid leaves the grid as it was.
    if (ancho > 0 && alto > 0) grid_->setGeometry(Px(10), arriba, ancho, alto);
}

void frmDASM::closeEvent(QCloseEvent* e) {
    if (QMdiSubWindow* marco = Marco()) ajustesvista::GuardarMarco(*marco, DatosDeVista(TipoVista::DASM).seccion);
    e->accept();
}
