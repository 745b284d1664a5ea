// TSearchTree: insertion by order, binary search, deletion with the in-order
// predecessor, the balanced rebuild, treeToListe and buildBalancedTree, the
// display hooks, and random sequences against std::set.
#include "trees/searchtree.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/liste.h"
#include "tests/support/recorders.h"
#include "tests/trees/searchsupport.h"
#include "tests/trees/treesupport.h"
#include "trees/avltree.h"
#include "trees/treeinteger.h"

using searchtest::inOrderValues;
using searchtest::shape;
using treetest::node;

namespace {

class SearchTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }

    static void insertAll(TSearchTree& tree, std::initializer_list<int> values) {
        for (int v : values) tree.insert(std::make_unique<TTreeInteger>(v));
    }

    RecordingMessages messages;
};

TEST_F(SearchTreeTest, InsertionPutsSmallerLeftAndLargerRight) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 40});
    EXPECT_EQ(shape(tree.root.get()), "50(30(20,40),70)");
    EXPECT_EQ(inOrderValues(tree.root.get()), (std::vector<int>{20, 30, 40, 50, 70}));
    EXPECT_TRUE(tree.verify());
}

TEST_F(SearchTreeTest, InsertingAPresentValueKeepsTheTree) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 40});
    const TBase* stored = tree.lookUp(TTreeInteger(30));
    tree.insert(std::make_unique<TTreeInteger>(30));
    EXPECT_EQ(tree.count(), 5);
    EXPECT_EQ(tree.lookUp(TTreeInteger(30)), stored);  // the first instance stays
}

TEST_F(SearchTreeTest, LookUpReturnsTheStoredInstanceOrNull) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70});
    TTreeInteger key(70);
    TBase* found = tree.lookUp(key);
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found, &key);
    EXPECT_EQ(found, tree.root->getRight()->getValue());
    EXPECT_EQ(tree.lookUp(TTreeInteger(60)), nullptr);
    EXPECT_EQ(shape(tree.root.get()), "50(30,70)");
}

TEST_F(SearchTreeTest, DeletingTheRootTakesTheLargestOfTheLeftSubtree) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 40});
    tree.remove(std::make_unique<TTreeInteger>(50));
    EXPECT_EQ(shape(tree.root.get()), "40(30(20,-),70)");
}

TEST_F(SearchTreeTest, DeletingANodeWhoseLeftChildHasNoRightChildTakesThatChild) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 40});
    tree.remove(std::make_unique<TTreeInteger>(30));
    EXPECT_EQ(shape(tree.root.get()), "50(20(-,40),70)");
}

TEST_F(SearchTreeTest, DeletingALeafOrAOneChildNodeRelinksTheChild) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 80});
    tree.remove(std::make_unique<TTreeInteger>(20));
    EXPECT_EQ(shape(tree.root.get()), "50(30,70(-,80))");
    tree.remove(std::make_unique<TTreeInteger>(70));
    EXPECT_EQ(shape(tree.root.get()), "50(30,80)");
    tree.remove(std::make_unique<TTreeInteger>(50));
    EXPECT_EQ(shape(tree.root.get()), "30(-,80)");
    tree.remove(std::make_unique<TTreeInteger>(30));
    EXPECT_EQ(shape(tree.root.get()), "80");
    tree.remove(std::make_unique<TTreeInteger>(80));
    EXPECT_TRUE(tree.empty());
}

TEST_F(SearchTreeTest, DeletingAnAbsentValueChangesNothing) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70});
    tree.remove(std::make_unique<TTreeInteger>(60));
    EXPECT_EQ(shape(tree.root.get()), "50(30,70)");
    TSearchTree empty;
    empty.remove(std::make_unique<TTreeInteger>(1));
    EXPECT_TRUE(empty.empty());
}

TEST_F(SearchTreeTest, ElementsWithoutACommonOrderStopTheProgram) {
    TSearchTree tree;
    insertAll(tree, {50});
    EXPECT_THROW(tree.insert(std::make_unique<TInteger>(3)), FatalStopSeen);
    EXPECT_THROW(tree.lookUp(TString("5")), FatalStopSeen);
    EXPECT_THROW(tree.remove(std::make_unique<TInteger>(50)), FatalStopSeen);
    ASSERT_EQ(messages.log.size(), 3u);
    EXPECT_EQ(messages.log[0], "fatal: Für dieses Objekt ist keine Ordnungsrelation definiert");
    EXPECT_EQ(shape(tree.root.get()), "50");
}

TEST_F(SearchTreeTest, BalanceOfAChainOfFourPutsTheLowerMiddleAtTheRoot) {
    TSearchTree tree;
    insertAll(tree, {1, 2, 3, 4});
    tree.balance();
    EXPECT_EQ(shape(tree.root.get()), "2(1,3(-,4))");
    EXPECT_EQ(tree.root->getValue()->className(), "TTreeInteger");
}

TEST_F(SearchTreeTest, BalanceOfSevenGivesACompleteTreeOfDepthThree) {
    TSearchTree tree;
    insertAll(tree, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(tree.depth(), 7);
    tree.balance();
    EXPECT_EQ(shape(tree.root.get()), "4(2(1,3),6(5,7))");
    EXPECT_TRUE(tree.balanced());
    TSearchTree empty;
    empty.balance();
    EXPECT_TRUE(empty.empty());
}

TEST_F(SearchTreeTest, BalanceGivesMinimalDepthForEveryCount) {
    for (int n = 1; n <= 40; ++n) {
        TSearchTree tree;
        for (int v = 1; v <= n; ++v) tree.insert(std::make_unique<TTreeInteger>(v));
        tree.balance();
        int minimal = 0;
        while ((1 << minimal) - 1 < n) ++minimal;
        EXPECT_EQ(tree.depth(), minimal) << n;
        EXPECT_TRUE(tree.balanced()) << n;
        EXPECT_TRUE(tree.verify()) << n;
        EXPECT_EQ(tree.count(), n);
    }
}

TEST_F(SearchTreeTest, TreeToListeHoldsCopiesInAscendingOrder) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 40});
    auto list = tree.treeToListe();
    ASSERT_EQ(list->count(), 4);
    std::vector<int> seen;
    for (list->reset(); !list->isAtEnd(); list->advance()) {
        EXPECT_EQ(list->elem()->className(), "TTreeInteger");
        EXPECT_EQ(tree.lookUp(*list->elem()) == list->elem(), false);  // copies
        seen.push_back(static_cast<TInteger*>(list->elem())->getValue());
    }
    EXPECT_EQ(seen, (std::vector<int>{30, 40, 50, 70}));
    EXPECT_TRUE(TSearchTree().treeToListe()->isEmpty());
}

TEST_F(SearchTreeTest, BuildBalancedTreeOfOneToFourCopiesAndLeavesCursorAtTheLast) {
    TListe list;
    for (int v = 1; v <= 4; ++v) list.append(std::make_unique<TInteger>(v));
    auto built = buildBalancedTree(list);
    EXPECT_EQ(shape(built.get()), "2(1,3(-,4))");
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.position(), 3);
    EXPECT_NE(built->getValue(), list.elemAt(1));
    TListe empty;
    EXPECT_EQ(buildBalancedTree(empty), nullptr);
}

TEST_F(SearchTreeTest, CopyIsAnEqualSearchTreeOfItsOwn) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 40});
    auto copied = tree.copy();
    EXPECT_EQ(copied->className(), "TSearchTree");
    EXPECT_EQ(copied->compare(tree), kEqual);
    tree.remove(std::make_unique<TTreeInteger>(50));
    EXPECT_EQ(shape(static_cast<TSearchTree&>(*copied).root.get()), "50(30(-,40),70)");
    TBinTree plain;
    plain.root = node(50);
    TSearchTree one;
    insertAll(one, {50});
    EXPECT_EQ(one.compare(plain), kOtherClass);
}

// Records the hooks as text.
class HookLog : public TreeObserver {
public:
    static std::string path(const TreePath& p) {
        std::string s;
        for (Side side : p) s += side == Side::left ? 'L' : 'R';
        return s.empty() ? "root" : s;
    }
    static std::string v(const TBinTreeNode* n) {
        return n ? std::to_string(searchtest::valueOf(n)) : "null";
    }
    void inserted(const TreePath& p, const TBinTreeNode& n) override {
        log.push_back("inserted " + path(p) + " " + v(&n));
    }
    void found(const TreePath& p, const TBinTreeNode& n) override {
        log.push_back("found " + path(p) + " " + v(&n));
    }
    void bypassed(const TreePath& p, const TBinTreeNode* child) override {
        log.push_back("bypassed " + path(p) + " " + v(child));
    }
    void predecessorFound(const TreePath& p, const TBinTreeNode& n) override {
        log.push_back("predecessorFound " + path(p) + " " + v(&n));
    }
    void valueReplaced(const TreePath& p, const TBinTreeNode& n) override {
        log.push_back("valueReplaced " + path(p) + " " + v(&n));
    }
    void predecessorUnlinked(const TreePath& p, const TBinTreeNode& n,
                             const TBinTreeNode* child) override {
        log.push_back("predecessorUnlinked " + path(p) + " " + v(&n) + " " + v(child));
    }
    void releasing(const TBinTreeNode& n) override { log.push_back("releasing " + v(&n)); }
    void redrawBeforeRotation() override { log.push_back("redraw"); }
    void rotationPhase(Rotation kind, int phase, const TreePath& p, const RotationNodes&) override {
        static const char* names[] = {"LL", "LR", "RR", "RL"};
        log.push_back(std::string("rotation ") + names[static_cast<int>(kind)] + " " +
                      std::to_string(phase) + " " + path(p));
    }
    std::vector<std::string> log;
};

TEST_F(SearchTreeTest, HooksFollowTheDeletionStepByStep) {
    TSearchTree tree;
    insertAll(tree, {50, 30, 70, 20, 40, 35, 33});
    HookLog hooks;
    tree.removeObserved(std::make_unique<TTreeInteger>(50), &hooks);
    EXPECT_EQ(hooks.log, (std::vector<std::string>{
                             "found root 50", "predecessorFound LR 40", "valueReplaced root 40",
                             "predecessorUnlinked LR 40 35", "releasing 40"}));
    EXPECT_EQ(shape(tree.root.get()), "40(30(20,35(33,-)),70)");
    hooks.log.clear();
    tree.removeObserved(std::make_unique<TTreeInteger>(35), &hooks);
    EXPECT_EQ(hooks.log,
              (std::vector<std::string>{"found LR 35", "bypassed LR 33", "releasing 35"}));
    hooks.log.clear();
    tree.insertObserved(std::make_unique<TTreeInteger>(36), &hooks);
    EXPECT_EQ(hooks.log, (std::vector<std::string>{"inserted LRR 36"}));
}

TEST_F(SearchTreeTest, RandomInsertsAndDeletesMatchASetAfterEveryStep) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20; ++round) {
        TSearchTree tree;
        std::set<int> reference;
        for (int step = 0; step < 300; ++step) {
            const int value = static_cast<int>(random() % 60);
            if (random() % 3 != 0) {
                tree.insert(std::make_unique<TTreeInteger>(value));
                reference.insert(value);
            } else {
                tree.remove(std::make_unique<TTreeInteger>(value));
                reference.erase(value);
            }
            ASSERT_TRUE(tree.verify());
            ASSERT_EQ(inOrderValues(tree.root.get()),
                      std::vector<int>(reference.begin(), reference.end()));
            ASSERT_EQ(tree.count(), reference.size());
            ASSERT_EQ(tree.lookUp(TTreeInteger(value)) != nullptr, reference.count(value) == 1);
            if (step % 25 == 0 && !tree.empty()) {
                // What the program writes always passes its own checks.
                StringOutputStream out;
                {
                    TWriter writer(out);
                    tree.save(writer);
                }
                MemoryInputStream in(out.bytes());
                TReader reader(in);
                TSearchTree loaded;
                loaded.load(reader);
                ASSERT_EQ(loaded.compare(tree), kEqual);
            }
        }
    }
}

}  // namespace
