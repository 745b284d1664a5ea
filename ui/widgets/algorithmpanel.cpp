#include "ui/widgets/algorithmpanel.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QSettings>

namespace {

constexpr const char* kShowCaption = "&Algorithmus zeigen";
constexpr const char* kShowHint =
    "Zeigt neben dem Bild den Algorithmus mit der Zeile des aktuellen Schritts";
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

}  // namespace

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

void AlgorithmPanel::setShown(bool shown) { showAction_->setChecked(shown); }

void AlgorithmPanel::apply(bool shown) {
    if (shown) {
        const QRect r = picture_->geometry();
        setGeometry(r.right() + 7, r.top(), kWidth, r.height());
        if (host_->isVisible()) makeRoom();
        QFrame::show();
    } else {
        QFrame::hide();
        giveRoomBack();
    }
}

void AlgorithmPanel::makeRoom() {
    if (grown_ > 0) return;
    const int need = geometry().right() + 8 - host_->width();
    if (need <= 0) return;
    widen(need);
    grown_ = need;
}

void AlgorithmPanel::giveRoomBack() {
    if (grown_ > 0) widen(-grown_);
    grown_ = 0;
}

bool AlgorithmPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_ && showAction_->isChecked()) {
        if (event->type() == QEvent::Show) makeRoom();
        if (event->type() == QEvent::Hide) giveRoomBack();
    }
    return QFrame::eventFilter(watched, event);
}

void AlgorithmPanel::widen(int delta) {
    // A widget that a layout manages follows its parent; any other one (the
    // tab widget of the main window, the window itself) is widened here.
    for (QWidget* w = host_; w; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        const bool managed = parent && parent->layout() && parent->layout()->indexOf(w) >= 0;
        if (managed) continue;
        if (w->isWindow() && w->minimumWidth() == w->maximumWidth()) {
            w->setFixedWidth(w->width() + delta);
        } else {
            w->resize(w->width() + delta, w->height());
        }
        if (w->isWindow()) break;
    }
}

void AlgorithmPanel::setMarks(const CodeMarks& marks) {
    if (marks == marks_) return;
    marks_ = marks;
    update();
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

void AlgorithmPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(4, 2, -4, -2);
    const int width = area.width();
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);

    // One entry per row of the picture: text, indentation, marking, font.
    struct Row {
        QString text;
        int indent;
        QColor background;
        bool heading;
    };
    std::vector<Row> rows;
    rows.push_back({QString::fromUtf8(kHeading), 0, QColor(), true});
    const CodeMarks& shown = marks_;
    if (shown.size() >= 2) {
        const CodeFrame& caller = shown[shown.size() - 2];
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
    int markedRow = -1;
    if (!shown.empty()) {
        const CodeFrame& top = shown.back();
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

    // Heights first, so that a marked line below the panel's end is scrolled
    // into view.
    std::vector<QRect> boxes;
    int y = area.top();
    for (const Row& row : rows) {
        painter.setFont(row.heading ? bold : plain);
        const int indent = 14 * row.indent;
        const QRect box = painter.boundingRect(
            QRect(area.left() + indent, y, width - indent, 10000), flags, row.text);
        boxes.push_back(QRect(area.left() + indent, y, width - indent, box.height()));
        y += box.height() + (row.heading ? 3 : 1);
    }
    int shift = 0;
    if (markedRow >= 0 && boxes[static_cast<std::size_t>(markedRow)].bottom() > area.bottom())
        shift = boxes[static_cast<std::size_t>(markedRow)].bottom() - area.bottom();
    painter.setClipRect(area);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect box = boxes[i].translated(0, -shift);
        if (rows[i].background.isValid()) {
            painter.fillRect(box.adjusted(-2, 0, 2, 0), rows[i].background);
        }
        painter.setFont(rows[i].heading ? bold : plain);
        painter.setPen(Qt::black);
        painter.drawText(box, flags, rows[i].text);
    }
}
