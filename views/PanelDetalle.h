// The pipeline window's detail panel without a window: the texts and tool tips
// of its value boxes and its delayed-branch check box, filled from one
// instruction record in the processor's assembler notation.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Valor.h"

class ClassUnitData;

class PanelDetalle {
public:
    struct Caja {
        std::string texto;
        std::string ayuda;   // tool tip
    };
    // The value boxes; a number n after the name is the box's index.
    enum Id : int {
        kLblPC, kLblCanal, kTxtCodInstr, kTxtTipoInstr, kTxtModoDIR,
        kTxtSRC_DIR1, kTxtSRC_DIR2, kTxtSRC_DIR3, kTxtSRC_DIR4,
        kTxtSRC_DATO1, kTxtSRC_DATO2, kTxtSRC_DATO3, kTxtSRC_DATO4, kTxtTipoDatos,
        kTxtDST_DIR1, kTxtDST_DIR2, kTxtDST_DATO1, kTxtDST_DATO2, kTxtDST_FOR1, kTxtDST_FOR2,
        kTxtSP_DIR, kTxtSP_DATO, kTxtSP_FOR, kTxtCond0, kTxtCond1, kTxtCondN,
        kNumCajas
    };
    static constexpr Id SrcDir(int n) { return Id(kTxtSRC_DIR1 + n - 1); }
    static constexpr Id SrcDato(int n) { return Id(kTxtSRC_DATO1 + n - 1); }
    static constexpr Id DstDir(int n) { return Id(kTxtDST_DIR1 + n - 1); }
    static constexpr Id DstDato(int n) { return Id(kTxtDST_DATO1 + n - 1); }
    static constexpr Id DstFor(int n) { return Id(kTxtDST_FOR1 + n - 1); }

    const Caja& CajaDe(Id id) const { return cajas_[size_t(id)]; }
    const std::string& Texto(Id id) const { return cajas_[size_t(id)].texto; }
    const std::string& Ayuda(Id id) const { return cajas_[size_t(id)].ayuda; }
    int16_t ChkD() const { return chkD_; }
    // Grows at every fill, so a window copies the boxes only when they changed.
    uint32_t Version() const { return version_; }

    // Fills the panel from the record of the tracked stage.
    void MostrarUnidadSeg(const ClassUnitData& rec);

    // The three text tables and the lookups over them.
    static std::string NombreRegistro(int32_t r);
    static std::string ModoIndirecto(int32_t m);
    static std::string TextoCondicion(int32_t c);
    static std::string FormatearIndirecto(int32_t m, int32_t a, int32_t d);

    // A number as text with a leading blank when it is 0 or positive.
    static std::string TextoStr(int32_t n);
    // A record value: empty, the decimal integer, or a real number with up to
    // 15 significant digits in the decimal separator given.
    static std::string TextoValor(const Valor& v, char separador);
    // The decimal separator of real numbers in the value boxes (the window
    // sets the user's).
    char separadorDecimal = '.';

private:
    Caja& C(Id id) { return cajas_[size_t(id)]; }
    void Poner(Id id, std::string texto, std::string ayuda) { C(id) = {std::move(texto), std::move(ayuda)}; }
    void Registro(Id id, int32_t r, const char* ayuda = "Registro");
    void TipoDeValor(Id id, const Valor& v, const char* entero, const char* real, const char* nada);
    void Indirecto(Id id, int32_t m, int32_t a, int32_t dirEfectiva);
    void Grupo(const ClassUnitData& rec, std::string& t);
    void Condicion(int32_t cond);
    void Pila(const ClassUnitData& rec);

    std::array<Caja, kNumCajas> cajas_{};
    int16_t chkD_ = 0;
    uint32_t version_ = 0;
};
