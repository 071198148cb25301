; Floating-point stores and a NORM of a memory word as the pipeline window's
; detail panel explains them: the word a store writes is shown as the float
; it holds.
; Run one instruction a step: STF of R1 (1.5) is step 5, PUSHF R1 step 6,
; NORM @w step 7 (w = 01400000h: exponent 1, fraction 0.5 -> 3 read as a
; normalised float), STF R1||STF R2 (1.5 and -2.5) step 9.
        .text
inicio: LDP     pila
        LDI     @pila,SP
        LDI     @dres,AR0
        LDF     1.5,R1
        STF     R1,@res         ; res[0] := 1.5
        PUSHF   R1              ; stack := 1.5
        NORM    @w,R3
        LDF     -2.5,R2
        STF     R1,*AR0++       ; res[0] := 1.5
||      STF     R2,*AR0         ; res[1] := -2.5
fin:    BR      fin
        .data
pila:   .word   0809F00h
dres:   .word   res
w:      .word   01400000h
res:    .word   0DEADh, 0DEADh
