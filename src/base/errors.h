// Error codes, their messages and the one place that reports them.
#pragma once

namespace vendrel {

// Error codes. Operations return 0 (or a count) on success and one of these
// on failure, after reporting it once through report_error.
enum ErrorCode : int {
    kUsageRequested = -1,
    kOutOfMemory = -2,
    kBadCombination = -3,
    kMissingOptionValue = -4,
    kCannotOpenInput = -5,
    kCannotAccessInput = -6,
    kCannotGetInputLength = -7,
    kInputTooLong = -8,
    kCannotReadInput = -9,
    kCannotOpenOutput = -10,
    kCannotAccessOutput = -11,
    kCannotWriteOutput = -12,
    kBadAddress = -13,
    kSecondOutputFile = -14,
    kNoInputFile = -15,
    kSecondInputFile = -16,
    kTooManyCharacters = -17,
    kByteFFInSource = -18,
    kNoRoutineType = -19,
    kBadTapeName = -20,
    kBadRecordNumbers = -21,
    kNotPackedFile = -22,
    kSecondConversionFile = -23,
    kCannotOpenConversion = -24,
    kBadCharacterCode = -25,
    kBadDefinition = -26,
    kTooManyDefinitions = -27,
    // Codes of this implementation, beyond the classic table.
    kSourceNameTooLong = -28,
    kOutputTooLong = -29,
    kDocumentTooLong = -30,
    kExtractedTextTooLong = -31,
    kOutputIsInput = -32,
    kCannotWriteConsole = -33,
    kConversionFileTooLong = -34,
    kBadLineWidth = -35,
    kBadIncludePrefix = -36,
    kIncludeIsOutput = -37,
    kBadTapeBlock = -38,
    kInterrupted = -39,
    kBadZeroPage = -40,
    kBadStackBound = -41,
    kStackTooDeep = -42,
    kImageWrapsInXex = -43,
};

inline constexpr int kLowestErrorCode = kImageWrapsInXex;

// Prints the message of code on standard error, followed by an empty line,
// and returns code. The argument is a text for messages with "%s", a number
// for those with "%d"; other messages ignore it.
int report_error(int code);
int report_error(int code, const char* text);
int report_error(int code, int number);

// The message format of an error code (nullptr for an unknown code).
const char* error_message_format(int code);

}  // namespace vendrel
