// The texts of single elements and of whole lists (the list memo format).
#include "elements/elementtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "elements/base.h"
#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/listdisplay.h"
#include "linear/liste.h"

using elementtext::memoText;
using elementtext::valueText;

TEST(ElementText, StringsShowTheirTextAndEverythingElseGoesInBrackets) {
    EXPECT_EQ(memoText(TString("  a b ")), "  a b ");
    EXPECT_EQ(memoText(TString("7")), "7");
    EXPECT_EQ(memoText(TString("Gr\xF6\xDF"
                               "e")),
              "Größe");
    EXPECT_EQ(memoText(TLifoString("x")), "x");
    EXPECT_EQ(memoText(TInteger(7)), "[7]");
    EXPECT_EQ(memoText(TInteger(-12)), "[-12]");
    EXPECT_EQ(memoText(TInteger(INT32_MIN)), "[-2147483648]");
}

TEST(ElementText, ValueClassesShowAsATeacherWritesThem) {
    EXPECT_EQ(valueText(TInt64(-9000000000LL)), "-9000000000");
    EXPECT_EQ(valueText(TByte(255)), "255");
    EXPECT_EQ(valueText(TWord(65535)), "65535");
    EXPECT_EQ(valueText(TLongint(-5)), "-5");
    EXPECT_EQ(valueText(TReal(0.1)), "0.1");
    EXPECT_EQ(valueText(TReal(2.5)), "2.5");
    EXPECT_EQ(valueText(TReal(1e100)), "1e+100");
    EXPECT_EQ(valueText(TReal(-0.0)), "-0");
    EXPECT_EQ(valueText(TReal(std::numeric_limits<double>::infinity())), "inf");
    EXPECT_EQ(valueText(TReal(std::nan(""))), "nan");
    // An extended value shows the digits that tell it from its extended
    // neighbours: the stored extended 0.1 as 0.1, the double 0.1 with more.
    const ExtendedBytes tenth{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F};
    EXPECT_EQ(valueText(TExtended(Extended::fromBytes(tenth))), "0.1");
    EXPECT_EQ(valueText(TExtended(0.1)), "0.10000000000000000555");
    EXPECT_EQ(valueText(TBoolean(true)), "true");
    EXPECT_EQ(valueText(TBoolean(false)), "false");
    EXPECT_EQ(valueText(TTColor(0x0000FF)), "$000000FF");
    EXPECT_EQ(valueText(TTColor(static_cast<std::int32_t>(0x8000000F))), "$8000000F");
    EXPECT_EQ(valueText(TChar('a')), "'a'");
    EXPECT_EQ(valueText(TChar(' ')), "' '");
    EXPECT_EQ(valueText(TChar('\xE4')), "'ä'");
    EXPECT_EQ(valueText(TChar('\r')), "#13");
    EXPECT_EQ(valueText(TChar('\x81')), "#129");
    EXPECT_EQ(valueText(TTBruch(Fraction{3, 4})), "3/4");
    EXPECT_EQ(valueText(TTBruch(Fraction{2, -4})), "2/-4");
    EXPECT_EQ(memoText(TTBruch(Fraction{3, 4})), "[3/4]");
    EXPECT_EQ(memoText(TBoolean(true)), "[true]");
}

// Shortest round trip: the printed text reads back to the very same double.
TEST(ElementText, FloatsPrintTheShortestTextThatReadsBackExactly) {
    std::mt19937_64 random(3);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string text = valueText(TReal(value));
        EXPECT_EQ(std::stod(text), value) << text;
    }
}

namespace {

std::unique_ptr<TListe> listOf(std::initializer_list<int> values) {
    auto list = std::make_unique<TListe>();
    for (int v : values) {
        list->insert(std::make_unique<TInteger>(v));
        list->advance();
    }
    return list;
}

}  // namespace

TEST(ListDisplay, ArrowStandsOnTheFirstLineAtPositionZero) {
    TListe list;
    list.insert(std::make_unique<TString>("a"));
    list.insert(std::make_unique<TString>("b"));
    const ListDisplay d = renderList(list);
    EXPECT_EQ(d.text, "     <--\nb\na");
    EXPECT_EQ(d.position, 0);
    EXPECT_EQ(d.count, 2);
}

TEST(ListDisplay, ArrowMarksTheElementInFrontOfTheCursorAndTheCursorStays) {
    auto list = listOf({5, -12, 7});
    for (int p = 0; p <= 3; ++p) {
        list->moveTo(p);
        const ListDisplay d = renderList(*list);
        std::string expected = p == 0 ? "     <--" : "";
        const char* lines[] = {"[5]", "[-12]", "[7]"};
        for (int n = 1; n <= 3; ++n) {
            expected += std::string("\n") + lines[n - 1] + (n == p ? "  <--" : "");
        }
        EXPECT_EQ(d.text, expected) << "position " << p;
        EXPECT_EQ(d.position, p);
        EXPECT_EQ(list->position(), p);
        EXPECT_TRUE(list->verify());
    }
}

TEST(ListDisplay, EmptyListShowsOnlyTheArrowLine) {
    TListe list;
    const ListDisplay d = renderList(list);
    EXPECT_EQ(d.text, "     <--");
    EXPECT_EQ(d.count, 0);
}

TEST(ListDisplay, RunSeparatorsAndSublistFramesStandWhereTheSortWindowNeedsThem) {
    auto list = listOf({1, 3, 2, 5, 4});
    const ListDisplay d = renderList(*list, true, 1, 3);
    EXPECT_EQ(d.text, "\n[1]\n--------\n[3]\n---------\n[2]\n[5]\n--------\n---------\n[4]  <--");
    const ListDisplay plain = renderList(*list, false, -1, -1);
    EXPECT_EQ(plain.text, "\n[1]\n[3]\n[2]\n[5]\n[4]  <--");
}
