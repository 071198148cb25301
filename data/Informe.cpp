#include "data/Informe.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/Anfitrion.h"
#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "data/TextoUtf8.h"
#include "platform/Cuadros.h"
#include "platform/Impresora.h"

namespace {

constexpr double kTwipsPorMm = 56.7;
constexpr double kSeparacionSeccion = 1701;  // 3 cm between sections
constexpr double kSeparacionDump = 567;      // 1 cm before a memory dump
constexpr double kSeparacionTabla = 570;     // above a column heading; body top of a continued page
constexpr double kMargenFila = 1000;         // a dump row ends past this distance from the right edge

const char* const kTituloRegistros = "Registros CPU";
const char* const kTituloMemoria = "Volcado de Memoria";
const char* const kTituloCodigo = "Código Desensamblado";
const char* const kTituloReferencia = "Tabla de Referencia - Lista de Indentificadores";
const char* const kTituloSecciones = "Tabla de Secciones";
const char* const kTituloMarcas = "Lista de Marcas de Ruptura";
const char* const kTituloPuntos = "Lista de Puntos de Ruptura";

const char* const kEncabezadoRegistros =
    "Registro   Hexadecimal P.Fijo(UnSig) P.Fijo(Signo)    P.Flot.TMS  P.Flot. IEEE";
const char* const kEncabezadoMemoria = "Ini       Fin       Identificador                    Imp Ini        Fin";
const char* const kEncabezadoReferencia = "Tipo     Dir   Contenido   Identificador";
const char* const kEncabezadoSecciones = "Ini       Fin       Longitud  Seccion";
const char* const kEncabezadoMarcas = "Tipo     Direccion   Identificador                  Comparacion";
const char* const kEncabezadoPuntos = "Dirección   Identificador";
const std::vector<std::string> kLeyendaReferencia = {"Leyenda (Tipo):", "   1.- Etiqueta", "   2.- Constante",
                                                     "   3.- Definido por el usuario"};
const std::vector<std::string> kLeyendaMarcas = {"Leyenda (Tipo):",
                                                 "   0.- Operando (El operando es un dato inmediato)",
                                                 "   1.- Puntero (El operando es una referencia a una celda)"};

void Estado(const std::string& texto) { VentanaPrincipal().InfoBar(texto); }

// Rounded to the nearest twip, halves to even.
double Redondear(double v) { return std::nearbyint(v); }

size_t Caracteres(const std::string& s) {
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
std::string Blancos(size_t n) { return std::string(n, ' '); }
// Padded to w characters (never cut), and right-aligned in w.
std::string Rellenar(const std::string& s, size_t w) { return s + Blancos(w - std::min(w, Caracteres(s))); }
std::string AlinearDerecha(const std::string& s, size_t w) { return Blancos(w - std::min(w, Caracteres(s))) + s; }
// A whole number as the runtime's Str writes it, and as its Print writes one.
std::string Str(int64_t n) { return (n >= 0 ? " " : "") + std::to_string(n); }
std::string Numero(int64_t n) { return Str(n) + " "; }
// The text without its trailing blanks, which leave no ink.
std::string Tinta(const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); }

// The printer seen by the report: a page is begun only when something is
// drawn on it, so a page end that nothing follows leaves no empty page, and a
// report that draws nothing starts no print job.
class Hoja {
public:
    explicit Hoja(plataforma::IImpresora& imp) : imp_(imp) {}

    double X() const { return pendiente_ ? x_ : imp_.CurrentX(); }
    void X(double x) {
        if (pendiente_) x_ = x; else imp_.CurrentX(x);
    }
    double Y() const { return pendiente_ ? y_ : imp_.CurrentY(); }
    void Y(double y) {
        if (pendiente_) y_ = y; else imp_.CurrentY(y);
    }
    double Ancho() const { return imp_.ScaleWidth(); }
    double Alto() const { return imp_.ScaleHeight(); }
    double AnchoTexto(const std::string& s) const { return imp_.TextWidth(s); }
    double AltoTexto(const std::string& s) const { return imp_.TextHeight(s); }
    void Negrita(bool b) { imp_.FontBold(b); }
    int Pagina() const { return imp_.Page() + (pendiente_ ? 1 : 0); }

    void Print(const std::string& s, bool finLinea) {
        Salida();
        imp_.Print(s, finLinea);
    }
    void Linea(double x1, double y1, double x2, double y2) {
        Salida();
        imp_.Line(x1, y1, x2, y2);
    }
    void NuevaPagina() {
        pendiente_ = true;
        x_ = y_ = 0;
    }
    void FinDocumento() {
        if (trabajo_) imp_.EndDoc();
    }
    // The current page holds something but not yet its header and footer.
    bool SinCabecera() const { return sinCabecera_; }
    void CabeceraHecha() { sinCabecera_ = false; }

private:
    void Salida() {
        trabajo_ = true;
        sinCabecera_ = true;
        if (!pendiente_) return;
        pendiente_ = false;
        imp_.NewPage();
        imp_.CurrentX(x_);
        imp_.CurrentY(y_);
    }

    plataforma::IImpresora& imp_;
    bool pendiente_ = false;  // a new page was asked for and nothing drawn on it yet
    double x_ = 0, y_ = 0;    // its print position meanwhile
    bool trabajo_ = false;
    bool sinCabecera_ = false;
};

class Informe {
public:
    explicit Informe(plataforma::IImpresora& imp)
        : imp_(imp),
          h_(imp),
          izq_(Twips(MgIzq)),
          der_(Twips(MgDer)),
          inf_(Twips(MgInf)),
          sup_(Twips(MgSup)),
          pie_(Twips(MgPie)),
          cab_(Twips(MgCab)) {}

    // Whether the margins leave a body: the page limit below where a section
    // opens, and some width.
    bool HayCuerpo() const {
        return std::min({izq_, der_, inf_, sup_, pie_, cab_}) >= 0 && Limite() - CuerpoSup() > kSeparacionSeccion &&
               Derecha() > izq_;
    }

    // Whether the current font lets every row of the chosen sections fit across
    // the body, and each section's opening with its first row fit on a page.
    // Rows that end with a text of the user's or of the listing go on over
    // further lines instead, so only the rest is measured.
    bool CabeLaFuente() const {
        double ancho = 0, alto = 0;
        auto seccion = [&](bool impresa, const std::vector<std::string>& fijas, int leyenda, bool encabezado) {
            if (!impresa) return;
            for (const std::string& t : fijas) ancho = std::max(ancho, h_.AnchoTexto(Tinta(t)));
            alto = std::max(alto, AltoApertura(leyenda, encabezado));
        };
        std::vector<std::string> registros = FilasRegistros();
        registros.insert(registros.end(), {kTituloRegistros, kEncabezadoRegistros});
        seccion(ConRegistros(), registros, 0, true);
        seccion(ConMemoria(), TextosMemoria(), 0, true);
        seccion(ConCodigo(), {kTituloCodigo}, 0, false);
        std::vector<std::string> referencias = kLeyendaReferencia;
        referencias.insert(referencias.end(), {kTituloReferencia, kEncabezadoReferencia});
        seccion(ConReferencias(), referencias, int(kLeyendaReferencia.size()), true);
        seccion(ConSecciones(), {kTituloSecciones, kEncabezadoSecciones}, 0, true);
        std::vector<std::string> marcas = kLeyendaMarcas;
        marcas.insert(marcas.end(), {kTituloMarcas, kEncabezadoMarcas});
        seccion(ConMarcas(), marcas, int(kLeyendaMarcas.size()), true);
        seccion(ConPuntos(), {kTituloPuntos, kEncabezadoPuntos}, 0, true);
        return ancho <= Derecha() - izq_ && CuerpoSup() + kSeparacionSeccion + alto <= Pie() &&
               Continuacion() + AltoLinea() <= Pie();
    }

    // Whether the header's title fits its band and the footer's texts theirs,
    // 10 twips clear of the rules and the band's edges, and every header and
    // footer text across the page; also whether the information line leaves
    // room above where the sections open.
    bool CabenCabeceraYPie() const {
        const double alto = AltoLinea(), ancho = h_.Ancho();
        double etiqueta = 0;  // widest footer label: section titles and dumped regions
        auto titulo = [&](bool impreso, const std::string& t) {
            if (impreso) etiqueta = std::max(etiqueta, h_.AnchoTexto(t + ".-" + Str(9999)));
        };
        titulo(ConRegistros(), kTituloRegistros);
        titulo(ConMemoria(), kTituloMemoria);
        if (ConMemoria())
            for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i)
                titulo(gMemoria->TablaAsig(i).PrnOK(), gMemoria->TablaAsig(i).Identificador());
        titulo(ConCodigo(), kTituloCodigo);
        titulo(ConReferencias(), kTituloReferencia);
        titulo(ConSecciones(), kTituloSecciones);
        titulo(ConMarcas(), kTituloMarcas);
        titulo(ConPuntos(), kTituloPuntos);
        return cab_ >= h_.AltoTexto("Tarvix") + 20 && pie_ >= alto + 20 &&
               ReglaInformacion() + 10 <= CuerpoSup() + kSeparacionSeccion && h_.AnchoTexto("Tarvix") <= ancho &&
               h_.AnchoTexto(TextoModelo()) <= ancho - der_ && izq_ + h_.AnchoTexto(TextoFechaHora(Ahora())) <= ancho &&
               etiqueta <= ancho - der_;
    }

    // False when the printer failed or the user cancelled the job.
    bool Imprimir() {
        using Paso = void (Informe::*)();
        for (Paso paso : {&Informe::SeccionRegistros, &Informe::SeccionMemoria, &Informe::SeccionCodigo,
                          &Informe::SeccionReferencias, &Informe::InicioPaginasCompartidas,
                          &Informe::SeccionSecciones, &Informe::SeccionMarcas, &Informe::SeccionPuntos}) {
            (this->*paso)();
            if (imp_.Estado() != plataforma::EstadoImpresion::Correcto) return false;
        }
        // Every page begun gets its header and footer, the last one too.
        if (h_.SinCabecera()) Cabecera(titulo_);
        return imp_.Estado() == plataforma::EstadoImpresion::Correcto;
    }

    void Terminar() { h_.FinDocumento(); }

private:
    static double Twips(int16_t mm) { return Redondear(mm * kTwipsPorMm); }
    double CuerpoSup() const { return sup_ + cab_; }
    double Limite() const { return h_.Alto() - inf_ - pie_ - kSeparacionTabla; }
    double Pie() const { return h_.Alto() - inf_ - pie_; }  // the footer's rule
    double Derecha() const { return h_.Ancho() - der_; }
    double AltoLinea() const { return h_.AltoTexto("X"); }
    // The header's information line stands 10 twips below the header band's
    // rule, with its own rule 10 twips below it.
    double ReglaInformacion() const { return CuerpoSup() + AltoLinea() + 20; }
    // A gap below the body top, but never less than the information line takes.
    double BajoCabecera(double separacion) const {
        return std::max(CuerpoSup() + separacion, ReglaInformacion() + 10);
    }
    // Where the rows go on at the top of a further page.
    double Continuacion() const { return BajoCabecera(kSeparacionTabla); }
    // From the top of a section's opening to the end of its first row: the
    // title, the legend, the column heading and one row (2 twips for rounding).
    double AltoApertura(int leyenda, bool encabezado) const {
        const double alto = AltoLinea();
        return 10 + alto * (1 + leyenda) + (encabezado ? kSeparacionTabla + 20 + alto : 0) + alto + 2;
    }

    bool ConRegistros() const { return Registros; }
    bool ConMemoria() const { return Memoria && gMemoria->NumSecciones() >= 1; }
    bool ConCodigo() const { return DASM && !gFichDSK.empty(); }
    bool ConReferencias() const { return TablaRef && gTablaRef->count() >= 1; }
    bool ConSecciones() const { return TablaSect && gTablaSect->count() >= 1; }
    bool ConMarcas() const { return ListaMarcasRupt && gMarcasRupt->count() >= 1; }
    bool ConPuntos() const { return ListaPuntosRupt && gPuntosRupt->count() >= 1; }

    void Regla(double y) { h_.Linea(izq_, y, h_.Ancho() - der_, y); }
    void Cierre() { Regla(h_.Y() + 10); }
    // A line at y ends above the footer: y; otherwise the page ends and the
    // line goes at the top of the next one.
    double Renglon(double y, const std::string& titulo) {
        if (y + AltoLinea() <= Pie()) return y;
        FinPagina(titulo);
        return Continuacion();
    }
    // Bytes of the first line of s: all of it when it fits across the body,
    // else as many characters as fit, ended after a blank where there is one,
    // with the blanks that follow (at least one character). Only prefixes up
    // to about twice the line are measured, so a row costs its own length
    // however long the text is.
    size_t Partir(std::string_view s) const {
        const double util = Derecha() - izq_;
        std::vector<size_t> inicios = {0};  // byte where each character starts, as far as looked at
        auto hasta = [&](size_t caracteres) {  // byte after that many characters, or the end
            while (inicios.size() <= caracteres && inicios.back() < s.size()) {
                size_t i = inicios.back() + 1;
                while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
                inicios.push_back(i);
            }
            return inicios[std::min(caracteres, inicios.size() - 1)];
        };
        auto cabe = [&](size_t caracteres) {
            return h_.AnchoTexto(Tinta(std::string(s.substr(0, hasta(caracteres))))) <= util;
        };
        // Characters: bajo fit (or are the one a line always takes), alto do not.
        size_t bajo = 1, alto = 16;
        while (cabe(alto)) {
            if (hasta(alto) == s.size()) return s.size();
            bajo = alto;
            alto *= 2;
        }
        while (alto - bajo > 1) {
            const size_t medio = (bajo + alto) / 2;
            (cabe(medio) ? bajo : alto) = medio;
        }
        size_t n = hasta(bajo);
        if (n < s.size() && s[n] != ' ') {
            const size_t blanco = s.find_last_of(' ', n - 1);
            if (blanco != std::string_view::npos && s.find_first_not_of(' ') < blanco) n = blanco + 1;
        }
        while (n < s.size() && s[n] == ' ') ++n;
        return n;
    }
    // A row; one wider than the body goes on over further lines.
    void Fila(const std::string& s) {
        std::string_view resto = s;
        do {
            const size_t n = Partir(resto);
            if (resto.find_first_not_of(' ') != std::string_view::npos) h_.Y(Renglon(h_.Y(), titulo_));
            h_.X(izq_);
            h_.Print(std::string(resto.substr(0, n)), true);
            resto.remove_prefix(n);
        } while (!resto.empty());
    }
    void FinPagina(const std::string& titulo) {
        Cabecera(titulo);
        h_.NuevaPagina();
    }
    void PaginaLlena(const std::string& titulo) {
        if (Limite() < h_.Y()) {
            FinPagina(titulo);
            h_.Y(Continuacion());
        }
    }

    // A section opens 3 cm below the body top, or, chained, 3 cm below where the
    // previous one ended: on a new page when that is past the page limit or
    // leaves no room for the opening and its first row.
    double Inicio(const std::string& titulo, bool encadenado, int leyenda = 0) {
        titulo_ = titulo;
        if (!encadenado) return Redondear(CuerpoSup() + kSeparacionSeccion);
        double y0 = Redondear(h_.Y() + kSeparacionSeccion);
        if (Limite() < h_.Y() || y0 + AltoApertura(leyenda, true) > Pie()) {
            FinPagina(titulo);
            y0 = Redondear(CuerpoSup() + kSeparacionSeccion);
        }
        return y0;
    }
    // The title between two rules; returns the lower rule's y.
    double Apertura(double y0, const std::string& titulo) {
        Regla(y0);
        h_.X(izq_);
        h_.Y(y0 + 10);
        const double y1 = Redondear(y0 + h_.AltoTexto(titulo));
        h_.Print(titulo, true);
        Regla(y1);
        return y1;
    }
    void Leyenda(const std::vector<std::string>& lineas) {
        for (const std::string& l : lineas) Fila(l);
        Regla(h_.Y() + 10);
    }
    void Encabezado(const std::string& texto, double base) {
        const double yh = Renglon(Redondear(base + kSeparacionTabla), titulo_);
        const double yr = Redondear(yh + h_.AltoTexto(texto) + 10);
        h_.X(izq_);
        h_.Y(yh);
        h_.Print(texto, true);
        Regla(yr);
        h_.Y(yr + 10);
    }

    static std::string TextoModelo() {
        return std::string(ModeloDSP == 0 ? "TMS320C30" : "TMS320C31") + (ModoDSP == 0 ? "-MP(" : "-MC(") +
               std::to_string(Frecuencia_Reloj) + ")";
    }
    // Header and footer of the current page, at fixed positions.
    void Cabecera(const std::string& titulo) {
        const std::string modelo = TextoModelo();
        const std::string etiqueta = titulo + ".-" + Str(h_.Pagina());
        const std::string fecha = TextoFechaHora(Ahora());
        const double w = h_.Ancho(), alto = h_.Alto();

        h_.Negrita(true);
        h_.Y(sup_ + (cab_ - h_.AltoTexto("Tarvix")) / 2);
        h_.X((w - h_.AnchoTexto("Tarvix")) / 2);
        h_.Print("Tarvix", true);
        Regla(sup_ + cab_);
        h_.Y(sup_ + cab_ + 10);
        h_.X(izq_);
        h_.Negrita(false);
        h_.Print(gFichDSK, false);
        h_.X(w - der_ - h_.AnchoTexto(modelo));
        h_.Print(modelo, false);
        Regla(ReglaInformacion());
        h_.Y(alto - inf_ - pie_ + 10);
        h_.X(izq_);
        h_.Print(fecha, false);
        h_.X(w - der_ - h_.AnchoTexto(etiqueta));
        h_.Print(etiqueta, true);
        Regla(alto - inf_ - pie_);
        h_.CabeceraHecha();
    }

    static std::string FilaRegistro(const std::string& nombre, int32_t valor) {
        std::string s = Rellenar(nombre, 8);
        for (int16_t f = 0; f < 5; ++f) s += AlinearDerecha(FormatearValor(valor, f), 14);
        return s;
    }
    static std::string FilaRegistroExt(int16_t i) {
        std::string s = "R" + std::to_string(i) + Blancos(6);
        for (int16_t f = 0; f < 5; ++f) s += AlinearDerecha(FormatearValorExt(gRegistros->R(i), f), 14);
        return s;
    }
    // The register rows in their groups, an empty row between groups.
    static std::vector<std::string> FilasRegistros() {
        const ClassRegistrosCPU& r = *gRegistros;
        std::vector<std::string> f = {FilaRegistro("PC", r.PC()), FilaRegistro("DP", r.DP()), ""};
        for (int16_t i = 0; i < 8; ++i) f.push_back(FilaRegistroExt(i));
        f.push_back("");
        for (int16_t i = 0; i < 8; ++i) f.push_back(FilaRegistro("AR" + std::to_string(i), r.AR(i)));
        f.insert(f.end(), {"", FilaRegistro("IR0", r.IR(0)), FilaRegistro("IR1", r.IR(1)), "",
                           FilaRegistro("RC", r.RC()), FilaRegistro("RS", r.RS()), FilaRegistro("RE", r.RE()), "",
                           FilaRegistro("BK", r.BK()), FilaRegistro("SP", r.SP()), "",
                           FilaRegistro("IF", r.IFR()), FilaRegistro("IE", r.IE()), FilaRegistro("IOF", r.IOF()),
                           FilaRegistro("ST", r.ST())});
        return f;
    }

    void SeccionRegistros() {
        if (!ConRegistros()) return;
        Estado("10% - Imprimiendo Registros");
        const double y1 = Apertura(Inicio(kTituloRegistros, false), kTituloRegistros);
        Encabezado(kEncabezadoRegistros, y1);
        for (const std::string& fila : FilasRegistros()) {
            Fila(fila);
            PaginaLlena(kTituloRegistros);
        }
        Cierre();
        FinPagina(kTituloRegistros);
    }

    static std::string FilaMapa(const ClassTablaAsig& t) {
        return FormatoHex(t.Ini()) + "  " + FormatoHex(t.Fin()) + "  " + Rellenar(t.Identificador(), 30) +
               (t.PrnOK() ? "OK  " : "-   ") + FormatoHex(t.PrnINI()) + "  " + FormatoHex(t.PrnFin()) + "  ";
    }
    // A dumped word as printed, without its two trailing blanks.
    static std::string Palabra(int32_t palabra) {
        const std::string s = FormatearValor(palabra, MemoriaTipoDatos);
        return MemoriaTipoDatos == 1 || MemoriaTipoDatos == 2 ? AlinearDerecha(s, 14) : s;
    }
    // What the memory section prints in fixed columns: its title and heading,
    // the map's rows, the dumps' titles, and a dump row of one word of the
    // widest kind.
    std::vector<std::string> TextosMemoria() const {
        std::vector<std::string> t = {kTituloMemoria, kEncabezadoMemoria};
        std::string palabra;
        for (int32_t v : {0, -1, INT32_MIN, INT32_MAX, 0x7F7FFFFF, int32_t(0xFF7FFFFF)}) {
            const std::string p = Palabra(v);
            if (h_.AnchoTexto(p) > h_.AnchoTexto(palabra)) palabra = p;
        }
        for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i) {
            const ClassTablaAsig& r = gMemoria->TablaAsig(i);
            t.push_back(FilaMapa(r));
            if (r.PrnOK()) t.insert(t.end(), {r.Identificador(), FormatoHex(r.PrnINI()) + "  " + palabra});
        }
        return t;
    }

    void SeccionMemoria() {
        if (!ConMemoria()) return;
        Estado("20% - Imprimiendo Memoria");
        Apertura(Inicio(kTituloMemoria, false), kTituloMemoria);
        Encabezado(kEncabezadoMemoria, h_.Y());
        for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i) Fila(FilaMapa(gMemoria->TablaAsig(i)));
        Cierre();
        for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i) {
            if (!gMemoria->TablaAsig(i).PrnOK()) continue;
            Estado(Str(int64_t{i} * 5) + "% - Imprimiendo Memoria:");
            VolcadoMemoria(gMemoria->TablaAsig(i));
        }
        FinPagina(kTituloMemoria);
    }

    // Rows of words, each begun by the address of its first word in bold.
    void DireccionFila(int64_t dir, const std::string& nombre) {
        h_.Y(Renglon(h_.Y(), nombre));
        h_.X(izq_);
        h_.Negrita(true);
        h_.Print(FormatoHex(static_cast<int32_t>(dir)) + "  ", false);
        h_.Negrita(false);
    }
    void VolcadoMemoria(const ClassTablaAsig& t) {
        const std::string& nombre = t.Identificador();
        double y0 = Redondear(h_.Y() + kSeparacionDump);
        if (Limite() < h_.Y() || y0 + AltoApertura(0, false) > Pie()) {
            FinPagina(kTituloMemoria);
            y0 = Redondear(BajoCabecera(kSeparacionDump));
        }
        Apertura(y0, nombre);
        DireccionFila(t.PrnINI(), nombre);
        auto finFila = [&](int64_t siguiente) {
            PaginaLlena(nombre);
            h_.Print("", true);
            DireccionFila(siguiente, nombre);
        };
        bool conPalabras = false;  // the row holds a word already
        for (int64_t a = t.PrnINI(); a <= t.PrnFin(); ++a) {
            int32_t palabra = 0;
            gMemoria->Lee(palabra, static_cast<int32_t>(a));
            const std::string s = Palabra(palabra);
            // A word that would pass the body's right edge begins the next row.
            if (conPalabras && h_.X() + h_.AnchoTexto(s) > Derecha()) finFila(a);
            h_.Print(s + "  ", false);
            conPalabras = true;
            if (Derecha() - kMargenFila < h_.X()) {
                finFila(a + 1);
                conPalabras = false;
            }
        }
        h_.Print("", true);
        Cierre();
    }

    void SeccionCodigo() {
        if (!ConCodigo()) return;
        // A listing that is gone or unreadable, or holds nothing to print, is left out.
        const auto lineas = LineasListado(gFichDSK);
        if (!lineas || lineas->empty()) return;
        Estado("50% - Imprimiendo Código Desensamblado");
        Apertura(Inicio(kTituloCodigo, false), kTituloCodigo);
        for (const std::string& l : *lineas) {
            Estado(Str(h_.Pagina() + 50) + "% - Imprimiendo Código Desensamblado");
            Fila(TextoUtf8(l));
            PaginaLlena(kTituloCodigo);
        }
        Cierre();
        FinPagina(kTituloCodigo);
    }

    void SeccionReferencias() {
        if (!ConReferencias()) return;
        Estado("60% - Imprimiendo Tabla de Referencia");
        Apertura(Inicio(kTituloReferencia, false), kTituloReferencia);
        Leyenda(kLeyendaReferencia);
        Encabezado(kEncabezadoReferencia, h_.Y());
        for (const ClassTablaRef& r : *gTablaRef) {
            Fila(Numero(r.Tipo()) + Blancos(6) + Numero(r.Dir_able()) + Blancos(4) + FormatoHex(r.Contenido()) +
                 Blancos(4) + r.Identificador());
            PaginaLlena(kTituloReferencia);
        }
        Cierre();
        FinPagina(kTituloReferencia);
    }

    // Sections 5 to 7 share pages, starting from the body top.
    void InicioPaginasCompartidas() { h_.Y(CuerpoSup()); }

    void SeccionSecciones() {
        if (!ConSecciones()) return;
        Estado("70% - Imprimiendo Tabla de secciones");
        Apertura(Inicio(kTituloSecciones, true), kTituloSecciones);
        Encabezado(kEncabezadoSecciones, h_.Y());
        for (const ClassTablaSect& s : *gTablaSect) {
            Fila(FormatoHex(s.Ini()) + "  " + FormatoHex(s.Fin()) + "  " + FormatoHex(s.Longitud()) + "  " +
                 s.Identificador());
            PaginaLlena(kTituloSecciones);
        }
        Cierre();
    }

    void SeccionMarcas() {
        if (!ConMarcas()) return;
        Estado("80% - Imprimiendo Marcas de Ruptura");
        Apertura(Inicio(kTituloMarcas, true, int(kLeyendaMarcas.size())), kTituloMarcas);
        Leyenda(kLeyendaMarcas);
        Encabezado(kEncabezadoMarcas, h_.Y());
        for (int32_t i = 1; i <= gMarcasRupt->count(); ++i) {
            const ClassMarcaRupt& m = gMarcasRupt->Item(i);
            int32_t posicion = i;
            Fila(Numero(m.Tipo()) + Blancos(6) + FormatoHex(m.PosMem()) + Blancos(4) + Rellenar(m.Identificador(), 20) +
                 gMarcasRupt->CadenaInfo(posicion));
            PaginaLlena(kTituloMarcas);
        }
        Cierre();
    }

    void SeccionPuntos() {
        if (!ConPuntos()) return;
        Estado("90% - Imprimiendo Puntos de Ruptura");
        Apertura(Inicio(kTituloPuntos, true), kTituloPuntos);
        Encabezado(kEncabezadoPuntos, h_.Y());
        for (const ClassPuntoRupt& p : *gPuntosRupt) {
            Fila(FormatoHex(p.PosMem()) + Blancos(4) + p.Identificador());
            PaginaLlena(kTituloPuntos);
        }
        Cierre();
        Cabecera(kTituloPuntos);
    }

    plataforma::IImpresora& imp_;
    Hoja h_;
    const double izq_, der_, inf_, sup_, pie_, cab_;
    std::string titulo_;  // title of the section being printed: the footer of the page it ends
};

}  // namespace

void ImprimirEntorno() {
    plataforma::IImpresora* imp = plataforma::Impresora();
    if (!imp) {
        plataforma::MsgBox("No hay ninguna impresora instalada.", plataforma::Icono::Exclamacion,
                           plataforma::Botones::Aceptar, "Imprimir Entorno");
        return;
    }
    Informe informe(*imp);
    if (!informe.HayCuerpo()) {
        plataforma::MsgBox("Los márgenes no dejan espacio para el cuerpo de la página: "
                           "redúzcalos en la página de opciones de impresión.",
                           plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Imprimir Entorno");
        return;
    }
    // A font too big for the page is refused with a box that names it.
    const auto rechazarFuente = [imp](const std::string& motivo) {
        char puntos[32];
        std::snprintf(puntos, sizeof puntos, "%g", double(imp->FontSize()));
        plataforma::MsgBox("Con la fuente " + imp->FontName() + " de " + puntos + " puntos " + motivo,
                           plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Imprimir Entorno");
    };
    if (!informe.CabeLaFuente()) {
        rechazarFuente("alguna fila del informe no cabe en el cuerpo de la página: elija una fuente más pequeña o "
                       "reduzca los márgenes en la página de opciones de impresión.");
        return;
    }
    if (!informe.CabenCabeceraYPie()) {
        rechazarFuente("la cabecera o el pie de página no caben en su banda de la página: elija una fuente más "
                       "pequeña o aumente el encabezado y el pie de página en la página de opciones de impresión.");
        return;
    }
    if (NumCopias >= 1) imp->Copies(NumCopias);
    const bool completo = informe.Imprimir();
    if (completo) Estado("Documento imprimido");
    informe.Terminar();
    if (imp->Estado() == plataforma::EstadoImpresion::Cancelado) {
        Estado("Impresión cancelada");
    } else if (imp->Estado() == plataforma::EstadoImpresion::Fallo) {
        Estado("Error de impresión");
        plataforma::MsgBox("No se ha podido imprimir el documento: " + imp->DescripcionError(),
                           plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Imprimir Entorno");
    }
}
