#include "demo/playback.h"

#include <algorithm>
#include <optional>
#include <utility>

Playback::Playback(Screen& screen, Timer& phaseTimer, Timer& playTimer, std::size_t budgetBytes)
    : screen_(screen), phaseTimer_(phaseTimer), playTimer_(playTimer), budget_(budgetBytes) {}

void Playback::start(std::unique_ptr<StepSource> source) {
    if (running()) abandon();
    returnToEnd();
    steps_.clear();
    stepBytes_.clear();
    end_ = Step{};
    ended_ = false;
    current_ = -1;
    phase_ = 0;
    firstKept_ = 0;
    bytes_ = 0;
    weiterPending_ = false;
    source_ = std::move(source);
    changed();
    advance();
}

void Playback::advance() {
    std::optional<Step> next = source_->next();
    if (!next) {
        finished();
        return;
    }
    const std::size_t own = next->bytesBeyond(steps_.empty() ? nullptr : &steps_.back());
    steps_.push_back(std::move(*next));
    stepBytes_.push_back(own);
    bytes_ += own;
    current_ = size() - 1;
    phase_ = 0;
    weiterPending_ = false;
    keepBudget();
    screen_.show(steps_.back(), 0);
    if (steps_.back().picture.blinks()) {
        phaseTimer_.start(kBlinkPhaseMs);
    } else {
        phaseTimer_.stop();
    }
    if (playing_) playTimer_.start(stepMs_);
    changed();
}

void Playback::finished() {
    end_ = source_->end();
    source_.reset();
    phaseTimer_.stop();
    playTimer_.stop();
    playing_ = false;
    weiterPending_ = false;
    ended_ = !steps_.empty();
    current_ = size() - 1;
    phase_ = 0;
    screen_.show(end_, 0);
    changed();
    if (onEnd) onEnd();
}

void Playback::weiter() {
    if (!running()) return;
    if (inPast()) {
        forward();
    } else if (steps_.back().picture.blinks()) {
        weiterPending_ = true;
    } else {
        advance();
    }
}

void Playback::ende() {
    if (!running()) return;
    source_->finish();
    finished();
}

void Playback::abandon() {
    if (!running()) return;
    source_->finish();
    source_.reset();
    phaseTimer_.stop();
    playTimer_.stop();
    playing_ = false;
    ended_ = false;
    changed();
}

void Playback::forget() {
    if (running()) return;
    returnToEnd();
    phaseTimer_.stop();
    steps_.clear();
    stepBytes_.clear();
    end_ = Step{};
    ended_ = false;
    current_ = -1;
    firstKept_ = 0;
    bytes_ = 0;
    changed();
}

void Playback::showCurrent() { screen_.show(steps_[static_cast<std::size_t>(current_)], phase_); }

void Playback::phaseElapsed() {
    if (running()) {
        // "Weiter" is noticed at the end of a full cycle only.
        if (phase_ == 1 && weiterPending_) {
            advance();
            return;
        }
        phase_ = 1 - phase_;
        showCurrent();
        phaseTimer_.start(kBlinkPhaseMs);
    } else if (reviewing() && step(current_).picture.blinks()) {
        phase_ = 1 - phase_;
        showCurrent();
        phaseTimer_.start(kBlinkPhaseMs);
    }
}

void Playback::playElapsed() {
    if (!running() || !playing_) return;
    if (inPast()) {
        forward();
    } else {
        advance();
    }
}

std::vector<std::string> Playback::texts() const {
    std::vector<std::string> out;
    out.reserve(steps_.size());
    for (const Step& s : steps_) out.push_back(s.text);
    return out;
}

bool Playback::canGo(int index) const {
    return (running() || ended()) && index >= firstKept_ && index < size();
}

bool Playback::go(int index) {
    if (!canGo(index)) return false;
    if (index != current_) {
        current_ = index;
        if (running()) {
            showCurrent();
            // The step shown from the past has its full time while playing.
            if (playing_) playTimer_.start(stepMs_);
        } else if (index == size() - 1) {
            phaseTimer_.stop();
            phase_ = 0;
            screen_.show(end_, 0);
        } else {
            // The other phase follows a full phase after the step appeared.
            phase_ = 0;
            showCurrent();
            if (step(index).picture.blinks()) {
                phaseTimer_.start(kBlinkPhaseMs);
            } else {
                phaseTimer_.stop();
            }
        }
    }
    changed();
    return true;
}

bool Playback::returnToEnd() {
    if (!reviewing()) return false;
    go(size() - 1);
    return true;
}

void Playback::setPlaying(bool playing) {
    playing_ = playing && running();
    if (playing_) {
        playTimer_.start(stepMs_);
    } else {
        playTimer_.stop();
    }
    changed();
}

void Playback::setStepMs(int milliseconds) {
    stepMs_ = std::clamp(milliseconds, kMinStepMs, kMaxStepMs);
}

void Playback::keepBudget() {
    // The step that waits keeps its values whatever they cost.
    while (bytes_ > budget_ && firstKept_ < size() - 1) {
        const auto k = static_cast<std::size_t>(firstKept_);
        // What the next step shares with this one stays: it is the next
        // step's own from now on.
        Step& later = steps_[k + 1];
        const std::size_t shared = later.bytesBeyond(nullptr) - later.bytesBeyond(&steps_[k]);
        stepBytes_[k + 1] += shared;
        bytes_ -= stepBytes_[k];
        bytes_ += shared;
        stepBytes_[k] = 0;
        steps_[k].picture = StepPicture{};
        steps_[k].lists = {};
        ++firstKept_;
    }
    if (current_ < firstKept_ && inPast()) go(firstKept_);
}
