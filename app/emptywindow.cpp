// The reference for the start-up time: an empty window of the main window's
// size, shown the same way, with nothing else. With
// TESSARO_EXIT_AFTER_FIRST_PAINT it ends after its first paint, as the
// program does.
#include <QApplication>
#include <QWidget>

#include "ui/platform/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(819, 565);
    ExitAfterFirstPaint::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
