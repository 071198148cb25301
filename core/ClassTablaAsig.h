// One region of the memory map: name, kind, display colour, address range,
// and the range and flag that choose it for saving and printing.
// The kind and range are fixed by the memory that builds the row.
#pragma once

#include <cstdint>
#include <string>

class ClassMemoria;

class ClassTablaAsig {
public:
    bool PrnOK() const { return prnOK_; }
    void PrnOK(bool b) { prnOK_ = b; }
    // PrnINI and PrnFin ignore a value outside Ini..Fin.
    int32_t PrnFin() const { return prnFin_; }
    void PrnFin(int32_t v) { if (v >= ini_ && v <= fin_) prnFin_ = v; }
    int32_t PrnINI() const { return prnINI_; }
    void PrnINI(int32_t v) { if (v >= ini_ && v <= fin_) prnINI_ = v; }
    int32_t Fin() const { return fin_; }
    int32_t Ini() const { return ini_; }
    int32_t Color() const { return color_; }
    void Color(int32_t c) { color_ = c; }
    // 1 vectors, 2 RAM block 0, 3 RAM block 1, 4 ROM, 6 peripherals.
    int32_t NumID() const { return numID_; }
    const std::string& Identificador() const { return identificador_; }
    void Identificador(const std::string& s) { identificador_ = s; }

private:
    friend class ClassMemoria;
    bool prnOK_ = false;
    int32_t prnFin_ = 0;
    int32_t prnINI_ = 0;
    int32_t fin_ = 0;
    int32_t ini_ = 0;
    int32_t color_ = 0;
    int32_t numID_ = 0;
    std::string identificador_;
};
