// QtTreePage: the TreePage of a tree demonstration made of the page's widgets:
// the image, the info field, the entry and the depth, count and (on
// "Suchbaum") balanced fields.
#pragma once

#include <QLineEdit>
#include <memory>

#include "demo/treepage.h"
#include "ui/platform/lineeditoutput.h"

class ImageView;

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

    // The widgets are lent; they outlive the page's trees.
    explicit QtTreePage(const Fields& fields);

    Surface& image() override;
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return balanced_.get(); }
    DrawingRecord shownPicture() const override;

private:
    ImageView* image_;
    LineEditOutput info_;
    LineEditOutput entry_;
    LineEditOutput depth_;
    LineEditOutput count_;
    std::unique_ptr<LineEditOutput> balanced_;
};
