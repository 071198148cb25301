#include "app/LogicaOpciones.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/ClassMemoria.h"
#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"
#include "platform/Cuadros.h"
#include "platform/Impresora.h"

namespace opciones {
namespace {

double RedondearParD(double x) {
    const double f = std::floor(x);
    const double d = x - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

template <typename T>
T RedondearEn(double x) {
    if (std::isnan(x)) return 0;
    const double r = RedondearParD(x);
    if (r <= double(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= double(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

// A value that no option shows opens with the default of the setting.
int Opcion(int valor, int numOpciones, int porDefecto) {
    return valor >= 0 && valor < numOpciones ? valor : porDefecto;
}

void Aviso(const char* titulo, const char* texto, int contexto) {
    plataforma::Cuadro c;
    c.titulo = titulo;
    c.texto = texto;
    c.icono = plataforma::Icono::Informacion;
    c.botones = plataforma::Botones::Aceptar;
    c.botonAyuda = true;
    c.ficheroAyuda = plataforma::kFicheroAyuda;
    c.contextoAyuda = contexto;
    plataforma::Cuadros().MsgBox(c);
}

int16_t Opcion01(int opcion) { return opcion == 0 ? 0 : 1; }

}  // namespace

double Val(const std::string& texto) {
    size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
    std::string numero;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-') numero += '-';
        ++i;
    }
    bool digitos = false, punto = false;
    for (; i < texto.size(); ++i) {
        const char ch = texto[i];
        if (ch >= '0' && ch <= '9') {
            numero += ch;
            digitos = true;
        } else if (ch == '.' && !punto) {
            numero += ch;
            punto = true;
        } else {
            break;
        }
    }
    if (!digitos) return 0;
    double v = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        return numero[0] == '-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return v;
}

int32_t RedondearPar32(double x) { return RedondearEn<int32_t>(x); }
int16_t RedondearPar16(double x) { return RedondearEn<int16_t>(x); }

int32_t TextoATwips(const std::string& texto) { return RedondearPar32(Val(texto) * kTwipsPorMm); }
int16_t TextoANumero16(const std::string& texto) { return RedondearPar16(Val(texto)); }

std::string TextoStr(int64_t n) { return (n >= 0 ? " " : "") + std::to_string(n); }

std::string TextoSegundos(int32_t ms) {
    const int32_t centesimas = (std::max(ms, 0) + 5) / 10;
    const int32_t resto = centesimas % 100;
    return " " + std::to_string(centesimas / 100) + "." + (resto < 10 ? "0" : "") + std::to_string(resto);
}

int IndiceFrecuencia(int32_t mhz) {
    switch (mhz) {
        case 27: return 1;
        case 40: return 2;
        case 50: return 3;
        default: return 0;
    }
}

int32_t FrecuenciaDeIndice(int indice) {
    static constexpr int32_t kMhz[] = {33, 27, 40, 50};
    return kMhz[std::clamp(indice, 0, 3)];
}

const std::array<const char*, 5> kFormatos = {"Hexadecimal", "Entero sin signo", "Entero con signo",
                                              "Punto Flotante (TMS)", "Punto Flotante (IEEE)"};

const std::array<Pestana, 5> kPestanas = {{
    {"ProcesadorDSP", "Procesador DSP", "Establecimiento de las caracteristicas del procesador DSP Simulado", 0, 9100},
    {"Herramientas", "Herramientas", "Establecer la configuración de las Herramientas", 1, 9200},
    {"Opciones", "Opciones", "Establece diferentes opciones de configuracion", 4, 9500},
    {"Entorno", "Entorno/Impresión", "Establecer opciones para Salvar/Recuperar el Entorno", 2, 9300},
    {"Pagina", "Página", "Configuracion de la página para la impresión", 3, 9400},
}};

ModoDialogo Modo(int16_t comando, bool hayImpresora) {
    switch (comando) {
        case kSalvarEntorno:
            return {"Salvar Entorno", {"Entorno"}, "Entorno", true, false, 0, "Entorno"};
        case kImprimir:
            return {"Imprimir ...", {"Entorno", "Pagina"}, "Impresión", false, true, 2, "Entorno"};
        default: {
            ModoDialogo m{"Opciones", {}, kPestanas[3].titulo, true, true, 1, "ProcesadorDSP"};
            for (const Pestana& p : kPestanas)
                if (hayImpresora || std::string(p.clave) != "Pagina") m.pestanas.push_back(p.clave);
            return m;
        }
    }
}

int ContextoPestana(const std::string& clave, int16_t comando) {
    for (const Pestana& p : kPestanas)
        if (clave == p.clave) return comando == kImprimir && p.panel >= 2 && p.panel <= 3 ? 9600 : p.contexto;
    return 0;
}

int PanelPestana(const std::string& clave) {
    for (const Pestana& p : kPestanas)
        if (clave == p.clave) return p.panel;
    return -1;
}

// ---------------------------------------------------------------------------
// Binding

void LogicaOpciones::CargarDatos() {
    c.optModelo = Opcion(ModeloDSP, 2, 1);
    OptModelo_Click(c.optModelo);
    c.optModo = Opcion(ModoDSP, 2, 0);
    OptModo_Click(c.optModo);
    c.optModoPPL = Opcion(ModoPPL, 2, 1);
    c.optLocalRuptura = Opcion(LocalRuptura, 5, 0);
    c.chkInfoMR = InfoMarcasRupt;
    c.chkInfoPR = InfoPuntosRupt;
    c.chkMarcasPaP = MarcasEnPasoaPaso;
    c.chkResetDSK = ResetDSK;
    // Any type but 0 is the processor reset.
    c.optTipoReset = TipoReset == 0 ? 0 : 1;
    for (int caja = kMemVect; caja <= kMemPeri; ++caja) {
        c.chkMem[caja] = (ConfigMem & (1 << caja)) != 0;
        ChkMem_Click(caja);
    }
    c.optFrecuencia = IndiceFrecuencia(Frecuencia_Reloj);
    c.herramientas = {Calculadora, Editor, ParamEditor, Ensamblador, ParamEnsamblador, ModuloDSK};
    c.chkEntorno = {DASM, Memoria, Registros, ListaMarcasRupt, ListaPuntosRupt, Inicializar, TablaRef, TablaSect};
    c.cmbMemTipoDatos = Opcion(MemoriaTipoDatos, 5, 0);
    c.cmbMRU = std::clamp<int>(NumMRUFiles, 1, 10) - 1;
    CmbMRU_Click(c.cmbMRU);
    const std::array<int16_t, 6> mm = {MgSup, MgInf, MgIzq, MgDer, MgCab, MgPie};
    for (int m = kSup; m <= kPie; ++m) {
        c.margenes[m] = std::to_string(mm[m]);
        CalcularTwips(Margen(m));
    }
    c.copias = std::to_string(NumCopias);
    // A printer's quality code (-1 to -4) shows as its slider position.
    c.sldCalidad = std::clamp<int>(PrintQuality < 0 ? -PrintQuality : PrintQuality, 1, 4);
    if (plataforma::IImpresora* imp = plataforma::Impresora()) {
        imp->FontName(FontName);
        imp->FontSize(FontSize);
    }
    c.fuenteNombre = FontName;
    c.fuenteTamano = FontSize;
    c.sldExeTemp = std::clamp<int32_t>(TiempoExeTemp, 0, 5000);
    SldExeTemp_Change(c.sldExeTemp);
}

void LogicaOpciones::SalvarDatos() {
    ModeloDSP = Opcion01(c.optModelo);
    ModoDSP = Opcion01(c.optModo);
    ModoPPL = Opcion01(c.optModoPPL);
    TipoReset = Opcion01(c.optTipoReset);
    if (c.optFrecuencia >= 0) Frecuencia_Reloj = FrecuenciaDeIndice(c.optFrecuencia);
    int32_t mapa = 0;
    for (int caja = kMemVect; caja <= kMemPeri; ++caja)
        if (c.chkMem[caja]) mapa |= 1 << caja;
    ConfigMem = mapa;
    if (c.optLocalRuptura >= 0) LocalRuptura = int16_t(c.optLocalRuptura);
    InfoMarcasRupt = c.chkInfoMR;
    InfoPuntosRupt = c.chkInfoPR;
    MarcasEnPasoaPaso = c.chkMarcasPaP;
    ResetDSK = c.chkResetDSK;
    Calculadora = c.herramientas[kCalculadora];
    Editor = c.herramientas[kEditor];
    ParamEditor = c.herramientas[kParamEditor];
    Ensamblador = c.herramientas[kEnsamblador];
    ParamEnsamblador = c.herramientas[kParamEnsamblador];
    ModuloDSK = c.herramientas[kModuloDSK];
    DASM = c.chkEntorno[kDASM];
    Memoria = c.chkEntorno[kMemoria];
    Registros = c.chkEntorno[kRegistros];
    ListaMarcasRupt = c.chkEntorno[kMarcasRupt];
    ListaPuntosRupt = c.chkEntorno[kPuntosRupt];
    Inicializar = c.chkEntorno[kResetENT];
    TablaRef = c.chkEntorno[kTablaRef];
    TablaSect = c.chkEntorno[kTablaSect];
    if (c.cmbMemTipoDatos >= 0) MemoriaTipoDatos = int16_t(c.cmbMemTipoDatos);
    if (c.cmbMRU >= 0) NumMRUFiles = int16_t(c.cmbMRU + 1);
    TiempoExeTemp = std::max(c.sldExeTemp, 100);
    if (CambiosReinicio) Aviso("Configuración", kTextoReinicio, 11110);
    // The settings reader takes a negative margin or fewer than one copy for a
    // damaged value and opens with the default: the nearest value it keeps is
    // stored instead. That, and a number past what 16 bits hold, is a
    // corrected value, and the box shows it.
    auto corregido = [](std::string& caja, int16_t minimo) {
        const int16_t leido = std::max(TextoANumero16(caja), minimo);
        if (leido != RedondearParD(Val(caja))) caja = std::to_string(leido);
        return leido;
    };
    int16_t* const margenes[6] = {&MgSup, &MgInf, &MgIzq, &MgDer, &MgCab, &MgPie};
    for (int m = kSup; m <= kPie; ++m) {
        const std::string antes = c.margenes[m];
        *margenes[m] = corregido(c.margenes[m], 0);
        if (c.margenes[m] != antes) CalcularTwips(Margen(m));
    }
    NumCopias = corregido(c.copias, 1);
    PrintQuality = int16_t(c.sldCalidad);
    if (const plataforma::IImpresora* imp = plataforma::Impresora()) {
        FontName = imp->FontName();
        FontSize = imp->FontSize();
    } else {
        FontName = c.fuenteNombre;
        FontSize = c.fuenteTamano;
    }
}

// ---------------------------------------------------------------------------
// Handlers

void LogicaOpciones::ChkMem_Click(int caja) {
    CambiosReinicio = true;
    if (caja == kMemRAM0 && !c.chkMem[kMemRAM0]) {
        Aviso("Configuración Memoria - RAM Bloque 0", kTextoRAM0, 9100);
        c.chkMem[kMemRAM0] = true;
        ChkMem_Click(kMemRAM0);
    }
}

void LogicaOpciones::OptModelo_Click(int indice) {
    CambiosReinicio = true;
    c.optModelo = indice;
    c.memROMHabilitada = indice == 0;
    c.chkMem[kMemROM] = false;
    ChkMem_Click(kMemROM);
}

void LogicaOpciones::OptModo_Click(int indice) {
    c.optModo = indice;
    CambiosReinicio = true;
}

void LogicaOpciones::SldExeTemp_Change(int posicion) {
    c.sldExeTemp = posicion;
    c.lblExeTemp = TextoSegundos(posicion);
}

void LogicaOpciones::CmbMRU_Click(int indice) {
    c.cmbMRU = indice;
    for (int i = std::max(indice + 2, 1); i <= 10; ++i) MRU[size_t(i)].clear();
}

void LogicaOpciones::CmdClearMRU_Click() {
    for (int i = 1; i <= 10; ++i) MRU[size_t(i)].clear();
}

void LogicaOpciones::RutaElegida(Herramienta caja, const std::string& ruta) {
    if (ruta.empty()) return;
    c.herramientas[caja] = ruta;
    if (caja == kEditor) c.herramientas[kParamEditor].clear();
    if (caja == kEnsamblador) c.herramientas[kParamEnsamblador].clear();
}

void LogicaOpciones::AnadirParametro(Herramienta plantilla, const std::string& token) {
    c.herramientas[plantilla] += " " + token;
}

void LogicaOpciones::Margen_LostFocus(Margen m) { CalcularTwips(m); }

void LogicaOpciones::CalcularTwips(Margen m) { twips[m] = TextoATwips(c.margenes[m]); }

const std::array<Parametro, 2> kTokensEditor = {{{"Fichero &ASM", "<FILEASM>"}, {"Fichero &DSK", "<FILEDSK>"}}};
const std::array<Parametro, 7> kTokensEnsamblador = {{
    {"Fichero &ASM", "<FILEASM>"},
    {"Fichero &DSK", "<FILEDSK>"},
    {"Quiet Update", "Q"},
    {"Verbose Mode", "V"},
    {"Warning Limit", "Wxxx"},
    {"Error Limit", "Exxx"},
    {"Pausa al finalizar", "P"},
}};

// ---------------------------------------------------------------------------
// Section grid

std::vector<FilaSeccion> FilasSecciones() {
    std::vector<FilaSeccion> filas;
    if (!gMemoria) return filas;
    for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i) {
        const ClassTablaAsig& r = gMemoria->TablaAsig(i);
        filas.push_back({r.Identificador(), r.PrnOK(), FormatoHex(r.PrnINI()), FormatoHex(r.PrnFin())});
    }
    return filas;
}

bool EditorLimite::DobleClic(int f, int col) {
    if (!gMemoria || f < 1 || f > gMemoria->NumSecciones() || col < 1 || col > 3) return false;
    fila = f;
    columna = col;
    ClassTablaAsig& r = gMemoria->TablaAsig(f);
    switch (col) {
        case 1: r.PrnOK(!r.PrnOK()); return false;
        case 2: LimiteInferior = r.Ini(); LimiteSuperior = r.PrnFin(); return true;
        default: LimiteInferior = r.PrnINI(); LimiteSuperior = r.Fin(); return true;
    }
}

int EditorLimite::PasoPequeno() const {
    // A range of one address has no steps: the slider then always gives it.
    const int64_t ancho = int64_t(LimiteSuperior) - LimiteInferior;
    if (ancho <= 0) return 1;
    return int(std::max<int64_t>(kSliderMax / ancho, 1));
}

int32_t EditorLimite::Direccion(int posicion) const {
    const int64_t ancho = int64_t(LimiteSuperior) - LimiteInferior;
    const int64_t producto = int64_t(posicion) * ancho;
    // Integer part towards minus infinity.
    int64_t cociente = producto / kSliderMax;
    if (producto % kSliderMax != 0 && producto < 0) --cociente;
    return int32_t(LimiteInferior + cociente);
}

std::string EditorLimite::Cambio(int posicion) {
    if ((columna != 2 && columna != 3) || !gMemoria || fila < 1 || fila > gMemoria->NumSecciones()) return "";
    const int32_t dir = Direccion(posicion);
    ClassTablaAsig& r = gMemoria->TablaAsig(fila);
    if (columna == 2) r.PrnINI(dir);
    else r.PrnFin(dir);
    return FormatoHex(dir);
}

// ---------------------------------------------------------------------------
// Page preview

namespace {

// Margins, their sums and the lines' places are worked out in 64 bits (two
// margins of 32 bits add up past 32), and a place is kept inside 32 bits.
int64_t Desplazamiento(int64_t margen, double papel, int caja) {
    if (papel <= 0) return 0;
    return RedondearEn<int64_t>(double(margen) / papel * caja);
}
int Lugar(int64_t v) { return RedondearPar32(double(v)); }

std::string TextoMm(double twips) { return TextoStr(RedondearPar32(twips / kTwipsPorMm)) + " mm"; }

}  // namespace

DibujoPagina CalcularPagina(double pw, double ph, int orientacion, const std::array<int32_t, 6>& t) {
    DibujoPagina d;
    d.textoAncho = TextoMm(pw);
    d.textoAlto = TextoMm(ph);
    const bool vertical = orientacion == 1;
    d.x0 = vertical ? 1300 : 1000;
    d.y0 = vertical ? 500 : 800;
    d.ancho = vertical ? 1700 : 2500;
    d.alto = vertical ? 2500 : 1700;
    constexpr uint32_t kRojo = 0xC0, kVerde = 0x8000;
    const int x0 = d.x0, y0 = d.y0, w = d.ancho, h = d.alto;
    const int sup = Lugar(y0 + Desplazamiento(t[kSup], ph, h));
    const int inf = Lugar(y0 + h - Desplazamiento(t[kInf], ph, h));
    const int cab = Lugar(y0 + Desplazamiento(int64_t(t[kCab]) + t[kSup], ph, h));
    const int pie = Lugar(y0 + h - Desplazamiento(int64_t(t[kPie]) + t[kInf], ph, h));
    const int izq = Lugar(x0 + Desplazamiento(t[kIzq], pw, w));
    const int der = Lugar(x0 + w - Desplazamiento(t[kDer], pw, w));
    d.lineas = {
        {x0, sup, x0 + w, sup, kRojo},   {x0, inf, x0 + w, inf, kRojo},   {x0, cab, x0 + w, cab, kVerde},
        {x0, pie, x0 + w, pie, kVerde},  {izq, y0, izq, y0 + h, kRojo},   {der, y0, der, y0 + h, kRojo},
    };
    return d;
}

std::array<int, 2> PosicionEtiqueta(int etiqueta, int orientacion, int w, int h) {
    const bool vertical = orientacion == 1;
    if (etiqueta == 0) return vertical ? std::array{2200 - w / 2, 450 - h} : std::array{2100 - w / 2, 800 - h};
    return vertical ? std::array{1200 - w, 1500 - h / 2} : std::array{700 - w, 1650 - h / 2};
}

std::string TextoImpresora(const std::string& dispositivo, const std::string& puerto) {
    return dispositivo + " (" + puerto + ")";
}

std::string TextoFuente(const std::string& nombre, float puntos) {
    return nombre + " (" + std::to_string(RedondearPar32(puntos)) + " pt)";
}

}  // namespace opciones
