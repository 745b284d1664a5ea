#include "ui/platform/windowclock.h"

#include "ui/pages/pagehost.h"

void WindowClock::pause(int milliseconds) {
    StepClock& clock = source_.stepClock();
    // The "Weiter" buttons set the window clock's flag; the demonstration
    // reads and clears this one. Without the hand-down, a press that ended
    // the previous wait would still be set and end the next wait unasked.
    clock.weiterPressed = weiterPressed;
    clock.pause(milliseconds);
    weiterPressed = clock.weiterPressed;
}

void WindowClock::shown(int phase, bool firstCycle) {
    source_.stepClock().shown(phase, firstCycle);
}

void WindowClock::stepDone() { source_.stepClock().stepDone(); }
