#include "ui/widgets/plainlisting.h"

#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <vector>

namespace {
// A gathered paragraph stays short, so that laying it out when it comes into
// sight costs little.
constexpr int kMaxLines = 64;
constexpr qsizetype kMaxCharacters = 1024;
constexpr qsizetype kMaxMeasured = 256;
}  // namespace

void setListing(QPlainTextEdit& memo, QStringView text) {
    QTextDocument& document = *memo.document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document.documentLayout());
    // The width the layout wraps at: the viewport's; two average characters
    // spare for rounding in the text layout.
    const qreal width =
        memo.lineWrapMode() == QPlainTextEdit::NoWrap ? 0 : memo.viewport()->width();
    const QFontMetricsF metrics(document.defaultFont());
    const qreal room = width - 2 * document.documentMargin() - 2 * metrics.averageCharWidth();
    const qreal widest = metrics.maxWidth();
    const auto fits = [&](QStringView line) {
        if (width <= 0) return true;
        // Measured only when the widest character would not do; a long line
        // keeps its own paragraph unmeasured.
        if (static_cast<qreal>(line.size()) * widest < room) return true;
        return line.size() <= kMaxMeasured && metrics.horizontalAdvance(line.toString()) < room;
    };

    QString joined;
    joined.reserve(text.size());
    std::vector<int> paragraphLines;  // the number of lines of every paragraph
    int lines = 0;                    // in the paragraph being gathered
    qsizetype characters = 0;
    bool open = false;  // whether the paragraph being gathered takes more lines
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        const QStringView line = text.mid(start, (last ? text.size() : end) - start);
        const bool gatherable = !last && fits(line);
        if (lines > 0) {
            if (open && gatherable && lines < kMaxLines &&
                characters + line.size() < kMaxCharacters) {
                joined += QChar(QChar::LineSeparator);
            } else {
                joined += QLatin1Char('\n');
                paragraphLines.push_back(lines);
                lines = 0;
                characters = 0;
            }
        }
        joined += line;
        ++lines;
        characters += line.size() + 1;
        open = gatherable;
        if (last) break;
        start = end + 1;
    }
    paragraphLines.push_back(lines);

    memo.setPlainText(joined);
    if (!layout || static_cast<std::size_t>(document.blockCount()) != paragraphLines.size()) return;
    // Every gathered line takes one line on the screen; the layout would
    // count a paragraph as one line until it lays it out.
    bool changed = false;
    QTextBlock block = document.firstBlock();
    for (const int count : paragraphLines) {
        if (count > 1 && block.lineCount() != count) {
            block.setLineCount(count);
            changed = true;
        }
        block = block.next();
    }
    if (changed) emit layout->documentSizeChanged(layout->documentSize());
}
