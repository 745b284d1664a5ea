// "Beispiele" on the tree pages and the list page: an entry builds its
// structure, puts its key into the entry field and its note into the info
// field; the page's own operation on that key then runs; Ctrl+Z takes the
// example back. The button sits where no other control of the page is.
#include "workbench/examples.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "tests/ui/treepagesupport.h"
#include "ui/pages/demotreepage.h"
#include "ui/pages/examplesmenu.h"

namespace {

struct TreePageCase {
    const char* page;
    const char* button;
    examples::Page kind;
    const char* entry;
    const char* info;
    const char* count;
    const char* insert;
    const char* remove;
};

const TreePageCase kTreePages[] = {
    {"TabSheetSuchbaum", "ButtonTBeispiele", examples::Page::searchTree, "EditTEingabe",
     "EditTinfo", "EditTAnz", "ButtonTinsert", "ButtonTdelete"},
    {"TabSheetAVLBaum", "ButtonABeispiele", examples::Page::avlTree, "EditAEingabe", "EditAinfo",
     "EditAanz", "ButtonAInsert", "ButtonADelete"},
    {"TabSheetBayerBaum", "ButtonBBeispiele", examples::Page::bayerTree, "EditBEingabe",
     "EditBInfo", "EditBAnz", "ButtonBInsert", "ButtonBDelete"},
};

class ExamplesPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        afterClick = [this] {
            if (auto* page = dynamic_cast<DemoTreePage*>(form->pageControl().currentWidget()))
                driver.drive(page->player(), timers);
        };
    }
    // The entries of the button's menu.
    QList<QAction*> entries(const char* button) {
        auto* b = find<QPushButton>(button);
        auto* menu = b ? b->findChild<QMenu*>(QString::fromLatin1(button) + "Menue") : nullptr;
        if (!menu) return {};
        return menu->actions();
    }
    void pressCtrl(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : form.get(), key, Qt::ControlModifier);
    }

    treepagetest::StepDriver driver;
};

TEST_F(ExamplesPageTest, EachTreeExampleSetsKeyAndNoteAndItsOperationRuns) {
    for (const TreePageCase& c : kTreePages) {
        showPage(c.page);
        const auto all = examples::of(c.kind);
        const QList<QAction*> menu = entries(c.button);
        ASSERT_EQ(menu.size(), static_cast<qsizetype>(all.size())) << c.page;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const examples::Example& e = all[i];
            EXPECT_EQ(menu[static_cast<qsizetype>(i)]->text().toStdString(), e.caption);
            EXPECT_EQ(menu[static_cast<qsizetype>(i)]->toolTip().toStdString(), e.note);
            menu[static_cast<qsizetype>(i)]->trigger();
            EXPECT_EQ(field(c.entry), std::to_string(e.key)) << e.caption;
            EXPECT_EQ(field(c.info), e.note) << e.caption;
            EXPECT_EQ(field(c.count), std::to_string(e.keys.size())) << e.caption;
            const bool insert = e.operation == examples::Operation::insert;
            click(insert ? c.insert : c.remove);
            EXPECT_EQ(field(c.count), std::to_string(e.keys.size() + (insert ? 1 : -1)))
                << e.caption;
            EXPECT_TRUE(dialogs.take().empty()) << e.caption;
        }
    }
}

TEST_F(ExamplesPageTest, AnExampleIsTakenBackWithCtrlZ) {
    for (const TreePageCase& c : kTreePages) {
        showPage(c.page);
        type(c.entry, "7");
        click(c.insert);
        type(c.entry, "8");
        const std::string count = field(c.count);
        entries(c.button).front()->trigger();
        ASSERT_NE(field(c.count), count) << c.page;
        pressCtrl(Qt::Key_Z);
        EXPECT_EQ(field(c.count), count) << c.page;
        EXPECT_EQ(field(c.entry), "8") << c.page;
        EXPECT_EQ(field(c.info), "") << c.page;
        pressCtrl(Qt::Key_Y);
        EXPECT_EQ(field(c.entry), std::to_string(examples::of(c.kind).front().key)) << c.page;
    }
}

TEST_F(ExamplesPageTest, ListExamplesFillTheListAndShowTheirNote) {
    showPage("TabSheetListe");
    type("EditLEingabe", "Anna");
    click("ButtonLInsert");
    const std::string before = memo("MemoListe");
    const auto all = examples::of(examples::Page::list);
    const QList<QAction*> menu = entries("ButtonLBeispiele");
    ASSERT_EQ(menu.size(), static_cast<qsizetype>(all.size()));
    menu[1]->trigger();  // in reverse order
    EXPECT_EQ(memo("MemoListe"), "     <--\n[46]\n[40]\n[31]\n[25]\n[17]\n[12]\n[8]\n[3]");
    EXPECT_EQ(field("EditLAnz"), "8");
    EXPECT_EQ(field("EditLCurrent"), "0");
    EXPECT_EQ(find<QLabel>("LabelLBeispiel")->text().toStdString(), all[1].note);
    pressCtrl(Qt::Key_Z);
    EXPECT_EQ(memo("MemoListe"), before);
}

// No control of the page lies under the new button (or the list's note).
TEST_F(ExamplesPageTest, TheButtonsCoverNoOtherControl) {
    const struct {
        const char* page;
        std::vector<const char*> added;
    } pages[] = {{"TabSheetSuchbaum", {"ButtonTBeispiele"}},
                 {"TabSheetAVLBaum", {"ButtonABeispiele"}},
                 {"TabSheetBayerBaum", {"ButtonBBeispiele"}},
                 {"TabSheetListe", {"ButtonLBeispiele", "LabelLBeispiel"}}};
    for (const auto& p : pages) {
        showPage(p.page);
        QWidget* page = find<QWidget>(p.page);
        for (const char* name : p.added) {
            QWidget* added = find<QWidget>(name);
            ASSERT_TRUE(added);
            EXPECT_EQ(added->parentWidget(), page);
            EXPECT_TRUE(page->rect().contains(added->geometry())) << name;
            for (QObject* o : page->children()) {
                auto* other = qobject_cast<QWidget*>(o);
                if (!other || other == added || other->isHidden() || other->isWindow()) continue;
                EXPECT_FALSE(other->geometry().intersects(added->geometry()))
                    << name << " covers " << other->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(find<QPushButton>("ButtonTBeispiele")->text().toStdString(), examplestext::caption);
}

// Pressing the button opens the menu without waiting for a choice.
TEST_F(ExamplesPageTest, PressingTheButtonPopsUpItsMenu) {
    showPage("TabSheetAVLBaum");
    auto* menu = find<QMenu>("ButtonABeispieleMenue");
    ASSERT_TRUE(menu);
    click("ButtonABeispiele");
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    menu->close();
}

}  // namespace
