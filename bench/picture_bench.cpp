// "Bild speichern…" and tessaro-inspect --picture of the largest structures:
// the list and the stack of 65535 texts of 1000 characters (66 MB each), the
// search tree of 65535 keys and the n-ary chain of 32767 nodes, as PNG at 1x and 3x (the
// question before a scaled-down PNG answered "Ja") and as SVG. Each
// iteration makes the page's picture, draws and compresses it and writes the
// file. Counters: the written PNG's width and height in pixels, the file's
// size, the process's peak resident memory during the save (VmHWM, reset
// before each iteration) and how far it rose above the memory resident
// before, in MB. Memory that earlier cases freed is reused without showing
// as a rise: run one case alone (--benchmark_filter) for its own figures.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"
#include "ui/pages/listpage.h"
#include "ui/pages/ntreepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/tform1.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/inspectpictures.h"

namespace fs = std::filesystem;

namespace {

// Answers the open dialog with the structure's file, the pictures' dialog
// with the picture's file and file type entry, every question with "Ja";
// a message ends the benchmark with an error.
class PictureDialogs final : public DialogService {
public:
    void information(std::string_view text) override { failed = text; }
    void error(std::string_view text) override { failed = text; }
    void errorBox(std::string_view text) override { failed = text; }
    void fatal(std::string_view text) override { failed = text; }
    std::string getSaveFileName(std::string_view, std::string_view) override { return {}; }
    std::string getOpenFileName(std::string_view, std::string_view) override { return open; }
    std::optional<NumberSequenceRequest> askNumberSequence() override { return std::nullopt; }
    bool question(std::string_view) override { return true; }
    std::optional<PictureFileChoice> getPictureFileName(std::string_view) override {
        return picture;
    }
    std::string open;
    PictureFileChoice picture;
    std::string failed;
};

struct Files {
    fs::path dir;
    std::string list() const { return (dir / "lange-texte.ldt").string(); }
    std::string stack() const { return (dir / "lange-texte.kdt").string(); }
    std::string searchTree() const { return (dir / "suchbaum.tdt").string(); }
    std::string ntreeChain() const { return (dir / "nkette.ndt").string(); }
    std::string picture(const char* extension) const {
        return (dir / (std::string("bild.") + extension)).string();
    }
};
Files files;

void makeFiles() {
    files.dir = fs::temp_directory_path() / ("tessaro-picture-bench-" + std::to_string(::getpid()));
    fs::create_directories(files.dir);
    TListe texts;
    TLifo stack;
    for (int i = 0; i < 65535; ++i) {
        std::string text = "Element " + std::to_string(i) + " ";
        text.resize(1000, 'x');
        texts.append(std::make_unique<TString>(text));
        stack.push(std::make_unique<TLifoString>(text));
    }
    texts.saveToFile(files.list());
    stack.save(files.stack());
    TSearchTree tree;
    std::vector<int> keys(static_cast<std::size_t>(TBinTree::kMaxFileNodes));
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(4711));
    for (int key : keys) tree.insert(std::make_unique<TTreeInteger>(key));
    tree.save(files.searchTree());
    TNtree chain;
    std::unique_ptr<TNtreeNode> below;
    for (int i = static_cast<int>(TNtree::kMaxFileNodes) - 1; i >= 0; --i) {
        auto node =
            std::make_unique<TNtreeNode>(std::make_unique<TString>(std::to_string(i)), nullptr);
        if (below) node->insertChild(std::move(below));
        below = std::move(node);
    }
    chain.root = std::move(below);
    chain.save(files.ntreeChain());
}

// A field of /proc/self/status in kB.
long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    }
    return 0;
}

// Starts a new measurement of the peak resident memory (VmHWM).
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void countPicture(benchmark::State& state, const std::string& file, double peakMB, double riseMB) {
    if (file.ends_with(".png")) {
        const QSize size = QImageReader(QString::fromStdString(file)).size();
        state.counters["width_px"] = size.width();
        state.counters["height_px"] = size.height();
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = peakMB;
    state.counters["peak_rise_MB"] = riseMB;
}

enum Structure { list, stack, searchTree, ntreeChain };

// Arg 0: the structure; Arg 1: the file type entry (0..2 PNG 1x..3x, 3 SVG).
void BM_SavePicture(benchmark::State& state) {
    const auto structure = static_cast<Structure>(state.range(0));
    const int entry = static_cast<int>(state.range(1));
    PictureDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    QApplication::processEvents();
    struct Page {
        QWidget* page;
        const char* load;
        std::string file;
    };
    const Page pages[] = {
        {&form.listPage(), "ButtonLLoad", files.list()},
        {&form.stackPage(), "ButtonKLoad", files.stack()},
        {&form.searchTreePage(), "ButtonTload", files.searchTree()},
        {&form.ntreePage(), "ButtonNLoad", files.ntreeChain()},
    };
    const Page& page = pages[structure];
    form.pageControl().setCurrentWidget(page.page);
    dialogs.open = page.file;
    form.findChild<QAbstractButton*>(page.load)->click();
    QApplication::processEvents();
    dialogs.picture = {files.picture(entry == 3 ? "svg" : "png"), entry};
    auto* save = page.page->findChild<QAction*>("ActionBildSpeichern");
    double peak = 0;
    double rise = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(dialogs.picture.fileName);
        resetPeak();
        const long before = statusKilobytes("VmRSS:");
        state.ResumeTiming();
        save->trigger();
        const long highest = statusKilobytes("VmHWM:");
        peak = std::max(peak, highest / 1024.0);
        rise = std::max(rise, (highest - before) / 1024.0);
    }
    if (!dialogs.failed.empty()) state.SkipWithError(dialogs.failed.c_str());
    countPicture(state, dialogs.picture.fileName, peak, rise);
}
BENCHMARK(BM_SavePicture)
    ->ArgsProduct({{list, stack, searchTree, ntreeChain}, {0, 2, 3}})
    ->ArgNames({"structure", "entry"})
    ->Unit(benchmark::kMillisecond);

// tessaro-inspect --picture in this process, with the program's writer:
// loading the file, its page's picture, the PNG (1x, scaled down beyond the
// limit) or SVG. Arg 0: the structure; Arg 1: 0 PNG, 1 SVG.
void BM_InspectPicture(benchmark::State& state) {
    const auto structure = static_cast<Structure>(state.range(0));
    const std::string file = std::vector<std::string>{
        files.list(), files.stack(), files.searchTree(), files.ntreeChain()}[structure];
    const std::string picture = files.picture(state.range(1) ? "svg" : "png");
    InspectPictures pictures;
    double peak = 0;
    double rise = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(picture);
        resetPeak();
        const long before = statusKilobytes("VmRSS:");
        state.ResumeTiming();
        std::ostringstream out, err;
        const int status = inspect::run({"--picture", picture, file}, out, err, &pictures.output());
        const long highest = statusKilobytes("VmHWM:");
        peak = std::max(peak, highest / 1024.0);
        rise = std::max(rise, (highest - before) / 1024.0);
        if (status != inspect::kAllValid) state.SkipWithError(err.str().c_str());
    }
    countPicture(state, picture, peak, rise);
}
BENCHMARK(BM_InspectPicture)
    ->ArgsProduct({{list, stack, searchTree, ntreeChain}, {0, 1}})
    ->ArgNames({"structure", "svg"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    installFontSubstitutions();
    { TForm1 registering; }  // the element classes of the files
    makeFiles();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(files.dir);
    return 0;
}
