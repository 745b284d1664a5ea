// The reference for the start-up time: an empty window of the main window's
// size, shown the same way, with nothing else. With --text it shows one line
// of text as well, which is what reading the font configuration and drawing
// the first glyphs cost any window with text. With
// TESSARO_EXIT_AFTER_FIRST_PAINT it ends after its first paint, as the
// program does.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "ui/platform/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(819, 565);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* line = new QLabel(QStringLiteral("Suchbaum: Einfügen, Löschen, Weiter"), &window);
        line->move(8, 8);
    }
    ExitAfterFirstPaint::installIfRequested(window);
    window.show();
    return QApplication::exec();
}
