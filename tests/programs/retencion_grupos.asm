; Register-group conflicts with the four-stage pipeline. The decode unit
; holds an instruction that forms its address with a register of a group
; (AR0-AR7, IR0, IR1, BK; DP; SP) while an older instruction that writes a
; register of that group has not executed: two held cycles right after the
; writer, one with one instruction between, none with two. Any register of
; the group counts (a write of AR1 holds *AR2, a write of BK a circular
; step). The results are those of one instruction at a time.
; Expected at fin: R0 22, R1 33, R2 44, R3 11, R4 4, R5 55, AR1 tab + 4,
; AR2 tab, AR3 circ, BK 4, DP 80h, SP pila2 + 1, word pila2 + 1 = 55.
; Decode cycles with the pipeline (instruction n is decoded in cycle n + 2
; when nothing is held): LDI *AR1,R0 14 (2 held), LDI *AR1,R1 18 (1),
; LDI *AR1,R2 22 (0), LDI *AR2,R3 26 (2), LDI *AR3++%,R4 30 (2),
; LDI @val,R5 35 (2), PUSH R5 39 (2): 11 held cycles, so BR fin (word 27)
; executes in cycle 27 + 4 + 11 = 42; one instruction a step, in cycle 28
; (counter 112).
pila    .set    0809F00h
pila2   .set    0809F80h
        .text
inicio: LDP     dtab            ; DP := 80h (0 after a reset)
        NOP
        NOP
        LDI     @dtab,AR1
        LDI     @dtab,AR2
        LDI     @dcirc,AR3      ; the last word of the circular buffer
        LDI     @dpila,SP
        NOP
        NOP
        ADDI    1,AR1           ; right before the use: 2 held cycles
        LDI     *AR1,R0
        ADDI    1,AR1           ; one instruction between: 1
        NOP
        LDI     *AR1,R1
        ADDI    1,AR1           ; two between: none
        NOP
        NOP
        LDI     *AR1,R2
        ADDI    1,AR1           ; a write of AR1 holds *AR2
        LDI     *AR2,R3
        LDI     4,BK            ; BK holds a circular step
        LDI     *AR3++%,R4      ; the step passes BK: back to circ
        LDI     0,DP
        LDP     dval            ; DP := 80h right before a direct load
        LDI     @val,R5
        LDI     @dpila2,SP      ; SP right before a push
        PUSH    R5
fin:    BR      fin
        .data
dtab:   .word   tab
dcirc:  .word   circ + 3
dpila:  .word   pila
dpila2: .word   pila2
dval:   .word   val
val:    .word   55
tab:    .word   11, 22, 33, 44, 55
        .align  8
circ:   .word   1, 2, 3, 4
