; Programa del fichero de entorno: suma uno a una palabra de datos
ciclos  .set    3
        .text
inicio: LDP     dato
        LDI     @dato,R0        ; reference: load the word of the data section
        ADDI    ciclos,R0
        STI     R0,@dato        ; store back (sect data)
fin:    BR      fin
        .data
dato:   .word   41
