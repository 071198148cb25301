; The stack frame access of a compiler's run-time division routine: LDIU
; reads SP as data when it executes, POP moves SP when it is decoded, and
; LDF forms its address with the AR0 that LDIU writes. With the pipeline POP
; is held until LDIU has read SP (2 cycles), and LDF until POP, which writes
; AR1 of the same group, has executed (2 more); the results are those of one
; instruction at a time.
; Expected at fin: AR0 marco + 3, AR1 77h, SP marco + 2, R3 2.5.
; Decode cycles with the pipeline: LDIU 8, POP 11, LDF 14, so BR fin (word 9)
; executes in cycle 9 + 4 + 4 = 17; one instruction a step, in cycle 10
; (counter 40).
        .text
inicio: LDP     dsp
        NOP
        NOP
        LDI     @dsp,SP         ; SP := marco + 3
        NOP
        NOP
        LDIU    SP,AR0
        POP     AR1
        LDF     *-AR0(2),R3
fin:    BR      fin
        .data
dsp:    .word   marco + 3
marco:  .word   01111h
        .float  2.5
        .word   02222h
        .word   077h
