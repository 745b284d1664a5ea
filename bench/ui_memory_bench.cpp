// Memory of the workbench with every structure at its largest, in one
// process: the main window is shown and painted (the baseline), then each page
// loads its largest file through its Load button and paints (the list, the
// stack and the queue 65535 strings of 1000 characters, the search tree and
// the AVL tree 65535 keys, the B-tree full on three levels, the n-ary tree
// 32767 nodes), every structure staying loaded. Counters, in MB: the peak
// resident memory (getrusage ru_maxrss) of the baseline and at the end; for
// each structure its file size, how much the resident memory grew with it
// (from /proc/self/statm) and how much more the heap holds with it (bytes in
// use by malloc, mallinfo2: the structure and its view, not blurred by freed
// memory that earlier loads left for reuse); and what the n-ary tree's nodes
// alone take. The
// files are made in a child process so that making them does not count. One
// iteration; run this program alone.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <fstream>

#include "bench/uibenchsupport.h"
#include "ui/pages/avltreepage.h"
#include "ui/pages/bayertreepage.h"
#include "ui/pages/listpage.h"
#include "ui/pages/ntreepage.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"

namespace {

using namespace uibench;
Files files;

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

double heapMegabytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double fileMegabytes(const std::string& name) {
    return static_cast<double>(std::filesystem::file_size(name)) / (1024.0 * 1024.0);
}

void BM_PeakMemoryEveryStructureFull(benchmark::State& state) {
    for (auto _ : state) {
        QuietDialogs dialogs;
        TForm1 form(&dialogs);
        form.show();
        QApplication::processEvents();
        form.repaint();
        state.counters["baseline_peak_MB"] = peakMegabytes();
        struct Load {
            const char* label;
            QWidget* page;
            const char* button;
            std::string file;
        };
        const Load loads[] = {
            {"list", &form.listPage(), "ButtonLLoad", files.listLongTexts()},
            {"stack", &form.stackPage(), "ButtonKLoad", files.stack()},
            {"queue", &form.queuePage(), "ButtonSLoad", files.queue()},
            {"searchtree", &form.searchTreePage(), "ButtonTload", files.searchTree()},
            {"avltree", &form.avlTreePage(), "ButtonAload", files.avlTree()},
            {"bayertree", &form.bayerTreePage(), "ButtonBload", files.bayerTree()},
            {"ntree", &form.ntreePage(), "ButtonNLoad", files.ntree()},
        };
        for (const Load& load : loads) {
            const double before = residentMegabytes();
            const double heapBefore = heapMegabytes();
            form.pageControl().setCurrentWidget(load.page);
            dialogs.file = load.file;
            form.findChild<QAbstractButton*>(load.button)->click();
            QApplication::processEvents();
            form.repaint();
            const std::string label = load.label;
            state.counters[label + "_file_MB"] = fileMegabytes(load.file);
            state.counters[label + "_grew_MB"] = residentMegabytes() - before;
            state.counters[label + "_heap_MB"] = heapMegabytes() - heapBefore;
        }
        state.counters["peak_MB"] = peakMegabytes();
        // The n-ary tree's own nodes without view, for comparison: a second
        // copy of the file in the core tree alone.
        const double before = heapMegabytes();
        TNtree alone;
        alone.load(files.ntree());
        state.counters["ntree_core_heap_MB"] = heapMegabytes() - before;
    }
}
BENCHMARK(BM_PeakMemoryEveryStructureFull)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const pid_t maker = ::fork();
    if (maker == 0) {
        // The window registers the element classes the files are made of.
        QApplication app(argc, argv);
        { TForm1 registering; }
        files = makeFiles(true);
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(maker, &status, 0);
    files.dir =
        (std::filesystem::temp_directory_path() / ("tessaro-ui-bench-" + std::to_string(maker)))
            .string();
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(files.dir);
    return 0;
}
