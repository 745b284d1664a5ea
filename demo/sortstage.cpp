#include "demo/sortstage.h"

#include "demo/stepclock.h"

void SortStage::wait() {
    if (!clock || cancelled) {
        if (clock) clock->weiterPressed = false;
        return;
    }
    try {
        // With "Ende" set, one pass of at most zero milliseconds: the window
        // repaints, and the sort goes on without stopping.
        // A step that waits is one the clock may record and play; with
        // "Ende" set the sort passes by without showing its steps.
        bool firstPoll = true;
        do {
            if (!stepEnde) clock->shown(0, firstPoll);
            firstPoll = false;
            clock->pause(stepEnde ? 0 : kSortPollMs);
        } while (!clock->weiterPressed && !stepEnde);
        clock->stepDone();
    } catch (const DemoCancelled&) {
        cancelled = true;
        stepEnde = true;
    }
    clock->weiterPressed = false;
}
