; The instructions whose words leave operand fields unused, for the pipeline
; window's detail panel: it shows only the sources and the destination each
; one has. Run one instruction a step; IDLE, last, waits where it stands.
; R1 5 before the rotations; TRAPU 2 goes to vtrap and RETIU comes back.
        .text
inicio: LDP     pila
        LDI     @pila,SP
        LDI     @dtab,AR3
        LDI     @vrut,R0
        LDI     022h,AR0        ; vector of trap 2 (trap base 0x20)
        STI     R0,*AR0
        NOP
        NOP     *AR3++          ; only the address update
        LDI     5,R1
        PUSH    R1
        POP     R2              ; R2 := 5
        LDF     1.5,R3
        PUSHF   R3
        POPF    R4              ; R4 := 1.5
        ROL     R1              ; R1 := 10
        ROLC    R1
        ROR     R1
        RORC    R1
        CMPI3   R1,R2
        CMPF3   R3,R4
        TSTB3   R1,R2
        SIGI
        IACK    *AR3
        .word   010800001h      ; LOPOWER (the assembler lacks the name)
        .word   010800000h      ; MAXSPEED
        SWI
        CALL    rutina
        TRAPU   2
        BR      ultimo
rutina: RETSU
vtrap:  RETIU
ultimo: IDLE
        .data
pila:   .word   0809F00h
dtab:   .word   tab
vrut:   .word   vtrap
tab:    .word   10, 20, 30
