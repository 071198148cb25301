; GIE is set and INT0 made pending just before an IDLE is reached, so the
; interrupt is taken before the IDLE has run (with the pipeline, while the
; IDLE is in the fetch stage). The routine sets R3 and returns to the IDLE,
; which then waits for an interrupt that never comes: R3 55, R4 still 0.
        .text
inicio: LDP     dirrut
        NOP
        LDI     @dirrut,R0
        LDI     1,AR1
        LDI     @pila,SP
        NOP
        STI     R0,*AR1         ; vector of INT0
        LDI     1,IE
        OR      2000h,ST        ; GIE
        LDI     1,IF            ; INT0 pending
        NOP
        NOP
espera: IDLE
        LDI     9,R4
fin:    BR      fin
rutina: LDI     55,R3
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
