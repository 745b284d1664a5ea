#include "demo/stephistory.h"

#include <algorithm>

void StepHistory::begin(StepScreen& screen) {
    returnToEnd();
    ended_ = nullptr;
    records_.clear();
    screen_ = &screen;
    current_ = -1;
    firstKept_ = 0;
    waiting_ = false;
    phase_ = 0;
    shownAt_ = -1;
    bytes_ = 0;
    changed();
}

void StepHistory::finish() {
    if (screen_ && inPast()) screen_->showLive(*records_.back().view);
    ended_ = records_.empty() ? nullptr : screen_;
    screen_ = nullptr;
    waiting_ = false;
    current_ = size() - 1;
    playing_ = false;
    changed();
}

std::vector<std::string> StepHistory::texts() const {
    std::vector<std::string> out;
    out.reserve(records_.size());
    for (const StepRecord& r : records_) out.push_back(r.text);
    return out;
}

void StepHistory::shown(int phase, bool firstCycle, long long nowMs) {
    if (!screen_) return;
    phase_ = phase;
    if (firstCycle && phase == 0) {
        records_.push_back({screen_->stepText(), screen_->stepTag(), screen_->capture()});
        bytes_ += records_.back().view->bytes();
        current_ = size() - 1;
        waiting_ = true;
        shownAt_ = nowMs;
        keepBudget();
        changed();
        return;
    }
    if (!waiting_) return;
    StepRecord& live = records_.back();
    if (firstCycle && phase == 1) {
        bytes_ -= live.view->bytes();
        screen_->captureSecondPhase(*live.view);
        bytes_ += live.view->bytes();
        keepBudget();
    }
    // A step of the past blinks in the live step's rhythm.
    if (inPast()) screen_->show(*records_[current_].view, phase);
}

void StepHistory::stepDone() {
    if (!screen_ || !waiting_) return;
    // "Ende" or a closing window ends a wait also while the past is shown.
    if (inPast()) {
        current_ = size() - 1;
        screen_->showLive(*records_.back().view);
    }
    waiting_ = false;
    changed();
}

void StepHistory::keepBudget() {
    // The live step keeps its view whatever it costs.
    while (bytes_ > budget_ && firstKept_ < size() - 1) {
        StepRecord& old = records_[firstKept_++];
        bytes_ -= old.view->bytes();
        old.view.reset();
    }
    if (current_ < firstKept_ && inPast()) go(firstKept_);
}

bool StepHistory::canGo(int index) const {
    return ((screen_ && waiting_) || ended_) && index >= firstKept_ && index < size();
}

bool StepHistory::go(int index) {
    if (!canGo(index)) return false;
    if (ended_) {
        review(index);
        changed();
        return true;
    }
    if (index != current_) {
        current_ = index;
        if (inPast()) {
            screen_->show(*records_[current_].view, phase_);
        } else {
            screen_->showLive(*records_.back().view);
        }
        shownAt_ = -1;
    }
    changed();
    return true;
}

void StepHistory::review(int index) {
    if (index == current_) return;
    if (index == size() - 1) {
        current_ = index;
        ended_->showLive(*final_);
        final_.reset();
        return;
    }
    // What the page shows when it is left for the past is its final state.
    if (!final_) final_ = ended_->capture();
    current_ = index;
    phase_ = 0;
    ended_->show(*records_[current_].view, phase_);
}

bool StepHistory::returnToEnd() {
    if (!reviewing()) return false;
    review(size() - 1);
    changed();
    return true;
}

void StepHistory::blink() {
    if (!reviewing()) return;
    phase_ = 1 - phase_;
    ended_->show(*records_[current_].view, phase_);
}

void StepHistory::setPlaying(bool playing) {
    playing_ = playing && screen_ != nullptr;
    shownAt_ = -1;
    changed();
}

void StepHistory::setStepMs(int milliseconds) {
    stepMs_ = std::clamp(milliseconds, kMinStepMs, kMaxStepMs);
}

int StepHistory::waitLimit(int milliseconds, long long nowMs) {
    if (!playing_ || !waiting_) return milliseconds;
    if (shownAt_ < 0) shownAt_ = nowMs;
    const long long left = shownAt_ + stepMs_ - nowMs;
    return static_cast<int>(std::clamp<long long>(left, 0, milliseconds));
}

bool StepHistory::playDue(long long nowMs) {
    if (!playing_ || !waiting_) return false;
    if (shownAt_ < 0) shownAt_ = nowMs;
    if (nowMs - shownAt_ < stepMs_) return false;
    if (inPast()) {
        forward();
        shownAt_ = nowMs;
        return false;
    }
    return true;
}

void HistoryClock::pause(int milliseconds) {
    if (!history_) {
        wait(milliseconds);
        return;
    }
    wait(history_->waitLimit(milliseconds, nowMs()));
    // The history may have been taken away during the wait.
    if (history_ && history_->playDue(nowMs())) weiterPressed = true;
}

void HistoryClock::shown(int phase, bool firstCycle) {
    if (history_) history_->shown(phase, firstCycle, nowMs());
}

void HistoryClock::stepDone() {
    if (history_) history_->stepDone();
}
