// The pipeline window's tests run real programs: default settings, fresh
// program-wide objects after a full reset, a listing of tests/programs loaded
// as the main window loads it, and clock cycles as the step command makes them.
#pragma once

#include <QtTest>
#include <string>

#include "core/CicloReloj.h"
#include "core/ClassPPL.h"
#include "data/DatosPrograma.h"
#include "data/LeerFichDSK.h"
#include "fakes/CuadrosFalsos.h"

namespace pplprueba {

inline bool Cargar(const std::string& programa, int16_t modoPPL) {
    for (const AjustePrograma& fila : TablaAjustes()) AsignarTextoAjuste(fila, fila.porDefecto);
    ModoPPL = modoPPL;
    gEjecutando = false;
    gPasoSobre = false;
    gDirParada = -1;
    CrearObjetosPrograma();
    ReiniciarProcesador();
    gEstadoDSK = LeerFichDSK(std::string(TARVIX_SOURCE_DIR) + "/tests/programs/" + programa + ".dsk");
    return gEstadoDSK == 0;
}

inline void Ciclos(int n) {
    for (int i = 0; i < n; ++i) CicloReloj();
}

}  // namespace pplprueba
