// Row numbers of the mnemonic tables by group: the values lCodigoInstr takes
// once a decoder has stored the row of a word. One namespace per group, so
// names alike in two groups do not clash; ClassPPL.cpp checks every name
// against its table's text when it compiles.
#pragma once

#include <cstdint>

// Group 0, two operands.
namespace grupo0 {
enum Entero : int32_t {
    ABSI = 1, ADDC = 2, ADDI = 4, AND = 5, ANDN = 6, ASH = 7, CMPI = 9, FLOAT = 11, IDLE = 12,
    LDI = 16, LDII = 17, LSH = 19, MPYI = 21, NEGB = 22, NEGI = 24, NOP = 25, NOT = 27,
    POP = 28, PUSH = 30, OR = 32, ROL = 35, ROLC = 36, ROR = 37, RORC = 38, RPTS = 39,
    STI = 42, STII = 43, SUBB = 45, SUBC = 46, SUBI = 48, SUBRB = 49, SUBRI = 51, TSTB = 52,
    XOR = 53,
    LOPOWER = 33, SIGI = 44, IACK = 54,  // rows that change nothing
};
enum Flotante : int32_t {
    ABSF = 0, ADDF = 3, CMPF = 8, FIX = 10, LDE = 13, LDF = 14, LDFI = 15, LDM = 18, MPYF = 20,
    NEGF = 23, NORM = 26, POPF = 29, PUSHF = 31, RND = 34, STF = 40, STFI = 41, SUBF = 47,
    SUBRF = 50,
};
}  // namespace grupo0

// Group 1, three operands.
namespace grupo1 {
enum Codigo : int32_t {
    ADDC3 = 0, ADDF3 = 1, ADDI3 = 2, AND3 = 3, ANDN3 = 4, ASH3 = 5, CMPF3 = 6, CMPI3 = 7,
    LSH3 = 8, MPYF3 = 9, MPYI3 = 10, OR3 = 11, SUBB3 = 12, SUBF3 = 13, SUBI3 = 14, TSTB3 = 15,
    XOR3 = 16,
};
}  // namespace grupo1

// Group 2, conditional loads: row 4 plus bit 28 of the word.
namespace grupo2 {
enum Codigo : int32_t { LDFCOND = 4, LDICOND = 5 };
}  // namespace grupo2

// Group 3, program control.
namespace grupo3 {
enum Codigo : int32_t {
    BR = 0, CALL = 1, RPTB = 2, SWI = 3, BCOND_REG = 4, BCOND_REL = 5, DBCOND_REG = 6,
    DBCOND_REL = 7, CALLCOND_REG = 8, CALLCOND_REL = 9, TRAPCOND = 10, RETSCOND = 11,
    RETICOND = 12,
};
}  // namespace grupo3

// Group 4, parallel multiply with add or subtract.
namespace grupo4 {
enum Codigo : int32_t { MPYF3_ADDF3 = 0, MPYF3_SUBF3 = 1, MPYI3_ADDI3 = 2, MPYI3_SUBI3 = 3 };
}  // namespace grupo4

// Groups 6 and 7, parallel loads and stores.
namespace grupo67 {
enum Codigo : int32_t {
    STF_STF = 0, STI_STI = 1, LDF_LDF = 2, LDI_LDI = 3, ABSF_STF = 4, ABSI_STI = 5,
    ADDF3_STF = 6, ADDI3_STI = 7, AND3_STI = 8, ASH3_STI = 9, FIX_STI = 10, FLOAT_STF = 11,
    LDF_STF = 12, LDI_STI = 13, LSH3_STI = 14, MPYF3_STF = 15, MPYI3_STI = 16, NEGF_STF = 17,
    NEGI_STI = 18, NOT_STI = 19, OR3_STI = 20, SUBF3_STF = 21, SUBI3_STI = 22, XOR3_STI = 23,
};
}  // namespace grupo67
