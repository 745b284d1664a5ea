// TreePage: what a tree demonstration reads and writes on its page of the
// main window ("Suchbaum" or "AVL-Baum"). The GUI implements it with the
// page's widgets; tests implement it with recorders.
#pragma once

#include "demo/algorithmtrace.h"

class Surface;
class TextOutput;
class StepClock;

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
    // The blink clock and the page's "Weiter" flag.
    virtual StepClock& clock() = 0;
    // The main window's lockControls(enabled, kind): kind 1 "Suchbaum",
    // 2 "AVL-Baum". Called with false before and true after an animation.
    virtual void lockControls(bool enabled, int kind) = 0;
    // Where the demonstration names the pseudo-code line of each step (the
    // page's "Algorithmus" panel); by default nowhere.
    virtual AlgorithmTrace& trace() { return AlgorithmTrace::none(); }
};
