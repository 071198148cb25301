// Register file of the simulated processor: R0-R7 (40-bit), AR0-AR7, DP,
// IR0-IR1, BK, SP, ST, IE, IF, IOF, RS, RE, RC, PC and the repeat-single flag.
// Registers are reached by name or by the processor's numbers 0-27 (RegCPU).
#pragma once

#include <array>
#include <cstdint>

#include "core/ClassRegistrosRn.h"
#include "core/Valor.h"

class ClassRegistrosCPU {
public:
    // Processor register numbers.
    static constexpr int32_t kNumR0 = 0, kNumAR0 = 8, kNumDP = 16, kNumIR0 = 17, kNumBK = 19,
                             kNumSP = 20, kNumST = 21, kNumIE = 22, kNumIF = 23, kNumIOF = 24,
                             kNumRS = 25, kNumRE = 26, kNumRC = 27;

    bool BIT_S() const { return bitS_; }
    void BIT_S(bool b) { bitS_ = b; }

    int32_t PC() const { return reg_[kPC]; }
    void PC(int32_t v) { reg_[kPC] = v; }
    int32_t RC() const { return reg_[kNumRC - kNumAR0]; }
    void RC(int32_t v) { reg_[kNumRC - kNumAR0] = v; }
    int32_t RE() const { return reg_[kNumRE - kNumAR0]; }
    void RE(int32_t v) { reg_[kNumRE - kNumAR0] = v; }
    int32_t RS() const { return reg_[kNumRS - kNumAR0]; }
    void RS(int32_t v) { reg_[kNumRS - kNumAR0] = v; }
    int32_t IFR() const { return reg_[kNumIF - kNumAR0]; }
    void IFR(int32_t v) { reg_[kNumIF - kNumAR0] = v; }
    int32_t IOF() const { return reg_[kNumIOF - kNumAR0]; }
    void IOF(int32_t v) { reg_[kNumIOF - kNumAR0] = v; }
    int32_t IE() const { return reg_[kNumIE - kNumAR0]; }
    void IE(int32_t v) { reg_[kNumIE - kNumAR0] = v; }
    int32_t ST() const { return reg_[kNumST - kNumAR0]; }
    void ST(int32_t v) { reg_[kNumST - kNumAR0] = v; }
    int32_t SP() const { return reg_[kNumSP - kNumAR0]; }
    void SP(int32_t v) { reg_[kNumSP - kNumAR0] = v; }
    int32_t BK() const { return reg_[kNumBK - kNumAR0]; }
    void BK(int32_t v) { reg_[kNumBK - kNumAR0] = v; }
    int32_t DP() const { return reg_[kNumDP - kNumAR0]; }
    void DP(int32_t v) { reg_[kNumDP - kNumAR0] = v; }

    // IR(0..1) and AR(0..7); an index outside reads 0 and writes nothing.
    int32_t IR(int16_t i) const { return (i >= 0 && i < 2) ? reg_[kNumIR0 - kNumAR0 + i] : 0; }
    void IR(int16_t i, int32_t v) { if (i >= 0 && i < 2) reg_[kNumIR0 - kNumAR0 + i] = v; }
    int32_t AR(int16_t i) const { return (i >= 0 && i < 8) ? reg_[i] : 0; }
    void AR(int16_t i, int32_t v) { if (i >= 0 && i < 8) reg_[i] = v; }

    // R(0..7): the extended register itself; changes through it change the
    // register, and later writes show through it (copy it to keep a value).
    // An index outside gives a scratch register that nothing reads.
    ClassRegistrosRn& R(int16_t i) { return (i >= 0 && i < 8) ? r_[i] : r_[8]; }
    const ClassRegistrosRn& R(int16_t i) const { return (i >= 0 && i < 8) ? r_[i] : r_[8]; }
    void R(int16_t i, const ClassRegistrosRn& rn) { if (i >= 0 && i < 8) r_[i] = rn; }

    // Access by register number n (0-27). Raw: R0-R7 give LO, others their
    // word. Floating: R0-R7 as extended values, others as short-float words.
    // Another n reads empty. A write takes its kind from the value: an
    // integer is stored raw (R0-R7 keep HI), a double is converted; an empty
    // value, another n, or a double that cannot be represented write nothing.
    Valor RegCPU(int32_t n, bool flotante) const {
        if (n < 0 || n > kNumRC) return Valor::Vacio();
        if (flotante) return RegCPUFlotante(n);
        return Valor::Entero(n < kNumAR0 ? r_[n].LO() : reg_[n - kNumAR0]);
    }
    // Register n as the word a floating-point store writes: R0-R7 give their
    // top 32 bits, the exponent byte and then the sign and the 23 high
    // fraction bits (the 8 low mantissa bits drop out, toward minus
    // infinity); the other registers give their word. Another n is empty.
    Valor RegCPUCorto(int32_t n) const {
        if (n < 0 || n > kNumRC) return Valor::Vacio();
        if (n >= kNumAR0) return Valor::Entero(reg_[n - kNumAR0]);
        const uint32_t hi = static_cast<uint32_t>(r_[n].HI()), lo = static_cast<uint32_t>(r_[n].LO());
        return Valor::Entero(static_cast<int32_t>((hi << 24) | (lo >> 8)));
    }
    void RegCPU(int32_t n, bool /*flotante*/, const Valor& v) {
        if (n < 0 || n > kNumRC) return;
        if (v.EsEntero()) {
            if (n < kNumAR0) r_[n].LO(v.entero);
            else reg_[n - kNumAR0] = v.entero;
        } else if (v.EsDoble()) {
            RegCPUFlotante(n, v.doble);
        }
    }

    // Bits 0-31 of ST, IE, IF and IOF; another bit number reads false and
    // changes nothing.
    bool BIT_ST(int32_t k) const { return LeeBit(reg_[kNumST - kNumAR0], k); }
    void BIT_ST(int32_t k, bool b) { PonBit(reg_[kNumST - kNumAR0], k, b); }
    bool BIT_IE(int32_t k) const { return LeeBit(reg_[kNumIE - kNumAR0], k); }
    void BIT_IE(int32_t k, bool b) { PonBit(reg_[kNumIE - kNumAR0], k, b); }
    bool BIT_IF(int32_t k) const { return LeeBit(reg_[kNumIF - kNumAR0], k); }
    void BIT_IF(int32_t k, bool b) { PonBit(reg_[kNumIF - kNumAR0], k, b); }
    bool BIT_IOF(int32_t k) const { return LeeBit(reg_[kNumIOF - kNumAR0], k); }
    void BIT_IOF(int32_t k, bool b) { PonBit(reg_[kNumIOF - kNumAR0], k, b); }

    // R0-R7 become the stored zero (HI 128, LO 0), every other register 0;
    // BIT_S keeps its value.
    void Reset();

private:
    // The conversions of RegCPU for 0 <= n <= kNumRC.
    Valor RegCPUFlotante(int32_t n) const;
    void RegCPUFlotante(int32_t n, double d);

    static bool LeeBit(int32_t reg, int32_t k) {
        return k >= 0 && k < 32 && (static_cast<uint32_t>(reg) >> k) & 1u;
    }
    static void PonBit(int32_t& reg, int32_t k, bool b) {
        if (k < 0 || k >= 32) return;
        uint32_t m = 1u << k, u = static_cast<uint32_t>(reg);
        reg = static_cast<int32_t>(b ? (u | m) : (u & ~m));
    }

    static constexpr int kPC = 20;  // after AR0-RC, which sit at number - 8
    std::array<int32_t, 21> reg_{};
    std::array<ClassRegistrosRn, 9> r_{};  // R0-R7 and a scratch slot
    bool bitS_ = false;
};
