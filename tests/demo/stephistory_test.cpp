// The step history of the lesson controls on the "AVL-Baum" demonstration of
// an LR rotation, headless: play on a simulated clock gives the step sequence
// of pressing "Weiter", going back and forward shows the recorded steps again
// and leaves the demonstration as it was, and the list of steps is the
// sequence of step texts.
#include "demo/stephistory.h"

#include <gtest/gtest.h>

#include "demo/avltreedemo.h"
#include "tests/demo/demosupport.h"
#include "trees/treeinteger.h"

using demotest::condensed;

namespace {

using Steps = std::vector<std::string>;

// A clock on simulated time: each wait only moves the time on. It logs
// "pause <info>" into the surface as demotest::FakeClock does and presses
// "Weiter" after every pressAfter phases (0: never); after ten simulated
// minutes it cancels.
class SimClock final : public HistoryClock {
public:
    long long now = 0;
    RecordingSurface* surface = nullptr;
    const TextOutput* info = nullptr;
    std::function<void()> onPause;
    int pressAfter = 0;
    int phases = 0;

protected:
    void wait(int milliseconds) override {
        now += milliseconds;
        ++phases;
        // A play that never presses "Weiter" ends the demonstration here.
        if (now > 600000) throw DemoCancelled{};
        if (onPause) onPause();
        if (surface) surface->log.push_back("pause " + info->text());
        if (pressAfter != 0 && phases % pressAfter == 0) weiterPressed = true;
    }
    long long nowMs() const override { return now; }
};

// A picture of the recording surface is its drawing log so far.
struct SimView final : StepView {
    std::size_t bytes() const override { return 1; }
    Steps frames[2];
    std::string text;
};

class SimScreen final : public StepScreen {
public:
    SimScreen(RecordingSurface& surface, RecordingText& info) : surface_(surface), info_(info) {}
    std::string stepText() const override { return info_.text(); }
    std::unique_ptr<StepView> capture() override {
        auto v = std::make_unique<SimView>();
        v->frames[0] = surface_.log;
        v->text = info_.text();
        return v;
    }
    void captureSecondPhase(StepView& view) override {
        static_cast<SimView&>(view).frames[1] = surface_.log;
    }
    void show(const StepView& view, int phase) override {
        const auto& v = static_cast<const SimView&>(view);
        picture = &v.frames[phase];
        info_.setText(v.text);
    }
    void showLive(const StepView& live) override {
        picture = nullptr;
        info_.setText(static_cast<const SimView&>(live).text);
    }

    const Steps* picture = nullptr;  // null: the live surface

private:
    RecordingSurface& surface_;
    RecordingText& info_;
};

class SimPage final : public TreePage {
public:
    SimPage() { clockImpl.info = &info; }
    Surface& image() override { return surface; }
    TextOutput& infoField() override { return info; }
    TextOutput& entryField() override { return entry; }
    TextOutput& depthField() override { return depth; }
    TextOutput& countField() override { return count; }
    TextOutput* balancedField() override { return nullptr; }
    StepClock& clock() override { return clockImpl; }
    void lockControls(bool, int) override {}

    RecordingSurface surface{505, 293};
    RecordingText info, entry, depth, count;
    SimClock clockImpl;
};

class StepHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
        for (int v : {50, 30}) tree.insert(std::make_unique<TTreeInteger>(v));
        page.entry.setText("40");  // 50, 30, 40: an LR rotation at the root
        history.begin(screen);
        page.clockImpl.attach(&history);
    }

    // Runs the insertion; the step texts of its blinking steps.
    Steps run() {
        tree.insdel(true);
        history.finish();
        page.clockImpl.attach(nullptr);
        return condensed(page.surface.log);
    }

    static Steps textsOf(const Steps& steps) {
        Steps out;
        for (const auto& s : steps)
            if (s != "redraw" && s.rfind("erase", 0) != 0) out.push_back(s.substr(0, s.find(" |")));
        return out;
    }

    RecordingMessages messages;
    SimPage page;
    TAvlTreeDemo tree{page};
    StepHistory history;
    SimScreen screen{page.surface, page.info};
};

// The sequence of pressing "Weiter" once per blink cycle.
Steps pressedSequence() {
    registerElementClasses();
    registerAvlTreeClasses();
    demotest::FakePage page(505, false);
    page.clockImpl.pressAfter = 2;
    TAvlTreeDemo tree(page);
    for (int v : {50, 30}) tree.insert(std::make_unique<TTreeInteger>(v));
    page.entry.setText("40");
    tree.insdel(true);
    return condensed(page.surface.log);
}

TEST_F(StepHistoryTest, PlayRunsTheRotationWithTheStepsOfPressingWeiter) {
    page.clockImpl.surface = &page.surface;
    history.setStepMs(600);  // one blink cycle per step, as pressing once per cycle
    history.setPlaying(true);
    const Steps played = run();
    const Steps pressed = pressedSequence();
    EXPECT_EQ(played, pressed);
    const Steps texts = textsOf(pressed);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "Einfügestelle gefunden");
    EXPECT_EQ(texts[5], "LR-Rotation wird durchgeführt");
    // The list of steps is the sequence of step texts.
    EXPECT_EQ(history.texts(), texts);
    EXPECT_EQ(page.clockImpl.now, 6 * 600);
}

TEST_F(StepHistoryTest, PlayShortensTheLastPhaseToTheTimePerStep) {
    history.setStepMs(200);
    history.setPlaying(true);
    run();
    EXPECT_EQ(history.size(), 6);
    EXPECT_EQ(page.clockImpl.now, 6 * 200);  // 200 ms, then a second phase of 0 ms
    history.setStepMs(1500);
    EXPECT_EQ(history.stepMs(), 1500);
    history.setStepMs(60000);
    EXPECT_EQ(history.stepMs(), StepHistory::kMaxStepMs);
}

TEST_F(StepHistoryTest, BackThreeAndForwardThreeShowTheRecordedStepsAndChangeNothing) {
    page.clockImpl.pressAfter = 2;
    Steps seenAtStep[6];
    std::string textAtStep[6];
    bool navigated = false;
    page.clockImpl.onPause = [&] {
        const int k = history.size() - 1;
        if (!history.waiting() || history.inPast()) return;
        // What phase 1 of each step's first cycle showed, independently kept.
        if (page.clockImpl.phases % 2 == 0) {
            seenAtStep[k] = page.surface.log;
            textAtStep[k] = page.info.text();
        }
        if (k != 4 || navigated || page.clockImpl.phases % 2 != 0) return;
        navigated = true;
        for (int i = 1; i <= 3; ++i) {
            ASSERT_TRUE(history.back());
            EXPECT_EQ(history.current(), 4 - i);
            ASSERT_TRUE(screen.picture);
            screen.show(*history.record(4 - i).view, 1);
            EXPECT_EQ(*screen.picture, seenAtStep[4 - i]) << i;
            EXPECT_EQ(page.info.text(), textAtStep[4 - i]) << i;
        }
        EXPECT_FALSE(history.canGo(-1));
        for (int i = 1; i <= 3; ++i) {
            const bool wasPast = history.inPast();
            EXPECT_TRUE(history.weiter());  // "Weiter" in the past: one step forward
            EXPECT_TRUE(wasPast);
            EXPECT_FALSE(page.clockImpl.weiterPressed);
            if (i < 3) {
                EXPECT_EQ(*screen.picture, seenAtStep[1 + i]) << i;
            }
        }
        EXPECT_FALSE(history.inPast());
        EXPECT_EQ(screen.picture, nullptr);  // the live step again
        EXPECT_EQ(page.info.text(), textAtStep[4]);
        EXPECT_FALSE(history.weiter());  // now "Weiter" is the live step's
    };
    // The live phases go on as before: pressing once per cycle still steps.
    page.clockImpl.surface = &page.surface;
    const Steps steps = run();
    EXPECT_TRUE(navigated);
    EXPECT_EQ(steps, pressedSequence());
    EXPECT_EQ(history.texts(), textsOf(steps));
    EXPECT_EQ(history.current(), 5);
    EXPECT_FALSE(history.running());
}

// After the end the recorded steps are shown again without touching the
// tree; the last step stands for the final state, which returns exactly.
TEST_F(StepHistoryTest, AfterTheEndStepsAreShownAgainAndTheLastIsTheFinalState) {
    page.clockImpl.pressAfter = 2;
    run();
    ASSERT_EQ(history.size(), 6);
    EXPECT_FALSE(history.reviewing());
    EXPECT_FALSE(history.weiter());  // "Weiter" is the live step's only
    const Steps finalLog = page.surface.log;
    page.info.setText("Fertig");  // what the page shows when it is left
    ASSERT_TRUE(history.go(1));
    EXPECT_TRUE(history.reviewing());
    const auto& second = static_cast<const SimView&>(*history.record(1).view);
    EXPECT_EQ(screen.picture, &second.frames[0]);
    EXPECT_EQ(page.info.text(), "Bei 50 ist die AVL-Eigenschaft verletzt");
    history.blink();
    EXPECT_EQ(screen.picture, &second.frames[1]);
    ASSERT_TRUE(history.back());
    EXPECT_EQ(history.phase(), 0);
    EXPECT_EQ(page.info.text(), "Einfügestelle gefunden");
    EXPECT_FALSE(history.canBack());
    ASSERT_TRUE(history.go(5));  // the last step: the final state
    EXPECT_FALSE(history.reviewing());
    EXPECT_EQ(screen.picture, nullptr);
    EXPECT_EQ(page.info.text(), "Fertig");
    EXPECT_FALSE(history.returnToEnd());
    ASSERT_TRUE(history.go(3));
    EXPECT_TRUE(history.returnToEnd());
    EXPECT_EQ(page.info.text(), "Fertig");
    // A new demonstration starts from the final state with a new history.
    ASSERT_TRUE(history.go(2));
    history.begin(screen);
    EXPECT_EQ(screen.picture, nullptr);
    EXPECT_EQ(page.info.text(), "Fertig");
    EXPECT_EQ(history.size(), 0);
    history.finish();
    EXPECT_FALSE(history.canGo(0));
    EXPECT_EQ(page.surface.log, finalLog);  // nothing was drawn on the tree
    EXPECT_EQ(tree.root->getValue()->compare(TTreeInteger(40)), kEqual);
}

}  // namespace
