// The state of one flexible grid of the views, held without any toolkit: texts,
// cell colours, pictures, one integer of row data per row, the current cell with
// the selection's far corner, the top visible row and how many rows fit.
// The views' logic fills it; the Qt model shows it; tests read it directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Alineacion : int8_t { Izquierda, Centro, Derecha };

class EstadoGrid {
public:
    // Colours are &HBBGGRR values; 0 stands for the grid's default colour.
    static constexpr uint32_t kColorDefecto = 0;

    int32_t Filas() const { return filas_; }
    int32_t Columnas() const { return columnas_; }
    // Changing the size keeps the cells that stay inside it.
    void Dimensionar(int32_t filas, int32_t columnas);
    void Filas(int32_t filas) { Dimensionar(filas, columnas_); }
    void Columnas(int32_t columnas) { Dimensionar(filas_, columnas); }
    // Header rows (0 or 1, default 1) and leading fixed columns (default 0):
    // the current cell never sits in a fixed column.
    int32_t FilasFijas() const { return filasFijas_; }
    void FilasFijas(int32_t n);
    int32_t ColumnasFijas() const { return colsFijas_; }
    void ColumnasFijas(int32_t n);

    // Empties texts, pictures and cell colours; sizes and row data stay.
    void Limpiar();

    const std::string& Texto(int32_t fila, int32_t col) const;
    void Texto(int32_t fila, int32_t col, std::string texto);
    uint32_t ColorFondo(int32_t fila, int32_t col) const;
    uint32_t ColorTexto(int32_t fila, int32_t col) const;
    void ColorFondo(int32_t fila, int32_t col, uint32_t color);
    void ColorTexto(int32_t fila, int32_t col, uint32_t color);
    // Colours every cell of one row.
    void ColoresFila(int32_t fila, uint32_t fondo, uint32_t texto);
    // Font attributes of one cell, a set of the bits below.
    enum AtributoFuente : uint8_t { kNegrita = 1, kCursiva = 2, kSubrayado = 4, kTachado = 8 };
    uint8_t Atributos(int32_t fila, int32_t col) const;
    void Atributo(int32_t fila, int32_t col, AtributoFuente atributo, bool activo);
    int16_t Imagen(int32_t fila, int32_t col) const;   // 0: no picture
    void Imagen(int32_t fila, int32_t col, int16_t imagen);
    int32_t DatoFila(int32_t fila) const;
    void DatoFila(int32_t fila, int32_t dato);

    int32_t AnchoColumna(int32_t col) const;          // twips
    Alineacion AlineacionColumna(int32_t col) const;
    void FormatoColumna(int32_t col, int32_t anchoTwips, Alineacion alin);

    // Current cell; setting it collapses the selection onto it.
    int32_t Fila() const { return fila_; }
    int32_t Columna() const { return columna_; }
    void Fila(int32_t fila);
    void Columna(int32_t col);
    // Far corner of the selection (the current cell is its anchor).
    int32_t FilaSel() const { return filaSel_; }
    int32_t ColSel() const { return colSel_; }
    void Seleccion(int32_t filaSel, int32_t colSel);

    // First data row on screen and how many whole data rows the window has room
    // for; the top row never goes past the point where the last row is at the
    // bottom, and the row cut by the bottom edge also counts as visible.
    int32_t FilaSuperior() const { return filaSuperior_; }
    void FilaSuperior(int32_t fila);
    int32_t FilasVisibles() const { return filasVisibles_; }
    void FilasVisibles(int32_t n);
    // At the end of the list the toolkit aligns the last row with the bottom
    // edge, so the row above the top row shows cut by the top edge.
    int32_t PrimeraFilaVisible() const {
        return filaSuperior_ > FilasFijas() && filaSuperior_ >= filas_ - filasVisibles_ ? filaSuperior_ - 1
                                                                                         : filaSuperior_;
    }
    bool FilaVisible(int32_t fila) const {
        return fila >= PrimeraFilaVisible() && fila <= filaSuperior_ + filasVisibles_ && fila < filas_;
    }

    // What changed since the toolkit side last looked: a new shape (sizes or
    // a clearing) or the range of rows whose cells were written.
    struct Cambios {
        bool estructura = false;
        int32_t filaMin = -1, filaMax = -1;
        bool posicion = false;   // current cell, selection or top row
    };
    Cambios TomarCambios();

private:
    struct Celda {
        std::string texto;
        uint32_t fondo = kColorDefecto;
        uint32_t frente = kColorDefecto;
        int16_t imagen = 0;
        uint8_t atributos = 0;
    };
    struct Columna_ {
        int32_t ancho = 960;
        Alineacion alin = Alineacion::Izquierda;
    };
    bool Dentro(int32_t fila, int32_t col) const {
        return fila >= 0 && fila < filas_ && col >= 0 && col < columnas_;
    }
    Celda& Cel(int32_t fila, int32_t col) { return celdas_[size_t(fila) * size_t(columnas_) + size_t(col)]; }
    const Celda& Cel(int32_t fila, int32_t col) const {
        return celdas_[size_t(fila) * size_t(columnas_) + size_t(col)];
    }
    void Tocar(int32_t fila);
    int32_t ColumnaValida(int32_t col) const;

    int32_t filas_ = 2, columnas_ = 2;
    int32_t filasFijas_ = 1, colsFijas_ = 0;
    std::vector<Celda> celdas_ = std::vector<Celda>(4);
    std::vector<int32_t> datos_ = std::vector<int32_t>(2, 0);
    std::vector<Columna_> cols_ = std::vector<Columna_>(2);
    int32_t fila_ = 1, columna_ = 0, filaSel_ = 1, colSel_ = 0;
    int32_t filaSuperior_ = 1, filasVisibles_ = 1;
    Cambios cambios_{true, -1, -1, true};
};
