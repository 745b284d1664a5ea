#include "ui/pages/qttreepage.h"

#include "ui/widgets/imageview.h"

QtTreePage::QtTreePage(const Fields& fields)
    : image_(fields.image),
      info_(fields.info),
      entry_(fields.entry),
      depth_(fields.depth),
      count_(fields.count),
      balanced_(fields.balanced ? std::make_unique<LineEditOutput>(fields.balanced) : nullptr) {}

Surface& QtTreePage::image() { return image_->surface(); }

DrawingRecord QtTreePage::shownPicture() const { return image_->drawing(); }
