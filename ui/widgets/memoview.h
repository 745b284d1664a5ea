// MemoView: the read-only multi-line text box of the list, stack and queue
// pages, made for listings of up to 65535 lines and more. It keeps the whole
// text as one string with the start of each line and paints only the lines in
// sight in the widget's font, on a white (Base) ground in a sunken frame.
// Setting 65535 lines therefore costs a pass over the text, not a laid-out
// document. Lines can be selected with the mouse (Shift extends) or Ctrl+A and
// copied with Ctrl+C or the context menu; without a selection all lines are
// copied.
//
// Invariants: starts_ holds the index in text_ of each line's first character,
// ascending; line i ends before the '\n' at starts_[i + 1] - 1 (the last line
// at the end of text_). No lines means an empty text_; one empty line is
// text_ "" with starts_ {0}. widths_[i] is line i's width in pixels as
// measured for the current font; maxWidth_ is their maximum. Rows are lines,
// except in word-wrap mode with lines wider than the viewport: then
// rowStarts_[i] is the first row of line i and rowStarts_.back() the row count.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <QStringView>
#include <array>
#include <unordered_map>
#include <vector>

class MemoView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit MemoView(QWidget* parent = nullptr);

    // Replaces all lines by the text split at '\n'; an empty text gives no
    // lines. Clears the selection and scrolls to the top left.
    void setPlainText(const QString& text);
    // The lines joined by '\n', without a final line break.
    QString toPlainText() const { return text_; }
    // Adds the text as a new last line (more than one when it holds '\n');
    // a view that showed its last row keeps showing it.
    void appendPlainText(const QString& text);
    // Appends the text to the last line (starting the first line when there
    // is none).
    void appendToLastLine(const QString& text);
    // Removes all lines and the selection.
    void clear();

    int lineCount() const { return static_cast<int>(starts_.size()); }
    // Line number index (0 .. lineCount() - 1), without its line break.
    QString line(int index) const { return lineView(index).toString(); }

    // On: lines wider than the viewport wrap at word boundaries (or anywhere
    // in a long word) and there is no horizontal scrolling. Off by default.
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }

    // Rows in the view: lines, plus the extra rows of wrapped lines.
    int rowCount() const;
    // The line whose (first visible) row is at the top of the viewport; 0 when empty.
    int firstVisibleLine() const;
    // Scrolls as little as possible so that the line's first row is in sight.
    void ensureLineVisible(int index);
    // Rows that fit into the viewport entirely (at least 1).
    int fullRowsInView() const;

    // Selects every line (Ctrl+A and the context menu do the same).
    void selectAll() { selectLines(0, lineCount() - 1); }
    // First and last selected line, or -1 and -1 when nothing is selected.
    int selectionFirst() const;
    int selectionLast() const;
    // The selected lines joined by '\n', or all lines when nothing is selected.
    QString selectedText() const;
    // Puts selectedText() on the clipboard.
    void copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Selects the lines first..last (clamped to the lines present; in either
    // order); a negative first clears the selection.
    void selectLines(int first, int last);
    QStringView lineView(int index) const;
    // Scans text_ from character `from` for line breaks, adding line starts.
    void indexBreaks(qsizetype from);
    // Takes the advances and line metrics of the current font.
    void updateMetrics();
    // The advance of the character (or surrogate pair) at text[i]; moves i past it.
    qreal advance(QStringView text, qsizetype& i) const;
    // Measures lines from..lineCount()-1 and raises maxWidth_.
    void measureFrom(int from);
    // Splits a line wider than `width` into rows: after the last blank that
    // fits, or inside a word wider than a row; every row holds at least one
    // character. Appends each row's first index (relative to the line) to
    // `rows` when given; returns the row count.
    int breakLine(QStringView text, int width, std::vector<qsizetype>* rows) const;
    // Recomputes the rows and the scroll bar ranges for the current size,
    // keeping the top line in sight. Only lines from `from` on changed when
    // the width is the one the rows were counted for.
    void relayout(int from = 0);
    int availableWidth() const;
    int firstRowOf(int line) const;
    int rowsOf(int line) const;
    // The line that holds row number `row` (clamped to the lines present).
    int lineAtRow(int row) const;
    // The line under viewport coordinate y (clamped); -1 without lines.
    int lineAt(int y) const;
    // After the text was replaced: no selection, top left, new rows.
    void resetView();

    QString text_;
    std::vector<qsizetype> starts_;
    std::vector<int> widths_;
    int maxWidth_ = 0;
    std::vector<int> rowStarts_;  // empty while rows are lines
    bool wordWrap_ = false;
    // Advance widths of the characters U+0000..U+00FF in the current font
    // (negative: not measured yet), so that measuring a line is a sum instead
    // of a shaping run; other characters are measured once and kept in
    // wideAdvances_.
    mutable std::array<qreal, 256> advances_{};
    mutable std::unordered_map<char32_t, qreal> wideAdvances_;
    int lineSpacing_ = 1;
    int ascent_ = 0;
    int anchor_ = -1;   // the line where the selection started; -1 for none
    int current_ = -1;  // the line where it ends
};
