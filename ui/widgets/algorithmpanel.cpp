#include "ui/widgets/algorithmpanel.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSettings>
#include <algorithm>

#include "ui/widgets/zoom.h"

namespace {

constexpr const char* kShowCaption = "&Schritte und Algorithmus zeigen";
constexpr const char* kShowHint =
    "Zeigt neben dem Bild die Liste der Schritte und den Algorithmus mit der Zeile des "
    "aktuellen Schritts";
constexpr const char* kHeading = "Algorithmus";
constexpr const char* kCalledFrom = "aufgerufen in";

const QColor kCurrent(255, 230, 128);
const QColor kCaller(220, 220, 220);

QString lineText(Procedure procedure, int index) {
    if (index < 0) return {};
    const PseudoLine& l = pseudocode::lines(procedure)[static_cast<std::size_t>(index)];
    return QString::fromUtf8(l.text);
}

QSettings settings() { return QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")); }

// The sheet of a ScreenFit: the widget of a scroll area.
bool isSheet(const QWidget* w) {
    const QWidget* viewport = w->parentWidget();
    const auto* area =
        viewport ? qobject_cast<const QScrollArea*>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == w;
}

// One entry of the pseudo-code's picture: text, indentation, marking, font.
struct Row {
    QString text;
    int indent;
    QColor background;
    bool heading;
};

constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// The rows for marks; markedRow gets the row of the marked line (-1: none).
std::vector<Row> rowsOf(const CodeMarks& marks, int& markedRow) {
    std::vector<Row> rows;
    markedRow = -1;
    rows.push_back({QString::fromUtf8(kHeading), 0, QColor(), true});
    if (marks.size() >= 2) {
        const CodeFrame& caller = marks[marks.size() - 2];
        rows.push_back({QString::fromUtf8(kCalledFrom) + QLatin1Char(' ') +
                            QString::fromUtf8(pseudocode::procedure(caller.procedure).title) +
                            QLatin1Char(':'),
                        0, QColor(), false});
        if (caller.marked >= 0) {
            rows.push_back({QString::number(caller.marked + 1) + QStringLiteral("  ") +
                                lineText(caller.procedure, caller.marked),
                            1, kCaller, false});
        }
    }
    if (!marks.empty()) {
        const CodeFrame& top = marks.back();
        rows.push_back(
            {QString::fromUtf8(pseudocode::procedure(top.procedure).title), 0, QColor(), true});
        int number = 0;
        for (const PseudoLine& l : pseudocode::lines(top.procedure)) {
            const bool marked = number == top.marked;
            if (marked) markedRow = static_cast<int>(rows.size());
            ++number;
            rows.push_back(
                {QString::number(number) + QStringLiteral("  ") + QString::fromUtf8(l.text),
                 l.indent, marked ? kCurrent : QColor(), false});
        }
    }
    return rows;
}

}  // namespace

// The pseudo-code, as tall as its rows at its width; the panel's scroll area
// shows it.
class AlgorithmPanel::CodeView final : public QWidget {
public:
    explicit CodeView(const AlgorithmPanel& panel) : panel_(panel) {}

    // Lays the rows out anew (marks, width or font changed).
    void refresh() {
        rows_ = rowsOf(panel_.marks(), markedRow_);
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics plainMetrics(font()), boldMetrics(bold);
        const QRect area = rect().adjusted(4, 2, -4, -2);
        const int unit = plainMetrics.averageCharWidth() * 2;
        boxes_.clear();
        int y = area.top();
        for (const Row& row : rows_) {
            const QFontMetrics& metrics = row.heading ? boldMetrics : plainMetrics;
            const int indent = unit * row.indent;
            const QRect free(area.left() + indent, y, std::max(1, area.width() - indent), 100000);
            const int height = metrics.boundingRect(free, kTextFlags, row.text).height();
            boxes_.push_back(QRect(free.left(), y, free.width(), height));
            y += height + (row.heading ? 3 : 1);
        }
        const int needed = y + 2;
        if (minimumHeight() != needed) setMinimumHeight(needed);
        update();
    }
    // The marked line's box (invalid: none).
    QRect markedBox() const {
        return markedRow_ >= 0 ? boxes_[static_cast<std::size_t>(markedRow_)] : QRect();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        refresh();
    }
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange) refresh();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont bold = font();
        bold.setBold(true);
        for (std::size_t i = 0; i < rows_.size() && i < boxes_.size(); ++i) {
            const QRect& box = boxes_[i];
            if (rows_[i].background.isValid())
                painter.fillRect(box.adjusted(-2, 0, 2, 0), rows_[i].background);
            painter.setFont(rows_[i].heading ? bold : font());
            painter.setPen(Qt::black);
            painter.drawText(box, kTextFlags, rows_[i].text);
        }
    }

private:
    const AlgorithmPanel& panel_;
    std::vector<Row> rows_;
    std::vector<QRect> boxes_;
    int markedRow_ = -1;
};

AlgorithmPanel::AlgorithmPanel(QWidget* host, QWidget* picture, const char* name)
    : QFrame(host),
      host_(host),
      picture_(picture),
      showAction_(new QAction(QString::fromUtf8(kShowCaption), host)),
      key_(QStringLiteral("algorithmPanel/") + QString::fromUtf8(name)) {
    setObjectName(QString::fromUtf8(name));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    const QRect r = picture->geometry();
    setGeometry(r.right() + 7, r.top(), kWidth, r.height());
    QFrame::hide();

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(2);
    codeArea_ = new QScrollArea(this);
    codeArea_->setObjectName(QString::fromUtf8(name) + QStringLiteral("Code"));
    codeArea_->setFrameShape(QFrame::NoFrame);
    codeArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    codeArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    codeArea_->setWidgetResizable(true);
    codeArea_->setFocusPolicy(Qt::NoFocus);
    code_ = new CodeView(*this);
    code_->setAutoFillBackground(true);
    code_->setPalette(p);
    codeArea_->setWidget(code_);
    layout_->addWidget(codeArea_, 1);

    showAction_->setObjectName(QString::fromUtf8(name) + QStringLiteral("Zeigen"));
    showAction_->setCheckable(true);
    showAction_->setToolTip(QString::fromUtf8(kShowHint));
    showAction_->setStatusTip(QString::fromUtf8(kShowHint));
    host->addAction(showAction_);
    host->setContextMenuPolicy(Qt::ActionsContextMenu);
    host->installEventFilter(this);
    connect(showAction_, &QAction::toggled, this, [this](bool on) {
        settings().setValue(key_, on);
        apply(on);
    });
    if (settings().value(key_, false).toBool()) showAction_->setChecked(true);
}

AlgorithmPanel::~AlgorithmPanel() = default;

QScrollArea* AlgorithmPanel::codeArea() const { return codeArea_; }

void AlgorithmPanel::setShown(bool shown) { showAction_->setChecked(shown); }

bool AlgorithmPanel::shown() const { return showAction_->isChecked(); }

int AlgorithmPanel::zoomedWidth() const { return zoom::scaled(kWidth, zoom::percentOf(window())); }

void AlgorithmPanel::placeBesidePicture() {
    const QRect r = picture_->geometry();
    setGeometry(r.right() + 7, r.top(), zoomedWidth(), r.height());
}

int AlgorithmPanel::roomNeeded() const {
    if (!shown()) return 0;
    const int right = picture_->geometry().right() + 7 + zoomedWidth() - 1;
    const QWidget* beside = docked_ ? host_ : parentWidget();
    return std::max(0, right + 8 - (beside->width() - grown_));
}

void AlgorithmPanel::dockIn(QBoxLayout* column) {
    if ((column != nullptr) == docked_) return;
    if (column) {
        giveRoomBack();
        docked_ = true;
        zoom::remember(this);
        column->addWidget(this);
        setVisible(shown());
    } else {
        docked_ = false;
        setParent(host_);
        apply(shown());
    }
}

void AlgorithmPanel::zoomed() {
    grown_ = 0;
    if (!docked_ && shown()) apply(true);
}

void AlgorithmPanel::apply(bool shown) {
    holdSteps(shown);
    if (docked_) {
        setVisible(shown);
        return;
    }
    if (shown) {
        placeBesidePicture();
        if (host_->isVisible()) makeRoom();
        QFrame::show();
    } else {
        QFrame::hide();
        giveRoomBack();
    }
}

void AlgorithmPanel::makeRoom() {
    if (grown_ > 0) return;
    const int need = geometry().right() + 8 - parentWidget()->width();
    if (need <= 0) return;
    // Known before the widening tells the window, which asks roomNeeded.
    grown_ = need;
    widen(need);
}

void AlgorithmPanel::giveRoomBack() {
    const int grown = grown_;
    grown_ = 0;
    if (grown > 0) widen(-grown);
}

void AlgorithmPanel::widen(int delta) {
    // A widget that a layout manages follows its parent; any other one (the
    // tab widget of the main window, the window itself) is widened here.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        const bool managed = parent && parent->layout() && parent->layout()->indexOf(w) >= 0;
        if (managed) continue;
        if (w->isWindow() && w->minimumWidth() == w->maximumWidth()) {
            w->setFixedWidth(w->width() + delta);
        } else {
            w->resize(w->width() + delta, w->height());
        }
        if (w->isWindow() || isSheet(w)) break;
    }
    emit roomChanged();
}

void AlgorithmPanel::setMarks(const CodeMarks& marks) {
    if (marks == marks_) return;
    marks_ = marks;
    refreshCode();
}

QString AlgorithmPanel::procedureTitle() const {
    if (marks_.empty()) return {};
    return QString::fromUtf8(pseudocode::procedure(marks_.back().procedure).title);
}

QString AlgorithmPanel::markedLine() const {
    if (marks_.empty()) return {};
    return lineText(marks_.back().procedure, marks_.back().marked);
}

QString AlgorithmPanel::callerLine() const {
    if (marks_.size() < 2) return {};
    const CodeFrame& caller = marks_[marks_.size() - 2];
    return lineText(caller.procedure, caller.marked);
}

void AlgorithmPanel::refreshCode() {
    code_->refresh();
    // Grown at once, so that the scroll range reaches the marked line.
    if (code_->height() < code_->minimumHeight())
        code_->resize(code_->width(), code_->minimumHeight());
    // The marked line in view, with a line of room around it.
    const QRect box = code_->markedBox();
    if (box.isValid()) {
        codeArea_->ensureVisible(box.center().x(), box.center().y(), 0,
                                 box.height() / 2 + fontMetrics().height());
    }
}

void AlgorithmPanel::adoptSteps(QWidget* caption, QListWidget* list) {
    stepsCaption_ = caption;
    stepsList_ = list;
    list->installEventFilter(this);
    holdSteps(shown());
}

void AlgorithmPanel::holdSteps(bool hold) {
    if (!stepsList_ || hold == holdingSteps_) return;
    holdingSteps_ = hold;
    QWidget* const parts[] = {stepsCaption_, stepsList_};
    if (hold) {
        int at = 0;
        for (QWidget* w : parts) {
            zoom::remember(w);
            layout_->insertWidget(at++, w);
            w->show();
        }
        fitListRows();
    } else {
        stepsList_->setMinimumHeight(0);
        for (QWidget* w : parts) {
            w->setParent(host_);
            w->setGeometry(zoom::designed(w, zoom::percentOf(host_->window())));
            w->show();
        }
    }
}

void AlgorithmPanel::fitListRows() {
    if (!holdingSteps_) return;
    const int row =
        std::max(stepsList_->sizeHintForRow(0), QFontMetrics(stepsList_->font()).height() + 2);
    stepsList_->setMinimumHeight(kListRows * row + 2 * stepsList_->frameWidth());
}

bool AlgorithmPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stepsList_ && event->type() == QEvent::FontChange) fitListRows();
    if (watched == host_ && showAction_->isChecked() && !docked_) {
        if (event->type() == QEvent::Show) makeRoom();
        if (event->type() == QEvent::Hide) giveRoomBack();
    }
    return QFrame::eventFilter(watched, event);
}
