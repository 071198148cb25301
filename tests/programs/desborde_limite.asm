; The overflow bound of float results: V (and LV) only when the result's
; exponent would exceed 127, that is for x >= 2^128 or x < -2^128. A result
; between the most positive extended value (2 - 2^-31) x 2^127 and 2^128 is
; cut to that value with V 0; -2^128 itself is the most negative value.
; By hand:
;   MPYF of 40000001h ((1 + 2^-23) x 2^64) by 3F7FFFFEh ((2 - 2^-22) x 2^63):
;     (2 - 2^-22 + 2^-22 - 2^-45) x 2^127 = (2 - 2^-45) x 2^127, below 2^128:
;     e 7Fh, m 7FFFFFFFh, ST 00h.
;   ADDF of 7F7FFFFFh ((2 - 2^-23) x 2^127) and 677FFF80h ((2 - 2^-16) x 2^103):
;     2^128 - 2^104 + 2^104 - 2^87 = 2^128 - 2^87: e 7Fh, m 7FFFFFFFh, ST 00h.
;   MPYF of 40000001h by 3F800002h (-(2 - 2^-22) x 2^63): -(2 - 2^-45) x 2^127,
;     cut toward minus infinity: -2^128 (e 7Fh, m 80000000h), ST 08h (N).
;   ADDF of 7F800001h (-2^128 + 2^104) and 67800000h (-2^104): -2^128, ST 08h.
;   ADDF of 7F7FFFFFh and 68000000h (2^104): 2^128 overflows: the most positive
;     value with V, ST 22h (V, LV).
;   ADDF of 7F800000h (-2^128) and 64800000h (-2^101): below -2^128: the most
;     negative value with V, ST 2Ah (V, N, LV).
; Expected at fin: est: 00h, 00h, 08h, 08h, 22h, 2Ah; R0, R1, R4
; (2 - 2^-31) x 2^127; R2, R3, R5 -2^128.
        .text
inicio: LDP     dest
        NOP
        LDI     @dest,AR1
        LDF     @w1,R0
        MPYF    @w2,R0          ; (2 - 2^-45) x 2^127 -> the most positive value
        STI     ST,*AR1++       ; 00h
        LDF     @mayor,R1
        ADDF    @w4,R1          ; 2^128 - 2^87 -> the most positive value
        STI     ST,*AR1++       ; 00h
        LDF     @w1,R2
        MPYF    @w3,R2          ; -(2 - 2^-45) x 2^127 -> -2^128
        STI     ST,*AR1++       ; 08h
        LDF     @w6,R3
        ADDF    @w7,R3          ; -2^128 exactly
        STI     ST,*AR1++       ; 08h
        LDF     @mayor,R4
        ADDF    @w5,R4          ; 2^128: V
        STI     ST,*AR1++       ; 22h
        LDF     @menor,R5
        ADDF    @w8,R5          ; -2^128 - 2^101: V
        STI     ST,*AR1++       ; 2Ah
fin:    BR      fin
        .data
dest:   .word   est
w1:     .word   040000001h
w2:     .word   03F7FFFFEh
w3:     .word   03F800002h
mayor:  .word   07F7FFFFFh
w4:     .word   0677FFF80h
w5:     .word   068000000h
w6:     .word   07F800001h
w7:     .word   067800000h
menor:  .word   07F800000h
w8:     .word   064800000h
est:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
