// The lesson column of the tree pages: "Algorith&mus" (and the context menu's
// "Schritte und Algorithmus zeigen") puts the list of steps, at least eight
// rows high, on top of the "Algorithmus" panel, whose pseudo-code scrolls to
// the marked line; hidden, the list is back in its place on the page. The
// list's entries and the tool icons follow the zoom.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <string>

#include "tests/ui/treepagesupport.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/tform1.h"
#include "ui/widgets/algorithmpanel.h"

namespace {

const QColor kMarked(255, 230, 128);

bool showsColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

class LessonColumnTest : public treepagetest::TreePageFixture {
protected:
    LessonColumnTest() : TreePageFixture("TabSheetAVLBaum", "EditAEingabe", "EditAinfo") {}
    void TearDown() override {
        form->setZoom(100);
        panel()->setShown(false);
        TreePageFixture::TearDown();
    }
    AlgorithmPanel* panel() { return find<AlgorithmPanel>("AlgorithmusABaum"); }
    void insert(std::initializer_list<int> values) {
        for (int v : values) enter("ButtonAInsert", QString::number(v));
    }
};

TEST_F(LessonColumnTest, TheButtonPutsTheStepsOnTopOfTheColumnAndBack) {
    auto* button = find<QPushButton>("ButtonASpalte");
    auto* list = find<QListWidget>("ListBoxASteps");
    auto* caption = find<QLabel>("LabelASteps");
    QWidget* page = find<QWidget>("TabSheetAVLBaum");
    EXPECT_EQ(button->text(), "Algorith&mus");
    EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_TRUE(button->isCheckable());
    EXPECT_EQ(panel()->showAction()->text(), "&Schritte und Algorithmus zeigen");
    // Hidden: the list where it always was, below the buttons.
    EXPECT_EQ(list->parentWidget(), page);
    EXPECT_EQ(list->geometry(), QRect(8, 380, 192, 76));
    const QRect captionPlace = caption->geometry();

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(panel()->showAction()->isChecked());
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(panel()->isAncestorOf(list));
    EXPECT_TRUE(panel()->isAncestorOf(caption));
    // The caption above the list above the pseudo-code.
    const auto top = [&](const QWidget* w) { return w->mapTo(panel(), QPoint(0, 0)).y(); };
    EXPECT_LT(top(caption), top(list));
    EXPECT_LT(top(list), top(panel()->codeArea()));
    EXPECT_TRUE(list->isVisible());

    insert({50, 40, 60, 30, 45, 70, 20, 35});
    ASSERT_GT(list->count(), 0);
    const int rows = list->viewport()->height() / list->sizeHintForRow(0);
    EXPECT_GE(rows, AlgorithmPanel::kListRows);

    // The context menu's entry and the button are one switch.
    panel()->showAction()->trigger();
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(list->parentWidget(), page);
    EXPECT_EQ(list->geometry(), QRect(8, 380, 192, 76));
    EXPECT_EQ(caption->geometry(), captionPlace);
    EXPECT_TRUE(list->isVisible());
}

// Alt+M is the switch's key on each tree page (the other pages' switches are
// hidden and take no key).
TEST_F(LessonColumnTest, AltMSwitchesTheColumnOfThePageInFront) {
    const struct {
        const char* page;
        const char* panel;
    } pages[] = {{"TabSheetSuchbaum", "AlgorithmusTBaum"},
                 {"TabSheetAVLBaum", "AlgorithmusABaum"},
                 {"TabSheetBayerBaum", "AlgorithmusBBaum"}};
    for (const auto& p : pages) {
        showPage(p.page);
        auto* panel = find<AlgorithmPanel>(p.panel);
        // A mnemonic clicks its button a moment later (animateClick).
        QTest::keyClick(form->windowHandle(), Qt::Key_M, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel->shown(); })) << p.page;
        EXPECT_TRUE(panel->isVisible()) << p.page;
        for (const auto& other : pages) {
            if (other.panel != p.panel) {
                EXPECT_FALSE(find<AlgorithmPanel>(other.panel)->shown()) << p.page;
            }
        }
        QTest::keyClick(form->windowHandle(), Qt::Key_M, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->shown(); })) << p.page;
    }
}

// A procedure longer than the column scrolls: at every step the marked line
// is in the part of the pseudo-code in view.
TEST_F(LessonColumnTest, ThePseudoCodeScrollsToTheMarkedLine) {
    panel()->setShown(true);
    insert({30, 20, 40, 10, 25});
    QScrollArea* code = panel()->codeArea();
    ASSERT_TRUE(code);
    EXPECT_EQ(code->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    int marked = 0;
    int scrolled = 0;
    during = [&](int phase) {
        if (phase % 2 != 0 || panel()->markedLine().isEmpty()) return;
        ++marked;
        if (code->verticalScrollBar()->value() > 0) ++scrolled;
        EXPECT_TRUE(showsColour(code->viewport()->grab().toImage(), kMarked))
            << panel()->markedLine().toStdString();
    };
    enter("ButtonADelete", "30");  // an inner node: the longest procedure
    during = nullptr;
    EXPECT_GT(marked, 0);
    // The delete procedure is longer than the column at 293 pixels: some
    // marked lines lie below its first screen.
    EXPECT_GT(code->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scrolled, 0);
}

TEST_F(LessonColumnTest, TheListAndTheIconsFollowTheZoom) {
    auto* list = find<QListWidget>("ListBoxASteps");
    EXPECT_EQ(list->textElideMode(), Qt::ElideMiddle);
    insert({50, 40, 60, 30});
    enter("ButtonADelete", "50");
    ASSERT_GT(list->count(), 1);
    const int current = list->currentRow();
    ASSERT_GE(current, 0);
    const int designPixels = list->font().pixelSize();
    ASSERT_GT(designPixels, 0);
    auto* info = find<QToolButton>("SpeedButtonInfo");
    const QSize designIcon = info->iconSize();

    form->setZoom(200);
    EXPECT_EQ(list->font().pixelSize(), 2 * designPixels);
    QFont bold = list->font();
    bold.setBold(true);
    EXPECT_EQ(list->item(current)->font(), bold);
    for (int i = 0; i < list->count(); ++i) {
        if (i == current) continue;
        EXPECT_FALSE(list->item(i)->data(Qt::FontRole).isValid()) << i;
        EXPECT_EQ(list->item(i)->toolTip().isEmpty(), false) << i;
    }
    EXPECT_EQ(info->iconSize(), 2 * designIcon);
    EXPECT_EQ(find<QToolButton>("SpeedButtonEnde")->iconSize(), 2 * designIcon);

    form->setZoom(100);
    EXPECT_EQ(list->font().pixelSize(), designPixels);
    EXPECT_EQ(list->item(current)->font().pixelSize(), designPixels);
    EXPECT_EQ(info->iconSize(), designIcon);
}

}  // namespace
