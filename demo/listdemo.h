// TListDemo: the list of the "Liste" page. A TListe that renders itself into
// a memo (showList) and sorts itself step by step for the sort demonstration
// window with six algorithms: bubble sort, straight insertion, straight
// selection, quicksort 1 (index based, middle pivot), quicksort 2 (first
// element as pivot, two new lists) and a natural mergesort with two
// intermediate lists.
//
// Each sort works on the list itself with the list operations and stops at its
// steps through sortStep, which shows the lists on the SortStage and waits
// there. Once the stage's "Ende" is set, the sort hands its state at the next
// stopping point to sortfinish (demo/sortfinish.h), which completes it at once
// with the same final order and cursor and shows nothing; the window then
// shows the result (quicksort 2 goes on itself up to its first split, with
// the optional steps left out and no texts made). A sort changes only the
// order:
// the list ends with the same elements (quicksort 2 and the mergesort move
// them through auxiliary lists, as copies or by relinking), also where compare
// is no order (booleans, NaN), and the call depth never grows with the list.
#pragma once

#include <string>
#include <string_view>

#include "linear/liste.h"

class SortStage;
class TextOutput;

// What one step of the animated sorts shows, and how "Ende" treats it. Each
// step names only what differs from these defaults: {.source = this, .first = L}.
struct SortStepView {
    TListe* source = nullptr;  // shown in MemoQuelle; the lists are lent, null for none
    TListe* aux1 = nullptr;    // shown in MemoZwischen1
    TListe* aux2 = nullptr;    // shown in MemoZwischen2
    bool markRuns = false;     // the showList marks, for all three lists
    int first = -1;
    int last = -1;
    bool showBefore = true;  // the lists are shown before the wait, else after it
    bool always = false;     // also once "Ende" is set (without waiting); else left out
    bool prefixed = true;    // the message follows the prefix of the step level
    int level = -1;          // 0..3: first switch to this level, empty both auxiliary memos
};

class TListDemo : public TListe {
public:
    static const ClassInfo info;

    const ClassInfo& classInfo() const override { return info; }

    // The list display (cursor arrow, brackets; with markRuns a line of nine
    // dashes before each element smaller than its predecessor, and lines of
    // eight dashes before index `first` and after index `last`, -1 for none)
    // replaces the memo's text. The list's cursor ends where it was.
    static void showList(TListe& list, TextOutput& memo, bool markRuns = false, int first = -1,
                         int last = -1);

    // The text step messages use for an element: the decimal value of an
    // integer, the text of a string, the value text of the further classes.
    static std::string elementText(const TBase& element);

    // One step: unless left out for "Ende", the lists of the view shown, the
    // message in EditSortInfo, the wait for "Weiter" (none once "Ende" is set).
    static void sortStep(SortStage& stage, std::string_view message, const SortStepView& view = {});

    // The six sorts, ascending by compare. Fewer than two elements need no
    // exchange; the steps each algorithm shows are documented in listdemo.cpp.
    void bubbleSortDemo(SortStage& stage);
    void insertionDemo(SortStage& stage);
    void selectionDemo(SortStage& stage);
    void quickSort1Demo(SortStage& stage);
    void quickSort2Demo(SortStage& stage);
    void mergeSortDemo(SortStage& stage);
};

// Registers TListDemo (a container: never a file element).
void registerListDemoClasses();
