// Test doubles of the tree demonstrations: a page made of recorders, the
// steps of a demonstration taken out of their source, a condensed reading of
// the steps as one line each, and the drawing calls the page's image gets
// when the steps are shown one blink cycle each, as the window shows them.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "demo/step.h"
#include "demo/stepsource.h"
#include "demo/treepage.h"
#include "tests/support/recorders.h"

namespace demotest {

// Passes every call to a RecordingSurface (the log the tests read) and to a
// DrawingRecorder (what the image shows).
class TeeSurface final : public Surface {
public:
    TeeSurface(RecordingSurface& log, DrawingRecorder& record) : log_(log), record_(record) {}
    int width() const override { return log_.width(); }
    int height() const override { return log_.height(); }
    void setFontName(std::string_view n) override {
        both([&](Surface& s) { s.setFontName(n); });
    }
    void setFontSize(int p) override {
        both([&](Surface& s) { s.setFontSize(p); });
    }
    void setFontBold(bool b) override {
        both([&](Surface& s) { s.setFontBold(b); });
    }
    void setFontColor(Color c) override {
        both([&](Surface& s) { s.setFontColor(c); });
    }
    void setPenColor(Color c) override {
        both([&](Surface& s) { s.setPenColor(c); });
    }
    void setBrushColor(Color c) override {
        both([&](Surface& s) { s.setBrushColor(c); });
    }
    void textOut(int x, int y, std::string_view t) override {
        both([&](Surface& s) { s.textOut(x, y, t); });
    }
    void moveTo(int x, int y) override {
        both([&](Surface& s) { s.moveTo(x, y); });
    }
    void lineTo(int x, int y) override {
        both([&](Surface& s) { s.lineTo(x, y); });
    }
    void rectangle(int a, int b, int c, int d) override {
        both([&](Surface& s) { s.rectangle(a, b, c, d); });
    }
    void fillRect(int a, int b, int c, int d) override {
        both([&](Surface& s) { s.fillRect(a, b, c, d); });
    }

private:
    template <typename Call>
    void both(Call call) {
        call(log_);
        call(record_);
    }
    RecordingSurface& log_;
    DrawingRecorder& record_;
};

class FakePage final : public TreePage {
public:
    explicit FakePage(int width, bool withBalanced)
        : surface(width, 293), drawn(width, 293), hasBalanced(withBalanced) {}

    Surface& image() override { return tee; }
    TextOutput& infoField() override { return info; }
    TextOutput& entryField() override { return entry; }
    TextOutput& depthField() override { return depth; }
    TextOutput& countField() override { return count; }
    TextOutput* balancedField() override { return hasBalanced ? &balanced : nullptr; }
    DrawingRecord shownPicture() const override { return drawn.record(); }

    // Every call the image gets, and what it shows.
    RecordingSurface surface;
    DrawingRecorder drawn;
    TeeSurface tee{surface, drawn};
    RecordingText info, entry, depth, count, balanced;
    bool hasBalanced;
};

inline bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// A demonstration's steps and its end, taken out of the source.
struct Played {
    std::vector<Step> steps;
    Step end;

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Step& s : steps) out.push_back(s.text);
        return out;
    }
};

inline Played drain(StepSource& source) {
    Played played;
    while (auto step = source.next()) played.steps.push_back(std::move(*step));
    played.end = source.end();
    return played;
}

inline std::vector<DrawingOp> flat(const StepPicture& picture) {
    std::vector<DrawingOp> ops;
    for (const SharedOps& piece : picture.canvas)
        ops.insert(ops.end(), piece->begin(), piece->end());
    return ops;
}

// The calls the image gets between two steps: those of `now`'s canvas that
// the image did not show after `before` (its canvas and its figure as phase 1
// left it); everything when the image was blanked in between.
inline std::vector<DrawingOp> between(const std::vector<DrawingOp>& before,
                                      const StepPicture& now) {
    const std::vector<DrawingOp> ops = flat(now);
    if (ops.size() >= before.size() && std::equal(before.begin(), before.end(), ops.begin()))
        return {ops.begin() + static_cast<std::ptrdiff_t>(before.size()), ops.end()};
    return ops;
}

inline std::vector<DrawingOp> shownAfter(const Step& step) {
    std::vector<DrawingOp> ops = flat(step.picture);
    ops.insert(ops.end(), step.picture.figure[1].begin(), step.picture.figure[1].end());
    return ops;
}

// One line per step: "<info> | line x1 y1 x2 y2 | text x y v | visible/erased"
// (the figure as phase 1 draws it); "erase x1 y1 x2 y2" for a line erased at
// once between steps; "redraw" for the image blanked. Everything else (the
// painted tree, font settings) is left out. `before` is what the image
// showed at the start.
inline std::vector<std::string> condensed(const Played& played,
                                          const std::vector<DrawingOp>& before = {}) {
    std::vector<std::string> out;
    auto noteBetween = [&out](const std::vector<DrawingOp>& ops) {
        for (const DrawingOp& op : ops) {
            if (op.kind == DrawingOp::Kind::line && op.pen == clBtnFace) {
                out.push_back("erase " + std::to_string(op.x1) + " " + std::to_string(op.y1) + " " +
                              std::to_string(op.x2) + " " + std::to_string(op.y2));
            } else if (op.kind == DrawingOp::Kind::fill) {
                out.push_back("redraw");
            }
        }
    };
    std::vector<DrawingOp> shown = before;
    for (const Step& step : played.steps) {
        noteBetween(between(shown, step.picture));
        std::string line = step.text;
        bool visible = false;
        for (const DrawingOp& op : step.picture.figure[1]) {
            if (op.kind == DrawingOp::Kind::line) {
                line += " | line " + std::to_string(op.x1) + " " + std::to_string(op.y1) + " " +
                        std::to_string(op.x2) + " " + std::to_string(op.y2);
                visible = op.pen == clBlack;
            } else if (op.kind == DrawingOp::Kind::text) {
                line += " | text " + std::to_string(op.x1) + " " + std::to_string(op.y1) + " " +
                        op.text;
                visible = op.fontColor == clBlack;
            }
        }
        out.push_back(line + (visible ? " | visible" : " | erased"));
        shown = shownAfter(step);
    }
    noteBetween(between(shown, played.end.picture));
    return out;
}

// The drawing calls the page image gets when the steps are shown one blink
// cycle each and then the end: the calls between steps, the figure in phase
// 0, then in phase 1.
inline void drawAsShown(const Played& played, Surface& image,
                        const std::vector<DrawingOp>& before = {}) {
    std::vector<DrawingOp> shown = before;
    for (const Step& step : played.steps) {
        for (const DrawingOp& op : between(shown, step.picture)) op.drawOn(image);
        for (const DrawingOp& op : step.picture.figure[0]) op.drawOn(image);
        for (const DrawingOp& op : step.picture.figure[1]) op.drawOn(image);
        shown = shownAfter(step);
    }
    for (const DrawingOp& op : between(shown, played.end.picture)) op.drawOn(image);
}

// The end's fields and info text written to the page, as the window does;
// the image shows the end's picture.
inline void showEnd(const Played& played, FakePage& page) {
    page.drawn = DrawingRecorder(page.surface.width(), page.surface.height());
    played.end.picture.draw(page.drawn, 0);
    page.info.setText(played.end.text);
    page.depth.setText(played.end.fields.depth);
    page.count.setText(played.end.fields.count);
    if (page.hasBalanced) page.balanced.setText(played.end.fields.balanced);
}

}  // namespace demotest
