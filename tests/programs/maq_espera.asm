; A non-delayed branch, then a delayed one, then a store watched by a mark.
; Without the pipeline each instruction is one step of 4 cycles; with it the
; branch costs three lost fetch slots and the delayed branch none.
        .text
inicio: LDI     1,R0
        BR      sigue
        LDI     5,R1            ; fetched and cancelled with the pipeline
sigue:  BRD     fin
        ADDI    1,R0
        ADDI    1,R0
        ADDI    1,R0
        LDI     9,R1            ; skipped
fin:    LDP     marca
        NOP
        STI     R0,@marca       ; R0 = 4
para:   BR      para
        .data
marca:  .word   0
