// QtTreePage: the TreePage of a tree demonstration made of the page's widgets:
// the image, the info field, the entry and the depth, count and (on
// "Suchbaum") balanced fields, with the step clock and lockControls of the
// page's host.
#pragma once

#include <QLineEdit>
#include <memory>

#include "demo/treepage.h"
#include "ui/platform/lineeditoutput.h"

class ImageView;
class PageHost;

class QtTreePage final : public TreePage {
public:
    // The widgets of one page; balanced is null on a page without that field.
    struct Fields {
        ImageView* image;
        QLineEdit* info;
        QLineEdit* entry;
        QLineEdit* depth;
        QLineEdit* count;
        QLineEdit* balanced;
    };

    // host and the widgets are lent; they outlive the page's trees.
    QtTreePage(PageHost& host, const Fields& fields);

    Surface& image() override;
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return balanced_.get(); }
    // The host's clock (the window's own, or the one a test lent it).
    StepClock& clock() override;
    void lockControls(bool enabled, int kind) override;
    // The page's "Algorithmus" panel, lent; nowhere until set.
    void setTrace(AlgorithmTrace& trace) { trace_ = &trace; }
    AlgorithmTrace& trace() override { return *trace_; }

private:
    PageHost& host_;
    ImageView* image_;
    LineEditOutput info_;
    LineEditOutput entry_;
    LineEditOutput depth_;
    LineEditOutput count_;
    std::unique_ptr<LineEditOutput> balanced_;
    AlgorithmTrace* trace_ = &AlgorithmTrace::none();
};
