// The tree pages' number sequences: how the typed text splits into entries,
// the random numbers that avoid the tree's keys, and the summary text.
#include "workbench/numbersequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "workbench/randomsource.h"

using namespace numbersequence;

TEST(NumberSequence, SplitsAtBlanksAndCommasAndKeepsEveryOtherCharacter) {
    struct Case {
        const char* text;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"", {}},
        {" ,, ", {}},
        {"7", {"7"}},
        {"5 3 8", {"5", "3", "8"}},
        {"5,3,8", {"5", "3", "8"}},
        {"  5 ,3,, 8  ", {"5", "3", "8"}},
        {"105 x $1F -4", {"105", "x", "$1F", "-4"}},
        {"1;2\t3", {"1;2\t3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitEntries(c.text), c.entries) << c.text;
}

TEST(NumberSequence, DrawsDistinctFreeNumbersAndFewerWhenFewAreFree) {
    RandomSource random(7);
    const auto odd = [](int n) { return n % 2 == 1; };
    const std::vector<int> drawn = drawFreeNumbers(20, odd, random);
    ASSERT_EQ(drawn.size(), 20u);
    std::vector<int> sorted = drawn;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    for (int n : drawn) {
        EXPECT_EQ(n % 2, 0) << n;
        EXPECT_TRUE(n >= 2 && n <= 98) << n;
    }

    const auto allButThree = [](int n) { return n != 4 && n != 50 && n != 99; };
    std::vector<int> rest = drawFreeNumbers(10, allButThree, random);
    std::sort(rest.begin(), rest.end());
    EXPECT_EQ(rest, (std::vector<int>{4, 50, 99}));
}

TEST(NumberSequence, SummaryListsEachRefusalWithItsReason) {
    EXPECT_EQ(summary({}), "");
    EXPECT_EQ(summary({{"105", "Ganze Zahl von 1 bis 99 eingeben"},
                       {"7", "Element ist bereits vorhanden"}}),
              "Nicht eingefügt: 105 (Ganze Zahl von 1 bis 99 eingeben), 7 (Element ist bereits "
              "vorhanden)");
}
