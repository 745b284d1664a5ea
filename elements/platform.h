// The four small interfaces through which the Qt-free core reaches the screen:
// a drawing surface, a text output, user messages and (in demo/) a step clock.
// ui/ implements them with Qt; tests implement them with recorders.
//
// Text rule: element values are Windows-1252 bytes; everything handed to these
// interfaces (messages, memo lines, drawn text) is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Colours as the workbench names them. Ordinary colours are 0x00BBGGRR; system
// colours have the top bit set and carry the system colour index.
using Color = std::int32_t;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clBtnFace = static_cast<Color>(0x8000000F);

// The points of the line from (x1, y1) to (x2, y2) as the Windows canvas
// draws it (Bresenham), the end point left out; point(x, y) is called for
// each, in order from the start.
template <typename Point>
void forEachLinePoint(int x1, int y1, int x2, int y2, Point point) {
    const int dx = x2 > x1 ? x2 - x1 : x1 - x2;
    const int dy = -(y2 > y1 ? y2 - y1 : y1 - y2);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        point(x1, y1);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

// An image's canvas. Coordinates are pixels, (0, 0) top left. A rectangle
// (x1, y1, x2, y2) covers x1 <= x < x2 and y1 <= y < y2.
class Surface {
public:
    virtual ~Surface() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontColor(Color color) = 0;
    virtual void setPenColor(Color color) = 0;
    virtual void setBrushColor(Color color) = 0;

    // Writes text with its top-left corner at (x, y); the text cell is filled
    // with the brush colour first.
    virtual void textOut(int x, int y, std::string_view utf8) = 0;
    // Pen position and lines: lineTo draws from the pen position to (x, y)
    // (the end point itself is not drawn) and leaves the pen there.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outline in the pen colour, inside filled with the brush colour.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Fills with the brush colour, no outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;

    // The width in pixels that textOut gives the text in the current font.
    // Surfaces without font metrics estimate it: 7 pixels per character, the
    // width of a digit in the 8-point page font.
    virtual int textWidth(std::string_view utf8);
};

// A page's text output: a memo that takes lines or text, or an info field.
class TextOutput {
public:
    virtual ~TextOutput() = default;
    virtual void addLine(std::string_view utf8) = 0;
    // Appends to the last line of the text (no line break).
    virtual void appendText(std::string_view utf8) = 0;
    virtual void setText(std::string_view utf8) = 0;
    virtual std::string text() const = 0;
};

// Modal messages with one OK button.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    // Caption "Informationen", information icon.
    virtual void information(std::string_view utf8) = 0;
    // Caption "Fehler", error icon.
    virtual void error(std::string_view utf8) = 0;
    // Shows the text; the program then ends at once. An implementation may
    // instead throw (tests do), but must not return normally.
    virtual void fatalStop(std::string_view utf8) = 0;
};

// The process-wide message sink: the one installed last by a live
// ScopedUserMessages, else one that prints to stderr.
UserMessages& userMessages();

// Installs a message sink for its own lifetime: the constructor makes
// messages the sink, the destructor puts back the one it replaced. The sink
// is lent and must outlive the scope; scopes end in reverse order of their
// start.
class ScopedUserMessages {
public:
    explicit ScopedUserMessages(UserMessages& messages);
    ~ScopedUserMessages();
    ScopedUserMessages(const ScopedUserMessages&) = delete;
    ScopedUserMessages& operator=(const ScopedUserMessages&) = delete;

private:
    UserMessages* previous_;
};

// Shows the text through the sink's fatalStop, then ends the process.
[[noreturn]] void fatalStop(std::string_view utf8);
