#include "elements/drawingrecord.h"

#include <algorithm>
#include <utility>

void DrawingRecord::add(DrawingOp op) {
    ++added_;
    ops_.push_back(std::move(op));
    const std::size_t size = ops_.size();
    for (std::size_t cycle = 1; cycle <= kLongestCycle && 2 * cycle <= size; ++cycle) {
        const auto newest = ops_.end() - static_cast<std::ptrdiff_t>(cycle);
        const auto before = newest - static_cast<std::ptrdiff_t>(cycle);
        if (std::equal(newest, ops_.end(), before)) {
            ops_.erase(before, newest);
            return;
        }
    }
}

namespace {

// The colour in which the call draws its figure (lines: the pen; text: the
// font colour); rectangles and fills are no blinking figures.
bool sameFigure(const DrawingOp& a, const DrawingOp& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.text == b.text && a.fontName == b.fontName && a.fontPoints == b.fontPoints &&
           a.bold == b.bold && a.brush == b.brush;
}

Color figureColor(const DrawingOp& op) {
    return op.kind == DrawingOp::Kind::text ? op.fontColor : op.pen;
}

bool figure(const DrawingOp& op) {
    return op.kind == DrawingOp::Kind::text || op.kind == DrawingOp::Kind::line;
}

}  // namespace

DrawingRecord DrawingRecord::withBlinkingShown() const {
    DrawingRecord shown = *this;
    const std::size_t size = ops_.size();
    for (std::size_t cycle = 1; 2 * cycle <= size && cycle <= kLongestCycle / 2; ++cycle) {
        bool erases = true;
        for (std::size_t i = size - cycle; erases && i < size; ++i) {
            const DrawingOp& eraser = ops_[i];
            const DrawingOp& drawn = ops_[i - cycle];
            erases = figure(eraser) && sameFigure(eraser, drawn) &&
                     figureColor(eraser) == clBtnFace && figureColor(drawn) != clBtnFace;
        }
        if (erases) {
            shown.ops_.resize(size - cycle);
            break;
        }
    }
    return shown;
}

void DrawingRecord::replay(Surface& target) const {
    for (const DrawingOp& op : ops_) {
        switch (op.kind) {
            case DrawingOp::Kind::text:
                target.setFontName(op.fontName);
                target.setFontSize(op.fontPoints);
                target.setFontBold(op.bold);
                target.setFontColor(op.fontColor);
                target.setBrushColor(op.brush);
                target.textOut(op.x1, op.y1, op.text);
                break;
            case DrawingOp::Kind::line:
                target.setPenColor(op.pen);
                target.moveTo(op.x1, op.y1);
                target.lineTo(op.x2, op.y2);
                break;
            case DrawingOp::Kind::rectangle:
                target.setPenColor(op.pen);
                target.setBrushColor(op.brush);
                target.rectangle(op.x1, op.y1, op.x2, op.y2);
                break;
            case DrawingOp::Kind::fill:
                target.setBrushColor(op.brush);
                target.fillRect(op.x1, op.y1, op.x2, op.y2);
                break;
        }
    }
}

void DrawingState::recordText(DrawingRecord& record, int x, int y, std::string_view utf8) {
    DrawingOp op = current_;
    op.kind = DrawingOp::Kind::text;
    op.x1 = x;
    op.y1 = y;
    op.text = utf8;
    record.add(std::move(op));
}

void DrawingState::recordLine(DrawingRecord& record, int x, int y) {
    DrawingOp op;
    op.kind = DrawingOp::Kind::line;
    op.x1 = penX_;
    op.y1 = penY_;
    op.x2 = x;
    op.y2 = y;
    op.pen = current_.pen;
    penX_ = x;
    penY_ = y;
    if (op.x1 == x && op.y1 == y) return;  // draws no pixel
    record.add(std::move(op));
}

void DrawingState::recordArea(DrawingRecord& record, DrawingOp::Kind kind, int x1, int y1, int x2,
                              int y2, int width, int height) {
    if (x2 <= x1 || y2 <= y1) return;
    if (x1 <= 0 && y1 <= 0 && x2 >= width && y2 >= height) record.clear();
    DrawingOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    if (kind == DrawingOp::Kind::rectangle) op.pen = current_.pen;
    op.brush = current_.brush;
    record.add(std::move(op));
}

void DrawingRecorder::setFontName(std::string_view name) {
    state_.setFontName(name);
    if (measure_) measure_->setFontName(name);
}

void DrawingRecorder::setFontSize(int points) {
    state_.setFontSize(points);
    if (measure_) measure_->setFontSize(points);
}

void DrawingRecorder::setFontBold(bool bold) {
    state_.setFontBold(bold);
    if (measure_) measure_->setFontBold(bold);
}

int DrawingRecorder::textWidth(std::string_view utf8) {
    return measure_ ? measure_->textWidth(utf8) : Surface::textWidth(utf8);
}
