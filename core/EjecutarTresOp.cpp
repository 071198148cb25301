#include "core/Instrucciones.h"

// Placeholders until the three-operand groups are written: they change nothing.
void EjecutarEnteroTresOp() {}
void EjecutarFlotanteTresOp() {}
