#include "listing/include_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/record_walker.h"
#include "listing/record_summary.h"
#include "target/cpu_description.h"

namespace vendrel {

namespace {

// Characters of each record shown in its comment line.
constexpr std::size_t kPreviewWidth = 40;

// The prefix when the include file's name leaves nothing to derive one from.
constexpr std::string_view kFallbackPrefix = "VENDREL";

// Assembler EQUs (pasmo, z80asm, sjasmplus) or C defines (z88dk, SDCC).
enum class IncludeForm { assembler, c_header };

// How the assemblers of the image's CPU spell a named value: "NAME: EQU n"
// for the Z80 and the i8080, "NAME = $hhhh" for the 6502 (ca65, acme,
// 64tass, dasm and xa all read it). The 6502 routine also takes zero-page
// bytes, and its C form is for cc65.
enum class IncludeDialect { equ, assignment };

// How a value is written.
enum class Shown {
    count,      // in decimal
    address,    // EQU and #define: also in hex; the 6502's assemblers: "$hhhh"
    zero_page,  // "$hh" (0xhh), so that a 6502 assembler takes it as one
};

// One named value of the include file.
struct IncludeValue {
    std::string name;
    int value = 0;
    Shown shown = Shown::count;
    std::string meaning;
};

// The zero-page bytes that the 6502 routine keeps its pointer and counter in.
constexpr int kZeroPageBytes = 4;

IncludeDialect dialect_of(const CpuDescription& cpu) {
    return &cpu == &mos6502_cpu ? IncludeDialect::assignment : IncludeDialect::equ;
}

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view base_name(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// C and C++ header names: ".h", ".hpp", ".hh" and ".hxx", in either case.
IncludeForm form_of(std::string_view path) {
    const std::string_view name = base_name(path);
    const std::size_t dot = name.rfind('.');
    std::string extension;
    if (dot != std::string_view::npos) {
        for (const char c : name.substr(dot + 1)) extension.push_back(lower(c));
    }
    const bool header = extension == "h" || extension == "hpp" || extension == "hh" || extension == "hxx";
    return header ? IncludeForm::c_header : IncludeForm::assembler;
}

// The first address after the image, modulo 65,536, and what it means at
// the top of memory: an image whose last byte is 65535 fills memory to its
// end, one that goes further wraps to address 0.
std::string end_meaning(int end) {
    if (end < 0x10000) return "first free address after the image";
    if (end == 0x10000) return "first free address after the image (0: the image ends at 65535)";
    return "first free address after the image (the image wraps past 65535)";
}

// A comment line. The text is already free of control characters; a
// "/*" or "*/" in it is split, so that it can neither end a C comment nor
// open a block comment in an assembler that knows them. The C form closes
// each line itself, so no backslash can end it.
std::string comment(IncludeForm form, std::string_view text) {
    std::string safe;
    for (std::size_t i = 0; i < text.size(); ++i) {
        safe.push_back(text[i]);
        const bool next_pairs = i + 1 < text.size() && ((text[i] == '/' && text[i + 1] == '*') ||
                                                        (text[i] == '*' && text[i + 1] == '/'));
        if (next_pairs) safe.push_back(' ');
    }
    if (form == IncludeForm::c_header) return "/* " + safe + " */";
    return "; " + safe;
}

std::string hex_word(int value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(value) & 0xFFFFu);
    return digits;
}

// A zero-page address as two hex digits, so that every assembler takes it
// as one.
std::string hex_byte(int value) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(value) & 0xFFu);
    return digits;
}

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size() + 1), ' ');
    return text;
}

std::vector<IncludeValue> include_values(const Job& job, const PackedText& packed, const std::string& prefix) {
    const CpuDescription& cpu = *packed.cpu;
    const CallingConvention& calls = cpu.calls;
    const int end = job.load_address + job.total_length;
    const std::string records = std::to_string(job.record_count);
    const std::string record_register = calls.record_register;
    const std::string load_meaning = "load address: call it with the record number in " + record_register;
    const std::string print_meaning = std::string("print address: gets each character in ") +
                                      calls.character_register + ", must keep " + calls.kept_registers;
    std::vector<IncludeValue> values = {
        {prefix + "_LOAD", job.load_address, Shown::address, load_meaning},
        {prefix + "_PRINT", job.print_address, Shown::address, print_meaning},
        {prefix + "_ROUTINE_LENGTH", job.routine_length, Shown::count, "unpack routine at the start of the image"},
        {prefix + "_LENGTH", job.total_length, Shown::count, "image length: routine, symbol table and codes"},
        {prefix + "_END", end & 0xFFFF, Shown::address, end_meaning(end)},
        {prefix + "_RECORDS", job.record_count, Shown::count,
         "number of records: call with " + record_register + " = 1 .. " + records},
    };
    if (dialect_of(cpu) == IncludeDialect::assignment) {
        const std::string bytes = "$" + hex_byte(job.zero_page) + "..$" + hex_byte(job.zero_page + kZeroPageBytes - 1);
        values.insert(values.begin() + 2, {prefix + "_ZP", job.zero_page, Shown::zero_page,
                                           "zero page the routine takes for its pointer and counter: " + bytes});
        values.push_back({prefix + "_STACK", stack_bytes(cpu, deepest_record_nesting(packed.codes)), Shown::count,
                          "stack bytes the deepest record takes, besides the JSR and the print routine"});
    }
    return values;
}

std::string assignment_line(const IncludeValue& value, std::size_t name_width) {
    std::string name = value.name;
    name.resize(name_width, ' ');
    const std::string shown = value.shown == Shown::count     ? std::to_string(value.value)
                              : value.shown == Shown::address ? "$" + hex_word(value.value)
                                                              : "$" + hex_byte(value.value);
    return name + " = " + padded(shown, 6) + comment(IncludeForm::assembler, value.meaning);
}

std::string value_line(IncludeForm form, IncludeDialect dialect, const IncludeValue& value, std::size_t name_width) {
    std::string name = value.name;
    if (form == IncludeForm::assembler && dialect == IncludeDialect::assignment) {
        return assignment_line(value, name_width);
    }
    if (form == IncludeForm::assembler) {
        // z80asm wants the colon; pasmo and sjasmplus accept it.
        name += ':';
        name.resize(name_width + 1, ' ');
        const std::string hex = value.shown != Shown::count ? hex_word(value.value) + "h, " : "";
        return name + " EQU " + padded(std::to_string(value.value), 6) + comment(form, hex + value.meaning);
    }
    name.resize(name_width, ' ');
    const std::string shown = value.shown == Shown::count     ? std::to_string(value.value)
                              : value.shown == Shown::address ? "0x" + hex_word(value.value)
                                                              : "0x" + hex_byte(value.value);
    return "#define " + name + " " + padded(shown, 7) + comment(form, value.meaning);
}

// How a program calls the routine: for the Z80 and the i8080 from the
// calling convention's words; the 6502 routine returns its result in A,
// which a cc65 program reads as the value of a function.
std::vector<std::string> calling_lines(const CpuDescription& cpu, IncludeDialect dialect, IncludeForm form,
                                       const std::string& prefix) {
    const CallingConvention& calls = cpu.calls;
    const std::string changed = calls.changed_registers;
    if (dialect == IncludeDialect::equ) {
        return {"Put a record number in " + std::string(calls.record_register) + " and call " + prefix +
                    "_LOAD; the record is printed",
                "through " + prefix + "_PRINT. " + changed + " change; " + calls.found_flag + " is set when the",
                "record was found."};
    }
    if (form == IncludeForm::c_header) {
        return {"For cc65: " + prefix + "_PRINT_RECORD(record) calls the routine at " + prefix + "_LOAD, which",
                "prints the record through " + prefix + "_PRINT and gives 0, or 1 when the record",
                "is not in the image (nothing printed)."};
    }
    return {"Put a record number in " + std::string(calls.record_register) + " and JSR " + prefix + "_LOAD; the record",
            "is printed through " + prefix + "_PRINT. " + changed + " change; it returns",
            std::string(calls.found_flag) + " when the record was found, A = 1 when not (nothing printed); X = 0."};
}

// The routine as a cc65 function: cc65 passes one unsigned argument in A
// (low) and X (high) to a __fastcall__ function and takes an unsigned char
// result from A, the routine's own convention. A header cannot bind a
// function's name to an address, so the call goes through a pointer.
std::vector<std::string> cc65_declaration(const std::string& prefix) {
    const std::string type = prefix + "_ROUTINE";
    return {"/* unsigned char __fastcall__ " + prefix + "_PRINT_RECORD(unsigned record); */",
            "typedef unsigned char (__fastcall__ *" + type + ")(unsigned record);",
            "#define " + prefix + "_PRINT_RECORD(record) (((" + type + ")" + prefix + "_LOAD)(record))"};
}

std::string record_line(IncludeForm form, const RecordSummary& record) {
    std::string line = std::to_string(record.number);
    if (record.open) line += " (after the last separator: printed only when a 0 byte follows the image)";
    return comment(form, line + ": " + record_preview(record.text, kPreviewWidth));
}

std::string include_text(const Job& job, IncludeForm form, const std::string& prefix) {
    std::vector<std::string> lines;
    const char* output = job.output_path != nullptr ? job.output_path : "";
    const std::string image = record_preview(base_name(output), kMaxOutputNameLength);
    const PackedText packed = packed_text_of(job);
    const CpuDescription& cpu = *packed.cpu;
    const IncludeDialect dialect = dialect_of(cpu);
    lines.push_back(comment(form, "Packed image " + image + " (" + cpu.name + " routine), made by Vendrel."));
    for (const std::string& line : calling_lines(cpu, dialect, form, prefix)) lines.push_back(comment(form, line));
    lines.emplace_back();
    const std::string guard = prefix + "_VENDREL_H";
    if (form == IncludeForm::c_header) {
        lines.push_back("#ifndef " + guard);
        lines.push_back("#define " + guard);
        lines.emplace_back();
    }

    const std::vector<IncludeValue> values = include_values(job, packed, prefix);
    std::size_t name_width = 0;
    for (const IncludeValue& value : values) name_width = std::max(name_width, value.name.size());
    for (const IncludeValue& value : values) lines.push_back(value_line(form, dialect, value, name_width));
    if (form == IncludeForm::c_header && dialect == IncludeDialect::assignment) {
        lines.emplace_back();
        for (const std::string& line : cc65_declaration(prefix)) lines.push_back(line);
    }

    lines.emplace_back();
    const std::vector<RecordSummary> records = summarize_records(packed);
    lines.push_back(comment(form, records.empty() ? "No records." : "Records, by number, with their first characters:"));
    for (const RecordSummary& record : records) lines.push_back(record_line(form, record));

    if (form == IncludeForm::c_header) {
        lines.emplace_back();
        lines.push_back("#endif /* " + guard + " */");
    }

    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

}  // namespace

bool is_include_identifier(std::string_view name) {
    if (name.empty() || !(is_letter(name[0]) || name[0] == '_')) return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return is_letter(c) || is_digit(c) || c == '_'; });
}

std::string derive_include_prefix(std::string_view include_path) {
    std::string_view name = base_name(include_path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    if (name.empty()) return std::string(kFallbackPrefix);

    std::string prefix;
    if (is_digit(name[0])) prefix.push_back('_');
    for (const char c : name) {
        if (c >= 'a' && c <= 'z') {
            prefix.push_back(static_cast<char>(c - 'a' + 'A'));
        } else {
            prefix.push_back(is_letter(c) || is_digit(c) ? c : '_');
        }
    }
    return prefix;
}

int compose_include_file(const Job& job, std::string& text) {
    const char* include = job.include_path != nullptr ? job.include_path : "";
    const std::string prefix =
        job.include_prefix != nullptr ? std::string(job.include_prefix) : derive_include_prefix(include);
    if (!is_include_identifier(prefix)) return report_error(kBadIncludePrefix, prefix.c_str());

    text = include_text(job, form_of(job.include_path), prefix);
    return 0;
}

}  // namespace vendrel
