; Delayed branches: the three instructions after BRD, BcondD run before the
; branch takes effect, taken or not; non-delayed branches run none.
; Expected at fin: R0 9, R1 19.
        .text
inicio: LDI     0,R0
        LDI     0,R1
        BRD     dest1
        ADDI    1,R0            ; delay slots: always run
        ADDI    1,R0
        ADDI    1,R0
        ADDI    100,R1          ; skipped
dest1:  CMPI    0,R0            ; R0 = 3: Z = 0
        BNED    dest2           ; taken, target relative to its own address + 3
        ADDI    2,R0
        ADDI    2,R0
        ADDI    2,R0
        ADDI    100,R1          ; skipped
dest2:  BZD     dest3           ; R0 = 9, Z = 0: not taken, the slots run all the same
        ADDI    3,R1
        ADDI    3,R1
        ADDI    3,R1
        ADDI    10,R1           ; runs: the branch was not taken
dest3:  BU      dest4           ; non-delayed: nothing behind it runs
        ADDI    100,R1
        ADDI    100,R1
dest4:  BR      dest5
        ADDI    100,R1
dest5:
fin:    BR      fin
