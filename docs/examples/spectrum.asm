; spectrum.asm - prints one message of a Vendrel image on the ZX Spectrum.
;
; The image: the adventure sample, packed with CR line ends (the ROM's
; character output starts a new line on CR and prints LF as '?'), for the
; default load address 32768 and the default print address 16, the ROM's
; RST 10h character output:
;
;     vendrel -z80 -tap -only-cr -o adventure.tap samples/adventure.txt
;
; This program (Z80; assemble with: pasmo --tap spectrum.asm show.tap):
; put the record number at 30000 and call 30002. From BASIC:
;
;     10 CLEAR 29999: LOAD "" CODE: LOAD "" CODE
;     20 POKE 30000,5: POKE 30001,0: RANDOMIZE USR 30002
;
; Stack: the routine needs 2 bytes, 4 more per nesting level of the pair
; being expanded, and what RST 10h uses; the BASIC stack is plenty.

VENDREL   equ 32768         ; load address of the packed image (-a)
CHAN_OPEN equ 5633          ; ROM 1601h: make stream A the current channel

          org 30000
record:   defw 1            ; the record to print, 1 .. record count
show:     ld a,2            ; stream 2 is the upper screen:
          call CHAN_OPEN    ; RST 10h prints there from now on
          ld de,(record)    ; DE = record number
          call VENDREL      ; prints the record through RST 10h;
                            ; AF, BC, DE, HL changed, Z set = found
          ret               ; back to BASIC
