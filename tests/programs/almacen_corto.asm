; Stores of an extended register as a single-format word: STF, STF||STF,
; the ||STF forms and PUSHF write the register's top 32 bits (exponent byte,
; sign and the 23 high fraction bits). The 8 low bits of the two's-complement
; mantissa are dropped, so a negative value with low bits set becomes the
; next MORE negative single value.
; By hand (exponent e, mantissa word m; stored word = e:m bits 31-8):
;   FLOAT of 80000001h = -2^31 + 1 = (-2 + 2^-30) x 2^30: e 1Eh, m 80000002h
;     -> 1E800000h = -2^31 (cutting toward zero would give 1E800001h).
;   FLOAT of 40000001h = 2^30 + 1: e 1Eh, m 00000002h -> 1E000000h = 2^30.
;   e 0, m 80000001h = -2 + 2^-31 -> 00800000h = -2.
;   e 0, m 7FFFFFFFh = 2 - 2^-31 -> 007FFFFFh = 2 - 2^-23.
;   LDF 0.0 (e 80h, m 0) -> 80000000h; LDF -1.5 -> 00C00000h (exact).
;   e 80h (LDF 0.0), m 12345678h put by LDI -> 80123456h, the bits as they are.
;   STF R0||STF R2 -> 1E800000h, 00800000h (res2 + 0 and + 3); LDF||STF R0 and
;   ADDF3||STF R2 store the registers as they were: 1E800000h, 00800000h.
;   PUSHF R0 -> 1E800000h at pila+1; POPF R7 then gives -2^31.
; Expected at fin: res: 1E800000h, 1E000000h, 00800000h, 007FFFFFh,
; 80000000h, 00C00000h, 80123456h; res2: 1E800000h, 1E800000h, 00800000h,
; 00800000h; pila+1 1E800000h; R0 -2^31 + 1, R2 2.5, R7 -2^31, SP pila,
; ST 08h (N of POPF).
        .text
inicio: LDP     dpal
        NOP
        LDI     @dpal,AR0
        LDI     @dres2,AR1
        LDI     @dres2f,AR3
        LDI     @dtab,AR2
        LDI     @dpila,SP
        FLOAT   @n1,R0          ; e 1Eh, m 80000002h
        FLOAT   @n2,R1          ; e 1Eh, m 00000002h
        LDF     1.0,R2
        LDI     @m1,R2          ; e 0, m 80000001h
        LDF     1.0,R3
        LDI     @m2,R3          ; e 0, m 7FFFFFFFh
        STF     R0,*AR0++       ; 1E800000h
        STF     R1,*AR0++       ; 1E000000h
        STF     R2,*AR0++       ; 00800000h
        STF     R3,*AR0++       ; 007FFFFFh
        LDF     0.0,R3
        STF     R3,*AR0++       ; 80000000h
        LDF     -1.5,R3
        STF     R3,*AR0++       ; 00C00000h
        LDF     0.0,R3
        LDI     @m3,R3          ; e 80h, m 12345678h
        STF     R3,*AR0++       ; 80123456h
        STF     R0,*AR1++       ; 1E800000h
||      STF     R2,*AR3         ; 00800000h in the last word of res2
        LDF     *AR2++,R0       ; R0 := 1.0
||      STF     R0,*AR1++       ; the old R0: 1E800000h
        ADDF3   R0,*AR2,R2      ; R2 := 1.0 + 1.5
||      STF     R2,*AR1++       ; the old R2: 00800000h
        FLOAT   @n1,R0
        NOP                     ; SP is used when PUSHF is decoded
        PUSHF   R0              ; 1E800000h at pila + 1
        NOP                     ; the word is read after the push has written it
        POPF    R7              ; -2^31
fin:    BR      fin
        .data
dpal:   .word   res
dres2:  .word   res2
dres2f: .word   res2 + 3
dtab:   .word   tab
dpila:  .word   pila
n1:     .word   080000001h
n2:     .word   040000001h
m1:     .word   080000001h
m2:     .word   07FFFFFFFh
m3:     .word   012345678h
tab:    .float  1.0, 1.5
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
res2:   .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
pila:   .word   0DEADh, 0DEADh
