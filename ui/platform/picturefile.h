// picturefile: a page's picture (PagePicture) as a PNG image at 1x, 2x or 3x,
// as an SVG file of lines, rectangles and text, or painted on any painter
// (the printer). Needs a QGuiApplication; no widgets.
#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <string_view>

#include "workbench/structurepicture.h"

class QPainter;

namespace picturefile {

enum class Format { png, svg };

// The format a file name asks for by its extension (letter case ignored).
std::optional<Format> formatOf(std::string_view fileName);

// The picture drawn at the scale into a new image of its size times scale,
// pixel for pixel as the page image at scale 1.
QImage render(const PagePicture& picture, int scale);

// The picture as vector drawing on painter, in the picture's pixels (the
// caller scales the painter to the device).
void paint(const PagePicture& picture, QPainter& painter);

// Writes the picture into the file (a PNG at the scale, or an SVG); an
// existing file is replaced only when the new one is complete. Returns "" or
// why the file could not be written (German).
std::string write(const PagePicture& picture, const std::string& fileName, Format format,
                  int scale);

}  // namespace picturefile
