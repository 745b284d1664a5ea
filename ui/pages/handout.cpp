#include "ui/pages/handout.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "demo/bayertreedemo.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "linear/listdemo.h"
#include "ui/platform/paintersurface.h"

namespace handout {

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Lines of a list shown at most; a longer list ends with a line saying how
// many more there are.
constexpr int kListLines = 28;
// A picture is enlarged at most this much beyond its size on the screen, so
// that a tree of one number does not fill its box with one figure.
constexpr double kMostEnlarged = 2.5;

QFont pdfFont(double points, bool bold = false, bool fixed = false) {
    QFont font(fixed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    if (fixed) font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void drawLists(QPainter& painter, const QRect& area, const std::vector<Column>& all) {
    // Lists without a title and without lines (the sorts that use one list)
    // take no room.
    std::vector<Column> columns;
    for (const Column& c : all)
        if (!c.title.isEmpty() || !c.lines.isEmpty()) columns.push_back(c);
    if (columns.empty()) return;
    const int n = static_cast<int>(columns.size());
    const int gap = area.width() / 40;
    const int width = (area.width() - gap * (n - 1)) / n;
    const QFont titleFont = pdfFont(6.5, true);
    const QFont lineFont = pdfFont(6.5, false, true);
    const int titleHeight = QFontMetrics(titleFont, painter.device()).height();
    const int lineHeight = QFontMetrics(lineFont, painter.device()).height();
    const int fitting = std::max(1, (area.height() - titleHeight) / lineHeight);
    for (int c = 0; c < n; ++c) {
        const QRect box(area.left() + c * (width + gap), area.top(), width, area.height());
        painter.setFont(titleFont);
        painter.drawText(QRect(box.left(), box.top(), width, titleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, columns[c].title);
        painter.setFont(lineFont);
        const QStringList& lines = columns[c].lines;
        const int total = static_cast<int>(lines.size()) + columns[c].more;
        const int shown = std::min(total, fitting);
        for (int k = 0; k < shown; ++k) {
            QString line = k < lines.size() ? lines[k] : QString();
            if (k == shown - 1 && shown < total)
                line = QStringLiteral("… (%1 weitere)").arg(total - shown + 1);
            painter.drawText(
                QRect(box.left(), box.top() + titleHeight + k * lineHeight, width, lineHeight),
                Qt::AlignLeft | Qt::AlignVCenter, line);
        }
    }
}

// The picture in the area, as large as fits (up to kMostEnlarged), centred
// at the top, as vector drawing, with a thin frame.
void drawPicture(QPainter& painter, const QRect& area, const DrawingRecord& drawing) {
    const InkBox box = inkBox(drawing);
    if (box.empty()) {
        painter.setFont(pdfFont(8.5));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(text::emptyTree));
        return;
    }
    const int margin = 4;  // screen pixels around the ink
    const double width = box.x2 - box.x1 + 2 * margin;
    const double height = box.y2 - box.y1 + 2 * margin;
    const double natural = painter.device()->logicalDpiX() / 96.0;
    const double scale =
        std::min({area.width() / width, area.height() / height, kMostEnlarged * natural});
    const QRectF target(area.left() + (area.width() - width * scale) / 2, area.top(), width * scale,
                        height * scale);
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.translate(margin - box.x1, margin - box.y1);
    PainterSurface surface(&painter, box.x2 + margin, box.y2 + margin, 1,
                           PainterSurface::Mode::vector);
    drawing.replay(surface);
    painter.restore();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target);
}

void drawStep(QPainter& painter, const QRect& cell, int number, const Step& step) {
    const int pad = cell.width() / 60;
    const QRect inner = cell.adjusted(pad, pad, -pad, -pad);
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(pdfFont(9, true));
    const QString heading =
        step.result ? QString::fromUtf8(text::result) : QString::fromUtf8(text::step).arg(number);
    QRect used;
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, heading, &used);
    int bottom = used.bottom();
    if (!step.text.isEmpty()) {
        painter.setFont(pdfFont(8.5));
        QRect textUsed;
        const QRect textArea(inner.left(), used.bottom() + pad / 2, inner.width(),
                             inner.bottom() - used.bottom());
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, step.text,
                         &textUsed);
        bottom = std::max(bottom, textUsed.bottom());
    }
    const QRect rest(inner.left(), bottom + pad, inner.width(), inner.bottom() - bottom - pad);
    if (rest.height() <= 0) return;
    if (step.columns.empty()) {
        drawPicture(painter, rest, step.drawing);
    } else {
        drawLists(painter, rest, step.columns);
    }
}

// Where the steps stand: the first page's first row holds the title.
struct Slot {
    int page;
    int row;
    int column;
};
Slot slotOf(int index) {
    const int onFirst = kColumns * (kRows - 1);
    if (index < onFirst) return {0, 1 + index / kColumns, index % kColumns};
    const int rest = index - onFirst;
    const int perPage = kColumns * kRows;
    return {1 + rest / perPage, rest % perPage / kColumns, rest % kColumns};
}

}  // namespace

int pagesFor(int steps) { return steps <= 0 ? 1 : slotOf(steps - 1).page + 1; }

int stepsOn(int pages) { return kColumns * (kRows - 1) + (pages - 1) * kColumns * kRows; }

QString madeLine(const QDateTime& made) {
    return QStringLiteral("Erstellt am %1 um %2 Uhr")
        .arg(made.toString(QStringLiteral("dd.MM.yyyy")), made.toString(QStringLiteral("HH:mm")));
}

QString questionText(const Question& question, int questionNumber, int stepNumber, bool result) {
    const QString text = fromUtf8(question.text);
    return result ? QString::fromUtf8(text::questionBeforeResult).arg(questionNumber).arg(text)
                  : QString::fromUtf8(text::question).arg(questionNumber).arg(stepNumber).arg(text);
}

QString answersText(const Question& question) {
    QStringList answers;
    for (std::size_t i = 0; i < question.answers.size(); ++i)
        answers << QStringLiteral("%1) %2").arg(i + 1).arg(fromUtf8(question.answers[i]));
    return answers.join(QStringLiteral("     "));
}

QString solutionText(const Question& question) {
    return QString::fromUtf8(text::solution)
        .arg(question.correct + 1)
        .arg(fromUtf8(question.answers[static_cast<std::size_t>(question.correct)]),
             fromUtf8(question.why));
}

namespace {

// The worksheet: the title, then each step's questions and the step across
// the page's width, a step to a quarter of the page, then the solutions on
// pages of their own. Laid out twice: first only measured, for the number
// of pages, then drawn.
bool layOutWorksheet(const Document& document, QPainter& painter, QSize pageSize,
                     const std::function<bool()>& newPage,
                     const std::function<bool(int)>& progress) {
    const QFont footerFont = pdfFont(8);
    const int footer = QFontMetrics(footerFont, painter.device()).height() * 2;
    const int bodyBottom = pageSize.height() - footer;
    const int stepHeight = bodyBottom / kRows;
    const int gap = stepHeight / 20;
    const int count = static_cast<int>(document.steps.size());
    const int shownSteps = count - (count > 0 && document.steps.back().result ? 1 : 0);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    int pages = 1;
    const auto pass = [&](bool draw) {
        int page = 0;
        int y = 0;
        const auto pageNumber = [&] {
            if (!draw) return;
            painter.setPen(Qt::black);
            painter.setFont(footerFont);
            painter.drawText(QRect(0, bodyBottom, pageSize.width(), footer),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QString::fromUtf8(text::page).arg(page + 1).arg(pages));
        };
        const auto nextPage = [&] {
            pageNumber();
            ++page;
            y = 0;
            return !draw || newPage();
        };
        // A text block at y, wrapped to the page's width; its height.
        const auto block = [&](const QString& text, const QFont& font, bool measureOnly) {
            painter.setFont(font);
            const QRect area(0, y, pageSize.width(), bodyBottom - y);
            if (measureOnly || !draw) return painter.boundingRect(area, flags, text).height();
            QRect used;
            painter.setPen(Qt::black);
            painter.drawText(area, flags, text, &used);
            return used.height();
        };
        // Starts a new page unless height fits below y.
        const auto room = [&](int height) {
            return y + height <= bodyBottom || y == 0 || nextPage();
        };

        y = block(document.title, pdfFont(16, true), false) + gap;
        y += block(madeLine(document.made) + QStringLiteral(" – %1 Schritte").arg(shownSteps),
                   pdfFont(10), false) +
             gap;
        if (draw) painter.drawLine(0, y, pageSize.width(), y);
        y += gap;

        int asked = 0;
        for (int k = 0; k < count; ++k) {
            const Step& step = document.steps[static_cast<std::size_t>(k)];
            const QString line = QString::fromUtf8(text::answerLine);
            // The height of question i's block, measured where it would stand.
            const auto height = [&](const Question& q, int i) {
                const QString head = questionText(q, i, k + 1, step.result);
                const int keep = y;
                int h = block(head, pdfFont(9, true), true);
                y += h;
                h += block(answersText(q), pdfFont(9), true);
                y = keep;
                return h + 3 * block(line, pdfFont(9), true) / 2 + 2 * gap;
            };
            // The questions stand on the page of their step when they fit.
            int together = stepHeight;
            for (std::size_t i = 0; i < step.questions.size(); ++i)
                together += height(step.questions[i], asked + 1 + static_cast<int>(i));
            if (!room(together)) return false;
            for (const Question& q : step.questions) {
                ++asked;
                const QString head = questionText(q, asked, k + 1, step.result);
                const QString answers = answersText(q);
                if (!room(height(q, asked))) return false;
                y += block(head, pdfFont(9, true), false);
                y += block(answers, pdfFont(9), false) + gap / 2;
                y += block(line, pdfFont(9), false) + gap;
            }
            if (!room(stepHeight)) return false;
            if (draw) drawStep(painter, QRect(0, y, pageSize.width(), stepHeight), k + 1, step);
            y += stepHeight;
            if (draw && progress && !progress(k + 1)) return false;
        }
        // The solutions.
        if (asked > 0) {
            if (!nextPage()) return false;
            y += block(QString::fromUtf8(text::solutions), pdfFont(14, true), false) + gap;
            int n = 0;
            for (int k = 0; k < count; ++k) {
                const Step& step = document.steps[static_cast<std::size_t>(k)];
                for (const Question& q : step.questions) {
                    const QString head = questionText(q, ++n, k + 1, step.result);
                    const QString answer = solutionText(q);
                    const int keep = y;
                    int height = block(head, pdfFont(9, true), true);
                    y += height;
                    height += block(answer, pdfFont(9), true) + gap;
                    y = keep;
                    if (!room(height)) return false;
                    y += block(head, pdfFont(9, true), false);
                    y += block(answer, pdfFont(9), false) + gap;
                }
            }
        }
        pageNumber();
        pages = page + 1;
        return true;
    };
    return pass(false) && pass(true);
}

}  // namespace

bool layOut(const Document& document, QPainter& painter, QSize pageSize,
            const std::function<bool()>& newPage, const std::function<bool(int)>& progress) {
    if (document.withQuestions)
        return layOutWorksheet(document, painter, pageSize, newPage, progress);
    const int count = static_cast<int>(document.steps.size());
    const int pages = pagesFor(count);
    const QFont footerFont = pdfFont(8);
    const int footer = QFontMetrics(footerFont, painter.device()).height() * 2;
    const int cellWidth = pageSize.width() / kColumns;
    const int cellHeight = (pageSize.height() - footer) / kRows;
    const auto pageNumber = [&](int page) {
        painter.setPen(Qt::black);
        painter.setFont(footerFont);
        painter.drawText(QRect(0, pageSize.height() - footer, pageSize.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QString::fromUtf8(text::page).arg(page + 1).arg(pages));
    };

    // The title block in the first row of the first page.
    painter.setPen(Qt::black);
    painter.setFont(pdfFont(16, true));
    QRect used;
    painter.drawText(QRect(0, 0, pageSize.width(), cellHeight),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, document.title, &used);
    painter.setFont(pdfFont(10));
    const int shownSteps = count - (count > 0 && document.steps.back().result ? 1 : 0);
    QString under = madeLine(document.made) + QStringLiteral(" – %1 Schritte").arg(shownSteps);
    if (document.stepsInAll > shownSteps)
        under = madeLine(document.made) + QStringLiteral(" – die ersten %1 von %2 Schritten")
                                              .arg(shownSteps)
                                              .arg(document.stepsInAll);
    QRect underUsed;
    painter.drawText(QRect(0, used.bottom() + cellHeight / 20, pageSize.width(), cellHeight),
                     Qt::AlignLeft | Qt::AlignTop, under, &underUsed);
    painter.drawLine(0, underUsed.bottom() + cellHeight / 20, pageSize.width(),
                     underUsed.bottom() + cellHeight / 20);

    int page = 0;
    for (int k = 0; k < count; ++k) {
        const Slot slot = slotOf(k);
        if (slot.page != page) {
            pageNumber(page);
            if (!newPage()) return false;
            page = slot.page;
        }
        const QRect cell(slot.column * cellWidth, slot.row * cellHeight, cellWidth, cellHeight);
        drawStep(painter, cell, k + 1, document.steps[static_cast<std::size_t>(k)]);
        if (progress && !progress(k + 1)) return false;
    }
    pageNumber(page);
    return true;
}

Written writePdf(const Document& document, const std::string& fileName,
                 const std::function<bool(int)>& progress) {
    // The whole PDF in memory first: a writer opened on the file would empty
    // it at once, and a full disk would leave it broken.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool complete = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Tessaro"));
        QPainter painter;
        if (!painter.begin(&writer)) return {false, false, "PDF"};
        complete = layOut(
            document, painter, QSize(writer.width(), writer.height()),
            [&writer] { return writer.newPage(); }, progress);
        painter.end();
    }
    if (!complete) return {false, true, {}};
    try {
        writeWholeFile(fileName,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileError& e) {
        return {false, false, e.what()};
    }
    return {true, false, {}};
}

namespace {

Step treeStep(const ::Step& shown, bool result) {
    Step step;
    step.text = result ? QString() : fromUtf8(shown.text);
    step.drawing = onPaper(shown.picture.still());
    step.result = result;
    step.phases.push_back(shown.picture.record(0));
    if (shown.picture.blinks()) step.phases.push_back(shown.picture.record(1));
    step.width = shown.picture.width;
    step.height = shown.picture.height;
    if (!result) step.marks = shown.marks;
    step.questions = shown.questions;
    return step;
}

}  // namespace

std::vector<Step> treeSteps(RecordedSteps& steps) {
    std::vector<Step> out;
    while (const std::optional<::Step> step = steps.next()) out.push_back(treeStep(*step, false));
    out.push_back(treeStep(steps.end(), true));
    return out;
}

DrawingRecord listsDrawing(const std::vector<Column>& columns) {
    DrawingRecorder image(kListsWidth, kListsHeight);
    image.setBrushColor(clBtnFace);
    image.fillRect(0, 0, kListsWidth, kListsHeight);
    const int columnWidth = kListsWidth / 3;
    const int lineHeight = 14;
    for (std::size_t c = 0; c < columns.size() && c < 3; ++c) {
        const Column& column = columns[c];
        const int x = 8 + static_cast<int>(c) * columnWidth;
        image.setFontBold(true);
        image.textOut(x, 4, column.title.toStdString());
        image.setFontBold(false);
        int y = 24;
        for (const QString& line : column.lines) {
            image.textOut(x, y, line.toStdString());
            y += lineHeight;
        }
        if (column.more > 0)
            image.textOut(x, y, QStringLiteral("… (%1 weitere)").arg(column.more).toStdString());
    }
    return image.takeRecord();
}

CopyPage::CopyPage(QSize imageSize, const std::string& entry)
    : image_(imageSize.width(), imageSize.height()) {
    entry_.setText(entry);
}

std::vector<Step> recordBayerSteps(const TBayerTreeDemo& tree, QSize imageSize, int value,
                                   bool insert) {
    TBayerTreeDemo copy;
    {
        StringOutputStream out;
        {
            TWriter writer(out);
            tree.saveTo(writer);
            writer.flush();
        }
        MemoryInputStream in(out.bytes());
        TReader reader(in);
        copy.loadFrom(reader);
    }
    DrawingRecorder image(imageSize.width(), imageSize.height());
    TextField count;
    copy.zeichne(image, count);
    StepRecorder page(imageSize.width(), imageSize.height(), image.record(),
                      PageFields{"", count.text(), ""}, false);
    const std::unique_ptr<RecordedSteps> steps =
        insert ? copy.insert(page, std::make_unique<TInteger>(value))
               : copy.remove(page, std::make_unique<TInteger>(value));
    return treeSteps(*steps);
}

SortRecording::SortRecording(TListDemo& list, SortKind kind, const char* const* titles, int most)
    : copy_(std::make_unique<TListDemo>()), most_(most) {
    list.copyInto(*copy_);
    for (int c = 0; c < 3; ++c)
        names_[c] = QString::fromUtf8(titles ? titles[c] : (c == 0 ? "Quelle und Ziel" : ""));
    auto texts = std::make_shared<ListTexts>();
    run_ = std::make_unique<SortRun>(kind, *copy_,
                                     std::make_shared<const ListView>(viewList(*copy_, texts)));
}

SortRecording::~SortRecording() = default;

bool SortRecording::next() {
    if (done_) return false;
    const std::optional<::Step> shown = run_->next();
    if (!shown) {
        done_ = true;
        return false;
    }
    ++taken_;
    if (static_cast<int>(kept_.size()) < most_) kept_.push_back(stepOf(*shown, false));
    return true;
}

std::vector<Step> SortRecording::finish() {
    run_->finish();
    done_ = true;
    std::vector<Step> steps = std::move(kept_);
    steps.push_back(stepOf(run_->end(), true));
    return steps;
}

Step SortRecording::stepOf(const ::Step& shown, bool result) const {
    Step step;
    step.text = result ? QString() : fromUtf8(shown.text);
    step.result = result;
    for (int c = 0; c < 3; ++c) {
        QStringList lines;
        if (const auto& view = shown.lists[static_cast<std::size_t>(c)])
            lines = fromUtf8(view->display().text).split(QLatin1Char('\n'));
        // More than a cell can show is never printed; only the count of the
        // lines left out is kept.
        const int total = static_cast<int>(lines.size());
        const int more = std::max(0, total - kListLines);
        if (more > 0) lines = lines.mid(0, kListLines);
        step.columns.push_back({names_[c], std::move(lines), more});
    }
    step.phases.push_back(listsDrawing(step.columns));
    step.width = kListsWidth;
    step.height = kListsHeight;
    if (!result) step.marks = shown.marks;
    step.questions = shown.questions;
    return step;
}

}  // namespace handout
