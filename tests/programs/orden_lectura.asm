; Program order of a register read and a younger instruction's update of
; that register. An instruction that reads an auxiliary register or SP as a
; value reads it when it executes; the younger indirect operand (*AR0++) or
; CALL and RETS move the register when they are decoded. With the pipeline
; the decode unit holds the younger instruction until the older one has
; read the register: 2 cycles right behind it, 1 with one instruction
; between, none with two. Both modes give the values of program order.
; Expected at fin: R1 tab, R3 tab + 1, R4 tab + 2, AR4 pila, AR5 pila,
; AR6 pila, AR7 pila + 1, AR0 tab + 3, SP pila.
; Held cycles with the pipeline: LDI @dtab,AR0 1 (DP), LDI *AR0++,R2 2, 1
; and 0, the three CALLs 2, 1 and 0, each RETS 2: 13 in all, so BR fin
; first executes in cycle 65; one instruction a step, in cycle 31 (counter
; 124).
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
