// What the options dialog does, without a window: which control shows which
// setting, what applying stores, the handlers that run while it is open, the
// section grid's print ranges and the geometry of the page preview. The dialog
// (app/frmOpciones) mirrors EstadoControles into its widgets and back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace plataforma {
class IImpresora;
}

namespace opciones {

// --- Numbers as the dialog reads and writes them ------------------------------
// The leading number of a text: blanks skipped, an optional sign, digits and a
// point as decimal separator; reading stops at the first character that does
// not fit; 0 when there is no number.
double Val(const std::string& texto);
// Nearest integer, halves to the even neighbour, kept inside the type's range.
int32_t RedondearPar32(double x);
int16_t RedondearPar16(double x);
inline constexpr double kTwipsPorMm = 56.7;
// A margin box's text in twips for the preview (10 gives 567).
int32_t TextoATwips(const std::string& texto);
// A margin or copies box's text as the stored whole number (12.5 gives 12).
int16_t TextoANumero16(const std::string& texto);
// A non-negative number with one blank before it, a negative one with "-".
std::string TextoStr(int64_t n);
// The timed-run delay label: " 0.25" for 250 ms.
std::string TextoSegundos(int32_t milisegundos);
// Option of the clock frequency: 0 "33 MHz", 1 "27 MHz", 2 "40 MHz", 3 "50 MHz".
int IndiceFrecuencia(int32_t mhz);
int32_t FrecuenciaDeIndice(int indice);

// The five display formats, in code order (0-4).
extern const std::array<const char*, 5> kFormatos;

// --- Modes and tabs ------------------------------------------------------------
enum Comando : int16_t { kOpciones = 0, kSalvarEntorno = 1, kImprimir = 3 };

struct Pestana {
    const char* clave;
    const char* titulo;
    const char* ayuda;      // tool tip
    int panel;              // index of the panel it shows
    int contexto;           // help context (print mode: 9600 for Entorno and Pagina)
};
// The five tabs in their order at design.
extern const std::array<Pestana, 5> kPestanas;

struct ModoDialogo {
    std::string titulo;                 // dialog caption
    std::vector<std::string> pestanas;  // keys of the tabs left, in order
    std::string tituloEntorno;          // caption of the tab "Entorno"
    bool resetEntVisible;               // ChkResetENT offered
    bool tipoDatosHabilitado;           // CmbMemTipoDatos enabled
    int imagen;                         // ImgEntorno shown
    std::string primera;                // tab selected first
};
ModoDialogo Modo(int16_t comando, bool hayImpresora);
// Help context of a tab in a mode; 0 for an unknown key.
int ContextoPestana(const std::string& clave, int16_t comando);
// Panel index of a tab; -1 for an unknown key.
int PanelPestana(const std::string& clave);

// --- The controls' working state -------------------------------------------------
enum Herramienta { kCalculadora, kEditor, kParamEditor, kEnsamblador, kParamEnsamblador, kModuloDSK };
enum Margen { kSup, kInf, kIzq, kDer, kCab, kPie };
enum CajaMemoria { kMemVect, kMemRAM0, kMemRAM1, kMemROM, kMemPeri };
enum CajaEntorno { kDASM, kMemoria, kRegistros, kMarcasRupt, kPuntosRupt, kResetENT, kTablaRef, kTablaSect };

struct EstadoControles {
    int optModelo = -1, optModo = -1, optModoPPL = -1, optLocalRuptura = -1, optTipoReset = -1,
        optFrecuencia = -1;  // -1: no option selected
    bool chkInfoMR = false, chkInfoPR = false, chkMarcasPaP = false, chkResetDSK = false;
    std::array<bool, 5> chkMem{false, true, false, false, false};  // RAM block 0 ticked at design
    bool memROMHabilitada = true;
    std::array<std::string, 6> herramientas;  // by Herramienta
    std::array<bool, 8> chkEntorno{};         // by CajaEntorno
    int cmbMemTipoDatos = -1, cmbMRU = -1;
    std::array<std::string, 6> margenes;      // by Margen
    std::string copias;
    int sldCalidad = 1;                       // 1 to 4
    int sldExeTemp = 0;                       // 0 to 5000 ms
    std::string lblExeTemp;
    // The report's font while no printer holds it.
    std::string fuenteNombre;
    float fuenteTamano = 10;
};

// Texts of the restart notice and the RAM block 0 refusal.
inline constexpr const char* kTextoReinicio =
    "Se han realizado cambios que no surtiran efecto hasta que se reinicialize la aplicacion";
inline constexpr const char* kTextoRAM0 =
    "Este bloque de memoria no puede desactivarse. Es necesario disponer el menos de esta Seccion de Memoria";

class LogicaOpciones {
public:
    EstadoControles c;
    bool CambiosReinicio = false;
    std::array<int32_t, 6> twips{};  // TwipsMg* by Margen, for the preview

    // Settings into the controls, in binding order, running the handlers that
    // setting a control runs. The report's font goes to the printer when one is
    // installed.
    void CargarDatos();
    // Controls into the settings, with the restart notice when CambiosReinicio
    // is set. The caller re-initialises the main window afterwards.
    void SalvarDatos();

    // Handlers of the processor and options tabs.
    void ChkMem_Click(int caja);
    void OptModelo_Click(int indice);
    void OptModo_Click(int indice);
    void SldExeTemp_Change(int posicion);
    void CmbMRU_Click(int indice);
    void CmdClearMRU_Click();
    // Tools tab: a browsed path (the template of the editor or the assembler is
    // emptied with it) and a token appended to a template.
    void RutaElegida(Herramienta caja, const std::string& ruta);
    void AnadirParametro(Herramienta plantilla, const std::string& token);
    // Page tab: a margin box lost the focus.
    void Margen_LostFocus(Margen m);

private:
    void CalcularTwips(Margen m);
};

// The tokens of the template pop-up menus: caption and token appended.
struct Parametro {
    const char* titulo;
    const char* token;
};
extern const std::array<Parametro, 2> kTokensEditor;
extern const std::array<Parametro, 7> kTokensEnsamblador;

// --- Section grid: the print flag and range of each memory-map region -------------
struct FilaSeccion {
    std::string nombre;
    bool seleccionada;
    std::string desde, hasta;  // 8 hexadecimal digits
};
// One row per region of gMemoria, in decoding order.
std::vector<FilaSeccion> FilasSecciones();

inline constexpr int kSliderMax = 1000;
class EditorLimite {
public:
    // A double-click on region row fila (1-based) and column: column 1 toggles
    // the flag and answers false; columns 2 and 3 set the limits and answer
    // true (the editor opens); the name column and row 0 do nothing.
    bool DobleClic(int fila, int columna);
    // Small step of the slider for the current limits (1 at least).
    int PasoPequeno() const;
    // Address of a slider position.
    int32_t Direccion(int posicion) const;
    // Slider change: writes the address into the region; its text for the
    // cell ("" when the current column is none of the two limits).
    std::string Cambio(int posicion);
    int32_t LimiteInferior = 0, LimiteSuperior = 0;
    int fila = 0, columna = 0;
};

// --- Page preview ------------------------------------------------------------------
struct LineaPagina {
    int x1, y1, x2, y2;
    uint32_t color;  // &HBBGGRR
};
struct DibujoPagina {
    std::string textoAncho, textoAlto;  // LblPaper(0) and (1)
    int x0, y0, ancho, alto;            // page box, twips of the panel
    std::vector<LineaPagina> lineas;    // top, bottom, header, footer, left, right
};
DibujoPagina CalcularPagina(double pw, double ph, int orientacion, const std::array<int32_t, 6>& twips);
// Left and top of a paper label of size w x h: etiqueta 0 the width, 1 the height.
std::array<int, 2> PosicionEtiqueta(int etiqueta, int orientacion, int w, int h);
std::string TextoImpresora(const std::string& dispositivo, const std::string& puerto);
std::string TextoFuente(const std::string& nombre, float puntos);

}  // namespace opciones
