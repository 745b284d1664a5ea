#include "workbench/structurepicture.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace structurepicture {

namespace {

constexpr Color kRed = 0x0000FF;
constexpr int kMargin = 12;
constexpr int kBoxHeight = 21;
constexpr int kGap = 10;
// Room above a line of boxes for "Cursor", "vorn", "hinten", "oben".
constexpr int kLabelBand = 16;
constexpr int kLineAdvance = kLabelBand + kBoxHeight + 8;
// Widest a row of boxes grows before it wraps; boxes per stack column.
constexpr int kRowWidth = 760;
constexpr int kColumnLength = 16;
constexpr int kStackAdvance = kBoxHeight + 4;
// The n-ary tree: a row per node, the indentation per level up to a depth.
constexpr int kNodeHeight = 18;
constexpr int kNodeAdvance = 22;
constexpr int kIndent = 24;
constexpr int kDeepestIndent = 30;
constexpr int kMoreHeight = 18;

void pageFont(Surface& s) {
    s.setFontName("MS Sans Serif");
    s.setFontSize(8);
    s.setFontBold(false);
    s.setFontColor(clBlack);
}

void background(DrawingRecorder& rec, int width, int height) {
    rec.setSize(width, height);
    rec.setBrushColor(clWhite);
    rec.fillRect(0, 0, width, height);
}

std::string moreText(std::size_t more, const char* what) {
    return "\xE2\x80\xA6 und " + std::to_string(more) + " weitere " + what;
}

PagePicture finish(DrawingRecorder& rec) {
    PagePicture picture;
    picture.width = rec.width();
    picture.height = rec.height();
    picture.drawing = rec.takeRecord();
    return picture;
}

}  // namespace

PagePicture linearPicture(Row row, const std::vector<std::string>& values, int cursor,
                          Surface* measure) {
    return linearPicture(row, values, values.size(), cursor, measure);
}

PagePicture linearPicture(Row row, const std::vector<std::string>& values, std::size_t count,
                          int cursor, Surface* measure) {
    DrawingRecorder rec(0, 0, measure);
    pageFont(rec);
    const int shown = static_cast<int>(
        std::min<std::size_t>({values.size(), count, static_cast<std::size_t>(kMostShown)}));
    if (shown == 0) {
        const char* empty = "(leer)";
        background(rec, std::max(120, 2 * kMargin + rec.textWidth(empty)), 2 * kMargin + 13);
        rec.textOut(kMargin, kMargin, empty);
        return finish(rec);
    }

    std::vector<std::string> texts(static_cast<std::size_t>(shown));
    for (int i = 0; i < shown; ++i) texts[i] = boxText(values[i]);
    int widest = 14;
    for (const std::string& text : texts) widest = std::max(widest, rec.textWidth(text));
    const int boxWidth = std::max(28, widest + 12);
    const bool rows = row != Row::stack;
    const int perLine =
        rows ? std::max(1, (kRowWidth - 2 * kMargin + kGap) / (boxWidth + kGap)) : kColumnLength;
    const int lines = (shown + perLine - 1) / perLine;
    const int more = static_cast<int>(count) - shown;
    struct Place {
        int x, y;
    };
    const auto place = [&](int i) -> Place {
        if (rows) {
            return {kMargin + (i % perLine) * (boxWidth + kGap),
                    kMargin + kLabelBand + (i / perLine) * kLineAdvance};
        }
        return {kMargin + (i / perLine) * (boxWidth + kGap),
                kMargin + kLabelBand + (i % perLine) * kStackAdvance};
    };
    int width, height;
    if (rows) {
        width = 2 * kMargin + std::min(shown, perLine) * (boxWidth + kGap) - kGap;
        height = 2 * kMargin + lines * kLineAdvance - 8;
    } else {
        width = 2 * kMargin + lines * (boxWidth + kGap) - kGap;
        height = 2 * kMargin + kLabelBand + std::min(shown, perLine) * kStackAdvance - 4;
    }
    std::string moreLine;
    if (more > 0) {
        moreLine = moreText(static_cast<std::size_t>(more), "Elemente");
        width = std::max(width, 2 * kMargin + rec.textWidth(moreLine));
        height += kMoreHeight;
    }
    background(rec, width, height);

    rec.setPenColor(clBlack);
    rec.setBrushColor(clWhite);
    for (int i = 0; i < shown; ++i) {
        const Place p = place(i);
        rec.rectangle(p.x, p.y, p.x + boxWidth, p.y + kBoxHeight);
        rec.textOut(p.x + (boxWidth - rec.textWidth(texts[i])) / 2, p.y + 4, texts[i]);
    }
    const auto label = [&](int x, int y, const char* text) {
        rec.textOut(std::max(2, x), y - kLabelBand, text);
    };
    if (row == Row::stack) label(place(0).x, place(0).y, "oben");
    if (row == Row::queue) {
        if (shown == 1 && more == 0) {
            label(place(0).x, place(0).y, "vorn = hinten");
        } else {
            label(place(0).x, place(0).y, "vorn");
            if (more == 0) label(place(shown - 1).x, place(shown - 1).y, "hinten");
        }
    }
    if (row == Row::list && cursor >= 0 && cursor <= shown) {
        // The cursor stands between two elements: a bar in the gap in front
        // of box `cursor`, or behind the last box.
        const Place p = cursor < shown ? place(cursor) : place(shown - 1);
        const int barX = cursor < shown ? p.x - kGap / 2 - 1 : p.x + boxWidth + kGap / 2 - 1;
        rec.setBrushColor(kRed);
        rec.fillRect(barX, p.y - 3, barX + 3, p.y + kBoxHeight + 3);
        rec.setBrushColor(clWhite);
        rec.setFontColor(kRed);
        label(barX + 1 - rec.textWidth("Cursor") / 2, p.y - 3, "Cursor");
        rec.setFontColor(clBlack);
    }
    if (more > 0) rec.textOut(kMargin, height - kMargin - 13, moreLine);
    return finish(rec);
}

void ShownLines::addLine(std::string_view utf8) {
    if (lines_.size() < static_cast<std::size_t>(kMostShown)) lines_.emplace_back(utf8);
    ++count_;
}

void ShownLines::appendText(std::string_view utf8) {
    if (count_ == 0) {
        addLine(utf8);
    } else if (count_ == lines_.size()) {
        lines_.back() += utf8;
    }
}

void ShownLines::setText(std::string_view utf8) {
    lines_.clear();
    count_ = 0;
    if (utf8.empty()) return;
    for (std::size_t start = 0;;) {
        const std::size_t end = utf8.find('\n', start);
        addLine(utf8.substr(start, end - start));
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

std::string ShownLines::text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines_[i];
    }
    return text;
}

PagePicture ntreePicture(const std::vector<OutlineNode>& nodes, Surface* measure) {
    DrawingRecorder rec(0, 0, measure);
    pageFont(rec);
    const int shown = static_cast<int>(std::min<std::size_t>(nodes.size(), kMostShownNodes));
    if (shown == 0) return linearPicture(Row::list, {}, -1, measure);

    const auto xOf = [](int level) {
        return kMargin + kIndent * std::clamp(level - 1, 0, kDeepestIndent);
    };
    const auto yOf = [](int i) { return kMargin + i * kNodeAdvance; };
    std::vector<std::string> texts(static_cast<std::size_t>(shown));
    std::vector<int> widths(static_cast<std::size_t>(shown));
    int width = 0;
    for (int i = 0; i < shown; ++i) {
        texts[i] = boxText(nodes[i].text);
        widths[i] = rec.textWidth(texts[i]) + 10;
        width = std::max(width, xOf(nodes[i].level) + widths[i] + kMargin);
    }
    int height = 2 * kMargin + shown * kNodeAdvance - (kNodeAdvance - kNodeHeight);
    const int more = static_cast<int>(nodes.size()) - shown;
    std::string moreLine;
    if (more > 0) {
        moreLine = moreText(static_cast<std::size_t>(more), "Knoten");
        width = std::max(width, 2 * kMargin + rec.textWidth(moreLine));
        height += kMoreHeight;
    }
    background(rec, width, height);

    // Lines first: each node joined to its parent, the nearest node before
    // it on a lower level.
    rec.setPenColor(clBlack);
    std::vector<int> open;  // indexes of the nodes on the path to the current one
    for (int i = 0; i < shown; ++i) {
        while (!open.empty() && nodes[open.back()].level >= nodes[i].level) open.pop_back();
        if (!open.empty()) {
            const int parent = open.back();
            const int px = xOf(nodes[parent].level) + 8;
            const int midY = yOf(i) + kNodeHeight / 2;
            rec.moveTo(px, yOf(parent) + kNodeHeight);
            rec.lineTo(px, midY);
            rec.lineTo(xOf(nodes[i].level), midY);
        }
        open.push_back(i);
    }
    rec.setBrushColor(clWhite);
    for (int i = 0; i < shown; ++i) {
        const int x = xOf(nodes[i].level);
        rec.rectangle(x, yOf(i), x + widths[i], yOf(i) + kNodeHeight);
        rec.textOut(x + 5, yOf(i) + 3, texts[i]);
    }
    if (more > 0) rec.textOut(kMargin, height - kMargin - 13, moreLine);
    return finish(rec);
}

std::string boxText(std::string_view utf8) {
    // Each character starts with a byte that is no UTF-8 continuation byte.
    const auto starts = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    int characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!starts(utf8[i])) continue;
        if (characters == kMostBoxCharacters - 1) {
            // The text's end is near: the rest may fit whole.
            const auto rest =
                std::count_if(utf8.begin() + static_cast<std::ptrdiff_t>(i), utf8.end(), starts);
            if (rest <= 1) return std::string(utf8);
            return std::string(utf8.substr(0, i)) + "\xE2\x80\xA6";
        }
        ++characters;
    }
    return std::string(utf8);
}

PagePicture imagePicture(int width, int height, const DrawingRecord& drawing) {
    PagePicture picture;
    picture.width = width;
    picture.height = height;
    picture.drawing = drawing;
    return picture;
}

void setCaption(PagePicture& picture, std::string caption, Surface* measure) {
    DrawingRecorder rec(0, 0, measure);
    pageFont(rec);
    picture.captionWidth = caption.empty() ? 0 : rec.textWidth(caption) + 8;
    picture.caption = std::move(caption);
}

int totalWidth(const PagePicture& picture) { return std::max(picture.width, picture.captionWidth); }

int totalHeight(const PagePicture& picture) {
    return picture.height + (picture.caption.empty() ? 0 : kCaptionHeight);
}

void draw(const PagePicture& picture, Surface& target) {
    picture.drawing.replay(target);
    if (picture.caption.empty()) return;
    const int width = totalWidth(picture);
    target.setBrushColor(clBtnFace);
    if (width > picture.width) target.fillRect(picture.width, 0, width, picture.height);
    target.fillRect(0, picture.height, width, totalHeight(picture));
    pageFont(target);
    target.textOut(4, picture.height + 4, picture.caption);
}

PixelSize pixelSize(const PagePicture& picture, int scale) {
    return {std::max(1, totalWidth(picture) * scale), std::max(1, totalHeight(picture) * scale)};
}

PixelSize withinLimit(PixelSize size) {
    if (size.pixels() <= kMostPixels) return size;
    const double factor = std::sqrt(static_cast<double>(kMostPixels) / size.pixels());
    PixelSize fitted{std::max(1, static_cast<int>(size.width * factor)),
                     std::max(1, static_cast<int>(size.height * factor))};
    // A side held at one pixel leaves the other all the pixels.
    if (fitted.pixels() > kMostPixels) {
        if (fitted.width == 1) fitted.height = static_cast<int>(kMostPixels);
        if (fitted.height == 1) fitted.width = static_cast<int>(kMostPixels);
    }
    return fitted;
}

std::string sizeText(PixelSize size) {
    return std::to_string(size.width) + " × " + std::to_string(size.height);
}

std::string tooLargeText(PixelSize size) {
    return "Das Bild wäre " + sizeText(size) + " Pixel groß.";
}

}  // namespace structurepicture
