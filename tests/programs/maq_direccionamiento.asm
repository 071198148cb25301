; Every indirect addressing code (0-25) on AR0, which starts at tabla + 15
; each time (word i of tabla holds i). IR0 3, IR1 7,
; BK 8; the low four bits of tabla + 15 are 5, index 5 of its block of 8.
; For code k, res[2k] is the word read and res[2k+1] AR0 afterwards.
; With the pipeline nothing interlocks: a register or DP loaded by an
; instruction is seen by the instructions two (DP) or three (AR, SP) after it,
; so NOPs stand in between.
        .text
inicio: LDP     dtabla
        NOP
        LDI     @dres,AR7
        LDI     3,IR0
        LDI     7,IR1
        LDI     8,BK
        LDI     @dbase,AR0      ; code 0
        NOP
        NOP
        LDI     *+AR0(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 1
        NOP
        NOP
        LDI     *-AR0(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 2
        NOP
        NOP
        LDI     *++AR0(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 3
        NOP
        NOP
        LDI     *--AR0(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 4
        NOP
        NOP
        LDI     *AR0++(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 5
        NOP
        NOP
        LDI     *AR0--(5),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 6
        NOP
        NOP
        LDI     *AR0++(5)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 7
        NOP
        NOP
        LDI     *AR0--(5)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 8
        NOP
        NOP
        LDI     *+AR0(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 9
        NOP
        NOP
        LDI     *-AR0(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 10
        NOP
        NOP
        LDI     *++AR0(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 11
        NOP
        NOP
        LDI     *--AR0(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 12
        NOP
        NOP
        LDI     *AR0++(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 13
        NOP
        NOP
        LDI     *AR0--(IR0),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 14
        NOP
        NOP
        LDI     *AR0++(IR0)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 15
        NOP
        NOP
        LDI     *AR0--(IR0)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 16
        NOP
        NOP
        LDI     *+AR0(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 17
        NOP
        NOP
        LDI     *-AR0(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 18
        NOP
        NOP
        LDI     *++AR0(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 19
        NOP
        NOP
        LDI     *--AR0(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 20
        NOP
        NOP
        LDI     *AR0++(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 21
        NOP
        NOP
        LDI     *AR0--(IR1),R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 22
        NOP
        NOP
        LDI     *AR0++(IR1)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 23
        NOP
        NOP
        LDI     *AR0--(IR1)%,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 24
        NOP
        NOP
        LDI     *AR0,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
        LDI     @dbase,AR0      ; code 25
        NOP
        NOP
        LDI     *AR0++(IR0)B,R0
        STI     R0,*AR7++
        STI     AR0,*AR7++
fin:    BR      fin
        .data
dtabla: .word   tabla
dbase:  .word   tabla+15
dres:   .word   res
tabla:  .word   0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31
        .word   32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63
res     .usect  "res",52
