// readTreeNumber: the entry check of the tree pages. Keys of the tree pages are
// whole numbers from 1 to 99, so that every key fits the drawing in two digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "elements/integertext.h"

// The number when the text reads as an integer in 1..99; otherwise shows the
// information message "Ganze Zahl von 1 bis 99 eingeben" and gives nothing.
std::optional<std::int32_t> readTreeNumber(std::string_view text);
