; Program order of a register read and a younger instruction's update of
; that register. An instruction that reads an auxiliary register or SP as a
; value reads it when it executes; the younger indirect operand (*AR0++) or
; CALL and RETS move the register when they are decoded. Without the
; pipeline every instruction has run before the next is decoded, so each
; read gives the value in program order. In the four-stage mode the decode
; unit is two stages ahead of the execute unit and runs before it in a
; cycle, so the read sees the update of an instruction one or two places
; younger; with two instructions between the two it sees the value in
; program order.
; Expected at fin, one instruction a step: R1 tab, R3 tab + 1, R4 tab + 2,
; AR4 pila, AR5 pila, AR6 pila, AR7 pila + 1, AR0 tab + 3, SP pila.
; With the pipeline: R1 tab + 1, R3 tab + 2, R4 tab + 2, AR4 pila + 1,
; AR5 pila + 1, AR6 pila, AR7 pila, AR0 tab + 3, SP pila.
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0
        LDI     @pila,SP
        NOP
        NOP
        LDI     AR0,R1          ; right before the update
        LDI     *AR0++,R2
        LDI     AR0,R3          ; one instruction between
        NOP
        LDI     *AR0++,R2
        LDI     AR0,R4          ; two instructions between
        NOP
        NOP
        LDI     *AR0++,R2
        LDI     SP,AR4          ; right before the push
        CALL    rutina
        LDI     SP,AR5          ; one instruction between
        NOP
        CALL    rutina
        LDI     SP,AR6          ; two instructions between
        NOP
        NOP
        CALL    rutina
fin:    BR      fin
rutina: LDI     SP,AR7          ; right before the pop
        RETS
        .data
dtab:   .word   tab
pila:   .word   0809F00h
tab:    .word   1, 2, 3
