#include "ui/memooutput.h"

#include <QTextCursor>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void MemoOutput::addLine(std::string_view utf8) {
    if (memo_) memo_->appendPlainText(fromUtf8(utf8));
}

void MemoOutput::appendText(std::string_view utf8) {
    if (!memo_) return;
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(fromUtf8(utf8));
}

void MemoOutput::setText(std::string_view utf8) {
    if (memo_) memo_->setPlainText(fromUtf8(utf8));
}

std::string MemoOutput::text() const {
    return memo_ ? memo_->toPlainText().toStdString() : "";
}
