// The lesson controls on the "AVL-Baum" page with the window's own clock,
// driven by their buttons and keys while an LR rotation runs: Return and
// Right step, Left and "Zurück" go back without the demonstration moving on,
// the list of steps goes back to a clicked step, Space plays to the end.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <array>
#include <cstdlib>

#include "demo/avltreedemo.h"
#include "demo/searchtreedemo.h"
#include "tests/ui/pagefixture.h"
#include "trees/treeinteger.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/lessoncontrols.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/tformdemo.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"

namespace {

using LessonTest = PageFixture;

TEST_F(LessonTest, ButtonsAndKeysStepBackForwardAndPlayAnAvlRotation) {
    showPage("TabSheetAVLBaum");
    AvlTreePage& page = form->avlTreePage();
    for (int v : {50, 30}) page.tree().insert(std::make_unique<TTreeInteger>(v));
    StepHistory& history = page.lesson().history();
    auto* entry = find<QLineEdit>("EditAEingabe");
    auto* info = find<QLineEdit>("EditAinfo");
    auto* back = find<QPushButton>("ButtonABack");
    auto* play = find<QPushButton>("ButtonAPlay");
    auto* list = find<QListWidget>("ListBoxASteps");
    auto* image = find<ImageView>("ImageABaum");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(play->isEnabled());
    find<QSlider>("TrackBarASpeed")->setValue(2);  // 0.2 s per step
    EXPECT_EQ(find<QLabel>("LabelASeconds")->text(), "0,2 s");
    EXPECT_EQ(LessonControls::storedStepMs(), 200);
    entry->setText("40");
    // The "Algorithmus" panel marks the line of the step shown, recorded or live.
    const AlgorithmPanel& panel = page.algorithmPanel();
    QString markedAtSecond, liveMarked;

    // Each action runs once its step waits; the driver polls during the waits.
    const auto waitingAt = [&](int size) { return history.waiting() && history.size() == size; };
    std::vector<std::pair<std::function<bool()>, std::function<void()>>> script = {
        {[&] { return waitingAt(1); }, [&] { QTest::keyClick(entry, Qt::Key_Return); }},
        {[&] { return waitingAt(2); },
         [&] {
             markedAtSecond = panel.markedLine();
             QTest::keyClick(entry, Qt::Key_Right);
         }},
        {[&] { return waitingAt(3); },
         [&] { QTest::mouseClick(find<QPushButton>("BitBtnAweiter"), Qt::LeftButton); }},
        {[&] { return waitingAt(4); },
         [&] {
             EXPECT_TRUE(back->isEnabled());
             liveMarked = panel.markedLine();
             EXPECT_NE(liveMarked, markedAtSecond);
             QTest::keyClick(entry, Qt::Key_Left);
             EXPECT_EQ(history.current(), 2);
             EXPECT_EQ(info->text().toStdString(), history.record(2).text);
             EXPECT_NE(&image->shownImage(), &image->image());  // a recorded picture
             QTest::mouseClick(back, Qt::LeftButton);
             EXPECT_EQ(history.current(), 1);
             EXPECT_EQ(panel.markedLine(), markedAtSecond);  // the step's line again
             const QRect first = list->visualItemRect(list->item(0));
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
             EXPECT_EQ(history.current(), 0);
             EXPECT_FALSE(back->isEnabled());
             EXPECT_EQ(list->item(0)->text(), "1. Einfügestelle gefunden");
             EXPECT_EQ(list->currentRow(), 0);
         }},
        {[&] { return history.current() == 0; },
         [&] {
             // Forward again through the recorded steps to the live one.
             QTest::keyClick(entry, Qt::Key_Right);
             QTest::keyClick(entry, Qt::Key_Return);
             EXPECT_EQ(history.current(), 2);
             EXPECT_EQ(info->text().toStdString(), history.record(2).text);
             QTest::keyClick(entry, Qt::Key_Right);
             EXPECT_EQ(history.current(), 3);
             EXPECT_FALSE(history.inPast());
             EXPECT_EQ(&image->shownImage(), &image->image());
             EXPECT_EQ(panel.markedLine(), liveMarked);
             EXPECT_EQ(history.size(), 4);  // the demonstration did not move on
             QTest::keyClick(entry, Qt::Key_Space);
             EXPECT_TRUE(history.playing());
             EXPECT_EQ(play->text(), QString::fromUtf8("&Pause"));
         }},
    };
    std::size_t next = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (next < script.size() && script[next].first()) script[next++].second();
    });
    driver.start(20);
    click("ButtonAInsert");
    driver.stop();

    ASSERT_EQ(next, script.size());
    EXPECT_FALSE(history.running());
    const std::vector<std::string> texts = {
        "Einfügestelle gefunden",        "Bei 50 ist die AVL-Eigenschaft verletzt",
        "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt",
        "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt"};
    EXPECT_EQ(history.texts(), texts);
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(5)->text(), QString::fromUtf8("6. LR-Rotation wird durchgeführt"));
    EXPECT_EQ(list->item(5)->toolTip(), QString::fromUtf8("LR-Rotation wird durchgeführt"));
    EXPECT_EQ(list->currentRow(), 5);
    EXPECT_TRUE(list->isEnabled());  // readable until the next demonstration
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(play->isEnabled());
    EXPECT_EQ(play->text(), QString::fromUtf8("&Abspielen"));
    EXPECT_EQ(page.tree().root->getValue()->compare(TTreeInteger(40)), kEqual);
    EXPECT_EQ(field("EditAanz"), "3");
}

// The sort window: going back shows the memos and the info field of an
// earlier step again; forward returns to the live step, which "Ende" finishes.
TEST_F(LessonTest, TheSortWindowShowsTheMemosOfAnEarlierStepAgain) {
    showPage("TabSheetListe");
    find<QRadioButton>("RadioButtonInteger")->setChecked(true);
    for (int v : {2, 1, 3}) {  // the list is 3, 1, 2
        type("EditLEingabe", QString::number(v));
        click("ButtonLInsert");
    }
    click("BitBtnLSortdemo");
    auto* window = form->findChild<TFormDemo*>("TFormDemo");
    ASSERT_TRUE(window && window->isVisible());
    StepHistory& history = window->lesson().history();
    auto* memo = window->findChild<MemoView*>("MemoQuelle");
    auto* info = window->findChild<QLineEdit*>("EditSortInfo");
    auto* list = window->findChild<QListWidget*>("ListBoxSteps");
    QStringList memoAt, infoAt;
    bool checked = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!history.waiting() || history.inPast() || history.size() <= memoAt.size()) return;
        memoAt << memo->toPlainText();
        infoAt << info->text();
        if (history.size() < 3) {
            QTest::keyClick(window, Qt::Key_Right);
            return;
        }
        QTest::keyClick(window, Qt::Key_Left);
        QTest::keyClick(window, Qt::Key_Left);
        EXPECT_EQ(memo->toPlainText(), memoAt[0]);
        EXPECT_EQ(info->text(), infoAt[0]);
        EXPECT_EQ(list->currentRow(), 0);
        QTest::keyClick(window, Qt::Key_Return);
        EXPECT_EQ(memo->toPlainText(), memoAt[1]);
        EXPECT_EQ(info->text(), infoAt[1]);
        QTest::keyClick(window, Qt::Key_Right);
        EXPECT_FALSE(history.inPast());
        EXPECT_EQ(memo->toPlainText(), memoAt[2]);
        EXPECT_EQ(info->text(), infoAt[2]);
        checked = true;
        QTest::mouseClick(window->findChild<QPushButton*>("BitBtnEnde"), Qt::LeftButton);
    });
    driver.start(20);
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnBubble"), Qt::LeftButton);
    driver.stop();
    EXPECT_TRUE(checked);
    EXPECT_NE(memoAt[0], memoAt[1]);  // the steps showed different lists
    EXPECT_EQ(history.size(), 3);     // "Ende" passed the later steps without showing them
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(memo->toPlainText(), "\n[1]  <--\n[2]\n[3]");
}

// Waits until pred holds (at most two seconds).
bool waitFor(const std::function<bool()>& pred) {
    for (int i = 0; i < 100 && !pred(); ++i) QTest::qWait(20);
    return pred();
}

// After the end "Zurück", the list and its keys show the recorded steps of
// the AVL rotation again, blinking, with their lines of the "Algorithmus"
// panel; the last entry and a button of the page return to the final state.
TEST_F(LessonTest, AfterTheEndTheAvlPageShowsItsStepsAgainAndReturnsToTheEnd) {
    showPage("TabSheetAVLBaum");
    AvlTreePage& page = form->avlTreePage();
    for (int v : {50, 30}) page.tree().insert(std::make_unique<TTreeInteger>(v));
    StepHistory& history = page.lesson().history();
    auto* info = find<QLineEdit>("EditAinfo");
    auto* back = find<QPushButton>("ButtonABack");
    auto* list = find<QListWidget>("ListBoxASteps");
    auto* image = find<ImageView>("ImageABaum");
    const AlgorithmPanel& panel = page.algorithmPanel();
    find<QLineEdit>("EditAEingabe")->setText("40");
    QStringList marked;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!history.waiting() || history.size() <= marked.size()) return;
        marked << panel.markedLine();
        click("BitBtnAweiter");
    });
    driver.start(20);
    click("ButtonAInsert");
    driver.stop();
    ASSERT_EQ(history.size(), 6);
    EXPECT_FALSE(back->isEnabled());  // until the page's handler has returned
    QCoreApplication::processEvents();
    ASSERT_TRUE(back->isEnabled());
    const QString finalInfo = info->text();
    const QString finalLine = panel.markedLine();
    const auto atFinalState = [&] {
        EXPECT_FALSE(history.reviewing());
        EXPECT_EQ(history.current(), 5);
        EXPECT_EQ(&image->shownImage(), &image->image());
        EXPECT_EQ(info->text(), finalInfo);
        EXPECT_EQ(panel.markedLine(), finalLine);
    };

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(history.current(), 4);
    EXPECT_EQ(info->text(), QString::fromUtf8("LR-Rotation wird durchgeführt"));
    EXPECT_EQ(panel.markedLine(), marked[4]);
    EXPECT_TRUE(hasFocus("ListBoxASteps"));
    const QImage* firstPhase = &image->shownImage();
    EXPECT_NE(firstPhase, &image->image());
    EXPECT_TRUE(waitFor([&] { return &image->shownImage() != firstPhase; }));  // it blinks
    QTest::keyClick(list, Qt::Key_Left);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(history.current(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(info->text(), QString::fromUtf8("Bei 50 ist die AVL-Eigenschaft verletzt"));
    EXPECT_EQ(panel.markedLine(), marked[1]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(5)).center());
    atFinalState();
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(history.current(), 4);
    QTest::keyClick(list, Qt::Key_Right);
    atFinalState();

    // Switching the tab, or a button of the page, returns to the final state
    // before anything else.
    QTest::mouseClick(back, Qt::LeftButton);
    showPage("TabSheetSuchbaum");
    atFinalState();
    showPage("TabSheetAVLBaum");
    QTest::mouseClick(back, Qt::LeftButton);
    ASSERT_TRUE(history.reviewing());
    dialogs.chooseSequence = [&]() -> std::optional<NumberSequenceRequest> {
        atFinalState();
        return std::nullopt;
    };
    click("ButtonAFolge");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"sequence"});
    atFinalState();
    EXPECT_EQ(field("EditAanz"), "3");
}

// The sort window after a sort: "Zurück" and the list show the memos and
// the info field of a recorded step again; the last entry and "Schließen"
// show the sorted list as the sort left it.
TEST_F(LessonTest, AfterTheEndTheSortWindowShowsItsStepsAgainAndReturnsToTheEnd) {
    showPage("TabSheetListe");
    find<QRadioButton>("RadioButtonInteger")->setChecked(true);
    for (int v : {2, 1, 3}) {  // the list is 3, 1, 2
        type("EditLEingabe", QString::number(v));
        click("ButtonLInsert");
    }
    click("BitBtnLSortdemo");
    auto* window = form->findChild<TFormDemo*>("TFormDemo");
    ASSERT_TRUE(window && window->isVisible());
    StepHistory& history = window->lesson().history();
    std::array<MemoView*, 3> memos = {window->findChild<MemoView*>("MemoQuelle"),
                                      window->findChild<MemoView*>("MemoZwischen1"),
                                      window->findChild<MemoView*>("MemoZwischen2")};
    auto* info = window->findChild<QLineEdit*>("EditSortInfo");
    auto* list = window->findChild<QListWidget*>("ListBoxSteps");
    auto* back = window->findChild<QPushButton*>("BitBtnBack");
    const auto shown = [&] {
        QStringList texts;
        for (MemoView* m : memos) texts << m->toPlainText();
        return texts << info->text();
    };
    std::vector<QStringList> shownAt;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!history.waiting() || history.size() <= static_cast<int>(shownAt.size())) return;
        shownAt.push_back(shown());
        QTest::keyClick(window, Qt::Key_Return);
    });
    driver.start(20);
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnBubble"), Qt::LeftButton);
    driver.stop();
    const int n = history.size();
    ASSERT_GE(n, 3);
    QCoreApplication::processEvents();
    const QStringList finalShown = shown();
    EXPECT_EQ(finalShown[0], "\n[1]  <--\n[2]\n[3]");

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(history.current(), n - 2);
    EXPECT_EQ(shown(), shownAt[n - 2]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(shown(), shownAt[0]);
    EXPECT_EQ(shownAt[0][0], "     <--\n[3]\n[1]\n[2]");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(n - 1)).center());
    EXPECT_FALSE(history.reviewing());
    EXPECT_EQ(shown(), finalShown);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(shown(), shownAt[n - 2]);
    // A focused memo keeps its keys: Home returns to the final state first and
    // does not go to the first step.
    auto* memo = window->findChild<MemoView*>("MemoQuelle");
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Home);
    EXPECT_FALSE(history.reviewing());
    EXPECT_EQ(shown(), finalShown);
    QTest::mouseClick(window->findChild<QPushButton*>("BitBtnSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(history.reviewing());
    EXPECT_EQ(shown(), finalShown);
}

// Closing the window while a demonstration plays ends the program with
// status 0 at once.
void runAndCloseWhilePlaying() {
    int status = 3;
    bool played = false;
    {
        FakeDialogs dialogs;
        TForm1 form(&dialogs);
        form.show();
        form.findChild<QLineEdit*>("EditTEingabe")->setText("42");
        QTimer::singleShot(0, [&] { form.findChild<QAbstractButton*>("ButtonTinsert")->click(); });
        QTimer::singleShot(150, [&] { form.findChild<QAbstractButton*>("ButtonTPlay")->click(); });
        QTimer::singleShot(300, [&] {
            played = form.searchTreePage().lesson().history().playing();
            form.close();
        });
        QTimer::singleShot(5000, [] { std::_Exit(4); });
        status = QApplication::exec();
        if (!played || !dialogs.log.empty() || form.searchTreePage().tree().count() != 1)
            status = 5;
    }
    std::_Exit(status);  // as in the step clock's exit test
}

TEST(LessonExitTest, ClosingTheWindowWhilePlayingExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runAndCloseWhilePlaying(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
