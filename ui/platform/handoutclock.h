// HandoutClock: the step clock of a handout. It never waits: every pause
// returns at once and presses "Weiter" itself, so a demonstration runs through
// all of its steps in one go. At each pause it tells its listener whether the
// pause opens a new waiting point (the first pause after "Weiter" was taken)
// or continues the one before (the further blink phases of the same step).
#pragma once

#include <functional>

#include "demo/stepclock.h"

class HandoutClock final : public StepClock {
public:
    // Called at every pause; firstOfStep is true for the first pause of a
    // waiting point. The listener may throw DemoCancelled to stop the run.
    std::function<void(bool firstOfStep)> onPause;

    void pause(int milliseconds) override;

    // How many waiting points the run has reached so far.
    int steps() const { return steps_; }

private:
    int steps_ = 0;
};
