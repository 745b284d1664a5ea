#include "ui/widgets/lessoncontrols.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <algorithm>

#include "demo/playback.h"
#include "ui/platform/stepplayer.h"
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
    const int ms = lessonSettings().value(kStepTimeKey, Playback::kDefaultStepMs).toInt();
    return std::clamp(ms, Playback::kMinStepMs, Playback::kMaxStepMs);
}

LessonControls::LessonControls(QWidget* page, const Names& names, const Layout& layout,
                               StepPlayer& player, QAbstractButton* weiter)
    : QObject(page), page_(page), player_(player), weiter_(weiter) {
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
    speed_->setRange(Playback::kMinStepMs / 100, Playback::kMaxStepMs / 100);
    speed_->setPageStep(5);
    // Reached with Alt+T (its label's buddy) or a click; its keys change the
    // time (arrows, Home, End, page keys) and never step.
    speed_->setFocusPolicy(Qt::ClickFocus);
    speed_->setToolTip(utf8(lessontext::speedHint));
    speedLabel_->setBuddy(speed_);
    speedValue_ = label(page, names.speedValue, QString(), x + layout.stripWidth - valueWidth,
                        y + 5, valueWidth, 13);
    playback().setStepMs(storedStepMs());
    speed_->setValue(playback().stepMs() / 100);
    showSpeed();
    connect(speed_, &QSlider::valueChanged, this, &LessonControls::speedChanged);

    listLabel_ = label(page, names.listLabel, utf8(lessontext::steps), layout.list.x(),
                       layout.list.y() - 16);
    list_ = new QListWidget(page);
    list_->setObjectName(names.list);
    list_->setGeometry(layout.list);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setUniformItemSizes(true);
    // A long text is shortened in its middle ("…") and read in full in the
    // entry's tooltip.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideMiddle);
    // The entries follow the list's font (the zoom): the current one is
    // made bold anew when it changes.
    list_->installEventFilter(this);
    list_->setToolTip(utf8(lessontext::stepsHint));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEnabled(false);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goTo(list_->row(item)); });
    connect(back_, &QPushButton::clicked, this, [this] { goTo(playback().current() - 1); });
    connect(play_, &QPushButton::clicked, this, &LessonControls::togglePlay);
    connect(&player_, &StepPlayer::changed, this, &LessonControls::refresh);
    connect(&player_, &StepPlayer::ended, this, [this] {
        // The steps can be shown again while the page is usable; without
        // steps to go back to, the window's events are no concern.
        watchEvents(playback().canBack());
    });
}

LessonControls::~LessonControls() { watchEvents(false); }

std::vector<QWidget*> LessonControls::strip() const {
    return {back_, play_, speedLabel_, speed_, speedValue_};
}

Playback& LessonControls::playback() const { return player_.playback(); }

void LessonControls::watchEvents(bool on) {
    if (on && !filtering_) qApp->installEventFilter(this);
    if (!on && filtering_) qApp->removeEventFilter(this);
    filtering_ = on;
}

void LessonControls::begin() {
    // A new demonstration starts from the final state of the last one.
    playback().returnToEnd();
    if (list_->hasFocus()) list_->clearFocus();
    playback().setStepMs(storedStepMs());
    speed_->blockSignals(true);
    speed_->setValue(playback().stepMs() / 100);
    speed_->blockSignals(false);
    showSpeed();
    watchEvents(true);
}

void LessonControls::returnToEnd() { playback().returnToEnd(); }

bool LessonControls::reviewFree() const {
    return playback().ended() && page_->isVisible() && page_->isEnabled();
}

bool LessonControls::lessonWidget(const QWidget* widget) const {
    return widget == back_ || widget == play_ || widget == speed_ || widget == list_ ||
           list_->isAncestorOf(widget);
}

void LessonControls::goTo(int index) {
    const bool running = playback().running();
    if (!(running || reviewFree()) || !playback().go(index)) {
        refresh();  // not reachable: the mark stays where it was
        return;
    }
    if (running || !playback().reviewing()) return;
    // The keys go through the steps from the list, not from a text field.
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !lessonWidget(focus)) list_->setFocus(Qt::OtherFocusReason);
}

void LessonControls::togglePlay() {
    if (playback().running()) playback().setPlaying(!playback().playing());
}

void LessonControls::speedChanged(int tenths) {
    playback().setStepMs(tenths * 100);
    lessonSettings().setValue(kStepTimeKey, playback().stepMs());
    showSpeed();
}

void LessonControls::showSpeed() {
    speedValue_->setText(QLocale(QLocale::German).toString(playback().stepMs() / 1000.0, 'f', 1) +
                         QStringLiteral(" s"));
}

void LessonControls::refresh() {
    const Playback& history = playback();
    const bool usable = history.running();
    back_->setEnabled((usable || history.ended()) && history.canBack());
    play_->setEnabled(usable);
    const bool playing = history.playing();
    play_->setText(utf8(playing ? lessontext::pause : lessontext::play));
    play_->setToolTip(utf8(playing ? lessontext::pauseHint : lessontext::playHint));
    play_->setIcon(widgets::standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));

    const int n = history.size();
    if (list_->count() > n) {
        list_->clear();
        marked_ = -1;
    }
    for (int i = list_->count(); i < n; ++i) {
        const std::string& text = history.step(i).text;
        auto* item = new QListWidgetItem(entryText(i, text), list_);
        item->setToolTip(QString::fromStdString(text));
    }
    list_->setEnabled(n > 0);
    const int current = history.current();
    if (marked_ != current) {
        // An entry without a font of its own has the list's.
        if (marked_ >= 0 && marked_ < list_->count())
            list_->item(marked_)->setData(Qt::FontRole, QVariant());
        marked_ = current;
        markCurrentBold();
    }
    if (current >= 0) {
        list_->setCurrentRow(current);
        list_->scrollToItem(list_->item(current));
    } else {
        list_->clearSelection();
    }
}

void LessonControls::markCurrentBold() {
    if (marked_ < 0 || marked_ >= list_->count()) return;
    QFont bold = list_->font();
    bold.setBold(true);
    list_->item(marked_)->setFont(bold);
}

bool LessonControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FontChange) {
        markCurrentBold();
        return false;
    }
    if (!playback().running()) return afterEndEvent(watched, event);
    if (event->type() != QEvent::KeyPress || !page_->isVisible()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != page_->window()) return false;
    return runningKey(static_cast<QKeyEvent*>(event));
}

bool LessonControls::runningKey(QKeyEvent* key) {
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    // A focused "Tempo" takes its own keys.
    if (QApplication::focusWidget() == speed_) return false;
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
        if (watched == page_) playback().returnToEnd();
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
        if (!looking && !lessonWidget(widget)) playback().returnToEnd();
        return false;
    }
    QWidget* const focus = QApplication::focusWidget();
    if (widget != (focus ? focus : page_->window())) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys with Alt or Ctrl are shortcuts: "Zurück" (Alt+Z) goes back
    // another step each time, and a button pressed by its key returns to
    // the final state itself when it acts on the page.
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    // A focused "Tempo" takes its own keys.
    if (widget == speed_) return false;
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
        const Playback& history = playback();
        const int current = history.current();
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
                while (target < current && !history.canGo(target)) ++target;
                break;
            case Qt::Key_End:
                target = history.size() - 1;
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
    playback().returnToEnd();
    return false;
}
