#include "ui/widgets/stepscreens.h"

#include <QLineEdit>

#include "demo/steprecorder.h"
#include "ui/widgets/algorithmpanel.h"
#include "ui/widgets/imageview.h"
#include "ui/widgets/memoview.h"

namespace {

void setField(QLineEdit* field, const std::string& text) {
    if (!field) return;
    const QString value = QString::fromStdString(text);
    if (field->text() != value) field->setText(value);
}

}  // namespace

TreeStepScreen::TreeStepScreen(const Widgets& widgets) : widgets_(widgets), info_(widgets.info) {}

void TreeStepScreen::show(const Step& step, int phase) {
    widgets_.image->showPicture(step.picture, phase);
    if (info_.text() != step.text) info_.setText(step.text);
    setField(widgets_.depth, step.fields.depth);
    setField(widgets_.count, step.fields.count);
    setField(widgets_.balanced, step.fields.balanced);
    if (panel_) panel_->setMarks(step.marks);
}

SortStepScreen::SortStepScreen(std::array<MemoView*, 3> memos, QLineEdit* info) : info_(info) {
    for (std::size_t k = 0; k < memos_.size(); ++k) {
        memos_[k] = std::make_unique<MemoOutput>(memos[k]);
        memos_[k]->setFollowsMarks(true);  // each step scrolls to its arrow and frame
    }
}

void SortStepScreen::show(const Step& step, int /*phase*/) {
    setLists(step.lists);
    if (info_.text() != step.text) info_.setText(step.text);
    if (panel_) panel_->setMarks(step.marks);
}

void SortStepScreen::setLists(const std::array<std::shared_ptr<const ListView>, 3>& lists) {
    for (std::size_t k = 0; k < memos_.size(); ++k) {
        if (lists[k] == shown_[k]) continue;
        shown_[k] = lists[k];
        if (!shown_[k]) {
            memos_[k]->setText("");
            continue;
        }
        const ListDisplay display = shown_[k]->display();
        memos_[k]->setText(display.text);
        memos_[k]->keepInSight(display);
    }
}
