; NORM and RND on chosen register words: LDF gives the exponent (with a
; zero mantissa word) and LDI then puts the 32-bit mantissa word in place.
; NORM reads the word unnormalised (its implied bit equals its sign); RND
; rounds at the last bit of the 32-bit format.
; Expected at fin: R1 4.0, R2 4097 x 2^-31 (HI -19, LO 0x00080000), R3 -2^-19,
; R5 1 + 2^-23, R6 -1.0, R7 0.0; palabras: 0x02000000, 0xED000800, 0xEC800000,
; 0x00000001, 0xFF800000, 0x7F7FFFFF; st1 0x04 (NORM of a zero mantissa: Z),
; st2 0x50 (RND of 0: UF and LUF, Z kept clear), ST 0x62 (RND overflow: V, LV, LUF).
        .text
inicio: LDP     dpal
        NOP
        LDI     @dpal,AR0
        LDF     8.0,R0          ; exponent 3
        LDI     @m1,R0          ; 0x40000000: 0.5 x 2^3
        NORM    R0,R1           ; 4.0
        LDF     1.0,R0          ; exponent 0
        LDI     @m2,R0          ; 0x00001001
        NORM    R0,R2           ; 4097 x 2^-31
        LDI     @m3,R0          ; 0xFFFFF000: -4096 x 2^-31
        NORM    R0,R3           ; -2^-19
        LDF     1.0,R4
        LDI     @m4,R4          ; 1 + 2^-24: exactly half a place
        RND     R4,R5           ; rounds up to 1 + 2^-23
        LDI     @m5,R4          ; -1 - 2^-24: a tie rounds toward plus infinity
        RND     R4,R6           ; -1.0
        STF     R1,*AR0++
        STF     R2,*AR0++
        STF     R3,*AR0++
        STF     R5,*AR0++
        STF     R6,*AR0++
        LDI     0,R0            ; exponent 0, mantissa word 0
        NORM    R0,R7           ; 0 with Z
        STI     ST,@st1
        LDF     0.0,R0
        LDI     1,R7            ; Z clear
        RND     R0,R7           ; 0 with UF, Z untouched
        STI     ST,@st2
        LDF     @mayor,R4       ; (2 - 2^-23) x 2^127
        LDI     @m6,R4          ; mantissa word all ones: (2 - 2^-31) x 2^127
        RND     R4,R4           ; overflows: the largest 32-bit value
        STF     R4,*AR0++
fin:    BR      fin
        .data
dpal:   .word   palabras
m1:     .word   040000000h
m2:     .word   000001001h
m3:     .word   0FFFFF000h
m4:     .word   000000080h
m5:     .word   0FFFFFF80h
m6:     .word   07FFFFFFFh
mayor:  .word   07F7FFFFFh
palabras: .word 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
st1:    .word   0DEADh
st2:    .word   0DEADh
