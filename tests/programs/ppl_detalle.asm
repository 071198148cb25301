; One instruction of each kind that the pipeline window's detail panel
; explains: the four addressing forms of the two-operand group, the
; three-operand forms, a conditional load, a push and a pop, a call and its
; return, conditional branches in register and PC-relative form,
; MPYI3||ADDI3 and parallel stores and loads.
; Run one instruction a step: R1 3, R2 17 after SUBI3, R3 30, R4 5, R5 3,
; the routine loads R7 1.5; BZ is not taken, BRD jumps to fin.
        .text
inicio: LDP     pila
        LDI     @pila,SP        ; direct
        LDI     @dtab,AR0       ; direct: AR0 := tab
        LDI     -7,R0           ; immediate
        LDI     R0,R1           ; register
        ADDI    *+AR0(2),R1     ; indirect with displacement: R1 := -7 + 10 = 3
        SUBI3   R0,*AR0++,R2    ; R2 := 10 - -7 = 17, AR0 := tab + 1
        ADDI3   *AR0,*+AR0(1),R3 ; R3 := 20 + 10 = 30
        CMPI    0,R0            ; N
        LDILT   5,R4            ; taken: R4 := 5
        PUSH    R1
        POP     R5              ; R5 := 3
        CALL    rutina
        LDI     @dres,AR1
        LDI     @dres,AR2
        MPYI3   *AR0,*AR1,R0    ; 20 * 0xDEAD
||      ADDI3   R1,R5,R2        ; 3 + 3
        STI     R1,*AR1++       ; res[0] := 3
||      STI     R5,*AR2         ; res[0] as well
        LDI     *AR1,R6
||      LDI     *-AR0(1),R7
        ADDI3   R1,*AR0,R6
||      STI     R5,*AR1
        LDI     @dsalto,AR3
        BU      AR3             ; register form
        NOP
salto:  BZ      fin             ; PC-relative, not taken
        BRD     fin
        NOP
        NOP
        NOP
fin:    BR      fin
rutina: LDF     1.5,R7
        RETSU
        .data
pila:   .word   0809F00h
dtab:   .word   tab
dres:   .word   res
dsalto: .word   salto
tab:    .word   10, 20, 10
res:    .word   0DEADh, 0DEADh
