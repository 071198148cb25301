#include "views/FrmPPL.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/ClassUnitData.h"
#include "views/AjustesVista.h"
#include "views/EnlacePrincipal.h"
#include "views/frmDASM.h"

using P = PanelDetalle;

namespace {

constexpr int kAnchoTwips = 3915, kAltoTwips = 1890;   // client area while folded

const bool registrada = RegistrarVista(TipoVista::PPL, [] { return new FrmPPL; });

int Px(int twips) { return twips / 15; }
double Tw(int px) { return px * 15.0; }
QRect Rect(int l, int t, int w, int h) { return {Px(l), Px(t), Px(w), Px(h)}; }

QFont Fuente(const char* nombre, bool negrita = false) {
    QFont f(nombre);
    if (QString(nombre) == "Courier New") f.setStyleHint(QFont::TypeWriter);
    // Where Tahoma is missing, a narrow face keeps the captions inside their room.
    if (QString(nombre) == "Tahoma") f.setFamilies({"Tahoma", "DejaVu Sans Condensed", "Nimbus Sans Narrow"});
    f.setPointSizeF(8.25);
    f.setBold(negrita);
    return f;
}

// Our own pictures of the five buttons: unfold, fold, add a row, remove a
// row, empty the pipeline.
QIcon Dibujo(int cual) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor azul(0x20, 0x20, 0x80);
    g.setPen(QPen(azul, 2));
    g.setBrush(azul);
    if (cual <= 1) {
        const bool abajo = cual == 0;
        const QPoint t[3] = {{3, abajo ? 5 : 11}, {13, abajo ? 5 : 11}, {8, abajo ? 12 : 4}};
        g.drawPolygon(t, 3);
    } else if (cual <= 3) {
        g.setBrush(Qt::NoBrush);
        g.setPen(QPen(Qt::gray, 1));
        for (int y = 2; y <= 14; y += 4) g.drawLine(1, y, 9, y);
        g.setPen(QPen(cual == 2 ? QColor(0x10, 0x80, 0x10) : QColor(0xC0, 0x20, 0x20), 2));
        g.drawLine(9, 11, 15, 11);
        if (cual == 2) g.drawLine(12, 8, 12, 14);
    } else {
        g.setBrush(Qt::NoBrush);
        g.drawRect(2, 3, 12, 10);
        g.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        g.drawLine(4, 5, 12, 11);
        g.drawLine(12, 5, 4, 11);
    }
    return QIcon(p);
}

struct Boton {
    int izq, ancho;
    const char* ayuda;
};
constexpr Boton kBotones[5] = {
    {3540, 330, "Desplegar Panel de Información Adicional"},
    {3210, 330, "Contraer Panel de Información Adicional"},
    {2820, 330, "Añadir lineas de seguimiento de los datos PPL"},
    {2505, 315, "Eliminar lineas de seguimiento de los datos PPL"},
    {2130, 315, "Vaciar la estructura Pipeline"},
};

// The value boxes of the panel (twips inside the frame).
struct PosCaja {
    P::Id id;
    const char* nombre;
    int l, t, w, h;
};
constexpr PosCaja kCajas[] = {
    {P::kLblPC, "LblPC", 750, 225, 1065, 255},
    {P::kLblCanal, "LblCanal", 2430, 225, 1335, 240},
    {P::kTxtCodInstr, "TxtCodInstr", 540, 525, 1455, 240},
    {P::kTxtTipoInstr, "TxtTipoInstr", 2355, 525, 1410, 240},
    {P::kTxtModoDIR, "TxtModoDIR", 960, 825, 2805, 255},
    {P::kTxtSRC_DIR1, "TxtSRC_DIR1", 540, 1215, 1350, 240},
    {P::kTxtSRC_DATO1, "TxtSRC_DATO1", 1920, 1215, 1395, 240},
    {P::kTxtTipoDatos, "TxtTipoDatos", 3360, 1215, 390, 240},
    {P::kTxtSRC_DIR2, "TxtSRC_DIR2", 525, 1485, 1350, 240},
    {P::kTxtSRC_DATO2, "TxtSRC_DATO2", 1920, 1485, 1395, 240},
    {P::kTxtSRC_DIR3, "TxtSRC_DIR3", 525, 1755, 1350, 240},
    {P::kTxtSRC_DATO3, "TxtSRC_DATO3", 1920, 1755, 1395, 240},
    {P::kTxtSRC_DIR4, "TxtSRC_DIR4", 525, 2025, 1350, 240},
    {P::kTxtSRC_DATO4, "TxtSRC_DATO4", 1920, 2025, 1395, 240},
    {P::kTxtDST_DIR1, "TxtDST_DIR1", 525, 2370, 1350, 240},
    {P::kTxtDST_DATO1, "TxtDST_DATO1", 1920, 2370, 1395, 225},
    {P::kTxtDST_FOR1, "TxtDST_FOR1", 3345, 2370, 405, 225},
    {P::kTxtDST_DIR2, "TxtDST_DIR2", 525, 2640, 1350, 240},
    {P::kTxtDST_DATO2, "TxtDST_DATO2", 1920, 2640, 1395, 240},
    {P::kTxtDST_FOR2, "TxtDST_FOR2", 3345, 2640, 405, 240},
    {P::kTxtSP_DIR, "TxtSP_DIR", 525, 3000, 1335, 255},
    {P::kTxtSP_DATO, "TxtSP_DATO", 1935, 3000, 1395, 255},
    {P::kTxtSP_FOR, "TxtSP_FOR", 3345, 3000, 390, 255},
    {P::kTxtCond0, "TxtCond0", 555, 3345, 555, 255},
    {P::kTxtCond1, "TxtCond1", 1590, 3345, 1005, 255},
    {P::kTxtCondN, "TxtCondN", 2805, 3345, 510, 255},
};

// The caption labels, left of their boxes on the same line; `caja` is the
// left edge of the box the caption stands before.
struct Rotulo {
    const char* texto;
    const char* ayuda;
    int l, t, caja;
};
constexpr Rotulo kRotulos[] = {
    {"PC", "Instrucion con cod. de op.", 525, 255, 750},
    {"Estado", "Instrucion con cod. de op.", 1890, 255, 2430},
    {"Instr.", "Instrucion con cod. de op.", 105, 540, 540},
    {"Tipo", "Tipo de Intruccion", 2010, 540, 2355},
    {"Modo Direc.", "Modo de direccionamiento y Modo de operacion correspondiente", 105, 855, 960},
    {"SRC1", "Operando Fuente 1", 120, 1230, 540},
    {"SRC2", "Operando Fuente 2", 120, 1500, 525},
    {"SRC3", "Operando Fuente 3", 120, 1770, 525},
    {"SRC4", "Operando fuente 4", 120, 2040, 525},
    {"DST1", "Operando Destino 1", 120, 2385, 525},
    {"DST2", "operando Destino 2", 120, 2655, 525},
    {"Pila", "Datos de Acceso a Pila del Sistema", 135, 3015, 525},
    {"Cond.", "Condicion de la Instruccion", 105, 3360, 555},
    {"Flags", "Flags implicados en la condidicion", 1155, 3360, 1590},
    {"N", "Vector de TrapN", 2655, 3360, 2805},
};

// The widest texts a value box can show; "#" stands for any decimal digit and
// "$" for any hexadecimal one, measured as the face's widest.
std::vector<std::string> TextosMasAnchos(P::Id id) {
    const std::vector<std::string> valores = {"-#.##############E+##", "-#.##############E-##", "-##########"};
    const std::vector<std::string> formatos = {" I32", " F40", " -"};
    switch (id) {
    case P::kLblPC: return {" $$$$$$$$"};
    case P::kLblCanal: return {"  #", " -1"};
    case P::kTxtCodInstr: {
        std::vector<std::string> t;
        for (int g = 0; g < 8; ++g)
            for (int f = 0; f < 64; ++f) t.push_back(" [##] " + std::string(FilaNemonico::De(g, f).nem));
        return t;
    }
    case P::kTxtTipoInstr: return {" [#]  Mul_Sum_Res", " [#]  Carga Cond.", " [#]  Arit_Carg"};
    case P::kTxtModoDIR: return {" (G=10) Indirecto - S1 op D1 -> D1", " (G=11) Inmediato - S1 op D1 -> D1"};
    case P::kTxtSRC_DIR1:
        // Also a short floating-point immediate in full and a direct or branch address.
        return {" -#.#################", " -######", " @0x$$$$$$$$", " *AR#++( ###)%", " *AR#++(IR0)B", " <ERR>"};
    case P::kTxtSRC_DIR2: case P::kTxtSRC_DIR3: case P::kTxtSRC_DIR4:
    case P::kTxtDST_DIR1: case P::kTxtDST_DIR2:
        return {" *AR#++( #)%", " *AR#++(IR0)B", " IOF", " <ERR>"};
    case P::kTxtSP_DIR: return {" @0x$$$$$$$$ <-", " @0x$$$$$$$$ ->"};
    case P::kTxtCond0: return {" NLUF ", " <ERR> "};
    case P::kTxtCond1: return {" ~C and ~Z", " ~N and ~Z", " Z or UF", " <ERR>"};
    case P::kTxtCondN: return {" ##"};
    case P::kTxtTipoDatos: case P::kTxtDST_FOR1: case P::kTxtDST_FOR2: case P::kTxtSP_FOR: return formatos;
    default: return valores;   // the operand and stack values
    }
}

// How much wider than its design width a box must be for its widest text in
// its face, beside the indent a framed label keeps (half an "x").
int Crece(const QLabel* l, const PosCaja& c) {
    const QFontMetrics fm(l->font());
    QChar digito = '0', hex = '0';
    for (QChar d : QStringLiteral("0123456789ABCDEF")) {
        if (d.isDigit() && fm.horizontalAdvance(d) > fm.horizontalAdvance(digito)) digito = d;
        if (fm.horizontalAdvance(d) > fm.horizontalAdvance(hex)) hex = d;
    }
    int ancho = 0;
    for (const std::string& t : TextosMasAnchos(c.id)) {
        QString q = QString::fromUtf8(t.data(), qsizetype(t.size()));
        q.replace('#', digito).replace('$', hex);
        ancho = std::max(ancho, fm.horizontalAdvance(q));
    }
    return std::max(0, ancho + fm.horizontalAdvance('x') / 2 + 2 * l->frameWidth() - Px(c.w));
}

}  // namespace

FrmPPL::FrmPPL(QWidget* padre) : QWidget(padre) {
    setWindowTitle("Estructura Pipeline");
    tab_ = new QTabWidget(this);
    tab_->setObjectName("TabStrip1");
    tab_->addTab(new QWidget, "Datos Pipeline");
    tab_->setGeometry(Rect(30, 30, 3885, 1860));

    grid_ = new VistaGrid(logica_.Grid(), this);
    grid_->setObjectName("GridPPL");
    grid_->setFont(Fuente("Courier New"));
    grid_->setGeometry(Rect(75, 360, 3795, 1485));
    // White cells; the current cell shows its focus frame, not a highlight
    // that would hide the newest row's colours.
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette blanco = grid_->palette();
    blanco.setColor(QPalette::Base, Qt::white);
    blanco.setColor(QPalette::Text, Qt::black);
    grid_->setPalette(blanco);
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    grid_->horizontalHeader()->viewport()->setMouseTracking(true);
    grid_->horizontalHeader()->viewport()->installEventFilter(this);
    auto llenar = [this] {
        logica_.RefrescarLineas();
        SincronizarGrid();
    };
    connect(grid_, &VistaGrid::Desplazado, this, llenar);
    connect(grid_, &VistaGrid::Redimensionado, this, llenar);

    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString("CmdModoFrm%1").arg(i));
        b->setIcon(Dibujo(i));
        b->setToolTip(QString::fromUtf8(kBotones[i].ayuda));
        b->setGeometry(Rect(kBotones[i].izq, 0, kBotones[i].ancho, 315));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, i] { CmdModoFrm_Click(int16_t(i)); });
        botones_[size_t(i)] = b;
    }
    CrearPanel();
    Disponer();
    resize(sizeHint());
    Mostrar();
}

// The columns' widths were laid down for a smaller face: each column takes at
// least the room its header and its widest text need in the grid's face (the
// newest row's bold), and the window widens by what the grid and the stage
// name beside the panel's caption need beyond their design widths.
void FrmPPL::Disponer() {
    QFont negrita = grid_->font();
    negrita.setBold(true);
    const QFontMetricsF fm(negrita);
    // The item painter keeps the focus frame's margin and a pixel clear on
    // each side of the text; the grid line takes one more.
    const int margen = 2 * (grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1) + 1;
    auto ancho = [&](std::string_view t) {
        return int(std::ceil(fm.horizontalAdvance(QString::fromUtf8(t.data(), qsizetype(t.size()))))) + margen;
    };
    int nombre = ancho(" - ");
    for (int g = 0; g < 8; ++g)
        for (int f = 0; f < 64; ++f) nombre = std::max(nombre, ancho(FilaNemonico::De(g, f).nem));
    // The cycle counter wraps after 1,000,000: seven digits, as the address.
    anchoMinimo_ = {ancho("1000000"), ancho("FFFFFFF"), nombre, nombre, nombre, nombre};
    grid_->Sincronizar();
    int suma = 0;
    for (int c = 0; c < LogicaPPL::kColumnas; ++c) {
        anchoMinimo_[size_t(c)] = std::max(anchoMinimo_[size_t(c)], grid_->horizontalHeader()->sectionSizeHint(c));
        suma += std::max(anchoMinimo_[size_t(c)], Px(logica_.Grid().AnchoColumna(c)));
    }
    // Room for the vertical scroll bar that added rows bring.
    const int grid = suma + 2 * grid_->frameWidth() + grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
    int unidad = 0;
    const QFontMetrics fu(lblUnit_->font());
    for (int16_t k = 0; k < 4; ++k)
        unidad = std::max(unidad, fu.horizontalAdvance(QString::fromStdString(LogicaPPL::TextoUnidad(k))));
    const int panel = lblUnit_->x() + unidad + 2 * lblUnit_->margin() + 2 * frmSeg_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    // The boxes keep the design's margin to the frame's right edge.
    int cajas = chkD_->geometry().right();
    for (const QLabel* l : cajas_) cajas = std::max(cajas, l->geometry().right());
    cajas += Px(3840) - Px(3765);
    masAncho_ = std::max({0, grid - Px(3795), panel - Px(3840), cajas - Px(3840)});
    tab_->setGeometry(Rect(30, 30, 3885, 1860).adjusted(0, 0, masAncho_, 0));
    grid_->setGeometry(Rect(75, 360, 3795, 1485).adjusted(0, 0, masAncho_, 0));
    for (QToolButton* b : botones_) b->move(b->x() + masAncho_, b->y());
    frmSeg_->setGeometry(Rect(30, 1950, 3840, 3660).adjusted(0, 0, masAncho_, 0));
}

void FrmPPL::CrearPanel() {
    frmSeg_ = new QGroupBox("Seguimiento de la unidad:", this);
    frmSeg_->setObjectName("FrmSeg");
    frmSeg_->setGeometry(Rect(30, 1950, 3840, 3660));
    lblUnit_ = new QLabel(frmSeg_);
    lblUnit_->setObjectName("LblUnitPPL");
    lblUnit_->setFont(Fuente("Tahoma", true));
    // Next to the frame's caption, however wide the caption's font draws it.
    lblUnit_->move(std::max(Px(2025), frmSeg_->fontMetrics().horizontalAdvance(frmSeg_->title()) + 14), 0);
    imgPPL_ = new QLabel(frmSeg_);
    imgPPL_->setObjectName("ImgPPL");
    imgPPL_->setGeometry(Rect(180, 270, 300, 285));
    const QFont tahoma = Fuente("Tahoma");
    for (const PosCaja& c : kCajas) {
        auto* l = new QLabel(frmSeg_);
        l->setObjectName(c.nombre);
        l->setFont(tahoma);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
        cajas_[size_t(c.id)] = l;
    }
    // Each box grows to its widest text; the boxes of one operand column grow
    // together, and what stands right of a box on its line moves over by it.
    std::array<int, P::kNumCajas> crece{};
    for (const PosCaja& c : kCajas) crece[size_t(c.id)] = Crece(cajas_[size_t(c.id)], c);
    const std::vector<std::vector<P::Id>> columnas = {
        {P::SrcDir(1), P::SrcDir(2), P::SrcDir(3), P::SrcDir(4), P::DstDir(1), P::DstDir(2), P::kTxtSP_DIR},
        {P::SrcDato(1), P::SrcDato(2), P::SrcDato(3), P::SrcDato(4), P::DstDato(1), P::DstDato(2), P::kTxtSP_DATO},
        {P::kTxtTipoDatos, P::DstFor(1), P::DstFor(2), P::kTxtSP_FOR}};
    for (const std::vector<P::Id>& columna : columnas) {
        int m = 0;
        for (P::Id id : columna) m = std::max(m, crece[size_t(id)]);
        for (P::Id id : columna) crece[size_t(id)] = m;
    }
    // What the boxes left of a place on a line (tops within 60 twips) grew.
    auto corrimiento = [&](int izq, int arriba) {
        int d = 0;
        for (const PosCaja& c : kCajas)
            if (c.l < izq && std::abs(c.t - arriba) < 60) d += crece[size_t(c.id)];
        return d;
    };
    for (const PosCaja& c : kCajas)
        cajas_[size_t(c.id)]->setGeometry(Rect(c.l, c.t, c.w, c.h).translated(corrimiento(c.l, c.t), 0)
                                              .adjusted(0, 0, crece[size_t(c.id)], 0));
    for (const Rotulo& r : kRotulos) {
        auto* l = new QLabel(QString::fromUtf8(r.texto), frmSeg_);
        l->setFont(tahoma);
        l->setToolTip(QString::fromUtf8(r.ayuda));
        l->adjustSize();
        // A caption that the platform's face draws wider than the room before
        // its box takes the face's condensed width, so no box hides its end.
        const int sitio = Px(r.caja) - Px(r.l) - 1;
        if (l->width() > sitio) {
            QFont estrecha = tahoma;
            estrecha.setStretch(QFont::Condensed);
            l->setFont(estrecha);
            l->adjustSize();
        }
        l->move(Px(r.l) + corrimiento(r.caja, r.t), Px(r.t) - 1);
    }
    chkD_ = new QCheckBox("D", frmSeg_);
    chkD_->setObjectName("ChkD");
    chkD_->setFont(tahoma);
    chkD_->setToolTip("Salto retardado");
    chkD_->setGeometry(Rect(3360, 3360, 405, 210).adjusted(0, -2, 10, 4).translated(corrimiento(3360, 3345), 0));
    // It shows a field of the record: a click must not change what it says.
    chkD_->setFocusPolicy(Qt::NoFocus);
    connect(chkD_, &QCheckBox::clicked, this, [this] {
        const QSignalBlocker b(chkD_);
        chkD_->setChecked(logica_.Panel().ChkD() != 0);
    });
    logica_.Panel().separadorDecimal = QLocale().decimalPoint().isEmpty() ? '.' : QLocale().decimalPoint().at(0).toLatin1();
}

QSize FrmPPL::sizeHint() const {
    return {Px(kAnchoTwips) + masAncho_, Px(kAltoTwips + (logica_.PanelDesplegado() ? LogicaPPL::kAltoPanelTwips : 0))};
}

QMdiSubWindow* FrmPPL::Marco() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void FrmPPL::Cargar(QMdiSubWindow* marco) {
    if (marco) {
        connect(marco, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates, Qt::WindowStates ahora) {
            if (!(ahora & (Qt::WindowMaximized | Qt::WindowMinimized))) Plegar(logica_.PanelDesplegado());
        });
        marco->adjustSize();
        const QSize area = enlace::AreaCliente();
        ajustesvista::RestaurarMarco(*marco, DatosDeVista(TipoVista::PPL).seccion,
                                     Tw(area.width()) - Tw(marco->width()) + 20,
                                     Tw(area.height()) - Tw(marco->height()) + 20, 0, 0,
                                     ajustesvista::Guardar::SoloLugar);
    }
    Mostrar();
}

void FrmPPL::Inicializar() {
    logica_.Inicializar();
    Mostrar();
}

void FrmPPL::ProgramaNuevo() {
    logica_.ProgramaNuevo();
    Mostrar();
}

void FrmPPL::Actualizar() {
    logica_.Actualizar();
    Mostrar();
}

void FrmPPL::UnitSeg(int16_t v) {
    logica_.UnitSeg(v);
    Mostrar();
}

void FrmPPL::CmdModoFrm_Click(int16_t indice) {
    const bool antes = logica_.PanelDesplegado();
    logica_.CmdModoFrm_Click(indice);
    if (logica_.PanelDesplegado() != antes) Plegar(logica_.PanelDesplegado());
    Mostrar();
}

// Unfolding makes the window taller by the panel's height with its bottom edge
// in place, as far as the area's top allows; folding undoes it. A maximised or
// minimised window keeps its size and only shows or hides the panel; when it
// is restored, its size follows the panel's state.
void FrmPPL::Plegar(bool desplegar) {
    QMdiSubWindow* marco = Marco();
    const int alto = Px(LogicaPPL::kAltoPanelTwips);
    if (!marco || marco->isMaximized() || marco->isMinimized() || desplegar == crecida_) return;
    if (desplegar) {
        subida_ = std::clamp(marco->y(), 0, alto);
        marco->setGeometry(marco->x(), marco->y() - subida_, marco->width(), marco->height() + alto);
        crecida_ = true;
    } else {
        marco->setGeometry(marco->x(), marco->y() + subida_, marco->width(), std::max(1, marco->height() - alto));
        crecida_ = false;
        subida_ = 0;
    }
}

void FrmPPL::SincronizarGrid() {
    grid_->Sincronizar();
    for (int c = 0; c < LogicaPPL::kColumnas; ++c)
        if (grid_->columnWidth(c) < anchoMinimo_[size_t(c)]) grid_->setColumnWidth(c, anchoMinimo_[size_t(c)]);
    grid_->selectionModel()->clearSelection();
}

void FrmPPL::Mostrar() {
    SincronizarGrid();
    for (int i = 0; i < 2; ++i) botones_[size_t(i)]->setVisible(logica_.BotonVisible(int16_t(i)));
    frmSeg_->setVisible(logica_.PanelDesplegado());
    lblUnit_->setText(QString::fromStdString(logica_.TextoUnidad()));
    lblUnit_->adjustSize();
    imgPPL_->setPixmap(frmDASM::ImagenEtapa(int16_t(logica_.ImagenUnidad() + 2)).pixmap(16, 16));
    MostrarPanel();
}

// Copies the panel's boxes when they were filled again.
void FrmPPL::MostrarPanel() {
    const PanelDetalle& p = logica_.Panel();
    if (p.Version() == versionPanel_) return;
    versionPanel_ = p.Version();
    for (int id = 0; id < P::kNumCajas; ++id) {
        const P::Caja& c = p.CajaDe(P::Id(id));
        cajas_[size_t(id)]->setText(QString::fromStdString(c.texto));
        cajas_[size_t(id)]->setToolTip(QString::fromStdString(c.ayuda));
    }
    chkD_->setChecked(p.ChkD() != 0);
}

// The pointer over the grid makes the text of the cell under it the grid's
// tool tip, so a name wider than its column can be read.
bool FrmPPL::eventFilter(QObject* objeto, QEvent* e) {
    const bool cabecera = objeto == grid_->horizontalHeader()->viewport();
    if (e->type() == QEvent::MouseButtonDblClick && !cabecera) {
        // The cell under the pointer is the current one, as the press before makes it.
        const QModelIndex celda = grid_->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (celda.isValid()) {
            logica_.Grid().Fila(celda.row() + logica_.Grid().FilasFijas());
            logica_.Grid().Columna(celda.column());
        }
        logica_.SeleccionarUnidadSeg();
        Mostrar();
    } else if (e->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        const int filaModelo = cabecera ? -1 : grid_->rowAt(p.y());
        const int32_t fila = cabecera ? 0 : filaModelo >= 0 ? filaModelo + 1 : INT32_MAX;
        const int col = cabecera ? grid_->horizontalHeader()->logicalIndexAt(p.x()) : grid_->columnAt(p.x());
        if (const auto texto = logica_.TextoCeldaPPL(fila, col)) grid_->setToolTip(QString::fromStdString(*texto));
    } else if (e->type() == QEvent::ToolTip) {
        auto* ayuda = static_cast<QHelpEvent*>(e);
        QToolTip::showText(ayuda->globalPos(), grid_->toolTip(), static_cast<QWidget*>(objeto));
        return true;
    }
    return QWidget::eventFilter(objeto, e);
}

void FrmPPL::closeEvent(QCloseEvent* e) {
    // Where the folded window stands, which is how it opens next time.
    if (QMdiSubWindow* marco = Marco())
        ajustesvista::GuardarMarco(*marco, DatosDeVista(TipoVista::PPL).seccion, ajustesvista::Guardar::SoloLugar,
                                   SubidaDesplegada());
    e->accept();
}
