#include "platform/qt/CuadrosQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/AyudaQt.h"

namespace plataforma::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QStyle::StandardPixmap PixmapDe(Icono icono) {
    switch (icono) {
        case Icono::Exclamacion: return QStyle::SP_MessageBoxWarning;
        case Icono::Informacion: return QStyle::SP_MessageBoxInformation;
        case Icono::Pregunta: return QStyle::SP_MessageBoxQuestion;
        case Icono::Ninguno: break;
    }
    return QStyle::SP_CustomBase;
}

// OK, optional Cancel and optional Help, with Spanish captions. Help never closes.
QDialogButtonBox* Botonera(QDialog* d, bool cancelar, bool ayuda, const std::string& fichero,
                           int contexto) {
    auto* caja = new QDialogButtonBox(d);
    caja->addButton(QDialogButtonBox::Ok)->setText("Aceptar");
    if (cancelar) caja->addButton(QDialogButtonBox::Cancel)->setText("Cancelar");
    if (ayuda) {
        QPushButton* boton = caja->addButton(QDialogButtonBox::Help);
        boton->setText("Ayuda");
        boton->setIcon(QIcon());  // some icon themes draw it like Cancel's
        QObject::connect(caja, &QDialogButtonBox::helpRequested, d,
                         [d, fichero, contexto] { AbrirAyuda(d, fichero, contexto); });
    }
    QObject::connect(caja, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(caja, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return caja;
}

// Widest the text of a box may grow before its lines wrap: most of the screen.
int AnchoMaximo(const QWidget* w) {
    const QScreen* pantalla = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return pantalla ? pantalla->availableGeometry().width() * 2 / 3 : 800;
}

// A box is as wide as its title, with room for the title bar's buttons.
void AnchoDelTitulo(QDialog* d) {
    const int titulo = std::min(d->fontMetrics().horizontalAdvance(d->windowTitle()) + 140, AnchoMaximo(d));
    d->setMinimumWidth(std::max(d->minimumWidth(), titulo));
}

// A message's text is as wide as its longest line, so the lines of a summary
// do not wrap; only a line wider than most of the screen does. The box grows
// no wider than that, so the icon and the margins come off the text's room.
void AnchoDelTexto(QDialog* d, QLabel* texto, const QWidget* icono, const QBoxLayout* fila) {
    int ancho = texto->minimumWidth();
    for (const QString& linea : texto->text().split('\n'))
        ancho = std::max(ancho, texto->fontMetrics().horizontalAdvance(linea) + 2);
    const QMargins m = d->layout()->contentsMargins();
    int aparte = m.left() + m.right();
    if (icono) aparte += icono->sizeHint().width() + std::max(0, fila->spacing());
    texto->setMinimumWidth(std::min(ancho, AnchoMaximo(d) - aparte));
}

QWidget* Dueno() {
    if (QWidget* m = QApplication::activeModalWidget()) return m;
    return QApplication::activeWindow();
}

}  // namespace

DialogoCuadro::DialogoCuadro(const Cuadro& cuadro, QWidget* padre) : QDialog(padre), cuadro_(cuadro) {
    setWindowTitle(Q(cuadro.titulo));
    setObjectName("DialogoCuadro");
    auto* fila = new QHBoxLayout;
    QLabel* icono = nullptr;
    if (cuadro.icono != Icono::Ninguno) {
        icono = new QLabel(this);
        icono->setObjectName("icono");
        const int lado = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icono->setPixmap(style()->standardIcon(PixmapDe(cuadro.icono), nullptr, this).pixmap(lado, lado));
        icono->setAlignment(Qt::AlignTop);
        fila->addWidget(icono);
    }
    // The system's texts break lines with a lone carriage return.
    QString t = Q(cuadro.texto);
    t.replace("\r\n", "\n").replace('\r', '\n');
    auto* texto = new QLabel(t, this);
    texto->setObjectName("texto");
    texto->setTextFormat(Qt::PlainText);
    texto->setWordWrap(true);
    texto->setMinimumWidth(260);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fila->addWidget(texto, 1);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(fila);
    capa->addWidget(Botonera(this, cuadro.botones == Botones::AceptarCancelar, cuadro.botonAyuda,
                             cuadro.ficheroAyuda, cuadro.contextoAyuda));
    AnchoDelTexto(this, texto, icono, fila);
    AnchoDelTitulo(this);
    connect(this, &QDialog::finished, this, [this](int r) {
        respuesta_ = r == QDialog::Accepted ? Respuesta::Aceptar : Respuesta::Cancelar;
    });
}

DialogoEntrada::DialogoEntrada(const CuadroEntrada& cuadro, QWidget* padre)
    : QDialog(padre), cuadro_(cuadro), edicion_(new QLineEdit(this)) {
    setWindowTitle(Q(cuadro.titulo));
    setObjectName("DialogoEntrada");
    auto* capa = new QVBoxLayout(this);
    auto* mensaje = new QLabel(Q(cuadro.mensaje), this);
    mensaje->setObjectName("mensaje");
    mensaje->setWordWrap(true);
    mensaje->setTextFormat(Qt::PlainText);
    capa->addWidget(mensaje);
    edicion_->setText(Q(cuadro.porDefecto));
    edicion_->selectAll();
    capa->addWidget(edicion_);
    capa->addWidget(Botonera(this, true, true, cuadro.ficheroAyuda, cuadro.contextoAyuda));
    setMinimumWidth(320);
    AnchoDelTitulo(this);
}

std::string DialogoEntrada::Texto() const { return edicion_->text().toStdString(); }

Respuesta CuadrosQt::MsgBox(const Cuadro& cuadro) {
    DialogoCuadro d(cuadro, Dueno());
    d.exec();
    return d.Respuesta_();
}

std::optional<std::string> CuadrosQt::InputBox(const CuadroEntrada& cuadro) {
    DialogoEntrada d(cuadro, Dueno());
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.Texto();
}

}  // namespace plataforma::qt
