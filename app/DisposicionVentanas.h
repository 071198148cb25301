// The Window menu's arrangements of the four views: the default layout, the
// alternating tiling of the listing and memory windows, and saving and
// restoring the layout in the settings. Measures are twips; the layouts are
// worked out by plain functions and applied to the views' MDI frames.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "views/LugarVista.h"

class frmMain;

namespace disposicion {

using Rect = lugarvista::Rect;
struct Tam {
    int32_t ancho = 0, alto = 0;
};
// Where the default layout and the tiling put the views; the pipeline and
// register windows keep their size and are only moved (nullopt: not moved).
struct Posiciones {
    std::optional<Rect> ppl, registros;
    Rect memoria, dasm;
};

// Pipeline bottom right (20 twips below flush), registers top right, memory
// (lower 40 %) and listing (upper 60 %) in the width the registers leave.
// In an area too small for that, both layouts keep every view reachable,
// give the listing and memory windows their least size, and let views overlap;
// the commands then bring the view that starts lower to the front.
Posiciones Predeterminada(int32_t cw, int32_t ch, Tam ppl, Tam registros);
// The listing gets the share r of the height and the memory the rest, in the
// width the shown register window leaves, else the shown pipeline window.
Posiciones Mosaico(int32_t cw, int32_t ch, double r, std::optional<Tam> ppl, std::optional<Tam> registros);
// The next share: one tenth more, 0.2 after 0.8; always exact tenths.
double SiguienteProporcion(double r);
// "Alternar &Mosaico (70% - 30%)" for r = 0.7.
std::string TextoMosaico(double r);

// The Window-menu commands.
void mnuWindowPred_Click(frmMain& f);
void mnuWindowMosaico_Click(frmMain& f);
void mnuRecupPos_Click(frmMain& f);
void mnuSalvarPos_Click(frmMain& f);

}  // namespace disposicion
