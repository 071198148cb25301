; Serving an interrupt clears only its own flag. IF = 3 (INT0 and INT1) with
; IE = 1 and GIE: INT0 is served; its routine reads IF, where INT1, set but
; not enabled, is still pending: 2. Once the routine's RETI has set GIE
; again the program enables INT1 too, and INT1 is offered and served; its
; routine reads IF 0.
; Expected at fin: two interrupts taken, INT0 then INT1; R4 2, R5 0, R2 3,
; IF 0, IE 3, GIE set, SP back at pila.
        .text
inicio: LDP     dvec0
        NOP
        LDI     @dvec0,R0
        LDI     @dvec1,R1
        LDI     1,AR1
        LDI     2,AR2
        NOP
        NOP
        STI     R0,*AR1         ; vector of INT0
        STI     R1,*AR2         ; vector of INT1
        LDI     @pila,SP
        LDI     1,IE
        LDI     3,IF            ; INT0 and INT1 pending
        OR      2000h,ST        ; GIE
bucle:  ADDI    1,R2
        CMPI    3,R2
        BNE     bucle
        OR      2,IE            ; INT1 enabled
        NOP
        NOP
fin:    BR      fin
rut0:   LDI     IF,R4           ; 2
        RETI
rut1:   LDI     IF,R5           ; 0
        RETI
        .data
dvec0:  .word   rut0
dvec1:  .word   rut1
pila:   .word   0809F00h
