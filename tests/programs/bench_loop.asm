; Endless loop for the speed benchmark of the run loop: a counted inner loop
; of integer additions inside an outer loop that never ends.
        .text
inicio: LDI     0,R0
        LDI     0,R1
otra:   LDI     99,AR0          ; a hundred passes
dentro: ADDI    1,R0
        ADDI    R0,R1
        XOR     R1,R2
        DBU     AR0,dentro
        BR      otra
