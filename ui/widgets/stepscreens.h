// The screens the player shows steps on (Playback::Screen). TreeStepScreen:
// a tree page's image, drawn from the step's picture in the blink phase, its
// info field, its "Algorithmus" panel and its depth, count and balanced
// fields. SortStepScreen: the sort window's three memos, each showing its
// list view and scrolled so that the arrow and the sublist frame are in
// sight, the info field and the panel.
#pragma once

#include <QPointer>
#include <array>
#include <memory>

#include "demo/playback.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/widgets/memooutput.h"

class AlgorithmPanel;
class ImageView;
class MemoView;
class QLineEdit;

class TreeStepScreen final : public Playback::Screen {
public:
    // The page's widgets, lent; the fields a page does not have are null.
    struct Widgets {
        ImageView* image;
        QLineEdit* info;
        QLineEdit* depth;
        QLineEdit* count;
        QLineEdit* balanced;
    };
    explicit TreeStepScreen(const Widgets& widgets);

    void show(const Step& step, int phase) override;
    // The page's "Algorithmus" panel (lent; may stay null).
    void setPanel(AlgorithmPanel* panel) { panel_ = panel; }

private:
    Widgets widgets_;
    LineEditOutput info_;
    AlgorithmPanel* panel_ = nullptr;
};

class SortStepScreen final : public Playback::Screen {
public:
    // The widgets are lent and outlive the screen.
    SortStepScreen(std::array<MemoView*, 3> memos, QLineEdit* info);

    void show(const Step& step, int phase) override;
    void setPanel(AlgorithmPanel* panel) { panel_ = panel; }
    // The memos show these lists (null: empty), as a step shows them.
    void setLists(const std::array<std::shared_ptr<const ListView>, 3>& lists);
    // What memo k shows now.
    const std::shared_ptr<const ListView>& shownList(int k) const {
        return shown_[static_cast<std::size_t>(k)];
    }

private:
    std::array<std::unique_ptr<MemoOutput>, 3> memos_;
    std::array<std::shared_ptr<const ListView>, 3> shown_;
    LineEditOutput info_;
    AlgorithmPanel* panel_ = nullptr;
};
