#include "workbench/entrysyntax.h"

#include "elements/base.h"
#include "elements/cp1252.h"

namespace entrysyntax {

namespace {

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> readInt32(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    if (i == text.size()) return std::nullopt;  // no digits at all

    // The magnitude may reach 2^31 for a negative value. Leading zeros are
    // allowed in any number, so the bound is checked after every digit rather
    // than by counting digits.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

ParsedEntry parseEntry(std::string_view utf8, bool integerInput) {
    ParsedEntry result;
    if (utf8.empty()) {
        result.kind = ParsedEntry::Message::information;
        result.message = kNoEntry;
    } else if (!integerInput) {
        if (utf8.front() == '[' || utf8.back() == ']') {
            result.kind = ParsedEntry::Message::information;
            result.message = kNoBrackets;
        } else {
            result.element = std::make_unique<TString>(cp1252::fromUtf8(utf8));
        }
    } else if (const auto value = readInt32(utf8)) {
        result.element = std::make_unique<TInteger>(*value);
    } else {
        result.kind = ParsedEntry::Message::error;
        result.message = kIntegerRange;
    }
    return result;
}

bool isTreeNumber(std::string_view text) {
    const auto value = readInt32(text);
    return value && *value >= 1 && *value <= 99;
}

}  // namespace entrysyntax
