// The 80-bit extended floating-point format of the files: 64-bit significand
// with explicit integer bit, then 15-bit exponent (bias 16383) with the sign in
// the top bit of the last byte, little-endian. In memory it is long double,
// which on x86-64 is exactly this format.
#pragma once

#include <array>
#include <cstdint>

using Extended = long double;

std::array<std::uint8_t, 10> encodeExtended(Extended value);
Extended decodeExtended(const std::array<std::uint8_t, 10>& bytes);
