#include "linear/displaystrings.h"

#include "elements/cp1252.h"
#include "elements/platform.h"

const ClassInfo TLifoString::info{"TLifoString", &TString::info, []() -> std::unique_ptr<TBase> {
                                      return std::make_unique<TLifoString>();
                                  }};
const ClassInfo TFifoString::info{"TFifoString", &TString::info, []() -> std::unique_ptr<TBase> {
                                      return std::make_unique<TFifoString>();
                                  }};

void TLifoString::writeValue(TextOutput& out) const { out.addLine(cp1252::toUtf8(getValue())); }

void TFifoString::writeValue(TextOutput& out) const { out.addLine(cp1252::toUtf8(getValue())); }

void registerDisplayStringClasses() {
    registry::registerClass(TLifoString::info);
    registry::registerClass(TFifoString::info);
}
