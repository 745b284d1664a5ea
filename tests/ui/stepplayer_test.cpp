// The player on the window's own Qt timers: a started QtStepTimers timer runs
// out once, a stopped or restarted one does not run out early; a real
// insertion on the "Suchbaum" page waits blinking with the window locked for
// the page until "Weiter" ends it; closing the window or "Beenden" while a
// step waits ends the demonstration at once, also a sort of the sort window,
// which leaves every element in the list; the program then exits with status
// 0. No test measures time: each waits for a state, with a generous timeout.
#include "ui/platform/stepplayer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "demo/searchtreedemo.h"
#include "linear/listdemo.h"
#include "tests/ui/fakedialogs.h"
#include "tests/ui/sortwindowsupport.h"
#include "tests/ui/treepagesupport.h"
#include "ui/pages/listpage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/tform1.h"
#include "ui/pages/tformdemo.h"

namespace {

using treepagetest::enabledButtons;
using treepagetest::usablePages;

constexpr int kPatienceMs = 5000;

TEST(QtStepTimersTest, AStartedTimerRunsOutOnce) {
    QtStepTimers timers;
    int first = 0;
    bool later = false;
    const auto timer = timers.make([&] { ++first; });
    const auto laterTimer = timers.make([&] { later = true; });
    timer->start(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first == 1; }, kPatienceMs));
    // A timer that ran out is done: one started after it, due later, runs out
    // without the first one running again.
    laterTimer->start(30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return later; }, kPatienceMs));
    EXPECT_EQ(first, 1);
}

// Qt runs out due timers in the order of their time: a timer that would
// still run shows before a later one does.
TEST(QtStepTimersTest, AStoppedOrRestartedTimerDoesNotRunOutBeforeALaterOne) {
    QtStepTimers timers;
    bool stopped = false, restarted = false, later = false;
    const auto stoppedTimer = timers.make([&] { stopped = true; });
    const auto restartedTimer = timers.make([&] { restarted = true; });
    const auto laterTimer = timers.make([&] { later = true; });
    stoppedTimer->start(10);
    restartedTimer->start(10);
    laterTimer->start(50);
    stoppedTimer->stop();
    restartedTimer->start(60 * 60 * 1000);  // replaces the running start
    EXPECT_TRUE(QTest::qWaitFor([&] { return later; }, kPatienceMs));
    EXPECT_FALSE(stopped);
    EXPECT_FALSE(restarted);
}

// A main window as the program makes it, with its own Qt timers, and a quit
// handler that counts.
class RealTimersTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(&dialogs);
        form->setQuitHandler([this] { ++quits; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->pageControl().setCurrentWidget(&form->searchTreePage());
        form->findChild<QLineEdit*>("EditTEingabe")->setText("42");
    }

    template <typename T>
    T* find(const char* name) {
        T* w = form->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    std::string field(const char* name) { return find<QLineEdit>(name)->text().toStdString(); }
    StepPlayer& player() { return form->searchTreePage().player(); }
    // "Insert" on the "Suchbaum" page: its first step waits.
    void insert() {
        QTest::mouseClick(find<QAbstractButton>("ButtonTinsert"), Qt::LeftButton);
        ASSERT_TRUE(player().running());
    }

    FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;
    int quits = 0;
};

TEST_F(RealTimersTest, AStepBlinksWithTheWindowLockedUntilWeiterEndsIt) {
    insert();
    EXPECT_EQ(field("EditTinfo"), "Einfügestelle gefunden");
    EXPECT_EQ(enabledButtons(*form),
              (std::set<std::string>{"BitBtnTWeiter", "ButtonTPlay", "ButtonTSpalte"}));
    EXPECT_EQ(usablePages(form->pageControl()), std::set<std::string>{"TabSheetSuchbaum"});
    // Without "Weiter" the step blinks on: both phases come and go.
    const Playback& playback = player().playback();
    EXPECT_TRUE(QTest::qWaitFor([&] { return playback.phase() == 1; }, kPatienceMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return playback.phase() == 0; }, kPatienceMs));
    EXPECT_TRUE(player().running());
    EXPECT_EQ(playback.size(), 1);

    QTest::mouseClick(find<QAbstractButton>("BitBtnTWeiter"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player().running(); }, kPatienceMs));
    EXPECT_EQ(playback.size(), 1);
    EXPECT_EQ(field("EditTAnz"), "1");
    EXPECT_EQ(field("EditTTiefe"), "1");
    EXPECT_EQ(field("EditTinfo"), "");
    EXPECT_FALSE(find<QAbstractButton>("BitBtnTWeiter")->isEnabled());
    EXPECT_TRUE(find<QAbstractButton>("ButtonTinsert")->isEnabled());
    EXPECT_EQ(usablePages(form->pageControl()).size(), 7u);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("EditTEingabe"));
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(quits, 0);
}

// Closing the window and "Beenden" end a waiting step at once: right after
// either the player no longer runs, the tree holds the number, the quit
// handler ran once and no error box came up.
TEST_F(RealTimersTest, ClosingOrBeendenWhileAStepWaitsEndsTheDemonstrationAtOnce) {
    const struct {
        const char* how;
        std::function<void(TForm1&)> end;
    } cases[] = {
        {"close", [](TForm1& f) { f.close(); }},
        // The button is locked during the demonstration; its handler is what
        // the menu runs.
        {"Beenden", [](TForm1& f) { QMetaObject::invokeMethod(&f, "SpeedButtonEndeClick"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        if (!form) SetUp();
        quits = 0;
        insert();
        c.end(*form);
        EXPECT_FALSE(player().running());
        EXPECT_EQ(quits, 1);
        EXPECT_TRUE(dialogs.take().empty());
        EXPECT_EQ(form->searchTreePage().tree().count(), 1);
        form.reset();
    }
}

TEST_F(RealTimersTest, ClosingTheWindowDuringASortLeavesEveryElementInTheList) {
    form->pageControl().setCurrentWidget(&form->listPage());
    TListDemo& list = form->listPage().list();
    sortwindowtest::fill(list, 40, [](int k) { return std::make_unique<TInteger>(k * 17 % 40); });
    QTest::mouseClick(find<QAbstractButton>("BitBtnLSortdemo"), Qt::LeftButton);
    auto* window = find<TFormDemo>("TFormDemo");
    ASSERT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnMerge"), Qt::LeftButton);
    ASSERT_TRUE(window->player().running());
    // Two steps on: the sort holds elements in its auxiliary lists.
    for (int k = 0; k < 2; ++k)
        QTest::mouseClick(window->findChild<QPushButton*>("BitBtnWeiter"), Qt::LeftButton);
    ASSERT_TRUE(window->player().running());
    form->close();
    EXPECT_FALSE(window->player().running());
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(dialogs.log.empty());
    std::vector<int> ascending(40);
    for (int k = 0; k < 40; ++k) ascending[k] = k;
    EXPECT_EQ(sortwindowtest::values(list), ascending);
    EXPECT_TRUE(list.verify());
}

// The whole program: the main loop runs, a demonstration starts and the
// window is closed while its first step waits; the loop ends and the process
// exits with status 0.
enum class During { treeStep, sortStep };

void runAndCloseDuring(During during) {
    int status = 3;
    {
        FakeDialogs dialogs;
        TForm1 form(&dialogs);
        form.show();
        StepPlayer* running = nullptr;
        QTimer::singleShot(0, [&] {
            if (during == During::treeStep) {
                form.findChild<QLineEdit*>("EditTEingabe")->setText("42");
                form.findChild<QAbstractButton*>("ButtonTinsert")->click();
                running = &form.searchTreePage().player();
            } else {
                form.pageControl().setCurrentWidget(&form.listPage());
                sortwindowtest::fill(form.listPage().list(), 30,
                                     [](int k) { return std::make_unique<TInteger>(30 - k); });
                form.findChild<QAbstractButton*>("BitBtnLSortdemo")->click();
                auto* window = form.findChild<TFormDemo*>("TFormDemo");
                window->findChild<QPushButton*>("BitBtnQuick2")->click();
                running = &window->player();
            }
            if (!running->running()) std::_Exit(6);
            form.close();
        });
        // Would a step keep the program waiting, the process would end here.
        QTimer::singleShot(30000, [] { std::_Exit(4); });
        status = QApplication::exec();
        const bool whole = during == During::treeStep ? form.searchTreePage().tree().count() == 1
                                                      : form.listPage().list().count() == 30;
        if (!dialogs.log.empty() || !whole || running->running()) status = 5;
    }
    // The QApplication of the test's main is still alive here; _Exit keeps
    // LeakSanitizer from counting the font cache it holds. The window and its
    // structures are gone already, and the close tests above run under the
    // leak check of the whole test process.
    std::_Exit(status);
}

TEST(ProgramExitTest, ClosingTheWindowDuringATreeStepExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runAndCloseDuring(During::treeStep), ::testing::ExitedWithCode(0), "");
}

TEST(ProgramExitTest, ClosingTheWindowDuringASortStepExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runAndCloseDuring(During::sortStep), ::testing::ExitedWithCode(0), "");
}

}  // namespace
