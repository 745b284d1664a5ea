// render_pages: starts the workbench on the offscreen platform, puts a little
// sample content on the list, stack and queue pages, and writes a picture of
// the main window with each page in front, and of the about window, to
// <folder>/<page>.png (default folder docs/pages).
//
//   render_pages [folder]
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/taboutbox.h"
#include "ui/tform1.h"

namespace {

void typeAndClick(TForm1& form, const char* field, const QString& text, const char* button) {
    form.findChild<QLineEdit*>(field)->setText(text);
    form.findChild<QAbstractButton*>(button)->click();
}

bool save(QWidget& widget, const QString& file) {
    QApplication::processEvents();
    const bool ok = widget.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/pages");
    QDir().mkpath(folder);

    TForm1 form;
    form.show();
    form.random().seed(2024);
    form.findChild<QAbstractButton*>("BitBtnZufaellig")->click();
    form.findChild<QAbstractButton*>("ButtonLAdvance")->click();
    for (const char* text : {"Anna", "Bert", "Clara"}) {
        typeAndClick(form, "EditKEingabe", QString::fromUtf8(text), "ButtonKpush");
        typeAndClick(form, "EditSEingabe", QString::fromUtf8(text), "ButtonSInsert");
    }

    bool ok = true;
    QTabWidget& pages = form.pageControl();
    for (int i = 0; i < pages.count(); ++i) {
        pages.setCurrentIndex(i);
        ok = save(form, folder + "/" + pages.tabText(i).toLower() + ".png") && ok;
    }
    form.aboutBox().show();
    ok = save(form.aboutBox(), folder + "/info.png") && ok;
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
