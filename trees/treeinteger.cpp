#include "trees/treeinteger.h"

#include <string>

#include "elements/platform.h"

const ClassInfo TTreeInteger::info{"TTreeInteger", &TInteger::info, []() -> std::unique_ptr<TBase> {
                                       return std::make_unique<TTreeInteger>();
                                   }};

namespace {
// The "Suchbaum" page's level listing while it is lent; one per process, as
// there is one such page.
TextOutput* levelListing = nullptr;
}  // namespace

TextOutput* TTreeInteger::setLevelOutput(TextOutput* output) {
    TextOutput* previous = levelListing;
    levelListing = output;
    return previous;
}

TextOutput* TTreeInteger::levelOutput() {
    return levelListing;
}

void TTreeInteger::writeValue() const {
    if (levelListing) levelListing->appendText(std::to_string(getValue()) + "  ");
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
