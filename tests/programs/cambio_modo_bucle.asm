; A loop for switching the pipeline mode at any cycle: a table summed
; through AR0++ (the decode unit moves AR0), a word pushed and popped back
; (the decode unit moves SP), the loop closed by a delayed DBUD whose three
; slots run on every pass, then a BRD over a word that must not run.
; Expected at fin: R0 31, R1 8, R2 31, R3 57 (1+3+7+15+31), R4 0,
; AR0 tabla + 5, AR1 0x00FFFFFF, SP 809F00h, suma 31.
        .text
inicio: LDP     dtabla
        NOP
        LDI     @dtabla,AR0
        LDI     @pila,SP
        LDI     4,AR1           ; five passes
        LDI     0,R0
        LDI     0,R1
        LDI     0,R2
        LDI     0,R3
        LDI     0,R4
bucle:  ADDI    *AR0++,R0
        PUSH    R0
        NOP                     ; the pop reads the word once the push has stored it
        POP     R2
        DBUD    AR1,bucle
        ADDI    1,R1            ; delay slots
        NOP
        ADDI    R2,R3
        BRD     salida
        ADDI    1,R1            ; delay slots
        ADDI    1,R1
        ADDI    1,R1
        LDI     1,R4            ; skipped
salida: STI     R0,@suma
fin:    BR      fin
        .data
dtabla: .word   tabla
pila:   .word   0809F00h
tabla:  .word   1,2,4,8,16
suma:   .word   0
