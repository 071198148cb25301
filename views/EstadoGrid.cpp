#include "views/EstadoGrid.h"

#include <algorithm>

namespace {
const std::string kVacio;
}

void EstadoGrid::Dimensionar(int32_t filas, int32_t columnas) {
    filas = std::max<int32_t>(filas, std::max<int32_t>(FilasFijas(), 1));
    columnas = std::max<int32_t>(columnas, 1);
    if (filas == filas_ && columnas == columnas_) return;
    std::vector<Celda> nuevas(size_t(filas) * size_t(columnas));
    const int32_t f = std::min(filas, filas_), c = std::min(columnas, columnas_);
    for (int32_t i = 0; i < f; ++i)
        for (int32_t j = 0; j < c; ++j)
            nuevas[size_t(i) * size_t(columnas) + size_t(j)] = std::move(Cel(i, j));
    celdas_ = std::move(nuevas);
    datos_.resize(size_t(filas), 0);
    cols_.resize(size_t(columnas));
    filas_ = filas;
    columnas_ = columnas;
    fila_ = std::min(fila_, filas_ - 1);
    filaSel_ = std::min(filaSel_, filas_ - 1);
    columna_ = ColumnaValida(columna_);
    colSel_ = ColumnaValida(colSel_);
    FilaSuperior(filaSuperior_);
    cambios_.estructura = true;
}

void EstadoGrid::FilasFijas(int32_t n) {
    filasFijas_ = std::clamp<int32_t>(n, 0, 1);
    FilaSuperior(filaSuperior_);
    cambios_.estructura = true;
}

void EstadoGrid::ColumnasFijas(int32_t n) {
    colsFijas_ = std::max<int32_t>(n, 0);
    columna_ = ColumnaValida(columna_);
    colSel_ = ColumnaValida(colSel_);
    cambios_.estructura = true;
}

int32_t EstadoGrid::ColumnaValida(int32_t col) const {
    return std::max(std::min(colsFijas_, columnas_ - 1), std::min(col, columnas_ - 1));
}

void EstadoGrid::Limpiar() {
    for (auto& c : celdas_) c = Celda{};
    cambios_.estructura = true;
}

const std::string& EstadoGrid::Texto(int32_t fila, int32_t col) const {
    return Dentro(fila, col) ? Cel(fila, col).texto : kVacio;
}

void EstadoGrid::Texto(int32_t fila, int32_t col, std::string texto) {
    if (!Dentro(fila, col)) return;
    Cel(fila, col).texto = std::move(texto);
    Tocar(fila);
}

uint32_t EstadoGrid::ColorFondo(int32_t fila, int32_t col) const {
    return Dentro(fila, col) ? Cel(fila, col).fondo : kColorDefecto;
}

uint32_t EstadoGrid::ColorTexto(int32_t fila, int32_t col) const {
    return Dentro(fila, col) ? Cel(fila, col).frente : kColorDefecto;
}

void EstadoGrid::ColorFondo(int32_t fila, int32_t col, uint32_t color) {
    if (!Dentro(fila, col)) return;
    Cel(fila, col).fondo = color;
    Tocar(fila);
}

void EstadoGrid::ColorTexto(int32_t fila, int32_t col, uint32_t color) {
    if (!Dentro(fila, col)) return;
    Cel(fila, col).frente = color;
    Tocar(fila);
}

uint8_t EstadoGrid::Atributos(int32_t fila, int32_t col) const {
    return Dentro(fila, col) ? Cel(fila, col).atributos : uint8_t(0);
}

void EstadoGrid::Atributo(int32_t fila, int32_t col, AtributoFuente atributo, bool activo) {
    if (!Dentro(fila, col)) return;
    uint8_t& a = Cel(fila, col).atributos;
    a = activo ? uint8_t(a | atributo) : uint8_t(a & ~atributo);
    Tocar(fila);
}

void EstadoGrid::ColoresFila(int32_t fila, uint32_t fondo, uint32_t texto) {
    if (!Dentro(fila, 0)) return;
    for (int32_t c = 0; c < columnas_; ++c) {
        Cel(fila, c).fondo = fondo;
        Cel(fila, c).frente = texto;
    }
    Tocar(fila);
}

int16_t EstadoGrid::Imagen(int32_t fila, int32_t col) const {
    return Dentro(fila, col) ? Cel(fila, col).imagen : int16_t(0);
}

void EstadoGrid::Imagen(int32_t fila, int32_t col, int16_t imagen) {
    if (!Dentro(fila, col)) return;
    Cel(fila, col).imagen = imagen;
    Tocar(fila);
}

int32_t EstadoGrid::DatoFila(int32_t fila) const {
    return fila >= 0 && fila < filas_ ? datos_[size_t(fila)] : 0;
}

void EstadoGrid::DatoFila(int32_t fila, int32_t dato) {
    if (fila >= 0 && fila < filas_) datos_[size_t(fila)] = dato;
}

int32_t EstadoGrid::AnchoColumna(int32_t col) const {
    return col >= 0 && col < columnas_ ? cols_[size_t(col)].ancho : 0;
}

Alineacion EstadoGrid::AlineacionColumna(int32_t col) const {
    return col >= 0 && col < columnas_ ? cols_[size_t(col)].alin : Alineacion::Izquierda;
}

void EstadoGrid::FormatoColumna(int32_t col, int32_t anchoTwips, Alineacion alin) {
    if (col < 0 || col >= columnas_) return;
    cols_[size_t(col)] = {anchoTwips, alin};
    cambios_.estructura = true;
}

void EstadoGrid::Fila(int32_t fila) {
    fila_ = filaSel_ = std::clamp(fila, 0, filas_ - 1);
    colSel_ = columna_;
    cambios_.posicion = true;
}

void EstadoGrid::Columna(int32_t col) {
    columna_ = colSel_ = ColumnaValida(col);
    filaSel_ = fila_;
    cambios_.posicion = true;
}

void EstadoGrid::Seleccion(int32_t filaSel, int32_t colSel) {
    filaSel_ = std::clamp(filaSel, 0, filas_ - 1);
    colSel_ = ColumnaValida(colSel);
    cambios_.posicion = true;
}

void EstadoGrid::FilaSuperior(int32_t fila) {
    filaSuperior_ = std::clamp(fila, FilasFijas(), std::max(FilasFijas(), filas_ - filasVisibles_));
    cambios_.posicion = true;
}

void EstadoGrid::FilasVisibles(int32_t n) {
    filasVisibles_ = std::max<int32_t>(n, 1);
    FilaSuperior(filaSuperior_);
}

void EstadoGrid::Tocar(int32_t fila) {
    if (cambios_.filaMin < 0 || fila < cambios_.filaMin) cambios_.filaMin = fila;
    if (fila > cambios_.filaMax) cambios_.filaMax = fila;
}

EstadoGrid::Cambios EstadoGrid::TomarCambios() {
    Cambios c = cambios_;
    cambios_ = Cambios{};
    return c;
}
