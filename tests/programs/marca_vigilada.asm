; Two stores to one word, then an endless branch that writes nothing: a watch
; mark on the word holds from the second store on, until the word is changed
; from outside the program.
        .text
inicio: LDP     cuenta
        LDI     2,R0
        STI     R0,@cuenta
        LDI     5,R0
        STI     R0,@cuenta
fin:    BR      fin
        .data
cuenta: .word   9
