#include "demo/treenumber.h"

#include "elements/platform.h"

std::optional<std::int32_t> readTreeNumber(std::string_view text) {
    const auto value = parseInteger32(text);
    if (!value || *value < 1 || *value > 99) {
        userMessages().information("Ganze Zahl von 1 bis 99 eingeben");
        return std::nullopt;
    }
    return value;
}
