// MemoView: the line model against a reference list of lines, scrolling,
// wrapping, painting in the font and colours of a memo, selection and copy,
// and MemoOutput over it.
#include "ui/widgets/memoview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <memory>
#include <random>
#include <vector>

#include "ui/widgets/memooutput.h"
#include "ui/widgets/widgetfactory.h"

namespace {

std::vector<QString> linesOf(const MemoView& view) {
    std::vector<QString> lines;
    for (int i = 0; i < view.lineCount(); ++i) lines.push_back(view.line(i));
    return lines;
}

std::vector<QString> split(const QString& text) {
    std::vector<QString> lines;
    for (const QString& part : text.split(QLatin1Char('\n'))) lines.push_back(part);
    return lines;
}

QString numbered(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString::number(i);
    return lines.join(QLatin1Char('\n'));
}

// Replaces all lines of the view by these, each one line (also an empty one,
// or one holding '\n', which then starts a further line), the way the pages
// fill a memo: the joined text through setPlainText; a single empty line is
// the line that appending an empty text to an empty memo makes.
void setLines(MemoView& view, const QStringList& lines) {
    view.setPlainText(lines.join(QLatin1Char('\n')));
    if (!lines.isEmpty() && view.lineCount() == 0) view.appendPlainText(QString());
}

// A shown top-level view of the given size.
std::unique_ptr<MemoView> shownView(int width, int height) {
    auto view = std::make_unique<MemoView>();
    view->resize(width, height);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    return view;
}

int rowY(const MemoView& view, int row) {
    // Viewport coordinate inside row `row` of an unscrolled view.
    const int spacing = QFontMetrics(view.font()).lineSpacing();
    return row * spacing + spacing / 2 + 1;
}

int darkPixelsInRows(const QImage& image, int top, int bottom) {
    int dark = 0;
    for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) ++dark;
        }
    }
    return dark;
}

}  // namespace

// ---- line model -------------------------------------------------------------

TEST(MemoViewText, SetPlainTextSplitsAtLineBreaksAndToPlainTextJoinsThemBack) {
    struct Case {
        const char* text;
        std::vector<QString> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\nb", {"a", "b"}},
        {"\n", {"", ""}},
        {"a\n", {"a", ""}},
        {"\n\nx", {"", "", "x"}},
        {"Größe €\n  z  ", {QString::fromUtf8("Größe €"), "  z  "}},
    };
    MemoView view;
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        view.setPlainText(text);
        EXPECT_EQ(linesOf(view), c.lines) << c.text;
        EXPECT_EQ(view.toPlainText(), text) << c.text;
    }
}

TEST(MemoViewText, SetLinesKeepsEveryLineAlsoAnEmptyOne) {
    MemoView view;
    setLines(view, {""});
    EXPECT_EQ(view.lineCount(), 1);
    EXPECT_EQ(view.toPlainText(), "");
    setLines(view, {"a", "", "b"});
    EXPECT_EQ(linesOf(view), (std::vector<QString>{"a", "", "b"}));
    EXPECT_EQ(view.toPlainText(), "a\n\nb");
    setLines(view, {});
    EXPECT_EQ(view.lineCount(), 0);
}

TEST(MemoViewText, AppendPlainTextStartsANewLineAlsoAfterAnEmptyFirstLine) {
    MemoView view;
    view.appendPlainText("");
    EXPECT_EQ(view.lineCount(), 1);
    view.appendPlainText("x");
    EXPECT_EQ(view.toPlainText(), "\nx");
    view.appendPlainText("y\nz");
    EXPECT_EQ(linesOf(view), (std::vector<QString>{"", "x", "y", "z"}));
}

TEST(MemoViewText, AppendToLastLineExtendsTheLastLineOrStartsTheFirst) {
    MemoView view;
    view.appendToLastLine("ab");
    EXPECT_EQ(linesOf(view), (std::vector<QString>{"ab"}));
    view.appendPlainText("c");
    view.appendToLastLine("d\ne");
    EXPECT_EQ(linesOf(view), (std::vector<QString>{"ab", "cd", "e"}));
    view.clear();
    EXPECT_EQ(view.lineCount(), 0);
    EXPECT_EQ(view.toPlainText(), "");
}

TEST(MemoViewText, RandomOperationsMatchAReferenceListOfLines) {
    std::mt19937 random(20240611);
    const QString pieces[] = {"", "a", "bb", " ", QString::fromUtf8("ä€"), "\n", "long text "};
    auto randomText = [&] {
        QString text;
        const int n = static_cast<int>(random() % 5);
        for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
        return text;
    };
    auto view = shownView(120, 90);
    // Counts the rows of the same lines from scratch, for the rows that the
    // appends count on from the rows before.
    auto fresh = shownView(120, 90);
    std::vector<QString> reference;
    for (int step = 0; step < 2000; ++step) {
        const QString text = randomText();
        switch (random() % 7) {
            case 0:
                view->setPlainText(text);
                reference = text.isEmpty() ? std::vector<QString>{} : split(text);
                break;
            case 1: {
                QStringList list;
                for (int i = static_cast<int>(random() % 4); i > 0; --i) list << randomText();
                setLines(*view, list);
                reference =
                    list.isEmpty() ? std::vector<QString>{} : split(list.join(QLatin1Char('\n')));
                break;
            }
            case 2:
            case 3:
                view->appendPlainText(text);
                for (const QString& part : split(text)) reference.push_back(part);
                break;
            case 4: {
                view->appendToLastLine(text);
                if (reference.empty()) reference.push_back("");
                const std::vector<QString> parts = split(text);
                reference.back() += parts.front();
                reference.insert(reference.end(), parts.begin() + 1, parts.end());
                break;
            }
            case 5:
                view->setWordWrap(!view->wordWrap());
                break;
            case 6: {
                // The text so far with a piece replaced: most lines stay.
                QString edited = view->toPlainText();
                const auto at = static_cast<qsizetype>(random() % (edited.size() + 1));
                const auto cut = std::min<qsizetype>(edited.size() - at, random() % 4);
                edited.replace(at, cut, text);
                view->setPlainText(edited);
                reference = edited.isEmpty() ? std::vector<QString>{} : split(edited);
                break;
            }
        }
        ASSERT_EQ(linesOf(*view), reference) << "step " << step;
        QStringList joined;
        for (const QString& line : reference) joined << line;
        ASSERT_EQ(view->toPlainText(), joined.join(QLatin1Char('\n'))) << "step " << step;
        fresh->setWordWrap(view->wordWrap());
        setLines(*fresh, QStringList(reference.begin(), reference.end()));
        ASSERT_EQ(view->rowCount(), fresh->rowCount()) << "step " << step;
        ASSERT_EQ(view->horizontalScrollBar()->maximum(), fresh->horizontalScrollBar()->maximum())
            << "step " << step;
        const QScrollBar* bar = view->verticalScrollBar();
        ASSERT_GE(view->rowCount(), view->lineCount());
        if (!view->wordWrap()) {
            ASSERT_EQ(view->rowCount(), view->lineCount());
        }
        ASSERT_EQ(bar->maximum(), std::max(0, view->rowCount() - bar->pageStep()));
        ASSERT_GE(bar->value(), 0);
        ASSERT_LE(bar->value(), bar->maximum());
        if (view->wordWrap()) {
            ASSERT_EQ(view->horizontalScrollBar()->maximum(), 0);
        }
    }
}

// Exchanges of two far lines (as a sort step shows them): the lines between
// keep their widths, the exchanged ones are measured anew.
TEST(MemoViewText, ExchangingFarLinesGivesTheLinesAndWidthsOfANewView) {
    auto view = shownView(120, 90);
    auto fresh = shownView(120, 90);
    std::vector<QString> lines;
    for (int i = 0; i < 300; ++i) lines.push_back("[" + QString::number(i * 7 % 300) + "]");
    lines[250] = "[a much wider line than all the others]";
    const std::pair<int, int> exchanges[] = {{3, 250}, {250, 3}, {0, 299}, {10, 11}, {5, 290}};
    for (const auto& [a, b] : exchanges) {
        std::swap(lines[a], lines[b]);
        const QString text = QStringList(lines.begin(), lines.end()).join(QLatin1Char('\n'));
        view->setPlainText(text);
        fresh->clear();
        fresh->setPlainText(text);
        ASSERT_EQ(linesOf(*view), lines) << a << " " << b;
        ASSERT_EQ(view->horizontalScrollBar()->maximum(), fresh->horizontalScrollBar()->maximum())
            << a << " " << b;
    }
    lines[250] = "[1]";
    view->setPlainText(QStringList(lines.begin(), lines.end()).join(QLatin1Char('\n')));
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
}

// ---- scrolling and wrapping -------------------------------------------------

TEST(MemoViewScrolling, EnsureLineVisibleScrollsAsLittleAsNeeded) {
    auto view = shownView(150, 120);
    view->setPlainText(numbered(1000));
    QScrollBar* bar = view->verticalScrollBar();
    const int page = bar->pageStep();
    ASSERT_GT(page, 2);
    EXPECT_EQ(bar->maximum(), 1000 - page);

    view->ensureLineVisible(page - 1);  // already in sight
    EXPECT_EQ(view->firstVisibleLine(), 0);
    view->ensureLineVisible(500);
    EXPECT_EQ(view->firstVisibleLine(), 500 - page + 1);
    view->ensureLineVisible(999);
    EXPECT_EQ(bar->value(), bar->maximum());
    view->ensureLineVisible(1000 - page);  // in sight at the top: stays
    EXPECT_EQ(bar->value(), bar->maximum());
    view->ensureLineVisible(3);
    EXPECT_EQ(view->firstVisibleLine(), 3);

    view->setPlainText(numbered(10));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum(), std::max(0, 10 - page));
}

TEST(MemoViewScrolling, AppendingFollowsTheEndOnlyWhenTheEndWasInSight) {
    auto view = shownView(150, 120);
    QScrollBar* bar = view->verticalScrollBar();
    for (int i = 0; i < 100; ++i) view->appendPlainText(QString::number(i));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_GT(bar->maximum(), 0);
    bar->setValue(10);
    view->appendPlainText("more");
    EXPECT_EQ(bar->value(), 10);
}

TEST(MemoViewScrolling, WithoutWrapALongLineScrollsSideways) {
    auto view = shownView(150, 120);
    const QString longLine(200, QLatin1Char('x'));
    view->setPlainText("short\n" + longLine);
    const QScrollBar* bar = view->horizontalScrollBar();
    const int width = QFontMetrics(view->font()).horizontalAdvance(longLine);
    EXPECT_GE(bar->maximum() + view->viewport()->width(), width);
    EXPECT_LE(bar->maximum() + view->viewport()->width(), width + 10);
    view->setPlainText("short");
    EXPECT_EQ(bar->maximum(), 0);
}

TEST(MemoViewScrolling, WordWrapBreaksWideLinesIntoRowsAndUnwrapsWhenWidened) {
    auto view = shownView(150, 120);
    view->setWordWrap(true);
    QString words;
    for (int i = 0; i < 40; ++i) words += "wort ";
    const QString longWord(300, QLatin1Char('w'));
    view->setPlainText("a\n" + words + "\nb\n" + longWord + "\nc");
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    const QFontMetrics metrics(view->font());
    const int available = view->viewport()->width();
    // Each row is at most as wide as the viewport, so the rows are at least ...
    const int minimum = 3 +
                        (metrics.horizontalAdvance(words.trimmed()) + available - 1) / available +
                        (metrics.horizontalAdvance(longWord) + available - 1) / available;
    EXPECT_GE(view->rowCount(), minimum);
    // ... and a break at a blank wastes less than one word per row.
    EXPECT_LE(view->rowCount(), minimum * 2);
    EXPECT_EQ(view->verticalScrollBar()->maximum(),
              std::max(0, view->rowCount() - view->verticalScrollBar()->pageStep()));

    view->resize(5000, 120);
    QApplication::processEvents();
    EXPECT_EQ(view->rowCount(), 5);
}

TEST(MemoViewScrolling, ResizingKeepsTheTopLine) {
    auto view = shownView(150, 120);
    view->setWordWrap(true);
    QStringList lines;
    for (int i = 0; i < 100; ++i) lines << QString("Zeile %1 mit etwas Text dazu").arg(i);
    setLines(*view, lines);
    view->ensureLineVisible(60);
    const int top = view->firstVisibleLine();
    ASSERT_GT(top, 0);
    view->resize(90, 120);
    QApplication::processEvents();
    EXPECT_EQ(view->firstVisibleLine(), top);
    view->resize(400, 120);
    QApplication::processEvents();
    EXPECT_EQ(view->firstVisibleLine(), top);
}

TEST(MemoViewScrolling, KeysScrollByRowPageAndToTheEnds) {
    auto view = shownView(150, 120);
    view->setPlainText(numbered(300));
    QScrollBar* bar = view->verticalScrollBar();
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 1 + bar->pageStep());
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(bar->value(), bar->maximum() - 1);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
}

// ---- looks ------------------------------------------------------------------

TEST(MemoViewLooks, SunkenFrameOnAWhiteGroundAndTheFontOfItsParent) {
    QWidget page;
    QFont small = page.font();
    small.setPixelSize(11);
    page.setFont(small);
    auto* view = widgets::memoView(&page, "MemoTest", 10, 20, 185, 120, widgets::ScrollBars::both);
    EXPECT_EQ(view->objectName(), "MemoTest");
    EXPECT_EQ(view->geometry(), QRect(10, 20, 185, 120));
    EXPECT_EQ(view->frameShape(), QFrame::StyledPanel);
    EXPECT_EQ(view->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(view->font().pixelSize(), 11);
    page.resize(300, 200);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    const int smallPage = view->verticalScrollBar()->pageStep();

    const QImage empty = view->viewport()->grab().toImage();
    EXPECT_EQ(QColor(empty.pixel(empty.width() / 2, empty.height() / 2)), QColor(Qt::white));
    EXPECT_EQ(darkPixelsInRows(empty, 0, empty.height()), 0);

    // A larger page font reaches the memo: fewer rows fit.
    QFont large = small;
    large.setPixelSize(22);
    page.setFont(large);
    EXPECT_EQ(view->font().pixelSize(), 22);
    EXPECT_LT(view->verticalScrollBar()->pageStep(), smallPage);
}

TEST(MemoViewLooks, PaintsTheLinesInTheirRowsAndTheSelectionHighlighted) {
    auto view = shownView(150, 120);
    view->setPlainText("MMMM\n\nMMMM");
    const int spacing = QFontMetrics(view->font()).lineSpacing();
    QImage image = view->viewport()->grab().toImage();
    EXPECT_GT(darkPixelsInRows(image, 0, spacing + 2), 5);
    EXPECT_EQ(darkPixelsInRows(image, spacing + 3, 2 * spacing), 0);  // the empty line
    EXPECT_GT(darkPixelsInRows(image, 2 * spacing + 2, 3 * spacing + 2), 5);
    EXPECT_EQ(darkPixelsInRows(image, 3 * spacing + 3, image.height()), 0);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, rowY(*view, 1)));
    image = view->viewport()->grab().toImage();
    const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(QColor(image.pixel(image.width() - 3, rowY(*view, 1))), highlight);
    EXPECT_NE(QColor(image.pixel(image.width() - 3, rowY(*view, 0))), highlight);

    // Scrolled to the end of 200 empty lines and one full line: only the last
    // full row in sight is painted.
    view->setPlainText(QString(200, QLatin1Char('\n')) + "MMMM");
    view->ensureLineVisible(200);
    const int last = view->verticalScrollBar()->pageStep() - 1;
    ASSERT_EQ(view->firstVisibleLine(), 200 - last);
    image = view->viewport()->grab().toImage();
    EXPECT_EQ(darkPixelsInRows(image, 0, last * spacing + 2), 0);
    EXPECT_GT(darkPixelsInRows(image, last * spacing + 2, (last + 1) * spacing + 2), 5);
    EXPECT_EQ(darkPixelsInRows(image, (last + 1) * spacing + 3, image.height()), 0);
}

// ---- selection and copy -----------------------------------------------------

TEST(MemoViewSelection, ClickShiftClickAndCtrlCCopyTheSelectedLines) {
    auto view = shownView(150, 120);
    view->setPlainText("a\nb\nc\nd\ne");
    QWidget* area = view->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, rowY(*view, 1)));
    EXPECT_EQ(view->selectionFirst(), 1);
    EXPECT_EQ(view->selectionLast(), 1);
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, rowY(*view, 3)));
    EXPECT_EQ(view->selectionFirst(), 1);
    EXPECT_EQ(view->selectionLast(), 3);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "b\nc\nd");

    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, view->viewport()->height() - 2));
    EXPECT_EQ(view->selectionFirst(), 4);  // below the last line: the last line
    QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view->selectionFirst(), 0);
    EXPECT_EQ(view->selectionLast(), 4);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\nb\nc\nd\ne");
}

TEST(MemoViewSelection, DraggingSelectsEveryLineBetween) {
    auto view = shownView(150, 120);
    view->setPlainText("a\nb\nc\nd\ne");
    QWidget* area = view->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, rowY(*view, 3)));
    QMouseEvent move(QEvent::MouseMove, QPointF(12, rowY(*view, 0)),
                     area->mapToGlobal(QPointF(12, rowY(*view, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(12, rowY(*view, 0)));
    EXPECT_EQ(view->selectionFirst(), 0);
    EXPECT_EQ(view->selectionLast(), 3);
    EXPECT_EQ(view->selectedText(), "a\nb\nc\nd");
}

TEST(MemoViewSelection, WithoutSelectionAllLinesAreCopiedAndNewTextClearsTheSelection) {
    MemoView view;
    view.setPlainText("eins\nzwei");
    EXPECT_EQ(view.selectionFirst(), -1);
    view.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "eins\nzwei");
    // Clicks far below the last line and above the first are clamped to the
    // lines present.
    QWidget* area = view.viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, rowY(view, 5)));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, -rowY(view, 3)));
    EXPECT_EQ(view.selectionFirst(), 0);
    EXPECT_EQ(view.selectionLast(), 1);
    view.setPlainText("drei");
    EXPECT_EQ(view.selectionFirst(), -1);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, rowY(view, 0)));
    view.appendPlainText("vier");
    EXPECT_EQ(view.selectedText(), "drei");
    view.clear();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, rowY(view, 0)));  // nothing to select
    EXPECT_EQ(view.selectionFirst(), -1);
}

// ---- MemoOutput -------------------------------------------------------------

TEST(MemoViewOutput, MemoOutputWritesUtf8LinesAndStopsWhenTheViewIsGone) {
    auto view = std::make_unique<MemoView>();
    MemoOutput out(view.get());
    out.addLine("");
    out.addLine("eins");
    out.appendText(" – zwei");
    EXPECT_EQ(out.text(), "\neins – zwei");
    EXPECT_EQ(view->lineCount(), 2);
    out.setText("Größe\nx");
    EXPECT_EQ(view->toPlainText(), QString::fromUtf8("Größe\nx"));
    EXPECT_EQ(view->lineCount(), 2);
    view.reset();
    out.addLine("nichts");
    out.appendText("nichts");
    out.setText("nichts");
    EXPECT_EQ(out.text(), "");
}
