// Qt TextOutputs for the core: MemoOutput writes into a memo (QPlainTextEdit),
// LineEditOutput into a one-line info field (QLineEdit). Texts are UTF-8.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>

#include "elements/platform.h"

class MemoOutput final : public TextOutput {
public:
    // memo is lent; writing after it is gone does nothing.
    explicit MemoOutput(QPlainTextEdit* memo) : memo_(memo) {}

    void addLine(std::string_view utf8) override;
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override;
    std::string text() const override;

private:
    QPointer<QPlainTextEdit> memo_;
};
