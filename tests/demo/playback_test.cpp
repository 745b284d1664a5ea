// The playback of a demonstration's steps with a fake screen and fake timers
// that the tests fire themselves: the blink cycle and when "Weiter" takes
// effect, play and its time per step, going back and forward without taking
// steps from the demonstration, "Ende", closing the window, showing the
// steps again after the end, and the memory budget of the kept steps. And
// the "AVL-Baum" demonstration of an LR rotation played to its end.
#include "demo/playback.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "demo/avltreedemo.h"
#include "tests/demo/demosupport.h"
#include "trees/treeinteger.h"

namespace {

using Shown = std::vector<std::string>;

// Records every show call as "<step text> <phase>".
class FakeScreen final : public Playback::Screen {
public:
    void show(const Step& step, int phase) override {
        shown.push_back(step.text + " " + std::to_string(phase));
    }
    // The calls since the last take.
    Shown take() { return std::exchange(shown, {}); }
    Shown shown;
};

// Records "start <ms>" and "stop"; running while started and not stopped.
class FakeTimer final : public Playback::Timer {
public:
    void start(int milliseconds) override {
        log.push_back("start " + std::to_string(milliseconds));
        running = true;
    }
    void stop() override {
        log.push_back("stop");
        running = false;
    }
    std::vector<std::string> log;
    bool running = false;
};

// What the demonstration was asked, kept outside the source the playback owns.
struct SourceLog {
    int pulls = 0;     // calls of next()
    int finishes = 0;  // calls of finish()
    int ends = 0;      // calls of end()
};

// Hands out the given steps one at a time and counts every call.
class CountingSource final : public StepSource {
public:
    CountingSource(std::vector<Step> steps, Step end, SourceLog& log)
        : steps_(std::move(steps)), end_(std::move(end)), log_(log) {}
    std::optional<Step> next() override {
        ++log_.pulls;
        if (next_ == steps_.size()) return std::nullopt;
        return steps_[next_++];
    }
    void finish() override {
        ++log_.finishes;
        next_ = steps_.size();
    }
    Step end() override {
        ++log_.ends;
        return end_;
    }

private:
    std::vector<Step> steps_;
    Step end_;
    std::size_t next_ = 0;
    SourceLog& log_;
};

// A tree step whose figure, the step's text, blinks.
Step blinking(const std::string& text) {
    Step step;
    step.text = text;
    step.picture.width = 100;
    step.picture.height = 50;
    DrawingOp op;
    op.kind = DrawingOp::Kind::text;
    op.text = text;
    op.fontColor = clBtnFace;
    step.picture.figure[0] = {op};
    op.fontColor = clBlack;
    step.picture.figure[1] = {op};
    return step;
}

// A step that stands still, like the sort window's.
Step still(const std::string& text) {
    Step step;
    step.text = text;
    return step;
}

std::vector<Step> blinkingSteps(std::initializer_list<const char*> texts) {
    std::vector<Step> steps;
    for (const char* t : texts) steps.push_back(blinking(t));
    return steps;
}

class PlaybackTest : public ::testing::Test {
protected:
    void start(std::vector<Step> steps, Step end = still("Ende")) {
        log = SourceLog{};
        playback.start(std::make_unique<CountingSource>(std::move(steps), std::move(end), log));
    }
    // Lets the phase timer run out n times.
    void phases(int n) {
        for (int k = 0; k < n; ++k) {
            ASSERT_TRUE(phaseTimer.running) << k;
            playback.phaseElapsed();
        }
    }

    FakeScreen screen;
    FakeTimer phaseTimer;
    FakeTimer playTimer;
    Playback playback{screen, phaseTimer, playTimer};
    SourceLog log;
    int ends = 0;
};

// --- The blink cycle and "Weiter" --------------------------------------------

TEST_F(PlaybackTest, ABlinkingStepAlternatesItsPhasesUntilWeiter) {
    start(blinkingSteps({"a", "b"}));
    EXPECT_EQ(screen.take(), (Shown{"a 0"}));
    EXPECT_EQ(phaseTimer.log, (std::vector<std::string>{"start 300"}));
    phases(5);
    EXPECT_EQ(screen.take(), (Shown{"a 1", "a 0", "a 1", "a 0", "a 1"}));
    EXPECT_EQ(phaseTimer.log.size(), 6u);
    EXPECT_EQ(phaseTimer.log.back(), "start 300");
    EXPECT_EQ(log.pulls, 1);
    EXPECT_EQ(playback.current(), 0);
    EXPECT_EQ(playback.phase(), 1);
}

// "Weiter" takes effect at the end of a full cycle: pressed in phase 0, the
// step still shows phase 1 first.
TEST_F(PlaybackTest, WeiterLeavesABlinkingStepOnlyAtTheEndOfACycle) {
    start(blinkingSteps({"a", "b"}));
    playback.weiter();  // in phase 0 of the first cycle
    EXPECT_EQ(screen.take(), (Shown{"a 0"}));
    EXPECT_EQ(log.pulls, 1);
    phases(1);
    EXPECT_EQ(screen.take(), (Shown{"a 1"}));
    EXPECT_EQ(log.pulls, 1);
    phases(1);
    EXPECT_EQ(screen.take(), (Shown{"b 0"}));
    EXPECT_EQ(log.pulls, 2);
    // Pressed in phase 1: the step goes when that phase ends.
    phases(1);
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"b 1"}));
    phases(1);
    EXPECT_EQ(screen.take(), (Shown{"Ende 0"}));
}

TEST_F(PlaybackTest, TwoPressesDuringOneStepGoOneStep) {
    start(blinkingSteps({"a", "b", "c"}));
    playback.weiter();
    playback.weiter();
    phases(2);
    EXPECT_EQ(screen.take(), (Shown{"a 0", "a 1", "b 0"}));
    phases(4);
    EXPECT_EQ(screen.take(), (Shown{"b 1", "b 0", "b 1", "b 0"}));
    EXPECT_EQ(playback.current(), 1);
    EXPECT_EQ(log.pulls, 2);
}

TEST_F(PlaybackTest, AStillStepLeavesAtWeiterAtOnce) {
    start({still("s1"), still("s2")});
    EXPECT_EQ(screen.take(), (Shown{"s1 0"}));
    EXPECT_FALSE(phaseTimer.running);
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"s2 0"}));
    EXPECT_EQ(log.pulls, 2);
    EXPECT_FALSE(phaseTimer.running);
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"Ende 0"}));
}

TEST_F(PlaybackTest, ADemonstrationWithoutStepsShowsItsEndAtOnce) {
    playback.onEnd = [this] { ++ends; };
    start({});
    EXPECT_EQ(screen.take(), (Shown{"Ende 0"}));
    EXPECT_FALSE(playback.running());
    EXPECT_FALSE(playback.ended());  // nothing to show again
    EXPECT_EQ(playback.size(), 0);
    EXPECT_FALSE(playback.canGo(0));
    EXPECT_EQ(ends, 1);
}

// --- Play ----------------------------------------------------------------------

TEST_F(PlaybackTest, PlayLeavesEachStepAfterTheStepTime) {
    playback.setStepMs(600);
    start(blinkingSteps({"a", "b", "c"}));
    playback.setPlaying(true);
    EXPECT_EQ(playTimer.log, (std::vector<std::string>{"start 600"}));
    phases(1);  // the step blinks on while it is played
    playback.playElapsed();
    EXPECT_EQ(screen.take(), (Shown{"a 0", "a 1", "b 0"}));
    EXPECT_EQ(playTimer.log.back(), "start 600");
    playback.playElapsed();
    playback.playElapsed();
    EXPECT_EQ(screen.take(), (Shown{"c 0", "Ende 0"}));
    EXPECT_FALSE(playback.playing());
    EXPECT_FALSE(playTimer.running);
    EXPECT_FALSE(phaseTimer.running);
}

TEST_F(PlaybackTest, PlayStopsWithoutLeavingTheStep) {
    start({still("s1"), still("s2")});
    playback.setPlaying(true);
    playback.setPlaying(false);
    EXPECT_FALSE(playTimer.running);
    playback.playElapsed();  // a tick that was already due
    EXPECT_EQ(screen.take(), (Shown{"s1 0"}));
    EXPECT_EQ(log.pulls, 1);
}

TEST_F(PlaybackTest, TheStepTimeIsClampedTo200To5000Milliseconds) {
    const std::pair<int, int> cases[] = {{1500, 1500}, {199, 200},    {200, 200},
                                         {5000, 5000}, {5001, 5000},  {-10, 200},
                                         {0, 200},     {60000, 5000}, {333, 333}};
    EXPECT_EQ(playback.stepMs(), Playback::kDefaultStepMs);
    for (const auto& [asked, kept] : cases) {
        playback.setStepMs(asked);
        EXPECT_EQ(playback.stepMs(), kept) << asked;
    }
}

TEST_F(PlaybackTest, PlayGoesForwardThroughPastStepsBeforeTakingTheNext) {
    start({still("s1"), still("s2"), still("s3"), still("s4")});
    playback.weiter();
    playback.weiter();
    ASSERT_EQ(log.pulls, 3);
    playback.go(0);
    screen.take();
    playback.setPlaying(true);
    playback.playElapsed();
    playback.playElapsed();
    EXPECT_EQ(screen.take(), (Shown{"s2 0", "s3 0"}));
    EXPECT_EQ(log.pulls, 3);
    playback.playElapsed();
    EXPECT_EQ(screen.take(), (Shown{"s4 0"}));
    EXPECT_EQ(log.pulls, 4);
}

// A step shown from the past while playing has its full time.
TEST_F(PlaybackTest, GoingBackWhilePlayingRestartsTheStepTime) {
    playback.setStepMs(900);
    start({still("s1"), still("s2")});
    playback.setPlaying(true);
    playback.weiter();
    playTimer.log.clear();
    ASSERT_TRUE(playback.back());
    EXPECT_EQ(playTimer.log, (std::vector<std::string>{"start 900"}));
}

// --- Back and forward while running --------------------------------------------

TEST_F(PlaybackTest, BackGoAndForwardShowStepsAgainWithoutTakingNewOnes) {
    start(blinkingSteps({"a", "b", "c", "d"}));
    for (int k = 0; k < 2; ++k) {
        playback.weiter();
        phases(2);
    }
    ASSERT_EQ(playback.current(), 2);
    ASSERT_EQ(log.pulls, 3);
    screen.take();
    EXPECT_FALSE(playback.canGo(3));  // not shown yet
    EXPECT_FALSE(playback.canGo(-1));
    EXPECT_TRUE(playback.back());
    EXPECT_TRUE(playback.inPast());
    EXPECT_TRUE(playback.back());
    EXPECT_FALSE(playback.canBack());
    EXPECT_FALSE(playback.back());
    EXPECT_TRUE(playback.forward());
    EXPECT_TRUE(playback.go(0));
    EXPECT_TRUE(playback.go(2));
    EXPECT_FALSE(playback.inPast());
    EXPECT_FALSE(playback.go(3));
    EXPECT_FALSE(playback.forward());
    EXPECT_EQ(screen.take(), (Shown{"b 0", "a 0", "b 0", "a 0", "c 0"}));
    EXPECT_EQ(log.pulls, 3);
    EXPECT_EQ(log.finishes, 0);
    EXPECT_EQ(playback.texts(), (std::vector<std::string>{"a", "b", "c"}));
}

// A step of the past blinks in the rhythm of the waiting step.
TEST_F(PlaybackTest, AStepOfThePastBlinksAndStaysUntilWeiter) {
    start(blinkingSteps({"a", "b", "c"}));
    playback.weiter();
    phases(2);
    playback.back();
    screen.take();
    phases(3);
    EXPECT_EQ(screen.take(), (Shown{"a 1", "a 0", "a 1"}));
    EXPECT_EQ(log.pulls, 2);
    EXPECT_TRUE(playback.inPast());
}

TEST_F(PlaybackTest, WeiterInThePastGoesForwardToTheWaitingStep) {
    start({still("s1"), still("s2"), still("s3"), still("s4")});
    playback.weiter();
    playback.weiter();
    playback.go(0);
    screen.take();
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"s2 0"}));
    EXPECT_TRUE(playback.inPast());
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"s3 0"}));
    EXPECT_FALSE(playback.inPast());
    EXPECT_EQ(log.pulls, 3);
    // Now "Weiter" is the waiting step's own.
    playback.weiter();
    EXPECT_EQ(screen.take(), (Shown{"s4 0"}));
    EXPECT_EQ(log.pulls, 4);
}

// --- "Ende" and closing ----------------------------------------------------------

TEST_F(PlaybackTest, EndeFinishesTheDemonstrationAndShowsItsEnd) {
    playback.onEnd = [this] { ++ends; };
    start(blinkingSteps({"a", "b", "c"}), still("fertig"));
    playback.setPlaying(true);
    playback.weiter();
    phases(2);
    screen.take();
    playback.ende();
    EXPECT_EQ(log.finishes, 1);
    EXPECT_EQ(log.ends, 1);
    EXPECT_EQ(screen.take(), (Shown{"fertig 0"}));
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(playback.running());
    EXPECT_FALSE(playback.playing());
    EXPECT_FALSE(phaseTimer.running);
    EXPECT_FALSE(playTimer.running);
    // The steps shown before stay; the last index stands for the end.
    EXPECT_TRUE(playback.ended());
    EXPECT_EQ(playback.texts(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(playback.current(), 1);
    EXPECT_FALSE(playback.reviewing());
    // "Ende" and "Weiter" after the end do nothing.
    playback.ende();
    playback.weiter();
    EXPECT_TRUE(screen.take().empty());
    EXPECT_EQ(log.finishes, 1);
    EXPECT_EQ(ends, 1);
}

TEST_F(PlaybackTest, AbandonFinishesSilently) {
    playback.onEnd = [this] { ++ends; };
    start(blinkingSteps({"a", "b"}));
    screen.take();
    playback.abandon();
    EXPECT_EQ(log.finishes, 1);
    EXPECT_EQ(log.ends, 0);
    EXPECT_TRUE(screen.take().empty());
    EXPECT_EQ(ends, 0);
    EXPECT_FALSE(playback.running());
    EXPECT_FALSE(playback.ended());
    EXPECT_FALSE(playback.canGo(0));
    EXPECT_FALSE(phaseTimer.running);
    playback.phaseElapsed();  // a tick that was already due
    EXPECT_TRUE(screen.take().empty());
}

// --- After the end -------------------------------------------------------------

class PlaybackAfterTheEnd : public PlaybackTest {
protected:
    void SetUp() override {
        start({blinking("a"), still("s"), blinking("c")}, still("fertig"));
        playback.weiter();
        phases(2);
        playback.weiter();
        playback.weiter();
        phases(2);
        ASSERT_TRUE(playback.ended());
        EXPECT_EQ(screen.take(), (Shown{"a 0", "a 1", "s 0", "c 0", "c 1", "fertig 0"}));
    }
};

TEST_F(PlaybackAfterTheEnd, StepsAreShownAgainAndTheLastIndexShowsTheEnd) {
    EXPECT_EQ(playback.size(), 3);
    EXPECT_EQ(playback.current(), 2);
    EXPECT_FALSE(phaseTimer.running);
    ASSERT_TRUE(playback.go(0));
    EXPECT_TRUE(playback.reviewing());
    EXPECT_EQ(screen.take(), (Shown{"a 0"}));
    // A blinking step blinks again.
    phases(3);
    EXPECT_EQ(screen.take(), (Shown{"a 1", "a 0", "a 1"}));
    // A still step stands still.
    ASSERT_TRUE(playback.forward());
    EXPECT_EQ(playback.phase(), 0);
    EXPECT_FALSE(phaseTimer.running);
    // The last index is the end, not the last step.
    ASSERT_TRUE(playback.forward());
    EXPECT_FALSE(playback.reviewing());
    EXPECT_FALSE(phaseTimer.running);
    EXPECT_EQ(screen.take(), (Shown{"s 0", "fertig 0"}));
    EXPECT_FALSE(playback.forward());
    EXPECT_EQ(log.pulls, 4);
}

TEST_F(PlaybackAfterTheEnd, ReturnToEndShowsTheEndOnlyWhenAStepWasShown) {
    EXPECT_FALSE(playback.returnToEnd());
    EXPECT_TRUE(screen.take().empty());
    playback.go(1);
    EXPECT_TRUE(playback.returnToEnd());
    EXPECT_EQ(screen.take(), (Shown{"s 0", "fertig 0"}));
    EXPECT_EQ(playback.current(), 2);
    EXPECT_FALSE(playback.reviewing());
}

TEST_F(PlaybackAfterTheEnd, ForgetDropsTheStepsAndShowsTheEnd) {
    playback.go(0);
    screen.take();
    playback.forget();
    EXPECT_EQ(screen.take(), (Shown{"fertig 0"}));
    EXPECT_EQ(playback.size(), 0);
    EXPECT_EQ(playback.current(), -1);
    EXPECT_FALSE(playback.ended());
    EXPECT_FALSE(playback.canGo(0));
    EXPECT_FALSE(phaseTimer.running);
    EXPECT_EQ(playback.bytes(), 0u);
}

TEST_F(PlaybackAfterTheEnd, ANewStartReturnsToTheEndFirst) {
    playback.go(0);
    screen.take();
    start({still("neu")});
    EXPECT_EQ(screen.take(), (Shown{"fertig 0", "neu 0"}));
    EXPECT_EQ(playback.texts(), (std::vector<std::string>{"neu"}));
    EXPECT_EQ(playback.current(), 0);
    EXPECT_TRUE(playback.running());
}

// A start while a demonstration runs gives that one up silently.
TEST_F(PlaybackTest, ANewStartGivesUpTheRunningDemonstration) {
    playback.onEnd = [this] { ++ends; };
    SourceLog first;
    playback.start(std::make_unique<CountingSource>(blinkingSteps({"a", "b"}), still("x"), first));
    start({still("neu")});
    EXPECT_EQ(first.finishes, 1);
    EXPECT_EQ(first.ends, 0);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(screen.take(), (Shown{"a 0", "neu 0"}));
}

// --- The memory budget ------------------------------------------------------------

// A step with a figure of `ops` calls of its own.
Step heavy(const std::string& text, std::size_t ops) {
    Step step = blinking(text);
    step.picture.figure[0].resize(ops, step.picture.figure[0].front());
    step.picture.figure[1].resize(ops, step.picture.figure[1].front());
    return step;
}

TEST_F(PlaybackTest, TheOldestStepsGoBeyondTheBudgetButKeepTheirTexts) {
    const std::size_t one = heavy("x", 50).bytesBeyond(nullptr);
    FakeScreen smallScreen;
    Playback small(smallScreen, phaseTimer, playTimer, 5 * one);
    std::vector<Step> steps;
    std::vector<std::string> texts;
    for (int k = 0; k < 20; ++k) {
        texts.push_back("s" + std::to_string(k));
        steps.push_back(heavy(texts.back(), 50));
    }
    small.start(std::make_unique<CountingSource>(steps, still("fertig"), log));
    for (int k = 1; k < 20; ++k) {
        small.weiter();
        small.phaseElapsed();
        small.phaseElapsed();
        ASSERT_EQ(small.current(), k);
        EXPECT_LE(small.bytes(), 5 * one + one) << k;
    }
    EXPECT_EQ(small.firstKept(), 15);  // five steps fit the budget
    EXPECT_EQ(small.texts(), texts);
    EXPECT_FALSE(small.canGo(small.firstKept() - 1));
    EXPECT_FALSE(small.go(0));
    EXPECT_TRUE(small.canGo(small.firstKept()));
    EXPECT_FALSE(small.step(0).picture.blinks());
    EXPECT_TRUE(small.step(small.firstKept()).picture.blinks());
}

// The step that waits keeps its values whatever they cost.
TEST_F(PlaybackTest, TheWaitingStepIsKeptBeyondAnyBudget) {
    FakeScreen smallScreen;
    Playback none(smallScreen, phaseTimer, playTimer, 0);
    none.start(std::make_unique<CountingSource>(std::vector<Step>{heavy("a", 10), heavy("b", 10)},
                                                still("fertig"), log));
    none.weiter();
    none.phaseElapsed();
    none.phaseElapsed();
    EXPECT_EQ(none.firstKept(), 1);
    EXPECT_TRUE(none.step(1).picture.blinks());
    EXPECT_FALSE(none.canBack());
    EXPECT_EQ(smallScreen.shown.back(), "b 0");
}

// Steps that share their canvas count it once; a step given up for the budget
// hands its share on to the next.
TEST_F(PlaybackTest, SharedCanvasPiecesAreCountedOnce) {
    auto canvas =
        std::make_shared<const std::vector<DrawingOp>>(400, blinking("x").picture.figure[1][0]);
    std::vector<Step> steps;
    for (int k = 0; k < 10; ++k) {
        Step s = blinking("s" + std::to_string(k));
        s.picture.canvas = {canvas};
        steps.push_back(s);
    }
    const std::size_t piece = steps[0].bytesBeyond(nullptr) - steps[1].bytesBeyond(&steps[0]);
    start(steps);
    for (int k = 1; k < 10; ++k) {
        playback.weiter();
        phases(2);
    }
    const std::size_t own = steps[1].bytesBeyond(&steps[0]);
    EXPECT_EQ(playback.bytes(), piece + 10 * own);
    // With a budget below two steps the shared piece stays counted, once.
    FakeScreen smallScreen;
    Playback small(smallScreen, phaseTimer, playTimer, piece + own);
    small.start(std::make_unique<CountingSource>(steps, still("fertig"), log));
    for (int k = 1; k < 10; ++k) {
        small.weiter();
        small.phaseElapsed();
        small.phaseElapsed();
    }
    EXPECT_EQ(small.firstKept(), 9);
    EXPECT_EQ(small.bytes(), piece + own);
}

// --- A real demonstration ----------------------------------------------------------

// Keeps what each show call draws: the step's text and its picture in the
// phase shown.
class PictureScreen final : public Playback::Screen {
public:
    void show(const Step& step, int phase) override {
        texts.push_back(step.text + " " + std::to_string(phase));
        pictures.push_back(step.picture.record(phase).ops());
    }
    std::vector<std::string> texts;
    std::vector<std::vector<DrawingOp>> pictures;
};

// 50, 30, then 40: an LR rotation at the root. Played at 600 ms per step,
// each step shows one blink cycle, as pressing "Weiter" once per cycle; after
// the end the steps show again exactly as recorded, the tree untouched.
TEST(PlaybackOfAnAvlRotation, PlaysEveryStepOneCycleAndShowsThemAgainAfterTheEnd) {
    registerElementClasses();
    registerAvlTreeClasses();
    RecordingMessages messages;
    demotest::FakePage page(505, false);
    TAvlTreeDemo tree(page);
    for (int v : {50, 30}) tree.insert(std::make_unique<TTreeInteger>(v));
    tree.zeichne();
    page.entry.setText("40");
    std::unique_ptr<RecordedSteps> steps = tree.insdel(true);
    ASSERT_TRUE(steps);
    const std::vector<Step> recorded = steps->steps();
    ASSERT_EQ(recorded.size(), 6u);
    const std::size_t drawnBefore = page.surface.log.size();

    PictureScreen screen;
    FakeTimer phaseTimer;
    FakeTimer playTimer;
    Playback playback(screen, phaseTimer, playTimer);
    playback.setStepMs(600);
    playback.start(std::move(steps));
    playback.setPlaying(true);
    for (int guard = 0; playback.running() && guard < 100; ++guard) {
        playback.phaseElapsed();  // at 300 ms
        playback.playElapsed();   // at 600 ms
    }
    ASSERT_FALSE(playback.running());
    std::vector<std::string> expected;
    for (const Step& s : recorded) {
        expected.push_back(s.text + " 0");
        expected.push_back(s.text + " 1");
    }
    expected.push_back(" 0");  // the end: the info field emptied
    EXPECT_EQ(screen.texts, expected);
    const std::vector<std::string> texts = playback.texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "Einfügestelle gefunden");
    EXPECT_EQ(texts[1], "Bei 50 ist die AVL-Eigenschaft verletzt");
    EXPECT_EQ(texts[5], "LR-Rotation wird durchgeführt");
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(screen.pictures[2 * k], recorded[k].picture.record(0).ops()) << k;
        EXPECT_EQ(screen.pictures[2 * k + 1], recorded[k].picture.record(1).ops()) << k;
    }
    const std::vector<DrawingOp> end = screen.pictures.back();
    ASSERT_FALSE(end.empty());
    EXPECT_EQ(end.front().kind, DrawingOp::Kind::fill);  // the tree redrawn

    // Back after the end: the second step again, in both phases; then the end.
    ASSERT_TRUE(playback.go(1));
    EXPECT_EQ(screen.texts.back(), "Bei 50 ist die AVL-Eigenschaft verletzt 0");
    EXPECT_EQ(screen.pictures.back(), recorded[1].picture.record(0).ops());
    playback.phaseElapsed();
    EXPECT_EQ(screen.pictures.back(), recorded[1].picture.record(1).ops());
    ASSERT_TRUE(playback.go(5));
    EXPECT_EQ(screen.pictures.back(), end);
    // Nothing of the playing reached the tree or its page.
    EXPECT_EQ(page.surface.log.size(), drawnBefore);
    EXPECT_EQ(tree.root->getValue()->compare(TTreeInteger(40)), kEqual);
}

}  // namespace

// --- Vorhersagen ----------------------------------------------------------------

namespace {

Question choice(const std::string& text, int correct) {
    Question q;
    q.text = text;
    q.answers = {"links", "rechts", "gar nicht"};
    q.correct = correct;
    q.why = "weil " + text;
    return q;
}

Step asking(const std::string& text, std::vector<Question> questions) {
    Step s = blinking(text);
    s.questions = std::move(questions);
    return s;
}

}  // namespace

TEST_F(PlaybackTest, PredictingHoldsEachStepUntilItsQuestionsAreAnsweredAndScoresThem) {
    playback.setPredicting(true);
    std::vector<Step> steps{blinking("a"), asking("b", {choice("q1", 1), choice("q2", 0)}),
                            blinking("c")};
    start(std::move(steps), [] {
        Step end = still("Ende");
        end.questions = {choice("q3", 2)};
        return end;
    }());
    screen.take();
    playback.weiter();
    phases(2);
    // "b" waits behind its first question; "a" goes on blinking.
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(playback.question()->text, "q1");
    EXPECT_EQ(playback.size(), 1);
    EXPECT_EQ(screen.take(), (Shown{"a 1"}));
    EXPECT_EQ(phaseTimer.log.back(), "start 300");
    phases(2);
    EXPECT_EQ(screen.take(), (Shown{"a 0", "a 1"}));
    // Neither Weiter nor going back nor play pass a question.
    playback.weiter();
    phases(2);
    EXPECT_TRUE(playback.asking());
    EXPECT_FALSE(playback.canBack());
    EXPECT_FALSE(playback.answer(3));
    EXPECT_FALSE(playback.answer(-1));

    ASSERT_TRUE(playback.answer(0));  // wrong
    EXPECT_EQ(playback.verdict()->text, "Leider falsch: richtig ist rechts");
    EXPECT_EQ(playback.verdict()->why, "weil q1");
    EXPECT_EQ(playback.question()->text, "q2");
    screen.take();
    ASSERT_TRUE(playback.answer(0));  // right: "b" is shown at once
    EXPECT_EQ(playback.verdict()->text, "Richtig");
    EXPECT_FALSE(playback.asking());
    EXPECT_EQ(screen.take(), (Shown{"b 0"}));
    EXPECT_EQ(playback.asked(), 2);
    EXPECT_EQ(playback.answeredRight(), 1);
    EXPECT_EQ(playback.answersOf(1), (std::vector<int>{0, 0}));
    EXPECT_TRUE(playback.wrongAt(1));
    EXPECT_FALSE(playback.wrongAt(0));

    playback.weiter();
    phases(2);  // "c" has no question
    EXPECT_EQ(playback.current(), 2);
    playback.weiter();
    phases(2);
    // The end asks too before it is shown.
    ASSERT_TRUE(playback.asking());
    EXPECT_TRUE(playback.running());
    ASSERT_TRUE(playback.answer(2));
    EXPECT_TRUE(playback.ended());
    EXPECT_EQ(playback.asked(), 3);
    EXPECT_EQ(playback.answeredRight(), 2);
    EXPECT_EQ(playback.answersOf(2), (std::vector<int>{2}));
    EXPECT_FALSE(playback.wrongAt(2));
    EXPECT_EQ(predicttext::score(2, 3), "2 von 3 richtig");
}

TEST_F(PlaybackTest, WithoutPredictingQuestionsAreNotAskedAndSwitchingOffShowsTheHeldStep) {
    start({blinking("a"), asking("b", {choice("q", 0)})});
    playback.weiter();
    phases(2);
    EXPECT_FALSE(playback.asking());
    EXPECT_EQ(playback.current(), 1);

    playback.setPredicting(true);
    start({blinking("a"), asking("b", {choice("q", 0)})});
    playback.setPlaying(true);
    playback.playElapsed();
    phases(2);
    ASSERT_TRUE(playback.asking());
    EXPECT_FALSE(playTimer.running);
    playback.playElapsed();  // a late timer does not pass the question
    EXPECT_TRUE(playback.asking());
    screen.take();
    playback.setPredicting(false);
    EXPECT_FALSE(playback.asking());
    EXPECT_EQ(screen.take(), (Shown{"b 0"}));
    EXPECT_TRUE(playTimer.running);  // play goes on
    EXPECT_EQ(playback.asked(), 0);
}

TEST_F(PlaybackTest, EndeSkipsAWaitingQuestionAndANewStartForgetsTheScore) {
    playback.setPredicting(true);
    start({asking("a", {choice("q", 1)})});
    ASSERT_TRUE(playback.asking());
    EXPECT_EQ(playback.current(), -1);
    playback.phaseElapsed();  // no step shown yet: nothing to blink
    ASSERT_TRUE(playback.answer(0));
    EXPECT_EQ(playback.asked(), 1);
    playback.ende();
    EXPECT_TRUE(playback.ended());
    start({asking("a", {choice("q", 1)})});
    EXPECT_EQ(playback.asked(), 0);
    EXPECT_FALSE(playback.verdict());
    playback.ende();
    EXPECT_FALSE(playback.asking());
    EXPECT_FALSE(playback.running());
}
