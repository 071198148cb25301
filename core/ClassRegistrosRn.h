// One 40-bit extended-precision register: LO holds the sign and 31-bit
// fraction (or an integer), HI the exponent (a reader takes bit 7 as its sign).
#pragma once

#include <cstdint>

class ClassRegistrosRn {
public:
    int32_t LO() const { return lo_; }
    void LO(int32_t v) { lo_ = v; }
    int32_t HI() const { return hi_; }
    void HI(int32_t v) { hi_ = v; }

    friend bool operator==(const ClassRegistrosRn&, const ClassRegistrosRn&) = default;

private:
    int32_t lo_ = 0;
    int32_t hi_ = -128;  // exponent -128: the value 0
};
