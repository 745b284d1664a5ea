// "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y) on every page: after a
// change and Ctrl+Z the page's fields, memos, tree view and picture are
// exactly as before the change; Ctrl+Y shows the change again. Not while a
// demonstration runs; a refused load is undone too.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/treepagesupport.h"
#include "ui/pages/demotreepage.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/memoview.h"

namespace {

// Everything a page shows: each named field, memo and tree view by name, and
// its picture.
struct Shown {
    std::map<std::string, std::string> texts;
    QImage picture;

    bool operator==(const Shown& other) const {
        return texts == other.texts && picture == other.picture;
    }
};

void collectItems(const QTreeWidgetItem* item, int depth, std::string& out) {
    out += std::string(static_cast<std::size_t>(depth), ' ') + item->text(0).toStdString() + "\n";
    for (int i = 0; i < item->childCount(); ++i) collectItems(item->child(i), depth + 1, out);
}

Shown shownOn(QWidget& page) {
    Shown shown;
    for (QLineEdit* e : page.findChildren<QLineEdit*>()) {
        if (!e->objectName().isEmpty() && !e->objectName().startsWith("qt_"))
            shown.texts[e->objectName().toStdString()] = e->text().toStdString();
    }
    for (MemoView* m : page.findChildren<MemoView*>())
        shown.texts[m->objectName().toStdString()] = m->toPlainText().toStdString();
    for (QPlainTextEdit* m : page.findChildren<QPlainTextEdit*>())
        if (!m->objectName().isEmpty())
            shown.texts[m->objectName().toStdString()] = m->toPlainText().toStdString();
    for (QTreeWidget* view : page.findChildren<QTreeWidget*>()) {
        std::string items;
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            collectItems(view->topLevelItem(i), 0, items);
        const QTreeWidgetItem* current = view->currentItem();
        items += "aktuell: " + (current ? current->text(0).toStdString() : std::string("-"));
        shown.texts[view->objectName().toStdString()] = items;
    }
    if (auto* image = page.findChild<ImageView*>()) shown.picture = image->image().copy();
    return shown;
}

// One step of the user: text into a field, then a button (either may be null).
struct Step {
    const char* field;
    const char* text;
    const char* button;
};

struct UndoCase {
    const char* name;
    const char* page;
    std::vector<Step> before;  // builds what the change starts from
    std::vector<Step> change;
};

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.name; }

const UndoCase kCases[] = {
    {"ListInsert",
     "TabSheetListe",
     {{"EditLEingabe", "Anna", "ButtonLInsert"}},
     {{"EditLEingabe", "Bert", "ButtonLInsert"}}},
    {"ListDelete",
     "TabSheetListe",
     {{"EditLEingabe", "Anna", "ButtonLInsert"}, {"EditLEingabe", "Bert", "ButtonLInsert"}},
     {{nullptr, nullptr, "ButtonLDelete"}}},
    {"ListUpdate",
     "TabSheetListe",
     {{"EditLEingabe", "Anna", "ButtonLInsert"}},
     {{"EditLEingabe", "Otto", "ButtonLUpdate"}}},
    {"ListClear",
     "TabSheetListe",
     {{"EditLEingabe", "Anna", "ButtonLInsert"}, {nullptr, nullptr, "ButtonLAdvance"}},
     {{nullptr, nullptr, "ButtonLClear"}}},
    {"ListGenerate",
     "TabSheetListe",
     {{"EditLEingabe", "Anna", "ButtonLInsert"}},
     {{nullptr, nullptr, "BitBtnAbsteigend"}}},
    {"ListSort",
     "TabSheetListe",
     {{"EditLEingabe", "Bert", "ButtonLInsert"},
      {"EditLEingabe", "Anna", "ButtonLAdvance"},
      {"EditLEingabe", "Anna", "ButtonLInsert"}},
     {{nullptr, nullptr, "ButtonLSort"}}},
    {"StackPush",
     "TabSheetKeller",
     {{"EditKEingabe", "eins", "ButtonKpush"}},
     {{"EditKEingabe", "zwei", "ButtonKpush"}}},
    {"StackPop",
     "TabSheetKeller",
     {{"EditKEingabe", "eins", "ButtonKpush"}, {"EditKEingabe", "zwei", "ButtonKpush"}},
     {{nullptr, nullptr, "ButtonKpop"}}},
    {"StackClear",
     "TabSheetKeller",
     {{"EditKEingabe", "eins", "ButtonKpush"}},
     {{nullptr, nullptr, "ButtonKclear"}}},
    {"QueueInsert",
     "TabSheetSchlange",
     {{"EditSEingabe", "eins", "ButtonSInsert"}},
     {{"EditSEingabe", "zwei", "ButtonSInsert"}}},
    {"QueueDelete",
     "TabSheetSchlange",
     {{"EditSEingabe", "eins", "ButtonSInsert"}, {"EditSEingabe", "zwei", "ButtonSInsert"}},
     {{nullptr, nullptr, "ButtonSDelete"}}},
    {"QueueClear",
     "TabSheetSchlange",
     {{"EditSEingabe", "eins", "ButtonSInsert"}},
     {{nullptr, nullptr, "ButtonSClear"}}},
    {"SearchTreeInsert",
     "TabSheetSuchbaum",
     {{"EditTEingabe", "50", "ButtonTinsert"}, {"EditTEingabe", "30", "ButtonTinsert"}},
     {{"EditTEingabe", "40", "ButtonTinsert"}}},
    {"SearchTreeDelete",
     "TabSheetSuchbaum",
     {{"EditTEingabe", "50", "ButtonTinsert"},
      {"EditTEingabe", "30", "ButtonTinsert"},
      {"EditTEingabe", "70", "ButtonTinsert"}},
     {{"EditTEingabe", "50", "ButtonTdelete"}}},
    {"SearchTreeDeleteTheLast",
     "TabSheetSuchbaum",
     {{"EditTEingabe", "50", "ButtonTinsert"}},
     {{"EditTEingabe", "50", "ButtonTdelete"}}},
    {"SearchTreeBalance",
     "TabSheetSuchbaum",
     {{"EditTEingabe", "10", "ButtonTinsert"},
      {"EditTEingabe", "20", "ButtonTinsert"},
      {"EditTEingabe", "30", "ButtonTinsert"}},
     {{nullptr, nullptr, "ButtonTBalance"}}},
    {"SearchTreeClear",
     "TabSheetSuchbaum",
     {{"EditTEingabe", "50", "ButtonTinsert"}},
     {{nullptr, nullptr, "ButtonTclear"}}},
    {"AvlInsertWithRotation",
     "TabSheetAVLBaum",
     {{"EditAEingabe", "10", "ButtonAInsert"}, {"EditAEingabe", "20", "ButtonAInsert"}},
     {{"EditAEingabe", "30", "ButtonAInsert"}}},
    {"AvlDelete",
     "TabSheetAVLBaum",
     {{"EditAEingabe", "10", "ButtonAInsert"},
      {"EditAEingabe", "20", "ButtonAInsert"},
      {"EditAEingabe", "30", "ButtonAInsert"}},
     {{"EditAEingabe", "10", "ButtonADelete"}}},
    {"AvlClear",
     "TabSheetAVLBaum",
     {{"EditAEingabe", "10", "ButtonAInsert"}},
     {{nullptr, nullptr, "ButtonAClear"}}},
    {"BTreeInsertWithSplit",
     "TabSheetBayerBaum",
     {{"EditBEingabe", "1", "ButtonBInsert"},
      {"EditBEingabe", "2", "ButtonBInsert"},
      {"EditBEingabe", "3", "ButtonBInsert"},
      {"EditBEingabe", "4", "ButtonBInsert"}},
     {{"EditBEingabe", "5", "ButtonBInsert"}}},
    {"BTreeDelete",
     "TabSheetBayerBaum",
     {{"EditBEingabe", "1", "ButtonBInsert"}, {"EditBEingabe", "2", "ButtonBInsert"}},
     {{"EditBEingabe", "1", "ButtonBDelete"}}},
    {"BTreeClear",
     "TabSheetBayerBaum",
     {{"EditBEingabe", "1", "ButtonBInsert"}},
     {{nullptr, nullptr, "ButtonBClear"}}},
    {"NtreeCreateRoot", "TabSheetNBaum", {}, {{"EditNEingabe", "Wurzel", "ButtonNCreateRoot"}}},
    {"NtreeInsertChild",
     "TabSheetNBaum",
     {{"EditNEingabe", "A", "ButtonNCreateRoot"}, {"EditNEingabe", "B", "ButtonNInsert"}},
     {{"EditNEingabe", "C", "ButtonNInsert"}}},
    {"NtreeDeleteChildBelowTheCurrentNode",
     "TabSheetNBaum",
     {{"EditNEingabe", "A", "ButtonNCreateRoot"},
      {"EditNEingabe", "B", "ButtonNInsert"},
      {"EditNNummer", "0", "ButtonNGet"},
      {"EditNEingabe", "C", "ButtonNInsert"},
      {"EditNEingabe", "D", "ButtonNInsert"}},
     {{"EditNNummer", "1", "ButtonNDelete"}}},
    {"NtreeClear",
     "TabSheetNBaum",
     {{"EditNEingabe", "A", "ButtonNCreateRoot"},
      {"EditNEingabe", "B", "ButtonNInsert"},
      {"EditNNummer", "0", "ButtonNGet"}},
     {{nullptr, nullptr, "ButtonNClear"}}},
};

class UndoTest : public PageFixture, public ::testing::WithParamInterface<UndoCase> {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        // Every demonstration a click starts is played to its end.
        afterClick = [this] {
            if (auto* page = dynamic_cast<DemoTreePage*>(form->pageControl().currentWidget()))
                driver.drive(page->player(), timers);
        };
    }
    void run(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            if (s.field) type(s.field, QString::fromUtf8(s.text));
            if (s.button) click(s.button);
        }
    }
    // The keys as the user presses them, into the widget with the focus.
    void press(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : form.get(), key, Qt::ControlModifier);
    }
    QWidget& page() { return *form->pageControl().currentWidget(); }

    treepagetest::StepDriver driver;
};

TEST_P(UndoTest, CtrlZShowsThePageAsBeforeAndCtrlYAsAfter) {
    const UndoCase& c = GetParam();
    showPage(c.page);
    run(c.before);
    // What the user typed for the change stays part of the page before it.
    for (const Step& s : c.change)
        if (s.field) type(s.field, QString::fromUtf8(s.text));
    const Shown before = shownOn(page());
    run(c.change);
    ASSERT_TRUE(form->undoAction().isEnabled());
    const Shown after = shownOn(page());
    ASSERT_FALSE(after == before);
    // The entry field has the focus: its own undo does not take the key.
    press(Qt::Key_Z);
    EXPECT_EQ(shownOn(page()).texts, before.texts);
    EXPECT_TRUE(shownOn(page()) == before);
    EXPECT_TRUE(form->redoAction().isEnabled());
    press(Qt::Key_Y);
    EXPECT_EQ(shownOn(page()).texts, after.texts);
    EXPECT_TRUE(shownOn(page()) == after);
    EXPECT_FALSE(form->redoAction().isEnabled());
    EXPECT_TRUE(dialogs.take().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryPage, UndoTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class UndoPageTest : public UndoTest {};

TEST_F(UndoPageTest, ARefusedLoadIsUndoneToTheTreeBefore) {
    showPage("TabSheetSuchbaum");
    run({{"EditTEingabe", "50", "ButtonTinsert"}, {"EditTEingabe", "30", "ButtonTinsert"}});
    const Shown before = shownOn(page());
    ASSERT_EQ(field("EditTAnz"), "2");
    const std::string file = path("kaputt.tdt");
    writeFile(file, "kein Baum");
    dialogs.answers = {file};
    click("ButtonTload");
    ASSERT_EQ(field("EditTAnz"), "0");
    press(Qt::Key_Z);
    EXPECT_TRUE(shownOn(page()) == before);
    EXPECT_EQ(field("EditTAnz"), "2");
}

TEST_F(UndoPageTest, ARefusedListLoadIsUndoneToTheListBefore) {
    showPage("TabSheetListe");
    run({{"EditLEingabe", "Anna", "ButtonLInsert"}, {"EditLEingabe", "Bert", "ButtonLInsert"}});
    const Shown before = shownOn(page());
    const std::string file = path("kaputt.ldt");
    writeFile(file, "kein");
    dialogs.answers = {file};
    click("ButtonLLoad");
    ASSERT_NE(field("EditLAnz"), "2");
    press(Qt::Key_Z);
    EXPECT_TRUE(shownOn(page()) == before);
}

TEST_F(UndoPageTest, ARefusedOperationLeavesNoLevel) {
    showPage("TabSheetSuchbaum");
    type("EditTEingabe", "50");
    const Shown start = shownOn(page());
    run({{"EditTEingabe", "50", "ButtonTinsert"}});
    run({{"EditTEingabe", "50", "ButtonTinsert"}});  // already there
    EXPECT_EQ(dialogs.take(),
              std::vector<std::string>{"information: Element ist bereits vorhanden"});
    press(Qt::Key_Z);
    EXPECT_TRUE(shownOn(page()) == start);  // the first insertion was undone
    EXPECT_FALSE(form->undoAction().isEnabled());
}

TEST_F(UndoPageTest, FiftyChangesAreUndoneOneByOne) {
    showPage("TabSheetKeller");
    for (int i = 1; i <= 55; ++i) run({{"EditKEingabe", std::to_string(i).c_str(), "ButtonKpush"}});
    for (int left = 54; left >= 5; --left) {
        press(Qt::Key_Z);
        ASSERT_EQ(field("EditKAnz"), std::to_string(left));
    }
    EXPECT_FALSE(form->undoAction().isEnabled());
    for (int i = 0; i < 50; ++i) press(Qt::Key_Y);
    EXPECT_EQ(field("EditKAnz"), "55");
}

TEST_F(UndoPageTest, ANewChangeForgetsWhatCouldBeRedone) {
    showPage("TabSheetSchlange");
    run({{"EditSEingabe", "eins", "ButtonSInsert"}, {"EditSEingabe", "zwei", "ButtonSInsert"}});
    press(Qt::Key_Z);
    ASSERT_TRUE(form->redoAction().isEnabled());
    run({{"EditSEingabe", "drei", "ButtonSInsert"}});
    EXPECT_FALSE(form->redoAction().isEnabled());
    press(Qt::Key_Y);
    EXPECT_EQ(memo("MemoFifo"), "eins\ndrei");
}

TEST_F(UndoPageTest, EachPageKeepsItsOwnLevels) {
    showPage("TabSheetKeller");
    run({{"EditKEingabe", "eins", "ButtonKpush"}});
    showPage("TabSheetSchlange");
    EXPECT_FALSE(form->undoAction().isEnabled());
    showPage("TabSheetKeller");
    EXPECT_TRUE(form->undoAction().isEnabled());
}

TEST_F(UndoPageTest, NoUndoWhileADemonstrationRuns) {
    showPage("TabSheetSuchbaum");
    run({{"EditTEingabe", "50", "ButtonTinsert"}});
    afterClick = nullptr;  // the next demonstration waits for "Weiter"
    run({{"EditTEingabe", "30", "ButtonTinsert"}});
    auto& tree = *form->findChild<DemoTreePage*>("TabSheetSuchbaum");
    ASSERT_TRUE(tree.player().running());
    EXPECT_FALSE(form->undoAction().isEnabled());
    EXPECT_FALSE(find<QAbstractButton>("SpeedButtonRueckgaengig")->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(tree.player().running());
    driver.drive(tree.player(), timers);
    EXPECT_TRUE(form->undoAction().isEnabled());
    EXPECT_TRUE(find<QAbstractButton>("SpeedButtonRueckgaengig")->isEnabled());
    press(Qt::Key_Z);
    EXPECT_EQ(field("EditTAnz"), "1");
}

TEST_F(UndoPageTest, TheEntriesHaveGermanCaptionsHintsAndKeys) {
    EXPECT_EQ(form->undoAction().text(), QString::fromUtf8("Rückgängig"));
    EXPECT_EQ(form->redoAction().text(), QString::fromUtf8("Wiederholen"));
    EXPECT_TRUE(form->undoAction().toolTip().contains("Strg+Z"));
    EXPECT_TRUE(form->redoAction().toolTip().contains("Strg+Y"));
    EXPECT_EQ(form->undoAction().shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(form->redoAction().shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    // Beside the menu panel, which keeps its place and size.
    EXPECT_EQ(find<QWidget>("PanelMenue")->geometry(), QRect(0, 0, 73, 33));
    EXPECT_EQ(find<QWidget>("PageControl")->geometry(), QRect(8, 40, 777, 489));
    const QRect panel = find<QWidget>("PanelBearbeiten")->geometry();
    EXPECT_GE(panel.left(), 73);
    EXPECT_LE(panel.bottom(), 39);
}

}  // namespace
