// The drawing record behind the pages' pictures and the steps' pictures: the
// ops DrawingState makes of the calls, the calls an op makes again, what
// blanks a surface, a full clear restarting the record, and replaying a
// record making the same calls with the recorded colours.
#include "elements/drawingrecord.h"

#include <gtest/gtest.h>

#include "tests/support/recorders.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kFace = std::to_string(clBtnFace);
// Ordinary colours (0x00BBGGRR) that the pages do not use.
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;

void blank(Surface& image) {
    image.setBrushColor(clBtnFace);
    image.fillRect(0, 0, image.width(), image.height());
}

// --- DrawingState --------------------------------------------------------------

TEST(DrawingState, OpsCarryTheColoursAndTheFontOfTheirCall) {
    DrawingState state;
    EXPECT_EQ(state.fontName(), "MS Sans Serif");
    state.setFontName("Arial");
    state.setFontSize(12);
    state.setFontSize(0);  // no size: kept
    state.setFontBold(true);
    state.setFontColor(kRed);
    state.setBrushColor(clWhite);
    state.setPenColor(kBlue);
    const DrawingOp text = state.textOp(5, 6, "Zoë");
    EXPECT_EQ(text.kind, DrawingOp::Kind::text);
    EXPECT_EQ(text.fontName, "Arial");
    EXPECT_EQ(text.fontPoints, 12);
    EXPECT_TRUE(text.bold);
    EXPECT_EQ(text.fontColor, kRed);
    EXPECT_EQ(text.brush, clWhite);
    EXPECT_EQ(text.text, "Zoë");
    EXPECT_EQ(text.x1, 5);
    EXPECT_EQ(text.y1, 6);
    state.moveTo(1, 2);
    const auto line = state.lineOp(30, 40);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->kind, DrawingOp::Kind::line);
    EXPECT_EQ(line->pen, kBlue);
    EXPECT_EQ((std::vector<int>{line->x1, line->y1, line->x2, line->y2}),
              (std::vector<int>{1, 2, 30, 40}));
    // The pen moved on: the next line starts there.
    const auto next = state.lineOp(31, 40);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->x1, 30);
    const auto rect = state.areaOp(DrawingOp::Kind::rectangle, 1, 1, 9, 9);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->pen, kBlue);
    EXPECT_EQ(rect->brush, clWhite);
    const auto fill = state.areaOp(DrawingOp::Kind::fill, 0, 0, 4, 4);
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->brush, clWhite);
    EXPECT_EQ(fill->pen, clBlack);  // a fill has no outline
}

TEST(DrawingState, CallsThatPaintNothingMakeNoOp) {
    DrawingState state;
    state.moveTo(3, 3);
    EXPECT_FALSE(state.lineOp(3, 3));
    const auto line = state.lineOp(4, 3);  // the pen stayed at (3, 3)
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x1, 3);
    const int empty[][4] = {{5, 5, 5, 9}, {5, 5, 9, 5}, {9, 5, 5, 9}, {5, 9, 9, 5}};
    for (const auto& a : empty) {
        EXPECT_FALSE(state.areaOp(DrawingOp::Kind::fill, a[0], a[1], a[2], a[3])) << a[0];
        EXPECT_FALSE(state.areaOp(DrawingOp::Kind::rectangle, a[0], a[1], a[2], a[3])) << a[0];
    }
}

TEST(DrawingState, OnlyAnAreaOverTheWholeSurfaceCoversAll) {
    struct Case {
        DrawingOp::Kind kind;
        int x1, y1, x2, y2;
        bool covers;
    };
    const Case cases[] = {
        {DrawingOp::Kind::fill, 0, 0, 100, 50, true},
        {DrawingOp::Kind::fill, -5, -5, 200, 80, true},
        {DrawingOp::Kind::rectangle, 0, 0, 100, 50, true},
        {DrawingOp::Kind::fill, 1, 0, 100, 50, false},
        {DrawingOp::Kind::fill, 0, 1, 100, 50, false},
        {DrawingOp::Kind::fill, 0, 0, 99, 50, false},
        {DrawingOp::Kind::fill, 0, 0, 100, 49, false},
        {DrawingOp::Kind::line, 0, 0, 100, 50, false},
        {DrawingOp::Kind::text, 0, 0, 100, 50, false},
    };
    for (const Case& c : cases) {
        DrawingOp op;
        op.kind = c.kind;
        op.x1 = c.x1;
        op.y1 = c.y1;
        op.x2 = c.x2;
        op.y2 = c.y2;
        EXPECT_EQ(DrawingState::coversAll(op, 100, 50), c.covers)
            << static_cast<int>(c.kind) << " " << c.x1 << " " << c.y1 << " " << c.x2 << " " << c.y2;
    }
}

// Each op sets everything it draws with before it draws: it draws the same
// whatever the target did before.
TEST(DrawingState, AnOpMakesItsCallWithAllItsSettings) {
    DrawingState state;
    state.setFontName("Arial");
    state.setFontSize(10);
    state.setFontBold(true);
    state.setBrushColor(clWhite);
    state.setPenColor(clBtnFace);
    state.moveTo(1, 2);
    RecordingSurface target(100, 50);
    state.textOp(5, 6, "x").drawOn(target);
    state.lineOp(30, 40)->drawOn(target);
    state.areaOp(DrawingOp::Kind::rectangle, 1, 1, 9, 9)->drawOn(target);
    state.areaOp(DrawingOp::Kind::fill, 2, 2, 8, 8)->drawOn(target);
    const std::string white = std::to_string(clWhite);
    EXPECT_EQ(target.log,
              (Calls{"fontName Arial", "fontSize 10", "fontBold 1", "fontColor 0", "brush " + white,
                     "text 5 6 x", "pen " + kFace, "moveTo 1 2", "lineTo 30 40", "pen " + kFace,
                     "brush " + white, "rect 1 1 9 9", "brush " + white, "fill 2 2 8 8"}));
}

// --- DrawingRecord -------------------------------------------------------------

TEST(DrawingRecord, FullClearRestartsAndReplayRepeatsTheCalls) {
    DrawingRecorder image(100, 50);
    image.setPenColor(clBlack);
    image.moveTo(1, 2);
    image.lineTo(30, 40);
    blank(image);
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
    const std::string white = std::to_string(clWhite);
    EXPECT_EQ(target.log, (Calls{"brush " + kFace, "fill 0 0 100 50", "fontName Arial",
                                 "fontSize 10", "fontBold 1", "fontColor 0", "brush " + white,
                                 "text 5 6 x", "pen 0", "brush " + white, "rect 1 1 9 9"}));
    // A rectangle over the whole surface restarts the record too.
    image.rectangle(0, 0, 100, 50);
    EXPECT_EQ(image.record().ops().size(), 1u);
}

// A record replayed on a fresh recorder gives the same record; replayed on a
// recorder with other colours and font set before, it draws the same calls.
TEST(DrawingRecord, ReplayOnARecorderGivesTheSameRecord) {
    DrawingRecorder image(497, 293);
    blank(image);
    image.setFontName("Arial");
    image.setFontColor(clBlack);
    image.textOut(248, 10, "50");
    image.setPenColor(kRed);
    image.moveTo(248, 20);
    image.lineTo(124, 40);
    image.setBrushColor(clWhite);
    image.rectangle(10, 10, 26, 64);
    DrawingRecorder fresh(497, 293);
    image.record().replay(fresh);
    EXPECT_EQ(fresh.record().ops(), image.record().ops());
    DrawingRecorder used(497, 293);
    used.setFontName("Courier");
    used.setFontColor(kBlue);
    used.setBrushColor(clBlack);
    image.record().replay(used);
    RecordingSurface original(497, 293);
    RecordingSurface copy(497, 293);
    image.record().replay(original);
    used.record().replay(copy);
    EXPECT_EQ(copy.log, original.log);
    EXPECT_EQ(used.record().ops().size(), 4u);
}

}  // namespace
