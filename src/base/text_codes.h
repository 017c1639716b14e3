// The bytes and codes that give a text its structure: the end mark in
// memory, the record separator's code, the line ends, and the head bytes of
// a Desktop document's lines.
#pragma once

#include <cstdint>

namespace vendrel {

// Ends the text or the code stream in memory; never a source byte and never
// written into an image.
inline constexpr std::uint8_t kEndMark = 0xFF;

// Code 0, the first character of the prepared text, separates the records.
inline constexpr std::uint8_t kSeparatorCode = 0;

inline constexpr std::uint8_t kCarriageReturn = 13;
inline constexpr std::uint8_t kLineFeed = 10;

// A Desktop line starts with a head byte (128 or more); either of these
// bits in it means two more head bytes follow.
inline constexpr std::uint8_t kDesktopLongHeadBits = 0x60;
// The head byte that starts every extracted record with -dtp: a one-byte
// line head.
inline constexpr std::uint8_t kDesktopLineHead = 128;

}  // namespace vendrel
