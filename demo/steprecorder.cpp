#include "demo/steprecorder.h"

#include <string>
#include <utility>

namespace {

// More pieces than this are joined (all but the first, which holds the
// picture the demonstration started from), so that a step's canvas stays a
// handful of pointers however many steps came before.
constexpr std::size_t kMostPieces = 12;

}  // namespace

// --- PictureRecorder ---------------------------------------------------------

PictureRecorder::PictureRecorder(int width, int height, const DrawingRecord& shown)
    : width_(width), height_(height) {
    // A page image is blanked with the button face, which stays its brush:
    // the background of the numbers written on it.
    state_.setBrushColor(clBtnFace);
    if (!shown.ops().empty())
        pieces_.push_back(std::make_shared<const std::vector<DrawingOp>>(shown.ops()));
}

void PictureRecorder::add(DrawingOp op) {
    if (phase_ >= 0) {
        figure_[static_cast<std::size_t>(phase_)].push_back(std::move(op));
        return;
    }
    if (DrawingState::coversAll(op, width_, height_)) {
        pieces_.clear();
        open_.clear();
    }
    open_.push_back(std::move(op));
}

void PictureRecorder::textOut(int x, int y, std::string_view utf8) {
    add(state_.textOp(x, y, utf8));
}

void PictureRecorder::lineTo(int x, int y) {
    if (auto op = state_.lineOp(x, y)) add(std::move(*op));
}

void PictureRecorder::rectangle(int x1, int y1, int x2, int y2) {
    if (auto op = state_.areaOp(DrawingOp::Kind::rectangle, x1, y1, x2, y2)) add(std::move(*op));
}

void PictureRecorder::fillRect(int x1, int y1, int x2, int y2) {
    if (auto op = state_.areaOp(DrawingOp::Kind::fill, x1, y1, x2, y2)) add(std::move(*op));
}

void PictureRecorder::beginFigure() {
    figure_[0].clear();
    figure_[1].clear();
    phase_ = 0;
}

void PictureRecorder::nextPhase() { phase_ = 1; }

std::vector<SharedOps> PictureRecorder::canvas() {
    if (!open_.empty()) {
        pieces_.push_back(std::make_shared<const std::vector<DrawingOp>>(std::move(open_)));
        open_.clear();
    }
    if (pieces_.size() > kMostPieces) {
        std::vector<DrawingOp> joined;
        for (std::size_t k = 1; k < pieces_.size(); ++k)
            joined.insert(joined.end(), pieces_[k]->begin(), pieces_[k]->end());
        pieces_.resize(1);
        pieces_.push_back(std::make_shared<const std::vector<DrawingOp>>(std::move(joined)));
    }
    return pieces_;
}

StepPicture PictureRecorder::endFigure(int shownPhase) {
    phase_ = -1;
    StepPicture picture = still();
    picture.shownPhase = shownPhase;
    picture.figure = figure_;
    // Opaque calls: the image shows the figure as phase 1 drew it.
    for (DrawingOp& op : figure_[1]) open_.push_back(std::move(op));
    figure_[0].clear();
    figure_[1].clear();
    return picture;
}

StepPicture PictureRecorder::still() {
    StepPicture picture;
    picture.width = width_;
    picture.height = height_;
    picture.canvas = canvas();
    return picture;
}

DrawingRecord PictureRecorder::record() const {
    DrawingRecorder out(width_, height_);
    for (const SharedOps& piece : pieces_)
        for (const DrawingOp& op : *piece) op.drawOn(out);
    for (const DrawingOp& op : open_) op.drawOn(out);
    return out.takeRecord();
}

// --- MarkTrace, TextField ----------------------------------------------------

void MarkTrace::mark(Line line) {
    const PseudoLine& l = pseudocode::line(line);
    if (frames_.empty() || frames_.back().procedure != l.procedure) return;
    frames_.back().marked = pseudocode::number(line) - 1;
}

void MarkTrace::leave() {
    if (frames_.empty()) return;
    if (frames_.size() == 1) last_ = {{frames_.back().procedure, -1}};
    frames_.pop_back();
}

void TextField::addLine(std::string_view utf8) {
    if (!text_.empty()) text_ += '\n';
    text_ += utf8;
}

// --- StepRecorder ------------------------------------------------------------

StepRecorder::StepRecorder(int width, int height, const DrawingRecord& shown,
                           const PageFields& fields, bool withBalanced)
    : picture_(width, height, shown), withBalanced_(withBalanced) {
    depth_.setText(fields.depth);
    count_.setText(fields.count);
    balanced_.setText(fields.balanced);
}

PageFields StepRecorder::fields() const {
    return {depth_.text(), count_.text(), withBalanced_ ? balanced_.text() : std::string()};
}

void StepRecorder::step(std::string_view text, const std::function<void(Color)>& drawFigure,
                        Color first, Color second) {
    if (!text.empty()) info_.setText(text);
    picture_.beginFigure();
    drawFigure(first);
    picture_.nextPhase();
    drawFigure(second);
    const int shown = first == clBlack ? 0 : 1;
    steps_.push_back({info_.text(),
                      trace_.marks(),
                      picture_.endFigure(shown),
                      fields(),
                      {},
                      std::move(questions_)});
    questions_.clear();
}

std::unique_ptr<RecordedSteps> StepRecorder::finish() {
    Step end{info_.text(), trace_.marks(), picture_.still(), fields(), {}, std::move(questions_)};
    questions_.clear();
    return std::make_unique<RecordedSteps>(std::move(steps_), std::move(end));
}

void recordBlink(StepRecorder& page, std::string_view text, std::optional<std::int32_t> value,
                 int x1, int y1, int x2, int y2, bool blinkLine, bool endVisible) {
    Surface& image = page.image();
    if (!value && !endVisible) {
        // The erase form: at once, no step.
        if (!text.empty()) page.infoField().setText(text);
        image.setPenColor(clBtnFace);
        image.moveTo(x1, y1);
        image.lineTo(x2, y2);
        return;
    }
    const auto drawPhase = [&](Color color) {
        image.setPenColor(color);
        image.setFontColor(color);
        if (blinkLine) {
            image.moveTo(x1, y1);
            image.lineTo(x2, y2);
        }
        if (value) image.textOut(x2, y2, std::to_string(*value));
    };
    page.step(text, drawPhase, endVisible ? clBtnFace : clBlack, endVisible ? clBlack : clBtnFace);
}

void clearImage(Surface& image) {
    image.setBrushColor(clBtnFace);
    image.fillRect(0, 0, image.width(), image.height());
}
