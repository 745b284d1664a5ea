// The "Suchbaum" page: every handler through its button, with the exact
// messages, field contents, step texts, enabled states and pixels; the
// demonstrations play on virtual timers, so no test waits.
#include "ui/pages/searchtreepage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

#include "demo/searchtreedemo.h"
#include "tests/trees/searchsupport.h"
#include "tests/trees/treesupport.h"
#include "tests/ui/treepagesupport.h"
#include "trees/searchtree.h"

using treepagetest::enabledButtons;
using treepagetest::usablePages;
using Lines = std::vector<std::string>;

namespace {

const std::string kFilter = "Binäre Suchbäume (*.tdt)|*.tdt";
const std::string kTreeIntegerName = "06 0C 54 54 72 65 65 49 6E 74 65 67 65 72";
const std::string kStringName = "06 07 54 53 74 72 69 6E 67";

class SearchTreePageTest : public treepagetest::TreePageFixture {
protected:
    SearchTreePageTest() : TreePageFixture("TabSheetSuchbaum", "EditTEingabe", "EditTinfo") {}

    void insert(std::initializer_list<int> values) {
        for (int v : values) enter("ButtonTinsert", QString::number(v));
    }
    TSearchTreeDemo& tree() { return form->searchTreePage().tree(); }
    std::string shape() { return searchtest::shape(tree().root.get()); }
    Lines fields() { return {field("EditTTiefe"), field("EditTAnz"), field("EditTAusgeglichen")}; }
    const QImage& picture() { return image("ImageTbaum"); }
};

TEST_F(SearchTreePageTest, InsertingOneTwoThreeGivesDepthThreeCountThreeAndNein) {
    insert({1, 2, 3});
    EXPECT_EQ(shape(), "1(-,2(-,3))");
    EXPECT_EQ(fields(), (Lines{"3", "3", "Nein"}));
    EXPECT_EQ(steps, (Lines(3, "Einfügestelle gefunden")));
    EXPECT_EQ(driver.pauses, std::vector<int>(6, 300));
    EXPECT_EQ(field("EditTinfo"), "");
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_TRUE(hasFocus("EditTEingabe"));
}

TEST_F(SearchTreePageTest, BalanceRebuildsOnceThenSaysAlreadyBalanced) {
    insert({1, 2, 3});
    click("ButtonTBalance");
    EXPECT_EQ(shape(), "2(1,3)");
    EXPECT_EQ(fields(), (Lines{"2", "3", "JA"}));
    EXPECT_TRUE(dialogs.take().empty());
    click("ButtonTBalance");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist bereits ausgeglichen"});
    EXPECT_EQ(shape(), "2(1,3)");
}

TEST_F(SearchTreePageTest, BalanceOnAnEmptyTreeSaysTheTreeIsEmpty) {
    click("ButtonTBalance");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
}

TEST_F(SearchTreePageTest, TheNewNumbersLineBlinksFromBelowTheParentAndEndsVisible) {
    insert({50});
    steps.clear();
    // (248, 20) is the first pixel of the line from below 50 to 30's place.
    std::vector<bool> black;
    during = [&](int) { black.push_back(treepagetest::isBlack(picture(), 248, 20)); };
    driver.phases = 0;
    driver.pressAfter = 4;  // two full cycles
    insert({30});
    EXPECT_EQ(black, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(steps, (Lines{"Einfügestelle gefunden", "Einfügestelle gefunden"}));
    // The final redraw draws the same line (its start is then covered by the
    // text cell of 50); (186, 30) is its middle.
    EXPECT_TRUE(treepagetest::isBlack(picture(), 186, 30));
    EXPECT_EQ(fields(), (Lines{"2", "2", "JA"}));
}

TEST_F(SearchTreePageTest, EntryMistakesAreAnsweredBeforeAnythingIsLocked) {
    insert({50});
    driver.phases = 0;
    type("EditTEingabe", "");
    click("ButtonTinsert");
    enter("ButtonTinsert", "abc");
    enter("ButtonTinsert", "0");
    enter("ButtonTinsert", "100");
    enter("ButtonTinsert", "50");
    enter("ButtonTdelete", "51");
    EXPECT_EQ(dialogs.take(), (Lines{"information: Es ist kein Element eingegeben worden",
                                     "information: Ganze Zahl von 1 bis 99 eingeben",
                                     "information: Ganze Zahl von 1 bis 99 eingeben",
                                     "information: Ganze Zahl von 1 bis 99 eingeben",
                                     "information: Element ist bereits vorhanden",
                                     "information: Element ist nicht vorhanden"}));
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(shape(), "50");
    EXPECT_FALSE(find<QAbstractButton>("BitBtnTWeiter")->isEnabled());
    EXPECT_TRUE(hasFocus("EditTEingabe"));
}

TEST_F(SearchTreePageTest, HexadecimalEntriesAreNumbers) {
    enter("ButtonTinsert", "$1F");
    enter("ButtonTinsert", " 0x0A");
    EXPECT_EQ(shape(), "31(10,-)");
}

TEST_F(SearchTreePageTest, DeletingANodeWithOnlyALeftChildShowsItsFourSteps) {
    insert({50, 30, 20});
    steps.clear();
    enter("ButtonTdelete", "30");
    EXPECT_EQ(steps, (Lines{"Zahl gefunden", "Hilfszeiger setzen", "Auf linken Teilbaum verweisen",
                            "Speicher freigeben"}));
    EXPECT_EQ(shape(), "50(20,-)");
    EXPECT_EQ(fields(), (Lines{"2", "2", "JA"}));
    EXPECT_EQ(field("EditTinfo"), "");
}

TEST_F(SearchTreePageTest, DeletingWithTwoChildrenTakesTheNextSmallerNumber) {
    insert({50, 30, 70, 20, 40, 35});
    steps.clear();
    enter("ButtonTdelete", "50");
    EXPECT_EQ(steps,
              (Lines{"Zahl gefunden", "Hilfszeiger setzen", "Nächst kleinere Zahl auswählen",
                     "Zu löschende Zahl durch nächst kleinere Zahl ersetzen", "Hilfszeiger setzen",
                     "Linken Teilbaum anhängen", "Speicher freigeben"}));
    EXPECT_EQ(shape(), "40(30(20,35),70)");
    EXPECT_EQ(fields(), (Lines{"3", "5", "JA"}));
}

TEST_F(SearchTreePageTest, DeletingTheLastNumberLeavesABlankImage) {
    insert({42});
    enter("ButtonTdelete", "42");
    EXPECT_EQ(steps.back(), "Zahl gefunden - Speicher wird freigegeben");
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0", "JA"}));
    EXPECT_TRUE(treepagetest::isBlank(picture()));
}

TEST_F(SearchTreePageTest, DeleteOnAnEmptyTreeSaysTheTreeIsEmpty) {
    enter("ButtonTdelete", "5");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    EXPECT_EQ(driver.phases, 0);
}

TEST_F(SearchTreePageTest, APlaceOnLevelSevenIsRefusedAndThePageUnlocked) {
    insert({60, 50, 40, 30, 20, 10});
    EXPECT_EQ(field("EditTTiefe"), "6");
    driver.phases = 0;
    enter("ButtonTinsert", "5");
    EXPECT_EQ(dialogs.take(),
              Lines{"information: Der Baum wird zu tief - Element wird nicht eingefügt"});
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(fields(), (Lines{"6", "6", "Nein"}));
    EXPECT_TRUE(find<QAbstractButton>("ButtonTinsert")->isEnabled());
    EXPECT_FALSE(find<QAbstractButton>("BitBtnTWeiter")->isEnabled());
    enter("ButtonTinsert", "25");  // level 6 is still allowed
    EXPECT_EQ(field("EditTAnz"), "7");
}

TEST_F(SearchTreePageTest, LookupAnswersWithoutStepsOrLocking) {
    click("ButtonTlookup");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    insert({50, 30});
    driver.phases = 0;
    enter("ButtonTlookup", "30");
    enter("ButtonTlookup", "31");
    type("EditTEingabe", "");
    click("ButtonTlookup");
    EXPECT_EQ(dialogs.take(), (Lines{"information: Element ist vorhanden",
                                     "information: Element ist nicht vorhanden",
                                     "information: Es ist kein Element eingegeben worden"}));
    EXPECT_EQ(driver.phases, 0);
    EXPECT_TRUE(hasFocus("EditTEingabe"));
}

TEST_F(SearchTreePageTest, ClearOnAnEmptyTreeSaysSoAndStillSetsTheFields) {
    click("ButtonTclear");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    EXPECT_EQ(fields(), (Lines{"0", "0", ""}));
}

TEST_F(SearchTreePageTest, ClearEmptiesTreeAndImageButKeepsTheLevelListing) {
    insert({50, 30});
    click("BitBtnEbene");
    const std::string listing = memo("MemoEbene");
    TSearchTreeDemo* before = &form->searchTreePage().tree();
    click("ButtonTclear");
    EXPECT_TRUE(dialogs.take().empty());
    EXPECT_NE(&form->searchTreePage().tree(), before);
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0", ""}));
    EXPECT_TRUE(treepagetest::isBlank(picture()));
    EXPECT_EQ(memo("MemoEbene"), listing);
    // The new tree works on the page.
    insert({7});
    EXPECT_EQ(fields(), (Lines{"1", "1", "JA"}));
}

TEST_F(SearchTreePageTest, EbenenListsEachLevelOnItsOwnLine) {
    click("BitBtnEbene");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    insert({50, 30, 70, 40});
    click("BitBtnEbene");
    EXPECT_EQ(memo("MemoEbene"), "50  \n30  70  \n40  \n");
    click("BitBtnEbene");  // replaces, does not append
    EXPECT_EQ(memo("MemoEbene"), "50  \n30  70  \n40  \n");
}

TEST_F(SearchTreePageTest, SaveWritesTheTreeFileAndLoadDrawsTheSameTree) {
    click("ButtonTsave");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    insert({50, 30});
    const QImage drawn = picture().copy();
    const std::string file = path("baum.tdt");
    dialogs.answers = {file};
    click("ButtonTsave");
    EXPECT_EQ(dialogs.take(), Lines{"save tdt " + kFilter});
    EXPECT_EQ(treetest::hex(readFile(file)),
              kTreeIntegerName + " 02 32 09 08 " + kTreeIntegerName + " 02 1E 08 08");

    click("ButtonTclear");
    dialogs.answers = {file};
    click("ButtonTload");
    EXPECT_EQ(dialogs.take(), Lines{"open tdt " + kFilter});
    EXPECT_EQ(shape(), "50(30,-)");
    EXPECT_EQ(fields(), (Lines{"2", "2", "JA"}));
    EXPECT_EQ(picture(), drawn);
    EXPECT_TRUE(hasFocus("EditTEingabe"));
}

TEST_F(SearchTreePageTest, ATreeDeeperThanTheImageLoadsAsTheWholeTreeDrawsIt) {
    // 2000 keys in a random order and a chain of 30 beyond them: most nodes
    // stand below the image's bottom edge, some lines cross it.
    TSearchTree deep;
    std::vector<int> keys(2000);
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(4711));
    for (int key = 2001; key <= 2030; ++key) keys.push_back(key);
    for (int key : keys) deep.insert(std::make_unique<TTreeInteger>(key));
    const std::string file = path("tief.tdt");
    deep.save(file);
    dialogs.answers = {file};
    click("ButtonTload");
    EXPECT_EQ(dialogs.take(), Lines{"open tdt " + kFilter});

    QImage whole(picture().size(), picture().format());
    ImageSurface surface(whole);
    surface.setBrushColor(clBtnFace);
    surface.fillRect(0, 0, whole.width(), whole.height());
    deep.paint(surface, whole.width() / 2, 10, 30, 10, whole.width() / 2, false);
    EXPECT_EQ(picture(), whole);
    EXPECT_TRUE(find<ImageView>("ImageTbaum")->drawing().ops() == surface.record().ops());
    EXPECT_EQ(fields(), (Lines{std::to_string(deep.depth()), "2030", "Nein"}));
}

TEST_F(SearchTreePageTest, CancelledDialogsChangeNothing) {
    insert({50});
    TSearchTreeDemo* before = &form->searchTreePage().tree();
    click("ButtonTsave");
    click("ButtonTload");
    EXPECT_EQ(dialogs.take(), (Lines{"save tdt " + kFilter, "open tdt " + kFilter}));
    EXPECT_EQ(&form->searchTreePage().tree(), before);
    EXPECT_EQ(shape(), "50");
}

TEST_F(SearchTreePageTest, AFileOfStringsIsRefusedAndThePageShowsAnEmptyTree) {
    insert({50, 30});
    // TString "b" with TString "a" on its left: a search tree, but not of numbers.
    const std::string file = path("strings.tdt");
    writeFile(file,
              treetest::unhex(kStringName + " 06 01 62 09 08 " + kStringName + " 06 01 61 08 08"));
    dialogs.answers = {file};
    click("ButtonTload");
    EXPECT_EQ(dialogs.take(),
              (Lines{"open tdt " + kFilter, std::string("errorBox: ") + kNotPageNumbersFile}));
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0", "JA"}));
    EXPECT_TRUE(treepagetest::isBlank(picture()));
    insert({9});
    EXPECT_EQ(shape(), "9");
}

TEST_F(SearchTreePageTest, AnUnorderedOrTruncatedFileIsRefusedAndThePageShowsAnEmptyTree) {
    insert({50});
    const std::string file = path("bad.tdt");
    // 30 with 50 on its left.
    writeFile(file, treetest::unhex(kTreeIntegerName + " 02 1E 09 08 " + kTreeIntegerName +
                                    " 02 32 08 08"));
    dialogs.answers = {file};
    click("ButtonTload");
    Lines log = dialogs.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], std::string("errorBox: ") + kUnorderedFile);
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(field("EditTAnz"), "0");

    // The first record of a two-node tree, then the end of the file.
    writeFile(file, treetest::unhex(kTreeIntegerName + " 02 32 09"));
    dialogs.answers = {file};
    click("ButtonTload");
    log = dialogs.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("errorBox: ", 0), 0u);
    EXPECT_TRUE(tree().empty());
    EXPECT_TRUE(treepagetest::isBlank(picture()));
}

TEST_F(SearchTreePageTest, DuringADemonstrationOnlyThePageAndItsWeiterAreUsable) {
    insert({50});
    driver.phases = 0;
    std::set<std::string> buttons, pages;
    bool enteredFocus = false;
    during = [&](int phase) {
        if (phase != 1) return;
        buttons = enabledButtons(*form);
        pages = usablePages(form->pageControl());
        enteredFocus = form->pageControl().currentWidget()->objectName() == "TabSheetSuchbaum";
    };
    enter("ButtonTinsert", "30");
    // "Weiter", and "Abspielen" of the lesson controls while a step waits;
    // the column's switch stays usable.
    EXPECT_EQ(buttons, (std::set<std::string>{"BitBtnTWeiter", "ButtonTPlay", "ButtonTSpalte"}));
    EXPECT_EQ(pages, std::set<std::string>{"TabSheetSuchbaum"});
    EXPECT_TRUE(enteredFocus);

    const auto after = enabledButtons(*form);
    EXPECT_FALSE(after.count("BitBtnTWeiter"));
    for (const char* name :
         {"ButtonTinsert", "ButtonTdelete", "ButtonTclear", "ButtonTlookup", "ButtonTsave",
          "ButtonTload", "ButtonTBalance", "BitBtnEbene", "SpeedButtonEnde", "SpeedButtonInfo",
          "ButtonLInsert", "ButtonAInsert", "BitBtnAweiter", "BitBtnBweiter"}) {
        EXPECT_TRUE(after.count(name)) << name;
    }
    EXPECT_EQ(usablePages(form->pageControl()).size(), 7u);
}

TEST_F(SearchTreePageTest, AMnemonicClickThatADemonstrationOvertakesIsDropped) {
    insert({50});
    driver.phases = 0;
    // Alt+O clicks "Lookup" a moment after the key; "Insert" starts the
    // demonstration before that, and the click falls due in its first step.
    during = [&](int phase) {
        if (phase == 1) QTest::qWait(250);
    };
    type("EditTEingabe", "30");
    QTest::keyClick(find<QLineEdit>("EditTEingabe"), Qt::Key_O, Qt::AltModifier);
    click("ButtonTinsert");
    EXPECT_EQ(driver.phases, 2);
    EXPECT_EQ(shape(), "50(30,-)");
    EXPECT_EQ(dialogs.take(), Lines{});
    // Unlocked, the button answers again.
    click("ButtonTlookup");
    EXPECT_EQ(dialogs.take(), Lines{"information: Element ist vorhanden"});
}

TEST_F(SearchTreePageTest, WeiterPressedTwiceInOneStepAdvancesOnlyOneStep) {
    insert({50, 30, 20});
    steps.clear();
    driver.pressAfter = 0;
    driver.phases = 0;
    during = [&](int phase) {
        if (phase == 1) {
            click("BitBtnTWeiter");
            click("BitBtnTWeiter");
        }
        if (phase == 6 || phase == 8 || phase == 10) click("BitBtnTWeiter");
    };
    enter("ButtonTdelete", "30");
    // Step 1 ends after phase 2; step 2 waits until the press in phase 6.
    EXPECT_EQ(driver.phases, 10);
    EXPECT_EQ(steps, (Lines{"Zahl gefunden", "Hilfszeiger setzen", "Hilfszeiger setzen",
                            "Auf linken Teilbaum verweisen", "Speicher freigeben"}));
}

TEST_F(SearchTreePageTest, ReturnAndEnterPressTheWeiterButtonOfTheRunningPage) {
    insert({50});
    driver.pressAfter = 0;
    driver.phases = 0;
    during = [&](int phase) {
        if (phase == 1) QTest::keyClick(find<QLineEdit>("EditTEingabe"), Qt::Key_Return);
        if (phase == 3) QTest::keyClick(find<QLineEdit>("EditTEingabe"), Qt::Key_Enter);
    };
    enter("ButtonTinsert", "30");
    EXPECT_EQ(driver.phases, 2);
    enter("ButtonTinsert", "70");
    EXPECT_EQ(driver.phases, 4);
    EXPECT_EQ(shape(), "50(30,70)");
    // Without a demonstration the keys press nothing: "Weiter" is disabled
    // and Return presses "Insert", whose number is present.
    EXPECT_FALSE(find<QPushButton>("BitBtnTWeiter")->isEnabled());
    QTest::keyClick(find<QLineEdit>("EditTEingabe"), Qt::Key_Return);
    EXPECT_FALSE(player().running());
    EXPECT_EQ(driver.phases, 4);
}

TEST_F(SearchTreePageTest, RandomInsertsAndDeletesMatchASetAfterEveryStep) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> number(1, 99);
    std::set<int> reference;
    for (int i = 0; i < 150; ++i) {
        const int v = number(random);
        const bool doInsert = random() % 3 != 0;
        enter(doInsert ? "ButtonTinsert" : "ButtonTdelete", QString::number(v));
        const Lines log = dialogs.take();
        if (doInsert && !reference.count(v)) {
            if (log.empty())
                reference.insert(v);
            else
                EXPECT_EQ(log, Lines{"information: Der Baum wird zu tief - Element wird nicht "
                                     "eingefügt"});
        } else if (doInsert) {
            EXPECT_EQ(log, Lines{"information: Element ist bereits vorhanden"});
        } else if (reference.empty()) {
            EXPECT_EQ(log, Lines{"information: Der Baum ist leer"});
        } else if (!reference.erase(v)) {
            EXPECT_EQ(log, Lines{"information: Element ist nicht vorhanden"});
        }
        ASSERT_EQ(searchtest::inOrderValues(tree().root.get()),
                  std::vector<int>(reference.begin(), reference.end()));
        ASSERT_TRUE(tree().verify());
        ASSERT_LE(tree().depth(), 6);
        ASSERT_FALSE(find<QAbstractButton>("BitBtnTWeiter")->isEnabled());
        // The fields are refreshed by every operation that ran.
        if (!log.empty() && log[0].find("zu tief") == std::string::npos) continue;
        ASSERT_EQ(field("EditTAnz"), std::to_string(reference.size()));
        ASSERT_EQ(field("EditTTiefe"), std::to_string(tree().depth()));
        ASSERT_EQ(field("EditTAusgeglichen"), tree().balanced() ? "JA" : "Nein");
    }
}

}  // namespace

TEST_F(SearchTreePageTest, FolgeInsertsQuietlyRedrawsLikeInsertAndListsTheRefusedOnce) {
    EXPECT_EQ(find<QPushButton>("ButtonTFolge")->geometry(), QRect(16, 369, 113, 25));
    click("ButtonTFolge");  // cancelled: nothing happens
    EXPECT_EQ(dialogs.take(), Lines{"sequence"});
    EXPECT_EQ(shape(), "-");

    insert({50});
    steps.clear();
    dialogs.sequences.push_back({"30 70,x 50 105, 20", 0});
    click("ButtonTFolge");
    EXPECT_EQ(dialogs.take(),
              (Lines{"sequence",
                     "information: Nicht eingefügt: x (Ganze Zahl von 1 bis 99 eingeben), 50 "
                     "(Element ist bereits vorhanden), 105 (Ganze Zahl von 1 bis 99 eingeben)"}));
    EXPECT_EQ(shape(), "50(30(20,-),70)");
    EXPECT_EQ(fields(), (Lines{"3", "4", "JA"}));
    EXPECT_TRUE(steps.empty());

    // The same picture as inserting the numbers one by one.
    const QImage quiet = picture().copy();
    click("ButtonTclear");
    insert({50, 30, 70, 20});
    EXPECT_EQ(picture(), quiet);
}

// After a demonstration the number stays selected in the entry, so typing
// replaces it, and Return presses "Insert" only for a number typed since.
TEST_F(SearchTreePageTest, AfterADeletionReturnInsertsNothingUntilANumberIsTyped) {
    insert({50, 30});
    enter("ButtonTdelete", "30");
    auto* entry = find<QLineEdit>("EditTEingabe");
    EXPECT_TRUE(hasFocus("EditTEingabe"));
    EXPECT_EQ(entry->selectedText(), "30");
    const int phases = driver.phases;
    QTest::keyClick(entry, Qt::Key_Return);
    play();
    EXPECT_EQ(shape(), "50");
    EXPECT_EQ(driver.phases, phases);
    EXPECT_TRUE(dialogs.take().empty());
    QTest::keyClicks(entry, "40");  // replaces the selected 30
    EXPECT_EQ(entry->text(), "40");
    QTest::keyClick(entry, Qt::Key_Return);
    play();
    EXPECT_EQ(shape(), "50(40,-)");
}

// Clear, Load, Balance and a sequence change the tree outside a
// demonstration: the steps of the last one, which show another tree, are
// forgotten.
TEST_F(SearchTreePageTest, ChangingTheTreeOutsideADemonstrationForgetsItsSteps) {
    auto* back = find<QPushButton>("ButtonTBack");
    auto* list = find<QListWidget>("ListBoxTSteps");
    const std::function<void()> changes[] = {
        [&] { click("ButtonTclear"); },
        [&] {
            writeFile(path("t.tdt"), "");
            dialogs.answers = {path("t.tdt")};
            click("ButtonTload");
        },
        [&] { click("ButtonTBalance"); },
        [&] {
            dialogs.sequences.push_back({"77", 0});
            click("ButtonTFolge");
        },
    };
    for (const auto& change : changes) {
        click("ButtonTclear");
        insert({10, 20, 40});
        enter("ButtonTinsert", "30");  // one step
        ASSERT_EQ(list->count(), 1);
        EXPECT_FALSE(back->isEnabled());
        enter("ButtonTdelete", "10");  // leaves 20(-,40(30,-)), not balanced
        ASSERT_GT(list->count(), 1);
        EXPECT_TRUE(back->isEnabled());
        change();
        dialogs.take();
        EXPECT_EQ(list->count(), 0);
        EXPECT_FALSE(back->isEnabled());
        EXPECT_EQ(player().playback().size(), 0);
    }
}
