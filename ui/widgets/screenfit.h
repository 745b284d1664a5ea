// ScreenFit: keeps a window that the projector zoom makes large usable on
// its screen. The window's content stands on a sheet (a widget without
// layout, sized by the window) in a frameless scroll area; beside it a
// column on the right and a bar at the bottom, both empty and hidden until
// the window fills them. While the content fits, the scroll area is exactly
// as large as the sheet and shows no scroll bars: the window looks and
// behaves as without it. When the content does not fit, the window takes
// what the screen offers and the sheet scrolls.
//
// The area a window may take: in full screen the screen's geometry, else the
// screen's available geometry less the window's frame. Tests replace the
// screen's size (setScreenForTests): the offscreen platform's screen is no
// real one.
#pragma once

#include <QObject>
#include <QSize>
#include <optional>

class QBoxLayout;
class QLayout;
class QScrollArea;
class QWidget;

class ScreenFit final : public QObject {
    Q_OBJECT
public:
    // The parts become children of window (a top-level window).
    explicit ScreenFit(QWidget* window);

    QWidget* sheet() const { return sheet_; }
    QScrollArea* area() const { return area_; }
    // The right column and the bottom bar, each with a layout for what the
    // window puts there (top to bottom, left to right).
    QWidget* column() const { return column_; }
    QBoxLayout* columnLayout() const { return columnLayout_; }
    QWidget* bar() const { return bar_; }
    // Left to right, in further rows where the window is too narrow.
    QLayout* barLayout() const { return barLayout_; }

    // Scroll bars as needed, or (the content fits) none: a scroll area that
    // had both keeps them when the sheet shrinks to its size exactly.
    void setScrolling(bool on);

    // The size the window may have now.
    QSize available() const;
    // True when a window of size fits available().
    bool fits(QSize size) const;

    // Places the parts in the window as it is: the column (when shown) at
    // the right, columnWidth wide, the bar (when shown) at the bottom at the
    // height it asks for, the scroll area in the rest.
    void layoutParts(int columnWidth);
    // The height the bar takes when shown.
    int barHeight() const;
    // Moves the window (not in full screen) so that it lies, with its
    // frame, on the screen's available area.
    void keepOnScreen();
    // The extent of a scroll bar.
    int scrollBarExtent() const;

    // Scrolls the sheet so that w (on the sheet) is in view, as much of it
    // as the area can show.
    void showOnSheet(const QWidget* w);

    // Every window's screen is taken to be (and to offer) size; nullopt
    // gives the real screens back.
    static void setScreenForTests(std::optional<QSize> size);
    static std::optional<QSize> screenForTests();

private:
    QWidget* window_;
    QScrollArea* area_;
    QWidget* sheet_;
    QWidget* column_;
    QBoxLayout* columnLayout_;
    QWidget* bar_;
    QLayout* barLayout_;
};
