// StepClock, the clock of the step-by-step demonstrations, and DemoCancelled.
// The demonstrations in demo/ decide what blinks and when to stop; the GUI owns
// the clock: it waits each blink phase with a timer and a local event loop, so
// the window stays alive, and its "Weiter" buttons set weiterPressed.
#pragma once

// Thrown by StepClock::pause when the program is closing while a step waits.
// A demonstration that sees it finishes its tree operation without further
// steps, leaves the page alone and passes the exception on.
struct DemoCancelled {};

class StepClock {
public:
    virtual ~StepClock() = default;
    // One blink phase: returns after the given time, with the window's pending
    // events handled meanwhile; throws DemoCancelled when the program closes.
    virtual void pause(int milliseconds) = 0;

    // Set by the page's "Weiter" button; cleared by every step and before every
    // demonstration.
    bool weiterPressed = false;
};
