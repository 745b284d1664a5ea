// The 80-bit extended values: conversion to and from double, exact order and
// text, for edge values on every platform and, where long double is the x87
// format, against the x87 unit for random bit patterns.
#include "elements/extended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "tests/support/hex.h"

using testsupport::fromHex;
using testsupport::toHex;

namespace {

Extended fromHexBytes(const char* hex) {
    const std::string raw = fromHex(hex);
    ExtendedBytes bytes{};
    std::memcpy(bytes.data(), raw.data(), bytes.size());
    return Extended::fromBytes(bytes);
}

std::string hexOf(const Extended& value) {
    return toHex(std::string(value.bytes().begin(), value.bytes().end()));
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleOf(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct ConversionCase {
    const char* extended;   // the ten bytes as stored
    std::uint64_t nearest;  // the bits of the nearest double
    bool exact;             // the double widens back to the same ten bytes
};

TEST(Extended, ConvertsToTheNearestDoubleAndBackExactly) {
    const ConversionCase cases[] = {
        {"00 00 00 00 00 00 00 00 00 00", 0x0000000000000000, true},  // +0
        {"00 00 00 00 00 00 00 00 00 80", 0x8000000000000000, true},  // -0
        {"00 00 00 00 00 00 00 80 FF 3F", 0x3FF0000000000000, true},  // 1
        {"00 00 00 00 00 00 00 80 01 3C", 0x0010000000000000, true},  // DBL_MIN
        {"00 F0 FF FF FF FF FF FF 00 3C", 0x000FFFFFFFFFFFFF, true},  // largest denormal
        {"00 00 00 00 00 00 00 80 CD BB", 0x8000000000000001, true},  // -smallest denormal
        {"00 00 00 00 00 00 00 80 FF 7F", 0x7FF0000000000000, true},  // +inf
        {"00 00 00 00 00 00 00 80 FF FF", 0xFFF0000000000000, true},  // -inf
        {"00 18 09 00 00 00 00 C0 FF 7F", 0x7FF8000000000123, true},  // NaN with payload
        {"00 00 00 00 00 00 00 C0 FF FF", 0xFFF8000000000000, true},  // default NaN
        // Halfway cases go to the even neighbour, in both directions.
        {"00 04 00 00 00 00 00 80 FF 3F", 0x3FF0000000000000, false},  // 1 + 2^-53
        {"00 0C 00 00 00 00 00 80 FF 3F", 0x3FF0000000000002, false},  // 1 + 3 * 2^-53
        {"01 04 00 00 00 00 00 80 FF 3F", 0x3FF0000000000001, false},  // just above half
        {"01 00 00 00 00 00 00 80 FF 3F", 0x3FF0000000000000, false},  // 1 + 2^-63
        {"00 FC FF FF FF FF FF FF FF 3F", 0x4000000000000000, false},  // 2 - 2^-53 up to 2
        // Beyond the range: DBL_MAX + half a step is a tie that rounds up.
        {"FF FB FF FF FF FF FF FF FE 43", 0x7FEFFFFFFFFFFFFF, false},
        {"00 FC FF FF FF FF FF FF FE 43", 0x7FF0000000000000, false},
        {"FF FF FF FF FF FF FF FF FE FF", 0xFFF0000000000000, false},  // -largest extended
        // Below the range: ties and rounding among denormals.
        {"00 00 00 00 00 00 00 80 CC 3B", 0x0000000000000000, false},  // 2^-1075
        {"01 00 00 00 00 00 00 80 CC 3B", 0x0000000000000001, false},
        {"00 00 00 00 00 00 00 C0 CD 3B", 0x0000000000000002, false},  // 1.5 steps
        {"00 F8 FF FF FF FF FF FF 00 3C", 0x0010000000000000, false},  // up to DBL_MIN
        {"01 00 00 00 00 00 00 00 00 80", 0x8000000000000000, false},  // extended denormal
        {"00 00 00 00 00 00 00 80 00 00", 0x0000000000000000, false},  // pseudo-denormal
        // NaNs keep the top of their payload and become quiet.
        {"00 00 00 00 00 00 00 A0 FF 7F", 0x7FFC000000000000, false},
        {"01 00 00 00 00 00 00 C0 FF 7F", 0x7FF8000000000000, false},
        // No numbers: unnormal, pseudo-infinity, pseudo-NaN.
        {"00 00 00 00 00 00 00 40 FF 3F", 0xFFF8000000000000, false},
        {"00 00 00 00 00 00 00 00 FF 7F", 0xFFF8000000000000, false},
        {"00 00 00 00 00 00 00 40 FF FF", 0xFFF8000000000000, false},
    };
    for (const auto& c : cases) {
        const Extended value = fromHexBytes(c.extended);
        const double nearest = value.toDouble();
        EXPECT_EQ(bitsOf(nearest), c.nearest) << c.extended;
        EXPECT_EQ(hexOf(Extended(nearest)) == c.extended, c.exact) << c.extended;
    }
    // A signalling NaN becomes quiet when widened.
    EXPECT_EQ(hexOf(Extended(doubleOf(0x7FF0000000000001))), "00 08 00 00 00 00 00 C0 FF 7F");
    EXPECT_EQ(hexOf(Extended::fromInt64(std::numeric_limits<std::int64_t>::min())),
              "00 00 00 00 00 00 00 80 3E C0");
    EXPECT_EQ(hexOf(Extended::fromInt64(-3)), "00 00 00 00 00 00 00 C0 00 C0");
}

TEST(Extended, OrdersExactlyAndNaNsAreUnordered) {
    const Extended one(1.0), onePlus = fromHexBytes("01 00 00 00 00 00 00 80 FF 3F");
    EXPECT_TRUE(one < onePlus);
    EXPECT_TRUE(Extended(-0.0) == Extended(0.0));
    EXPECT_TRUE(Extended(-1.0) < Extended(-0.0));
    // The pseudo-denormal equals the smallest normal; denormals lie below it.
    const Extended pseudo = fromHexBytes("00 00 00 00 00 00 00 80 00 00");
    EXPECT_TRUE(pseudo == fromHexBytes("00 00 00 00 00 00 00 80 01 00"));
    EXPECT_TRUE(fromHexBytes("FF FF FF FF FF FF FF 7F 00 00") < pseudo);
    EXPECT_TRUE(Extended(std::numeric_limits<double>::infinity()) > onePlus);
    const Extended unnormal = fromHexBytes("00 00 00 00 00 00 00 40 FF 3F");
    EXPECT_TRUE(unnormal.isNaN());
    EXPECT_FALSE(unnormal == unnormal);
    EXPECT_FALSE(Extended(std::nan("")) == Extended(std::nan("")));
    EXPECT_FALSE(pseudo.isNaN());
}

TEST(Extended, TextIsTheShortestThatReadsBackAsTheSameExtended) {
    const std::pair<const char*, const char*> cases[] = {
        {"CD CC CC CC CC CC CC CC FB 3F", "0.1"},
        {"00 D0 CC CC CC CC CC CC FB 3F", "0.10000000000000000555"},  // the double 0.1
        {"01 00 00 00 00 00 00 80 FF 3F", "1.0000000000000000001"},
        {"00 F8 FF FF FF FF FF FF FE 43", "1.7976931348623157081e+308"},
        {"00 00 00 00 00 00 00 80 CD 3B", "4.940656458412465442e-324"},
        {"FF FF FF FF FF FF FF FF FE 7F", "1.189731495357231765e+4932"},
        {"01 00 00 00 00 00 00 00 00 00", "4e-4951"},
        {"00 00 00 00 00 00 00 80 3B 40", "1152921504606846976"},  // 2^60, exact digits
        {"00 00 00 00 00 00 00 80 00 80", "-3.3621031431120935063e-4932"},
        {"00 00 00 00 00 00 00 00 00 80", "-0"},
        {"00 00 00 00 00 00 00 C0 FF FF", "-nan"},
        {"00 00 00 00 00 00 00 40 FF 3F", "nan"},
    };
    for (const auto& [hex, text] : cases) EXPECT_EQ(extendedText(fromHexBytes(hex)), text) << hex;
    EXPECT_EQ(extendedText(Extended(1e21)), "1e+21");
    EXPECT_EQ(extendedText(Extended(1e-5)), "1.0000000000000000818e-05");
    EXPECT_EQ(extendedText(Extended(123456.5)), "123456.5");
    // Fixed or scientific, whichever is shorter, fixed on a tie.
    EXPECT_EQ(extendedText(Extended(0.00006103515625)), "6.103515625e-05");
    EXPECT_EQ(extendedText(Extended(0.0009765625)), "0.0009765625");
    EXPECT_EQ(extendedText(Extended(0.0078125)), "0.0078125");
    EXPECT_EQ(extendedText(Extended(1e15 + 0.5)), "1000000000000000.5");
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384

long double x87Of(const Extended& value) {
    long double result = 0;
    std::memcpy(&result, value.bytes().data(), value.bytes().size());
    return result;
}

Extended x87Bytes(long double value) {
    ExtendedBytes bytes;
    std::memcpy(bytes.data(), &value, bytes.size());
    return Extended::fromBytes(bytes);
}

std::string x87Text(long double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Random ten bytes; most exponents near the range of double, where rounding
// happens, the rest anywhere, zero or all ones.
Extended randomExtended(std::mt19937_64& rng) {
    ExtendedBytes bytes;
    std::uint64_t low = rng();
    if (rng() % 4 == 0) low >>= rng() % 64;  // also short significands
    std::memcpy(bytes.data(), &low, 8);
    unsigned top = static_cast<unsigned>(rng());
    switch (rng() % 8) {
        case 0:
            top &= 0x8000;
            break;
        case 1:
            top |= 0x7FFF;
            break;
        case 2:
        case 3:
            break;
        default:
            top = (top & 0x8000) | (16383 - 1100 + static_cast<unsigned>(rng() % 2200));
    }
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return Extended::fromBytes(bytes);
}

TEST(Extended, AgreesWithTheX87UnitOnRandomBitPatterns) {
    std::mt19937_64 rng(80);
    for (int i = 0; i < 20000; ++i) {
        const Extended a = randomExtended(rng);
        // Every other b shares a's sign and exponent, so that significands decide.
        ExtendedBytes other = randomExtended(rng).bytes();
        if (i % 2 == 0) std::copy(a.bytes().begin() + 8, a.bytes().end(), other.begin() + 8);
        const Extended b = Extended::fromBytes(other);
        const long double x = x87Of(a), y = x87Of(b);
        ASSERT_EQ(bitsOf(a.toDouble()), bitsOf(static_cast<double>(x))) << hexOf(a);
        ASSERT_EQ(a < b, x < y) << hexOf(a) << " / " << hexOf(b);
        ASSERT_EQ(a == b, x == y) << hexOf(a) << " / " << hexOf(b);
        ASSERT_EQ(extendedText(a), x87Text(x)) << hexOf(a);

        const double d = doubleOf(rng());
        const long double x87Wide = d;
        ASSERT_EQ(hexOf(Extended(d)), hexOf(x87Bytes(x87Wide))) << bitsOf(d);
        ASSERT_EQ(extendedText(Extended(d)), x87Text(x87Wide)) << bitsOf(d);

        const auto magnitude = static_cast<std::int64_t>(rng() >> (rng() % 64));
        const std::int64_t n = i % 2 == 0 ? magnitude : -magnitude;
        ASSERT_EQ(hexOf(Extended::fromInt64(n)), hexOf(x87Bytes(static_cast<long double>(n)))) << n;
    }
}

#endif

}  // namespace
