#include "core/Instrucciones.h"

// Placeholders until the group decoders are written: the record keeps its defaults.
void DecodificarDosOperandos(int32_t) {}
void DecodificarTresOperandos(int32_t) {}
void DecodificarCargaCond(int32_t) {}
void DecodificarControlPrograma(int32_t) {}
void DecodificarParaleloMultSuma(int32_t) {}
void DecodificarParaleloCargaAlmac(int32_t) {}
