#include "app/Nucleo.h"

#include "core/ClassPPL.h"
#include "data/DatosPrograma.h"

#include "core/CicloReloj.h"
#include "data/LeerFichDSK.h"

// The environment reader comes in its own step; until it is there the
// restore command stays off.
#if __has_include("data/Entorno.h")
#include "data/Entorno.h"
#define TARVIX_CON_ENTORNO 1
#endif

bool NucleoDisponible(Servicio s) {
    switch (s) {
        case Servicio::Ciclo:
        case Servicio::Listados: return true;
#ifdef TARVIX_CON_ENTORNO
        case Servicio::Entorno: return true;
#endif
        default: return false;
    }
}

void NucleoCicloReloj() { CicloReloj(); }

void NucleoReiniciarProcesador() { ReiniciarProcesador(); }

void NucleoVaciarPPL() { gPPL->VaciarPPL(); }

int16_t NucleoLeerFichDSK(const std::string& fichero) { return LeerFichDSK(fichero); }

void NucleoRecuperarEntorno(const std::string& fichero) {
#ifdef TARVIX_CON_ENTORNO
    RecuperarEntorno(fichero);
#else
    (void)fichero;
#endif
}
