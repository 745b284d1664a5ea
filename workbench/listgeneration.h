// The integer lists that the list page generates: n values at random (with or
// without repeats), ascending or descending. Each generator empties the list
// first and leaves the cursor where the page shows it. Qt-free.
#pragma once

#include <string_view>

class RandomSource;
class TListe;

namespace listgeneration {

inline constexpr int kMinCount = 2;
inline constexpr int kMaxCount = 100;

// The count as the generation buttons read it from their field: text that
// parseInteger32 refuses counts as kMinCount, other values are clamped
// to kMinCount..kMaxCount.
int countFromText(std::string_view text);

// With repeats: n values drawn from 1..n, each inserted in front of the
// previous ones; the cursor stands at the start. Without: 1..n, each k in
// front of a random one of the elements present (never behind the last), so
// 1 always ends last and the cursor stands before n.
void fillRandom(TListe& list, int n, bool repeats, RandomSource& random);
// With repeats: n values drawn from 1..n, sorted ascending by straight
// insertion; the cursor stands where the sort left it (before the last
// inserted element). Without: 1..n; the cursor stands behind the last element.
void fillAscending(TListe& list, int n, bool repeats, RandomSource& random);
// With repeats: n values drawn from 1..n, sorted descending; the cursor stands
// behind the last element. Without: n..1; the cursor stands at the start.
void fillDescending(TListe& list, int n, bool repeats, RandomSource& random);

}  // namespace listgeneration
