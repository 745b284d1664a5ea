// The integer syntax of every entry field of the workbench: optional leading
// blanks (U+0020 only), an optional sign, then decimal digits or a
// hexadecimal number introduced by "$", "x", "X", "0x" or "0X"; nothing may
// follow. The value, sign included, must lie in the signed 32-bit range, so
// "-$80000000" is the smallest accepted hexadecimal value and "$80000000" is
// out of range.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The value of the text, or nothing when the text breaks the syntax or the
// range.
std::optional<std::int32_t> parseInteger32(std::string_view text);

// The keys of the tree pages: whole numbers from 1 to 99, so that every key
// fits the drawings in two digits. The number when parseInteger32 accepts the
// text and the value lies in that range, else nothing.
std::optional<std::int32_t> parseTreeNumber(std::string_view text);

// parseTreeNumber; when it fails, also shows the information message
// message::treeNumberRange.
std::optional<std::int32_t> readTreeNumber(std::string_view text);
