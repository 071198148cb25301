// What setting the execution mode does, as data: one row per mode 0..4. The
// main window applies every column; the core's test window and the batch
// runner read the gEjecutando column.
#pragma once

#include <cstdint>

#include "core/Anfitrion.h"

enum class Cambio : int8_t { Intacto, Habilitar, Deshabilitar };

struct EfectosModo {
    bool temporizador;      // TimerRUN.Enabled
    int intervalo;          // ms; 0 keeps it, kIntervaloTemporizado takes TiempoExeTemp
    int8_t refrescoPorTick; // TimerRUN.Tag: 1 "True", 0 "False", -1 keeps it
    Cambio menuPausa, menuRun, menuRunTempo;  // the toolbar buttons follow these items
    bool ejecutando;        // gEjecutando
    bool refrescar;         // Refrescar, only when the run stops
    int16_t baseAnimacion;  // first frame of the mode's animation group
    bool limpiarAni;        // clear the "Ani" picture
    bool soltarPausa;       // uncheck Pausa and release its button
};

inline constexpr int kIntervaloTemporizado = -1;

// The row of a mode, or nullptr for a value outside 0..4 (stored, no effect).
const EfectosModo* EfectosDeModo(int16_t modo);

// The gEjecutando column of a mode; false for a value outside 0..4.
inline bool EjecutandoEnModo(int16_t m) {
    const EfectosModo* e = EfectosDeModo(m);
    return e && e->ejecutando;
}

// Modes whose ticks run a batch of cycles for about 10 ms (normal run, step
// over, run to the cursor); the timed run runs one cycle per tick.
inline bool ModoPorLotes(int16_t m) {
    return m == modo::kNormal || m == modo::kPasoSobre || m == modo::kHastaCursor;
}
