// The recorder of the tree demonstrations' steps: the step forms of
// recordBlink (the figure in each blink phase, the phase it stands in, the
// erase form, the info text), clearImage, the picture pieces the steps share,
// the marks of the "Algorithmus" panel, what a step and the end keep of the
// page's fields, and the tree pages' number entry.
#include "demo/steprecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/integertext.h"
#include "tests/demo/demosupport.h"
#include "tests/support/recorders.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kFace = std::to_string(clBtnFace);

// The calls of a list of ops that show a figure: colours, lines and texts.
Calls figureCalls(const std::vector<DrawingOp>& ops) {
    RecordingSurface surface(497, 293);
    for (const DrawingOp& op : ops) op.drawOn(surface);
    return surface.only({"pen", "fontColor", "moveTo", "lineTo", "text"});
}

// The calls the image shows now, as one list of ops.
std::vector<DrawingOp> opsOf(const DrawingRecord& record) { return record.ops(); }

class StepRecorderTest : public ::testing::Test {
protected:
    // The recorder of a page that shows nothing yet and has the balanced field.
    StepRecorder page{497, 293, DrawingRecord(), PageFields{"3", "5", "JA"}, true};
    RecordingMessages messages;

    std::vector<Step> steps() {
        std::unique_ptr<RecordedSteps> recorded = page.finish();
        return demotest::drain(*recorded).steps;
    }
};

// --- recordBlink -------------------------------------------------------------

struct BlinkCase {
    const char* name;
    std::optional<std::int32_t> value;
    bool blinkLine;
    bool endVisible;
    Calls phase0;
    Calls phase1;
    int shownPhase;
};

const BlinkCase kBlinkCases[] = {
    {"line and number ending visible",
     30,
     true,
     true,
     {"pen " + kFace, "moveTo 248 20", "lineTo 124 40", "fontColor " + kFace, "text 124 40 30"},
     {"pen 0", "moveTo 248 20", "lineTo 124 40", "fontColor 0", "text 124 40 30"},
     1},
    {"number ending erased",
     7,
     false,
     false,
     {"fontColor 0", "text 124 40 7"},
     {"fontColor " + kFace, "text 124 40 7"},
     0},
    {"line alone ending visible",
     std::nullopt,
     true,
     true,
     {"pen " + kFace, "moveTo 248 20", "lineTo 124 40"},
     {"pen 0", "moveTo 248 20", "lineTo 124 40"},
     1},
    {"line and number ending erased",
     12,
     true,
     false,
     {"pen 0", "moveTo 248 20", "lineTo 124 40", "fontColor 0", "text 124 40 12"},
     {"pen " + kFace, "moveTo 248 20", "lineTo 124 40", "fontColor " + kFace, "text 124 40 12"},
     0},
};

TEST_F(StepRecorderTest, BlinkFormsDrawTheFigureInEachPhaseAndStandInOne) {
    for (const BlinkCase& c : kBlinkCases) {
        StepRecorder rec(497, 293, DrawingRecord(), PageFields{}, false);
        recordBlink(rec, "Einfügestelle gefunden", c.value, 248, 20, 124, 40, c.blinkLine,
                    c.endVisible);
        ASSERT_EQ(rec.stepCount(), 1) << c.name;
        const std::vector<Step> all = demotest::drain(*rec.finish()).steps;
        const StepPicture& picture = all[0].picture;
        EXPECT_EQ(all[0].text, "Einfügestelle gefunden") << c.name;
        EXPECT_TRUE(picture.blinks()) << c.name;
        EXPECT_EQ(figureCalls(picture.figure[0]), c.phase0) << c.name;
        EXPECT_EQ(figureCalls(picture.figure[1]), c.phase1) << c.name;
        EXPECT_EQ(picture.shownPhase, c.shownPhase) << c.name;
        EXPECT_TRUE(picture.canvas.empty()) << c.name;
    }
}

// After a step the image goes on as phase 1 left the figure: black when it
// ends visible, erased otherwise.
TEST_F(StepRecorderTest, TheImageKeepsTheFigureAsPhaseOneLeftIt) {
    recordBlink(page, "a", 30, 248, 20, 124, 40, true, true);
    recordBlink(page, "b", 7, 0, 0, 10, 20, false, false);
    const Calls shown = figureCalls(opsOf(page.shownPicture()));
    EXPECT_EQ(shown, (Calls{"pen 0", "moveTo 248 20", "lineTo 124 40", "fontColor 0",
                            "text 124 40 30", "fontColor " + kFace, "text 10 20 7"}));
    const std::vector<Step> all = steps();
    ASSERT_EQ(all.size(), 2u);
    // The second step's canvas holds the first figure as phase 1 drew it.
    EXPECT_EQ(demotest::flat(all[1].picture), all[0].picture.figure[1]);
}

TEST_F(StepRecorderTest, TheEraseFormErasesTheLineAtOnceWithoutAStep) {
    page.infoField().setText("vorher");
    recordBlink(page, "", std::nullopt, 248, 20, 124, 40, true, false);
    EXPECT_EQ(page.stepCount(), 0);
    EXPECT_EQ(page.infoField().text(), "vorher");
    EXPECT_EQ(figureCalls(opsOf(page.shownPicture())),
              (Calls{"pen " + kFace, "moveTo 248 20", "lineTo 124 40"}));
    // With a text it still shows the text, and the next step holds the
    // erased line in its canvas.
    recordBlink(page, "Auf linken Teilbaum verweisen", std::nullopt, 1, 2, 3, 4, true, false);
    EXPECT_EQ(page.infoField().text(), "Auf linken Teilbaum verweisen");
    recordBlink(page, "", 5, 0, 0, 3, 4, false, true);
    const std::vector<Step> all = steps();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].text, "Auf linken Teilbaum verweisen");
    EXPECT_EQ(figureCalls(demotest::flat(all[0].picture)),
              (Calls{"pen " + kFace, "moveTo 248 20", "lineTo 124 40", "pen " + kFace, "moveTo 1 2",
                     "lineTo 3 4"}));
}

TEST_F(StepRecorderTest, AnEmptyTextKeepsTheInfoTextOfTheStepBefore) {
    recordBlink(page, "Hilfszeiger setzen", 4, 0, 0, 10, 10, false, true);
    recordBlink(page, "", std::nullopt, 1, 2, 3, 4, true, true);
    const std::vector<Step> all = steps();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].text, "Hilfszeiger setzen");
}

// A step holds the fields as the page shows them while it waits; the end
// holds them as the demonstration left them, and the info text it set last.
TEST_F(StepRecorderTest, StepsAndTheEndKeepTheFieldsAsTheyStood) {
    recordBlink(page, "Zahl gefunden", 9, 0, 0, 3, 4, false, true);
    page.depthField().setText("2");
    page.countField().setText("4");
    page.balancedField()->setText("Nein");
    page.infoField().setText("");
    const std::unique_ptr<RecordedSteps> recorded = page.finish();
    const demotest::Played played = demotest::drain(*recorded);
    ASSERT_EQ(played.steps.size(), 1u);
    EXPECT_EQ(played.steps[0].fields, (PageFields{"3", "5", "JA"}));
    EXPECT_EQ(played.end.fields, (PageFields{"2", "4", "Nein"}));
    EXPECT_EQ(played.end.text, "");
    EXPECT_FALSE(played.end.picture.blinks());
    // The end shows the figure as phase 1 left it.
    EXPECT_EQ(demotest::flat(played.end.picture), played.steps[0].picture.figure[1]);
}

TEST_F(StepRecorderTest, APageWithoutTheBalancedFieldKeepsItEmpty) {
    StepRecorder avl(505, 293, DrawingRecord(), PageFields{"1", "1", "JA"}, false);
    EXPECT_EQ(avl.balancedField(), nullptr);
    recordBlink(avl, "x", 1, 0, 0, 3, 4, false, true);
    const demotest::Played played = demotest::drain(*avl.finish());
    EXPECT_EQ(played.steps[0].fields, (PageFields{"1", "1", ""}));
    EXPECT_EQ(played.end.fields, (PageFields{"1", "1", ""}));
}

// --- clearImage --------------------------------------------------------------

TEST_F(StepRecorderTest, ClearImageFillsWithButtonFaceAndKeepsTheBrush) {
    RecordingSurface avl(505, 293);
    clearImage(avl);
    EXPECT_EQ(avl.log, (Calls{"brush " + kFace, "fill 0 0 505 293"}));
    clearImage(page.image());
    page.image().textOut(10, 10, "5");
    const std::vector<DrawingOp> shown = opsOf(page.shownPicture());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].brush, clBtnFace);  // the background of the number
}

// --- PictureRecorder ---------------------------------------------------------

// Draws a line and a number, then shows them blinking as one step.
void drawAndStep(StepRecorder& rec, int k) {
    rec.image().setPenColor(clBlack);
    rec.image().moveTo(k, 0);
    rec.image().lineTo(k, 50);
    recordBlink(rec, "Schritt " + std::to_string(k), k, 0, 0, k, 60, false, true);
}

TEST_F(StepRecorderTest, AStepSharesTheCanvasPiecesOfTheStepBefore) {
    DrawingRecorder before(497, 293);
    clearImage(before);
    before.textOut(248, 10, "50");
    StepRecorder rec(497, 293, before.record(), PageFields{}, false);
    for (int k = 1; k <= 3; ++k) drawAndStep(rec, k);
    const std::vector<Step> all = demotest::drain(*rec.finish()).steps;
    ASSERT_EQ(all.size(), 3u);
    // The picture the page showed is the first piece of every step.
    for (const Step& s : all) {
        ASSERT_FALSE(s.picture.canvas.empty());
        EXPECT_EQ(*s.picture.canvas.front(), before.record().ops());
        EXPECT_EQ(s.picture.canvas.front(), all[0].picture.canvas.front());
    }
    // Each step adds one piece and keeps those of the step before.
    for (std::size_t k = 1; k < all.size(); ++k) {
        const auto& earlier = all[k - 1].picture.canvas;
        const auto& later = all[k].picture.canvas;
        ASSERT_EQ(later.size(), earlier.size() + 1);
        EXPECT_TRUE(std::equal(earlier.begin(), earlier.end(), later.begin())) << k;
        EXPECT_LT(all[k].bytesBeyond(&all[k - 1]), all[k].bytesBeyond(nullptr));
    }
}

TEST_F(StepRecorderTest, AFullFillRestartsTheCanvas) {
    drawAndStep(page, 1);
    clearImage(page.image());
    page.image().textOut(5, 5, "7");
    drawAndStep(page, 2);
    const std::vector<Step> all = steps();
    ASSERT_EQ(all.size(), 2u);
    const std::vector<DrawingOp> second = demotest::flat(all[1].picture);
    ASSERT_EQ(second.size(), 3u);  // the fill, "7" and the line
    EXPECT_EQ(second[0].kind, DrawingOp::Kind::fill);
    EXPECT_EQ(second[1].text, "7");
    for (const SharedOps& piece : all[1].picture.canvas) {
        EXPECT_EQ(std::find(all[0].picture.canvas.begin(), all[0].picture.canvas.end(), piece),
                  all[0].picture.canvas.end());
    }
    // A fill that leaves a border is no blanking.
    page.image().fillRect(1, 0, 497, 293);
    EXPECT_EQ(opsOf(page.shownPicture()).size(), 5u);  // fill, "7", line, 2, fill
}

// However many steps, a step's canvas stays a handful of pieces, the first
// still the picture the page showed, and its calls in the order they were
// made: the picture drawn equals a plain record of the same calls.
TEST_F(StepRecorderTest, ThePictureRecordEqualsTheReplayOfTheSameCalls) {
    DrawingRecorder before(497, 293);
    before.textOut(248, 10, "50");
    StepRecorder rec(497, 293, before.record(), PageFields{}, false);
    DrawingRecorder plain(497, 293);
    before.record().replay(plain);
    // A page image's brush is the button face: numbers stand on it.
    plain.setBrushColor(clBtnFace);
    for (int k = 1; k <= 40; ++k) {
        drawAndStep(rec, k);
        plain.setPenColor(clBlack);
        plain.moveTo(k, 0);
        plain.lineTo(k, 50);
        plain.setFontColor(clBlack);
        plain.textOut(k, 60, std::to_string(k));
        EXPECT_EQ(rec.shownPicture().ops(), plain.record().ops()) << k;
    }
    const std::vector<Step> all = demotest::drain(*rec.finish()).steps;
    for (std::size_t k = 0; k < all.size(); ++k) {
        EXPECT_LE(all[k].picture.canvas.size(), 13u) << k;
        EXPECT_EQ(all[k].picture.canvas.front(), all[0].picture.canvas.front()) << k;
    }
    // The last step as its figure stands (phase 1) is the plain record.
    EXPECT_EQ(all.back().picture.record(1).ops(), plain.record().ops());
    // Phase 0 draws the number in the background colour instead.
    std::vector<DrawingOp> erased = plain.record().ops();
    erased.back().fontColor = clBtnFace;
    EXPECT_EQ(all.back().picture.record(0).ops(), erased);
}

// --- MarkTrace ---------------------------------------------------------------

TEST(MarkTrace, KeepsTheFramesWithTheirMarkedLines) {
    MarkTrace trace;
    EXPECT_TRUE(trace.marks().empty());
    trace.enter(Procedure::avlInsert);
    EXPECT_EQ(trace.marks(), (CodeMarks{{Procedure::avlInsert, -1}}));
    trace.mark(Line::aeInsert);
    trace.enter(Procedure::searchInsert);
    trace.mark(Line::seSearch);
    trace.mark(Line::seAttach);
    EXPECT_EQ(trace.marks(), (CodeMarks{{Procedure::avlInsert, 0}, {Procedure::searchInsert, 3}}));
    // A line of another procedure than the running one is not marked.
    trace.mark(Line::aeUp);
    EXPECT_EQ(trace.marks().back(), (CodeFrame{Procedure::searchInsert, 3}));
    trace.leave();
    trace.mark(Line::aeUp);
    EXPECT_EQ(trace.marks(), (CodeMarks{{Procedure::avlInsert, 1}}));
    // Once all are left, the outermost procedure stays without a mark.
    trace.leave();
    EXPECT_EQ(trace.marks(), (CodeMarks{{Procedure::avlInsert, -1}}));
    trace.leave();  // nothing left to leave
    EXPECT_EQ(trace.marks(), (CodeMarks{{Procedure::avlInsert, -1}}));
}

TEST_F(StepRecorderTest, EachStepHoldsTheMarksOfItsWait) {
    TraceFrames frames(page.trace());
    frames.enter(Procedure::searchDelete);
    frames.mark(Line::slSearch);
    recordBlink(page, "Zahl gefunden", 5, 0, 0, 3, 4, false, true);
    frames.mark(Line::slHelper);
    recordBlink(page, "Hilfszeiger setzen", std::nullopt, 0, 0, 3, 4, true, true);
    frames.leaveAll();
    const std::unique_ptr<RecordedSteps> recorded = page.finish();
    const demotest::Played played = demotest::drain(*recorded);
    ASSERT_EQ(played.steps.size(), 2u);
    EXPECT_EQ(played.steps[0].marks, (CodeMarks{{Procedure::searchDelete, 0}}));
    EXPECT_EQ(played.steps[1].marks, (CodeMarks{{Procedure::searchDelete, 4}}));
    EXPECT_EQ(played.end.marks, (CodeMarks{{Procedure::searchDelete, -1}}));
}

// --- The number entry of the tree pages ---------------------------------------

TEST_F(StepRecorderTest, TreeNumbersAreOneToNinetyNine) {
    const std::pair<const char*, int> accepted[] = {{"1", 1},    {"99", 99},  {"  42", 42},
                                                    {"+7", 7},   {"$1F", 31}, {"0x1f", 31},
                                                    {"X10", 16}, {"$63", 99}};
    for (const auto& [text, value] : accepted) {
        EXPECT_EQ(parseTreeNumber(text), value) << text;
        EXPECT_EQ(readTreeNumber(text), value) << text;
    }
    EXPECT_TRUE(messages.log.empty());
}

TEST_F(StepRecorderTest, EverythingElseIsRefusedWithTheRangeMessage) {
    for (const char* text : {"0", "100", "-3", "abc", "", "42 ", "4 2", "$", "0x", "--5", "$64",
                             "99999999999", "2147483648"}) {
        messages.log.clear();
        EXPECT_FALSE(parseTreeNumber(text).has_value()) << text;
        EXPECT_TRUE(messages.log.empty()) << text;  // parsing alone shows nothing
        EXPECT_FALSE(readTreeNumber(text).has_value()) << text;
        EXPECT_EQ(messages.log, (Calls{"information: Ganze Zahl von 1 bis 99 eingeben"})) << text;
    }
}

TEST_F(StepRecorderTest, ParseIntegerCoversTheWholeRange) {
    EXPECT_EQ(parseInteger32("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger32("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInteger32("2147483648"), std::nullopt);
    EXPECT_EQ(parseInteger32("-$80000000"), INT32_MIN);
    EXPECT_EQ(parseInteger32("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(parseInteger32(" -0"), 0);
}

}  // namespace
