// Recorders for the core's screen interfaces: tests install them and read
// back exactly what the core showed, drew or wrote.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "elements/platform.h"

// Thrown by RecordingMessages::fatalStop so that a test can observe the stop.
struct FatalStopSeen : std::runtime_error {
    explicit FatalStopSeen(const std::string& text) : std::runtime_error(text) {}
};

// Records every message as "information: <text>" or "error: <text>"; a fatal
// stop is recorded as "fatal: <text>" and then thrown as FatalStopSeen.
// Installs itself as the process sink for its lifetime.
class RecordingMessages final : public UserMessages {
public:
    RecordingMessages() = default;
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;

    void information(std::string_view utf8) override;
    void error(std::string_view utf8) override;
    void fatalStop(std::string_view utf8) override;

    std::vector<std::string> log;

private:
    // Last, so that the log exists before the sink is installed.
    ScopedUserMessages scope_{*this};
};

// Records every call as one line of text, e.g. "fontName MS SANS SERIF",
// "fontSize 8", "fontBold 1", "fontColor 0", "pen 0", "brush -2147483633",
// "text 248 10 50", "moveTo 1 2", "lineTo 3 4", "rect 0 0 10 10",
// "fill 0 0 497 293". Colours are printed as decimal Color values.
class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(int width = 497, int height = 293) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontColor(Color color) override;
    void setPenColor(Color color) override;
    void setBrushColor(Color color) override;
    void textOut(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;

    // Only the lines that start with one of the given words.
    std::vector<std::string> only(std::initializer_list<std::string_view> kinds) const;

    std::vector<std::string> log;

private:
    int width_;
    int height_;
};

// A memo or info field: lines of text.
class RecordingText final : public TextOutput {
public:
    void addLine(std::string_view utf8) override;
    void appendText(std::string_view utf8) override;
    void setText(std::string_view utf8) override;
    std::string text() const override;

    std::vector<std::string> lines;
};
