; Circular addressing with BK 8 on a buffer aligned on 16 words: ten stores of
; 1..10 with post-increment wrap, so the buffer holds 9 10 3 4 5 6 7 8 and AR1
; ends at the buffer + 2. Then bit-reversed addressing with IR0 4 on eight
; words: stores of 1..8 land at 0 4 2 6 1 5 3 7, and AR2 returns to its base.
; With the pipeline nothing interlocks: a register or DP loaded by an
; instruction is seen by the instructions two (DP) or three (AR, SP) after it,
; so NOPs stand in between.
        .text
inicio: LDP     dcirc
        NOP
        LDI     @dcirc,AR1
        LDI     @dinv,AR2
        LDI     8,BK
        LDI     4,IR0
        LDI     0,R0
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        ADDI    1,R0
        STI     R0,*AR1++(1)%
        LDI     0,R0
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
        ADDI    1,R0
        STI     R0,*AR2++(IR0)B
fin:    BR      fin
        .data
dcirc:  .word   0809A10h
dinv:   .word   0809A48h
