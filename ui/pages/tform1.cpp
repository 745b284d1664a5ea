#include "ui/pages/tform1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "demo/listdemo.h"
#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
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
#include "ui/platform/dialogservice.h"
#include "ui/platform/qtdialogservice.h"
#include "ui/platform/qtstepclock.h"
#include "ui/platform/servicemessages.h"
#include "ui/widgets/widgetfactory.h"
#include "workbench/entrysyntax.h"
#include "workbench/fileprobe.h"

TForm1::TForm1(DialogService* dialogs, QWidget* parent)
    : QWidget(parent),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtDialogService>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      messages_(std::make_unique<ServiceMessages>(*dialogs_)),
      quit_([] { QApplication::quit(); }) {
    registerElementClasses();
    registerListClasses();
    registerQueueClasses();
    registerDisplayStringClasses();
    registerAvlTreeClasses();
    registerListDemoClasses();
    registerBayerTreeClasses();
    registerNtreeClasses();
    messageScope_ = std::make_unique<ScopedUserMessages>(*messages_);

    // The random source seeded itself from the time of day; each page makes
    // its own structure, in the order of the pages.
    ownClock_ = new QtStepClock(this);
    clock_ = ownClock_;

    setObjectName("TForm1");
    setWindowTitle(utf8(formtext::caption));
    setWindowIcon(QIcon(":/icons/tessaro.png"));
    move(106, 123);
    resize(819, 565);
    QFont windowFont(QStringLiteral("System"));
    windowFont.setPixelSize(13);
    setFont(windowFont);

    buildMenuPanel();
    buildPages();
    sortWindow_ = new TFormDemo(*this, this);  // hidden until the list page opens it
    aboutBox_ = new TAboutBox(this);
}

TForm1::~TForm1() {
    // The core must not reach this window's dialogs once it is gone.
    messageScope_.reset();
}

void TForm1::buildMenuPanel() {
    panelMenue_ = new QFrame(this);
    panelMenue_->setObjectName("PanelMenue");
    panelMenue_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelMenue_->setGeometry(0, 0, 73, 33);

    const auto speedButton = [this](const char* name, const char* hint,
                                    QStyle::StandardPixmap glyph, int x) {
        auto* b = new QToolButton(panelMenue_);
        b->setObjectName(name);
        b->setToolTip(utf8(hint));
        b->setIcon(style()->standardIcon(glyph));
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

void TForm1::buildPages() {
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName("PageControl");
    pageControl_->setGeometry(8, 40, 777, 489);
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);

    QFont pageFont(QStringLiteral("MS Sans Serif"));
    pageFont.setPixelSize(11);
    pageControl_->setFont(pageFont);

    listPage_ = new ListPage(*this);
    stackPage_ = new StackPage(*this);
    queuePage_ = new QueuePage(*this);
    searchTreePage_ = new SearchTreePage(*this);
    avlTreePage_ = new AvlTreePage(*this);
    bayerTreePage_ = new BayerTreePage(*this);
    ntreePage_ = new NtreePage(*this);

    pageControl_->addTab(listPage_, utf8("Liste"));
    pageControl_->addTab(stackPage_, utf8("Keller"));
    pageControl_->addTab(queuePage_, utf8("Schlange"));
    pageControl_->addTab(searchTreePage_, utf8("Suchbaum"));
    pageControl_->addTab(avlTreePage_, utf8("AVL-Baum"));
    pageControl_->addTab(bayerTreePage_, utf8("BayerBaum"));
    pageControl_->addTab(ntreePage_, utf8("NBaum"));
    pageControl_->setCurrentWidget(searchTreePage_);
}

std::string TForm1::saveWithDialog(std::string_view extension, std::string_view filter) {
    std::string name = dialogs_->getSaveFileName(extension, filter);
    if (name.empty()) return {};
    // Proves that the file can be written without emptying it: the save that
    // follows writes a new file beside it and replaces it only when complete,
    // so a failing save keeps the old file.
    if (const std::string why = fileprobe::refusal(name); !why.empty()) {
        dialogs_->information(std::string(formtext::cannotCreate) + "\n" + why);
        return {};
    }
    return name;
}

std::string TForm1::loadWithDialog(std::string_view extension, std::string_view filter) {
    return dialogs_->getOpenFileName(extension, filter);
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
    locked_ = !enabled;
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        const bool pushButton = qobject_cast<QPushButton*>(b) || qobject_cast<QToolButton*>(b);
        if (pushButton && b->window() == this && b->parentWidget() != pageControl_->tabBar()) {
            b->setEnabled(enabled);
        }
    }
    for (int i = 0; i < pageControl_->count(); ++i)
        setPageEnabled(pageControl_->widget(i), enabled);
    speedButtonEnde_->setEnabled(enabled);
    speedButtonInfo_->setEnabled(enabled);

    if (kind == kSortWindow) {
        if (sortWindow_) sortWindow_->enableSortButtons(true);
    } else if (kind >= kSearchTree && kind <= kBayerTree) {
        // The running tree page stays usable, with its "Weiter" button.
        DemoTreePage* const treePages[] = {searchTreePage_, avlTreePage_, bayerTreePage_};
        DemoTreePage* running = treePages[kind - kSearchTree];
        running->setDemonstrationRunning(!enabled);
        setPageEnabled(running, true);
    }
}

bool TForm1::openSortWindow(TListDemo& list) {
    if (!sortWindow_) return false;
    lockControls(false, kSortWindow);
    sortWindow_->openFor(list);
    return true;
}

void TForm1::showSortedList() { listPage_->showList(); }

void TForm1::sortWindowLeft() { lockControls(true, kSortWindow); }

void TForm1::focusListEntry() { listPage_->focusEntry(); }

bool TForm1::readTreeNumber(const QString& text) {
    if (entrysyntax::isTreeNumber(text.toStdString())) return true;
    dialogs_->information(entrysyntax::kTreeRange);
    return false;
}

void TForm1::SpeedButtonInfoClick() { aboutBox_->showCentered(); }

void TForm1::SpeedButtonEndeClick() { endProgram(); }

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

void TForm1::endProgram() {
    // A handler may be waiting in a step; its wait must end before the event
    // loop can, and the demonstration must not wait again.
    ownClock_->cancel();
    quit_();
}

bool TForm1::weiterPressed() const { return clock_->weiterPressed; }

void TForm1::setWeiterPressed(bool pressed) { clock_->weiterPressed = pressed; }

void TForm1::setStepClock(StepClock* clock) { clock_ = clock ? clock : ownClock_; }
