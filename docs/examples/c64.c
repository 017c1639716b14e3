/* c64.c - prints one message of a Vendrel image from a cc65 program on the
 * Commodore 64, through the routine's C header.
 *
 * The image: the adventure sample packed for the 6502 at $C000 (49152),
 * printing through the KERNAL's CHROUT at $FFD2 (the default -pa), with CR
 * line ends and PETSCII letters, as a PRG file, with the header:
 *
 *     vendrel -6502 -prg -a 0xC000 -only-cr -ct docs/examples/c64-petscii.ct \
 *             -inc adventure.h -o adventure.prg samples/adventure.txt
 *
 * This program, built beside adventure.h; the linker keeps the program,
 * its heap and its stack below $C000:
 *
 *     cl65 -t c64 -O -Wl -D,__HIMEM__=49152 -o show.prg c64.c
 *
 * Put show.prg and adventure.prg (named ADVENTURE) on one disk, LOAD"SHOW",8
 * and RUN:REM 5 prints record 5 (RUN alone prints record 1).
 *
 * The same program runs on cc65's simulator, which has no KERNAL: there it
 * reads adventure.prg from the host's current directory and prints through
 * a function of its own, put behind a JMP at the print address, which must
 * then lie in RAM that the program and its stack leave alone:
 *
 *     vendrel -6502 -prg -a 0xC000 -pa 0xBFF0 ... (as above)
 *     cl65 -t sim6502 -O -o show c64.c && sim65 show 5
 *
 * ADVENTURE_PRINT_RECORD(record) calls the routine at ADVENTURE_LOAD as a
 * __fastcall__ function: 0 when the record was printed, 1 when the image
 * has no such record; the program's exit code is that value. The routine takes the zero-page bytes $FB..$FE
 * (-zp), which cc65's own zero page leaves free.
 */
#include <stdio.h>
#include <stdlib.h>

#include "adventure.h"

#if defined(__C64__)
#include <cbm.h>
#include <device.h>

/* cbm_load puts a PRG file where its first two bytes say. */
static unsigned char load_image(void)
{
    return cbm_load("adventure", getcurrentdevice(), NULL) == ADVENTURE_LENGTH;
}

/* CHROUT 14: the lower/upper case character set that the letters are for. */
static void prepare_output(void)
{
    cbm_k_bsout(14);
}

#elif defined(__SIM6502__)
#include <unistd.h>

/* The print routine: the character comes in A, the argument of a
 * __fastcall__ function; it returns by RTS. */
static void __fastcall__ write_character(unsigned char c)
{
    write(STDOUT_FILENO, &c, 1);
}

static unsigned char load_image(void)
{
    unsigned char loaded;
    FILE* file = fopen("adventure.prg", "rb");
    if (file == NULL) {
        return 0;
    }
    loaded = fgetc(file) == (ADVENTURE_LOAD & 0xFF) && fgetc(file) == (ADVENTURE_LOAD >> 8) &&
             fread((void*)ADVENTURE_LOAD, 1, ADVENTURE_LENGTH, file) == ADVENTURE_LENGTH;
    fclose(file);
    return loaded;
}

/* JMP write_character at the print address. */
static void prepare_output(void)
{
    *(unsigned char*)ADVENTURE_PRINT = 0x4C;
    *(void**)(ADVENTURE_PRINT + 1) = (void*)write_character;
}
#endif

int main(int argc, char* argv[])
{
    const unsigned record = argc > 1 ? (unsigned)atoi(argv[1]) : 1;
    if (!load_image()) {
        puts("adventure.prg is missing or not this header's image");
        return 2;
    }
    /* Past the last record the routine would print what follows the
     * image up to a 0 byte, or find nothing and give 1. */
    if (record < 1 || record > ADVENTURE_RECORDS) {
        printf("No record %u: 1 .. %u\n", record, ADVENTURE_RECORDS);
        return 1;
    }
    prepare_output();
    return ADVENTURE_PRINT_RECORD(record);
}
