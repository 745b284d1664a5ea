// The fuzz harness shared by the list, stack and queue loaders: arbitrary
// bytes load or are refused with a FileError; a loaded structure keeps its
// invariants and saves to bytes that load back to the same bytes.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "elements/reader.h"
#include "fuzz/fuzzsupport.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/liste.h"

template <typename Structure>
int fuzzLinearLoader(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        registerElementClasses();
        registerListClasses();
        registerQueueClasses();
        registerDisplayStringClasses();
        return true;
    }();
    (void)ready;
    Structure structure;
    bool loaded = false;
    fuzzLoad(data, size, [&](TReader& r) {
        structure.load(r);
        loaded = true;
    });
    if (!structure.verify()) std::abort();
    if (loaded) {
        const std::string first = image(structure);
        Structure again;
        fuzzLoad(reinterpret_cast<const std::uint8_t*>(first.data()), first.size(),
                 [&](TReader& r) { again.load(r); });
        if (image(again) != first || again.count() != structure.count()) std::abort();
    }
    return 0;
}
