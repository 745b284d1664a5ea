// TBayerTreeDemo: the B-tree of the "BayerBaum" page. Its insertion and
// deletion are TBayerTree's own, watched step by step: each step shows its
// German text in the info field and blinks a number, a page or a split on
// the page image. The operation runs at once on a StepRecorder standing in
// for the page, which keeps the steps for the window to play. Also the full
// redraw and the look-up message of the page.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "trees/bayertree.h"

class RecordedSteps;
class StepRecorder;
class Surface;
class TextOutput;

class TBayerTreeDemo : public TBayerTree {
public:
    // Keys are TInteger.
    TBayerTreeDemo();

    // Inserts x (taken over) with the step displays on page, a recorder that
    // shows what the page shows now. The caller has checked that x is not
    // present. The steps end with the page redrawn when the drawing no
    // longer matches the tree, else with the new count; the info field empty.
    std::unique_ptr<RecordedSteps> insert(StepRecorder& page, std::unique_ptr<TBase> x);
    // Inserts the number of entry with the Insert button's checks but without
    // steps or drawing (the tree's own insertion, no observer). Returns "" when
    // inserted, else the message Insert would have shown: kTreeNumberRange,
    // "Element ist bereits vorhanden" or the tree's own refusal, which is
    // then not shown.
    std::string insertQuietly(std::string_view entry);
    // Deletes the key equal to x (x is the search argument, freed here) with
    // the step displays; the steps end like insert's.
    std::unique_ptr<RecordedSteps> remove(StepRecorder& page, std::unique_ptr<TBase> x);
    // Full redraw: blanks the image, draws every page and its connector, and
    // shows the count in countField.
    void zeichne(Surface& image, TextOutput& countField) const;
    // The page's look-up message for the entry text: "Es ist kein Element
    // eingegeben worden", readTreeNumber's message, "Element ist vorhanden"
    // or "Element ist nicht vorhanden".
    void showLookUp(std::string_view entry) const;

private:
    // The end of an operation's steps: the page redrawn when the drawing no
    // longer matches the tree, else the count; the info field empty.
    std::unique_ptr<RecordedSteps> finish(StepRecorder& page, bool redrawNeeded) const;
};
