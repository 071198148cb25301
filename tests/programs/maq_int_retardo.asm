; INT0 raised in the first delay slot of a BRD: the interrupt is held until
; the three slots have run, so the routine finds R1 = 2 and returns to the
; branch target, which runs once; the word after the slots never runs.
; At fin: R1 2, R2 10, R4 2, IF 0, the return address (the word above pila)
; is destino. NOPs stand in for the interlocks the pipeline does not model.
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
        OR      2000h,ST        ; GIE
        BRD     destino
        LDI     1,IF            ; slot 1: INT0 pending
        ADDI    1,R1            ; slot 2
        ADDI    1,R1            ; slot 3
        ADDI    100,R1          ; never runs
destino:
        ADDI    10,R2
fin:    BR      fin
rutina: LDI     R1,R4
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
