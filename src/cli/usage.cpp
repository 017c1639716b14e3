// The banner, the usage text and its pause.
#include <cstdio>

#include "cli/console.h"

namespace vendrel {

void print_banner() {
    std::printf("%s v%d.%d - %s\n", "Vendrel", VENDREL_VERSION_MAJOR, VENDREL_VERSION_MINOR,
                "the Vendrel developers, 2026");
    std::printf("Byte-pair text packer for Z80 and i8080 machines (ZX Spectrum, PMD 85)\n\n");
}

void wait_for_enter() {
    std::printf("\nPress ENTER ...");
    std::fflush(stdout);
    // Standard input that ends or fails before a line feed ends the pause
    // too, so the usage text never hangs without a terminal.
    for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {
    }
}

void print_usage() {
    std::printf("Usage: %s [options] srcfile.ext\n", "vendrel");
    std::fputs("\nOptions:\n"
               "  -o outfile.ext  output file name\n"
               "  -append\t  append at the end of the output file\n"
               "  -dtp\t\t  source file comes from Universum's Desktop\n"
               "  -lc\t\t  transform upper case characters to lower case (only for -dtp)\n"
               "  -no-crlf\t  remove CR/LF from text\n"
               "  -crlf-spc\t  replace CR/LF in text with space\n"
               "  -only-cr\t  keep only CR in text\n"
               "  -only-lf\t  keep only LF in text\n"
               "  -z80\t\t  insert Z80 unpack routine\n"
               "  -i8080\t  insert i8080 unpack routine\n"
               "  -a address\t  start address [32768 (z80) / 0 (i8080)]\n"
               "  -pa address\t  \"print\" address [16 (z80) / 8500h (i8080)]\n"
               "  -ptp\t\t  create PTP file (PMD 85)\n"
               "  -tap\t\t  create TAP file (ZX Spectrum)\n"
               "  -n name\t  name of the tape block (max. 8 (PTP) / 10 (TAP) characters)\n",
               stdout);
    wait_for_enter();
    std::fputs("  -ct convtab.ext conversion table file\n"
               "  -x from to\t  extract records from packed data file (from=0 all)\n"
               "\t\t    If -o is not specified, records are printed to the console.\n"
               "\t\t    If -o and -dtp are specified, Desktop format is used.\n"
               "  -vb\t\t  verbose\n"
               "  -h\t\t  usage information\n"
               "\nAll numeric parameters must be nonnegative integers and can be in three forms:\n"
               "  decimal (e.g. 12345)\n"
               "  octal (e.g. 01234)\n"
               "  hexadecimal (e.g. 0x1234)\n\n",
               stdout);
}

}  // namespace vendrel
