; Small program for the listing loader: code, data, constants and labels.
N       .set    3
        .text
inicio: LDI     N,R0
        LDP     tabla
        LDI     @tabla,R1
        LDI     *AR0,R2
||      LDI     *AR1,R3
bucle:  BR      bucle
        .data
tabla:  .word   0x12345678, -1
