// The B-tree demonstration: which step texts appear in which order, where the
// numbers, pages and splits are drawn as the steps are shown one blink cycle
// each, whether the end redraws the tree or only shows the new count, the
// full redraw and the look-up messages.
#include "demo/bayertreedemo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "demo/bayerdisplay.h"
#include "demo/steprecorder.h"
#include "elements/values.h"
#include "tests/demo/demosupport.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"

namespace {

using demotest::Played;
using Texts = std::vector<std::string>;

bool contains(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

class BayerDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBayerTreeClasses();
    }

    // Runs the operation on a recorder that shows what the page shows now,
    // takes its steps, draws them on `image` as the window shows them and
    // leaves the page showing the end.
    template <typename Operation>
    const Played& run(Operation operation) {
        StepRecorder page(497, 305, shown, fields, false);
        const std::unique_ptr<RecordedSteps> steps = operation(page);
        played = demotest::drain(*steps);
        demotest::drawAsShown(played, image, shown.ops());
        shown = played.end.picture.record(0);
        fields = played.end.fields;
        return played;
    }
    const Played& insert(int v) {
        return run(
            [&](StepRecorder& page) { return tree.insert(page, std::make_unique<TInteger>(v)); });
    }
    const Played& remove(int v) {
        return run(
            [&](StepRecorder& page) { return tree.remove(page, std::make_unique<TInteger>(v)); });
    }

    // The end blanks the image and draws the whole tree again.
    bool endRedraws() const {
        const std::vector<DrawingOp> ops = demotest::flat(played.end.picture);
        return !ops.empty() && ops.front().kind == DrawingOp::Kind::fill &&
               DrawingState::coversAll(ops.front(), 497, 305);
    }
    // The end shows the image exactly as the last step left it.
    bool endKeepsTheDrawing(const std::vector<DrawingOp>& before) const {
        const std::vector<DrawingOp> last =
            played.steps.empty() ? before : demotest::shownAfter(played.steps.back());
        return demotest::flat(played.end.picture) == last;
    }

    RecordingMessages messages;
    RecordingSurface image{497, 305};
    // What the page shows between operations.
    DrawingRecord shown;
    PageFields fields;
    Played played;
    TBayerTreeDemo tree;
};

TEST_F(BayerDemoTest, FirstInsertionShowsNoStepAndEndsWithTheRedrawnTree) {
    insert(42);
    EXPECT_TRUE(played.steps.empty());
    EXPECT_TRUE(endRedraws());
    EXPECT_EQ(image.only({"fill", "rect", "text"}),
              (Texts{"fill 0 0 497 305", "rect 397 10 413 64", "text 398 11 42"}));
    EXPECT_EQ(played.end.fields, (PageFields{"", "1", ""}));
    EXPECT_EQ(played.end.text, "");
    EXPECT_EQ(describe(tree), "[42]");
}

TEST_F(BayerDemoTest, InsertionIntoPageWithRoomBlinksBelowThenThePage) {
    build(tree, "[1 3]");
    insert(2);
    EXPECT_EQ(played.texts(), (Texts{"Zahl wird eingefügt", "Zahl wird eingefügt"}));
    // The drawing already shows the tree: the end only shows the new count.
    EXPECT_TRUE(endKeepsTheDrawing({}));
    EXPECT_EQ(played.end.fields, (PageFields{"", "3", ""}));
    // Below the root page at (397, 10), then the page refilled.
    EXPECT_TRUE(contains(image.log, "text 398 76 2"));
    EXPECT_TRUE(contains(image.log, "fill 398 11 411 62"));
    EXPECT_TRUE(contains(image.log, "rect 397 10 413 64"));
    EXPECT_TRUE(contains(image.log, "text 398 24 2"));  // slot 2
    EXPECT_FALSE(contains(image.log, "fill 0 0 497 305"));
}

// Each step's figure is erased in phase 0 and stands in black in phase 1, the
// phase the image keeps.
TEST_F(BayerDemoTest, EveryStepBlinksItsFigureAndKeepsItInBlack) {
    build(tree, "[1 3]");
    insert(2);
    ASSERT_EQ(played.steps.size(), 2u);
    const std::size_t figureSizes[] = {1, 3};  // the new number; the page's three keys
    for (std::size_t k = 0; k < 2; ++k) {
        const StepPicture& picture = played.steps[k].picture;
        EXPECT_TRUE(picture.blinks()) << k;
        EXPECT_EQ(picture.shownPhase, 1) << k;
        ASSERT_EQ(picture.figure[0].size(), figureSizes[k]) << k;
        ASSERT_EQ(picture.figure[1].size(), figureSizes[k]) << k;
        for (std::size_t i = 0; i < figureSizes[k]; ++i) {
            EXPECT_EQ(picture.figure[0][i].fontColor, clBtnFace) << k;
            EXPECT_EQ(picture.figure[1][i].fontColor, clBlack) << k;
            EXPECT_EQ(picture.figure[0][i].text, picture.figure[1][i].text) << k;
        }
    }
    EXPECT_EQ(played.steps[1].picture.figure[1][1].text, "2");
}

TEST_F(BayerDemoTest, FifthKeySplitsRootThenShowsNewRoot) {
    build(tree, "[1 2 3 4]");
    insert(5);
    const Texts texts = {"Zahl wird eingefügt",
                         "Aufteilen der Seite und mittleres Element eine Ebene höher setzen",
                         "Neue Wurzel erzeugen"};
    EXPECT_EQ(played.texts(), texts);
    EXPECT_TRUE(endRedraws());
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    const Texts drawn = image.only({"text", "rect", "fill", "moveTo", "lineTo"});
    const Texts expected = {
        // "Zahl wird eingefügt": 5 below the root, one cycle.
        "text 398 76 5", "text 398 76 5",
        // The split at the root: halves above and below, 3 blinking between.
        "fill 397 10 413 70", "rect 397 10 413 40", "rect 397 59 413 89", "text 398 11 1",
        "text 398 24 2", "text 398 60 4", "text 398 73 5", "text 398 41 3", "text 398 41 3",
        // The new root box and its two lines, 3 blinking in it.
        "rect 447 40 463 55", "moveTo 413 10", "lineTo 447 40", "moveTo 413 58", "lineTo 447 55",
        "text 448 41 3", "text 448 41 3",
        // The end: the tree redrawn.
        "fill 0 0 497 305", "rect 397 10 413 64", "text 398 11 3", "rect 81 110 97 164",
        "text 82 111 1", "text 82 124 2", "moveTo 396 10", "lineTo 89 110", "rect 160 110 176 164",
        "text 161 111 4", "text 161 124 5", "moveTo 396 23", "lineTo 168 110"};
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(played.end.fields, (PageFields{"", "5", ""}));
}

TEST_F(BayerDemoTest, DeletingOneOfThreeLeafKeysNeedsNoRedraw) {
    build(tree, "[1 2 3]");
    remove(2);
    EXPECT_EQ(played.texts(), (Texts{"Element wird gelöscht", "Elemente rücken auf"}));
    EXPECT_TRUE(endKeepsTheDrawing({}));
    EXPECT_EQ(played.end.fields, (PageFields{"", "2", ""}));
    image.log.clear();
    remove(3);  // the last key: nothing moves up; the root of one key is redrawn
    EXPECT_EQ(played.texts(), Texts{"Element wird gelöscht"});
    EXPECT_TRUE(endRedraws());
    EXPECT_EQ(played.end.fields, (PageFields{"", "1", ""}));
    // 3 blinks in slot 2 of [1 3] for one cycle, then the tree [1] is redrawn.
    EXPECT_EQ(image.only({"text", "fill"}),
              (Texts{"text 398 24 3", "text 398 24 3", "fill 0 0 497 305", "text 398 11 1"}));
}

TEST_F(BayerDemoTest, DeletingInnerKeyShowsTheThreeTextsInOrder) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22 23])[40 50]([31 32][41 42][51 52]))");
    remove(30);
    const Texts texts = {"Element wird gelöscht", "Nächst kleineres Element suchen",
                         "Gelöschtes Element durch nächst kleineres Element ersetzen"};
    EXPECT_EQ(played.texts(), texts);
    EXPECT_TRUE(endKeepsTheDrawing({}));
    EXPECT_EQ(played.end.fields, (PageFields{"", "17", ""}));
    // 23 is in slot 3 of the last child of [10 20]: root (397,10), its child
    // 0 at (81, 110), that page's child 2 at (81 - 64 + 32, 210).
    EXPECT_TRUE(contains(image.log, "text 50 237 23"));
    EXPECT_TRUE(contains(image.log, "text 398 11 23"));
}

TEST_F(BayerDemoTest, BorrowFromRightShowsItsThreeSteps) {
    build(tree, "[3]([1 2][4 5 6])");
    remove(1);
    // The leaf's own step first: 2 moved up into slot 1.
    const Texts texts = {
        "Element wird gelöscht", "Elemente rücken auf",
        "Mit rechtem Nachbar ausgleichen - Element vom Vorgänger übertragen",
        "Mit rechtem Nachbar ausgleichen - Erstes Element des rechten Nachbarn an die "
        "Vorgängerstelle setzen",
        "Elemente rücken auf"};
    EXPECT_EQ(played.texts(), texts);
    EXPECT_TRUE(endRedraws());
    EXPECT_EQ(played.end.fields, (PageFields{"", "5", ""}));
    EXPECT_EQ(describe(tree), "[4]([2 3][5 6])");
}

TEST_F(BayerDemoTest, BorrowOnSecondLevelMovesTheLineOfTheLentChild) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50 60]([31 32][41 42][51 52][61 62]))");
    remove(1);
    // a = [20] at (81, 110) takes b's leftmost child [31 32], which stands at
    // (96, 210): its line from b (159, 110) is erased, one from a drawn.
    const Texts lines = image.only({"pen", "moveTo", "lineTo"});
    const Texts expected = {"pen -2147483633", "moveTo 159 110", "lineTo 104 210",
                            "pen 0",           "moveTo 96 136",  "lineTo 104 210"};
    auto at = std::search(lines.begin(), lines.end(), expected.begin(), expected.end());
    EXPECT_NE(at, lines.end());
    EXPECT_EQ(tree.problem(), "");
}

TEST_F(BayerDemoTest, MergeWithLeftEndsWithTheMergedPageAlone) {
    build(tree, "[3]([1 2][4 5])");
    remove(5);
    const Texts texts = {"Element wird gelöscht",
                         "Mit linkem Nachbarn verschmelzen - Element vom Vorgänger übertragen",
                         "Mit linkem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen"};
    EXPECT_EQ(played.texts(), texts);
    // The emptied page's box and connector are erased after the last step;
    // the end redraws the one page that is left.
    EXPECT_TRUE(endRedraws());
    RecordingSurface end(497, 305);
    played.end.picture.draw(end, 0);
    EXPECT_EQ(end.only({"rect", "text", "moveTo"}),
              (Texts{"rect 397 10 413 64", "text 398 11 1", "text 398 24 2", "text 398 37 3",
                     "text 398 50 4"}));
    EXPECT_EQ(describe(tree), "[1 2 3 4]");
}

TEST_F(BayerDemoTest, MergeWithRightErasesTheEmptiedPageBeforeTheParentMovesUp) {
    build(tree, "[3 6]([1 2][4 5][7 8])");
    remove(1);
    const Texts texts = {"Element wird gelöscht",
                         "Elemente rücken auf",
                         "Mit rechtem Nachbarn verschmelzen - Element vom Vorgänger übertragen",
                         "Mit rechtem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen",
                         "Mit rechtem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen",
                         "Elemente rücken auf"};
    EXPECT_EQ(played.texts(), texts);
    // b = [4 5] at (160, 110) loses its box and its connector from (396, 23)
    // before the root page at (397, 10) is refilled for its last step.
    const Texts calls = image.only({"pen", "rect", "moveTo", "lineTo", "fill"});
    const Texts erased = {"pen -2147483633", "rect 160 110 176 164", "pen -2147483633",
                          "moveTo 396 23", "lineTo 168 110"};
    const auto at = std::search(calls.begin(), calls.end(), erased.begin(), erased.end());
    ASSERT_NE(at, calls.end());
    const auto refill = std::find(calls.begin(), calls.end(), "fill 398 11 411 62");
    EXPECT_GT(refill - at, 0);
    EXPECT_TRUE(endRedraws());
    EXPECT_EQ(describe(tree), "[6]([2 3 4 5][7 8])");
}

TEST_F(BayerDemoTest, RefusedInsertionShowsOnlyTheMessage) {
    const char* shape =
        "[60 200 300 400]("
        "[20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
        "[120 140]([61 62][121 122][141 142])"
        "[220 240]([201 202][221 222][241 242])"
        "[320 340]([301 302][321 322][341 342])"
        "[420 440]([401 402][421 422][441 442]))";
    build(tree, shape);
    const std::string before = describe(tree);
    insert(57);
    EXPECT_TRUE(played.steps.empty());
    EXPECT_EQ(played.end.text, "");
    EXPECT_EQ(describe(tree), before);
    EXPECT_EQ(messages.log,
              std::vector<std::string>{
                  "information: Einfügen von 57 nicht möglich, da Baumtiefe zu groß würde"});
}

// The operation is done when its steps are taken, before any is shown; the
// steps wait to be played.
TEST_F(BayerDemoTest, TheTreeIsDoneWhenTheStepsAreTaken) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52]))");
    StepRecorder page(497, 305, shown, fields, false);
    const std::unique_ptr<RecordedSteps> steps = tree.remove(page, std::make_unique<TInteger>(30));
    ASSERT_TRUE(steps);
    EXPECT_EQ(describe(tree), "[10 22 40 50]([1 2][11 12 20 21][31 32][41 42][51 52])");
    EXPECT_EQ(tree.problem(), "");
    ASSERT_FALSE(steps->steps().empty());
    EXPECT_EQ(steps->steps().front().text, "Element wird gelöscht");
}

TEST_F(BayerDemoTest, ZeichneDrawsPagesConnectorsAndCount) {
    build(tree, "[3]([1 2][4 5])");
    RecordingText count;
    tree.zeichne(image, count);
    const std::vector<std::string> expected = {"fill 0 0 497 305",
                                               "fontName MS SANS SERIF",
                                               "fontSize 8",
                                               "fontColor 0",
                                               "pen 0",
                                               "rect 397 10 413 64",
                                               "text 398 11 3",
                                               "rect 81 110 97 164",
                                               "text 82 111 1",
                                               "text 82 124 2",
                                               "moveTo 396 10",
                                               "lineTo 89 110",
                                               "rect 160 110 176 164",
                                               "text 161 111 4",
                                               "text 161 124 5",
                                               "moveTo 396 23",
                                               "lineTo 168 110"};
    EXPECT_EQ(image.only({"fill", "fontName", "fontSize", "fontColor", "pen", "rect", "text",
                          "moveTo", "lineTo"}),
              expected);
    EXPECT_EQ(count.text(), "5");
}

TEST_F(BayerDemoTest, FifthChildConnectorStartsBelowTheParent) {
    build(tree, "[10 20 30 40]([1 2][11 12][21 22][31 32][41 42])");
    RecordingText count;
    tree.zeichne(image, count);
    // Child 4 stands directly below the root: from (405, 63) to (405, 110).
    EXPECT_TRUE(contains(image.log, "moveTo 405 63"));
    EXPECT_TRUE(contains(image.log, "rect 397 110 413 164"));
}

TEST_F(BayerDemoTest, LookUpAnswersWithMessages) {
    build(tree, "[3]([1 2][4 5])");
    tree.showLookUp("");
    tree.showLookUp("4");
    tree.showLookUp("6");
    const std::vector<std::string> expected = {"information: Es ist kein Element eingegeben worden",
                                               "information: Element ist vorhanden",
                                               "information: Element ist nicht vorhanden"};
    EXPECT_EQ(messages.log, expected);
}

TEST_F(BayerDemoTest, QuietSequenceSplitsAndRefusesLikeOneByOneInsertion) {
    // The path to 45 is full on all three levels; 90..95 split the last leaf twice.
    const char* shape =
        "[50 60 70 80]([10 20 30 40]([1 2][11 12][21 22][31 32][42 44 46 48])"
        "[53 56]([51 52][54 55][57 58])[63 66]([61 62][64 65][67 68])"
        "[73 76]([71 72][74 75][77 78])[83 86]([81 82][84 85][87 88]))";
    build(tree, shape);
    TBayerTreeDemo quiet;
    build(quiet, shape);
    std::vector<std::string> refused;
    for (const char* e : {"45", "90", "91", "92", "93", "94", "95", "50", "0"})
        refused.push_back(quiet.insertQuietly(e));
    EXPECT_EQ(refused,
              (std::vector<std::string>{"Einfügen von 45 nicht möglich, da Baumtiefe zu groß würde",
                                        "", "", "", "", "", "", "Element ist bereits vorhanden",
                                        "Ganze Zahl von 1 bis 99 eingeben"}));
    EXPECT_TRUE(messages.log.empty());

    for (int v : {45, 90, 91, 92, 93, 94, 95}) insert(v);
    EXPECT_EQ(describe(quiet), describe(tree));
    EXPECT_NE(describe(quiet).find("[83 86 90 93]([81 82][84 85][87 88][91 92][94 95])"),
              std::string::npos);
}

}  // namespace
