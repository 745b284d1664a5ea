// picturefile: a page's picture (PagePicture) as a PNG image at 1x, 2x or 3x,
// as an SVG file of lines, rectangles and text, or painted on any painter
// (the printer). Needs a QGuiApplication; no widgets.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>
#include <string_view>

#include "workbench/structurepicture.h"

class QPainter;

namespace picturefile {

enum class Format { png, svg };

// Why a PNG could not be made: its image could not be had.
inline constexpr const char* kTooLarge = "Das Bild ist zu groß";

// The format a file name asks for by its extension (letter case ignored).
std::optional<Format> formatOf(std::string_view fileName);

// The picture drawn at the scale into a new image of its size times scale,
// pixel for pixel as the page image at scale 1.
QImage render(const PagePicture& picture, int scale);

// As render, but a picture beyond structurepicture::kMostPixels at the scale
// is drawn as vectors into an image of structurepicture::withinLimit's size.
QImage renderWithin(const PagePicture& picture, int scale);

// The picture as vector drawing on painter, in the picture's pixels (the
// caller scales the painter to the device).
void paint(const PagePicture& picture, QPainter& painter);

// The picture as vector drawing on the painter's whole device (a printer's
// page within its margins), as large as fits with its proportions kept,
// centred.
void paintFitted(const PagePicture& picture, QPainter& painter);

// Writes the picture into the file: a PNG at the scale (renderWithin), or an
// SVG. The file is made in memory and then written as structure files are
// saved (writeWholeFile): an existing file is replaced only when the new one
// is complete and stays as it was on any failure. Returns "" or why the file
// could not be written (German, the system's reason included).
std::string write(const PagePicture& picture, const std::string& fileName, Format format,
                  int scale);

// The bytes as the whole new content of the file, the same way; "" or the
// German reason.
std::string writeBytes(const std::string& fileName, const QByteArray& bytes);

}  // namespace picturefile
