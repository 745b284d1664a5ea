// The pictures of the main window's pages: "Bild speichern…" (Ctrl+Shift+S)
// writes what a page shows into a PNG (1x, 2x or 3x, chosen in the save
// dialog's file type list) or an SVG file; "Drucken…" (Ctrl+P) prints it
// through the print dialog. Both are in the page's context menu and work
// while the focus is on the page, also during a demonstration step (the
// picture then carries the step text).
#pragma once

#include <functional>
#include <string>

#include "workbench/structurepicture.h"

class PageHost;
class QAction;
class QWidget;

namespace picturetext {
inline constexpr const char* saveCaption = "Bild &speichern…";
inline constexpr const char* saveHint = "Speichert das Bild der Seite als PNG- oder SVG-Datei";
inline constexpr const char* printCaption = "&Drucken…";
inline constexpr const char* printHint = "Druckt das Bild der Seite";
// The save dialog's file types; the first three are PNG at 1x, 2x and 3x.
inline constexpr const char* filter =
    "PNG-Bild (*.png)|*.png|PNG-Bild, doppelte Größe (*.png)|*.png|"
    "PNG-Bild, dreifache Größe (*.png)|*.png|SVG-Vektorgrafik (*.svg)|*.svg";
inline constexpr const char* cannotWrite = "Das Bild konnte nicht gespeichert werden";
inline constexpr const char* cannotPrint = "Das Bild konnte nicht gedruckt werden";
// The second line of the question before a PNG beyond the limit.
inline constexpr const char* svgKeepsSize =
    "Als SVG-Vektorgrafik gespeichert behält es seine volle Größe.";
// "Das Bild wäre B × H Pixel groß. Verkleinert auf b × h speichern?" and
// svgKeepsSize on a second line.
std::string shrinkQuestion(structurepicture::PixelSize full, structurepicture::PixelSize fitted);
}  // namespace picturetext

// Gives page the two actions (object names "ActionBildSpeichern" and
// "ActionDrucken") in its context menu and as shortcuts for the page and its
// children. picture makes what the page shows at the moment of the request.
// host is lent and must outlive the page.
void installPictureActions(QWidget& page, PageHost& host, std::function<PagePicture()> picture);

// The two actions' work: the save dialog, then the file; the print dialog,
// then the printer. A PNG beyond structurepicture::kMostPixels is written
// scaled down to the limit after a question ("Nein": nothing is written).
// Printing fits the picture into the page's printable area, centred; printing
// into a file makes the PDF in memory and writes it as "Bild speichern…"
// writes its files. A file that cannot be written is reported with
// cannotWrite or cannotPrint and the reason on a second line; the old file
// stays as it was.
void savePicture(PageHost& host, const PagePicture& picture);
void printPicture(PageHost& host, const PagePicture& picture);

// The picture of a page with an image: the image as drawn; while a step of a
// demonstration is shown (null: none), that step drawn from its values with
// its blinking figure shown and the step text under it.
class ImageView;
struct Step;
PagePicture imagePagePicture(const ImageView& image, const Step* step);
