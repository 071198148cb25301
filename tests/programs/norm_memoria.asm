; NORM of a memory word takes the word's fields, as it does a register's:
; exponent -128 with a zero fraction gives 0 with Z; exponent -128 with a
; non-zero fraction gives 0 with UF (and LUF) and Z 0. Other words are
; normalised from their unnormalised mantissa (implied bit = sign bit).
; By hand (m the 32-bit mantissa word: sign and fraction, low 8 bits 0):
;   80000000h: 0, ST 04h (Z).
;   80400000h (direct) and 80000001h (indirect): 0, ST 50h (UF, LUF).
;   e 80h, m 00000001h in R5 (a register source): 0, ST 50h.
;   02400000h: e 2, m 40000000h = 2^30 x 2^-29 = 2.0, ST 40h (LUF stays).
;   02C00000h: e 2, m C0000000h = -2^30 x 2^-29 = -2.0, ST 48h (N, LUF).
; Expected at fin: est: 04h, 50h, 50h, 50h, 40h, 48h; R0-R2 0, R3 2.0,
; R4 -2.0, R6 0.
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0
        LDI     @dest,AR1
        LDF     0.0,R5
        LDI     1,R5            ; e 80h, m 00000001h
        NORM    @cero,R0        ; 0 with Z
        STI     ST,*AR1++       ; 04h
        NORM    @w1,R1          ; 0 with UF
        STI     ST,*AR1++       ; 50h
        NORM    *AR0,R2         ; 0 with UF
        STI     ST,*AR1++       ; 50h
        NORM    R5,R6           ; 0 with UF
        STI     ST,*AR1++       ; 50h
        NORM    *+AR0(1),R3     ; 2.0
        STI     ST,*AR1++       ; 40h
        NORM    *+AR0(2),R4     ; -2.0
        STI     ST,*AR1++       ; 48h
fin:    BR      fin
        .data
dtab:   .word   tab
dest:   .word   est
cero:   .word   080000000h
w1:     .word   080400000h
tab:    .word   080000001h, 002400000h, 002C00000h
est:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
