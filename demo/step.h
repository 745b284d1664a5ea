// Step: one step of a demonstration as a value, all that the window shows
// while the step waits for "Weiter": the step text, the marked lines of the
// pseudo-code, and either the tree page's image in both blink phases (as
// drawing calls, not pixels) with the page's fields, or the three lists of
// the sort window with their marks. The window draws a step from these values
// whenever it shows it: live, again with "Zurück", at any zoom, on paper.
//
// The end of a demonstration is a Step too: what the window shows once it is
// over (the final picture and fields, or the final lists), without a figure.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "demo/pseudocode.h"
#include "demo/question.h"
#include "elements/drawingrecord.h"
#include "linear/listdisplay.h"

// The procedures a step shows in the "Algorithmus" panel, the running one
// last, each with the index of its marked line (-1 for none yet).
struct CodeFrame {
    Procedure procedure;
    int marked = -1;
    bool operator==(const CodeFrame&) const = default;
};
using CodeMarks = std::vector<CodeFrame>;

// Drawing calls that several steps share; never changed once made.
using SharedOps = std::shared_ptr<const std::vector<DrawingOp>>;

// A tree page's image at a step: the calls since the image was last blanked
// (canvas, in pieces that the steps of one demonstration share), then the
// step's blinking figure as drawn in each of the two blink phases. A picture
// without a figure stands still.
struct StepPicture {
    int width = 0;
    int height = 0;
    std::vector<SharedOps> canvas;
    std::array<std::vector<DrawingOp>, 2> figure;
    // The phase in which the figure stands in black (the other one erases it
    // or draws it in the background colour).
    int shownPhase = 1;

    bool blinks() const { return !figure[0].empty() || !figure[1].empty(); }
    // Draws the picture in the blink phase on target, a blank surface of the
    // picture's size.
    void draw(Surface& target, int phase) const;
    // The calls of draw, as one record.
    DrawingRecord record(int phase) const;
    // The picture standing still, as on paper or in a saved picture: the
    // figure shown, its numbers bold in a frame and its lines doubled, so
    // that what the step is about shows without blinking and without colour.
    DrawingRecord still() const;
    // What this picture holds beyond the canvas pieces it shares with other:
    // its own pieces and its figure.
    std::size_t bytesBeyond(const StepPicture* other) const;
};

// The fields of a tree page beside the picture; a page leaves out those it
// does not have.
struct PageFields {
    std::string depth;
    std::string count;
    std::string balanced;
    bool operator==(const PageFields&) const = default;
};

struct Step {
    // The info field (EditTinfo, EditAinfo, EditBInfo, EditSortInfo).
    std::string text;
    CodeMarks marks;
    // Tree pages.
    StepPicture picture;
    PageFields fields;
    // The sort window: MemoQuelle, MemoZwischen1, MemoZwischen2; null shows
    // an empty memo.
    std::array<std::shared_ptr<const ListView>, 3> lists;
    // Asked in the mode "Vorhersagen" before the step is shown, in order.
    std::vector<Question> questions;

    // The memory this step holds beyond what it shares with the step before
    // it (null for none).
    std::size_t bytesBeyond(const Step* previous) const;
};

// The smallest rectangle that holds what a record draws in ink (neither the
// background nor what is erased again in the background colour): x1 <= x < x2,
// y1 <= y < y2; empty (x2 <= x1) for a record without ink. Texts count 7
// pixels per character and 13 pixels high, the page font's cell.
struct InkBox {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool empty() const { return x2 <= x1 || y2 <= y1; }
};
InkBox inkBox(const DrawingRecord& record);

// The record for paper: the button face, the page images' background,
// becomes white.
DrawingRecord onPaper(const DrawingRecord& record);
