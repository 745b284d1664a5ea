// The projector view: the pages of the main window and the sort window drawn
// larger, 100 % to 300 %. A zoom scales the designed geometry and font of
// every widget that the window places itself (the pages' absolute layout) and
// the window's size; page images draw their pictures at that scale. The
// designed values are remembered at the first zoom, so 100 % restores them
// exactly; a window never zoomed is never touched.
#pragma once

class QWidget;

namespace zoom {

// The zoom steps of Ctrl+Plus and Ctrl+Minus, in percent.
inline constexpr int kSteps[] = {100, 125, 150, 200, 250, 300};

// The next step above (direction > 0) or below (direction < 0) percent,
// staying at the ends; percent itself rounded to a step for direction 0.
int step(int percent, int direction);

// Zooms window (a top-level window) and everything in it that belongs to it
// (not the other windows it parents) to percent of the designed sizes.
void apply(QWidget* window, int percent);

}  // namespace zoom
