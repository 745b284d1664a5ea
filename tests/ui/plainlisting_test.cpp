// setListing against QPlainTextEdit::setPlainText of the same text: the same
// text back, the same scroll range, the same picture at the top, in the
// middle and at the end.
#include "ui/widgets/plainlisting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include "ui/widgets/widgetfactory.h"

namespace {

// count lines "1  ", "2  ", ... and a last empty line, as the level listing
// of a chain; every seventh line long enough to wrap when `wrapping`.
QString listing(int count, bool wrapping) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        QString line = QString::number(i) + QStringLiteral("  ");
        if (wrapping && i % 7 == 0) line = line.repeated(60);
        lines << line;
    }
    lines << QString();
    return lines.join(QLatin1Char('\n'));
}

struct Case {
    const char* name;
    QString text;
    bool wraps = false;
};

TEST(PlainListing, ShowsTheTextAsOneParagraphPerLineWould) {
    const Case cases[] = {
        {"chain", listing(700, false)},
        {"wrapping", listing(300, true), true},
        {"one line", QStringLiteral("50  ")},
        {"empty", QString()},
        {"no final break", QStringLiteral("1  \n2  \n3  ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        window.resize(1000, 200);
        QPlainTextEdit* listed =
            widgets::memo(&window, "listed", 0, 0, 497, 89, widgets::ScrollBars::vertical);
        QPlainTextEdit* plain =
            widgets::memo(&window, "plain", 500, 0, 497, 89, widgets::ScrollBars::vertical);
        window.show();
        QApplication::processEvents();
        listed->setPlainText(QStringLiteral("old\ntext"));
        setListing(*listed, c.text);
        plain->setPlainText(c.text);
        EXPECT_EQ(listed->toPlainText(), c.text);
        if (c.text.size() > 1000) {
            EXPECT_LT(listed->document()->blockCount(), 200);
        }

        // The line at the top left of the view.
        const auto topLine = [](QPlainTextEdit* memo) {
            QTextCursor cursor = memo->cursorForPosition(QPoint(2, 2));
            cursor.select(QTextCursor::LineUnderCursor);
            return cursor.selectedText();
        };
        QApplication::processEvents();
        EXPECT_EQ(listed->verticalScrollBar()->maximum(), plain->verticalScrollBar()->maximum());
        EXPECT_TRUE(listed->grab().toImage() == plain->grab().toImage());
        // Scrolled into a gathered paragraph the text may lie a fraction of
        // a pixel lower (the offset into a paragraph is not rounded to whole
        // pixels); the same lines are in sight, and where no line wraps the
        // scroll range stays the same.
        for (const int part : {2, 1}) {
            for (QPlainTextEdit* memo : {listed, plain}) {
                memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum() / part);
            }
            QApplication::processEvents();
            EXPECT_EQ(topLine(listed), topLine(plain));
            if (!c.wraps) {
                EXPECT_EQ(listed->verticalScrollBar()->maximum(),
                          plain->verticalScrollBar()->maximum());
            }
        }
    }
}

}  // namespace
