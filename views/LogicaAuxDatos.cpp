#include "views/LogicaAuxDatos.h"

#include "core/ConversionesNum.h"
#include "data/DatosPrograma.h"

namespace {

struct Columna {
    const char* titulo;
    int32_t ancho;
    Alineacion alin;
    bool numeros = false;   // line numbers, counts, addresses or an operand
};

struct DatosTipo {
    const char* titulo;
    int32_t ayuda;
    int16_t baseIcono;
    Columna columnas[4];
    std::vector<std::string> filtros;   // after "(Todos los Datos)"
    bool filtroHabilitado;
};

constexpr Alineacion C = Alineacion::Centro, I = Alineacion::Izquierda;

const DatosTipo& Datos(int16_t tipo) {
    constexpr bool N = true;
    static const DatosTipo tabla[5] = {
        {"Errores/Avisos del fichero DSK cargado", 8100, 1,
         {{"Tipo", 400, C}, {"Linea", 400, C, N}, {"", 0, C}, {"Mensaje", 5000, I}},
         {"Errores en PASS 1", "Avisos en PASS 1", "Errores en PASS 2", "Avisos en PASS 2"}, true},
        {"Tabla de Referencias - Lista de Identificadores", 8200, 6,
         {{"Dir", 400, C}, {"Tipo", 400, C, N}, {"Contenido", 1000, C, N}, {"Identificador", 5000, I}},
         {"Constantes", "Etiquetas", "Def. por usuario"}, true},
        {"Tabla de Secciones de programa", 8300, 10,
         {{"Ini", 1000, C, N}, {"Fin", 1000, C, N}, {"Longitud", 1000, C, N}, {"Identificador", 5000, I}}, {}, false},
        {"Lista de Puntos de Ruptura", 8400, 11,
         {{"Celda", 1000, C, N}, {"", 0, C}, {"", 0, C}, {"Identificador", 5000, I}}, {}, false},
        {"Lista de Marcas de Ruptura - Memoria", 8500, 12,
         {{"Tipo", 400, C}, {"Celda", 900, C, N}, {"Comparacion", 2000, I, N}, {"Identificador", 5000, I}},
         {"Valor Numérico", "Posición Mem."}, true},
    };
    return tabla[tipo - 1];
}

}  // namespace

LogicaAuxDatos::LogicaAuxDatos() { grid_.Dimensionar(2, 4); }

bool LogicaAuxDatos::ColumnaDeNumeros(int32_t col) const {
    return tipo_ >= 1 && tipo_ <= 5 && col >= 0 && col < 4 && Datos(tipo_).columnas[col].numeros;
}

std::string LogicaAuxDatos::ConBlanco(int32_t n) { return (n < 0 ? "" : " ") + std::to_string(n); }

std::string LogicaAuxDatos::TextoComparacion(const ClassMarcaRupt& m) {
    static const char* const palabras[6] = {" = ", " <> ", " > ", " < ", " >= ", " <= "};
    std::string t = m.Comp() >= 0 && m.Comp() <= 5 ? palabras[m.Comp()] : "";
    if (m.Tipo() == 1) return t + "Conten. de $" + FormatoHex(m.Operando());
    return t + FormatearValor(m.Operando(), m.TipoDatos());
}

bool LogicaAuxDatos::TipoDatos(int16_t tipo) {
    if (tipo == tipo_) return false;
    tipo_ = tipo;
    Inicializar();
    return true;
}

void LogicaAuxDatos::Inicializar() {
    baseIcono_ = 1;
    filtros_ = {kTodos};
    filtroHabilitado_ = true;
    grid_.Columnas(4);
    if (tipo_ >= 1 && tipo_ <= 5) {
        const DatosTipo& d = Datos(tipo_);
        ayuda_ = d.ayuda;
        titulo_ = d.titulo;
        for (int32_t c = 0; c < 4; ++c) {
            grid_.Texto(0, c, d.columnas[c].titulo);
            grid_.FormatoColumna(c, d.columnas[c].ancho, d.columnas[c].alin);
        }
        filtros_.insert(filtros_.end(), d.filtros.begin(), d.filtros.end());
        baseIcono_ = d.baseIcono;
        filtroHabilitado_ = d.filtroHabilitado;
    }
    ++versionFiltros_;
    ElegirFiltro(0);
}

void LogicaAuxDatos::ElegirFiltro(int32_t indice) {
    if (indice < 0 || indice >= int32_t(filtros_.size())) return;
    filtro_ = indice;
    ++versionFiltros_;
    Actualizar();
}

void LogicaAuxDatos::Actualizar() {
    struct Fila {
        std::string columnas[4];
        int16_t icono;
        int32_t dato;
    };
    std::vector<Fila> filas;
    int32_t total = 0;
    // Kinds 1, 2 and 5 filter on the entry's category (list index); kind 3
    // shows everything under "(Todos los Datos)" and kind 4 always.
    auto mostrar = [&](int32_t categoria) { return filtro_ == 0 || filtro_ == categoria; };
    switch (tipo_) {
    case kErrores:
        total = gErrDSK->count();
        for (const ClassErrDSK& e : *gErrDSK)
            if (mostrar(e.ErrDSK()))
                filas.push_back({{"", ConBlanco(e.Linea()), "", e.StrMsg()}, int16_t(1 + e.ErrDSK()), 0});
        break;
    case kReferencias:
        total = gTablaRef->count();
        for (const ClassTablaRef& r : *gTablaRef)
            if (mostrar(r.Dir_able() + 1))
                filas.push_back({{"", ConBlanco(r.Tipo()), FormatoHex(r.Contenido()), r.Identificador()},
                                 int16_t(6 + r.Dir_able() + 1), r.Contenido()});
        break;
    case kSecciones:
        total = gTablaSect->count();
        for (const ClassTablaSect& s : *gTablaSect)
            if (filtro_ == 0)
                filas.push_back(
                    {{FormatoHex(s.Ini()), FormatoHex(s.Fin()), FormatoHex(s.Longitud()), s.Identificador()}, 0, s.Ini()});
        break;
    case kPuntos:
        total = gPuntosRupt->count();
        for (const ClassPuntoRupt& p : *gPuntosRupt)
            filas.push_back({{FormatoHex(p.PosMem()), "", "", p.Identificador()}, 0, p.PosMem()});
        break;
    case kMarcas:
        total = gMarcasRupt->count();
        for (const ClassMarcaRupt& m : *gMarcasRupt)
            if (mostrar(m.Tipo() + 1))
                filas.push_back({{"", FormatoHex(m.PosMem()), TextoComparacion(m), m.Identificador()},
                                 int16_t(12 + m.Tipo() + 1), m.PosMem()});
        break;
    default: break;
    }
    const int32_t mostradas = int32_t(filas.size());
    if (filas.empty()) filas.push_back({{"", "", "", kSinDatos}, 0, 0});
    // The size is set once: the header row is kept, the rows below are new.
    grid_.Filas(1);
    grid_.Filas(1 + int32_t(filas.size()));
    for (int32_t i = 0; i < int32_t(filas.size()); ++i) {
        for (int32_t c = 0; c < 4; ++c) grid_.Texto(i + 1, c, std::move(filas[size_t(i)].columnas[c]));
        grid_.Imagen(i + 1, 0, filas[size_t(i)].icono);
        grid_.DatoFila(i + 1, filas[size_t(i)].dato);
    }
    etiqueta_ = "Seleccionados " + ConBlanco(mostradas) + " de " + ConBlanco(total);
    grid_.Fila(1);
    grid_.Columna(0);
    grid_.Seleccion(1, grid_.Columnas() - 1);
    grid_.FilaSuperior(1);
}

void LogicaAuxDatos::Buscar(const std::string& texto) {
    int32_t fila = grid_.Fila();
    for (int32_t r = 1; r < grid_.Filas(); ++r) {
        if (grid_.Texto(r, 3).starts_with(texto)) {
            fila = r;
            break;
        }
    }
    grid_.Fila(fila);
    grid_.Columna(0);
    grid_.Seleccion(fila, grid_.Columnas() - 1);
    grid_.FilaSuperior(fila);
}

LogicaAuxDatos::Destino LogicaAuxDatos::DestinoLocalizar() const {
    switch (tipo_) {
    case kReferencias:
    case kMarcas: return Destino::Memoria;
    case kSecciones:
    case kPuntos: return Destino::Listado;
    default: return Destino::Ninguno;
    }
}
