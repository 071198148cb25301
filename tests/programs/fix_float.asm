; FIX and FLOAT at the edges of the 32-bit range. FIX takes the largest
; integer not above the value and saturates with V outside the range.
; Expected at fin: enteros: 2, -3, -1, 0, 0x7FFFFF80, 0x7FFFFFFF, 0x80000000,
; 0x80000000; R1 2147483647.0 (FLOAT of 0x7FFFFFFF, exact in a register),
; R2 0x7FFFFFFF (FIX of R1), R3 -2147483648.0, R4 0x80000000;
; flotantes: 0x1E7FFFFF (R1 stored: 2^31 - 128), 0x1E800000, 0x80000000, 0xFF800000;
; st1 0x2A (V, N and LV after FIX of -3e9); ST 0x28 (N of FLOAT -1, LV stays).
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0
        LDI     @dent,AR1
        LDI     7,RC            ; eight values
        RPTB    fixfin
        FIX     *AR0++,R0
fixfin: STI     R0,*AR1++
        STI     ST,@st1
        LDI     @dflot,AR2
        LDI     @maximo,R0
        FLOAT   R0,R1
        FIX     R1,R2
        LDI     @minimo,R0
        FLOAT   R0,R3
        FIX     R3,R4
        STF     R1,*AR2++
        STF     R3,*AR2++
        FLOAT   0,R5
        STF     R5,*AR2++
        FLOAT   -1,R6
        STF     R6,*AR2++
fin:    BR      fin
        .data
dtab:   .word   tab
dent:   .word   enteros
dflot:  .word   flotantes
maximo: .word   07FFFFFFFh
minimo: .word   080000000h
tab:    .float  2.5, -2.5, -0.5, 0.0, 2147483520.0, 2147483648.0, -2147483648.0, -3.0e9
enteros: .word  0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
flotantes: .word 0DEADh, 0DEADh, 0DEADh, 0DEADh
st1:    .word   0DEADh
