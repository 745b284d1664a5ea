// TreePage: what a tree demonstration reads and writes on its page of the
// main window ("Suchbaum" or "AVL-Baum"). The GUI implements it with the
// page's widgets; tests implement it with recorders. While a demonstration
// runs, a StepRecorder stands in for the page and takes the steps.
#pragma once

#include "demo/algorithmtrace.h"
#include "elements/drawingrecord.h"

class Surface;
class TextOutput;

class TreePage {
public:
    virtual ~TreePage() = default;

    // The page image (ImageTbaum / ImageABaum).
    virtual Surface& image() = 0;
    // The step explanations (EditTinfo / EditAinfo).
    virtual TextOutput& infoField() = 0;
    // The number entry (EditTEingabe / EditAEingabe); only read.
    virtual TextOutput& entryField() = 0;
    // Depth and count (EditTTiefe / EditAtiefe, EditTAnz / EditAanz).
    virtual TextOutput& depthField() = 0;
    virtual TextOutput& countField() = 0;
    // "JA" / "Nein" (EditTAusgeglichen); null on a page without it.
    virtual TextOutput* balancedField() = 0;
    // What the image shows now: the calls since it was last blanked.
    virtual DrawingRecord shownPicture() const = 0;
    // Where the demonstration names the pseudo-code line of each step (the
    // page's "Algorithmus" panel); by default nowhere.
    virtual AlgorithmTrace& trace() { return AlgorithmTrace::none(); }
};
