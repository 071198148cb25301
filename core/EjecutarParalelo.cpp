#include "core/Instrucciones.h"

// Placeholders until the parallel groups are written: they change nothing.
void EjecutarEnteroParaleloMultSuma() {}
void EjecutarFlotanteParaleloMultSuma() {}
void EjecutarEnteroParaleloCargaAlmac() {}
void EjecutarFlotanteParaleloCargaAlmac() {}
