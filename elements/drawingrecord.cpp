#include "elements/drawingrecord.h"

void DrawingOp::drawOn(Surface& target) const {
    switch (kind) {
        case Kind::text:
            target.setFontName(fontName);
            target.setFontSize(fontPoints);
            target.setFontBold(bold);
            target.setFontColor(fontColor);
            target.setBrushColor(brush);
            target.textOut(x1, y1, text);
            break;
        case Kind::line:
            target.setPenColor(pen);
            target.moveTo(x1, y1);
            target.lineTo(x2, y2);
            break;
        case Kind::rectangle:
            target.setPenColor(pen);
            target.setBrushColor(brush);
            target.rectangle(x1, y1, x2, y2);
            break;
        case Kind::fill:
            target.setBrushColor(brush);
            target.fillRect(x1, y1, x2, y2);
            break;
    }
}

void DrawingRecord::replay(Surface& target) const {
    for (const DrawingOp& op : ops_) op.drawOn(target);
}

DrawingOp DrawingState::textOp(int x, int y, std::string_view utf8) const {
    DrawingOp op = current_;
    op.kind = DrawingOp::Kind::text;
    op.x1 = x;
    op.y1 = y;
    op.text = utf8;
    return op;
}

std::optional<DrawingOp> DrawingState::lineOp(int x, int y) {
    DrawingOp op;
    op.kind = DrawingOp::Kind::line;
    op.x1 = penX_;
    op.y1 = penY_;
    op.x2 = x;
    op.y2 = y;
    op.pen = current_.pen;
    penX_ = x;
    penY_ = y;
    if (op.x1 == x && op.y1 == y) return std::nullopt;  // draws no pixel
    return op;
}

std::optional<DrawingOp> DrawingState::areaOp(DrawingOp::Kind kind, int x1, int y1, int x2,
                                              int y2) const {
    if (x2 <= x1 || y2 <= y1) return std::nullopt;
    DrawingOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    if (kind == DrawingOp::Kind::rectangle) op.pen = current_.pen;
    op.brush = current_.brush;
    return op;
}

bool DrawingState::coversAll(const DrawingOp& op, int width, int height) {
    return (op.kind == DrawingOp::Kind::fill || op.kind == DrawingOp::Kind::rectangle) &&
           op.x1 <= 0 && op.y1 <= 0 && op.x2 >= width && op.y2 >= height;
}

void DrawingState::recordArea(DrawingRecord& record, DrawingOp::Kind kind, int x1, int y1, int x2,
                              int y2, int width, int height) {
    auto op = areaOp(kind, x1, y1, x2, y2);
    if (!op) return;
    if (coversAll(*op, width, height)) record.clear();
    record.add(std::move(*op));
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
