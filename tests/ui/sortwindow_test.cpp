// The sort window "Demonstration von Sortieralgorithmen": opened from the list
// page, sorts run through its buttons and are played step by step with the
// window's own "Weiter" (or "Ende") on the window's player; the locking of
// the main window while it is open, and leaving it by its close button or by
// activating another window; "Ende" at every step against the whole run, the
// question before sorting a long list, and closing either window during a
// sort. Sort steps do not blink: no timer runs while one waits.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "elements/values.h"
#include "linear/listdemo.h"
#include "tests/ui/gifdecoder.h"
#include "tests/ui/pagefixture.h"
#include "tests/ui/sortwindowsupport.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/animation.h"
#include "ui/pages/handout.h"
#include "ui/pages/listpage.h"
#include "ui/pages/tformdemo.h"
#include "ui/pages/webexport.h"
#include "ui/platform/picturefile.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"
#include "workbench/structurepicture.h"

using sortwindowtest::values;
using treepagetest::enabledButtons;
using treepagetest::usablePages;
using Lines = std::vector<std::string>;
using Names = std::set<std::string>;

namespace {

const Names kWindowButtons = {"BitBtnBubble",     "BitBtnInsertion",    "BitBtnAuswaehlen",
                              "BitBtnQuick1",     "BitBtnMerge",        "BitBtnQuick2",
                              "BitBtnSchliessen", "CheckBoxVorhersagen"};

// kWindowButtons and more.
Names with(Names names, std::initializer_list<const char*> more) {
    for (const char* name : more) names.insert(name);
    return names;
}

class SortWindowTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        showPage("TabSheetListe");
        driver.onStep = [this](int step) {
            infos.push_back(inWindow<QLineEdit>("EditSortInfo")->text().toStdString());
            while_.push_back(enabledButtons(*window()));
            dueWhile.push_back(timers.nextDue());
            if (onStep) onStep(step);
        };
    }

    TFormDemo* window() { return form->findChild<TFormDemo*>("TFormDemo"); }
    const Playback& playback() { return window()->player().playback(); }
    template <typename T>
    T* inWindow(const char* name) {
        T* w = window()->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    // Presses a button of the window; a sort it starts is played by the
    // driver (a press from onStep acts on the running sort).
    void pressInWindow(const char* name) {
        auto* b = inWindow<QPushButton>(name);
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        driver.drive(*window());
    }
    std::string windowMemo(const char* name) {
        return inWindow<MemoView>(name)->toPlainText().toStdString();
    }
    // Integers typed and inserted one by one (each goes in front).
    void insertIntegers(std::initializer_list<int> values) {
        find<QRadioButton>("RadioButtonInteger")->setChecked(true);
        for (int v : values) {
            type("EditLEingabe", QString::number(v));
            click("ButtonLInsert");
        }
    }
    void open() {
        click("BitBtnLSortdemo");
        ASSERT_TRUE(window()->isVisible());
    }
    // The list page's list replaced by the given elements, cursor at the start.
    template <typename Make>
    void fillList(int count, Make make) {
        sortwindowtest::fill(form->listPage().list(), count, make);
    }
    std::vector<std::string> labels() {
        Lines texts;
        for (const char* n : {"LabelQuelleZiel", "LabelZwischenZiel1", "LabelZwischenZiel2"})
            texts.push_back(inWindow<QLabel>(n)->text().toStdString());
        return texts;
    }

    sortwindowtest::SortDriver driver;
    // At each step: the info field, the window's enabled buttons and the time
    // until a timer of the players runs out (-1: none runs).
    Lines infos;
    std::vector<Names> while_;
    std::vector<long long> dueWhile;
    std::function<void(int)> onStep;
};

}  // namespace

TEST_F(SortWindowTest, TheWindowExistsHiddenWithItsDesignedControls) {
    TFormDemo* w = window();
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), "Demonstration von Sortieralgorithmen");
    EXPECT_EQ(w->size(), QSize(839, 565));
    struct Control {
        const char* name;
        const char* caption;
        QRect geometry;
    };
    const Control buttons[] = {
        {"BitBtnWeiter", "Weiter", {48, 368, 75, 25}},
        {"BitBtnEnde", "Ende", {48, 400, 75, 25}},
        {"BitBtnSchliessen", "&Schließen", {48, 456, 75, 25}},
        {"BitBtnBubble", "&Bubblesort", {176, 368, 105, 25}},
        {"BitBtnInsertion", "Direktes &Einfügen", {176, 400, 105, 25}},
        {"BitBtnAuswaehlen", "&Direktes Auswählen", {296, 368, 105, 25}},
        {"BitBtnQuick1", "Quicksort &1", {296, 400, 105, 25}},
        {"BitBtnMerge", "&Mergesort", {416, 368, 105, 25}},
        {"BitBtnQuick2", "Quicksort &2", {416, 400, 105, 25}},
    };
    for (const Control& c : buttons) {
        auto* b = inWindow<QPushButton>(c.name);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text().toStdString(), c.caption);
        EXPECT_EQ(b->geometry(), c.geometry) << c.name;
        EXPECT_EQ((b->focusPolicy() & Qt::TabFocus) != 0, std::string(c.name) == "BitBtnSchliessen")
            << c.name;
    }
    EXPECT_EQ(inWindow<QWidget>("BitBtnQuick1")->toolTip().toStdString(),
              "Algorithmus wie bei Feldern");
    EXPECT_EQ(inWindow<QWidget>("BitBtnQuick2")->toolTip().toStdString(),
              "Algorithmus an die Listenstruktur angepasst");
    EXPECT_EQ(inWindow<QWidget>("MemoQuelle")->geometry(), QRect(8, 24, 209, 289));
    EXPECT_EQ(inWindow<QWidget>("MemoZwischen1")->geometry(), QRect(304, 24, 209, 289));
    EXPECT_EQ(inWindow<QWidget>("MemoZwischen2")->geometry(), QRect(600, 24, 209, 289));
    EXPECT_EQ(inWindow<QWidget>("EditSortInfo")->geometry(), QRect(8, 336, 801, 21));
    EXPECT_TRUE(inWindow<QLineEdit>("EditSortInfo")->isReadOnly());
    EXPECT_EQ(labels(), (Lines{"Quelle und Ziel", "", ""}));
    EXPECT_EQ(inWindow<QWidget>("LabelZwischenZiel1")->pos(), QPoint(288, 8));
}

TEST_F(SortWindowTest, AnEmptyListIsRefusedAndTheWindowStaysHidden) {
    click("BitBtnLSortdemo");
    EXPECT_EQ(dialogs.take(), Lines{"information: Die Liste ist leer"});
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(find<QWidget>("ButtonLInsert")->isEnabled());
    EXPECT_TRUE(hasFocus("EditLEingabe"));
}

// The window moves the list's cursor to the start: the arrow stands above
// the first element, wherever the list page had it.
TEST_F(SortWindowTest, OpeningLocksTheMainWindowAndShowsTheListFromTheStart) {
    insertIntegers({2, 1});
    click("ButtonLAdvance");
    ASSERT_EQ(form->listPage().list().position(), 1);
    open();
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_TRUE(enabledButtons(*form).empty());
    EXPECT_TRUE(usablePages(form->pageControl()).empty());
    EXPECT_EQ(enabledButtons(*window()), kWindowButtons);
    EXPECT_EQ(windowMemo("MemoQuelle"), "     <--\n[1]\n[2]");
    EXPECT_EQ(windowMemo("MemoZwischen1"), "");
    EXPECT_EQ(windowMemo("MemoZwischen2"), "");
    EXPECT_EQ(inWindow<QLineEdit>("EditSortInfo")->text(), "");
    EXPECT_EQ(form->listPage().list().position(), 0);
    EXPECT_FALSE(window()->player().running());
}

TEST_F(SortWindowTest, BubbleSortStepsWithWeiterAndEndsWithTheSortedListOnBothWindows) {
    insertIntegers({2, 1, 3});  // the list is 3, 1, 2
    open();
    pressInWindow("BitBtnBubble");
    const std::string start =
        "Start am Listenanfang: Austausch der Elemente eines nicht aufsteigend sortierten Paares";
    EXPECT_EQ(infos, (Lines{start, "3 und 1 werden miteinander getauscht",
                            "3 und 2 werden miteinander getauscht",
                            "Das Listenende (ab dem 3.ten Element) ist jetzt sotiert", start,
                            "Es wurde kein Tausch durchgeführt, daher ist die Liste sortiert"}));
    // "Weiter", "Ende" and "Abspielen"; "Zurück" once there is a step before.
    ASSERT_EQ(while_.size(), 6u);
    EXPECT_EQ(while_[0], (Names{"BitBtnWeiter", "BitBtnEnde", "BitBtnPlay"}));
    for (std::size_t k = 1; k < while_.size(); ++k)
        EXPECT_EQ(while_[k], (Names{"BitBtnWeiter", "BitBtnEnde", "BitBtnPlay", "BitBtnBack"}));
    // A step waits for "Weiter" alone: no timer runs.
    EXPECT_EQ(dueWhile, std::vector<long long>(6, -1));
    EXPECT_EQ(windowMemo("MemoQuelle"), "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(windowMemo("MemoZwischen1"), "");
    EXPECT_EQ(memo("MemoListe"), "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(field("EditLCurrent"), "1");
    EXPECT_EQ(inWindow<QLineEdit>("EditSortInfo")->text(), "");
    EXPECT_FALSE(window()->player().running());
    EXPECT_FALSE(window()->sorting());
    // The steps can be shown again with "Zurück".
    EXPECT_EQ(enabledButtons(*window()), with(kWindowButtons, {"BitBtnBack"}));
    EXPECT_TRUE(enabledButtons(*form).empty());  // still open: still locked
}

TEST_F(SortWindowTest, AlgorithmPanelMarksTheBubbleSortLinesBesideTheMemos) {
    insertIntegers({2, 1, 3});  // the list is 3, 1, 2
    open();
    auto* panel = inWindow<AlgorithmPanel>("AlgorithmusSort");
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(window()->actions().contains(panel->showAction()));
    panel->setShown(true);
    struct HideAgain {
        AlgorithmPanel* panel;
        ~HideAgain() { panel->setShown(false); }
    } hideAgain{panel};
    // Right of MemoZwischen2 (600, 24, 209 x 289); the fixed window grows to hold it.
    EXPECT_EQ(panel->geometry(), QRect(815, 24, AlgorithmPanel::kWidth, 289));
    EXPECT_EQ(window()->size(), QSize(815 + AlgorithmPanel::kWidth + 7, 565));
    EXPECT_EQ(window()->minimumSize(), window()->maximumSize());

    Lines marked;
    onStep = [&](int) { marked.push_back(panel->markedLine().toStdString()); };
    pressInWindow("BitBtnBubble");
    const std::string reset = "getauscht ← falsch";
    const std::string exchange =
        "wenn a[j] > a[j+1] dann tausche a[j] und a[j+1]; getauscht ← wahr";
    const std::string next = "i ← i + 1  { a[n-i..n-1] ist sortiert }";
    EXPECT_EQ(marked, (Lines{reset, exchange, exchange, next, reset, next}));
    EXPECT_EQ(infos.size(), 6u);  // the steps of the window without the panel
    EXPECT_EQ(panel->procedureTitle(), "Bubblesort(a[0..n-1])");

    panel->setShown(false);
    EXPECT_EQ(window()->size(), QSize(839, 565));
    EXPECT_EQ(window()->minimumSize(), window()->maximumSize());
}

TEST_F(SortWindowTest, EndeAtTheFirstStepFinishesAtOnceWithThePlainSortedList) {
    const struct {
        const char* button;
    } sorts[] = {{"BitBtnBubble"}, {"BitBtnInsertion"}, {"BitBtnAuswaehlen"},
                 {"BitBtnQuick1"}, {"BitBtnQuick2"},    {"BitBtnMerge"}};
    for (const auto& s : sorts) {
        find<QRadioButton>("RadioButtonKeineDoppelt")->setChecked(true);
        click("BitBtnAbsteigend");  // 8, 7, ..., 1
        open();
        infos.clear();
        onStep = [this](int step) {
            if (step == 1) pressInWindow("BitBtnEnde");
        };
        pressInWindow(s.button);
        // One step waited; "Ende" ran the rest at once without showing it.
        EXPECT_EQ(infos.size(), 1u) << s.button;
        EXPECT_EQ(playback().size(), 1) << s.button;
        EXPECT_FALSE(window()->player().running()) << s.button;
        EXPECT_EQ(values(form->listPage().list()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}))
            << s.button;
        EXPECT_EQ(windowMemo("MemoQuelle"), memo("MemoListe")) << s.button;
        EXPECT_EQ(inWindow<QLineEdit>("EditSortInfo")->text(), "");
        pressInWindow("BitBtnSchliessen");
    }
}

TEST_F(SortWindowTest, QuickSort2AndMergesortTitleTheListsWhileTheyRun) {
    insertIntegers({1, 8, 3, 5});  // 5, 3, 8, 1
    open();
    Lines during;
    onStep = [&](int step) {
        if (step == 1) {
            const Lines l = labels();
            during.insert(during.end(), l.begin(), l.end());
        }
    };
    pressInWindow("BitBtnQuick2");
    EXPECT_EQ(labels(), (Lines{"Quelle und Ziel", "", ""}));
    EXPECT_EQ(memo("MemoListe"), "\n[1]\n[3]  <--\n[5]\n[8]");
    infos.clear();
    pressInWindow("BitBtnMerge");
    EXPECT_EQ(during, (Lines{"Aktuelle Liste", "Obere Teilliste", "Untere Teilliste",
                             "Aktuelle Liste", "1. Teilliste", "2. Teilliste"}));
    EXPECT_EQ(labels(), (Lines{"Quelle und Ziel", "", ""}));
    EXPECT_EQ(infos.back(), "Da die 2. Zwischenliste leer ist, ist das Verfahren abgeschlossen.");
}

TEST_F(SortWindowTest, TheCloseButtonUnlocksTheMainWindowAndFocusesTheEntry) {
    insertIntegers({1});
    const auto before = enabledButtons(*form);
    open();
    pressInWindow("BitBtnSchliessen");
    EXPECT_FALSE(window()->isVisible());
    auto after = enabledButtons(*form);
    for (const char* weiter : {"BitBtnTWeiter", "BitBtnAweiter", "BitBtnBweiter"})
        after.erase(weiter);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(hasFocus("EditLEingabe"));
}

TEST_F(SortWindowTest, ActivatingTheMainWindowClosesTheSortWindowAndUnlocks) {
    insertIntegers({1, 2});
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    // The main window counts as active while its sort window is: wait for
    // the sort window to see that it lost the activation.
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window()->isVisible(); }));
    EXPECT_TRUE(find<QWidget>("ButtonLInsert")->isEnabled());
}

// Watches a widget and records, at the moment it is enabled, what the list
// page's list and the sort window hold then.
class UnlockWatch final : public QObject {
public:
    UnlockWatch(QWidget* watched, TListe& list, TFormDemo& window)
        : watched_(watched), list_(list), window_(window) {
        watched_->installEventFilter(this);
    }
    ~UnlockWatch() override { watched_->removeEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == watched_ && event->type() == QEvent::EnabledChange && watched_->isEnabled()) {
            valuesAtUnlock = values(list_);
            sortRunningAtUnlock = window_.player().running();
            ++unlocks;
        }
        return false;
    }

    int unlocks = 0;
    std::vector<int> valuesAtUnlock;
    bool sortRunningAtUnlock = true;

private:
    QWidget* watched_;
    TListe& list_;
    TFormDemo& window_;
};

// Leaving the window during a sort (FormDeactivate: another window takes the
// activation) finishes the sort at once; the main window is unlocked only
// once the sort has put every element back.
TEST_F(SortWindowTest, LeavingDuringASortFinishesItBeforeTheMainWindowIsUnlocked) {
    insertIntegers({4, 1, 3, 2});
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    UnlockWatch watch(find<QWidget>("ButtonLInsert"), form->listPage().list(), *window());
    bool hidden = false;
    int leftAt = 0;
    onStep = [&](int step) {
        // Left at the first step at which elements are in the sublists.
        if (leftAt != 0 || form->listPage().list().count() == 4) return;
        leftAt = step;
        form->activateWindow();
        hidden = QTest::qWaitFor([this] { return !window()->isVisible(); });
    };
    pressInWindow("BitBtnMerge");
    ASSERT_GT(leftAt, 0);
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(infos.size(), static_cast<std::size_t>(leftAt));
    EXPECT_EQ(watch.unlocks, 1);
    EXPECT_EQ(watch.valuesAtUnlock, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(watch.sortRunningAtUnlock);
    EXPECT_EQ(memo("MemoListe"), "     <--\n[1]\n[2]\n[3]\n[4]");
    EXPECT_TRUE(find<QWidget>("ButtonLInsert")->isEnabled());
    EXPECT_EQ(usablePages(form->pageControl()).size(), 7u);
    EXPECT_EQ(form->listPage().list().count(), 4);
}

TEST_F(SortWindowTest, ReturnPressesWeiterAndEscPressesEndeWithoutClosingTheWindow) {
    insertIntegers({2, 1, 3});  // the list is 3, 1, 2
    open();
    // The keys reach the window that has the activation, not the one that
    // only shares it.
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window(); }));
    // Without a sort both buttons are disabled: the keys do nothing.
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_FALSE(window()->player().running());
    EXPECT_EQ(playback().size(), 0);
    EXPECT_EQ(windowMemo("MemoQuelle"), "     <--\n[3]\n[1]\n[2]");
    EXPECT_TRUE(window()->isVisible());
    // Return and Enter go one step on at once, Esc ends the sort at once.
    std::vector<int> sizeAfterKey;
    onStep = [&](int step) {
        if (step == 1 || step == 2) {
            QTest::keyClick(window(), step == 1 ? Qt::Key_Return : Qt::Key_Enter);
        } else if (step == 3) {
            QTest::keyClick(window(), Qt::Key_Escape);
            EXPECT_FALSE(window()->player().running());
        }
        sizeAfterKey.push_back(playback().size());
    };
    pressInWindow("BitBtnBubble");
    EXPECT_EQ(sizeAfterKey, (std::vector<int>{2, 3, 3}));
    ASSERT_EQ(infos.size(), 3u);
    EXPECT_EQ(infos[1], "3 und 1 werden miteinander getauscht");
    EXPECT_EQ(infos[2], "3 und 2 werden miteinander getauscht");
    EXPECT_EQ(memo("MemoListe"), "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(inWindow<QLineEdit>("EditSortInfo")->text(), "");
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(enabledButtons(*window()), with(kWindowButtons, {"BitBtnBack"}));
}

TEST_F(SortWindowTest, TheWindowOpensCentredOverTheMainWindowAndFullyOnTheScreen) {
    insertIntegers({1});
    const QRect screen = form->screen()->availableGeometry();
    // Main window positions: one where the centred window fits vertically,
    // one far down where it must be moved up.
    for (const int top : {screen.top() + 10, screen.bottom() - 20}) {
        form->move(screen.left() + 40, top);
        open();
        const QRect main = form->frameGeometry();
        const QRect placed = window()->frameGeometry();
        // A window wider than the screen starts at its left edge.
        if (placed.width() > screen.width()) {
            EXPECT_EQ(placed.left(), screen.left()) << top;
        } else {
            EXPECT_LE(std::abs(placed.center().x() - main.center().x()),
                      1 + placed.width() - window()->width())
                << top;
        }
        EXPECT_GE(placed.top(), screen.top()) << top;
        EXPECT_LE(placed.bottom(), screen.bottom()) << top;
        if (top == screen.top() + 10) {
            // Before its first showing the window's frame is not known yet.
            const int frame = placed.height() - window()->height();
            EXPECT_LE(std::abs(placed.center().y() - main.center().y()), 1 + frame) << top;
        } else {
            EXPECT_EQ(placed.bottom(), screen.bottom()) << top;
        }
        pressInWindow("BitBtnSchliessen");
    }
}

const char* const kSortButtons[] = {"BitBtnBubble", "BitBtnInsertion", "BitBtnAuswaehlen",
                                    "BitBtnQuick1", "BitBtnQuick2",    "BitBtnMerge"};

// "Ende" at any step leaves both windows as "Weiter" to the end does, on
// fractions whose equal values differ (1/2, 2/4, 3/6): the titles, the info
// field, the elements in both memos and the cursor. Two differences belong to
// "Ende": the source memo shows the plain list without the frame marks of the
// last step, and straight selection does not move the cursor to the smallest
// element of the rounds it finishes.
TEST_F(SortWindowTest, EndeAtEveryStepLeavesTheWindowsAsTheWholeRunDoes) {
    const Fraction fractions[] = {{2, 4}, {1, 3}, {1, 2}, {2, 6}, {0, 5}, {3, 6}, {0, 1}, {1, 3}};
    for (const char* button : kSortButtons) {
        // Ende at this step (0: never).
        const auto run = [&](std::size_t endeAt) {
            fillList(8, [&](int k) { return std::make_unique<TTBruch>(fractions[k]); });
            open();
            infos.clear();
            onStep = [&](int step) {
                if (static_cast<std::size_t>(step) == endeAt) pressInWindow("BitBtnEnde");
            };
            pressInWindow(button);
            Lines result = labels();
            result.push_back(inWindow<QLineEdit>("EditSortInfo")->text().toStdString());
            for (std::string text : {windowMemo("MemoQuelle"), memo("MemoListe")}) {
                for (const char* mark : {"\n--------", "  <--"}) {
                    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark))
                        text.erase(at, std::strlen(mark));
                }
                result.push_back(text);
            }
            if (std::string(button) != "BitBtnAuswaehlen") result.push_back(field("EditLCurrent"));
            pressInWindow("BitBtnSchliessen");
            return result;
        };
        const Lines whole = run(0);
        const std::size_t steps = infos.size();
        ASSERT_GT(steps, 2u) << button;
        for (std::size_t endeAt = 1; endeAt <= steps; ++endeAt) {
            EXPECT_EQ(run(endeAt), whole) << button << ", Ende at step " << endeAt;
            EXPECT_EQ(infos.size(), endeAt) << button;
        }
        if (std::string(button) == "BitBtnBubble") {
            // Bubble sort keeps equal values in their order.
            EXPECT_EQ(whole,
                      (Lines{"Quelle und Ziel", "", "", "",
                             "\n[0/5]\n[0/1]\n[1/3]\n[2/6]\n[1/3]\n[2/4]\n[1/2]\n[3/6]",
                             "\n[0/5]\n[0/1]\n[1/3]\n[2/6]\n[1/3]\n[2/4]\n[1/2]\n[3/6]", "2"}));
        }
    }
}

// Each step scrolls the memo as little as possible so that the arrow is in
// sight, and with it the frame of the sublist where both fit into the view.
TEST_F(SortWindowTest, TheMemoFollowsTheArrowAndTheFrameOfQuickSort1) {
    fillList(40, [](int k) { return std::make_unique<TInteger>(40 - k); });
    open();
    auto* memoView = inWindow<MemoView>("MemoQuelle");
    const int rows = memoView->fullRowsInView();
    ASSERT_LT(rows, 30);
    int checked = 0;
    int scrolled = 0;
    onStep = [&](int step) {
        int arrow = -1;
        std::vector<int> frame;
        for (int line = 0; line < memoView->lineCount(); ++line) {
            const QString text = memoView->line(line);
            if (text.endsWith("<--")) arrow = line;
            if (text == "--------") frame.push_back(line);
        }
        ASSERT_GE(arrow, 0) << "step " << step;
        const int top = memoView->firstVisibleLine();
        EXPECT_GE(arrow, top) << "step " << step;
        EXPECT_LT(arrow, top + rows) << "step " << step;
        if (top > 0) ++scrolled;
        const int from = frame.empty() ? arrow : std::min(arrow, frame.front());
        const int to = frame.empty() ? arrow : std::max(arrow, frame.back());
        if (to - from < rows) {
            EXPECT_GE(from, top) << "step " << step;
            EXPECT_LT(to, top + rows) << "step " << step;
        }
        ++checked;
    };
    pressInWindow("BitBtnQuick1");
    EXPECT_EQ(checked, 231);
    EXPECT_GT(scrolled, 100);
    EXPECT_EQ(values(form->listPage().list()).front(), 1);
}

// Beyond 300 elements a sort asks first: "Nein" sorts at once to the end
// without a single step, "Ja" sorts step by step; 300 elements are sorted
// step by step without a question.
TEST_F(SortWindowTest, ALongListIsSortedStepByStepOnlyAfterAYes) {
    const struct {
        int count;
        std::deque<bool> replies;
        bool stepwise;
    } cases[] = {{300, {}, true}, {301, {false}, false}, {301, {true}, true}};
    for (const auto& c : cases) {
        fillList(c.count, [&](int k) { return std::make_unique<TInteger>(c.count - k); });
        open();
        dialogs.replies = c.replies;
        infos.clear();
        onStep = [this](int step) {
            if (step == 1) pressInWindow("BitBtnEnde");
        };
        pressInWindow("BitBtnMerge");
        const Lines asked{
            "question: Die Liste hat 301 Elemente. Eine schrittweise Sortierung dauert sehr "
            "lange. Trotzdem schrittweise sortieren? Mit Nein wird die Liste sofort ganz "
            "sortiert."};
        EXPECT_EQ(dialogs.take(), c.count > 300 ? asked : Lines{}) << c.count;
        EXPECT_EQ(infos.size(), c.stepwise ? 1u : 0u) << c.count;
        EXPECT_EQ(playback().size(), c.stepwise ? 1 : 0) << c.count;
        EXPECT_FALSE(window()->player().running()) << c.count;
        std::vector<int> ascending(c.count);
        for (int k = 0; k < c.count; ++k) ascending[k] = k + 1;
        EXPECT_EQ(values(form->listPage().list()), ascending);
        EXPECT_EQ(windowMemo("MemoQuelle"), memo("MemoListe"));
        EXPECT_EQ(inWindow<QLineEdit>("EditSortInfo")->text(), "");
        EXPECT_EQ(enabledButtons(*window()), kWindowButtons);
        pressInWindow("BitBtnSchliessen");
    }
}

// On 2000 elements: closing the sort window while a step waits ends each sort
// at once with the list sorted and unlocks the main window; closing the main
// window then ends a sort the same way and asks the program to quit.
TEST_F(SortWindowTest, ClosingEitherWindowWhileAStepWaitsEndsTheSortAtOnce) {
    int quits = 0;
    form->setQuitHandler([&] { ++quits; });
    std::vector<int> ascending(2000);
    for (int k = 0; k < 2000; ++k) ascending[k] = k;
    for (const char* button : kSortButtons) {
        for (bool mainWindow : {false, true}) {
            if (mainWindow && std::string(button) != "BitBtnMerge") continue;
            fillList(2000, [](int k) { return std::make_unique<TInteger>(k * 7919 % 2000); });
            open();
            dialogs.replies = {true};
            infos.clear();
            onStep = [&](int step) {
                if (step != 3) return;
                if (mainWindow) {
                    form->close();
                } else {
                    window()->close();
                }
                EXPECT_FALSE(window()->player().running()) << button;
            };
            pressInWindow(button);
            EXPECT_EQ(infos.size(), 3u) << button;
            EXPECT_EQ(dialogs.take().size(), 1u) << button;
            EXPECT_EQ(values(form->listPage().list()), ascending) << button;
            EXPECT_EQ(quits, mainWindow ? 1 : 0) << button;
            EXPECT_EQ(window()->isVisible(), mainWindow) << button;
            EXPECT_EQ(find<QWidget>("ButtonLInsert")->isEnabled(), !mainWindow) << button;
        }
    }
}

TEST_F(SortWindowTest, TheMergesortHandoutHoldsTheStepsOfTheWeiterRunAndLeavesTheList) {
    insertIntegers({1, 8, 3, 5});  // 5, 3, 8, 1
    open();
    const std::string listBefore = memo("MemoListe");
    handout::SortRecording recording(form->listPage().list(), SortKind::merge, nullptr, 1000);
    while (recording.next()) {
    }
    const std::vector<handout::Step> recorded = recording.finish();

    // The context menu entry asks for the file and writes it; the window's
    // player shows nothing.
    const std::string file = path("merge.pdf");
    dialogs.answers.push_back(file);
    QAction* entry = window()->findChild<QAction*>("ActionHandout5");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Mergesort…");
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save pdf PDF-Dokumente (*.pdf)|*.pdf"}));
    EXPECT_FALSE(window()->player().running());
    EXPECT_EQ(playback().size(), 0);
    EXPECT_EQ(inWindow<QListWidget>("ListBoxSteps")->count(), 0);
    EXPECT_EQ(readFile(file).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(memo("MemoListe"), listBefore);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(enabledButtons(*window()), kWindowButtons);

    std::vector<Lines> memos;
    onStep = [&](int) {
        memos.push_back(
            {windowMemo("MemoQuelle"), windowMemo("MemoZwischen1"), windowMemo("MemoZwischen2")});
    };
    pressInWindow("BitBtnMerge");
    ASSERT_GT(infos.size(), 5u);
    ASSERT_EQ(recorded.size(), infos.size() + 1);  // and the result
    for (std::size_t k = 0; k < infos.size(); ++k) {
        EXPECT_EQ(recorded[k].text.toStdString(), infos[k]) << k;
        ASSERT_EQ(recorded[k].columns.size(), 3u);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(recorded[k].columns[c].lines.join('\n').toStdString(), memos[k][c])
                << k << " " << c;
        }
    }
    // The result: the sorted list.
    ASSERT_TRUE(recorded.back().result);
    EXPECT_EQ(recorded.back().columns[0].lines.join('\n').toStdString(), windowMemo("MemoQuelle"));
}

TEST_F(SortWindowTest, TheMergesortAnimationShowsTheListsOfEveryStepForTheTempo) {
    insertIntegers({1, 8, 3, 5});  // 5, 3, 8, 1
    open();
    auto* speed = inWindow<QSlider>("TrackBarSpeed");
    speed->setValue(12);
    ASSERT_EQ(playback().stepMs(), 1200);
    handout::SortRecording recording(form->listPage().list(), SortKind::merge, nullptr, 1000);
    while (recording.next()) {
    }
    const std::vector<handout::Step> recorded = recording.finish();

    const std::string file = path("merge.gif");
    dialogs.answers.push_back(file);
    QAction* entry = window()->findChild<QAction*>("ActionAnimation5");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Mergesort…");
    ASSERT_TRUE(
        window()->actions().contains(window()->findChild<QMenu*>("MenuAnimation")->menuAction()));
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save gif GIF-Animation (*.gif)|*.gif"}));
    EXPECT_FALSE(window()->player().running());
    EXPECT_EQ(playback().size(), 0);

    // The same sort with "Weiter": a frame per step (a sort step does not
    // blink) and the result, each 1.2 s, showing the three lists under
    // their captions.
    std::vector<Lines> memos;
    std::vector<Lines> captions;
    onStep = [&](int) {
        memos.push_back(
            {windowMemo("MemoQuelle"), windowMemo("MemoZwischen1"), windowMemo("MemoZwischen2")});
        captions.push_back(labels());
        // While the sort runs, neither can be written.
        for (const char* menu :
             {"MenuHandout", "MenuAnimation", "MenuWebseite", "MenuArbeitsblatt"})
            EXPECT_FALSE(window()->findChild<QMenu*>(menu)->menuAction()->isEnabled()) << menu;
    };
    pressInWindow("BitBtnMerge");
    ASSERT_GT(infos.size(), 5u);
    ASSERT_EQ(recorded.size(), infos.size() + 1);
    const auto frames = giftest::frames(file);
    ASSERT_TRUE(frames) << "identify (imagemagick) is needed";
    EXPECT_EQ(*frames, std::vector<giftest::FrameInfo>(
                           recorded.size(), {handout::kListsWidth, handout::kListsHeight, 120}));
    for (std::size_t k = 0; k < recorded.size(); ++k) {
        // The lists drawn are the memos of the step.
        std::vector<handout::Column> columns;
        if (k == memos.size()) {
            // The result: the sorted list, under the sort's captions.
            columns = recorded[k].columns;
            for (std::size_t c = 0; c < 3; ++c)
                columns[c].title = QString::fromStdString(captions.back()[c]);
            EXPECT_EQ(columns[0].lines.join('\n').toStdString(), windowMemo("MemoQuelle"));
        }
        for (std::size_t c = 0; c < 3 && k < memos.size(); ++c) {
            const std::string& text = memos[k][c];
            columns.push_back(
                {QString::fromStdString(captions[k][c]),
                 text.empty() ? QStringList() : QString::fromStdString(text).split('\n'), 0});
        }
        const QImage expected = picturefile::render(structurepicture::imagePicture(
                                                        handout::kListsWidth, handout::kListsHeight,
                                                        handout::listsDrawing(columns)),
                                                    1)
                                    .convertToFormat(QImage::Format_RGB888);
        EXPECT_EQ(
            giftest::frame(file, static_cast<int>(k), handout::kListsWidth, handout::kListsHeight),
            expected)
            << k;
    }
}

TEST_F(SortWindowTest, AnAnimationOfTooManyStepsAsksAndKeepsTheFirstOnes) {
    fillList(40, [](int k) { return std::make_unique<TInteger>(40 - k); });
    open();
    handout::SortRecording counted(form->listPage().list(), SortKind::bubble, nullptr, 0);
    while (counted.next()) {
    }
    const std::string file = path("bubble.gif");
    // "Nein": nothing is written.
    dialogs.answers.push_back(file);
    window()->findChild<QAction*>("ActionAnimation0")->trigger();
    const Lines asked = dialogs.take();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], "save gif GIF-Animation (*.gif)|*.gif");
    const std::string most = std::to_string(handout::stepsOn(handout::kMostPages) - 1);
    ASSERT_GT(counted.taken(), std::stoi(most));
    EXPECT_EQ(asked[1], "question: Die Demonstration hätte " + std::to_string(counted.taken()) +
                            " Schritte. Sollen nur die ersten " + most +
                            " Schritte gespeichert werden?");
    EXPECT_EQ(asked[2], "information: Die Animation wurde abgebrochen und nicht gespeichert.");
    EXPECT_FALSE(std::filesystem::exists(file));

    // "Ja": the first steps and the result.
    dialogs.answers.push_back(file);
    dialogs.replies.push_back(true);
    window()->findChild<QAction*>("ActionAnimation0")->trigger();
    EXPECT_EQ(dialogs.take().size(), 2u);
    const auto delays = giftest::delaysOfBlocks(readFile(file));
    ASSERT_TRUE(delays);
    EXPECT_EQ(*delays, std::vector<int>(static_cast<std::size_t>(std::stoi(most) + 1),
                                        playback().stepMs() / 10));
}

TEST_F(SortWindowTest, TheMergesortWebPageHoldsTheTextsOfTheWeiterRunAndTheSortedList) {
    insertIntegers({1, 8, 3, 5});  // 5, 3, 8, 1
    open();
    const std::string file = path("merge.html");
    dialogs.answers.push_back(file);
    QAction* entry = window()->findChild<QAction*>("ActionWebseite5");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Mergesort…");
    EXPECT_EQ(window()->findChild<QMenu*>("MenuWebseite")->title(), "Als &Webseite speichern…");
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save html Webseiten (*.html)|*.html"}));
    EXPECT_EQ(playback().size(), 0);

    pressInWindow("BitBtnMerge");
    ASSERT_GT(infos.size(), 5u);
    const QString html = QString::fromStdString(readFile(file));
    static const QRegularExpression text(R"re(<p class="text">(.*?)</p>)re");
    Lines texts;
    for (auto match = text.globalMatch(html); match.hasNext();)
        texts.push_back(match.next().captured(1).toStdString());
    Lines expected = infos;
    expected.push_back("");  // the result
    EXPECT_EQ(texts, expected);
    // The sorted list stands in the result's picture, one value per text.
    const qsizetype result = html.indexOf("data-heading=\"Ergebnis\"");
    ASSERT_GT(result, 0);
    for (const char* value : {">[1]</text>", ">[3]</text>", ">[5]</text>", ">[8]</text>"})
        EXPECT_GT(html.indexOf(value, result), result) << value;
}

TEST_F(SortWindowTest, TheMergesortWorksheetAsksForTheRunsOfEachPassAndSolvesAtTheEnd) {
    insertIntegers({1, 8, 3, 5});  // 5, 3, 8, 1
    open();
    const std::string file = path("merge.pdf");
    dialogs.answers.push_back(file);
    QAction* entry = window()->findChild<QAction*>("ActionArbeitsblatt5");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Mergesort…");
    EXPECT_EQ(window()->findChild<QMenu*>("MenuArbeitsblatt")->title(),
              "Als Arbeitsblatt mit &Fragen speichern…");
    entry->trigger();
    EXPECT_EQ(dialogs.take(), (Lines{"save pdf PDF-Dokumente (*.pdf)|*.pdf"}));

    QProcess toText;
    toText.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                               QString::fromStdString(file), QStringLiteral("-")});
    ASSERT_TRUE(toText.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const std::string text =
        QString::fromUtf8(toText.readAllStandardOutput()).simplified().toStdString();
    // 5 3 8 1 falls into three runs (5 | 3 8 | 1), after the first pass
    // 1 3 5 8 into one.
    const std::string question = "In wie viele sortierte Teilfolgen zerfällt die Quelle?";
    const std::size_t first = text.find("Frage 1 (vor Schritt 1): " + question);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find("1) 1 Teilfolge 2) 2 Teilfolgen 3) 3 Teilfolgen 4) 4 Teilfolgen", first),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Frage 2 (vor Schritt 3): " + question), std::string::npos) << text;
    const std::size_t solutions = text.find("Lösungen");
    ASSERT_NE(solutions, std::string::npos);
    EXPECT_NE(text.find("Richtig: 3) 3 Teilfolgen", solutions), std::string::npos) << text;
    EXPECT_NE(text.find("Richtig: 1) 1 Teilfolge", solutions), std::string::npos) << text;
}
