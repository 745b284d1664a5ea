// The pseudo-code lines the demonstrations name: for every operation and
// every branch (search tree and AVL insertion and deletion with the four
// rotations, the B-tree's split, borrowing, merging and collapse, the six
// sorts on lists with equal keys) the sequence of marked lines against a table
// written from the pseudo-code. Every waiting step must name a line of the
// procedure on top of the stack, the stack must be empty afterwards, and
// together the tables must mark every line of every procedure.
#include "demo/pseudocode.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "demo/algorithmtrace.h"
#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "tests/demo/demosupport.h"
#include "tests/demo/sortdemosupport.h"
#include "tests/trees/bayertestsupport.h"
#include "trees/treeinteger.h"

namespace {

// Records the marks as "SE4" (tag and line number; "Q1.4" where the tag ends
// in a digit), with "*" for each wait that began while the line was marked.
class TraceLog final : public AlgorithmTrace {
public:
    void enter(Procedure procedure) override { stack_.push_back(procedure); }
    void mark(Line line) override {
        const PseudoLine& l = pseudocode::line(line);
        if (stack_.empty() || stack_.back() != l.procedure)
            faults.push_back("foreign " + name(line));
        marks_.push_back(name(line));
        covered.insert(line);
        markedSinceWait_ = true;
    }
    void leave() override {
        if (stack_.empty()) {
            faults.push_back("leave without enter");
        } else {
            stack_.pop_back();
        }
    }
    void waitBegins() {
        if (!markedSinceWait_ || marks_.empty()) {
            faults.push_back("wait without a line after " +
                             (marks_.empty() ? std::string("nothing") : marks_.back()));
            return;
        }
        marks_.back() += '*';
        markedSinceWait_ = false;
    }
    // The marks since the last call, separated by blanks.
    std::string take() {
        std::string text;
        for (const std::string& m : marks_) text += (text.empty() ? "" : " ") + m;
        marks_.clear();
        if (!stack_.empty()) faults.push_back("procedures left open");
        stack_.clear();
        return text;
    }
    static std::string name(Line line) {
        const std::string tag = pseudocode::procedure(pseudocode::line(line).procedure).tag;
        const bool digit = tag.back() >= '0' && tag.back() <= '9';
        return tag + (digit ? "." : "") + std::to_string(pseudocode::number(line));
    }

    std::vector<std::string> faults;
    std::set<Line> covered;

private:
    std::vector<Procedure> stack_;
    std::vector<std::string> marks_;
    bool markedSinceWait_ = false;
};

struct Case {
    const char* name;
    std::function<void(TraceLog&)> run;
    const char* expected;
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// One tree page operation: the numbers inserted without steps, then the
// animated insertion (true) or deletion of `value`.
template <class Tree>
std::function<void(TraceLog&)> treeCase(std::vector<int> before, bool insert, int value) {
    return [=](TraceLog& log) {
        RecordingMessages messages;
        demotest::FakePage page(505, Tree::kPageKind == 1);
        page.traceSink = &log;
        page.clockImpl.onPause = [&] {
            if (!page.clockImpl.weiterPressed) log.waitBegins();
        };
        Tree tree(page);
        for (int v : before) tree.insert(std::make_unique<TTreeInteger>(v));
        page.entry.setText(std::to_string(value));
        tree.insdel(insert);
    };
}
auto search = treeCase<TSearchTreeDemo>;
auto avl = treeCase<TAvlTreeDemo>;

// One B-tree operation on the tree of the shape (see describe).
std::function<void(TraceLog&)> bayerCase(const char* shape, bool insert, int value) {
    return [=](TraceLog& log) {
        RecordingMessages messages;
        RecordingSurface image(497, 305);
        RecordingText info;
        demotest::FakeClock clock;
        clock.onPause = [&] {
            if (!clock.weiterPressed) log.waitBegins();
        };
        TBayerTreeDemo tree(clock, log);
        build(tree, shape);
        if (insert) {
            tree.insert(image, info, std::make_unique<TInteger>(value));
        } else {
            tree.remove(image, info, std::make_unique<TInteger>(value));
        }
    };
}

// One sort of the sort window on a list of integers.
std::function<void(TraceLog&)> sortCase(void (TListDemo::*sort)(SortStage&),
                                        std::vector<int> values) {
    return [=](TraceLog& log) {
        sorttest::RecordedStage recorded;
        recorded.stage.trace = &log;
        const auto record = recorded.clock.onPause;
        recorded.clock.onPause = [&] {
            record();
            log.waitBegins();
        };
        auto list = sorttest::integers(values);
        ((*list).*sort)(recorded.stage);
    };
}

const std::vector<Case>& cases() {
    static const std::vector<Case> table = {
        // Search tree.
        {"SearchInsert", search({}, true, 5), "SE1 SE4*"},
        {"SearchInsertTooDeep", search({1, 2, 3, 4, 5, 6}, true, 7), "SE1 SE2 SE3"},
        {"SearchDeleteLeaf", search({5, 3}, false, 3), "SL1 SL2 SL3*"},
        {"SearchDeleteOneChild", search({5, 3, 1}, false, 3), "SL1* SL4 SL5* SL6 SL7* SL8*"},
        {"SearchDeleteTwoChildren", search({5, 3, 8}, false, 5),
         "SL1* SL4 SL5* SL9 SL10* SL11* SL14*"},
        {"SearchDeletePredecessorWithLeftChild", search({5, 2, 8, 4, 3}, false, 5),
         "SL1* SL4 SL5* SL9 SL10* SL11* SL12 SL13* SL13* SL14*"},
        // AVL tree: insertion.
        {"AvlInsertNoRotation", avl({2}, true, 1), "AE1 SE1 SE4* AE2"},
        {"AvlInsertLL", avl({3, 2}, true, 1),
         "AE1 SE1 SE4* AE2 AE3* AE4 AE6 LL1* LL2 LL3* LL4 LL5"},
        {"AvlInsertLLBelowTheRoot", avl({50, 30, 70, 20}, true, 10),
         "AE1 SE1 SE4* AE2 AE3* AE4 AE6 LL1* LL2 LL3* LL4* LL5"},
        {"AvlInsertRR", avl({1, 2}, true, 3),
         "AE1 SE1 SE4* AE2 AE3* AE7 AE9 RR1* RR2 RR3* RR4 RR5"},
        {"AvlInsertLR", avl({3, 1}, true, 2),
         "AE1 SE1 SE4* AE2 AE3* AE4 AE5 LR1* LR1* LR2 LR3* LR4 LR5* LR6 LR7"},
        {"AvlInsertRL", avl({1, 3}, true, 2),
         "AE1 SE1 SE4* AE2 AE3* AE7 AE8 RL1* RL1* RL2 RL3* RL4 RL5* RL6 RL7"},
        // AVL tree: deletion.
        {"AvlDeleteNoRotation", avl({2, 1}, false, 1), "AL1 SL1 SL2 SL3* AL2"},
        {"AvlDeleteOneChild", avl({2, 1, 3, 4}, false, 3), "AL1 SL1* SL4 SL5* SL6 SL7* SL8* AL2"},
        {"AvlDeleteLL", avl({3, 2, 4, 1}, false, 4),
         "AL1 SL1 SL2 SL3* AL2 AL3* AL4 AL6 LL1* LL2 LL3* LL4 LL5"},
        {"AvlDeleteRR", avl({2, 1, 3, 4}, false, 1),
         "AL1 SL1 SL2 SL3* AL2 AL3* AL7 AL9 RR1* RR2 RR3* RR4 RR5"},
        {"AvlDeleteLR", avl({3, 1, 4, 2}, false, 4),
         "AL1 SL1 SL2 SL3* AL2 AL3* AL4 AL5 LR1* LR1* LR2 LR3* LR4 LR5* LR6 LR7"},
        {"AvlDeleteRL", avl({2, 1, 4, 3}, false, 1),
         "AL1 SL1 SL2 SL3* AL2 AL3* AL7 AL8 RL1* RL1* RL2 RL3* RL4 RL5* RL6 RL7"},
        // B-tree: insertion.
        {"BayerInsertIntoEmptyTree", bayerCase("", true, 5), "BE1 BE2"},
        {"BayerInsertWithRoom", bayerCase("[1 3]", true, 2), "BE3 BE11* BE11*"},
        {"BayerInsertSplitsTheRoot", bayerCase("[1 2 3 4]", true, 5),
         "BE3 BE6* BE7 BT1 BT2 BT3* BE8 BE9*"},
        {"BayerInsertSplitsALeaf", bayerCase("[3]([1 2][4 5 6 7])", true, 8),
         "BE3 BE6* BE7 BT1 BT2 BT3* BE10 BE11* BE11*"},
        {"BayerInsertRefused",
         bayerCase("[60 200 300 400]([20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
                   "[120 140]([61 62][121 122][141 142])[220 240]([201 202][221 222][241 242])"
                   "[320 340]([301 302][321 322][341 342])[420 440]([401 402][421 422][441 442]))",
                   true, 57),
         "BE3 BE4 BE5"},
        // B-tree: deletion.
        {"BayerDeleteFromLeaf", bayerCase("[1 2 3]", false, 1), "BL1 BL2 BL3* BL3*"},
        {"BayerDeleteTheLastKey", bayerCase("[5]", false, 5), "BL1 BL2 BL3* BL3 BL16 BL17"},
        {"BayerDeleteBorrowsRight", bayerCase("[3]([1 2][4 5 6])", false, 1),
         "BL1 BL2 BL3* BL3* BL8 BL9 BL10 BAR1* BAR2* BAR3*"},
        {"BayerDeleteMergesRight", bayerCase("[3]([1 2][4 5])", false, 1),
         "BL1 BL2 BL3* BL3* BL8 BL9 BL11 BVR1* BVR2* BVR2* BVR3 BL15 BL16 BL17"},
        {"BayerDeleteBorrowsLeft", bayerCase("[4]([1 2 3][5 6])", false, 6),
         "BL1 BL2 BL3* BL3 BL8 BL12 BL13 BAL1* BAL2* BAL3*"},
        {"BayerDeleteMergesLeft", bayerCase("[3]([1 2][4 5])", false, 5),
         "BL1 BL2 BL3* BL3 BL8 BL12 BL14 BVL1* BVL2* BVL3 BL15 BL16 BL17"},
        {"BayerDeleteFromInnerPage", bayerCase("[3]([1 2][4 5 6])", false, 3),
         "BL1 BL4 BL5* BL6* BL7* BL8 BL9 BL10 BAR1* BAR2* BAR3*"},
        // The sorts, each on a list with equal keys.
        {"BubbleSort", sortCase(&TListDemo::bubbleSortDemo, {2, 1, 2, 1}),
         "BU1 BU2 BU3* BU4 BU5* BU5* BU6* BU7 BU2 BU3* BU4 BU5* BU6* BU7 BU2 BU3* BU4 BU6* BU7"},
        {"InsertionSort", sortCase(&TListDemo::insertionDemo, {2, 1, 2, 1}),
         "EI1 EI2* EI3 EI4* EI1 EI2* EI3 EI4* EI1 EI2* EI3 EI4* EI5*"},
        {"SelectionSort", sortCase(&TListDemo::selectionDemo, {2, 1, 2, 1}),
         "AW1 AW2* AW3 AW5* AW1 AW2* AW3 AW5* AW1 AW2* AW3 AW4* AW6*"},
        {"QuickSort1LowerPart", sortCase(&TListDemo::quickSort1Demo, {2, 1, 2, 1}),
         "Q1.1* Q1.2 Q1.3 Q1.4* Q1.5* Q1.6* Q1.3 Q1.4* Q1.5* Q1.6* Q1.7* Q1.7* Q1.9* "
         "Q1.1* Q1.2 Q1.3 Q1.4* Q1.5* Q1.6* Q1.7* Q1.7*"},
        {"QuickSort1UpperParts", sortCase(&TListDemo::quickSort1Demo, {1, 2, 1, 2}),
         "Q1.1* Q1.2 Q1.3 Q1.4* Q1.5* Q1.6* Q1.3 Q1.4* Q1.5* Q1.7* Q1.7* Q1.8* "
         "Q1.1* Q1.2 Q1.3 Q1.4* Q1.5* Q1.6* Q1.7* Q1.7* Q1.8* "
         "Q1.1* Q1.2 Q1.3 Q1.4* Q1.5* Q1.6* Q1.7* Q1.7*"},
        {"QuickSort2", sortCase(&TListDemo::quickSort2Demo, {2, 1, 2, 1}),
         "Q2.1* Q2.2 Q2.3 Q2.4* Q2.3 Q2.5* Q2.3 Q2.4* Q2.7* Q2.8* Q2.9* Q2.9* "
         "Q2.1* Q2.2 Q2.3 Q2.5* Q2.6* Q2.8* Q2.9* Q2.11* Q2.10* "
         "Q2.1* Q2.2 Q2.3 Q2.5* Q2.6* Q2.8* Q2.9* Q2.11* Q2.11*"},
        {"MergeSort", sortCase(&TListDemo::mergeSortDemo, {2, 1, 2, 1}),
         "MS1 MS2* MS4 MS5 MV1 MV2 MV3 MS5 MV1 MV3 MS6* MS1 MS2* MS4 MS5 MV1 MV2 MV3 MS6* "
         "MS1 MS2* MS3*"},
    };
    return table;
}

class PseudoCodeLines : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() {
        registerElementClasses();
        registerAvlTreeClasses();
        registerBayerTreeClasses();
        registerListDemoClasses();
    }
};

TEST_P(PseudoCodeLines, EveryStepNamesItsLine) {
    TraceLog log;
    GetParam().run(log);
    EXPECT_EQ(log.take(), GetParam().expected);
    EXPECT_EQ(log.faults, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Demonstrations, PseudoCodeLines, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

TEST(PseudoCodeCoverage, TheTablesMarkEveryLineOfEveryProcedure) {
    registerElementClasses();
    registerAvlTreeClasses();
    registerBayerTreeClasses();
    registerListDemoClasses();
    TraceLog log;
    for (const Case& c : cases()) c.run(log);
    std::vector<std::string> unmarked;
    for (const PseudoLine& line : pseudocode::allLines()) {
        if (!log.covered.contains(line.id)) unmarked.push_back(TraceLog::name(line.id));
    }
    EXPECT_EQ(unmarked, std::vector<std::string>{});
}

TEST(PseudoCodeText, ProceduresListTheirLinesInOrderAndNumberThemFromOne) {
    // Spot checks of the data: titles, first and last lines, numbering.
    EXPECT_STREQ(pseudocode::procedure(Procedure::rotateLR).title, "Rotation LR bei a");
    const auto lr = pseudocode::lines(Procedure::rotateLR);
    ASSERT_EQ(lr.size(), 7u);
    EXPECT_STREQ(lr.front().text, "b ← a.links; c ← b.rechts");
    EXPECT_EQ(lr.back().id, Line::lrBalance);
    EXPECT_EQ(pseudocode::number(Line::lrTake), 1);
    EXPECT_EQ(pseudocode::number(Line::aeRotateLR), 5);
    EXPECT_EQ(pseudocode::lines(Procedure::mergeRuns).back().id, Line::mvRest);
    std::size_t total = 0;
    for (int p = 0; p < kProcedureCount; ++p) {
        const auto lines = pseudocode::lines(static_cast<Procedure>(p));
        EXPECT_FALSE(lines.empty()) << p;
        for (const PseudoLine& l : lines) EXPECT_EQ(static_cast<int>(l.procedure), p);
        total += lines.size();
    }
    EXPECT_EQ(total, static_cast<std::size_t>(kLineCount));
}

}  // namespace
