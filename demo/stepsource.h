// StepSource: a running demonstration as the window's player sees it: it
// hands out its steps one at a time, each once the algorithm has reached the
// step's waiting point, and the end once there are no more. The algorithm
// never waits: it runs up to the next step when that is asked for, or to its
// end at once when "Ende" asks for that.
//
// RecordedSteps: a demonstration whose steps were all taken first (the tree
// operations, which run at once on the real tree and have a few dozen steps).
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "demo/step.h"

class StepSource {
public:
    virtual ~StepSource() = default;
    // The next step, or nothing when the demonstration has ended.
    virtual std::optional<Step> next() = 0;
    // "Ende": the rest of the demonstration without stops; afterwards next()
    // gives nothing and the structure is in its final state.
    virtual void finish() = 0;
    // What the window shows once the demonstration is over; asked after
    // next() has given nothing.
    virtual Step end() = 0;
};

class RecordedSteps final : public StepSource {
public:
    RecordedSteps(std::vector<Step> steps, Step end)
        : steps_(std::move(steps)), end_(std::move(end)) {}

    std::optional<Step> next() override {
        if (next_ == steps_.size()) return std::nullopt;
        return std::move(steps_[next_++]);
    }
    void finish() override { next_ = steps_.size(); }
    Step end() override { return end_; }

    // The steps not handed out yet (all of them before the first next()).
    const std::vector<Step>& steps() const { return steps_; }

private:
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    Step end_;
};
