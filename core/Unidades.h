// The fetch, decode and read units of the pipeline, the addressing arithmetic
// of the decode unit and the interrupt service. Each unit takes the cycle's
// error flag: it does nothing when the flag is not 0 on entry, and works only
// on its own stage's record in the state just before its own.
#pragma once

#include <cstdint>

// Reads the word at PC into the fetch-stage record, spends owed wait cycles
// (mode 0) and advances PC with the repeat modes. Unmapped PC: box, err 1.
void UnidadBusqueda(int16_t& err);

// Decodes the decode-stage record by group, asks about invalid opcodes (OK:
// err 1), computes the indirect addresses, moves AR0-AR7 and SP, and cancels
// the fetch behind an instruction that owes wait cycles (mode 0).
void UnidadDecodificacion(int16_t& err);

// Reads the memory operands of the read-stage record; never sets err.
void UnidadLectura(int16_t& err);

// Serves the lowest pending enabled interrupt that has a vector, after asking
// the user. Called at the end of a cycle while ST.GIE is set.
void AtenderInterrupcion();

// Effective address of one indirect operand and the amount to add to AR(arn)
// afterwards. delta starts at 0; a negative arn or a code outside 0-25 leaves
// direccion unwritten.
void CalcularDirIndirecta(int32_t& direccion, int32_t& delta, int16_t modo, int16_t arn,
                          int32_t disp);
// Delta of a circular modification by paso of a register whose low 24 bits are
// ar24, with the block size in BK; the index is the register's low K bits,
// 2^K being the smallest power of two above the block size.
int32_t CalcularDirCircular(int32_t ar24, int32_t paso);
// Delta of a bit-reversed modification by ir0 (0 when ir0's low 24 bits are 0).
int32_t CalcularDirBitInvertido(int32_t ar24, int32_t ir0);
// x's bits 0..n in reverse order; bits above n are ignored.
int32_t InvertirBits(int32_t x, int32_t n);
