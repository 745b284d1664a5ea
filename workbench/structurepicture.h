// PagePicture: what a page of the main window shows, as a drawing that any
// Surface can draw again: the tree pages' image as it stands, the list, the
// stack and the queue as boxes holding their values in order, the n-ary tree
// as an indented tree of boxes. A demonstration's step text can stand under
// the drawing. Qt-free: the pages and tessaro-inspect write it into picture
// files and print it through a painter surface.
#pragma once

#include <string>
#include <vector>

#include "elements/drawingrecord.h"

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

enum class Row { list, stack, queue };

// The values (UTF-8) as boxes: the list and the queue in rows from left to
// right (the list from its start, the queue from its front, marked "vorn"
// and "hinten"), the stack in columns from the top down (marked "oben").
// cursor: for the list, the number of elements in front of its cursor,
// drawn as a bar between two boxes. measure (lent, may be null) gives the
// text widths.
PagePicture linearPicture(Row row, const std::vector<std::string>& values, int cursor,
                          Surface* measure);

// One node of the n-ary tree in pre-order; the root has level 1.
struct OutlineNode {
    int level = 1;
    std::string text;  // UTF-8
};
// The nodes as boxes indented by level, each joined to its parent by lines.
PagePicture ntreePicture(const std::vector<OutlineNode>& nodes, Surface* measure);

// A page image of width x height as the record draws it.
PagePicture imagePicture(int width, int height, const DrawingRecord& drawing);

// Puts the text under the picture (a demonstration's step text).
void setCaption(PagePicture& picture, std::string caption, Surface* measure);

// The whole picture's size: the drawing with the caption band.
int totalWidth(const PagePicture& picture);
int totalHeight(const PagePicture& picture);

// Draws the whole picture on target, whose size is the total size.
void draw(const PagePicture& picture, Surface& target);

}  // namespace structurepicture
