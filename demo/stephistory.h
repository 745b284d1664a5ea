// StepHistory: the steps of one demonstration as they were shown, for the
// lesson controls "Zurück", "Abspielen" and the list of steps. A waiting step
// is recorded at its waiting point (what the page shows in both blink phases
// of its first cycle and the step text); going back shows a record while the
// demonstration stays parked in the wait of its live step, and going forward
// to the live step shows that again. The history never presses "Weiter" for
// a step it shows from the past, so going back and forth changes nothing of
// the demonstration. It also decides the timing of play: when a shown step
// has had its time and "Weiter" is due.
//
// After the end the recorded steps can be shown again; the last step then
// stands for the final state, what the page showed when it was left for the
// past, which going there shows again exactly. The structure is never
// touched: only the screen shows other pictures and texts.
//
// HistoryClock: a StepClock that feeds an attached history and plays it; a
// subclass supplies the real wait and the time.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "demo/stepclock.h"

// What a page showed at one step's waiting point; made and shown by the
// page's StepScreen.
class StepView {
public:
    virtual ~StepView() = default;
    // The memory the view holds, for the history's budget.
    virtual std::size_t bytes() const = 0;
};

// The part of a demonstrating page that the history records and restores.
class StepScreen {
public:
    virtual ~StepScreen() = default;
    // The step text shown now (the info field).
    virtual std::string stepText() const = 0;
    // An extra mark of the step shown now (e.g. a line of an algorithm); ""
    // for none.
    virtual std::string stepTag() const { return {}; }
    // What the page shows now, at phase 0 of a step's first blink cycle.
    virtual std::unique_ptr<StepView> capture() = 0;
    // Adds what phase 1 of that cycle shows to a view made by capture().
    virtual void captureSecondPhase(StepView& view) = 0;
    // Shows a recorded view instead of the live picture, in a blink phase.
    virtual void show(const StepView& view, int phase) = 0;
    // Shows the live step again; live is the view recorded at its waiting point.
    virtual void showLive(const StepView& live) = 0;
};

struct StepRecord {
    std::string text;
    // An optional extra mark of the step ("" for none).
    std::string tag;
    // Null once given up to keep the history within its memory budget.
    std::unique_ptr<StepView> view;
};

class StepHistory {
public:
    static constexpr int kMinStepMs = 200;
    static constexpr int kMaxStepMs = 5000;
    static constexpr int kDefaultStepMs = 1500;
    static constexpr std::size_t kDefaultBudget = std::size_t{96} << 20;

    explicit StepHistory(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    // A demonstration begins on screen (lent until the next begin): the
    // final state of the previous one is shown again, its steps forgotten.
    void begin(StepScreen& screen);
    // The demonstration has ended: its step texts stay readable and its
    // steps can be shown again.
    void finish();
    // Between begin and finish.
    bool running() const { return screen_ != nullptr; }

    // From the clock: a waiting step has drawn a phase (see StepClock::shown);
    // nowMs is the clock's time.
    void shown(int phase, bool firstCycle, long long nowMs);
    // The wait of the live step has ended.
    void stepDone();

    int size() const { return static_cast<int>(records_.size()); }
    // The memory the recorded views hold.
    std::size_t bytes() const { return bytes_; }
    const StepRecord& record(int index) const { return records_[index]; }
    std::vector<std::string> texts() const;
    // The step shown (the last one unless gone back); -1 without steps.
    int current() const { return current_; }
    // True while the last record is the live step, waiting for "Weiter".
    bool waiting() const { return waiting_; }
    // True while a step of the past is shown in place of the live one.
    bool inPast() const { return waiting_ && current_ < size() - 1; }
    // True after the end while a step before the last is shown in place of
    // the final state.
    bool reviewing() const { return ended_ != nullptr && current_ < size() - 1; }
    // While a step waits, or after the end of a demonstration with steps.
    bool canGo(int index) const;
    bool canBack() const { return canGo(current_ - 1); }
    // Shows the step at index (only a recorded one); after the end the last
    // index shows the final state.
    bool go(int index);
    bool back() { return go(current_ - 1); }
    bool forward() { return go(current_ + 1); }
    // "Weiter" pressed: true when it went one step forward in the past; false
    // when it belongs to the live step.
    bool weiter() { return inPast() && forward(); }
    // After the end: shows the final state again; false when it was shown.
    bool returnToEnd();
    // After the end: the step shown again moves on to its other blink phase.
    void blink();
    // The blink phase of the step shown from the past.
    int phase() const { return phase_; }

    void setPlaying(bool playing);
    bool playing() const { return playing_; }
    // The time per step while playing, clamped to kMinStepMs..kMaxStepMs.
    void setStepMs(int milliseconds);
    int stepMs() const { return stepMs_; }
    // How long a wait of `milliseconds` may last while playing: up to the
    // moment the shown step has had its time.
    int waitLimit(int milliseconds, long long nowMs);
    // After a wait: a step of the past that has had its time gives way to
    // the next; true when the live step has had it ("Weiter" is due).
    bool playDue(long long nowMs);

    // Called after every change of the steps, the current step or play.
    std::function<void()> onChange;

private:
    void changed() {
        if (onChange) onChange();
    }
    void keepBudget();
    // After the end: shows the step at index (the last: the final state).
    void review(int index);

    std::vector<StepRecord> records_;
    StepScreen* screen_ = nullptr;
    // After the end: the screen of the ended demonstration, and the final
    // state while a step of the past is shown in its place.
    StepScreen* ended_ = nullptr;
    std::unique_ptr<StepView> final_;
    int current_ = -1;
    int firstKept_ = 0;  // records before it have no view any more
    bool waiting_ = false;
    int phase_ = 0;
    bool playing_ = false;
    int stepMs_ = kDefaultStepMs;
    long long shownAt_ = -1;  // when the shown step began to show; -1 not yet
    std::size_t bytes_ = 0;
    std::size_t budget_;
};

class HistoryClock : public StepClock {
public:
    // The history to feed and play (lent; null for none).
    void attach(StepHistory* history) { history_ = history; }
    StepHistory* history() const { return history_; }

    // Waits (cut short while playing), then lets play press "Weiter".
    void pause(int milliseconds) final;
    void shown(int phase, bool firstCycle) final;
    void stepDone() final;

protected:
    // The wait itself; may throw DemoCancelled.
    virtual void wait(int milliseconds) = 0;
    // A steady time in milliseconds.
    virtual long long nowMs() const = 0;

private:
    StepHistory* history_ = nullptr;
};
