; An interrupt raised inside a block repeat by the block itself on every
; pass: OR 1,IF makes INT0 pending three words before the end of the block,
; so with the pipeline the interrupt replaces the block's last word while the
; fetch has just gone back to its start. The routine counts in R3 and returns
; with RETI. The block still runs RC + 1 = 3 times: at fin R0 is 9 and R3 3.
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
        LDI     0,R0
        LDI     0,R3
        LDI     2,RC
        OR      2000h,ST        ; GIE
        RPTB    ultima
        OR      1,IF            ; INT0 pending
        ADDI    1,R0
        ADDI    1,R0
ultima: ADDI    1,R0
fin:    BR      fin
rutina: ADDI    1,R3
        RETI
        .data
dirrut: .word   rutina
pila:   .word   0809F00h
