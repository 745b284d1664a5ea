#include "demo/treenumber.h"

#include "elements/platform.h"

std::optional<std::int32_t> parseTreeNumber(std::string_view text) {
    const auto value = parseInteger32(text);
    if (!value || *value < 1 || *value > 99) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> readTreeNumber(std::string_view text) {
    const auto value = parseTreeNumber(text);
    if (!value) {
        userMessages().information(kTreeNumberRange);
    }
    return value;
}
