// DrawingRecord: the drawing calls made on a Surface since it was last
// cleared, kept so that they can be drawn again on another surface: a picture
// file, a printer, the same picture at a larger scale. Each call is kept with
// the colours and the font it was made with, so a record draws the same
// picture whatever the target surface's state was before. Every call paints
// its pixels opaquely.
//
// DrawingRecorder: a Surface of a given size that only records (the pictures
// of tessaro-inspect and of the pages without an image).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "elements/platform.h"

struct DrawingOp {
    enum class Kind : std::uint8_t { text, line, rectangle, fill };
    Kind kind = Kind::fill;
    // text: top left (x1, y1); line: from (x1, y1) to (x2, y2), the end point
    // left out; rectangle, fill: x1 <= x < x2, y1 <= y < y2.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color pen = clBlack;
    Color brush = clWhite;
    Color fontColor = clBlack;
    int fontPoints = 8;
    bool bold = false;
    std::string fontName;
    std::string text;  // UTF-8

    bool operator==(const DrawingOp&) const = default;
    // Makes the call on target, with the recorded colours and font.
    void drawOn(Surface& target) const;
};

class DrawingRecord {
public:
    void add(DrawingOp op) {
        ++added_;
        ops_.push_back(std::move(op));
    }
    // Forgets every call: the surface was filled completely.
    void clear() { ops_.clear(); }
    const std::vector<DrawingOp>& ops() const { return ops_; }
    // How many calls were ever added, the forgotten ones included: a surface
    // drawing a copy of each call learns from it whether a call was kept.
    std::uint64_t added() const { return added_; }
    // Makes every call again on target, with the colours and fonts recorded.
    void replay(Surface& target) const;

private:
    std::vector<DrawingOp> ops_;
    std::uint64_t added_ = 0;
};

// Remembers the current colours, font and pen position of a Surface and turns
// its calls into DrawingOps; a call that covers the whole surface restarts
// the record. ImageSurface and DrawingRecorder share it. The font starts as
// the pages' font, "MS Sans Serif" 8 points.
class DrawingState {
public:
    DrawingState() { current_.fontName = "MS Sans Serif"; }
    void setFontName(std::string_view name) { current_.fontName = name; }
    const std::string& fontName() const { return current_.fontName; }
    void setFontSize(int points) {
        if (points > 0) current_.fontPoints = points;
    }
    void setFontBold(bool bold) { current_.bold = bold; }
    void setFontColor(Color color) { current_.fontColor = color; }
    void setPenColor(Color color) { current_.pen = color; }
    void setBrushColor(Color color) { current_.brush = color; }
    void moveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }

    // The calls as DrawingOps with the current colours and font. A line
    // moves the pen to (x, y) and makes no op when it draws no pixel; an
    // area makes none when it is empty.
    DrawingOp textOp(int x, int y, std::string_view utf8) const;
    std::optional<DrawingOp> lineOp(int x, int y);
    std::optional<DrawingOp> areaOp(DrawingOp::Kind kind, int x1, int y1, int x2, int y2) const;
    // True for a rectangle or fill that covers a surface of that size: it
    // restarts the record.
    static bool coversAll(const DrawingOp& op, int width, int height);

    void recordText(DrawingRecord& record, int x, int y, std::string_view utf8) {
        record.add(textOp(x, y, utf8));
    }
    // Records the line from the pen position and moves the pen to (x, y).
    void recordLine(DrawingRecord& record, int x, int y) {
        if (auto op = lineOp(x, y)) record.add(std::move(*op));
    }
    void recordRectangle(DrawingRecord& record, int x1, int y1, int x2, int y2, int width,
                         int height) {
        recordArea(record, DrawingOp::Kind::rectangle, x1, y1, x2, y2, width, height);
    }
    void recordFill(DrawingRecord& record, int x1, int y1, int x2, int y2, int width, int height) {
        recordArea(record, DrawingOp::Kind::fill, x1, y1, x2, y2, width, height);
    }

private:
    void recordArea(DrawingRecord& record, DrawingOp::Kind kind, int x1, int y1, int x2, int y2,
                    int width, int height);

    DrawingOp current_;
    int penX_ = 0;
    int penY_ = 0;
};

class DrawingRecorder final : public Surface {
public:
    // measure (lent, may be null) gives textWidth with real font metrics.
    DrawingRecorder(int width, int height, Surface* measure = nullptr)
        : width_(width), height_(height), measure_(measure) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setFontBold(bool bold) override;
    void setFontColor(Color color) override { state_.setFontColor(color); }
    void setPenColor(Color color) override { state_.setPenColor(color); }
    void setBrushColor(Color color) override { state_.setBrushColor(color); }
    void textOut(int x, int y, std::string_view utf8) override {
        state_.recordText(record_, x, y, utf8);
    }
    void moveTo(int x, int y) override { state_.moveTo(x, y); }
    void lineTo(int x, int y) override { state_.recordLine(record_, x, y); }
    void rectangle(int x1, int y1, int x2, int y2) override {
        state_.recordRectangle(record_, x1, y1, x2, y2, width_, height_);
    }
    void fillRect(int x1, int y1, int x2, int y2) override {
        state_.recordFill(record_, x1, y1, x2, y2, width_, height_);
    }
    int textWidth(std::string_view utf8) override;

    const DrawingRecord& record() const { return record_; }
    DrawingRecord takeRecord() { return std::move(record_); }

private:
    int width_;
    int height_;
    Surface* measure_;
    DrawingState state_;
    DrawingRecord record_;
};
