// Speed of the user interface on the offscreen platform: refreshing the list,
// stack and queue pages with 65535 elements, loading a 65535-element list file
// with its display, and showing the main window next to an empty Qt window.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "ui/dialogservice.h"
#include "ui/listpage.h"
#include "ui/queuepage.h"
#include "ui/stackpage.h"
#include "ui/tform1.h"

namespace {

constexpr int kFull = 65535;

// Answers every file dialog with one name and swallows messages.
class QuietDialogs final : public DialogService {
public:
    void information(std::string_view) override {}
    void error(std::string_view) override {}
    void errorBox(std::string_view text) override {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    void fatal(std::string_view) override {}
    std::string getSaveFileName(std::string_view, std::string_view) override { return file; }
    std::string getOpenFileName(std::string_view, std::string_view) override { return file; }
    std::string file;
};

void BM_ListPageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) form.theListe().insert(std::make_unique<TInteger>(i));
    for (auto _ : state) form.listPage().showList();
}
BENCHMARK(BM_ListPageRefresh65535)->Unit(benchmark::kMillisecond);

void BM_StackPageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) {
        form.theLifo()->push(std::make_unique<TLifoString>("Element " + std::to_string(i)));
    }
    for (auto _ : state) form.stackPage().refresh();
}
BENCHMARK(BM_StackPageRefresh65535)->Unit(benchmark::kMillisecond);

void BM_QueuePageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) {
        form.theFifo().insert(std::make_unique<TFifoString>("Element " + std::to_string(i)));
    }
    for (auto _ : state) form.queuePage().refresh();
}
BENCHMARK(BM_QueuePageRefresh65535)->Unit(benchmark::kMillisecond);

// Load button to finished display: dialog answer, clear, read, showList.
void BM_ListPageLoad65535(benchmark::State& state) {
    QuietDialogs dialogs;
    dialogs.file = "/tmp/tessaro-ui-bench-" + std::to_string(::getpid()) + ".ldt";
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) form.theListe().insert(std::make_unique<TInteger>(i));
    form.theListe().saveToFile(dialogs.file);
    auto* load = form.findChild<QAbstractButton*>("ButtonLLoad");
    for (auto _ : state) load->click();
    if (form.theListe().count() != kFull) state.SkipWithError("load did not read the file");
    std::remove(dialogs.file.c_str());
}
BENCHMARK(BM_ListPageLoad65535)->Unit(benchmark::kMillisecond);

// Creating and showing the main window until its first paint is done ...
void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        TForm1 form;
        form.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// ... and the same for an empty window of the same size, as the baseline.
void BM_EmptyWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.resize(819, 565);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
