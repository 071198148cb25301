; Parallel rows not run by the other programs: MPYF3||SUBF3 and
; MPYI3||SUBI3 in each operand pattern the assembler picks, and the
; operation||store pairs ABSF, NEGF, SUBF3, ABSI, NEG, NOT, AND3, OR3, XOR3,
; LSH3 and MPYI3 with STF or STI. Every store half stores a register as it
; was before its instruction. SUBF3 x,y,d and SUBI3 x,y,d give y - x in
; every pattern, so with a register and a memory operand memory minus register.
; Expected at fin: res: -7.0, -5.25, 0.375, -5.25, 1.5, 3.5, -2.0, -1.5,
; 0xFF787879, -6, 5, 0x0F0F0F18, 9, 9, 0xF0F0F0F0, 3, 0xFFFFFFFF, 0xF0F0F0F0,
; 0x78787878, -27; res2: 1.25, -1.75, 5.5, 1.75; AR1 res2, AR3 res2 + 4;
; ST 0x08 (N of the last product; NEG's borrow cleared by LSH3's C).
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0       ; tab: -3.5, 2.0
        LDI     @dtabi,AR2      ; tabi: -9, 0x0F0F0F0F
        LDI     @dres,AR1       ; res
        LDI     @dres2,AR3      ; res2
        LDF     1.5,R4
        LDF     0.25,R5
        MPYF3   *AR0,*+AR0(1),R0    ; -3.5 x 2.0 = -7.0
||      SUBF3   R5,R4,R2            ; 1.5 - 0.25 = 1.25
        MPYF3   *AR0,R4,R1          ; -3.5 x 1.5 = -5.25
||      SUBF3   *+AR0(1),R5,R3      ; 0.25 - 2.0 = -1.75
        STF     R0,*AR1++
||      STF     R2,*AR3++
        STF     R1,*AR1++
||      STF     R3,*AR3++
        MPYF3   R4,R5,R0            ; 0.375
||      SUBF3   *AR0,*+AR0(1),R2    ; 2.0 - -3.5 = 5.5
        MPYF3   *AR0,R4,R1          ; -5.25
||      SUBF3   R5,*+AR0(1),R3      ; 2.0 - 0.25 = 1.75
        STF     R0,*AR1++
||      STF     R2,*AR3++
        STF     R1,*AR1++
||      STF     R3,*AR3++
        ABSF    *AR0,R6             ; 3.5
||      STF     R4,*AR1++           ; 1.5
        NEGF    *+AR0(1),R7         ; -2.0
||      STF     R6,*AR1++           ; 3.5
        SUBF3   R7,*AR0,R4          ; -3.5 - -2.0 = -1.5
||      STF     R7,*AR1++           ; -2.0
        STF     R4,*AR1++
        LDI     3,R4
        LDI     -2,R5
        MPYI3   *AR2,*+AR2(1),R0    ; -9 x 0x0F0F0F (low 24 bits) = -0x878787
||      SUBI3   R5,R4,R2            ; 3 - -2 = 5
        MPYI3   R4,R5,R1            ; -6
||      SUBI3   *AR2,*+AR2(1),R3    ; 0x0F0F0F0F - -9 = 0x0F0F0F18
        ABSI    *AR2,R6             ; 9
||      STI     R0,*AR1++
        NEGI    *AR2,R7             ; 9, a borrow: C = 1
||      STI     R1,*AR1++
        NOT     *+AR2(1),R0         ; 0xF0F0F0F0
||      STI     R2,*AR1++
        AND3    R4,*+AR2(1),R1      ; 3
||      STI     R3,*AR1++
        OR3     R0,*+AR2(1),R2      ; 0xFFFFFFFF
||      STI     R6,*AR1++
        XOR3    R2,*+AR2(1),R3      ; 0xF0F0F0F0
||      STI     R7,*AR1++
        LSH3    R4,*+AR2(1),R6      ; 0x78787878, C = bit 29 = 0
||      STI     R0,*AR1++
        MPYI3   R4,*AR2,R7          ; -27
||      STI     R1,*AR1++
        STI     R2,*AR1++
        STI     R3,*AR1++
        STI     R6,*AR1++
        STI     R7,*AR1++
fin:    BR      fin
        .data
dtab:   .word   tab
dtabi:  .word   tabi
dres:   .word   res
dres2:  .word   res2
tab:    .float  -3.5, 2.0
tabi:   .word   -9, 00F0F0F0Fh
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
res2:   .word   0DEADh, 0DEADh, 0DEADh, 0DEADh
