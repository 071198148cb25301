#include "views/FrmRegistros.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "views/AjustesVista.h"
#include "views/EnlacePrincipal.h"

using L = LogicaRegistros;

namespace {

const bool registrada = RegistrarVista(TipoVista::Registros, [] { return new FrmRegistros; });

int Px(int32_t twips) { return twips / 15; }
double Tw(int px) { return px * 15.0; }
QRect Rectangulo(const disposicion::Rect& r) { return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)}; }

QFont Fuente(const char* nombre, bool negrita = false) {
    QFont f(nombre);
    if (QString(nombre) == "Courier New") f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(8.25);
    f.setBold(negrita);
    return f;
}

// The main window's format pop-up (or, with no main window, one of our own
// with the same five items).
class MenuFormatoPrincipal final : public IMenuFormato {
public:
    explicit MenuFormatoPrincipal(QWidget* dueno) : dueno_(dueno) {
        menu_ = enlace::Menu("PopMnuFormato");
        if (menu_) {
            for (int k = 0; k < 5; ++k) acciones_[k] = enlace::Accion(("mnuFormato" + std::to_string(k)).c_str());
            return;
        }
        propio_ = std::make_unique<QMenu>(dueno_);
        static const char* textos[5] = {"&Hexadecimal", "&Entero sin signo", "Entero con &Signo",
                                        "Punto Flotante &TMS", "Punto Flotante &IEEE"};
        for (int k = 0; k < 5; ++k) {
            acciones_[k] = propio_->addAction(textos[k]);
            acciones_[k]->setCheckable(true);
            QObject::connect(acciones_[k], &QAction::triggered, [k] { enlace::ResultadoPopUpMenu(int16_t(k)); });
        }
        menu_ = propio_.get();
    }
    int16_t ResultadoPopUpMenu() const override { return enlace::ResultadoPopUpMenu(); }
    void ResultadoPopUpMenu(int16_t v) override { enlace::ResultadoPopUpMenu(v); }
    void Elemento(int16_t k, bool marcado, bool activo) override {
        if (QAction* a = acciones_[k]) {
            a->setCheckable(true);
            a->setChecked(marcado);
            a->setEnabled(activo);
        }
    }
    void Mostrar() override { menu_->exec(QCursor::pos()); }

private:
    QWidget* dueno_;
    QMenu* menu_ = nullptr;
    std::unique_ptr<QMenu> propio_;
    QAction* acciones_[5] = {};
};

// Our own pictures of the four buttons of the ST row.
QIcon Dibujo(int cual) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x20, 0x20, 0x80), 2));
    if (cual == 0) {   // clear the marks: an italic "A" struck through
        QFont f("Times");
        f.setItalic(true);
        f.setPixelSize(14);
        g.setFont(f);
        g.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "A");
        g.setPen(QPen(Qt::red, 2));
        g.drawLine(2, 14, 14, 2);
    } else if (cual == 1) {   // reset: a round arrow
        g.drawArc(QRect(3, 3, 10, 10), 60 * 16, 280 * 16);
        g.setBrush(QColor(0x20, 0x20, 0x80));
        const QPoint punta[3] = {{9, 1}, {14, 4}, {9, 7}};
        g.drawPolygon(punta, 3);
    } else {   // unfold (down) or fold (up)
        g.setBrush(QColor(0x20, 0x20, 0x80));
        const bool abajo = cual == 2;
        const QPoint t[3] = {{3, abajo ? 5 : 11}, {13, abajo ? 5 : 11}, {8, abajo ? 12 : 4}};
        g.drawPolygon(t, 3);
    }
    return QIcon(p);
}

QToolButton* BotonDibujo(QWidget* padre, int cual, const char* nombre, const char* ayuda,
                         const disposicion::Rect& r) {
    auto* b = new QToolButton(padre);
    b->setObjectName(nombre);
    b->setIcon(Dibujo(cual));
    b->setToolTip(QString::fromUtf8(ayuda));
    b->setGeometry(Rectangulo(r));
    return b;
}

}  // namespace

CajaRegistro::CajaRegistro(FrmRegistros& ventana, L::Arreglo a, int i, QWidget* padre)
    : QLineEdit(padre), ventana_(ventana), arreglo_(a), indice_(i) {}

// Another window (a message box, another program) taking the focus and giving
// it back is no leaving and entering of the box: its edit goes on.
void CajaRegistro::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason && ventana_.EnEdicion(arreglo_, indice_)) return;
    ventana_.Entrar(arreglo_, indice_);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void CajaRegistro::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason) return;
    ventana_.Salir(arreglo_, indice_);
}

void CajaRegistro::keyPressEvent(QKeyEvent* e) {
    const int tecla = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) ? 13
                      : e->key() == Qt::Key_Escape                             ? 27
                                                                               : 0;
    if (tecla != 0 && ventana_.Tecla(arreglo_, indice_, tecla)) {
        e->accept();
        return;
    }
    if (tecla == 27) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

FrmRegistros::FrmRegistros(QWidget* padre) : QWidget(padre) {
    setWindowTitle("Registros DSP");
    const QFont courier = Fuente("Courier New"), tahoma = Fuente("Tahoma"), negrita = Fuente("Tahoma", true);
    auto crearCaja = [&](L::Arreglo a, int i, const disposicion::Rect& rb, const disposicion::Rect& rc) {
        auto* b = new QPushButton(QString::fromStdString(L::Boton(a, i)), this);
        b->setObjectName(QString("CmdReg%1_%2").arg(int(a)).arg(i));
        b->setFont(tahoma);
        b->setGeometry(Rectangulo(rb));
        b->setFocusPolicy(Qt::NoFocus);
        auto* c = new CajaRegistro(*this, a, i, this);
        c->setObjectName(QString("TxtReg%1_%2").arg(int(a)).arg(i));
        c->setFont(courier);
        c->setGeometry(Rectangulo(rc));
        c->setToolTip(QString::fromStdString(L::AyudaCaja(a, i)));
        botones_[a][size_t(i)] = b;
        cajas_[a][size_t(i)] = c;
        if (a == L::kTxtRegBIT) {
            connect(b, &QPushButton::clicked, this, [this, i] {
                logica_.CmdRegBIT_Click(i);
                ColocarPaneles();
            });
        } else {
            connect(b, &QPushButton::clicked, this, [this, a, i] {
                MenuFormatoPrincipal menu(this);
                logica_.CmdReg_Click(a, i, menu);
                Mostrar();
            });
        }
    };
    for (int i = 0; i < 17; ++i) crearCaja(L::kTxtReg, i, disposicion::CmdReg(i), disposicion::TxtReg(i));
    for (int i = 0; i < 8; ++i) crearCaja(L::kTxtRegEXT, i, disposicion::CmdRegEXT(i), disposicion::TxtRegEXT(i));
    for (int i = 0; i < 4; ++i) crearCaja(L::kTxtRegBIT, i, disposicion::CmdRegBIT(i), disposicion::TxtRegBIT(i));
    QFont pc = negrita;
    cajas_[L::kTxtReg][0]->setFont(pc);
    QPalette azul = cajas_[L::kTxtReg][0]->palette();
    azul.setColor(QPalette::Text, QColor(0x00, 0x00, 0xC0));
    cajas_[L::kTxtReg][0]->setPalette(azul);

    limpiar_ = BotonDibujo(this, 0, "CmdLimpiar", "Limpia el resaltado de los registros modificados",
                           disposicion::CmdLimpiar());
    reset_ = BotonDibujo(this, 1, "CmdResetReg", "Resetea los Registros a sus valores iniciales",
                         disposicion::CmdResetReg());
    masInfo_[0] = BotonDibujo(this, 2, "CmdMasInfo0", "Expandir el panel de Registros Especiales (*)",
                              disposicion::CmdMasInfo(0));
    masInfo_[1] = BotonDibujo(this, 3, "CmdMasInfo1", "Contraer el panel de Registros Especiales (*)",
                              disposicion::CmdMasInfo(1));
    connect(limpiar_, &QToolButton::clicked, this, [this] {
        logica_.CmdLimpiar();
        Mostrar();
    });
    connect(reset_, &QToolButton::clicked, this, [this] {
        logica_.CmdResetReg();
        Mostrar();
    });
    for (int i = 0; i < 2; ++i)
        connect(masInfo_[size_t(i)], &QToolButton::clicked, this, [this, i] {
            logica_.CmdMasInfo_Click(i);
            CambiarAltura();
        });

    static const char* vistas[4] = {"ST", "IF", "IE", "IOF"};
    for (int i = 0; i < 4; ++i) {
        auto* v = new QPushButton(vistas[i], this);
        v->setObjectName(QString("CmdViewBIT%1").arg(i));
        v->setFont(negrita);
        v->setGeometry(Rectangulo(disposicion::CmdViewBIT(i)));
        v->setFocusPolicy(Qt::NoFocus);
        verBIT_[size_t(i)] = v;
        CrearPanel(i);
    }
    resize(Px(disposicion::kAnchoVentana), Px(disposicion::kAltoVentana));
}

// One panel of check boxes, bits from the highest on the left down to bit 0.
void FrmRegistros::CrearPanel(int i) {
    const auto p = L::PanelBIT(i);
    auto* panel = new QFrame(this);
    panel->setObjectName(QString("PicRegBIT%1").arg(i));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setGeometry(Rectangulo(disposicion::PicRegBIT(i)));
    paneles_[size_t(i)] = panel;
    QFont chica("Tahoma");
    chica.setPixelSize(8);
    chica.setLetterSpacing(QFont::PercentageSpacing, 90);
    // Three-letter names ("OVM", "LUF") over 16-pixel columns: narrower letters.
    QFont estrecha = chica;
    estrecha.setStretch(80);
    const int ancho = Px(disposicion::PicRegBIT(i).width);
    auto etiqueta = [&](const QString& texto, int x, int y, int w) {
        auto* l = new QLabel(texto, panel);
        l->setFont(estrecha);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(x, y, w, 10);
    };
    auto casilla = [&](int bit, int x, int y, const QString& texto) {
        auto* c = new QCheckBox(texto, panel);
        c->setObjectName(QString("Chc%1_%2").arg(i).arg(bit));
        c->setFont(chica);
        c->setToolTip(QString::fromStdString(L::AyudaCasilla(p, bit)));
        c->setGeometry(x, y, texto.isEmpty() ? 16 : 35, 16);
        c->setFocusPolicy(Qt::NoFocus);
        casillas_[size_t(i)][size_t(bit)] = c;
        connect(c, &QCheckBox::clicked, this, [this, p, bit](bool marcada) {
            logica_.Chc_Click(p, bit, marcada);
            Mostrar();
        });
    };
    if (p == L::kIOF) {
        static const int bits[6] = {7, 6, 5, 3, 2, 1};
        // Two groups of three captioned boxes across the panel's width.
        constexpr int paso = 35, hueco = 6;
        etiqueta("XF1", 2, 2, 3 * paso);
        etiqueta("XF0", 2 + 3 * paso + hueco, 2, 3 * paso);
        for (int k = 0; k < 6; ++k)
            casilla(bits[k], 2 + k * paso + (k >= 3 ? hueco : 0), 14, QString::fromStdString(L::Etiqueta(p, bits[k])));
        return;
    }
    if (p == L::kIE) {
        etiqueta("DMA", 1, 16, 24);
        etiqueta("CPU", 1, 33, 24);
    }
    const int izquierda = p == L::kIE ? 30 : 4;
    const int altoBit = p == L::kST ? 13 : 10;   // highest bit with a box
    int columna = 0;
    const int paso = p == L::kST ? (ancho - izquierda - 4) / 13 : (ancho - izquierda - 4) / 11;
    for (int bit = altoBit; bit >= 0; --bit) {
        if (!L::TieneCasilla(p, bit)) continue;
        const int x = izquierda + columna * paso;
        etiqueta(QString::fromStdString(L::Etiqueta(p, bit)), x - 1, 2, paso + 2);
        casilla(bit, x + (paso - 16) / 2, 14, {});
        if (p == L::kIE) casilla(bit + 16, x + (paso - 16) / 2, 14, {});
        ++columna;
    }
    if (p == L::kIE) {
        // The DMA row above, the CPU row below.
        for (int bit = 0; bit <= 10; ++bit) {
            QCheckBox* cpu = casillas_[size_t(i)][size_t(bit)];
            cpu->move(cpu->x(), 31);
        }
    }
}

QMdiSubWindow* FrmRegistros::Marco() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void FrmRegistros::Cargar(QMdiSubWindow* marco) {
    if (marco) {
        const QSize area = enlace::AreaCliente(*marco);
        // The width is the register list's; the frame's borders come on top
        // (its margins are known before it is first shown, its size is not).
        const QMargins m = marco->contentsMargins();
        marco->resize(Px(disposicion::kAnchoVentana) + m.left() + m.right(), Px(disposicion::kAltoVentana));
        ajustesvista::RestaurarMarco(*marco, DatosDeVista(TipoVista::Registros).seccion,
                                     Tw(area.width()) - Tw(marco->width()) + 20, 0, 0, 0,
                                     ajustesvista::Guardar::SoloLugar);
    }
    logica_.refrescarPrincipal = [this] {
        if (!enlace::Refrescar()) logica_.Refrescar();
    };
    logica_.Cargar();
    ColocarPaneles();
    Mostrar();
}

void FrmRegistros::Refrescar() {
    logica_.Refrescar();
    Mostrar();
}

void FrmRegistros::PresMod() {
    logica_.PresMod();
    Mostrar();
}

// Texts, italics and check boxes from the logic, with the controls' signals
// blocked: setting them from code is no user action.
void FrmRegistros::Mostrar() {
    for (int a = 0; a < 3; ++a) {
        for (int i = 0; i < L::kNumCajas[a]; ++i) {
            CajaRegistro* c = cajas_[size_t(a)][size_t(i)];
            const L::Caja& caja = logica_.CajaDe(L::Arreglo(a), i);
            const QSignalBlocker b(c);
            const QString texto = QString::fromStdString(caja.texto);
            if (c->text() != texto) c->setText(texto);
            if (c->font().italic() != caja.cursiva) {
                QFont f = c->font();
                f.setItalic(caja.cursiva);
                c->setFont(f);
            }
        }
    }
    for (int p = 0; p < 4; ++p)
        for (int bit = 0; bit < 32; ++bit)
            if (QCheckBox* c = casillas_[size_t(p)][size_t(bit)]) {
                const QSignalBlocker b(c);
                c->setChecked(logica_.Casilla(L::PanelBIT(p), bit));
            }
    for (int i = 0; i < 2; ++i) masInfo_[size_t(i)]->setEnabled(logica_.MasInfoActivo(i));
}

void FrmRegistros::ColocarPaneles() {
    for (int i = 0; i < 4; ++i) {
        QFrame* panel = paneles_[size_t(i)];
        const bool desplegada = logica_.NivelPanel() > i;
        verBIT_[size_t(i)]->setVisible(desplegada);
        panel->setGeometry(Rectangulo(logica_.PosicionPanel(i)));
        panel->setVisible(logica_.PanelFlotante(i) || desplegada);
        if (logica_.PanelFlotante(i)) panel->raise();
    }
    for (int i = 0; i < 2; ++i) masInfo_[size_t(i)]->setEnabled(logica_.MasInfoActivo(i));
}

// The frame height the unfolded rows ask for. The stated heights count a
// title bar and borders of their own; the lowest unfolded row must also fit
// below this frame's.
int FrmRegistros::AltoMarco(const QMdiSubWindow& marco) const {
    int alto = Px(logica_.AltoObjetivo());
    const int nivel = logica_.NivelPanel();
    if (nivel > 0) {
        const disposicion::Rect v = disposicion::CmdViewBIT(nivel - 1), p = disposicion::PicRegBIT(nivel - 1);
        const int abajo = Px(std::max(v.top + v.height, p.top + p.height));
        alto = std::max(alto, marco.height() - height() + abajo + 3);
    }
    return alto;
}

// The window grows to the new level a little at a time, or shrinks at once;
// a maximised or minimised window keeps its size and only shows or hides rows.
void FrmRegistros::CambiarAltura() {
    ColocarPaneles();
    QMdiSubWindow* marco = Marco();
    if (!marco || marco->isMaximized() || marco->isMinimized()) return;
    const int objetivo = AltoMarco(*marco);
    if (objetivo <= marco->height()) {
        marco->resize(marco->width(), objetivo);
        return;
    }
    auto* paso = new QTimer(this);
    connect(paso, &QTimer::timeout, this, [this, marco, objetivo, paso] {
        if (marco->isMaximized() || marco->isMinimized() || marco->height() >= objetivo ||
            AltoMarco(*marco) != objetivo) {
            paso->deleteLater();
            paso->stop();
            return;
        }
        marco->resize(marco->width(), marco->height() + 1);
    });
    paso->start(2);
}

void FrmRegistros::Entrar(L::Arreglo a, int i) {
    edicionArreglo_ = a;
    edicionIndice_ = i;
    logica_.CajaDe(a, i).texto = cajas_[a][size_t(i)]->text().toStdString();
    logica_.GotFocus(a, i);
}

void FrmRegistros::Salir(L::Arreglo a, int i) {
    if (enSalida_) return;
    enSalida_ = true;
    edicionArreglo_ = edicionIndice_ = -1;
    logica_.CajaDe(a, i).texto = cajas_[a][size_t(i)]->text().toStdString();
    const L::Salida s = logica_.LostFocus(a, i);
    Mostrar();
    enSalida_ = false;
    if (s == L::Salida::VolverFoco) {
        CajaRegistro* c = cajas_[a][size_t(i)];
        QTimer::singleShot(0, c, [c] { c->setFocus(Qt::OtherFocusReason); });
    }
}

bool FrmRegistros::Tecla(L::Arreglo a, int i, int tecla) {
    logica_.CajaDe(a, i).texto = cajas_[a][size_t(i)]->text().toStdString();
    const bool tragada = logica_.KeyPress(a, i, tecla);
    Mostrar();
    if (tecla == 13) cajas_[a][size_t(i)]->selectAll();
    return tragada;
}

void FrmRegistros::closeEvent(QCloseEvent* e) {
    if (QMdiSubWindow* marco = Marco())
        ajustesvista::GuardarMarco(*marco, DatosDeVista(TipoVista::Registros).seccion,
                                   ajustesvista::Guardar::SoloLugar);
    e->accept();
}
