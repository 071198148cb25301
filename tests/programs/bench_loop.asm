; Endless loop for the clock-cycle benchmark: integer arithmetic and logic,
; loads and stores through direct and indirect operands, a conditional branch
; that stalls the fetch and a delayed branch with its three slots.
        .text
inicio: LDP     dbuf
        NOP
        LDI     @dbuf,AR0
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
sigue:  BRD     bucle
        ADDI    2,R4
        SUBI    1,R5
        OR      R4,R5
        .data
dbuf:   .word   buffer
ultimo: .word   0
buffer  .usect  "buf",32
