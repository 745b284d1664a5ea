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
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "elements/platform.h"

class TBase;
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

// The memo lines of the elements one sort run shows, each text kept once and
// named by a number. Elements never change their value, and a list holds at
// most 65535 of them, so the texts of one run fit 16-bit numbers.
class ListTexts {
public:
    // The number of the element's memo line ("[5]", or a string's text).
    std::uint16_t id(const TBase& element);
    const std::string& text(std::uint16_t id) const { return texts_[id]; }
    std::size_t size() const { return texts_.size(); }

private:
    std::deque<std::string> texts_;  // a deque keeps the texts where the map sees them
    std::unordered_map<std::string_view, std::uint16_t> ids_;
};

// What one memo of the sort window shows at a step, as a value: the list's
// elements by the numbers of their lines, the cursor and the marks of the
// list display. Two bytes per element, so that every step of a sort can be
// kept. display() gives exactly what renderList gives for the list it was
// taken from.
struct ListView {
    std::shared_ptr<const ListTexts> texts;
    std::vector<std::uint16_t> elements;
    // Indexes of the elements that start a new ascending run (markRuns).
    std::vector<std::uint16_t> runStarts;
    int first = -1;
    int last = -1;
    std::uint16_t position = 0;

    ListDisplay display() const;
    std::size_t bytes() const;
    bool operator==(const ListView& other) const {
        return texts == other.texts && elements == other.elements && runStarts == other.runStarts &&
               first == other.first && last == other.last && position == other.position;
    }
};

// The view of the list with the marks of renderList; its cursor ends where it
// was. texts collects the element texts of the run.
ListView viewList(TListe& list, const std::shared_ptr<ListTexts>& texts, bool markRuns = false,
                  int first = -1, int last = -1);
