; Parallel loads and stores: STF||STF of two different registers, STI||STI
; to one address, LDI||LDI into one register, LDF||LDF, and operation||store
; pairs whose store saves the register as it was before the operation.
; Two stores to one address or two loads into one register: the pair written
; first in the source stands.
; Expected at fin: R0 93, R1 -4.0, R2 -0.25, R3 2, R4 12, R5 8.0, R6 -3,
; R7 -5.0; res: 1.5, -2.0, 7, 7, 1.5, -9, 2, 0x0000DEAD;
; res2: -2.0, 1.5, 0.5, -2.0; ST 0.
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0
        LDI     @dres,AR1
        LDI     @dres2,AR2
        LDI     @dres3,AR3
        LDI     @dtab2,AR4
        LDF     1.5,R1
        LDF     -2.0,R2
        LDI     7,R3
        LDI     -9,R4
        LDF     0.5,R5
        STF     R1,*AR1++       ; res[0] := 1.5
||      STF     R2,*AR2++       ; res2[0] := -2.0
        STF     R2,*AR1++       ; res[1] := -2.0
||      STF     R1,*AR2++       ; res2[1] := 1.5
        STI     R3,*AR1++       ; res[2] := 7, which stands
||      STI     R4,*AR3         ; res[2] as well
        ADDF3   R1,*AR0++,R5    ; R5 := 0.5 + 1.5
||      STF     R5,*AR2++       ; res2[2] := the old R5, 0.5
        FIX     *AR0++,R6       ; -2.5 gives -3
||      STI     R3,*AR1++       ; res[3] := 7
        FLOAT   *AR0++,R7       ; the word -5 gives -5.0
||      STF     R2,*AR2++       ; res2[3] := -2.0
        MPYF3   R2,*AR0++,R1    ; R1 := 2.0 x -2.0
||      STF     R1,*AR1++       ; res[4] := the old R1, 1.5
        SUBI3   R3,*AR0++,R0    ; R0 := 100 - 7
||      STI     R4,*AR1++       ; res[5] := -9
        LDI     *AR0++,R3       ; R3 := 2, which stands
||      LDI     *AR4++,R3       ; R3 := 5
        ASH3    R3,*AR0++,R4    ; R4 := 3 shifted left by R3
||      STI     R3,*AR1++       ; res[6] := 2
        LDF     *AR0++,R2       ; R2 := -0.25
||      LDF     *AR4++,R5       ; R5 := 8.0
fin:    BR      fin
        .data
dtab:   .word   tab
dres:   .word   res
dres2:  .word   res2
dres3:  .word   res + 2
dtab2:  .word   tab2
tab:    .float  0.5, -2.5
        .word   -5
        .float  2.0
        .word   100, 2, 3
        .float  -0.25
tab2:   .word   5
        .float  8.0
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
res2:   .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
