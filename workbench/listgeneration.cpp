#include "workbench/listgeneration.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "elements/base.h"
#include "linear/liste.h"
#include "linear/sortableliste.h"
#include "workbench/entrysyntax.h"
#include "workbench/randomsource.h"

namespace listgeneration {

namespace {

// Fills `list` with n values drawn from 1..n, each inserted in front of the
// previous ones (the cursor stays at the start).
void insertRandomValues(TListe& list, int n, RandomSource& random) {
    for (int k = 0; k < n; ++k) list.insert(std::make_unique<TInteger>(random.uniform(1, n)));
}

}  // namespace

int countFromText(std::string_view text) {
    const auto value = parseInteger32(text);
    return value ? std::clamp<std::int32_t>(*value, kMinCount, kMaxCount) : kMinCount;
}

void fillRandom(TListe& list, int n, bool repeats, RandomSource& random) {
    list.clear();
    if (repeats) {
        insertRandomValues(list, n, random);
        return;
    }
    // Each k goes in front of a random one of the present elements, never
    // behind the last: 1 always ends last, the cursor stands before n.
    for (int k = 1; k <= n; ++k) {
        const int r = list.isEmpty() ? 0 : random.uniform(0, list.count() - 1);
        list.insertAt(r, std::make_unique<TInteger>(k));
    }
}

void fillAscending(TListe& list, int n, bool repeats, RandomSource& random) {
    list.clear();
    if (repeats) {
        TSortableListe sorted;
        insertRandomValues(sorted, n, random);
        sorted.insertionSort();
        sorted.copyInto(list);  // the list takes over the cursor
        return;
    }
    for (int k = 1; k <= n; ++k) {
        list.insert(std::make_unique<TInteger>(k));
        list.advance();
    }
}

void fillDescending(TListe& list, int n, bool repeats, RandomSource& random) {
    list.clear();
    if (repeats) {
        TSortableListe sorted;
        insertRandomValues(sorted, n, random);
        sorted.insertionSort();
        sorted.reverse();  // cursor at the end, which copyInto hands on
        sorted.copyInto(list);
        return;
    }
    for (int k = 1; k <= n; ++k) list.insert(std::make_unique<TInteger>(k));
}

}  // namespace listgeneration
