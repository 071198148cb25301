#include "app/frmTip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringDecoder>
#include <QStyle>
#include <QVBoxLayout>
#include <chrono>

#include "app/LogicaPrincipal.h"
#include "data/DatosPrograma.h"
#include "platform/Ajustes.h"

namespace {

constexpr const char* kClave = "Show Tips at Startup";

std::string EnUtf8(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(QByteArray::fromStdString(bytes));
    if (!utf8.hasError()) return texto.toStdString();
    return QString::fromLatin1(QByteArray::fromStdString(bytes)).toStdString();
}

}  // namespace

std::vector<std::string> DividirSugerencias(const std::string& contenido) {
    std::vector<std::string> lineas;
    std::string linea;
    bool pendiente = false;
    for (size_t i = 0; i < contenido.size(); ++i) {
        const char c = contenido[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < contenido.size() && contenido[i + 1] == '\n') ++i;
            lineas.push_back(EnUtf8(linea));
            linea.clear();
            pendiente = false;
        } else {
            linea += c;
            pendiente = true;
        }
    }
    if (pendiente) lineas.push_back(EnUtf8(linea));
    return lineas;
}

std::string RutaSugerencias() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(kFicheroSugerencias).toStdString();
}

frmTip::frmTip(QWidget* padre, const std::string& fichero) : QDialog(padre) {
    setWindowTitle("Sugerencia del día");
    setObjectName("frmTip");
    QFont tahoma("Tahoma");
    setFont(tahoma);

    auto* panel = new QFrame(this);
    panel->setObjectName("Picture1");
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    panel->setPalette(pal);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icono = new QLabel(panel);
    icono->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* label1 = new QLabel("¿Sabía que...", panel);
    QFont negrita = label1->font();
    negrita.setBold(true);
    label1->setFont(negrita);
    lblTipText_ = new QLabel(panel);
    lblTipText_->setObjectName("lblTipText");
    lblTipText_->setWordWrap(true);
    lblTipText_->setTextFormat(Qt::PlainText);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setMinimumSize(230, 110);
    auto* cabecera = new QHBoxLayout;
    cabecera->addWidget(icono);
    cabecera->addWidget(label1, 1);
    auto* capaPanel = new QVBoxLayout(panel);
    capaPanel->addLayout(cabecera);
    capaPanel->addWidget(lblTipText_, 1);

    cmdOK_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "Aceptar", this);
    cmdOK_->setObjectName("cmdOK");
    cmdNextTip_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), "&Siguiente sugerencia", this);
    cmdNextTip_->setObjectName("cmdNextTip");
    cmdNextTip_->setDefault(true);
    chk_ = new QCheckBox("&Mostrar sugerencias al iniciar", this);
    chk_->setObjectName("chkLoadTipsAtStartup");

    auto* botones = new QVBoxLayout;
    botones->addWidget(cmdOK_);
    botones->addWidget(cmdNextTip_);
    botones->addStretch();
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(panel, 1);
    arriba->addLayout(botones);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(arriba, 1);
    capa->addWidget(chk_);
    resize(390, 220);

    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdNextTip_, &QPushButton::clicked, this, &frmTip::ChooseNextTip);
    connect(chk_, &QCheckBox::clicked, this, [this] {
        plataforma::Ajustes().Escribir(plataforma::kAplicacion, "Opciones", kClave, chk_->isChecked() ? "1" : "0");
        GuardarOpciones();  // the user's choice is saved at once, with the options, as at exit
    });

    // Load: the setting becomes the box's value; a change from the box's clear
    // state writes it back at once, as the box's click does.
    const bool mostrar =
        TextoABool(plataforma::Ajustes().Leer(plataforma::kAplicacion, "Opciones", kClave, "1"), true);
    if (mostrar) {
        chk_->setChecked(true);
        plataforma::Ajustes().Escribir(plataforma::kAplicacion, "Opciones", kClave, "1");
    }
    azar_.seed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    LoadTips(fichero);
}

bool frmTip::LoadTips(const std::string& fichero) {
    if (fichero.empty()) return false;
    QFile f(QString::fromStdString(fichero));
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) return false;
    for (std::string& s : DividirSugerencias(f.readAll().toStdString())) sugerencias_.push_back(std::move(s));
    ChooseNextTip();
    return true;
}

void frmTip::ChooseNextTip() {
    const int n = static_cast<int>(sugerencias_.size());
    actual_ = n > 0 ? std::uniform_int_distribution<int>(1, n)(azar_) : 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (sugerencias_.empty()) return;
    lblTipText_->setText(QString::fromStdString(sugerencias_[size_t(actual_ - 1)]));
}
