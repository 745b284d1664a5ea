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

    // What a waiting step tells its clock, so that a clock can keep a history
    // of the steps and play them: shown(phase, firstCycle) right before each
    // pause of the wait, once the phase's figure is drawn (phase 0 or 1 of a
    // blink cycle; a step that does not blink reports phase 0), and stepDone()
    // when the wait has seen "Weiter". Neither changes what the step does.
    virtual void shown(int /*phase*/, bool /*firstCycle*/) {}
    virtual void stepDone() {}

    // Set by the page's "Weiter" button; cleared by every step and before every
    // demonstration.
    bool weiterPressed = false;
};
