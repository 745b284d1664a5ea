// The "Beispiele": each example tree, built from its keys as the page builds
// it, shows its case when the real demonstration runs on it: the marked lines
// and sub-procedures of the steps, and the tree's levels before and after.
// The example lists have the order they announce.
#include "workbench/examples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/pseudocode.h"
#include "demo/searchtreedemo.h"
#include "demo/steprecorder.h"
#include "elements/values.h"
#include "trees/bayertreenode.h"
#include "trees/treeinteger.h"
#include "workbench/allclasses.h"

namespace {

using examples::Example;
using examples::Operation;
using examples::Page;

// The sub-procedures and lines that the steps of a demonstration mark.
struct Marked {
    std::set<Procedure> procedures;
    std::set<Line> lines;
};

Marked markedIn(const RecordedSteps& steps) {
    Marked marked;
    for (const Step& step : steps.steps()) {
        for (const CodeFrame& frame : step.marks) {
            marked.procedures.insert(frame.procedure);
            if (frame.marked >= 0) {
                const auto lines = pseudocode::lines(frame.procedure);
                marked.lines.insert(lines[static_cast<std::size_t>(frame.marked)].id);
            }
        }
    }
    return marked;
}

std::set<Procedure> only(const std::set<Procedure>& all, const std::set<Procedure>& among) {
    std::set<Procedure> out;
    for (Procedure p : all)
        if (among.count(p)) out.insert(p);
    return out;
}

StepRecorder page() { return StepRecorder(497, 293, DrawingRecord{}, PageFields{}, true); }

class ExamplesTest : public ::testing::Test {
protected:
    void SetUp() override { registerAllClasses(); }
};

TEST_F(ExamplesTest, EveryTreeExampleHasDistinctPageNumbersAndAFittingKey) {
    for (Page p : {Page::searchTree, Page::avlTree, Page::bayerTree}) {
        ASSERT_FALSE(examples::of(p).empty());
        for (const Example& e : examples::of(p)) {
            std::set<int> keys(e.keys.begin(), e.keys.end());
            EXPECT_EQ(keys.size(), e.keys.size()) << e.caption;
            for (int k : e.keys) EXPECT_TRUE(k >= 1 && k <= 99) << e.caption;
            EXPECT_TRUE(e.key >= 1 && e.key <= 99) << e.caption;
            // The key is there to be deleted, or missing to be inserted.
            EXPECT_EQ(keys.count(e.key) == 1, e.operation == Operation::remove) << e.caption;
            EXPECT_NE(std::string(e.note).find(std::to_string(e.key)), std::string::npos)
                << e.caption;
        }
    }
}

// Search tree: which lines of "Suchbaum: Löschen(x)" the deletion marks.
TEST_F(ExamplesTest, SearchTreeDeletionsShowTheirCase) {
    const struct {
        std::set<Line> marked;
        std::set<Line> notMarked;
    } expected[] = {
        {{Line::slRemoveLeaf}, {Line::slBypass, Line::slPredecessor}},
        {{Line::slBypass}, {Line::slRemoveLeaf, Line::slPredecessor}},
        {{Line::slPredecessor, Line::slReplace}, {Line::slAttachLeft, Line::slBypass}},
        {{Line::slPredecessor, Line::slAttachLeft}, {Line::slRemoveLeaf}},
    };
    const auto all = examples::of(Page::searchTree);
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Example& e = all[i];
        StepRecorder recorder = page();
        TSearchTreeDemo tree(recorder);
        for (int k : e.keys) ASSERT_EQ(tree.insertQuietly(std::to_string(k)), "") << e.caption;
        const auto steps = tree.removeAnimated(std::make_unique<TTreeInteger>(e.key));
        ASSERT_TRUE(steps) << e.caption;
        const Marked marked = markedIn(*steps);
        for (Line l : expected[i].marked) EXPECT_TRUE(marked.lines.count(l)) << e.caption;
        for (Line l : expected[i].notMarked) EXPECT_FALSE(marked.lines.count(l)) << e.caption;
        EXPECT_EQ(tree.count(), e.keys.size() - 1) << e.caption;
        EXPECT_EQ(tree.lookUp(TTreeInteger(e.key)), nullptr) << e.caption;
    }
}

// AVL tree: exactly the rotations the example names.
TEST_F(ExamplesTest, AvlExamplesRotateAsAnnounced) {
    const std::set<Procedure> rotations{Procedure::rotateLL, Procedure::rotateLR,
                                        Procedure::rotateRL, Procedure::rotateRR};
    const std::set<Procedure> expected[] = {
        {Procedure::rotateLL}, {Procedure::rotateLR}, {Procedure::rotateRL},
        {Procedure::rotateRR}, {Procedure::rotateRR}, {Procedure::rotateLR, Procedure::rotateLL},
    };
    const auto all = examples::of(Page::avlTree);
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Example& e = all[i];
        StepRecorder recorder = page();
        TAvlTreeDemo tree(recorder);
        for (int k : e.keys) ASSERT_EQ(tree.insertQuietly(std::to_string(k)), "") << e.caption;
        const auto steps = e.operation == Operation::insert
                               ? tree.insertAnimated(std::make_unique<TTreeInteger>(e.key))
                               : tree.removeAnimated(std::make_unique<TTreeInteger>(e.key));
        ASSERT_TRUE(steps) << e.caption;
        EXPECT_EQ(only(markedIn(*steps).procedures, rotations), expected[i]) << e.caption;
        EXPECT_TRUE(tree.verify()) << e.caption;
    }
}

int levels(const TBayerTree& tree) {
    int n = 0;
    for (const TBayerTreeNode* p = tree.root(); p; p = p->child(0)) ++n;
    return n;
}

// B-tree: the repairs the steps show and the levels before and after.
TEST_F(ExamplesTest, BTreeExamplesSplitBorrowAndMergeAsAnnounced) {
    const std::set<Procedure> repairs{Procedure::bayerSplit, Procedure::bayerBorrowLeft,
                                      Procedure::bayerBorrowRight, Procedure::bayerMergeLeft,
                                      Procedure::bayerMergeRight};
    const struct {
        std::set<Procedure> procedures;
        int levelsBefore;
        int levelsAfter;
    } expected[] = {
        {{Procedure::bayerSplit}, 2, 2},      {{Procedure::bayerSplit}, 2, 3},
        {{Procedure::bayerBorrowLeft}, 2, 2}, {{Procedure::bayerBorrowRight}, 2, 2},
        {{Procedure::bayerMergeRight}, 2, 2}, {{Procedure::bayerMergeRight}, 2, 1},
    };
    const auto all = examples::of(Page::bayerTree);
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Example& e = all[i];
        TBayerTreeDemo tree;
        for (int k : e.keys) ASSERT_EQ(tree.insertQuietly(std::to_string(k)), "") << e.caption;
        EXPECT_EQ(levels(tree), expected[i].levelsBefore) << e.caption;
        StepRecorder recorder(497, 305, DrawingRecord{}, PageFields{}, false);
        const auto steps = e.operation == Operation::insert
                               ? tree.insert(recorder, std::make_unique<TInteger>(e.key))
                               : tree.remove(recorder, std::make_unique<TInteger>(e.key));
        ASSERT_TRUE(steps) << e.caption;
        const Marked marked = markedIn(*steps);
        EXPECT_EQ(only(marked.procedures, repairs), expected[i].procedures) << e.caption;
        EXPECT_EQ(levels(tree), expected[i].levelsAfter) << e.caption;
        EXPECT_TRUE(tree.verify()) << e.caption;
    }
}

// Lists: in order, in reverse order, few distinct values, one out of place.
TEST_F(ExamplesTest, ListExamplesHaveTheAnnouncedOrder) {
    const auto all = examples::of(Page::list);
    ASSERT_EQ(all.size(), 4u);
    const std::vector<int>& sorted = all[0].keys;
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
    const std::vector<int>& reversed = all[1].keys;
    EXPECT_TRUE(std::is_sorted(reversed.rbegin(), reversed.rend()));
    EXPECT_FALSE(std::is_sorted(reversed.begin(), reversed.end()));
    const std::vector<int>& equal = all[2].keys;
    EXPECT_LE(std::set<int>(equal.begin(), equal.end()).size(), 3u);
    EXPECT_GE(equal.size(), 8u);
    const std::vector<int>& oneWrong = all[3].keys;
    EXPECT_FALSE(std::is_sorted(oneWrong.begin(), oneWrong.end()));
    int fixes = 0;
    for (std::size_t i = 0; i < oneWrong.size(); ++i) {
        std::vector<int> without = oneWrong;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        if (std::is_sorted(without.begin(), without.end())) ++fixes;
    }
    EXPECT_EQ(fixes, 1);
    for (const Example& e : all) {
        EXPECT_EQ(e.operation, Operation::sort);
        EXPECT_EQ(e.key, 0);
    }
}

}  // namespace
