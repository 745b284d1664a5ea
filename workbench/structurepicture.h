// PagePicture: what a page of the main window shows, as a drawing that any
// Surface can draw again: the tree pages' image as it stands, the list, the
// stack and the queue as boxes holding their values in order, the n-ary tree
// as an indented tree of boxes. A demonstration's step text can stand under
// the drawing. Qt-free: the pages and tessaro-inspect write it into picture
// files and print it through a painter surface.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "elements/drawingrecord.h"
#include "elements/platform.h"

struct PagePicture {
    // The drawing's size in pixels, without the caption.
    int width = 0;
    int height = 0;
    DrawingRecord drawing;
    // UTF-8; drawn in a band under the drawing when not empty.
    std::string caption;
    int captionWidth = 0;
};

namespace structurepicture {

// The most values or nodes drawn; a line under them names how many follow.
inline constexpr int kMostShown = 2000;
inline constexpr int kMostShownNodes = 500;
// Height of the caption band.
inline constexpr int kCaptionHeight = 21;
// The most characters of a value or node text a box shows: a picture is for
// reading, and one long text would make every box of a row as wide.
inline constexpr int kMostBoxCharacters = 40;
// The most pixels of a PNG picture: drawn and compressed in well under a
// second and 64 MB of image. A larger picture is scaled down to it (the
// window asks first, tessaro-inspect says so).
inline constexpr long long kMostPixels = 16'000'000;

enum class Row { list, stack, queue };

// The values (UTF-8) as boxes: the list and the queue in rows from left to
// right (the list from its start, the queue from its front, marked "vorn"
// and "hinten"), the stack in columns from the top down (marked "oben").
// cursor: for the list, the number of elements in front of its cursor,
// drawn as a bar between two boxes. measure (lent, may be null) gives the
// text widths.
PagePicture linearPicture(Row row, const std::vector<std::string>& values, int cursor,
                          Surface* measure);
// The same for a structure of count values of which values holds the first
// (at least as many as are drawn), so that a picture of a large structure
// need not copy every value.
PagePicture linearPicture(Row row, const std::vector<std::string>& values, std::size_t count,
                          int cursor, Surface* measure);

// The lines a structure's write puts out, as linearPicture needs them: the
// first kMostShown are kept, all are counted.
class ShownLines final : public TextOutput {
public:
    void addLine(std::string_view utf8) override;
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override;
    // The kept lines joined by "\n".
    std::string text() const override;

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t count() const { return count_; }

private:
    std::vector<std::string> lines_;
    std::size_t count_ = 0;
};

// One node of the n-ary tree in pre-order; the root has level 1.
struct OutlineNode {
    int level = 1;
    std::string text;  // UTF-8
};
// The nodes as boxes indented by level, each joined to its parent by lines.
PagePicture ntreePicture(const std::vector<OutlineNode>& nodes, Surface* measure);

// A page image of width x height as the record draws it.
PagePicture imagePicture(int width, int height, const DrawingRecord& drawing);

// The text as a box shows it: up to kMostBoxCharacters characters (UTF-8
// sequences counted as one and never cut), a longer one cut to one less and
// ending in "…".
std::string boxText(std::string_view utf8);

// Puts the text under the picture (a demonstration's step text).
void setCaption(PagePicture& picture, std::string caption, Surface* measure);

// The whole picture's size: the drawing with the caption band.
int totalWidth(const PagePicture& picture);
int totalHeight(const PagePicture& picture);

// Draws the whole picture on target, whose size is the total size.
void draw(const PagePicture& picture, Surface& target);

struct PixelSize {
    int width = 0;
    int height = 0;
    long long pixels() const { return static_cast<long long>(width) * height; }
    bool operator==(const PixelSize&) const = default;
};

// The whole picture's size in pixels at the scale (at least 1 x 1).
PixelSize pixelSize(const PagePicture& picture, int scale);

// size itself when it has at most kMostPixels; otherwise scaled down to
// them with its proportions kept (each side at least 1 pixel).
PixelSize withinLimit(PixelSize size);

// "Das Bild wäre B × H Pixel groß." for a size beyond the limit.
std::string tooLargeText(PixelSize size);
// "b × h"
std::string sizeText(PixelSize size);

}  // namespace structurepicture
