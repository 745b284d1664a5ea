#include "workbench/linecollector.h"

#include <algorithm>

void LineCollector::addLine(std::string_view utf8) {
    if (lines_ > 0) text_ += '\n';
    text_ += utf8;
    ++lines_;
}

void LineCollector::appendText(std::string_view utf8) {
    if (lines_ == 0) lines_ = 1;
    text_ += utf8;
}

void LineCollector::setText(std::string_view utf8) {
    text_ = utf8;
    lines_ = text_.empty() ? 0 : 1 + static_cast<int>(std::count(text_.begin(), text_.end(), '\n'));
}
