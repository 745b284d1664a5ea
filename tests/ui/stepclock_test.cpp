// The real step clock: QtStepClock waits each blink phase in a local event
// loop (the window stays live), a "Weiter" click during a real insertion is
// noticed at the end of the blink cycle, and closing the window or "Beenden"
// while a step waits ends the demonstration at once; the program then exits
// with status 0.
#include "demo/stepclock.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "demo/searchtreedemo.h"
#include "tests/ui/fakedialogs.h"
#include "tests/ui/pagefixture.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/tform1.h"
#include "ui/platform/qtstepclock.h"

namespace {

using Lines = std::vector<std::string>;

TEST(QtStepClockTest, APhaseWaitsItsTimeAndHandlesEventsMeanwhile) {
    QtStepClock clock;
    bool timerRan = false;
    QTimer::singleShot(50, [&] { timerRan = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    clock.pause(300);
    EXPECT_GE(elapsed.elapsed(), 295);
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_TRUE(timerRan);
    EXPECT_FALSE(clock.cancelled());
}

TEST(QtStepClockTest, CancelEndsAWaitingPhaseAtOnceAndEveryLaterOne) {
    QtStepClock clock;
    QTimer::singleShot(50, [&] { clock.cancel(); });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_THROW(clock.pause(5000), DemoCancelled);
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_TRUE(clock.cancelled());
    elapsed.restart();
    EXPECT_THROW(clock.pause(5000), DemoCancelled);
    EXPECT_LT(elapsed.elapsed(), 100);
}

class RealClockTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        form->setQuitHandler([this] { ++quits; });
        showPage("TabSheetSuchbaum");
        type("EditTEingabe", "42");
    }
    int quits = 0;
};

TEST_F(RealClockTest, AWeiterClickDuringARealInsertionEndsTheStepAfterItsCycle) {
    bool insertLockedWhileWaiting = false;
    std::string infoWhileWaiting;
    QTimer::singleShot(400, [&] {
        insertLockedWhileWaiting = !find<QAbstractButton>("ButtonTinsert")->isEnabled();
        infoWhileWaiting = field("EditTinfo");
        QTest::mouseClick(find<QAbstractButton>("BitBtnTWeiter"), Qt::LeftButton);
    });
    QElapsedTimer elapsed;
    elapsed.start();
    click("ButtonTinsert");
    // One full cycle of two 300 ms phases; the press in the second phase is
    // seen at its end.
    EXPECT_GE(elapsed.elapsed(), 595);
    EXPECT_LT(elapsed.elapsed(), 1150);
    EXPECT_TRUE(insertLockedWhileWaiting);
    EXPECT_EQ(infoWhileWaiting, "Einfügestelle gefunden");
    EXPECT_EQ(field("EditTAnz"), "1");
    EXPECT_EQ(field("EditTinfo"), "");
    EXPECT_FALSE(find<QAbstractButton>("BitBtnTWeiter")->isEnabled());
    EXPECT_TRUE(find<QAbstractButton>("ButtonTinsert")->isEnabled());
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(RealClockTest, WithoutWeiterTheStepKeepsBlinking) {
    QTimer::singleShot(1500, [&] { click("BitBtnTWeiter"); });
    QElapsedTimer elapsed;
    elapsed.start();
    click("ButtonTinsert");
    // Pressed in the third cycle: ends after 1800 ms.
    EXPECT_GE(elapsed.elapsed(), 1795);
    EXPECT_LT(elapsed.elapsed(), 2500);
}

TEST_F(RealClockTest, ClosingTheWindowWhileAStepWaitsEndsTheDemonstration) {
    QTimer::singleShot(150, [&] { form->close(); });
    QElapsedTimer elapsed;
    elapsed.start();
    click("ButtonTinsert");
    // The handler returned at once, without an error box; the tree operation
    // completed and the program was told to quit.
    EXPECT_LT(elapsed.elapsed(), 600);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(form->searchTreePage().tree().count(), 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(RealClockTest, BeendenWhileAStepWaitsEndsTheDemonstration) {
    QTimer::singleShot(150, [&] {
        // The button is locked during the demonstration; its handler is what
        // the menu runs.
        QMetaObject::invokeMethod(form.get(), "SpeedButtonEndeClick");
    });
    QElapsedTimer elapsed;
    elapsed.start();
    click("ButtonTinsert");
    EXPECT_LT(elapsed.elapsed(), 600);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(quits, 1);
}

// The whole program: the main loop runs, Insert starts a step, the window is
// closed while it waits; the loop ends and the process exits with status 0.
void runAndCloseDuringAStep() {
    int status = 3;
    {
        FakeDialogs dialogs;
        TForm1 form(&dialogs);
        form.show();
        form.findChild<QLineEdit*>("EditTEingabe")->setText("42");
        QTimer::singleShot(0, [&] { form.findChild<QAbstractButton*>("ButtonTinsert")->click(); });
        QTimer::singleShot(200, [&] { form.close(); });
        // Would the step keep waiting, the process would end here instead.
        QTimer::singleShot(5000, [] { std::_Exit(4); });
        status = QApplication::exec();
        if (!dialogs.log.empty() || form.searchTreePage().tree().count() != 1) status = 5;
    }
    // The QApplication of the test's main is still alive here; _Exit keeps
    // LeakSanitizer from counting the font cache it holds. The window and its
    // trees are gone already, and the close test above runs under the leak
    // check of the whole test process.
    std::_Exit(status);
}

TEST(ProgramExitTest, ClosingTheWindowDuringAStepExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runAndCloseDuringAStep(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
