// LineEditOutput: the core's TextOutput on a one-line info field (QLineEdit).
// A field shows one line, so addLine replaces the text and appendText extends
// it. Texts are UTF-8. A text wider than the field shows its beginning (the
// cursor stands at its start), and the field's tooltip holds the whole text,
// also after the field was changed directly (emptied, for instance).
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "elements/platform.h"

class LineEditOutput final : public TextOutput {
public:
    // field is lent; writing after it is gone does nothing.
    explicit LineEditOutput(QLineEdit* field);

    void addLine(std::string_view utf8) override { setText(utf8); }
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override;
    std::string text() const override;

private:
    // Shows the text from its start.
    void show(const QString& text);

    QPointer<QLineEdit> field_;
};
