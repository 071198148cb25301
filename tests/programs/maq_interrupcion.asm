; Interrupt INT0 raised by the program itself: the vector at address 1 points
; to "rutina", which sets R3 and returns with RETI. When it is accepted the
; loop still counts R2 up to 3; when it is declined the routine never runs.
; Accepted, at fin: R2 3, R3 55, IF 0, SP back at pila; declined: R3 0, IF 1.
; With the pipeline nothing interlocks: a register or DP loaded by an
; instruction is seen by the instructions two (DP) or three (AR, SP) after it,
; so NOPs stand in between.
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
        LDI     1,IF            ; INT0 pending
bucle:  ADDI    1,R2
        CMPI    3,R2
        BNE     bucle
fin:    BR      fin
rutina: LDI     55,R3
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
