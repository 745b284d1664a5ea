#include "ui/widgets/memooutput.h"

#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void MemoOutput::addLine(std::string_view utf8) {
    if (view_) view_->appendPlainText(fromUtf8(utf8));
    if (plain_) plain_->appendPlainText(fromUtf8(utf8));
}

void MemoOutput::appendText(std::string_view utf8) {
    if (view_) view_->appendToLastLine(fromUtf8(utf8));
    if (plain_) {
        QTextCursor cursor(plain_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(fromUtf8(utf8));
    }
}

void MemoOutput::setText(std::string_view utf8) {
    if (view_) {
        const int top = view_->verticalScrollBar()->value();
        view_->setPlainText(fromUtf8(utf8));
        if (followsMarks_) view_->verticalScrollBar()->setValue(top);
    }
    if (plain_) plain_->setPlainText(fromUtf8(utf8));
}

void MemoOutput::keepInSight(const ListDisplay& display) {
    if (!view_ || !followsMarks_) return;
    // The arrow first, then each frame line that still fits with the lines
    // already taken.
    const int rows = view_->fullRowsInView();
    int first = display.arrowLine;
    int last = display.arrowLine;
    for (int line : {display.frameFirstLine, display.frameLastLine}) {
        if (line < 0) continue;
        const int from = std::min(first, line);
        const int to = std::max(last, line);
        if (to - from < rows) {
            first = from;
            last = to;
        }
    }
    view_->ensureLineVisible(last);
    view_->ensureLineVisible(first);
}

std::string MemoOutput::text() const {
    if (view_) return view_->toPlainText().toStdString();
    if (plain_) return plain_->toPlainText().toStdString();
    return "";
}
