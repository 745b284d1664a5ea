// main of the widget tests: the offscreen platform unless another one is set,
// one QApplication with the program's fonts for all tests, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/fontsetup.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
