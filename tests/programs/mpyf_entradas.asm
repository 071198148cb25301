; The float multiplier takes each operand at its single-precision value: the
; 8 low mantissa bits of an extended register play no part. The exact product
; is then cut to the 32-bit mantissa toward minus infinity (the low bits of
; the two's-complement mantissa are dropped). MPYF, MPYF3, MPYF3||ADDF3 and
; MPYF3||STF alike.
; By hand (e exponent, m mantissa word):
;   FLOAT of 40000001h = 2^30 + 1: e 1Eh, m 00000002h; its single value 2^30.
;   FLOAT of 80000001h = -2^31 + 1: e 1Eh, m 80000002h; its single value -2^31.
;   MPYF 1.0,R0: 2^30 (e 1Eh, m 00000000h), not 2^30 + 1.
;   MPYF @uno,R1: -2^31 (e 1Eh, m 80000000h).
;   MPYF R3,R2: 2^30 x 2^30 = 2^60 (e 3Ch, m 00000000h).
;   MPYF3 of 00000001h (1 + 2^-23) and 00FFFFFFh (-1 - 2^-23):
;     -1 - 2^-22 - 2^-46, cut at 2^-31 toward minus infinity: -1 - 2^-22 - 2^-31,
;     that is -2 + (2^31 - 2^9 - 1) x 2^-31: e 0, m FFFFFDFFh (toward zero: FFFFFE00h).
;   MPYF3 R5,R3,R6: -2^31 x 2^30 = -2^61 (e 3Ch, m 80000000h).
;   MPYF3 R3,R3,R0 || ADDF3: 2^60 (e 3Ch, m 00000000h); 1 + 2^-23 + 1.0 =
;     2 + 2^-23 (e 1, m 00000080h).
;   MPYF3 1.0 by R5 || STF R0: -2^31 (e 1Eh, m 80000000h); the store 3C000000h.
; Expected at fin: mant: 00000000h, 80000000h, 00000000h, FFFFFDFFh,
; 80000000h, 00000000h, 80000000h, 00000080h; pal 3C000000h; R0 2^60,
; R1 -2^31, R2 2 + 2^-23, R3 2^30 + 1, R4 -1 - 2^-22 - 2^-31, R5 -2^31 + 1,
; R6 -2^61; ST 08h (N of the last product).
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0       ; tab: 1 + 2^-23, -1 - 2^-23
        LDI     @dmant,AR1
        LDI     @dpal,AR2
        LDI     @duno,AR3       ; 1.0
        FLOAT   @n2,R0          ; e 1Eh, m 00000002h
        MPYF    1.0,R0          ; 2^30
        FLOAT   @n1,R1          ; e 1Eh, m 80000002h
        MPYF    @uno,R1         ; -2^31
        FLOAT   @n2,R2
        FLOAT   @n2,R3
        MPYF    R3,R2           ; 2^60
        MPYF3   *AR0,*+AR0(1),R4 ; -1 - 2^-22 - 2^-31
        FLOAT   @n1,R5
        MPYF3   R5,R3,R6        ; -2^61
        STI     R0,*AR1++       ; the mantissa words
        STI     R1,*AR1++
        STI     R2,*AR1++
        STI     R4,*AR1++
        STI     R6,*AR1++
        MPYF3   R3,R3,R0        ; 2^60
||      ADDF3   *AR0,*AR3,R2     ; 2 + 2^-23
        MPYF3   *AR3,R5,R1      ; -2^31
||      STF     R0,*AR2         ; 3C000000h
        STI     R0,*AR1++
        STI     R1,*AR1++
        STI     R2,*AR1++
fin:    BR      fin
        .data
dtab:   .word   tab
dmant:  .word   mant
dpal:   .word   pal
duno:   .word   uno
n1:     .word   080000001h
n2:     .word   040000001h
uno:    .float  1.0
tab:    .word   000000001h, 000FFFFFFh
mant:   .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
pal:    .word   0DEADh
