; Unsigned division with SUBC repeated by RPTS, and a long RPTS count.
; 1000000 / 37 = 27027 remainder 1.
; Expected at fin: R0 1 (remainder), R2 27027 = 0x6993 (quotient),
; R1 37 << 15 = 0x128000, R5 40001 = 0x9C41; quo 0x6993, rem 1; RC 0xFFFFFFFF.
        .text
inicio: LDP     num
        NOP
        LDI     @num,R0         ; dividend
        LDI     @den,R1         ; divisor
        LSH     15,R1           ; 16 steps give a 16-bit quotient
        RPTS    15              ; SUBC runs 16 times
        SUBC    R1,R0           ; R0 = remainder << 16 | quotient
        LDI     R0,R2
        AND     0FFFFh,R2       ; quotient (the logical immediate is not sign-extended)
        LSH     -16,R0          ; remainder
        STI     R2,@quo
        STI     R0,@rem
        LDI     0,R5
        RPTS    09C40h          ; 0x9C40 + 1 = 40001 runs
        ADDI    1,R5
fin:    BR      fin
        .data
num:    .word   1000000
den:    .word   37
quo:    .word   0DEADh
rem:    .word   0DEADh
