#include "app/frmOpciones.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <tuple>

#include "app/Vistas.h"
#include "app/frmMain.h"
#include "core/ClassMemoria.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "data/Informe.h"
#include "platform/Cuadros.h"
#include "platform/Impresora.h"
#include "platform/qt/AyudaQt.h"
#include "platform/qt/DialogosComunesQt.h"
#include "platform/qt/ImpresoraQt.h"

using namespace opciones;

namespace {

// The page tab is laid out in twips; it is drawn a little larger than the
// screen's 15 twips a pixel so that its captions fit in the fonts at hand.
constexpr int kTwipsPorPixel = 12;
int Px(int twips) { return twips / kTwipsPorPixel; }
QRect Rect(int x, int y, int w, int h) { return {Px(x), Px(y), Px(w), Px(h)}; }
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }
QColor ColorVB(uint32_t bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

constexpr const char* kFiltroProgramas = "Programas (*.exe)|*.exe|Todos los archivos (*.*)|*.*";
constexpr const char* kFiltroEntorno = "Ficheros de entorno (*.ent)|*.ent|Todos los archivos (*.*)|*.*";

IDialogosOpciones* gDialogos = nullptr;

// The "Sel" cell's mark centred in its cell, across and down.
class DelegadoMarca : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& opcion, const QModelIndex& i) const override {
        if (i.column() != 1) {
            QStyledItemDelegate::paint(p, opcion, i);
            return;
        }
        QStyleOptionViewItem o = opcion;
        initStyleOption(&o, i);
        const QIcon marca = o.icon;
        o.icon = QIcon();
        o.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* w = o.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
        const QSize tam = o.decorationSize;
        const QRect caja(o.rect.center() - QPoint(tam.width() / 2, tam.height() / 2), tam);
        marca.paint(p, caja, Qt::AlignCenter);
    }
};

QGroupBox* Grupo(const char* titulo, const char* ayuda, QWidget* padre) {
    auto* g = new QGroupBox(titulo, padre);
    if (ayuda) g->setToolTip(ayuda);
    return g;
}

template <typename W>
W* Nombrado(W* w, const QString& nombre, const char* ayuda = nullptr) {
    w->setObjectName(nombre);
    if (ayuda && *ayuda) w->setToolTip(QString::fromUtf8(ayuda));
    return w;
}

}  // namespace

// ---------------------------------------------------------------------------
// The common dialogs

std::optional<std::string> DialogosOpcionesQt::Abrir(QWidget* padre, const std::string& titulo,
                                                     const std::string& filtro) {
    return plataforma::qt::DialogosComunesQt().Abrir(padre, {titulo, filtro, false});
}

std::optional<std::string> DialogosOpcionesQt::Guardar(QWidget* padre, const std::string& titulo,
                                                       const std::string& filtro, int contextoAyuda,
                                                       const std::string& carpeta) {
    QFileDialog dialogo(padre, Q(titulo), Q(carpeta));
    // The toolkit's own dialog, so that it can carry the Help button.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilters(plataforma::qt::ConvertirFiltro(filtro).split(";;"));
    dialogo.setLabelText(QFileDialog::Accept, "Guardar");
    dialogo.setLabelText(QFileDialog::Reject, "Cancelar");
    if (auto* botones = dialogo.findChild<QDialogButtonBox*>()) {
        botones->addButton(QDialogButtonBox::Help)->setText("Ayuda");
        QObject::connect(botones, &QDialogButtonBox::helpRequested, &dialogo, [&dialogo, contextoAyuda] {
            plataforma::qt::AbrirAyuda(&dialogo, plataforma::kFicheroAyuda, contextoAyuda);
        });
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return S(dialogo.selectedFiles().first());
}

void DialogosOpcionesQt::ConfigurarImpresora(QWidget* padre) {
    plataforma::qt::DialogosComunesQt().ConfigurarImpresora(padre);
}

std::pair<std::string, float> DialogosOpcionesQt::Fuente(QWidget* padre, const std::string& nombre, float puntos) {
    const QFont inicial = plataforma::FuenteInforme(nombre, puntos);
    const std::optional<QFont> f = PedirFuente(padre, inicial);
    if (!f || *f == inicial) return {nombre, puntos};
    return {S(f->family()), float(f->pointSizeF())};
}

std::optional<QFont> DialogosOpcionesQt::PedirFuente(QWidget* padre, const QFont& inicial) {
    // Where the family is missing the dialog shows the face that prints in its
    // place (its own list would fall back to a proportional one); accepted
    // unchanged, that is still the report's font.
    const QFontInfo impresa(inicial);
    QFont cara = inicial;
    cara.setFamily(impresa.family());
    cara.setStyleName(impresa.styleName());  // its upright face, as the dialog names it
    QFontDialog dialogo(cara, padre);
    dialogo.setWindowTitle("Fuente");
    const QFont mostrada = dialogo.currentFont();
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    const QFont f = dialogo.selectedFont();
    return f == mostrada ? inicial : f;
}

IDialogosOpciones& DialogosOpciones() {
    static DialogosOpcionesQt propios;
    return gDialogos ? *gDialogos : propios;
}

void EstablecerDialogosOpciones(IDialogosOpciones* dialogos) { gDialogos = dialogos; }

// ---------------------------------------------------------------------------
// Page preview panel

class PanelPagina : public QWidget {
public:
    explicit PanelPagina(QWidget* padre) : QWidget(padre) {}
    const DibujoPagina* dibujo = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!dibujo || dibujo->ancho <= 0) return;
        QPainter p(this);
        const DibujoPagina& d = *dibujo;
        const QRect caja = Rect(d.x0, d.y0, d.ancho, d.alto);
        p.fillRect(caja.translated(Px(50), Px(50)), ColorVB(0x808080));
        p.fillRect(caja, Qt::white);
        for (const LineaPagina& l : d.lineas) {
            p.setPen(QPen(ColorVB(l.color), 1));
            p.drawLine(Px(l.x1), Px(l.y1), Px(l.x2), Px(l.y2));
        }
    }
};

// ---------------------------------------------------------------------------
// Creation and loading

frmOpciones::frmOpciones(QWidget* padre, int16_t comando, IDialogosOpciones* dialogos)
    : QDialog(padre), comando_(comando), dialogos_(dialogos ? dialogos : &DialogosOpciones()) {
    setObjectName("frmOpciones");
    setModal(true);
    CrearControles();
    Form_Load();
}

frmOpciones::~frmOpciones() = default;

void frmOpciones::CrearControles() {
    tbsOptions_ = Nombrado(new QTabBar(this), "tbsOptions");
    tbsOptions_->setExpanding(false);
    for (const Pestana& p : kPestanas) {
        const int i = tbsOptions_->addTab(QString::fromUtf8(p.titulo));
        tbsOptions_->setTabData(i, p.clave);
        tbsOptions_->setTabToolTip(i, QString::fromUtf8(p.ayuda));
    }
    auto* area = new QWidget(this);
    auto* capas = new QGridLayout(area);
    capas->setContentsMargins(0, 0, 0, 0);
    picOptions_ = {CrearProcesador(), CrearHerramientas(), CrearEntorno(), CrearPagina(), CrearOpciones()};
    for (size_t i = 0; i < picOptions_.size(); ++i) {
        picOptions_[i]->setParent(area);
        picOptions_[i]->setObjectName(QString("picOptions%1").arg(i));
        capas->addWidget(picOptions_[i], 0, 0);
    }

    cmdOK_ = Nombrado(new QPushButton("Aceptar", this), "cmdOK");
    cmdCancel_ = Nombrado(new QPushButton("Cancelar", this), "cmdCancel");
    cmdApply_ = Nombrado(new QPushButton("Aplicar", this), "cmdApply");
    cmdOK_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cmdCancel_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cmdApply_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmOpciones::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply_, &QPushButton::clicked, this, &frmOpciones::cmdApply_Click);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    for (QPushButton* b : {cmdOK_, cmdCancel_, cmdApply_}) botones->addWidget(b);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(tbsOptions_);
    todo->addWidget(area, 1);
    todo->addLayout(botones);

    connect(tbsOptions_, &QTabBar::currentChanged, this, [this] {
        if (!mostrando_) tbsOptions_Click();
    });
    auto* ctrlTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(ctrlTab, &QShortcut::activated, this, &frmOpciones::SiguientePestana);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this,
            [this] { plataforma::qt::AbrirAyuda(this, plataforma::kFicheroAyuda, contextoAyuda_); });
}

// Radio buttons of one group: a click selects that option in the logic and
// runs the extra handler.
template <size_t N>
void Opciones(QGroupBox* grupo, std::array<QRadioButton*, N>& botones, const char* nombre,
              const std::array<const char*, N>& titulos, const std::array<const char*, N>& ayudas,
              QBoxLayout* capa, std::function<void(int)> clic) {
    for (size_t i = 0; i < N; ++i) {
        botones[i] = Nombrado(new QRadioButton(QString::fromUtf8(titulos[i]), grupo),
                              QString("%1%2").arg(nombre).arg(i), ayudas[i]);
        capa->addWidget(botones[i]);
        QObject::connect(botones[i], &QRadioButton::clicked, grupo, [clic, i] { clic(int(i)); });
    }
}

QWidget* frmOpciones::CrearProcesador() {
    auto* panel = new QWidget(this);
    auto* capa = new QGridLayout(panel);

    auto* mapa = Grupo("Mapa Memoria (*)", "Configura el Mapa de Memoria del Procesador Simulado", panel);
    auto* cm = new QVBoxLayout(mapa);
    const std::array<std::array<const char*, 3>, 5> cajas = {{
        {"ChkMemVect", "Vectores Interrupción", "Vectores de Interupcion (64 palabras)"},
        {"ChkMemRAM0", "RAM Bloque 0", "Memoria RAM - bloque 0 (1024 palabras)"},
        {"ChkMemRAM1", "RAM Bloque 1", "Memoria RAM Interna - Bloque 1 (1024 palabras)"},
        {"ChkMemROM", "ROM Interna", "Memoria ROM Interna - (4096 palabras)"},
        {"ChkMemPeri", "Periféricos DSP", "Mapeado de los registros de los periféricos (100 palabras)"},
    }};
    for (size_t i = 0; i < cajas.size(); ++i) {
        chkMem_[i] = Nombrado(new QCheckBox(QString::fromUtf8(cajas[i][1]), mapa), cajas[i][0], cajas[i][2]);
        cm->addWidget(chkMem_[i]);
        connect(chkMem_[i], &QCheckBox::clicked, this, [this, i](bool marcado) {
            logica_.c.chkMem[i] = marcado;
            logica_.ChkMem_Click(int(i));
            Mostrar();
        });
    }

    auto* modelo = Grupo("Modelo Procesador DSP (*)", "Modelo del procesados DSP Simulado (C30 o C31)", panel);
    auto* cmo = new QVBoxLayout(modelo);
    Opciones<2>(modelo, optModelo_, "OptModelo", {"TMS320C30", "TMS320C31"},
                {"El procesado simulado TMS320C30", "Procesador simulado MS320C31"}, cmo, [this](int i) {
                    logica_.OptModelo_Click(i);
                    Mostrar();
                });

    auto* modo = Grupo("Modo del Procesador (*)", "Selecciona el Modo del funcionamiento del procesador", panel);
    auto* cmd = new QVBoxLayout(modo);
    Opciones<2>(modo, optModo_, "OptModo", {"Modo Microprocesador (MP)", "Modo Microcontrolador (MC)"}, {"", ""},
                cmd, [this](int i) {
                    logica_.OptModo_Click(i);
                    Mostrar();
                });

    auto* ppl = Grupo("Modo de Simulacion de la PPL", "Selecciona el Modo de Simulacion", panel);
    auto* cp = new QVBoxLayout(ppl);
    Opciones<2>(ppl, optModoPPL_, "OptModoPPL", {"Con Estrucctura Pipeline", "Sin Estrucctura Pipeline"},
                {"La simulacion se realiza teniendo en cuenta la Estrucctura pipeline del TMS (Normal)",
                 "Simulacion sin tener en cuenta la estrucctura pipeline"},
                cp, [this](int i) { logica_.c.optModoPPL = i; });

    auto* frec = Grupo("Frecuencia", "Establece la frecuencia de trabajo del procesador (Simulacion temporal)", panel);
    auto* cf = new QHBoxLayout(frec);
    Opciones<4>(frec, optFrecuencia_, "OptFrecuencia", {"33 MHz", "27 MHz", "40 MHz", "50 MHz"}, {"", "", "", ""},
                cf, [this](int i) { logica_.c.optFrecuencia = i; });

    capa->addWidget(mapa, 0, 0, 2, 1);
    capa->addWidget(modelo, 2, 0);
    capa->addWidget(modo, 0, 1);
    capa->addWidget(ppl, 1, 1);
    capa->addWidget(frec, 2, 1);
    auto* nota = Nombrado(new QLabel(QString::fromUtf8("* Los cambios realizados en estas opciones no surten efecto "
                                                       "hasta que no se reinicializa la aplicación."),
                                     panel),
                          "Label3");
    nota->setWordWrap(true);
    capa->addWidget(nota, 3, 0, 1, 2);
    capa->setRowStretch(4, 1);
    return panel;
}

QWidget* frmOpciones::CrearHerramientas() {
    auto* panel = new QWidget(this);
    auto* capa = new QVBoxLayout(panel);
    struct Fila {
        Herramienta caja;
        const char* nombre;
        const char* ayuda;
        int boton;
        const char* ayudaBoton;
    };
    auto linea = [&](QGroupBox* g, QGridLayout* cg, int fila, const Fila& f, bool parametros) {
        txtHerramienta_[f.caja] = Nombrado(new QLineEdit(g), f.nombre, f.ayuda);
        cmdBuscarPath_[size_t(f.boton)] = Nombrado(new QPushButton(g), QString("CmdBuscarPath%1").arg(f.boton),
                                                   f.ayudaBoton);
        QPushButton* b = cmdBuscarPath_[size_t(f.boton)];
        if (parametros) {
            b->setText("...");
            auto* info = Nombrado(new QLabel("Parametros", g), "LblInfo");
            cg->addWidget(info, fila, 0);
        } else {
            b->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        }
        cg->addWidget(txtHerramienta_[f.caja], fila, 1);
        cg->addWidget(b, fila, 2);
        const Herramienta caja = f.caja;
        connect(txtHerramienta_[caja], &QLineEdit::textEdited, this,
                [this, caja](const QString& t) { logica_.c.herramientas[caja] = S(t); });
        const int indice = f.boton;
        connect(b, &QPushButton::clicked, this, [this, indice] { CmdBuscarPath_Click(indice); });
    };
    auto grupo = [&](const char* titulo, std::initializer_list<Fila> filas) {
        auto* g = new QGroupBox(QString::fromUtf8(titulo), panel);
        auto* cg = new QGridLayout(g);
        cg->setColumnStretch(1, 1);
        int n = 0;
        for (const Fila& f : filas) {
            linea(g, cg, n, f, n > 0);
            ++n;
        }
        capa->addWidget(g);
    };
    grupo("Calculadora", {{kCalculadora, "TxtCalculadora", "Ruta para la aplicación calculadora", 0,
                           "Busqueda de la ruta de la aplicación calculadora"}});
    grupo("Editor de Texto",
          {{kEditor, "TxtEditor", "Ruta del Editor de Texto", 1, "Busqueda de la ruta del Editor de Texto"},
           {kParamEditor, "TxtParamEditor", "Parametros que se pasan al Editor de Texto", 3,
            "Establecimiento Automatico de Parametros del Editor de Texto"}});
    grupo("Ensamblador DSK",
          {{kEnsamblador, "TxtEnsamblador", "Ruta del programa de Ensamblado", 2,
            "Busqueda de la ruta del programa de Ensamblado"},
           {kParamEnsamblador, "TxtParamEnsamblador", "Parametros que se pasa al programa de Ensamblado", 4,
            "Establecimiento Automatico de opciones del programa de ensamblado"}});
    grupo("Acceso al Módulo DSK", {{kModuloDSK, "TxtModuloDSK", "Ruta de la aplicación de comunicacion con el modulo DSK",
                                    5, "Busqueda de la ruta del programa de acceso al módulo DSK"}});
    capa->addStretch();

    // The template menus append their token to the box they belong to.
    auto menu = [this](const char* nombre, Herramienta plantilla, auto& parametros) {
        auto* m = new QMenu(this);
        m->setObjectName(nombre);
        for (const Parametro& p : parametros) {
            QAction* a = m->addAction(QString::fromUtf8(p.titulo));
            const std::string token = p.token;
            connect(a, &QAction::triggered, this, [this, plantilla, token] {
                logica_.AnadirParametro(plantilla, token);
                Mostrar();
            });
        }
        return m;
    };
    mnuParam_ = {menu("mnuAddParamEdit", kParamEditor, opciones::kTokensEditor),
                 menu("mnuAddParamAsm", kParamEnsamblador, opciones::kTokensEnsamblador)};
    return panel;
}

QWidget* frmOpciones::CrearOpciones() {
    auto* panel = new QWidget(this);
    auto* capa = new QGridLayout(panel);

    auto* reset = Grupo("Tipo de Reset (Inicialización)", nullptr, panel);
    auto* cr = new QVBoxLayout(reset);
    Opciones<2>(reset, optTipoReset_, "OptTipoReset", {"Reset Modulo DSK", "Reset Procesador CPU"},
                {"Realiza un reset como el modulo DSK. El PC se carga con el Punto de Entrada <ENTRY>",
                 "Reset del DSP. EL PC se carga con el vector de Reset (Vector 0)"},
                cr, [this](int i) { logica_.c.optTipoReset = i; });
    auto caja = [this](QWidget* padre, QBoxLayout* c, const char* nombre, const char* titulo, const char* ayuda,
                       bool EstadoControles::*campo) {
        auto* b = Nombrado(new QCheckBox(QString::fromUtf8(titulo), padre), nombre, ayuda);
        c->addWidget(b);
        connect(b, &QCheckBox::clicked, this, [this, campo](bool v) { logica_.c.*campo = v; });
        return b;
    };
    chkResetDSK_ = caja(reset, cr, "ChkResetDSK", "Realizar Reset al procesador al cargar un fichero DSK",
                        "Cuando esta activado, se realiza un reset cuando se carga un fichero DSK",
                        &EstadoControles::chkResetDSK);
    chkMarcasPaP_ = caja(reset, cr, "ChkMarcasPaP", "Comprobar Marcas de Ruptura en Ejecución paso a paso",
                         "Cuando está activada se comprueban las Marcas de Ruptura tamboien en la Ejecucion Paso a Paso",
                         &EstadoControles::chkMarcasPaP);

    auto* tempo = Grupo("Ejecución Temporizada ", "Establece las opciones de la Ejecución temporizada", panel);
    auto* ct = new QVBoxLayout(tempo);
    sldExeTemp_ = Nombrado(new QSlider(Qt::Horizontal, tempo), "SldExeTemp",
                           "Tiempo (en segs) de retardo entre instrucciones");
    sldExeTemp_->setRange(0, 5000);
    sldExeTemp_->setSingleStep(10);
    sldExeTemp_->setPageStep(100);
    sldExeTemp_->setTickInterval(1000);
    sldExeTemp_->setTickPosition(QSlider::TicksBelow);
    connect(sldExeTemp_, &QSlider::valueChanged, this, [this](int v) {
        if (mostrando_) return;
        logica_.SldExeTemp_Change(v);
        Mostrar();
    });
    auto* escala = Nombrado(new QLabel("0  1  2  3  4  5 (segs.)", tempo), "LblExeTemp0");
    lblExeTemp_ = Nombrado(new QLabel(tempo), "LblExeTemp1");
    const QFont fija = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lblExeTemp_->setFont(fija);
    // The scale's digits stand three characters apart in a fixed-pitch font;
    // the slider is made as long as that, so each digit sits under its tick.
    escala->setFont(fija);
    QStyleOptionSlider os;
    os.initFrom(sldExeTemp_);
    os.orientation = Qt::Horizontal;
    const int asa = sldExeTemp_->style()->pixelMetric(QStyle::PM_SliderLength, &os, sldExeTemp_);
    const int cifra = QFontMetrics(fija).horizontalAdvance('0');
    sldExeTemp_->setFixedWidth(15 * cifra + asa);
    auto* fila = new QHBoxLayout;
    fila->addWidget(sldExeTemp_);
    fila->addWidget(lblExeTemp_);
    fila->addStretch();
    auto* filaEscala = new QHBoxLayout;
    filaEscala->addSpacing(std::max(0, asa / 2 - cifra / 2));
    filaEscala->addWidget(escala);
    filaEscala->addStretch();
    ct->addLayout(fila);
    ct->addLayout(filaEscala);
    chkInfoMR_ = caja(tempo, ct, "ChkInfoMR", "Informar cuando ocurre una Marca de Ruptura en el codigo.",
                      "Activando esta casilla se avisa mediante un mensaje de cuando ocurre una Marca de Ruptura",
                      &EstadoControles::chkInfoMR);
    chkInfoPR_ = caja(tempo, ct, "ChkInfoPR", "Informar cuando ocurre un Punto de Ruptura en el codigo.",
                      "Activando esta casilla se avisa mediante un mensaje cuando ocurre un Punto de Ruptura",
                      &EstadoControles::chkInfoPR);

    auto* local = Grupo("Localizacion de la Ruptura",
                        "Establece en que lugar de la estrucctura pipeline se comprueban los Puntos y Marcas de Ruptura",
                        panel);
    auto* cl = new QVBoxLayout(local);
    Opciones<5>(local, optLocalRuptura_, "OptLocalRuptura",
                {"Contador Programa PC", "Unidad Busqueda", "Unidad Decodificacion", "Unidad Lectura",
                 "Unidad Ejecucion"},
                {"La  Ruptura se produce cuando el PC llega a la instruccion marcada",
                 "La Ruptura se produce cuando la instrucción marcada se encuentra en la unidad de <Busqueda>",
                 "La Ruptura se produce cuando la instrucción marcada se encuentra en la unidad de <Decodificación>",
                 "La Ruptura se produce cuando la instrucción marcada se encuentra en la unidad de <Lectura>",
                 "La Ruptura se produce cuando la instrucción marcada se encuentra en la unidad de <Ejecución>"},
                cl, [this](int i) { logica_.c.optLocalRuptura = i; });

    auto* mru = Grupo("Ficheros Recientemente Usados (MRUs)",
                      "Configuracion de la lista de ficheros recientemente usados", panel);
    auto* cmru = new QHBoxLayout(mru);
    cmru->addWidget(Nombrado(new QLabel("Numero de ficheros en la lista", mru), "LblInfoOpt"));
    cmbMRU_ = Nombrado(new QComboBox(mru), "CmbMRU", "Numero maximo de fichero que se almacenarar en la lista");
    for (int i = 1; i <= 10; ++i) cmbMRU_->addItem(QString::number(i));
    cmru->addWidget(cmbMRU_);
    connect(cmbMRU_, &QComboBox::activated, this, [this](int i) { logica_.CmbMRU_Click(i); });
    auto* limpiar = Nombrado(new QPushButton("Limpiar Lista", mru), "CmdClearMRU",
                             "Elimina la lista de ficheros recientemente usados");
    cmru->addWidget(limpiar);
    connect(limpiar, &QPushButton::clicked, this, [this] { logica_.CmdClearMRU_Click(); });

    capa->addWidget(reset, 0, 0);
    capa->addWidget(tempo, 1, 0);
    capa->addWidget(local, 0, 1);
    capa->addWidget(mru, 1, 1);
    capa->setRowStretch(2, 1);
    return panel;
}

QWidget* frmOpciones::CrearEntorno() {
    auto* panel = new QWidget(this);
    auto* capa = new QGridLayout(panel);
    const std::array<QStyle::StandardPixmap, 3> imagenes = {QStyle::SP_DialogSaveButton, QStyle::SP_FileDialogDetailedView,
                                                            QStyle::SP_FileIcon};
    auto* cimg = new QHBoxLayout;
    for (size_t i = 0; i < imgEntorno_.size(); ++i) {
        imgEntorno_[i] = Nombrado(new QLabel(panel), QString("ImgEntorno%1").arg(i));
        imgEntorno_[i]->setPixmap(style()->standardIcon(imagenes[i]).pixmap(32, 32));
        imgEntorno_[i]->hide();
        cimg->addWidget(imgEntorno_[i]);
    }
    capa->addLayout(cimg, 0, 0, 4, 1, Qt::AlignTop);

    struct Caja {
        CajaEntorno campo;
        const char* nombre;
        const char* titulo;
        int fila, columna;
    };
    const Caja cajas[] = {
        {kRegistros, "ChkRegistros", "Registros", 0, 1},
        {kDASM, "ChkDASM", "Codigo Desemsamblado DASM", 1, 1},
        {kMemoria, "ChkMemoria", "Memoria", 2, 1},
        {kTablaSect, "ChkTablaSect", "Tabla de Secciones", 0, 3},
        {kTablaRef, "ChkTablaRef", "Tabla de Referencia", 1, 3},
        {kPuntosRupt, "ChkPuntosRupt", "Lista de Puntos de Ruptura", 2, 3},
        {kMarcasRupt, "ChkMarcasRupt", "Lista de Marcas de Ruptura", 3, 3},
        {kResetENT, "ChkResetENT", "Relizar Inicialización de las estruccturas de datos al cargar el entorno", 6, 0},
    };
    // The dump's number format sits beside the memory box.
    cmbMemTipoDatos_ = Nombrado(new QComboBox(panel), "CmbMemTipoDatos");
    for (const char* f : kFormatos) cmbMemTipoDatos_->addItem(QString::fromUtf8(f));
    cmbMemTipoDatos_->setEnabled(false);
    for (const Caja& k : cajas) {
        auto* b = Nombrado(new QCheckBox(QString::fromUtf8(k.titulo), panel), k.nombre);
        chkEntorno_[k.campo] = b;
        if (k.campo == kResetENT) {
            capa->addWidget(b, k.fila, k.columna, 1, 4);
        } else if (k.campo == kMemoria) {
            auto* fila = new QHBoxLayout;
            fila->addWidget(b);
            fila->addWidget(cmbMemTipoDatos_);
            fila->addStretch();
            capa->addLayout(fila, k.fila, k.columna, 1, 2);
        } else {
            capa->addWidget(b, k.fila, k.columna);
        }
        const CajaEntorno campo = k.campo;
        connect(b, &QCheckBox::clicked, this, [this, campo](bool v) { logica_.c.chkEntorno[campo] = v; });
    }
    chkEntorno_[kResetENT]->hide();
    connect(cmbMemTipoDatos_, &QComboBox::activated, this, [this](int i) { logica_.c.cmbMemTipoDatos = i; });

    gridSecc_ = Nombrado(new QTableWidget(0, 4, panel), "GridSecc");
    gridSecc_->verticalHeader()->hide();
    gridSecc_->horizontalHeader()->setHighlightSections(false);
    gridSecc_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridSecc_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridSecc_->setItemDelegate(new DelegadoMarca(gridSecc_));
    gridSecc_->setMinimumHeight(120);
    gridSecc_->setWordWrap(false);
    capa->addWidget(gridSecc_, 5, 0, 1, 4);
    connect(gridSecc_, &QTableWidget::cellDoubleClicked, this,
            [this](int fila, int columna) { EditarSeccionImpresion(fila + 1, columna); });

    frameLimit_ = Nombrado(new QFrame(panel), "FrameLimit");
    frameLimit_->setFrameStyle(QFrame::Box | QFrame::Plain);
    frameLimit_->setGeometry(Rect(0, 0, 2070, 390));
    frameLimit_->setAutoFillBackground(true);
    sldLimit_ = Nombrado(new QSlider(Qt::Horizontal, frameLimit_), "SldLimit");
    sldLimit_->setRange(0, kSliderMax);
    sldLimit_->setPageStep(50);
    sldLimit_->setSingleStep(1);
    sldLimit_->setTickInterval(50);
    sldLimit_->setTickPosition(QSlider::TicksBelow);
    sldLimit_->setGeometry(frameLimit_->rect().adjusted(2, 1, -2, -1));
    sldLimit_->installEventFilter(this);
    frameLimit_->hide();
    connect(sldLimit_, &QSlider::valueChanged, this, &frmOpciones::AjustarLimiteSeccion);
    capa->setColumnStretch(2, 1);
    return panel;
}

QWidget* frmOpciones::CrearPagina() {
    auto* panel = new PanelPagina(this);
    panelPagina_ = panel;
    panel->dibujo = &dibujo_;
    panel->setFixedSize(Px(6195), Px(3960));
    QFont tahoma("Tahoma");
    tahoma.setPointSizeF(8.25);
    QFont negrita = tahoma;
    negrita.setBold(true);
    panel->setFont(tahoma);

    auto* img = Nombrado(new QLabel(panel), "ImgPagina");
    img->setGeometry(Rect(150, 180, 600, 600));
    img->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(40, 40));

    auto etiqueta = [](QWidget* padre, int indice, const char* texto, QRect r) {
        auto* l = Nombrado(new QLabel(QString::fromUtf8(texto), padre), QString("LblPrinter%1").arg(indice));
        l->move(r.topLeft());
        l->adjustSize();
        return l;
    };
    auto* marco = Nombrado(new QGroupBox("Margenes (mm)", panel), "FrmMargenes");
    marco->setGeometry(Rect(3690, 90, 2295, 1890));
    struct Caja {
        Margen m;
        const char* nombre;
        const char* titulo;
        QRect etiqueta, caja;
        uint32_t color;
    };
    const Caja cajas[] = {
        {kSup, "TxtMgSup", "Superior", Rect(165, 240, 600, 195), Rect(1260, 210, 900, 240), 0xFF},
        {kInf, "TxtMgInf", "Inferior", Rect(165, 510, 540, 195), Rect(1260, 495, 900, 240), 0xFF},
        {kDer, "TxtMgDer", "Derecho", Rect(165, 765, 615, 195), Rect(1260, 750, 900, 240), 0xFF},
        {kIzq, "TxtMgIzq", "Izquierdo", Rect(165, 1035, 675, 195), Rect(1260, 1020, 900, 240), 0xFF},
        {kCab, "TxtMgCab", "Encabezado", Rect(165, 1305, 870, 195), Rect(1260, 1275, 900, 240), 0x8000},
        {kPie, "TxtMgPie", "Pie de Página", Rect(165, 1560, 1005, 240), Rect(1260, 1560, 900, 240), 0x8000},
    };
    int indice = 0;
    for (const Caja& k : cajas) {
        etiqueta(marco, indice++, k.titulo, k.etiqueta);
        auto* t = Nombrado(new QLineEdit(marco), k.nombre);
        t->setGeometry(k.caja);
        t->setFont(negrita);
        QPalette pal = t->palette();
        pal.setColor(QPalette::Text, ColorVB(k.color));
        t->setPalette(pal);
        t->installEventFilter(this);
        txtMargen_[k.m] = t;
        const Margen m = k.m;
        connect(t, &QLineEdit::textEdited, this, [this, m](const QString& s) { logica_.c.margenes[m] = S(s); });
    }

    etiqueta(panel, 8, "Numero de Copias", Rect(3810, 2175, 1290, 195));
    txtCopias_ = Nombrado(new QLineEdit(panel), "TxtCopias");
    txtCopias_->setGeometry(Rect(5235, 2145, 720, 285));
    connect(txtCopias_, &QLineEdit::textEdited, this, [this](const QString& s) {
        logica_.c.copias = S(s);
        // The printer holds the working copy, as it does the font: the count Aplicar would store.
        if (plataforma::IImpresora* imp = plataforma::Impresora())
            imp->Copies(std::max<int>(TextoANumero16(logica_.c.copias), 1));
    });
    etiqueta(panel, 9, "Calidad", Rect(3795, 2565, 525, 195));
    sldCalidad_ = Nombrado(new QSlider(Qt::Horizontal, panel), "SldCalidad");
    sldCalidad_->setGeometry(Rect(4365, 2490, 1650, 465));
    sldCalidad_->setRange(1, 4);
    sldCalidad_->setSingleStep(1);
    sldCalidad_->setPageStep(1);
    sldCalidad_->setTickPosition(QSlider::TicksBelow);
    connect(sldCalidad_, &QSlider::valueChanged, this, [this](int v) {
        if (!mostrando_) logica_.c.sldCalidad = v;
    });
    etiqueta(panel, 10, "Baja                        Alta", Rect(4290, 2925, 1680, 210));

    const std::array<std::pair<const char*, QRect>, 2> botones = {{{"Opciones", Rect(4845, 3225, 1080, 630)},
                                                                    {"Fuente", Rect(3690, 3225, 1080, 630)}}};
    const std::array<QStyle::StandardPixmap, 2> iconos = {QStyle::SP_FileDialogInfoView, QStyle::SP_FileDialogContentsView};
    for (int i = 0; i < 2; ++i) {
        auto* b = Nombrado(new QPushButton(botones[size_t(i)].first, panel), QString("CmdImpresora%1").arg(i));
        b->setGeometry(botones[size_t(i)].second);
        b->setIcon(style()->standardIcon(iconos[size_t(i)]));
        b->setIconSize(QSize(16, 16));
        connect(b, &QPushButton::clicked, this, [this, i] { CmdImpresora_Click(i); });
    }
    for (auto [i, texto, y] : {std::tuple{6, "Impresora:", 3285}, std::tuple{7, "Fuente:", 3600}}) {
        QLabel* l = etiqueta(panel, i, texto, Rect(75, y, 0, 0));
        l->setFont(negrita);
        l->adjustSize();
    }
    const std::array<QRect, 4> papel = {QRect(), QRect(), Rect(1080, 3315, 2460, 240), Rect(1020, 3600, 2520, 225)};
    for (size_t i = 0; i < lblPaper_.size(); ++i) {
        lblPaper_[i] = Nombrado(new QLabel(panel), QString("LblPaper%1").arg(i));
        if (i >= 2) lblPaper_[i]->setGeometry(papel[i]);
    }
    return panel;
}

void frmOpciones::Form_Load() {
    mostrando_ = true;
    const ModoDialogo modo = Modo(comando_, gHayImpresora);
    // Tabs the mode does not offer go; in options mode "ProcesadorDSP" is
    // selected before "Pagina" is removed.
    for (int i = tbsOptions_->count() - 1; i >= 0; --i) {
        const std::string clave = S(tbsOptions_->tabData(i).toString());
        if (std::find(modo.pestanas.begin(), modo.pestanas.end(), clave) == modo.pestanas.end())
            tbsOptions_->removeTab(i);
    }
    for (int i = 0; i < tbsOptions_->count(); ++i) {
        const std::string clave = S(tbsOptions_->tabData(i).toString());
        if (clave == "Entorno") tbsOptions_->setTabText(i, Q(modo.tituloEntorno));
        if (clave == modo.primera) tbsOptions_->setCurrentIndex(i);
    }
    chkEntorno_[kResetENT]->setVisible(modo.resetEntVisible);
    cmbMemTipoDatos_->setEnabled(modo.tipoDatosHabilitado);
    imgEntorno_[size_t(modo.imagen)]->show();
    setWindowTitle(Q(modo.titulo));

    gridSecc_->setHorizontalHeaderLabels({"Seccion de Memorial", "Sel", "Desde", "Hasta"});
    const std::array<int, 4> anchos = {2000, 700, 1450, 1450};
    const std::array<Qt::Alignment, 4> alineacion = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                                     Qt::AlignRight | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter};
    for (int col = 0; col < 4; ++col) {
        gridSecc_->setColumnWidth(col, Px(anchos[size_t(col)]));
        gridSecc_->horizontalHeaderItem(col)->setTextAlignment(alineacion[size_t(col)]);
    }

    logica_.CargarDatos();
    if (plataforma::IImpresora* imp = plataforma::Impresora()) {
        imp->Copies(NumCopias);
        calidadImpresora_ = imp->PrintQuality();
    }
    LlenarSecciones();
    Mostrar();
    mostrando_ = false;
    tbsOptions_Click();
    logica_.CambiosReinicio = false;

    // Room for the largest panel, so that changing tabs does not resize the dialog.
    QSize mayor;
    for (QWidget* p : picOptions_) mayor = mayor.expandedTo(p->sizeHint());
    picOptions_[0]->parentWidget()->setMinimumSize(mayor);
    adjustSize();
    if (const QScreen* pantalla = screen()) {
        const QRect p = pantalla->geometry();
        move(p.x() + (p.width() - width()) / 2, p.y() + (p.height() - height()) / 2);
    }
    QApplication::restoreOverrideCursor();
}

void frmOpciones::Mostrar() {
    const bool antes = mostrando_;
    mostrando_ = true;
    const EstadoControles& c = logica_.c;
    auto opcion = [](auto& botones, int indice) {
        if (indice >= 0 && size_t(indice) < botones.size()) botones[size_t(indice)]->setChecked(true);
    };
    opcion(optModelo_, c.optModelo);
    opcion(optModo_, c.optModo);
    opcion(optModoPPL_, c.optModoPPL);
    opcion(optLocalRuptura_, c.optLocalRuptura);
    opcion(optTipoReset_, c.optTipoReset);
    opcion(optFrecuencia_, c.optFrecuencia);
    chkInfoMR_->setChecked(c.chkInfoMR);
    chkInfoPR_->setChecked(c.chkInfoPR);
    chkMarcasPaP_->setChecked(c.chkMarcasPaP);
    chkResetDSK_->setChecked(c.chkResetDSK);
    for (size_t i = 0; i < chkMem_.size(); ++i) chkMem_[i]->setChecked(c.chkMem[i]);
    chkMem_[kMemROM]->setEnabled(c.memROMHabilitada);
    auto texto = [](QLineEdit* t, const std::string& s) {
        if (t->text() != Q(s)) t->setText(Q(s));
    };
    for (size_t i = 0; i < txtHerramienta_.size(); ++i) texto(txtHerramienta_[i], c.herramientas[i]);
    for (size_t i = 0; i < chkEntorno_.size(); ++i) chkEntorno_[i]->setChecked(c.chkEntorno[i]);
    cmbMemTipoDatos_->setCurrentIndex(c.cmbMemTipoDatos);
    cmbMRU_->setCurrentIndex(c.cmbMRU);
    for (size_t i = 0; i < txtMargen_.size(); ++i) texto(txtMargen_[i], c.margenes[i]);
    texto(txtCopias_, c.copias);
    sldCalidad_->setValue(c.sldCalidad);
    sldExeTemp_->setValue(c.sldExeTemp);
    lblExeTemp_->setText(Q(c.lblExeTemp));
    mostrando_ = antes;
}

// ---------------------------------------------------------------------------
// Tabs and buttons

std::string frmOpciones::PestanaActual() const {
    const int i = tbsOptions_->currentIndex();
    return i < 0 ? std::string() : S(tbsOptions_->tabData(i).toString());
}

void frmOpciones::tbsOptions_Click() {
    for (QWidget* p : picOptions_) {
        p->hide();
        p->setEnabled(false);
    }
    const std::string clave = PestanaActual();
    const int panel = PanelPestana(clave);
    if (panel < 0) return;
    picOptions_[size_t(panel)]->show();
    picOptions_[size_t(panel)]->setEnabled(true);
    contextoAyuda_ = ContextoPestana(clave, comando_);
    setProperty("contextoAyuda", contextoAyuda_);
    if (clave == "Pagina") DibujarPagina();
}

void frmOpciones::SiguientePestana() {
    const int n = tbsOptions_->count();
    if (n == 0) return;
    const int i = tbsOptions_->currentIndex();
    {
        const QSignalBlocker b(tbsOptions_);
        tbsOptions_->setCurrentIndex(i == n - 1 || i < 0 ? 0 : i + 1);
    }
    // A tab selected from code runs the handler, also when it was selected already.
    tbsOptions_Click();
}

void frmOpciones::SalvarDatos() {
    logica_.SalvarDatos();
    // Applying may have corrected a margin or the copies.
    Mostrar();
    if (frmMain* m = VentanaMain()) m->Inicializar();
    // What the user applied is on the disk at once, not only at exit.
    GuardarOpciones();
}

void frmOpciones::cmdApply_Click() { SalvarDatos(); }

void frmOpciones::cmdOK_Click() {
    cmdApply_Click();
    if (comando_ == kSalvarEntorno) {
        frmMain* m = VentanaMain();
        const auto ruta = dialogos_->Guardar(this, "Especifica archivo para salvar el Entorno", kFiltroEntorno, 100,
                                             m ? m->CarpetaInicial(TipoFichero::Entorno) : std::string());
        if (ruta && !ruta->empty()) {
            if (m) m->CarpetaUsada(TipoFichero::Entorno, *ruta);
            SalvarEntorno(*ruta);
        }
    } else if (comando_ == kImprimir) {
        ImprimirEntorno();
    }
    accept();
}

bool frmOpciones::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == sldLimit_ && e->type() == QEvent::FocusOut) {
        frameLimit_->hide();
    } else if (auto* t = qobject_cast<QLineEdit*>(objeto)) {
        const auto it = std::find(txtMargen_.begin(), txtMargen_.end(), t);
        if (it != txtMargen_.end()) {
            if (e->type() == QEvent::FocusIn) {
                // After the click that gave the focus has placed the cursor.
                QTimer::singleShot(0, t, [t] { t->setSelection(0, int(t->text().size())); });
            } else if (e->type() == QEvent::FocusOut) {
                logica_.Margen_LostFocus(Margen(it - txtMargen_.begin()));
                DibujarPagina();
            }
        }
    }
    return QDialog::eventFilter(objeto, e);
}

// ---------------------------------------------------------------------------
// Tools tab

void frmOpciones::CmdBuscarPath_Click(int indice) {
    if (indice == 3 || indice == 4) {
        mnuParam_[indice == 3 ? 0 : 1]->popup(QCursor::pos());
        return;
    }
    struct Destino {
        const char* titulo;
        Herramienta caja;
    };
    static constexpr Destino kDestinos[] = {{"Calculadora", kCalculadora},
                                            {"Editor", kEditor},
                                            {"Ensamblador", kEnsamblador},
                                            {"", kCalculadora},
                                            {"", kCalculadora},
                                            {"Acceso al Modulo DSK (DSK Debugger)", kModuloDSK}};
    if (indice < 0 || indice > 5) return;
    const Destino& d = kDestinos[indice];
    const auto ruta = dialogos_->Abrir(this, d.titulo, kFiltroProgramas);
    if (!ruta) return;
    logica_.RutaElegida(d.caja, *ruta);
    Mostrar();
}

// ---------------------------------------------------------------------------
// Environment tab: the section grid

void frmOpciones::PonerMarca(int fila, bool seleccionada) {
    auto* item = gridSecc_->item(fila - 1, 1);
    if (!item) {
        item = new QTableWidgetItem;
        gridSecc_->setItem(fila - 1, 1, item);
    }
    item->setIcon(seleccionada ? cmdOK_->icon() : cmdCancel_->icon());
    item->setTextAlignment(Qt::AlignCenter);
}

void frmOpciones::LlenarSecciones() {
    const std::vector<FilaSeccion> filas = FilasSecciones();
    gridSecc_->setRowCount(int(filas.size()));
    for (size_t i = 0; i < filas.size(); ++i) {
        const int f = int(i);
        auto celda = [&](int col, const std::string& texto, Qt::Alignment a) {
            auto* item = new QTableWidgetItem(Q(texto));
            item->setTextAlignment(a);
            gridSecc_->setItem(f, col, item);
        };
        celda(0, filas[i].nombre, Qt::AlignLeft | Qt::AlignVCenter);
        PonerMarca(f + 1, filas[i].seleccionada);
        celda(2, filas[i].desde, Qt::AlignRight | Qt::AlignVCenter);
        celda(3, filas[i].hasta, Qt::AlignRight | Qt::AlignVCenter);
    }
    // Filling leaves the last region's "Sel" cell current, as a place and not
    // as a selection.
    if (!filas.empty())
        gridSecc_->selectionModel()->setCurrentIndex(gridSecc_->model()->index(int(filas.size()) - 1, 1),
                                                     QItemSelectionModel::NoUpdate);
}

void frmOpciones::EditarSeccionImpresion(int fila, int columna) {
    if (!limite_.DobleClic(fila, columna)) {
        if (columna == 1 && gMemoria && fila >= 1 && fila <= gMemoria->NumSecciones())
            PonerMarca(fila, gMemoria->TablaAsig(fila).PrnOK());
        return;
    }
    {
        const QSignalBlocker b(sldLimit_);
        sldLimit_->setSingleStep(limite_.PasoPequeno());
    }
    const int x = gridSecc_->x() + gridSecc_->viewport()->x() + gridSecc_->columnViewportPosition(columna);
    const int y = gridSecc_->y() + gridSecc_->viewport()->y() + gridSecc_->rowViewportPosition(fila - 1) +
                  gridSecc_->rowHeight(fila - 1);
    frameLimit_->move(x, y);
    frameLimit_->show();
    frameLimit_->raise();
    sldLimit_->setFocus();
}

void frmOpciones::AjustarLimiteSeccion(int posicion) {
    const std::string texto = limite_.Cambio(posicion);
    if (texto.empty()) return;
    if (QTableWidgetItem* item = gridSecc_->item(limite_.fila - 1, limite_.columna)) item->setText(Q(texto));
}

// ---------------------------------------------------------------------------
// Page tab

void frmOpciones::DibujarPagina() {
    const plataforma::IImpresora* imp = plataforma::Impresora();
    if (!imp) {
        dibujo_ = {};
        panelPagina_->update();
        return;
    }
    dibujo_ = CalcularPagina(imp->PageWidth(), imp->PageHeight(), imp->Orientation(), logica_.twips);
    const std::array<std::string, 2> textos = {dibujo_.textoAncho, dibujo_.textoAlto};
    for (int i = 0; i < 2; ++i) {
        QLabel* l = lblPaper_[size_t(i)];
        l->setText(Q(textos[size_t(i)]));
        l->adjustSize();
        const auto pos = PosicionEtiqueta(i, imp->Orientation(), l->width() * kTwipsPorPixel,
                                          l->height() * kTwipsPorPixel);
        l->move(Px(pos[0]), Px(pos[1]));
    }
    lblPaper_[2]->setText(Q(TextoImpresora(imp->DeviceName(), imp->Port())));
    lblPaper_[3]->setText(Q(TextoFuente(imp->FontName(), imp->FontSize())));
    // The copies box and the quality slider take the printer's values only when
    // the printer set-up changed them, so what is stored or typed stays.
    if (TextoANumero16(logica_.c.copias) != imp->Copies()) logica_.c.copias = std::to_string(imp->Copies());
    if (imp->PrintQuality() != calidadImpresora_) {
        calidadImpresora_ = imp->PrintQuality();
        logica_.c.sldCalidad = std::clamp(-calidadImpresora_, 1, 4);
    }
    Mostrar();
    panelPagina_->update();
}

namespace {

// A size the font dialog allows beyond the range the FontSize setting keeps
// is brought into that range, so the report prints what is stored.
float TamanoFuenteAdmitido(float puntos) {
    for (const AjustePrograma& fila : TablaAjustes())
        if (fila.clave == "FontSize")
            return float(std::clamp(double(puntos), fila.minimo, fila.maximo));
    return puntos;
}

}  // namespace

void frmOpciones::CmdImpresora_Click(int indice) {
    if (indice == 0) {
        dialogos_->ConfigurarImpresora(this);
    } else if (plataforma::IImpresora* imp = plataforma::Impresora()) {
        const auto [nombre, puntos] = dialogos_->Fuente(this, imp->FontName(), imp->FontSize());
        imp->FontName(nombre);
        imp->FontSize(TamanoFuenteAdmitido(puntos));
    }
    tbsOptions_Click();
}

// ---------------------------------------------------------------------------
// The commands that open the dialog

namespace {

void AbrirOpciones(frmMain& f, int16_t comando, const char* estado) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    f.InfoBar(estado);
    frmOpciones dialogo(&f, comando);
    dialogo.exec();
}

const bool registrados = [] {
    RegistrarComando("mnuToolsOpciones", [](frmMain& f) {
        AbrirOpciones(f, kOpciones, "Dialogo de Opciones de Configuracion");
        const std::pair<const char*, const std::string*> herramientas[] = {
            {"mnuToolsCalc", &Calculadora}, {"mnuToolsEdit", &Editor}, {"mnuToolsComp", &Ensamblador}};
        for (const auto& [item, ruta] : herramientas)
            if (f.ComandoDisponible(item)) f.Accion(item)->setEnabled(!ruta->empty());
    });
    RegistrarComando("mnuFileSalvEnt", [](frmMain& f) {
        AbrirOpciones(f, kSalvarEntorno, "Dialogo de establecimiento de opciones para salvar el entorno");
    });
    RegistrarComando("mnuFilePrint", [](frmMain& f) { AbrirOpciones(f, kImprimir, "Dialogo de Impresion"); });
    return true;
}();

}  // namespace
