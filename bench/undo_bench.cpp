// "Rückgängig" and "Wiederholen" on the largest structures of every page: the
// page loaded from the largest file, then emptied by Clear (whose click keeps
// the loaded state); measured is Ctrl+Z (the structure read back from its
// record, the page shown and painted), and Ctrl+Y after it. A click's budget
// is 100 ms. Also measured: the Clear itself, which now records the state.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/uibenchsupport.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"

namespace {

using namespace uibench;
Files files;
constexpr int kIterations = 5;

struct Window {
    QuietDialogs dialogs;
    VirtualTimers timers;
    TForm1 form{&dialogs, nullptr, TForm1::Building::everything, &timers};

    Window() {
        form.show();
        QApplication::processEvents();
    }
    void press(const char* name, const std::string& file = {}) {
        dialogs.file = file;
        form.findChild<QAbstractButton*>(name)->click();
        playToEnd(form, timers);
    }
    void paint() {
        QApplication::processEvents();
        form.repaint();
    }
};

struct Page {
    const char* label;
    const char* page;
    const char* load;
    std::function<std::string()> file;
    const char* clear;
};

enum class Measured { clear, undo, redo };

void run(benchmark::State& state, const Page& p, Measured measured) {
    Window w;
    w.form.pageControl().setCurrentWidget(w.form.findChild<QWidget*>(p.page));
    for (auto _ : state) {
        state.PauseTiming();
        w.press(p.load, p.file());
        if (measured != Measured::clear) w.press(p.clear);
        if (measured == Measured::redo) w.form.undoAction().trigger();
        w.paint();
        state.ResumeTiming();
        switch (measured) {
            case Measured::clear:
                w.press(p.clear);
                break;
            case Measured::undo:
                w.form.undoAction().trigger();
                break;
            case Measured::redo:
                w.form.redoAction().trigger();
                break;
        }
        w.paint();
    }
}

std::vector<Page> pages() {
    return {
        {"Liste65535", "TabSheetListe", "ButtonLLoad", [] { return files.listIntegers(); },
         "ButtonLClear"},
        {"Keller65535", "TabSheetKeller", "ButtonKLoad", [] { return files.stack(); },
         "ButtonKclear"},
        {"Schlange65535", "TabSheetSchlange", "ButtonSLoad", [] { return files.queue(); },
         "ButtonSClear"},
        {"Suchbaum65535", "TabSheetSuchbaum", "ButtonTload", [] { return files.searchTree(); },
         "ButtonTclear"},
        {"Suchbaumkette65535", "TabSheetSuchbaum", "ButtonTload",
         [] { return files.searchChain(); }, "ButtonTclear"},
        {"AVL65535", "TabSheetAVLBaum", "ButtonAload", [] { return files.avlTree(); },
         "ButtonAClear"},
        {"BayerBaum", "TabSheetBayerBaum", "ButtonBload", [] { return files.bayerTree(); },
         "ButtonBClear"},
        {"NBaum32767", "TabSheetNBaum", "ButtonNLoad", [] { return files.ntree(); },
         "ButtonNClear"},
        {"NBaumkette32767", "TabSheetNBaum", "ButtonNLoad", [] { return files.ntreeChain(); },
         "ButtonNClear"},
    };
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    { TForm1 registering; }
    files = makeFiles(false);
    const std::pair<const char*, Measured> kinds[] = {
        {"Clear", Measured::clear}, {"Undo", Measured::undo}, {"Redo", Measured::redo}};
    for (const Page& p : pages()) {
        for (const auto& [name, measured] : kinds) {
            const std::string label = std::string(p.label) + "/" + name;
            benchmark::RegisterBenchmark(label.c_str(),
                                         [p, m = measured](benchmark::State& s) { run(s, p, m); })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(kIterations);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(files.dir);
    return 0;
}
