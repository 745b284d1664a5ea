// TForm1: the workbench's main window. It assembles the menu panel and the
// seven pages, holds the structures the pages work on, and owns the routines
// the pages share: parseEntry, saveWithDialog, loadWithDialog, lockControls,
// clearImage and readTreeNumber. Messages and file dialogs go through the
// DialogService; the core's own messages reach it through ServiceMessages,
// installed for the window's lifetime.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "demo/listdemo.h"
#include "ui/randomsource.h"

class DialogService;
class ServiceMessages;
class ImageView;
class QTabWidget;
class QToolButton;
class QFrame;
class TAboutBox;
class TBase;
class TListe;
class TLifo;
class TFifo;
class SortDemoWindow;
class ListPage;
class StackPage;
class QueuePage;
class SearchTreePage;
class AvlTreePage;
class BayerTreePage;
class NtreePage;
class ScopedUserMessages;
class StepClock;
class QtStepClock;
class TSearchTreeDemo;
class TAvlTreeDemo;
class TBayerTreeDemo;
class TNtreeDemo;

namespace formtext {
inline constexpr const char* caption = "Tessaro";
inline constexpr const char* cannotCreate = "Datei konnte nicht angelegt werden";
}  // namespace formtext

class TForm1 final : public QWidget {
    Q_OBJECT
public:
    // Which demonstration lockControls is switching for.
    enum LockKind { kSortWindow = 0, kSearchTree = 1, kAvlTree = 2, kBayerTree = 3 };

    // dialogs is lent and must outlive the window; with null the window uses
    // its own QtDialogService. Registers the element and list classes.
    explicit TForm1(DialogService* dialogs = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    DialogService& dialogs() { return *dialogs_; }

    // The structures; they belong to the window for its whole life. The list
    // and the queue are never replaced; the stack page replaces its stack.
    TListDemo& theListe() { return *theListe_; }
    std::unique_ptr<TLifo>& theLifo() { return theLifo_; }
    TFifo& theFifo() { return *theFifo_; }
    RandomSource& random() { return random_; }
    // The demonstration trees of "Suchbaum" and "AVL-Baum"; their pages
    // replace them on Clear and Load.
    std::unique_ptr<TSearchTreeDemo>& theSearchTree() { return theSearchTree_; }
    std::unique_ptr<TAvlTreeDemo>& theAvlTree() { return theAvlTree_; }
    // The B-tree of "BayerBaum"; its page replaces it on Clear and Load.
    std::unique_ptr<TBayerTreeDemo>& theBayerTree() { return theBayerTree_; }
    // The n-ary tree of "NBaum"; its page replaces it on Clear and Load.
    std::unique_ptr<TNtreeDemo>& theNtree() { return theNtree_; }

    // The list page's entry as a new element (owned by the caller), by the
    // radio buttons' choice; false after showing the message of the refusal.
    bool parseEntry(const QString& text, std::unique_ptr<TBase>& element);
    // Runs the save dialog; returns the chosen name, or "" when cancelled or
    // when the file cannot be written ("Datei konnte nicht angelegt werden"
    // shown). An existing file is left untouched: the save that follows
    // replaces it only when completely written.
    std::string saveWithDialog(std::string_view extension, std::string_view filter);
    // Runs the open dialog; the chosen name or "" when cancelled.
    std::string loadWithDialog(std::string_view extension, std::string_view filter);
    // Switches the window between normal work (enabled) and a demonstration of
    // the given kind: every push button and page gets `enabled`, except that
    // the running tree page stays enabled and its "Weiter" button gets the
    // opposite; kind 0 resets the sort window's buttons.
    void lockControls(bool enabled, int kind);
    // Fills the whole image with the button-face colour.
    static void clearImage(ImageView& image);
    // True when the text is a number 1..99; otherwise shows "Ganze Zahl von 1
    // bis 99 eingeben".
    bool readTreeNumber(const QString& text);

    // The flag every "Weiter" button sets; demonstrations clear it. It is the
    // step clock's flag, so that the waiting step sees the press.
    bool weiterPressed() const;
    void setWeiterPressed(bool pressed);

    // The clock of the step-by-step demonstrations: the window's own
    // QtStepClock unless one is lent (tests); null returns to the own one.
    // Lend it only while no demonstration runs.
    StepClock& stepClock() { return *clock_; }
    void setStepClock(StepClock* clock);

    // The sort window: the window's own TFormDemo unless another one is lent.
    void setSortWindow(SortDemoWindow* window) { sortWindow_ = window; }
    SortDemoWindow* sortWindow() const { return sortWindow_; }

    TAboutBox& aboutBox() { return *aboutBox_; }
    QTabWidget& pageControl() { return *pageControl_; }
    ListPage& listPage() { return *listPage_; }
    StackPage& stackPage() { return *stackPage_; }
    QueuePage& queuePage() { return *queuePage_; }

    // What "Beenden" and closing the window do after ending a waiting
    // demonstration step; by default the application quits.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

protected:
    // Closing the window ends the program, also while a demonstration step
    // waits: the step's wait ends at once (DemoCancelled), then quit.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void SpeedButtonInfoClick();
    void SpeedButtonEndeClick();

private:
    void buildMenuPanel();
    void buildPages();
    void setPageEnabled(QWidget* page, bool enabled);
    // Ends a waiting step of the own clock and lets every later one throw
    // DemoCancelled, then runs the quit handler.
    void endProgram();

    std::unique_ptr<DialogService> ownDialogs_;
    DialogService* dialogs_;
    std::unique_ptr<ServiceMessages> messages_;
    std::unique_ptr<ScopedUserMessages> messageScope_;

    std::unique_ptr<TListDemo> theListe_;
    std::unique_ptr<TLifo> theLifo_;
    std::unique_ptr<TFifo> theFifo_;
    RandomSource random_;
    std::unique_ptr<TSearchTreeDemo> theSearchTree_;
    std::unique_ptr<TAvlTreeDemo> theAvlTree_;
    std::unique_ptr<TBayerTreeDemo> theBayerTree_;
    std::unique_ptr<TNtreeDemo> theNtree_;
    QtStepClock* ownClock_ = nullptr;  // a child of the window
    StepClock* clock_ = nullptr;       // ownClock_ or a lent one
    SortDemoWindow* sortWindow_ = nullptr;
    std::function<void()> quit_;

    // Widgets: owned by Qt's parent chain.
    QFrame* panelMenue_ = nullptr;
    QToolButton* speedButtonInfo_ = nullptr;
    QToolButton* speedButtonEnde_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    ListPage* listPage_ = nullptr;
    StackPage* stackPage_ = nullptr;
    QueuePage* queuePage_ = nullptr;
    SearchTreePage* searchTreePage_ = nullptr;
    AvlTreePage* avlTreePage_ = nullptr;
    BayerTreePage* bayerTreePage_ = nullptr;
    NtreePage* ntreePage_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
};
