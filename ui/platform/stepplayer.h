// StepPlayer: the one player of the window's demonstrations, on the tree
// pages and in the sort window. It shows a demonstration's steps on a screen
// with the timing of Playback (demo/playback.h), its timers made by the
// window's StepTimers: Qt timers (QtStepTimers), or virtual ones that a test
// or the picture tool moves on itself.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "demo/playback.h"

class QtStepTimers final : public StepTimers {
public:
    std::unique_ptr<Playback::Timer> make(std::function<void()> elapsed) override;
};

class StepPlayer final : public QObject {
    Q_OBJECT
public:
    // screen and timers are lent and outlive the player.
    StepPlayer(Playback::Screen& screen, StepTimers& timers, QObject* parent = nullptr);
    // A demonstration still running is abandoned: it finishes without
    // showing anything.
    ~StepPlayer() override;

    Playback& playback() { return playback_; }
    const Playback& playback() const { return playback_; }
    bool running() const { return playback_.running(); }

    // Shows the demonstration's steps; null does nothing.
    void start(std::unique_ptr<StepSource> source);
    void weiter() { playback_.weiter(); }
    void ende() { playback_.ende(); }
    void abandon() { playback_.abandon(); }

signals:
    // The steps, the step shown or play changed.
    void changed();
    // The demonstration has ended and its end is shown.
    void ended();

private:
    std::unique_ptr<Playback::Timer> phaseTimer_;
    std::unique_ptr<Playback::Timer> playTimer_;
    Playback playback_;
};
