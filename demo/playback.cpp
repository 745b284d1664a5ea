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
    waiting_.reset();
    waitingGiven_.clear();
    given_.clear();
    endGiven_.clear();
    verdict_.reset();
    asked_ = 0;
    right_ = 0;
    source_ = std::move(source);
    changed();
    advance();
}

void Playback::advance() {
    std::optional<Step> next = source_->next();
    if (!next) {
        Step end = source_->end();
        if ((predicting_ || exercise_) && !end.questions.empty()) {
            ask(std::move(end), true);
        } else {
            finished(std::move(end));
        }
        return;
    }
    if ((predicting_ || exercise_) && !next->questions.empty()) {
        ask(std::move(*next), false);
        return;
    }
    push(std::move(*next));
}

void Playback::ask(Step held, bool isEnd) {
    waiting_ = std::move(held);
    waitingIsEnd_ = isEnd;
    questionIndex_ = 0;
    waitingGiven_.clear();
    verdict_.reset();
    tries_ = 0;
    weiterPending_ = false;
    playTimer_.stop();
    // The step shown goes on blinking while the question waits.
    if (current_ >= 0 && step(current_).picture.blinks()) phaseTimer_.start(kBlinkPhaseMs);
    changed();
}

const Question* Playback::question() const {
    if (!waiting_) return nullptr;
    return &waiting_->questions[questionIndex_];
}

bool Playback::answer(int index) {
    const Question* q = question();
    if (q == nullptr || index < 0 || index >= static_cast<int>(q->answers.size())) return false;
    const bool right = index == q->correct;
    if (tries_ == 0) {
        // Only the first try counts.
        ++asked_;
        if (right) ++right_;
        waitingGiven_.push_back(index);
    }
    if (exercise_ && !right) {
        ++tries_;
        verdict_ = Verdict{false, predicttext::notRight, q->why, size()};
        changed();
        return true;
    }
    tries_ = 0;
    verdict_ =
        Verdict{right,
                right ? std::string(predicttext::right)
                      : predicttext::wrong + q->answers[static_cast<std::size_t>(q->correct)],
                q->why, size()};
    if (++questionIndex_ < waiting_->questions.size()) {
        changed();
        return true;
    }
    Step held = std::move(*waiting_);
    waiting_.reset();
    if (waitingIsEnd_) {
        endGiven_ = std::move(waitingGiven_);
        finished(std::move(held));
    } else {
        push(std::move(held));
    }
    return true;
}

void Playback::setExercise(bool exercise) {
    exercise_ = exercise;
    tries_ = 0;
    setPredicting(predicting_);
}

void Playback::setPredicting(bool predicting) {
    predicting_ = predicting;
    if (predicting || exercise_ || !waiting_) return;
    Step held = std::move(*waiting_);
    waiting_.reset();
    if (waitingIsEnd_) {
        finished(std::move(held));
    } else {
        push(std::move(held));
    }
}

const std::vector<int>& Playback::answersOf(int index) const {
    static const std::vector<int> none;
    if (ended() && index == size() - 1) return endGiven_;
    if (index < 0 || index >= static_cast<int>(given_.size())) return none;
    return given_[static_cast<std::size_t>(index)];
}

bool Playback::wrongAt(int index) const {
    const std::vector<int>& given = answersOf(index);
    const Step* held = nullptr;
    if (ended() && index == size() - 1) {
        held = &end_;
    } else if (index >= 0 && index < size()) {
        held = &step(index);
    }
    if (held == nullptr) return false;
    for (std::size_t i = 0; i < given.size() && i < held->questions.size(); ++i)
        if (given[i] != held->questions[i].correct) return true;
    return false;
}

void Playback::push(Step next) {
    given_.push_back(std::move(waitingGiven_));
    waitingGiven_.clear();
    const std::size_t own = next.bytesBeyond(steps_.empty() ? nullptr : &steps_.back());
    steps_.push_back(std::move(next));
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

void Playback::finished(Step end) {
    end_ = std::move(end);
    waiting_.reset();
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
    if (!running() || asking()) return;
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
    waiting_.reset();
    finished(source_->end());
}

void Playback::abandon() {
    if (!running()) return;
    source_->finish();
    source_.reset();
    waiting_.reset();
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
    given_.clear();
    endGiven_.clear();
    end_ = Step{};
    ended_ = false;
    current_ = -1;
    firstKept_ = 0;
    bytes_ = 0;
    changed();
}

void Playback::showCurrent() { screen_.show(steps_[static_cast<std::size_t>(current_)], phase_); }

void Playback::phaseElapsed() {
    if (current_ < 0) return;
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
    if (!running() || !playing_ || asking()) return;
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
    return ((running() && !asking()) || ended()) && index >= firstKept_ && index < size();
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
    if (playing_ && !asking()) {
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
