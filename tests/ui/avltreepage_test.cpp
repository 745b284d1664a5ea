// The "AVL-Baum" page: every handler through its button, with the exact
// messages, field contents, step texts (rotations included) and enabled
// states; the demonstrations play on virtual timers, so no test waits.
#include "ui/pages/avltreepage.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <random>
#include <set>

#include "demo/avltreedemo.h"
#include "demo/searchtreedemo.h"
#include "demo/step.h"
#include "tests/trees/searchsupport.h"
#include "tests/trees/treesupport.h"
#include "tests/ui/treepagesupport.h"
#include "trees/avltree.h"
#include "ui/pages/handout.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"

using treepagetest::enabledButtons;
using treepagetest::usablePages;
using Lines = std::vector<std::string>;

namespace {

const std::string kFilter = "AVL-Bäume (*.adt)|*.adt";
const std::string kTreeIntegerName = "06 0C 54 54 72 65 65 49 6E 74 65 67 65 72";
const std::string kIntegerName = "06 08 54 49 6E 74 65 67 65 72";

class AvlTreePageTest : public treepagetest::TreePageFixture {
protected:
    AvlTreePageTest() : TreePageFixture("TabSheetAVLBaum", "EditAEingabe", "EditAinfo") {}

    void insert(std::initializer_list<int> values) {
        for (int v : values) enter("ButtonAInsert", QString::number(v));
    }
    TAvlTreeDemo& tree() { return form->avlTreePage().tree(); }
    std::string shape() { return searchtest::shape(tree().root.get()); }
    Lines fields() { return {field("EditAtiefe"), field("EditAanz")}; }
    const QImage& picture() { return image("ImageABaum"); }
};

TEST_F(AvlTreePageTest, InsertingThreeTwoOneShowsTheViolationAndTheLLRotation) {
    insert({3, 2});
    steps.clear();
    insert({1});
    EXPECT_EQ(steps, (Lines{"Einfügestelle gefunden", "Bei 3 ist die AVL-Eigenschaft verletzt",
                            "LL-Rotation wird durchgeführt", "LL-Rotation wird durchgeführt"}));
    EXPECT_EQ(shape(), "2[0](1[0],3[0])");
    EXPECT_EQ(fields(), (Lines{"2", "3"}));
    EXPECT_EQ(field("EditAinfo"), "");
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_TRUE(hasFocus("EditAEingabe"));
}

TEST_F(AvlTreePageTest, InsertingOneTwoThreeGivesDepthTwoAndCountThree) {
    insert({1, 2, 3});
    EXPECT_EQ(fields(), (Lines{"2", "3"}));
    EXPECT_EQ(shape(), "2[0](1[0],3[0])");
    // The page has no balanced field and no level listing.
    EXPECT_EQ(form->findChild<QWidget*>("EditTAusgeglichen")->parentWidget()->objectName(),
              "TabSheetSuchbaum");
}

TEST_F(AvlTreePageTest, InsertingOneThreeTwoShowsTheRLRotation) {
    insert({1, 3});
    steps.clear();
    insert({2});
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[1], "Bei 1 ist die AVL-Eigenschaft verletzt");
    for (std::size_t i = 2; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], "RL-Rotation wird durchgeführt");
    EXPECT_EQ(shape(), "2[0](1[0],3[0])");
}

TEST_F(AvlTreePageTest, DeletingWithARotationRedrawsThenShowsTheRRRotation) {
    insert({2, 1, 4, 3, 5});
    steps.clear();
    enter("ButtonADelete", "1");
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[0], "Zahl gefunden - Speicher wird freigegeben");
    EXPECT_EQ(steps[1], "Bei 2 ist die AVL-Eigenschaft verletzt");
    EXPECT_EQ(steps[2], "RR-Rotation wird durchgeführt");
    EXPECT_EQ(shape(), "4[-1](2[1](-,3[0]),5[0])");
    EXPECT_EQ(fields(), (Lines{"3", "4"}));
}

TEST_F(AvlTreePageTest, EntryMistakesAndEmptyTreeAreAnsweredWithoutSteps) {
    enter("ButtonADelete", "5");
    click("ButtonAlookup");
    click("ButtonAsave");
    insert({50});
    driver.phases = 0;
    type("EditAEingabe", "");
    click("ButtonAInsert");
    enter("ButtonAInsert", "x");
    enter("ButtonAInsert", "50");
    enter("ButtonADelete", "49");
    enter("ButtonAlookup", "50");
    enter("ButtonAlookup", "49");
    EXPECT_EQ(
        dialogs.take(),
        (Lines{"information: Der Baum ist leer", "information: Der Baum ist leer",
               "information: Der Baum ist leer",
               "information: Es ist kein Element eingegeben worden",
               "information: Ganze Zahl von 1 bis 99 eingeben",
               "information: Element ist bereits vorhanden",
               "information: Element ist nicht vorhanden", "information: Element ist vorhanden",
               "information: Element ist nicht vorhanden"}));
    EXPECT_EQ(driver.phases, 0);
    EXPECT_EQ(shape(), "50[0]");
}

TEST_F(AvlTreePageTest, ClearOnAnEmptyTreeSaysSoAndStillSetsDepthAndCount) {
    click("ButtonAClear");
    EXPECT_EQ(dialogs.take(), Lines{"information: Der Baum ist leer"});
    EXPECT_EQ(fields(), (Lines{"0", "0"}));
}

TEST_F(AvlTreePageTest, ClearReplacesTheTreeAndBlanksTheImage) {
    insert({5, 6});
    TAvlTreeDemo* before = &form->avlTreePage().tree();
    click("ButtonAClear");
    EXPECT_TRUE(dialogs.take().empty());
    EXPECT_NE(&form->avlTreePage().tree(), before);
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0"}));
    EXPECT_TRUE(treepagetest::isBlank(picture()));
    insert({8});
    EXPECT_EQ(fields(), (Lines{"1", "1"}));
}

TEST_F(AvlTreePageTest, SaveWritesTheFactorsAndLoadDrawsTheSameTree) {
    insert({50, 30});
    const QImage drawn = picture().copy();
    const std::string file = path("baum.adt");
    dialogs.answers = {file};
    click("ButtonAsave");
    EXPECT_EQ(dialogs.take(), Lines{"save adt " + kFilter});
    EXPECT_EQ(treetest::hex(readFile(file)),
              kTreeIntegerName + " 02 32 02 FF 09 08 " + kTreeIntegerName + " 02 1E 02 00 08 08");
    click("ButtonAClear");
    dialogs.answers = {file};
    click("ButtonAload");
    EXPECT_EQ(dialogs.take(), Lines{"open adt " + kFilter});
    EXPECT_EQ(shape(), "50[-1](30[0],-)");
    EXPECT_EQ(fields(), (Lines{"2", "2"}));
    EXPECT_EQ(picture(), drawn);
    // The loaded tree goes on with AVL steps on the page.
    steps.clear();
    insert({20});
    EXPECT_EQ(steps[1], "Bei 50 ist die AVL-Eigenschaft verletzt");
}

TEST_F(AvlTreePageTest, AFileOfPlainIntegersIsRefusedAndThePageShowsAnEmptyTree) {
    insert({50});
    const std::string file = path("integers.adt");
    writeFile(file, treetest::unhex(kIntegerName + " 02 07 02 00 08 08"));
    dialogs.answers = {file};
    click("ButtonAload");
    EXPECT_EQ(dialogs.take(),
              (Lines{"open adt " + kFilter, std::string("errorBox: ") + kNotPageNumbersFile}));
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0"}));
    EXPECT_TRUE(treepagetest::isBlank(picture()));
}

TEST_F(AvlTreePageTest, AFileWithAWrongBalanceFactorIsRefused) {
    const std::string file = path("factor.adt");
    // 50 with 30 on its left, but factor 0 instead of -1.
    writeFile(file, treetest::unhex(kTreeIntegerName + " 02 32 02 00 09 08 " + kTreeIntegerName +
                                    " 02 1E 02 00 08 08"));
    dialogs.answers = {file};
    click("ButtonAload");
    EXPECT_EQ(dialogs.take(),
              (Lines{"open adt " + kFilter, std::string("errorBox: ") + kFactorMismatchFile}));
    EXPECT_TRUE(tree().empty());
    EXPECT_EQ(fields(), (Lines{"0", "0"}));
}

TEST_F(AvlTreePageTest, DuringADemonstrationOnlyThePageAndItsWeiterAreUsable) {
    std::set<std::string> buttons, pages;
    during = [&](int phase) {
        if (phase != 1) return;
        buttons = enabledButtons(*form);
        pages = usablePages(form->pageControl());
    };
    insert({50});
    // "Weiter", and "Abspielen" of the lesson controls while a step waits;
    // the column's switch stays usable.
    EXPECT_EQ(buttons, (std::set<std::string>{"BitBtnAweiter", "ButtonAPlay", "ButtonASpalte"}));
    EXPECT_EQ(pages, std::set<std::string>{"TabSheetAVLBaum"});
    const auto after = enabledButtons(*form);
    EXPECT_FALSE(after.count("BitBtnAweiter"));
    EXPECT_TRUE(after.count("BitBtnTWeiter"));
    EXPECT_TRUE(after.count("ButtonAInsert"));
    EXPECT_TRUE(after.count("SpeedButtonEnde"));
    EXPECT_EQ(usablePages(form->pageControl()).size(), 7u);
}

TEST_F(AvlTreePageTest, ReturnPressesTheAvlWeiterNotTheHiddenSearchTreeOne) {
    driver.pressAfter = 0;
    during = [&](int phase) {
        if (phase == 3) QTest::keyClick(find<QLineEdit>("EditAEingabe"), Qt::Key_Return);
    };
    insert({50});
    EXPECT_EQ(driver.phases, 4);
    EXPECT_EQ(fields(), (Lines{"1", "1"}));
}

TEST_F(AvlTreePageTest, RandomInsertsAndDeletesMatchTheAvlReferenceAfterEveryStep) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(1, 60);
    searchtest::RefLink reference;
    std::set<int> present;
    for (int i = 0; i < 150; ++i) {
        const int v = number(random);
        const bool doInsert = random() % 3 != 0;
        enter(doInsert ? "ButtonAInsert" : "ButtonADelete", QString::number(v));
        const Lines log = dialogs.take();
        bool h = false;
        if (doInsert && !present.count(v)) {
            if (log.empty()) {
                searchtest::refInsert(reference, v, h);
                present.insert(v);
            } else {
                EXPECT_EQ(log, Lines{"information: Der Baum wird zu tief - Element wird nicht "
                                     "eingefügt"});
            }
        } else if (doInsert) {
            EXPECT_EQ(log, Lines{"information: Element ist bereits vorhanden"});
        } else if (present.empty()) {
            EXPECT_EQ(log, Lines{"information: Der Baum ist leer"});
        } else if (present.erase(v)) {
            searchtest::refDelete(reference, v, h);
        } else {
            EXPECT_EQ(log, Lines{"information: Element ist nicht vorhanden"});
        }
        ASSERT_EQ(shape(), searchtest::refShape(reference.get())) << "after " << v;
        ASSERT_TRUE(tree().verify());
        ASSERT_FALSE(find<QAbstractButton>("BitBtnAweiter")->isEnabled());
        // The fields are refreshed by every operation that ran.
        if (!log.empty() && log[0].find("zu tief") == std::string::npos) continue;
        ASSERT_EQ(field("EditAanz"), std::to_string(present.size()));
        ASSERT_EQ(field("EditAtiefe"), std::to_string(tree().depth()));
    }
}

}  // namespace

TEST_F(AvlTreePageTest, FolgeRotatesQuietlyAndRandomNumbersAvoidTheTreesKeys) {
    EXPECT_EQ(find<QPushButton>("ButtonAFolge")->geometry(), QRect(8, 329, 113, 25));
    dialogs.sequences.push_back({"50 20 80 10 30 25 70 20", 0});
    click("ButtonAFolge");
    EXPECT_EQ(
        dialogs.take(),
        (Lines{"sequence", "information: Nicht eingefügt: 20 (Element ist bereits vorhanden)"}));
    EXPECT_EQ(shape(), "30[0](20[0](10[0],25[0]),70[0](50[0],80[0]))");
    EXPECT_EQ(field("EditAtiefe"), "3");
    EXPECT_EQ(field("EditAanz"), "7");
    EXPECT_TRUE(steps.empty());

    dialogs.sequences.push_back({"", 5});
    click("ButtonAFolge");
    EXPECT_EQ(dialogs.take(), Lines{"sequence"});  // nothing refused: no box
    EXPECT_EQ(field("EditAanz"), "12");
    EXPECT_EQ(tree().count(), 12);
}

TEST_F(AvlTreePageTest, HandoutOfAnLRRotationHoldsEveryStepOfTheWeiterRunAndLeavesThePage) {
    insert({3, 1});
    const std::string before = shape();
    const QImage pictureBefore = picture().copy();
    const std::vector<handout::Step> recorded =
        handout::recordTreeSteps(tree(), picture().size(), "2", true);

    // The picture's context menu entry writes the handout of the entry's number.
    type("EditAEingabe", "2");
    const std::string file = path("lr.pdf");
    dialogs.answers.push_back(file);
    const int phases = driver.phases;
    QAction* entry = find<QAction>("ImageABaumPdfEinfuegen");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "&Einfügen als PDF…");
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save pdf PDF-Dokumente (*.pdf)|*.pdf"}));
    EXPECT_EQ(driver.phases, phases);
    EXPECT_EQ(shape(), before);
    EXPECT_EQ(picture(), pictureBefore);
    EXPECT_EQ(fields(), (Lines{"2", "2"}));

    // The same insertion with "Weiter": each handout step is the step shown,
    // standing still for paper, and the handout ends with the result.
    steps.clear();
    insert({2});
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[1], "Bei 3 ist die AVL-Eigenschaft verletzt");
    EXPECT_EQ(steps[5], "LR-Rotation wird durchgeführt");
    const Playback& shown = player().playback();
    ASSERT_EQ(recorded.size(), steps.size() + 1);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_EQ(recorded[k].text.toStdString(), steps[k]) << k;
        EXPECT_FALSE(recorded[k].result) << k;
        EXPECT_EQ(recorded[k].drawing.ops(),
                  onPaper(shown.step(static_cast<int>(k)).picture.still()).ops())
            << k;
    }
    EXPECT_TRUE(recorded.back().result);
    EXPECT_EQ(recorded.back().drawing.ops(),
              onPaper(find<ImageView>("ImageABaum")->drawing()).ops());
    // What step 2 is about, 3 where the AVL property is violated, is bold
    // and black on white.
    const auto& ops = recorded[1].drawing.ops();
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const DrawingOp& op) {
        return op.kind == DrawingOp::Kind::text && op.text == "3" && op.bold &&
               op.fontColor == clBlack && op.brush == clWhite;
    }));

    // The PDF: vector drawing, no page images.
    const std::string pdf = readFile(file);
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);

    // Its text, as a reader takes it from the file: the title, then the
    // steps' numbers in order and their texts in the order of the "Weiter"
    // run, the result and the page numbers (the tree's own numbers aside).
    QProcess toText;
    toText.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                               QString::fromStdString(file), QStringLiteral("-")});
    ASSERT_TRUE(toText.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const QStringList lines =
        QString::fromUtf8(toText.readAllStandardOutput()).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QString::fromUtf8("AVL-Baum: Einfügen von 2")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QString::fromUtf8("Uhr – 6 Schritte"))) << lines[1].toStdString();
    Lines headings, texts;
    for (qsizetype k = 2; k < lines.size(); ++k) {
        const QString line = lines[k].trimmed();
        if (line.isEmpty() || !line.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            continue;
        const bool heading = line.startsWith(QStringLiteral("Schritt ")) ||
                             line == QStringLiteral("Ergebnis") ||
                             line.startsWith(QStringLiteral("Seite "));
        (heading ? headings : texts).push_back(line.toStdString());
    }
    EXPECT_EQ(headings, (Lines{"Schritt 1", "Schritt 2", "Schritt 3", "Schritt 4", "Schritt 5",
                               "Schritt 6", "Seite 1 von 2", "Ergebnis", "Seite 2 von 2"}));
    EXPECT_EQ(texts, steps);
}

TEST_F(AvlTreePageTest, HandoutOfARefusedEntryShowsThePagesMessageAndWritesNothing) {
    insert({3});
    type("EditAEingabe", "3");
    find<QAction>("ImageABaumPdfEinfuegen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"information: Element ist bereits vorhanden"}));
    type("EditAEingabe", "4");
    find<QAction>("ImageABaumPdfLoeschen")->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"information: Element ist nicht vorhanden"}));
    EXPECT_EQ(shape(), "3[0]");
}

TEST_F(AvlTreePageTest, AlgorithmPanelShowsTheLinesOfAnLRInsertion) {
    auto* panel = find<AlgorithmPanel>("AlgorithmusABaum");
    ASSERT_NE(panel, nullptr);
    QWidget* page = find<QWidget>("TabSheetAVLBaum");
    // Hidden by default, offered in the page's context menu.
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(page->contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_TRUE(page->actions().contains(panel->showAction()));
    EXPECT_EQ(panel->showAction()->text(), "&Schritte und Algorithmus zeigen");
    EXPECT_TRUE(panel->showAction()->isCheckable());

    const QSize windowSize = form->size();
    const int tabsWidth = form->pageControl().width();
    panel->showAction()->trigger();
    // The test may fail half-way: the next tests find the panel hidden again.
    struct HideAgain {
        AlgorithmPanel* panel;
        ~HideAgain() { panel->setShown(false); }
    } hideAgain{panel};
    const QSettings settings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro"));
    EXPECT_TRUE(settings.value("algorithmPanel/AlgorithmusABaum").toBool());
    EXPECT_TRUE(panel->isVisible());
    // 6 pixels right of ImageABaum (208, 36, 505 x 293); window and tabs grow alike.
    EXPECT_EQ(panel->geometry(), QRect(719, 36, AlgorithmPanel::kWidth, 293));
    const int grown = form->width() - windowSize.width();
    EXPECT_GT(grown, 0);
    EXPECT_EQ(form->pageControl().width(), tabsWidth + grown);
    EXPECT_GE(page->width(), panel->geometry().right() + 1);

    insert({3, 1});
    steps.clear();
    Lines shown;
    bool highlighted = false;
    during = [&](int phase) {
        if (phase % 2 != 0) return;
        shown.push_back(panel->callerLine().toStdString() + " | " +
                        panel->markedLine().toStdString());
        const QImage picture = panel->grab().toImage();
        for (int y = 0; y < picture.height() && !highlighted; ++y)
            for (int x = 0; x < picture.width() && !highlighted; ++x)
                highlighted = picture.pixelColor(x, y) == QColor(255, 230, 128);
    };
    insert({2});
    during = nullptr;
    const std::string lr = "wenn k.links rechtslastig ist dann Rotation LR bei k | ";
    EXPECT_EQ(shown, (Lines{"füge x wie in einen Suchbaum ein | p ← neuer Knoten mit x",
                            " | wenn bei k die AVL-Eigenschaft verletzt ist dann",
                            lr + "b ← a.links; c ← b.rechts", lr + "b ← a.links; c ← b.rechts",
                            lr + "c.links ← b", lr + "c.rechts ← a"}));
    EXPECT_TRUE(highlighted);
    // The steps are those of the page without the panel.
    EXPECT_EQ(steps, (Lines{"Einfügestelle gefunden", "Bei 3 ist die AVL-Eigenschaft verletzt",
                            "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt",
                            "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt"}));
    EXPECT_EQ(shape(), "2[0](1[0],3[0])");
    // Afterwards the operation stays on view without a marked line.
    EXPECT_EQ(panel->procedureTitle(), "AVL-Baum: Einfügen(x)");
    EXPECT_EQ(panel->markedLine(), "");

    panel->showAction()->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->size(), windowSize);
    EXPECT_EQ(form->pageControl().width(), tabsWidth);
    EXPECT_FALSE(settings.value("algorithmPanel/AlgorithmusABaum").toBool());
}
