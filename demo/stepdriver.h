// The step driver of the tree demonstrations: blinkAndWait shows a step text,
// lets a number and/or a line blink until "Weiter" is pressed, and clearImage
// blanks a page image. Both draw only through Surface.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "elements/platform.h"

class StepClock;
class TextOutput;

// Phases of one blink cycle; "Weiter" is noticed only at the end of a cycle.
inline constexpr int kBlinkPhaseMs = 300;

// Shows stepText in infoField (unless empty), then:
// - value absent and endVisible false: erases the line (x1, y1)-(x2, y2) at
//   once (button face), clears weiterPressed and returns without waiting;
// - otherwise blinks the line (if blinkLine) and the value written at (x2, y2)
//   in two 300 ms phases per cycle until weiterPressed is seen after a cycle;
//   endVisible chooses whether the figure ends black or erased. Clears
//   weiterPressed on return. Propagates DemoCancelled from the clock.
void blinkAndWait(Surface& image, TextOutput& infoField, StepClock& clock,
                  std::string_view stepText, std::optional<std::int32_t> value, int x1, int y1,
                  int x2, int y2, bool blinkLine, bool endVisible);

// Fills the whole image with the button-face colour, which stays the brush
// colour afterwards (the background of the numbers written later).
void clearImage(Surface& image);
