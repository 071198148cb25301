; Bit-reversed reordering of eight words with IR0 = 4 (half the length):
; once as LDF||STF under RPTS, each store saving the word the load before it
; brought, once with LDI and STI in an RPTB block. Both destination buffers
; start on an 8-word boundary.
; Expected at fin: orden: 0.0, 4.0, 2.0, 6.0, 1.0, 5.0, 3.0, 7.0;
; ordeni: 10, 14, 12, 16, 11, 15, 13, 17; AR0 src + 8, AR1 orden,
; AR2 srci + 8, AR3 ordeni; R0 7.0, R1 17.
        .text
inicio: LDP     dsrc
        LDI     4,IR0
        LDI     @dsrc,AR0
        LDI     @dorden,AR1
        LDI     @dsrci,AR2
        LDI     @dordeni,AR3
        NOP                     ; AR1 is used when the LDF||STF is decoded
        LDF     *AR0++,R0
        RPTS    6               ; seven passes
        LDF     *AR0++,R0
||      STF     R0,*AR1++(IR0)B
        STF     R0,*AR1++(IR0)B
        LDI     7,RC            ; eight passes
        RPTB    copia
        LDI     *AR2++,R1
copia:  STI     R1,*AR3++(IR0)B
fin:    BR      fin
dsrc:   .word   src
dorden: .word   orden
dsrci:  .word   srci
dordeni: .word  ordeni
src:    .float  0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0
srci:   .word   10, 11, 12, 13, 14, 15, 16, 17
        .align  8
orden:  .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
ordeni: .word   0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh, 0DEADh
