// Qt TextOutput for the core over a memo: either a MemoView (the long
// listings of the list, stack and queue pages) or a QPlainTextEdit (short
// texts). Texts are UTF-8. A MemoView output can follow the marks of the list
// displays it shows (the sort window's memos): a new text keeps the scroll
// position of the old one, and the view then scrolls as little as possible
// to show the arrow, and with it as much of the sublist frame as fits.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>

#include "elements/platform.h"
#include "linear/listdisplay.h"
#include "ui/widgets/memoview.h"

class MemoOutput final : public ListMemoOutput {
public:
    // memo is lent; writing after it is gone does nothing.
    explicit MemoOutput(QPlainTextEdit* memo) : plain_(memo) {}
    explicit MemoOutput(MemoView* memo) : view_(memo) {}

    // Starts a new line holding the text (also after an empty first line).
    void addLine(std::string_view utf8) override;
    // Appends to the last line.
    void appendText(std::string_view utf8) override;
    // Replaces the whole text; "\n" separates lines.
    void setText(std::string_view utf8) override;
    // The lines joined by "\n".
    std::string text() const override;

    // Off by default: each new text starts at the top, and list displays
    // leave the view alone.
    void setFollowsMarks(bool on) { followsMarks_ = on; }
    void keepInSight(const ListDisplay& display) override;

private:
    QPointer<QPlainTextEdit> plain_;
    QPointer<MemoView> view_;
    bool followsMarks_ = false;
};
