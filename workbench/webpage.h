// WebPage: a demonstration as one self-contained HTML file (UTF-8, no
// network, no other file): every step's picture as inline SVG drawn from its
// drawing record, blinking in its two phases as in the window, its text and
// the marked lines of the pseudo-code, with "Zurück", "Weiter" and
// "Abspielen" and the keys of the window: arrow left and right, Space.
// The address may name a step to begin with ("#step=3"); "#keys=RRLS" plays
// keys at once after loading (R right, L left, S Space), which lets a browser
// without a keyboard step through the page. Qt-free.
//
// With the questions ("Vorhersagen"): a step with questions shows them first,
// each with its answers as buttons; a click tells "Richtig" or "Leider
// falsch: richtig ist …" and why, and once every question of the step is
// answered the step's text and picture appear. The keys 1 to 5 (also in
// "#keys=") answer the shown step's first open question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo/step.h"
#include "elements/drawingrecord.h"

namespace webpage {

namespace text {
inline constexpr const char* back = "Zurück";
inline constexpr const char* forward = "Weiter";
inline constexpr const char* play = "Abspielen";
inline constexpr const char* pause = "Pause";
inline constexpr const char* algorithm = "Algorithmus";
inline constexpr const char* keys = "Tasten: Pfeil links und rechts, Leertaste spielt ab";
}  // namespace text

struct Step {
    // "Schritt 3" or "Ergebnis".
    std::string heading;
    std::string text;  // UTF-8
    int width = 0;
    int height = 0;
    // The picture in each blink phase (one record when it stands still).
    std::vector<DrawingRecord> phases;
    CodeMarks marks;
    // Asked before the step when the document asks questions.
    std::vector<Question> questions;
};

struct Document {
    std::string title;
    std::string made;  // the line under the title
    std::vector<Step> steps;
    // How long a step stands while "Abspielen" plays, in milliseconds.
    int stepMs = 1500;
    // The questions are asked before their steps.
    bool predict = false;
};

// The text with &, <, >, " and ' written as character references, fit for
// element content and attribute values; other bytes as they are.
std::string escape(std::string_view utf8);

// "#RRGGBB" of a colour; the system colours as the window shows them by
// default (button face #F0F0F0).
std::string cssColor(Color color);

// The record drawn as an SVG group of shapes and texts (no <svg> element).
std::string svgShapes(const DrawingRecord& record);

// The whole page.
std::string page(const Document& document);

}  // namespace webpage
