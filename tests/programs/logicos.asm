; Logical instructions: their immediates are zero-extended.
; Expected at fin: R0 0x00008000, R1 0x0000F0F0, R2 0xFFFF0000, R3 0xFFFF7FFE,
; R4 0xFFFF0000, R5 0xFFFF0000, R6 1, R7 0xFFFFFFFE, ST 8 (N).
        .text
inicio: LDI     -1,R0
        AND     08000h,R0
        LDI     0,R1
        OR      0F0F0h,R1
        LDI     -1,R2
        XOR     0FFFFh,R2
        NOT     08001h,R3
        LDI     -1,R4
        ANDN    0FFFFh,R4
        LDI     R2,R5
        LDI     0,R6
        TSTB    08000h,R5       ; 0x8000 And 0xFFFF0000 = 0: Z = 1
        BNZ     sigue
        LDI     1,R6            ; runs
sigue:  LDI     -2,R7           ; arithmetic immediates are sign-extended
fin:    BR      fin
