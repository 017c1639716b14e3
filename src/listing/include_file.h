// The include file for the game's own source (-inc): the image's addresses
// and lengths and its records, as assembler EQUs or, for a C or C++ header
// name (".h", ".hpp", ".hh", ".hxx"), as C defines.
//
// Every name starts with a prefix: the -inc-prefix value, or the include
// file's own base name without its extension, upper-cased, with every
// character other than a letter, digit or '_' turned into '_' and a '_'
// before a leading digit ("adventure.asm" gives ADVENTURE). The names are
// PREFIX_LOAD, PREFIX_PRINT, PREFIX_ROUTINE_LENGTH, PREFIX_LENGTH (the raw
// image: routine, symbol table and codes), PREFIX_END (the first address
// after the image, modulo 65,536) and PREFIX_RECORDS; a comment line follows for each
// record with its number and first characters.
//
// For a 6502 image the values are "NAME = $hhhh" lines, which ca65, acme,
// 64tass, dasm and xa (with -M, which lets a comment hold a colon) read,
// with PREFIX_ZP (the routine's four zero-page bytes) after PREFIX_PRINT
// and PREFIX_STACK (the stack its deepest record takes) at the end;
// its C form is for cc65 and declares the routine as a function of the
// record number, PREFIX_PRINT_RECORD(record), giving 0 when the record was
// printed and 1 when the image has no such record.
#pragma once

#include <string>
#include <string_view>

#include "base/job.h"

namespace vendrel {

// The text of the include file named by job.include_path, for a packed and
// composed job; the main flow writes it together with the output. Returns
// 0 or kBadIncludePrefix (reported).
int compose_include_file(const Job& job, std::string& text);

// The prefix derived from the include file's name, as described above.
std::string derive_include_prefix(std::string_view include_path);

// Whether name can stand as a name in C and in the assemblers: a letter or
// '_', then letters, digits and '_'.
bool is_include_identifier(std::string_view name);

}  // namespace vendrel
