// The printer on Qt: QPainter on a QPrinter. Where the system has a printer the
// document goes to the default one; otherwise it is written as a PDF file whose
// name the user gives when the document starts.
#pragma once

#include <QFont>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "platform/Impresora.h"

class QPainter;

namespace plataforma {

// The report's font as it prints: the family and size given, fixed pitch (a
// monospaced face stands in for a missing family), neither bold nor italic.
QFont FuenteInforme(const std::string& nombre, float puntos);

class ImpresoraQt final : public IImpresora {
public:
    enum class Destino { Automatico, Pdf };
    // Automatico: the default printer when one is installed, else a PDF file.
    explicit ImpresoraQt(Destino destino = Destino::Automatico);
    ~ImpresoraQt() override;

    double CurrentX() const override { return x_; }
    void CurrentX(double x) override { x_ = x; }
    double CurrentY() const override { return y_; }
    void CurrentY(double y) override { y_ = y; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TextWidth(const std::string& texto) const override;
    double TextHeight(const std::string& texto) const override;
    void Print(const std::string& texto, bool finLinea) override;
    void Line(double x1, double y1, double x2, double y2) override;
    bool FontBold() const override { return fuente_.bold(); }
    void FontBold(bool negrita) override;
    int Page() const override { return pagina_; }
    void NewPage() override;
    void EndDoc() override;
    EstadoImpresion Estado() const override { return estado_; }
    std::string DescripcionError() const override { return error_; }

    double PageWidth() const override;
    double PageHeight() const override;
    int Orientation() const override;
    std::string DeviceName() const override;
    std::string Port() const override;
    std::string FontName() const override;
    void FontName(const std::string& nombre) override;
    float FontSize() const override;
    void FontSize(float puntos) override;
    int Copies() const override;
    void Copies(int copias) override;
    int PrintQuality() const override;

    bool EsPdf() const { return pdf_; }
    // PDF output: the file of the next document. When none is set, the document
    // asks the user for one as it starts; it is forgotten when the document ends.
    void FicheroPdf(const std::string& ruta) { ficheroPdf_ = ruta; }
    std::string FicheroPdf() const { return ficheroPdf_; }
    // Replaces the question for the PDF file name (tests); "" means cancelled.
    void PreguntaFicheroPdf(std::function<std::string()> pregunta) { pregunta_ = std::move(pregunta); }
    // The printer itself, for the printer set-up and font dialogs.
    QPrinter& Printer() { return impresora_; }
    // The font the next text prints in.
    const QFont& Fuente() const { return fuente_; }

private:
    bool Empezar();
    double TwipsADispositivo(double twips) const;
    double DispositivoATwips(double puntos) const;

    QPrinter impresora_;
    std::unique_ptr<QPainter> pintor_;
    QFont fuente_;
    bool pdf_ = false;
    std::string ficheroPdf_;
    std::function<std::string()> pregunta_;
    double x_ = 0, y_ = 0;
    int pagina_ = 1;
    EstadoImpresion estado_ = EstadoImpresion::Correcto;
    bool documentoTerminado_ = false;
    std::string error_;
};

}  // namespace plataforma
