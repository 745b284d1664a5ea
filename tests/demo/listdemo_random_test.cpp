// The animated sorts against references on random lists, their termination
// where compare is no order, their depth on long lists, and "Ende" at any step
// against the whole run. And the memo views the steps keep, against the list
// display they stand for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>

#include "demo/sorts.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"
#include "tests/demo/sortdemosupport.h"

using namespace sorttest;

namespace {

class ListDemoRandomTest : public ::testing::Test {
protected:
    void SetUp() override { registerListDemoClasses(); }
};

// An element whose compare goes round in a circle: 0 < 1 < 2 < 0.
class TCircle final : public TBase {
public:
    static const ClassInfo info;
    explicit TCircle(int v = 0) : v_(v) {}
    const ClassInfo& classInfo() const override { return info; }
    std::int32_t compare(const TBase& other) const override {
        const int o = static_cast<const TCircle&>(other).v_;
        if (o == v_) return kEqual;
        return (v_ + 1) % 3 == o ? kLess : kGreater;
    }
    std::unique_ptr<TBase> copy() const override { return std::make_unique<TCircle>(v_); }
    int v_;
};
const ClassInfo TCircle::info{"TCircle", &TBase::info, nullptr};

// An element whose compare follows a table that is neither antisymmetric
// nor reflexive; on it a natural mergesort without a stop would never end.
class TTable final : public TBase {
public:
    static const ClassInfo info;
    explicit TTable(int v = 0) : v_(v) {}
    const ClassInfo& classInfo() const override { return info; }
    std::int32_t compare(const TBase& other) const override {
        static const int table[5][5] = {{0, 1, -1, 1, 0},
                                        {1, 0, 0, -1, 1},
                                        {-1, 1, 1, 0, -1},
                                        {-1, 0, -1, 0, 0},
                                        {0, 0, 1, 0, 1}};
        return table[v_][static_cast<const TTable&>(other).v_];
    }
    std::unique_ptr<TBase> copy() const override { return std::make_unique<TTable>(v_); }
    int v_;
};
const ClassInfo TTable::info{"TTable", &TBase::info, nullptr};

// Class and value of each element, in any order.
std::multiset<std::string> contents(TListe& list) {
    std::multiset<std::string> out;
    for (list.reset(); !list.isAtEnd(); list.advance()) {
        const TBase& e = *list.elem();
        std::string value = TListDemo::elementText(e);
        if (auto* c = dynamic_cast<const TCircle*>(&e)) value = std::to_string(c->v_);
        if (auto* t = dynamic_cast<const TTable*>(&e)) value = std::to_string(t->v_);
        out.insert(std::string(e.className()) + ":" + value);
    }
    return out;
}

// The memo lines of the elements: the text without the arrow, the run
// separators and the frame lines.
std::string withoutMarks(const std::string& memo) {
    std::string out;
    std::size_t from = 0;
    while (from <= memo.size()) {
        std::size_t to = memo.find('\n', from);
        if (to == std::string::npos) to = memo.size();
        std::string line = memo.substr(from, to - from);
        if (const auto arrow = line.find("<--"); arrow != std::string::npos)
            line = line.substr(0, line.find_last_not_of(' ', arrow - 1) + 1);
        if (!line.empty() && line != "--------" && line != "---------") out += line + '\n';
        from = to + 1;
    }
    return out;
}

// The ranges quicksort 1 announces, in the order of the recursive formulation.
void quick1Ranges(std::vector<int>& v, int lo, int hi, std::vector<std::pair<int, int>>& out) {
    const int pivot = v[(lo + hi) / 2];
    int i = lo;
    int j = hi;
    do {
        while (v[i] < pivot) ++i;
        while (v[j] > pivot) --j;
        if (j >= i) std::swap(v[i++], v[j--]);
    } while (j >= i);
    if (lo < j) {
        out.push_back({lo, j});
        quick1Ranges(v, lo, j, out);
    }
    if (i < hi) {
        out.push_back({i, hi});
        quick1Ranges(v, i, hi, out);
    }
}

}  // namespace

TEST_F(ListDemoRandomTest, EverySortOrdersRandomListsAndKeepsTheList) {
    std::mt19937 random(11);
    for (int round = 0; round < 150; ++round) {
        const int n = static_cast<int>(random() % 14);
        std::vector<int> input(n);
        for (int& v : input) v = static_cast<int>(random() % 9) - 2;
        std::vector<int> expected = input;
        std::sort(expected.begin(), expected.end());
        for (const NamedSort& s : kSorts) {
            auto list = integers(input);
            // MemoQuelle shows the list as the window opened it.
            const auto opened =
                std::make_shared<const ListView>(viewList(*list, std::make_shared<ListTexts>()));
            const RecordedRun r(s.kind, *list, {.quelle = opened});
            ASSERT_EQ(values(*list), expected) << s.name << " round " << round;
            ASSERT_TRUE(list->verify()) << s.name;
            // At the end MemoQuelle shows the sorted list, as the last step
            // left it (with its marks).
            ASSERT_EQ(withoutMarks(r.end.quelle), withoutMarks(renderList(*list).text))
                << s.name << " round " << round;
            EXPECT_EQ(r.end.info, "");
        }
    }
}

TEST_F(ListDemoRandomTest, QuickSort1AnnouncesThePartsInTheOrderOfTheRecursion) {
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        std::vector<int> input(2 + random() % 12);
        for (int& v : input) v = static_cast<int>(random() % 6);
        std::vector<std::pair<int, int>> expected;
        std::vector<int> copy = input;
        quick1Ranges(copy, 0, static_cast<int>(copy.size()) - 1, expected);
        auto list = integers(input);
        const RecordedRun r(SortKind::quick1, *list);
        std::vector<std::pair<int, int>> announced;
        for (const std::string& info : r.infos()) {
            const auto at = info.find("von der Position ");
            int from = -1;
            int to = -1;
            if (at != std::string::npos &&
                std::sscanf(info.c_str() + at, "von der Position %d bis zur Position %d", &from,
                            &to) == 2)
                announced.push_back({from, to});
        }
        EXPECT_EQ(announced, expected) << "round " << round;
        EXPECT_EQ(values(*list), copy);
    }
}

// Booleans (equal 0, else 1), NaN (1 against everything) and a circular
// order: every sort ends, with and without "Ende", and keeps every element.
TEST_F(ListDemoRandomTest, SortsEndAndKeepEveryElementWhereCompareIsNoOrder) {
    std::mt19937 random(7);
    for (int kind = 0; kind < 3; ++kind) {
        for (int round = 0; round < 40; ++round) {
            for (const NamedSort& s : kSorts) {
                for (bool ende : {false, true}) {
                    auto list = std::make_unique<TListDemo>();
                    const int n = 1 + static_cast<int>(random() % 12);
                    for (int k = 0; k < n; ++k) {
                        const unsigned r = random();
                        if (kind == 0) list->append(std::make_unique<TBoolean>(r % 2 == 0));
                        if (kind == 1)
                            list->append(
                                std::make_unique<TReal>(r % 3 == 0 ? std::nan("") : double(r % 5)));
                        if (kind == 2) list->append(std::make_unique<TCircle>(r % 3));
                    }
                    list->reset();
                    const auto before = contents(*list);
                    const RecordedRun rec(s.kind, *list, {.endeAtStep = ende ? 1u : 0u});
                    ASSERT_EQ(contents(*list), before) << s.name << " kind " << kind;
                    ASSERT_TRUE(list->verify());
                }
            }
        }
    }
}

// A long ascending list puts quicksort 2 one level deeper per element; the
// levels live on the heap, not on the call stack.
TEST_F(ListDemoRandomTest, LongListsSortWithoutDeepRecursion) {
    std::vector<int> ascending(1500);
    for (int k = 0; k < 1500; ++k) ascending[k] = k;
    for (SortKind kind : {SortKind::quick2, SortKind::quick1}) {
        std::vector<int> input = ascending;
        std::reverse(input.begin(), input.end());
        if (kind == SortKind::quick2) input = ascending;
        auto list = integers(input);
        const RecordedRun r(kind, *list, {.endeAtStep = 1});
        EXPECT_EQ(values(*list), ascending);
    }
}

TEST_F(ListDemoRandomTest, MergeSortStopsWhenAPassDoesNotReduceTheRuns) {
    for (bool ende : {false, true}) {
        auto list = std::make_unique<TListDemo>();
        for (int v : {0, 3, 2, 2, 2, 4, 3, 2, 3, 3}) list->append(std::make_unique<TTable>(v));
        list->reset();
        const auto before = contents(*list);
        const RecordedRun rec(SortKind::merge, *list,
                              {.endeAtStep = ende ? 1u : 0u, .maxSteps = 1000});
        EXPECT_EQ(contents(*list), before);
        EXPECT_EQ(list->count(), 10);
    }
}

// "Ende" at any step, or before the first one, leaves the list exactly as the
// sort run to its end with "Weiter": the same order also of elements that
// compare equal but differ (fractions 1/2, 2/4, 3/6), the same cursor; where
// compare is an order and where it is none (booleans, NaN in both float
// classes).
TEST_F(ListDemoRandomTest, EndeAtAnyStepLeavesTheOrderAndCursorOfTheWholeRun) {
    std::mt19937 random(3);
    for (int kind = 0; kind < 5; ++kind) {
        for (int round = 0; round < 20; ++round) {
            const int n = 2 + static_cast<int>(random() % 10);
            std::vector<unsigned> draws(n);
            for (unsigned& d : draws) d = random();
            const auto make = [&] {
                auto list = std::make_unique<TListDemo>();
                for (unsigned d : draws) {
                    const std::int32_t k = static_cast<std::int32_t>(d % 3 + 1);
                    if (kind == 0)
                        list->append(
                            std::make_unique<TTBruch>(Fraction{k * int(d / 3 % 4), 3 * k}));
                    if (kind == 1) list->append(std::make_unique<TInteger>(int(d % 5)));
                    if (kind == 2) list->append(std::make_unique<TBoolean>(d % 2 == 0));
                    if (kind == 3)
                        list->append(std::make_unique<TReal>(d % 4 == 0 ? std::nan("") : d % 3));
                    if (kind == 4)
                        list->append(std::make_unique<TExtended>(
                            Extended(d % 3 == 0 ? std::nan("") : double(d % 4))));
                }
                list->reset();
                return list;
            };
            for (const NamedSort& s : kSorts) {
                auto list = make();
                const RecordedRun whole(s.kind, *list);
                const std::string expected = renderList(*list).text;
                // Straight selection with "Ende" before its last round does
                // not move the arrow to that round's smallest element: where
                // it stood in place, the cursor stays at the end.
                const std::size_t lastRound = whole.steps.size() - 2;
                const bool inPlace =
                    s.kind == SortKind::selection &&
                    whole.infos()[lastRound].find("richtigen") != std::string::npos;
                list->moveToEnd();
                const std::string atEnd = renderList(*list).text;
                for (std::size_t step = 0; step <= whole.steps.size(); ++step) {
                    auto again = make();
                    const RecordedRun ended(s.kind, *again,
                                            {.endeAtStep = step, .stepwise = step != 0});
                    ASSERT_EQ(ended.steps.size(), step);
                    ASSERT_EQ(ended.end.quelle, renderList(*again).text);
                    ASSERT_EQ(renderList(*again).text,
                              inPlace && step <= lastRound ? atEnd : expected)
                        << s.name << " kind " << kind << " round " << round << " step " << step;
                    ASSERT_TRUE(again->verify());
                }
            }
        }
    }
}

// Long lists of booleans, of floats with NaN and of fractions with
// denominators of either sign and zero (also one negative denominator among
// positive ones, which the last and largest element finds far behind):
// "Ende" at the first step and after a few steps leaves the order and cursor
// of the whole run.
TEST_F(ListDemoRandomTest, EndeOnLongListsWithoutAnOrderLeavesTheOrderOfTheWholeRun) {
    std::mt19937 random(29);
    for (int kind = 0; kind < 5; ++kind) {
        for (const NamedSort& s : kSorts) {
            // Straight insertion and selection long enough for the search
            // structure to split; the others step through far more steps.
            const bool linear = s.kind == SortKind::insertion || s.kind == SortKind::selection;
            const int n = linear ? 600 : 90;
            std::vector<unsigned> draws(n);
            for (unsigned& d : draws) d = random();
            const auto make = [&] {
                auto list = std::make_unique<TListDemo>();
                for (unsigned d : draws) {
                    if (kind == 0) list->append(std::make_unique<TBoolean>(d % 3 == 0));
                    if (kind == 1)
                        list->append(std::make_unique<TReal>(d % 5 == 0 ? std::nan("") : d % 50));
                    if (kind == 2)
                        list->append(std::make_unique<TExtended>(
                            Extended(d % 7 == 0 ? std::nan("") : double(d % 20))));
                    if (kind == 3) {
                        const auto numerator = static_cast<std::int32_t>(d % 9) - 4;
                        const auto denominator = static_cast<std::int32_t>(d / 9 % 7) - 3;
                        list->append(std::make_unique<TTBruch>(Fraction{numerator, denominator}));
                    }
                    if (kind == 4) {
                        const Fraction f = list->isEmpty() ? Fraction{0, -1}
                                           : list->count() == n - 1
                                               ? Fraction{1000, 1}
                                               : Fraction{static_cast<std::int32_t>(d % 50),
                                                          static_cast<std::int32_t>(1 + d % 3)};
                        list->append(std::make_unique<TTBruch>(f));
                    }
                }
                list->reset();
                return list;
            };
            auto list = make();
            const RecordedRun whole(s.kind, *list);
            std::string expected = renderList(*list).text;
            // As above: selection ended before a last round in place keeps
            // the cursor at the end.
            if (s.kind == SortKind::selection &&
                whole.infos()[whole.steps.size() - 2].find("richtigen") != std::string::npos) {
                list->moveToEnd();
                expected = renderList(*list).text;
            }
            for (std::size_t endeAt : {1u, 7u}) {
                auto again = make();
                const RecordedRun ended(s.kind, *again, {.endeAtStep = endeAt});
                ASSERT_EQ(renderList(*again).text, expected)
                    << s.name << " kind " << kind << " Ende at " << endeAt;
            }
        }
    }
}

namespace {

// A list of integers with the cursor at `position`.
std::unique_ptr<TListDemo> integersAt(const std::vector<int>& values, int position) {
    auto list = integers(values);
    list->moveTo(position);
    return list;
}

void expectSameDisplay(const ListDisplay& view, const ListDisplay& rendered,
                       const std::string& where) {
    EXPECT_EQ(view.text, rendered.text) << where;
    EXPECT_EQ(view.position, rendered.position) << where;
    EXPECT_EQ(view.count, rendered.count) << where;
    EXPECT_EQ(view.arrowLine, rendered.arrowLine) << where;
    EXPECT_EQ(view.frameFirstLine, rendered.frameFirstLine) << where;
    EXPECT_EQ(view.frameLastLine, rendered.frameLastLine) << where;
}

struct ViewCase {
    const char* name;
    std::vector<int> values;
    int position;
    bool markRuns;
    int first;
    int last;
};

const ViewCase kViewCases[] = {
    {"empty", {}, 0, false, -1, -1},
    {"empty with marks asked", {}, 0, true, 0, 0},
    {"cursor at 0", {3, 1, 2}, 0, false, -1, -1},
    {"cursor at the end", {3, 1, 2}, 3, false, -1, -1},
    {"cursor inside", {3, 1, 2}, 2, false, -1, -1},
    {"runs", {3, 1, 2, 2, 0, 5}, 1, true, -1, -1},
    {"frame around all", {4, 2, 7}, 0, false, 0, 2},
    {"frame at the first", {4, 2, 7}, 3, false, 0, 0},
    {"frame at the last", {4, 2, 7}, 3, false, 2, 2},
    {"frame below only", {4, 2, 7}, 1, false, -1, 0},
    {"frame above only", {4, 2, 7}, 1, false, 1, -1},
    {"runs and frame at the ends", {5, 4, 3, 2, 1}, 5, true, 0, 4},
    {"runs inside a frame", {1, 3, 2, 4, 3}, 2, true, 1, 3},
    {"one element", {-7}, 1, true, 0, 0},
    {"equal elements", {2, 2, 2}, 2, true, 1, 1},
};

}  // namespace

// What a step keeps of a memo is the list display itself: the same text, the
// same lines of the arrow and the frame, and the list's cursor stays.
TEST(ListViewDisplay, GivesExactlyTheListDisplayOfTheList) {
    registerListDemoClasses();
    for (const ViewCase& c : kViewCases) {
        auto list = integersAt(c.values, c.position);
        const ListDisplay rendered = renderList(*list, c.markRuns, c.first, c.last);
        const ListView view =
            viewList(*list, std::make_shared<ListTexts>(), c.markRuns, c.first, c.last);
        EXPECT_EQ(list->position(), c.position) << c.name;
        expectSameDisplay(view.display(), rendered, c.name);
    }
}

TEST(ListViewDisplay, GivesTheListDisplayOfRandomListsWithRunsAndFrames) {
    registerListDemoClasses();
    std::mt19937 random(17);
    const auto texts = std::make_shared<ListTexts>();  // shared by all, as by one sort run
    for (int round = 0; round < 400; ++round) {
        const int n = static_cast<int>(random() % 12);
        std::vector<int> input(static_cast<std::size_t>(n));
        for (int& v : input) v = static_cast<int>(random() % 21) - 10;
        const int position = static_cast<int>(random() % static_cast<unsigned>(n + 1));
        const bool markRuns = random() % 2 == 0;
        // -1, an index, or one past the end (no frame line).
        const int first = static_cast<int>(random() % static_cast<unsigned>(n + 2)) - 1;
        const int last = static_cast<int>(random() % static_cast<unsigned>(n + 2)) - 1;
        auto list = integersAt(input, position);
        const ListDisplay rendered = renderList(*list, markRuns, first, last);
        const ListView view = viewList(*list, texts, markRuns, first, last);
        ASSERT_EQ(list->position(), position);
        expectSameDisplay(view.display(), rendered, "round " + std::to_string(round));
    }
    // Each element text is kept once for the whole run.
    EXPECT_EQ(texts->size(), 21u);
}

TEST(ListViewDisplay, StringsAndFurtherClassesShowTheirMemoLines) {
    registerListDemoClasses();
    auto list = std::make_unique<TListDemo>();
    list->append(std::make_unique<TString>("b"));
    list->append(std::make_unique<TString>("a"));
    list->append(std::make_unique<TString>(""));
    list->moveTo(2);
    const ListView strings = viewList(*list, std::make_shared<ListTexts>(), true, 0, 2);
    expectSameDisplay(strings.display(), renderList(*list, true, 0, 2), "strings");
    auto reals = std::make_unique<TListDemo>();
    for (double d : {2.5, -1.0, 1e-7}) reals->append(std::make_unique<TReal>(d));
    reals->append(std::make_unique<TReal>(std::nan("")));
    const ListView shown = viewList(*reals, std::make_shared<ListTexts>(), true);
    expectSameDisplay(shown.display(), renderList(*reals, true), "reals");
}
