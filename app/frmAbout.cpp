#include "app/frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Imagenes.h"
#include "app/Vistas.h"
#include "app/frmMain.h"
#include "data/Entorno.h"
#include "platform/Cuadros.h"

namespace {

constexpr int kVersionRevision = 0;

const bool registrado = RegistrarComando("mnuHelpAbout", [](frmMain& f) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    frmAbout about(&f);
    about.exec();
});

int Px(int twips) { return twips / 15; }

QPixmap Fondo(const QSize& tam) {
    QPixmap p(tam);
    QPainter g(&p);
    QLinearGradient degradado(0, 0, 0, tam.height());
    degradado.setColorAt(0, QColor(225, 232, 242));
    degradado.setColorAt(1, QColor(180, 196, 220));
    g.fillRect(p.rect(), degradado);
    return p;
}

// The still logo: the processor chip of the splash picture.
QPixmap Logo() { return ImagenSplash(QSize(480, 220)).copy(5, 45, 160, 120); }

// White texts on black, the credits' colours.
QPalette CreditosNegro() {
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    return pal;
}

// The texts of the two credit pages.
const char* const kPaginas[2][12] = {
    {"Tarvix", "", "Simulador y depurador", "del procesador de señal", "TMS320C3x", "", "Desarrollo",
     "El equipo de Tarvix", "", "Agradecimientos", "A quienes probaron cada versión", "y enviaron sus notas"},
    {"Contacto", "", "Equipo de Tarvix", "Departamento de Electrónica", "", "Programas de ejemplo",
     "Listados del ensamblador DSK", "", "Ayuda", "Sugerencia del día", "", "Gracias por usar Tarvix"},
};

}  // namespace

void CreditosAbout::Colocar(int16_t pagina) {
    pagina_ = pagina;
    arriba_ = kAltoMarco;
    izquierda_ = (kAnchoMarco - kAnchoPagina - 50) / 2;
}

void CreditosAbout::Tick() {
    arriba_ -= kPaso;
    if (arriba_ < -kAltoPagina) arriba_ = kAltoMarco;
}

frmAbout::frmAbout(QWidget* padre) : QDialog(padre) {
    setObjectName("frmAbout");
    setWindowTitle("Acerca de Tarvix");
    QFont tahoma("Tahoma");
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    setFixedSize(Px(6975), Px(4425));

    imgFondo_ = new QLabel(this);
    imgFondo_->setObjectName("ImgFondo");
    imgFondo_->setScaledContents(true);
    imgFondo_->setPixmap(Fondo(QSize(464, 295)));

    picLogo_ = new QLabel(this);
    picLogo_->setObjectName("PicLogo");
    picLogo_->setGeometry(Px(180), Px(750), Px(2400), Px(1800));
    picLogo_->setAlignment(Qt::AlignCenter);
    picLogo_->setPixmap(Logo());
    picLogo_->installEventFilter(this);

    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName("lblVersion");
    QFont negrita("Tahoma");
    negrita.setPointSize(9);
    negrita.setBold(true);
    lblVersion_->setFont(negrita);
    lblVersion_->setAlignment(Qt::AlignCenter);
    lblVersion_->setGeometry(Px(240), Px(2775), Px(2220), Px(225) + 2);

    picCreditos_ = new QFrame(this);
    picCreditos_->setObjectName("PicCreditos");
    picCreditos_->setFrameShape(QFrame::Box);
    picCreditos_->setAutoFillBackground(true);
    picCreditos_->setPalette(CreditosNegro());
    picCreditos_->setGeometry(Px(2730), Px(435), Px(4080), Px(2595));
    picCreditos_->installEventFilter(this);
    // The pages scroll inside the border, which they must not paint over; a
    // click on this inner area reaches the frame.
    auto* interior = new QWidget(picCreditos_);
    interior->setGeometry(picCreditos_->contentsRect());
    for (int i = 0; i < 2; ++i) picContent_[size_t(i)] = CrearPagina(interior, i);

    // The etched separator: a grey line over a white one.
    auto* gris = new QFrame(this);
    gris->setGeometry(Px(135), Px(3150), Px(6780 - 135), 1);
    gris->setStyleSheet("background: #808080;");
    auto* blanca = new QFrame(this);
    blanca->setGeometry(Px(150), Px(3165), Px(6750 - 150), 1);
    blanca->setStyleSheet("background: white;");

    cmdOK_ = new QPushButton("Aceptar", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(Px(5580), Px(3255), Px(1260), Px(345));
    cmdOK_->setDefault(true);  // Enter; Escape rejects the dialog as well
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo_ = new QPushButton("&Información...", this);
    cmdSysInfo_->setObjectName("cmdSysInfo");
    cmdSysInfo_->setGeometry(Px(5595), Px(3660), Px(1245), Px(345));
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(50);
    connect(timer1_, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    // Load: version, first page below the frame, the animation opened,
    // background over the whole window, default mouse pointer.
    lblVersion_->setText(QString("Versión %1.%2.%3").arg(kVersionMayor).arg(kVersionMenor).arg(kVersionRevision));
    MostrarPagina();
    auto* movie = new QMovie(QDir(QCoreApplication::applicationDirPath()).filePath("logo.sys"), QByteArray(), this);
    if (movie->isValid() && movie->frameCount() != 1) {
        movie_ = movie;
        // Back to the first frame at the end, so the animation repeats.
        connect(movie_, &QMovie::finished, movie_, &QMovie::start);
    } else {
        delete movie;
    }
    imgFondo_->setGeometry(0, 0, width(), height());
    imgFondo_->lower();
    timer1_->start();
    QApplication::restoreOverrideCursor();
}

QWidget* frmAbout::CrearPagina(QWidget* marco, int indice) {
    auto* p = new QWidget(marco);
    p->setObjectName(QString("PicContent%1").arg(indice));
    p->setAutoFillBackground(true);
    p->setPalette(CreditosNegro());
    p->resize(Px(CreditosAbout::kAnchoPagina), Px(CreditosAbout::kAltoPagina));
    auto* capa = new QVBoxLayout(p);
    capa->setContentsMargins(4, 8, 4, 4);
    capa->setSpacing(6);
    for (const char* t : kPaginas[indice]) {
        auto* l = new QLabel(QString::fromUtf8(t), p);
        l->setPalette(CreditosNegro());
        l->setAlignment(Qt::AlignHCenter);
        if (t == kPaginas[indice][0]) {
            QFont f("Tahoma", 12, QFont::Bold);
            l->setFont(f);
        }
        capa->addWidget(l);
    }
    capa->addStretch();
    p->installEventFilter(this);
    p->setVisible(indice == 0);
    return p;
}

void frmAbout::MostrarPagina() {
    const int actual = creditos_.PaginaCreditos();
    picContent_[size_t(actual)]->move(Px(creditos_.Izquierda()), Px(creditos_.Arriba()));
    picContent_[size_t(actual)]->show();
    picContent_[size_t(1 - actual)]->hide();
}

void frmAbout::Timer1_Timer() {
    creditos_.Tick();
    MostrarPagina();
}

// The registry lookup the tool is found by does not exist on this platform.
void frmAbout::StartSysInfo() {
    plataforma::Cuadro c;
    c.texto = "La información del sistema no está disponible en este momento";
    c.titulo = "Tarvix";
    plataforma::Cuadros().MsgBox(c);
}

bool frmAbout::event(QEvent* e) {
    // Activation plays the animation into the logo when there is one.
    if (e->type() == QEvent::WindowActivate && movie_ && picLogo_->movie() != movie_) {
        picLogo_->setMovie(movie_);
        movie_->start();
    }
    return QDialog::event(e);
}

bool frmAbout::eventFilter(QObject* objeto, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        if (objeto == picLogo_) {
            if (movie_) movie_->stop(), movie_->start();
        } else {
            creditos_.CambiarPagina();
            MostrarPagina();
        }
        return true;
    }
    return QDialog::eventFilter(objeto, e);
}
