// Playback: how the window plays a demonstration's steps, with the timing of
// the steps and the lesson controls, Qt-free. A step that blinks shows its
// figure in two phases of 300 ms each and goes on at the end of a full cycle
// once "Weiter" was pressed, so each blinking step shows at least one full
// cycle and two presses during one step go one step; a step that does not
// blink (the sort window's) goes on at "Weiter" at once. "Abspielen" goes on
// by itself when a step has been shown for the time per step. "Zurück" and
// the list of steps show earlier steps again from their values while the
// demonstration stays at its step; "Weiter" then goes forward through them
// to the step that waits, which goes on from there. "Ende" runs the rest
// without stops. After the end every step can be shown again, blinking as it
// did; the last entry then stands for the final state.
//
// The next step is taken from the demonstration only when the current one is
// left, so the algorithm is always exactly one step ahead of what a student
// has seen decided, and "Ende" finishes from where the screen stands.
//
// In the mode "Vorhersagen" a step (or the end) that comes with questions is
// held back until the student has answered them, one after the other; each
// answer is checked at once against the question's correct one, which is what
// the held-back step shows. While a question waits, "Weiter", "Zurück" and
// play do not go on (play goes on once it is answered); "Ende" skips it.
//
// The screen and the two timers are lent. The window's timers are Qt timers
// that call phaseElapsed and playElapsed; tests call these themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "demo/step.h"
#include "demo/stepsource.h"

class Playback {
public:
    static constexpr int kBlinkPhaseMs = 300;
    static constexpr int kMinStepMs = 200;
    static constexpr int kMaxStepMs = 5000;
    static constexpr int kDefaultStepMs = 1500;
    // The steps' memory beyond which the oldest ones can no longer be shown
    // again (their texts stay in the list).
    static constexpr std::size_t kDefaultBudget = std::size_t{64} << 20;

    class Screen {
    public:
        virtual ~Screen() = default;
        // Shows a step, or the end of a demonstration, in a blink phase.
        virtual void show(const Step& step, int phase) = 0;
    };

    // A single-shot timer: start replaces a running one.
    class Timer {
    public:
        virtual ~Timer() = default;
        virtual void start(int milliseconds) = 0;
        virtual void stop() = 0;
    };

    Playback(Screen& screen, Timer& phaseTimer, Timer& playTimer,
             std::size_t budgetBytes = kDefaultBudget);

    // A demonstration begins (the last one's steps are forgotten): its first
    // step is shown, or at once its end when it has none.
    void start(std::unique_ptr<StepSource> source);
    // A step of the demonstration waits.
    bool running() const { return source_ != nullptr; }
    // "Weiter": forward in the past, else the step that waits goes on (a
    // blinking one at the end of its cycle).
    void weiter();
    // "Ende": the demonstration finishes without stops; its end is shown.
    void ende();
    // The window closes: the demonstration finishes without stops and
    // without showing anything, and no end is reported.
    void abandon();
    // After the end: the steps of the last demonstration are forgotten.
    void forget();

    // The timers have run out.
    void phaseElapsed();
    void playElapsed();

    // The steps shown so far (after the end: all of them).
    int size() const { return static_cast<int>(steps_.size()); }
    const Step& step(int index) const { return steps_[static_cast<std::size_t>(index)]; }
    std::vector<std::string> texts() const;
    // The step shown (after the end, the last index stands for the final
    // state); -1 without steps.
    int current() const { return current_; }
    // The blink phase shown.
    int phase() const { return phase_; }
    // While running: a step before the waiting one is shown.
    bool inPast() const { return running() && current_ < size() - 1; }
    // After the end: a step before the last is shown in place of the final
    // state.
    bool reviewing() const { return ended_ && !running() && current_ < size() - 1; }
    // The last demonstration has ended with steps that can be shown again.
    bool ended() const { return ended_ && !running(); }
    bool canGo(int index) const;
    bool canBack() const { return canGo(current_ - 1); }
    bool go(int index);
    bool back() { return go(current_ - 1); }
    bool forward() { return go(current_ + 1); }
    // After the end: the final state again; false when it was shown.
    bool returnToEnd();

    // The mode "Vorhersagen"; switched off while a question waits, the held
    // step is shown at once.
    void setPredicting(bool predicting);
    bool predicting() const { return predicting_; }
    // An exercise: the questions are asked as in "Vorhersagen", but a wrong
    // answer is refused (the question waits on, with the reason); only the
    // first try of each question counts. Switched off, the demonstration goes
    // on by itself as far as "Vorhersagen" lets it ("Lösung zeigen").
    void setExercise(bool exercise);
    bool exercise() const { return exercise_; }
    // Wrong tries at the question that waits.
    int tries() const { return tries_; }
    // After two wrong tries the right answer is shown.
    bool hint() const { return exercise_ && tries_ >= 2; }
    // A question waits for its answer.
    bool asking() const { return waiting_.has_value(); }
    // The question that waits, or null.
    const Question* question() const;
    // Answers the question that waits with the answer at index; false when
    // none waits or index is no answer.
    bool answer(int index);
    // The check of the last answer, until the next question of another step
    // is asked or the next demonstration starts.
    struct Verdict {
        bool right = false;
        std::string text;  // "Richtig" or "Leider falsch: richtig ist …"
        std::string why;
        int step = 0;  // the step the question was asked before
    };
    const std::optional<Verdict>& verdict() const { return verdict_; }
    // Questions answered, and answered right (in an exercise: at the first
    // try), in this demonstration.
    int asked() const { return asked_; }
    int answeredRight() const { return right_; }
    // The answers given to the questions of the step at index (those of the
    // end for the last index after the end), in order; empty when none.
    const std::vector<int>& answersOf(int index) const;
    // A question before the step at index was answered wrongly.
    bool wrongAt(int index) const;

    void setPlaying(bool playing);
    bool playing() const { return playing_; }
    // Clamped to kMinStepMs..kMaxStepMs.
    void setStepMs(int milliseconds);
    int stepMs() const { return stepMs_; }

    // The memory the kept steps hold, and the first step that can still be
    // shown.
    std::size_t bytes() const { return bytes_; }
    int firstKept() const { return firstKept_; }

    // After every change of the steps, the step shown or play.
    std::function<void()> onChange;
    // The demonstration has ended (not after abandon); its end is shown.
    std::function<void()> onEnd;

private:
    void advance();
    // Shows a step taken from the demonstration as the current one.
    void push(Step next);
    void ask(Step held, bool isEnd);
    void finished(Step end);
    void showCurrent();
    void keepBudget();
    void changed() {
        if (onChange) onChange();
    }

    Screen& screen_;
    Timer& phaseTimer_;
    Timer& playTimer_;
    std::size_t budget_;

    std::unique_ptr<StepSource> source_;
    std::vector<Step> steps_;
    std::vector<std::size_t> stepBytes_;  // what each kept step holds alone
    Step end_;
    bool ended_ = false;
    int current_ = -1;
    int phase_ = 0;
    bool weiterPending_ = false;
    bool playing_ = false;
    int stepMs_ = kDefaultStepMs;
    int firstKept_ = 0;
    std::size_t bytes_ = 0;

    bool predicting_ = false;
    bool exercise_ = false;
    int tries_ = 0;
    std::optional<Step> waiting_;  // held back for its questions
    bool waitingIsEnd_ = false;
    std::size_t questionIndex_ = 0;
    std::vector<int> waitingGiven_;
    std::vector<std::vector<int>> given_;  // per step
    std::vector<int> endGiven_;
    std::optional<Verdict> verdict_;
    int asked_ = 0;
    int right_ = 0;
};

// StepTimers: makes the timers of the players: the window's make Qt timers,
// VirtualTimers (demo/virtualtimers.h) timers on a clock that moves only when
// told.
class StepTimers {
public:
    virtual ~StepTimers() = default;
    // A single-shot timer that calls elapsed when it runs out.
    virtual std::unique_ptr<Playback::Timer> make(std::function<void()> elapsed) = 0;
};
