; Endless loop for the clock-cycle benchmark: integer arithmetic and logic,
; loads and stores through direct and indirect operands, a conditional branch
; that stalls the fetch and a delayed branch with its three slots; then
; floating-point two- and three-operand instructions, parallel load and store
; pairs, a multiply-add pair that keeps R1 at 1, and FIX.
        .text
inicio: LDP     dbuf
        NOP
        LDI     @dbuf,AR0
        LDI     @dflot,AR1
        LDI     @duno,AR2
        LDI     @dsal,AR3
        LDI     0,R0
        LDI     1,R1
        LDI     0,R3
bucle:  ADDI    R1,R0
        STI     R0,*AR0
        LDI     *AR0++(1),R2
        XOR     R2,R3
        LSH     1,R3
        STI     R3,@ultimo
        CMPI    16,R0
        BLT     sigue
        LDI     0,R0
        LDI     @dbuf,AR0
sigue:  LDF     *AR1,R7             ; 1.5
        MPYF3   *+AR1(1),R7,R2      ; -0.5 x 1.5
        ADDF    R2,R7               ; 0.75
        LDF     *+AR1(1),R2         ; -0.5
||      STF     R7,*AR3
        MPYF3   R7,*AR1,R2          ; 0.75 x 1.5
||      STF     R2,*+AR3(1)
        MPYI3   *AR2,*AR2,R1        ; 1 x 1
||      ADDI3   R4,R5,R2
        FIX     R7,R2
        BRD     bucle
        ADDI    2,R4
        SUBI    1,R5
        OR      R4,R5
        .data
dbuf:   .word   buffer
ultimo: .word   0
dflot:  .word   flot
duno:   .word   uno
dsal:   .word   sal
flot:   .float  1.5, -0.5
uno:    .word   1
sal:    .word   0, 0
buffer  .usect  "buf",32
