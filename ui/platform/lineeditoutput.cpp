#include "ui/platform/lineeditoutput.h"

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void LineEditOutput::appendText(std::string_view utf8) {
    if (field_) field_->setText(field_->text() + fromUtf8(utf8));
}

void LineEditOutput::setText(std::string_view utf8) {
    if (field_) field_->setText(fromUtf8(utf8));
}

std::string LineEditOutput::text() const { return field_ ? field_->text().toStdString() : ""; }
