// Start-up: the application, the main window (which fills the class registry,
// makes its structures and its about window), then the event loop.
#include <QApplication>

#include "ui/germantranslation.h"
#include "ui/tform1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setDesktopFileName(QStringLiteral("org.tessaro.Tessaro"));
    installGermanQtTranslation(app);
    TForm1 form;
    form.show();
    return QApplication::exec();
}
