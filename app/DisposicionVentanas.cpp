#include "app/DisposicionVentanas.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/LogicaPrincipal.h"
#include "app/Vistas.h"
#include "app/frmMain.h"
#include "platform/Ajustes.h"
#include "views/AjustesVista.h"
#include "views/LugarVista.h"

namespace disposicion {

namespace {

const bool registrados = [] {
    RegistrarComando("mnuWindowPred", mnuWindowPred_Click);
    RegistrarComando("mnuWindowMosaico", mnuWindowMosaico_Click);
    RegistrarComando("mnuRecupPos", mnuRecupPos_Click);
    RegistrarComando("mnuSalvarPos", mnuSalvarPos_Click);
    return true;
}();

constexpr double kTwips = 15.0;  // twips per pixel
int Px(double twips) { return int(std::lround(twips / kTwips)); }
int32_t Tw(int px) { return int32_t(px * kTwips); }

// The view's frame, loading the view (which shows it) when it is not loaded.
QMdiSubWindow* Cargada(frmMain& f, TipoVista tipo) {
    if (!f.Vista(tipo) && FabricaDeVista(tipo)) f.AlternarVista(tipo);
    return f.Marco(tipo);
}

// Normal state; a hidden frame stays hidden and takes it when shown again.
void Normal(QMdiSubWindow* m) {
    if (m->isVisible()) m->showNormal();
    else m->setWindowState(m->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void Estado(QMdiSubWindow* m, int estado) {
    if (estado != 1 && estado != 2) {
        Normal(m);
    } else if (!m->isVisible()) {
        m->setWindowState(estado == 1 ? Qt::WindowMinimized : Qt::WindowMaximized);
    } else if (estado == 1) {
        m->showMinimized();
    } else {
        m->showMaximized();
    }
}

// A frame cannot be placed, nor its size read, while minimised or maximised:
// it is made normal first.
QMdiSubWindow* Colocable(QMdiSubWindow* m) {
    if (m && (m->isMinimized() || m->isMaximized())) Normal(m);
    return m;
}

void Colocar(QMdiSubWindow* m, double izq, double arriba, std::optional<Tam> tam = std::nullopt) {
    Colocable(m);
    if (tam) m->setGeometry(Px(izq), Px(arriba), Px(tam->ancho), Px(tam->alto));
    else m->move(Px(izq), Px(arriba));
}
void Colocar(QMdiSubWindow* m, const Rect& r) { Colocar(m, r.izq, r.arriba, Tam{int32_t(r.ancho), int32_t(r.alto)}); }

Tam TamDe(const QMdiSubWindow* m) { return {Tw(m->width()), Tw(m->height())}; }

Tam Cliente(frmMain& f) {
    const QSize s = f.AreaCliente()->viewport()->size();
    return {Tw(s.width()), Tw(s.height())};
}

int EstadoDe(Qt::WindowStates s) { return s & Qt::WindowMinimized ? 1 : (s & Qt::WindowMaximized ? 2 : 0); }

// The view's place in the default arrangement, from the frames as they are.
Rect PlazaPredeterminada(frmMain& f, TipoVista tipo) {
    const Tam c = Cliente(f);
    const QMdiSubWindow* ppl = f.Marco(TipoVista::PPL);
    const QMdiSubWindow* reg = f.Marco(TipoVista::Registros);
    const Posiciones p = Predeterminada(c.ancho, c.alto, ppl ? TamDe(ppl) : Tam{}, reg ? TamDe(reg) : Tam{});
    switch (tipo) {
        case TipoVista::PPL: return *p.ppl;
        case TipoVista::Registros: return *p.registros;
        case TipoVista::Memoria: return p.memoria;
        default: return p.dasm;
    }
}

// The stored layout of one shown view applied to it, then its stored state; a
// minimised listing or memory window keeps its place and size. A stored place
// out of reach, or a size of nothing, gives way to the default arrangement's.
void AplicarGuardada(frmMain& f, const DatosVista& d) {
    QMdiSubWindow* m = Cargada(f, d.tipo);
    if (!m) return;
    if (!d.conTamano || !m->isMinimized()) {
        Colocable(m);
        const QSize pantalla = QGuiApplication::primaryScreen()->size();
        const Rect defecto{0, -60, double(Tw(pantalla.width()) + 110), double(Tw(pantalla.height()) - 300)};
        const Rect r = ajustesvista::LugarGuardado(
            *m, d.seccion, defecto, PlazaPredeterminada(f, d.tipo),
            d.conTamano ? ajustesvista::Guardar::LugarYTamano : ajustesvista::Guardar::SoloLugar);
        if (d.conTamano) Colocar(m, r);
        else Colocar(m, r.izq, r.arriba);
    }
    Estado(m, ajustesvista::LeerEstado(d.seccion, 2));
}

// One view's current layout, in the keys its own close writes.
void GuardarActual(frmMain& f, const DatosVista& d) {
    const QMdiSubWindow* m = f.Marco(d.tipo);
    if (!m) return;
    const IVista* v = f.Vista(d.tipo);
    ajustesvista::GuardarMarco(*m, d.seccion,
                               d.conTamano ? ajustesvista::Guardar::LugarYTamano : ajustesvista::Guardar::SoloLugar,
                               v ? v->SubidaDesplegada() : 0);
}

// Where the views overlap (a pipeline window unfolded beside the register
// window, a small area) the view that starts lower comes to the front, so none
// covers the title bar and column headers at the top of another.
void Apilar(frmMain& f) {
    std::vector<QMdiSubWindow*> marcos;
    for (const DatosVista& d : TablaVistas())
        if (QMdiSubWindow* m = f.Marco(d.tipo)) marcos.push_back(m);
    std::stable_sort(marcos.begin(), marcos.end(),
                     [](const QMdiSubWindow* a, const QMdiSubWindow* b) { return a->y() < b->y(); });
    for (QMdiSubWindow* m : marcos) m->raise();
}

void EscribirTexto(const char* seccion, const char* clave, const std::string& valor) {
    plataforma::Ajustes().Escribir(plataforma::kAplicacion, seccion, clave, valor);
}

}  // namespace

namespace {

// A pipeline or register window keeps its size; only its place is kept inside.
Rect Lateral(const Rect& r, int32_t cw, int32_t ch) { return lugarvista::Ajustado(r, cw, ch, 0, 0); }
}  // namespace

Posiciones Predeterminada(int32_t cw, int32_t ch, Tam ppl, Tam registros) {
    Posiciones p;
    p.ppl = Lateral({double(cw - ppl.ancho), double(ch - ppl.alto + 20), double(ppl.ancho), double(ppl.alto)}, cw, ch);
    p.registros = Lateral({double(cw - registros.ancho), 0, double(registros.ancho), double(registros.alto)}, cw, ch);
    const int32_t w = cw - registros.ancho;
    // The memory window shares its band with the pipeline window below the
    // registers: it keeps clear of it where the pipeline window is the wider.
    const int32_t wMemoria = cw - std::max(registros.ancho, ppl.ancho);
    p.memoria = lugarvista::Ajustado({0, 0.6 * ch, double(wMemoria), 0.4 * ch}, cw, ch);
    p.dasm = lugarvista::Ajustado({0, 0, double(w), 0.6 * ch}, cw, ch);
    return p;
}

Posiciones Mosaico(int32_t cw, int32_t ch, double r, std::optional<Tam> ppl, std::optional<Tam> registros) {
    Posiciones p;
    int32_t w = cw, wMemoria = cw;
    if (ppl) {
        p.ppl = Lateral({double(cw - ppl->ancho), double(ch - ppl->alto + 20), double(ppl->ancho), double(ppl->alto)},
                        cw, ch);
        w = wMemoria = cw - ppl->ancho;
    }
    if (registros) {
        p.registros =
            Lateral({double(cw - registros->ancho), 0, double(registros->ancho), double(registros->alto)}, cw, ch);
        w = cw - registros->ancho;
        wMemoria = std::min(wMemoria, w);
    }
    p.memoria = lugarvista::Ajustado({0, r * ch, double(wMemoria), (1 - r) * ch}, cw, ch);
    p.dasm = lugarvista::Ajustado({0, 0, double(w), r * ch}, cw, ch);
    return p;
}

double SiguienteProporcion(double r) {
    long decimas = std::lround(r * 10) + 1;
    if (decimas > 8) decimas = 2;
    return double(decimas) / 10.0;
}

std::string TextoMosaico(double r) {
    const long p = std::lround(r * 100);
    return "Alternar &Mosaico (" + std::to_string(p) + "% - " + std::to_string(100 - p) + "%)";
}

void mnuWindowPred_Click(frmMain& f) {
    const Tam c = Cliente(f);
    QMdiSubWindow* ppl = Colocable(Cargada(f, TipoVista::PPL));
    QMdiSubWindow* reg = Colocable(Cargada(f, TipoVista::Registros));
    QMdiSubWindow* mem = Cargada(f, TipoVista::Memoria);
    QMdiSubWindow* dasm = Cargada(f, TipoVista::DASM);
    const Posiciones p = Predeterminada(c.ancho, c.alto, ppl ? TamDe(ppl) : Tam{}, reg ? TamDe(reg) : Tam{});
    if (ppl) Colocar(ppl, p.ppl->izq, p.ppl->arriba);
    if (reg) Colocar(reg, p.registros->izq, p.registros->arriba);
    if (mem) Normal(mem), Colocar(mem, p.memoria);
    if (dasm) Normal(dasm), Colocar(dasm, p.dasm);
    Apilar(f);
}

void mnuWindowMosaico_Click(frmMain& f) {
    const Tam c = Cliente(f);
    QMdiSubWindow* ppl = f.VistaAbierta(TipoVista::PPL) ? Colocable(f.Marco(TipoVista::PPL)) : nullptr;
    QMdiSubWindow* reg = f.VistaAbierta(TipoVista::Registros) ? Colocable(f.Marco(TipoVista::Registros)) : nullptr;
    const double r = f.ProporcionMosaico();
    const Posiciones p = Mosaico(c.ancho, c.alto, r, ppl ? std::optional(TamDe(ppl)) : std::nullopt,
                                 reg ? std::optional(TamDe(reg)) : std::nullopt);
    if (ppl) Colocar(ppl, p.ppl->izq, p.ppl->arriba);
    if (reg) Colocar(reg, p.registros->izq, p.registros->arriba);
    if (QMdiSubWindow* mem = Cargada(f, TipoVista::Memoria)) Normal(mem), Colocar(mem, p.memoria);
    if (QMdiSubWindow* dasm = Cargada(f, TipoVista::DASM)) Normal(dasm), Colocar(dasm, p.dasm);
    Apilar(f);
    const double siguiente = SiguienteProporcion(r);
    f.ProporcionMosaico(siguiente);
    f.Accion("mnuWindowMosaico")->setText(QString::fromStdString(TextoMosaico(siguiente)));
}

void mnuRecupPos_Click(frmMain& f) {
    for (TipoVista t : {TipoVista::PPL, TipoVista::Registros, TipoVista::Memoria, TipoVista::DASM}) {
        const DatosVista& d = DatosDeVista(t);
        const std::string visible = plataforma::Ajustes().Leer(plataforma::kAplicacion, d.seccion, "Visible", "True");
        if (TextoABool(visible, true)) AplicarGuardada(f, d);
        else if (QAction* b = f.Boton(d.boton)) b->setChecked(false);
    }
}

void mnuSalvarPos_Click(frmMain& f) {
    const int estado = EstadoDe(f.windowState());
    EscribirTexto("MainSettings", "Status", std::to_string(estado));
    if (estado == 0) {
        const QRect g = f.geometry();
        ajustesvista::Escribir("MainSettings", "Left", Tw(g.x()));
        ajustesvista::Escribir("MainSettings", "Top", Tw(g.y()));
        ajustesvista::Escribir("MainSettings", "Width", Tw(g.width()));
        ajustesvista::Escribir("MainSettings", "Height", Tw(g.height()));
    }
    for (TipoVista t : {TipoVista::DASM, TipoVista::Registros, TipoVista::Memoria, TipoVista::PPL}) {
        const DatosVista& d = DatosDeVista(t);
        const bool abierta = f.VistaAbierta(t);
        EscribirTexto(d.seccion, "Visible", abierta ? "True" : "False");
        if (abierta) GuardarActual(f, d);
    }
}

}  // namespace disposicion
