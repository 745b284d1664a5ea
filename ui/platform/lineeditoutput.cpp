#include "ui/platform/lineeditoutput.h"

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

LineEditOutput::LineEditOutput(QLineEdit* field) : field_(field) {
    if (!field) return;
    field->setToolTip(field->text());
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field](const QString& text) { field->setToolTip(text); });
}

void LineEditOutput::show(const QString& text) {
    field_->setText(text);
    field_->setCursorPosition(0);
}

void LineEditOutput::appendText(std::string_view utf8) {
    if (field_) show(field_->text() + fromUtf8(utf8));
}

void LineEditOutput::setText(std::string_view utf8) {
    if (field_) show(fromUtf8(utf8));
}

std::string LineEditOutput::text() const { return field_ ? field_->text().toStdString() : ""; }
