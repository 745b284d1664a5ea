// TForm1: the workbench's main window. It assembles the menu panel and the
// seven pages and lends each page what it may use (PageHost): the messages and
// dialogs, the step timers, reading a tree number, saving and loading through
// the dialogs, locking for a demonstration, the random source and the sort
// window. Each page owns its structure. Messages and file dialogs go through
// the DialogService; the core's own messages reach it through ServiceMessages,
// installed for the window's lifetime.
//
// Built for the program (Building::onFirstUse), the window makes at once only
// what its first picture shows: the menu panel, the seven tabs and the page
// in front. Every other page is made when its tab is first chosen or its
// accessor first asked, the sort window when first opened, the about window
// when first shown; until then a tab holds an empty stand-in of the page's
// name. What the user sees and can do is the same as with everything built.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/pages/pagehost.h"
#include "ui/pages/sortdemowindow.h"
#include "workbench/randomsource.h"

class DialogService;
class ServiceMessages;
class QAction;
class QTabWidget;
class UndoablePage;
class QToolButton;
class QFrame;
class TAboutBox;
class TFormDemo;
class ListPage;
class StackPage;
class QueuePage;
class SearchTreePage;
class AvlTreePage;
class BayerTreePage;
class NtreePage;
class ScopedUserMessages;
class StepTimers;
class DemoTreePage;
class ScreenFit;

namespace formtext {
inline constexpr const char* caption = "Tessaro";
// A name given to the program that no page loads; the quoted name goes first.
inline constexpr const char* isFolder = "ist ein Ordner und keine Strukturdatei";
// "Rückgängig" and "Wiederholen": the entries beside the menu panel.
inline constexpr const char* undoCaption = "Rückgängig";
inline constexpr const char* undoHint =
    "Nimmt die letzte Änderung der Struktur dieser Seite zurück (Strg+Z)";
inline constexpr const char* redoCaption = "Wiederholen";
inline constexpr const char* redoHint =
    "Stellt die zuletzt zurückgenommene Änderung dieser Seite wieder her (Strg+Y)";
inline constexpr const char* unknownExtension =
    "hat keine bekannte Dateiendung (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder .ndt)";
}  // namespace formtext

class TForm1 final : public QWidget, public PageHost, public SortWindowHost {
    Q_OBJECT
public:
    // When the pages, the sort and the about window are made: all at once, or
    // each when first needed.
    enum class Building { everything, onFirstUse };

    // dialogs and timers are lent and must outlive the window; with null the
    // window uses its own QtDialogService, and Qt timers for the step players.
    // Registers the element and list classes.
    explicit TForm1(DialogService* dialogs = nullptr, QWidget* parent = nullptr,
                    Building building = Building::everything, StepTimers* timers = nullptr);
    ~TForm1() override;

    // What the pages may use (PageHost).
    DialogService& dialogs() override { return *dialogs_; }
    StepTimers& stepTimers() override { return *timers_; }
    bool readTreeNumber(const QString& text) override;
    std::string saveWithDialog(std::string_view extension, std::string_view filter) override;
    std::string loadWithDialog(std::string_view extension, std::string_view filter) override;
    void lockControls(bool enabled, int kind) override;
    bool controlsLocked() const override { return !controlsEnabled_; }
    RandomSource& random() override { return random_; }
    bool openSortWindow(TListDemo& list) override;

    // The accessors make what they return when it is not made yet.
    TAboutBox& aboutBox();
    QTabWidget& pageControl() { return *pageControl_; }
    ListPage& listPage();
    StackPage& stackPage();
    QueuePage& queuePage();
    SearchTreePage& searchTreePage();
    AvlTreePage& avlTreePage();
    BayerTreePage& bayerTreePage();
    NtreePage& ntreePage();
    // True when the page at tab index has been made (false for a stand-in).
    bool pageMade(int index) const { return standIns_[index] == nullptr; }

    // The projector view: the zoom of the pages and the sort window in
    // percent (zoom::kSteps). setZoom applies it; the keys Ctrl+Plus,
    // Ctrl+Minus and Ctrl+0 also keep it in the settings, which restoreZoom
    // reads at the start. F11 switches the window to full screen and back;
    // a zoom chosen in full screen keeps it.
    //
    // The window fits its screen (ScreenFit): while the zoomed pages (with
    // the shown "Algorithmus" column) fit, the window has their size, as
    // without the fit. Otherwise the pages scroll in the window, and on a
    // demonstrating page "Weiter" and the lesson controls stand in a bar at
    // the bottom and the shown column at the right, all in view; the picture
    // is scrolled into view at a zoom and at the start of a demonstration.
    int zoom() const { return zoom_; }
    // True while the pages do not fit and scroll.
    bool overflowing() const { return overflow_; }
    ScreenFit& screenFit() { return *fit_; }
    void setZoom(int percent);
    void restoreZoom();
    // The files named on the command line, in their order: each is loaded
    // by the page of its extension as that page's Load loads it, with the
    // page in front, so the last one's page stays in front. A refused file
    // shows the page's message; a folder or a name of no known extension
    // shows "„<name>“ ist ein Ordner …" or "„<name>“ hat keine bekannte
    // Dateiendung …" in the general error box and no page changes.
    void openFiles(const QStringList& names);
    // What "Beenden" and closing the window do after a running demonstration
    // has finished without stops; by default the application quits.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y) on the page in front;
    // disabled while the window is locked and when the page has no level.
    QAction& undoAction() { return *undoAction_; }
    QAction& redoAction() { return *redoAction_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    // Ctrl+Z and Ctrl+Y in a page's entry field go to the page, not to the
    // field's own undo of its typing.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the window ends the program, also while a demonstration step
    // waits: the demonstration finishes without stops, then quit.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void SpeedButtonInfoClick();
    void SpeedButtonEndeClick();

private:
    // What the sort window may use (SortWindowHost).
    void showSortedList() override;
    void sortWindowLeft() override;
    void focusListEntry() override;

    void buildMenuPanel();
    // "Rückgängig" and "Wiederholen": actions of the window, shown as two
    // buttons in PanelBearbeiten beside the menu panel.
    void buildEditPanel();
    // The page in front when it has undo levels (not a stand-in).
    UndoablePage* frontUndoablePage() const;
    void undoClick();
    void redoClick();
    // Enables the two actions after the window's and the front page's state.
    void updateUndoActions();
    // Connects a page just made to the undo actions.
    void adoptPage(QWidget* page);
    void buildPages(Building building);
    // Makes the page of tab index (in the order of the tabs) without a parent,
    // as the tab widget adopts it, and keeps it in its typed member.
    QWidget* makePage(int index);
    QWidget* makePageOnly(int index);
    // Puts the page of tab index in place of its stand-in, keeping the tab's
    // caption, enabled state and the choice of the current tab; a page made
    // while the controls are locked gets its buttons locked too.
    void ensurePage(int index);
    SortDemoWindow& sortWindow();
    // The sort window, with the zoom keys and the window's zoom.
    TFormDemo* makeSortWindow();
    // Ctrl+Plus (and Ctrl+=), Ctrl+Minus, Ctrl+0 on window; F11 on this one.
    void installViewKeys(QWidget* window);
    // One zoom step up or down, or back to 100 % (0); kept in the settings.
    void zoomKey(int direction);
    void setPageEnabled(QWidget* page, bool enabled);
    // Sizes the window for its screen, see zoom().
    void fitToScreen();
    // The made demonstrating page in front, or null.
    DemoTreePage* currentDemoPage() const;
    // Puts the page's lesson strip into the bar and its panel into the
    // column, or (undock) back onto the page at the zoomed design.
    void dock(DemoTreePage* page);
    void undock();
    // The width of the column in a window of windowWidth (0 when hidden).
    int columnWidth(int windowWidth) const;
    // Finishes a running demonstration without stops, then runs the quit
    // handler.
    void endProgram();

    std::unique_ptr<DialogService> ownDialogs_;
    DialogService* dialogs_;
    std::unique_ptr<ServiceMessages> messages_;
    std::unique_ptr<ScopedUserMessages> messageScope_;

    RandomSource random_;
    std::unique_ptr<StepTimers> ownTimers_;
    StepTimers* timers_;  // ownTimers_ or lent ones
    SortDemoWindow* sortWindow_ = nullptr;
    std::function<void()> quit_;

    // Widgets: owned by Qt's parent chain.
    QFrame* panelMenue_ = nullptr;
    QToolButton* speedButtonInfo_ = nullptr;
    QToolButton* speedButtonEnde_ = nullptr;
    QTabWidget* pageControl_ = nullptr;
    QFrame* panelBearbeiten_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    ListPage* listPage_ = nullptr;
    StackPage* stackPage_ = nullptr;
    QueuePage* queuePage_ = nullptr;
    SearchTreePage* searchTreePage_ = nullptr;
    AvlTreePage* avlTreePage_ = nullptr;
    BayerTreePage* bayerTreePage_ = nullptr;
    NtreePage* ntreePage_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;

    static constexpr int kPageCount = 7;
    std::array<QWidget*, kPageCount> standIns_{};  // null once the page is made
    bool swappingPage_ = false;
    bool controlsEnabled_ = true;  // as the last lockControls left them
    int zoom_ = 100;

    ScreenFit* fit_ = nullptr;        // a child of the window
    DemoTreePage* docked_ = nullptr;  // whose strip and panel are in bar and column
    bool overflow_ = false;
    bool fitting_ = false;
    bool shownBefore_ = false;
    QSize fittedFrame_;  // the frame's size at the last fit
};
