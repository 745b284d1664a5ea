// TBayerTreeDemo: the B-tree of the "BayerBaum" page. Its insertion and
// deletion are TBayerTree's own, watched step by step: each step shows its
// German text in the info field, blinks a number, a page or a split on the
// page image and waits for "Weiter". Also the full redraw and the look-up
// message of the page.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "trees/bayertree.h"

class AlgorithmTrace;
class Surface;
class TextOutput;
class StepClock;

class TBayerTreeDemo : public TBayerTree {
public:
    // Keys are TInteger. The clock and the trace (where each step names its
    // pseudo-code line; by default nowhere) are lent and must outlive the tree.
    explicit TBayerTreeDemo(StepClock& clock);
    TBayerTreeDemo(StepClock& clock, AlgorithmTrace& trace);

    // Inserts x (taken over) with the step displays. The caller has checked
    // that x is not present. Propagates DemoCancelled after finishing the
    // insertion without further steps.
    InsertResult insert(Surface& image, TextOutput& infoField, std::unique_ptr<TBase> x);
    // Inserts the number of entry with the Insert button's checks but without
    // steps or drawing (the tree's own insertion, no observer). Returns "" when
    // inserted, else the message Insert would have shown: kTreeNumberRange,
    // "Element ist bereits vorhanden" or the tree's own refusal, which is
    // then not shown.
    std::string insertQuietly(std::string_view entry);
    // Deletes the key equal to x (x is the search argument, freed here) with
    // the step displays. Propagates DemoCancelled like insert.
    bool remove(Surface& image, TextOutput& infoField, std::unique_ptr<TBase> x);
    // Full redraw: blanks the image, draws every page and its connector, and
    // shows the count in countField.
    void zeichne(Surface& image, TextOutput& countField) const;
    // The page's look-up message for the entry text: "Es ist kein Element
    // eingegeben worden", readTreeNumber's message, "Element ist vorhanden"
    // or "Element ist nicht vorhanden".
    void showLookUp(std::string_view entry) const;

    // Set by the page before an operation; true when the animated drawing no
    // longer matches the tree and zeichne must redraw it afterwards.
    bool redrawNeeded = false;

private:
    StepClock& clock_;
    AlgorithmTrace& trace_;
};
