#include "ui/platform/stepscreens.h"

#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "ui/widgets/imageview.h"
#include "ui/widgets/memoview.h"

namespace {

// Phase 1 in full; phase 0 only where it differs from phase 1 (the blinking
// figure), which keeps a step to little more than one picture.
class TreeStepView final : public StepView {
public:
    std::size_t bytes() const override {
        return static_cast<std::size_t>(second.sizeInBytes() + patch.sizeInBytes() +
                                        (hasSecond ? 0 : first.sizeInBytes())) +
               text.size();
    }

    QImage first;  // until phase 1 is recorded
    QImage second;
    QImage patch;  // phase 0 at patchAt, where it differs from phase 1
    QPoint patchAt;
    bool hasSecond = false;
    std::string text;
    AlgorithmPanel::Marks marks;
};

class SortStepView final : public StepView {
public:
    std::size_t bytes() const override {
        std::size_t n = info.size();
        for (const QString& m : memos) n += static_cast<std::size_t>(m.size()) * 2;
        return n + sizeof(*this);
    }

    std::array<QString, 3> memos;
    std::array<int, 3> rows{};
    std::array<int, 3> columns{};
    std::string info;
    AlgorithmPanel::Marks marks;
};

// The smallest rectangle outside which a and b (same size and format) agree.
QRect difference(const QImage& a, const QImage& b) {
    int top = -1, bottom = -1, left = a.width(), right = -1;
    const int w = a.width();
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        int x = 0;
        while (x < w && p[x] == q[x]) ++x;
        if (x == w) continue;
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, x);
        int r = w - 1;
        while (p[r] == q[r]) --r;
        right = std::max(right, r);
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

std::string TreeStepScreen::stepText() const { return output_.text(); }

std::unique_ptr<StepView> TreeStepScreen::capture() {
    auto view = std::make_unique<TreeStepView>();
    view->first = image_->image().copy();
    view->text = output_.text();
    if (panel_) view->marks = panel_->marks();
    composedFor_ = nullptr;  // a new view may take the place of a forgotten one
    return view;
}

void TreeStepScreen::captureSecondPhase(StepView& stepView) {
    auto& view = static_cast<TreeStepView&>(stepView);
    view.second = image_->image().copy();
    const QRect changed = difference(view.first, view.second);
    if (!changed.isEmpty()) {
        view.patch = view.first.copy(changed);
        view.patchAt = changed.topLeft();
    }
    view.first = QImage();
    view.hasSecond = true;
    if (composedFor_ == &stepView) composedFor_ = nullptr;
}

void TreeStepScreen::show(const StepView& stepView, int phase) {
    const auto& view = static_cast<const TreeStepView&>(stepView);
    if (output_.text() != view.text) output_.setText(view.text);
    if (panel_) panel_->showMarks(&view.marks);
    if (!view.hasSecond) {
        image_->showPicture(&view.first);
        return;
    }
    if (phase == 1 || view.patch.isNull()) {
        image_->showPicture(&view.second);
        return;
    }
    if (composedFor_ != &stepView) {
        composed_ = view.second.copy();
        QPainter painter(&composed_);
        painter.drawImage(view.patchAt, view.patch);
        composedFor_ = &stepView;
    }
    image_->showPicture(&composed_);
}

void TreeStepScreen::showLive(const StepView& live) {
    const auto& view = static_cast<const TreeStepView&>(live);
    image_->showPicture(nullptr);
    if (panel_) panel_->showMarks(nullptr);
    composedFor_ = nullptr;
    if (output_.text() != view.text) output_.setText(view.text);
}

std::string SortStepScreen::stepText() const { return output_.text(); }

std::unique_ptr<StepView> SortStepScreen::capture() {
    auto view = std::make_unique<SortStepView>();
    for (int k = 0; k < 3; ++k) {
        view->memos[k] = memos_[k]->toPlainText();
        view->rows[k] = memos_[k]->verticalScrollBar()->value();
        view->columns[k] = memos_[k]->horizontalScrollBar()->value();
    }
    view->info = output_.text();
    if (panel_) view->marks = panel_->marks();
    return view;
}

void SortStepScreen::show(const StepView& stepView, int /*phase*/) {
    const auto& view = static_cast<const SortStepView&>(stepView);
    for (int k = 0; k < 3; ++k) {
        MemoView* memo = memos_[k];
        if (memo->toPlainText() != view.memos[k]) memo->setPlainText(view.memos[k]);
        memo->verticalScrollBar()->setValue(view.rows[k]);
        memo->horizontalScrollBar()->setValue(view.columns[k]);
    }
    if (output_.text() != view.info) output_.setText(view.info);
    if (panel_) panel_->showMarks(&view.marks);
}

void SortStepScreen::showLive(const StepView& live) {
    show(live, 0);
    if (panel_) panel_->showMarks(nullptr);
}
