#include "views/LogicaMemoria.h"

#include <algorithm>
#include <cctype>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "data/Entorno.h"
#include "platform/Cuadros.h"
#include "views/PortapapelesMemoria.h"
#include "views/TextoNumerico.h"

namespace {

constexpr const char* kTituloMarcas = "Marcas de Ruptura";
constexpr const char* kTituloBuscar = "Buscar celda de memoria...";

bool IgualesSinMayusculas(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> Preguntar(const std::string& mensaje, const std::string& titulo,
                                     const std::string& porDefecto, int contexto) {
    plataforma::CuadroEntrada c;
    c.mensaje = mensaje;
    c.titulo = titulo;
    c.porDefecto = porDefecto;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = contexto;
    return plataforma::Cuadros().InputBox(c);
}

}  // namespace

const std::vector<std::string>& LogicaMemoria::TextosTipoDatos() {
    static const std::vector<std::string> textos = {"Hexadecimal", "Entero sin signo", "Entero con signo",
                                                    "Punto Flotante (TMS)", "Punto Flotante (IEEE)"};
    return textos;
}

int32_t LogicaMemoria::AnchoDatos(int16_t tipoDatos) {
    if (tipoDatos == 0) return 1000;
    return tipoDatos <= 2 ? 1400 : 1600;
}

LogicaMemoria::LogicaMemoria() {
    grid_.FilasFijas(0);
    grid_.ColumnasFijas(1);
    grid_.Fila(0);
    grid_.Columna(1);
}

void LogicaMemoria::Cargar() {
    accesos_.assign(1, 0);
    LlenarRegiones();
    region_ = -1;
    ++versionListas_;
    anchoDatos_ = grid_.AnchoColumna(1);
    ElegirRegion(0);
    ElegirTipoDatos(0);
    ocupado_ = false;
}

void LogicaMemoria::ElegirRegion(int32_t indice) {
    region_ = indice >= 0 && indice < int32_t(regiones_.size()) ? indice : -1;
    ++versionListas_;
    CmbMemoria_Click();
}

void LogicaMemoria::ElegirTipoDatos(int16_t indice) {
    tipoDatos_ = indice >= 0 && indice < int16_t(TextosTipoDatos().size()) ? indice : int16_t(-1);
    ++versionListas_;
    CmbTipoDatos_Click();
}

void LogicaMemoria::LlenarRegiones() {
    regiones_.clear();
    for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i)
        regiones_.push_back({gMemoria->TablaAsig(i).Identificador(), i});
    ++versionListas_;
}

// A full reset rebuilds the memory map from the settings, which may have
// changed since the list was filled: the list follows the map, and the
// region shown stays chosen when the new map still has it.
void LogicaMemoria::SeguirMapa() {
    bool igual = int32_t(regiones_.size()) == gMemoria->NumSecciones();
    for (size_t k = 0; igual && k < regiones_.size(); ++k)
        igual = regiones_[k].texto == gMemoria->TablaAsig(int32_t(k) + 1).Identificador();
    if (igual || regiones_.empty()) return;
    const std::string elegida = region_ >= 0 ? regiones_[size_t(region_)].texto : std::string();
    LlenarRegiones();
    region_ = 0;
    for (size_t k = 0; k < regiones_.size(); ++k)
        if (regiones_[k].texto == elegida) region_ = int32_t(k);
    inicio_ = gMemoria->TablaAsig(regiones_[size_t(region_)].dato).Ini();
}

const ClassTablaAsig* LogicaMemoria::RegionElegida() const {
    if (region_ < 0) return nullptr;
    const int32_t fila = regiones_[size_t(region_)].dato;
    return fila >= 1 && fila <= gMemoria->NumSecciones() ? &gMemoria->TablaAsig(fila) : nullptr;
}

int32_t LogicaMemoria::ColorRegion() const {
    const ClassTablaAsig* r = RegionElegida();
    return r ? r->Color() : 0;
}

int32_t LogicaMemoria::FilasRegion() const {
    const ClassTablaAsig* r = RegionElegida();
    return r ? (r->Fin() - r->Ini()) / ColumnasDatos() + 1 : grid_.Filas();
}

void LogicaMemoria::CmbMemoria_Click() {
    grid_.Limpiar();
    if (const ClassTablaAsig* r = RegionElegida()) {
        grid_.Filas(FilasRegion());
        inicio_ = r->Ini();
    }
    Refrescar();
}

void LogicaMemoria::CmbTipoDatos_Click() {
    if (tipoDatos_ >= 0) anchoDatos_ = AnchoDatos(tipoDatos_);
    Refrescar();
}

int32_t LogicaMemoria::DireccionCelda(int32_t fila, int32_t col) const {
    return inicio_ + ColumnasDatos() * fila + col - 1;
}

int32_t LogicaMemoria::FilaDeDireccion(int32_t direccion) const { return (direccion - inicio_) / ColumnasDatos(); }

// Makes the cell of the address current (SituarCelda), which runs the
// current-cell handler as a move by the user does.
void LogicaMemoria::SituarCelda(int32_t direccion) {
    grid_.Fila(FilaDeDireccion(direccion));
    grid_.Columna((direccion - inicio_) % ColumnasDatos() + 1);
    CeldaCambiada();
}

void LogicaMemoria::Refrescar() {
    SeguirMapa();
    ocupado_ = true;
    const int32_t actual = DireccionActual();
    grid_.Limpiar();
    // As many data columns as fit beside the address column and 400 twips
    // more; the address column keeps the width of its addresses, whatever the
    // grid's width leaves over. A window too narrow still keeps one data column.
    const int32_t w = anchoGrid_ - kMargenAncho;
    const int32_t n = std::max<int32_t>(1, w / anchoDatos_);
    grid_.Columnas(n + 1);
    grid_.FormatoColumna(0, kAnchoDireccion, Alineacion::Derecha);
    if (RegionElegida()) grid_.Filas(FilasRegion());
    for (int32_t c = 1; c <= n; ++c) grid_.FormatoColumna(c, anchoDatos_, Alineacion::Derecha);
    Colores();
    ocupado_ = false;
    RefrescarCuadro();
    SituarCelda(actual);
}

// Watch-mark cells get their background, identifier cells their text colour.
void LogicaMemoria::Colores() {
    const ClassTablaAsig* r = RegionElegida();
    if (!r) return;
    const int32_t ini = r->Ini(), fin = r->Fin();
    for (const ClassMarcaRupt& m : *gMarcasRupt) {
        if (m.PosMem() < ini || m.PosMem() > fin) continue;
        SituarCelda(m.PosMem());
        grid_.ColorFondo(grid_.Fila(), grid_.Columna(), kFondoMarca);
    }
    for (const ClassTablaRef& t : *gTablaRef) {
        if (t.Dir_able() == 0 || t.Contenido() < ini || t.Contenido() > fin) continue;
        SituarCelda(t.Contenido());
        grid_.ColorTexto(grid_.Fila(), grid_.Columna(), kTextoIdentificador);
    }
}

void LogicaMemoria::RefrescarCuadro() {
    const int32_t cols = ColumnasDatos();
    int32_t r = grid_.PrimeraFilaVisible();
    int32_t a = inicio_ + cols * r;
    for (; grid_.FilaVisible(r); ++r) {
        grid_.Texto(r, 0, ConvertirBase(a, 16, 6) + " ");
        for (int32_t c = 1; c <= cols; ++c, ++a) {
            int32_t palabra = 0;
            grid_.Texto(r, c, gMemoria->Lee(palabra, a) != 0 ? "--------" : FormatearValor(palabra, tipoDatos_));
        }
    }
    const int32_t ultimo = a - 1;
    const int32_t sp = gRegistros->SP();
    Marcar(sp, ultimo, kEnfasisSP, true);
    for (size_t i = 1; i < accesos_.size(); ++i) Marcar(accesos_[i], ultimo, kEnfasisAcceso, false);
    const int32_t n = gMemoria->NumPosAccess();
    accesos_.assign(size_t(n) + 1, 0);
    for (int16_t i = 1; i <= n; ++i) {
        accesos_[size_t(i)] = gMemoria->MemPosAccess(i);
        Marcar(accesos_[size_t(i)], ultimo, kEnfasisAcceso, true);
    }
}

// Emphasis of a filled cell (from the region start up to hasta); address 0
// and below are never marked.
void LogicaMemoria::Marcar(int32_t direccion, int32_t hasta, EstadoGrid::AtributoFuente enfasis, bool activo) {
    if (direccion <= 0 || direccion < inicio_ || direccion > hasta) return;
    SituarCelda(direccion);
    grid_.Atributo(grid_.Fila(), grid_.Columna(), enfasis, activo);
}

void LogicaMemoria::CeldaCambiada() {
    if (ocupado_) return;
    paneles_[3].clear();
    paneles_[5].clear();
    const int32_t a = DireccionActual();
    paneles_[1] = ConvertirBase(a, 16, 6);
    for (const ClassTablaRef& t : *gTablaRef) {
        if (t.Contenido() == a && t.Dir_able() != 0) {
            paneles_[3] = t.Identificador();
            break;
        }
    }
    if (const int32_t i = gMarcasRupt->BuscarMemPos(a)) paneles_[5] = gMarcasRupt->Item(i).Identificador();
}

void LogicaMemoria::EditarCelda() {
    const int32_t a = DireccionActual();
    const std::string p0 = "Introduzca el nuevo contenido de la posición de memoria [" +
                           (tipoDatos_ >= 0 ? TextosTipoDatos()[size_t(tipoDatos_)] : std::string()) + "]";
    const std::string titulo = "Edición la celda de memoria $" + FormatoHex(a);
    // The word's text as it is now, also when the cell was last filled earlier.
    int32_t palabra = 0;
    const std::string actual = gMemoria->Lee(palabra, a) != 0 ? "--------" : FormatearValor(palabra, tipoDatos_);
    std::string mensaje = p0;
    for (;;) {
        const std::optional<std::string> respuesta = Preguntar(mensaje, titulo, actual, 1340);
        // Cancel, or the text left as it was, writes nothing: a rounded
        // floating-point text read back would change the word.
        if (!respuesta) return;
        const std::string texto = respuesta->empty() ? actual : *respuesta;
        if (texto == actual) return;
        if (EsNumero(texto, tipoDatos_) && InterpretarValor(palabra, tipoDatos_, texto) == 0) {
            grid_.Texto(grid_.Fila(), grid_.Columna(), texto);
            gMemoria->Escribe(a, palabra);
            RefrescarCuadro();
            return;
        }
        if (pitido) pitido();
        mensaje = p0 + "\r\r<" + texto + "> no es un representación numérica valida";
    }
}

void LogicaMemoria::BuscarCelda(int32_t& direccion) {
    const bool preguntada = direccion == 0;
    if (preguntada) {
        const std::string p0 =
            "Introduzca la posición de memoria [Hexadecimal] que desea buscar o bien introduzca el identificador "
            "correspondiente.";
        std::string mensaje = p0;
        for (;;) {
            const std::optional<std::string> respuesta = Preguntar(mensaje, kTituloBuscar, "", 1330);
            if (!respuesta || respuesta->empty()) return;
            int32_t v = 0;
            if (InterpretarValor(v, 0, *respuesta) == 0) {
                direccion = v;
                break;
            }
            const auto t = std::find_if(gTablaRef->begin(), gTablaRef->end(), [&](const ClassTablaRef& r) {
                return IgualesSinMayusculas(r.Identificador(), *respuesta);
            });
            if (t != gTablaRef->end()) {
                direccion = t->Contenido();
                break;
            }
            mensaje = p0 + "\r\r<" + *respuesta + "> no es una entrada valida.";
        }
    }
    IrACelda(direccion, preguntada);
}

void LogicaMemoria::MostrarCelda(int32_t direccion) { IrACelda(direccion, false); }

void LogicaMemoria::IrACelda(int32_t direccion, bool preguntada) {
    bool encontrada = false;
    for (size_t k = 0; k < regiones_.size(); ++k) {
        const ClassTablaAsig& r = gMemoria->TablaAsig(regiones_[k].dato);
        if (direccion < r.Ini() || direccion > r.Fin()) continue;
        ElegirRegion(int32_t(k));
        encontrada = true;
    }
    if (!encontrada) {
        plataforma::Cuadro c;
        c.texto = "La celda de memoria $" + FormatoHex(direccion) + " no es una posición valida";
        c.titulo = preguntada ? kTituloBuscar : "";
        c.icono = plataforma::Icono::Exclamacion;
        plataforma::Cuadros().MsgBox(c);
        return;
    }
    SituarCelda(direccion);
    if (!grid_.FilaVisible(grid_.Fila())) {
        // The rows that come into view are filled, as a scroll fills them;
        // the cell found stays the current one.
        grid_.FilaSuperior(grid_.Fila());
        RefrescarCuadro();
        SituarCelda(direccion);
    }
}

void LogicaMemoria::EstablecerIdentificador() {
    const int32_t a = DireccionActual();
    const std::string p0 = "Introduzca el nuevo identificador para la posición de memoria $" + FormatoHex(a) + ".";
    const std::string titulo = "Establecer identificador - Celda $" + FormatoHex(a);
    std::string mensaje = p0, porDefecto;
    for (;;) {
        const std::optional<std::string> respuesta = Preguntar(mensaje, titulo, porDefecto, 6200);
        if (!respuesta || respuesta->empty()) return;
        // A name the environment file cannot keep is asked again as typed.
        porDefecto.clear();
        if (!NombreAdmitido(*respuesta, titulo)) {
            mensaje = p0;
            porDefecto = *respuesta;
            continue;
        }
        const bool existe = std::any_of(gTablaRef->begin(), gTablaRef->end(),
                                        [&](const ClassTablaRef& r) { return r.Identificador() == *respuesta; });
        if (!existe) {
            gTablaRef->Add(*respuesta, a, 0, 2);
            grid_.ColorTexto(grid_.Fila(), grid_.Columna(), kTextoIdentificador);
            CeldaCambiada();
            return;
        }
        mensaje = p0 + "\r\rEl identificador <" + *respuesta + "> ya existe.";
    }
}

void LogicaMemoria::Avisar(const std::string& texto, int contexto) {
    plataforma::Cuadro c;
    c.texto = texto;
    c.titulo = kTituloMarcas;
    c.icono = plataforma::Icono::Informacion;
    c.botonAyuda = true;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = contexto;
    plataforma::Cuadros().MsgBox(c);
}

void LogicaMemoria::AlternarMarca() {
    const int32_t a = DireccionActual();
    const int32_t fila = grid_.Fila(), col = grid_.Columna();
    if (const int32_t i = gMarcasRupt->BuscarMemPos(a)) {
        Avisar("La marca de ruptura de la celda $" + FormatoHex(a) + " ha sido eliminada.", 11020);
        gMarcasRupt->Remove(i);
        // Another mark on the same word keeps the cell marked.
        grid_.ColorFondo(fila, col, gMarcasRupt->BuscarMemPos(a) ? kFondoMarca : EstadoGrid::kColorDefecto);
    } else {
        if (dialogoMarca) dialogoMarca(a);
        if (gMarcasRupt->BuscarMemPos(a)) grid_.ColorFondo(fila, col, kFondoMarca);
    }
    CeldaCambiada();
}

void LogicaMemoria::QuitarMarcas() {
    gMarcasRupt->Clear();
    Refrescar();
    Avisar("Han sido eliminadas todas las Marcas de Ruptura", 11030);
}

std::vector<int32_t> LogicaMemoria::DireccionesSeleccion() const {
    const int32_t f0 = std::min(grid_.Fila(), grid_.FilaSel()), f1 = std::max(grid_.Fila(), grid_.FilaSel());
    const int32_t c0 = std::min(grid_.Columna(), grid_.ColSel()), c1 = std::max(grid_.Columna(), grid_.ColSel());
    std::vector<int32_t> dirs;
    for (int32_t f = f0; f <= f1; ++f)
        for (int32_t c = c0; c <= c1; ++c) dirs.push_back(DireccionCelda(f, c));
    return dirs;
}

std::string LogicaMemoria::Copiar() { return portapapeles::TextoCeldas(*gMemoria, DireccionesSeleccion(), false); }

std::string LogicaMemoria::Cortar() {
    std::string texto = portapapeles::TextoCeldas(*gMemoria, DireccionesSeleccion(), true);
    RefrescarCuadro();
    return texto;
}

void LogicaMemoria::Pegar(const std::optional<std::string>& texto) {
    if (texto && portapapeles::Pegar(*gMemoria, *texto, DireccionActual())) RefrescarCuadro();
}
