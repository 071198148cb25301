; Recursive factorial with CALL, PUSH, POP and RETS: R1 := 10!.
; Expected at fin: R0 10, R1 3628800 = 0x375F00, SP 0x809F00, ST 0, res 0x375F00;
; stack words 0x809F01 = address of the STI after the first CALL, 0x809F02 = 10,
; 0x809F03 = address of the POP in fact, 0x809F12 = 2, 0x809F13 = address of the POP.
        .text
inicio: LDP     pila
        NOP
        LDI     @pila,SP
        LDI     10,R0
        NOP                     ; the CALL moves SP when decoded: LDI SP must have run
        CALL    fact
        STI     R1,@res
fin:    BR      fin
; R1 := R0!, R0 kept
fact:   CMPI    1,R0
        BGT     recur
        LDI     1,R1
        RETSU
recur:  PUSH    R0
        SUBI    1,R0
        CALL    fact
        POP     R0
        MPYI    R0,R1
        RETSU
        .data
pila:   .word   0809F00h
res:    .word   0DEADh
