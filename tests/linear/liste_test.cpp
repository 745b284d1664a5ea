// TListe: cursor, changes, searching, whole-list operations, the 65535 limit,
// and random operation sequences checked against a vector after every step.
#include "linear/liste.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "elements/values.h"
#include "linear/sortableliste.h"
#include "linear/sortliste.h"
#include "tests/linear/linearsupport.h"
#include "tests/support/recorders.h"

using lineartest::integers;
using lineartest::strings;

namespace {

class ListeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
    }
    RecordingMessages messages;
};

std::unique_ptr<TBase> num(int v) { return std::make_unique<TInteger>(v); }
std::unique_ptr<TBase> str(const char* s) { return std::make_unique<TString>(s); }

// A list of the given integers, in order, cursor at the start.
void fill(TListe& list, std::initializer_list<int> values) {
    for (int v : values) {
        list.append(num(v));
    }
    list.reset();
}

int valueOf(const TBase* e) { return dynamic_cast<const TInteger&>(*e).getValue(); }

TEST_F(ListeTest, NewListIsEmptyAndAtEnd) {
    TListe list;
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.isAtEnd());
    EXPECT_EQ(list.elem(), nullptr);
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, InsertWithoutAdvancePutsNewElementInFront) {
    TListe list;
    list.insert(num(1));
    list.insert(num(2));
    EXPECT_EQ(integers(list), "2 1");
    EXPECT_EQ(valueOf(list.elem()), 2);
    EXPECT_EQ(list.position(), 0);
}

TEST_F(ListeTest, InsertThenAdvanceKeepsInsertionOrderAndEndsAtEnd) {
    TListe list;
    for (int v = 1; v <= 4; ++v) {
        list.insert(num(v));
        list.advance();
    }
    EXPECT_EQ(integers(list), "1 2 3 4");
    EXPECT_TRUE(list.isAtEnd());
    EXPECT_EQ(list.position(), 4);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, DeleteAtPositionOneMakesNextCurrent) {
    TListe list;
    list.append(str("a"));
    list.append(str("b"));
    list.append(str("c"));
    list.moveTo(1);
    list.deleteElem();
    EXPECT_EQ(strings(list), "a c");
    EXPECT_EQ(dynamic_cast<TString&>(*list.elem()).getValue(), "c");
    EXPECT_EQ(list.position(), 1);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, MoveToClampsToBothEnds) {
    TListe list;
    fill(list, {1, 2, 3});
    list.moveTo(99);
    EXPECT_EQ(list.position(), 3);
    EXPECT_TRUE(list.isAtEnd());
    list.moveTo(-4);
    EXPECT_EQ(list.position(), 0);
    EXPECT_EQ(valueOf(list.elem()), 1);
}

TEST_F(ListeTest, StepBackAtStartStaysAtStart) {
    TListe list;
    fill(list, {1, 2});
    list.stepBack();
    EXPECT_EQ(list.position(), 0);
    list.moveTo(2);
    list.stepBack();
    EXPECT_EQ(list.position(), 1);
    EXPECT_EQ(valueOf(list.elem()), 2);
}

TEST_F(ListeTest, OperationsAtEndDoNothing) {
    TListe list;
    fill(list, {7});
    list.moveToEnd();
    list.deleteElem();
    std::unique_ptr<TBase> refused = num(9);
    list.update(std::move(refused));
    list.advance();
    EXPECT_EQ(integers(list), "7");
    EXPECT_EQ(list.position(), 1);
    ASSERT_NE(refused, nullptr);  // still the caller's
    EXPECT_EQ(valueOf(refused.get()), 9);
}

TEST_F(ListeTest, UpdateReplacesCurrentElement) {
    TListe list;
    fill(list, {1, 2, 3});
    list.moveTo(1);
    list.update(num(20));
    EXPECT_EQ(integers(list), "1 20 3");
    EXPECT_EQ(list.position(), 1);
}

TEST_F(ListeTest, AppendMakesNewElementCurrentAndLast) {
    TListe list;
    fill(list, {1, 2});
    list.append(num(3));
    EXPECT_EQ(list.position(), 2);
    EXPECT_EQ(valueOf(list.elem()), 3);
    EXPECT_EQ(integers(list), "1 2 3");
}

TEST_F(ListeTest, InsertAtPutsElementBeforeIndex) {
    TListe list;
    fill(list, {1, 2, 3});
    list.insertAt(1, num(9));
    EXPECT_EQ(integers(list), "1 9 2 3");
    EXPECT_EQ(list.position(), 1);
    list.insertAt(100, num(8));
    EXPECT_EQ(integers(list), "1 9 2 3 8");
    EXPECT_EQ(list.position(), 4);
}

TEST_F(ListeTest, SwapExchangesElementsAndLeavesCursorAtFirstIndex) {
    TListe list;
    fill(list, {1, 2, 3, 4});
    const TBase* second = list.elemAt(1);
    list.swap(3, 1);
    EXPECT_EQ(integers(list), "1 4 3 2");
    EXPECT_EQ(list.position(), 3);
    EXPECT_EQ(list.elemAt(3), second);
    list.swap(0, 9);
    EXPECT_EQ(integers(list), "1 4 3 2");
}

TEST_F(ListeTest, ClearEmptiesAndResets) {
    TListe list;
    fill(list, {1, 2, 3});
    list.moveTo(2);
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.position(), 0);
    EXPECT_TRUE(list.verify());
    list.append(num(5));
    EXPECT_EQ(integers(list), "5");
}

TEST_F(ListeTest, HasMixedClassesComparesClassNamesAndKeepsCursor) {
    TListe list;
    EXPECT_FALSE(list.hasMixedClasses());
    fill(list, {1, 2});
    list.moveTo(1);
    EXPECT_FALSE(list.hasMixedClasses());
    list.append(str("x"));
    list.moveTo(2);
    EXPECT_TRUE(list.hasMixedClasses());
    EXPECT_EQ(list.position(), 2);
}

TEST_F(ListeTest, FindElemWithOtherClassKeyReturnsNullAtEnd) {
    TListe list;
    list.append(str("5"));
    TInteger key(5);
    EXPECT_EQ(list.findElem(key), nullptr);
    EXPECT_TRUE(list.isAtEnd());
}

TEST_F(ListeTest, FindNextSearchesFromCursorOn) {
    TListe list;
    fill(list, {4, 5, 6, 5});
    TInteger key(5);
    EXPECT_EQ(valueOf(list.findElem(key)), 5);
    EXPECT_EQ(list.position(), 1);
    list.advance();
    EXPECT_NE(list.findNext(key), nullptr);
    EXPECT_EQ(list.position(), 3);
    list.advance();
    EXPECT_EQ(list.findNext(key), nullptr);
    EXPECT_EQ(list.position(), 4);
}

TEST_F(ListeTest, CompareGivesZeroForEqualListsAndTwoOtherwise) {
    TListe a;
    TListe b;
    fill(a, {1, 2, 3});
    fill(b, {1, 2, 3});
    EXPECT_EQ(a.compare(b), 0);
    EXPECT_EQ(a.position(), 3);
    EXPECT_EQ(b.position(), 3);

    TListe shorter;
    fill(shorter, {1, 2});
    EXPECT_EQ(a.compare(shorter), 2);
    EXPECT_EQ(a.position(), 2);
    EXPECT_EQ(shorter.position(), 2);

    TListe reordered;
    fill(reordered, {1, 3, 2});
    EXPECT_EQ(a.compare(reordered), 2);
    EXPECT_EQ(a.position(), 1);
    EXPECT_EQ(reordered.position(), 1);

    TListe otherClass;
    otherClass.append(num(1));
    otherClass.append(num(2));
    otherClass.append(str("3"));
    EXPECT_EQ(a.compare(otherClass), 2);

    TSortableListe sortable;
    fill(sortable, {1, 2, 3});
    EXPECT_EQ(a.compare(sortable), 2);
    EXPECT_EQ(sortable.compare(a), 2);
    TInteger notAList(1);
    EXPECT_EQ(a.compare(notAList), 2);
}

TEST_F(ListeTest, CopyIsPlainListOfNewElementsAtSourcePosition) {
    TSortableListe source;
    fill(source, {1, 2, 3});
    source.moveTo(2);
    std::unique_ptr<TBase> c = source.copy();
    ASSERT_EQ(c->className(), "TListe");
    auto& copy = dynamic_cast<TListe&>(*c);
    EXPECT_EQ(copy.position(), 2);
    EXPECT_EQ(source.position(), 2);
    EXPECT_EQ(integers(copy), "1 2 3");
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(copy.elemAt(i), source.elemAt(i));
    }
    EXPECT_TRUE(copy.verify());
}

TEST_F(ListeTest, CopyIntoInsertsAtDestCursorAndMovesBothCursors) {
    TListe source;
    fill(source, {1, 2, 3});
    source.moveTo(1);
    TListe dest;
    fill(dest, {8, 9});
    dest.moveTo(1);
    source.copyInto(dest);
    EXPECT_EQ(integers(dest), "8 1 2 3 9");
    EXPECT_EQ(source.position(), 1);
    EXPECT_EQ(dest.position(), 1);
    EXPECT_TRUE(dest.verify());
}

TEST_F(ListeTest, AppendListMovesNodesAndNullsTheOther) {
    TListe list;
    fill(list, {1, 2});
    auto other = std::make_unique<TListe>();
    fill(*other, {3, 4, 5});
    const TBase* three = other->elemAt(0);
    list.appendList(other);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(integers(list), "1 2 3 4 5");
    EXPECT_EQ(list.position(), 2);
    EXPECT_EQ(list.elem(), three);
    EXPECT_TRUE(list.verify());
    list.append(num(6));
    EXPECT_EQ(integers(list), "1 2 3 4 5 6");
}

TEST_F(ListeTest, AppendListOfEmptyListsKeepsInvariants) {
    TListe list;
    auto other = std::make_unique<TListe>();
    list.appendList(other);
    EXPECT_EQ(other, nullptr);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.verify());
    auto more = std::make_unique<TListe>();
    fill(*more, {1});
    list.appendList(more);
    EXPECT_EQ(integers(list), "1");
    EXPECT_EQ(list.position(), 0);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, SplitOffMovesLeadingElements) {
    TListe list;
    fill(list, {1, 2, 3, 4});
    list.moveTo(3);
    std::unique_ptr<TListe> front = list.splitOff(3);
    EXPECT_EQ(integers(*front), "1 2 3");
    EXPECT_EQ(front->position(), 0);
    EXPECT_EQ(integers(list), "4");
    EXPECT_EQ(list.position(), 0);
    EXPECT_TRUE(list.verify());
    EXPECT_TRUE(front->verify());
    front->append(num(9));
    EXPECT_EQ(integers(*front), "1 2 3 9");
}

TEST_F(ListeTest, SplitOffWholeListLeavesThisEmpty) {
    TListe list;
    fill(list, {1, 2, 3});
    std::unique_ptr<TListe> all = list.splitOff(3);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.verify());
    EXPECT_EQ(integers(*all), "1 2 3");
    EXPECT_EQ(all->className(), "TListe");
    std::unique_ptr<TListe> none = list.splitOff(2);
    EXPECT_TRUE(none->isEmpty());
}

TEST_F(ListeTest, SplitOffBeyondCountTakesEverything) {
    TListe list;
    fill(list, {1, 2});
    std::unique_ptr<TListe> all = list.splitOff(50);
    EXPECT_EQ(integers(*all), "1 2");
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, ReverseReversesWithCopiesAndEndsAtEnd) {
    TListe list;
    fill(list, {1, 2, 3});
    const TBase* first = list.elemAt(0);
    list.reverse();
    EXPECT_EQ(integers(list), "3 2 1");
    EXPECT_TRUE(list.isAtEnd());
    EXPECT_EQ(list.position(), 3);
    EXPECT_NE(list.elemAt(2), first);
    EXPECT_TRUE(list.verify());
    list.append(num(0));
    EXPECT_EQ(integers(list), "3 2 1 0");
}

TEST_F(ListeTest, TheFullListRefusesTheNextElementWithItsMessage) {
    TListe list;
    for (int i = 0; i < 65535; ++i) {
        ASSERT_TRUE(list.append(num(i)));
    }
    EXPECT_TRUE(messages.log.empty());
    std::unique_ptr<TBase> refused = num(-1);
    EXPECT_FALSE(list.insert(std::move(refused)));
    EXPECT_FALSE(list.insertAt(0, std::move(refused)));
    ASSERT_NE(refused, nullptr);  // still the caller's
    EXPECT_EQ(valueOf(refused.get()), -1);
    EXPECT_EQ(list.count(), 65535);
    EXPECT_EQ(messages.log, (std::vector<std::string>{
                                "information: Die Liste ist voll - maximal 65535 Elemente",
                                "information: Die Liste ist voll - maximal 65535 Elemente"}));
    EXPECT_EQ(valueOf(list.elemAt(0)), 0);
    EXPECT_EQ(valueOf(list.elemAt(65534)), 65534);
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, AppendListBeyondTheLimitKeepsWhatFitsAndSaysSo) {
    TListe list;
    for (int i = 0; i < 65530; ++i) {
        list.append(num(i));
    }
    auto other = std::make_unique<TListe>();
    for (int i = 0; i < 10; ++i) {
        other->append(num(100000 + i));
    }
    list.appendList(other);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(list.count(), 65535);
    EXPECT_EQ(list.position(), 65530);
    EXPECT_EQ(valueOf(list.elem()), 100000);
    EXPECT_EQ(valueOf(list.elemAt(65534)), 100004);
    EXPECT_EQ(messages.log,
              std::vector<std::string>{"information: Die Liste ist voll - maximal 65535 Elemente"});
    EXPECT_TRUE(list.verify());
}

TEST_F(ListeTest, LongListsReverseCopyCompareAndDieWithoutDeepRecursion) {
    // 65535 elements: every whole-list operation walks in a loop.
    auto list = std::make_unique<TListe>();
    for (int i = 0; i < 65535; ++i) {
        list->append(num(i));
    }
    list->reverse();
    EXPECT_EQ(valueOf(list->elemAt(0)), 65534);
    EXPECT_EQ(valueOf(list->elemAt(65534)), 0);
    std::unique_ptr<TListe> copy = list->copyList();
    EXPECT_EQ(list->compare(*copy), 0);
    std::unique_ptr<TListe> front = list->splitOff(30000);
    list->reset();
    front->appendList(list);
    EXPECT_EQ(front->count(), 65535);
    EXPECT_TRUE(front->verify());
    front.reset();
    copy.reset();
}

// Random operation sequences against a vector of values and a position.
TEST_F(ListeTest, RandomOperationsMatchAVectorModelAfterEveryStep) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        TListe list;
        std::vector<int> model;
        int pos = 0;
        int next = 0;
        auto check = [&](int step) {
            ASSERT_TRUE(list.verify()) << "seed " << seed << " step " << step;
            ASSERT_EQ(list.count(), model.size()) << "seed " << seed << " step " << step;
            ASSERT_EQ(list.position(), pos) << "seed " << seed << " step " << step;
            if (pos < static_cast<int>(model.size())) {
                ASSERT_EQ(valueOf(list.elem()), model[pos]);
            } else {
                ASSERT_EQ(list.elem(), nullptr);
            }
        };
        for (int step = 0; step < 400; ++step) {
            const int n = static_cast<int>(model.size());
            switch (rng() % 14) {
                case 0:
                case 1:
                    list.insert(num(next));
                    model.insert(model.begin() + pos, next++);
                    break;
                case 2: {
                    const int i = static_cast<int>(rng() % (n + 3)) - 1;
                    list.insertAt(i, num(next));
                    pos = std::clamp(i, 0, n);
                    model.insert(model.begin() + pos, next++);
                    break;
                }
                case 3:
                    list.append(num(next));
                    pos = n;
                    model.push_back(next++);
                    break;
                case 4:
                    list.deleteElem();
                    if (pos < n) {
                        model.erase(model.begin() + pos);
                    }
                    break;
                case 5:
                    list.update(num(next));
                    if (pos < n) {
                        model[pos] = next;
                    }
                    ++next;
                    break;
                case 6:
                    list.advance();
                    pos = std::min(pos + 1, n);
                    break;
                case 7:
                    list.reset();
                    pos = 0;
                    break;
                case 8: {
                    const int i = static_cast<int>(rng() % (n + 5)) - 2;
                    list.moveTo(i);
                    pos = std::clamp(i, 0, n);
                    break;
                }
                case 9:
                    list.stepBack();
                    pos = std::max(pos - 1, 0);
                    break;
                case 10:
                    if (n > 0) {
                        const auto i = static_cast<std::uint16_t>(rng() % n);
                        const auto j = static_cast<std::uint16_t>(rng() % n);
                        list.swap(i, j);
                        std::swap(model[i], model[j]);
                        pos = i;
                    }
                    break;
                case 11: {
                    if (n > 0) {
                        const int k = model[rng() % n];
                        TInteger key(k);
                        list.findElem(key);
                        pos = static_cast<int>(std::find(model.begin(), model.end(), k) -
                                               model.begin());
                    }
                    break;
                }
                case 12: {
                    // Split off a front part and hang it behind the rest.
                    const auto k = static_cast<std::uint16_t>(rng() % (n + 1));
                    std::unique_ptr<TListe> front = list.splitOff(k);
                    const int moved = front->count();
                    ASSERT_EQ(moved, n == 0 ? 0 : std::min<int>(k, n));
                    ASSERT_TRUE(front->verify());
                    ASSERT_TRUE(list.verify());
                    ASSERT_EQ(list.position(), 0);
                    std::rotate(model.begin(), model.begin() + moved, model.end());
                    list.appendList(front);
                    ASSERT_EQ(front, nullptr);
                    pos = n - moved;
                    break;
                }
                case 13:
                    list.moveToEnd();
                    pos = n;
                    break;
            }
            check(step);
        }
    }
}

}  // namespace
