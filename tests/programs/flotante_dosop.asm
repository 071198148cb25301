; Floating-point two-operand rows with immediate (short float), direct,
; indirect and register operands: ABSF, NEGF, SUBF, SUBRF, CMPF, MPYF, ADDF,
; LDE, LDM, PUSHF and POPF, LDFI and STFI (which set IOF bits 2 and 6).
; Expected at fin: R0 -1.25, R1 6.0, R2 1.875, R3 0.0, R4 1.875, R5 -6.0,
; SP pila; res: 0x08, 0x04, 6.0, 0x44, 1.875; pila + 1: 1.875; ST 0x08.
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0       ; tab: -6.0, 0.375
        LDI     @dres,AR1       ; res
        LDI     @dpila,SP       ; pila
        LDF     -1.25,R0
        ABSF    R0,R1           ; 1.25
        NEGF    *AR0,R2         ; 6.0
        SUBF    0.25,R1         ; 1.25 - 0.25 = 1.0
        SUBRF   @tres,R2        ; 3.0 - 6.0 = -3.0
        CMPF    *+AR0(1),R2     ; -3.0 - 0.375: N, R2 unchanged
        STI     ST,*AR1++       ; 0x08
        MPYF    -0.5,R2         ; 1.5
        ADDF    *+AR0(1),R2     ; 1.875
        CMPF    R2,R2           ; Z
        STI     ST,*AR1++       ; 0x04
        LDE     *AR0,R1         ; the exponent of -6.0 (2) under 1.0's mantissa: 4.0
        LDM     *+AR0(1),R1     ; the mantissa of 0.375 (1.5) under the exponent 2: 6.0
        LDF     5.0,R3
        LDE     0.0,R3          ; the zero's exponent clears the mantissa: 0.0
        PUSHF   R2              ; 1.875 at pila + 1
        NOP                     ; the pushed word is stored when POPF would read it
        POPF    R4              ; 1.875
        LDFI    *AR0,R5         ; -6.0: N; IOF bits 2 and 6
        STFI    R1,*AR1++       ; 6.0
        STI     IOF,*AR1++      ; 0x44
        STF     R2,*AR1++       ; 1.875
fin:    BR      fin
        .data
dtab:   .word   tab
dres:   .word   res
dpila:  .word   pila
tres:   .float  3.0
tab:    .float  -6.0, 0.375
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
pila:   .word   0DEADh, 0DEADh
