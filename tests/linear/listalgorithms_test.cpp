// Sorted insertion and the sorts: the worked cases, the fast sorts against the
// literal step-by-step reference on many random lists, and termination with
// every element kept where compare is no order.
#include "linear/listalgorithms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/liste.h"
#include "linear/sortableliste.h"
#include "linear/sortliste.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

using lineartest::fingerprints;
using lineartest::identities;
using lineartest::integers;
using lineartest::strings;

namespace {

const char* const kMixed =
    "information: In eine sortierte Liste können keine Exemplare unterschiedlicher Klassen "
    "eingefügt werden";

class ListAlgorithmsTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerDisplayStringClasses();
    }
    RecordingMessages messages;
};

std::unique_ptr<TBase> num(int v) { return std::make_unique<TInteger>(v); }
std::unique_ptr<TBase> str(const char* s) { return std::make_unique<TString>(s); }
void fill(TListe& list, std::initializer_list<int> values) {
    for (int v : values) {
        list.append(num(v));
    }
    list.reset();
}

// --- Worked cases ------------------------------------------------------------

TEST_F(ListAlgorithmsTest, InsertSortedPutsNewElementBeforeEqualOneAndMakesItCurrent) {
    TSortListe list;
    fill(list, {1, 3, 5});
    const TBase* oldThree = list.elemAt(1);
    auto three = num(3);
    const TBase* newThree = three.get();
    EXPECT_TRUE(list.insertSorted(std::move(three)));
    EXPECT_EQ(integers(list), "1 3 3 5");
    EXPECT_EQ(list.elem(), newThree);
    EXPECT_EQ(list.position(), 1);
    EXPECT_EQ(list.elemAt(2), oldThree);
}

TEST_F(ListAlgorithmsTest, InsertSortedRefusesAnotherClassWithMessage) {
    TSortListe list;
    fill(list, {1, 2});
    list.moveTo(2);
    EXPECT_FALSE(list.insertSorted(str("x")));
    EXPECT_EQ(integers(list), "1 2");
    EXPECT_EQ(messages.log, std::vector<std::string>{kMixed});
    // A subclass is another class too.
    TSortListe strings_;
    strings_.insertSorted(str("a"));
    EXPECT_FALSE(strings_.insertSorted(std::make_unique<TLifoString>("b")));
    EXPECT_EQ(strings_.count(), 1);
}

TEST_F(ListAlgorithmsTest, InsertSortedIntoEmptyListTakesAnyClass) {
    TSortListe list;
    EXPECT_TRUE(list.insertSorted(std::make_unique<TTBruch>(Fraction{1, 2})));
    EXPECT_EQ(list.count(), 1);
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(ListAlgorithmsTest, InsertSortedWorksOnPlainList) {
    TListe list;
    fill(list, {2, 4});
    EXPECT_TRUE(ListAlgorithms::insertSorted(list, num(5)));
    EXPECT_TRUE(ListAlgorithms::insertSorted(list, num(0)));
    EXPECT_EQ(integers(list), "0 2 4 5");
    EXPECT_EQ(list.position(), 0);
}

TEST_F(ListAlgorithmsTest, InsertAllSortedMergesCopiesAndDestroysSource) {
    TSortListe list;
    fill(list, {1, 4, 6});
    auto src = std::make_unique<TListe>();
    fill(*src, {5, 0, 4});
    const TBase* srcFour = src->elemAt(2);
    list.insertAllSorted(src);
    EXPECT_EQ(src, nullptr);
    EXPECT_EQ(integers(list), "0 1 4 4 5 6");
    // The copy of the source's 4 went in front of the 4 already there.
    EXPECT_NE(list.elemAt(2), srcFour);
    EXPECT_EQ(list.position(), 2);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListAlgorithmsTest, InsertAllSortedDropsRefusedElementsWithOneMessageEach) {
    TListe list;
    fill(list, {1});
    auto src = std::make_unique<TListe>();
    src->append(str("a"));
    src->append(num(0));
    src->append(str("b"));
    ListAlgorithms::insertAllSorted(list, src);
    EXPECT_EQ(src, nullptr);
    EXPECT_EQ(integers(list), "0 1");
    EXPECT_EQ(messages.log, (std::vector<std::string>{kMixed, kMixed}));
}

TEST_F(ListAlgorithmsTest, InsertionSortSortsThreeAndLeavesSingleAlone) {
    TSortableListe list;
    fill(list, {3, 1, 2});
    list.insertionSort();
    EXPECT_EQ(integers(list), "1 2 3");
    EXPECT_EQ(list.position(), 1);
    TSortableListe one;
    fill(one, {7});
    const TBase* seven = one.elemAt(0);
    one.insertionSort();
    EXPECT_EQ(one.elemAt(0), seven);
}

TEST_F(ListAlgorithmsTest, InsertionSortPutsEqualElementsInReverseOrder) {
    TSortableListe list;
    list.append(std::make_unique<TTBruch>(Fraction{1, 2}));
    list.append(std::make_unique<TTBruch>(Fraction{2, 4}));
    list.append(std::make_unique<TTBruch>(Fraction{3, 6}));
    list.insertionSort();
    EXPECT_EQ(fingerprints(list),
              (std::vector<std::string>{"TTBruch:02 03 02 06", "TTBruch:02 02 02 04",
                                        "TTBruch:02 01 02 02"}));
    EXPECT_EQ(list.position(), 0);
}

TEST_F(ListAlgorithmsTest, QuickSortOfWorkedExample) {
    TSortableListe list;
    fill(list, {5, 1, 4, 1, 3});
    list.quickSort();
    EXPECT_EQ(integers(list), "1 1 3 4 5");
    EXPECT_TRUE(list.verify());
}

TEST_F(ListAlgorithmsTest, QuickSortExchangesTheElementsThemselves) {
    TSortableListe list;
    fill(list, {3, 2, 1});
    const std::vector<const TBase*> before = identities(list);
    list.quickSort();
    EXPECT_EQ(identities(list), (std::vector<const TBase*>{before[2], before[1], before[0]}));
}

TEST_F(ListAlgorithmsTest, QuickSortOfEmptyListDoesNothing) {
    TSortableListe list;
    list.quickSort();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.verify());
}

TEST_F(ListAlgorithmsTest, SortAsciiSortsStringsByByteValue) {
    TListe list;
    list.append(str("b"));
    list.append(str("B"));
    list.append(str("a"));
    list.sortAscii();
    EXPECT_EQ(strings(list), "B a b");
    EXPECT_EQ(list.position(), 0);
}

TEST_F(ListAlgorithmsTest, SortAsciiPutsClassOfFirstElementLastWithCursorBeforeIt) {
    TListe list;
    list.append(str("x"));
    list.append(num(2));
    list.append(str("a"));
    list.append(num(1));
    list.sortAscii();
    EXPECT_EQ(lineartest::fingerprints(list),
              (std::vector<std::string>{"TInteger:02 01", "TInteger:02 02", "TString:06 01 61",
                                        "TString:06 01 78"}));
    EXPECT_EQ(list.position(), 2);
    EXPECT_EQ(dynamic_cast<TString&>(*list.elem()).getValue(), "a");
}

TEST_F(ListAlgorithmsTest, SortAsciiReplacesElementsByCopies) {
    TListe list;
    list.append(std::make_unique<TLifoString>("q"));
    list.append(str("p"));
    list.sortAscii();
    // The TLifoString's copy is a plain TString; it forms a run of its own.
    EXPECT_EQ(fingerprints(list),
              (std::vector<std::string>{"TString:06 01 70", "TString:06 01 71"}));
    EXPECT_EQ(list.position(), 1);
}

TEST_F(ListAlgorithmsTest, SortsOfEmptyListsChangeNothing) {
    TListe list;
    list.sortAscii();
    ListAlgorithms::insertionSort(list);
    ListAlgorithms::quickSort(list);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(messages.log.empty());
}

// --- Fast against literal ----------------------------------------------------

// Random elements of one class with many duplicates; kind 0: TInteger,
// 1: TTBruch with positive denominators (equal but distinguishable values),
// 2: TString, 3: mixed classes (for sortAscii only).
std::unique_ptr<TBase> randomElement(std::mt19937& rng, int kind, int spread) {
    const int v = static_cast<int>(rng() % spread);
    switch (kind) {
        case 0:
            return num(v - spread / 2);
        case 1: {
            const int d = 1 + static_cast<int>(rng() % 4);
            return std::make_unique<TTBruch>(Fraction{(v - spread / 2) * d / 2, d});
        }
        case 2:
            return std::make_unique<TString>(std::string(1 + v % 3, static_cast<char>('A' + v)));
        default:
            switch (rng() % 5) {
                case 0:
                    return num(v);
                case 1:
                    return std::make_unique<TString>(std::string(1, static_cast<char>('a' + v)));
                case 2:
                    return std::make_unique<TTBruch>(Fraction{v, 1 + v % 3});
                case 3:
                    return std::make_unique<TChar>(static_cast<char>('a' + v));
                default:
                    return std::make_unique<TLifoString>(
                        std::string(1, static_cast<char>('a' + v)));
            }
    }
}

// Two lists holding equal copies of one random list, cursors at one random
// position.
void twins(std::mt19937& rng, int kind, TListe& a, TListe& b) {
    const int n = static_cast<int>(rng() % 24);
    const int spread = 1 + static_cast<int>(rng() % 12);
    for (int i = 0; i < n; ++i) {
        std::unique_ptr<TBase> e = randomElement(rng, kind, spread);
        b.append(lineartest::twin(*e));
        a.append(std::move(e));
    }
    const int pos = n == 0 ? 0 : static_cast<int>(rng() % (n + 1));
    a.moveTo(pos);
    b.moveTo(pos);
}

// The index (in the list before sorting) of each element after sorting.
std::vector<int> order(const std::vector<const TBase*>& before, TListe& list) {
    std::vector<int> result;
    for (const TBase* e : identities(list)) {
        result.push_back(
            static_cast<int>(std::find(before.begin(), before.end(), e) - before.begin()));
    }
    return result;
}

TEST_F(ListAlgorithmsTest, FastQuickSortMatchesLiteralByIdentityAndCursor) {
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        std::mt19937 rng(seed);
        TListe fast;
        TListe literal;
        twins(rng, static_cast<int>(seed % 3), fast, literal);
        const auto fastBefore = identities(fast);
        const auto literalBefore = identities(literal);
        ListAlgorithms::quickSort(fast);
        lineartest::literalQuickSort(literal);
        ASSERT_EQ(order(fastBefore, fast), order(literalBefore, literal)) << "seed " << seed;
        ASSERT_EQ(fast.position(), literal.position()) << "seed " << seed;
        ASSERT_TRUE(fast.verify());
    }
}

TEST_F(ListAlgorithmsTest, FastInsertionSortMatchesLiteralValuesAndCursor) {
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        std::mt19937 rng(seed);
        TListe fast;
        TListe literal;
        twins(rng, static_cast<int>(seed % 3), fast, literal);
        const TBase* first = fast.count() ? fast.elemAt(0) : nullptr;
        fast.moveTo(literal.position());
        ListAlgorithms::insertionSort(fast);
        lineartest::literalInsertionSort(literal);
        ASSERT_EQ(fingerprints(fast), fingerprints(literal)) << "seed " << seed;
        ASSERT_EQ(fast.position(), literal.position()) << "seed " << seed;
        ASSERT_TRUE(fast.verify());
        // The element at index 0 is never copied, so it is still there.
        if (first) {
            const auto now = identities(fast);
            ASSERT_EQ(std::count(now.begin(), now.end(), first), 1);
        }
    }
}

TEST_F(ListAlgorithmsTest, FastSortAsciiMatchesLiteralValuesAndCursor) {
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        std::mt19937 rng(seed);
        TListe fast;
        TListe literal;
        twins(rng, static_cast<int>(seed % 4), fast, literal);
        fast.sortAscii();
        lineartest::literalSortAscii(literal);
        ASSERT_EQ(fingerprints(fast), fingerprints(literal)) << "seed " << seed;
        ASSERT_EQ(fast.position(), literal.position()) << "seed " << seed;
        ASSERT_TRUE(fast.verify());
    }
}

TEST_F(ListAlgorithmsTest, LiteralReferenceSortsAscending) {
    // The reference itself must sort, or the comparisons above prove nothing.
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        TListe a;
        TListe b;
        twins(rng, 0, a, b);
        lineartest::literalQuickSort(a);
        lineartest::literalInsertionSort(b);
        for (TListe* l : {&a, &b}) {
            for (int i = 1; i < l->count(); ++i) {
                ASSERT_NE(l->elemAt(i - 1)->compare(*l->elemAt(i)), kGreater) << "seed " << seed;
            }
        }
    }
}

// --- Compare that is no order ------------------------------------------------

// Random elements of one class whose compare is no order.
std::unique_ptr<TBase> disorderedElement(std::mt19937& rng, int kind) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const int v = static_cast<int>(rng() % 7) - 3;
    switch (kind) {
        case 0:
            return std::make_unique<TBoolean>(rng() % 2 == 0);
        case 1:
            return std::make_unique<TReal>(rng() % 3 == 0 ? nan : v);
        case 2:
            return std::make_unique<TExtended>(rng() % 3 == 0 ? Extended(nan) : Extended(v));
        default:
            return std::make_unique<TTBruch>(Fraction{v, static_cast<int>(rng() % 5) - 2});
    }
}

// The multiset of fingerprints.
std::map<std::string, int> bag(TListe& list) {
    std::map<std::string, int> result;
    for (const std::string& f : fingerprints(list)) {
        ++result[f];
    }
    return result;
}

TEST_F(ListAlgorithmsTest, SortsEndAndKeepEveryElementWhereCompareIsNoOrder) {
    for (unsigned seed = 1; seed <= 800; ++seed) {
        std::mt19937 rng(seed);
        const int kind = static_cast<int>(seed % 4);
        const int n = static_cast<int>(rng() % 30);
        TListe quick;
        TListe insertion;
        TListe ascii;
        TSortListe sorted;
        auto source = std::make_unique<TListe>();
        for (int i = 0; i < n; ++i) {
            std::unique_ptr<TBase> e = disorderedElement(rng, kind);
            insertion.append(e->copy());
            ascii.append(e->copy());
            source->append(e->copy());
            sorted.insertSorted(e->copy());
            quick.append(std::move(e));
        }
        const auto before = identities(quick);
        const auto values = bag(quick);
        ListAlgorithms::quickSort(quick);
        auto after = identities(quick);
        std::vector<const TBase*> a(before);
        std::sort(a.begin(), a.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(a, after) << "seed " << seed;

        ListAlgorithms::insertionSort(insertion);
        ASSERT_EQ(bag(insertion), values) << "seed " << seed;
        ascii.sortAscii();
        ASSERT_EQ(bag(ascii), values) << "seed " << seed;
        ASSERT_EQ(bag(sorted), values) << "seed " << seed;
        TListe merged;
        ListAlgorithms::insertAllSorted(merged, source);
        ASSERT_EQ(bag(merged), values) << "seed " << seed;
        for (TListe* l : {&quick, &insertion, &ascii, &static_cast<TListe&>(sorted), &merged}) {
            ASSERT_TRUE(l->verify()) << "seed " << seed;
        }
    }
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(ListAlgorithmsTest, QuickSortOfNaNsAtTheStartEnds) {
    // A NaN compares 1 against every pivot: the backward scan must stop at
    // the start of the range instead of stepping back at position 0 forever.
    TListe list;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {nan, nan, 1.0, nan, 0.0}) {
        list.append(std::make_unique<TReal>(v));
    }
    ListAlgorithms::quickSort(list);
    EXPECT_EQ(list.count(), 5);
    EXPECT_TRUE(list.verify());
}

// --- Size ----------------------------------------------------------------------

TEST_F(ListAlgorithmsTest, FullSizeRandomListsSortAscending) {
    std::mt19937 rng(7);
    TListe quick;
    TListe ascii;
    for (int i = 0; i < 65535; ++i) {
        const int v = static_cast<int>(rng() % 100000);
        quick.append(num(v));
        ascii.append(num(v));
    }
    ListAlgorithms::quickSort(quick);
    ascii.sortAscii();
    EXPECT_EQ(quick.compare(ascii), 0);
    quick.reset();
    for (int i = 1; i < quick.count(); ++i) {
        const TBase* a = quick.elem();
        quick.advance();
        ASSERT_NE(a->compare(*quick.elem()), kGreater);
    }
}

TEST_F(ListAlgorithmsTest, FullSizeSortedAndReversedListsQuickSortWithoutDeepRecursion) {
    TListe ascending;
    TListe descending;
    TListe equal;
    for (int i = 0; i < 65535; ++i) {
        ascending.append(num(i));
        descending.append(num(-i));
        equal.append(num(4));
    }
    ListAlgorithms::quickSort(ascending);
    ListAlgorithms::quickSort(descending);
    ListAlgorithms::quickSort(equal);
    EXPECT_EQ(dynamic_cast<TInteger&>(*ascending.elemAt(65534)).getValue(), 65534);
    EXPECT_EQ(dynamic_cast<TInteger&>(*descending.elemAt(0)).getValue(), -65534);
    EXPECT_EQ(equal.count(), 65535);
}

}  // namespace
