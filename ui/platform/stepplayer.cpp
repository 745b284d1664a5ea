#include "ui/platform/stepplayer.h"

#include <QTimer>

namespace {

class QtTimer final : public Playback::Timer {
public:
    explicit QtTimer(std::function<void()> elapsed) {
        timer_.setSingleShot(true);
        // A coarse timer may run out up to 5 % early; the blink keeps its beat.
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [elapsed = std::move(elapsed)] { elapsed(); });
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<Playback::Timer> QtStepTimers::make(std::function<void()> elapsed) {
    return std::make_unique<QtTimer>(std::move(elapsed));
}

StepPlayer::StepPlayer(Playback::Screen& screen, StepTimers& timers, QObject* parent)
    : QObject(parent),
      phaseTimer_(timers.make([this] { playback_.phaseElapsed(); })),
      playTimer_(timers.make([this] { playback_.playElapsed(); })),
      playback_(screen, *phaseTimer_, *playTimer_) {
    playback_.onChange = [this] { emit changed(); };
    playback_.onEnd = [this] { emit ended(); };
}

StepPlayer::~StepPlayer() {
    playback_.onChange = nullptr;
    playback_.onEnd = nullptr;
    playback_.abandon();
}

void StepPlayer::start(std::unique_ptr<StepSource> source) {
    if (source) playback_.start(std::move(source));
}
