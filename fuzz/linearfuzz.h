// The fuzz harness shared by the list, stack and queue loaders. Arbitrary
// bytes load or are refused with a FileError. Either way the structure keeps
// its invariants and its page shows what was read (the memo text). A loaded
// structure saves to bytes that load back, with the page's own check, to a
// structure the page shows the same and that saves to the same bytes.
#pragma once

#include <cstdint>
#include <string>

#include "elements/reader.h"
#include "fuzz/fuzzsupport.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/liste.h"

// load(structure, reader): the page's Load on a cleared structure;
// show(structure): the page's text after it.
template <typename Structure, typename Load, typename Show>
void fuzzLinearPage(const std::uint8_t* data, std::size_t size, Load&& load, Show&& show) {
    Structure structure;
    const bool loaded = fuzzLoad(data, size, [&](TReader& r) { load(structure, r); });
    require(structure.verify());
    // The page shows what was read, also before the refusal's message.
    const std::string shown = show(structure);
    if (!loaded) return;
    const std::string first = image(structure);
    Structure again;
    loadSaved(first, [&](TReader& r) { load(again, r); });
    require(again.verify());
    require(again.count() == structure.count());
    require(show(again) == shown);
    require(image(again) == first);
}

// The stack and queue pages: the page's Load refuses elements of any class
// but `only`, the page's display string, and the memo shows what write writes.
// The same bytes also go through the general loader, which takes every
// element class; only the display strings can write themselves, so there just
// the count is shown.
template <typename Structure>
void fuzzLinearStructure(const std::uint8_t* data, std::size_t size, const ClassInfo& only) {
    fuzzLinearPage<Structure>(
        data, size, [](Structure& s, TReader& r) { s.load(r); },
        [](const Structure& s) { return std::to_string(s.count()); });
    fuzzLinearPage<Structure>(
        data, size, [&](Structure& s, TReader& r) { s.loadElements(r, &only); },
        [](const Structure& s) {
            return memoText([&](TextOutput& out) { s.write(out); }) + "|" +
                   std::to_string(s.count());
        });
}
