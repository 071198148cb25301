// The instruction groups: one decoder per group, which splits the word of the
// decode-stage record into its fields, and the semantic routines, which take
// the execute-stage record, read its operands and write its results and the
// pending status flags (write-back, stores, pushes and the flag commit are the
// execute unit's).
#pragma once

#include <cstdint>

// Decoders, called by the decode unit with the word after it has set LTipoIntr.
void DecodificarDosOperandos(int32_t instruccion);       // group 0
void DecodificarTresOperandos(int32_t instruccion);      // group 1
void DecodificarCargaCond(int32_t instruccion);          // group 2
void DecodificarControlPrograma(int32_t instruccion);    // group 3
void DecodificarParaleloMultSuma(int32_t instruccion);   // group 4
void DecodificarParaleloCargaAlmac(int32_t instruccion); // groups 6 and 7

// Semantic routines, called by the execute unit on the execute-stage record.
void EjecutarEnteroDosOp();                   // group 0, integer rows
void EjecutarFlotanteDosOp();                 // group 0, floating-point rows
void EjecutarEnteroTresOp();                  // group 1, integer rows
void EjecutarFlotanteTresOp();                // group 1, floating-point rows
void EjecutarEnteroParaleloMultSuma();        // group 4, integer rows
void EjecutarFlotanteParaleloMultSuma();      // group 4, floating-point rows
void EjecutarEnteroParaleloCargaAlmac();      // groups 6-7, integer rows
void EjecutarFlotanteParaleloCargaAlmac();    // groups 6-7, floating-point rows
void EjecutarControlPrograma();               // group 3
