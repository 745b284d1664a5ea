// What a waiting demonstration step costs: one step of the step driver blinks
// on a page-sized image for 10 s until "Weiter" arrives, and the process CPU
// time spent meanwhile is reported as a share of one core. The same for a
// demonstration that plays for 10 s, each step recorded for going back, and
// how long going back one step takes until the page has repainted, with the
// largest tree (six full levels) on it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTimer>
#include <chrono>

#include "demo/stepdriver.h"
#include "trees/avltree.h"
#include "trees/treeinteger.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/imagesurface.h"
#include "ui/platform/lineeditoutput.h"
#include "ui/platform/qtstepclock.h"
#include "ui/platform/stepscreens.h"
#include "ui/widgets/imageview.h"

namespace {

class InfoField final : public TextOutput {
public:
    void addLine(std::string_view) override {}
    void appendText(std::string_view) override {}
    void setText(std::string_view utf8) override { text_ = utf8; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_StepWaitingTenSeconds(benchmark::State& state) {
    QImage image(497, 293, QImage::Format_RGB32);
    ImageSurface surface(image);
    InfoField info;
    QtStepClock clock;
    for (auto _ : state) {
        clearImage(surface);
        QTimer::singleShot(10000, [&clock] { clock.weiterPressed = true; });
        const double cpuBefore = cpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        blinkAndWait(surface, info, clock, "Die 30 wird links von der 50 eingefügt.", 30, 248, 20,
                     124, 40, true, true);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        state.counters["cpu_percent_of_one_core"] = 100.0 * (cpuSeconds() - cpuBefore) / wall;
        state.counters["wall_seconds"] = wall;
    }
}
BENCHMARK(BM_StepWaitingTenSeconds)->Iterations(1)->Unit(benchmark::kSecond);

// A page's picture and info field, shown, with the largest tree drawn.
struct LessonPage {
    LessonPage() : image(new ImageView(505, 293, &page)), info(new QLineEdit(&page)) {
        info->setGeometry(0, 300, 505, 21);
        page.resize(505, 325);
        page.show();
        registerElementClasses();
        for (int level = 1, step = 64; level <= 6; ++level, step /= 2)
            for (int v = step / 2; v < 64; v += step)
                tree.insert(std::make_unique<TTreeInteger>(v));
        clearImage(image->surface());
        tree.paint(image->surface(), 252, 10, 30, 10, 252, false);
    }
    QWidget page;
    ImageView* image;
    QLineEdit* info;
    TAvlTree tree;
};

void BM_PlayingTenSeconds(benchmark::State& state) {
    LessonPage page;
    LineEditOutput info(page.info);
    TreeStepScreen screen(page.image, page.info);
    StepHistory history;
    QtStepClock clock;
    history.begin(screen);
    history.setStepMs(static_cast<int>(state.range(0)));
    history.setPlaying(true);
    clock.attach(&history);
    for (auto _ : state) {
        const double cpuBefore = cpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        const auto wallNow = [&] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore)
                .count();
        };
        int steps = 0;
        while (wallNow() < 10.0) {
            blinkAndWait(page.image->surface(), info, clock,
                         "Die 30 wird links von der 50 eingefügt.", 30, 248, 20, 124, 40, true,
                         true);
            ++steps;
        }
        const double wall = wallNow();
        state.counters["cpu_percent_of_one_core"] = 100.0 * (cpuSeconds() - cpuBefore) / wall;
        state.counters["steps"] = steps;
        state.counters["recorded_mib"] = static_cast<double>(history.bytes()) / (1 << 20);
    }
    clock.attach(nullptr);
    history.finish();
}
BENCHMARK(BM_PlayingTenSeconds)->Arg(1500)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);

void BM_BackOneStepRepaintLargestTree(benchmark::State& state) {
    LessonPage page;
    LineEditOutput info(page.info);
    TreeStepScreen screen(page.image, page.info);
    StepHistory history;
    QtStepClock clock;
    history.begin(screen);
    clock.attach(&history);
    // Two recorded steps; the second one waits while the first is shown
    // again, then the live one, back and forth.
    int stepsSeen = 0;
    double worstMs = 0;
    double totalMs = 0;
    for (auto _ : state) {
        QTimer::singleShot(0, [&] { clock.weiterPressed = true; });
        blinkAndWait(page.image->surface(), info, clock, "Zahl gefunden", 31, 252, 10, 252, 10,
                     false, true);
        bool done = false;
        QTimer::singleShot(0, [&] {
            for (int k = 0; k < 50; ++k) {
                const auto before = std::chrono::steady_clock::now();
                history.back();
                page.page.repaint();
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - before)
                                      .count();
                worstMs = std::max(worstMs, ms);
                totalMs += ms;
                history.forward();
                page.page.repaint();
                ++stepsSeen;
            }
            done = true;
            clock.weiterPressed = true;
        });
        blinkAndWait(page.image->surface(), info, clock, "LR-Rotation wird durchgeführt", 40, 126,
                     40, 189, 70, true, true);
        if (!done) state.SkipWithError("the second step did not wait");
    }
    state.counters["back_repaints"] = stepsSeen;
    state.counters["worst_back_repaint_ms"] = worstMs;
    state.counters["mean_back_repaint_ms"] = stepsSeen > 0 ? totalMs / stepsSeen : 0;
    clock.attach(nullptr);
    history.finish();
}
BENCHMARK(BM_BackOneStepRepaintLargestTree)->Iterations(4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
