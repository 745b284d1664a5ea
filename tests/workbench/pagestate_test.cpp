// A page's state made by its structure's own record: every structure of the
// pages comes back the same from its bytes, and the n-ary tree's current node
// is found again by its path.
#include "workbench/pagestate.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "demo/bayertreedemo.h"
#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"
#include "workbench/allclasses.h"
#include "workbench/linecollector.h"

namespace {

class PageStateTest : public ::testing::Test {
protected:
    void SetUp() override { registerAllClasses(); }
};

template <typename Structure>
std::string recordOf(const Structure& s) {
    return pagestate::record([&](TWriter& w) { s.save(w); });
}

TEST_F(PageStateTest, ListComesBackWithItsElementsInOrder) {
    TListe list;
    for (const char* text : {"Anna", "Bert", "Cäsar"}) list.append(std::make_unique<TString>(text));
    list.append(std::make_unique<TInteger>(-7));
    const std::string bytes = recordOf(list);
    TListe back;
    back.append(std::make_unique<TString>("alt"));
    back.clear();
    pagestate::readBack(bytes, [&](TReader& r) { back.load(r); });
    EXPECT_EQ(back.compare(list), 0);
    EXPECT_EQ(back.count(), 4);
    EXPECT_EQ(recordOf(back), bytes);
}

TEST_F(PageStateTest, StackAndQueueComeBackInTheirOrder) {
    TLifo stack;
    TFifo queue;
    for (const char* text : {"eins", "zwei", "drei"}) {
        stack.push(std::make_unique<TLifoString>(text));
        queue.insert(std::make_unique<TFifoString>(text));
    }
    TLifo stackBack;
    pagestate::readBack(recordOf(stack), [&](TReader& r) { stackBack.load(r); });
    TFifo queueBack;
    pagestate::readBack(recordOf(queue), [&](TReader& r) { queueBack.load(r); });
    LineCollector stackLines;
    LineCollector stackBackLines;
    stack.write(stackLines);
    stackBack.write(stackBackLines);
    EXPECT_EQ(stackBackLines.text(), stackLines.text());
    LineCollector queueLines;
    LineCollector queueBackLines;
    queue.write(queueLines);
    queueBack.write(queueBackLines);
    EXPECT_EQ(queueBackLines.text(), queueLines.text());
    EXPECT_EQ(queueBackLines.text(), "eins\nzwei\ndrei");
}

TEST_F(PageStateTest, SearchAndAvlTreesComeBackWithTheirShape) {
    TSearchTree search;
    TAvlTree avl;
    for (int v : {50, 30, 70, 20, 40, 60, 80, 35}) {
        search.insert(std::make_unique<TTreeInteger>(v));
        avl.insert(std::make_unique<TTreeInteger>(v));
    }
    TSearchTree searchBack;
    pagestate::readBack(recordOf(search), [&](TReader& r) { searchBack.load(r); });
    TAvlTree avlBack;
    pagestate::readBack(recordOf(avl), [&](TReader& r) { avlBack.load(r); });
    EXPECT_EQ(recordOf(searchBack), recordOf(search));
    EXPECT_EQ(searchBack.depth(), 4);
    EXPECT_EQ(searchBack.count(), 8);
    EXPECT_EQ(recordOf(avlBack), recordOf(avl));
    EXPECT_EQ(avlBack.depth(), avl.depth());
}

TEST_F(PageStateTest, BTreeComesBackPageForPage) {
    TBayerTreeDemo tree;
    for (int v = 1; v <= 30; ++v) ASSERT_EQ(tree.insertQuietly(std::to_string(v * 3 % 31)), "");
    const std::string bytes = pagestate::record([&](TWriter& w) { tree.saveTo(w); });
    TBayerTreeDemo back;
    pagestate::readBack(bytes, [&](TReader& r) { back.loadFrom(r); });
    EXPECT_EQ(back.count(), tree.count());
    EXPECT_EQ(pagestate::record([&](TWriter& w) { back.saveTo(w); }), bytes);
}

TEST_F(PageStateTest, NtreeComesBackAndItsCurrentNodeIsFoundByPath) {
    TNtree tree;
    tree.createRoot(std::make_unique<TString>("A"), std::make_unique<TListe>());
    const auto leaf = [](const char* text) {
        return std::make_unique<TNtreeNode>(std::make_unique<TString>(text),
                                            std::make_unique<TListe>());
    };
    tree.root->insertChildN(0, leaf("B"));
    tree.root->insertChildN(1, leaf("C"));
    tree.root->getChildN(1)->insertChildN(0, leaf("D"));
    const TNtreeNode* current = tree.root->getChildN(1)->getChildN(0);
    PageState state;
    state.structure = recordOf(tree);
    state.position = *tree.pathTo(current);

    TNtree back;
    pagestate::readBack(state.structure, [&](TReader& r) { back.load(r); });
    const TNtreeNode* found = back.nodeAt(state.position);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->getElem()->getValue(), "D");
    EXPECT_EQ(back.count(), 4);
    EXPECT_EQ(recordOf(back), state.structure);
}

TEST_F(PageStateTest, SameStructureComparesRecordAndPositionButNeverACopy) {
    PageState a{"abc", nullptr, {1, 2}, {"x"}};
    PageState b{"abc", nullptr, {1, 2}, {"anders"}};
    EXPECT_TRUE(a.sameStructure(b));  // the fields do not count
    b.position = {1};
    EXPECT_FALSE(a.sameStructure(b));
    b.position = a.position;
    b.structure = "abd";
    EXPECT_FALSE(a.sameStructure(b));
    b.structure = a.structure;
    b.copy = std::make_shared<TString>("kopie");
    EXPECT_FALSE(a.sameStructure(b));
}

}  // namespace
