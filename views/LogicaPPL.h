// What the pipeline window shows and does, without a window: the history grid
// (one row per cycle shown: cycle, fetch address and the instruction of each
// of the four stages), the tracked stage, the folding of the detail panel and
// the operations the main window and the window's buttons call.
//
// The history is bounded by the grid's data rows (4 unless the user adds some):
// a new cycle overwrites the oldest entry of a ring, and only the rows on
// screen are written into the grid state, so a refresh costs the visible rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "views/EstadoGrid.h"
#include "views/PanelDetalle.h"

class LogicaPPL {
public:
    static constexpr int32_t kColumnas = 6;
    static constexpr int32_t kFilasMinimas = 5;       // a header and 4 data rows
    static constexpr int32_t kAltoPanelTwips = 3750;  // what unfolding adds to the window
    // Back colours (&HBBGGRR) of the newest row, by column, with the pipeline;
    // without it every cell takes kColorSinPPL.
    static constexpr uint32_t kColoresPPL[kColumnas] = {0x8080FF, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80};
    static constexpr uint32_t kColorSinPPL = 0x80FFFF;

    // The state after the window's Load: tracked stage 3, no cycle shown,
    // panel folded, 6 columns and 5 rows formatted by Inicializar.
    LogicaPPL();

    EstadoGrid& Grid() { return grid_; }
    const EstadoGrid& Grid() const { return grid_; }
    PanelDetalle& Panel() { return panel_; }
    const PanelDetalle& Panel() const { return panel_; }

    // Headers, widths and the newest row's format; texts and history stay.
    void Inicializar();
    // A new program or a reset: the history and the detail panel of the run
    // before go, and the next refresh writes the row of the current cycle.
    void ProgramaNuevo();
    // Adds the row of the current cycle (nothing when the cycle has not moved).
    void Actualizar();
    // The window's buttons: 0 unfold, 1 fold, 2 add a row, 3 remove a row,
    // 4 empty the pipeline. The window moves and resizes itself for 0 and 1.
    void CmdModoFrm_Click(int16_t indice);
    // Double-click on the grid: the stage of the current column.
    void SeleccionarUnidadSeg();
    // Text of the cell under the pointer (grid row and column; a column
    // right of the last one counts as column 0); nothing when outside.
    std::optional<std::string> TextoCeldaPPL(int32_t fila, int32_t col) const;
    // Writes the history into the rows on screen (after a scroll or resize too).
    void RefrescarLineas();

    int16_t UnitSeg() const { return unitSeg_; }
    void UnitSeg(int16_t v);   // 0 to 3; anything else keeps the stage
    std::string TextoUnidad() const { return TextoUnidad(unitSeg_); }   // LblUnitPPL
    static std::string TextoUnidad(int16_t etapa);                        // of stage 0 to 3
    int16_t ImagenUnidad() const { return int16_t(unitSeg_ + 1); }   // picture of ImgListPPL
    int32_t CicloMostrado() const { return cicloMostrado_; }
    bool PanelDesplegado() const { return panelDesplegado_; }
    bool BotonVisible(int16_t indice) const;   // buttons 0 and 1 show by the panel's state

    // Text of history row `fila` (1 .. Filas-1), whether on screen or not.
    const std::string& Historia(int32_t fila, int32_t col) const;

private:
    using Fila = std::array<std::string, kColumnas>;
    Fila& Entrada(int32_t fila);
    void Vaciar();   // clears the grid and the history (a row added or removed, a new program)
    void MostrarUnidadSeg();

    EstadoGrid grid_;
    PanelDetalle panel_;
    std::vector<Fila> historia_;   // ring of the data rows; primera_ is grid row 1
    int32_t primera_ = 0;
    int16_t unitSeg_ = 3;
    int32_t cicloMostrado_ = 0;
    bool panelDesplegado_ = false;
    // Cycle counter when the newest row was written, -1 when that row shows no
    // fetch whose name the next cycle can complete.
    int32_t cicloUltimaFila_ = -1;
    // The newest rows that show the instruction now in the fetch stage: more
    // than one while the decode stage holds the instruction ahead of it.
    int32_t filasMismaBusqueda_ = 1;
};
