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
    // Settings the tests change go to the test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (!installGermanQtTranslation(app)) return 2;
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
