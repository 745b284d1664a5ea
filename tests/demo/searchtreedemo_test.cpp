// The "Suchbaum" demonstration: the exact steps (texts, blinking figures and
// how they end) of insertion and deletion, the page checks, the refresh at
// the end, the level listing, and random sequences that must leave the same
// tree as the plain TSearchTree.
#include "demo/searchtreedemo.h"

#include <gtest/gtest.h>

#include <random>

#include "demo/steprecorder.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/demo/demosupport.h"
#include "tests/trees/searchsupport.h"
#include "trees/avltree.h"
#include "trees/treeinteger.h"

using demotest::condensed;
using demotest::drain;
using demotest::FakePage;
using demotest::Played;
using searchtest::shape;

namespace {

using Steps = std::vector<std::string>;

class SearchTreeDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }

    // Fills the tree without animation.
    void fill(std::initializer_list<int> values) {
        for (int v : values) tree.insert(std::make_unique<TTreeInteger>(v));
    }

    // Runs insdel for the entry and returns the steps it showed; the page
    // shows the end afterwards, as the window shows it.
    Steps run(const std::string& entry, bool doInsert) {
        page.entry.setText(entry);
        page.surface.log.clear();
        played = Played{};
        const std::vector<DrawingOp> before = page.drawn.record().ops();
        const std::unique_ptr<RecordedSteps> steps = tree.insdel(doInsert);
        if (!steps) return {};
        played = drain(*steps);
        demotest::drawAsShown(played, page.surface, before);
        demotest::showEnd(played, page);
        return condensed(played, before);
    }

    RecordingMessages messages;
    FakePage page{497, true};
    TSearchTreeDemo tree{page};
    Played played;
};

TEST_F(SearchTreeDemoTest, InsertingIntoTheEmptyTreeShowsTheRootPlace) {
    EXPECT_EQ(run("50", true),
              (Steps{"Einfügestelle gefunden | text 248 10 50 | visible", "redraw"}));
    EXPECT_EQ(page.info.text(), "");
    EXPECT_EQ(page.depth.text(), "1");
    EXPECT_EQ(page.count.text(), "1");
    EXPECT_EQ(page.balanced.text(), "JA");
    ASSERT_EQ(played.steps.size(), 1u);
    EXPECT_TRUE(played.steps[0].picture.blinks());
    // While the step waits the fields still show the tree before it.
    EXPECT_EQ(played.steps[0].fields, (PageFields{"", "", ""}));
}

TEST_F(SearchTreeDemoTest, InsertingThirtyBelowFiftyBlinksTheNewLine) {
    fill({50});
    EXPECT_EQ(run("30", true),
              (Steps{"Einfügestelle gefunden | line 248 20 124 40 | text 124 40 30 | visible",
                     "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "50(30,-)");
}

TEST_F(SearchTreeDemoTest, TheRedrawPaintsTheTreeAtThePageGeometry) {
    fill({50, 30});
    run("70", true);
    const auto drawn = page.surface.only({"text", "moveTo", "lineTo", "fill"});
    const Steps tail(drawn.end() - 8, drawn.end());
    EXPECT_EQ(tail, (Steps{"fill 0 0 497 293", "text 124 40 30", "moveTo 124 40", "lineTo 248 20",
                           "text 248 10 50", "text 372 40 70", "moveTo 372 40", "lineTo 248 20"}));
}

TEST_F(SearchTreeDemoTest, APlaceOnLevelSevenIsRefused) {
    fill({60, 50, 40, 30, 20, 10});
    EXPECT_EQ(run("5", true), (Steps{"redraw"}));
    EXPECT_EQ(messages.log.back(),
              "information: Der Baum wird zu tief - Element wird nicht eingefügt");
    EXPECT_TRUE(played.steps.empty());
    EXPECT_EQ(tree.count(), 6);
    run("15", true);  // right of 10: level 7 as well
    EXPECT_EQ(tree.count(), 6);
    const Steps steps = run("25", true);  // right of 20: level 6
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], "Einfügestelle gefunden | line 16 140 23 160 | text 23 160 25 | visible");
    EXPECT_EQ(tree.count(), 7);
}

TEST_F(SearchTreeDemoTest, DeletingALeafShowsOneStepThatErases) {
    fill({50, 30});
    EXPECT_EQ(run("30", false),
              (Steps{"Zahl gefunden - Speicher wird freigegeben | line 248 20 124 40 | text 124 40 "
                     "30 | erased",
                     "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "50");
}

TEST_F(SearchTreeDemoTest, DeletingANodeWithOnlyALeftChild) {
    fill({50, 30, 20});
    EXPECT_EQ(
        run("30", false),
        (Steps{"Zahl gefunden | line 248 20 124 40 | text 124 40 30 | visible",
               "Hilfszeiger setzen | line 124 25 124 40 | visible", "erase 248 20 124 40",
               "Auf linken Teilbaum verweisen | line 248 20 62 70 | visible",
               "Speicher freigeben | line 124 25 124 40 | text 124 40 30 | erased", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "50(20,-)");
}

TEST_F(SearchTreeDemoTest, DeletingTheRootWithOneChildDrawsFromBelowTheRoot) {
    fill({50, 70});
    EXPECT_EQ(
        run("50", false),
        (Steps{"Zahl gefunden | text 248 10 50 | visible",
               "Hilfszeiger setzen | line 248 -5 248 10 | visible", "erase 248 20 248 10",
               "Auf rechten Teilbaum verweisen | line 248 20 372 40 | visible",
               "Speicher freigeben | line 248 -5 248 10 | text 248 10 50 | erased", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "70");
}

TEST_F(SearchTreeDemoTest, TwoChildrenWithAPredecessorWithoutLeftChild) {
    fill({50, 30, 70, 20, 40});
    EXPECT_EQ(
        run("50", false),
        (Steps{"Zahl gefunden | text 248 10 50 | visible",
               "Hilfszeiger setzen | line 248 -5 248 10 | visible",
               "Nächst kleinere Zahl auswählen | text 186 70 40 | visible",
               "Zu löschende Zahl durch nächst kleinere Zahl ersetzen | text 248 10 40 | "
               "visible",
               "Speicher freigeben | line 124 50 186 70 | text 186 70 40 | erased", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "40(30(20,-),70)");
}

TEST_F(SearchTreeDemoTest, TwoChildrenWithAPredecessorThatHasALeftChild) {
    fill({50, 30, 70, 20, 40, 35});
    EXPECT_EQ(
        run("50", false),
        (Steps{"Zahl gefunden | text 248 10 50 | visible",
               "Hilfszeiger setzen | line 248 -5 248 10 | visible",
               "Nächst kleinere Zahl auswählen | text 186 70 40 | visible",
               "Zu löschende Zahl durch nächst kleinere Zahl ersetzen | text 248 10 40 | "
               "visible",
               "Hilfszeiger setzen | line 186 55 186 70 | visible", "erase 124 50 186 70",
               "Linken Teilbaum anhängen | line 124 50 155 100 | text 155 100 35 | visible",
               "Speicher freigeben | line 186 55 186 70 | text 186 70 40 | erased", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "40(30(20,35),70)");
}

TEST_F(SearchTreeDemoTest, TheLeftChildItselfIsThePredecessorWhenItHasNoRightChild) {
    fill({50, 30, 70, 20});
    const Steps steps = run("50", false);
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[2], "Nächst kleinere Zahl auswählen | text 124 40 30 | visible");
    EXPECT_EQ(steps[4], "Hilfszeiger setzen | line 124 25 124 40 | visible");
    EXPECT_EQ(steps[5], "erase 248 20 124 40");
    EXPECT_EQ(steps[6], "Linken Teilbaum anhängen | line 248 20 62 70 | text 62 70 20 | visible");
    EXPECT_EQ(shape(tree.root.get()), "30(20,70)");
}

// The operation is done when its steps are taken; each step keeps the picture
// the page showed at it, and the end the tree redrawn.
TEST_F(SearchTreeDemoTest, TheTreeIsDoneWhenTheStepsAreTakenAndEachKeepsItsPicture) {
    fill({50, 30, 70, 20, 40, 35});
    tree.zeichne();
    page.entry.setText("50");
    const std::unique_ptr<RecordedSteps> steps = tree.insdel(false);
    ASSERT_TRUE(steps);
    EXPECT_EQ(shape(tree.root.get()), "40(30(20,35),70)");
    const Played all = drain(*steps);
    ASSERT_EQ(all.steps.size(), 7u);
    // The "Zu löschende Zahl ..." step: 40 written over 50 at the root, the
    // rest of the tree as it was drawn before the deletion.
    const DrawingRecord replaced = all.steps[3].picture.record(all.steps[3].picture.shownPhase);
    const auto hasText = [](const DrawingRecord& r, int x, int y, const std::string& t) {
        return std::any_of(r.ops().begin(), r.ops().end(), [&](const DrawingOp& op) {
            return op.kind == DrawingOp::Kind::text && op.x1 == x && op.y1 == y && op.text == t &&
                   op.fontColor == clBlack;
        });
    };
    EXPECT_TRUE(hasText(replaced, 248, 10, "40"));
    EXPECT_TRUE(hasText(replaced, 155, 100, "35"));
    // The end: blanked and redrawn, 35 now below 30.
    const DrawingRecord end = all.end.picture.record(0);
    ASSERT_FALSE(end.ops().empty());
    EXPECT_EQ(end.ops().front().kind, DrawingOp::Kind::fill);
    EXPECT_TRUE(hasText(end, 186, 70, "35"));
    EXPECT_EQ(all.end.fields, (PageFields{"3", "5", "JA"}));
    EXPECT_EQ(all.end.text, "");
}

TEST_F(SearchTreeDemoTest, DeletingTheLastNumberLeavesABlankPage) {
    fill({42});
    EXPECT_EQ(run("42", false), (Steps{"Zahl gefunden - Speicher wird freigegeben | text 248 10 "
                                       "42 | erased",
                                       "redraw"}));
    EXPECT_TRUE(tree.empty());
    EXPECT_EQ(page.surface.log.back(), "fill 0 0 497 293");
    EXPECT_EQ(page.depth.text(), "0");
    EXPECT_EQ(page.count.text(), "0");
    EXPECT_EQ(page.balanced.text(), "JA");
}

TEST_F(SearchTreeDemoTest, EntryProblemsAreAnsweredWithoutStepsOrDrawing) {
    fill({50});
    const std::pair<std::string, bool> cases[] = {
        {"", true}, {"abc", true}, {"100", false}, {"50", true}, {"40", false}};
    const char* answers[] = {"Es ist kein Element eingegeben worden",
                             "Ganze Zahl von 1 bis 99 eingeben", "Ganze Zahl von 1 bis 99 eingeben",
                             "Element ist bereits vorhanden", "Element ist nicht vorhanden"};
    for (std::size_t i = 0; i < 5; ++i) {
        messages.log.clear();
        page.entry.setText(cases[i].first);
        EXPECT_EQ(tree.insdel(cases[i].second), nullptr);
        EXPECT_TRUE(page.surface.log.empty());
        EXPECT_EQ(messages.log, (Steps{std::string("information: ") + answers[i]}));
    }
    EXPECT_EQ(shape(tree.root.get()), "50");
}

TEST_F(SearchTreeDemoTest, LookUpAnswersWithoutSteps) {
    fill({50, 30});
    page.entry.setText("30");
    tree.lookUp();
    page.entry.setText("31");
    tree.lookUp();
    page.entry.setText("");
    tree.lookUp();
    EXPECT_EQ(messages.log, (Steps{"information: Element ist vorhanden",
                                   "information: Element ist nicht vorhanden",
                                   "information: Es ist kein Element eingegeben worden"}));
    EXPECT_TRUE(page.surface.log.empty());
}

TEST_F(SearchTreeDemoTest, ZeichneShowsDepthCountAndBalance) {
    fill({1, 2, 3});
    tree.zeichne();
    EXPECT_EQ(page.depth.text(), "3");
    EXPECT_EQ(page.count.text(), "3");
    EXPECT_EQ(page.balanced.text(), "Nein");
    tree.balance();
    tree.zeichne();
    EXPECT_EQ(page.depth.text(), "2");
    EXPECT_EQ(page.balanced.text(), "JA");
}

TEST_F(SearchTreeDemoTest, LevelListingPutsEachLevelOnItsOwnLine) {
    fill({50, 30, 70, 40});
    RecordingText memo;
    memo.addLine("alt");
    tree.writeLevels(memo);
    EXPECT_EQ(memo.lines, (Steps{"50  ", "30  70  ", "40  ", ""}));
}

TEST_F(SearchTreeDemoTest, PageFilesMustHoldTheTreeIntegersOfThePage) {
    TSearchTree plain;
    plain.insert(std::make_unique<TInteger>(5));
    StringOutputStream out;
    {
        TWriter writer(out);
        plain.save(writer);
    }
    const std::string bytes = out.bytes();
    MemoryInputStream in(bytes);
    TReader reader(in);
    fill({1});
    EXPECT_THROW(
        {
            try {
                tree.load(reader);
            } catch (const FileError& e) {
                EXPECT_EQ(std::string(e.what()), kNotPageNumbersFile);
                throw;
            }
        },
        FileError);
    EXPECT_TRUE(tree.empty());
}

TEST_F(SearchTreeDemoTest, RandomSequencesLeaveTheSameTreeAsThePlainOperations) {
    std::mt19937 random(99);
    TSearchTree plain;
    for (int step = 0; step < 400; ++step) {
        const int value = 1 + static_cast<int>(random() % 99);
        const bool doInsert = random() % 3 != 0;
        messages.log.clear();
        run(std::to_string(value), doInsert);
        const bool refused =
            !messages.log.empty() &&
            messages.log.back() ==
                "information: Der Baum wird zu tief - Element wird nicht eingefügt";
        if (doInsert && !refused) plain.insert(std::make_unique<TTreeInteger>(value));
        if (!doInsert) plain.remove(std::make_unique<TTreeInteger>(value));
        ASSERT_EQ(shape(tree.root.get()), shape(plain.root.get())) << step;
        ASSERT_TRUE(tree.verify());
        ASSERT_LE(tree.depth(), 6);
        ASSERT_EQ(tree.count(), plain.count());
        if (!played.end.fields.count.empty()) {
            ASSERT_EQ(page.count.text(), std::to_string(plain.count()));
        }
    }
}

}  // namespace

TEST_F(SearchTreeDemoTest, QuietSequenceLeavesTheTreeOfOneByOneInsertion) {
    const Steps entries{"50", "40", "x", "30", "20", "40", "10", "5", "1", "105", "45"};
    FakePage quietPage{497, true};
    TSearchTreeDemo quiet{quietPage};
    Steps refused;
    for (const std::string& e : entries) refused.push_back(quiet.insertQuietly(e));
    EXPECT_EQ(refused, (Steps{"", "", "Ganze Zahl von 1 bis 99 eingeben", "", "",
                              "Element ist bereits vorhanden", "", "",
                              "Der Baum wird zu tief - Element wird nicht eingefügt",
                              "Ganze Zahl von 1 bis 99 eingeben", ""}));
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(quietPage.surface.only({"text", "lineTo", "fill"}).empty());

    for (const std::string& e : entries) run(e, true);
    EXPECT_EQ(shape(quiet.root.get()), "50(40(30(20(10(5,-),-),-),45),-)");
    EXPECT_EQ(shape(quiet.root.get()), shape(tree.root.get()));
}
