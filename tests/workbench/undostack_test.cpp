// The levels of "Rückgängig" and "Wiederholen": order, limits, and a new
// change forgetting what could be redone.
#include "workbench/undostack.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// One action on a stack of ints whose "page" shows the number `shown`.
enum class Op { change, undo, redo };
struct Action {
    Op op;
    int value;  // change: the new state shown
};

struct Session {
    int shown = 0;
    UndoStack<int> stack;
    explicit Session(std::size_t levels) : stack(levels) {}
    void apply(const Action& a) {
        switch (a.op) {
            case Op::change:
                stack.record(shown);
                shown = a.value;
                break;
            case Op::undo:
                if (auto back = stack.undo(shown)) shown = *back;
                break;
            case Op::redo:
                if (auto forward = stack.redo(shown)) shown = *forward;
                break;
        }
    }
};

struct Case {
    const char* name;
    std::size_t levels;
    std::vector<Action> actions;
    int shown;
    std::size_t undoLevels;
    std::size_t redoLevels;
};

const Case kCases[] = {
    {"NothingToUndo", 50, {{Op::undo, 0}, {Op::redo, 0}}, 0, 0, 0},
    {"UndoShowsTheStateBefore", 50, {{Op::change, 1}, {Op::change, 2}, {Op::undo, 0}}, 1, 1, 1},
    {"UndoTwiceThenRedoOnce",
     50,
     {{Op::change, 1}, {Op::change, 2}, {Op::undo, 0}, {Op::undo, 0}, {Op::redo, 0}},
     1,
     1,
     1},
    {"RedoAllTheWay",
     50,
     {{Op::change, 1}, {Op::change, 2}, {Op::undo, 0}, {Op::undo, 0}, {Op::redo, 0}, {Op::redo, 0}},
     2,
     2,
     0},
    {"ANewChangeForgetsTheRedoLevels",
     50,
     {{Op::change, 1}, {Op::change, 2}, {Op::undo, 0}, {Op::change, 7}, {Op::redo, 0}},
     7,
     2,
     0},
    {"UndoPastTheFirstChangeStaysAtTheStart",
     50,
     {{Op::change, 1}, {Op::undo, 0}, {Op::undo, 0}, {Op::undo, 0}},
     0,
     0,
     1},
    {"TheOldestLevelGoesBeyondTheLimit",
     2,
     {{Op::change, 1},
      {Op::change, 2},
      {Op::change, 3},
      {Op::undo, 0},
      {Op::undo, 0},
      {Op::undo, 0}},
     1,
     0,
     2},
    {"NoLevelsRecordsNothing", 0, {{Op::change, 1}, {Op::undo, 0}}, 1, 0, 0},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class UndoStackTable : public ::testing::TestWithParam<Case> {};

TEST_P(UndoStackTable, EndsWithTheExpectedStateAndLevels) {
    const Case& c = GetParam();
    Session run(c.levels);
    for (const Action& a : c.actions) run.apply(a);
    EXPECT_EQ(run.shown, c.shown);
    EXPECT_EQ(run.stack.undoLevels(), c.undoLevels);
    EXPECT_EQ(run.stack.redoLevels(), c.redoLevels);
    EXPECT_EQ(run.stack.canUndo(), c.undoLevels > 0);
    EXPECT_EQ(run.stack.canRedo(), c.redoLevels > 0);
}

INSTANTIATE_TEST_SUITE_P(Sequences, UndoStackTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UndoStack, FiftyChangesAreUndoneInReverseOrderAndRedoneInOrder) {
    Session run(UndoStack<int>::kDefaultLevels);
    for (int i = 1; i <= 60; ++i) run.apply({Op::change, i});
    EXPECT_EQ(run.stack.undoLevels(), 50u);
    for (int expected = 59; expected >= 10; --expected) {
        run.apply({Op::undo, 0});
        ASSERT_EQ(run.shown, expected);
    }
    EXPECT_FALSE(run.stack.canUndo());
    run.apply({Op::undo, 0});
    EXPECT_EQ(run.shown, 10);  // the 51st level back is gone
    for (int expected = 11; expected <= 60; ++expected) {
        run.apply({Op::redo, 0});
        ASSERT_EQ(run.shown, expected);
    }
    EXPECT_FALSE(run.stack.canRedo());
}

TEST(UndoStack, ClearForgetsBothDirections) {
    Session run(50);
    run.apply({Op::change, 1});
    run.apply({Op::change, 2});
    run.apply({Op::undo, 0});
    run.stack.clear();
    EXPECT_FALSE(run.stack.canUndo());
    EXPECT_FALSE(run.stack.canRedo());
}

// States that can only be moved (a page's state holds a large record).
TEST(UndoStack, KeepsMoveOnlyStates) {
    UndoStack<std::unique_ptr<std::string>> stack(3);
    stack.record(std::make_unique<std::string>("vorher"));
    auto back = stack.undo(std::make_unique<std::string>("jetzt"));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(**back, "vorher");
    auto forward = stack.redo(std::move(*back));
    ASSERT_TRUE(forward.has_value());
    EXPECT_EQ(**forward, "jetzt");
}

}  // namespace
