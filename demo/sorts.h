// The six animated sorts of the sort window: bubble sort, straight insertion,
// straight selection, quicksort 1 (index based, middle pivot), quicksort 2
// (first element as pivot, two new lists) and a natural mergesort with two
// intermediate lists.
//
// Each sort works on the list itself with the list operations and, at each
// step, shows its lists on a SortScreen and yields the screen as a Step. It
// goes on only when the next step is asked for. Once the screen's "Ende" is
// set, the sort hands its state at the next stopping point to sortfinish
// (demo/sortfinish.h), which completes it at once with the same final order
// and cursor and shows nothing (quicksort 2 goes on itself up to its first
// split, with the optional steps left out and no texts made). A sort changes
// only the order: the list ends with the same elements (quicksort 2 and the
// mergesort move them through auxiliary lists, as copies or by relinking),
// also where compare is no order (booleans, NaN), and the call depth never
// grows with the list.
//
// SortRun: one sort of a list as the sort window plays it.
#pragma once

#include <memory>
#include <optional>

#include "demo/generator.h"
#include "demo/sortscreen.h"
#include "demo/stepsource.h"

class TListe;

enum class SortKind { bubble, insertion, selection, quick1, quick2, merge };
inline constexpr SortKind kSortKinds[] = {SortKind::bubble,    SortKind::insertion,
                                          SortKind::selection, SortKind::quick1,
                                          SortKind::quick2,    SortKind::merge};

// The sorts, ascending by compare. Fewer than two elements need no exchange;
// the steps each algorithm shows are documented in sorts.cpp. list and
// screen are lent for the generator's life.
Generator<Step> bubbleSort(TListe& list, SortScreen& screen);
Generator<Step> insertionSort(TListe& list, SortScreen& screen);
Generator<Step> selectionSort(TListe& list, SortScreen& screen);
Generator<Step> quickSort1(TListe& list, SortScreen& screen);
Generator<Step> quickSort2(TListe& list, SortScreen& screen);
Generator<Step> mergeSort(TListe& list, SortScreen& screen);
Generator<Step> sortSteps(SortKind kind, TListe& list, SortScreen& screen);

class SortRun final : public StepSource {
public:
    // A sort of list (lent; it outlives the run) whose MemoQuelle shows
    // `quelle` at the start. Without stepwise it runs as after "Ende" from
    // its first step on.
    SortRun(SortKind kind, TListe& list, std::shared_ptr<const ListView> quelle,
            bool stepwise = true);
    // A run given up before its end finishes first: the list keeps all its
    // elements, in their final order.
    ~SortRun() override;

    std::optional<Step> next() override;
    void finish() override;
    // The lists as the sort left them, the info field empty; after "Ende"
    // MemoQuelle shows the list without marks.
    Step end() override;

    bool ended() const { return screen_.ending(); }

private:
    TListe& list_;
    SortScreen screen_;
    Generator<Step> steps_;  // after screen_: ends before it
};
