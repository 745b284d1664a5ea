// The list display of the list page and the sort window, Qt-free: the memo
// text of a list with the cursor arrow, and optionally the marks of the sort
// demonstrations (run separators and a framed sublist).
//
// Format: first line "     <--" when the cursor is at position 0, else
// empty; then one line per element (elementtext::memoText); the line of
// element number `position` (counting from 1) ends in "  <--". With markRuns a
// line of nine dashes stands before an element that is smaller than its
// predecessor (predecessor.compare(element) == 1); a line of eight dashes
// stands before element index `first` and after element index `last`
// (0-based; -1 for none). Lines are joined by "\n" without a final break.
#pragma once

#include <cstdint>
#include <string>

#include "elements/platform.h"

class TListe;

struct ListDisplay {
    std::string text;
    std::uint16_t position = 0;
    std::uint16_t count = 0;
    // Lines (from 0) of the arrow and of the two frame lines; -1 for none.
    int arrowLine = 0;
    int frameFirstLine = -1;
    int frameLastLine = -1;
};

// A memo that can keep the marks of a list display in sight (the sort
// window's memos follow the step): after a list display replaced its text,
// TListDemo::showList passes it the lines of the arrow and of the frame.
class ListMemoOutput : public TextOutput {
public:
    virtual void keepInSight(const ListDisplay& display) = 0;
};

// Renders the list; its cursor ends where it was. Walks the list once.
ListDisplay renderList(TListe& list, bool markRuns = false, int first = -1, int last = -1);
