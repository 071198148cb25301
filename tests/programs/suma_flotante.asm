; Float addition and subtraction as the processor's adder forms them, on the
; 33-bit two's-complement mantissas M (sign, implied bit, 31 fraction bits;
; the value is M x 2^(e - 31)): the mantissa with the smaller exponent is
; shifted right by the difference d of the exponents and the bits shifted
; out are dropped (toward minus infinity: a negative mantissa shifted past
; its width becomes -1, a positive one 0); the two are added or subtracted;
; a sum that overflows is shifted right one bit (its low bit dropped) and
; the exponent grows by 1; any other is shifted left until normalised, with
; zeros coming in. ADDF, ADDF3, SUBF, SUBRF, SUBF3, CMPF, CMPF3 and the
; parallel MPYF3||ADDF3, MPYF3||SUBF3, ADDF3||STF and SUBF3||STF alike.
; By hand (e exponent, m mantissa word, "exact" the exact result cut to the
; 32-bit mantissa toward zero, which the adder does not give):
;   ADDF -2^-34 to -1.5: -C0000000h + (-100000000h >> 35 = -1) = -C0000001h:
;     e 00h, m BFFFFFFFh, -(1.5 + 2^-31) (exact: m C0000000h).
;   ADDF3 -2^-35, 1.0: 80000000h + (-1) = 7FFFFFFFh, normalised left by one:
;     e FFh, m 7FFFFFFEh, 1 - 2^-31 (exact: m 7FFFFFFFh).
;   SUBF 2^-35 from 1.0: 80000000h - (80000000h >> 35 = 0): 1.0, e 00h,
;     m 00000000h (exact: e FFh, m 7FFFFFFFh).
;   SUBRF: 1.5 - (-2^-40): C0000000h - (-1) = C0000001h: e 00h, m 40000001h,
;     1.5 + 2^-31 (exact: m 40000000h).
;   SUBF3: 4.0 - 2^-30: 4.0, e 02h, m 00000000h (exact: e 01h, m 7FFFFFFFh).
;   CMPF and CMPF3 of the most positive value (2 - 2^-31) x 2^127 minus -1.0:
;     FFFFFFFFh - (-1) = 100000000h overflows, exponent 128: V, LV, ST 22h
;     (exact: below 2^128, ST 00h).
;   ADDF -1.0 to the most positive value: FFFFFFFFh + (-1) = FFFFFFFEh:
;     e 7Fh, m 7FFFFFFEh, (2 - 2^-30) x 2^127, ST 00h (exact: m 7FFFFFFFh).
;   ADDF3 -1.0, -2^128: -100000000h + (-1) overflows: the most negative
;     value -2^128 with V, N, LV, ST 2Ah (exact: -2^128, ST 08h).
;   MPYF3||ADDF3: -0.75 + (-2^-36): e FFh, m BFFFFFFFh, -(0.75 + 2^-32)
;     (exact: m C0000000h).
;   MPYF3||SUBF3: 0.5 - 2^-40: 0.5, e FFh, m 00000000h (exact: e FEh,
;     m 7FFFFFFFh).
;   ADDF3||STF: 2.0 + (-2^-40): e 00h, m 7FFFFFFEh, 2 - 2^-30 (exact:
;     m 7FFFFFFFh).
;   SUBF3||STF: 8.0 - 2^-30: 8.0, e 03h, m 00000000h (exact: e 02h,
;     m 7FFFFFFFh).
; The results are stored twice: the mantissa word (STI) and the single word
; (STF: the exponent byte, then the mantissa's bits 31-8).
; Expected at fin: mant: BFFFFFFFh, 7FFFFFFEh, 00000000h, 40000001h,
; 00000000h, 7FFFFFFEh, 80000000h, BFFFFFFFh, 00000000h, 7FFFFFFEh,
; 00000000h; corto: 00BFFFFFh, FF7FFFFFh, 00000000h, 00400000h, 02000000h,
; 7F7FFFFFh, 7F800000h, FFBFFFFFh, FF000000h, 007FFFFFh, 03000000h;
; est: 22h, 22h, 00h, 2Ah; R2 -(0.75 + 2^-32), R3 0.5, R6 2 - 2^-30, R7 8.0.
        .text
inicio: LDP     dmant
        NOP
        LDI     @dmant,AR1      ; mant: the mantissa words
        LDI     @dcorto,AR2     ; corto: the single words
        LDI     @dest,AR3       ; est: ST after the bound cases
        LDI     @dpar,AR4       ; par: 2.0, 8.0
        LDI     @dtira,AR6      ; tira: the store halves' words
        NOP
        NOP
        LDF     @m15,R0         ; -1.5
        ADDF    @m2e34,R0       ; -(1.5 + 2^-31)
        LDF     @uno,R1         ; 1.0
        LDF     @m2e35,R2       ; -2^-35
        ADDF3   R2,R1,R3        ; 1 - 2^-31
        LDF     @uno,R4
        SUBF    @p2e35,R4       ; 1.0
        LDF     @m2e40,R5       ; -2^-40
        SUBRF   @p15,R5         ; 1.5 + 2^-31
        LDF     @cuatro,R6
        LDF     @p2e30,R7       ; 2^-30
        SUBF3   R7,R6,R6        ; 4.0
        STI     R0,*AR1++
        STF     R0,*AR2++
        STI     R3,*AR1++
        STF     R3,*AR2++
        STI     R4,*AR1++
        STF     R4,*AR2++
        STI     R5,*AR1++
        STF     R5,*AR2++
        STI     R6,*AR1++
        STF     R6,*AR2++
        LDF     @w1,R0
        MPYF    @w2,R0          ; the most positive value
        LDF     @menos1,R1      ; -1.0
        LDI     0,ST
        CMPF    R1,R0           ; overflows: 22h
        STI     ST,*AR3++
        LDI     0,ST
        CMPF3   R1,R0           ; overflows: 22h
        STI     ST,*AR3++
        LDI     0,ST
        ADDF    R1,R0           ; (2 - 2^-30) x 2^127: 00h
        STI     ST,*AR3++
        LDF     @menor,R2       ; -2^128
        ADDF3   R1,R2,R2        ; overflows: -2^128, 2Ah
        STI     ST,*AR3++
        STI     R0,*AR1++
        STF     R0,*AR2++
        STI     R2,*AR1++
        STF     R2,*AR2++
        LDF     @m075,R4        ; -0.75
        LDF     @m2e36,R5       ; -2^-36
        LDF     @medio,R6       ; 0.5
        LDF     @p2e40,R7       ; 2^-40
        MPYF3   *AR4,*+AR4(1),R0
||      ADDF3   R5,R4,R2        ; -(0.75 + 2^-32)
        MPYF3   *AR4,*+AR4(1),R1
||      SUBF3   R7,R6,R3        ; 0.5
        LDF     @m2e40,R4       ; -2^-40
        LDF     @p2e30,R5       ; 2^-30
        ADDF3   *AR4,R4,R6      ; 2 - 2^-30
||      STF     R0,*AR6
        SUBF3   R5,*+AR4(1),R7  ; 8.0
||      STF     R1,*+AR6(1)
        STI     R2,*AR1++
        STF     R2,*AR2++
        STI     R3,*AR1++
        STF     R3,*AR2++
        STI     R6,*AR1++
        STF     R6,*AR2++
        STI     R7,*AR1++
        STF     R7,*AR2++
fin:    BR      fin
        .data
dmant:  .word   mant
dcorto: .word   corto
dest:   .word   est
dpar:   .word   par
dtira:  .word   tira
m15:    .word   000C00000h      ; -1.5
m2e34:  .word   0DD800000h      ; -2^-34
uno:    .word   000000000h      ; 1.0
m2e35:  .word   0DC800000h      ; -2^-35
p2e35:  .word   0DD000000h      ; 2^-35
m2e40:  .word   0D7800000h      ; -2^-40
p15:    .word   000400000h      ; 1.5
cuatro: .word   002000000h      ; 4.0
p2e30:  .word   0E2000000h      ; 2^-30
w1:     .word   040000001h      ; (1 + 2^-23) x 2^64
w2:     .word   03F7FFFFEh      ; (2 - 2^-22) x 2^63
menos1: .word   0FF800000h      ; -1.0
menor:  .word   07F800000h      ; -2^128
m075:   .word   0FFC00000h      ; -0.75
m2e36:  .word   0DB800000h      ; -2^-36
medio:  .word   0FF000000h      ; 0.5
p2e40:  .word   0D8000000h      ; 2^-40
par:    .word   001000000h, 003000000h  ; 2.0, 8.0
mant:   .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh
corto:  .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh
est:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
tira:   .word   0DEADh, 0DEADh
