// The step driver: blink phases, their colours and order, when "Weiter" is
// noticed, the erase form, clearImage, and readTreeNumber.
#include "demo/stepdriver.h"

#include <gtest/gtest.h>

#include "elements/integertext.h"
#include "tests/demo/demosupport.h"

using demotest::FakeClock;

namespace {

const std::string kFace = std::to_string(clBtnFace);

class StepDriverTest : public ::testing::Test {
protected:
    StepDriverTest() {
        clock.surface = &surface;
        clock.info = &info;
    }
    RecordingSurface surface{497, 293};
    RecordingText info;
    FakeClock clock;
    RecordingMessages messages;
};

TEST_F(StepDriverTest, EndVisibleBlinksButtonFaceThenBlackAndClearsWeiter) {
    blinkAndWait(surface, info, clock, "Einfügestelle gefunden", 30, 248, 20, 124, 40, true, true);
    EXPECT_EQ(surface.log, (std::vector<std::string>{
                               "pen " + kFace, "fontColor " + kFace, "moveTo 248 20",
                               "lineTo 124 40", "text 124 40 30", "pause Einfügestelle gefunden",
                               "pen 0", "fontColor 0", "moveTo 248 20", "lineTo 124 40",
                               "text 124 40 30", "pause Einfügestelle gefunden"}));
    EXPECT_EQ(clock.pauses, (std::vector<int>{300, 300}));
    EXPECT_FALSE(clock.weiterPressed);
}

TEST_F(StepDriverTest, EndErasedBlinksBlackThenButtonFace) {
    blinkAndWait(surface, info, clock, "Speicher freigeben", 7, 0, 0, 10, 20, false, false);
    EXPECT_EQ(surface.log, (std::vector<std::string>{"pen 0", "fontColor 0", "text 10 20 7",
                                                     "pause Speicher freigeben", "pen " + kFace,
                                                     "fontColor " + kFace, "text 10 20 7",
                                                     "pause Speicher freigeben"}));
}

TEST_F(StepDriverTest, WeiterIsNoticedOnlyAtTheEndOfACycle) {
    clock.pressAfter = 3;  // pressed during the second cycle's first phase
    blinkAndWait(surface, info, clock, "x", std::nullopt, 1, 2, 3, 4, true, true);
    EXPECT_EQ(clock.pauses.size(), 4u);
    EXPECT_FALSE(clock.weiterPressed);
}

TEST_F(StepDriverTest, WeiterPressedBeforeTheStepStillShowsOneFullCycle) {
    clock.pressAfter = 0;
    clock.weiterPressed = true;
    blinkAndWait(surface, info, clock, "x", 5, 1, 2, 3, 4, false, true);
    EXPECT_EQ(clock.pauses.size(), 2u);
    EXPECT_FALSE(clock.weiterPressed);
}

TEST_F(StepDriverTest, TwoPressesInOneStepAdvanceOneStep) {
    clock.pressAfter = 1;  // pressed in both phases
    blinkAndWait(surface, info, clock, "a", 5, 1, 2, 3, 4, false, true);
    blinkAndWait(surface, info, clock, "b", 6, 1, 2, 3, 4, false, true);
    EXPECT_EQ(clock.pauses.size(), 4u);
}

TEST_F(StepDriverTest, EraseFormReturnsAtOnceAndDropsAnEarlierPress) {
    info.setText("vorher");
    clock.weiterPressed = true;
    blinkAndWait(surface, info, clock, "", std::nullopt, 248, 20, 124, 40, true, false);
    EXPECT_EQ(surface.log,
              (std::vector<std::string>{"pen " + kFace, "moveTo 248 20", "lineTo 124 40"}));
    EXPECT_TRUE(clock.pauses.empty());
    EXPECT_FALSE(clock.weiterPressed);
    EXPECT_EQ(info.text(), "vorher");
}

TEST_F(StepDriverTest, EmptyStepTextKeepsThePreviousExplanation) {
    info.setText("Hilfszeiger setzen");
    blinkAndWait(surface, info, clock, "", std::nullopt, 1, 2, 3, 4, true, true);
    EXPECT_EQ(info.text(), "Hilfszeiger setzen");
    EXPECT_EQ(surface.log[4], "pause Hilfszeiger setzen");
}

TEST_F(StepDriverTest, TheStepTextIsShownBeforeAnythingIsDrawn) {
    blinkAndWait(surface, info, clock, "Zahl gefunden", 9, 1, 2, 3, 4, false, true);
    EXPECT_EQ(surface.log[2], "text 3 4 9");
    EXPECT_EQ(surface.log[3], "pause Zahl gefunden");
}

TEST_F(StepDriverTest, CancellingTheClockEndsTheWait) {
    clock.pressAfter = 0;
    clock.cancelAt = 5;
    EXPECT_THROW(blinkAndWait(surface, info, clock, "x", 1, 0, 0, 0, 0, false, true),
                 DemoCancelled);
    EXPECT_EQ(clock.pauses.size(), 5u);
}

TEST_F(StepDriverTest, ClearImageFillsWithButtonFaceAndKeepsTheBrush) {
    RecordingSurface avl(505, 293);
    clearImage(avl);
    EXPECT_EQ(avl.log, (std::vector<std::string>{"brush " + kFace, "fill 0 0 505 293"}));
}

TEST_F(StepDriverTest, ReadTreeNumberAcceptsOneToNinetyNine) {
    EXPECT_EQ(readTreeNumber("1"), 1);
    EXPECT_EQ(readTreeNumber("99"), 99);
    EXPECT_EQ(readTreeNumber("  42"), 42);
    EXPECT_EQ(readTreeNumber("+7"), 7);
    EXPECT_EQ(readTreeNumber("$1F"), 31);
    EXPECT_EQ(readTreeNumber("0x1f"), 31);
    EXPECT_EQ(readTreeNumber("X10"), 16);
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(StepDriverTest, ReadTreeNumberRejectsEverythingElseWithItsMessage) {
    for (const char* text : {"0", "100", "-3", "abc", "", "42 ", "4 2", "$", "0x", "--5",
                             "99999999999", "2147483648"}) {
        messages.log.clear();
        EXPECT_FALSE(readTreeNumber(text).has_value()) << text;
        EXPECT_EQ(messages.log,
                  (std::vector<std::string>{"information: Ganze Zahl von 1 bis 99 eingeben"}))
            << text;
    }
}

TEST_F(StepDriverTest, ParseIntegerCoversTheWholeRange) {
    EXPECT_EQ(parseInteger32("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger32("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInteger32("2147483648"), std::nullopt);
    EXPECT_EQ(parseInteger32("-$80000000"), INT32_MIN);
    EXPECT_EQ(parseInteger32("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(parseInteger32(" -0"), 0);
}

}  // namespace
