// Recording printer for tests: fixed-pitch metrics that follow the font size
// (at 10 points every character is 120 twips wide and every line 240 twips
// high, bold or not) and a log of everything drawn.
#pragma once

#include <string>
#include <vector>

#include "platform/Impresora.h"

namespace prueba {

class ImpresoraFalsa final : public plataforma::IImpresora {
public:
    static constexpr double kAnchoCaracter = 120;
    static constexpr double kAltoLinea = 240;

    enum class Tipo { Texto, Linea, NuevaPagina, FinDocumento };
    struct Evento {
        Tipo tipo;
        int pagina;        // page on which it happened
        double x, y;       // text: print position; line: first point
        double x2, y2;     // line: second point
        std::string texto;
        bool negrita;
        bool finLinea;
    };

    ImpresoraFalsa() { plataforma::EstablecerImpresora(this); }
    ~ImpresoraFalsa() override { plataforma::EstablecerImpresora(nullptr); }

    double CurrentX() const override { return x_; }
    void CurrentX(double x) override { x_ = x; }
    double CurrentY() const override { return y_; }
    void CurrentY(double y) override { y_ = y; }
    double ScaleWidth() const override { return ancho; }
    double ScaleHeight() const override { return alto; }
    double TextWidth(const std::string& s) const override {
        caracteresMedidos += Caracteres(s);
        return AnchoCaracter() * Caracteres(s);
    }
    double TextHeight(const std::string&) const override { return AltoLinea(); }
    double AnchoCaracter() const { return kAnchoCaracter * puntos / 10; }
    double AltoLinea() const { return kAltoLinea * puntos / 10; }

    void Print(const std::string& texto, bool finLinea) override {
        if (!Salida()) return;
        eventos.push_back({Tipo::Texto, pagina_, x_, y_, 0, 0, texto, negrita_, finLinea});
        if (finLinea) {
            x_ = 0;
            y_ += AltoLinea();
        } else {
            x_ += TextWidth(texto);
        }
    }
    void Line(double x1, double y1, double x2, double y2) override {
        if (!Salida()) return;
        eventos.push_back({Tipo::Linea, pagina_, x1, y1, x2, y2, "", negrita_, false});
    }
    bool FontBold() const override { return negrita_; }
    void FontBold(bool n) override { negrita_ = n; }
    int Page() const override { return pagina_; }
    void NewPage() override {
        if (!Salida()) return;
        eventos.push_back({Tipo::NuevaPagina, pagina_, 0, 0, 0, 0, "", negrita_, false});
        ++pagina_;
        x_ = y_ = 0;
    }
    void EndDoc() override {
        if (trabajo_) eventos.push_back({Tipo::FinDocumento, pagina_, 0, 0, 0, 0, "", false, false});
        trabajo_ = false;
        pagina_ = 1;
        x_ = y_ = 0;
        ++documentos;
    }
    plataforma::EstadoImpresion Estado() const override { return estado; }
    std::string DescripcionError() const override { return descripcionError; }

    double PageWidth() const override { return ancho + 720; }
    double PageHeight() const override { return alto + 720; }
    int Orientation() const override { return 1; }
    std::string DeviceName() const override { return "Impresora de prueba"; }
    std::string Port() const override { return "LPT1:"; }
    std::string FontName() const override { return fuente; }
    void FontName(const std::string& n) override { fuente = n; }
    float FontSize() const override { return puntos; }
    void FontSize(float p) override { puntos = p; }
    int Copies() const override { return copias; }
    void Copies(int c) override { copias = c; }
    int PrintQuality() const override { return calidad; }

    // Texts of one page, in drawing order.
    std::vector<std::string> TextosDePagina(int pagina) const {
        std::vector<std::string> r;
        for (const auto& e : eventos)
            if (e.tipo == Tipo::Texto && e.pagina == pagina) r.push_back(e.texto);
        return r;
    }
    // Whether a print job was ever started.
    bool TrabajoIniciado() const { return !eventos.empty(); }
    static size_t Caracteres(const std::string& s) {
        size_t n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80;
        return n;
    }

    double ancho = 11000;   // printable area
    double alto = 15000;
    std::string fuente = "Courier New";
    float puntos = 10;
    int copias = 1;
    int calidad = -2;       // print-quality code
    int documentos = 0;     // EndDoc calls
    mutable size_t caracteresMedidos = 0;  // characters measured by TextWidth
    // A test sets these to play a cancelled or failed job: output is dropped.
    plataforma::EstadoImpresion estado = plataforma::EstadoImpresion::Correcto;
    std::string descripcionError;
    std::vector<Evento> eventos;

private:
    bool Salida() {
        if (estado != plataforma::EstadoImpresion::Correcto) return false;
        trabajo_ = true;
        return true;
    }
    double x_ = 0, y_ = 0;
    bool negrita_ = false;
    int pagina_ = 1;
    bool trabajo_ = false;
};

}  // namespace prueba
