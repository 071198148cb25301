#include "core/Instrucciones.h"

// Placeholder until the program-control group is written: changes nothing.
void EjecutarControlPrograma() {}
