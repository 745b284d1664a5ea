// QtStepClock: the clock of the step-by-step demonstrations in the GUI. Each
// blink phase waits with a single-shot timer in a local event loop, so the
// window repaints, moves and resizes while a step waits and no CPU is spent
// between the phases.
#pragma once

#include <QObject>

#include "demo/stepclock.h"

class QEventLoop;

class QtStepClock final : public QObject, public StepClock {
    Q_OBJECT
public:
    explicit QtStepClock(QObject* parent = nullptr);

    // Waits the phase; throws DemoCancelled once cancel() was called or the
    // application is quitting.
    void pause(int milliseconds) override;

    // Ends a waiting phase at once and makes every later pause throw: the
    // program is closing.
    void cancel();
    bool cancelled() const { return cancelled_; }

private:
    QEventLoop* loop_ = nullptr;
    bool cancelled_ = false;
};
