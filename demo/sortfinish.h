// The rest of an animated list sort once "Ende" is set. Each function takes
// the sort's state at one of its stopping points, runs what the sort still
// had to do on a vector of the list's elements and writes the order back, so
// that the list ends with exactly the order and cursor position the sort
// itself would have left, only without walking the list for every access and
// without building a single step text.
//
// Where compare orders the elements (ordered()), the quadratic parts are
// replaced by their known outcome: bubble sort keeps equal elements in their
// order, straight insertion puts each element in front of the equal ones
// already placed, straight selection takes the first smallest element, and
// insertAllSorted puts the equal elements of its second run, reversed, in
// front of those of the first. Two kinds of elements whose compare is no
// order still have a known outcome: booleans (never smaller than another,
// greater when different) and floats with NaN (NaN is neither smaller than
// anything nor is anything smaller than it; the numbers are ordered).
// Straight insertion and the mergesort's merges place them with a search
// structure, straight selection with a tournament tree; bubble sort and
// quicksort 2 finish booleans in closed form, bubble sort runs all passes
// over floats with NaN but the last in closed form; the quicksorts compare
// ranks instead of elements. Straight selection of fractions with
// denominators <= 0 keeps for each block of the rest where a candidate ends
// in it. Elsewhere (the other sorts of such fractions, foreign classes) the
// finish runs the sort's own compare sequence step by step on the vector.
#pragma once

#include <vector>

class TBase;
class TListe;

namespace sortfinish {

// True when all elements are of one class whose compare is a total preorder
// on the values present: integers, strings, characters, the further integer
// classes and colours always; floats without NaN; fractions whose
// denominators are all positive.
bool ordered(const std::vector<TBase*>& elements);

// ordered(), and elements that compare equal look alike (no fractions, no
// float zero with a sign): every sort then ends with the same list.
bool orderedAlike(const std::vector<TBase*>& elements);
// The list's elements sorted (equal ones keep their order), cursor at `cursor`.
void sortTo(TListe& list, int cursor);

// Quicksort 2 on a part, as the sort itself orders it: the first element
// is the pivot, the smaller elements go reversed into the 1. Teilliste, the
// others into the 2.; the pivot goes alone into an empty 1. Teilliste, else
// in front of the 2.; each part with more than one element is sorted the
// same way. Booleans in closed form (none is smaller than the first, so each
// split takes off the first element alone), other elements split by split on
// vectors, with the parts still to be sorted on an explicit stack.
std::vector<TBase*> quick2(const std::vector<TBase*>& part);

// Bubble sort in pass i; the pair j, j + 1 is compared next; swapped is the
// pass's flag so far.
void bubble(TListe& list, int i, int j, bool swapped);
// Straight insertion; element i is the next to be taken out.
void insertion(TListe& list, int i);
// Straight selection; the round for index i is next.
void selection(TListe& list, int i);

// Quicksort 1's ranges, as the sort keeps them on its stack: stage 0 the
// range is partitioned next, 1 its upper part is next, 2 its lower part.
struct Quick1Range {
    int lo;
    int hi;
    int i = 0;
    int j = 0;
    int stage = 0;
};
// The partitioning of the last range in progress: the next round starts at
// i and j with this pivot (an element of the list).
struct Quick1Partition {
    int i;
    int j;
    const TBase* pivot;
};
void quick1(TListe& list, std::vector<Quick1Range> ranges, const Quick1Partition* partition);

// Mergesort (where compare is no order too: the passes stop where the sort
// stops them, when a pass does not reduce the runs). With split >= 0 the list
// holds the two intermediate lists of the pass just distributed (the first
// split elements the 1. Zwischenliste, the rest the 2.) that found `runs`
// runs; with split < 0 it holds the list after a merge and the next pass
// starts. previousRuns is the run count of the pass before.
void merge(TListe& list, int split, int runs, int previousRuns);

}  // namespace sortfinish
