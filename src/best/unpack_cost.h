// What printing a record costs the unpack routines, in T-states (Z80) and
// states (i8080), and how far the search may cut the code stream before
// printing grows dearer than it may.
//
// Printing a record of c characters packed into k codes takes, counted from
// the record's first code to the return: per_code for each code fetched
// from the stream, per_pair for each pair expanded (a code of L characters
// is L - 1 pairs, whatever its shape, so c - k in all), per_character for
// each character looked up and printed (the print routine's RET included)
// and per_record for the code 0 that ends it. Fewer codes mean more pair
// expansions, each dearer than a fetch: every code the search saves makes
// printing per_pair - per_code T-states slower.
#pragma once

#include <cstdint>

#include "best/search_best_image.h"

namespace vendrel {

struct UnpackCost {
    int per_code;
    int per_pair;
    int per_character;
    int per_record;
};

// The Z80 routine: LD A,(DE) / INC DE / OR A / RET Z / CALL / JR per code;
// LD B / SUB B / LD H / JR C / ... / CALL / POP / LD A,(HL) / JR per pair.
inline constexpr UnpackCost kZ80Cost{51, 131, 86, 28};
// The i8080 routine, instruction for instruction the same.
inline constexpr UnpackCost kI8080Cost{48, 130, 84, 27};

// How much dearer the search may make printing the whole text, in hundredths
// of a percent.
inline constexpr int kMostPrintingRise = 99;

// The fewest codes (code 0 left out) that the search's stream may have:
// with fewer, printing every record would take more than kMostPrintingRise
// more T-states than with greedy's stream, on the Z80 or the i8080.
long long least_stream_codes(const std::uint8_t* text, int length, const PhraseImage& greedy);

}  // namespace vendrel
