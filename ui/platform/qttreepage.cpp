#include "ui/platform/qttreepage.h"

#include "ui/pages/pagehost.h"
#include "ui/widgets/imageview.h"

QtTreePage::QtTreePage(PageHost& host, const Fields& fields)
    : host_(host),
      image_(fields.image),
      info_(fields.info),
      entry_(fields.entry),
      depth_(fields.depth),
      count_(fields.count),
      balanced_(fields.balanced ? std::make_unique<LineEditOutput>(fields.balanced) : nullptr) {}

Surface& QtTreePage::image() { return image_->surface(); }

StepClock& QtTreePage::clock() { return host_.stepClock(); }

void QtTreePage::lockControls(bool enabled, int kind) { host_.lockControls(enabled, kind); }
