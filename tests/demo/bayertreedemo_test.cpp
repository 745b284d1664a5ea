// The B-tree demonstration: which step texts appear in which order, where the
// numbers, pages and splits are drawn, the redraw flag, the full redraw and
// the look-up messages.
#include "demo/bayertreedemo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "demo/bayerdisplay.h"
#include "elements/values.h"
#include "tests/demo/demosupport.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"

namespace {

// Keeps every text the info field was given, in order.
class InfoLog final : public TextOutput {
public:
    void addLine(std::string_view utf8) override { texts.emplace_back(utf8); }
    void appendText(std::string_view utf8) override { texts.back() += utf8; }
    void setText(std::string_view utf8) override { texts.emplace_back(utf8); }
    std::string text() const override { return texts.empty() ? "" : texts.back(); }
    std::vector<std::string> texts;
};

bool contains(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

class BayerDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerBayerTreeClasses();
        clock.surface = &image;
        clock.info = &info;
    }

    TBayerTree::InsertResult insert(int v) {
        tree.redrawNeeded = false;
        return tree.insert(image, info, std::make_unique<TInteger>(v));
    }
    bool remove(int v) {
        tree.redrawNeeded = true;
        return tree.remove(image, info, std::make_unique<TInteger>(v));
    }

    RecordingMessages messages;
    RecordingSurface image{497, 305};
    InfoLog info;
    demotest::FakeClock clock;
    TBayerTreeDemo tree{clock};
};

TEST_F(BayerDemoTest, FirstInsertionShowsNoStepAndAsksForRedraw) {
    EXPECT_EQ(insert(42), TBayerTree::InsertResult::Inserted);
    EXPECT_TRUE(info.texts.empty());
    EXPECT_EQ(clock.phases, 0);
    EXPECT_TRUE(tree.redrawNeeded);
    EXPECT_EQ(describe(tree), "[42]");
}

TEST_F(BayerDemoTest, InsertionIntoPageWithRoomBlinksBelowThenThePage) {
    build(tree, "[1 3]");
    insert(2);
    const std::vector<std::string> texts = {"Zahl wird eingefügt", "Zahl wird eingefügt"};
    EXPECT_EQ(info.texts, texts);
    EXPECT_FALSE(tree.redrawNeeded);
    // Below the root page at (397, 10), then the page refilled.
    EXPECT_TRUE(contains(image.log, "text 398 76 2"));
    EXPECT_TRUE(contains(image.log, "fill 398 11 411 62"));
    EXPECT_TRUE(contains(image.log, "rect 397 10 413 64"));
    EXPECT_TRUE(contains(image.log, "text 398 24 2"));  // slot 2
    EXPECT_EQ(clock.pauses, std::vector<int>(4, 300));
}

TEST_F(BayerDemoTest, FifthKeySplitsRootThenShowsNewRoot) {
    build(tree, "[1 2 3 4]");
    insert(5);
    const std::vector<std::string> texts = {
        "Zahl wird eingefügt", "Aufteilen der Seite und mittleres Element eine Ebene höher setzen",
        "Neue Wurzel erzeugen"};
    EXPECT_EQ(info.texts, texts);
    EXPECT_TRUE(tree.redrawNeeded);
    EXPECT_EQ(describe(tree), "[3]([1 2][4 5])");
    const std::vector<std::string> drawn = image.only({"text", "rect", "fill", "moveTo", "lineTo"});
    const std::vector<std::string> expected = {
        // "Zahl wird eingefügt": 5 below the root, one cycle.
        "text 398 76 5", "text 398 76 5",
        // The split at the root: halves above and below, 3 blinking between.
        "fill 397 10 413 70", "rect 397 10 413 40", "rect 397 59 413 89", "text 398 11 1",
        "text 398 24 2", "text 398 60 4", "text 398 73 5", "text 398 41 3", "text 398 41 3",
        // The new root box and its two lines, 3 blinking in it.
        "rect 447 40 463 55", "moveTo 413 10", "lineTo 447 40", "moveTo 413 58", "lineTo 447 55",
        "text 448 41 3", "text 448 41 3"};
    EXPECT_EQ(drawn, expected);
}

TEST_F(BayerDemoTest, DeletingOneOfThreeLeafKeysNeedsNoRedraw) {
    build(tree, "[1 2 3]");
    remove(2);
    EXPECT_EQ(info.texts,
              (std::vector<std::string>{"Element wird gelöscht", "Elemente rücken auf"}));
    EXPECT_FALSE(tree.redrawNeeded);
    info.texts.clear();
    remove(3);  // the last key: nothing moves up
    EXPECT_EQ(info.texts, std::vector<std::string>{"Element wird gelöscht"});
    EXPECT_TRUE(contains(image.log, "text 398 24 3"));  // slot 2 of [1 3]
}

TEST_F(BayerDemoTest, DeletingInnerKeyShowsTheThreeTextsInOrder) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22 23])[40 50]([31 32][41 42][51 52]))");
    remove(30);
    const std::vector<std::string> texts = {
        "Element wird gelöscht", "Nächst kleineres Element suchen",
        "Gelöschtes Element durch nächst kleineres Element ersetzen"};
    EXPECT_EQ(info.texts, texts);
    EXPECT_FALSE(tree.redrawNeeded);
    // 23 is in slot 3 of the last child of [10 20]: root (397,10), its child
    // 0 at (81, 110), that page's child 2 at (81 - 64 + 32, 210).
    EXPECT_TRUE(contains(image.log, "text 50 237 23"));
    EXPECT_TRUE(contains(image.log, "text 398 11 23"));
}

TEST_F(BayerDemoTest, BorrowFromRightShowsItsThreeSteps) {
    build(tree, "[3]([1 2][4 5 6])");
    remove(1);
    // The leaf's own step first: 2 moved up into slot 1.
    const std::vector<std::string> texts = {
        "Element wird gelöscht", "Elemente rücken auf",
        "Mit rechtem Nachbar ausgleichen - Element vom Vorgänger übertragen",
        "Mit rechtem Nachbar ausgleichen - Erstes Element des rechten Nachbarn an die "
        "Vorgängerstelle setzen",
        "Elemente rücken auf"};
    EXPECT_EQ(info.texts, texts);
    EXPECT_TRUE(tree.redrawNeeded);
}

TEST_F(BayerDemoTest, BorrowOnSecondLevelMovesTheLineOfTheLentChild) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50 60]([31 32][41 42][51 52][61 62]))");
    remove(1);
    // a = [20] at (81, 110) takes b's leftmost child [31 32], which stands at
    // (96, 210): its line from b (159, 110) is erased, one from a drawn.
    const std::vector<std::string> lines = image.only({"pen", "moveTo", "lineTo"});
    const std::vector<std::string> expected = {"pen -2147483633", "moveTo 159 110",
                                               "lineTo 104 210",  "pen 0",
                                               "moveTo 96 136",   "lineTo 104 210"};
    auto at = std::search(lines.begin(), lines.end(), expected.begin(), expected.end());
    EXPECT_NE(at, lines.end());
    EXPECT_EQ(tree.problem(), "");
}

TEST_F(BayerDemoTest, MergeWithLeftErasesTheEmptiedPage) {
    build(tree, "[3]([1 2][4 5])");
    remove(5);
    const std::vector<std::string> texts = {
        "Element wird gelöscht",
        "Mit linkem Nachbarn verschmelzen - Element vom Vorgänger übertragen",
        "Mit linkem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen"};
    EXPECT_EQ(info.texts, texts);
    // a = [4] at (160, 110) loses its box; the connector from (396, 23).
    const std::vector<std::string> tail(image.log.end() - 5, image.log.end());
    const std::vector<std::string> expected = {"pen -2147483633", "rect 160 110 176 164",
                                               "pen -2147483633", "moveTo 396 23",
                                               "lineTo 168 110"};
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(describe(tree), "[1 2 3 4]");
}

TEST_F(BayerDemoTest, RefusedInsertionShowsOnlyTheMessage) {
    build(tree,
          "[60 200 300 400]("
          "[20 30 40 50]([1 2][21 22][31 32][41 42][52 54 56 58])"
          "[120 140]([61 62][121 122][141 142])"
          "[220 240]([201 202][221 222][241 242])"
          "[320 340]([301 302][321 322][341 342])"
          "[420 440]([401 402][421 422][441 442]))");
    EXPECT_EQ(insert(57), TBayerTree::InsertResult::Refused);
    EXPECT_TRUE(info.texts.empty());
    EXPECT_EQ(messages.log,
              std::vector<std::string>{
                  "information: Einfügen von 57 nicht möglich, da Baumtiefe zu groß würde"});
}

TEST_F(BayerDemoTest, EveryWaitShowsAFullCycleEvenWhenWeiterWasPressedBefore) {
    build(tree, "[1 3]");
    clock.weiterPressed = true;
    insert(2);
    EXPECT_EQ(clock.phases, 4);  // two waits, two phases each
    EXPECT_FALSE(clock.weiterPressed);
}

TEST_F(BayerDemoTest, CancelledWaitFinishesTheOperationSilently) {
    build(tree, "[30]([10 20]([1 2][11 12][21 22])[40 50]([31 32][41 42][51 52]))");
    clock.cancelAt = 1;
    EXPECT_THROW(remove(30), DemoCancelled);
    EXPECT_EQ(describe(tree), "[10 22 40 50]([1 2][11 12 20 21][31 32][41 42][51 52])");
    EXPECT_EQ(tree.problem(), "");
    EXPECT_EQ(clock.phases, 1);
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
    demotest::FakeClock quietClock;
    TBayerTreeDemo quiet{quietClock};
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
