; Overflow and underflow of ADDF and MPYF: a result beyond the extended range
; becomes the largest or the most negative value with V; one below 2^-127 in
; magnitude becomes zero with UF. LV and LUF stay set afterwards.
; Expected at fin: R0 (2 - 2^-31) x 2^127, R1 -2^128, R2 0.0, R3 0.0, R4 1.0;
; res: 0x7F7FFFFF, 0x7F800000, 0x80000000, 0x80000000;
; st1 0x22, st2 0x2A, st3 0x74, st4 0x74; ST 0x60.
        .text
inicio: LDP     dres
        NOP
        LDI     @dres,AR0
        LDF     @grande,R0      ; 1.5 x 2^127
        ADDF    R0,R0           ; 3 x 2^127 overflows
        STI     ST,@st1         ; V, LV
        STF     R0,*AR0++
        LDF     @grande,R1
        MPYF    -2.0,R1         ; -3 x 2^127 overflows the other way
        STI     ST,@st2         ; V, N, LV
        STF     R1,*AR0++
        LDF     @diminuto,R2    ; 2^-100
        MPYF    R2,R2           ; 2^-200 underflows
        STI     ST,@st3         ; UF, Z, LV, LUF
        STF     R2,*AR0++
        LDF     @minimo,R3      ; 2^-127
        ADDF    @menos,R3       ; 2^-127 - 2^-126 = -2^-127: its mantissa -2 needs
        STI     ST,@st4         ; the exponent -128, so it underflows: UF, Z, LV, LUF
        STF     R3,*AR0++
        LDF     1.0,R4          ; clears V, UF, N and Z; the latches stay
fin:    BR      fin
        .data
dres:   .word   res
grande: .word   07F400000h
diminuto: .word 09C000000h
minimo: .word   081000000h
menos:  .word   081800000h      ; -2^-126
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
st1:    .word   0DEADh
st2:    .word   0DEADh
st3:    .word   0DEADh
st4:    .word   0DEADh
