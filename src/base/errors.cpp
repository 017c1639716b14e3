#include "base/errors.h"

#include <cstdio>

namespace vendrel {

namespace {

enum class Argument { none, text, number };

struct ErrorMessage {
    int code;
    const char* format;
    Argument argument;
};

constexpr ErrorMessage kErrorMessages[] = {
    {kOutOfMemory, "Out of memory!", Argument::none},
    {kBadCombination, "Bad combination of options!", Argument::none},
    {kMissingOptionValue, "Missing option value(s) '%s'!", Argument::text},
    {kCannotOpenInput, "Can't open input file '%s'!", Argument::text},
    {kCannotAccessInput, "Can't access input file '%s'!", Argument::text},
    {kCannotGetInputLength, "Can't retrieve length of the input file '%s'!", Argument::text},
    {kInputTooLong, "Input file '%s' is too long!", Argument::text},
    {kCannotReadInput, "Can't read from the input file '%s'!", Argument::text},
    {kCannotOpenOutput, "Can't open output file '%s'!", Argument::text},
    {kCannotAccessOutput, "Can't access output file '%s'!", Argument::text},
    {kCannotWriteOutput, "Can't write to the output file '%s'!", Argument::text},
    {kBadAddress, "After '%s' must follow address in range 0 to 65535!", Argument::text},
    {kSecondOutputFile, "Only one output file can be specified!", Argument::none},
    {kNoInputFile, "Input file not specified!\nTry '%s -h' for help.", Argument::text},
    {kSecondInputFile, "Only one input file can be specified!", Argument::none},
    {kTooManyCharacters, "Too many different characters: %d", Argument::number},
    {kByteFFInSource, "Source text cannot contain character with code 0xFF!", Argument::none},
    {kNoRoutineType, "Routine type z80/i8080 is not specified!", Argument::none},
    {kBadTapeName, "Bad tape block name '%s'!", Argument::text},
    {kBadRecordNumbers, "Bad record number(s)!", Argument::none},
    {kNotPackedFile, "Source file is not Vendrel's packed file '%s'!", Argument::text},
    {kSecondConversionFile, "Only one conversion file can be specified!", Argument::none},
    {kCannotOpenConversion, "Can't open conversion file '%s'!", Argument::text},
    {kBadCharacterCode, "Bad character code at line %d", Argument::number},
    {kBadDefinition, "Bad definition at line %d", Argument::number},
    {kTooManyDefinitions, "Too many definitions in conversion file '%s'!", Argument::text},
    {kSourceNameTooLong, "Source file name '%s' is too long!", Argument::text},
    {kOutputTooLong, "Output would be %d bytes long, more than fits in 65536 bytes!", Argument::number},
    {kDocumentTooLong, "Desktop document expands beyond 65535 bytes!", Argument::none},
    {kExtractedTextTooLong, "Extracted text would be longer than 65535 bytes!", Argument::none},
    {kOutputIsInput, "Output file '%s' is the source or conversion file!", Argument::text},
    {kCannotWriteConsole, "Can't write to the standard output!", Argument::none},
    {kConversionFileTooLong, "Conversion file '%s' is too long!", Argument::text},
    {kBadLineWidth, "After '-w' must follow line width in range 1 to 65535!", Argument::none},
    {kBadIncludePrefix, "Bad include file prefix '%s'!", Argument::text},
    {kIncludeIsOutput, "Include file '%s' is the output file!", Argument::text},
    {kBadTapeBlock, "Tape file '%s' has no packed image at that block!", Argument::text},
    {kInterrupted, "Interrupted, '%s' is left as it was!", Argument::text},
    {kBadZeroPage, "After '-zp' must follow zero page address in range 0 to 252!", Argument::none},
    {kBadStackBound, "After '-stack' must follow stack size in range 2 to 256 bytes!", Argument::none},
    {kStackTooDeep, "The deepest record needs %d bytes of stack, more than '-stack' allows!", Argument::number},
    {kImageWrapsInXex, "Image would run past address 65535, which an XEX file cannot load!", Argument::none},
};

const ErrorMessage* find_message(int code) {
    for (const ErrorMessage& message : kErrorMessages) {
        if (message.code == code) return &message;
    }
    return nullptr;
}

// The one place that prints an error: the message, then an empty line.
int print_error(int code, const char* text, int number) {
    // What went to standard output so far comes first on a shared terminal.
    std::fflush(stdout);
    const ErrorMessage* message = find_message(code);
    if (message == nullptr) {
        std::fprintf(stderr, "Error %d\n\n", code);
        return code;
    }
    // The hint after a missing source name always names the program.
    if (code == kNoInputFile) text = "vendrel";
    switch (message->argument) {
        case Argument::none:
            std::fputs(message->format, stderr);
            break;
        case Argument::text:
            std::fprintf(stderr, message->format, text != nullptr ? text : "");
            break;
        case Argument::number:
            std::fprintf(stderr, message->format, number);
            break;
    }
    std::fputs("\n\n", stderr);
    return code;
}

}  // namespace

const char* error_message_format(int code) {
    const ErrorMessage* message = find_message(code);
    return message != nullptr ? message->format : nullptr;
}

int report_error(int code) { return print_error(code, nullptr, 0); }
int report_error(int code, const char* text) { return print_error(code, text, 0); }
int report_error(int code, int number) { return print_error(code, nullptr, number); }

}  // namespace vendrel
