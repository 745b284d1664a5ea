#include "trees/treeinteger.h"

#include <string>

#include "elements/platform.h"

const ClassInfo TTreeInteger::info{"TTreeInteger", &TInteger::info, []() -> std::unique_ptr<TBase> {
                                       return std::make_unique<TTreeInteger>();
                                   }};

void TTreeInteger::writeValue(TextOutput& out) const {
    out.appendText(std::to_string(getValue()) + "  ");
}

std::unique_ptr<TBase> TTreeInteger::copy() const {
    return std::make_unique<TTreeInteger>(getValue());
}

void TTreeInteger::paintValue(Surface& surface, int x, int y) const {
    surface.setFontName("MS SANS SERIF");
    surface.setFontSize(8);
    surface.setFontColor(clBlack);
    surface.setPenColor(clBlack);
    surface.textOut(x, y, std::to_string(getValue()));
}
