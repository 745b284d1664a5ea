// The tree pages' number sequences: how the typed text splits into entries
// and the random numbers that avoid the tree's keys.
#include "workbench/numbersequence.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "workbench/randomsource.h"

using namespace numbersequence;
using Entries = std::vector<std::string>;

TEST(NumberSequence, SplitsAtBlanksAndCommasAndKeepsEveryOtherCharacter) {
    const std::pair<const char*, Entries> cases[] = {
        {"", {}},
        {" ,, ", {}},
        {"5,3 8", {"5", "3", "8"}},
        {"  5 ,3,, 8  ", {"5", "3", "8"}},
        {"105 x $1F -4", {"105", "x", "$1F", "-4"}},
        {"1;2\t3", {"1;2\t3"}},
    };
    for (const auto& [text, entries] : cases) EXPECT_EQ(splitEntries(text), entries) << text;
}

TEST(NumberSequence, DrawsDistinctFreeNumbersAndFewerWhenFewAreFree) {
    RandomSource random(7);
    std::vector<int> drawn = drawFreeNumbers(
        20, [](int n) { return n % 2 == 1; }, random);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn.size(), 20u);
    EXPECT_EQ(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](int n) { return n % 2 == 0; }));

    std::vector<int> rest = drawFreeNumbers(
        10, [](int n) { return n % 49 != 1; }, random);
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, (std::vector<int>{1, 50, 99}));
}
