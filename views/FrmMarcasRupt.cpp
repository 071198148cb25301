#include "views/FrmMarcasRupt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "views/LogicaMemoria.h"

namespace {

// A stop sign with a magnifying glass: the dialog's picture.
QPixmap Imagen() {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QPointF octogono[8] = {{9, 1}, {19, 1}, {26, 8}, {26, 18}, {19, 25}, {9, 25}, {2, 18}, {2, 8}};
    g.setPen(QPen(QColor(0x80, 0, 0), 1.5));
    g.setBrush(QColor(0xE0, 0x20, 0x20));
    g.drawPolygon(octogono, 8);
    g.setPen(QPen(Qt::white, 2.5));
    g.drawLine(QPointF(9, 13), QPointF(19, 13));
    g.setPen(QPen(Qt::black, 3));
    g.drawLine(QPointF(24, 24), QPointF(30, 30));
    g.setPen(QPen(QColor(0x20, 0x40, 0x80), 2));
    g.setBrush(QColor(0xC0, 0xE0, 0xFF));
    g.drawEllipse(QPointF(22, 22), 5, 5);
    return p;
}

// The buttons' pictures: a green tick and a red cross.
QIcon Boton(bool aceptar) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    if (aceptar) {
        g.setPen(QPen(QColor(0x00, 0x80, 0x00), 2.5));
        const QPointF v[3] = {{2, 8}, {6, 13}, {14, 3}};
        g.drawPolyline(v, 3);
    } else {
        g.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2.5));
        g.drawLine(3, 3, 13, 13);
        g.drawLine(13, 3, 3, 13);
    }
    return QIcon(p);
}

const char* const kTextosComp[LogicaMarcasRupt::kNumComp] = {"Igual (=)", "Distinto (<>)", "Mayor (>)",
                                                              "Menor (<)", "Mayor o Igual (>=)",
                                                              "Menor o Igual (<=)"};

// Another window (another program, a pop-up menu) taking the focus and giving
// it back is no leaving and entering of a box.
bool OtraVentana(const QEvent* e) {
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(e)->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

}  // namespace

void FrmMarcasRupt::Mostrar(int32_t direccion, QWidget* padre) {
    LogicaMarcasRupt::Dialogo().PosMemAct(direccion);
    FrmMarcasRupt dialogo(padre);
    dialogo.exec();
}

FrmMarcasRupt::FrmMarcasRupt(QWidget* padre) : QDialog(padre), logica_(LogicaMarcasRupt::Dialogo()) {
    setWindowTitle("Establecer Marca de Ruptura ...");
    setModal(true);

    cmbTipoDatos_ = new QComboBox(this);
    cmbTipoDatos_->setObjectName("CmbTipoDatos");
    for (const std::string& t : LogicaMemoria::TextosTipoDatos()) cmbTipoDatos_->addItem(QString::fromStdString(t));
    cmbTipoDatos_->setCurrentIndex(-1);
    cmbTipoDatos_->setToolTip("Tipo de Datos del Operando");

    cmd_[1] = new QPushButton(Boton(false), "Cancelar", this);
    cmd_[1]->setObjectName("CmdComando1");
    cmd_[1]->setToolTip("Sale del dialogo sin establecer la Marca de Ruptura");
    cmd_[0] = new QPushButton(Boton(true), "Aceptar", this);
    cmd_[0]->setObjectName("CmdComando0");
    cmd_[0]->setToolTip("Sale del dialogo estableciendo una marca de ruptura.");
    cmd_[0]->setDefault(true);

    txtOperando_ = new QLineEdit(this);
    txtOperando_->setObjectName("TxtOperando");
    txtOperando_->setToolTip("Operando (Puede ser un dato o una posicion de memoria (Puntero)");

    auto* frmTipo = new QGroupBox("Tipo de Operando", this);
    frmTipo->setObjectName("FrmTipo");
    frmTipo->setToolTip("Establece el tipo de Operando que se usará");
    auto* grupoTipo = new QButtonGroup(this);
    auto* capaTipo = new QHBoxLayout(frmTipo);
    const char* textosTipo[2] = {"Dato", "Puntero"};
    for (int i = 0; i < 2; ++i) {
        optTipo_[size_t(i)] = new QRadioButton(textosTipo[i], frmTipo);
        optTipo_[size_t(i)]->setObjectName(QString("OptTipo%1").arg(i));
        grupoTipo->addButton(optTipo_[size_t(i)], i);
        capaTipo->addWidget(optTipo_[size_t(i)]);
    }
    optTipo_[0]->setToolTip("El operando es un Dato");
    optTipo_[1]->setToolTip("El operando es una posicion de memoria (puntero)");

    auto* frmComp = new QGroupBox("Comparación", this);
    frmComp->setObjectName("FrmComparacion");
    frmComp->setToolTip("Establece el tipo de comparacio que se realizará");
    auto* grupoComp = new QButtonGroup(this);
    auto* capaComp = new QGridLayout(frmComp);
    for (int i = 0; i < LogicaMarcasRupt::kNumComp; ++i) {
        optComp_[size_t(i)] = new QRadioButton(kTextosComp[i], frmComp);
        optComp_[size_t(i)]->setObjectName(QString("OptComp%1").arg(i));
        grupoComp->addButton(optComp_[size_t(i)], i);
        capaComp->addWidget(optComp_[size_t(i)], i / 2, i % 2);
    }

    txtIdentificador_ = new QLineEdit("NuevaMarca", this);
    txtIdentificador_->setObjectName("TxtIdentificador");
    txtIdentificador_->setToolTip("Indentificador para la Marca de Ruptura establecida");
    auto* imagen = new QLabel(this);
    imagen->setObjectName("ImgAuxDat");
    imagen->setPixmap(Imagen());
    lblInfo_[1] = new QLabel(this);
    lblInfo_[1]->setObjectName("LblInfo1");
    lblInfo_[1]->setFrameShape(QFrame::Panel);
    lblInfo_[1]->setFrameShadow(QFrame::Sunken);
    lblInfo_[1]->setToolTip("Barra de Estado: Informa de la Marca de Ruptura que se está configurando");
    lblInfo_[0] = new QLabel("Identificador", this);
    lblInfo_[0]->setObjectName("LblInfo0");

    auto* capa = new QGridLayout(this);
    capa->addWidget(imagen, 0, 0, 2, 1, Qt::AlignTop);
    capa->addWidget(lblInfo_[0], 0, 1);
    capa->addWidget(txtIdentificador_, 0, 2);
    capa->addWidget(new QLabel("Operando", this), 1, 1);
    capa->addWidget(txtOperando_, 1, 2);
    capa->addWidget(cmbTipoDatos_, 1, 3);
    capa->addWidget(frmTipo, 2, 1, 1, 3);
    capa->addWidget(frmComp, 3, 1, 1, 3);
    auto* botones = new QVBoxLayout;
    botones->addWidget(cmd_[0]);
    botones->addWidget(cmd_[1]);
    botones->addStretch();
    capa->addLayout(botones, 0, 4, 4, 1);
    capa->addWidget(lblInfo_[1], 4, 0, 1, 5);

    connect(grupoComp, &QButtonGroup::idClicked, this, [this](int i) {
        logica_.ElegirComp(i);
        Mostrar();
    });
    connect(grupoTipo, &QButtonGroup::idClicked, this, [this](int i) {
        logica_.ElegirTipo(i);
        Mostrar();
    });
    connect(cmbTipoDatos_, &QComboBox::activated, this, [this](int i) {
        logica_.ElegirTipoDatos(int16_t(i));
        Mostrar();
    });
    connect(txtIdentificador_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logica_.EscribirIdentificador(t.toStdString()); });
    connect(cmd_[0], &QPushButton::clicked, this, &FrmMarcasRupt::Aceptar);
    connect(cmd_[1], &QPushButton::clicked, this, &FrmMarcasRupt::reject);
    txtOperando_->installEventFilter(this);
    txtIdentificador_->installEventFilter(this);

    logica_.Cargar();
    Mostrar();
}

FrmMarcasRupt::~FrmMarcasRupt() { cerrado_ = true; }

// The logic's state on the controls; set with their signals blocked, as the
// logic has already run their handlers.
void FrmMarcasRupt::Mostrar() {
    const QSignalBlocker b(cmbTipoDatos_);
    cmbTipoDatos_->setCurrentIndex(logica_.IndiceTipoDatos());
    cmbTipoDatos_->setEnabled(logica_.ListaHabilitada());
    if (logica_.TipoElegido() >= 0) optTipo_[size_t(logica_.TipoElegido())]->setChecked(true);
    if (logica_.CompElegida() >= 0) optComp_[size_t(logica_.CompElegida())]->setChecked(true);
    const QString operando = QString::fromStdString(logica_.TextoOperando());
    if (txtOperando_->text() != operando) txtOperando_->setText(operando);
    const QString ident = QString::fromStdString(logica_.TextoIdentificador());
    if (txtIdentificador_->text() != ident) txtIdentificador_->setText(ident);
    lblInfo_[1]->setText(QString::fromStdString(logica_.Resumen()));
}

bool FrmMarcasRupt::eventFilter(QObject* objeto, QEvent* e) {
    if (cerrado_ || (objeto != txtOperando_ && objeto != txtIdentificador_)) return QDialog::eventFilter(objeto, e);
    auto* caja = static_cast<QLineEdit*>(objeto);
    if (e->type() == QEvent::FocusIn) {
        const bool vuelta = caja == dejada_ && OtraVentana(e);
        dejada_ = nullptr;
        // After the click that gave the focus has placed the cursor.
        if (!vuelta) QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
    } else if (e->type() == QEvent::FocusOut && OtraVentana(e)) {
        dejada_ = caja;
    } else if (e->type() == QEvent::FocusOut && caja == txtOperando_ && !HaciaBoton(e)) {
        logica_.EscribirOperando(txtOperando_->text().toStdString());
        // A refused operand's box waits until the click that moved the focus
        // has reached its control.
        if (!logica_.OperandoSale(false))
            QTimer::singleShot(0, this, [this] {
                if (!cerrado_) logica_.AvisarOperando();
            });
        Mostrar();
    }
    return QDialog::eventFilter(objeto, e);
}

// A click on "Aceptar" or "Cancelar" leaves the operand box for a button that
// reads the box itself.
bool FrmMarcasRupt::HaciaBoton(const QEvent* e) const {
    const QWidget* destino = QApplication::focusWidget();
    return static_cast<const QFocusEvent*>(e)->reason() == Qt::MouseFocusReason &&
           (destino == cmd_[0] || destino == cmd_[1]);
}

void FrmMarcasRupt::Aceptar() {
    if (cerrado_) return;
    logica_.EscribirOperando(txtOperando_->text().toStdString());
    const LogicaMarcasRupt::Resultado r = logica_.Aceptar();
    if (r != LogicaMarcasRupt::Resultado::Aceptado) {
        // The dialog stays open on the box that was refused.
        Mostrar();
        QLineEdit* caja = r == LogicaMarcasRupt::Resultado::OperandoRechazado ? txtOperando_ : txtIdentificador_;
        caja->setFocus(Qt::OtherFocusReason);
        caja->selectAll();
        return;
    }
    cerrado_ = true;
    QDialog::accept();
}

// The close box closes without reading the operand box: only "Cancelar" and
// Escape take what was typed there.
void FrmMarcasRupt::closeEvent(QCloseEvent* e) {
    cerrado_ = true;
    QDialog::closeEvent(e);
}

void FrmMarcasRupt::reject() {
    if (!cerrado_) {
        logica_.EscribirOperando(txtOperando_->text().toStdString());
        logica_.Cancelar();
        cerrado_ = true;
    }
    QDialog::reject();
}
