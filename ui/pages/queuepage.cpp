#include "ui/pages/queuepage.h"

#include "linear/displaystrings.h"

namespace {

const LinearPage::Design kDesign = {
    "TabSheetSchlange",
    {"LabelSEingabe", 24, 32, 0, 0},
    {"EditSEingabe", 24, 48, 105, 21},
    {"PanelSchlange", 24, 92, 105, 209},
    {{"ButtonSInsert", "&Insert"},
     {"ButtonSDelete", "&Delete"},
     {"ButtonSFront", "&Front"},
     {"ButtonSClear", "&Clear"},
     {"ButtonSSave", "&Save"},
     {"ButtonSLoad", "&Load"}},
    {"MemoFifo", 256, 28, 185, 289},
    {"LabelSAnz", 144, 96, 79, 13},
    {"EditSAnz", 144, 120, 81, 21},
    queuetext::empty,
    queuetext::extension,
    queuetext::filter,
};

}  // namespace

QueuePage::QueuePage(PageHost& host, QWidget* parent)
    : LinearPage(host, kDesign, parent), queue_(std::make_unique<TFifo>()) {}

void QueuePage::writeStructure(TextOutput& lines) const { queue_->write(lines); }

void QueuePage::putString(std::string text) {
    queue_->insert(std::make_unique<TFifoString>(std::move(text)));
}
