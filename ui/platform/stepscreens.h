// The StepScreens of the demonstrating pages: what the step history records
// of a step and shows again. TreeStepScreen: a tree page's image in both
// blink phases and its info field. SortStepScreen: the sort window's three
// memos (text and scroll position) and its info field.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <array>

#include "demo/stephistory.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/widgets/algorithmpanel.h"

class ImageView;
class MemoView;
class QLineEdit;

class TreeStepScreen final : public StepScreen {
public:
    // Both widgets are lent and outlive the screen.
    TreeStepScreen(ImageView* image, QLineEdit* info) : image_(image), output_(info) {}

    std::string stepText() const override;
    std::unique_ptr<StepView> capture() override;
    void captureSecondPhase(StepView& view) override;
    void show(const StepView& view, int phase) override;
    void showLive(const StepView& live) override;
    // The page's "Algorithmus" panel (lent; may stay null): its marks are
    // recorded with each step and shown again with it.
    void setPanel(AlgorithmPanel* panel) { panel_ = panel; }

private:
    ImageView* image_;
    AlgorithmPanel* panel_ = nullptr;
    LineEditOutput output_;  // the info field as the demonstration writes it
    // Phase 0 of a shown view, put together from its phase 1 and the patch.
    QImage composed_;
    const StepView* composedFor_ = nullptr;
};

class SortStepScreen final : public StepScreen {
public:
    // The widgets are lent and outlive the screen.
    SortStepScreen(std::array<MemoView*, 3> memos, QLineEdit* info)
        : memos_(memos), output_(info) {}

    std::string stepText() const override;
    std::unique_ptr<StepView> capture() override;
    void captureSecondPhase(StepView&) override {}
    void show(const StepView& view, int phase) override;
    void showLive(const StepView& live) override;
    // As TreeStepScreen::setPanel.
    void setPanel(AlgorithmPanel* panel) { panel_ = panel; }

private:
    std::array<MemoView*, 3> memos_;
    AlgorithmPanel* panel_ = nullptr;
    LineEditOutput output_;
};
