// What a waiting demonstration step costs: one step of the step driver blinks
// on a page-sized image for 10 s until "Weiter" arrives, and the process CPU
// time spent meanwhile is reported as a share of one core.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <chrono>

#include "demo/stepdriver.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/imagesurface.h"
#include "ui/platform/qtstepclock.h"

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
