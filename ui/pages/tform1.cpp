#include "ui/pages/tform1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "elements/base.h"
#include "elements/messages.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/bayertreepage.h"
#include "ui/pages/listpage.h"
#include "ui/pages/ntreepage.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/taboutbox.h"
#include "ui/pages/tformdemo.h"
#include "ui/pages/undoablepage.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/qtdialogservice.h"
#include "ui/platform/servicemessages.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/lessoncontrols.h"
#include "ui/widgets/screenfit.h"
#include "ui/widgets/widgetfactory.h"
#include "ui/widgets/zoom.h"
#include "workbench/allclasses.h"
#include "workbench/entrysyntax.h"
#include "workbench/fileprobe.h"
#include "workbench/structurefiles.h"

namespace {
// The tabs in their order: the page's object name and the tab's caption.
struct PageTab {
    const char* name;
    const char* caption;
};
constexpr PageTab kPageTabs[] = {
    {"TabSheetListe", "Liste"},       {"TabSheetKeller", "Keller"},
    {"TabSheetSchlange", "Schlange"}, {"TabSheetSuchbaum", "Suchbaum"},
    {"TabSheetAVLBaum", "AVL-Baum"},  {"TabSheetBayerBaum", "BayerBaum"},
    {"TabSheetNBaum", "NBaum"},
};
enum PageIndex { kListe, kKeller, kSchlange, kSuchbaum, kAvlBaum, kBayerBaum, kNBaum };
constexpr int kFrontPage = kSuchbaum;
// The window's designed size: the menu panel and the tab widget with their
// margins.
constexpr int kDesignWidth = 819;
constexpr int kDesignHeight = 565;

// The buttons that locking disables: push and tool buttons of this window
// (not of the sort or about window), but not the tab bar's scroll buttons nor
// the lesson controls, which follow their page's demonstration themselves,
// nor the buttons of an action, which follow the action.
bool lockableButton(const QAbstractButton* b, const QWidget* window, const QWidget* tabBar) {
    const auto* toolButton = qobject_cast<const QToolButton*>(b);
    if (toolButton && toolButton->defaultAction()) return false;
    const bool pushButton = qobject_cast<const QPushButton*>(b) || toolButton;
    return pushButton && b->window() == window && b->parentWidget() != tabBar &&
           !b->property("lessonControl").toBool();
}
}  // namespace

TForm1::TForm1(DialogService* dialogs, QWidget* parent, Building building, StepTimers* timers)
    : QWidget(parent),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtDialogService>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      messages_(std::make_unique<ServiceMessages>(*dialogs_)),
      ownTimers_(timers ? nullptr : std::make_unique<QtStepTimers>()),
      timers_(timers ? timers : ownTimers_.get()),
      quit_([] { QApplication::quit(); }) {
    registerAllClasses();
    messageScope_ = std::make_unique<ScopedUserMessages>(*messages_);

    // The random source seeded itself from the time of day; each page makes
    // its own structure, in the order of the pages.

    setObjectName("TForm1");
    setWindowTitle(utf8(formtext::caption));
    setWindowIcon(
        QIcon(QPixmap::fromImage(widgets::readPng(QStringLiteral(":/icons/tessaro.png")))));
    move(106, 123);
    resize(kDesignWidth, kDesignHeight);
    QFont windowFont(QStringLiteral("System"));
    windowFont.setPixelSize(13);
    setFont(windowFont);

    fit_ = new ScreenFit(this);
    fit_->sheet()->resize(kDesignWidth, kDesignHeight);
    fit_->layoutParts(0);
    buildMenuPanel();
    buildEditPanel();
    buildPages(building);
    installViewKeys(this);
    if (building == Building::everything) {
        sortWindow_ = makeSortWindow();  // hidden until the list page opens it
        aboutBox_ = new TAboutBox(this);
    }
}

TForm1::~TForm1() {
    // The pages' panels hide while the widgets go and would ask this window,
    // no more a TForm1 by then, to fit the screen again.
    for (AlgorithmPanel* panel : findChildren<AlgorithmPanel*>()) {
        panel->disconnect(this);
        panel->showAction()->disconnect(this);
    }
    // The strip and column go back to their page, which owns them.
    undock();
    // A sort still running finishes with the list page's list before that
    // goes.
    delete dynamic_cast<TFormDemo*>(sortWindow_);
    sortWindow_ = nullptr;
    // The core must not reach this window's dialogs once it is gone.
    messageScope_.reset();
}

void TForm1::buildMenuPanel() {
    panelMenue_ = new QFrame(fit_->sheet());
    panelMenue_->setObjectName("PanelMenue");
    panelMenue_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelMenue_->setGeometry(0, 0, 73, 33);

    const auto speedButton = [this](const char* name, const char* hint,
                                    QStyle::StandardPixmap glyph, int x) {
        auto* b = new QToolButton(panelMenue_);
        b->setObjectName(name);
        b->setToolTip(utf8(hint));
        b->setIcon(widgets::standardIcon(glyph));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 4, 25, 25);
        return b;
    };
    speedButtonInfo_ = speedButton("SpeedButtonInfo", "Info", QStyle::SP_MessageBoxInformation, 8);
    speedButtonEnde_ = speedButton("SpeedButtonEnde", "Beenden", QStyle::SP_DialogCloseButton, 40);
    connect(speedButtonInfo_, &QToolButton::clicked, this, &TForm1::SpeedButtonInfoClick);
    connect(speedButtonEnde_, &QToolButton::clicked, this, &TForm1::SpeedButtonEndeClick);
}

void TForm1::buildEditPanel() {
    panelBearbeiten_ = new QFrame(this);
    panelBearbeiten_->setObjectName("PanelBearbeiten");
    panelBearbeiten_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelBearbeiten_->setGeometry(80, 0, 233, 33);

    const auto entry = [this](const char* name, const char* caption, const char* hint,
                              QList<QKeySequence> keys, QStyle::StandardPixmap glyph, int x) {
        auto* action = new QAction(widgets::standardIcon(glyph), utf8(caption), this);
        action->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        action->setToolTip(utf8(hint));
        action->setStatusTip(utf8(hint));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        addAction(action);
        auto* b = new QToolButton(panelBearbeiten_);
        b->setObjectName(name);
        b->setDefaultAction(action);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 4, 110, 25);
        return action;
    };
    undoAction_ = entry("SpeedButtonRueckgaengig", formtext::undoCaption, formtext::undoHint,
                        {QKeySequence(Qt::CTRL | Qt::Key_Z)}, QStyle::SP_ArrowBack, 4);
    redoAction_ =
        entry("SpeedButtonWiederholen", formtext::redoCaption, formtext::redoHint,
              {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
              QStyle::SP_ArrowForward, 118);
    connect(undoAction_, &QAction::triggered, this, &TForm1::undoClick);
    connect(redoAction_, &QAction::triggered, this, &TForm1::redoClick);
}

UndoablePage* TForm1::frontUndoablePage() const {
    return dynamic_cast<UndoablePage*>(pageControl_->currentWidget());
}

void TForm1::undoClick() {
    UndoablePage* page = frontUndoablePage();
    if (!controlsEnabled_ || !page) return;
    guard(*dialogs_, [&] { page->undo(); });
    updateUndoActions();
}

void TForm1::redoClick() {
    UndoablePage* page = frontUndoablePage();
    if (!controlsEnabled_ || !page) return;
    guard(*dialogs_, [&] { page->redo(); });
    updateUndoActions();
}

void TForm1::updateUndoActions() {
    if (!pageControl_) return;
    const UndoablePage* page = frontUndoablePage();
    undoAction_->setEnabled(controlsEnabled_ && page && page->canUndo());
    redoAction_->setEnabled(controlsEnabled_ && page && page->canRedo());
}

void TForm1::adoptPage(QWidget* page) {
    if (auto* undoable = dynamic_cast<UndoablePage*>(page))
        undoable->setUndoListener([this] { updateUndoActions(); });
    for (QLineEdit* field : page->findChildren<QLineEdit*>()) field->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : {undoAction_, redoAction_}) {
            if (action->shortcuts().contains(pressed)) {
                // Not taken by the field: the window's shortcut gets the key.
                key->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::buildPages(Building building) {
    pageControl_ = new QTabWidget(fit_->sheet());
    pageControl_->setObjectName("PageControl");
    pageControl_->setGeometry(8, 40, 777, 489);
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);

    QFont pageFont(QStringLiteral("MS Sans Serif"));
    pageFont.setPixelSize(11);
    pageControl_->setFont(pageFont);

    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page;
        if (building == Building::everything || i == kFrontPage) {
            page = makePage(i);
        } else {
            page = new QWidget;
            page->setObjectName(kPageTabs[i].name);
            standIns_[i] = page;
        }
        pageControl_->addTab(page, utf8(kPageTabs[i].caption));
    }
    pageControl_->setCurrentIndex(kFrontPage);
    // Choosing a tab makes its page before it is drawn.
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && !swappingPage_) ensurePage(index);
        if (!swappingPage_) fitToScreen();
        updateUndoActions();
    });
}

QWidget* TForm1::makePage(int index) {
    QWidget* page = makePageOnly(index);
    adoptPage(page);
    if (auto* demo = qobject_cast<DemoTreePage*>(page)) {
        // Showing, hiding and widening the column changes what the window needs.
        AlgorithmPanel& panel = demo->algorithmPanel();
        connect(panel.showAction(), &QAction::toggled, this, &TForm1::fitToScreen);
        connect(&panel, &AlgorithmPanel::roomChanged, this, &TForm1::fitToScreen);
    }
    return page;
}

QWidget* TForm1::makePageOnly(int index) {
    switch (index) {
        case kListe:
            return listPage_ = new ListPage(*this);
        case kKeller:
            return stackPage_ = new StackPage(*this);
        case kSchlange:
            return queuePage_ = new QueuePage(*this);
        case kSuchbaum:
            return searchTreePage_ = new SearchTreePage(*this);
        case kAvlBaum:
            return avlTreePage_ = new AvlTreePage(*this);
        case kBayerBaum:
            return bayerTreePage_ = new BayerTreePage(*this);
        default:
            return ntreePage_ = new NtreePage(*this);
    }
}

void TForm1::ensurePage(int index) {
    QWidget* const standIn = standIns_[index];
    if (!standIn) return;
    standIns_[index] = nullptr;
    QWidget* page = makePage(index);
    const bool tabEnabled = pageControl_->isTabEnabled(index);
    const bool current = pageControl_->currentIndex() == index;
    // Inserted in front of the stand-in, which then goes; inserting moves no
    // tab's choice, so the tab bar stays as it was.
    swappingPage_ = true;
    pageControl_->insertTab(index, page, pageControl_->tabText(index));
    if (current) pageControl_->setCurrentIndex(index);
    pageControl_->removeTab(index + 1);
    pageControl_->setTabEnabled(index, tabEnabled);
    swappingPage_ = false;
    delete standIn;
    // A page made later joins the projector view.
    if (zoom_ != 100) {
        zoom::apply(this, zoom_, zoom::WindowSize::keep);
        if (auto* demo = qobject_cast<DemoTreePage*>(page)) demo->algorithmPanel().zoomed();
    }
    if (!controlsEnabled_) {
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>()) {
            if (lockableButton(b, this, pageControl_->tabBar())) b->setEnabled(false);
        }
    }
}

ListPage& TForm1::listPage() {
    ensurePage(kListe);
    return *listPage_;
}
StackPage& TForm1::stackPage() {
    ensurePage(kKeller);
    return *stackPage_;
}
QueuePage& TForm1::queuePage() {
    ensurePage(kSchlange);
    return *queuePage_;
}
SearchTreePage& TForm1::searchTreePage() {
    ensurePage(kSuchbaum);
    return *searchTreePage_;
}
AvlTreePage& TForm1::avlTreePage() {
    ensurePage(kAvlBaum);
    return *avlTreePage_;
}
BayerTreePage& TForm1::bayerTreePage() {
    ensurePage(kBayerBaum);
    return *bayerTreePage_;
}
NtreePage& TForm1::ntreePage() {
    ensurePage(kNBaum);
    return *ntreePage_;
}

TAboutBox& TForm1::aboutBox() {
    if (!aboutBox_) aboutBox_ = new TAboutBox(this);
    return *aboutBox_;
}

SortDemoWindow& TForm1::sortWindow() {
    if (!sortWindow_) sortWindow_ = makeSortWindow();
    return *sortWindow_;
}

namespace {
constexpr const char* kZoomKey = "Ansicht/Zoom";
QSettings programSettings() {
    return QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro"));
}
}  // namespace

TFormDemo* TForm1::makeSortWindow() {
    auto* window = new TFormDemo(*this, this);
    installViewKeys(window);
    if (zoom_ != 100) window->setZoom(zoom_);
    return window;
}

void TForm1::installViewKeys(QWidget* window) {
    const struct {
        const char* name;
        QKeySequence key;
        int direction;
    } keys[] = {{"ShortcutZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
                {"ShortcutZoomInEqual", QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                {"ShortcutZoomOut", QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
                {"ShortcutZoomReset", QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(k.key, window);
        shortcut->setObjectName(k.name);
        const int direction = k.direction;
        connect(shortcut, &QShortcut::activated, this, [this, direction] { zoomKey(direction); });
    }
    if (window != this) return;
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setObjectName("ShortcutFullScreen");
    fullScreen->setAutoRepeat(false);
    connect(fullScreen, &QShortcut::activated, this, [this] {
        if (isFullScreen()) {
            showNormal();
        } else {
            showFullScreen();
        }
    });
}

void TForm1::zoomKey(int direction) {
    const int percent = direction == 0 ? 100 : zoom::step(zoom_, direction);
    setZoom(percent);
    programSettings().setValue(kZoomKey, zoom_);
}

void TForm1::setZoom(int percent) {
    percent = zoom::step(percent, 0);
    if (percent == zoom_) return;
    zoom_ = percent;
    // The strip and column come back to the pages first, so that they are
    // zoomed with them.
    undock();
    zoom::apply(this, zoom_, zoom::WindowSize::keep);
    fit_->sheet()->resize(zoom::scaled(kDesignWidth, zoom_), zoom::scaled(kDesignHeight, zoom_));
    for (DemoTreePage* page : findChildren<DemoTreePage*>()) page->algorithmPanel().zoomed();
    fitToScreen();
    if (auto* window = dynamic_cast<TFormDemo*>(sortWindow_)) window->setZoom(zoom_);
}

DemoTreePage* TForm1::currentDemoPage() const {
    return qobject_cast<DemoTreePage*>(pageControl_->currentWidget());
}

int TForm1::columnWidth(int windowWidth) const {
    if (!docked_ || !docked_->algorithmPanel().shown()) return 0;
    const QMargins m = fit_->columnLayout()->contentsMargins();
    // At most two fifths of the window: the picture keeps the larger part.
    return std::min(docked_->algorithmPanel().zoomedWidth() + m.left() + m.right(),
                    windowWidth * 2 / 5);
}

void TForm1::dock(DemoTreePage* page) {
    docked_ = page;
    for (QWidget* w : page->lessonStrip()) {
        zoom::remember(w);
        fit_->barLayout()->addWidget(w);
        w->show();
    }
    page->lesson().speedSlider()->setMinimumWidth(zoom::scaled(120, zoom_));
    fit_->bar()->show();
    AlgorithmPanel& panel = page->algorithmPanel();
    panel.dockIn(fit_->columnLayout());
    fit_->column()->setVisible(panel.shown());
}

void TForm1::undock() {
    if (!docked_) return;
    DemoTreePage* page = docked_;
    docked_ = nullptr;
    for (QWidget* w : page->lessonStrip()) {
        w->setParent(page);
        w->setGeometry(zoom::designed(w, zoom_));
        w->show();
    }
    page->lesson().speedSlider()->setMinimumWidth(0);
    while (QLayoutItem* item = fit_->barLayout()->takeAt(0)) delete item;
    page->algorithmPanel().dockIn(nullptr);
    fit_->bar()->hide();
    fit_->column()->hide();
}

void TForm1::fitToScreen() {
    if (fitting_ || !fit_) return;
    fitting_ = true;
    const QSize design(zoom::scaled(kDesignWidth, zoom_), zoom::scaled(kDesignHeight, zoom_));
    DemoTreePage* page = currentDemoPage();
    // The design first: everything on its page, the column beside the
    // picture widening the pages.
    undock();
    const int room = page ? page->algorithmPanel().roomNeeded() : 0;
    const QSize natural(design.width() + room, design.height());
    fittedFrame_ = frameGeometry().size() - geometry().size();
    overflow_ = !fit_->fits(natural);
    fit_->setScrolling(overflow_);
    // In full screen (or maximized) the window keeps the screen's size: any
    // other size would leave that state.
    const bool keepSize = isFullScreen() || isMaximized();
    if (!overflow_) {
        fit_->sheet()->resize(natural);
        if (!keepSize) resize(natural);
    } else {
        if (page) dock(page);
        fit_->sheet()->resize(design);
        const QSize available = fit_->available();
        const int extent = fit_->scrollBarExtent();
        if (!keepSize) {
            // One pixel narrower than the room: a window whose frame fills
            // the screen exactly keeps its size in full screen under openbox.
            resize(std::min(available.width() - 1,
                            design.width() + extent + columnWidth(available.width())),
                   std::min(available.height(), design.height() + extent + fit_->barHeight()));
        }
    }
    fit_->layoutParts(columnWidth(width()));
    fit_->keepOnScreen();
    if (overflow_ && page) fit_->showOnSheet(page->picture());
    fitting_ = false;
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_) fit_->layoutParts(columnWidth(width()));
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) fitToScreen();
}

bool TForm1::event(QEvent* event) {
    const bool taken = QWidget::event(event);
    // Shown, the window knows its screen; the frame that the window manager
    // puts around it comes later and takes from the room.
    if (event->type() == QEvent::Show) {
        fitToScreen();
        // At the start the typing goes into the front page's entry field.
        if (!shownBefore_) {
            shownBefore_ = true;
            if (DemoTreePage* page = currentDemoPage()) page->focusEntryField();
        }
    }
    if (event->type() == QEvent::Move && fit_ &&
        frameGeometry().size() - geometry().size() != fittedFrame_)
        fitToScreen();
    return taken;
}

void TForm1::restoreZoom() {
    bool ok = false;
    const int percent = programSettings().value(kZoomKey, 100).toInt(&ok);
    if (ok) setZoom(percent);
}

std::string TForm1::saveWithDialog(std::string_view extension, std::string_view filter) {
    std::string name = dialogs_->getSaveFileName(extension, filter);
    if (name.empty()) return {};
    // Proves that the file can be written without emptying it: the save that
    // follows writes a new file beside it and replaces it only when complete,
    // so a failing save keeps the old file.
    if (const std::string why = fileprobe::refusal(name); !why.empty()) {
        dialogs_->information(std::string(message::cannotCreate) + "\n" + why);
        return {};
    }
    return name;
}

std::string TForm1::loadWithDialog(std::string_view extension, std::string_view filter) {
    return dialogs_->getOpenFileName(extension, filter);
}

void TForm1::openFiles(const QStringList& names) {
    for (const QString& name : names) {
        // The name's bytes as the file system has them; the message shows
        // the name as text.
        const std::string file = QFile::encodeName(name).toStdString();
        const std::string quoted = "„" + name.toStdString() + "“ ";
        std::error_code error;
        if (std::filesystem::is_directory(file, error)) {
            dialogs_->errorBox(quoted + formtext::isFolder);
            continue;
        }
        const structurefiles::FileType* type = structurefiles::typeOf(file);
        if (!type) {
            dialogs_->errorBox(quoted + formtext::unknownExtension);
            continue;
        }
        // The page comes to the front first, so that its message, if any,
        // stands over it.
        const auto load = [this, &file](auto& page) {
            pageControl_->setCurrentWidget(&page);
            page.loadFile(file);
        };
        switch (type->kind) {
            case structurefiles::Kind::list:
                load(listPage());
                break;
            case structurefiles::Kind::stack:
                load(stackPage());
                break;
            case structurefiles::Kind::queue:
                load(queuePage());
                break;
            case structurefiles::Kind::searchTree:
                load(searchTreePage());
                break;
            case structurefiles::Kind::avlTree:
                load(avlTreePage());
                break;
            case structurefiles::Kind::bayerTree:
                load(bayerTreePage());
                break;
            case structurefiles::Kind::ntree:
                load(ntreePage());
                break;
        }
    }
}

void TForm1::setPageEnabled(QWidget* page, bool enabled) {
    const int index = pageControl_->indexOf(page);
    // QTabBar moves the selection away from a tab that is disabled while
    // selected; the current page is therefore disabled as a widget only, so
    // that the page the user works on stays in front.
    if (index == pageControl_->currentIndex()) {
        page->setEnabled(enabled);
    } else {
        pageControl_->setTabEnabled(index, enabled);
    }
}

void TForm1::lockControls(bool enabled, int kind) {
    controlsEnabled_ = enabled;
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        if (lockableButton(b, this, pageControl_->tabBar())) b->setEnabled(enabled);
    }
    for (int i = 0; i < pageControl_->count(); ++i)
        setPageEnabled(pageControl_->widget(i), enabled);
    speedButtonEnde_->setEnabled(enabled);
    speedButtonInfo_->setEnabled(enabled);
    updateUndoActions();

    if (kind == kSortWindow) {
        if (sortWindow_) sortWindow_->enableSortButtons(true);
    } else if (kind >= kSearchTree && kind <= kBayerTree) {
        // The running tree page stays usable, with its "Weiter" button.
        DemoTreePage* const treePages[] = {searchTreePage_, avlTreePage_, bayerTreePage_};
        DemoTreePage* running = treePages[kind - kSearchTree];
        running->setDemonstrationRunning(!enabled);
        setPageEnabled(running, true);
        // The demonstration is watched on the picture.
        if (!enabled && overflow_) fit_->showOnSheet(running->picture());
    }
}

bool TForm1::openSortWindow(TListDemo& list) {
    SortDemoWindow& window = sortWindow();
    lockControls(false, kSortWindow);
    window.openFor(list);
    return true;
}

void TForm1::showSortedList() { listPage_->showList(); }

void TForm1::sortWindowLeft() { lockControls(true, kSortWindow); }

void TForm1::focusListEntry() { listPage_->focusEntry(); }

bool TForm1::readTreeNumber(const QString& text) {
    if (parseTreeNumber(text.toStdString())) return true;
    dialogs_->information(message::treeNumberRange);
    return false;
}

void TForm1::SpeedButtonInfoClick() { aboutBox().showCentered(); }

void TForm1::SpeedButtonEndeClick() { endProgram(); }

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

void TForm1::endProgram() {
    // A demonstration that waits finishes without stops: the sorts move the
    // list's elements through lists of their own until their end.
    for (StepPlayer* player : findChildren<StepPlayer*>()) player->abandon();
    quit_();
}
