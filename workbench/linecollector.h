// A TextOutput that gathers lines into one text, Qt-free. The pages let the
// core write a whole structure into it and then hand the text to the memo in
// one call: appending 65535 lines to a memo one by one is far too slow.
#pragma once

#include <string>

#include "elements/platform.h"

class LineCollector final : public TextOutput {
public:
    // Starts a new line holding the text.
    void addLine(std::string_view utf8) override;
    // Appends to the last line (starting the first line when there is none).
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override;
    // The lines joined by "\n", without a final line break.
    std::string text() const override { return text_; }

    int lineCount() const { return lines_; }

private:
    std::string text_;
    int lines_ = 0;
};
