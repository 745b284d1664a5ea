// WindowClock: a StepClock that waits each phase on the main window's current
// step clock (its own QtStepClock, or one lent to it later). The B-tree
// demonstration keeps the clock it was made with, so it is made with this one
// and always follows the window; the "Weiter" flag is handed over in both
// directions around every phase.
#pragma once

#include "demo/stepclock.h"

class StepClockSource;

class WindowClock final : public StepClock {
public:
    // source is lent (the main window) and must outlive the clock.
    explicit WindowClock(StepClockSource& source) : source_(source) {}

    // One phase on the window's clock: that clock starts the phase with this
    // clock's flag (a step that has ended cleared it) and this clock ends it
    // with that clock's flag (a "Weiter" press during the phase). Propagates
    // DemoCancelled.
    void pause(int milliseconds) override;
    // Passed on to the window's clock, which may record and play the steps.
    void shown(int phase, bool firstCycle) override;
    void stepDone() override;

private:
    StepClockSource& source_;
};
