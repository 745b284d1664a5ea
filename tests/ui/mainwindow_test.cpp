// The main window's shell: pages, controls as designed, locking, the menu
// panel and the about window.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>
#include <map>
#include <set>

#include "demo/avltreedemo.h"
#include "tests/ui/pagefixture.h"
#include "trees/treeinteger.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/taboutbox.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/zoomsurface.h"

namespace {

// The memo answers typing like a read-only text box: letters, Backspace and
// Delete leave its text as it was.
bool ignoresTyping(MemoView& memo) {
    const QString before = memo.toPlainText();
    QTest::keyClicks(&memo, "xy");
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QTest::keyClick(&memo, Qt::Key_Delete);
    return memo.toPlainText() == before;
}

struct Control {
    const char* name;
    const char* caption;  // button/label/radio/group text; nullptr for fields
    int x, y, w, h;       // w, h -1 when not designed
};

// Designed positions relative to the parent (the panels for their buttons).
const Control kControls[] = {
    {"LabelLEingabe", "Eingabe (String oder Integer)", 8, 5, -1, -1},
    {"EditLEingabe", nullptr, 8, 21, 121, -1},
    {"GroupBoxListe", "Eingabeauswahl", 160, 8, -1, -1},
    {"RadioButtonString", "String-Eingabe", -1, -1, -1, -1},
    {"RadioButtonInteger", "Integer-Eingabe", -1, -1, -1, -1},
    {"PanelListe", nullptr, 8, 51, 113, 406},
    {"ButtonLReset", "&Reset", -1, -1, -1, -1},
    {"ButtonLAdvance", "&Advance", -1, -1, -1, -1},
    {"ButtonLInsert", "&Insert", -1, -1, -1, -1},
    {"ButtonLFindElem", "&FindElem", -1, -1, -1, -1},
    {"ButtonLUpdate", "&Update", -1, -1, -1, -1},
    {"ButtonLElem", "&Elem", -1, -1, -1, -1},
    {"ButtonLDelete", "&Delete", -1, -1, -1, -1},
    {"ButtonLClear", "&Clear", -1, -1, -1, -1},
    {"ButtonLSave", "&Save", -1, -1, -1, -1},
    {"ButtonLLoad", "&Load", -1, -1, -1, -1},
    {"ButtonLSort", "Sor&t (ASCII)", -1, -1, -1, -1},
    {"BitBtnLSortdemo", "Sort-Demo", -1, -1, -1, -1},
    {"LabelCurrent", "Current", -1, -1, -1, -1},
    {"LabelLAnz", "Anzahl Elemente", -1, -1, -1, -1},
    {"MemoListe", nullptr, 296, 16, 185, 298},
    {"GroupBoxListeErzeugen", "Liste mit Integer erzeugen", 496, 152, -1, -1},
    {"LabelLAnzahl", "Anzahl der Elemente (2 bis 100)", -1, -1, -1, -1},
    {"RadioButtondoppelt", "Doppelungen", -1, -1, -1, -1},
    {"RadioButtonKeineDoppelt", "keine Doppelungen", -1, -1, -1, -1},
    {"BitBtnZufaellig", "Zufällig", -1, -1, -1, -1},
    {"BitBtnAufsteigend", "Aufsteigend", -1, -1, -1, -1},
    {"BitBtnAbsteigend", "Absteigend", -1, -1, -1, -1},
    {"LabelKEingabe", "Eingabe (String)", 32, 40, -1, -1},
    {"EditKEingabe", nullptr, 32, 56, 105, 21},
    {"PanelKeller", nullptr, 32, 116, 105, 209},
    {"ButtonKpush", "&Push", 16, 8, 73, 25},
    {"ButtonKpop", "&Pop", 16, 40, 73, 25},
    {"ButtonKtop", "&Top", 16, 72, 73, 25},
    {"ButtonKclear", "&Clear", 16, 104, 73, 25},
    {"ButtonKSave", "&Save", 16, 136, 73, 25},
    {"ButtonKLoad", "&Load", 16, 168, 73, 25},
    {"Memolifo", nullptr, 272, 20, 185, 281},
    {"LabelKAnz", "Anzahl Elemente", 152, 168, -1, -1},
    {"EditKAnz", nullptr, 152, 184, 89, 21},
    {"LabelSEingabe", "Eingabe (String)", 24, 32, -1, -1},
    {"EditSEingabe", nullptr, 24, 48, 105, 21},
    {"PanelSchlange", nullptr, 24, 92, 105, 209},
    {"ButtonSInsert", "&Insert", 16, 8, 73, 25},
    {"ButtonSDelete", "&Delete", 16, 40, 73, 25},
    {"ButtonSFront", "&Front", 16, 72, 73, 25},
    {"ButtonSClear", "&Clear", 16, 104, 73, 25},
    {"ButtonSSave", "&Save", 16, 136, 73, 25},
    {"ButtonSLoad", "&Load", 16, 168, 73, 25},
    {"MemoFifo", nullptr, 256, 28, 185, 289},
    {"LabelSAnz", "Anzahl Elemente", 144, 96, -1, -1},
    {"EditSAnz", nullptr, 144, 120, 81, 21},
    {"ImageTbaum", nullptr, 224, 16, 497, 293},
    {"ButtonTlookup", "L&ookup", 8, 104, 73, 25},
    {"ButtonTBalance", "&Balance", 8, 200, 73, 25},
    {"BitBtnTWeiter", "Weiter", 136, 296, 75, 25},
    {"BitBtnEbene", "&Ebenen", 136, 368, 75, 25},
    {"ImageABaum", nullptr, 208, 36, 505, 293},
    {"BitBtnAweiter", "Weiter", 110, 296, 75, 25},
    {"ImageBBaum", nullptr, 216, 12, 497, 305},
    {"BitBtnBweiter", "Weiter", 120, 268, 75, 25},
    {"ButtonNCreateRoot", "Crea&teRoot", -1, -1, -1, -1},
    {"TreeView", nullptr, -1, -1, -1, -1},
};

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

}  // namespace

using MainWindowTest = PageFixture;

TEST_F(MainWindowTest, WindowHasItsCaptionSizeAndSevenPagesWithSuchbaumInFront) {
    EXPECT_EQ(form->windowTitle(), "Tessaro");
    EXPECT_EQ(form->size(), QSize(819, 565));
    QTabWidget& pages = form->pageControl();
    EXPECT_EQ(pages.objectName(), "PageControl");
    EXPECT_EQ(pages.geometry(), QRect(8, 40, 777, 489));
    const char* names[][2] = {{"TabSheetListe", "Liste"},       {"TabSheetKeller", "Keller"},
                              {"TabSheetSchlange", "Schlange"}, {"TabSheetSuchbaum", "Suchbaum"},
                              {"TabSheetAVLBaum", "AVL-Baum"},  {"TabSheetBayerBaum", "BayerBaum"},
                              {"TabSheetNBaum", "NBaum"}};
    ASSERT_EQ(pages.count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pages.widget(i)->objectName(), names[i][0]);
        EXPECT_EQ(pages.tabText(i), QString::fromUtf8(names[i][1]));
    }
    EXPECT_EQ(pages.currentWidget()->objectName(), "TabSheetSuchbaum");
}

namespace {
// Every control of the table with its name, caption and designed place.
void expectDesignedControls(TForm1& form) {
    for (const Control& c : kControls) {
        auto* w = form.findChild<QWidget*>(c.name);
        ASSERT_TRUE(w) << c.name;
        if (c.caption) {
            EXPECT_EQ(textOf(w), QString::fromUtf8(c.caption)) << c.name;
        }
        if (c.x >= 0) {
            EXPECT_EQ(w->pos(), QPoint(c.x, c.y)) << c.name;
        }
        if (c.w >= 0) {
            EXPECT_EQ(w->width(), c.w) << c.name;
        }
        if (c.h >= 0) {
            EXPECT_EQ(w->height(), c.h) << c.name;
        }
    }
}
}  // namespace

TEST_F(MainWindowTest, EveryDesignedControlHasItsNameCaptionAndPlace) {
    expectDesignedControls(*form);
    EXPECT_NE(
        find<QLabel>("LabelLInfo")
            ->text()
            .indexOf(QString::fromUtf8("gekennzeichnet.        Der Zeiger steht jeweils vor dem "
                                       "aktuellen Element.")),
        -1);
    EXPECT_EQ(find<QWidget>("BitBtnEbene")->toolTip(), "Gibt den Baum ebenenweise aus");
}

TEST_F(MainWindowTest, ButtonsTakeNoFocusFieldsAreOutOfTheTabChainAndReadOnlyWhereDesigned) {
    for (QAbstractButton* b : form->findChildren<QPushButton*>()) {
        if (b->window() != form.get()) continue;  // the about window keeps its tab chain
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
    }
    EXPECT_FALSE(find<QWidget>("SpinEditLAnzahl")->focusPolicy() & Qt::TabFocus);
    for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        if (e->objectName() == "qt_spinbox_lineedit") continue;  // its spin box decides
        EXPECT_FALSE(e->focusPolicy() & Qt::TabFocus) << e->objectName().toStdString();
    }
    for (const char* name :
         {"EditLCurrent", "EditLAnz", "EditKAnz", "EditSAnz", "EditTTiefe", "EditTAnz",
          "EditTAusgeglichen", "EditTinfo", "EditAtiefe", "EditAanz", "EditAinfo", "EditBAnz",
          "EditBInfo", "EditNEbene", "EditNAktuell", "EditNTiefe", "EditNAnz"}) {
        EXPECT_TRUE(find<QLineEdit>(name)->isReadOnly()) << name;
    }
    for (const char* name : {"EditLEingabe", "EditKEingabe", "EditSEingabe", "EditTEingabe",
                             "EditAEingabe", "EditBEingabe", "EditNEingabe", "EditNNummer"}) {
        EXPECT_FALSE(find<QLineEdit>(name)->isReadOnly()) << name;
    }
    for (const char* name : {"MemoListe", "Memolifo", "MemoFifo"}) {
        EXPECT_TRUE(ignoresTyping(*find<MemoView>(name))) << name;
        EXPECT_FALSE(find<MemoView>(name)->focusPolicy() & Qt::TabFocus) << name;
    }
    EXPECT_TRUE(find<QPlainTextEdit>("MemoEbene")->isReadOnly());
    for (const char* name : {"Memolifo", "MemoFifo"}) {
        EXPECT_EQ(find<MemoView>(name)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_EQ(find<MemoView>(name)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_FALSE(find<MemoView>(name)->wordWrap()) << name;
    }
    EXPECT_EQ(find<MemoView>("MemoListe")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(find<MemoView>("MemoListe")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(find<MemoView>("MemoListe")->wordWrap());
}

// The substitutions are process state: the test main installs them once, and
// making a window must neither need nor change them.
TEST(FontSetUpTest, TheWindowsFontsAreSubstitutedAtStartUpAndNotByAWindow) {
    const QStringList sansSerif{"nimbus sans", "liberation sans", "arial", "helvetica",
                                "dejavu sans"};
    for (const char* family : {"MS Sans Serif", "System"}) {
        EXPECT_EQ(QFont::substitutes(family).join(',').toLower(), sansSerif.join(',')) << family;
        QFont::removeSubstitutions(family);
    }
    {
        FakeDialogs dialogs;
        TForm1 form(&dialogs);
    }
    EXPECT_TRUE(QFont::substitutes("MS Sans Serif").isEmpty());
    EXPECT_TRUE(QFont::substitutes("System").isEmpty());
    installFontSubstitutions();
    EXPECT_EQ(QFont::substitutes("System").join(',').toLower(), sansSerif.join(','));
}

TEST_F(MainWindowTest, MenuButtonsShowTheirHintsAndTheWeiterButtonsStartDisabled) {
    EXPECT_EQ(find<QToolButton>("SpeedButtonInfo")->toolTip(), "Info");
    EXPECT_EQ(find<QToolButton>("SpeedButtonEnde")->toolTip(), "Beenden");
    EXPECT_EQ(find<QWidget>("PanelMenue")->geometry(), QRect(0, 0, 73, 33));
    for (const char* name : {"BitBtnTWeiter", "BitBtnAweiter", "BitBtnBweiter"}) {
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    }
    // Disabled, a press of a "Weiter" button does nothing.
    showPage("TabSheetSuchbaum");
    QTest::mouseClick(find<QAbstractButton>("BitBtnTWeiter"), Qt::LeftButton);
    EXPECT_FALSE(form->searchTreePage().player().running());
    EXPECT_EQ(form->searchTreePage().player().playback().size(), 0);
    EXPECT_EQ(field("EditTinfo"), "");
}

namespace {
// Names of every enabled push/tool button of the main window (tab bar arrows aside).
std::set<std::string> enabledButtons(TForm1& form) {
    std::set<std::string> names;
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(b) || b->window() != &form) continue;
        if (b->parentWidget() == form.pageControl().tabBar()) continue;
        if (b->isEnabled()) names.insert(b->objectName().toStdString());
    }
    return names;
}
std::set<std::string> enabledPages(TForm1& form) {
    std::set<std::string> names;
    QTabWidget& pages = form.pageControl();
    for (int i = 0; i < pages.count(); ++i) {
        if (pages.widget(i)->isEnabled() && pages.isTabEnabled(i)) {
            names.insert(pages.widget(i)->objectName().toStdString());
        }
    }
    return names;
}
}  // namespace

TEST_F(MainWindowTest, DuringASearchTreeDemonstrationOnlyItsPageAndWeiterAreUsable) {
    form->lockControls(false, TForm1::kSearchTree);
    EXPECT_EQ(enabledButtons(*form), (std::set<std::string>{"BitBtnTWeiter", "ButtonTSpalte"}));
    EXPECT_EQ(enabledPages(*form), std::set<std::string>{"TabSheetSuchbaum"});
    EXPECT_EQ(form->pageControl().currentWidget()->objectName(), "TabSheetSuchbaum");
    // Without a demonstration of the page "Weiter" has nothing to go on with.
    click("BitBtnTWeiter");
    const Playback& playback = form->searchTreePage().player().playback();
    EXPECT_FALSE(playback.running());
    EXPECT_EQ(playback.size(), 0);
    EXPECT_EQ(timers.nextDue(), -1);
    EXPECT_EQ(field("EditTinfo"), "");
    EXPECT_EQ(enabledButtons(*form), (std::set<std::string>{"BitBtnTWeiter", "ButtonTSpalte"}));

    form->lockControls(true, TForm1::kSearchTree);
    const auto enabled = enabledButtons(*form);
    EXPECT_FALSE(enabled.count("BitBtnTWeiter"));
    EXPECT_TRUE(enabled.count("BitBtnAweiter"));  // the other pages' Weiter stay enabled
    EXPECT_TRUE(enabled.count("BitBtnBweiter"));
    EXPECT_TRUE(enabled.count("BitBtnEbene"));
    EXPECT_TRUE(enabled.count("SpeedButtonEnde"));
    EXPECT_TRUE(enabled.count("ButtonLInsert"));
    EXPECT_EQ(enabledPages(*form).size(), 7u);
}

TEST_F(MainWindowTest, AvlAndBayerLockingKeepTheirOwnPageAndWeiter) {
    showPage("TabSheetAVLBaum");
    form->lockControls(false, TForm1::kAvlTree);
    EXPECT_EQ(enabledButtons(*form), (std::set<std::string>{"BitBtnAweiter", "ButtonASpalte"}));
    EXPECT_EQ(enabledPages(*form), std::set<std::string>{"TabSheetAVLBaum"});
    form->lockControls(true, TForm1::kAvlTree);
    showPage("TabSheetBayerBaum");
    form->lockControls(false, TForm1::kBayerTree);
    EXPECT_EQ(enabledButtons(*form), (std::set<std::string>{"BitBtnBweiter", "ButtonBSpalte"}));
    EXPECT_EQ(enabledPages(*form), std::set<std::string>{"TabSheetBayerBaum"});
    form->lockControls(true, TForm1::kBayerTree);
    EXPECT_FALSE(enabledButtons(*form).count("BitBtnBweiter"));
}

TEST_F(MainWindowTest, SortWindowLockingDisablesEverythingAndUnlockingRestoresIt) {
    showPage("TabSheetListe");
    const auto before = enabledButtons(*form);
    form->lockControls(false, TForm1::kSortWindow);
    EXPECT_TRUE(enabledButtons(*form).empty());
    EXPECT_TRUE(enabledPages(*form).empty());
    EXPECT_EQ(form->pageControl().currentWidget()->objectName(), "TabSheetListe");
    form->lockControls(true, TForm1::kSortWindow);
    auto after = enabledButtons(*form);
    // Unlocking enables every button, the Weiter buttons of the tree pages too.
    for (const char* weiter : {"BitBtnTWeiter", "BitBtnAweiter", "BitBtnBweiter"}) {
        after.erase(weiter);
    }
    EXPECT_EQ(after, before);
}

TEST_F(MainWindowTest, ReadTreeNumberAcceptsOneToNinetyNineAndReportsTheRest) {
    EXPECT_TRUE(form->readTreeNumber("1"));
    EXPECT_TRUE(form->readTreeNumber("99"));
    for (const char* bad : {"0", "100", "-3", "ab", ""}) {
        EXPECT_FALSE(form->readTreeNumber(bad)) << bad;
        EXPECT_EQ(dialogs.take(),
                  std::vector<std::string>{"information: Ganze Zahl von 1 bis 99 eingeben"});
    }
}

TEST_F(MainWindowTest, InfoShowsTheAboutWindow) {
    click("SpeedButtonInfo");
    TAboutBox& about = form->aboutBox();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.windowTitle(), "Info");
    EXPECT_EQ(about.size(), QSize(503, 432));
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), "Tessaro");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version 2.5");
    EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(),
              "Keine Garantie auf Fehlerfreiheit Benutzung auf eigenes Risiko");
    EXPECT_EQ(about.findChild<QWidget*>("Panel1")->geometry(), QRect(8, 8, 401, 273));
    EXPECT_EQ(about.findChild<QWidget*>("BitBtnSchliessen")->geometry(), QRect(16, 304, 89, 25));

    // The main window stays usable while the about window is shown.
    EXPECT_TRUE(find<QAbstractButton>("ButtonLInsert")->isEnabled());
    QTest::mouseClick(about.findChild<QPushButton*>("BitBtnSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainWindowTest, AddressButtonsHandTheirCaptionsToTheShellAndHideWithoutAddress) {
    TAboutBox about(form.get(), {"tessaro.example", "info@tessaro.example"});
    about.showCentered();
    std::vector<QString> opened;
    about.setUrlOpener([&](const QString& address) { opened.push_back(address); });
    auto* web = about.findChild<QPushButton*>("ButtonWebseite");
    auto* mail = about.findChild<QPushButton*>("ButtonMail");
    EXPECT_TRUE(web->isVisible());
    EXPECT_TRUE(mail->isVisible());
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    web->setText("example.com/neu");
    QTest::mouseClick(web, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], "http://tessaro.example");
    EXPECT_EQ(opened[1], "Mailto:info@tessaro.example");
    EXPECT_EQ(opened[2], "http://example.com/neu");

    // An address that the build does not set leads nowhere: its button is hidden.
    TAboutBox withoutMail(form.get(), {"tessaro.example", ""});
    withoutMail.showCentered();
    EXPECT_TRUE(withoutMail.findChild<QPushButton*>("ButtonWebseite")->isVisible());
    EXPECT_FALSE(withoutMail.findChild<QPushButton*>("ButtonMail")->isVisible());
    TAboutBox withoutAny(form.get(), {});
    withoutAny.showCentered();
    EXPECT_FALSE(withoutAny.findChild<QPushButton*>("ButtonWebseite")->isVisible());
    EXPECT_FALSE(withoutAny.findChild<QPushButton*>("ButtonMail")->isVisible());
}

TEST_F(MainWindowTest, EndeRunsTheQuitHandler) {
    int quits = 0;
    form->setQuitHandler([&] { ++quits; });
    click("SpeedButtonEnde");
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, TreeImagesStartBlankInTheButtonFaceColour) {
    for (const char* name : {"ImageTbaum", "ImageABaum", "ImageBBaum"}) {
        auto* view = find<ImageView>(name);
        const QImage& image = view->image();
        const QColor face = ImageSurface::toQColor(clBtnFace);
        EXPECT_EQ(image.pixelColor(0, 0), face) << name;
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), face) << name;
    }
}

namespace {
// The Alt keys that the widgets under scope hold, mnemonics and keys of their
// own alike, each with the object name of its holder.
using KeyHolders = std::multimap<QString, QString>;
void collectAltKeys(QWidget* scope, KeyHolders& keys) {
    const auto add = [&keys](const QKeySequence& key, const QString& holder) {
        if (key.isEmpty() || !(key[0].keyboardModifiers() & Qt::AltModifier)) return;
        keys.emplace(key.toString(), holder);
    };
    for (QAbstractButton* b : scope->findChildren<QAbstractButton*>())
        add(b->shortcut(), b->objectName());
    for (QLabel* l : scope->findChildren<QLabel*>())
        if (l->buddy()) add(QKeySequence::mnemonic(l->text()), l->objectName());
    for (QGroupBox* g : scope->findChildren<QGroupBox*>())
        add(QKeySequence::mnemonic(g->title()), g->objectName());
    QList<QTabBar*> bars = scope->findChildren<QTabBar*>();
    if (auto* bar = qobject_cast<QTabBar*>(scope)) bars.append(bar);
    for (QTabBar* t : bars)
        for (int i = 0; i < t->count(); ++i)
            add(QKeySequence::mnemonic(t->tabText(i)), t->tabText(i));
    for (QShortcut* s : scope->findChildren<QShortcut*>()) add(s->key(), s->objectName());
}
}  // namespace

TEST_F(MainWindowTest, NoAltKeyOfAPageOrWindowIsAmbiguous) {
    // A page shares the window's keys: the menu panel and the tab captions.
    struct Scope {
        QWidget* scope;
        bool inMainWindow;
    };
    const Scope scopes[] = {
        {find<QWidget>("TabSheetListe"), true},
        {find<QWidget>("TabSheetKeller"), true},
        {find<QWidget>("TabSheetSchlange"), true},
        {find<QWidget>("TabSheetSuchbaum"), true},
        {find<QWidget>("TabSheetAVLBaum"), true},
        {find<QWidget>("TabSheetBayerBaum"), true},
        {find<QWidget>("TabSheetNBaum"), true},
        {find<QWidget>("TFormDemo"), false},
        {&form->aboutBox(), false},
    };
    for (const Scope& s : scopes) {
        const QString name = s.scope->objectName();
        KeyHolders keys;
        collectAltKeys(s.scope, keys);
        if (s.inMainWindow) {
            collectAltKeys(find<QWidget>("PanelMenue"), keys);
            collectAltKeys(form->pageControl().tabBar(), keys);
        }
        for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first)) {
            EXPECT_EQ(keys.count(it->first), 1u)
                << name.toStdString() << ": " << it->first.toStdString() << " held by "
                << it->second.toStdString() << " and more";
        }
        // A button that left its caption's letter to an earlier one holds a
        // key of its own and names it in its hint.
        for (QAbstractButton* b : s.scope->findChildren<QAbstractButton*>()) {
            const QKeySequence caption = QKeySequence::mnemonic(b->text());
            if (caption.isEmpty() || b->shortcut() == caption) continue;
            const std::string who = name.toStdString() + "/" + b->objectName().toStdString();
            EXPECT_EQ(keys.count(caption.toString()), 1u) << who;
            ASSERT_FALSE(b->shortcut().isEmpty()) << who;
            EXPECT_TRUE(b->toolTip().contains(b->shortcut().toString(QKeySequence::NativeText)))
                << who << ": " << b->toolTip().toStdString();
        }
    }
}

// The program's window makes the page in front at once and every other page,
// the sort and the about window when first needed, each as designed.
TEST(OnFirstUseWindowTest, MakesEachPageWhenItsTabIsChosenNamedAndPlacedAsDesigned) {
    FakeDialogs dialogs;
    TForm1 form(&dialogs, nullptr, TForm1::Building::onFirstUse);
    form.show();
    QTabWidget& pages = form.pageControl();
    ASSERT_EQ(pages.count(), 7);
    EXPECT_EQ(pages.currentIndex(), 3);
    EXPECT_TRUE(form.findChild<QWidget*>("EditTEingabe"));
    EXPECT_FALSE(form.findChild<QWidget*>("EditLEingabe"));
    EXPECT_FALSE(form.findChild<QWidget*>("TFormDemo"));
    EXPECT_FALSE(form.findChild<QWidget*>("TAboutBox"));
    const char* names[][2] = {{"TabSheetListe", "Liste"},       {"TabSheetKeller", "Keller"},
                              {"TabSheetSchlange", "Schlange"}, {"TabSheetSuchbaum", "Suchbaum"},
                              {"TabSheetAVLBaum", "AVL-Baum"},  {"TabSheetBayerBaum", "BayerBaum"},
                              {"TabSheetNBaum", "NBaum"}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(form.pageMade(i), i == 3) << i;
        EXPECT_EQ(pages.widget(i)->objectName(), names[i][0]);
        pages.setCurrentIndex(i);
        EXPECT_TRUE(form.pageMade(i)) << i;
        EXPECT_EQ(pages.currentIndex(), i);
        EXPECT_EQ(pages.currentWidget()->objectName(), names[i][0]);
        EXPECT_EQ(pages.tabText(i), QString::fromUtf8(names[i][1]));
    }
    ASSERT_EQ(pages.count(), 7);
    EXPECT_EQ(form.findChildren<QWidget*>("TabSheetListe").size(), 1);
    expectDesignedControls(form);

    QTest::mouseClick(form.findChild<QToolButton*>("SpeedButtonInfo"), Qt::LeftButton);
    ASSERT_TRUE(form.findChild<QWidget*>("TAboutBox"));
    EXPECT_TRUE(form.aboutBox().isVisible());
    form.aboutBox().hide();
}

TEST(OnFirstUseWindowTest, APageMadeWhileTheControlsAreLockedComesLocked) {
    FakeDialogs dialogs;
    TForm1 form(&dialogs, nullptr, TForm1::Building::onFirstUse);
    form.show();
    form.lockControls(false, TForm1::kSearchTree);
    form.stackPage();
    EXPECT_EQ(enabledButtons(form), (std::set<std::string>{"BitBtnTWeiter", "ButtonTSpalte"}));
    EXPECT_EQ(enabledPages(form), std::set<std::string>{"TabSheetSuchbaum"});
    form.lockControls(true, TForm1::kSearchTree);
    EXPECT_TRUE(enabledButtons(form).count("ButtonKpush"));
    EXPECT_EQ(enabledPages(form).size(), 7u);
    EXPECT_EQ(form.pageControl().currentWidget()->objectName(), "TabSheetSuchbaum");
}

// The projector view: the AVL page at 200 % is drawn at that scale, not
// enlarged from the 1:1 picture, and 100 % gives back the window as it was.
TEST_F(MainWindowTest, ZoomDrawsTheTreePictureAtScaleAndOneHundredPercentRestoresTheWindow) {
    showPage("TabSheetAVLBaum");
    for (int n : {50, 30, 70, 20}) form->avlTreePage().tree().insertQuietly(std::to_string(n));
    form->avlTreePage().tree().zeichne();
    QApplication::processEvents();
    const QImage windowBefore = form->grab().toImage();
    auto* view = find<ImageView>("ImageABaum");
    const QImage small = view->image().copy();

    form->setZoom(200);
    EXPECT_EQ(form->zoom(), 200);
    EXPECT_EQ(view->size(), QSize(1010, 586));
    EXPECT_EQ(view->pos(), QPoint(416, 72));
    EXPECT_EQ(find<QWidget>("EditAEingabe")->geometry(), QRect(16, 64, 194, 42));
    EXPECT_EQ(find<QWidget>("EditAEingabe")->font().pixelSize(), 22);
    EXPECT_EQ(form->size(), QSize(1638, 1130));
    EXPECT_EQ(view->image(), small);  // the page's own picture stays 1:1
    // A number inserted now is drawn at the scale too.
    form->avlTreePage().tree().insertQuietly("40");
    form->avlTreePage().tree().zeichne();
    QImage image(505, 293, QImage::Format_RGB32);
    ImageSurface plain(image);
    ZoomSurface expected(plain, image.size());
    expected.setZoom(200);
    expected.setBrushColor(clBtnFace);
    expected.fillRect(0, 0, 505, 293);
    expected.setFontName("MS SANS SERIF");
    expected.setFontSize(8);
    form->avlTreePage().tree().paint(expected, 252, 10, 30, 10, 252, false);
    EXPECT_EQ(image, view->image());
    EXPECT_EQ(view->zoomedImage(), expected.zoomed());
    EXPECT_NE(view->zoomedImage(), view->image().scaled(1010, 586));

    form->setZoom(100);
    EXPECT_EQ(view->zoomedImage(), view->image());
    form->avlTreePage().tree().remove(std::make_unique<TTreeInteger>(40));
    form->avlTreePage().tree().zeichne();
    QApplication::processEvents();
    EXPECT_EQ(form->grab().toImage(), windowBefore);
}

TEST_F(MainWindowTest, ZoomKeysStepTheZoomAndTheStartTakesTheLastOne) {
    const auto key = [this](Qt::Key k) {
        QTest::keyClick(form.get(), k, Qt::ControlModifier);
        return form->zoom();
    };
    EXPECT_EQ(key(Qt::Key_Plus), 125);
    EXPECT_EQ(key(Qt::Key_Plus), 150);
    EXPECT_EQ(key(Qt::Key_Minus), 125);
    for (int expected : {150, 200, 250, 300, 300}) EXPECT_EQ(key(Qt::Key_Plus), expected);
    EXPECT_EQ(key(Qt::Key_Minus), 250);
    {
        TForm1 next(&dialogs);
        EXPECT_EQ(next.zoom(), 100);
        next.restoreZoom();
        EXPECT_EQ(next.zoom(), 250);
        EXPECT_EQ(next.findChild<QWidget*>("PageControl")->geometry(), QRect(20, 100, 1943, 1223));
    }
    EXPECT_EQ(key(Qt::Key_0), 100);
    // F11 switches full screen on and off.
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen);
    TForm1 last(&dialogs);
    last.restoreZoom();
    EXPECT_EQ(last.zoom(), 100);
}

// A picture zoomed after a long blink is the one drawn at the zoom all along,
// and the blink keeps no more calls than one cycle.
TEST(ZoomSurfaceTest, ZoomingLaterDrawsWhatDrawingAtTheZoomDrew) {
    QImage smallA(120, 80, QImage::Format_RGB32), smallB(120, 80, QImage::Format_RGB32);
    ImageSurface plainA(smallA), plainB(smallB);
    ZoomSurface later(plainA, smallA.size()), throughout(plainB, smallB.size());
    throughout.setZoom(250);
    for (ZoomSurface* s : {&later, &throughout}) {
        s->setBrushColor(clBtnFace);
        s->fillRect(0, 0, 120, 80);
        s->setPenColor(clBlack);
        s->rectangle(5, 5, 30, 40);
        s->moveTo(60, 10);
        s->lineTo(90, 70);
        for (int cycle = 0; cycle < 50; ++cycle) {
            for (Color c : {clBlack, clBtnFace, clBlack}) {
                s->setPenColor(c);
                s->setFontColor(c);
                s->moveTo(10, 60);
                s->lineTo(100, 20);
                s->textOut(40, 30, "42");
            }
        }
    }
    later.setZoom(250);
    EXPECT_EQ(later.zoomed(), throughout.zoomed());
    EXPECT_EQ(later.zoomed().size(), QSize(300, 200));
    EXPECT_EQ(smallA, smallB);
}
