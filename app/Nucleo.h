// The operations of the core and the program data that the main window runs,
// gathered in one place.
#pragma once

#include <cstdint>
#include <string>

void NucleoCicloReloj();                               // one clock cycle
void NucleoReiniciarProcesador();                      // the full reset
void NucleoVaciarPPL();                                // empties the pipeline
int16_t NucleoLeerFichDSK(const std::string& fichero); // loads a listing, its result code
void NucleoRecuperarEntorno(const std::string& fichero);

// Whether a group of those operations is part of this build yet.
enum class Servicio { Ciclo, Listados, Entorno };
bool NucleoDisponible(Servicio s);
