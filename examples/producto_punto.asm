; Dot product of two five-element vectors: one product ahead, then
; MPYF3||ADDF3 under RPTS adds each product while the next one is formed.
; x = 1, 2, -3, 0.5, 4; y = 2, 0.25, 1, -8, 1.5; products 2, 0.5, -3, -4, 6.
; Expected at fin: R2 1.5, R0 6.0 (the last product), AR0 x + 5, AR1 y + 5,
; resultado 0x00400000 (1.5); ST 0.
        .text
inicio: LDP     dx
        NOP
        LDI     @dx,AR0
        LDI     @dy,AR1
        LDF     0.0,R2
        NOP                     ; AR1 is used when the next MPYF3 is decoded
        MPYF3   *AR0++,*AR1++,R0
        RPTS    3               ; four more passes
        MPYF3   *AR0++,*AR1++,R0
||      ADDF3   R0,R2,R2
        ADDF3   R0,R2,R2
        STF     R2,@resultado
fin:    BR      fin
        .data
dx:     .word   x
dy:     .word   y
x:      .float  1.0, 2.0, -3.0, 0.5, 4.0
y:      .float  2.0, 0.25, 1.0, -8.0, 1.5
resultado: .word 0DEADh
