// Start-up: the application with its fonts and the toolkit's German texts,
// the main window (which fills the class registry and makes its pages, each
// with its structure, and its sort and about windows), then the event loop.
#include <QApplication>

#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setDesktopFileName(QStringLiteral("org.tessaro.Tessaro"));
    installGermanQtTranslation(app);
    installFontSubstitutions();
    TForm1 form;
    form.show();
    return QApplication::exec();
}
