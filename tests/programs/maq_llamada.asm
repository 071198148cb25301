; A call whose routine makes an inner call: stepping over the outer CALL
; stops at the instruction after it, once both routines have returned.
        .text
inicio: LDP     pila
        NOP
        LDI     @pila,SP
        NOP
        NOP
        CALL    exterior
tras:   LDI     3,R0
fin:    BR      fin
exterior:
        CALL    interior
        ADDI    1,R1
        RETS
interior:
        ADDI    10,R1
        RETS
        .data
pila:   .word   0809F00h
