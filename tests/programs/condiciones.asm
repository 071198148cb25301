; Condition codes: after each flag set-up a Bcond skips an OR; R7 gets the bit
; of every branch NOT taken.
; Expected at fin: R7 0xE2AA, ST 0x20 (LV kept from the overflow).
        .text
inicio: LDP     maxi
        NOP
        LDI     3,R0
        LDI     -1,R1
        LDI     @maxi,R2        ; 0x7FFFFFFF
        LDI     0,R7
        CMPI    5,R0            ; 3 - 5: N = 1, C = 1 (borrow)
        BLO     t1              ; taken
        OR      1,R7
t1:     CMPI    5,R0
        BHS     t2              ; not taken
        OR      2,R7
t2:     CMPI    5,R0
        BLT     t3              ; taken
        OR      4,R7
t3:     CMPI    5,R0
        BGE     t4              ; not taken
        OR      8,R7
t4:     CMPI    3,R0            ; Z = 1, N = 0, C = 0
        BEQ     t5              ; taken
        OR      010h,R7
t5:     CMPI    3,R0
        BNE     t6              ; not taken
        OR      020h,R7
t6:     CMPI    3,R0
        BLE     t7              ; taken
        OR      040h,R7
t7:     CMPI    3,R0
        BGT     t8              ; not taken
        OR      080h,R7
t8:     CMPI    R0,R1           ; -1 - 3 = -4: N = 1; unsigned 0xFFFFFFFF > 3: C = 0
        BHI     t9              ; taken
        OR      0100h,R7
t9:     CMPI    R0,R1
        BLS     t10             ; not taken
        OR      0200h,R7
t10:    CMPI    R0,R1
        BLT     t11             ; taken
        OR      0400h,R7
t11:    LDI     R2,R3
        ADDI    1,R3            ; overflow: V = 1, LV = 1
        BV      t12             ; taken
        OR      0800h,R7
t12:    LDI     0,R4            ; V = 0, LV stays
        BLV     t13             ; taken
        OR      01000h,R7
t13:    LDI     0,R4
        BNLV    t14             ; not taken
        OR      02000h,R7
t14:    LDI     0,R4
        BV      t15             ; not taken
        OR      04000h,R7
t15:    CMPI    3,R0            ; C = 0
        BLO     t16             ; not taken
        OR      08000h,R7       ; zero-extended: bit 15 only
t16:
fin:    BR      fin
        .data
maxi:   .word   07FFFFFFFh
