; Conditional calls and returns, a branch through a register and a block repeat.
; Expected at fin: R1 11, R4 5, R5 10, RC 0xFFFFFFFF, SP 0x809F00, ST 0;
; word 0x809F01 = address after CALLZ R0 (the false CALLNZ pushes nothing);
; RS = address of the ADDI after RPTB, RE = finb.
        .text
inicio: LDP     pila
        NOP
        LDI     @pila,SP
        LDI     @drut,R0
        LDI     @dsalto,R3
        LDI     0,R1
        LDI     0,R2            ; Z = 1
        CALLZ   R0              ; taken, register form
        LDI     0,R2            ; Z = 1 again
        CALLNZ  rutina          ; not taken: SP and the stack stay
        BU      R3              ; branch through a register
        LDI     100,R1          ; skipped
salto:  LDI     4,RC            ; the block runs five times
        LDI     0,R4
        LDI     0,R5
        RPTB    finb
        ADDI    1,R4
finb:   ADDI    2,R5
fin:    BR      fin
rutina: ADDI    1,R1            ; Z = 0
        RETSZ                   ; not taken: the pop is undone
        ADDI    10,R1
        RETSU
        .data
pila:   .word   0809F00h
drut:   .word   rutina
dsalto: .word   salto
