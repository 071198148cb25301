; Multi-word additions: ADDI on the low word, then ADDC along the upper words;
; then a 64-bit subtraction with SUBI and SUBB.
; Expected at fin: R0 0, R1 4, R2 0, R3 0, R4 1, R5 0xFFFFFFFF, R6 3, ST 0;
; q0,q1 = 0x00000000,0x00000004; s0,s1,s2 = 0,0,1.
        .text
inicio: LDP     a0
        NOP                     ; the pipeline reads @x one cycle before LDP writes DP
        ; 0x00000001_FFFFFFFF + 0x00000002_00000001 = 0x00000004_00000000
        LDI     @a0,R0
        ADDI    @b0,R0          ; 0, C = 1
        STI     R0,@q0
        LDI     @a1,R1          ; LDI leaves C alone
        ADDC    @b1,R1          ; 1 + 2 + 1 = 4
        STI     R1,@q1
        ; 0x00000000_FFFFFFFF_FFFFFFFF + 1 = 0x00000001_00000000_00000000
        LDI     @c0,R2
        ADDI    1,R2            ; 0, C = 1
        STI     R2,@s0
        LDI     @c1,R3
        ADDC    0,R3            ; 0xFFFFFFFF + 0 + 1 = 0 with a carry out
        STI     R3,@s1
        LDI     @c2,R4
        ADDC    0,R4            ; 0 + 0 + 1 = 1
        STI     R4,@s2
        ; 0x00000004_00000000 - 1 = 0x00000003_FFFFFFFF
        LDI     R0,R5
        SUBI    1,R5            ; 0xFFFFFFFF, borrow: C = 1
        LDI     R1,R6
        SUBB    0,R6            ; 4 - 0 - 1 = 3, C = 0
fin:    BR      fin
        .data
a0:     .word   0FFFFFFFFh
a1:     .word   1
b0:     .word   1
b1:     .word   2
c0:     .word   0FFFFFFFFh
c1:     .word   0FFFFFFFFh
c2:     .word   0
q0:     .word   0DEADh
q1:     .word   0DEADh
s0:     .word   0DEADh
s1:     .word   0DEADh
s2:     .word   0DEADh
