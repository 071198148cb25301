// Everything the whole program shares: the program-wide objects, the run state
// of the simulator, every user option (settings-backed variables), the
// recent-file list and the interrupt-vector address table.
// Every part reads and writes these variables directly.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/CollectDatosFich.h"
#include "data/CollectErrDSK.h"
#include "data/CollectMarcaRupt.h"
#include "data/CollectPuntoRupt.h"
#include "data/CollectTablaRef.h"
#include "data/CollectTablaSect.h"

class ClassMemoria;
class ClassRegistrosCPU;
class ClassPPL;

// --- Program-wide objects (created by CrearObjetosPrograma) -----------------
extern std::unique_ptr<CollectMarcaRupt> gMarcasRupt;  // watch marks
extern std::unique_ptr<CollectPuntoRupt> gPuntosRupt;  // breakpoints
extern std::unique_ptr<CollectErrDSK> gErrDSK;         // assembler messages of the listing
extern std::unique_ptr<CollectTablaSect> gTablaSect;   // section table
extern std::unique_ptr<CollectTablaRef> gTablaRef;     // reference (identifier) table
extern std::unique_ptr<CollectDatosFich> gDatosFich;   // lines of the loaded listing
extern std::unique_ptr<ClassMemoria> gMemoria;         // the simulated memory
extern std::unique_ptr<ClassRegistrosCPU> gRegistros;  // the register file
extern std::unique_ptr<ClassPPL> gPPL;                 // the pipeline

// --- Run state (not stored; preset by LeerOpciones) --------------------------
extern int32_t gCiclos;          // cycle counter
extern int32_t gDirEntrada;      // entry address from the listing's entry line
extern std::string gFichDSK;     // path of the loaded listing; empty when none
extern std::string gFichASM;     // the listing's source file, for "<FILEASM>"
extern int16_t gEstadoDSK;       // last load result: -1 none/not a listing, 0 ok, 1 errors, 2 warnings, 3 memory-load errors
extern bool gEjecutando;         // running continuously (normal and timed runs)
extern bool gPasoSobre;          // step over calls requested
extern int32_t gDirParada;       // temporary stop address; -1 none
// Why the clock cycle stopped a run: the check that set ModoEjecucion 0 first
// in that cycle. Kept until whoever runs the cycles sets it back to Ninguna.
enum class MotivoParada : int8_t { Ninguna, PuntoRuptura, MarcaRuptura, DirParada, ErrorUnidad };
extern MotivoParada gMotivoParada;
extern bool gHayImpresora;       // at least one printer is installed
// Interrupt-vector address table: 0 reset vector, b+1 the vector of
// interrupt-flag bit b (-1: no interrupt on this model), 12 the trap base.
extern std::array<int32_t, 13> gVectoresInt;

// --- Settings-backed variables (one per key) --------------------------------
// "Opciones\Entorno"
extern int32_t Frecuencia_Reloj;   // clock in MHz
extern int16_t ModeloDSP;          // 0 TMS320C30, 1 TMS320C31
extern int16_t ModoDSP;            // 0 microprocessor, 1 microcomputer
extern int16_t ModoPPL;            // 0 four-stage pipeline, 1 one instruction a step
extern bool InfoMarcasRupt;        // box on a watch-mark break
extern bool InfoPuntosRupt;        // box on a breakpoint break
extern int16_t LocalRuptura;       // break address: 0 PC, 1 fetch, 2 decode, 3 read, 4 execute
extern int32_t TiempoExeTemp;      // timed-run pause in ms
extern bool MarcasEnPasoaPaso;     // check watch marks also when not running
extern bool ResetDSK;              // full reset before a listing is opened
extern int16_t TipoReset;          // 0 DSK-module reset, otherwise processor reset
extern int32_t ConfigMem;          // memory-map flags
// "Opciones\Config": the outside programs. By default the editor is the
// desktop's opener, the calculator the first desktop calculator on the PATH,
// and the assembler and the DSK board program are not set ("").
extern std::string Calculadora;
extern std::string Editor;
extern std::string ParamEditor;
extern std::string Ensamblador;
extern std::string ParamEnsamblador;
extern std::string ModuloDSK;
// "Opciones\Resumen": what the environment file and the report include
extern bool DASM;
extern int16_t DASMTipo;
extern bool Memoria;
extern int16_t MemoriaTipoDatos;   // display format 0-4 of the report's memory dump
extern bool Registros;
extern bool ListaMarcasRupt;
extern bool ListaPuntosRupt;
extern bool Inicializar;           // clear registers and tables before restoring
extern bool TablaRef;
extern bool TablaSect;
// "Opciones\Resumen\Impresion": report margins and bands in mm, font, quality, copies
extern int16_t MgSup;
extern int16_t MgInf;
extern int16_t MgIzq;
extern int16_t MgDer;
extern int16_t MgCab;
extern int16_t MgPie;
extern std::string FontName;
extern float FontSize;
extern int16_t PrintQuality;
extern int16_t NumCopias;
// "Opciones\MRUFiles": recent files, entries 1 to 10 (newest first; 0 unused)
extern std::array<std::string, 11> MRU;
// "Opciones"
extern int16_t NumMRUFiles;        // how many recent files are shown and kept (1-10)

// --- The settings table: one row per stored key, in read and write order -----
using VariableAjuste = std::variant<int32_t*, int16_t*, bool*, float*, std::string*>;

struct AjustePrograma {
    std::string seccion;     // e.g. "Opciones\Entorno"
    std::string clave;       // e.g. "Frecuencia_Reloj", "MRU 1"
    VariableAjuste variable; // the variable it backs (its type is the key's type)
    std::string porDefecto;  // the default, as stored text
    double minimo;           // numbers: the accepted range (inclusive);
    double maximo;           // a stored value outside it reads as the default
    // A default that depends on the machine, looked up when the options are
    // read, in place of porDefecto.
    std::string (*porDefectoDelSistema)() = nullptr;
};

// The 49 rows: "Opciones\Entorno" (12), "Opciones\Config" (6), "Opciones\Resumen"
// (10), "Opciones\Resumen\Impresion" (10), "Opciones\MRUFiles" (10), "Opciones" (1).
const std::vector<AjustePrograma>& TablaAjustes();

// The row's variable as stored text: decimal integers, "True"/"False", a real
// number with a point, texts as they are.
std::string TextoAjuste(const AjustePrograma& fila);
// Converts a stored text and sets the row's variable; false (variable
// unchanged) when the text does not convert or lies outside the row's range.
bool AsignarTextoAjuste(const AjustePrograma& fila, const std::string& texto);

// A stored text read the strict way the table reads it: blanks (spaces, tabs)
// around the value aside, the whole text must be the value. A real number is
// decimal, with a point or a comma, an optional sign and exponent, and finite:
// hexadecimal, "inf", "nan" and numbers beyond a double do not read. A Boolean
// is "True" or "False" in any letter case, or "1" or "0".
std::optional<double> LeerRealGuardado(std::string_view texto);
std::optional<bool> LeerBooleanoGuardado(std::string_view texto);

// The full path of the first desktop calculator on the PATH, taking GNOME's,
// KDE's, Qalculate!, Galculator, MATE's and xcalc in that order; "" when none
// of them is there.
std::string CalculadoraDelEscritorio();

// --- Operations --------------------------------------------------------------
// Presets the run state and reads every option from the settings store.
void LeerOpciones();
// (Re)creates the program-wide objects, builds the memory map from ConfigMem
// and fills gVectoresInt for ModeloDSP and ModoDSP.
void CrearObjetosPrograma();
// Writes every option back to the settings store and saves the store.
void GuardarOpciones();
// True only for a regular file that can be opened for reading. One trailing
// backslash is dropped first.
bool ExisteFichero(const std::string& ruta);
