// The instruction record that travels through the pipeline stages: progress
// state, word and address, group, mnemonic, decoded fields, operand addresses
// and values, stack access. Every unit and the pipeline window read its fields.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/Valor.h"

// Progress states of a record (lCanal).
namespace canal {
inline constexpr int32_t kNuevo = 0;        // not yet in the fetch stage
inline constexpr int32_t kEnBusqueda = 1;   // in the fetch stage, to be fetched
inline constexpr int32_t kBuscado = 2;      // fetched, to be decoded
inline constexpr int32_t kDecodificado = 3; // decoded, operands to be read
inline constexpr int32_t kLeido = 4;        // operands read; stays 4 after execution
inline constexpr int32_t kCancelado = -1;   // cancelled fetch
}  // namespace canal

// The groups of the registers that form addresses: a write of any register
// of a group holds the decode of an instruction that uses that group.
namespace grupoReg {
inline constexpr uint8_t kAuxiliares = 1;  // AR0-AR7, IR0, IR1, BK
inline constexpr uint8_t kPagina = 2;      // DP
inline constexpr uint8_t kPila = 4;        // SP
}  // namespace grupoReg

// What a fetch did to the repeat state (iRepeticion): nothing, or it counted
// RC down and then fetched the same word again (RPTS), went back to RS (end
// of a block), or ended a single-instruction or a block repeat.
namespace repeticion {
inline constexpr int16_t kNinguna = 0;
inline constexpr int16_t kRepiteUna = 1;
inline constexpr int16_t kVuelveAlInicio = 2;
inline constexpr int16_t kTerminaUna = 3;
inline constexpr int16_t kTerminaBloque = 4;
}  // namespace repeticion

// A row of the mnemonic tables: its text with the flag character ("*"
// floating point, " " integer), the mnemonic as shown (without the flag) and
// the data type it gives the record (-1 for a row that does not exist).
struct FilaNemonico {
    std::string_view texto;
    std::string_view nem;
    int16_t tipo;

    static const FilaNemonico kQueFalta;
    // The row of (group 0-7, row 0-63); kQueFalta outside.
    static const FilaNemonico& De(int32_t grupo, int32_t fila);
};
// Every row of groups 0-7 by (group, row); groups 6 and 7 share one table.
extern const FilaNemonico (&kFilasNemonico)[8][64];

inline const FilaNemonico& FilaNemonico::De(int32_t grupo, int32_t fila) {
    return static_cast<uint32_t>(grupo) < 8 && static_cast<uint32_t>(fila) < 64
               ? kFilasNemonico[grupo][fila]
               : kQueFalta;
}

class ClassUnitData {
public:
    // Fields in the order of the record's members. Plain read-write fields;
    // iTipoDatos, sNem and lCodigoInstr go through accessors because storing
    // lCodigoInstr looks the row up in the mnemonic tables.
    Valor lDatoSP{};              // stack word: popped value or value to push
    int32_t lAddrSP = 0;          // address of the stack access
    int8_t iFlagSP = 0;           // 1 push, -1 pop, 0 none
    // Set by the decode unit with the pipeline, for the decode of the younger
    // instructions while this one has not executed: the register groups it
    // writes when it executes (grupoReg::) and the registers it reads there as
    // data (bit n AR n, bit 8 SP). Kept in the gap before lAddrDirecto, so the
    // record, copied whole at every renewal, stays its size.
    uint8_t iGruposEscritos = 0;
    uint16_t iLeidosComoDato = 0;
    int32_t lAddrDirecto = 0;     // ((DP & 0xFF) << 16) | lDirecto
    int16_t iTipoDatos() const { return iTipoDatos_; }  // 1 floating-point row
    int32_t lAddrArn2 = -1;       // effective address of indirect operand 2
    int32_t lAddrArn1 = -1;       // effective address of indirect operand 1
    std::string_view sNem() const { return sNem_; }     // mnemonic as shown
    int32_t lCanal = canal::kNuevo;
    int32_t lInstruccion = 0;     // the 32-bit word
    int32_t LTipoIntr = -1;       // group 0-7, -1 not decoded or invalid
    Valor vDst2{};
    Valor vDst1{};
    Valor vSrc4{};
    Valor vSrc3{};
    Valor vSrc2{};
    Valor vSrc1{};
    Valor lInmediato = Valor::Entero(0);
    int32_t lDirecto = 0;         // 16-bit direct-address field
    int32_t lDisp = 1;            // displacement of indirect operand 1
    int32_t lIndArn2 = -1;        // AR number of indirect operand 2
    int32_t lIndArn1 = -1;        // AR number of indirect operand 1
    int16_t lModoArn2 = -1;       // modification code of indirect operand 2
    int16_t lModoArn1 = -1;       // modification code of indirect operand 1
    int32_t lCondN = -1;          // trap number of a conditional trap
    int32_t lCond = -1;           // condition field, bits 20-16
    int32_t lIndSrc4 = -1;        // register numbers of the operands
    int32_t lIndSrc3 = -1;
    int32_t lIndSrc2 = -1;
    int32_t lIndSrc1 = -1;
    int32_t lIndDst2 = -1;
    int32_t lIndDst1 = -1;
    bool bBitB = false;           // B flag of a program-control word
    bool lBitD = false;           // delayed form
    int16_t iModoDireccion = -1;  // addressing-mode field, bits 22-21
    int32_t lCodigoInstr() const { return lCodigoInstr_; }
    // Stores the row and looks it up in the group's table (by LTipoIntr):
    // fills sNem and iTipoDatos; a missing row becomes -1 with "<ERR>".
    void lCodigoInstr(int32_t fila) {
        const FilaNemonico& f = FilaNemonico::De(LTipoIntr, fila);
        lCodigoInstr_ = f.tipo < 0 ? -1 : fila;
        if (f.tipo >= 0) iTipoDatos_ = f.tipo;  // a missing row keeps the data type
        sNem_ = f.nem;
    }
    int32_t lPosMem = 0;          // address the word was fetched from

    // Return address of a call that the interrupt service put in place of a
    // fetched word (-1: an ordinary record). The execute unit pushes it
    // instead of the call's own next address, so the replaced word runs after
    // the routine returns.
    int32_t lDirRetornoInt = -1;

    // What the decode unit added to AR(lIndArn1) and AR(lIndArn2), and what
    // the fetch did to the repeat state (repeticion::), so that a mode change
    // that drops the instruction unexecuted can take both back.
    int32_t lDeltaArn1 = 0;
    int32_t lDeltaArn2 = 0;
    int16_t iRepeticion = repeticion::kNinguna;

private:
    // Ordered to fill the gaps the fields above leave.
    int16_t iTipoDatos_ = 0;
    int32_t lCodigoInstr_ = 0;
    std::string_view sNem_ = " - ";
};
