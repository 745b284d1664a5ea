// VirtualTimers: the timers of players on a clock of their own that moves
// only when told: advance(ms) lets that much time pass and runs out, in the
// order of their time, the timers due meanwhile (a timer started by one that
// runs out counts from that moment). Tests and the picture tool play
// demonstrations with them exactly, whatever else the machine is doing.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "demo/playback.h"

class VirtualTimers final : public StepTimers {
public:
    std::unique_ptr<Playback::Timer> make(std::function<void()> elapsed) override;

    // Lets the time pass; returns how many timers ran out.
    int advance(long long milliseconds);
    // Lets the time pass up to the next timer that is due and runs it out;
    // false when no timer runs.
    bool runNext();
    // The time since the start.
    long long now() const { return now_; }
    // The time left until the next timer runs out; -1 when none runs.
    long long nextDue() const;

private:
    class Timer;
    Timer* earliest() const;

    long long now_ = 0;
    std::vector<Timer*> timers_;
};

class VirtualTimers::Timer final : public Playback::Timer {
public:
    Timer(VirtualTimers& owner, std::function<void()> elapsed)
        : owner_(owner), elapsed_(std::move(elapsed)) {}
    ~Timer() override;
    void start(int milliseconds) override {
        due_ = owner_.now_ + milliseconds;
        running_ = true;
    }
    void stop() override { running_ = false; }

private:
    friend class VirtualTimers;
    VirtualTimers& owner_;
    std::function<void()> elapsed_;
    long long due_ = 0;
    bool running_ = false;
};

inline std::unique_ptr<Playback::Timer> VirtualTimers::make(std::function<void()> elapsed) {
    auto timer = std::make_unique<Timer>(*this, std::move(elapsed));
    timers_.push_back(timer.get());
    return timer;
}

inline VirtualTimers::Timer::~Timer() { std::erase(owner_.timers_, this); }

inline VirtualTimers::Timer* VirtualTimers::earliest() const {
    Timer* first = nullptr;
    for (Timer* t : timers_)
        if (t->running_ && (!first || t->due_ < first->due_)) first = t;
    return first;
}

inline long long VirtualTimers::nextDue() const {
    const Timer* first = earliest();
    return first ? first->due_ - now_ : -1;
}

inline bool VirtualTimers::runNext() {
    Timer* first = earliest();
    if (!first) return false;
    if (first->due_ > now_) now_ = first->due_;
    first->running_ = false;
    first->elapsed_();
    return true;
}

inline int VirtualTimers::advance(long long milliseconds) {
    const long long until = now_ + milliseconds;
    int ran = 0;
    for (Timer* first = earliest(); first && first->due_ <= until; first = earliest()) {
        runNext();
        ++ran;
    }
    now_ = until;
    return ran;
}
