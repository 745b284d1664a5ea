// Return and Enter in a page's entry field press the page's first button, once
// per edit of the entry; on a
// tree page during a demonstration they press "Weiter" instead (tested with
// the tree pages). A demonstration a key starts is played to its end on the
// virtual timers before the next key.
#include <QSignalSpy>

#include "tests/ui/pagefixture.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/demotreepage.h"

namespace {

class EntryKeysTest : public PageFixture {
protected:
    // Plays the running demonstration of a tree page; the number of blink
    // phases it showed (0 on the other pages).
    int playOn(const char* page) {
        auto* tree = form->findChild<DemoTreePage*>(page);
        if (!tree) return 0;
        const int before = driver.phases;
        driver.drive(tree->player(), timers);
        return driver.phases - before;
    }
    treepagetest::StepDriver driver;
};

TEST_F(EntryKeysTest, ReturnAndEnterInTheEntryPressTheFirstButtonOfThePage) {
    const struct {
        const char* page;
        const char* entry;
        const char* button;
        const char* other;  // a button of the panel that the keys leave alone
        int phases;         // the blink phases of the first press's demonstration
    } pages[] = {
        {"TabSheetListe", "EditLEingabe", "ButtonLInsert", "ButtonLReset", 0},
        {"TabSheetKeller", "EditKEingabe", "ButtonKpush", "ButtonKpop", 0},
        {"TabSheetSchlange", "EditSEingabe", "ButtonSInsert", "ButtonSDelete", 0},
        {"TabSheetSuchbaum", "EditTEingabe", "ButtonTinsert", "ButtonTdelete", 2},
        {"TabSheetAVLBaum", "EditAEingabe", "ButtonAInsert", "ButtonADelete", 2},
        // The first key of a B-tree goes into its root at once.
        {"TabSheetBayerBaum", "EditBEingabe", "ButtonBInsert", "ButtonBDelete", 0},
        {"TabSheetNBaum", "EditNEingabe", "ButtonNCreateRoot", "ButtonNGet", 0},
    };
    for (const auto& p : pages) {
        showPage(p.page);
        QSignalSpy pressed(find<QAbstractButton>(p.button), &QAbstractButton::clicked);
        QSignalSpy other(find<QAbstractButton>(p.other), &QAbstractButton::clicked);
        auto* entry = find<QLineEdit>(p.entry);
        entry->setText("5");
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(pressed.count(), 1) << p.page;
        EXPECT_EQ(playOn(p.page), p.phases) << p.page;
        // Once more without an edit: the number was used already.
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Enter);
        EXPECT_EQ(pressed.count(), 1) << p.page;
        entry->clear();
        QTest::keyClicks(entry, "5");
        QTest::keyClick(entry, Qt::Key_Enter);
        EXPECT_EQ(pressed.count(), 2) << p.page;
        EXPECT_EQ(playOn(p.page), 0) << p.page;  // refused: present already
        EXPECT_EQ(other.count(), 0) << p.page;
    }
    // What the first presses did: "5" in each structure, the repeats refused.
    EXPECT_EQ(memo("MemoListe"), "     <--\n5\n5");
    EXPECT_EQ(memo("Memolifo"), "5\n5");
    EXPECT_EQ(memo("MemoFifo"), "5\n5");
    EXPECT_EQ(field("EditTAnz"), "1");
    EXPECT_EQ(field("EditAanz"), "1");
    EXPECT_EQ(field("EditBAnz"), "1");
    EXPECT_EQ(field("EditNAktuell"), "5");
}

}  // namespace
