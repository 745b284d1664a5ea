#include "ui/widgets/memoview.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// Blank pixels between the frame and the text, as in a Windows memo.
constexpr int kMargin = 2;
// Characters below this code take their advance from the table.
constexpr char16_t kTableSize = 256;

// The width of a line: the sum of its characters' advances, from the table
// where it holds them, else from `slow` (which measures the character at i,
// fills the table and moves i past it).
template <typename Slow>
qreal advanceSum(QStringView text, const std::array<qreal, kTableSize>& table, Slow slow) {
    qreal width = 0;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < kTableSize && table[c] >= 0) {
            width += table[c];
            ++i;
        } else {
            width += slow(text, i);
        }
    }
    return width;
}
}  // namespace

MemoView::MemoView(QWidget* parent) : QAbstractScrollArea(parent) {
    // QAbstractScrollArea already gives the sunken frame and a viewport that
    // fills itself with the Base colour (white).
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    updateMetrics();
    relayout();
}

// ---- text ----------------------------------------------------------------

void MemoView::setPlainText(const QString& text) {
    const qsizetype oldSize = text_.size();
    const qsizetype newSize = text.size();
    if (oldSize == 0 || newSize == 0) {
        text_ = text;
        starts_.clear();
        widths_.clear();
        maxWidth_ = 0;
        if (!text_.isEmpty()) {
            starts_.push_back(0);
            indexBreaks(0);
        }
        measureFrom(0);
        resetView();
        return;
    }
    // A new text that keeps most of the old one (a list after one step of a
    // sort) is indexed and measured only from the first line that differs up
    // to the last one that differs; the lines of the common end move as a
    // whole. Comparing the texts costs far less than measuring them.
    const QChar* before = text_.constData();
    const QChar* after = text.constData();
    const qsizetype shorter = std::min(oldSize, newSize);
    // Whole blocks by memcmp first, the last few characters one by one.
    constexpr qsizetype kBlock = 64;
    const auto sameBlock = [](const QChar* a, const QChar* b) {
        return std::memcmp(a, b, kBlock * sizeof(QChar)) == 0;
    };
    qsizetype prefix = 0;
    while (prefix + kBlock <= shorter && sameBlock(before + prefix, after + prefix))
        prefix += kBlock;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix + kBlock <= shorter - prefix &&
           sameBlock(before + oldSize - suffix - kBlock, after + newSize - suffix - kBlock)) {
        suffix += kBlock;
    }
    while (suffix < shorter - prefix &&
           before[oldSize - 1 - suffix] == after[newSize - 1 - suffix]) {
        ++suffix;
    }
    // Lines before `first` lie in the common start; old lines from `kept` on,
    // with the line break in front of them, lie in the common end.
    const auto first = static_cast<std::size_t>(
        std::upper_bound(starts_.begin(), starts_.end(), prefix) - starts_.begin() - 1);
    const auto kept = static_cast<std::size_t>(
        std::lower_bound(starts_.begin(), starts_.end(), oldSize - suffix + 1) - starts_.begin());
    const qsizetype shift = newSize - oldSize;
    const qsizetype changedEnd = kept < starts_.size() ? starts_[kept] + shift - 1 : newSize;
    std::vector<qsizetype> starts(starts_.begin(),
                                  starts_.begin() + static_cast<std::ptrdiff_t>(first) + 1);
    for (qsizetype i = starts.back(); i < changedEnd; ++i) {
        if (after[i] == QLatin1Char('\n')) starts.push_back(i + 1);
    }
    std::vector<int> widths(widths_.begin(), widths_.begin() + static_cast<std::ptrdiff_t>(first));
    const auto measure = [this](QStringView line, qsizetype& i) { return advance(line, i); };
    // Where the changed part keeps its number of lines (an exchange of two
    // far elements), most of its lines are the old ones: those keep their
    // width, which comparing finds faster than measuring.
    const bool sameLines = starts.size() == kept;
    for (std::size_t line = first; line < starts.size(); ++line) {
        const qsizetype end = line + 1 < starts.size() ? starts[line + 1] - 1 : changedEnd;
        const QStringView now = QStringView(text).mid(starts[line], end - starts[line]);
        if (sameLines && now == lineView(static_cast<int>(line))) {
            widths.push_back(widths_[line]);
            continue;
        }
        widths.push_back(static_cast<int>(std::ceil(advanceSum(now, advances_, measure))));
    }
    for (std::size_t line = kept; line < starts_.size(); ++line) {
        starts.push_back(starts_[line] + shift);
        widths.push_back(widths_[line]);
    }
    text_ = text;
    starts_ = std::move(starts);
    widths_ = std::move(widths);
    maxWidth_ = *std::max_element(widths_.begin(), widths_.end());
    resetView();
}

void MemoView::appendPlainText(const QString& text) {
    QScrollBar* bar = verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    const int first = lineCount();
    if (!starts_.empty()) text_ += QLatin1Char('\n');
    const qsizetype from = text_.size();
    starts_.push_back(from);
    text_ += text;
    indexBreaks(from);
    measureFrom(first);
    relayout(first);
    if (atBottom) bar->setValue(bar->maximum());
}

void MemoView::appendToLastLine(const QString& text) {
    if (starts_.empty()) starts_.push_back(0);
    const int last = lineCount() - 1;
    const qsizetype from = text_.size();
    text_ += text;
    indexBreaks(from);
    // The old last line grew: measure it again (widths only ever grow here,
    // so maxWidth_ stays an upper bound that measureFrom raises).
    widths_.resize(static_cast<std::size_t>(last));
    measureFrom(last);
    relayout(last);
}

void MemoView::clear() { setPlainText(QString()); }

QStringView MemoView::lineView(int index) const {
    const auto i = static_cast<std::size_t>(index);
    const qsizetype begin = starts_[i];
    const qsizetype end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : text_.size();
    return QStringView(text_).mid(begin, end - begin);
}

void MemoView::indexBreaks(qsizetype from) {
    const QChar* data = text_.constData();
    const qsizetype size = text_.size();
    for (qsizetype i = from; i < size; ++i) {
        if (data[i] == QLatin1Char('\n')) starts_.push_back(i + 1);
    }
}

// ---- measuring -----------------------------------------------------------

void MemoView::updateMetrics() {
    // Filled on first use: most texts use a few dozen characters.
    advances_.fill(-1);
    wideAdvances_.clear();
    const QFontMetrics metrics(font());
    lineSpacing_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
}

qreal MemoView::advance(QStringView text, qsizetype& i) const {
    const char16_t c = text[i].unicode();
    if (c < kTableSize) {
        ++i;
        qreal& width = advances_[c];
        if (width < 0) width = QFontMetricsF(font()).horizontalAdvance(QChar(c));
        return width;
    }
    qsizetype units = 1;
    char32_t code = c;
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
        QChar::isLowSurrogate(text[i + 1].unicode())) {
        units = 2;
        code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
    }
    auto found = wideAdvances_.find(code);
    if (found == wideAdvances_.end()) {
        const qreal width = QFontMetricsF(font()).horizontalAdvance(text.mid(i, units).toString());
        found = wideAdvances_.emplace(code, width).first;
    }
    i += units;
    return found->second;
}

void MemoView::measureFrom(int from) {
    widths_.resize(static_cast<std::size_t>(from));
    for (int line = from; line < lineCount(); ++line) {
        const qreal width =
            advanceSum(lineView(line), advances_,
                       [this](QStringView text, qsizetype& i) { return advance(text, i); });
        const int pixels = static_cast<int>(std::ceil(width));
        widths_.push_back(pixels);
        maxWidth_ = std::max(maxWidth_, pixels);
    }
}

int MemoView::breakLine(QStringView text, int width, std::vector<qsizetype>* rows) const {
    int count = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        ++count;
        if (rows) rows->push_back(start);
        qreal used = 0;
        qsizetype i = start;
        qsizetype afterBlank = -1;
        while (i < text.size()) {
            qsizetype next = i;
            const qreal w = advance(text, next);
            if (used + w > width && i > start) break;
            used += w;
            if (text[i] == QLatin1Char(' ')) afterBlank = next;
            i = next;
        }
        if (i >= text.size()) break;
        start = afterBlank > start ? afterBlank : i;
    }
    return std::max(count, 1);
}

// ---- rows and scrolling --------------------------------------------------

int MemoView::availableWidth() const { return viewport()->width() - 2 * kMargin; }

int MemoView::fullRowsInView() const {
    return std::max(1, (viewport()->height() - kMargin) / lineSpacing_);
}

int MemoView::rowCount() const { return rowStarts_.empty() ? lineCount() : rowStarts_.back(); }

int MemoView::firstRowOf(int line) const {
    return rowStarts_.empty() ? line : rowStarts_[static_cast<std::size_t>(line)];
}

int MemoView::rowsOf(int line) const {
    if (rowStarts_.empty()) return 1;
    const auto i = static_cast<std::size_t>(line);
    return rowStarts_[i + 1] - rowStarts_[i];
}

int MemoView::lineAtRow(int row) const {
    if (lineCount() == 0) return 0;
    if (rowStarts_.empty()) return std::clamp(row, 0, lineCount() - 1);
    // The last line whose first row is at or above `row`.
    const auto last = rowStarts_.end() - 1;
    const auto after = std::upper_bound(rowStarts_.begin(), last, row);
    return std::clamp(static_cast<int>(after - rowStarts_.begin()) - 1, 0, lineCount() - 1);
}

int MemoView::lineAt(int y) const {
    if (lineCount() == 0) return -1;
    const int offset = y - kMargin;
    const int row = verticalScrollBar()->value() +
                    (offset >= 0 ? offset / lineSpacing_ : -1 - (-offset - 1) / lineSpacing_);
    return lineAtRow(std::clamp(row, 0, rowCount() - 1));
}

int MemoView::firstVisibleLine() const { return lineAtRow(verticalScrollBar()->value()); }

void MemoView::relayout(int from) {
    const int topLine = firstVisibleLine();
    const int available = availableWidth();
    if (wordWrap_ && available > 0 && maxWidth_ > available) {
        // Rows of the lines before `from` still stand when they were counted
        // for this width: appending line by line stays linear.
        auto kept = static_cast<std::size_t>(std::max(from, 0));
        if (kept == 0 || kept >= rowStarts_.size()) {
            kept = 0;
            from = 0;
        }
        int row = from > 0 ? rowStarts_[kept] : 0;
        rowStarts_.resize(kept);
        rowStarts_.reserve(starts_.size() + 1);
        for (int line = from; line < lineCount(); ++line) {
            rowStarts_.push_back(row);
            const bool wide = widths_[static_cast<std::size_t>(line)] > available;
            row += wide ? breakLine(lineView(line), available, nullptr) : 1;
        }
        rowStarts_.push_back(row);
    } else {
        rowStarts_.clear();
    }

    QScrollBar* vertical = verticalScrollBar();
    const int pageRows = fullRowsInView();
    vertical->setRange(0, std::max(0, rowCount() - pageRows));
    vertical->setPageStep(pageRows);
    vertical->setSingleStep(1);
    if (lineCount() > 0) vertical->setValue(firstRowOf(topLine));

    QScrollBar* horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    horizontal->setRange(0, wordWrap_ ? 0 : std::max(0, maxWidth_ + 2 * kMargin - width));
    horizontal->setPageStep(std::max(1, width));
    horizontal->setSingleStep(std::max(1, lineSpacing_));
    viewport()->update();
}

void MemoView::resetView() {
    anchor_ = current_ = -1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    relayout();
}

void MemoView::setWordWrap(bool on) {
    if (wordWrap_ == on) return;
    wordWrap_ = on;
    relayout();
}

void MemoView::ensureLineVisible(int index) {
    if (lineCount() == 0) return;
    const int row = firstRowOf(std::clamp(index, 0, lineCount() - 1));
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value()) {
        bar->setValue(row);
    } else if (row >= bar->value() + fullRowsInView()) {
        bar->setValue(row - fullRowsInView() + 1);
    }
}

void MemoView::scrollContentsBy(int, int) {
    // Rows are scrolled by painting from the new top row, not by moving pixels.
    viewport()->update();
}

// ---- selection -----------------------------------------------------------

void MemoView::selectLines(int first, int last) {
    if (first < 0 || lineCount() == 0) {
        anchor_ = current_ = -1;
    } else {
        anchor_ = std::clamp(first, 0, lineCount() - 1);
        current_ = std::clamp(last, 0, lineCount() - 1);
    }
    viewport()->update();
}

int MemoView::selectionFirst() const { return anchor_ < 0 ? -1 : std::min(anchor_, current_); }

int MemoView::selectionLast() const { return anchor_ < 0 ? -1 : std::max(anchor_, current_); }

QString MemoView::selectedText() const {
    if (anchor_ < 0) return text_;
    const int first = selectionFirst();
    const int last = selectionLast();
    const qsizetype begin = starts_[static_cast<std::size_t>(first)];
    const QStringView lastLine = lineView(last);
    const qsizetype end = (lastLine.data() - text_.constData()) + lastLine.size();
    return text_.mid(begin, end - begin);
}

void MemoView::copy() const { QGuiApplication::clipboard()->setText(selectedText()); }

// ---- events --------------------------------------------------------------

void MemoView::paintEvent(QPaintEvent*) {
    if (lineCount() == 0) return;
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& colours = palette();
    const int height = viewport()->height();
    const int width = viewport()->width();
    const int available = availableWidth();
    const int x = kMargin - (wordWrap_ ? 0 : horizontalScrollBar()->value());
    const int topRow = verticalScrollBar()->value();
    const int selFirst = selectionFirst();
    const int selLast = selectionLast();

    int line = lineAtRow(topRow);
    int y = kMargin - (topRow - firstRowOf(line)) * lineSpacing_;
    std::vector<qsizetype> rows;
    for (; line < lineCount() && y < height; ++line) {
        const int rowCount = rowsOf(line);
        const bool selected = selFirst >= 0 && line >= selFirst && line <= selLast;
        if (selected) {
            painter.fillRect(QRect(0, y, width, rowCount * lineSpacing_),
                             colours.brush(QPalette::Highlight));
        }
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QStringView text = lineView(line);
        if (rowCount == 1) {
            painter.drawText(x, y + ascent_, text.toString());
        } else {
            rows.clear();
            breakLine(text, available, &rows);
            rows.push_back(text.size());
            for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
                const int rowY = y + static_cast<int>(r) * lineSpacing_;
                if (rowY >= height) break;
                if (rowY + lineSpacing_ <= 0) continue;
                painter.drawText(x, rowY + ascent_,
                                 text.mid(rows[r], rows[r + 1] - rows[r]).toString());
            }
        }
        y += rowCount * lineSpacing_;
    }
}

void MemoView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void MemoView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        maxWidth_ = 0;
        measureFrom(0);
        relayout();
    }
}

void MemoView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
        case Qt::Key_Up:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Down:
            vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            vertical->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        case Qt::Key_End:
            vertical->triggerAction(QAbstractSlider::SliderToMaximum);
            break;
        case Qt::Key_Left:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            event->ignore();
            return;
    }
}

void MemoView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int line = lineAt(event->position().toPoint().y());
    if (line < 0) return;
    if ((event->modifiers() & Qt::ShiftModifier) && anchor_ >= 0) {
        current_ = line;
    } else {
        anchor_ = current_ = line;
    }
    viewport()->update();
}

void MemoView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || anchor_ < 0) return;
    const int y = event->position().toPoint().y();
    // Dragging past an edge scrolls one row per move.
    if (y < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (y >= viewport()->height()) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    current_ = lineAt(std::clamp(y, 0, std::max(0, viewport()->height() - 1)));
    viewport()->update();
}

void MemoView::mouseReleaseEvent(QMouseEvent* event) {
    // The selection is complete with the last move; the release only ends the drag.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void MemoView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QString::fromUtf8("&Kopieren"));
    copyAction->setEnabled(lineCount() > 0);
    QAction* allAction = menu.addAction(QString::fromUtf8("Alles &markieren"));
    allAction->setEnabled(lineCount() > 0);
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == copyAction) copy();
    if (chosen == allAction) selectAll();
}
