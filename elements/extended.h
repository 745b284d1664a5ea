// The 80-bit extended floating-point format of the files: 64-bit significand
// with explicit integer bit, then 15-bit exponent (bias 16383) with the sign in
// the top bit of the last byte, little-endian.
//
// An Extended keeps a stored value as its ten bytes, so that every value a file
// holds, also one beyond a double's precision or range, saves back unchanged
// and keeps its order and its text. All conversions work on the bits with
// integer arithmetic and give the same results on every platform.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>

using ExtendedBytes = std::array<std::uint8_t, 10>;

class Extended {
public:
    // +0.
    Extended() = default;
    // Exact for every double; a signalling NaN becomes quiet, its payload kept.
    Extended(double value);  // NOLINT: a double widens to extended implicitly
    static Extended fromBytes(const ExtendedBytes& bytes);
    // Exact for every 64-bit integer.
    static Extended fromInt64(std::int64_t value);

    const ExtendedBytes& bytes() const { return bytes_; }
    // The nearest double, ties to even; beyond the range ±infinity, below it ±0.
    // A NaN keeps its sign and the top 52 bits of its payload and becomes quiet.
    // The encodings that are no number (integer bit clear with an exponent other
    // than 0) give the default NaN, as the x87 unit does.
    double toDouble() const;
    // A NaN or one of the encodings that are no number.
    bool isNaN() const;

    // Numeric order: -0 equals +0; a NaN is unordered, also against itself.
    friend std::partial_ordering operator<=>(const Extended& a, const Extended& b);
    friend bool operator==(const Extended& a, const Extended& b) { return (a <=> b) == 0; }

private:
    ExtendedBytes bytes_{};
};

// The shortest decimal that reads back as the same extended value, in the
// form std::to_chars gives for a floating-point value without a format: fixed
// or scientific, whichever is shorter, fixed on a tie; "inf", "nan", with "-"
// for a negative sign.
std::string extendedText(const Extended& value);
