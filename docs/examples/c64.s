; c64.s - prints one message of a Vendrel image on the Commodore 64.
;
; The image: the adventure sample packed for the 6502, with CR line ends
; (CHROUT starts a new line on CR and ignores LF) and its letters turned
; into PETSCII (c64-petscii.ct), for the default load address $1000 (4096)
; and the default print address $FFD2, the KERNAL's CHROUT; raw, with the
; include file that names its addresses:
;
;     vendrel -6502 -only-cr -ct docs/examples/c64-petscii.ct \
;             -inc adventure.inc -o adventure.bin samples/adventure.txt
;
; This program (ca65) is one PRG file holding a BASIC line, the code below
; and the image at $1000. Build it beside adventure.inc and adventure.bin:
;
;     cl65 -t c64 -C c64-asm.cfg -u __LOADADDR__ -o show.prg c64.s
;
; LOAD "SHOW",8 and RUN: line 10 is SYS 2063, which prints record 1. The
; record number is the word at 2061 (low byte) and 2062:
;
;     POKE 2061,5: POKE 2062,0: RUN
;
; BASIC can also call the routine itself, as SYS loads A from 780 and X
; from 781 and stores A back there on return (0: printed, 1: no such
; record):
;
;     POKE 780,5: POKE 781,0: SYS 4096: PRINT PEEK(780)
;
; Stack: the routine needs 2 bytes, 3 more per nesting level of the pair
; being expanded (ADVENTURE_STACK bytes for the deepest record), and what
; CHROUT uses; vendrel refuses an image whose deepest record needs more
; than -stack allows (96 bytes unless given).
; Zero page: $FB..$FE (-zp), which BASIC and the KERNAL leave alone.

        .setcpu "6502"
        .include "adventure.inc"

CHROUT  = $FFD2             ; KERNAL: print the character in A

        .segment "CODE"
        .org $0801
        .word line_end, 10  ; link to the next line, line number 10
        .byte $9E, "2063", 0 ; SYS 2063
line_end:
        .word 0             ; no more lines
record: .word 1             ; 2061: the record to print, 1 .. ADVENTURE_RECORDS
show:   .assert show = 2063, error, "the SYS address of line 10"
        lda #14             ; CHROUT 14: the lower/upper case character set
        jsr CHROUT
        lda record          ; A = record number low, X = high
        ldx record+1
        jmp ADVENTURE_LOAD  ; prints the record through CHROUT; its RTS
                            ; returns to BASIC with A = 0 (printed) or 1

        .res ADVENTURE_LOAD - *, 0
        .incbin "adventure.bin"
        .assert * = ADVENTURE_LOAD + ADVENTURE_LENGTH, error, "adventure.bin is not the image of adventure.inc"
