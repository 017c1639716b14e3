// Where things stand in the files of the image side: a raw packed image is
// the routine (R bytes), the symbol table and the code stream; a TAP or PTP
// file frames that image with a header block and a data block.
#pragma once

#include "base/job.h"

namespace vendrel {

// Routine lengths R: the symbol table starts R bytes into a raw image.
inline constexpr int kZ80RoutineLength = 58;
inline constexpr int kI8080RoutineLength = 72;
inline constexpr int kMos6502RoutineLength = 107;

// ZX Spectrum TAP file: a 19-byte header block and the data block, each
// behind its length word; the data block's flag byte stands before the
// image and its checksum after it.
inline constexpr int kTapHeaderBlockLength = 19;  // flag, type, name, three words, checksum
inline constexpr int kTapDataBlockStart = 2 + kTapHeaderBlockLength;
inline constexpr int kTapImageStart = kTapDataBlockStart + 3;
inline constexpr int kTapFraming = kTapImageStart + 1;
inline constexpr int kTapNameWidth = 10;

// PMD 85 PTP file: a 63-byte header block and the data block, each behind
// its length word; the image follows the data block's length word directly
// and its checksum follows the image.
inline constexpr int kPtpHeaderBlockLength = 63;  // three fill runs, 14 field bytes, checksum
inline constexpr int kPtpImageStart = 2 + kPtpHeaderBlockLength + 2;
inline constexpr int kPtpFraming = kPtpImageStart + 1;
inline constexpr int kPtpNameWidth = 8;

static_assert(kTapFraming == 25 && kPtpFraming == 68);

// A tape file as the command line and the size check see it; its writer
// and reader stand in src/tape.
struct TapeFormat {
    const char* name;           // in the verbose line
    std::int32_t Job::*option;  // the flag of the option that asks for it
    const char* extension;      // of an output name derived from the source's
    int name_width;             // characters of the tape block name
    int framing;                // bytes the file adds to the image
};

inline constexpr TapeFormat kTapFormat = {"TAP", &Job::tap, ".tap", kTapNameWidth, kTapFraming};
inline constexpr TapeFormat kPtpFormat = {"PTP", &Job::ptp, ".ptp", kPtpNameWidth, kPtpFraming};
// Program files of the 6502 machines, which name nothing: a C64-style PRG
// file (the load address, then the image) and an Atari binary load file
// ($FFFF, the first and last address, then the image).
inline constexpr int kPrgFraming = 2;
inline constexpr int kXexFraming = 6;
inline constexpr TapeFormat kPrgFormat = {"PRG", &Job::prg, ".prg", 0, kPrgFraming};
inline constexpr TapeFormat kXexFormat = {"XEX", &Job::xex, ".xex", 0, kXexFraming};

static_assert(kTapNameWidth <= kMaxTapeNameLength && kPtpNameWidth <= kMaxTapeNameLength,
              "the Job's tape name field holds either name");

}  // namespace vendrel
