// The "AVL-Baum" demonstration: the steps of every rotation kind in insertion
// and deletion with their exact figures, the redraw before a deletion
// rotation, the level-7 refusal, and random sequences that must leave the same
// tree, balance factors included, as the plain TAvlTree.
#include "demo/avltreedemo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/demo/demosupport.h"
#include "tests/trees/searchsupport.h"
#include "trees/treeinteger.h"

using demotest::condensed;
using demotest::drain;
using demotest::FakePage;
using demotest::Played;
using searchtest::avlNode;
using searchtest::shape;

namespace {

using Steps = std::vector<std::string>;

class AvlTreeDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerElementClasses();
        registerAvlTreeClasses();
    }

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

    // Only the step texts (blinking steps), without figures.
    static Steps texts(const Steps& steps) {
        Steps result;
        for (const auto& s : steps) {
            if (s == "redraw" || s.rfind("erase", 0) == 0) {
                result.push_back(s == "redraw" ? s : "erase");
            } else {
                result.push_back(s.substr(0, s.find(" |")));
            }
        }
        return result;
    }

    RecordingMessages messages;
    FakePage page{505, false};
    TAvlTreeDemo tree{page};
    Played played;
};

TEST_F(AvlTreeDemoTest, InsertingThreeTwoOneRotatesLLAtTheRoot) {
    EXPECT_EQ(run("3", true),
              (Steps{"Einfügestelle gefunden | text 252 10 3 | visible", "redraw"}));
    EXPECT_EQ(run("2", true).size(), 2u);
    EXPECT_EQ(run("1", true),
              (Steps{"Einfügestelle gefunden | line 126 50 63 70 | text 63 70 1 | visible",
                     "Bei 3 ist die AVL-Eigenschaft verletzt | text 252 10 3 | visible",
                     "LL-Rotation wird durchgeführt | line 126 25 126 40 | visible",
                     "erase 252 20 126 40", "erase 126 50 189 70",
                     "LL-Rotation wird durchgeführt | line 126 50 252 10 | visible", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
    EXPECT_EQ(page.depth.text(), "2");
    EXPECT_EQ(page.count.text(), "3");
    EXPECT_TRUE(page.balanced.lines.empty());  // this page has no balanced field
}

TEST_F(AvlTreeDemoTest, LLBelowTheRootMovesTheParentLine) {
    fill({50, 30, 70, 20});
    EXPECT_EQ(
        run("10", true),
        (Steps{"Einfügestelle gefunden | line 63 80 32 100 | text 32 100 10 | visible",
               "Bei 30 ist die AVL-Eigenschaft verletzt | text 126 40 30 | visible",
               "LL-Rotation wird durchgeführt | line 63 55 63 70 | visible", "erase 126 50 63 70",
               "erase 63 80 94 100", "LL-Rotation wird durchgeführt | line 63 80 126 40 | visible",
               "erase 252 20 126 40", "LL-Rotation wird durchgeführt | line 252 20 63 70 | visible",
               "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "50[-1](20[0](10[0],30[0]),70[0])");
}

TEST_F(AvlTreeDemoTest, InsertingOneThreeTwoRotatesRL) {
    fill({1, 3});
    EXPECT_EQ(
        run("2", true),
        (Steps{
            "Einfügestelle gefunden | line 378 50 315 70 | text 315 70 2 | visible",
            "Bei 1 ist die AVL-Eigenschaft verletzt | text 252 10 1 | visible",
            "RL-Rotation wird durchgeführt | line 378 25 378 40 | visible",
            "RL-Rotation wird durchgeführt | line 315 55 315 70 | visible", "erase 378 50 315 70",
            "RL-Rotation wird durchgeführt | line 315 80 378 40 | visible", "erase 252 20 378 40",
            "RL-Rotation wird durchgeführt | line 315 80 252 10 | visible", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "2[0](1[0],3[0])");
}

TEST_F(AvlTreeDemoTest, InsertingThreeOneTwoRotatesLR) {
    fill({3, 1});
    EXPECT_EQ(
        run("2", true),
        (Steps{
            "Einfügestelle gefunden | line 126 50 189 70 | text 189 70 2 | visible",
            "Bei 3 ist die AVL-Eigenschaft verletzt | text 252 10 3 | visible",
            "LR-Rotation wird durchgeführt | line 126 25 126 40 | visible",
            "LR-Rotation wird durchgeführt | line 189 55 189 70 | visible", "erase 126 50 189 70",
            "LR-Rotation wird durchgeführt | line 189 80 126 40 | visible", "erase 252 20 126 40",
            "LR-Rotation wird durchgeführt | line 189 80 252 10 | visible", "redraw"}));
}

TEST_F(AvlTreeDemoTest, InsertingOneTwoThreeRotatesRR) {
    fill({1, 2});
    EXPECT_EQ(texts(run("3", true)),
              (Steps{"Einfügestelle gefunden", "Bei 1 ist die AVL-Eigenschaft verletzt",
                     "RR-Rotation wird durchgeführt", "erase", "erase",
                     "RR-Rotation wird durchgeführt", "redraw"}));
}

TEST_F(AvlTreeDemoTest, DoubleRotationWithFullSubtreesMovesEveryPointer) {
    // LR at 50 whose C (40) has both children: inserting 33 below 35.
    fill({50, 30, 60, 20, 40, 55, 70, 10, 35, 45});
    const Steps steps = run("33", true);
    EXPECT_EQ(shape(tree.root.get()),
              "40[0](30[0](20[-1](10[0],-),35[-1](33[0],-)),50[1](45[0],60[0](55[0],70[0])))");
    EXPECT_EQ(texts(steps),
              (Steps{"Einfügestelle gefunden", "Bei 50 ist die AVL-Eigenschaft verletzt",
                     "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt", "erase",
                     "LR-Rotation wird durchgeführt", "erase", "LR-Rotation wird durchgeführt",
                     "erase", "LR-Rotation wird durchgeführt", "erase",
                     "LR-Rotation wird durchgeführt", "redraw"}));
    // A = 50 at (252, 10), B = 30 at (126, 40), C = 40 at (189, 70); C's
    // children's places (158, 100) and (220, 100).
    EXPECT_EQ(steps[4], "erase 126 50 189 70");
    EXPECT_EQ(steps[5], "LR-Rotation wird durchgeführt | line 126 50 158 100 | visible");
    EXPECT_EQ(steps[6], "erase 189 80 158 100");
    EXPECT_EQ(steps[7], "LR-Rotation wird durchgeführt | line 189 80 126 40 | visible");
    EXPECT_EQ(steps[8], "erase 252 20 126 40");
    EXPECT_EQ(steps[9], "LR-Rotation wird durchgeführt | line 252 20 220 100 | visible");
    EXPECT_EQ(steps[10], "erase 189 80 220 100");
    EXPECT_EQ(steps[11], "LR-Rotation wird durchgeführt | line 189 80 252 10 | visible");
}

TEST_F(AvlTreeDemoTest, DeletingOneRedrawsThenRotatesRRWithABalancedChild) {
    tree.root = avlNode(2, 1, avlNode(1, 0), avlNode(4, 0, avlNode(3, 0), avlNode(5, 0)));
    EXPECT_EQ(
        run("1", false),
        (Steps{
            "Zahl gefunden - Speicher wird freigegeben | line 252 20 126 40 | text 126 "
            "40 1 | erased",
            "redraw", "Bei 2 ist die AVL-Eigenschaft verletzt | text 252 10 2 | visible",
            "RR-Rotation wird durchgeführt | line 378 25 378 40 | visible", "erase 252 20 378 40",
            "RR-Rotation wird durchgeführt | line 252 20 315 70 | visible", "erase 378 50 315 70",
            "RR-Rotation wird durchgeführt | line 378 50 252 10 | visible", "redraw"}));
    EXPECT_EQ(shape(tree.root.get()), "4[-1](2[1](-,3[0]),5[0])");
}

TEST_F(AvlTreeDemoTest, DeletionRotationsOfEveryKind) {
    struct Case {
        std::initializer_list<int> values;
        const char* removed;
        const char* rotation;
    };
    const Case cases[] = {{{20, 10, 30, 5}, "30", "LL-Rotation wird durchgeführt"},
                          {{20, 10, 30, 15}, "30", "LR-Rotation wird durchgeführt"},
                          {{20, 10, 30, 40}, "10", "RR-Rotation wird durchgeführt"},
                          {{20, 10, 30, 25}, "10", "RL-Rotation wird durchgeführt"}};
    for (const Case& c : cases) {
        TAvlTree plain;
        tree.root.reset();
        for (int v : c.values) {
            tree.insert(std::make_unique<TTreeInteger>(v));
            plain.insert(std::make_unique<TTreeInteger>(v));
        }
        const Steps steps = texts(run(c.removed, false));
        plain.remove(std::make_unique<TTreeInteger>(std::stoi(c.removed)));
        EXPECT_EQ(shape(tree.root.get()), shape(plain.root.get()));
        ASSERT_GE(steps.size(), 4u);
        EXPECT_EQ(steps[0], "Zahl gefunden - Speicher wird freigegeben");
        EXPECT_EQ(steps[1], "redraw");
        EXPECT_EQ(steps[2], "Bei 20 ist die AVL-Eigenschaft verletzt");
        EXPECT_EQ(steps[3], c.rotation);
        EXPECT_EQ(steps.back(), "redraw");
        EXPECT_GE(std::count(steps.begin(), steps.end(), std::string(c.rotation)), 2);
    }
}

TEST_F(AvlTreeDemoTest, TwoChildDeletionRotatesOnTheSpineAfterARedraw) {
    // 50 (30 (20 (10), 40), 60 (-, 70)): deleting 50 takes 40; 30 then leans
    // left by two and rotates (LL) after a redraw; 50's node itself follows
    // without one.
    const std::initializer_list<int> values = {50, 30, 60, 20, 40, 70, 10};
    fill(values);
    TAvlTree plain;
    for (int v : values) plain.insert(std::make_unique<TTreeInteger>(v));
    const Steps steps = texts(run("50", false));
    plain.remove(std::make_unique<TTreeInteger>(50));
    EXPECT_EQ(shape(tree.root.get()), shape(plain.root.get()));
    EXPECT_EQ(shape(tree.root.get()), "40[0](20[0](10[0],30[0]),60[1](-,70[0]))");
    EXPECT_EQ(
        steps,
        (Steps{"Zahl gefunden", "Hilfszeiger setzen", "Nächst kleinere Zahl auswählen",
               "Zu löschende Zahl durch nächst kleinere Zahl ersetzen", "Speicher freigeben",
               "redraw", "Bei 30 ist die AVL-Eigenschaft verletzt", "LL-Rotation wird durchgeführt",
               "erase", "erase", "LL-Rotation wird durchgeführt", "erase",
               "LL-Rotation wird durchgeführt", "redraw"}));
    EXPECT_TRUE(tree.verify());
}

TEST_F(AvlTreeDemoTest, ARefusedPlaceOnLevelSevenChangesNoFactor) {
    // A Fibonacci tree of height 6 (20 nodes), keys 3, 6, ..., 60 in order.
    int next = 3;
    std::function<std::unique_ptr<TBinTreeNode>(int)> fib =
        [&](int h) -> std::unique_ptr<TBinTreeNode> {
        if (h == 0) return nullptr;
        auto left = fib(h - 1);
        const int key = next;
        next += 3;
        auto right = fib(h - 2 < 0 ? 0 : h - 2);
        return avlNode(key, h == 1 ? 0 : -1, std::move(left), std::move(right));
    };
    tree.root = fib(6);
    ASSERT_TRUE(tree.verify());
    ASSERT_EQ(tree.depth(), 6);
    const std::string before = shape(tree.root.get());
    EXPECT_EQ(run("1", true), (Steps{"redraw"}));
    EXPECT_EQ(messages.log.back(),
              "information: Der Baum wird zu tief - Element wird nicht eingefügt");
    EXPECT_EQ(shape(tree.root.get()), before);
    EXPECT_TRUE(played.steps.empty());
}

TEST_F(AvlTreeDemoTest, RandomSequencesLeaveTheSameTreeAsThePlainOperations) {
    std::mt19937 random(2026);
    TAvlTree plain;
    for (int step = 0; step < 500; ++step) {
        const int value = 1 + static_cast<int>(random() % 99);
        const bool doInsert = random() % 5 < 3;
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
        ASSERT_EQ(tree.count(), plain.count());
        if (!played.end.fields.count.empty()) {
            ASSERT_EQ(page.count.text(), std::to_string(plain.count()));
        }
    }
}

}  // namespace

TEST_F(AvlTreeDemoTest, QuietSequenceRotatesLikeOneByOneInsertion) {
    // 25 makes an LR rotation at 50, then 70 an RL rotation at 50.
    const Steps entries{"50", "20", "80", "10", "30", "25", "70", "20"};
    FakePage quietPage{505, false};
    TAvlTreeDemo quiet{quietPage};
    Steps refused, rotations;
    for (const std::string& e : entries) refused.push_back(quiet.insertQuietly(e));
    EXPECT_EQ(refused, (Steps{"", "", "", "", "", "", "", "Element ist bereits vorhanden"}));
    for (const std::string& e : entries) {
        for (const std::string& step : texts(run(e, true)))
            if (step.find("-Rotation") != std::string::npos) rotations.push_back(step);
    }
    EXPECT_EQ(rotations.front(), "LR-Rotation wird durchgeführt");
    EXPECT_EQ(rotations.back(), "RL-Rotation wird durchgeführt");
    EXPECT_EQ(shape(quiet.root.get()), "30[0](20[0](10[0],25[0]),70[0](50[0],80[0]))");
    EXPECT_EQ(shape(quiet.root.get()), shape(tree.root.get()));
}
