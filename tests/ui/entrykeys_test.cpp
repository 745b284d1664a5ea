// Return and Enter in a page's entry field press the page's first button; on a
// tree page during a demonstration they press "Weiter" instead (tested with
// the tree pages).
#include <QSignalSpy>

#include "tests/ui/pagefixture.h"
#include "tests/ui/treepagesupport.h"

namespace {

class EntryKeysTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        form->setStepClock(&clock);  // a tree demonstration runs without waiting
    }
    void TearDown() override {
        form->setStepClock(nullptr);
        PageFixture::TearDown();
    }
    treepagetest::ScriptedClock clock;
};

TEST_F(EntryKeysTest, ReturnAndEnterInTheEntryPressTheFirstButtonOfThePage) {
    const struct {
        const char* page;
        const char* entry;
        const char* button;
        const char* other;  // a button of the panel that the keys leave alone
    } pages[] = {
        {"TabSheetListe", "EditLEingabe", "ButtonLInsert", "ButtonLReset"},
        {"TabSheetKeller", "EditKEingabe", "ButtonKpush", "ButtonKpop"},
        {"TabSheetSchlange", "EditSEingabe", "ButtonSInsert", "ButtonSDelete"},
        {"TabSheetSuchbaum", "EditTEingabe", "ButtonTinsert", "ButtonTdelete"},
        {"TabSheetAVLBaum", "EditAEingabe", "ButtonAInsert", "ButtonADelete"},
        {"TabSheetBayerBaum", "EditBEingabe", "ButtonBInsert", "ButtonBDelete"},
        {"TabSheetNBaum", "EditNEingabe", "ButtonNCreateRoot", "ButtonNGet"},
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
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Enter);
        EXPECT_EQ(pressed.count(), 2) << p.page;
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
