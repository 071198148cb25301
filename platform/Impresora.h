// The printer the printed report draws on. Positions and sizes are twips
// (1/1440 inch) from the top-left corner of the printable area. The windowed
// program installs the Qt printer; tests install a recording fake.
#pragma once

#include <string>

namespace plataforma {

// State of the current print job.
enum class EstadoImpresion {
    Correcto,   // no job yet, or the job is going well
    Cancelado,  // the user declined (for instance, named no PDF file): output is dropped
    Fallo       // the job could not be started or a page could not be written
};

class IImpresora {
public:
    virtual ~IImpresora() = default;

    // --- drawing a document --------------------------------------------------
    // The job starts with the first output (text, line or new page).
    virtual double CurrentX() const = 0;
    virtual void CurrentX(double x) = 0;
    virtual double CurrentY() const = 0;
    virtual void CurrentY(double y) = 0;
    // Width and height of the printable area.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // Width of the text and height of one line of it, in the current font.
    virtual double TextWidth(const std::string& texto) const = 0;
    virtual double TextHeight(const std::string& texto) const = 0;
    // Writes the text at the print position. With finLinea the position moves to
    // x = 0 and one line down; without it the position stays on the line, just
    // after the text.
    virtual void Print(const std::string& texto, bool finLinea) = 0;
    // A straight black line between two points.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual bool FontBold() const = 0;
    virtual void FontBold(bool negrita) = 0;
    // Number of the current page, 1 for the first page of the document.
    virtual int Page() const = 0;
    // Ends the current page and starts the next one (position back to 0, 0).
    virtual void NewPage() = 0;
    // Ends the document and hands it to the printer; the next output starts a
    // new document. Does nothing when no job was started.
    virtual void EndDoc() = 0;
    virtual EstadoImpresion Estado() const = 0;
    // Why the job failed, in the user's words ("" when it did not).
    virtual std::string DescripcionError() const = 0;

    // --- the current printer, as the page set-up shows it -----------------------
    // Paper size as oriented, in twips.
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;
    // 1 portrait, 2 landscape.
    virtual int Orientation() const = 0;
    virtual std::string DeviceName() const = 0;
    virtual std::string Port() const = 0;
    virtual std::string FontName() const = 0;
    virtual void FontName(const std::string& nombre) = 0;
    virtual float FontSize() const = 0;
    virtual void FontSize(float puntos) = 0;
    virtual int Copies() const = 0;
    virtual void Copies(int copias) = 0;
    // Print-quality code: -1 lowest, -2 low, -3 medium, -4 highest.
    virtual int PrintQuality() const = 0;
};

// The program-wide printer; nullptr when none is installed.
IImpresora* Impresora();
void EstablecerImpresora(IImpresora* impresora);
// True when a printer is installed (a real one, or printing to a file).
bool HayImpresora();

}  // namespace plataforma
