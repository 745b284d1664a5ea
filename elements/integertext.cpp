#include "elements/integertext.h"

#include <cstddef>

#include "elements/messages.h"
#include "elements/platform.h"

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> parseInteger32(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        i += 1;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // The magnitude is kept in 64 bits and bounded by 2^31 so it cannot wrap.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + d;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> parseTreeNumber(std::string_view text) {
    const auto value = parseInteger32(text);
    if (!value || *value < 1 || *value > 99) return std::nullopt;
    return value;
}

std::optional<std::int32_t> readTreeNumber(std::string_view text) {
    const auto value = parseTreeNumber(text);
    if (!value) userMessages().information(message::treeNumberRange);
    return value;
}
