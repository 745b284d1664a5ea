#include "ui/pages/lessoncontrols.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTimer>
#include <algorithm>

#include "ui/widgets/widgetfactory.h"

namespace {

QSettings lessonSettings() {
    return QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro"));
}

QString entryText(int index, const std::string& text) {
    return QStringLiteral("%1. %2").arg(index + 1).arg(QString::fromStdString(text));
}

}  // namespace

int LessonControls::storedStepMs() {
    const int ms = lessonSettings().value(kStepTimeKey, StepHistory::kDefaultStepMs).toInt();
    return std::clamp(ms, StepHistory::kMinStepMs, StepHistory::kMaxStepMs);
}

LessonControls::LessonControls(QWidget* page, const Names& names, const Layout& layout,
                               StepScreen& screen, QAbstractButton* weiter)
    : QObject(page), page_(page), screen_(screen), weiter_(weiter) {
    using namespace widgets;
    const int x = layout.strip.x();
    const int y = layout.strip.y();
    back_ = button(page, names.back, utf8(lessontext::back), x, y, 75, 25);
    back_->setIcon(standardIcon(QStyle::SP_MediaSeekBackward));
    back_->setToolTip(utf8(lessontext::backHint));
    play_ = button(page, names.play, utf8(lessontext::play), x + 80, y, 89, 25);
    play_->setIcon(standardIcon(QStyle::SP_MediaPlay));
    play_->setToolTip(utf8(lessontext::playHint));
    for (QPushButton* b : {back_, play_}) {
        b->setProperty("lessonControl", true);
        b->setEnabled(false);
    }
    speedLabel_ = label(page, names.speedLabel, utf8(lessontext::speed), x + 176, y + 5);
    const int valueWidth = 36;
    const int sliderX = x + 176 + speedLabel_->width() + 6;
    speed_ = new QSlider(Qt::Horizontal, page);
    speed_->setObjectName(names.speed);
    speed_->setGeometry(sliderX, y + 2, x + layout.stripWidth - valueWidth - 4 - sliderX, 21);
    speed_->setRange(StepHistory::kMinStepMs / 100, StepHistory::kMaxStepMs / 100);
    speed_->setPageStep(5);
    speed_->setFocusPolicy(Qt::NoFocus);
    speed_->setToolTip(utf8(lessontext::speedHint));
    speedLabel_->setBuddy(speed_);
    speedValue_ = label(page, names.speedValue, QString(), x + layout.stripWidth - valueWidth,
                        y + 5, valueWidth, 13);
    history_.setStepMs(storedStepMs());
    speed_->setValue(history_.stepMs() / 100);
    showSpeed();
    connect(speed_, &QSlider::valueChanged, this, &LessonControls::speedChanged);

    listLabel_ = label(page, names.listLabel, utf8(lessontext::steps), layout.list.x(),
                       layout.list.y() - 16);
    list_ = new QListWidget(page);
    list_->setObjectName(names.list);
    list_->setGeometry(layout.list);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setUniformItemSizes(true);
    // A long text ends in "…" and is read in full in the entry's tooltip.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setToolTip(utf8(lessontext::stepsHint));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEnabled(false);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goTo(list_->row(item)); });
    blink_ = new QTimer(this);
    blink_->setInterval(kBlinkMs);
    connect(blink_, &QTimer::timeout, this, [this] { history_.blink(); });

    connect(back_, &QPushButton::clicked, this, [this] { goTo(history_.current() - 1); });
    connect(play_, &QPushButton::clicked, this, &LessonControls::togglePlay);
    history_.onChange = [this] { refresh(); };
}

LessonControls::~LessonControls() {
    if (filtering_) qApp->removeEventFilter(this);
    detachClock();
    history_.onChange = nullptr;
}

void LessonControls::detachClock() {
    if (clock_ && (!clockIsObject_ || clockObject_)) clock_->attach(nullptr);
    clock_ = nullptr;
}

void LessonControls::begin(StepClock& clock) {
    // A new demonstration starts from the final state of the last one.
    history_.returnToEnd();
    settled_ = false;
    if (list_->hasFocus()) list_->clearFocus();
    clock_ = dynamic_cast<HistoryClock*>(&clock);
    if (!clock_) return;
    clockObject_ = dynamic_cast<QObject*>(clock_);
    clockIsObject_ = clockObject_ != nullptr;
    history_.setStepMs(storedStepMs());
    speed_->blockSignals(true);
    speed_->setValue(history_.stepMs() / 100);
    speed_->blockSignals(false);
    showSpeed();
    history_.begin(screen_);
    clock_->attach(&history_);
    if (!filtering_) qApp->installEventFilter(this);
    filtering_ = true;
}

void LessonControls::end() {
    const bool recorded = clock_ != nullptr;
    if (recorded) {
        detachClock();
        history_.finish();
    }
    if (recorded && history_.size() > 1) {
        // The steps can be shown again once the handler that ran the
        // demonstration has returned and the page has written its last output.
        QTimer::singleShot(0, this, [this] {
            if (history_.running()) return;
            settled_ = true;
            refresh();
        });
        return;
    }
    if (filtering_) qApp->removeEventFilter(this);
    filtering_ = false;
}

bool LessonControls::reviewFree() const {
    return settled_ && !history_.running() && page_->isVisible() && page_->isEnabled();
}

bool LessonControls::lessonWidget(const QWidget* widget) const {
    return widget == back_ || widget == play_ || widget == speed_ || widget == list_ ||
           list_->isAncestorOf(widget);
}

void LessonControls::goTo(int index) {
    const bool running = history_.running();
    if (!(running || reviewFree()) || !history_.go(index)) {
        refresh();  // not reachable: the mark stays where it was
        return;
    }
    if (running || !history_.reviewing()) return;
    blink_->start();  // the other phase a full phase after the step appeared
    // The keys go through the steps from the list, not from a text field.
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !lessonWidget(focus)) list_->setFocus(Qt::OtherFocusReason);
}

void LessonControls::togglePlay() {
    if (history_.running()) history_.setPlaying(!history_.playing());
}

void LessonControls::speedChanged(int tenths) {
    history_.setStepMs(tenths * 100);
    lessonSettings().setValue(kStepTimeKey, history_.stepMs());
    showSpeed();
}

void LessonControls::showSpeed() {
    speedValue_->setText(QLocale(QLocale::German).toString(history_.stepMs() / 1000.0, 'f', 1) +
                         QStringLiteral(" s"));
}

void LessonControls::refresh() {
    const bool usable = history_.running() && history_.waiting();
    const bool afterEnd = settled_ && !history_.running();
    back_->setEnabled((usable || afterEnd) && history_.canBack());
    play_->setEnabled(usable);
    if (!history_.reviewing()) {
        blink_->stop();
    } else if (!blink_->isActive()) {
        blink_->start();
    }
    const bool playing = history_.playing();
    play_->setText(utf8(playing ? lessontext::pause : lessontext::play));
    play_->setToolTip(utf8(playing ? lessontext::pauseHint : lessontext::playHint));
    play_->setIcon(widgets::standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));

    const int n = history_.size();
    if (list_->count() > n) {
        list_->clear();
        marked_ = -1;
    }
    for (int i = list_->count(); i < n; ++i) {
        const std::string& text = history_.record(i).text;
        auto* item = new QListWidgetItem(entryText(i, text), list_);
        item->setToolTip(QString::fromStdString(text));
    }
    list_->setEnabled(n > 0);
    const int current = history_.current();
    if (marked_ != current) {
        if (marked_ >= 0 && marked_ < list_->count()) {
            QFont plain = list_->font();
            list_->item(marked_)->setFont(plain);
        }
        marked_ = current;
        if (current >= 0) {
            QListWidgetItem* item = list_->item(current);
            QFont bold = list_->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    if (current >= 0) {
        list_->setCurrentRow(current);
        list_->scrollToItem(list_->item(current));
    } else {
        list_->clearSelection();
    }
}

bool LessonControls::eventFilter(QObject* watched, QEvent* event) {
    if (!history_.running()) return afterEndEvent(watched, event);
    if (event->type() != QEvent::KeyPress || !page_->isVisible()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != page_->window()) return false;
    return runningKey(static_cast<QKeyEvent*>(event));
}

bool LessonControls::runningKey(QKeyEvent* key) {
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    switch (key->key()) {
        case Qt::Key_Space:
            if (!key->isAutoRepeat() && play_->isEnabled()) play_->click();
            return true;
        case Qt::Key_Left:
            if (back_->isEnabled()) back_->click();
            return true;
        case Qt::Key_Right:
            if (weiter_->isEnabled()) weiter_->click();
            return true;
        default:
            return false;
    }
}

bool LessonControls::afterEndEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide) {
        if (watched == page_) history_.returnToEnd();
        return false;
    }
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!press && type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != page_->window()) return false;
    const auto onPicture = [this, widget] {
        return std::any_of(pictures_.begin(), pictures_.end(), [widget](const QWidget* p) {
            return p == widget || p->isAncestorOf(widget);
        });
    };
    // An event that a child did not take travels on to its parents: only
    // its first receiver counts.
    if (press) {
        if (widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) return false;
        const bool looking =
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && onPicture();
        if (!looking && !lessonWidget(widget)) history_.returnToEnd();
        return false;
    }
    QWidget* const focus = QApplication::focusWidget();
    if (widget != (focus ? focus : page_->window())) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return false;
        default:
            break;
    }
    const bool onList = widget == list_ || list_->isAncestorOf(widget);
    // A focused memo keeps its keys for scrolling; the tree pictures take no
    // focus, so their keys arrive with none.
    const bool stepping = onList || lessonWidget(widget) || !focus;
    if (stepping && !(key->modifiers() & ~Qt::KeypadModifier)) {
        const int current = history_.current();
        int target = -2;  // a key of the list that goes nowhere
        switch (key->key()) {
            case Qt::Key_Left:
            case Qt::Key_Up:
                target = current - 1;
                break;
            case Qt::Key_Right:
            case Qt::Key_Down:
                target = current + 1;
                break;
            case Qt::Key_Home:
                target = 0;
                while (target < current && !history_.canGo(target)) ++target;
                break;
            case Qt::Key_End:
                target = history_.size() - 1;
                break;
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                break;
            default:
                target = -3;  // no key of the steps
                break;
        }
        if (target != -3) {
            // The key press itself follows its shortcut override.
            if (type == QEvent::ShortcutOverride) return false;
            const bool free = reviewFree();
            if (free && target >= 0) goTo(target);
            return onList || free;
        }
    }
    history_.returnToEnd();
    return false;
}
