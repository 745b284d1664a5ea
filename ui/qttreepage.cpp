#include "ui/qttreepage.h"

#include "ui/imageview.h"
#include "ui/tform1.h"

QtTreePage::QtTreePage(TForm1& form, const Fields& fields)
    : form_(form),
      image_(fields.image),
      info_(fields.info),
      entry_(fields.entry),
      depth_(fields.depth),
      count_(fields.count),
      balanced_(fields.balanced ? std::make_unique<LineEditOutput>(fields.balanced) : nullptr) {}

Surface& QtTreePage::image() {
    return image_->surface();
}

StepClock& QtTreePage::clock() {
    return form_.stepClock();
}

void QtTreePage::lockControls(bool enabled, int kind) {
    form_.lockControls(enabled, kind);
}
