#include "ui/platform/memooutput.h"

#include <QTextCursor>

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
    if (view_) view_->setPlainText(fromUtf8(utf8));
    if (plain_) plain_->setPlainText(fromUtf8(utf8));
}

std::string MemoOutput::text() const {
    if (view_) return view_->toPlainText().toStdString();
    if (plain_) return plain_->toPlainText().toStdString();
    return "";
}
