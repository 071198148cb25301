// The execute unit and the helpers that every instruction group uses: the
// pending status flags and their commit, the integer result check, the carry
// rule, the floating-point clamp, the condition codes, the conditional loads
// and the program-counter jump that honours delay slots.
#pragma once

#include <cstdint>

// Status-register bits.
namespace bitst {
inline constexpr int32_t C = 0, V = 1, Z = 2, N = 3, UF = 4, LV = 5, LUF = 6, OVM = 7, RM = 8,
                         GIE = 13;
}

// Pending flags of the executing instruction: -1 keep, 0 clear, 1 set (any
// other value keeps). The OVM slot is never written by an instruction.
struct FlagsPendientes {
    int16_t C = -1, V = -1, UF = -1, OVM = -1, N = -1, Z = -1;
};
extern FlagsPendientes FlagsPendientesST;

// The execute unit: runs on the execute-stage record in state 4 while err is 0.
void UnidadEjecucion(int16_t& err);

// Commits the pending flags into ST (V also sets LV, UF also sets LUF).
void ActualizarFlagsST();

// Reduces an exact integer result to 32 bits: wraps modulo 2^32, or saturates
// when ST.OVM is set; pending V from the range, UF 0, N from the sign of x,
// Z from the result. A fractional x is rounded half to even first.
int32_t ComprobarDesbordamiento(int64_t x);
int32_t ComprobarDesbordamiento(double x);
inline int32_t ComprobarDesbordamiento(int32_t x) { return ComprobarDesbordamiento(int64_t{x}); }

// Pending C := sign(x) xor sign(a) xor sign(b): for x = a + b the carry out of bit 31.
void CalcularAcarreo(int64_t x, int32_t a, int32_t b);
void CalcularAcarreo(double x, int32_t a, int32_t b);
inline void CalcularAcarreo(int32_t x, int32_t a, int32_t b) { CalcularAcarreo(int64_t{x}, a, b); }

// Clamps a floating-point result to the extended-precision range; pending V
// (from 2^128 up and below -2^128), UF, N, Z.
double LimitarFlotante(double x);
inline constexpr double kMaxFlotante = 3.402823668417103E+38;   // (2 - 2^-31) * 2^127
inline constexpr double kMinFlotante = -3.402823669209385E+38;  // -2^128
inline constexpr double kFlotanteDiminuto = 5.877471754111E-39;

// Condition codes 0-20 on the flags in ST; any other code is false.
bool EvaluarCondicion(int32_t cond);

// LDFcond / LDIcond: vDst1 := vSrc1 when the condition holds, else empty.
void EjecutarCargaCond();

// Sets PC to a branch target. A delayed branch without the pipeline takes
// effect after the three instructions that follow it have run, as it does
// with the pipeline; otherwise PC changes at once. The program-control
// routines use it for every branch, call, trap and return.
void SaltoPC(int32_t destino, bool retardado);
