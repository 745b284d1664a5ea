// The n-ary tree: children by number, the cursor of each child list, search,
// output, copies and very deep trees; random sequences against a reference.
#include "trees/ntree.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "linear/liste.h"
#include "tests/support/recorders.h"
#include "tests/trees/ntreesupport.h"

using ntreetest::chain;
using ntreetest::exampleTree;
using ntreetest::leaf;
using ntreetest::shape;

namespace {

// A text that writes itself as one line.
class WrittenString : public TString {
public:
    explicit WrittenString(std::string text) : TString(std::move(text)) {}
    void writeValue(TextOutput& out) const override { out.addLine(getValue()); }
};

class NtreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerListClasses();
        registerNtreeClasses();
    }
    RecordingMessages messages;
};

TEST_F(NtreeTest, EmptyTreeHasDepthAndCountZeroAndFindsNothing) {
    TNtree tree;
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(tree.depth(), 0);
    EXPECT_EQ(tree.count(), 0);
    EXPECT_EQ(tree.lookUp(TString("A")), nullptr);
    RecordingText out;
    tree.write(out);  // nothing to write, no abort
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(TNtreeNode::empty(nullptr));
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(NtreeTest, SingleRootHasDepthOneAndIsALeaf) {
    TNtree tree;
    tree.createRoot(std::make_unique<TString>("A"), std::make_unique<TListe>());
    EXPECT_FALSE(tree.empty());
    EXPECT_FALSE(TNtreeNode::empty(tree.root.get()));
    EXPECT_EQ(tree.depth(), 1);
    EXPECT_EQ(tree.count(), 1);
    EXPECT_TRUE(tree.root->leaf());
    EXPECT_EQ(tree.root->numberOfChildren(), 0);
    EXPECT_EQ(tree.root->getElem()->getValue(), "A");
    EXPECT_TRUE(tree.verify());
    tree.root->update(nullptr);
    EXPECT_FALSE(tree.verify());  // a node without a text
}

TEST_F(NtreeTest, RootWithTwoChildrenHasCountThreeAndDepthTwo) {
    TNtree tree;
    exampleTree(tree);
    EXPECT_EQ(shape(tree), "A(B,C)");
    EXPECT_EQ(tree.count(), 3);
    EXPECT_EQ(tree.depth(), 2);
}

TEST_F(NtreeTest, GetChildNAtNumberOfChildrenIsNullAndInsertThereAppends) {
    TNtree tree;
    exampleTree(tree);
    EXPECT_EQ(tree.root->getChildN(2), nullptr);
    EXPECT_EQ(tree.root->getChildN(-1), nullptr);
    EXPECT_EQ(tree.root->getChildN(1)->getElem()->getValue(), "C");
    EXPECT_TRUE(tree.root->insertChildN(2, leaf("D")));
    EXPECT_EQ(shape(tree), "A(B,C,D)");
    EXPECT_TRUE(tree.root->insertChildN(500, leaf("E")));  // clamped: appends
    EXPECT_EQ(shape(tree), "A(B,C,D,E)");
}

TEST_F(NtreeTest, InsertChildNZeroRenumbersTheOthers) {
    TNtree tree;
    exampleTree(tree);
    tree.root->insertChildN(0, leaf("X"));
    EXPECT_EQ(shape(tree), "A(X,B,C)");
    EXPECT_EQ(tree.root->getChildN(1)->getElem()->getValue(), "B");
}

TEST_F(NtreeTest, InsertChildAndDeleteChildActAtTheCursor) {
    TNtree tree;
    exampleTree(tree);
    // Inserting child 1 left the cursor before it.
    EXPECT_EQ(shape(tree, true), "A@1(B@0,C@0)");
    tree.root->insertChild(leaf("X"));
    EXPECT_EQ(shape(tree), "A(B,X,C)");
    tree.root->getChildN(2);
    tree.root->deleteChild();
    EXPECT_EQ(shape(tree), "A(B,X)");
    tree.root->getChildN(2);  // at the end: nothing to delete
    tree.root->deleteChild();
    EXPECT_EQ(shape(tree), "A(B,X)");
}

TEST_F(NtreeTest, DeleteChildNReleasesTheWholeSubtree) {
    TNtree tree;
    exampleTree(tree);
    TNtreeNode* b = tree.root->getChildN(0);
    b->insertChildN(0, leaf("D"));
    b->getChildN(0)->insertChildN(0, leaf("E"));
    EXPECT_EQ(tree.count(), 5);
    EXPECT_EQ(tree.depth(), 4);
    tree.root->deleteChildN(0);
    EXPECT_EQ(shape(tree), "A(C)");
    EXPECT_EQ(tree.count(), 2);
    tree.root->deleteChildN(1);  // no such child
    tree.root->deleteChildN(-1);
    EXPECT_EQ(shape(tree), "A(C)");
    TNtreeNode* c = tree.root->getChildN(0);
    c->deleteChildN(0);  // a leaf: nothing happens
    c->deleteChild();
    EXPECT_EQ(shape(tree), "A(C)");
}

TEST_F(NtreeTest, UpdateReplacesTheElement) {
    TNtree tree;
    exampleTree(tree);
    tree.root->getChildN(1)->update(std::make_unique<TString>("Z"));
    EXPECT_EQ(shape(tree), "A(B,Z)");
}

TEST_F(NtreeTest, LookUpReturnsTheFirstStoredMatchInPreOrder) {
    TNtree tree;
    exampleTree(tree);
    // X deep under B comes before X directly under the root in pre-order.
    tree.root->getChildN(0)->insertChildN(0, leaf("D"));
    tree.root->getChildN(0)->getChildN(0)->insertChildN(0, leaf("X"));
    tree.root->insertChildN(2, leaf("X"));
    tree.root->getChildN(1);
    const std::string before = shape(tree, true);
    TString* found = tree.lookUp(TString("X"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, tree.root->getChildN(0)->getChildN(0)->getChildN(0)->getElem());
    EXPECT_EQ(tree.lookUp(TString("Q")), nullptr);
    EXPECT_EQ(tree.lookUp(TString("A")), tree.root->getElem());
    tree.root->getChildN(1);
    EXPECT_EQ(shape(tree, true), before);  // no cursor moved
}

TEST_F(NtreeTest, WriteIsPostOrder) {
    TNtree tree;
    tree.createRoot(std::make_unique<WrittenString>("A"), nullptr);
    auto b = std::make_unique<TNtreeNode>(std::make_unique<WrittenString>("B"), nullptr);
    b->insertChild(std::make_unique<TNtreeNode>(std::make_unique<WrittenString>("D"), nullptr));
    tree.root->insertChildN(0, std::move(b));
    tree.root->insertChildN(
        1, std::make_unique<TNtreeNode>(std::make_unique<WrittenString>("C"), nullptr));
    RecordingText out;
    tree.write(out);
    EXPECT_EQ(out.lines, (std::vector<std::string>{"D", "B", "C", "A"}));
}

TEST_F(NtreeTest, CopyIsAPlainDeepCopyKeepingCursors) {
    TNtree tree;
    exampleTree(tree);
    tree.root->getChildN(1)->insertChildN(0, leaf("D"));
    tree.root->getChildN(1)->insertChildN(1, leaf("E"));
    tree.root->getChildN(1)->getChildN(0);
    tree.root->getChildN(0);
    std::unique_ptr<TBase> copied = tree.copy();
    ASSERT_EQ(copied->className(), "TNtree");
    auto& copy = static_cast<TNtree&>(*copied);
    EXPECT_EQ(shape(copy, true), shape(tree, true));
    EXPECT_NE(copy.root->getElem(), tree.root->getElem());
    tree.root->deleteChildN(1);
    EXPECT_EQ(shape(copy), "A(B,C(D,E))");
    TNtree empty;
    EXPECT_TRUE(static_cast<TNtree&>(*empty.copy()).empty());
}

TEST_F(NtreeTest, NodesWithoutAListActAsLeavesUntilTheirFirstChild) {
    // Made without a list, as loading and copying make leaves.
    auto node = std::make_unique<TNtreeNode>(std::make_unique<TString>("R"), nullptr);
    EXPECT_TRUE(node->leaf());
    EXPECT_EQ(node->numberOfChildren(), 0);
    EXPECT_EQ(node->childList().count(), 0);
    EXPECT_EQ(node->childList().position(), 0);
    EXPECT_EQ(node->getChildN(0), nullptr);
    node->deleteChild();
    node->deleteChildN(0);
    EXPECT_EQ(node->nodeCount(), 1u);
    EXPECT_EQ(shape(node.get(), true), "R@0");

    ASSERT_TRUE(node->insertChildN(5, leaf("B")));
    ASSERT_TRUE(node->insertChild(leaf("A")));
    EXPECT_EQ(shape(node.get(), true), "R@0(A@0,B@0)");
    // Emptied again: a leaf with a list, copied as a leaf without one.
    node->deleteChildN(1);
    node->deleteChildN(0);
    EXPECT_TRUE(node->leaf());
    TNtree tree;
    tree.root = std::move(node);
    tree.root->insertChild(leaf("C"));
    tree.root->getChildN(0)->insertChild(leaf("D"));
    tree.root->getChildN(0)->deleteChild();
    std::unique_ptr<TBase> copied = tree.copy();
    auto& copy = static_cast<TNtree&>(*copied);
    EXPECT_EQ(shape(copy, true), "R@0(C@0)");
    EXPECT_TRUE(copy.root->getChildN(0)->leaf());
    EXPECT_TRUE(copy.verify());
    // A list handed in with children keeps them.
    auto children = std::make_unique<TListe>();
    children->insert(leaf("X"));
    TNtree given;
    given.createRoot(std::make_unique<TString>("G"), std::move(children));
    EXPECT_EQ(shape(given), "G(X)");
    EXPECT_TRUE(given.verify());
}

TEST_F(NtreeTest, FullChildListRefusesTheChild) {
    TNtree tree;
    tree.createRoot(std::make_unique<TString>("R"), nullptr);
    for (int i = 0; i < 65535; ++i) ASSERT_TRUE(tree.root->insertChild(leaf("c")));
    EXPECT_FALSE(tree.root->insertChildN(0, leaf("x")));
    EXPECT_EQ(
        messages.log,
        (std::vector<std::string>{"information: Die Liste ist voll - maximal 65535 Elemente"}));
    EXPECT_EQ(tree.root->numberOfChildren(), 65535);
    EXPECT_EQ(tree.count(), 0);  // 65536 nodes in 16-bit arithmetic
}

TEST_F(NtreeTest, DeepChainsCopySearchWriteAndReleaseWithoutRecursion) {
    TNtree tree;
    tree.root = chain(65535);
    EXPECT_EQ(tree.depth(), 65535);
    EXPECT_EQ(tree.count(), 65535);
    std::unique_ptr<TBase> copy = tree.copy();
    EXPECT_EQ(static_cast<TNtree&>(*copy).depth(), 65535);
    TString* deepest = tree.lookUp(TString("65534"));
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->getValue(), "65534");
    // Releasing a deep subtree from its parent is iterative as well.
    tree.root->getChildN(0)->deleteChildN(0);
    EXPECT_EQ(tree.count(), 2);
}

// --- random sequences against a reference ------------------------------------

struct RefNode {
    std::string text;
    std::vector<std::unique_ptr<RefNode>> children;
    int cursor = 0;
};

std::string refShape(const RefNode& node) {
    std::string out = node.text + "@" + std::to_string(node.cursor);
    if (!node.children.empty()) {
        out += "(";
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            if (i) out += ",";
            out += refShape(*node.children[i]);
        }
        out += ")";
    }
    return out;
}

int refCount(const RefNode& node) {
    int total = 1;
    for (const auto& child : node.children) total += refCount(*child);
    return total;
}

int refDepth(const RefNode& node) {
    int deepest = 0;
    for (const auto& child : node.children) deepest = std::max(deepest, refDepth(*child));
    return deepest + 1;
}

TEST_F(NtreeTest, RandomChildOperationsMatchAReferenceTree) {
    std::mt19937 random(20240607);
    for (int run = 0; run < 40; ++run) {
        TNtree tree;
        tree.createRoot(std::make_unique<TString>("r"), nullptr);
        RefNode ref{"r", {}, 0};
        int serial = 0;
        for (int step = 0; step < 120; ++step) {
            // Walk down from the root as the page does, by child numbers.
            TNtreeNode* node = tree.root.get();
            RefNode* refNode = &ref;
            while (!refNode->children.empty() && random() % 3 != 0) {
                int n = static_cast<int>(random() % refNode->children.size());
                node = node->getChildN(n);
                refNode->cursor = n;
                refNode = refNode->children[n].get();
            }
            const int size = static_cast<int>(refNode->children.size());
            const int n = static_cast<int>(random() % (size + 2));
            const std::string text = std::to_string(++serial);
            switch (random() % 6) {
                case 0:
                case 1: {
                    node->insertChildN(n, leaf(text));
                    const int at = std::min(n, size);
                    refNode->children.insert(refNode->children.begin() + at,
                                             std::make_unique<RefNode>(RefNode{text, {}, 0}));
                    refNode->cursor = at;
                    break;
                }
                case 2:
                    node->insertChild(leaf(text));
                    refNode->children.insert(refNode->children.begin() + refNode->cursor,
                                             std::make_unique<RefNode>(RefNode{text, {}, 0}));
                    break;
                case 3:
                    node->deleteChildN(n);
                    if (n < size) {
                        refNode->children.erase(refNode->children.begin() + n);
                        refNode->cursor = n;
                    }
                    break;
                case 4:
                    node->deleteChild();
                    if (refNode->cursor < size) {
                        refNode->children.erase(refNode->children.begin() + refNode->cursor);
                    }
                    break;
                case 5: {
                    TNtreeNode* child = node->getChildN(n);
                    EXPECT_EQ(child == nullptr, n >= size);
                    refNode->cursor = std::min(n, size);
                    break;
                }
            }
            ASSERT_EQ(shape(tree, true), refShape(ref)) << "run " << run << " step " << step;
            ASSERT_EQ(tree.count(), refCount(ref));
            ASSERT_EQ(tree.depth(), refDepth(ref));
            ASSERT_TRUE(tree.root->childList().verify());
            ASSERT_TRUE(tree.verify());
            ASSERT_EQ(shape(tree, true), refShape(ref)) << "verify moved a cursor";
        }
        auto copy = tree.copy();
        EXPECT_EQ(shape(static_cast<TNtree&>(*copy), true), refShape(ref));
        EXPECT_TRUE(static_cast<TNtree&>(*copy).verify());
    }
}

}  // namespace

namespace {

class NtreePathTest : public NtreeTest {};

TEST_F(NtreePathTest, PathToAndNodeAtFindEachOtherForEveryNode) {
    TNtree tree;
    exampleTree(tree);                                    // A(B, C)
    tree.root->getChildN(1)->insertChildN(0, leaf("D"));  // A(B, C(D, E))
    tree.root->getChildN(1)->insertChildN(1, leaf("E"));
    tree.root->getChildN(0);
    const std::string before = shape(tree, true);
    const struct {
        std::vector<std::uint16_t> path;
        const char* text;
    } table[] = {{{}, "A"}, {{0}, "B"}, {{1}, "C"}, {{1, 0}, "D"}, {{1, 1}, "E"}};
    for (const auto& row : table) {
        TNtreeNode* node = tree.nodeAt(row.path);
        ASSERT_NE(node, nullptr) << row.text;
        EXPECT_EQ(node->getElem()->getValue(), row.text);
        const auto path = tree.pathTo(node);
        ASSERT_TRUE(path.has_value()) << row.text;
        EXPECT_EQ(*path, row.path) << row.text;
    }
    EXPECT_EQ(shape(tree, true), before);  // no cursor moved
}

TEST_F(NtreePathTest, NoNodeForAWrongPathOrAForeignNode) {
    TNtree tree;
    EXPECT_EQ(tree.nodeAt({}), nullptr);
    EXPECT_FALSE(tree.pathTo(nullptr).has_value());
    exampleTree(tree);
    EXPECT_EQ(tree.nodeAt({2}), nullptr);
    EXPECT_EQ(tree.nodeAt({0, 0}), nullptr);
    const auto stranger = leaf("B");
    EXPECT_FALSE(tree.pathTo(stranger.get()).has_value());
}

TEST_F(NtreePathTest, PathToTheEndOfALongChainIsFoundWithoutRecursion) {
    TNtree tree;
    tree.root = chain(20000);
    TNtreeNode* node = tree.root.get();
    while (!node->leaf()) node = node->getChildN(0);
    const auto path = tree.pathTo(node);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->size(), 19999u);
    EXPECT_EQ(tree.nodeAt(*path), node);
}

}  // namespace
