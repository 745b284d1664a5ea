#include "ui/platform/handoutclock.h"

void HandoutClock::pause(int) {
    // A waiting point clears "Weiter" when it ends, so a pause that finds it
    // cleared belongs to the next step.
    const bool firstOfStep = !weiterPressed;
    if (firstOfStep) ++steps_;
    weiterPressed = true;
    if (onPause) onPause(firstOfStep);
}
