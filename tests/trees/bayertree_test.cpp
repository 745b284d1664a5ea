// The B-tree's operations: page search, look-up, copy, insertion with its
// splits and the fourth-level refusal, deletion with its borrows and merges,
// and the steps reported to the observer.
#include "trees/bayertree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/base.h"
#include "elements/values.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"

namespace {

std::string pathText(const BayerPath& at) {
    std::string text;
    for (int i = 0; i < at.length; ++i) text += "/" + std::to_string(at.steps[i]);
    return text.empty() ? "/" : text;
}

std::string pageKeys(const TBayerTreeNode& page) {
    std::string text = "[";
    for (int i = 1; i <= page.count(); ++i) {
        if (i > 1) text += ' ';
        text += TBayerTree::keyText(page.key(i));
    }
    return text + "]";
}

// Logs every step as one line of text.
class RecordingObserver final : public BayerObserver {
public:
    void keyPlaced(const TBayerTreeNode& page, const BayerPath& at, int slot,
                   const TBase& key) override {
        log.push_back("placed " + pathText(at) + " slot " + std::to_string(slot) + " key " +
                      TBayerTree::keyText(key) + " page " + pageKeys(page));
    }
    void fullPageReached(const TBayerTreeNode& page, const BayerPath& at,
                         const TBase& key) override {
        log.push_back("full " + pathText(at) + " key " + TBayerTree::keyText(key) + " page " +
                      pageKeys(page));
    }
    void pageSplit(const BayerPath& at, const std::array<const TBase*, 5>& keys,
                   const TBayerTreeNode& left, const TBayerTreeNode& right) override {
        std::string line = "split " + pathText(at);
        for (const TBase* key : keys) line += " " + TBayerTree::keyText(*key);
        log.push_back(line + " into " + pageKeys(left) + pageKeys(right));
    }
    void rootCreated(const TBase& key, bool treeWasEmpty) override {
        log.push_back("root " + TBayerTree::keyText(key) + (treeWasEmpty ? " first" : " grown"));
    }
    void leafKeyRemoved(const TBayerTreeNode& page, const BayerPath& at, int slot, const TBase& x,
                        bool underflow) override {
        log.push_back("leaf " + pathText(at) + " slot " + std::to_string(slot) + " x " +
                      TBayerTree::keyText(x) + " page " + pageKeys(page) +
                      (underflow ? " underflow" : ""));
    }
    void innerKeyFound(const TBayerTreeNode& page, const BayerPath& at, int slot,
                       const TBase& x) override {
        log.push_back("inner " + pathText(at) + " slot " + std::to_string(slot) + " x " +
                      TBayerTree::keyText(x) + " page " + pageKeys(page));
    }
    void predecessorMoved(const TBayerTreeNode& page, const BayerPath& at, int slot,
                          const TBayerTreeNode& from, const BayerPath& fromAt, int fromSlot,
                          const TBase& key, bool underflow) override {
        log.push_back("pred " + TBayerTree::keyText(key) + " from " + pathText(fromAt) + " slot " +
                      std::to_string(fromSlot) + " " + pageKeys(from) + " to " + pathText(at) +
                      " slot " + std::to_string(slot) + " " + pageKeys(page) +
                      (underflow ? " underflow" : ""));
    }
    void underflowRepaired(const BayerRepair& r) override {
        static const char* const kinds[] = {"borrowRight", "mergeRight", "borrowLeft", "mergeLeft"};
        log.push_back(std::string(kinds[static_cast<int>(r.kind)]) + " c " + pathText(r.parentAt) +
                      " s " + std::to_string(r.s) + " " + pageKeys(r.parent) + " a " +
                      pageKeys(r.page) + " b " + pageKeys(r.neighbour) + " before " +
                      std::to_string(r.parentCountBefore) + "/" +
                      std::to_string(r.neighbourCountBefore));
    }

    std::vector<std::string> log;
};

class BayerTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBayerTreeClasses();
    }

    // Checks the invariants and the count after every operation of a test.
    void expectSound(const TBayerTree& tree) { EXPECT_EQ(tree.problem(), "") << describe(tree); }

    RecordingMessages messages;
    RecordingObserver steps;
    TestBayerTree tree{&TInteger::info};
};

// A three-level tree whose path to the leaf [52 54 56 58] is full on every
// level: root [60 200 300 400], its leftmost child [20 30 40 50].
constexpr const char* kFullPath =
    "[60 200 300 400]("
    "[20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
    "[120 140]([61 62][121 122][141 142])"
    "[220 240]([201 202][221 222][241 242])"
    "[320 340]([301 302][321 322][341 342])"
    "[420 440]([401 402][421 422][441 442]))";

// --- page search and look-up ---------------------------------------------

TEST_F(BayerTreeTest, SearchPageFindsSlotOrCountOfSmallerKeys) {
    build(tree, "[10 20 30 40]");
    struct Case {
        int x;
        bool found;
        int pos;
    };
    const Case cases[] = {{5, false, 0},  {10, true, 0},  {15, false, 1},
                          {20, true, 1},  {25, false, 2}, {30, true, 2},
                          {35, false, 3}, {40, true, 3},  {45, false, 4}};
    for (const Case& c : cases) {
        const auto s = TBayerTree::searchPage(*tree.root(), TInteger(c.x));
        EXPECT_EQ(s.found, c.found) << c.x;
        EXPECT_EQ(s.pos, c.pos) << c.x;
    }
}

TEST_F(BayerTreeTest, LookUpLendsTheStoredKeyOnEveryLevel) {
    build(tree, kFullPath);
    for (int value : {60, 30, 1, 58, 441, 300}) {
        const TBase* found = tree.lookUp(TInteger(value));
        ASSERT_NE(found, nullptr) << value;
        EXPECT_EQ(dynamic_cast<const TInteger&>(*found).getValue(), value);
    }
    // The very object in the page, not a copy.
    EXPECT_EQ(tree.lookUp(TInteger(60)), &tree.root()->key(1));
    for (int value : {0, 3, 57, 59, 61 + 1000, 250})
        EXPECT_EQ(tree.lookUp(TInteger(value)), nullptr);
}

TEST_F(BayerTreeTest, LookUpOnEmptyTreeIsNullWithoutComparing) {
    EXPECT_EQ(tree.lookUp(TString("a")), nullptr);  // another class: never compared
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(BayerTreeTest, LookUpWithElementOfAnotherClassStopsTheProgram) {
    build(tree, "[1 2]");
    EXPECT_THROW(tree.lookUp(TString("1")), FatalStopSeen);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0], "fatal: Für dieses Objekt ist keine Ordnungsrelation definiert");
}

TEST_F(BayerTreeTest, InsertingAnotherClassThanTheKeyClassStopsTheProgram) {
    EXPECT_THROW(tree.insert(std::make_unique<TString>("x")), FatalStopSeen);
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.count(), 0);
}

// --- insertion --------------------------------------------------------------

TEST_F(BayerTreeTest, FourKeysFillOnePageAndTheFifthSplitsIt) {
    for (int v : {1, 2, 3, 4}) EXPECT_EQ(tree.insertNumber(v), TBayerTree::InsertResult::Inserted);
    EXPECT_EQ(describe(tree), "[1 2 3 4]");
    EXPECT_EQ(tree.depth(), 1);
    EXPECT_EQ(tree.insertNumber(5, &steps), TBayerTree::InsertResult::Inserted);
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    EXPECT_EQ(tree.count(), 5);
    EXPECT_EQ(tree.depth(), 2);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "full / key 5 page [1 2 3 4]",
        "split / 1 2 3 4 5 into [1 2][4 5]",
        "root 3 grown",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, FirstInsertionMakesTheRootAndReportsOnlyThat) {
    tree.insertNumber(7, &steps);
    EXPECT_EQ(describe(tree), "[7]");
    EXPECT_EQ(steps.log, std::vector<std::string>{"root 7 first"});
}

TEST_F(BayerTreeTest, InsertionIntoPageWithRoomShiftsLargerKeysUp) {
    build(tree, "[10 30 40]");
    tree.insertNumber(20, &steps);
    EXPECT_EQ(describe(tree), "[10 20 30 40]");
    EXPECT_EQ(steps.log, std::vector<std::string>{"placed / slot 2 key 20 page [10 20 30 40]"});
}

TEST_F(BayerTreeTest, SplitOfLeafMovesMiddleKeyIntoParent) {
    build(tree, "[3]([1 2][4 5 6 7])");
    tree.insertNumber(8, &steps);
    EXPECT_EQ(describe(tree), "[3 6]([1 2][4 5][7 8])");
    EXPECT_EQ(tree.count(), 8);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "full /1 key 8 page [4 5 6 7]",
        "split /1 4 5 6 7 8 into [4 5][7 8]",
        "placed / slot 2 key 6 page [3 6]",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, SplitPlacesNewKeyAmongTheFiveInOrder) {
    build(tree, "[10 20 30 40]");
    tree.insertNumber(25, &steps);
    EXPECT_EQ(describe(tree), "[25]([10 20][30 40])");
    EXPECT_EQ(steps.log[1], "split / 10 20 25 30 40 into [10 20][30 40]");
}

TEST_F(BayerTreeTest, SplitOfInnerPageHandsItsMiddleChildToTheNewPage) {
    // Root [10 20 30 40] full; the leaf under 40 is full: both split, the
    // tree grows to three levels.
    build(tree, "[10 20 30 40]([1 2][11 12][21 22][31 32][41 42 43 44])");
    tree.insertNumber(45, &steps);
    EXPECT_EQ(describe(tree), "[30]([10 20]([1 2][11 12][21 22])[40 43]([31 32][41 42][44 45]))");
    EXPECT_EQ(tree.depth(), 3);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "full /4 key 45 page [41 42 43 44]",
        "split /4 41 42 43 44 45 into [41 42][44 45]",
        "full / key 43 page [10 20 30 40]",
        "split / 10 20 30 40 43 into [10 20][40 43]",
        "root 30 grown",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, DuplicateIsFreedAndChangesNothing) {
    build(tree, "[3]([1 2][4 5])");
    EXPECT_EQ(tree.insertNumber(4, &steps), TBayerTree::InsertResult::Duplicate);
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    EXPECT_EQ(tree.count(), 5);
    EXPECT_TRUE(steps.log.empty());
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(BayerTreeTest, FourthLevelIsRefusedWithMessageAndNothingChanges) {
    build(tree, kFullPath);
    const std::string before = describe(tree);
    const auto count = tree.count();
    const TBase* rootKey = &tree.root()->key(1);
    EXPECT_EQ(tree.insertNumber(57, &steps), TBayerTree::InsertResult::Refused);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0],
              "information: Einfügen von 57 nicht möglich, da Baumtiefe zu groß würde");
    EXPECT_EQ(describe(tree), before);
    EXPECT_EQ(tree.count(), count);
    EXPECT_EQ(&tree.root()->key(1), rootKey);
    EXPECT_EQ(tree.lookUp(TInteger(57)), nullptr);
    EXPECT_TRUE(steps.log.empty());
    expectSound(tree);
}

TEST_F(BayerTreeTest, SameLeafWithRoomInParentSplitsNormally) {
    build(tree,
          "[60 200 300 400]("
          "[20 40 50]([1 2][21 22][41 42][52 54 56 58])"
          "[120 140]([61 62][121 122][141 142])"
          "[220 240]([201 202][221 222][241 242])"
          "[320 340]([301 302][321 322][341 342])"
          "[420 440]([401 402][421 422][441 442]))");
    const int before = tree.count();
    EXPECT_EQ(tree.insertNumber(57), TBayerTree::InsertResult::Inserted);
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(describe(tree.root()->child(0)), "[20 40 50 56]([1 2][21 22][41 42][52 54][57 58])");
    EXPECT_EQ(tree.count(), before + 1);
    expectSound(tree);
}

TEST_F(BayerTreeTest, FullLeafAndParentUnderRootWithRoomSplitTwice) {
    build(tree,
          "[60 200 300]("
          "[20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
          "[120 140]([61 62][121 122][141 142])"
          "[220 240]([201 202][221 222][241 242])"
          "[320 340]([301 302][321 322][341 342]))");
    EXPECT_EQ(tree.insertNumber(57), TBayerTree::InsertResult::Inserted);
    EXPECT_EQ(describe(tree.root()),
              "[40 60 200 300]([20 30]([1 2][21 22][31 32])[50 56]"
              "([41 42][52 54][57 58])[120 140]([61 62][121 122][141 142])"
              "[220 240]([201 202][221 222][241 242])"
              "[320 340]([301 302][321 322][341 342]))");
    EXPECT_EQ(tree.depth(), 3);
    expectSound(tree);
}

TEST_F(BayerTreeTest, RefusalNeedsAllThreeLevelsFullNotJustTheLeaf) {
    // Root full and leaf full but the level-2 page has room: accepted.
    build(tree,
          "[60 200 300 400]("
          "[20 30 40]([1 2][21 22][31 32][41 42 43 44])"
          "[120 140]([61 62][121 122][141 142])"
          "[220 240]([201 202][221 222][241 242])"
          "[320 340]([301 302][321 322][341 342])"
          "[420 440]([401 402][421 422][441 442]))");
    EXPECT_EQ(tree.insertNumber(45), TBayerTree::InsertResult::Inserted);
    EXPECT_EQ(describe(tree.root()->child(0)), "[20 30 40 43]([1 2][21 22][31 32][41 42][44 45])");
    EXPECT_TRUE(messages.log.empty());
}

// --- deletion ---------------------------------------------------------------

TEST_F(BayerTreeTest, DeletingFromLeafWithThreeKeysNeedsNoRepair) {
    build(tree, "[3]([1 2][4 5 6])");
    EXPECT_TRUE(tree.removeNumber(5, &steps));
    EXPECT_EQ(describe(tree), "[3]([1 2][4 6])");
    EXPECT_EQ(tree.count(), 5);
    EXPECT_EQ(steps.log, std::vector<std::string>{"leaf /1 slot 2 x 5 page [4 6]"});
}

TEST_F(BayerTreeTest, DeletingLeftmostLeafKeyBorrowsFromTheRight) {
    build(tree, "[3]([1 2][4 5 6])");
    EXPECT_TRUE(tree.removeNumber(1, &steps));
    EXPECT_EQ(describe(tree), "[4]([2 3][5 6])");
    EXPECT_EQ(tree.count(), 5);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "leaf /0 slot 1 x 1 page [2] underflow",
        "borrowRight c / s 0 [4] a [2 3] b [5 6] before 1/3",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, DeletingInLastChildBorrowsFromTheLeft) {
    build(tree, "[4]([1 2 3][5 6])");
    EXPECT_TRUE(tree.removeNumber(6, &steps));
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    expectSound(tree);
    const std::vector<std::string> expected = {
        "leaf /1 slot 2 x 6 page [5] underflow",
        "borrowLeft c / s 1 [3] a [4 5] b [1 2] before 1/3",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, MergeWithRightNeighbourCollapsesOneKeyRoot) {
    build(tree, "[3]([1 2][4 5])");
    EXPECT_TRUE(tree.removeNumber(1, &steps));
    EXPECT_EQ(describe(tree), "[2 3 4 5]");
    EXPECT_EQ(tree.count(), 4);
    EXPECT_EQ(tree.depth(), 1);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "leaf /0 slot 1 x 1 page [2] underflow",
        "mergeRight c / s 0 [] a [2 3 4 5] b [] before 1/2",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, MergingLastTwoChildrenOfOneKeyRootMakesMergedPageTheRoot) {
    build(tree, "[3]([1 2][4 5])");
    EXPECT_TRUE(tree.removeNumber(5, &steps));
    EXPECT_EQ(describe(tree), "[1 2 3 4]");
    EXPECT_EQ(tree.depth(), 1);
    EXPECT_EQ(steps.log.back(), "mergeLeft c / s 1 [] a [] b [1 2 3 4] before 1/2");
}

TEST_F(BayerTreeTest, DeletingInnerKeyTakesPredecessorThenMerges) {
    build(tree, "[3]([1 2][4 5])");
    EXPECT_TRUE(tree.removeNumber(3, &steps));
    EXPECT_EQ(describe(tree), "[1 2 4 5]");
    EXPECT_EQ(tree.count(), 4);
    const std::vector<std::string> expected = {
        "inner / slot 1 x 3 page [3]",
        "pred 2 from /0 slot 2 [1] to / slot 1 [2] underflow",
        "mergeRight c / s 0 [] a [1 2 4 5] b [] before 1/2",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, InnerKeyIsReplacedByRightmostKeyOfLeftSubtreeThroughLastChildren) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22 23])[40 50]([31 32][41 42][51 52]))");
    EXPECT_TRUE(tree.removeNumber(30, &steps));
    EXPECT_EQ(describe(tree), "[23]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52]))");
    const std::vector<std::string> expected = {
        "inner / slot 1 x 30 page [30]",
        "pred 23 from /0/2 slot 3 [21 22] to / slot 1 [23]",
    };
    EXPECT_EQ(steps.log, expected);
    expectSound(tree);
}

TEST_F(BayerTreeTest, PredecessorUnderflowIsRepairedOnEveryLevelUpToTheRoot) {
    // The predecessor leaf [21 22] and its parent [10 20] both underflow; the
    // leaf merges with its left neighbour, then [10] merges with [40 50] and
    // the root collapses.
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52]))");
    EXPECT_TRUE(tree.removeNumber(30, &steps));
    EXPECT_EQ(describe(tree), "[10 22 40 50]([1 2][11 12 20 21][31 32][41 42][51 52])");
    EXPECT_EQ(tree.count(), 16);
    EXPECT_EQ(tree.depth(), 2);
    expectSound(tree);
    const std::vector<std::string> expected = {
        "inner / slot 1 x 30 page [30]",
        "pred 22 from /0/2 slot 2 [21] to / slot 1 [22] underflow",
        "mergeLeft c /0 s 2 [10] a [] b [11 12 20 21] before 2/2",
        "mergeRight c / s 0 [] a [10 22 40 50] b [] before 1/2",
    };
    EXPECT_EQ(steps.log, expected);
}

TEST_F(BayerTreeTest, InnerPageBorrowFromRightMovesChildPage) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50 60]([31 32][41 42][51 52][61 62]))");
    EXPECT_TRUE(tree.removeNumber(1, &steps));
    EXPECT_EQ(describe(tree),
              "[40]([20 30]([2 10 11 12][21 22][31 32])[50 60]([41 42][51 52][61 62]))");
    expectSound(tree);
    EXPECT_EQ(steps.log.back(), "borrowRight c / s 0 [40] a [20 30] b [50 60] before 1/3");
}

TEST_F(BayerTreeTest, InnerPageBorrowFromLeftMovesChildPage) {
    build(tree, "[40]([10 20 30]([1 2][11 12][21 22][31 32])[50 60]([41 42][51 52][61 62]))");
    EXPECT_TRUE(tree.removeNumber(62, &steps));
    EXPECT_EQ(describe(tree),
              "[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52 60 61]))");
    expectSound(tree);
    EXPECT_EQ(steps.log.back(), "borrowLeft c / s 1 [30] a [40 50] b [10 20] before 1/3");
}

TEST_F(BayerTreeTest, DeletingOnlyKeyOfRootLeafEmptiesTheTree) {
    build(tree, "[9]");
    EXPECT_TRUE(tree.removeNumber(9, &steps));
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.root(), nullptr);
    EXPECT_EQ(tree.count(), 0);
    EXPECT_EQ(tree.depth(), 0);
    EXPECT_EQ(steps.log, std::vector<std::string>{"leaf / slot 1 x 9 page [] underflow"});
}

TEST_F(BayerTreeTest, DeletingAbsentKeyChangesNothing) {
    build(tree, "[3]([1 2][4 5])");
    EXPECT_FALSE(tree.removeNumber(6, &steps));
    EXPECT_FALSE(tree.removeNumber(0, &steps));
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    EXPECT_EQ(tree.count(), 5);
    EXPECT_TRUE(steps.log.empty());
    TestBayerTree none;
    EXPECT_FALSE(none.removeNumber(1));
}

TEST_F(BayerTreeTest, MiddleChildPrefersRightNeighbourEvenWhenLeftCouldLend) {
    build(tree, "[3 6]([1 2][4 5][7 8 9])");
    tree.removeNumber(4, &steps);
    EXPECT_EQ(describe(tree), "[3 7]([1 2][5 6][8 9])");
    EXPECT_EQ(steps.log.back(), "borrowRight c / s 1 [3 7] a [5 6] b [8 9] before 2/3");
    build(tree, "[4 7]([1 2 3][5 6][8 9])");
    steps.log.clear();
    tree.removeNumber(5, &steps);
    // The right neighbour has only 2 keys: merge with it, not borrow left.
    EXPECT_EQ(describe(tree), "[4]([1 2 3][6 7 8 9])");
    EXPECT_EQ(steps.log.back(), "mergeRight c / s 1 [4] a [6 7 8 9] b [] before 2/2");
}

TEST_F(BayerTreeTest, BorrowMovesExactlyOneKeyWhateverTheNeighbourHolds) {
    build(tree, "[3]([1 2][4 5 6 7])");
    tree.removeNumber(2);
    EXPECT_EQ(describe(tree), "[4]([1 3][5 6 7])");
}

// --- copy and destruction ---------------------------------------------------

TEST_F(BayerTreeTest, CopyIsDeepAndIndependent) {
    build(tree, kFullPath);
    std::unique_ptr<TBase> copied = tree.copy();
    auto* copy = dynamic_cast<TBayerTree*>(copied.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->className(), "TBayerTree");
    EXPECT_EQ(describe(*copy), describe(tree));
    EXPECT_EQ(copy->count(), tree.count());
    EXPECT_EQ(copy->keyClass(), &TInteger::info);
    EXPECT_NE(&copy->root()->key(1), &tree.root()->key(1));
    EXPECT_NE(copy->root()->child(2), tree.root()->child(2));
    const std::string copyBefore = describe(*copy);
    tree.removeNumber(60);
    tree.removeNumber(1);
    tree.clear();
    EXPECT_EQ(describe(*copy), copyBefore);
    EXPECT_EQ(copy->problem(), "");
}

TEST_F(BayerTreeTest, CopyOfEmptyTreeIsEmpty) {
    std::unique_ptr<TBase> copied = tree.copy();
    auto& copy = dynamic_cast<TBayerTree&>(*copied);
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.count(), 0);
}

TEST_F(BayerTreeTest, PageCopyKeepsKeysAndChildren) {
    build(tree, "[3]([1 2][4 5])");
    std::unique_ptr<TBase> page = tree.root()->copy();
    auto& copy = dynamic_cast<TBayerTreeNode&>(*page);
    EXPECT_EQ(describe(&copy), "[3]([1 2][4 5])");
    EXPECT_EQ(copy.className(), "TBayerTreeNode");
}

TEST_F(BayerTreeTest, VeryDeepHandBuiltPageChainIsFreedAndCopiedWithoutRecursion) {
    // Pages are public: a chain far deeper than any tree must not exhaust the
    // stack when copied or destroyed.
    std::unique_ptr<TBayerTreeNode> chain;
    for (int i = 0; i < 200000; ++i) {
        TBayerTreeNode::Items items;
        items[0].key = std::make_unique<TInteger>(i);
        chain = std::make_unique<TBayerTreeNode>(1, std::move(chain), std::move(items));
    }
    std::unique_ptr<TBayerTreeNode> copy = chain->copyPage();
    int depth = 0;
    for (const TBayerTreeNode* p = copy.get(); p; p = p->child(0)) ++depth;
    EXPECT_EQ(depth, 200000);
    chain.reset();
    copy.reset();
}

TEST_F(BayerTreeTest, KeyTextShowsIntegersInDecimal) {
    EXPECT_EQ(TBayerTree::keyText(TInteger(-57)), "-57");
    EXPECT_EQ(TBayerTree::keyText(TString("\xE4")), "ä");
    EXPECT_EQ(TBayerTree::keyText(TBoolean(true)), "TBoolean");
}

TEST_F(BayerTreeTest, IsRegisteredAsContainerThatCannotBeAnElement) {
    EXPECT_TRUE(registry::contains("tbayertree"));
    EXPECT_EQ(registry::find("TBayerTree").makeDefault, nullptr);
}

}  // namespace
