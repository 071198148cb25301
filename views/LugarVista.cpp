#include "views/LugarVista.h"

#include <algorithm>

namespace lugarvista {

namespace {

// The length of [a, a + la) that falls in [0, lb).
double Solape(double a, double la, double lb) { return std::min(a + la, lb) - std::max(a, 0.0); }

}  // namespace

bool Alcanzable(const Rect& r, double cw, double ch) {
    if (!(r.ancho >= kAsaAncho && r.alto >= kAsaAlto && r.ancho <= kMayor && r.alto <= kMayor)) return false;
    return Solape(r.izq, r.ancho, cw) >= kAsaAncho && Solape(r.arriba, kAltoTitulo, ch) >= kAsaAlto;
}

Rect Ajustado(Rect r, double cw, double ch, double anchoMinimo, double altoMinimo) {
    // A frame raised to its least size grows toward the area's origin, so
    // that it stays inside the area where the area is big enough.
    if (r.ancho < anchoMinimo) r.ancho = anchoMinimo, r.izq = std::min(r.izq, cw - r.ancho);
    if (r.alto < altoMinimo) r.alto = altoMinimo, r.arriba = std::min(r.arriba, ch - r.alto);
    r.ancho = std::min(r.ancho, kMayor);
    r.alto = std::min(r.alto, kMayor);
    r.izq = std::clamp(r.izq, 0.0, std::max(0.0, cw - kAsaAncho));
    r.arriba = std::clamp(r.arriba, 0.0, std::max(0.0, ch - kAltoTitulo));
    return r;
}

Rect Elegido(const Rect& guardado, const Rect& predeterminado, double cw, double ch, double anchoMinimo,
             double altoMinimo) {
    if (!Alcanzable(guardado, cw, ch)) return Ajustado(predeterminado, cw, ch, anchoMinimo, altoMinimo);
    Rect r = guardado;
    r.ancho = std::max(r.ancho, anchoMinimo);
    r.alto = std::max(r.alto, altoMinimo);
    return r;
}

}  // namespace lugarvista
