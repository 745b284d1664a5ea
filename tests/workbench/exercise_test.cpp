// Exercises: a task number gives the same task everywhere and its
// interesting case; an automatic student that always takes the algorithm's
// step ends with the full score and the same tree or list as the
// demonstration, one that first takes a wrong action at every step is
// refused each time (nothing shown changes), sees the hint after two tries,
// and scores nothing.
#include "workbench/exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "demo/avltreedemo.h"
#include "demo/playback.h"
#include "demo/searchtreedemo.h"
#include "tests/demo/demosupport.h"
#include "tests/demo/sortdemosupport.h"
#include "tests/trees/searchsupport.h"
#include "trees/treeinteger.h"

namespace {

using exercise::Board;
using exercise::Task;

class NoScreen final : public Playback::Screen {
public:
    void show(const Step& step, int) override { shown = step.text; }
    std::string shown;
};
class NoTimer final : public Playback::Timer {
public:
    void start(int) override { running = true; }
    void stop() override { running = false; }
    bool running = false;
};

// What a student did with a task.
struct Outcome {
    int asked = 0;
    int right = 0;
    int steps = 0;
    std::string tree;  // the tree's shape, or the list
};

// Plays the task's steps in an exercise; the student answers each question
// with the algorithm's step, or first with every wrong answer.
Outcome play(std::unique_ptr<StepSource> source, bool wrongFirst) {
    NoScreen screen;
    NoTimer phase, playTimer;
    Playback playback(screen, phase, playTimer);
    playback.setExercise(true);
    playback.start(std::move(source));
    for (int guard = 0; playback.running() && guard < 100000; ++guard) {
        if (const Question* q = playback.question()) {
            if (wrongFirst && playback.tries() == 0) {
                const int steps = playback.size();
                const std::string shown = screen.shown;
                for (int a = 0; a < static_cast<int>(q->answers.size()); ++a) {
                    if (a == q->correct) continue;
                    EXPECT_TRUE(playback.answer(a));
                    // Refused: the question waits on, nothing new is shown.
                    EXPECT_TRUE(playback.asking());
                    EXPECT_EQ(playback.size(), steps);
                    EXPECT_EQ(screen.shown, shown);
                    EXPECT_EQ(playback.verdict()->text, "Nicht richtig");
                    EXPECT_EQ(playback.verdict()->why, q->why);
                }
                EXPECT_EQ(playback.hint(), q->answers.size() > 2);
            }
            playback.answer(playback.question()->correct);
            continue;
        }
        playback.weiter();
        playback.phaseElapsed();
        playback.phaseElapsed();
    }
    EXPECT_FALSE(playback.running());
    return {playback.asked(), playback.answeredRight(), playback.size(), {}};
}

class ExerciseTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }
    // The task on its tree page (a fake one); the steps of its operation.
    template <typename Tree>
    std::unique_ptr<RecordedSteps> steps(Tree& tree, demotest::FakePage& page, const Task& t) {
        for (int v : t.values) tree.insert(std::make_unique<TTreeInteger>(v));
        page.entry.setText(std::to_string(t.key));
        return tree.insdel(t.insert);
    }
    RecordingMessages messages;
};

TEST_F(ExerciseTest, ATaskNumberGivesTheSameTaskEverywhere) {
    const Task a = exercise::makeTask(Board::searchTree, 4711);
    EXPECT_EQ(a, exercise::makeTask(Board::searchTree, 4711));
    EXPECT_EQ(a.number, 4711u);
    // Drawn from the generator's own numbers, which the C++ standard fixes.
    EXPECT_EQ(a.title(), "Aufgabe 4711: " + a.operation());
    const Task sorted = exercise::makeTask(Board::sort, 4711);
    EXPECT_GE(sorted.values.size(), 8u);
    EXPECT_LE(sorted.values.size(), 12u);
    int differ = 0;
    for (std::uint32_t n = 1; n < 40; ++n)
        if (exercise::makeTask(Board::avlTree, n) != exercise::makeTask(Board::avlTree, n + 1))
            ++differ;
    EXPECT_EQ(differ, 39);
    EXPECT_EQ(exercise::makeTask(Board::sort, 0).number, 1u);
    EXPECT_EQ(exercise::makeTask(Board::sort, 200000).number, 99999u);
    EXPECT_EQ(exercise::drawNumber(7), exercise::drawNumber(7));
    EXPECT_EQ(exercise::result(4711, 11, 13, 160),
              "Aufgabe 4711: 11 von 13 Schritten beim ersten Versuch richtig, 2:40 min");
    EXPECT_EQ(exercise::resultFile(exercise::makeTask(Board::sort, 12), "Ada", 3, 4, 65,
                                   "10.12.2026 13:40"),
              "Tessaro - Ergebnis einer Übung\nAufgabe: 12 (" +
                  exercise::makeTask(Board::sort, 12).operation() +
                  ")\nName: Ada\nRichtig beim ersten Versuch: 3 von 4\nZeit: 1:05 min\n"
                  "Datum: 10.12.2026 13:40\n");
}

TEST_F(ExerciseTest, TreeTasksHaveTheirCaseAndStudentsGetTheDemonstrationsTree) {
    std::map<std::string, int> cases;
    for (std::uint32_t n = 1; n <= 120; ++n) {
        for (Board board : {Board::searchTree, Board::avlTree}) {
            const Task t = exercise::makeTask(board, n);
            ASSERT_GE(t.values.size(), 7u);
            ASSERT_LE(t.values.size(), 15u);
            for (bool wrongFirst : {false, true}) {
                demotest::FakePage page{505, true}, plainPage{505, true};
                std::string shapeAfter, plainShape;
                std::unique_ptr<RecordedSteps> recorded;

                if (board == Board::searchTree) {
                    TSearchTreeDemo tree{page};
                    recorded = steps(tree, page, t);
                    ASSERT_TRUE(recorded) << n;
                    // The case: a deletion of a number with two children.
                    if (!t.insert) {
                        bool two = false;
                        for (const Step& s : recorded->steps())
                            two = two || s.text == "Nächst kleinere Zahl auswählen";
                        EXPECT_TRUE(two) << n;
                        ++cases["zwei Kinder"];
                    } else {
                        ++cases["einfügen"];
                    }
                    shapeAfter = searchtest::shape(tree.root.get());
                    TSearchTree plain;
                    for (int v : t.values) plain.insert(std::make_unique<TTreeInteger>(v));
                    if (t.insert)
                        plain.insert(std::make_unique<TTreeInteger>(t.key));
                    else
                        plain.remove(std::make_unique<TTreeInteger>(t.key));
                    plainShape = searchtest::shape(plain.root.get());
                } else {
                    TAvlTreeDemo tree{page};
                    recorded = steps(tree, page, t);
                    ASSERT_TRUE(recorded) << n;
                    bool rotated = false;
                    for (const Step& s : recorded->steps())
                        rotated = rotated || s.text.find("-Rotation wird") != std::string::npos;
                    EXPECT_TRUE(rotated) << n;
                    ++cases["Rotation"];
                    shapeAfter = searchtest::shape(tree.root.get());
                    TAvlTree plain;
                    for (int v : t.values) plain.insert(std::make_unique<TTreeInteger>(v));
                    plain.insert(std::make_unique<TTreeInteger>(t.key));
                    plainShape = searchtest::shape(plain.root.get());
                }
                EXPECT_EQ(shapeAfter, plainShape) << n;
                const std::size_t stepCount = recorded->steps().size();
                const Outcome o = play(std::move(recorded), wrongFirst);
                EXPECT_EQ(o.steps, static_cast<int>(stepCount));
                EXPECT_GT(o.asked, 0) << n;
                EXPECT_EQ(o.right, wrongFirst ? 0 : o.asked) << n;
            }
        }
    }
    EXPECT_GT(cases["zwei Kinder"], 40);
    EXPECT_GT(cases["einfügen"], 40);
}

TEST_F(ExerciseTest, SortTasksEndSortedWithTheFullScoreOrNone) {
    std::map<SortKind, int> kinds;
    for (std::uint32_t n = 1; n <= 120; ++n) {
        const Task t = exercise::makeTask(Board::sort, n);
        ++kinds[t.sort];
        std::vector<int> sorted = t.values;
        std::sort(sorted.begin(), sorted.end());
        for (bool wrongFirst : {false, true}) {
            auto list = sorttest::integers(t.values);
            const Outcome o = play(std::make_unique<SortRun>(t.sort, *list, nullptr), wrongFirst);
            EXPECT_EQ(sorttest::values(*list), sorted);
            EXPECT_EQ(o.right, wrongFirst ? 0 : o.asked) << n;
        }
    }
    EXPECT_EQ(kinds.size(), 6u);
}

}  // namespace
