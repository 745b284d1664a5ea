// The projector view: the pages of the main window and the sort window drawn
// larger, 100 % to 300 %. A zoom scales the designed geometry and font of
// every widget that the window places itself (the pages' absolute layout) and
// the window's size; page images draw their pictures at that scale. The
// designed values are remembered at the first zoom, so 100 % restores them
// exactly; a window never zoomed is never touched.
#pragma once

#include <QRect>

class QWidget;

namespace zoom {

// The zoom steps of Ctrl+Plus and Ctrl+Minus, in percent.
inline constexpr int kSteps[] = {100, 125, 150, 200, 250, 300};

// The next step above (direction > 0) or below (direction < 0) percent,
// staying at the ends; percent itself rounded to a step for direction 0.
int step(int percent, int direction);

// value at percent, rounded.
int scaled(int value, int percent);

// What apply does with the window's own size.
enum class WindowSize { zoom, keep };

// Zooms window (a top-level window) and everything in it that belongs to it
// (not the other windows it parents) to percent of the designed sizes: the
// widgets' geometry and fonts and the buttons' icon sizes. With
// WindowSize::keep the window's size stays; it places itself (ScreenFit).
void apply(QWidget* window, int percent, WindowSize size = WindowSize::zoom);

// The zoom that apply last gave window (100 when never zoomed).
int percentOf(const QWidget* window);

// A widget placed by design leaves its parent for one with a layout (the
// bar and the column of a window that does not fit its screen): its design
// geometry is remembered first, so that restore puts it back at the zoom.
void remember(QWidget* w);
// The remembered design geometry at percent.
QRect designed(const QWidget* w, int percent);

}  // namespace zoom
