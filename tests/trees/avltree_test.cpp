// TAvlTree: the rotations with their balance factors in insertion and
// deletion, the observer phases of a rotation, and random sequences checked
// against a literal recursive AVL reference and std::set after every step.
#include "trees/avltree.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/support/recorders.h"
#include "tests/trees/searchsupport.h"
#include "trees/treeinteger.h"

using searchtest::avlNode;
using searchtest::inOrderValues;
using searchtest::shape;

namespace {

class AvlTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }

    static void insertAll(TAvlTree& tree, std::initializer_list<int> values) {
        for (int v : values) tree.insert(std::make_unique<TTreeInteger>(v));
    }

    RecordingMessages messages;
};

TEST_F(AvlTreeTest, InsertingOneTwoThreeRotatesRR) {
    TAvlTree tree;
    insertAll(tree, {1, 2, 3});
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeTest, InsertingThreeTwoOneRotatesLL) {
    TAvlTree tree;
    insertAll(tree, {3, 2, 1});
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeTest, InsertingThreeOneTwoRotatesLR) {
    TAvlTree tree;
    insertAll(tree, {3, 1, 2});
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeTest, InsertingOneThreeTwoRotatesRL) {
    TAvlTree tree;
    insertAll(tree, {1, 3, 2});
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeTest, DoubleRotationsSetFactorsFromTheMiddleNode) {
    // LR with C leaning left: 50 (30 (20, 40 (35)), 60) after inserting 35.
    TAvlTree lr;
    insertAll(lr, {50, 30, 60, 20, 40, 35});
    EXPECT_EQ(shape(lr.root.get()), "40[0](30[0](20[0],35[0]),50[1](-,60[0]))");
    // RL with C leaning right.
    TAvlTree rl;
    insertAll(rl, {20, 10, 40, 30, 50, 35});
    EXPECT_EQ(shape(rl.root.get()), "30[0](20[-1](10[0],-),40[0](35[0],50[0]))");
}

TEST_F(AvlTreeTest, TheSixInsertionExample) {
    TAvlTree tree;
    insertAll(tree, {10, 20, 30, 40, 50, 25});
    EXPECT_EQ(shape(tree.root.get()), "30[0](20[0](10[0],25[0]),40[1](-,50[0]))");
}

TEST_F(AvlTreeTest, DeletingWithABalancedSiblingKeepsTheHeight) {
    TAvlTree tree;
    tree.root = avlNode(20, 1, avlNode(10, 0), avlNode(30, 0, avlNode(25, 0), avlNode(35, 0)));
    tree.remove(std::make_unique<TTreeInteger>(10));
    EXPECT_EQ(shape(tree.root.get()), "30[-1](20[1](-,25[0]),35[0])");
    EXPECT_TRUE(tree.verify());
}

TEST_F(AvlTreeTest, DeletingOneFromTwoOneFourThreeFive) {
    TAvlTree tree;
    tree.root = avlNode(2, 1, avlNode(1, 0), avlNode(4, 0, avlNode(3, 0), avlNode(5, 0)));
    tree.remove(std::make_unique<TTreeInteger>(1));
    EXPECT_EQ(shape(tree.root.get()), "4[-1](2[1](-,3[0]),5[0])");
}

TEST_F(AvlTreeTest, DeletionRotationsOfEveryKind) {
    struct Case {
        std::vector<int> inserts;
        int removed;
        const char* expected;
    };
    const Case cases[] = {
        {{20, 10, 30, 5}, 30, "10[0](5[0],20[0])"},                // LL, B leaning left
        {{20, 10, 30, 15}, 30, "15[0](10[0],20[0])"},              // LR
        {{20, 10, 30, 40}, 10, "30[0](20[0],40[0])"},              // RR
        {{20, 10, 30, 25}, 10, "25[0](20[0],30[0])"},              // RL
        {{20, 10, 30, 5, 15}, 30, "10[1](5[0],20[-1](15[0],-))"},  // LL, B balanced
    };
    for (const Case& c : cases) {
        TAvlTree tree;
        for (int v : c.inserts) tree.insert(std::make_unique<TTreeInteger>(v));
        tree.remove(std::make_unique<TTreeInteger>(c.removed));
        EXPECT_EQ(shape(tree.root.get()), c.expected) << c.removed;
        EXPECT_TRUE(tree.verify());
    }
}

TEST_F(AvlTreeTest, DeletingATwoChildNodeTakesThePredecessor) {
    TAvlTree tree;
    insertAll(tree, {50, 30, 70, 20, 40, 60, 80, 35});
    tree.remove(std::make_unique<TTreeInteger>(50));
    EXPECT_EQ(searchtest::valueOf(tree.root.get()), 40);
    EXPECT_TRUE(tree.verify());
    EXPECT_EQ(inOrderValues(tree.root.get()), (std::vector<int>{20, 30, 35, 40, 60, 70, 80}));
}

TEST_F(AvlTreeTest, DeletingAnAbsentValueKeepsEveryFactor) {
    TAvlTree tree;
    insertAll(tree, {50, 30, 70, 20});
    const std::string before = shape(tree.root.get());
    tree.remove(std::make_unique<TTreeInteger>(25));
    EXPECT_EQ(shape(tree.root.get()), before);
}

TEST_F(AvlTreeTest, CopyKeepsNodesFactorsAndClass) {
    TAvlTree tree;
    insertAll(tree, {50, 30, 70, 20});
    auto copied = tree.copy();
    EXPECT_EQ(copied->className(), "TAvlTree");
    auto& avlCopy = static_cast<TAvlTree&>(*copied);
    EXPECT_EQ(shape(avlCopy.root.get()), shape(tree.root.get()));
    EXPECT_TRUE(avlCopy.verify());
    avlCopy.insert(std::make_unique<TTreeInteger>(10));
    EXPECT_TRUE(avlCopy.verify());
    EXPECT_EQ(tree.count(), 4);
}

TEST_F(AvlTreeTest, BalanceKeepsAValidAvlTree) {
    TAvlTree tree;
    insertAll(tree, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    tree.balance();
    EXPECT_TRUE(tree.verify());
    tree.insert(std::make_unique<TTreeInteger>(11));
    tree.remove(std::make_unique<TTreeInteger>(1));
    EXPECT_TRUE(tree.verify());
}

class PhaseLog : public TreeObserver {
public:
    void rotationPhase(Rotation kind, int phase, const TreePath& path,
                       const RotationNodes& nodes) override {
        std::string line = std::to_string(static_cast<int>(kind)) + ":" + std::to_string(phase) +
                           " at " + std::to_string(path.size()) + " tree " +
                           shape(tree->root.get());
        if (nodes.c) line += " c " + std::to_string(searchtest::valueOf(nodes.c));
        log.push_back(line);
    }
    void redrawBeforeRotation() override { log.push_back("redraw"); }
    const TAvlTree* tree = nullptr;
    std::vector<std::string> log;
};

TEST_F(AvlTreeTest, RotationPhasesShowEachPointerChange) {
    TAvlTree tree;
    insertAll(tree, {3, 2});
    PhaseLog phases;
    phases.tree = &tree;
    tree.insertObserved(std::make_unique<TTreeInteger>(1), &phases);
    EXPECT_EQ(phases.log, (std::vector<std::string>{
                              "0:0 at 0 tree 3[-1](2[-1](1[0],-),-)",
                              "0:1 at 0 tree 3[-1]",             // B held by the rotation
                              "0:2 at 0 tree 2[-1](1[0],3[0])",  // B's factor follows
                          }));
    TAvlTree lr;
    insertAll(lr, {3, 1});
    phases.tree = &lr;
    phases.log.clear();
    lr.insertObserved(std::make_unique<TTreeInteger>(2), &phases);
    EXPECT_EQ(phases.log, (std::vector<std::string>{
                              "1:0 at 0 tree 3[-1](1[1](-,2[0]),-) c 2",
                              "1:1 at 0 tree 3[-1](1[1],-) c 2",
                              "1:2 at 0 tree 3[-1] c 2",
                              "1:3 at 0 tree 3[-1] c 2",
                              "1:4 at 0 tree 2[0](1[0],3[0]) c 2",
                          }));
    EXPECT_EQ(shape(lr.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeTest, DeletionRedrawsBeforeARotationExceptAtTheFoundNode) {
    TAvlTree tree;
    tree.root = avlNode(2, 1, avlNode(1, 0), avlNode(4, 0, avlNode(3, 0), avlNode(5, 0)));
    PhaseLog phases;
    phases.tree = &tree;
    tree.removeObserved(std::make_unique<TTreeInteger>(1), &phases);
    ASSERT_FALSE(phases.log.empty());
    EXPECT_EQ(phases.log[0], "redraw");
    EXPECT_EQ(phases.log[1], "2:0 at 0 tree 2[1](-,4[0](3[0],5[0]))");

    // Two children: the found node applies its left-lower step without a redraw.
    TAvlTree two;
    two.root = avlNode(20, 1, avlNode(10, 0), avlNode(30, 0, avlNode(25, 0), avlNode(35, 0)));
    phases.tree = &two;
    phases.log.clear();
    two.removeObserved(std::make_unique<TTreeInteger>(20), &phases);
    ASSERT_FALSE(phases.log.empty());
    EXPECT_EQ(phases.log[0], "2:0 at 0 tree 10[1](-,30[0](25[0],35[0]))");
    EXPECT_EQ(shape(two.root.get()), "30[-1](10[1](-,25[0]),35[0])");
}

TEST_F(AvlTreeTest, RandomSequencesMatchTheRecursiveReferenceAfterEveryStep) {
    std::mt19937 random(4711);
    for (int round = 0; round < 30; ++round) {
        TAvlTree tree;
        searchtest::RefLink reference;
        std::set<int> keys;
        for (int step = 0; step < 250; ++step) {
            const int value = static_cast<int>(random() % 80);
            bool h = false;
            if (random() % 5 < 3) {
                tree.insert(std::make_unique<TTreeInteger>(value));
                searchtest::refInsert(reference, value, h);
                keys.insert(value);
            } else {
                tree.remove(std::make_unique<TTreeInteger>(value));
                searchtest::refDelete(reference, value, h);
                keys.erase(value);
            }
            ASSERT_TRUE(tree.verify()) << step;
            ASSERT_TRUE(tree.balanced());
            ASSERT_EQ(shape(tree.root.get()), searchtest::refShape(reference.get())) << step;
            ASSERT_EQ(inOrderValues(tree.root.get()), std::vector<int>(keys.begin(), keys.end()));
            ASSERT_EQ(tree.count(), keys.size());
            if (step % 25 == 0) {
                // What the program writes always passes its own checks.
                StringOutputStream out;
                {
                    TWriter writer(out);
                    tree.save(writer);
                }
                MemoryInputStream in(out.bytes());
                TReader reader(in);
                TAvlTree loaded;
                if (!tree.empty()) {
                    loaded.load(reader);
                }
                ASSERT_EQ(shape(loaded.root.get()), shape(tree.root.get()));
            }
        }
    }
}

TEST_F(AvlTreeTest, LargeAscendingInsertionStaysLogarithmic) {
    TAvlTree tree;
    for (int v = 0; v < 65535; ++v) tree.insert(std::make_unique<TInteger>(v));
    EXPECT_EQ(tree.count(), 65535);
    EXPECT_EQ(tree.depth(), 16);
    EXPECT_TRUE(tree.verify());
    for (int v = 0; v < 65535; v += 2) tree.remove(std::make_unique<TInteger>(v));
    EXPECT_TRUE(tree.verify());
}

}  // namespace
