; Repeats for switching the pipeline mode at any cycle: the fetch unit
; counts RC down as it fetches the end of a block or the repeated word.
; A three-word block three times, RPTS of an ADDI through AR0++ five times,
; and a one-word block four times.
; Expected at fin: R0 9, R1 12, R2 31, R3 4, AR0 tabla + 5, RC -1, RM 0.
        .text
inicio: LDP     dtabla
        NOP
        LDI     @dtabla,AR0
        LDI     0,R0
        LDI     0,R1
        LDI     0,R2
        LDI     0,R3
        LDI     2,RC            ; three passes
        RPTB    ultima
        ADDI    1,R0
        ADDI    2,R0
ultima: ADDI    4,R1
        RPTS    4               ; five times
        ADDI    *AR0++,R2
        LDI     3,RC            ; four passes
        RPTB    sola
sola:   ADDI    1,R3
fin:    BR      fin
        .data
dtabla: .word   tabla
tabla:  .word   1,2,4,8,16
