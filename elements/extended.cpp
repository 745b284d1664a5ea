#include "elements/extended.h"

#include <cfloat>
#include <cstring>

// long double must be the x87 80-bit format: its first ten bytes in memory are
// exactly the file's ten bytes.
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384, "long double is not 80-bit extended");
static_assert(sizeof(long double) >= 10);

std::array<std::uint8_t, 10> encodeExtended(Extended value) {
    unsigned char raw[sizeof(long double)];
    std::memcpy(raw, &value, sizeof raw);
    std::array<std::uint8_t, 10> bytes{};
    std::memcpy(bytes.data(), raw, bytes.size());
    return bytes;
}

Extended decodeExtended(const std::array<std::uint8_t, 10>& bytes) {
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, bytes.data(), bytes.size());
    Extended value;
    std::memcpy(&value, raw, sizeof raw);
    return value;
}
