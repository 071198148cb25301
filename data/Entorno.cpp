#include "data/Entorno.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Anfitrion.h"
#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/Ficheros.h"
#include "data/LeerFichDSK.h"
#include "data/TextoFichero.h"
#include "data/TextoUtf8.h"
#include "platform/Cuadros.h"

namespace fs = std::filesystem;

namespace {

std::function<FechaHora()> gReloj;
std::string gCarpetaDatos;

constexpr const char* kCR = "\r";
constexpr const char* kSeccionCodigo = "[CODIGO DESENSAMBLADO]";
constexpr const char* kFinCodigo = "[END]";  // ends the listing copy
constexpr const char* kRegistrosResumenOk = "     - Registros: carga satisfactoria";
constexpr const char* kRegistrosResumenMal = "     - Registros: carga incompleta";
// Ends the results line of a section that was not restored whole.
constexpr const char* kFallo = " [FALLO]";

void Estado(const std::string& texto) { VentanaPrincipal().InfoBar(texto); }

// --- text of the file ------------------------------------------------------------

// A number as the runtime's Str writes it: a blank before a value of 0 or more.
std::string Str(int64_t n) { return (n >= 0 ? " " : "") + std::to_string(n); }

// What a quoted text field cannot hold: the double quote that closes it and
// the line ends that close the record.
constexpr std::string_view kFueraDeCampo = "\"\r\n";

// A text that did not come from the user's typing (a region's or a listing's
// name) may still hold them: a quote is written as ', a line end as a blank.
std::string TextoEntreComillas(std::string s) {
    for (char& c : s)
        if (kFueraDeCampo.find(c) != std::string_view::npos) c = c == '"' ? '\'' : ' ';
    return s;
}

// Splits at CR LF, LF or CR; a final line end adds no empty line.
std::vector<std::string> PartirLineas(const std::string& texto) {
    std::vector<std::string> lineas;
    size_t i = 0;
    while (i < texto.size()) {
        size_t fin = texto.find_first_of("\r\n", i);
        if (fin == std::string::npos) {
            lineas.push_back(texto.substr(i));
            break;
        }
        lineas.push_back(texto.substr(i, fin - i));
        i = fin + ((texto[fin] == '\r' && fin + 1 < texto.size() && texto[fin + 1] == '\n') ? 2 : 1);
    }
    return lineas;
}

// One field of a record: a quoted text or a bare value.
struct Campo {
    std::string texto;
    bool comillas = false;
};

std::string SinBlancos(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Splits a record at the commas outside quotes; false for a blank line or a
// line that is no record (an open quote, text after a closing quote).
bool PartirRegistro(const std::string& linea, std::vector<Campo>& campos) {
    campos.clear();
    if (SinBlancos(linea).empty()) return false;
    size_t i = 0;
    const size_t n = linea.size();
    while (true) {
        Campo c;
        while (i < n && linea[i] == ' ') ++i;
        if (i < n && linea[i] == '"') {
            const size_t cierre = linea.find('"', i + 1);
            if (cierre == std::string::npos) return false;
            // A name typed into the file in an 8-bit editor is kept as UTF-8.
            c.texto = TextoUtf8(std::string_view(linea).substr(i + 1, cierre - i - 1));
            c.comillas = true;
            i = cierre + 1;
            while (i < n && linea[i] == ' ') ++i;
        } else {
            size_t fin = linea.find(',', i);
            if (fin == std::string::npos) fin = n;
            c.texto = SinBlancos(linea.substr(i, fin - i));
            i = fin;
        }
        campos.push_back(std::move(c));
        if (i >= n) return true;
        if (linea[i] != ',') return false;
        ++i;
    }
}

// A bare decimal integer within [minimo, maximo].
bool Entero(const Campo& c, int64_t minimo, int64_t maximo, int64_t& v) {
    if (c.comillas || c.texto.empty() || c.texto.size() > 12) return false;
    const char* fin = c.texto.data() + c.texto.size();
    auto [p, ec] = std::from_chars(c.texto.data(), fin, v);
    return ec == std::errc() && p == fin && v >= minimo && v <= maximo;
}

bool Entero32(const Campo& c, int32_t& v) {
    int64_t x = 0;
    if (!Entero(c, INT32_MIN, INT32_MAX, x)) return false;
    v = static_cast<int32_t>(x);
    return true;
}

bool Entero16(const Campo& c, int16_t& v) {
    int64_t x = 0;
    if (!Entero(c, INT16_MIN, INT16_MAX, x)) return false;
    v = static_cast<int16_t>(x);
    return true;
}

// A line of memory words: bare fields, at least one of them a 32-bit integer;
// a field that is no word is kept as nothing, so later words stay in place.
bool LineaDePalabras(const std::string& linea, std::vector<std::optional<int32_t>>& palabras) {
    std::vector<Campo> campos;
    if (!PartirRegistro(linea, campos)) return false;
    bool alguna = false;
    for (const Campo& c : campos) {
        if (c.comillas) return false;
        int32_t w = 0;
        const bool ok = Entero32(c, w);
        alguna = alguna || ok;
        palabras.push_back(ok ? std::optional<int32_t>(w) : std::nullopt);
    }
    return alguna;
}

// --- writing -------------------------------------------------------------------

// The file being built: text lines and records, each ending in CR LF.
class Salida {
public:
    void Linea(const std::string& s) { (texto_ += s) += "\r\n"; }
    void Blancas(int n) {
        while (n-- > 0) texto_ += "\r\n";
    }
    template <class... Campos>
    void Registro(const Campos&... campos) {
        std::string linea;
        ((linea += (linea.empty() ? "" : ","), linea += Campo(campos)), ...);
        Linea(linea);
    }
    const std::string& Texto() const { return texto_; }

private:
    static std::string Campo(const std::string& s) { return "\"" + TextoEntreComillas(s) + "\""; }
    static std::string Campo(const char* s) { return Campo(std::string(s)); }
    static std::string Campo(int64_t v) { return std::to_string(v); }
    static std::string Campo(int32_t v) { return std::to_string(v); }
    static std::string Campo(int16_t v) { return std::to_string(v); }
    std::string texto_;
};

// The register records in file order; R0-R7 carry HI and LO.
void EscribirRegistros(Salida& s) {
    const ClassRegistrosCPU& r = *gRegistros;
    s.Registro("PC", r.PC());
    s.Registro("DP", r.DP());
    for (int16_t i = 0; i < 8; ++i)
        s.Registro("R" + std::to_string(i), r.R(i).HI(), r.R(i).LO());
    for (int16_t i = 0; i < 8; ++i) s.Registro("AR" + std::to_string(i), r.AR(i));
    s.Registro("IR0", r.IR(0));
    s.Registro("IR1", r.IR(1));
    s.Registro("RC", r.RC());
    s.Registro("RS", r.RS());
    s.Registro("RE", r.RE());
    s.Registro("BK", r.BK());
    s.Registro("SP", r.SP());
    s.Registro("IOF", r.IOF());
    s.Registro("IE", r.IE());
    s.Registro("IF", r.IFR());
    s.Registro("ST", r.ST());
}

// Words PrnINI..PrnFin of each chosen region, 15 to a line.
void EscribirMemoria(Salida& s) {
    constexpr int kPalabrasPorLinea = 15;
    for (int32_t i = 1; i <= gMemoria->NumSecciones(); ++i) {
        const ClassTablaAsig& t = gMemoria->TablaAsig(i);
        if (!t.PrnOK()) continue;
        s.Registro("[SEC]", t.Identificador(), t.PrnINI(), t.PrnFin());
        std::string linea;
        int enLinea = 0;
        for (int64_t dir = t.PrnINI(); dir <= t.PrnFin(); ++dir) {
            int32_t palabra = 0;
            gMemoria->Lee(palabra, static_cast<int32_t>(dir));
            if (enLinea > 0) linea += ",";
            linea += std::to_string(palabra);
            if (++enLinea == kPalabrasPorLinea || dir == t.PrnFin()) {
                s.Linea(linea);
                linea.clear();
                enLinea = 0;
            }
        }
    }
    s.Registro("[END]", "", 0, 0);
}

void EscribirCabecera(Salida& s) {
    s.Linea(CabeceraEntorno());
    s.Linea(">>> Archivo de Entorno");
    s.Linea(">>> Fecha: " + TextoFechaHora(Ahora()));
    s.Linea(">>> Datos de Procesador Simulado");
    s.Linea(std::string(">>>    - Procesador TMS320") + (ModeloDSP != 0 ? "C31" : "C30"));
    s.Linea(ModoDSP != 0 ? ">>>    - Modo MicroControlador" : ">>>    - Modo MicroProcesdor ");
    s.Linea(">>>    - Frecuencia:" + Str(Frecuencia_Reloj) + "  MHz");
    s.Linea(">>>");
}

void CuadroErrorEscritura(const std::string& ruta) {
    plataforma::MsgBox("Error en el proceso de escritura del entorno en el fichero <" + ruta + "> ",
                       plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, "Salvar Entorno",
                       10110, true);
}

// --- reading -------------------------------------------------------------------

// The lines of the file being read, with one line of look-back so that a
// section reader can leave a line it does not own to the main loop.
class Lector {
public:
    explicit Lector(const std::vector<std::string>& lineas) : lineas_(lineas) {}
    bool Leer(std::string& linea) {
        if (pos_ >= lineas_.size()) return false;
        linea = lineas_[pos_++];
        return true;
    }
    void Devolver() {
        if (pos_ > 0) --pos_;
    }

private:
    const std::vector<std::string>& lineas_;
    size_t pos_ = 0;
};

// Reads the next line as a record of exactly n fields; when it is not one the
// line is left for the caller's caller.
bool LeerRegistro(Lector& lector, size_t n, std::vector<Campo>& campos) {
    std::string linea;
    if (!lector.Leer(linea)) return false;
    if (!PartirRegistro(linea, campos) || campos.size() != n) {
        lector.Devolver();
        return false;
    }
    return true;
}

// True when all 29 register records were read and assigned.
bool RecuperarRegistros(Lector& lector) {
    ClassRegistrosCPU& r = *gRegistros;
    if (Inicializar) r.Reset();
    struct Destino {
        std::string nombre;
        int16_t rn;  // 0-7 for R0-R7, else -1
        int32_t numero;  // register number for RegCPU
    };
    std::vector<Destino> orden = {{"PC", -1, -1}, {"DP", -1, ClassRegistrosCPU::kNumDP}};
    for (int16_t i = 0; i < 8; ++i) orden.push_back({"R" + std::to_string(i), i, -1});
    for (int i = 0; i < 8; ++i) orden.push_back({"AR" + std::to_string(i), -1, ClassRegistrosCPU::kNumAR0 + i});
    orden.push_back({"IR0", -1, ClassRegistrosCPU::kNumIR0});
    orden.push_back({"IR1", -1, ClassRegistrosCPU::kNumIR0 + 1});
    orden.push_back({"RC", -1, ClassRegistrosCPU::kNumRC});
    orden.push_back({"RS", -1, ClassRegistrosCPU::kNumRS});
    orden.push_back({"RE", -1, ClassRegistrosCPU::kNumRE});
    orden.push_back({"BK", -1, ClassRegistrosCPU::kNumBK});
    orden.push_back({"SP", -1, ClassRegistrosCPU::kNumSP});
    orden.push_back({"IOF", -1, ClassRegistrosCPU::kNumIOF});
    orden.push_back({"IE", -1, ClassRegistrosCPU::kNumIE});
    orden.push_back({"IF", -1, ClassRegistrosCPU::kNumIF});
    orden.push_back({"ST", -1, ClassRegistrosCPU::kNumST});

    // Each record goes to the register its name gives, so a record that is
    // missing or damaged costs only its own register.
    std::vector<bool> asignado(orden.size(), false);
    for (size_t leidos = 0; leidos < orden.size(); ++leidos) {
        std::string linea;
        std::vector<Campo> c;
        if (!lector.Leer(linea)) break;
        // A line that is no register record (a section line, a blank line) ends
        // the section and is left to the main loop.
        if (!PartirRegistro(linea, c) || !c[0].comillas) {
            lector.Devolver();
            break;
        }
        size_t k = 0;
        while (k < orden.size() && orden[k].nombre != c[0].texto) ++k;
        if (k == orden.size()) continue;
        const Destino& d = orden[k];
        int32_t a = 0, b = 0;
        if (d.rn >= 0) {
            if (c.size() != 3 || !Entero32(c[1], a) || !Entero32(c[2], b)) continue;
            r.R(d.rn).HI(a);
            r.R(d.rn).LO(b);
        } else {
            if (c.size() != 2 || !Entero32(c[1], a)) continue;
            if (d.numero < 0)
                r.PC(a);
            else
                r.RegCPU(d.numero, false, Valor::Entero(a));
        }
        asignado[k] = true;
    }
    return std::count(asignado.begin(), asignado.end(), true) == static_cast<std::ptrdiff_t>(orden.size());
}

// Reads the memory blocks up to the end record; returns the blocks met and
// adds one results line per block. A failed block, or a section that ends
// before its end record (the end of the file, or a line that is neither a
// block record nor the end record), sets fallido.
int32_t RecuperarMemoria(Lector& lector, std::string& lineasBloques, bool& fallido) {
    int32_t bloques = 0;
    bool entera = false;  // the end record was met
    std::string linea;
    while (lector.Leer(linea)) {
        std::vector<Campo> c;
        const bool registro = PartirRegistro(linea, c) && c.size() == 4 && c[0].comillas;
        if (registro && c[0].texto == "[END]") {
            entera = true;
            break;
        }
        if (!registro || c[0].texto != "[SEC]") {  // left to the main loop
            lector.Devolver();
            break;
        }
        const std::string& nombre = c[1].texto;
        int32_t ini = 0, fin = -1;
        const bool rango = Entero32(c[2], ini) && Entero32(c[3], fin);
        bool fallo = !rango;
        int64_t pendientes = !rango || fin < ini ? 0 : int64_t{fin} - ini + 1;
        int64_t dir = ini;
        // The word lines that follow the record belong to its block; words
        // beyond its range (or in a block without a readable range) fail it.
        while (lector.Leer(linea)) {
            std::vector<std::optional<int32_t>> palabras;
            if (!LineaDePalabras(linea, palabras)) {
                lector.Devolver();
                break;
            }
            for (const auto& w : palabras) {
                if (pendientes == 0) {
                    fallo = true;
                    break;
                }
                if (!w || gMemoria->Escribe(static_cast<int32_t>(dir), *w) != 0) fallo = true;
                ++dir;
                --pendientes;
            }
        }
        fallo = fallo || pendientes > 0;
        lineasBloques += "            #" + nombre + ": " + (fallo ? kFallo : " [ OK  ]") + kCR;
        fallido = fallido || fallo;
        ++bloques;
    }
    if (!entera) {
        lineasBloques += std::string("            Sección incompleta: ") + kFallo + kCR;
        fallido = true;
    }
    return bloques;
}

// The listing lines of a code section, up to its "[END]", each ended by CR LF;
// nothing when the file ends before "[END]".
std::optional<std::string> TextoCodigo(Lector& lector) {
    std::string contenido, linea;
    while (lector.Leer(linea)) {
        if (linea == kFinCodigo) return contenido;
        (contenido += linea) += "\r\n";
    }
    return std::nullopt;
}

struct ResultadoCodigo {
    std::string resumen;  // its results line, if any
    bool fallo;           // cut short, no listing, or the copy was not written
};

// Checks the listing lines up to "[END]", copies them into entorno.dsk and
// loads them. A section cut short or that holds no listing writes no copy, so
// the copy that an earlier restore left, and the loaded listing, stay.
ResultadoCodigo RecuperarCodigoDSK(Lector& lector) {
    const std::string resumen = "     - Código Desensamblado: ";
    const std::optional<std::string> contenido = TextoCodigo(lector);
    if (!contenido) return {resumen + "sección incompleta" + kFallo + kCR, true};
    const std::optional<ListadoDSK> listado = AnalizarListadoDSK(*contenido);
    if (!listado) return {resumen + "no es un listado DSK" + kFallo + kCR, true};
    const fs::path carpeta = CarpetaDatosUsuario();
    const std::string rutaCopia = (carpeta / "entorno.dsk").string();
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    // The copy takes the old one's place only once it is written whole.
    FicheroSustituto copia;
    if (!copia.Crear(rutaCopia) || !copia.Sustituir(*contenido))
        return {resumen + "no se pudo escribir el fichero " + rutaCopia + kFallo + kCR, true};
    gFichASM.clear();
    gFichDSK = rutaCopia;
    gEstadoDSK = CargarListadoDSK(*listado);
    // A listing with assembler messages or unmapped words keeps its result in
    // gEstadoDSK and has no results line.
    return {gEstadoDSK == 0 ? resumen + "carga satisfactoria" + kCR : std::string(), false};
}

// The count record of a list: a negative or unreadable count means none, and
// sets fallo.
int32_t LeerCuenta(Lector& lector, bool& fallo) {
    std::vector<Campo> c;
    int32_t n = 0;
    if (!LeerRegistro(lector, 1, c)) {
        fallo = true;
        return 0;
    }
    if (!Entero32(c[0], n)) {
        lector.Devolver();
        fallo = true;
        return 0;
    }
    if (n < 0) fallo = true;
    return n < 0 ? 0 : n;
}

// One list reader for the four lists: reads up to the stated count of records
// of numCampos fields; the first one that does not parse ends the list and is
// left unread. Returns the number added; a list that falls short of its count
// sets fallo.
template <class Lista, class Anadir>
int32_t RecuperarLista(Lector& lector, bool& fallo, Lista& lista, size_t numCampos, Anadir anadir) {
    const int32_t cuenta = LeerCuenta(lector, fallo);
    if (Inicializar) lista.Clear();
    int32_t anadidos = 0;
    for (int32_t i = 0; i < cuenta; ++i) {
        std::vector<Campo> c;
        if (!LeerRegistro(lector, numCampos, c)) break;
        if (!anadir(c)) {
            lector.Devolver();
            break;
        }
        ++anadidos;
    }
    if (anadidos < cuenta) fallo = true;
    return anadidos;
}

int32_t RecuperarTablaRef(Lector& lector, bool& fallo) {
    return RecuperarLista(lector, fallo, *gTablaRef, 4, [](const std::vector<Campo>& c) {
        int16_t dirAble = 0, tipo = 0;
        int32_t contenido = 0;
        if (!c[0].comillas || !Entero16(c[1], dirAble) || !Entero16(c[2], tipo) || !Entero32(c[3], contenido))
            return false;
        gTablaRef->Add(c[0].texto, contenido, tipo, dirAble);
        return true;
    });
}

int32_t RecuperarTablaSect(Lector& lector, bool& fallo) {
    return RecuperarLista(lector, fallo, *gTablaSect, 4, [](const std::vector<Campo>& c) {
        int32_t ini = 0, fin = 0, longitud = 0;
        if (!c[0].comillas || !Entero32(c[1], ini) || !Entero32(c[2], fin) || !Entero32(c[3], longitud))
            return false;
        gTablaSect->Add(c[0].texto, ini, fin, longitud);
        return true;
    });
}

int32_t RecuperarPuntosRupt(Lector& lector, bool& fallo) {
    return RecuperarLista(lector, fallo, *gPuntosRupt, 2, [](const std::vector<Campo>& c) {
        int32_t posMem = 0;
        if (!c[0].comillas || !Entero32(c[1], posMem)) return false;
        gPuntosRupt->Add(posMem, c[0].texto);
        return true;
    });
}

int32_t RecuperarMarcasRupt(Lector& lector, bool& fallo) {
    return RecuperarLista(lector, fallo, *gMarcasRupt, 6, [](const std::vector<Campo>& c) {
        // Comparison 0-5, operand kind 0-1 (value, address), display format 0-4.
        int64_t comp = 0, tipo = 0, tipoDatos = 0;
        int32_t posMem = 0, operando = 0;
        if (!c[0].comillas || !Entero(c[1], 0, 5, comp) || !Entero32(c[2], posMem) || !Entero32(c[3], operando) ||
            !Entero(c[4], 0, 1, tipo) || !Entero(c[5], 0, 4, tipoDatos))
            return false;
        gMarcasRupt->Add(static_cast<int32_t>(tipo), posMem, static_cast<int32_t>(comp), operando,
                         static_cast<int16_t>(tipoDatos), c[0].texto);
        return true;
    });
}

void CuadroErrorApertura(int error) {
    // Numbers and texts of the runtime's file errors.
    int numero = 57;
    const char* descripcion = "Error de E/S en el dispositivo";
    if (error == ENOENT || error == ENOTDIR) {
        numero = 53;
        descripcion = "No se ha encontrado el archivo";
    } else if (error == EACCES || error == EPERM) {
        numero = 70;
        descripcion = "Permiso denegado";
    } else if (error == EISDIR || error == ENXIO) {  // no plain file
        numero = 75;
        descripcion = "Error de acceso a la ruta o el archivo";
    }
    plataforma::MsgBox("Error # " + Str(numero) + " fue generado por Tarvix" + kCR + descripcion,
                       plataforma::Icono::Ninguno, plataforma::Botones::Aceptar, "Recuperar entorno", 10100);
}

std::string Entradas(const char* lista, int32_t n, bool fallida) {
    return std::string("     - ") + lista + ": " + Str(n) + " entradas cargadas" + (fallida ? kFallo : "") + kCR;
}

// Loads the listing copy of every code section, in file order, and gives each
// one's result. A listing load writes its words and its entry point, so it
// goes before the registers and memory that the file holds.
std::vector<ResultadoCodigo> RecuperarCodigos(const std::vector<std::string>& lineas) {
    std::vector<ResultadoCodigo> resultados;
    Lector lector(lineas);
    std::string linea;
    while (lector.Leer(linea)) {
        if (linea != kSeccionCodigo) continue;
        Estado("50% - Recuperando Código Desensamblado ...");
        resultados.push_back(RecuperarCodigoDSK(lector));
    }
    return resultados;
}

}  // namespace

// --- public ------------------------------------------------------------------------

std::string CabeceraEntorno() {
    return ">>> Tarvix v" + std::to_string(kVersionMayor) + "." + std::to_string(kVersionMenor);
}

FechaHora Ahora() {
    if (gReloj) return gReloj();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    FechaHora f;
    f.anio = tm.tm_year + 1900;
    f.mes = tm.tm_mon + 1;
    f.dia = tm.tm_mday;
    f.diaSemana = (tm.tm_wday + 6) % 7;
    f.hora = tm.tm_hour;
    f.minuto = tm.tm_min;
    f.segundo = tm.tm_sec;
    return f;
}

void EstablecerReloj(std::function<FechaHora()> reloj) { gReloj = std::move(reloj); }

std::string TextoFechaHora(const FechaHora& f) {
    static const char* const kDias[] = {"LUN", "MAR", "MIÉ", "JUE", "VIE", "SÁB", "DOM"};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d-%s  %02d:%02d:%02d", f.dia, f.mes, f.anio,
                  kDias[((f.diaSemana % 7) + 7) % 7], f.hora, f.minuto, f.segundo);
    return buf;
}

std::string CarpetaDatosUsuario() {
    if (!gCarpetaDatos.empty()) return gCarpetaDatos;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return (fs::path(xdg) / "Tarvix").string();
    if (const char* home = std::getenv("HOME"); home && *home)
        return (fs::path(home) / ".local" / "share" / "Tarvix").string();
    std::error_code ec;
    return (fs::temp_directory_path(ec) / "Tarvix").string();
}

void EstablecerCarpetaDatosUsuario(const std::string& carpeta) { gCarpetaDatos = carpeta; }

bool EsLineaRefOSect(const std::string& linea) {
    if (linea.size() < 9 || linea[0] != '>') return false;
    return linea.compare(5, 4, "ref ") == 0 || linea.compare(5, 5, "sect ") == 0;
}

std::optional<std::vector<std::string>> LineasListado(const std::string& ruta) {
    std::string contenido;
    if (ruta.empty() || LeerTextoFichero(ruta, contenido) != 0) return std::nullopt;
    std::vector<std::string> lineas;
    for (std::string& l : PartirLineas(contenido))
        if (!EsLineaRefOSect(l)) lineas.push_back(std::move(l));
    return lineas;
}

bool NombreGuardable(std::string_view nombre) {
    // The reader takes a field that is no well-formed UTF-8 as Windows-1252.
    return nombre.find_first_of(kFueraDeCampo) == std::string_view::npos && TextoUtf8(nombre) == nombre;
}

bool NombreAdmitido(const std::string& nombre, const std::string& titulo) {
    if (NombreGuardable(nombre)) return true;
    plataforma::MsgBox("El identificador <" + nombre + "> no es válido." + kCR +
                           "Un identificador no puede contener comillas dobles (\") ni saltos de línea (retorno "
                           "de carro o avance de línea).",
                       plataforma::Icono::Exclamacion, plataforma::Botones::Aceptar, titulo);
    return false;
}

bool SalvarEntorno(const std::string& ruta) {
    // Written beside the file first (the file a link names: only a plain file
    // the user may write, or none yet), so that a failure leaves the old file.
    FicheroSustituto fichero;
    if (!fichero.Crear(ruta)) {
        CuadroErrorEscritura(ruta);
        return false;
    }

    Salida s;
    Estado("Almacenando cabecera ... (0%)");
    EscribirCabecera(s);
    if (Registros) {
        Estado("Almacenando Registros ... (10%)");
        s.Linea("[REGISTROS]");
        EscribirRegistros(s);
        s.Blancas(2);
    }
    if (Memoria) {
        Estado("Almacenando Secciones de Memoria (20%)");
        s.Linea("[MEMORIA]");
        EscribirMemoria(s);
        s.Blancas(2);
    }
    if (DASM && ExisteFichero(gFichDSK)) {
        Estado("50% - Almacenando Código Desensamblado");
        s.Linea(kSeccionCodigo);
        // A line "[END]", which the loader passes over, would end the section.
        for (const std::string& l : LineasListado(gFichDSK).value_or(std::vector<std::string>{}))
            if (l != kFinCodigo) s.Linea(l);
        s.Linea(kFinCodigo);
        s.Blancas(2);
    }
    if (TablaRef) {
        Estado("60% - Almacenando Tabla de Referencia ...");
        s.Linea("[TABLA DE REFERENCIA]");
        s.Registro(gTablaRef->count());
        for (const ClassTablaRef& t : *gTablaRef) s.Registro(t.Identificador(), t.Dir_able(), t.Tipo(), t.Contenido());
        s.Blancas(3);
    }
    if (TablaSect) {
        Estado("70% - Almacenando Tabla de Sección ...");
        s.Linea("[TABLA DE SECCIONES]");
        s.Registro(gTablaSect->count());
        for (const ClassTablaSect& t : *gTablaSect) s.Registro(t.Identificador(), t.Ini(), t.Fin(), t.Longitud());
        s.Blancas(2);
    }
    if (ListaMarcasRupt) {
        Estado("80% - Almacenando Lista de Marcas de Ruptura ...");
        s.Linea("[LISTA DE MARCAS DE RUPTURA]");
        s.Registro(gMarcasRupt->count());
        for (const ClassMarcaRupt& m : *gMarcasRupt)
            s.Registro(m.Identificador(), m.Comp(), m.PosMem(), m.Operando(), m.Tipo(), m.TipoDatos());
        s.Blancas(1);
    }
    if (ListaPuntosRupt) {
        Estado("90% - Almacenando Lista de Puntos de Ruptura ...");
        s.Linea("[LISTA DE PUNTOS DE RUPTURA]");
        s.Registro(gPuntosRupt->count());
        for (const ClassPuntoRupt& p : *gPuntosRupt) s.Registro(p.Identificador(), p.PosMem());
        s.Blancas(3);
    }

    if (!fichero.Sustituir(s.Texto())) {
        CuadroErrorEscritura(ruta);
        return false;
    }
    Estado("100% - Entorno Salvado.");
    return true;
}

Recuperacion RecuperarEntorno(const std::string& ruta, const std::function<void()>& antesDelResumen) {
    std::string contenido;
    const int error = LeerTextoFichero(ruta, contenido, CabeceraEntorno());
    if (error != 0 && error != kOtroContenido) {
        CuadroErrorApertura(error);
        return Recuperacion::Rechazada;
    }
    const std::vector<std::string> lineas = PartirLineas(contenido);
    Lector lector(lineas);
    std::string linea;
    if (error == kOtroContenido || !lector.Leer(linea) || linea != CabeceraEntorno()) {
        plataforma::MsgBox("Fichero ENT dañado o no es un fichero ENT", plataforma::Icono::Ninguno,
                           plataforma::Botones::Aceptar, "Recuperar entorno", 10110);
        return Recuperacion::Rechazada;
    }
    // Accepted: the loaded listing gives way to the one the file may hold.
    gEstadoDSK = -1;
    Estado("Recuperar Entorno");
    Estado("0% - Recuperando cabecera ...");
    const std::vector<ResultadoCodigo> codigos = RecuperarCodigos(lineas);
    size_t codigo = 0;
    std::string resultados;
    bool fallo = false;  // some section was not restored whole
    auto lista = [&](const char* estado, const char* nombre, int32_t (*recuperar)(Lector&, bool&)) {
        Estado(estado);
        bool fallida = false;
        const int32_t n = recuperar(lector, fallida);
        resultados += Entradas(nombre, n, fallida);
        fallo = fallo || fallida;
    };
    while (lector.Leer(linea)) {
        if (linea.compare(0, 3, ">>>") == 0) resultados += linea + kCR;
        if (linea == "[REGISTROS]") {
            Estado("10% - Recuperando Registros ...");
            const bool enteros = RecuperarRegistros(lector);
            fallo = fallo || !enteros;
            resultados += enteros ? std::string(kRegistrosResumenOk) + kCR
                                  : std::string(kRegistrosResumenMal) + kFallo + kCR;
        } else if (linea == "[MEMORIA]") {
            Estado("20% - Recuperando Secciones de Memoria ...");
            std::string bloques;
            const int32_t n = RecuperarMemoria(lector, bloques, fallo);
            resultados += "     - Memoria: " + Str(n) + " Secciones Recuperadas: " + kCR + bloques;
        } else if (linea == kSeccionCodigo) {
            TextoCodigo(lector);  // loaded already
            if (codigo < codigos.size()) {
                resultados += codigos[codigo].resumen;
                fallo = fallo || codigos[codigo++].fallo;
            }
        } else if (linea == "[TABLA DE REFERENCIA]") {
            lista("60% - Recuperando Tabla de Referencia ...", "Tabla de Referencia", RecuperarTablaRef);
        } else if (linea == "[TABLA DE SECCIONES]") {
            lista("70% - Recuperando Tabla de Sección ...", "Tabla de Secciones", RecuperarTablaSect);
        } else if (linea == "[LISTA DE PUNTOS DE RUPTURA]") {
            lista("80% -Recuperando Lista de Puntos de Ruptura ...", "Lista de Puntos de Ruptura",
                  RecuperarPuntosRupt);
        } else if (linea == "[LISTA DE MARCAS DE RUPTURA]") {
            lista("90% - Recuperando Lista de Marcas de Ruptura ...", "Lista de Marcas de Ruptura",
                  RecuperarMarcasRupt);
        }
    }
    Estado("Entorno recuperado satisfactoriamente");
    if (antesDelResumen) antesDelResumen();
    plataforma::MsgBox(resultados, plataforma::Icono::Informacion, plataforma::Botones::Aceptar,
                       "Recuperar Entorno: Resultados");
    Estado("Entorno recuperado satisfactoriamente");
    return fallo ? Recuperacion::ConFallos : Recuperacion::Completa;
}
