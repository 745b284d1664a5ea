// Web pages: the steps of a demonstration, recorded like a handout
// (handout::Step), as one self-contained HTML file (workbench/webpage.h)
// that plays them in any browser; a step stands as long as the "Tempo"
// setting says while "Abspielen" plays. The file is written as safely as a
// structure file.
#pragma once

#include <string>

#include "ui/pages/handout.h"
#include "workbench/webpage.h"

namespace webexport {

namespace text {
inline constexpr const char* caption = "Als &Webseite speichern…";
inline constexpr const char* treeHint =
    "Speichert alle Schritte als Webseite, die sie in jedem Browser vorführt";
inline constexpr const char* sortHint =
    "Speichert alle Schritte eines Sortierverfahrens für die aktuelle Liste als Webseite, die "
    "sie in jedem Browser vorführt";
inline constexpr const char* notWritten = "Die Webseite konnte nicht gespeichert werden.";
inline constexpr const char* cancelled = "Die Webseite wurde abgebrochen und nicht gespeichert.";
}  // namespace text

inline constexpr const char* extension = "html";
inline constexpr const char* filter = "Webseiten (*.html)|*.html";

// The page's document: the handout's title and date line, each step with its
// heading ("Schritt 3", the result "Ergebnis"), text, picture and code.
webpage::Document documentOf(const handout::Document& document, int stepMs);

// Writes the page into the file; "" or why it could not (German).
handout::Written writeHtml(const handout::Document& document, int stepMs,
                           const std::string& fileName);

}  // namespace webexport
