#include "platform/qt/ImpresoraQt.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace plataforma {
namespace {

constexpr double kTwipsPorPulgada = 1440.0;
constexpr double kTwipsPorMilimetro = kTwipsPorPulgada / 25.4;
// Width of the rules, a little under a tenth of a millimetre.
constexpr double kGrosorLineaTwips = 5.0;

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

std::string PreguntarFicheroPdf() {
    return S(QFileDialog::getSaveFileName(nullptr, QStringLiteral("Imprimir en fichero PDF"), QString(),
                                          QStringLiteral("Documentos PDF (*.pdf)")));
}

}  // namespace

QFont FuenteInforme(const std::string& nombre, float puntos) {
    QFont f(Q(nombre));
    if (puntos > 0) f.setPointSizeF(puntos);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}

ImpresoraQt::ImpresoraQt(Destino destino)
    : impresora_(QPrinter::HighResolution), fuente_(FuenteInforme("Courier New", 10)) {
    pdf_ = destino == Destino::Pdf || QPrinterInfo::availablePrinters().isEmpty();
    if (pdf_) {
        impresora_.setOutputFormat(QPrinter::PdfFormat);
        impresora_.setPageSize(QPageSize(QPageSize::A4));
        impresora_.setPageOrientation(QPageLayout::Portrait);
        // A file has no unprintable border: the report's own margins are the page's.
        impresora_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
}

ImpresoraQt::~ImpresoraQt() {
    if (pintor_) pintor_->end();
}

double ImpresoraQt::TwipsADispositivo(double twips) const {
    return twips * impresora_.resolution() / kTwipsPorPulgada;
}

double ImpresoraQt::DispositivoATwips(double puntos) const {
    return puntos * kTwipsPorPulgada / impresora_.resolution();
}

double ImpresoraQt::ScaleWidth() const { return DispositivoATwips(impresora_.width()); }
double ImpresoraQt::ScaleHeight() const { return DispositivoATwips(impresora_.height()); }

double ImpresoraQt::TextWidth(const std::string& texto) const {
    QFontMetricsF m(fuente_, &impresora_);
    double ancho = 0;
    for (const QString& linea : Q(texto).split(QLatin1Char('\n')))
        ancho = std::max(ancho, m.horizontalAdvance(linea));
    return DispositivoATwips(ancho);
}

double ImpresoraQt::TextHeight(const std::string& texto) const {
    QFontMetricsF m(fuente_, &impresora_);
    const auto lineas = 1 + std::count(texto.begin(), texto.end(), '\n');
    return DispositivoATwips(m.height() * static_cast<double>(lineas));
}

bool ImpresoraQt::Empezar() {
    if (pintor_) return true;
    if (documentoTerminado_) {
        documentoTerminado_ = false;
        estado_ = EstadoImpresion::Correcto;
        error_.clear();
    }
    if (estado_ != EstadoImpresion::Correcto) return false;
    if (pdf_) {
        if (ficheroPdf_.empty()) ficheroPdf_ = pregunta_ ? pregunta_() : PreguntarFicheroPdf();
        if (ficheroPdf_.empty()) {
            estado_ = EstadoImpresion::Cancelado;
            return false;
        }
        impresora_.setOutputFileName(Q(ficheroPdf_));
    }
    auto pintor = std::make_unique<QPainter>();
    if (!pintor->begin(&impresora_)) {
        estado_ = EstadoImpresion::Fallo;
        error_ = pdf_ ? "No se puede escribir el fichero " + ficheroPdf_
                      : "No se puede imprimir en " + DeviceName();
        return false;
    }
    pintor->setFont(fuente_);
    QPen pluma(Qt::black);
    pluma.setWidthF(TwipsADispositivo(kGrosorLineaTwips));
    pintor->setPen(pluma);
    pintor_ = std::move(pintor);
    return true;
}

void ImpresoraQt::Print(const std::string& texto, bool finLinea) {
    if (!Empezar()) return;
    QFontMetricsF m(fuente_, &impresora_);
    pintor_->setFont(fuente_);
    const QString t = Q(texto);
    pintor_->drawText(QPointF(TwipsADispositivo(x_), TwipsADispositivo(y_) + m.ascent()), t);
    if (finLinea) {
        x_ = 0;
        y_ += DispositivoATwips(m.height());
    } else {
        x_ += DispositivoATwips(m.horizontalAdvance(t));
    }
}

void ImpresoraQt::Line(double x1, double y1, double x2, double y2) {
    if (!Empezar()) return;
    pintor_->drawLine(QPointF(TwipsADispositivo(x1), TwipsADispositivo(y1)),
                      QPointF(TwipsADispositivo(x2), TwipsADispositivo(y2)));
}

void ImpresoraQt::FontBold(bool negrita) {
    fuente_.setBold(negrita);
    if (pintor_) pintor_->setFont(fuente_);
}

void ImpresoraQt::NewPage() {
    if (!Empezar()) return;
    if (!impresora_.newPage()) {
        estado_ = EstadoImpresion::Fallo;
        error_ = "No se puede empezar una nueva página en " + DeviceName();
        return;
    }
    ++pagina_;
    x_ = y_ = 0;
}

void ImpresoraQt::EndDoc() {
    if (pintor_) {
        if (!pintor_->end() && estado_ == EstadoImpresion::Correcto) {
            estado_ = EstadoImpresion::Fallo;
            error_ = pdf_ ? "No se puede escribir el fichero " + ficheroPdf_
                          : "No se puede terminar el documento en " + DeviceName();
        }
        pintor_.reset();
    }
    // The state stays readable until the next document starts.
    documentoTerminado_ = true;
    pagina_ = 1;
    x_ = y_ = 0;
    if (pdf_) ficheroPdf_.clear();
}

double ImpresoraQt::PageWidth() const {
    return impresora_.pageLayout().fullRect(QPageLayout::Millimeter).width() * kTwipsPorMilimetro;
}

double ImpresoraQt::PageHeight() const {
    return impresora_.pageLayout().fullRect(QPageLayout::Millimeter).height() * kTwipsPorMilimetro;
}

int ImpresoraQt::Orientation() const {
    return impresora_.pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
}

std::string ImpresoraQt::DeviceName() const {
    return pdf_ ? std::string("Fichero PDF") : S(impresora_.printerName());
}

std::string ImpresoraQt::Port() const {
    if (pdf_) return ficheroPdf_.empty() ? std::string("FILE:") : ficheroPdf_;
    const QPrinterInfo info(impresora_);
    return S(info.location().isEmpty() ? info.printerName() : info.location());
}

std::string ImpresoraQt::FontName() const { return S(fuente_.family()); }

void ImpresoraQt::FontName(const std::string& nombre) {
    fuente_.setFamily(Q(nombre));
    if (pintor_) pintor_->setFont(fuente_);
}

float ImpresoraQt::FontSize() const { return static_cast<float>(fuente_.pointSizeF()); }

void ImpresoraQt::FontSize(float puntos) {
    if (puntos > 0) fuente_.setPointSizeF(puntos);
    if (pintor_) pintor_->setFont(fuente_);
}

int ImpresoraQt::Copies() const { return impresora_.copyCount(); }

void ImpresoraQt::Copies(int copias) {
    if (copias >= 1) impresora_.setCopyCount(copias);
}

int ImpresoraQt::PrintQuality() const {
    const int ppp = impresora_.resolution();
    if (ppp >= 600) return -4;
    if (ppp >= 300) return -3;
    if (ppp >= 150) return -2;
    return -1;
}

}  // namespace plataforma
