; Loops with DBcond: a counted sum, a search that ends on a condition,
; and the delayed form whose three slots run on every pass.
; Expected at fin: R0 55, R1 10, AR0 0x00FFFFFF; R2 0, AR1 tabla + 4, AR2 5;
; R3 5, R4 10, AR3 0x00FFFFFF; ST 0.
        .text
inicio: LDP     dtabla
        NOP
        LDI     9,AR0           ; ten passes
        LDI     0,R0
        LDI     0,R1
suma:   ADDI    1,R1
        ADDI    R1,R0
        DBU     AR0,suma
        LDI     @dtabla,AR1
        LDI     9,AR2           ; at most ten words
        NOP                     ; AR1 is used when the next LDI is decoded
        NOP
busca:  LDI     *AR1++,R2
        DBNZ    AR2,busca       ; on while the word is not 0
        LDI     4,AR3           ; five passes
        LDI     0,R3
        LDI     0,R4
bucd:   DBUD    AR3,bucd
        ADDI    1,R3
        ADDI    2,R4
        NOP
fin:    BR      fin
        .data
dtabla: .word   tabla
tabla:  .word   5,7,3,0,9,1,2,4,6,8
