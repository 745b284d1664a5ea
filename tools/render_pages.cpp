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
#include <QStandardPaths>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "demo/stephistory.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/lessoncontrols.h"
#include "ui/pages/taboutbox.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"
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

// A clock that never waits: every step blinks one cycle and goes on; at the
// end of the given step (its figure drawn as the step leaves it) it calls
// atStep. The pages' step histories record the steps on it.
class PictureClock final : public HistoryClock {
public:
    // Starts counting steps anew for the next operation.
    void restart(int grabStep, std::function<void()> grab) {
        phases_ = 0;
        step_ = grabStep;
        atStep_ = std::move(grab);
    }

protected:
    long long nowMs() const override { return 0; }
    void wait(int) override {
        ++phases_;
        if (phases_ % 2 == 0) {
            if (phases_ / 2 == step_ && atStep_) atStep_();
            weiterPressed = true;
        }
    }

private:
    int phases_ = 0;
    int step_ = 0;
    std::function<void()> atStep_;
};

// Builds a tree on a page with the given numbers, then runs one more
// operation and pictures the window at its given step.
// Without a file, picture() takes the picture.
bool renderDemo(TForm1& form, PictureClock& clock, const char* page, const char* entry,
                const char* insert, std::initializer_list<int> numbers, const char* button,
                int number, int step, const QString& file,
                const std::function<bool()>& picture = nullptr) {
    form.pageControl().setCurrentWidget(form.findChild<QWidget*>(page));
    clock.restart(0, nullptr);
    for (int n : numbers) typeAndClick(form, entry, QString::number(n), insert);
    if (auto* levels = form.findChild<QWidget*>(page)->findChild<QAbstractButton*>("BitBtnEbene"))
        levels->click();
    bool ok = false;
    clock.restart(step, [&] { ok = picture ? picture() : save(form, file); });
    typeAndClick(form, entry, QString::number(number), button);
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Showing the panel stores the choice: never in the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    installFontSubstitutions();
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

    PictureClock clock;
    form.setStepClock(&clock);
    form.activateWindow();
    // Deleting 50: the next smaller number 40 is written over it.
    ok = renderDemo(form, clock, "TabSheetSuchbaum", "EditTEingabe", "ButtonTinsert",
                    {50, 30, 70, 20, 40, 35, 60, 85, 10}, "ButtonTdelete", 50, 4,
                    folder + "/suchbaum-demo.png") &&
         ok;
    // Inserting 35 below 40 makes 50 left-heavy: an LR rotation.
    ok = renderDemo(form, clock, "TabSheetAVLBaum", "EditAEingabe", "ButtonAInsert",
                    {50, 30, 70, 20, 40}, "ButtonAInsert", 35, 5, folder + "/avl-baum-demo.png") &&
         ok;
    // Inserting 38 splits the full leaf [35 40 45 50]; 40 goes up to the root.
    ok = renderDemo(form, clock, "TabSheetBayerBaum", "EditBEingabe", "ButtonBInsert",
                    {50, 20, 80, 10, 30, 60, 90, 40, 70, 35, 45}, "ButtonBInsert", 38, 3,
                    folder + "/bayerbaum-demo.png") &&
         ok;
    // The same rotation with the lesson controls: at its fifth step, the
    // fourth shown again.
    form.findChild<QAbstractButton*>("ButtonAClear")->click();
    StepHistory& history = form.avlTreePage().lesson().history();
    ok = renderDemo(form, clock, "TabSheetAVLBaum", "EditAEingabe", "ButtonAInsert",
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
    ok = renderDemo(form, clock, "TabSheetAVLBaum", "EditAEingabe", "ButtonAInsert",
                    {50, 30, 70, 20, 40}, "ButtonAInsert", 35, 4,
                    folder + "/avl-baum-algorithmus.png") &&
         ok;
    panel.setShown(false);
    // The projector view at 200 %: deleting the root 40 on the "AVL-Baum" page.
    form.setZoom(200);
    form.pageControl().setCurrentWidget(form.findChild<QWidget*>("TabSheetAVLBaum"));
    bool zoomed = false;
    clock.restart(3, [&] { zoomed = save(form, folder + "/projektor-200.png"); });
    typeAndClick(form, "EditAEingabe", QStringLiteral("40"), "ButtonADelete");
    ok = zoomed && ok;
    form.setStepClock(nullptr);
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
