// The "BayerBaum" page: every handler through its button, with the exact
// messages, step texts, field contents, enabled states, pixels and file bytes;
// the demonstrations play on virtual timers, so no test waits.
#include "ui/pages/bayertreepage.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>

#include "demo/bayertreedemo.h"
#include "tests/support/recorders.h"
#include "tests/trees/bayertestsupport.h"
#include "tests/trees/treesupport.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/handout.h"

using treepagetest::enabledButtons;
using treepagetest::isBlack;
using treepagetest::isBlank;
using treepagetest::isButtonFace;
using treepagetest::usablePages;
using Lines = std::vector<std::string>;

namespace {

const std::string kFilter = "Bayer-Bäume (*.bdt)|*.bdt";
const char* const kInsert = "Zahl wird eingefügt";
const char* const kSplit = "Aufteilen der Seite und mittleres Element eine Ebene höher setzen";
const char* const kNewRoot = "Neue Wurzel erzeugen";
const char* const kDeleted = "Element wird gelöscht";
const char* const kMoveUp = "Elemente rücken auf";
const Color kMarker = 0x0000FF;

// Where two pictures of the same size differ visibly: "x,y" of the first
// pixel with a colour channel more than 2 apart, or "". An erased number may
// leave a rounding difference of one step in its anti-aliased edge pixels.
// The rows of the page boxes' bottom edges (63, 163, 263) are left out: the
// text cell of a fourth key is one pixel taller than its slot on this
// platform's font and covers that edge where it is written or erased.
std::string differences(const QImage& a, const QImage& b) {
    if (a == b) return "";
    for (int y = 0; y < a.height(); ++y) {
        const auto row = static_cast<std::size_t>(a.bytesPerLine());
        if (y % 100 == 63 || std::memcmp(a.constScanLine(y), b.constScanLine(y), row) == 0)
            continue;
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 2 || std::abs(p.green() - q.green()) > 2 ||
                std::abs(p.blue() - q.blue()) > 2)
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return "";
}

class BayerTreePageTest : public treepagetest::TreePageFixture {
protected:
    BayerTreePageTest() : TreePageFixture("TabSheetBayerBaum", "EditBEingabe", "EditBInfo") {}

    void insert(std::initializer_list<int> values) {
        for (int v : values) enter("ButtonBInsert", QString::number(v));
    }
    TBayerTreeDemo& tree() { return form->bayerTreePage().tree(); }
    std::string shape() { return describe(tree()); }
    const QImage& picture() { return image("ImageBBaum"); }
    // Loads the tree of the text form through the page's Load button.
    void loadShape(std::string_view text) {
        const std::string file = path("shape.bdt");
        writeFile(file, shapeBytes(text));
        dialogs.answers = {file};
        click("ButtonBload");
        ASSERT_EQ(dialogs.take(), Lines{"open bdt " + kFilter});
        restartSteps();
    }
    // A small blue square in the image's top left corner that only a full
    // redraw removes; the brush is the background colour again afterwards.
    void drawMarker() {
        Surface& surface = find<ImageView>("ImageBBaum")->surface();
        surface.setBrushColor(kMarker);
        surface.fillRect(0, 0, 4, 4);
        surface.setBrushColor(clBtnFace);
    }
    bool markerStands() { return picture().pixelColor(1, 1) == ImageSurface::toQColor(kMarker); }
    // Forgets the steps and blink phases seen so far.
    void restartSteps() {
        steps.clear();
        driver.phases = 0;
        driver.pauses.clear();
    }
    // The picture of a full redraw of the tree as it is now.
    QImage redrawn() {
        ImageView view(497, 305);
        RecordingText count;
        tree().zeichne(view.surface(), count);
        return view.image();
    }
};

TEST_F(BayerTreePageTest, TheFirstInsertionShowsNoStepAndDrawsTheOnePageTree) {
    enter("ButtonBInsert", "42");
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(shape(), "[42]");
    EXPECT_EQ(field("EditBAnz"), "1");
    EXPECT_EQ(field("EditBInfo"), "");
    EXPECT_TRUE(dialogs.log.empty());
    // The root page box (397, 10)-(413, 64): its left and bottom edges.
    EXPECT_TRUE(isBlack(picture(), 397, 30));
    EXPECT_TRUE(isBlack(picture(), 405, 63));
    EXPECT_TRUE(isButtonFace(picture(), 405, 64));
    EXPECT_EQ(picture(), redrawn());
    EXPECT_TRUE(hasFocus("EditBEingabe"));
}

TEST_F(BayerTreePageTest, AKeyAddedToAPageWithRoomLeavesTheAnimatedDrawing) {
    insert({10, 30});
    drawMarker();
    restartSteps();
    enter("ButtonBInsert", "20");
    EXPECT_EQ(steps, (Lines{kInsert, kInsert}));
    EXPECT_EQ(driver.pauses, std::vector<int>(4, 300));
    EXPECT_EQ(shape(), "[10 20 30]");
    EXPECT_TRUE(markerStands());
    EXPECT_EQ(field("EditBAnz"), "3");
    EXPECT_EQ(field("EditBInfo"), "");
    // The number shown below the page has been erased again.
    EXPECT_TRUE(isButtonFace(picture(), 400, 80));
}

TEST_F(BayerTreePageTest, TheFifthKeySplitsTheRootAndTheTreeIsRedrawn) {
    insert({1, 2, 3, 4});
    drawMarker();
    steps.clear();
    enter("ButtonBInsert", "5");
    EXPECT_EQ(steps, (Lines{kInsert, kSplit, kNewRoot}));
    EXPECT_EQ(shape(), "[3]([1 2][4 5])");
    EXPECT_FALSE(markerStands());
    EXPECT_EQ(picture(), redrawn());
    EXPECT_EQ(field("EditBAnz"), "5");
    // Root box and the boxes of its children 0 and 1 at (81, 110), (160, 110);
    // the new root's box of the step at (447, 40) is gone.
    for (const auto& [x, y] : {std::pair{397, 30}, {81, 130}, {160, 130}})
        EXPECT_TRUE(isBlack(picture(), x, y)) << x << "," << y;
    EXPECT_TRUE(isButtonFace(picture(), 447, 48));
}

TEST_F(BayerTreePageTest, DeletionsShowTheirStepsAndRedrawOnlyWhenThePagesChange) {
    struct Case {
        const char* before;
        int key;
        Lines steps;
        const char* after;
        bool redrawn;
    };
    const Case cases[] = {
        {"[1 2 3]", 2, {kDeleted, kMoveUp}, "[1 3]", false},
        {"[1 2 3]", 3, {kDeleted}, "[1 2]", false},
        {"[7]", 7, {kDeleted}, "", true},
        {"[3]([1 2][4 5 6])",
         1,
         {kDeleted, kMoveUp, "Mit rechtem Nachbar ausgleichen - Element vom Vorgänger übertragen",
          "Mit rechtem Nachbar ausgleichen - Erstes Element des rechten Nachbarn an die "
          "Vorgängerstelle setzen",
          kMoveUp},
         "[4]([2 3][5 6])",
         true},
        {"[4]([1 2 3][5 6])",
         6,
         {kDeleted, "Mit linkem Nachbar ausgleichen -Element rückt weiter",
          "Mit linkem Nachbar ausgleichen - Element vom Vorgänger übertragen",
          "Mit linkem Nachbar ausgleichen - letztes Element des linken Nachbarn an die "
          "Vorgängerstelle setzen"},
         "[3]([1 2][4 5])",
         true},
        {"[3]([1 2][4 5])",
         3,
         {kDeleted, "Nächst kleineres Element suchen",
          "Gelöschtes Element durch nächst kleineres Element ersetzen",
          "Mit rechtem Nachbarn verschmelzen - Element vom Vorgänger übertragen",
          "Mit rechtem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen",
          "Mit rechtem Nachbarn verschmelzen - Elemente vom Nachbarn übertragen"},
         "[1 2 4 5]",
         true},
        {"[5]([1 2 4][6 7])",
         5,
         {kDeleted, "Nächst kleineres Element suchen",
          "Gelöschtes Element durch nächst kleineres Element ersetzen"},
         "[4]([1 2][6 7])",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        loadShape(c.before);
        drawMarker();
        enter("ButtonBDelete", QString::number(c.key));
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(shape(), c.after);
        EXPECT_EQ(markerStands(), !c.redrawn);
        EXPECT_EQ(field("EditBAnz"), std::to_string(tree().count()));
        EXPECT_EQ(field("EditBInfo"), "");
        EXPECT_TRUE(dialogs.take().empty());
    }
}

TEST_F(BayerTreePageTest, EntryMistakesAreAnsweredBeforeAnythingIsLocked) {
    struct Case {
        const char* button;
        const char* entry;
        const char* message;
    };
    const Case emptyTree[] = {
        {"ButtonBInsert", "", "Es ist kein Element eingegeben worden"},
        {"ButtonBDelete", "", "Es ist kein Element eingegeben worden"},
        {"ButtonBDelete", "abc", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBDelete", "5", "Der Baum ist leer"},
        {"ButtonBlookup", "5", "Der Baum ist leer"},
        {"ButtonBlookup", "", "Der Baum ist leer"},
    };
    const Case withKeys[] = {
        {"ButtonBInsert", "", "Es ist kein Element eingegeben worden"},
        {"ButtonBInsert", "0", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBInsert", "100", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBInsert", "4 ", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBInsert", "$32", "Element ist bereits vorhanden"},
        {"ButtonBDelete", "51", "Element ist nicht vorhanden"},
        {"ButtonBDelete", "-3", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBlookup", "", "Es ist kein Element eingegeben worden"},
        {"ButtonBlookup", "x", "Ganze Zahl von 1 bis 99 eingeben"},
        {"ButtonBlookup", "50", "Element ist vorhanden"},
        {"ButtonBlookup", " 0x33", "Element ist nicht vorhanden"},
    };
    for (const Case& c : emptyTree) {
        enter(c.button, QString::fromUtf8(c.entry));
        EXPECT_EQ(dialogs.take(), Lines{std::string("information: ") + c.message})
            << c.button << " " << c.entry;
    }
    insert({50});
    driver.phases = 0;
    for (const Case& c : withKeys) {
        type("EditBInfo", "old");
        enter(c.button, QString::fromUtf8(c.entry));
        EXPECT_EQ(dialogs.take(), Lines{std::string("information: ") + c.message})
            << c.button << " " << c.entry;
        // Insert and Delete empty the info field in every case.
        if (std::string(c.button) != "ButtonBlookup") {
            EXPECT_EQ(field("EditBInfo"), "");
        }
        EXPECT_TRUE(hasFocus("EditBEingabe"));
    }
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(shape(), "[50]");
    EXPECT_FALSE(find<QAbstractButton>("BitBtnBweiter")->isEnabled());
    EXPECT_TRUE(find<QAbstractButton>("ButtonBInsert")->isEnabled());
}

TEST_F(BayerTreePageTest, AFourthLevelIsRefusedWithItsMessageAndThePageUnlocked) {
    const char* const full =
        "[30 50 70 90]([5 10 15 20]([1 2][6 7][11 12][16 17][21 22 24 26])"
        "[35 40]([31 32][36 37][41 42])[55 60]([51 52][56 57][61 62])"
        "[75 80]([71 72][76 77][81 82])[93 96]([91 92][94 95][97 98]))";
    loadShape(full);
    const QImage before = picture().copy();
    enter("ButtonBInsert", "23");
    EXPECT_EQ(dialogs.take(),
              Lines{"information: Einfügen von 23 nicht möglich, da Baumtiefe zu groß würde"});
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(shape(), full);
    EXPECT_EQ(field("EditBAnz"), "52");
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(find<QAbstractButton>("ButtonBInsert")->isEnabled());
    EXPECT_FALSE(find<QAbstractButton>("BitBtnBweiter")->isEnabled());
    // The same leaf under a parent with room splits.
    enter("ButtonBDelete", "15");
    enter("ButtonBInsert", "23");
    EXPECT_TRUE(dialogs.take().empty());
    EXPECT_EQ(tree().problem(), "");
    EXPECT_EQ(field("EditBAnz"), "52");
}

TEST_F(BayerTreePageTest, DuringADemonstrationOnlyThePageAndItsWeiterAreUsable) {
    insert({50});
    std::set<std::string> buttons, pages;
    during = [&](int phase) {
        if (phase != 1) return;
        buttons = enabledButtons(*form);
        pages = usablePages(form->pageControl());
    };
    enter("ButtonBInsert", "30");
    // "Weiter", and "Abspielen" of the lesson controls while a step waits;
    // the column's switch stays usable.
    EXPECT_EQ(buttons, (std::set<std::string>{"BitBtnBweiter", "ButtonBPlay", "ButtonBSpalte"}));
    EXPECT_EQ(pages, std::set<std::string>{"TabSheetBayerBaum"});

    const auto after = enabledButtons(*form);
    EXPECT_FALSE(after.count("BitBtnBweiter"));
    for (const char* name : {"ButtonBInsert", "ButtonBDelete", "ButtonBClear", "ButtonBlookup",
                             "ButtonBsave", "ButtonBload", "SpeedButtonEnde", "SpeedButtonInfo",
                             "ButtonTinsert", "BitBtnTWeiter", "BitBtnAweiter"}) {
        EXPECT_TRUE(after.count(name)) << name;
    }
    EXPECT_EQ(usablePages(form->pageControl()).size(), 7u);
}

TEST_F(BayerTreePageTest, EveryWaitNeedsItsOwnWeiterPress) {
    insert({10, 30});
    driver.pressAfter = 0;
    restartSteps();
    during = [&](int phase) {
        if (phase == 2 || phase == 6) click("BitBtnBweiter");
    };
    enter("ButtonBInsert", "20");
    // The press in phase 2 ends the first wait only; the second one blinks
    // until the press in phase 6.
    EXPECT_EQ(driver.phases, 6);
    EXPECT_EQ(steps, (Lines{kInsert, kInsert, kInsert}));
    EXPECT_EQ(shape(), "[10 20 30]");
}

TEST_F(BayerTreePageTest, ReturnAndEnterPressTheBayerWeiter) {
    insert({10});
    driver.pressAfter = 0;
    driver.phases = 0;
    during = [&](int phase) {
        if (phase == 1 || phase == 3)
            QTest::keyClick(find<QLineEdit>("EditBEingabe"), Qt::Key_Return);
        if (phase == 5 || phase == 7)
            QTest::keyClick(find<QLineEdit>("EditBEingabe"), Qt::Key_Enter);
    };
    enter("ButtonBInsert", "20");
    enter("ButtonBInsert", "30");
    EXPECT_EQ(driver.phases, 8);
    EXPECT_EQ(shape(), "[10 20 30]");
}

TEST_F(BayerTreePageTest, ClosingTheProgramWhileAStepWaitsEndsTheDemonstrationQuietly) {
    int quits = 0;
    form->setQuitHandler([&] { ++quits; });
    insert({10, 30});
    restartSteps();
    during = [&](int phase) {
        if (phase == 1) form->close();
    };
    enter("ButtonBInsert", "20");
    EXPECT_EQ(driver.phases, 1);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(player().running());
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(shape(), "[10 20 30]");   // the operation was done with its steps taken
    EXPECT_EQ(field("EditBAnz"), "2");  // the page was left alone
}

TEST_F(BayerTreePageTest, ClearOnAnEmptyTreeSaysSoAndShowsZero) {
    type("EditBAnz", "");
    click("ButtonBClear");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    EXPECT_EQ(field("EditBAnz"), "0");
}

TEST_F(BayerTreePageTest, ClearReplacesTheTreeAndBlanksTheImage) {
    insert({1, 2, 3, 4, 5});
    TBayerTreeDemo* before = &form->bayerTreePage().tree();
    click("ButtonBClear");
    EXPECT_TRUE(dialogs.take().empty());
    EXPECT_NE(&form->bayerTreePage().tree(), before);
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(field("EditBAnz"), "0");
    EXPECT_TRUE(isBlank(picture()));
    EXPECT_TRUE(hasFocus("EditBEingabe"));
    // The new tree shows its demonstrations on the page's player too.
    steps.clear();
    insert({7, 8});
    EXPECT_EQ(steps, (Lines{kInsert, kInsert}));
    EXPECT_EQ(field("EditBAnz"), "2");
}

TEST_F(BayerTreePageTest, SaveWritesThePagesInPreOrderAndLoadDrawsTheSameTree) {
    click("ButtonBsave");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    insert({1, 2, 3, 4, 5});
    const QImage drawn = picture().copy();
    const std::string file = path("baum.bdt");
    dialogs.answers = {file};
    click("ButtonBsave");
    EXPECT_EQ(dialogs.take(), Lines{"save bdt " + kFilter});
    const std::string integer = "06 08 54 49 6E 74 65 67 65 72 02";
    // count, has leftmost, per key: class, value, has child; then children.
    EXPECT_EQ(treetest::hex(readFile(file)),
              "02 01 09 " + integer + " 03 09 " +                            // [3]
                  "02 02 08 " + integer + " 01 08 " + integer + " 02 08 " +  // [1 2]
                  "02 02 08 " + integer + " 04 08 " + integer + " 05 08");   // [4 5]

    click("ButtonBClear");
    TBayerTreeDemo* cleared = &form->bayerTreePage().tree();
    dialogs.answers = {file};
    click("ButtonBload");
    EXPECT_EQ(dialogs.take(), Lines{"open bdt " + kFilter});
    EXPECT_NE(&form->bayerTreePage().tree(), cleared);
    EXPECT_EQ(shape(), "[3]([1 2][4 5])");
    EXPECT_EQ(field("EditBAnz"), "5");
    EXPECT_EQ(picture(), drawn);
    EXPECT_TRUE(hasFocus("EditBEingabe"));
    // The loaded tree goes on working.
    enter("ButtonBDelete", "1");
    EXPECT_EQ(shape(), "[2 3 4 5]");
}

TEST_F(BayerTreePageTest, CancelledDialogsChangeNothing) {
    insert({50});
    TBayerTreeDemo* before = &form->bayerTreePage().tree();
    click("ButtonBsave");
    click("ButtonBload");
    EXPECT_EQ(dialogs.take(), (Lines{"save bdt " + kFilter, "open bdt " + kFilter}));
    EXPECT_EQ(&form->bayerTreePage().tree(), before);
    EXPECT_EQ(shape(), "[50]");
}

TEST_F(BayerTreePageTest, ARefusedFileShowsTheErrorAndAnEmptyTree) {
    const std::string prefix = "errorBox: Die Datei enthält keinen gültigen Bayer-Baum: ";
    struct Case {
        const char* name;
        std::string bytes;
        std::string error;  // "" when only the start of the message is fixed
    };
    const std::string fiveKeys = shapeBytes("[1 2 3 4 5]");
    const std::string whole = shapeBytes("[3]([1 2][4 5])");
    const Case cases[] = {
        {"five keys", fiveKeys, prefix + "eine Seite hat 5 Schlüssel, erlaubt sind 1 bis 4"},
        {"truncated", whole.substr(0, whole.size() - 3), ""},
        {"missing", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        insert({10, 20});
        const std::string file = path(c.name);
        if (!c.bytes.empty()) writeFile(file, c.bytes);
        dialogs.answers = {file};
        click("ButtonBload");
        const Lines log = dialogs.take();
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0], "open bdt " + kFilter);
        if (c.error.empty()) {
            EXPECT_EQ(log[1].rfind("errorBox: ", 0), 0u) << log[1];
        } else {
            EXPECT_EQ(log[1], c.error);
        }
        EXPECT_TRUE(tree().empty());
        EXPECT_EQ(field("EditBAnz"), "0");
        EXPECT_TRUE(isBlank(picture()));
    }
}

TEST_F(BayerTreePageTest, RandomInsertsAndDeletesMatchASetAndTheDrawingAfterEveryStep) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> number(1, 99);
    std::set<int> reference;
    for (int i = 0; i < 400; ++i) {
        const int v = number(random);
        const bool doInsert = random() % 3 != 0;
        const std::string before = shape();
        enter(doInsert ? "ButtonBInsert" : "ButtonBDelete", QString::number(v));
        const Lines log = dialogs.take();
        if (doInsert && !reference.count(v)) {
            if (log.empty())
                reference.insert(v);
            else
                ASSERT_EQ(log, Lines{"information: Einfügen von " + std::to_string(v) +
                                     " nicht möglich, da Baumtiefe zu groß würde"});
        } else if (doInsert) {
            ASSERT_EQ(log, Lines{"information: Element ist bereits vorhanden"});
        } else if (reference.empty()) {
            ASSERT_EQ(log, Lines{"information: Der Baum ist leer"});
        } else if (!reference.erase(v)) {
            ASSERT_EQ(log, Lines{"information: Element ist nicht vorhanden"});
        }
        ASSERT_EQ(tree().problem(), "");
        ASSERT_EQ(std::size_t{tree().count()}, reference.size());
        for (int key : reference) ASSERT_TRUE(tree().lookUp(TInteger(key))) << key;
        ASSERT_EQ(field("EditBAnz"), std::to_string(reference.size()));
        ASSERT_EQ(field("EditBInfo"), "");
        ASSERT_FALSE(find<QAbstractButton>("BitBtnBweiter")->isEnabled());
        // Redrawn or left as the steps drew it, the picture is the tree's.
        ASSERT_EQ(differences(picture(), redrawn()), "")
            << i << ": " << (doInsert ? "insert " : "delete ") << v << " before " << before
            << " after " << shape();
    }
}

}  // namespace

TEST_F(BayerTreePageTest, FolgeSplitsQuietlyAndListsTheRefusedOnce) {
    EXPECT_EQ(find<QPushButton>("ButtonBFolge")->geometry(), QRect(16, 317, 113, 25));
    dialogs.sequences.push_back({"5,1 9 3 7 2, 5 8 6 4 0 10 11", 0});
    click("ButtonBFolge");
    EXPECT_EQ(dialogs.take(),
              (std::vector<std::string>{"sequence",
                                        "information: Nicht eingefügt: 5 (Element ist bereits "
                                        "vorhanden), 0 (Ganze Zahl von 1 bis 99 eingeben)"}));
    EXPECT_EQ(shape(), "[5 8]([1 2 3 4][6 7][9 10 11])");
    EXPECT_EQ(field("EditBAnz"), "11");
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(field("EditBInfo"), "");
}

TEST_F(BayerTreePageTest, HandoutOfASplitHoldsEveryStepOfTheWeiterRunAndLeavesThePage) {
    insert({10, 20, 30, 40});
    const std::string before = shape();
    const QImage pictureBefore = picture().copy();
    const std::vector<handout::Step> recorded =
        handout::recordBayerSteps(tree(), picture().size(), 50, true);
    type("EditBEingabe", "50");
    dialogs.answers.push_back(path("split.pdf"));
    find<QAction>("ImageBBaumPdfEinfuegen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save pdf PDF-Dokumente (*.pdf)|*.pdf"}));
    EXPECT_EQ(readFile(path("split.pdf")).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(shape(), before);
    EXPECT_EQ(picture(), pictureBefore);

    steps.clear();
    insert({50});
    ASSERT_EQ(recorded.size(), steps.size() + 1);  // and the result
    EXPECT_NE(std::find(steps.begin(), steps.end(), kSplit), steps.end());
    for (std::size_t k = 0; k < steps.size(); ++k)
        EXPECT_EQ(recorded[k].text.toStdString(), steps[k]) << k;
    // The result: the tree redrawn after the split, for paper.
    EXPECT_TRUE(recorded.back().result);
    EXPECT_EQ(recorded.back().drawing.ops(),
              onPaper(find<ImageView>("ImageBBaum")->drawing()).ops());
}
