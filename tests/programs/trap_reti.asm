; TRAP to a routine and back with RETI; a TRAPcond whose condition is false.
; Expected at fin: R5 0x1234, R6 4, SP 0x809F00, ST 0x2000 (GIE set by RETI);
; word 0x809F01 = address of the first ADDI after TRAPU (left by the false TRAPNZ);
; word 0x22 = address of rutina.
        .text
inicio: LDP     pila
        NOP
        LDI     @pila,SP
        LDI     @vrut,R0        ; routine address
        LDI     022h,AR0        ; vector of trap 2 (trap base 0x20)
        LDI     0,R6
        LDI     0,R5
        STI     R0,*AR0
        NOP                     ; the vector is read one cycle before the STI stores it
        TRAPU   2
        ADDI    1,R6            ; after the return: these three run once
        ADDI    1,R6
        ADDI    1,R6
        CMPI    0,R6            ; Z = 0
        LDI     0,R7            ; Z = 1
        TRAPNZ  2               ; not taken: SP and the stack stay
        ADDI    1,R6
fin:    BR      fin
rutina: LDI     01234h,R5
        RETIU
        .data
pila:   .word   0809F00h
vrut:   .word   rutina
