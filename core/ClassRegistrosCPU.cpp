#include "core/ClassRegistrosCPU.h"

#include "core/ConversionesNum.h"

Valor ClassRegistrosCPU::RegCPUFlotante(int32_t n) const {
    double d = 0.0;
    if (n < kNumAR0)
        ConvertirFlotExtADoble(r_[n], d);
    else
        ConvertirFlotDSPADoble(reg_[n - kNumAR0], d);
    return Valor::Doble(d);
}

void ClassRegistrosCPU::RegCPUFlotante(int32_t n, double d) {
    if (n < kNumAR0) {
        ConvertirDobleAFlotExt(d, r_[n]);  // writes nothing on failure
    } else {
        int32_t w;
        if (ConvertirDobleAFlotDSP(d, w) == 0) reg_[n - kNumAR0] = w;
    }
}

void ClassRegistrosCPU::Reset() {
    for (int i = 0; i < 8; ++i) {
        r_[i].HI(128);
        r_[i].LO(0);
    }
    reg_.fill(0);
}
