#include "data/LeerFichDSK.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "data/DatosPrograma.h"
#include "data/TextoFichero.h"
#include "data/TextoUtf8.h"

namespace {

using std::string_view;

constexpr string_view kCabecera = ">>>> DSK3A C3x";

// Columns are counted from 1; a range past the end of the line is cut short.
string_view Columnas(string_view s, std::size_t desde, std::size_t hasta) {
    if (desde > s.size() || hasta < desde) return {};
    return s.substr(desde - 1, hasta - desde + 1);
}
string_view DesdeColumna(string_view s, std::size_t desde) {
    return desde > s.size() ? string_view{} : s.substr(desde - 1);
}
// 1-based position of the first occurrence at or after column desde; 0 when none.
std::size_t Buscar(string_view s, string_view que, std::size_t desde = 1) {
    if (desde < 1 || desde > s.size()) return 0;
    const auto p = s.find(que, desde - 1);
    return p == string_view::npos ? 0 : p + 1;
}

string_view SinBlancos(string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// 1 to 8 hexadecimal digits (blanks around them ignored) as a 32-bit pattern.
std::optional<int32_t> Hex(string_view s) {
    s = SinBlancos(s);
    if (s.empty() || s.size() > 8) return std::nullopt;
    uint32_t v = 0;
    for (char c : s) {
        uint32_t d;
        if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
        else return std::nullopt;
        v = (v << 4) | d;
    }
    return static_cast<int32_t>(v);
}

// The leading number of a text: blanks skipped, an optional sign, digits with
// an optional decimal point, up to the first other character; 0 without one.
double NumeroInicial(string_view s) {
    auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    std::string t;
    std::size_t i = 0;
    while (i < s.size() && blanco(s[i])) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) t += s[i++];
    bool punto = false;
    bool digitos = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (blanco(c)) continue;
        if (c >= '0' && c <= '9') digitos = true;
        else if (c == '.' && !punto) punto = true;
        else break;
        t += c;
    }
    return digitos ? std::strtod(t.c_str(), nullptr) : 0.0;
}

// The leading number rounded (half to even) into an integer type; 0 when it
// does not fit.
template <class Entero>
Entero EnteroInicial(string_view s) {
    const double v = std::nearbyint(NumeroInicial(s));
    if (!(v >= std::numeric_limits<Entero>::min() && v <= std::numeric_limits<Entero>::max())) return 0;
    return static_cast<Entero>(v);
}

enum class TipoLinea { Ignorada, Ensamblador, Palabra, SinCodigo, Danada };

struct Linea {
    TipoLinea tipo = TipoLinea::Ignorada;
    int32_t direccion = 0;
    int32_t palabra = 0;
    string_view texto;
};

// Classifies one line by its columns.
Linea AnalizarLineaDSK(string_view s) {
    Linea l;
    if (!s.empty() && s[0] == '>') {
        l.tipo = TipoLinea::Ensamblador;
        return l;
    }
    if (Columnas(s, 1, 2) != "0x") return l;
    l.texto = DesdeColumna(s, 23);
    std::string clave(SinBlancos(Columnas(s, 12, 21)));
    for (char& c : clave)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (clave == "nocode" || clave == "directive" || clave == "parcode") {
        l.tipo = TipoLinea::SinCodigo;
        return l;
    }
    if (Columnas(s, 12, 13) != "0x") return l;
    const auto dir = Hex(Columnas(s, 3, 10));
    const auto pal = Hex(Columnas(s, 14, 21));
    if (!dir || !pal) {
        l.tipo = TipoLinea::Danada;
        return l;
    }
    l.tipo = TipoLinea::Palabra;
    l.direccion = *dir;
    l.palabra = *pal;
    return l;
}

// Splits the file's text into lines ended by CR LF, LF or CR.
std::vector<string_view> Lineas(string_view texto) {
    std::vector<string_view> v;
    std::size_t i = 0;
    while (i < texto.size()) {
        std::size_t j = i;
        while (j < texto.size() && texto[j] != '\r' && texto[j] != '\n') ++j;
        v.push_back(texto.substr(i, j - i));
        if (j < texto.size() && texto[j] == '\r' && j + 1 < texto.size() && texto[j + 1] == '\n') ++j;
        i = j + 1;
    }
    return v;
}

using Referencia = ListadoDSK::Referencia;
using Seccion = ListadoDSK::Seccion;

std::optional<Referencia> LeerReferencia(string_view s) {
    const std::size_t p = Buscar(s, "0x");
    if (p == 0) return std::nullopt;
    const auto contenido = Hex(Columnas(s, p + 2, p + 9));
    if (!contenido || Columnas(s, p + 2, p + 9).size() != 8) return std::nullopt;
    const std::size_t s1 = Buscar(s, " ", p + 2);
    const std::size_t s2 = s1 ? Buscar(s, " ", s1 + 3) : 0;
    if (s2 == 0) return std::nullopt;
    return Referencia{TextoUtf8(SinBlancos(Columnas(s, 9, p - 1))), *contenido,
                      EnteroInicial<int16_t>(Columnas(s, s1, s2 - 1)), EnteroInicial<int16_t>(DesdeColumna(s, s2))};
}

std::optional<Seccion> LeerSeccion(string_view s) {
    const std::size_t p = Buscar(s, "0x");
    const std::size_t q = p ? Buscar(s, "0x", p + 2) : 0;
    const std::size_t r = q ? Buscar(s, "0x", q + 4) : 0;
    if (r == 0) return std::nullopt;
    const auto ini = Hex(Columnas(s, p + 2, p + 9));
    const auto fin = Hex(Columnas(s, q + 2, r - 1));
    const auto longitud = Hex(DesdeColumna(s, r + 2));
    if (!ini || !fin || !longitud) return std::nullopt;
    return Seccion{TextoUtf8(SinBlancos(Columnas(s, 10, p - 1))), *ini, *fin, *longitud};
}

// Reads the lines after the first; false when a word line is damaged.
bool Analizar(const std::vector<string_view>& lineas, ListadoDSK& c) {
    int32_t pasada = 1;
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        string_view s = lineas[i];
        const Linea l = AnalizarLineaDSK(s);
        switch (l.tipo) {
            case TipoLinea::Ignorada: continue;
            case TipoLinea::Danada: return false;
            case TipoLinea::Palabra: c.lineas.push_back({true, l.direccion, l.palabra, TextoUtf8(l.texto)}); continue;
            case TipoLinea::SinCodigo: c.lineas.push_back({false, -1, 0, TextoUtf8(l.texto)}); continue;
            case TipoLinea::Ensamblador: break;
        }
        if (const std::size_t e = Buscar(s, "ERROR")) {
            const std::size_t k = Buscar(s, "line");
            const auto numLinea = EnteroInicial<int32_t>(DesdeColumna(s, k + 5));
            const bool error = NumeroInicial(DesdeColumna(s, e + 6)) != 0;
            // The next line is the message; the later tests run on it.
            s = (i + 1 < lineas.size()) ? lineas[++i] : string_view{};
            const int32_t tipo = error ? (pasada == 1 ? 1 : 3) : (pasada == 1 ? 2 : 4);
            c.mensajes.push_back({numLinea, tipo, TextoUtf8(SinBlancos(DesdeColumna(s, 5)))});
        }
        if (Buscar(s, "PASS")) pasada = 2;
        if (Buscar(s, "ENTRY")) {
            const std::size_t p = Buscar(s, "0x");
            if (const auto dir = p ? Hex(DesdeColumna(s, p + 2)) : std::nullopt) c.entrada = *dir;
        }
        if (Columnas(s, 6, 9) == "ref ")
            if (auto r = LeerReferencia(s)) c.referencias.push_back(std::move(*r));
        if (Columnas(s, 6, 10) == "sect ")
            if (auto r = LeerSeccion(s)) c.secciones.push_back(std::move(*r));
    }
    return true;
}

}  // namespace

std::optional<ListadoDSK> AnalizarListadoDSK(std::string_view texto) {
    if (texto.substr(0, kCabecera.size()) != kCabecera) return std::nullopt;
    ListadoDSK c;
    if (!Analizar(Lineas(texto), c)) return std::nullopt;
    return c;
}

std::optional<ListadoDSK> LeerListadoDSK(const std::string& ruta) {
    // A pipe or a device is refused at once; a file that does not begin with the
    // listing's first line is not read on.
    std::string texto;
    if (LeerTextoFichero(ruta, texto, kCabecera) != 0) return std::nullopt;
    return AnalizarListadoDSK(texto);
}

int16_t CargarListadoDSK(const ListadoDSK& c) {
    gTablaSect->Clear();
    gTablaRef->Clear();
    gErrDSK->Clear();
    gDatosFich->Clear();
    int16_t resultado = 0;
    for (const auto& l : c.lineas) {
        if (l.palabra && gMemoria->Escribe(l.direccion, l.contenido) != 0) resultado = 3;
        gDatosFich->Add(l.direccion, l.contenido, l.texto);
    }
    for (const auto& m : c.mensajes) gErrDSK->Add(m.linea, m.tipo, m.texto);
    for (const auto& r : c.referencias) gTablaRef->Add(r.identificador, r.contenido, r.tipo, r.dirAble);
    for (const auto& s : c.secciones) gTablaSect->Add(s.identificador, s.ini, s.fin, s.longitud);
    if (c.entrada) {
        gDirEntrada = *c.entrada;
        gRegistros->PC(gDirEntrada);
    }
    if (gErrDSK->NumWarnings() != 0) resultado = 2;
    if (gErrDSK->NumErrores() != 0) resultado = 1;
    return resultado;
}

int16_t LeerFichDSK(const std::string& ruta) {
    const auto listado = LeerListadoDSK(ruta);
    return listado ? CargarListadoDSK(*listado) : -1;
}
