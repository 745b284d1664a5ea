// render_pages: starts the workbench on the offscreen platform, puts a little
// sample content on the list, stack and queue pages, and writes a picture of
// the main window with each page in front, and of the about window, to
// <folder>/<page>.png (default folder docs/pages). The "Suchbaum" and
// "AVL-Baum" and "BayerBaum" pages are pictured once more in the middle of a
// demonstration, as <folder>/suchbaum-demo.png, <folder>/avl-baum-demo.png and
// <folder>/bayerbaum-demo.png. The lesson controls are pictured on the
// "AVL-Baum" page during a rotation, one step gone back with "Zurück", as
// <folder>/avl-baum-lektion.png, and that page in the projector view at 200 %
// as <folder>/projektor-200.png; the same rotation with the "Algorithmus"
// panel open as <folder>/avl-baum-algorithmus.png.
//
//   render_pages [folder]
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/virtualtimers.h"
#include "elements/values.h"
#include "linear/listdemo.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/bayertreepage.h"
#include "ui/pages/handout.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/taboutbox.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/algorithmpanel.h"

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

// Shows each step of the page's running demonstration one blink cycle, then
// "Weiter"; at the end of the given step (its figure drawn as the step
// leaves it) calls atStep. Runs the demonstration to its end.
void playTo(StepPlayer& player, VirtualTimers& timers, int step,
            const std::function<void()>& atStep) {
    for (int shown = 1; player.running(); ++shown) {
        timers.runNext();  // the second phase
        if (shown == step && atStep) atStep();
        player.weiter();
        timers.runNext();  // "Weiter" is taken at the end of the cycle
    }
}

// Builds a tree on a page with the given numbers, then runs one more
// operation and pictures the window at its given step.
// Without a file, picture() takes the picture.
bool renderDemo(TForm1& form, VirtualTimers& timers, DemoTreePage& page, const char* entry,
                const char* insert, std::initializer_list<int> numbers, const char* button,
                int number, int step, const QString& file,
                const std::function<bool()>& picture = nullptr) {
    form.pageControl().setCurrentWidget(&page);
    for (int n : numbers) {
        typeAndClick(form, entry, QString::number(n), insert);
        playTo(page.player(), timers, 0, nullptr);
    }
    if (auto* levels = page.findChild<QAbstractButton*>("BitBtnEbene")) levels->click();
    bool ok = false;
    typeAndClick(form, entry, QString::number(number), button);
    playTo(page.player(), timers, step, [&] { ok = picture ? picture() : save(form, file); });
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Showing the panel stores the choice: never in the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    // The pictures show the settings a new user starts with.
    QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")).clear();
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/pages");
    QDir().mkpath(folder);

    VirtualTimers timers;
    TForm1 form(nullptr, nullptr, TForm1::Building::everything, &timers);
    form.show();
    form.random().seed(2024);
    form.findChild<QAbstractButton*>("BitBtnZufaellig")->click();
    form.findChild<QAbstractButton*>("ButtonLAdvance")->click();
    for (const char* text : {"Anna", "Bert", "Clara"}) {
        typeAndClick(form, "EditKEingabe", QString::fromUtf8(text), "ButtonKpush");
        typeAndClick(form, "EditSEingabe", QString::fromUtf8(text), "ButtonSInsert");
    }

    // "NBaum": a root with two children, the second one current with three.
    const auto insertChild = [&form](const char* text, const char* number) {
        form.findChild<QLineEdit*>("EditNNummer")->setText(QString::fromUtf8(number));
        typeAndClick(form, "EditNEingabe", QString::fromUtf8(text), "ButtonNInsert");
    };
    typeAndClick(form, "EditNEingabe", QStringLiteral("Datenstrukturen"), "ButtonNCreateRoot");
    insertChild("Linear", "0");
    insertChild("Bäume", "1");
    form.findChild<QLineEdit*>("EditNNummer")->setText(QStringLiteral("1"));
    form.findChild<QAbstractButton*>("ButtonNGet")->click();
    insertChild("Suchbaum", "0");
    insertChild("AVL-Baum", "1");
    insertChild("BayerBaum", "2");

    bool ok = true;
    QTabWidget& pages = form.pageControl();
    for (int i = 0; i < pages.count(); ++i) {
        pages.setCurrentIndex(i);
        ok = save(form, folder + "/" + pages.tabText(i).toLower() + ".png") && ok;
    }
    form.aboutBox().show();
    ok = save(form.aboutBox(), folder + "/info.png") && ok;
    form.aboutBox().hide();

    form.activateWindow();
    // Deleting 50: the next smaller number 40 is written over it.
    ok = renderDemo(form, timers, form.searchTreePage(), "EditTEingabe", "ButtonTinsert",
                    {50, 30, 70, 20, 40, 35, 60, 85, 10}, "ButtonTdelete", 50, 4,
                    folder + "/suchbaum-demo.png") &&
         ok;
    // Inserting 35 below 40 makes 50 left-heavy: an LR rotation.
    ok = renderDemo(form, timers, form.avlTreePage(), "EditAEingabe", "ButtonAInsert",
                    {50, 30, 70, 20, 40}, "ButtonAInsert", 35, 5, folder + "/avl-baum-demo.png") &&
         ok;
    // Inserting 38 splits the full leaf [35 40 45 50]; 40 goes up to the root.
    ok = renderDemo(form, timers, form.bayerTreePage(), "EditBEingabe", "ButtonBInsert",
                    {50, 20, 80, 10, 30, 60, 90, 40, 70, 35, 45}, "ButtonBInsert", 38, 3,
                    folder + "/bayerbaum-demo.png") &&
         ok;
    // The same rotation with the lesson controls: at its fifth step, the
    // fourth shown again.
    form.findChild<QAbstractButton*>("ButtonAClear")->click();
    Playback& history = form.avlTreePage().player().playback();
    ok = renderDemo(form, timers, form.avlTreePage(), "EditAEingabe", "ButtonAInsert",
                    {50, 30, 70, 20, 40}, "ButtonAInsert", 35, 5, QString(),
                    [&] {
                        history.back();
                        const bool saved = save(form, folder + "/avl-baum-lektion.png");
                        history.forward();
                        return saved;
                    }) &&
         ok;
    // The rotation's fourth step with the "Algorithmus" panel open: the
    // rotation's lines, and the line of the insertion that called it.
    form.findChild<QAbstractButton*>("ButtonAClear")->click();
    AlgorithmPanel& panel = form.avlTreePage().algorithmPanel();
    panel.setShown(true);
    ok = renderDemo(form, timers, form.avlTreePage(), "EditAEingabe", "ButtonAInsert",
                    {50, 30, 70, 20, 40}, "ButtonAInsert", 35, 4,
                    folder + "/avl-baum-algorithmus.png") &&
         ok;
    panel.setShown(false);
    // The projector view at 200 %: deleting the root 40 on the "AVL-Baum" page.
    form.setZoom(200);
    form.pageControl().setCurrentWidget(&form.avlTreePage());
    bool zoomed = false;
    typeAndClick(form, "EditAEingabe", QStringLiteral("40"), "ButtonADelete");
    playTo(form.avlTreePage().player(), timers, 3,
           [&] { zoomed = save(form, folder + "/projektor-200.png"); });
    ok = zoomed && ok;
    form.setZoom(100);

    // A handout of each kind, as the pages write them (dated for the docs).
    const QDateTime made(QDate(2026, 12, 8), QTime(9, 0));
    const auto writeHandout = [&](const QString& title, std::vector<handout::Step> steps,
                                  const QString& file) {
        const handout::Written written =
            handout::writePdf({title, made, std::move(steps)}, file.toStdString());
        std::printf("%s %s\n", written.ok ? "wrote" : "FAILED", qPrintable(file));
        return written.ok;
    };
    form.findChild<QAbstractButton*>("ButtonAClear")->click();
    for (int n : {50, 30, 70, 20, 40}) {
        typeAndClick(form, "EditAEingabe", QString::number(n), "ButtonAInsert");
        playTo(form.avlTreePage().player(), timers, 0, nullptr);
    }
    const QSize avlSize = form.findChild<QWidget*>("ImageABaum")->size();
    ok = writeHandout(QStringLiteral("AVL-Baum: Einfügen von 35"),
                      handout::recordTreeSteps(form.avlTreePage().tree(), avlSize, "35", true),
                      folder + "/handout-avl-baum.pdf") &&
         ok;
    const QSize bayerSize = form.findChild<QWidget*>("ImageBBaum")->size();
    // Deleting 10 leaves its leaf with one key: it merges with its right
    // neighbour.
    ok = writeHandout(QStringLiteral("BayerBaum: Löschen von 10"),
                      handout::recordBayerSteps(form.bayerTreePage().tree(), bayerSize, 10, false),
                      folder + "/handout-bayerbaum.pdf") &&
         ok;
    TListDemo numbers;
    for (int n : {5, 3, 8, 1, 9, 2, 7, 4}) numbers.append(std::make_unique<TInteger>(n));
    numbers.reset();
    handout::SortRecording bubble(numbers, SortKind::bubble, nullptr, 1000);
    while (bubble.next()) {
    }
    ok = writeHandout(QStringLiteral("Bubblesort: Sortieren einer Liste mit 8 Elementen"),
                      bubble.finish(), folder + "/handout-bubblesort.pdf") &&
         ok;
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
