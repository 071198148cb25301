; A branch out of the memory map: the next fetch finds no region at 900000h.
        .text
inicio: LDI     7,R0
        BR      900000h
        LDI     1,R1            ; never runs
