// The binary tree base: queries, comparison, copying, search, output,
// mirroring, drawing and the iterative handling of very deep trees.
#include "trees/bintree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include "elements/values.h"
#include "tests/support/recorders.h"
#include "tests/trees/treesupport.h"
#include "trees/treeinteger.h"

using treetest::chain;
using treetest::exampleTree;
using treetest::node;

namespace {

// A tree that lists levels as the "Suchbaum" page does: one line per level.
class LevelTree : public TBinTree {
public:
    void newPlane(TextOutput& out) const override { out.addLine(""); }
};

// A tree class of its own name, for the class check of compare.
class OtherTree : public TBinTree {
public:
    static const ClassInfo info;
    const ClassInfo& classInfo() const override { return info; }
};
const ClassInfo OtherTree::info{"TOtherTree", &TBinTree::info, nullptr};

// A node subclass with a field of its own, as the AVL node has.
class TaggedNode : public TBinTreeNode {
public:
    static const ClassInfo info;
    TaggedNode(std::unique_ptr<TBase> value, int tag)
        : TBinTreeNode(nullptr, std::move(value), nullptr), tag(tag) {}
    const ClassInfo& classInfo() const override { return info; }
    std::unique_ptr<TBinTreeNode> cloneSingle() const override {
        return std::make_unique<TaggedNode>(getValue()->copy(), tag);
    }
    int tag;
};
const ClassInfo TaggedNode::info{"TTaggedNode", &TBinTreeNode::info, nullptr};

int valueOf(const TBase* element) { return static_cast<const TInteger*>(element)->getValue(); }

class BinTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBinTreeClasses();
    }

    std::string inOrder(const TBinTree& tree) {
        out.lines.clear();
        tree.write(out);
        return out.text();
    }

    RecordingMessages messages;
    RecordingText out;
};

// --- queries -----------------------------------------------------------------

TEST_F(BinTreeTest, EmptyTreeHasDepthAndCountZeroAndIsBalanced) {
    LevelTree tree;
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.depth(), 0);
    EXPECT_EQ(tree.count(), 0);
    EXPECT_TRUE(tree.balanced());
    EXPECT_EQ(tree.lookUp(TTreeInteger(1)), nullptr);
    tree.write(out);
    tree.writePlanes(out);
    EXPECT_TRUE(out.lines.empty());
    RecordingSurface surface;
    tree.paint(surface, 248, 10, 30, 10, 248, false);
    EXPECT_TRUE(surface.log.empty());
}

TEST_F(BinTreeTest, SingleNodeHasDepthOneAndListsOneLevel) {
    LevelTree tree;
    tree.root = node(7);
    EXPECT_FALSE(tree.empty());
    EXPECT_EQ(tree.depth(), 1);
    EXPECT_EQ(tree.count(), 1);
    EXPECT_TRUE(tree.balanced());
    tree.writePlanes(out);
    EXPECT_EQ(out.lines, (std::vector<std::string>{"7  ", ""}));
    EXPECT_TRUE(tree.verify());
    std::unique_ptr<TBase> taken = tree.root->releaseValue();
    EXPECT_FALSE(tree.verify());  // a node without an element
}

TEST_F(BinTreeTest, LeftChainOfThreeIsDepthThreeAndNotBalanced) {
    TBinTree tree;
    tree.root = chain(3, true);
    EXPECT_EQ(tree.depth(), 3);
    EXPECT_EQ(tree.count(), 3);
    EXPECT_FALSE(tree.balanced());
}

TEST_F(BinTreeTest, BalanceIsCheckedAtEveryNodeNotOnlyAtTheRoot) {
    // Root subtrees have depths 3 and 3, but the left child's own subtrees
    // have depths 2 and 0.
    TBinTree tree;
    tree.root = node(0, node(1, chain(2, true), nullptr), node(2, node(3), node(4, node(5))));
    EXPECT_EQ(tree.depth(), 4);
    EXPECT_FALSE(tree.balanced());
    tree.root->getLeft()->setRight(node(9));
    EXPECT_TRUE(tree.balanced());
}

TEST_F(BinTreeTest, CountAndDepthWrapAt16Bits) {
    TBinTree tree;
    tree.root = chain(65536, false);
    EXPECT_EQ(tree.count(), 0);
    EXPECT_EQ(tree.depth(), 0);
    tree.root->setRight(nullptr);
    EXPECT_EQ(tree.count(), 1);
    tree.root = chain(65535, true);
    EXPECT_EQ(tree.count(), 65535);
    EXPECT_EQ(tree.depth(), 65535);
}

// --- output ------------------------------------------------------------------

TEST_F(BinTreeTest, WriteListsInOrder) {
    TBinTree tree;
    tree.root = exampleTree();
    EXPECT_EQ(inOrder(tree), "30  40  50  70  ");
}

TEST_F(BinTreeTest, WritePlanesListsEachLevelLeftToRightThenNewPlane) {
    LevelTree tree;
    tree.root = exampleTree();
    tree.writePlanes(out);
    EXPECT_EQ(out.lines, (std::vector<std::string>{"50  ", "30  70  ", "40  ", ""}));
}

TEST_F(BinTreeTest, WritePlanesKeepsLeftToRightAcrossCousins) {
    LevelTree tree;
    tree.root = node(1, node(2, node(4), node(5)), node(3, nullptr, node(7, node(8))));
    tree.writePlanes(out);
    EXPECT_EQ(out.lines, (std::vector<std::string>{"1  ", "2  3  ", "4  5  7  ", "8  ", ""}));
    EXPECT_EQ(tree.count(), 7);  // the tree itself is untouched
}

// Without a fixture: no sink is installed, so the default one prints
// "caption: text" to stderr.
TEST(BinTreeBaseTest, BaseNewPlaneShowsInformationThenEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TBinTree tree;
    tree.root = node(1);
    RecordingText out;
    EXPECT_EXIT(tree.writePlanes(out), ::testing::ExitedWithCode(EXIT_FAILURE),
                "Informationen: TBinTree.newPlane wurde nicht überschrieben");
}

TEST_F(BinTreeTest, SwapMirrorsEveryLevel) {
    TBinTree tree;
    tree.root = exampleTree();
    tree.swap();
    EXPECT_EQ(inOrder(tree), "70  50  40  30  ");
    EXPECT_EQ(valueOf(tree.root->getRight()->getLeft()->getValue()), 40);
    tree.swap();
    TBinTree original;
    original.root = exampleTree();
    EXPECT_EQ(tree.compare(original), kEqual);
}

// --- comparison, copy, search -------------------------------------------------

TEST_F(BinTreeTest, CompareGivesZeroForSameShapeAndEqualElements) {
    TBinTree a, b;
    EXPECT_EQ(a.compare(b), kEqual);
    a.root = exampleTree();
    EXPECT_EQ(a.compare(b), kOtherClass);
    EXPECT_EQ(b.compare(a), kOtherClass);
    b.root = exampleTree();
    EXPECT_EQ(a.compare(b), kEqual);
}

TEST_F(BinTreeTest, CompareGivesTwoForOtherShapeOtherElementOrOtherClass) {
    TBinTree a, b;
    a.root = exampleTree();
    b.root = node(50, node(30, node(40)), node(70));  // 40 left instead of right
    EXPECT_EQ(a.compare(b), kOtherClass);
    b.root = node(50, node(30, nullptr, node(41)), node(70));
    EXPECT_EQ(a.compare(b), kOtherClass);
    OtherTree other;
    other.root = exampleTree();
    EXPECT_EQ(a.compare(other), kOtherClass);
    EXPECT_EQ(other.compare(a), kOtherClass);
    EXPECT_EQ(a.compare(TInteger(50)), kOtherClass);
}

TEST_F(BinTreeTest, CompareAsksTheElementsOfThisTree) {
    // A TTreeInteger and a TInteger of the same value: TInteger's compare
    // checks the class, so the trees differ.
    TBinTree a, b;
    a.root = node(5);
    b.root = std::make_unique<TBinTreeNode>(nullptr, std::make_unique<TInteger>(5), nullptr);
    EXPECT_EQ(a.compare(b), kOtherClass);
}

TEST_F(BinTreeTest, CopyIsAPlainIndependentDeepCopy) {
    OtherTree source;
    source.root = exampleTree();
    std::unique_ptr<TBase> copied = source.copy();
    ASSERT_EQ(copied->className(), "TBinTree");
    auto& copy = static_cast<TBinTree&>(*copied);
    EXPECT_EQ(inOrder(copy), "30  40  50  70  ");
    EXPECT_NE(copy.root.get(), source.root.get());
    EXPECT_NE(copy.root->getValue(), source.root->getValue());
    EXPECT_EQ(copy.root->getValue()->className(), "TTreeInteger");
    source.root->getLeft()->setRight(nullptr);
    EXPECT_EQ(copy.count(), 4);

    TBinTree empty;
    auto emptyCopy = empty.copy();
    EXPECT_TRUE(static_cast<TBinTree&>(*emptyCopy).empty());
}

TEST_F(BinTreeTest, CopyKeepsTheNodeSubclassOfEveryNode) {
    auto top = std::make_unique<TaggedNode>(std::make_unique<TTreeInteger>(1), -1);
    top->setLeft(std::make_unique<TaggedNode>(std::make_unique<TTreeInteger>(2), 0));
    top->setRight(node(3));
    std::unique_ptr<TBinTreeNode> copy = top->copySubtree();
    ASSERT_EQ(copy->className(), "TTaggedNode");
    EXPECT_EQ(static_cast<TaggedNode&>(*copy).tag, -1);
    ASSERT_EQ(copy->getLeft()->className(), "TTaggedNode");
    EXPECT_EQ(static_cast<TaggedNode*>(copy->getLeft())->tag, 0);
    EXPECT_EQ(copy->getRight()->className(), "TBinTreeNode");
    EXPECT_EQ(copy->compare(*top), kEqual);
}

TEST_F(BinTreeTest, LookUpReturnsTheStoredElementFirstInPreOrder) {
    TBinTree tree;
    // Pre-order meets the upper 5 first, in-order the lower one.
    tree.root = node(1, node(5, node(5)));
    TTreeInteger key(5);
    TBase* found = tree.lookUp(key);
    EXPECT_EQ(found, tree.root->getLeft()->getValue());
    EXPECT_EQ(tree.lookUp(TTreeInteger(6)), nullptr);
    tree.root->setRight(node(6));
    EXPECT_EQ(tree.lookUp(TTreeInteger(6)), tree.root->getRight()->getValue());
    // An element of another class is never equal.
    EXPECT_EQ(tree.lookUp(TString("5")), nullptr);
}

// --- nodes ---------------------------------------------------------------------

TEST_F(BinTreeTest, NodeAccessorsHandOverOwnership) {
    auto n = node(1, node(2), node(3));
    n->setLeft(node(4));  // the old left child is destroyed (ASan watches)
    EXPECT_EQ(valueOf(n->getLeft()->getValue()), 4);
    n->setValue(std::make_unique<TTreeInteger>(9));
    EXPECT_EQ(valueOf(n->getValue()), 9);
    std::unique_ptr<TBase> taken = n->releaseValue();
    EXPECT_EQ(n->getValue(), nullptr);
    EXPECT_EQ(valueOf(taken.get()), 9);
    std::unique_ptr<TBinTreeNode> left = std::move(n->leftLink());
    std::unique_ptr<TBinTreeNode> right = std::move(n->rightLink());
    TBinTreeNode::destroySingle(std::move(n));
    EXPECT_EQ(valueOf(left->getValue()), 4);
    EXPECT_EQ(valueOf(right->getValue()), 3);
}

TEST_F(BinTreeTest, NodeCompareIsStructural) {
    auto a = exampleTree();
    auto b = exampleTree();
    EXPECT_EQ(a->compare(*b), kEqual);
    b->getRight()->setLeft(node(60));
    EXPECT_EQ(a->compare(*b), kOtherClass);
    EXPECT_EQ(a->compare(TTreeInteger(50)), kOtherClass);
}

// --- drawing -------------------------------------------------------------------

TEST_F(BinTreeTest, PaintDrawsInOrderWithEachLineAfterItsElement) {
    TBinTree tree;
    tree.root = exampleTree();
    RecordingSurface surface(497, 293);
    tree.paint(surface, 497 / 2, 10, 30, 10, 497 / 2, false);
    EXPECT_EQ(surface.only({"text", "moveTo", "lineTo"}),
              (std::vector<std::string>{"text 124 40 30", "moveTo 124 40", "lineTo 248 20",
                                        "text 186 70 40", "moveTo 186 70", "lineTo 124 50",
                                        "text 248 10 50", "text 372 40 70", "moveTo 372 40",
                                        "lineTo 248 20"}));
    // Each element sets its own font and colours just before its text.
    EXPECT_EQ(std::vector<std::string>(surface.log.begin(), surface.log.begin() + 5),
              (std::vector<std::string>{"fontName MS SANS SERIF", "fontSize 8", "fontColor 0",
                                        "pen 0", "text 124 40 30"}));
}

TEST_F(BinTreeTest, PaintOrthogonalDrawsAnElbowToTheParent) {
    TBinTree tree;
    tree.root = node(1, node(2));
    RecordingSurface surface;
    tree.paint(surface, 200, 10, 30, 10, 200, true);
    EXPECT_EQ(surface.only({"text", "moveTo", "lineTo"}),
              (std::vector<std::string>{"text 100 40 2", "moveTo 100 40", "lineTo 200 40",
                                        "lineTo 200 20", "text 200 10 1"}));
}

TEST_F(BinTreeTest, PaintHalvesTheSpreadAtEachLevel) {
    // Right chain of nine levels on the 497-pixel image.
    TBinTree tree;
    tree.root = chain(9, false);
    RecordingSurface surface(497, 293);
    tree.paint(surface, 248, 10, 30, 10, 248, false);
    std::vector<std::string> texts = surface.only({"text"});
    ASSERT_EQ(texts.size(), 9u);
    std::vector<int> xs, offsets;
    for (std::size_t level = 0; level < texts.size(); ++level) {
        int x = 0, y = 0, value = 0;
        ASSERT_EQ(std::sscanf(texts[level].c_str(), "text %d %d %d", &x, &y, &value), 3);
        EXPECT_EQ(y, 10 + 30 * static_cast<int>(level));
        EXPECT_EQ(value, static_cast<int>(level));
        if (level > 0) offsets.push_back(x - xs.back());
        xs.push_back(x);
    }
    EXPECT_EQ(xs.front(), 248);
    EXPECT_EQ(offsets, (std::vector<int>{124, 62, 31, 15, 7, 3, 1, 0}));
    // The last line joins level 8 to the point 10 pixels below level 7.
    auto lines = surface.only({"moveTo", "lineTo"});
    EXPECT_EQ(lines[lines.size() - 2], "moveTo 491 250");
    EXPECT_EQ(lines.back(), "lineTo 491 230");
}

// --- deep trees: nothing recurses per level -----------------------------------------

TEST_F(BinTreeTest, DeepChainsCopyCompareSwapPaintAndDestroyWithoutRecursion) {
    for (bool goLeft : {true, false}) {
        TBinTree tree;
        tree.root = chain(65535, goLeft);
        EXPECT_EQ(tree.depth(), 65535);
        EXPECT_FALSE(tree.balanced());
        std::unique_ptr<TBase> copy = tree.copy();
        EXPECT_EQ(tree.compare(*copy), kEqual);
        tree.swap();
        EXPECT_EQ(tree.compare(*copy), kOtherClass);
        const TBinTreeNode* deepest = tree.root.get();
        while (deepest->getLeft() || deepest->getRight()) {
            deepest = deepest->getLeft() ? deepest->getLeft() : deepest->getRight();
        }
        EXPECT_EQ(tree.lookUp(TTreeInteger(65534)), deepest->getValue());
        RecordingSurface surface;
        tree.paint(surface, 248, 10, 30, 10, 248, false);
        EXPECT_EQ(surface.only({"text"}).size(), 65535u);
        EXPECT_EQ(surface.only({"lineTo"}).size(), 65534u);
        // After mirroring, a left chain lists from the root down, a right
        // chain from the bottom up.
        std::string expected;
        for (int i = 0; i < 65535; ++i) {
            expected += std::to_string(goLeft ? i : 65534 - i) + "  ";
        }
        EXPECT_EQ(inOrder(tree), expected);
    }
}

// --- random trees against a recursive reference ------------------------------------

// The reference: the textbook recursive definitions, on trees small enough.
struct RefNode {
    int value;
    std::unique_ptr<RefNode> left, right;
};

int refDepth(const RefNode* n) {
    return n ? 1 + std::max(refDepth(n->left.get()), refDepth(n->right.get())) : 0;
}
int refCount(const RefNode* n) {
    return n ? 1 + refCount(n->left.get()) + refCount(n->right.get()) : 0;
}
bool refBalanced(const RefNode* n) {
    if (!n) return true;
    return std::abs(refDepth(n->left.get()) - refDepth(n->right.get())) <= 1 &&
           refBalanced(n->left.get()) && refBalanced(n->right.get());
}
void refInOrder(const RefNode* n, std::string& out) {
    if (!n) return;
    refInOrder(n->left.get(), out);
    out += std::to_string(n->value) + "  ";
    refInOrder(n->right.get(), out);
}
void refPaint(const RefNode* n, int px, int py, int x, int y, int spread,
              std::vector<std::string>& out) {
    const int h = spread / 2;
    if (n->left) refPaint(n->left.get(), x, y, x - h, y + 30, h, out);
    out.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::to_string(n->value));
    if (y != py) {
        out.push_back("moveTo " + std::to_string(x) + " " + std::to_string(y));
        out.push_back("lineTo " + std::to_string(px) + " " + std::to_string(py + 10));
    }
    if (n->right) refPaint(n->right.get(), x, y, x + h, y + 30, h, out);
}
void refSwap(RefNode* n) {
    if (!n) return;
    std::swap(n->left, n->right);
    refSwap(n->left.get());
    refSwap(n->right.get());
}
const RefNode* refFind(const RefNode* n, int value) {
    if (!n) return nullptr;
    if (n->value == value) return n;
    const RefNode* found = refFind(n->left.get(), value);
    return found ? found : refFind(n->right.get(), value);
}
// The node of `tree` standing where `target` stands in `ref`.
const TBinTreeNode* sameSpot(const RefNode* ref, const TBinTreeNode* tree, const RefNode* target) {
    if (!ref) return nullptr;
    if (ref == target) return tree;
    const TBinTreeNode* found = sameSpot(ref->left.get(), tree->getLeft(), target);
    return found ? found : sameSpot(ref->right.get(), tree->getRight(), target);
}

TEST_F(BinTreeTest, RandomTreesMatchTheRecursiveDefinitions) {
    std::mt19937 random(4711);
    for (int run = 0; run < 60; ++run) {
        TBinTree tree;
        std::unique_ptr<RefNode> ref;
        for (int step = 0; step < 40; ++step) {
            const int action = static_cast<int>(random() % 10);
            if (action < 7 || !ref) {
                // Grow at a random free link.
                const int value = static_cast<int>(random() % 20);
                std::unique_ptr<TBinTreeNode>* link = &tree.root;
                std::unique_ptr<RefNode>* refLink = &ref;
                while (*refLink) {
                    const bool left = random() % 2 == 0;
                    link = left ? &(*link)->leftLink() : &(*link)->rightLink();
                    refLink = left ? &(*refLink)->left : &(*refLink)->right;
                }
                *link = node(value);
                *refLink = std::make_unique<RefNode>(RefNode{value, nullptr, nullptr});
            } else if (action < 9) {
                tree.swap();
                refSwap(ref.get());
            } else {
                // Cut a random subtree below the root.
                TBinTreeNode* at = tree.root.get();
                RefNode* refAt = ref.get();
                for (;;) {
                    const bool left = random() % 2 == 0;
                    TBinTreeNode* next = left ? at->getLeft() : at->getRight();
                    if (!next || random() % 3 == 0) {
                        (left ? at->leftLink() : at->rightLink()).reset();
                        (left ? refAt->left : refAt->right).reset();
                        break;
                    }
                    at = next;
                    refAt = left ? refAt->left.get() : refAt->right.get();
                }
            }
            ASSERT_EQ(tree.count(), refCount(ref.get()));
            ASSERT_EQ(tree.depth(), refDepth(ref.get()));
            ASSERT_EQ(tree.balanced(), refBalanced(ref.get()));
            const TBinTree::Measures measures = tree.measures();
            ASSERT_EQ(measures.depth, refDepth(ref.get()));
            ASSERT_EQ(measures.count, refCount(ref.get()));
            ASSERT_EQ(measures.balanced, refBalanced(ref.get()));
            std::string expected;
            refInOrder(ref.get(), expected);
            ASSERT_EQ(inOrder(tree), expected);
            const int key = static_cast<int>(random() % 20);
            const RefNode* refFound = refFind(ref.get(), key);
            const TBase* found = tree.lookUp(TTreeInteger(key));
            ASSERT_EQ(found, refFound ? sameSpot(ref.get(), tree.root.get(), refFound)->getValue()
                                      : nullptr);
            std::vector<std::string> drawn;
            refPaint(ref.get(), 248, 10, 248, 10, 248, drawn);
            RecordingSurface surface;
            tree.paint(surface, 248, 10, 30, 10, 248, false);
            ASSERT_EQ(surface.only({"text", "moveTo", "lineTo"}), drawn);
            // On an image 100 pixels high the nodes at y = 100 still draw
            // their lines up into it; the levels under them are left out.
            std::vector<std::string> shown;
            bool keep = true;
            for (const std::string& op : drawn) {
                int y = 0;
                if (op.rfind("lineTo", 0) != 0) {
                    ASSERT_EQ(std::sscanf(op.c_str(), "%*s %*d %d", &y), 1);
                    keep = y <= 100;
                }
                if (keep) shown.push_back(op);
            }
            RecordingSurface low(497, 100);
            tree.paintVisible(low, 248, 10, 30, 10, 248, false);
            ASSERT_EQ(low.only({"text", "moveTo", "lineTo"}), shown);
            ASSERT_TRUE(tree.verify());
            std::unique_ptr<TBase> copy = tree.copy();
            ASSERT_EQ(tree.compare(*copy), kEqual);
            ASSERT_TRUE(static_cast<TBinTree&>(*copy).verify());
        }
    }
}

}  // namespace
