// readTreeNumber: the entry check of the tree pages. Keys of the tree pages are
// whole numbers from 1 to 99, so that every key fits the drawing in two digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "elements/integertext.h"

// The message for an entry that is no key of the tree pages.
inline constexpr const char* kTreeNumberRange = "Ganze Zahl von 1 bis 99 eingeben";

// The number when the text reads as an integer in 1..99, else nothing.
std::optional<std::int32_t> parseTreeNumber(std::string_view text);

// parseTreeNumber; when it fails, also shows the information message
// kTreeNumberRange.
std::optional<std::int32_t> readTreeNumber(std::string_view text);
