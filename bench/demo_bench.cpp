// What the demonstrations' steps cost as values: recording the steps of a
// deletion with a rotation in a 63-node AVL tree (time, and the bytes each
// step holds beyond the step before it), taking every step of a bubble sort
// of 300 integers and the bytes a Playback holding all of them keeps, and
// "Ende" at the first step of each sort on 65535 integers until the end is
// shown. Qt-free: the screen and the timers are stand-ins that do nothing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "demo/playback.h"
#include "demo/sorts.h"
#include "demo/steprecorder.h"
#include "demo/treepage.h"
#include "elements/values.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"
#include "trees/treeinteger.h"

namespace {

// --- Stand-ins for the window --------------------------------------------------

class NoScreen final : public Playback::Screen {
public:
    void show(const Step&, int) override { ++shown; }
    long shown = 0;
};

class NoTimer final : public Playback::Timer {
public:
    void start(int) override {}
    void stop() override {}
};

class Field final : public TextOutput {
public:
    void addLine(std::string_view utf8) override {
        if (!text_.empty()) text_ += '\n';
        text_ += utf8;
    }
    void appendText(std::string_view utf8) override { text_ += utf8; }
    void setText(std::string_view utf8) override { text_ = utf8; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

// The "AVL-Baum" page: its image keeps the drawing calls.
class AvlPage final : public TreePage {
public:
    Surface& image() override { return image_; }
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return nullptr; }
    DrawingRecord shownPicture() const override { return image_.record(); }

private:
    DrawingRecorder image_{505, 293};
    Field info_, entry_, depth_, count_;
};

// --- A deletion with a rotation in a 63-node AVL tree ------------------------------

// 63 distinct keys of 1..99 in a fixed scattered order.
std::vector<int> avlKeys() {
    std::vector<int> keys(99);
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(63));
    keys.resize(63);
    return keys;
}

// The page's tree of the 63 keys, drawn.
std::unique_ptr<TAvlTreeDemo> avlTree(AvlPage& page) {
    auto tree = std::make_unique<TAvlTreeDemo>(page);
    for (int k : avlKeys()) tree->insert(std::make_unique<TTreeInteger>(k));
    tree->zeichne();
    return tree;
}

std::vector<Step> drain(RecordedSteps& source) {
    std::vector<Step> steps;
    while (auto step = source.next()) steps.push_back(std::move(*step));
    return steps;
}

bool rotates(const std::vector<Step>& steps) {
    return std::any_of(steps.begin(), steps.end(), [](const Step& s) {
        return s.text.find("Rotation wird durchgeführt") != std::string::npos;
    });
}

// The first key whose deletion rotates.
int rotatingKey() {
    std::vector<int> keys = avlKeys();
    std::sort(keys.begin(), keys.end());
    for (int k : keys) {
        AvlPage page;
        auto tree = avlTree(page);
        auto steps = tree->removeAnimated(std::make_unique<TTreeInteger>(k));
        if (steps && rotates(drain(*steps))) return k;
    }
    return -1;
}

void BM_RecordAvlDeletionWithRotation63(benchmark::State& state) {
    registerElementClasses();
    registerAvlTreeClasses();
    const int key = rotatingKey();
    if (key < 0) {
        state.SkipWithError("no deletion rotates");
        return;
    }
    std::vector<Step> steps;
    for (auto _ : state) {
        state.PauseTiming();
        AvlPage page;
        auto tree = avlTree(page);
        state.ResumeTiming();
        std::unique_ptr<RecordedSteps> recorded =
            tree->removeAnimated(std::make_unique<TTreeInteger>(key));
        state.PauseTiming();
        steps = drain(*recorded);
        state.ResumeTiming();
    }
    std::size_t later = 0;
    std::size_t largest = 0;
    for (std::size_t k = 1; k < steps.size(); ++k) {
        const std::size_t own = steps[k].bytesBeyond(&steps[k - 1]);
        later += own;
        largest = std::max(largest, own);
    }
    const std::size_t first = steps.empty() ? 0 : steps.front().bytesBeyond(nullptr);
    state.counters["key"] = key;
    state.counters["steps"] = static_cast<double>(steps.size());
    state.counters["first_step_bytes"] = static_cast<double>(first);
    state.counters["later_step_bytes_mean"] =
        steps.size() > 1 ? static_cast<double>(later) / static_cast<double>(steps.size() - 1) : 0;
    state.counters["later_step_bytes_max"] = static_cast<double>(largest);
    state.counters["all_steps_bytes"] = static_cast<double>(first + later);
}
BENCHMARK(BM_RecordAvlDeletionWithRotation63)->Unit(benchmark::kMicrosecond);

// --- The steps of a bubble sort of 300 integers -----------------------------------

std::unique_ptr<TListDemo> randomIntegers(int count, unsigned seed, bool ascending = false) {
    std::mt19937 random(seed);
    auto list = std::make_unique<TListDemo>();
    for (int i = 0; i < count; ++i) {
        const int value = ascending ? i : static_cast<int>(random() % 30000);
        list->append(std::make_unique<TInteger>(value));
    }
    list->reset();
    return list;
}

void BM_BubbleSort300AllSteps(benchmark::State& state) {
    registerListDemoClasses();
    std::size_t count = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = randomIntegers(300, 300);
        state.ResumeTiming();
        SortRun run(SortKind::bubble, *list, nullptr);
        std::optional<Step> previous;
        count = 0;
        bytes = 0;
        while (auto step = run.next()) {
            bytes += step->bytesBeyond(previous ? &*previous : nullptr);
            previous = std::move(step);
            ++count;
        }
        benchmark::DoNotOptimize(run.end());
    }
    state.counters["steps"] = static_cast<double>(count);
    state.counters["step_bytes_mean"] = static_cast<double>(bytes) / static_cast<double>(count);
}
BENCHMARK(BM_BubbleSort300AllSteps)->Unit(benchmark::kMillisecond);

// "Weiter" at every step until the end: the Playback keeps every step for
// going back.
void BM_BubbleSort300PlayedToItsEnd(benchmark::State& state) {
    registerListDemoClasses();
    NoScreen screen;
    NoTimer phase;
    NoTimer play;
    Playback playback(screen, phase, play);
    for (auto _ : state) {
        state.PauseTiming();
        auto list = randomIntegers(300, 300);
        state.ResumeTiming();
        playback.start(std::make_unique<SortRun>(SortKind::bubble, *list, nullptr));
        while (playback.running()) playback.weiter();
        state.PauseTiming();
        state.counters["steps"] = playback.size();
        state.counters["playback_bytes"] = static_cast<double>(playback.bytes());
        state.counters["playback_mib"] = static_cast<double>(playback.bytes()) / (1 << 20);
        state.counters["bytes_per_step"] =
            static_cast<double>(playback.bytes()) / std::max(1, playback.size());
        state.counters["first_kept"] = playback.firstKept();
        playback.forget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BubbleSort300PlayedToItsEnd)->Unit(benchmark::kMillisecond);

// --- "Ende" on 65535 integers ---------------------------------------------------------

// The sort started on the window's 65535 integers (random with repeats, or
// ascending), "Ende" pressed at its first step: from the start until the end
// with the sorted list is shown.
void BM_Ende65535(benchmark::State& state, SortKind kind, bool ascending) {
    registerListDemoClasses();
    NoScreen screen;
    NoTimer phase;
    NoTimer play;
    Playback playback(screen, phase, play);
    std::unique_ptr<TListDemo> list;
    for (auto _ : state) {
        state.PauseTiming();
        list = randomIntegers(65535, 65535, ascending);
        const auto opened =
            std::make_shared<const ListView>(viewList(*list, std::make_shared<ListTexts>()));
        playback.forget();
        state.ResumeTiming();
        playback.start(std::make_unique<SortRun>(kind, *list, opened));
        playback.ende();
    }
    const TBase* previous = nullptr;
    for (list->reset(); !list->isAtEnd(); list->advance()) {
        if (previous && previous->compare(*list->elem()) == kGreater) {
            state.SkipWithError("the list is not sorted");
            break;
        }
        previous = list->elem();
    }
}
BENCHMARK_CAPTURE(BM_Ende65535, Bubble, SortKind::bubble, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Insertion, SortKind::insertion, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Selection, SortKind::selection, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Quick1, SortKind::quick1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Quick2, SortKind::quick2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Merge, SortKind::merge, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Ende65535, Quick2Ascending, SortKind::quick2, true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
