; Parallel pairs as the pipeline window's detail panel explains them: the
; loads with a store and the one-source operations with a store (no first
; source register), two loads, an operation with two sources and a store,
; and a load on condition NUF.
; Run one instruction a step: R4 -2.5, R5 12, R6 2.5, R7 9, then R6 2.5,
; R7 -12, R3 -13, R3 -3, R6 12.0, R0 -2.5 and R1 4.0, R0 12 and R2 -9,
; R4 1.5; LDINUF loads R0 := 1 (UF is clear).
        .text
inicio: LDP     dtab
        LDI     @dtab,AR0       ; AR0 := tab (-2.5)
        LDI     @dres,AR1       ; AR1 := res
        LDI     @dent,AR2       ; AR2 := ent (12)
        LDI     @dneg,AR3       ; AR3 := neg (-9)
        LDI     @dcua,AR4       ; AR4 := cua (4.0)
        LDF     1.5,R1
        LDI     7,R2
        LDF     *AR0,R4         ; R4 := -2.5
||      STF     R1,*AR1++       ; res[0] := 1.5
        LDI     *AR2,R5         ; R5 := 12
||      STI     R2,*AR1++       ; res[1] := 7
        ABSF    *AR0,R6         ; R6 := 2.5
||      STF     R4,*AR1++       ; res[2] := -2.5
        ABSI    *AR3,R7         ; R7 := 9
||      STI     R5,*AR1++       ; res[3] := 12
        NEGF    *AR0,R6         ; R6 := 2.5
||      STF     R6,*AR1++       ; res[4] := 2.5
        NEGI    *AR2,R7         ; R7 := -12
||      STI     R7,*AR1++       ; res[5] := 9
        NOT     *AR2,R3         ; R3 := -13
||      STI     R7,*AR1++       ; res[6] := -12
        FIX     *AR0,R3         ; R3 := -3
||      STI     R5,*AR1++       ; res[7] := 12
        FLOAT   *AR2,R6         ; R6 := 12.0
||      STF     R1,*AR1++       ; res[8] := 1.5
        LDF     *AR0,R0         ; R0 := -2.5
||      LDF     *AR4,R1         ; R1 := 4.0
        LDI     *AR2,R0         ; R0 := 12
||      LDI     *AR3,R2         ; R2 := -9
        ADDF3   R1,*AR0,R4      ; R4 := 4.0 + -2.5 = 1.5
||      STF     R4,*AR1++       ; res[9] := -2.5
        LDINUF  1,R0            ; UF clear: R0 := 1
fin:    BR      fin
        .data
dtab:   .word   tab
dres:   .word   res
dent:   .word   ent
dneg:   .word   neg
dcua:   .word   cua
tab:    .float  -2.5
ent:    .word   12
neg:    .word   -9
cua:    .float  4.0
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh
