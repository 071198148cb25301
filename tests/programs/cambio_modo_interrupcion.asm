; Interrupts for switching the pipeline mode at any cycle: INT0 raised by
; the program itself, first in the first delay slot of a BRD, so that it is
; held until the slots have run, then in a row of additions; a routine counts
; them in R3 and returns with RETI.
; Expected at fin: R1 63 (each addition once, the skipped one never), R3 2,
; IF 0, GIE 1, SP 809F00h.
        .text
inicio: LDP     dirrut
        NOP
        LDI     @dirrut,R0
        LDI     1,AR1
        NOP
        NOP
        STI     R0,*AR1         ; vector of INT0
        LDI     @pila,SP
        LDI     1,IE
        LDI     0,R1
        LDI     0,R3
        OR      2000h,ST        ; GIE
        BRD     sigue
        LDI     1,IF            ; INT0 pending
        ADDI    1,R1
        ADDI    2,R1
        ADDI    64,R1           ; skipped
sigue:  ADDI    4,R1
        LDI     1,IF            ; INT0 pending again
        ADDI    8,R1
        ADDI    16,R1
        ADDI    32,R1
fin:    BR      fin
rutina: ADDI    1,R3
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
