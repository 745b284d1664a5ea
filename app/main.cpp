// Start-up: the application with its fonts and the toolkit's German texts,
// the main window (which fills the class registry and makes the page in
// front; the other pages, each with its structure, and the sort and about
// windows follow when first needed), the structure files named on the
// command line (tessaro FILE...), then the event loop.
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
    // QApplication has taken its own options (-platform, -style, …) out of
    // the arguments; what follows the program's name are file names. The
    // window is shown first, so that a message stands over it.
    form.openFiles(QApplication::arguments().mid(1));
    return QApplication::exec();
}
