; ASH sets V when a left shift loses bits, even when the sign stays or the
; result is 0; a shift whose value still fits clears it. LDIV tests V.
; Expected at fin: R0 0x40000000, R1 1, R2 0, R3 2, R4 0x80000000, R5 0;
; ST 0x29 (C, N and LV from the last ASH: V is clear again).
        .text
inicio: LDP     w1
        NOP                     ; DP is written after the next decode
        LDI     @w1,R0          ; 0x50000000
        ASH     2,R0            ; 0x40000000: bit 30 lost, V = 1
        LDIV    1,R1            ; R1 := 1
        LDI     @w2,R2          ; 0x40000000
        ASH     2,R2            ; 0, V = 1, Z = 1
        LDIV    2,R3            ; R3 := 2
        LDI     @w3,R4          ; 0xC0000000
        ASH     1,R4            ; 0x80000000 fits: V = 0, C = 1, N = 1
        LDIV    3,R5            ; not loaded: R5 stays 0
fin:    BR      fin
        .data
w1:     .word   050000000h
w2:     .word   040000000h
w3:     .word   0C0000000h
