// Start-up measurement: with TESSARO_EXIT_AFTER_FIRST_PAINT set in the
// environment, a program ends as soon as its main window has been painted
// for the first time, so that a script can time whole processes from start
// to the first picture (tools/startup-ratio.sh). Without the variable nothing
// changes. Header-only, so that the empty reference window (app/emptywindow)
// needs nothing but Qt.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdlib>

class ExitAfterFirstPaint final : public QObject {
public:
    // Watches window when the variable is set; the watcher is a child of the
    // window.
    static void installIfRequested(QWidget& window) {
        if (qEnvironmentVariableIsSet("TESSARO_EXIT_AFTER_FIRST_PAINT"))
            window.installEventFilter(new ExitAfterFirstPaint(&window));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: the window and its children paint and the picture is
            // flushed first. The process then ends without tearing down, as
            // the time after the first picture is not start-up.
            QMetaObject::invokeMethod(
                this, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit ExitAfterFirstPaint(QObject* parent) : QObject(parent) {}
    bool seen_ = false;
};
