; Four-tap FIR filter y[n] = 0.5 x[n] + 0.25 x[n-1] - x[n-2] + 2 x[n-3] over
; six samples. The delay line and the coefficients are circular buffers of
; BK = 4 (aligned on 8 words); each sample overwrites the oldest one and the
; multiply-accumulate runs as MPYF3||ADDF3 in an RPTB block.
; x = 1, 2, 0, -1, 4, 0.5 gives y = 0.5, 1.25, -0.5, -0.5, 5.75, 2.25.
; Expected at fin: R2 2.25, R0 0.25, R3 0.5, AR0 h, AR1 linea + 2,
; AR3 sal + 6, AR4 0x00FFFFFF, RC 0xFFFFFFFF;
; sal: 0xFF000000, 0x00200000, 0xFE800000, 0xFE800000, 0x02380000, 0x01100000;
; linea: 4.0, 0.5, 0.0, -1.0; ST 0.
        .text
inicio: LDP     dent
        LDI     4,BK
        LDI     @dent,AR2
        LDI     @dsal,AR3
        LDI     @dh,AR0
        LDI     @dlinea,AR1
        LDI     5,AR4           ; six samples
        NOP                     ; AR1 is used when the STF below is decoded
muestra: LDF    *AR2++,R3       ; x[n]
        STF     R3,*AR1++%      ; over the oldest sample
        LDF     0.0,R2
        MPYF3   *AR0++%,*AR1++%,R0
        LDI     2,RC            ; three more products
        RPTB    mac
mac:    MPYF3   *AR0++%,*AR1++%,R0
||      ADDF3   R0,R2,R2
        ADDF3   R0,R2,R2
        STF     R2,*AR3++
        DBU     AR4,muestra
fin:    BR      fin
dent:   .word   ent
dsal:   .word   sal
dh:     .word   h
dlinea: .word   linea
ent:    .float  1.0, 2.0, 0.0, -1.0, 4.0, 0.5
sal:    .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
        .align  8
h:      .float  2.0, -1.0, 0.25, 0.5    ; oldest sample first: h3, h2, h1, h0
        .align  8
linea:  .float  0.0, 0.0, 0.0, 0.0
