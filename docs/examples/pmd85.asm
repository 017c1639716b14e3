; pmd85.asm - prints one message of a Vendrel image on the PMD 85.
;
; Written in Z80 mnemonics but restricted to instructions that the Intel
; 8080 has, with the same opcodes; the 8080 mnemonic of each is in its
; comment. Assemble with pasmo, which warns about any Z80-only instruction:
;
;     pasmo --w8080 pmd85.asm show.bin
;
; The image: the adventure sample packed for the i8080 routine, with the
; default load address 0 and the default print address 8500h (the
; monitor's character output):
;
;     vendrel -i8080 -ptp -o adventure.ptp samples/adventure.txt
;
; Put the record number at 7000h and call 7002h. The program may live in
; any free RAM; 7000h is only this example's choice.

VENDREL   equ 0000h         ; load address of the packed image (-a)

          org 7000h
record:   defw 1            ; DW    the record to print, 1 .. record count
show:     ld hl,(record)    ; LHLD  record
          ex de,hl          ; XCHG  DE = record number
          call VENDREL      ; CALL  prints the record through 8500h;
                            ;       A, flags, BC, DE, HL changed, Z set = found
          ret               ; RET
