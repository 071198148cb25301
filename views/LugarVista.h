// Where a view's MDI frame may stand in the main window's client area, worked
// out in twips without windows. A frame is reachable when a piece of its title
// bar lies inside the area: the user can grab it there and move it.
#pragma once

namespace lugarvista {

struct Rect {
    double izq = 0, arriba = 0, ancho = 0, alto = 0;
    bool operator==(const Rect&) const = default;
};

// The frame's top strip that holds its title bar, and how much of it must show.
inline constexpr double kAltoTitulo = 300, kAsaAncho = 600, kAsaAlto = 150;
// The least size of a sizeable view: its title bar and a few rows.
inline constexpr double kAnchoMinimo = 3000, kAltoMinimo = 1800;
// The largest size a window can have (16-bit pixel coordinates).
inline constexpr double kMayor = 32767 * 15.0;

// Has a size above a sliver and below kMayor, and a grabbable piece of its
// title bar inside the cw x ch client area.
bool Alcanzable(const Rect& r, double cw, double ch);

// The frame raised to the given least size (growing toward the area's origin)
// and capped at kMayor, then moved, as little as it takes, so that its
// top-left corner lies inside the area with room for a piece of its title
// bar; in an area too small for it the frame stands at the area's origin and
// overlaps what else is there.
Rect Ajustado(Rect r, double cw, double ch, double anchoMinimo = kAnchoMinimo, double altoMinimo = kAltoMinimo);

// The stored place when it is reachable (raised to the least size), else the
// default place made usable.
Rect Elegido(const Rect& guardado, const Rect& predeterminado, double cw, double ch,
             double anchoMinimo = kAnchoMinimo, double altoMinimo = kAltoMinimo);

}  // namespace lugarvista
