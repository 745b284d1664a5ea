// The pseudo-code lines the "Algorithmus" panel shows at each step: for
// every operation and every branch (search tree and AVL insertion and
// deletion with the four rotations, the B-tree's split, borrowing, merging
// and collapse, the six sorts on lists with equal keys) the procedures and
// marked lines each step holds, against a table written from the
// pseudo-code. Every step must mark a line of the procedure that runs, the
// end must show the operation left, and together the tables must show every
// line of every procedure but those the algorithms pass without a stop.
#include "demo/pseudocode.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "demo/sorts.h"
#include "demo/steprecorder.h"
#include "tests/demo/demosupport.h"
#include "tests/demo/sortdemosupport.h"
#include "tests/trees/bayertestsupport.h"
#include "trees/treeinteger.h"

namespace {

// The panel's marks at each step of one demonstration, and at its end.
struct Traced {
    std::vector<CodeMarks> steps;
    CodeMarks end;
};

Traced traced(StepSource& source) {
    Traced out;
    const demotest::Played played = demotest::drain(source);
    for (const Step& step : played.steps) out.steps.push_back(step.marks);
    out.end = played.end.marks;
    return out;
}

// "SE4" (tag and line number; "Q1.4" where the tag ends in a digit); the tag
// alone for a procedure without a marked line.
std::string name(const CodeFrame& frame) {
    const std::string tag = pseudocode::procedure(frame.procedure).tag;
    if (frame.marked < 0) return tag;
    const bool digit = tag.back() >= '0' && tag.back() <= '9';
    return tag + (digit ? "." : "") + std::to_string(frame.marked + 1);
}

std::string name(Line line) {
    return name(CodeFrame{pseudocode::line(line).procedure, pseudocode::number(line) - 1});
}

// The frames of one step, the outermost first: "AE6>LL3".
std::string describe(const CodeMarks& marks) {
    std::string text;
    for (const CodeFrame& frame : marks) text += (text.empty() ? "" : ">") + name(frame);
    return text;
}

// The steps separated by blanks, then " | " and the end.
std::string describe(const Traced& t) {
    std::string text;
    for (const CodeMarks& marks : t.steps) text += (text.empty() ? "" : " ") + describe(marks);
    return text + " | " + describe(t.end);
}

// What no step may show: a step without a marked line in the procedure that
// runs, a line beyond its procedure, an end that still shows a procedure
// running.
std::vector<std::string> faults(const Traced& t) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < t.steps.size(); ++k) {
        const CodeMarks& marks = t.steps[k];
        if (marks.empty() || marks.back().marked < 0)
            out.push_back("step " + std::to_string(k + 1) + " without a line");
        for (const CodeFrame& frame : marks) {
            if (frame.marked >= static_cast<int>(pseudocode::lines(frame.procedure).size()))
                out.push_back("step " + std::to_string(k + 1) + " beyond its procedure");
        }
    }
    if (t.end.size() != 1 || t.end.front().marked != -1) out.push_back("procedures left open");
    return out;
}

// The lines the steps show marked, in every frame.
void collect(const Traced& t, std::set<std::pair<Procedure, int>>& shown) {
    for (const CodeMarks& marks : t.steps)
        for (const CodeFrame& frame : marks) shown.insert({frame.procedure, frame.marked});
}

struct Case {
    const char* name;
    std::function<Traced()> run;
    const char* expected;
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// One tree page operation: the numbers inserted without steps, then the
// animated insertion (true) or deletion of `value`.
template <class Tree>
std::function<Traced()> treeCase(std::vector<int> before, bool insert, int value) {
    return [=] {
        RecordingMessages messages;
        demotest::FakePage page(505, Tree::kPageKind == 1);
        Tree tree(page);
        for (int v : before) tree.insert(std::make_unique<TTreeInteger>(v));
        page.entry.setText(std::to_string(value));
        const std::unique_ptr<RecordedSteps> steps = tree.insdel(insert);
        return steps ? traced(*steps) : Traced{};
    };
}
auto search = treeCase<TSearchTreeDemo>;
auto avl = treeCase<TAvlTreeDemo>;

// One B-tree operation on the tree of the shape (see describe).
std::function<Traced()> bayerCase(const char* shape, bool insert, int value) {
    return [=] {
        RecordingMessages messages;
        StepRecorder page(497, 305, DrawingRecord(), PageFields{}, false);
        TBayerTreeDemo tree;
        build(tree, shape);
        const std::unique_ptr<RecordedSteps> steps =
            insert ? tree.insert(page, std::make_unique<TInteger>(value))
                   : tree.remove(page, std::make_unique<TInteger>(value));
        return traced(*steps);
    };
}

// One sort of the sort window on a list of integers.
std::function<Traced()> sortCase(SortKind kind, std::vector<int> values) {
    return [=] {
        auto list = sorttest::integers(values);
        const sorttest::RecordedRun run(kind, *list);
        return Traced{run.marks, run.endStep.marks};
    };
}

const std::vector<Case>& cases() {
    static const std::vector<Case> table = {
        // Search tree.
        {"SearchInsert", search({}, true, 5), "SE4 | SE"},
        {"SearchInsertTooDeep", search({1, 2, 3, 4, 5, 6}, true, 7), " | SE"},
        {"SearchDeleteLeaf", search({5, 3}, false, 3), "SL3 | SL"},
        {"SearchDeleteOneChild", search({5, 3, 1}, false, 3), "SL1 SL5 SL7 SL8 | SL"},
        {"SearchDeleteTwoChildren", search({5, 3, 8}, false, 5), "SL1 SL5 SL10 SL11 SL14 | SL"},
        {"SearchDeletePredecessorWithLeftChild", search({5, 2, 8, 4, 3}, false, 5),
         "SL1 SL5 SL10 SL11 SL13 SL13 SL14 | SL"},
        // AVL tree: insertion; the search tree's insertion runs as a
        // sub-procedure below the AVL procedure's first line.
        {"AvlInsertNoRotation", avl({2}, true, 1), "AE1>SE4 | AE"},
        {"AvlInsertLL", avl({3, 2}, true, 1), "AE1>SE4 AE3 AE6>LL1 AE6>LL3 | AE"},
        {"AvlInsertLLBelowTheRoot", avl({50, 30, 70, 20}, true, 10),
         "AE1>SE4 AE3 AE6>LL1 AE6>LL3 AE6>LL4 | AE"},
        {"AvlInsertRR", avl({1, 2}, true, 3), "AE1>SE4 AE3 AE9>RR1 AE9>RR3 | AE"},
        {"AvlInsertLR", avl({3, 1}, true, 2), "AE1>SE4 AE3 AE5>LR1 AE5>LR1 AE5>LR3 AE5>LR5 | AE"},
        {"AvlInsertRL", avl({1, 3}, true, 2), "AE1>SE4 AE3 AE8>RL1 AE8>RL1 AE8>RL3 AE8>RL5 | AE"},
        // AVL tree: deletion.
        {"AvlDeleteNoRotation", avl({2, 1}, false, 1), "AL1>SL3 | AL"},
        {"AvlDeleteOneChild", avl({2, 1, 3, 4}, false, 3), "AL1>SL1 AL1>SL5 AL1>SL7 AL1>SL8 | AL"},
        {"AvlDeleteLL", avl({3, 2, 4, 1}, false, 4), "AL1>SL3 AL3 AL6>LL1 AL6>LL3 | AL"},
        {"AvlDeleteRR", avl({2, 1, 3, 4}, false, 1), "AL1>SL3 AL3 AL9>RR1 AL9>RR3 | AL"},
        {"AvlDeleteLR", avl({3, 1, 4, 2}, false, 4),
         "AL1>SL3 AL3 AL5>LR1 AL5>LR1 AL5>LR3 AL5>LR5 | AL"},
        {"AvlDeleteRL", avl({2, 1, 4, 3}, false, 1),
         "AL1>SL3 AL3 AL8>RL1 AL8>RL1 AL8>RL3 AL8>RL5 | AL"},
        // B-tree: insertion.
        {"BayerInsertIntoEmptyTree", bayerCase("", true, 5), " | BE"},
        {"BayerInsertWithRoom", bayerCase("[1 3]", true, 2), "BE11 BE11 | BE"},
        {"BayerInsertSplitsTheRoot", bayerCase("[1 2 3 4]", true, 5), "BE6 BE7>BT3 BE9 | BE"},
        {"BayerInsertSplitsALeaf", bayerCase("[3]([1 2][4 5 6 7])", true, 8),
         "BE6 BE7>BT3 BE11 BE11 | BE"},
        {"BayerInsertRefused",
         bayerCase("[60 200 300 400]([20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
                   "[120 140]([61 62][121 122][141 142])[220 240]([201 202][221 222][241 242])"
                   "[320 340]([301 302][321 322][341 342])[420 440]([401 402][421 422][441 442]))",
                   true, 57),
         " | BE"},
        // B-tree: deletion.
        {"BayerDeleteFromLeaf", bayerCase("[1 2 3]", false, 1), "BL3 BL3 | BL"},
        {"BayerDeleteTheLastKey", bayerCase("[5]", false, 5), "BL3 | BL"},
        {"BayerDeleteBorrowsRight", bayerCase("[3]([1 2][4 5 6])", false, 1),
         "BL3 BL3 BL10>BAR1 BL10>BAR2 BL10>BAR3 | BL"},
        {"BayerDeleteMergesRight", bayerCase("[3]([1 2][4 5])", false, 1),
         "BL3 BL3 BL11>BVR1 BL11>BVR2 BL11>BVR2 | BL"},
        {"BayerDeleteBorrowsLeft", bayerCase("[4]([1 2 3][5 6])", false, 6),
         "BL3 BL13>BAL1 BL13>BAL2 BL13>BAL3 | BL"},
        {"BayerDeleteMergesLeft", bayerCase("[3]([1 2][4 5])", false, 5),
         "BL3 BL14>BVL1 BL14>BVL2 | BL"},
        {"BayerDeleteFromInnerPage", bayerCase("[3]([1 2][4 5 6])", false, 3),
         "BL5 BL6 BL7 BL10>BAR1 BL10>BAR2 BL10>BAR3 | BL"},
        // The sorts, each on a list with equal keys; a part sorted the same
        // way runs as a sub-procedure below the line that announced it.
        {"BubbleSort", sortCase(SortKind::bubble, {2, 1, 2, 1}),
         "BU3 BU5 BU5 BU6 BU3 BU5 BU6 BU3 BU6 | BU"},
        {"InsertionSort", sortCase(SortKind::insertion, {2, 1, 2, 1}),
         "EI2 EI4 EI2 EI4 EI2 EI4 EI5 | EI"},
        {"SelectionSort", sortCase(SortKind::selection, {2, 1, 2, 1}),
         "AW2 AW5 AW2 AW5 AW2 AW4 AW6 | AW"},
        {"QuickSort1LowerPart", sortCase(SortKind::quick1, {2, 1, 2, 1}),
         "Q1.1 Q1.4 Q1.5 Q1.6 Q1.4 Q1.5 Q1.6 Q1.7 Q1.7 Q1.9 "
         "Q1.9>Q1.1 Q1.9>Q1.4 Q1.9>Q1.5 Q1.9>Q1.6 Q1.9>Q1.7 Q1.9>Q1.7 | Q1"},
        {"QuickSort1UpperParts", sortCase(SortKind::quick1, {1, 2, 1, 2}),
         "Q1.1 Q1.4 Q1.5 Q1.6 Q1.4 Q1.5 Q1.7 Q1.7 Q1.8 "
         "Q1.8>Q1.1 Q1.8>Q1.4 Q1.8>Q1.5 Q1.8>Q1.6 Q1.8>Q1.7 Q1.8>Q1.7 Q1.8>Q1.8 "
         "Q1.8>Q1.8>Q1.1 Q1.8>Q1.8>Q1.4 Q1.8>Q1.8>Q1.5 Q1.8>Q1.8>Q1.6 Q1.8>Q1.8>Q1.7 "
         "Q1.8>Q1.8>Q1.7 | Q1"},
        {"QuickSort2", sortCase(SortKind::quick2, {2, 1, 2, 1}),
         "Q2.1 Q2.4 Q2.5 Q2.4 Q2.7 Q2.8 Q2.9 Q2.9 "
         "Q2.9>Q2.1 Q2.9>Q2.5 Q2.9>Q2.6 Q2.9>Q2.8 Q2.9>Q2.9 Q2.9>Q2.11 Q2.10 "
         "Q2.10>Q2.1 Q2.10>Q2.5 Q2.10>Q2.6 Q2.10>Q2.8 Q2.10>Q2.9 Q2.10>Q2.11 Q2.11 | Q2"},
        {"MergeSort", sortCase(SortKind::merge, {2, 1, 2, 1}), "MS2 MS6 MS2 MS6 MS2 MS3 | MS"},
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

TEST_P(PseudoCodeLines, EveryStepShowsItsLine) {
    const Traced t = GetParam().run();
    EXPECT_EQ(describe(t), GetParam().expected);
    EXPECT_EQ(faults(t), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Demonstrations, PseudoCodeLines, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// The lines the algorithms pass without a stop: no step shows them marked
// (the search, the refusals, the loop heads before their first step, the
// work between two steps, the climb after the last one, the merge of two
// runs). Every other line of every procedure is shown by some step of the
// tables.
TEST(PseudoCodeCoverage, TheTablesShowEveryLineButThosePassedWithoutAStop) {
    registerElementClasses();
    registerAvlTreeClasses();
    registerBayerTreeClasses();
    registerListDemoClasses();
    std::set<std::pair<Procedure, int>> shown;
    for (const Case& c : cases()) collect(c.run(), shown);
    std::vector<std::string> unshown;
    for (const PseudoLine& line : pseudocode::allLines()) {
        if (!shown.contains({line.procedure, pseudocode::number(line.id) - 1}))
            unshown.push_back(name(line.id));
    }
    const std::vector<std::string> passed = {
        "SE1",  "SE2",  "SE3",                                                   // search tree
        "SL2",  "SL4",  "SL6",  "SL9",  "SL12",                                  //
        "AE2",  "AE4",  "AE7",  "AL2",  "AL4",  "AL7",                           // AVL tree
        "LL2",  "LL5",  "RR2",  "RR4",  "RR5",  "LR2",  "LR4",  "LR6",  "LR7",   //
        "RL2",  "RL4",  "RL6",  "RL7",                                           //
        "BE1",  "BE2",  "BE3",  "BE4",  "BE5",  "BE8",  "BE10", "BT1",  "BT2",   // B-tree
        "BL1",  "BL2",  "BL4",  "BL8",  "BL9",  "BL12", "BL15", "BL16", "BL17",  //
        "BVR3", "BVL3",                                                          //
        "BU1",  "BU2",  "BU4",  "BU7",  "EI1",  "EI3",  "AW1",  "AW3",           // sorts
        "Q1.2", "Q1.3", "Q2.2", "Q2.3", "MS1",  "MS4",  "MS5",  "MV1",  "MV2",  "MV3"};
    EXPECT_EQ(unshown, passed);
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
