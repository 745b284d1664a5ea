#include "demo/step.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

void replay(Surface& target, const std::vector<DrawingOp>& ops) {
    for (const DrawingOp& op : ops) op.drawOn(target);
}

std::size_t bytesOf(const std::vector<DrawingOp>& ops) {
    std::size_t n = ops.capacity() * sizeof(DrawingOp);
    for (const DrawingOp& op : ops) {
        // Longer texts and font names than the string's own buffer take more.
        if (op.text.capacity() > 15) n += op.text.capacity();
        if (op.fontName.capacity() > 15) n += op.fontName.capacity();
    }
    return n;
}

}  // namespace

void StepPicture::draw(Surface& target, int phase) const {
    for (const SharedOps& piece : canvas) replay(target, *piece);
    replay(target, figure[static_cast<std::size_t>(phase)]);
}

DrawingRecord StepPicture::record(int phase) const {
    DrawingRecorder recorder(width, height);
    draw(recorder, phase);
    return recorder.takeRecord();
}

namespace {

// The page font's text cell: 7 pixels per character (a digit), 13 high.
int cellWidth(const DrawingOp& op) {
    std::size_t characters = 0;
    for (unsigned char c : op.text)
        if ((c & 0xC0) != 0x80) ++characters;  // UTF-8: count lead bytes only
    return 7 * static_cast<int>(characters) + (op.bold ? 2 : 0);
}
constexpr int kCellHeight = 13;

bool ink(const DrawingOp& op) {
    switch (op.kind) {
        case DrawingOp::Kind::text:
            return op.fontColor != clBtnFace && !op.text.empty();
        case DrawingOp::Kind::line:
        case DrawingOp::Kind::rectangle:
            return op.pen != clBtnFace;
        case DrawingOp::Kind::fill:
            return false;
    }
    return false;
}

// A figure drawn and erased again (the same line or number drawn once more
// in the background colour) leaves nothing on the screen; on paper, where
// lines are smooth, the erasing one would leave a faint trace: both go.
DrawingRecord withoutErased(const DrawingRecord& record) {
    std::vector<DrawingOp> ops = record.ops();
    std::vector<bool> gone(ops.size(), false);
    const auto sameFigure = [](const DrawingOp& a, const DrawingOp& b) {
        if (a.kind != b.kind) return false;
        if (a.kind == DrawingOp::Kind::text)
            return a.x1 == b.x1 && a.y1 == b.y1 && a.text == b.text && a.bold == b.bold;
        return (a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2) ||
               (a.x1 == b.x2 && a.y1 == b.y2 && a.x2 == b.x1 && a.y2 == b.y1);
    };
    for (std::size_t k = 0; k < ops.size(); ++k) {
        const DrawingOp& eraser = ops[k];
        const bool erases = (eraser.kind == DrawingOp::Kind::line && eraser.pen == clBtnFace) ||
                            (eraser.kind == DrawingOp::Kind::text && eraser.fontColor == clBtnFace);
        if (!erases) continue;
        for (std::size_t j = k; j-- > 0;) {
            if (gone[j] || !sameFigure(ops[j], eraser)) continue;
            if (ink(ops[j])) {
                gone[j] = true;
                gone[k] = true;
            }
            break;
        }
    }
    DrawingRecord kept;
    for (std::size_t k = 0; k < ops.size(); ++k)
        if (!gone[k]) kept.add(std::move(ops[k]));
    return kept;
}

}  // namespace

DrawingRecord StepPicture::still() const {
    DrawingRecorder out(width, height);
    for (const SharedOps& piece : canvas)
        for (const DrawingOp& op : *piece) op.drawOn(out);
    for (DrawingOp op : figure[static_cast<std::size_t>(shownPhase)]) {
        if (op.kind == DrawingOp::Kind::text) {
            op.bold = true;
            op.drawOn(out);
            const int x1 = op.x1 - 2, y1 = op.y1 - 1;
            const int x2 = op.x1 + cellWidth(op) + 1, y2 = op.y1 + kCellHeight;
            out.setPenColor(op.fontColor);
            out.moveTo(x1, y1);
            out.lineTo(x2, y1);
            out.lineTo(x2, y2);
            out.lineTo(x1, y2);
            out.lineTo(x1, y1);
        } else if (op.kind == DrawingOp::Kind::line) {
            op.drawOn(out);
            // Beside itself: across a steep line to the right, else below.
            const bool steep = std::abs(op.y2 - op.y1) > std::abs(op.x2 - op.x1);
            const int dx = steep ? 1 : 0, dy = steep ? 0 : 1;
            out.setPenColor(op.pen);
            out.moveTo(op.x1 + dx, op.y1 + dy);
            out.lineTo(op.x2 + dx, op.y2 + dy);
        } else {
            op.drawOn(out);
        }
    }
    return withoutErased(out.takeRecord());
}

InkBox inkBox(const DrawingRecord& record) {
    InkBox box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    const auto add = [&box](int x1, int y1, int x2, int y2) {
        box.x1 = std::min({box.x1, x1, x2});
        box.y1 = std::min({box.y1, y1, y2});
        box.x2 = std::max({box.x2, x1 + 1, x2 + 1});
        box.y2 = std::max({box.y2, y1 + 1, y2 + 1});
    };
    for (const DrawingOp& op : record.ops()) {
        if (!ink(op)) continue;
        if (op.kind == DrawingOp::Kind::text) {
            add(op.x1, op.y1, op.x1 + cellWidth(op) - 1, op.y1 + kCellHeight - 1);
        } else if (op.kind == DrawingOp::Kind::line) {
            add(op.x1, op.y1, op.x2, op.y2);
        } else {
            add(op.x1, op.y1, op.x2 - 1, op.y2 - 1);
        }
    }
    if (box.x1 == INT_MAX) return InkBox{};
    return box;
}

DrawingRecord onPaper(const DrawingRecord& record) {
    DrawingRecord paper;
    const auto white = [](Color c) { return c == clBtnFace ? clWhite : c; };
    for (DrawingOp op : record.ops()) {
        op.pen = white(op.pen);
        op.brush = white(op.brush);
        op.fontColor = white(op.fontColor);
        paper.add(std::move(op));
    }
    return paper;
}

std::size_t StepPicture::bytesBeyond(const StepPicture* other) const {
    std::size_t n = canvas.capacity() * sizeof(SharedOps) + bytesOf(figure[0]) + bytesOf(figure[1]);
    for (const SharedOps& piece : canvas) {
        const bool shared = other && std::find(other->canvas.begin(), other->canvas.end(), piece) !=
                                         other->canvas.end();
        if (!shared) n += bytesOf(*piece);
    }
    return n;
}

std::size_t Step::bytesBeyond(const Step* previous) const {
    std::size_t n = sizeof(Step) + text.capacity() + marks.capacity() * sizeof(CodeFrame) +
                    fields.depth.capacity() + fields.count.capacity() + fields.balanced.capacity();
    n += picture.bytesBeyond(previous ? &previous->picture : nullptr);
    for (std::size_t k = 0; k < lists.size(); ++k) {
        if (!lists[k]) continue;
        const bool shared = previous && std::find(previous->lists.begin(), previous->lists.end(),
                                                  lists[k]) != previous->lists.end();
        if (!shared) n += lists[k]->bytes();
    }
    return n;
}
