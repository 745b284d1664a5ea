#include "ui/platform/qtstepclock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

QtStepClock::QtStepClock(QObject* parent) : QObject(parent) {
    time_.start();
    // A quitting application ends every nested loop; make sure no step keeps
    // waiting after that.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &QtStepClock::cancel);
    }
}

void QtStepClock::wait(int milliseconds) {
    if (cancelled_) throw DemoCancelled{};
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may end a phase up to 5 % early; the blink keeps its beat.
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(0); });
    loop_ = &loop;
    timer.start(milliseconds);
    const int result = loop.exec();
    loop_ = nullptr;
    // exec() returns at once with -1 when the application is quitting.
    if (result != 0 || cancelled_) {
        cancelled_ = true;
        throw DemoCancelled{};
    }
}

void QtStepClock::cancel() {
    cancelled_ = true;
    if (loop_) loop_->exit(1);
}
