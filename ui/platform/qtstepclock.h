// QtStepClock: the clock of the step-by-step demonstrations in the GUI. Each
// blink phase waits with a single-shot timer in a local event loop, so the
// window repaints, moves and resizes while a step waits and no CPU is spent
// between the phases. A history attached to it records the steps and plays
// them (HistoryClock).
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "demo/stephistory.h"

class QEventLoop;

class QtStepClock final : public QObject, public HistoryClock {
    Q_OBJECT
public:
    explicit QtStepClock(QObject* parent = nullptr);

    // Ends a waiting phase at once and makes every later pause throw: the
    // program is closing.
    void cancel();
    bool cancelled() const { return cancelled_; }

protected:
    // Waits the phase; throws DemoCancelled once cancel() was called or the
    // application is quitting. A lesson's history cuts it short while playing.
    void wait(int milliseconds) override;
    long long nowMs() const override { return time_.elapsed(); }

private:
    QElapsedTimer time_;
    QEventLoop* loop_ = nullptr;
    bool cancelled_ = false;
};
