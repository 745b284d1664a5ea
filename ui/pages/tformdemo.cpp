#include "ui/pages/tformdemo.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
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
#include <string>

#include "elements/messages.h"
#include "linear/listdemo.h"
#include "ui/pages/animation.h"
#include "ui/pages/handout.h"
#include "ui/pages/webexport.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/guard.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/lessoncontrols.h"
#include "ui/widgets/memoview.h"
#include "ui/widgets/predictioncontrols.h"
#include "ui/widgets/screenfit.h"
#include "ui/widgets/stepscreens.h"
#include "ui/widgets/weiterkeys.h"
#include "ui/widgets/widgetfactory.h"
#include "ui/widgets/zoom.h"

namespace {

// The window's designed size.
constexpr int kDesignWidth = 839;
constexpr int kDesignHeight = 565;

struct SortButton {
    const char* name;
    const char* caption;
    int x;
    int y;
    void (TFormDemo::*handler)();
};

const SortButton kSortButtons[6] = {
    // Each with a key of its own beside Alt+S "Schließen" and the lesson
    // controls' Alt+Z, Alt+A (Alt+P) and Alt+T.
    {"BitBtnBubble", "&Bubblesort", 176, 368, &TFormDemo::BitBtnBubbleClick},
    {"BitBtnInsertion", "Direktes &Einfügen", 176, 400, &TFormDemo::BitBtnInsertionClick},
    {"BitBtnAuswaehlen", "&Direktes Auswählen", 296, 368, &TFormDemo::BitBtnAuswaehlenClick},
    {"BitBtnQuick1", "Quicksort &1", 296, 400, &TFormDemo::BitBtnQuick1Click},
    {"BitBtnMerge", "&Mergesort", 416, 368, &TFormDemo::BitBtnMergeClick},
    {"BitBtnQuick2", "Quicksort &2", 416, 400, &TFormDemo::BitBtnQuick2Click},
};

// Beyond this many elements a sort asks first whether to run step by step.
// The memos show about twenty lines, so a longer list cannot be followed on
// screen any more, and the quadratic sorts need one step per exchange: tens
// of thousands of steps for a few hundred elements.
constexpr int kStepwiseLimit = 300;

// How long a handout beyond its pages goes on counting the steps.
constexpr int kCountingMs = 2000;

// The pattern with each "{}" replaced by the next number, in order.
std::string fill(std::string_view pattern, std::initializer_list<int> values) {
    std::string out;
    for (int value : values) {
        const std::size_t at = pattern.find("{}");
        out.append(pattern.substr(0, at)).append(std::to_string(value));
        pattern.remove_prefix(at + 2);
    }
    return out.append(pattern);
}

const char* kQuick2Titles[3] = {"Aktuelle Liste", "Obere Teilliste", "Untere Teilliste"};
const char* kMergeTitles[3] = {"Aktuelle Liste", "1. Teilliste", "2. Teilliste"};

// The sorts of the handout menu, in the order of the sort buttons' captions.
struct HandoutSort {
    const char* caption;
    SortKind kind;
    const char* const* titles;
};

const HandoutSort kHandoutSorts[6] = {
    {"Bubblesort", SortKind::bubble, nullptr},
    {"Direktes Einfügen", SortKind::insertion, nullptr},
    {"Direktes Auswählen", SortKind::selection, nullptr},
    {"Quicksort 1", SortKind::quick1, nullptr},
    {"Quicksort 2", SortKind::quick2, kQuick2Titles},
    {"Mergesort", SortKind::merge, kMergeTitles},
};

}  // namespace

TFormDemo::TFormDemo(SortWindowHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName("TFormDemo");
    setWindowTitle(utf8(sortwindowtext::caption));
    setFixedSize(kDesignWidth, kDesignHeight);
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
    // Beside it the same steps as an animation and as a web page.
    const struct {
        const char* caption;
        const char* hint;
        const char* name;
        handout::Kind kind;
        QAction** menu;
    } exports[] = {
        {animation::text::caption, animation::text::sortHint, "Animation", handout::Kind::animation,
         &animation_},
        {webexport::text::caption, webexport::text::sortHint, "Webseite", handout::Kind::webpage,
         &webpage_},
        {handout::text::worksheetCaption, handout::text::worksheetSortHint, "Arbeitsblatt",
         handout::Kind::worksheet, &worksheet_},
    };
    for (const auto& entry : exports) {
        auto* menu = new QMenu(utf8(entry.caption), this);
        menu->setObjectName(QStringLiteral("Menu") + QLatin1String(entry.name));
        menu->setToolTipsVisible(true);
        for (int k = 0; k < 6; ++k) {
            QAction* action = menu->addAction(utf8(kHandoutSorts[k].caption) + "…");
            action->setObjectName(QStringLiteral("Action") + QLatin1String(entry.name) +
                                  QString::number(k));
            action->setToolTip(utf8(entry.hint));
            const handout::Kind kind = entry.kind;
            connect(action, &QAction::triggered, this, [this, k, kind] { writeHandout(k, kind); });
        }
        *entry.menu = menu->menuAction();
        addAction(*entry.menu);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
    sortButtons_[3]->setToolTip(utf8("Algorithmus wie bei Feldern"));
    sortButtons_[5]->setToolTip(utf8("Algorithmus an die Listenstruktur angepasst"));

    stepScreen_ = std::make_unique<SortStepScreen>(
        std::array<MemoView*, 3>{memoQuelle_, memoZwischen1_, memoZwischen2_}, editSortInfo_);
    player_ = new StepPlayer(*stepScreen_, host_.stepTimers(), this);
    connect(player_, &StepPlayer::ended, this, &TFormDemo::finishSort);
    // Beside the sort buttons, level with "Schließen", and the list right of them.
    lesson_ = new LessonControls(this,
                                 {"BitBtnBack", "BitBtnPlay", "LabelSpeed", "TrackBarSpeed",
                                  "LabelSeconds", "LabelSteps", "ListBoxSteps"},
                                 {{176, 456}, 345, {536, 384, 273, 170}}, *player_, weiter_);
    for (QWidget* memo : {memoQuelle_, memoZwischen1_, memoZwischen2_}) lesson_->addPicture(memo);
    // Below the lesson strip the mode, over the lower part of the lists the questions.
    prediction_ = new PredictionControls(this, {"CheckBoxVorhersagen", "LabelScore", "PanelFrage"},
                                         {176, 492}, {8, 218, 801, 95}, *player_, nullptr,
                                         lesson_->stepList());
    panel_ = new AlgorithmPanel(this, memoZwischen2_, "AlgorithmusSort");
    stepScreen_->setPanel(panel_);
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

    // Everything on the sheet, which scrolls when the window does not fit.
    const QList<QWidget*> content = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    fit_ = new ScreenFit(this);
    for (QWidget* w : content) {
        if (!w->isWindow()) w->setParent(fit_->sheet());
    }
    fit_->sheet()->resize(kDesignWidth, kDesignHeight);
    fit_->layoutParts(0);
    connect(panel_->showAction(), &QAction::toggled, this, &TFormDemo::fitToScreen);
    connect(panel_, &AlgorithmPanel::roomChanged, this, &TFormDemo::fitToScreen);
}

void TFormDemo::setZoom(int percent) {
    zoom_ = zoom::step(percent, 0);
    zoom::apply(this, zoom_, zoom::WindowSize::keep);
    fit_->sheet()->resize(zoom::scaled(kDesignWidth, zoom_), zoom::scaled(kDesignHeight, zoom_));
    // The shown panel widens the sheet again.
    panel_->zoomed();
    fitToScreen();
}

void TFormDemo::fitToScreen() {
    if (fitting_) return;
    fitting_ = true;
    fittedFrame_ = frameGeometry().size() - geometry().size();
    // The sheet has the zoomed design's size, widened by the shown panel.
    const QSize natural = fit_->sheet()->size();
    QSize size = natural;
    const bool fits = fit_->fits(natural);
    fit_->setScrolling(!fits);
    if (!fits) {
        const QSize available = fit_->available();
        const int extent = fit_->scrollBarExtent();
        size = QSize(std::min(available.width(), natural.width() + extent),
                     std::min(available.height(), natural.height() + extent));
    }
    setFixedSize(size);
    fit_->layoutParts(0);
    if (isVisible()) fit_->keepOnScreen();
    fitting_ = false;
}

void TFormDemo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_) fit_->layoutParts(0);
}

bool TFormDemo::event(QEvent* event) {
    const bool taken = QWidget::event(event);
    if (event->type() == QEvent::Show && fit_) fitToScreen();
    // The window manager's frame comes after the first placing and takes
    // from the room.
    if (event->type() == QEvent::Move && fit_ &&
        frameGeometry().size() - geometry().size() != fittedFrame_)
        fitToScreen();
    return taken;
}

TFormDemo::~TFormDemo() {
    // The panel hides while the widgets go and would ask this window, no more
    // a TFormDemo by then, to fit the screen again.
    panel_->disconnect(this);
    panel_->showAction()->disconnect(this);
    // A sort still running finishes, with the list, before the window goes.
    delete prediction_;
    delete lesson_;
    delete player_;
}

void TFormDemo::enableSortButtons(bool enable) {
    for (QPushButton* b : sortButtons_) b->setEnabled(enable);
    handout_->setEnabled(enable);
    animation_->setEnabled(enable);
    webpage_->setEnabled(enable);
    worksheet_->setEnabled(enable);
    schliessen_->setEnabled(enable);
    if (prediction_) prediction_->modeBox()->setEnabled(enable);
    weiter_->setEnabled(!enable);
    ende_->setEnabled(!enable);
    editSortInfo_->clear();
}

void TFormDemo::openFor(TListDemo& list) {
    list_ = &list;
    // The steps of a sort of another list are no use: the window opens
    // with the list as it is and no steps.
    player_->playback().forget();
    unlockAfterSort_ = false;
    placeOverMainWindow();
    show();
    raise();
    activateWindow();
    // The window looks at the elements' class from the first one on, which
    // moves the list's cursor to the start.
    list.moveTo(0);
    stepScreen_->setLists(
        {std::make_shared<const ListView>(viewList(list, std::make_shared<ListTexts>())), nullptr,
         nullptr});
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
    stepScreen_->setLists({stepScreen_->shownList(0), nullptr, nullptr});
    enableSortButtons(false);
    lesson_->begin();
}

void TFormDemo::finishSort() {
    enableSortButtons(true);
    host_.showSortedList();
    if (titled_) setLabels(sortwindowtext::quelleZiel, "", "");
    titled_ = false;
    sorting_ = false;
    if (unlockAfterSort_) {
        unlockAfterSort_ = false;
        host_.sortWindowLeft();
    }
}

void TFormDemo::runSort(SortKind kind, const char* const* titles) {
    // The sort buttons are disabled while a sort runs; this guards a click
    // that was queued before.
    if (!list_ || sorting_ || list_->isEmpty()) return;
    sorting_ = true;
    const bool stepwise = askStepwise();
    titled_ = titles != nullptr;
    if (titles) setLabels(titles[0], titles[1], titles[2]);
    prepareSort();
    // The sort starts from MemoQuelle as it shows the list now.
    auto quelle = stepScreen_->shownList(0);
    if (!quelle)
        quelle = std::make_shared<const ListView>(viewList(*list_, std::make_shared<ListTexts>()));
    guard(host_.dialogs(), [&] {
        player_->start(std::make_unique<SortRun>(kind, *list_, std::move(quelle), stepwise));
    });
    // A sort that failed to start ends here.
    if (sorting_ && !player_->running()) finishSort();
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

void TFormDemo::BitBtnBubbleClick() { runSort(SortKind::bubble); }

void TFormDemo::BitBtnInsertionClick() { runSort(SortKind::insertion); }

void TFormDemo::BitBtnAuswaehlenClick() { runSort(SortKind::selection); }

void TFormDemo::BitBtnQuick1Click() { runSort(SortKind::quick1); }

void TFormDemo::BitBtnQuick2Click() { runSort(SortKind::quick2, kQuick2Titles); }

void TFormDemo::BitBtnMergeClick() { runSort(SortKind::merge, kMergeTitles); }

void TFormDemo::writeHandout(int sortIndex, handout::Kind kind) {
    if (!list_ || sorting_ || list_->isEmpty() || sortIndex < 0 || sortIndex > 5) return;
    const HandoutSort& chosen = kHandoutSorts[sortIndex];
    // The window is busy like in a sort, and the file and progress dialogs
    // taking the activation are no leaving.
    sorting_ = true;
    asking_ = true;
    guard(host_.dialogs(), [&] {
        // The name first, in front of this window; then the steps, with a
        // progress dialog that can stop them.
        const bool pdf = kind == handout::Kind::pdf || kind == handout::Kind::worksheet;
        const bool gif = kind == handout::Kind::animation;
        const char* cancelled = pdf   ? handout::text::cancelled
                                : gif ? animation::text::cancelled
                                      : webexport::text::cancelled;
        const std::string name =
            pdf   ? host_.dialogs().getSaveFileName(handout::extension, handout::filter)
            : gif ? host_.dialogs().getSaveFileName(animation::extension, animation::filter)
                  : host_.dialogs().getSaveFileName(webexport::extension, webexport::filter);
        if (name.empty()) return;
        QProgressDialog progress(this);
        progress.setWindowTitle(utf8(sortwindowtext::caption));
        progress.setCancelButtonText(utf8(sortwindowtext::handoutCancel));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setRange(0, 0);
        const auto show = [&](const char* pattern, int steps) {
            progress.setLabelText(utf8(fill(pattern, {steps}).c_str()));
            progress.setValue(0);  // a modal progress dialog handles the events here
        };
        show(sortwindowtext::handoutRecording, 0);
        // The steps that fit on the pages, and one more to know that there
        // are more; the result comes last.
        const int most = handout::stepsOn(handout::kMostPages) - 1;
        handout::SortRecording recording(*list_, chosen.kind, chosen.titles, most);
        while (recording.taken() <= most && recording.next()) {
            if (recording.taken() % 25 == 0)
                show(sortwindowtext::handoutRecording, recording.taken());
            if (progress.wasCanceled()) break;
        }
        // Beyond the pages: the steps are counted a while longer, without
        // keeping them, for the question.
        QElapsedTimer counting;
        counting.start();
        while (!recording.done() && !progress.wasCanceled() && counting.elapsed() < kCountingMs &&
               recording.next()) {
            if (recording.taken() % 250 == 0)
                show(sortwindowtext::handoutCounting, recording.taken());
        }
        if (progress.wasCanceled()) {
            host_.dialogs().information(cancelled);
            return;
        }
        const int steps = recording.taken();
        if (steps > most) {
            progress.hide();
            const bool all = recording.done();
            const int pages = handout::pagesFor(steps + 1);
            const std::string question =
                pdf ? fill(all ? sortwindowtext::handoutTooLong
                               : sortwindowtext::handoutTooLongAtLeast,
                           {all ? pages : pages - 1, steps, most, handout::kMostPages})
                    : fill(all ? sortwindowtext::exportTooLong
                               : sortwindowtext::exportTooLongAtLeast,
                           {steps, most});
            if (!host_.dialogs().question(question)) {
                host_.dialogs().information(cancelled);
                return;
            }
            progress.show();
        }
        const QString title =
            utf8(chosen.caption) +
            QStringLiteral(": Sortieren einer Liste mit %1 Elementen").arg(list_->count());
        if (kind == handout::Kind::webpage) {
            handout::Document document{title, QDateTime::currentDateTime(), recording.finish(),
                                       steps > most ? steps : 0};
            // In the mode "Vorhersagen" the page asks the questions too.
            document.withQuestions = prediction_->modeBox()->isChecked();
            progress.hide();
            const handout::Written written =
                webexport::writeHtml(document, player_->playback().stepMs(), name);
            if (!written.ok)
                host_.dialogs().errorBox(std::string(webexport::text::notWritten) + "\n" +
                                         written.why);
            return;
        }
        if (gif) {
            const std::vector<handout::Step> recorded = recording.finish();
            progress.setLabelText(utf8(animation::text::writing));
            progress.setRange(0, animation::frameCount(recorded));
            const handout::Written written =
                animation::writeGif(recorded, player_->playback().stepMs(), name, [&](int done) {
                    progress.setValue(done);
                    return !progress.wasCanceled();
                });
            progress.hide();
            if (written.cancelled) {
                host_.dialogs().information(cancelled);
            } else if (!written.ok) {
                host_.dialogs().errorBox(std::string(animation::text::notWritten) + "\n" +
                                         written.why);
            }
            return;
        }
        handout::Document document{title, QDateTime::currentDateTime(), recording.finish(),
                                   steps > most ? steps : 0};
        document.withQuestions = kind == handout::Kind::worksheet;
        progress.setLabelText(utf8(sortwindowtext::handoutWriting));
        progress.setRange(0, static_cast<int>(document.steps.size()));
        const handout::Written written = handout::writePdf(document, name, [&](int done) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
        progress.hide();
        if (written.cancelled) {
            host_.dialogs().information(cancelled);
        } else if (!written.ok) {
            host_.dialogs().errorBox(std::string(handout::text::notWritten) + "\n" + written.why);
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

void TFormDemo::BitBtnWeiterClick() { player_->weiter(); }

void TFormDemo::BitBtnEndeClick() { player_->ende(); }

void TFormDemo::BitBtnSchliessenClick() {
    leave();
    host_.focusListEntry();
}

void TFormDemo::FormDeactivate() { leave(); }

void TFormDemo::leave() {
    hide();
    // A running sort still owns the list: "Ende" finishes it at once, and
    // its end unlocks the main window. A handout being written unlocks it
    // when done.
    if (sorting_) {
        unlockAfterSort_ = true;
        player_->ende();
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
