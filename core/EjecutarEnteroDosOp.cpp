#include "core/Instrucciones.h"

// Placeholder until the integer two-operand group is written: changes nothing.
void EjecutarEnteroDosOp() {}
