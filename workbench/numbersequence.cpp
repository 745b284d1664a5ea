#include "workbench/numbersequence.h"

#include <utility>

#include "workbench/randomsource.h"

namespace numbersequence {

std::vector<std::string> splitEntries(std::string_view text) {
    std::vector<std::string> entries;
    std::string current;
    for (const char c : text) {
        if (c == ' ' || c == ',') {
            if (!current.empty()) entries.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) entries.push_back(std::move(current));
    return entries;
}

std::vector<int> drawFreeNumbers(int count, const std::function<bool(int)>& taken,
                                 RandomSource& random) {
    std::vector<int> free;
    for (int n = kLowest; n <= kHighest; ++n) {
        if (!taken(n)) free.push_back(n);
    }
    // A partial Fisher-Yates shuffle: the first `count` places are the draw.
    const int drawn = count < static_cast<int>(free.size()) ? count : static_cast<int>(free.size());
    for (int i = 0; i < drawn; ++i) {
        const int j = random.uniform(i, static_cast<int>(free.size()) - 1);
        std::swap(free[static_cast<std::size_t>(i)], free[static_cast<std::size_t>(j)]);
    }
    free.resize(static_cast<std::size_t>(drawn < 0 ? 0 : drawn));
    return free;
}

std::string summary(const std::vector<Refusal>& refused) {
    if (refused.empty()) return {};
    std::string text = "Nicht eingefügt: ";
    for (std::size_t i = 0; i < refused.size(); ++i) {
        if (i > 0) text += ", ";
        text += refused[i].entry + " (" + refused[i].reason + ")";
    }
    return text;
}

}  // namespace numbersequence
