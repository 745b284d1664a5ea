// The tagged value encoding shared by all structure files. A value is one
// tag byte and a payload, little-endian:
//   2/3/4 integer in 8/16/32 bits, 19 integer in 64 bits, 5 extended float,
//   6 short text (1-byte length), 12 long text (4-byte length),
//   20 UTF-8 text, 18 UTF-16 text (read only), 8 false, 9 true.
// There is no header and no end mark; readers know from the data how much to
// read. Texts are Windows-1252 bytes in memory.
#pragma once

#include <cstdint>

namespace tag {
inline constexpr std::uint8_t int8 = 2;
inline constexpr std::uint8_t int16 = 3;
inline constexpr std::uint8_t int32 = 4;
inline constexpr std::uint8_t extended = 5;
inline constexpr std::uint8_t shortText = 6;
inline constexpr std::uint8_t falseValue = 8;
inline constexpr std::uint8_t trueValue = 9;
inline constexpr std::uint8_t longText = 12;
inline constexpr std::uint8_t utf16Text = 18;
inline constexpr std::uint8_t int64 = 19;
inline constexpr std::uint8_t utf8Text = 20;
}  // namespace tag
