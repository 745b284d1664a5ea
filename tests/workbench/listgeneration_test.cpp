// The integer lists of the list page: their values, where the cursor ends, and
// the count read from the page's field.
#include "workbench/listgeneration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "elements/base.h"
#include "linear/liste.h"
#include "workbench/randomsource.h"

using namespace listgeneration;

namespace {

// The values in order; the cursor ends where it was (elemAt moves it).
std::vector<int> valuesOf(TListe& list) {
    const int position = list.position();
    std::vector<int> values;
    for (int i = 0; i < list.count(); ++i) {
        values.push_back(dynamic_cast<const TInteger&>(*list.elemAt(i)).getValue());
    }
    list.moveTo(position);
    return values;
}

}  // namespace

TEST(ListGeneration, CountFromTextTreatsNonNumbersAsTwoAndClampsTheRest) {
    struct Case {
        const char* text;
        int count;
    };
    const Case cases[] = {
        {"8", 8},     {"  37", 37}, {"$10", 16},         {"2", 2},          {"100", 100}, {"1", 2},
        {"101", 100}, {"-5", 2},    {"2147483647", 100}, {"2147483648", 2}, {"abc", 2},   {"", 2},
        {"8 ", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(countFromText(c.text), c.count) << c.text;
}

TEST(ListGeneration, AscendingAndDescendingWithoutRepeatsReplaceTheListAndPlaceTheCursor) {
    RandomSource random(1);
    TListe list;
    list.insert(std::make_unique<TString>("alt"));
    fillAscending(list, 5, false, random);
    EXPECT_EQ(valuesOf(list), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(list.position(), 5);
    fillDescending(list, 3, false, random);
    EXPECT_EQ(valuesOf(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.position(), 0);
}

TEST(ListGeneration, DrawsStayInOneToNAndKeepTheirOrderAndCursor) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        RandomSource random(seed);
        TListe list;
        fillRandom(list, 8, false, random);
        std::vector<int> values = valuesOf(list);
        ASSERT_EQ(values.size(), 8u);
        EXPECT_EQ(values.back(), 1);
        EXPECT_EQ(values[list.position()], 8);
        std::sort(values.begin(), values.end());
        EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));

        fillRandom(list, 30, true, random);
        values = valuesOf(list);
        ASSERT_EQ(values.size(), 30u);
        EXPECT_EQ(list.position(), 0);
        EXPECT_GE(*std::min_element(values.begin(), values.end()), 1);
        EXPECT_LE(*std::max_element(values.begin(), values.end()), 30);

        fillAscending(list, 20, true, random);
        values = valuesOf(list);
        ASSERT_EQ(values.size(), 20u);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        EXPECT_GE(values.front(), 1);
        EXPECT_LE(values.back(), 20);

        fillDescending(list, 20, true, random);
        values = valuesOf(list);
        ASSERT_EQ(values.size(), 20u);
        EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));
        EXPECT_EQ(list.position(), 20);
        EXPECT_GE(values.back(), 1);
        EXPECT_LE(values.front(), 20);
    }
}
