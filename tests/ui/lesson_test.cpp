// The lesson controls on the "AVL-Baum" page and in the sort window, driven by
// their buttons and keys on the window's virtual timers: Return and Right
// step, Left and "Zurück" go back without the demonstration moving on, the
// list of steps goes back to a clicked step, Space plays with the time per
// step and pauses; after the end the steps are shown again, blinking as they
// did, until a key, a click elsewhere or a new demonstration returns to the
// final state. The program closed while a demonstration plays exits at once.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <array>
#include <cstdlib>

#include "demo/avltreedemo.h"
#include "demo/searchtreedemo.h"
#include "tests/ui/pagefixture.h"
#include "tests/ui/treepagesupport.h"
#include "trees/treeinteger.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/lessoncontrols.h"

namespace {

using Pictures = std::vector<std::array<QImage, 2>>;

const std::vector<std::string> kLrTexts = {
    "Einfügestelle gefunden",        "Bei 50 ist die AVL-Eigenschaft verletzt",
    "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt",
    "LR-Rotation wird durchgeführt", "LR-Rotation wird durchgeführt"};

class LessonTest : public PageFixture {
protected:
    // The "AVL-Baum" page with 50 and 30: inserting 40 is an LR rotation.
    AvlTreePage& avlPage() {
        showPage("TabSheetAVLBaum");
        AvlTreePage& page = form->avlTreePage();
        for (int v : {50, 30}) page.tree().insert(std::make_unique<TTreeInteger>(v));
        type("EditAEingabe", "40");
        return page;
    }
    // The sort window open on the list 3, 1, 2.
    TFormDemo& sortWindow() {
        showPage("TabSheetListe");
        find<QRadioButton>("RadioButtonInteger")->setChecked(true);
        for (int v : {2, 1, 3}) {
            type("EditLEingabe", QString::number(v));
            click("ButtonLInsert");
        }
        click("BitBtnLSortdemo");
        auto* window = form->findChild<TFormDemo*>("TFormDemo");
        EXPECT_TRUE(window && window->isVisible());
        return *window;
    }
    void clickRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
};

TEST_F(LessonTest, ButtonsAndKeysStepBackForwardAndPlayAnAvlRotation) {
    AvlTreePage& page = avlPage();
    const Playback& playback = page.player().playback();
    auto* entry = find<QLineEdit>("EditAEingabe");
    auto* info = find<QLineEdit>("EditAinfo");
    auto* back = find<QPushButton>("ButtonABack");
    auto* play = find<QPushButton>("ButtonAPlay");
    auto* list = find<QListWidget>("ListBoxASteps");
    auto* image = find<ImageView>("ImageABaum");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(play->isEnabled());
    EXPECT_FALSE(list->isEnabled());
    find<QSlider>("TrackBarASpeed")->setValue(2);  // 0.2 s per step
    EXPECT_EQ(find<QLabel>("LabelASeconds")->text(), "0,2 s");
    EXPECT_EQ(LessonControls::storedStepMs(), 200);
    // The "Algorithmus" panel marks the line of the step shown, of the past
    // or waiting.
    const AlgorithmPanel& panel = page.algorithmPanel();
    // The image of each step in each blink phase, as it showed it waiting.
    Pictures shown;
    const auto look = [&] {
        shown.resize(static_cast<std::size_t>(playback.size()));
        shown.back()[static_cast<std::size_t>(playback.phase())] = image->image().copy();
    };
    // Lets one blink phase pass.
    const auto blink = [&] {
        ASSERT_TRUE(timers.runNext());
        if (!playback.inPast()) look();
    };

    click("ButtonAInsert");
    ASSERT_TRUE(playback.running());
    EXPECT_EQ(playback.size(), 1);
    EXPECT_TRUE(play->isEnabled());
    EXPECT_FALSE(back->isEnabled());
    look();
    // Return presses "Weiter", which the blinking step notices at the end of
    // its cycle.
    QTest::keyClick(entry, Qt::Key_Return);
    blink();
    EXPECT_EQ(playback.size(), 1);
    blink();
    ASSERT_EQ(playback.size(), 2);
    const QString markedAtSecond = panel.markedLine();
    // Right is "Weiter" too, and so is the button.
    QTest::keyClick(entry, Qt::Key_Right);
    blink();
    blink();
    ASSERT_EQ(playback.size(), 3);
    blink();
    QTest::mouseClick(find<QPushButton>("BitBtnAweiter"), Qt::LeftButton);
    blink();
    ASSERT_EQ(playback.size(), 4);
    blink();
    blink();  // both phases of the fourth step seen; the first one again
    ASSERT_EQ(playback.phase(), 0);

    EXPECT_TRUE(back->isEnabled());
    const QString liveMarked = panel.markedLine();
    EXPECT_NE(liveMarked, markedAtSecond);
    // Left and "Zurück" show earlier steps; the demonstration stays at its step.
    QTest::keyClick(entry, Qt::Key_Left);
    EXPECT_EQ(playback.current(), 2);
    EXPECT_TRUE(playback.inPast());
    EXPECT_EQ(info->text().toStdString(), kLrTexts[2]);
    EXPECT_EQ(image->image(), shown[2][0]);
    // A step of the past blinks as it did.
    blink();
    EXPECT_EQ(image->image(), shown[2][1]);
    blink();
    EXPECT_EQ(image->image(), shown[2][0]);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(playback.current(), 1);
    EXPECT_EQ(panel.markedLine(), markedAtSecond);  // the step's line again
    EXPECT_EQ(image->image(), shown[1][0]);
    clickRow(list, 0);
    EXPECT_EQ(playback.current(), 0);
    EXPECT_EQ(info->text().toStdString(), kLrTexts[0]);
    EXPECT_EQ(image->image(), shown[0][0]);
    EXPECT_FALSE(back->isEnabled());
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "1. Einfügestelle gefunden");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(playback.size(), 4);

    // Forward again through the steps of the past to the one that waits:
    // Right, Return and "Weiter" each go one step at once.
    QTest::keyClick(entry, Qt::Key_Right);
    EXPECT_EQ(playback.current(), 1);
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(playback.current(), 2);
    EXPECT_EQ(info->text().toStdString(), kLrTexts[2]);
    EXPECT_EQ(image->image(), shown[2][0]);
    QTest::keyClick(entry, Qt::Key_Right);
    EXPECT_EQ(playback.current(), 3);
    EXPECT_FALSE(playback.inPast());
    EXPECT_EQ(image->image(), shown[3][0]);
    EXPECT_EQ(panel.markedLine(), liveMarked);
    EXPECT_EQ(playback.size(), 4);  // the demonstration did not move on

    // Space plays: each step is shown for the time per step, blinking or not.
    QTest::keyClick(entry, Qt::Key_Space);
    EXPECT_TRUE(playback.playing());
    EXPECT_EQ(play->text(), QString::fromUtf8("&Pause"));
    timers.advance(199);
    EXPECT_EQ(playback.size(), 4);
    timers.advance(1);
    EXPECT_EQ(playback.size(), 5);
    EXPECT_EQ(list->currentRow(), 4);
    // Space again pauses: the step blinks on and waits.
    QTest::keyClick(entry, Qt::Key_Space);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(play->text(), QString::fromUtf8("&Abspielen"));
    timers.advance(5000);
    EXPECT_EQ(playback.size(), 5);
    EXPECT_TRUE(playback.running());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(playback.playing());
    timers.advance(200);
    EXPECT_EQ(playback.size(), 6);
    timers.advance(200);

    EXPECT_FALSE(playback.running());
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.texts(), kLrTexts);
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(5)->text(), QString::fromUtf8("6. LR-Rotation wird durchgeführt"));
    EXPECT_EQ(list->item(5)->toolTip(), QString::fromUtf8("LR-Rotation wird durchgeführt"));
    EXPECT_EQ(list->currentRow(), 5);
    EXPECT_TRUE(list->isEnabled());  // readable until the next demonstration
    EXPECT_TRUE(back->isEnabled());  // the steps can be shown again
    EXPECT_FALSE(play->isEnabled());
    EXPECT_EQ(play->text(), QString::fromUtf8("&Abspielen"));
    EXPECT_FALSE(find<QPushButton>("BitBtnAweiter")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("ButtonAInsert")->isEnabled());
    EXPECT_TRUE(hasFocus("EditAEingabe"));
    EXPECT_EQ(timers.nextDue(), -1);  // the final state stands still
    EXPECT_EQ(page.tree().root->getValue()->compare(TTreeInteger(40)), kEqual);
    EXPECT_EQ(field("EditAanz"), "3");
}

// The sort window: going back shows the memos and the info field of an
// earlier step again; forward returns to the waiting step, which "Ende"
// finishes.
TEST_F(LessonTest, TheSortWindowShowsTheMemosOfAnEarlierStepAgain) {
    TFormDemo& window = sortWindow();
    const Playback& playback = window.player().playback();
    auto* memo = window.findChild<MemoView*>("MemoQuelle");
    auto* info = window.findChild<QLineEdit*>("EditSortInfo");
    auto* list = window.findChild<QListWidget*>("ListBoxSteps");
    // Return reaches the window that has the activation.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    QTest::mouseClick(window.findChild<QPushButton*>("BitBtnBubble"), Qt::LeftButton);
    QStringList memoAt, infoAt;
    for (int step = 1; step <= 3; ++step) {
        ASSERT_EQ(playback.size(), step);
        memoAt << memo->toPlainText();
        infoAt << info->text();
        // Right is "Weiter": a sort step goes on at once.
        if (step < 3) QTest::keyClick(&window, Qt::Key_Right);
    }
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(playback.current(), 0);
    EXPECT_EQ(memo->toPlainText(), memoAt[0]);
    EXPECT_EQ(info->text(), infoAt[0]);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(memo->toPlainText(), memoAt[1]);
    EXPECT_EQ(info->text(), infoAt[1]);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_FALSE(playback.inPast());
    EXPECT_EQ(memo->toPlainText(), memoAt[2]);
    EXPECT_EQ(info->text(), infoAt[2]);
    EXPECT_EQ(playback.size(), 3);
    QTest::mouseClick(window.findChild<QPushButton*>("BitBtnEnde"), Qt::LeftButton);
    EXPECT_FALSE(playback.running());
    EXPECT_NE(memoAt[0], memoAt[1]);  // the steps showed different lists
    EXPECT_EQ(playback.size(), 3);    // "Ende" passed the later steps without showing them
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(memo->toPlainText(), "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(info->text(), "");
}

// After the end "Zurück", the list and its keys show the steps of the AVL
// rotation again, blinking, with their lines of the "Algorithmus" panel; the
// last entry, any other key, a click elsewhere, another page and a button of
// the page return to the final state, and a new demonstration starts from it.
TEST_F(LessonTest, AfterTheEndTheAvlPageShowsItsStepsAgainAndReturnsToTheEnd) {
    AvlTreePage& page = avlPage();
    const Playback& playback = page.player().playback();
    auto* info = find<QLineEdit>("EditAinfo");
    auto* back = find<QPushButton>("ButtonABack");
    auto* list = find<QListWidget>("ListBoxASteps");
    auto* image = find<ImageView>("ImageABaum");
    const AlgorithmPanel& panel = page.algorithmPanel();
    // Each step's marked line and its picture in both phases as they were.
    QStringList marked;
    Pictures shown;
    treepagetest::StepDriver driver;
    driver.onPause = [&](int) {
        const auto k = static_cast<std::size_t>(playback.current());
        if (shown.size() <= k) {
            shown.resize(k + 1);
            marked << panel.markedLine();
        }
        shown[k][static_cast<std::size_t>(playback.phase())] = image->image().copy();
    };
    click("ButtonAInsert");
    driver.drive(page.player(), timers);
    ASSERT_FALSE(playback.running());
    ASSERT_EQ(playback.size(), 6);
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_TRUE(back->isEnabled());
    const QString finalInfo = info->text();
    const QString finalLine = panel.markedLine();
    const QImage finalImage = image->image().copy();
    const auto atFinalState = [&] {
        EXPECT_FALSE(playback.reviewing());
        EXPECT_EQ(playback.current(), 5);
        EXPECT_EQ(image->image(), finalImage);
        EXPECT_EQ(info->text(), finalInfo);
        EXPECT_EQ(panel.markedLine(), finalLine);
        EXPECT_EQ(timers.nextDue(), -1);  // it stands still
    };
    atFinalState();

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(playback.current(), 4);
    EXPECT_EQ(info->text(), QString::fromUtf8("LR-Rotation wird durchgeführt"));
    EXPECT_EQ(panel.markedLine(), marked[4]);
    EXPECT_TRUE(hasFocus("ListBoxASteps"));
    EXPECT_EQ(image->image(), shown[4][0]);
    // It blinks as it did: the other phase a full phase later, then the first.
    ASSERT_NE(shown[4][0], shown[4][1]);
    EXPECT_EQ(timers.nextDue(), Playback::kBlinkPhaseMs);
    ASSERT_TRUE(timers.runNext());
    EXPECT_EQ(image->image(), shown[4][1]);
    ASSERT_TRUE(timers.runNext());
    EXPECT_EQ(image->image(), shown[4][0]);
    QTest::keyClick(list, Qt::Key_Left);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(playback.current(), 2);
    clickRow(list, 1);
    EXPECT_EQ(info->text(), QString::fromUtf8("Bei 50 ist die AVL-Eigenschaft verletzt"));
    EXPECT_EQ(panel.markedLine(), marked[1]);
    EXPECT_EQ(image->image(), shown[1][0]);
    clickRow(list, 5);
    atFinalState();
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(playback.current(), 4);
    QTest::keyClick(list, Qt::Key_Right);
    atFinalState();
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(playback.current(), 0);
    EXPECT_EQ(image->image(), shown[0][0]);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(playback.current(), 1);
    QTest::keyClick(list, Qt::Key_End);
    atFinalState();

    // A left click on the picture only looks; a click on the info field, any
    // other key, another page and a button of the page return to the final
    // state before anything else.
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(playback.current(), 4);
    QTest::mouseClick(info, Qt::LeftButton);
    atFinalState();
    QTest::mouseClick(back, Qt::LeftButton);
    QTest::keyClick(list, Qt::Key_A);
    atFinalState();
    QTest::mouseClick(back, Qt::LeftButton);
    showPage("TabSheetSuchbaum");
    atFinalState();
    showPage("TabSheetAVLBaum");
    QTest::mouseClick(back, Qt::LeftButton);
    ASSERT_TRUE(playback.reviewing());
    dialogs.chooseSequence = [&]() -> std::optional<NumberSequenceRequest> {
        atFinalState();
        return std::nullopt;
    };
    click("ButtonAFolge");
    EXPECT_EQ(dialogs.take(), std::vector<std::string>{"sequence"});
    atFinalState();
    EXPECT_EQ(field("EditAanz"), "3");

    // A new demonstration started while an earlier step is shown starts from
    // the final state: the new number's place is still blank in the first
    // phase of its first step, the rest is the final picture.
    QTest::mouseClick(back, Qt::LeftButton);
    clickRow(list, 1);
    ASSERT_TRUE(playback.reviewing());
    type("EditAEingabe", "45");
    click("ButtonAInsert");
    ASSERT_TRUE(playback.running());
    EXPECT_EQ(playback.size(), 1);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(info->text(), QString::fromUtf8("Einfügestelle gefunden"));
    EXPECT_EQ(playback.phase(), 0);
    EXPECT_EQ(image->image(), finalImage);
    EXPECT_FALSE(back->isEnabled());
    driver.onPause = nullptr;
    driver.drive(page.player(), timers);
    EXPECT_FALSE(playback.running());
    EXPECT_EQ(field("EditAanz"), "4");
}

// The sort window after a sort: "Zurück" and the list show the memos and
// the info field of a step again; the last entry and "Schließen" show the
// sorted list as the sort left it.
TEST_F(LessonTest, AfterTheEndTheSortWindowShowsItsStepsAgainAndReturnsToTheEnd) {
    TFormDemo& window = sortWindow();
    const Playback& playback = window.player().playback();
    std::array<MemoView*, 3> memos = {window.findChild<MemoView*>("MemoQuelle"),
                                      window.findChild<MemoView*>("MemoZwischen1"),
                                      window.findChild<MemoView*>("MemoZwischen2")};
    auto* info = window.findChild<QLineEdit*>("EditSortInfo");
    auto* list = window.findChild<QListWidget*>("ListBoxSteps");
    auto* back = window.findChild<QPushButton*>("BitBtnBack");
    const auto shown = [&] {
        QStringList texts;
        for (MemoView* m : memos) texts << m->toPlainText();
        return texts << info->text();
    };
    // The keys reach the window that has the activation.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    std::vector<QStringList> shownAt;
    QTest::mouseClick(window.findChild<QPushButton*>("BitBtnBubble"), Qt::LeftButton);
    while (playback.running()) {
        shownAt.push_back(shown());
        QTest::keyClick(&window, Qt::Key_Return);
    }
    const int n = playback.size();
    ASSERT_EQ(n, static_cast<int>(shownAt.size()));
    ASSERT_GE(n, 3);
    const QStringList finalShown = shown();
    EXPECT_EQ(finalShown[0], "\n[1]  <--\n[2]\n[3]");
    EXPECT_EQ(finalShown[3], "");

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(playback.current(), n - 2);
    EXPECT_EQ(shown(), shownAt[n - 2]);
    clickRow(list, 0);
    EXPECT_EQ(shown(), shownAt[0]);
    EXPECT_EQ(shownAt[0][0], "     <--\n[3]\n[1]\n[2]");
    EXPECT_EQ(timers.nextDue(), -1);  // a sort step does not blink
    clickRow(list, n - 1);
    EXPECT_FALSE(playback.reviewing());
    EXPECT_EQ(shown(), finalShown);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(shown(), shownAt[n - 2]);
    // A focused memo keeps its keys: Home returns to the final state first and
    // does not go to the first step.
    auto* memo = memos[0];
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Home);
    EXPECT_FALSE(playback.reviewing());
    EXPECT_EQ(shown(), finalShown);
    QTest::mouseClick(back, Qt::LeftButton);
    ASSERT_TRUE(playback.reviewing());
    QTest::mouseClick(window.findChild<QPushButton*>("BitBtnSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(playback.reviewing());
    EXPECT_EQ(shown(), finalShown);
}

// Closing the window while a demonstration plays on the program's own timers
// ends the program with status 0 at once.
// The keys of the lesson controls: after the end Alt+Z goes back one more
// step with each press; "Tempo", reached with Alt+T, takes the arrows, Home,
// End and the page keys for itself (Right is no "Weiter" then); the picture
// keys work during a step, and the handout entries are off while the page
// demonstrates.
TEST_F(LessonTest, AltZTempoKeysAndPictureKeysDuringAndAfterADemonstration) {
    AvlTreePage& page = avlPage();
    const Playback& shown = page.player().playback();
    auto* slider = find<QSlider>("TrackBarASpeed");
    auto* entry = find<QLineEdit>("EditAEingabe");
    click("ButtonAInsert");
    ASSERT_TRUE(shown.running());
    EXPECT_FALSE(find<QAction>("ImageABaumPdfEinfuegen")->isEnabled());
    // So are the animation and the web page.
    EXPECT_FALSE(find<QMenu>("ImageABaumAnimation")->menuAction()->isEnabled());
    EXPECT_FALSE(find<QMenu>("ImageABaumWebseite")->menuAction()->isEnabled());
    // Ctrl+Shift+S and Ctrl+P during the step: the dialogs are asked.
    QTest::keyClick(entry, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(entry, Qt::Key_P, Qt::ControlModifier);
    const auto asked = dialogs.take();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].rfind("picture ", 0), 0u) << asked[0];
    EXPECT_EQ(asked[1], "print");

    // Alt+T focuses "Tempo"; its keys change the time and do not step.
    QTest::keyClick(form->windowHandle(), Qt::Key_T, Qt::AltModifier);
    ASSERT_TRUE(slider->hasFocus());
    slider->setValue(15);
    const int before = slider->value();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), before + 1);
    EXPECT_EQ(shown.size(), 1);
    QTest::keyClick(slider, Qt::Key_Left);
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(slider->value(), before - 1);
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(slider->value(), slider->maximum());
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(slider->value(), slider->minimum());
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(slider->value(), slider->minimum() + slider->pageStep());
    EXPECT_EQ(find<QLabel>("LabelASeconds")->text(), "0,7 s");
    EXPECT_EQ(shown.size(), 1);

    treepagetest::StepDriver driver;
    driver.drive(page.player(), timers);
    ASSERT_FALSE(shown.running());
    EXPECT_TRUE(find<QAction>("ImageABaumPdfEinfuegen")->isEnabled());
    EXPECT_TRUE(find<QMenu>("ImageABaumAnimation")->menuAction()->isEnabled());
    EXPECT_TRUE(find<QMenu>("ImageABaumWebseite")->menuAction()->isEnabled());
    ASSERT_EQ(shown.size(), 6);
    // Alt+Z: one step further back with every press.
    for (int expected : {4, 3, 2}) {
        // As a window system delivers it: the shortcut override to the
        // focus widget first, then the key.
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Z, Qt::AltModifier, "z");
        QApplication::sendEvent(focus, &override);
        QTest::keyClick(form->windowHandle(), Qt::Key_Z, Qt::AltModifier);
        // The button answers its key a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown.current() == expected; }, 2000))
            << "after the press to " << expected << " the step shown is " << shown.current();
    }
}

void runAndCloseWhilePlaying() {
    int status = 3;
    bool played = false;
    {
        FakeDialogs dialogs;
        TForm1 form(&dialogs);
        form.show();
        QTimer::singleShot(0, [&] {
            form.findChild<QLineEdit*>("EditTEingabe")->setText("42");
            form.findChild<QAbstractButton*>("ButtonTinsert")->click();
            form.findChild<QAbstractButton*>("ButtonTPlay")->click();
            played = form.searchTreePage().player().playback().playing();
            form.close();
        });
        QTimer::singleShot(30000, [] { std::_Exit(4); });
        status = QApplication::exec();
        if (!played || form.searchTreePage().player().running() || !dialogs.log.empty() ||
            form.searchTreePage().tree().count() != 1)
            status = 5;
    }
    std::_Exit(status);  // as in the step player's exit tests
}

TEST(LessonExitTest, ClosingTheWindowWhilePlayingExitsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runAndCloseWhilePlaying(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
