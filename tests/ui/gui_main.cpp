// main of the widget tests: the offscreen platform unless another one is set,
// settings in the test location, one QApplication for all tests with the
// toolkit's German texts, as the program has them, then GoogleTest.
// Offscreen, the screen is taken to be large enough for every zoom.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <cstdlib>

#include "ui/platform/appsetup.h"
#include "ui/widgets/screenfit.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Settings go to a test location, never the user's, and start empty:
    // one of this process's own, so that tests running side by side never
    // see each other's settings.
    QStandardPaths::setTestModeEnabled(true);
    const QString settings = QDir::tempPath() + QStringLiteral("/tessaro-test-settings-") +
                             QString::number(QCoreApplication::applicationPid());
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings);
    QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")).clear();
    QApplication app(argc, argv);
    if (!installGermanQtTranslation(app)) return 2;
    // The offscreen platform's one screen (800 x 600) is no real one: tests
    // see a screen on which every zoom fits, unless they choose one.
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        ScreenFit::setScreenForTests(QSize(8000, 8000));
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(settings).removeRecursively();
    return result;
}
