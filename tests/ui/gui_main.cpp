// main of the widget tests: the offscreen platform unless another one is set,
// one QApplication for all tests with the toolkit's German texts, as the
// program has them, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "ui/platform/appsetup.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The zoom keys keep the zoom in the settings: never in the user's own.
    QStandardPaths::setTestModeEnabled(true);
    if (!installGermanQtTranslation(app)) return 2;
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
