#include "data/DatosPrograma.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include <unistd.h>

#include "core/ClassMemoria.h"
#include "core/ClassPPL.h"
#include "core/ClassRegistrosCPU.h"
#include "data/Ficheros.h"
#include "platform/Ajustes.h"
#include "platform/Cuadros.h"
#include "platform/Impresora.h"

// --- Program-wide objects ------------------------------------------------------
std::unique_ptr<CollectMarcaRupt> gMarcasRupt;
std::unique_ptr<CollectPuntoRupt> gPuntosRupt;
std::unique_ptr<CollectErrDSK> gErrDSK;
std::unique_ptr<CollectTablaSect> gTablaSect;
std::unique_ptr<CollectTablaRef> gTablaRef;
std::unique_ptr<CollectDatosFich> gDatosFich;
std::unique_ptr<ClassMemoria> gMemoria;
std::unique_ptr<ClassRegistrosCPU> gRegistros;
std::unique_ptr<ClassPPL> gPPL;

// --- Run state -------------------------------------------------------------------
int32_t gCiclos = 0;
int32_t gDirEntrada = 0;
std::string gFichDSK;
std::string gFichASM;
int16_t gEstadoDSK = -1;
bool gEjecutando = false;
bool gPasoSobre = false;
int32_t gDirParada = -1;
MotivoParada gMotivoParada = MotivoParada::Ninguna;
bool gHayImpresora = false;
std::array<int32_t, 13> gVectoresInt{};

// --- Settings-backed variables (initialised to their defaults) ------------------------
int32_t Frecuencia_Reloj = 50;
int16_t ModeloDSP = 1;
int16_t ModoDSP = 0;
int16_t ModoPPL = 1;
bool InfoMarcasRupt = true;
bool InfoPuntosRupt = false;
int16_t LocalRuptura = 0;
int32_t TiempoExeTemp = 1000;
bool MarcasEnPasoaPaso = true;
bool ResetDSK = true;
int16_t TipoReset = 0;
int32_t ConfigMem = 7;
std::string Calculadora;
std::string Editor = "xdg-open";
std::string ParamEditor = "<FILEASM>";
std::string Ensamblador;
std::string ParamEnsamblador = "<FILEASM>";
std::string ModuloDSK;
bool DASM = true;
int16_t DASMTipo = 1;
bool Memoria = true;
int16_t MemoriaTipoDatos = 0;
bool Registros = true;
bool ListaMarcasRupt = false;
bool ListaPuntosRupt = false;
bool Inicializar = true;
bool TablaRef = false;
bool TablaSect = false;
int16_t MgSup = 10;
int16_t MgInf = 10;
int16_t MgIzq = 10;
int16_t MgDer = 10;
int16_t MgCab = 10;
int16_t MgPie = 10;
std::string FontName = "Courier New";
float FontSize = 10.0f;
int16_t PrintQuality = -2;
int16_t NumCopias = 1;
std::array<std::string, 11> MRU;
int16_t NumMRUFiles = 4;

namespace {

constexpr double kMin16 = std::numeric_limits<int16_t>::min();
constexpr double kMax16 = std::numeric_limits<int16_t>::max();
constexpr double kMin32 = std::numeric_limits<int32_t>::min();
constexpr double kMax32 = std::numeric_limits<int32_t>::max();

const char* const kEntorno = "Opciones\\Entorno";
const char* const kConfig = "Opciones\\Config";
const char* const kResumen = "Opciones\\Resumen";
const char* const kImpresion = "Opciones\\Resumen\\Impresion";

std::vector<AjustePrograma> ConstruirTabla() {
    std::vector<AjustePrograma> t = {
        {kEntorno, "Frecuencia_Reloj", &Frecuencia_Reloj, "50", 1, kMax32},
        {kEntorno, "ModeloDSP", &ModeloDSP, "1", 0, 1},
        {kEntorno, "ModoDSP", &ModoDSP, "0", 0, 1},
        {kEntorno, "ModoPPL", &ModoPPL, "1", 0, 1},
        {kEntorno, "InfoMarcasRupt", &InfoMarcasRupt, "True", 0, 0},
        {kEntorno, "InfoPuntosRupt", &InfoPuntosRupt, "False", 0, 0},
        {kEntorno, "LocalRuptura", &LocalRuptura, "0", 0, 4},
        {kEntorno, "TiempoExeTemp", &TiempoExeTemp, "1000", 100, 5000},
        {kEntorno, "MarcasEnPasoaPaso", &MarcasEnPasoaPaso, "True", 0, 0},
        {kEntorno, "ResetDSK", &ResetDSK, "True", 0, 0},
        {kEntorno, "TipoReset", &TipoReset, "0", kMin16, kMax16},
        {kEntorno, "ConfigMem", &ConfigMem, "7", kMin32, kMax32},
        {kConfig, "Calculadora", &Calculadora, "", 0, 0, CalculadoraDelEscritorio},
        // The desktop opens the source with its own application for it.
        {kConfig, "Editor", &Editor, "xdg-open", 0, 0},
        {kConfig, "ParamEditor", &ParamEditor, "<FILEASM>", 0, 0},
        {kConfig, "Ensamblador", &Ensamblador, "", 0, 0},
        {kConfig, "ParamEnsamblador", &ParamEnsamblador, "<FILEASM>", 0, 0},
        {kConfig, "ModuloDSK", &ModuloDSK, "", 0, 0},
        {kResumen, "DASM", &DASM, "True", 0, 0},
        {kResumen, "DASMTipo", &DASMTipo, "1", kMin16, kMax16},
        {kResumen, "Memoria", &Memoria, "True", 0, 0},
        {kResumen, "MemoriaTipoDatos", &MemoriaTipoDatos, "0", 0, 4},
        {kResumen, "Registros", &Registros, "True", 0, 0},
        {kResumen, "ListaMarcasRupt", &ListaMarcasRupt, "False", 0, 0},
        {kResumen, "ListaPuntosRupt", &ListaPuntosRupt, "False", 0, 0},
        {kResumen, "Inicializar", &Inicializar, "True", 0, 0},
        {kResumen, "TablaRef", &TablaRef, "False", 0, 0},
        {kResumen, "TablaSect", &TablaSect, "False", 0, 0},
        {kImpresion, "MgSup", &MgSup, "10", 0, kMax16},
        {kImpresion, "MgInf", &MgInf, "10", 0, kMax16},
        {kImpresion, "MgIzq", &MgIzq, "10", 0, kMax16},
        {kImpresion, "MgDer", &MgDer, "10", 0, kMax16},
        {kImpresion, "MgCab", &MgCab, "10", 0, kMax16},
        {kImpresion, "MgPie", &MgPie, "10", 0, kMax16},
        {kImpresion, "FontName", &FontName, "Courier New", 0, 0},
        // A point size a page can hold; a larger one printed empty pages.
        {kImpresion, "FontSize", &FontSize, "10", 4, 144},
        {kImpresion, "PrintQuality", &PrintQuality, "-2", kMin16, kMax16},
        {kImpresion, "NumCopias", &NumCopias, "1", 1, kMax16},
    };
    for (int i = 1; i <= 10; ++i)
        t.push_back({"Opciones\\MRUFiles", "MRU " + std::to_string(i), &MRU[static_cast<std::size_t>(i)], "", 0, 0});
    t.push_back({"Opciones", "NumMRUFiles", &NumMRUFiles, "4", 1, 10});
    return t;
}

std::string_view SinBlancos(std::string_view s) {
    auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && blanco(s.back())) s.remove_suffix(1);
    return s;
}

bool IgualSinMayusculas(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A leading '+' dropped: from_chars takes only '-'. A sign after it is no number.
bool SinMas(std::string_view& s) {
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') return false;
    }
    return !s.empty();
}

// Decimal integer with an optional sign; the whole text must be the number.
bool LeerEntero(std::string_view s, int64_t& v) {
    s = SinBlancos(s);
    if (!SinMas(s)) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

// Real number written with a point or a comma; no infinities or NaN. Read in
// the variable's own type, so a number beyond it does not read.
template <class Real>
bool LeerReal(std::string_view s, Real& v) {
    std::string t(SinBlancos(s));
    std::replace(t.begin(), t.end(), ',', '.');
    std::string_view n = t;
    if (!SinMas(n)) return false;
    auto [p, ec] = std::from_chars(n.data(), n.data() + n.size(), v, std::chars_format::general);
    return ec == std::errc() && p == n.data() + n.size() && std::isfinite(v);
}

bool LeerBooleano(std::string_view s, bool& v) {
    s = SinBlancos(s);
    if (IgualSinMayusculas(s, "True") || s == "1") v = true;
    else if (IgualSinMayusculas(s, "False") || s == "0") v = false;
    else return false;
    return true;
}

bool EnRango(const AjustePrograma& fila, double v) { return v >= fila.minimo && v <= fila.maximo; }

template <class Entero>
bool AsignarEntero(const AjustePrograma& fila, const std::string& texto, Entero* v) {
    int64_t n = 0;
    if (!LeerEntero(texto, n) || !EnRango(fila, static_cast<double>(n))) return false;
    *v = static_cast<Entero>(n);
    return true;
}

}  // namespace

std::optional<double> LeerRealGuardado(std::string_view texto) {
    double v = 0;
    return LeerReal(texto, v) ? std::optional(v) : std::nullopt;
}

std::optional<bool> LeerBooleanoGuardado(std::string_view texto) {
    bool v = false;
    return LeerBooleano(texto, v) ? std::optional(v) : std::nullopt;
}

const std::vector<AjustePrograma>& TablaAjustes() {
    static const std::vector<AjustePrograma> tabla = ConstruirTabla();
    return tabla;
}

std::string TextoAjuste(const AjustePrograma& fila) {
    struct Visitante {
        std::string operator()(int32_t* v) const { return std::to_string(*v); }
        std::string operator()(int16_t* v) const { return std::to_string(*v); }
        std::string operator()(bool* v) const { return *v ? "True" : "False"; }
        std::string operator()(std::string* v) const { return *v; }
        std::string operator()(float* v) const {
            char buf[32];
            auto [p, ec] = std::to_chars(buf, buf + sizeof buf, *v);  // shortest, with a point
            return ec == std::errc() ? std::string(buf, p) : std::string();
        }
    };
    return std::visit(Visitante{}, fila.variable);
}

bool AsignarTextoAjuste(const AjustePrograma& fila, const std::string& texto) {
    struct Visitante {
        const AjustePrograma& fila;
        const std::string& texto;
        bool operator()(int32_t* v) const { return AsignarEntero(fila, texto, v); }
        bool operator()(int16_t* v) const { return AsignarEntero(fila, texto, v); }
        bool operator()(bool* v) const { return LeerBooleano(texto, *v); }
        bool operator()(std::string* v) const {
            *v = texto;
            return true;
        }
        bool operator()(float* v) const {
            float f = 0;
            if (!LeerReal(texto, f) || !EnRango(fila, f)) return false;
            *v = f;
            return true;
        }
    };
    return std::visit(Visitante{fila, texto}, fila.variable);
}

void LeerOpciones() {
    gCiclos = 0;
    gDirEntrada = 0;
    gFichDSK.clear();
    gFichASM.clear();
    gEstadoDSK = -1;
    gEjecutando = false;
    gPasoSobre = false;
    gDirParada = -1;
    gMotivoParada = MotivoParada::Ninguna;
    auto& almacen = plataforma::Ajustes();
    for (const auto& fila : TablaAjustes()) {
        const std::string porDefecto = fila.porDefectoDelSistema ? fila.porDefectoDelSistema() : fila.porDefecto;
        const std::string texto = almacen.Leer(plataforma::kAplicacion, fila.seccion, fila.clave, porDefecto);
        // A stored text that does not convert, or lies outside what the program
        // can use, reads as the default.
        if (!AsignarTextoAjuste(fila, texto)) AsignarTextoAjuste(fila, porDefecto);
    }
    gHayImpresora = plataforma::HayImpresora();
}

void GuardarOpciones() {
    auto& almacen = plataforma::Ajustes();
    for (const auto& fila : TablaAjustes())
        almacen.Escribir(plataforma::kAplicacion, fila.seccion, fila.clave, TextoAjuste(fila));
    // One write of the store: these options and whatever was written before them.
    if (!almacen.Guardar())
        plataforma::MsgBox("No se han podido guardar las opciones en el fichero <" +
                               almacen.Lugar(plataforma::kAplicacion) +
                               ">. Los cambios de esta sesión no se han guardado.",
                           plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Guardar Opciones");
}

void CrearObjetosPrograma() {
    gMarcasRupt = std::make_unique<CollectMarcaRupt>();
    gPuntosRupt = std::make_unique<CollectPuntoRupt>();
    gErrDSK = std::make_unique<CollectErrDSK>();
    gTablaSect = std::make_unique<CollectTablaSect>();
    gTablaRef = std::make_unique<CollectTablaRef>();
    gDatosFich = std::make_unique<CollectDatosFich>();
    gMemoria = std::make_unique<ClassMemoria>();
    gMemoria->Inicializar(ConfigMem);
    gRegistros = std::make_unique<ClassRegistrosCPU>();
    gPPL = std::make_unique<ClassPPL>();

    // Vector addresses: b+1 in microprocessor mode, in RAM block 1 in
    // microcomputer mode; the TMS320C31 has no interrupt on bits 6 and 7.
    const bool microcomputador = ModoDSP != 0;
    gVectoresInt[0] = 0;
    for (int32_t b = 0; b <= 10; ++b) {
        const bool sinInterrupcion = ModeloDSP != 0 && (b == 6 || b == 7);
        gVectoresInt[static_cast<std::size_t>(b + 1)] =
            sinInterrupcion ? -1 : (microcomputador ? 0x809FC1 + b : b + 1);
    }
    // Trap base: TRAP n is at base + n, so TRAP 0..27 lie in RAM block 1 in
    // microcomputer mode.
    gVectoresInt[12] = microcomputador ? 0x809FE0 : 0x20;
}

std::string CalculadoraDelEscritorio() {
    static constexpr const char* kCalculadoras[] = {"gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
                                                    "galculator",       "mate-calc", "xcalc"};
    const char* path = std::getenv("PATH");
    std::vector<std::filesystem::path> carpetas;
    for (std::string_view resto = path ? path : "";;) {
        const size_t fin = resto.find(':');
        // An empty entry would stand for the working folder, which is no place to look.
        if (const std::string_view carpeta = resto.substr(0, fin); !carpeta.empty()) carpetas.emplace_back(carpeta);
        if (fin == std::string_view::npos) break;
        resto.remove_prefix(fin + 1);
    }
    for (const char* nombre : kCalculadoras) {
        for (const std::filesystem::path& carpeta : carpetas) {
            const std::filesystem::path ruta = carpeta / nombre;
            std::error_code ec;
            if (std::filesystem::is_regular_file(ruta, ec) && ::access(ruta.c_str(), X_OK) == 0) return ruta.string();
        }
    }
    return {};
}

bool ExisteFichero(const std::string& ruta) {
    std::string r = ruta;
    if (!r.empty() && r.back() == '\\') r.pop_back();
    if (r.empty()) return false;
    // Opened in a way that cannot wait, should a pipe stand there by now.
    int error = 0;
    std::FILE* f = AbrirFicheroPlano(r, error);
    if (f) std::fclose(f);
    return f != nullptr;
}
