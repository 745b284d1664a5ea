// Start-up: the application with its fonts and the toolkit's German texts,
// the main window (which fills the class registry and makes the page in
// front; the other pages, each with its structure, and the sort and about
// windows follow when first needed), then the event loop.
#include <QApplication>

#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/firstpaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setDesktopFileName(QStringLiteral("org.tessaro.Tessaro"));
    installGermanQtTranslation(app);
    installFontSubstitutions();
    TForm1 form(nullptr, nullptr, TForm1::Building::onFirstUse);
    form.restoreZoom();
    ExitAfterFirstPaint::installIfRequested(form);
    form.show();
    return QApplication::exec();
}
