#include "ui/pages/tformdemo.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <cctype>
#include <string>

#include "demo/listdemo.h"
#include "demo/sortstage.h"
#include "demo/stepclock.h"
#include "elements/messages.h"
#include "ui/pages/handout.h"
#include "ui/pages/lessoncontrols.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/platform/memooutput.h"
#include "ui/platform/stepscreens.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/memoview.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"

namespace {

struct SortButton {
    const char* name;
    const char* caption;
    int x;
    int y;
    void (TFormDemo::*handler)();
};

const SortButton kSortButtons[6] = {
    {"BitBtnBubble", "Bubblesort", 176, 368, &TFormDemo::BitBtnBubbleClick},
    {"BitBtnInsertion", "Direktes Einfügen", 176, 400, &TFormDemo::BitBtnInsertionClick},
    {"BitBtnAuswaehlen", "Direktes Auswählen", 296, 368, &TFormDemo::BitBtnAuswaehlenClick},
    {"BitBtnQuick1", "Quicksort 1", 296, 400, &TFormDemo::BitBtnQuick1Click},
    {"BitBtnMerge", "Mergesort", 416, 368, &TFormDemo::BitBtnMergeClick},
    {"BitBtnQuick2", "Quicksort 2", 416, 400, &TFormDemo::BitBtnQuick2Click},
};

// Beyond this many elements a sort asks first whether to run step by step.
// The memos show about twenty lines, so a longer list cannot be followed on
// screen any more, and the quadratic sorts need one step per exchange: tens
// of thousands of steps for a few hundred elements.
constexpr int kStepwiseLimit = 300;

const char* kQuick2Titles[3] = {"Aktuelle Liste", "Obere Teilliste", "Untere Teilliste"};
const char* kMergeTitles[3] = {"Aktuelle Liste", "1. Teilliste", "2. Teilliste"};

// The sorts of the handout menu, in the order of the sort buttons' captions.
struct HandoutSort {
    const char* caption;
    void (*sort)(TListDemo&, SortStage&);
    const char* const* titles;
};

const HandoutSort kHandoutSorts[6] = {
    {"Bubblesort", [](TListDemo& l, SortStage& s) { l.bubbleSortDemo(s); }, nullptr},
    {"Direktes Einfügen", [](TListDemo& l, SortStage& s) { l.insertionDemo(s); }, nullptr},
    {"Direktes Auswählen", [](TListDemo& l, SortStage& s) { l.selectionDemo(s); }, nullptr},
    {"Quicksort 1", [](TListDemo& l, SortStage& s) { l.quickSort1Demo(s); }, nullptr},
    {"Quicksort 2", [](TListDemo& l, SortStage& s) { l.quickSort2Demo(s); }, kQuick2Titles},
    {"Mergesort", [](TListDemo& l, SortStage& s) { l.mergeSortDemo(s); }, kMergeTitles},
};

}  // namespace

TFormDemo::TFormDemo(SortWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName("TFormDemo");
    setWindowTitle(utf8(sortwindowtext::caption));
    setFixedSize(839, 565);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    using namespace widgets;

    labels_[0] = label(this, "LabelQuelleZiel", utf8(sortwindowtext::quelleZiel), 8, 8);
    labels_[1] = label(this, "LabelZwischenZiel1", QString(), 288, 8);
    labels_[2] = label(this, "LabelZwischenZiel2", QString(), 560, 8);
    memoQuelle_ = memoView(this, "MemoQuelle", 8, 24, 209, 289, ScrollBars::both);
    memoZwischen1_ = memoView(this, "MemoZwischen1", 304, 24, 209, 289, ScrollBars::both);
    memoZwischen2_ = memoView(this, "MemoZwischen2", 600, 24, 209, 289, ScrollBars::both);
    editSortInfo_ = edit(this, "EditSortInfo", 8, 336, 801, 21, true);

    weiter_ = okButton(this, "BitBtnWeiter", utf8("Weiter"), 48, 368, 75, 25);
    ende_ = button(this, "BitBtnEnde", utf8("Ende"), 48, 400, 75, 25);
    ende_->setIcon(widgets::standardIcon(QStyle::SP_MediaSkipForward));
    schliessen_ = button(this, "BitBtnSchliessen", utf8("&Schließen"), 48, 456, 75, 25);
    schliessen_->setIcon(widgets::standardIcon(QStyle::SP_DialogCloseButton));
    schliessen_->setFocusPolicy(Qt::StrongFocus);  // the only control in the tab order
    connect(weiter_, &QPushButton::clicked, this, &TFormDemo::BitBtnWeiterClick);
    connect(ende_, &QPushButton::clicked, this, &TFormDemo::BitBtnEndeClick);
    connect(schliessen_, &QPushButton::clicked, this, &TFormDemo::BitBtnSchliessenClick);
    for (int k = 0; k < 6; ++k) {
        const SortButton& entry = kSortButtons[k];
        sortButtons_[k] = button(this, entry.name, utf8(entry.caption), entry.x, entry.y, 105, 25);
        connect(sortButtons_[k], &QPushButton::clicked, this, entry.handler);
    }
    // The window's context menu: "Schritte als PDF" with the six sorts.
    auto* handoutMenu = new QMenu(utf8(sortwindowtext::handoutCaption), this);
    handoutMenu->setObjectName("MenuHandout");
    handoutMenu->setToolTipsVisible(true);
    for (int k = 0; k < 6; ++k) {
        QAction* action = handoutMenu->addAction(utf8(kHandoutSorts[k].caption) + "…");
        action->setObjectName(QStringLiteral("ActionHandout%1").arg(k));
        action->setToolTip(utf8(sortwindowtext::handoutHint));
        connect(action, &QAction::triggered, this, [this, k] { writeHandout(k); });
    }
    handout_ = handoutMenu->menuAction();
    addAction(handout_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    sortButtons_[3]->setToolTip(utf8("Algorithmus wie bei Feldern"));
    sortButtons_[5]->setToolTip(utf8("Algorithmus an die Listenstruktur angepasst"));

    quelleOutput_ = std::make_unique<MemoOutput>(memoQuelle_);
    zwischen1Output_ = std::make_unique<MemoOutput>(memoZwischen1_);
    zwischen2Output_ = std::make_unique<MemoOutput>(memoZwischen2_);
    for (MemoOutput* output : {quelleOutput_.get(), zwischen1Output_.get(), zwischen2Output_.get()})
        output->setFollowsMarks(true);  // each step scrolls to its arrow and frame
    infoOutput_ = std::make_unique<LineEditOutput>(editSortInfo_);
    stage_ = std::make_unique<SortStage>(*quelleOutput_, *zwischen1Output_, *zwischen2Output_,
                                         *infoOutput_);
    // Beside the sort buttons, level with "Schließen", and the list right of them.
    stepScreen_ = std::make_unique<SortStepScreen>(
        std::array<MemoView*, 3>{memoQuelle_, memoZwischen1_, memoZwischen2_}, editSortInfo_);
    lesson_ = new LessonControls(this,
                                 {"BitBtnBack", "BitBtnPlay", "LabelSpeed", "TrackBarSpeed",
                                  "LabelSeconds", "LabelSteps", "ListBoxSteps"},
                                 {{176, 456}, 345, {536, 384, 273, 170}}, *stepScreen_, weiter_);
    for (QWidget* memo : {memoQuelle_, memoZwischen1_, memoZwischen2_}) lesson_->addPicture(memo);
    auto* panel = new AlgorithmPanel(this, memoZwischen2_, "AlgorithmusSort");
    stage_->trace = panel;
    stepScreen_->setPanel(panel);
    weiter_->setEnabled(false);
    ende_->setEnabled(false);

    // Return / Enter step with "Weiter", Esc ends with "Ende"; each only while
    // its button is enabled. Esc never closes the window.
    installWeiterKeys(this, weiter_, nullptr, nullptr);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setAutoRepeat(false);
    connect(escape, &QShortcut::activated, this, [this] {
        if (ende_->isEnabled()) ende_->click();
    });
}

TFormDemo::~TFormDemo() { delete lesson_; }

void TFormDemo::enableSortButtons(bool enable) {
    for (QPushButton* b : sortButtons_) b->setEnabled(enable);
    handout_->setEnabled(enable);
    schliessen_->setEnabled(enable);
    weiter_->setEnabled(!enable);
    ende_->setEnabled(!enable);
    editSortInfo_->clear();
}

void TFormDemo::openFor(TListDemo& list) {
    list_ = &list;
    unlockAfterSort_ = false;
    placeOverMainWindow();
    show();
    raise();
    activateWindow();
    std::string name(list.elemAt(0)->className());
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    stage_->elementClassName = name;
    stage_->stepLevel = 0;
    TListDemo::showList(list, *quelleOutput_);
}

void TFormDemo::placeOverMainWindow() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main) return;
    QRect frame(QPoint(0, 0), frameGeometry().size());
    frame.moveCenter(main->frameGeometry().center());
    // Fully on the main window's screen; a window larger than the screen
    // keeps its top left corner on it.
    const QRect screen = main->screen()->availableGeometry();
    const auto clampedStart = [](int start, int length, int first, int available) {
        return std::max(first, std::min(start, first + available - length));
    };
    move(clampedStart(frame.left(), frame.width(), screen.left(), screen.width()),
         clampedStart(frame.top(), frame.height(), screen.top(), screen.height()));
}

void TFormDemo::setLabels(const char* quelle, const char* zwischen1, const char* zwischen2) {
    const char* texts[3] = {quelle, zwischen1, zwischen2};
    for (int k = 0; k < 3; ++k) {
        labels_[k]->setText(utf8(texts[k]));
        labels_[k]->adjustSize();
    }
}

void TFormDemo::prepareSort() {
    // A step of the last sort shown again gives way to its final state first.
    lesson_->returnToEnd();
    memoZwischen1_->clear();
    memoZwischen2_->clear();
    enableSortButtons(false);
    stage_->clock = &host_.stepClock();
    stage_->clock->weiterPressed = false;
    stage_->stepEnde = false;
    stage_->cancelled = false;
    stage_->stepLevel = 3;
    lesson_->begin(*stage_->clock);
}

void TFormDemo::finishSort() {
    lesson_->end();
    if (stage_->stepEnde) {
        TListDemo::showList(*list_, *quelleOutput_);
        editSortInfo_->clear();
    }
    enableSortButtons(true);
    host_.showSortedList();
}

void TFormDemo::runSort(Sort sort, const char* titles[3]) {
    // The sort buttons are disabled while a sort runs; this guards a click
    // that was queued before.
    if (!list_ || sorting_ || list_->isEmpty()) return;
    sorting_ = true;
    const bool stepwise = askStepwise();
    if (titles) setLabels(titles[0], titles[1], titles[2]);
    prepareSort();
    stage_->stepEnde = !stepwise;
    guard(host_.dialogs(), [this, sort] { sort(*list_, *stage_); });
    finishSort();
    if (titles) setLabels(sortwindowtext::quelleZiel, "", "");
    sorting_ = false;
    if (unlockAfterSort_) {
        unlockAfterSort_ = false;
        host_.sortWindowLeft();
    }
}

bool TFormDemo::askStepwise() {
    const int n = list_->count();
    if (n <= kStepwiseLimit) return true;
    std::string text = sortwindowtext::stepwiseQuestion;
    text.replace(text.find("{}"), 2, std::to_string(n));
    asking_ = true;
    const bool stepwise = host_.dialogs().question(text);
    asking_ = false;
    if (isVisible()) {
        raise();
        activateWindow();
    }
    return stepwise;
}

void TFormDemo::BitBtnBubbleClick() {
    runSort([](TListDemo& l, SortStage& s) { l.bubbleSortDemo(s); });
}

void TFormDemo::BitBtnInsertionClick() {
    runSort([](TListDemo& l, SortStage& s) { l.insertionDemo(s); });
}

void TFormDemo::BitBtnAuswaehlenClick() {
    runSort([](TListDemo& l, SortStage& s) { l.selectionDemo(s); });
}

void TFormDemo::BitBtnQuick1Click() {
    runSort([](TListDemo& l, SortStage& s) { l.quickSort1Demo(s); });
}

void TFormDemo::BitBtnQuick2Click() {
    runSort([](TListDemo& l, SortStage& s) { l.quickSort2Demo(s); }, kQuick2Titles);
}

void TFormDemo::BitBtnMergeClick() {
    runSort([](TListDemo& l, SortStage& s) { l.mergeSortDemo(s); }, kMergeTitles);
}

void TFormDemo::writeHandout(int sortIndex) {
    if (!list_ || sorting_ || list_->isEmpty() || sortIndex < 0 || sortIndex > 5) return;
    const HandoutSort& chosen = kHandoutSorts[sortIndex];
    // The window is busy like in a sort, and the progress and file dialogs
    // taking the activation are no leaving.
    sorting_ = true;
    asking_ = true;
    guard(host_.dialogs(), [&] {
        QProgressDialog progress(this);
        progress.setWindowTitle(utf8(sortwindowtext::caption));
        progress.setCancelButtonText(utf8(sortwindowtext::handoutCancel));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        progress.setRange(0, 0);
        std::string recording = sortwindowtext::handoutRecording;
        const auto place = recording.find("{}");
        const auto keepGoing = [&](int steps) {
            if (steps % 50 == 0) {
                std::string label = recording;
                label.replace(place, 2, std::to_string(steps));
                progress.setLabelText(utf8(label.c_str()));
                progress.setValue(0);
                QCoreApplication::processEvents();
            }
            return !progress.wasCanceled();
        };
        std::vector<handout::Step> steps =
            handout::recordSortSteps(*list_, chosen.sort, *stage_, chosen.titles, keepGoing);
        if (steps.empty()) return;
        progress.hide();
        const std::string name =
            host_.dialogs().getSaveFileName(handout::extension, handout::filter);
        if (name.empty()) return;
        const QString title =
            utf8(chosen.caption) +
            QStringLiteral(": Sortieren einer Liste mit %1 Elementen").arg(list_->count());
        const int total = static_cast<int>(steps.size());
        const handout::Document document{title, QDateTime::currentDateTime(), std::move(steps)};
        progress.setLabelText(utf8(sortwindowtext::handoutWriting));
        progress.setRange(0, total);
        const auto writing = [&](int done) {
            if (done % 50 == 0) {
                progress.setValue(done);
                QCoreApplication::processEvents();
            }
            return !progress.wasCanceled();
        };
        if (!handout::writePdf(document, QString::fromStdString(name), writing) &&
            !progress.wasCanceled()) {
            host_.dialogs().errorBox(message::cannotCreate);
        }
    });
    asking_ = false;
    sorting_ = false;
    if (isVisible()) {
        raise();
        activateWindow();
    }
    if (unlockAfterSort_) {
        unlockAfterSort_ = false;
        host_.sortWindowLeft();
    }
}

void TFormDemo::BitBtnWeiterClick() {
    // In the past "Weiter" shows the next recorded step.
    if (lesson_->weiter()) return;
    if (stage_->clock) stage_->clock->weiterPressed = true;
}

void TFormDemo::BitBtnEndeClick() { stage_->stepEnde = true; }

void TFormDemo::BitBtnSchliessenClick() {
    leave();
    host_.focusListEntry();
}

void TFormDemo::FormDeactivate() {
    stage_->stepEnde = true;
    leave();
}

void TFormDemo::leave() {
    hide();
    // A running sort still owns the list; the main window stays locked until
    // it has finished, which "Ende" makes immediate.
    if (sorting_) {
        stage_->stepEnde = true;
        unlockAfterSort_ = true;
        return;
    }
    host_.sortWindowLeft();
}

void TFormDemo::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !asking_) {
        FormDeactivate();
    }
}

void TFormDemo::closeEvent(QCloseEvent* event) {
    event->ignore();  // hidden, not destroyed: the window lives as long as the main window
    FormDeactivate();
}
