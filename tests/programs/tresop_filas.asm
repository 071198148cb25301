; Three-operand rows on register and memory operands. The assembler takes
; the first operand as source 2 and the second as source 1: SUBI3 x,y,d is
; y - x, ANDN3 x,y,d is y And Not x, ASH3 n,x,d shifts x by n. C is the
; carry out of ADDC3 and the borrow of SUBB3, SUBI3 and CMPI3; a shift by 0
; clears it; MPYI3 multiplies the low 24 bits of each operand.
; Expected at fin: res: 5, 0x01, 0xFFFFFFF9, 0x08, 6, 0x01, 0xF0, 0xF000,
; 0xFFF0, 0x0FF0, 0x05, 0xF8000000, 0x09, 0x08000000, 0x01, 5, 0x00,
; 0xFFFFFFFB, 0x08, 0x00, 0x08, 0xFF000001; R0 -3.25, R1 -1.875,
; R2 -5.125, R3 -1.375, R6 0x7FFFFF, R7 0xFF000001; ST 0x22 (V, LV).
        .text
inicio: LDP     dtab
        NOP
        LDI     @dtab,AR0       ; tab
        LDI     @dtab2,AR2      ; tab + 2
        LDI     @dtab4,AR3      ; tab + 4
        LDI     @dres,AR1       ; res
        LDI     5,R1
        LDI     -1,R0
        ADDI    1,R0            ; 0 with a carry out: C = 1
        ADDC3   *AR0,R1,R2      ; 5 + 0xFFFFFFFF + C = 5, a carry out: C = 1
        STI     R2,*AR1++
        STI     ST,*AR1++       ; 0x01
        SUBB3   R1,*AR0,R3      ; -1 - 5 - C = -7, no borrow: C = 0, N = 1
        STI     R3,*AR1++
        STI     ST,*AR1++       ; 0x08
        SUBI3   *AR0,R1,R4      ; 5 - -1 = 6, a borrow: C = 1
        STI     R4,*AR1++
        STI     ST,*AR1++       ; 0x01
        ANDN3   *+AR0(1),*AR2,R5 ; 0xF0F0 And Not 0xFF00 = 0x00F0
        STI     R5,*AR1++
        AND3    *+AR0(1),*AR2,R6 ; 0xF000
        STI     R6,*AR1++
        OR3     R5,*+AR0(1),R7  ; 0xFFF0
        STI     R7,*AR1++
        XOR3    R6,R7,R0        ; 0x0FF0
        STI     R0,*AR1++
        TSTB3   R6,R5           ; 0xF000 And 0x00F0 = 0: Z = 1, C kept
        STI     ST,*AR1++       ; 0x05
        LDI     -4,R6
        ASH3    R6,*+AR2(1),R2  ; 0x80000008 right by 4: 0xF8000000, C = 1, N = 1
        STI     R2,*AR1++
        STI     ST,*AR1++       ; 0x09
        LSH3    R6,*+AR2(1),R3  ; 0x08000000, C = 1
        STI     R3,*AR1++
        STI     ST,*AR1++       ; 0x01
        ASH3    *+AR0(1),R1,R4  ; count 0xFF00, low 7 bits 0: no shift, C = 0
        STI     R4,*AR1++
        STI     ST,*AR1++       ; 0x00
        MPYI3   R1,*AR0,R5      ; 5 x -1 (the low 24 bits of 0xFFFFFFFF) = -5
        STI     R5,*AR1++
        CMPI3   R1,*AR0         ; -1 - 5: N = 1, no borrow
        STI     ST,*AR1++       ; 0x08
        SUBF3   *AR3,*+AR3(1),R0 ; -0.75 - 2.5 = -3.25
        MPYF3   *AR3,*+AR3(1),R1 ; 2.5 x -0.75 = -1.875
        ADDF3   R0,R1,R2        ; -5.125
        SUBF3   R1,R0,R3        ; -3.25 - -1.875 = -1.375
        CMPF3   *+AR3(1),*AR3   ; 2.5 - -0.75: positive
        STI     ST,*AR1++       ; 0x00
        CMPF3   *AR3,*+AR3(1)   ; -0.75 - 2.5: N
        STI     ST,*AR1++       ; 0x08
        LDI     @grande,R6      ; 0x7FFFFF
        MPYI3   R6,R6,R7        ; 0x3FFFFF000001: low word 0xFF000001, V, LV
        STI     R7,*AR1++
fin:    BR      fin
        .data
dtab:   .word   tab
dtab2:  .word   tab + 2
dtab4:  .word   tab + 4
dres:   .word   res
grande: .word   07FFFFFh
tab:    .word   0FFFFFFFFh, 0FF00h, 0F0F0h, 080000008h
        .float  2.5, -0.75
res:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
