; IDLE sets GIE and waits for the pending INT0; the routine sets R3 and the
; program goes on after the IDLE (R4 9), with and without the pipeline.
        .text
inicio: LDP     dirrut
        NOP
        LDI     @dirrut,R0
        LDI     1,AR1
        LDI     @pila,SP
        NOP
        STI     R0,*AR1         ; vector of INT0
        LDI     1,IE
        LDI     1,IF            ; INT0 pending, GIE still clear
        IDLE
        LDI     9,R4
fin:    BR      fin
rutina: LDI     55,R3
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
