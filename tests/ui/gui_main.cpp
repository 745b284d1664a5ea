// main of the widget tests: the offscreen platform unless another one is set,
// settings in the test location, one QApplication for all tests with the
// toolkit's German texts, as the program has them, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <cstdlib>

#include "ui/platform/appsetup.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Settings go to a test location, never the user's, and start empty.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")).clear();
    QApplication app(argc, argv);
    if (!installGermanQtTranslation(app)) return 2;
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
