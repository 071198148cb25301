; IDLE waits with interrupts enabled; INT0 is pending, its routine runs and
; returns to the instruction after the IDLE.
; Expected at fin (the interrupt accepted): R0 0x11, SP 0x809F00, ST 0x2000, IF 0;
; word 0x809F01 = address of the ADDI after IDLE; word 1 (INT0 vector) = rutina.
        .text
inicio: LDP     pila
        NOP
        LDI     @pila,SP
        LDI     @drut,R1
        LDI     1,AR0           ; INT0's vector (microprocessor mode)
        LDI     0,R0
        LDI     1,IE            ; INT0 enabled
        STI     R1,*AR0
        LDI     1,IF            ; INT0 pending
        IDLE                    ; sets GIE and waits
        ADDI    1,R0            ; after the routine
fin:    BR      fin
rutina: ADDI    010h,R0
        RETIU
        .data
pila:   .word   0809F00h
drut:   .word   rutina
