#include "core/ClassRegistrosCPU.h"

#include "core/ConversionesNum.h"

Valor ClassRegistrosCPU::RegCPU(int32_t n, bool flotante) const {
    if (n < 0 || n > kNumRC) return Valor::Vacio();
    if (n < kNumAR0) {
        if (!flotante) return Valor::Entero(r_[n].LO());
        double d = 0.0;
        ConvertirFlotExtADoble(r_[n], d);
        return Valor::Doble(d);
    }
    int32_t w = reg_[n - kNumAR0];
    if (!flotante) return Valor::Entero(w);
    double d = 0.0;
    ConvertirFlotDSPADoble(w, d);
    return Valor::Doble(d);
}

void ClassRegistrosCPU::RegCPU(int32_t n, bool /*flotante*/, const Valor& v) {
    if (n < 0 || n > kNumRC) return;
    if (v.EsEntero()) {
        if (n < kNumAR0) r_[n].LO(v.entero);
        else reg_[n - kNumAR0] = v.entero;
    } else if (v.EsDoble()) {
        if (n < kNumAR0) {
            ConvertirDobleAFlotExt(v.doble, r_[n]);  // writes nothing on failure
        } else {
            int32_t w;
            if (ConvertirDobleAFlotDSP(v.doble, w) == 0) reg_[n - kNumAR0] = w;
        }
    }
}

void ClassRegistrosCPU::Reset() {
    for (int i = 0; i < 8; ++i) {
        r_[i].HI(128);
        r_[i].LO(0);
    }
    reg_.fill(0);
}
