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
        do {
            clock->pause(stepEnde ? 0 : kSortPollMs);
        } while (!clock->weiterPressed && !stepEnde);
    } catch (const DemoCancelled&) {
        cancelled = true;
        stepEnde = true;
    }
    clock->weiterPressed = false;
}
