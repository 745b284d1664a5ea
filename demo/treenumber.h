// readTreeNumber: the entry check of the tree pages. Keys of the tree pages are
// whole numbers from 1 to 99, so that every key fits the drawing in two digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads text as a signed 32-bit integer: optional leading blanks, an optional
// sign, then decimal digits or a hexadecimal number introduced by "$", "x",
// "X", "0x" or "0X", and nothing after it. Empty result when that fails.
std::optional<std::int32_t> parseInteger32(std::string_view text);

// The message for an entry that is no key of the tree pages.
inline constexpr const char* kTreeNumberRange = "Ganze Zahl von 1 bis 99 eingeben";

// The number when the text reads as an integer in 1..99, else nothing.
std::optional<std::int32_t> parseTreeNumber(std::string_view text);

// parseTreeNumber; when it fails, also shows the information message
// kTreeNumberRange.
std::optional<std::int32_t> readTreeNumber(std::string_view text);
