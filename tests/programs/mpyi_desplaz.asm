; MPYI on 24-bit operands; arithmetic and logical shifts; rotates.
; Expected at fin: R1 6, R3 0xFFFFFFFB, R4 0xFF000001;
; m: 0xFFFFFFFE, 0x0FFFFFFF, 8, 2, 0x80000001, 1, 0x841, 0x40000040, 0xE0000000, 0xFFFFFFAE;
; ST 0x29 (C, N, LV).
        .text
inicio: LDP     w1
        NOP
        LDI     @w1,R0          ; 0x7F000003 counts as 3
        LDI     2,R1
        MPYI    R0,R1           ; 6
        LDI     @w2,R2          ; 0x00FFFFFF is -1 in 24 bits
        LDI     5,R3
        MPYI    R2,R3           ; -5
        LDI     @w3,R4          ; 0x7FFFFF
        MPYI    R4,R4           ; 0x3FFFFF000001: low word 0xFF000001, V = 1
        LDI     -17,R5
        ASH     -4,R5           ; -2
        STI     R5,@m0
        LDI     -16,R5
        LSH     -4,R5           ; 0x0FFFFFFF
        STI     R5,@m1
        LDI     @w4,R5          ; 0x20000001
        ASH     3,R5            ; 8
        STI     R5,@m2
        LDI     @w5,R5          ; 0x80000001
        LSH     1,R5            ; 2, C = 1 (the bit shifted out)
        STI     R5,@m3
        LDI     3,R5
        ROR     R5              ; 0x80000001, C = 1
        STI     R5,@m4
        LDI     @w6,R5          ; 0x80000000
        ROL     R5              ; 1, C = 1
        STI     R5,@m5
        LDI     0420h,R5
        ROLC    R5              ; C in: 0x841, C = 0
        STI     R5,@m6
        LDI     @w7,R5          ; 0x80000081
        RORC    R5              ; C in 0: 0x40000040, C = 1
        STI     R5,@m7
        LDI     16,R6
        LDI     @w8,R5          ; 0x000AE000
        ASH     R6,R5           ; 0xE0000000, V = 1, N = 1, C = 0
        STI     R5,@m8
        LDI     @w9,R5          ; 0xAEC00001
        ASH     -24,R5          ; 0xFFFFFFAE, C = 1, N = 1
        STI     R5,@m9
fin:    BR      fin
        .data
w1:     .word   07F000003h
w2:     .word   000FFFFFFh
w3:     .word   0007FFFFFh
w4:     .word   020000001h
w5:     .word   080000001h
w6:     .word   080000000h
w7:     .word   080000081h
w8:     .word   0000AE000h
w9:     .word   0AEC00001h
m0:     .word   0DEADh
m1:     .word   0DEADh
m2:     .word   0DEADh
m3:     .word   0DEADh
m4:     .word   0DEADh
m5:     .word   0DEADh
m6:     .word   0DEADh
m7:     .word   0DEADh
m8:     .word   0DEADh
m9:     .word   0DEADh
