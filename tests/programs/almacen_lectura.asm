; A store followed at once by a read of the same word. With the pipeline the
; store is written by the execute stage and the read made by the read stage
; in the same cycle; the execute stage goes first, so the read sees the word
; just stored, as one instruction at a time does. No register conflict: the
; cycle counts are those of a plain run.
; Expected at fin: R2 5, R4 7, R5 1.5, R6 3.0, R7 5, R0 7, SP pila;
; words pal 5, flo 1.5 (00400000h), par 5, 7, pila + 1 1.5.
; With the pipeline BR fin (word 21) executes in cycle 21 + 4 = 25; one
; instruction a step, in cycle 22 (counter 88).
pila    .set    0809F00h
        .text
inicio: LDP     dpila
        NOP
        NOP
        LDI     @dpila,SP
        LDI     @dpal,AR0
        LDI     @dflo,AR1
        LDI     @dpar,AR2
        LDI     @dpar1,AR3
        LDI     5,R0
        LDF     1.5,R3
        LDI     7,R1
        STI     R0,*AR0         ; STI then LDI
        LDI     *AR0,R2
        PUSH    R1              ; PUSH then POP
        POP     R4
        PUSHF   R3              ; PUSHF then POPF
        POPF    R5
        STF     R3,*AR1         ; STF then ADDF3 reading the word
        ADDF3   *AR1,R3,R6
        STI     R0,*AR2         ; STI||STI then LDI||LDI
||      STI     R1,*AR3
        LDI     *AR2,R7
||      LDI     *AR3,R0
fin:    BR      fin
        .data
dpila:  .word   pila
dpal:   .word   pal
dflo:   .word   flo
dpar:   .word   par
dpar1:  .word   par + 1
pal:    .word   0DEADh
flo:    .word   0DEADh
par:    .word   0DEADh, 0DEADh
