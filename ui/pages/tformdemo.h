// TFormDemo: the sort demonstration window "Demonstration von
// Sortieralgorithmen". It sorts the list page's list step by step with one of
// six algorithms (TListDemo), showing the list and two auxiliary lists in
// three memos and each step's explanation in EditSortInfo; "Weiter" goes to
// the next step, "Ende" finishes without further stops. While it is open the
// main window is locked; closing it, or leaving it for another window, unlocks
// the main window (after a running sort has finished at once). Before a sort
// of a list too long to follow step by step the window asks whether to sort
// step by step at all; "Nein" sorts at once to the end.
#pragma once

#include <QSize>
#include <QWidget>
#include <memory>

#include "demo/sorts.h"
#include "ui/pages/handout.h"
#include "ui/pages/sortdemowindow.h"

class TListDemo;
class MemoView;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class AlgorithmPanel;
class LessonControls;
class PredictionControls;
class ScreenFit;
class SortStepScreen;
class StepPlayer;

namespace sortwindowtext {
inline constexpr const char* caption = "Demonstration von Sortieralgorithmen";
inline constexpr const char* quelleZiel = "Quelle und Ziel";
// The question before sorting a long list; {} is the element count.
// The context menu "Schritte als PDF" with the six sorts.
inline constexpr const char* handoutCaption = "Schritte als &PDF";
inline constexpr const char* handoutHint =
    "Schreibt alle Schritte eines Sortierverfahrens für die aktuelle Liste als PDF zum Ausdrucken";
inline constexpr const char* handoutRecording = "Die Schritte werden aufgezeichnet: {}";
inline constexpr const char* handoutCounting = "Die Schritte werden gezählt: {}";
inline constexpr const char* handoutWriting = "Die PDF-Datei wird geschrieben…";
inline constexpr const char* handoutCancel = "Abbrechen";
// The question before a handout of more than handout::kMostPages pages: the
// pages and steps it would have (exactly, or "mehr als" when counting them
// all would take too long), then the steps and pages it offers.
inline constexpr const char* handoutTooLong =
    "Das Handout hätte {} Seiten ({} Schritte). Sollen nur die ersten {} Schritte auf {} "
    "Seiten geschrieben werden?";
inline constexpr const char* handoutTooLongAtLeast =
    "Das Handout hätte mehr als {} Seiten (mehr als {} Schritte). Sollen nur die ersten {} "
    "Schritte auf {} Seiten geschrieben werden?";
// The same question before an animation or a web page of more steps.
inline constexpr const char* exportTooLong =
    "Die Demonstration hätte {} Schritte. Sollen nur die ersten {} Schritte gespeichert werden?";
inline constexpr const char* exportTooLongAtLeast =
    "Die Demonstration hätte mehr als {} Schritte. Sollen nur die ersten {} Schritte "
    "gespeichert werden?";
inline constexpr const char* stepwiseQuestion =
    "Die Liste hat {} Elemente. Eine schrittweise Sortierung dauert sehr lange. Trotzdem "
    "schrittweise sortieren? Mit Nein wird die Liste sofort ganz sortiert.";
}  // namespace sortwindowtext

class TFormDemo final : public QWidget, public SortDemoWindow {
    Q_OBJECT
public:
    // host is lent; parent is the main window: the window lives as long as
    // that, as a window of its own, hidden until opened.
    TFormDemo(SortWindowHost& host, QWidget* parent);
    ~TFormDemo() override;

    void enableSortButtons(bool enable) override;
    void openFor(TListDemo& list) override;

    // The player of the sorts.
    StepPlayer& player() { return *player_; }
    // True while a sort runs: from its button until its end is shown.
    bool sorting() const { return sorting_; }
    // "Zurück", "Abspielen", "Tempo" and the list of steps.
    LessonControls& lesson() { return *lesson_; }
    PredictionControls& prediction() { return *prediction_; }

    // The projector view's zoom (percent). The window keeps its designed
    // proportions while they fit its screen; otherwise its content scrolls
    // in a window as large as the screen offers (ScreenFit).
    void setZoom(int percent);
    ScreenFit& screenFit() { return *fit_; }

public slots:
    void BitBtnBubbleClick();
    void BitBtnInsertionClick();
    void BitBtnAuswaehlenClick();
    void BitBtnQuick1Click();
    void BitBtnQuick2Click();
    void BitBtnMergeClick();
    // "Schritte als PDF…" for the sort with the given index (0..5 in the order
    // of kHandoutSorts in tformdemo.cpp: Bubblesort, Direktes Einfügen,
    // Direktes Auswählen, Quicksort 1, Quicksort 2, Mergesort).
    // With kind animation: "Als Animation speichern…" (ActionAnimation0..5),
    // the same steps as an animated GIF; with kind webpage: "Als Webseite
    // speichern…" (ActionWebseite0..5), as a web page; a step stands as long
    // as "Tempo" says; with kind worksheet: "Als Arbeitsblatt mit Fragen
    // speichern…" (ActionArbeitsblatt0..5), the PDF with the questions.
    void writeHandout(int sortIndex, handout::Kind kind = handout::Kind::pdf);
    void BitBtnWeiterClick();
    void BitBtnEndeClick();
    void BitBtnSchliessenClick();
    void FormDeactivate();

protected:
    // Losing the activation is FormDeactivate.
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    // The title bar's close acts as leaving the window.
    void closeEvent(QCloseEvent* event) override;

private:
    // prepareSort, then the sort's steps on the player; finishSort at their
    // end. With titles, the three labels show them during the sort and
    // "Quelle und Ziel", "", "" afterwards.
    void runSort(SortKind kind, const char* const* titles = nullptr);
    // True unless the list is longer than kStepwiseLimit and the user
    // answers the question with "Nein".
    bool askStepwise();
    void prepareSort();
    // At the end of a sort's steps: the buttons back, the list page shows
    // the sorted list, and a window left meanwhile unlocks the main window.
    void finishSort();
    // Centres the window over the main window, fully on that one's screen.
    void placeOverMainWindow();
    void setLabels(const char* quelle, const char* zwischen1, const char* zwischen2);
    // Hides the window and unlocks the main window; during a sort the unlock
    // waits until the sort has finished.
    void leave();
    // Sizes the window for its screen: the content's size, or what the
    // screen offers.
    void fitToScreen();

    SortWindowHost& host_;
    TListDemo* list_ = nullptr;
    bool sorting_ = false;
    // The labels to set back at the end of the sort.
    bool titled_ = false;
    bool unlockAfterSort_ = false;
    // The question box is open: losing the activation to it is no leaving.
    bool asking_ = false;

    QLabel* labels_[3];
    MemoView* memoQuelle_;
    MemoView* memoZwischen1_;
    MemoView* memoZwischen2_;
    QLineEdit* editSortInfo_;
    QPushButton* weiter_;
    QPushButton* ende_;
    QPushButton* schliessen_;
    QPushButton* sortButtons_[6];
    QAction* handout_;    // the context menu's "Schritte als PDF"
    QAction* animation_;  // the context menu's "Als Animation speichern…"
    QAction* webpage_;    // the context menu's "Als Webseite speichern…"
    QAction* worksheet_;  // the context menu's "Als Arbeitsblatt mit Fragen speichern…"

    std::unique_ptr<SortStepScreen> stepScreen_;
    StepPlayer* player_ = nullptr;              // a child of the window, deleted first
    LessonControls* lesson_ = nullptr;          // a child of the window, deleted first
    PredictionControls* prediction_ = nullptr;  // a child of the window
    AlgorithmPanel* panel_ = nullptr;
    ScreenFit* fit_ = nullptr;
    int zoom_ = 100;
    bool fitting_ = false;
    QSize fittedFrame_;  // the frame's size at the last fit
};
