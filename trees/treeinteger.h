// TTreeInteger: the whole-number element of the "Suchbaum" and "AVL-Baum"
// pages. It writes itself into the level listing it is given and draws itself
// on the page's image; value, file form and order are TInteger's.
#pragma once

#include <cstdint>
#include <memory>

#include "elements/base.h"

class TextOutput;

class TTreeInteger : public TInteger {
public:
    static const ClassInfo info;

    TTreeInteger() = default;
    explicit TTreeInteger(std::int32_t value) : TInteger(value) {}

    const ClassInfo& classInfo() const override { return info; }

    // Appends the decimal value and two blanks to out, the level listing.
    void writeValue(TextOutput& out) const override;
    // A TTreeInteger with the same value.
    std::unique_ptr<TBase> copy() const override;
    // Font "MS SANS SERIF", size 8, black font and pen, then the decimal value
    // with its top-left corner at (x, y).
    void paintValue(Surface& surface, int x, int y) const override;
};
