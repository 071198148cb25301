#include "core/Instrucciones.h"

// Placeholder until the floating-point two-operand group is written: changes nothing.
void EjecutarFlotanteDosOp() {}
