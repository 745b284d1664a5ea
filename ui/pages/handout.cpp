#include "ui/pages/handout.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "demo/bayertreedemo.h"
#include "demo/listdemo.h"
#include "demo/sortstage.h"
#include "demo/stepdriver.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"

namespace handout {

namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Steps per page: two columns of four rows; on the first page the title
// takes the place of one row.
constexpr int kColumns = 2;
constexpr int kRows = 4;
// Lines of a list shown at most; a longer list ends with a line saying how
// many more there are.
constexpr int kListLines = 28;

// The page image for paper: the button face becomes white, the drawing stays
// black.
QImage forPaper(const QImage& picture) {
    QImage paper = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb face = ImageSurface::toQColor(clBtnFace).rgb();
    for (int y = 0; y < paper.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
        for (int x = 0; x < paper.width(); ++x)
            if (line[x] == face) line[x] = qRgb(255, 255, 255);
    }
    return paper;
}

QFont pdfFont(double points, bool bold = false, bool fixed = false) {
    QFont font(fixed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    if (fixed) font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void drawLists(QPainter& painter, const QRect& area, const std::vector<Column>& columns) {
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

void drawStep(QPainter& painter, const QRect& cell, int number, const Step& step) {
    const int pad = cell.width() / 60;
    const QRect inner = cell.adjusted(pad, pad, -pad, -pad);
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(pdfFont(9, true));
    const QString heading = QStringLiteral("Schritt %1").arg(number);
    QRect used;
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, heading, &used);
    painter.setFont(pdfFont(8.5));
    QRect textUsed;
    const QRect textArea(inner.left(), used.bottom() + pad / 2, inner.width(),
                         inner.bottom() - used.bottom());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, step.text,
                     &textUsed);
    const QRect rest(inner.left(), std::max(textUsed.bottom(), used.bottom()) + pad, inner.width(),
                     inner.bottom() - std::max(textUsed.bottom(), used.bottom()) - pad);
    if (!step.picture.isNull() && rest.height() > 0) {
        QSize size = step.picture.size();
        size.scale(rest.size(), Qt::KeepAspectRatio);
        const QRect target(rest.left() + (rest.width() - size.width()) / 2, rest.top(),
                           size.width(), size.height());
        painter.drawImage(target, forPaper(step.picture));
        painter.drawRect(target);
    } else {
        drawLists(painter, rest, step.columns);
    }
}

}  // namespace

QString madeLine(const QDateTime& made) {
    return QStringLiteral("Erstellt am %1 um %2 Uhr")
        .arg(made.toString(QStringLiteral("dd.MM.yyyy")), made.toString(QStringLiteral("HH:mm")));
}

bool layOut(const Document& document, QPainter& painter, QSize pageSize,
            const std::function<bool()>& newPage, const std::function<bool(int)>& progress) {
    const QRect page(QPoint(0, 0), pageSize);
    const int cellWidth = page.width() / kColumns;
    const int cellHeight = page.height() / kRows;

    // The title block above the steps of the first page.
    painter.setPen(Qt::black);
    painter.setFont(pdfFont(16, true));
    QRect used;
    painter.drawText(page, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, document.title, &used);
    painter.setFont(pdfFont(10));
    const QString under =
        madeLine(document.made) + QStringLiteral(" – %1 Schritte").arg(document.steps.size());
    QRect underUsed;
    painter.drawText(QRect(0, used.bottom() + cellHeight / 20, page.width(), cellHeight),
                     Qt::AlignLeft | Qt::AlignTop, under, &underUsed);
    const int titleBottom = underUsed.bottom() + cellHeight / 10;
    painter.drawLine(0, underUsed.bottom() + cellHeight / 20, page.width(),
                     underUsed.bottom() + cellHeight / 20);
    int top = titleBottom;
    int column = 0;
    for (std::size_t k = 0; k < document.steps.size(); ++k) {
        if (top + cellHeight > page.height()) {
            if (!newPage()) return false;
            top = 0;
        }
        const QRect cell(column * cellWidth, top, cellWidth, cellHeight);
        drawStep(painter, cell, static_cast<int>(k) + 1, document.steps[k]);
        if (++column == kColumns) {
            column = 0;
            top += cellHeight;
        }
        if (progress && !progress(static_cast<int>(k) + 1)) return false;
    }
    return true;
}

bool writePdf(const Document& document, const QString& fileName,
              const std::function<bool(int)>& progress) {
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Tessaro"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const bool complete = layOut(
        document, painter, QSize(writer.width(), writer.height()),
        [&writer] { return writer.newPage(); }, progress);
    const bool written = painter.end();
    if (!complete) QFile::remove(fileName);
    return complete && written;
}

void StringOutput::addLine(std::string_view utf8) {
    if (!text_.empty()) text_ += '\n';
    text_ += utf8;
}

void StringOutput::appendText(std::string_view utf8) { text_ += utf8; }

QImage darker(const QImage& a, const QImage& b) {
    QImage result = a.convertToFormat(QImage::Format_RGB32);
    const QImage other = b.convertToFormat(QImage::Format_RGB32);
    if (other.size() != result.size()) return result;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(other.constScanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (qGray(from[x]) < qGray(line[x])) line[x] = from[x];
    }
    return result;
}

namespace {

// Takes a step at each waiting point of clock: the info text, and the image
// of every blink phase merged into one picture that shows the blinking
// figure.
void recordPictures(HandoutClock& clock, std::vector<Step>& steps, const TextOutput& info,
                    const QImage& image) {
    clock.onPause = [&steps, &info, &image](bool firstOfStep) {
        if (firstOfStep) {
            steps.push_back({fromUtf8(info.text()), image.copy(), {}});
        } else if (!steps.empty()) {
            steps.back().picture = darker(steps.back().picture, image);
        }
    };
}

}  // namespace

RecordingTreePage::RecordingTreePage(QSize imageSize, const std::string& entry)
    : image_(imageSize, QImage::Format_RGB32), surface_(image_), zoomed_(surface_, imageSize) {
    image_.fill(ImageSurface::toQColor(clBtnFace));
    zoomed_.setZoom(kPictureZoom);
    entry_.setText(entry);
    recordPictures(clock_, steps, info_, zoomed_.zoomed());
}

std::vector<Step> recordBayerSteps(const TBayerTreeDemo& tree, QSize imageSize, int value,
                                   bool insert) {
    HandoutClock clock;
    TBayerTreeDemo copy(clock);
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
    QImage image(imageSize, QImage::Format_RGB32);
    ImageSurface plain(image);
    ZoomSurface surface(plain, imageSize);
    surface.setZoom(kPictureZoom);
    StringOutput info;
    StringOutput count;
    copy.zeichne(surface, count);
    std::vector<Step> steps;
    recordPictures(clock, steps, info, surface.zoomed());
    if (insert) {
        copy.insert(surface, info, std::make_unique<TInteger>(value));
    } else {
        copy.remove(surface, info, std::make_unique<TInteger>(value));
    }
    return steps;
}

std::vector<Step> recordSortSteps(TListDemo& list, SortRun sort, const SortStage& windowStage,
                                  const char* const* titles,
                                  const std::function<bool(int)>& keepGoing) {
    TListDemo copy;
    list.copyInto(copy);
    StringOutput quelle, zwischen1, zwischen2, info;
    SortStage stage(quelle, zwischen1, zwischen2, info);
    HandoutClock clock;
    stage.clock = &clock;
    stage.elementClassName = windowStage.elementClassName;
    stage.stepLevel = 3;
    TListDemo::showList(copy, quelle);
    const QString names[3] = {QString::fromUtf8(titles ? titles[0] : "Quelle und Ziel"),
                              QString::fromUtf8(titles ? titles[1] : ""),
                              QString::fromUtf8(titles ? titles[2] : "")};
    const TextOutput* memos[3] = {&quelle, &zwischen1, &zwischen2};
    std::vector<Step> steps;
    bool stopped = false;
    clock.onPause = [&](bool firstOfStep) {
        if (!firstOfStep) return;
        Step step{fromUtf8(info.text()), QImage(), {}};
        for (int c = 0; c < 3; ++c) {
            QStringList lines = fromUtf8(memos[c]->text()).split(QLatin1Char('\n'));
            if (lines.size() == 1 && lines.front().isEmpty()) lines.clear();
            // More than a cell can show is never printed; only the count of
            // the lines left out is kept.
            const int total = static_cast<int>(lines.size());
            const int more = std::max(0, total - kListLines);
            if (more > 0) lines = lines.mid(0, kListLines);
            step.columns.push_back({names[c], std::move(lines), more});
        }
        steps.push_back(std::move(step));
        if (keepGoing && !keepGoing(static_cast<int>(steps.size()))) {
            stopped = true;
            throw DemoCancelled{};
        }
    };
    sort(copy, stage);
    if (stopped || stage.cancelled) steps.clear();
    return steps;
}

}  // namespace handout
