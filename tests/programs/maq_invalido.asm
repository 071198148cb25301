; A word that is no operation code between two loads. Stopping at the
; question leaves R1 at 0; letting it pass runs on to fin with R1 2.
        .text
inicio: LDI     1,R0
        .word   0FF000000h
        LDI     2,R1
fin:    BR      fin
