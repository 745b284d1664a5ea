// The drawing record behind the pages' pictures: a figure that blinks for
// any number of cycles leaves the record of one cycle, a full clear restarts
// it, and replaying it makes the same calls with the recorded colours.
#include "elements/drawingrecord.h"

#include <gtest/gtest.h>

#include "demo/stepclock.h"
#include "demo/stepdriver.h"
#include "tests/support/recorders.h"

namespace {

// Presses "Weiter" after the given number of blink phases.
class PhaseClock final : public StepClock {
public:
    explicit PhaseClock(int phases) : phases_(phases) {}
    void pause(int) override {
        if (--phases_ == 0) weiterPressed = true;
    }

private:
    int phases_;
};

class NoText final : public TextOutput {
public:
    void addLine(std::string_view) override {}
    void appendText(std::string_view) override {}
    void setText(std::string_view) override {}
    std::string text() const override { return {}; }
};

DrawingRecord blinked(int phases, bool endVisible = true) {
    DrawingRecorder image(497, 293);
    clearImage(image);
    image.setFontColor(clBlack);
    image.textOut(240, 10, "50");
    NoText info;
    PhaseClock clock(phases);
    blinkAndWait(image, info, clock, "Schritt", 30, 248, 20, 124, 40, true, endVisible);
    return image.record();
}

TEST(DrawingRecord, BlinkingForLongRecordsOneCycle) {
    const std::vector<DrawingOp> once = blinked(2).ops();
    ASSERT_EQ(once.size(), 6u);  // fill, "50", then line and number twice
    EXPECT_EQ(once[0].kind, DrawingOp::Kind::fill);
    EXPECT_EQ(once[2].pen, clBtnFace);
    EXPECT_EQ(once[4].pen, clBlack);
    EXPECT_EQ(once[5].text, "30");
    EXPECT_EQ(once[5].fontColor, clBlack);
    EXPECT_EQ(blinked(2000).ops(), once);
}

// A picture taken while a figure blinks shows it, in either phase.
TEST(DrawingRecord, BlinkingShownDropsTheErasingPhase) {
    const DrawingRecord endsBlack = blinked(2, true);
    EXPECT_EQ(endsBlack.withBlinkingShown().ops(), endsBlack.ops());
    const DrawingRecord endsErased = blinked(2, false);
    const std::vector<DrawingOp> shown = endsErased.withBlinkingShown().ops();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[2].pen, clBlack);
    EXPECT_EQ(shown[3].fontColor, clBlack);
    EXPECT_EQ(shown[3].text, "30");
}

TEST(DrawingRecord, FullClearRestartsAndReplayRepeatsTheCalls) {
    DrawingRecorder image(100, 50);
    image.setPenColor(clBlack);
    image.moveTo(1, 2);
    image.lineTo(30, 40);
    clearImage(image);
    image.setFontName("Arial");
    image.setFontSize(10);
    image.setFontBold(true);
    image.setBrushColor(clWhite);
    image.textOut(5, 6, "x");
    image.rectangle(1, 1, 9, 9);
    image.moveTo(3, 3);
    image.lineTo(3, 3);  // no pixel: not recorded
    RecordingSurface target(100, 50);
    image.record().replay(target);
    const std::string face = std::to_string(clBtnFace);
    const std::string white = std::to_string(clWhite);
    EXPECT_EQ(target.log, (std::vector<std::string>{"brush " + face, "fill 0 0 100 50",
                                                    "fontName Arial", "fontSize 10", "fontBold 1",
                                                    "fontColor 0", "brush " + white, "text 5 6 x",
                                                    "pen 0", "brush " + white, "rect 1 1 9 9"}));
}

}  // namespace
