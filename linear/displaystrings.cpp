#include "linear/displaystrings.h"

#include "elements/cp1252.h"
#include "elements/platform.h"

const ClassInfo TLifoString::info{"TLifoString", &TString::info, []() -> std::unique_ptr<TBase> {
                                      return std::make_unique<TLifoString>();
                                  }};
const ClassInfo TFifoString::info{"TFifoString", &TString::info, []() -> std::unique_ptr<TBase> {
                                      return std::make_unique<TFifoString>();
                                  }};

TextOutput* TLifoString::output_ = nullptr;
TextOutput* TFifoString::output_ = nullptr;

void TLifoString::writeValue() const {
    if (output_) {
        output_->addLine(cp1252::toUtf8(getValue()));
    }
}

void TLifoString::setOutput(TextOutput* output) {
    output_ = output;
}

void TFifoString::writeValue() const {
    if (output_) {
        output_->addLine(cp1252::toUtf8(getValue()));
    }
}

void TFifoString::setOutput(TextOutput* output) {
    output_ = output;
}

void registerDisplayStringClasses() {
    registry::registerClass(TLifoString::info);
    registry::registerClass(TFifoString::info);
}
