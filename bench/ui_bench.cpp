// Speed of the user interface on the offscreen platform: refreshing the list,
// stack and queue pages with 65535 elements (hidden, and shown with the paint),
// loading a 65535-element list file with its display, the memo widget against
// a QPlainTextEdit on the same 65535 lines, showing the main window next to an
// empty Qt window, and the sort window on 65535 elements: "Ende" of each of
// the six sorts, also on element classes whose compare is no order, and one
// shown step of each sort.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "demo/searchtreedemo.h"
#include "demo/sorts.h"
#include "demo/virtualtimers.h"
#include "elements/base.h"
#include "elements/platform.h"
#include "elements/values.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "trees/treeinteger.h"
#include "ui/pages/listpage.h"
#include "ui/pages/queuepage.h"
#include "ui/pages/searchtreepage.h"
#include "ui/pages/stackpage.h"
#include "ui/pages/tform1.h"
#include "ui/pages/tformdemo.h"
#include "ui/platform/appsetup.h"
#include "ui/platform/dialogservice.h"
#include "ui/platform/stepplayer.h"
#include "ui/widgets/memoview.h"
#include "ui/widgets/stepscreens.h"

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
    std::optional<NumberSequenceRequest> askNumberSequence() override { return std::nullopt; }
    bool question(std::string_view) override { return true; }
    std::string file;
};

void BM_ListPageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) form.listPage().list().insert(std::make_unique<TInteger>(i));
    for (auto _ : state) form.listPage().showList();
}
BENCHMARK(BM_ListPageRefresh65535)->Unit(benchmark::kMillisecond);

void BM_StackPageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) {
        form.stackPage().stack().push(
            std::make_unique<TLifoString>("Element " + std::to_string(i)));
    }
    for (auto _ : state) form.stackPage().refresh();
}
BENCHMARK(BM_StackPageRefresh65535)->Unit(benchmark::kMillisecond);

void BM_QueuePageRefresh65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) {
        form.queuePage().queue().insert(
            std::make_unique<TFifoString>("Element " + std::to_string(i)));
    }
    for (auto _ : state) form.queuePage().refresh();
}
BENCHMARK(BM_QueuePageRefresh65535)->Unit(benchmark::kMillisecond);

// "Ebenen" on the "Suchbaum" page, shown, with 65535 keys inserted in random
// order: from the click until the listing has painted.
void BM_LevelListingShown65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    SearchTreePage& page = form.searchTreePage();
    form.pageControl().setCurrentWidget(&page);
    std::vector<int> keys(kFull);
    std::iota(keys.begin(), keys.end(), 1);
    std::shuffle(keys.begin(), keys.end(), std::mt19937(4711));
    for (int key : keys) page.tree().insert(std::make_unique<TTreeInteger>(key));
    for (auto _ : state) {
        page.BitBtnEbeneClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LevelListingShown65535)->Unit(benchmark::kMillisecond);

// The same refreshes with the window shown and the page in front, until the
// memo has painted the lines in sight.
void BM_ListPageRefreshShown65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    form.pageControl().setCurrentWidget(&form.listPage());
    for (int i = 0; i < kFull; ++i) form.listPage().list().insert(std::make_unique<TInteger>(i));
    form.listPage().list().moveTo(kFull / 2);
    for (auto _ : state) {
        form.listPage().showList();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListPageRefreshShown65535)->Unit(benchmark::kMillisecond);

// The list memo wraps: 65535 strings, each two or three rows wide.
void BM_ListPageRefreshShownWrapped65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    form.pageControl().setCurrentWidget(&form.listPage());
    for (int i = 0; i < kFull; ++i) {
        form.listPage().list().insert(std::make_unique<TString>(
            "Element " + std::to_string(i) + " mit einem Text, der nicht in eine Zeile passt"));
    }
    for (auto _ : state) {
        form.listPage().showList();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListPageRefreshShownWrapped65535)->Unit(benchmark::kMillisecond);

void BM_StackPageRefreshShown65535(benchmark::State& state) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    form.pageControl().setCurrentWidget(&form.stackPage());
    for (int i = 0; i < kFull; ++i) {
        form.stackPage().stack().push(
            std::make_unique<TLifoString>("Element " + std::to_string(i)));
    }
    for (auto _ : state) {
        form.stackPage().refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StackPageRefreshShown65535)->Unit(benchmark::kMillisecond);

// The memo widgets alone, side by side: 65535 list lines into a shown memo of
// the list page's size, painted.
template <typename Memo>
void BM_MemoSetText65535(benchmark::State& state) {
    QStringList lines{QStringLiteral("     <--")};
    for (int i = 0; i < kFull; ++i) lines << QStringLiteral("[%1]").arg(i);
    const QString text = lines.join(QLatin1Char('\n'));
    Memo memo;
    memo.resize(185, 298);
    memo.show();
    for (auto _ : state) {
        memo.setPlainText(text);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MemoSetText65535<QPlainTextEdit>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoSetText65535<MemoView>)->Unit(benchmark::kMillisecond);

// Load button to finished display: dialog answer, clear, read, showList.
void BM_ListPageLoad65535(benchmark::State& state) {
    QuietDialogs dialogs;
    dialogs.file = "/tmp/tessaro-ui-bench-" + std::to_string(::getpid()) + ".ldt";
    TForm1 form(&dialogs);
    for (int i = 0; i < kFull; ++i) form.listPage().list().insert(std::make_unique<TInteger>(i));
    form.listPage().list().saveToFile(dialogs.file);
    auto* load = form.findChild<QAbstractButton*>("ButtonLLoad");
    for (auto _ : state) load->click();
    if (form.listPage().list().count() != kFull) state.SkipWithError("load did not read the file");
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

// 65535 integers in random order, with repeats: what a loaded list holds;
// or ascending, where quicksort 2 splits off one element per level.
void fillRandom(TListe& list, bool ascending = false) {
    std::mt19937 random(65535);
    list.clear();
    for (int i = 0; i < kFull; ++i) {
        const int value = ascending ? i : static_cast<int>(random() % 30000);
        list.append(std::make_unique<TInteger>(value));
    }
    list.reset();
}

// The sort window open on the list page's 65535 integers; the question for
// long lists is answered with "Ja" (step by step), and "Ende" is pressed at
// the first step: from the click on the sort button until the window and the
// list page show the sorted list.
void BM_SortWindowEnde65535(benchmark::State& state, const char* button, bool ascending) {
    QuietDialogs dialogs;
    VirtualTimers timers;
    TForm1 form(&dialogs, nullptr, TForm1::Building::everything, &timers);
    form.show();
    TListDemo& list = form.listPage().list();
    fillRandom(list);
    form.openSortWindow(list);
    auto* window = form.findChild<TFormDemo*>("TFormDemo");
    auto* ende = window->findChild<QAbstractButton*>("BitBtnEnde");
    auto* sort = window->findChild<QAbstractButton*>(button);
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        fillRandom(list, ascending);
        state.ResumeTiming();
        sort->click();  // the first step shows
        ende->click();
        QApplication::processEvents();
    }
    const TBase* previous = nullptr;
    for (list.reset(); !list.isAtEnd(); list.advance()) {
        if (previous && previous->compare(*list.elem()) == kGreater) {
            state.SkipWithError("the list is not sorted");
            break;
        }
        previous = list.elem();
    }
}
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Bubble, "BitBtnBubble", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Insertion, "BitBtnInsertion", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Auswaehlen, "BitBtnAuswaehlen", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Quick1, "BitBtnQuick1", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Quick2, "BitBtnQuick2", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Merge, "BitBtnMerge", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortWindowEnde65535, Quick2Ascending, "BitBtnQuick2", true)
    ->Unit(benchmark::kMillisecond);

// The sort window's memos and info field as a step screen.
SortStepScreen windowScreen(TFormDemo& window) {
    return SortStepScreen(
        {window.findChild<MemoView*>("MemoQuelle"), window.findChild<MemoView*>("MemoZwischen1"),
         window.findChild<MemoView*>("MemoZwischen2")},
        window.findChild<QLineEdit*>("EditSortInfo"));
}

// A step as a sort makes it (its lists taken as values) and as the window
// shows it, until it has painted.
void showStep(SortScreen& stage, SortStepScreen& screen, const SortStepView& view) {
    stage.step("17 und 4 werden miteinander getauscht", view);
    stage.afterWait();
    screen.show(stage.snapshot(), 0);
    QApplication::processEvents();
}

// One shown step of the sort window at 65535 elements, until it has painted:
// an exchange of the first and the last element (MemoQuelle; each step
// exchanges them back, so that every line between them is shown anew), and
// the mergesort's distribution into the two intermediate lists with their run
// marks (MemoZwischen1 and MemoZwischen2, 32768 and 32767 elements, a
// different pair each step).
void BM_SortStepShown65535(benchmark::State& state, bool distribution) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    TListDemo& list = form.listPage().list();
    fillRandom(list);
    form.openSortWindow(list);
    auto* window = form.findChild<TFormDemo*>("TFormDemo");
    SortStepScreen screen = windowScreen(*window);
    SortScreen stage;
    TListDemo first;
    TListDemo second;
    for (int i = 0; i < kFull; ++i) {
        (i % 2 == 0 ? first : second).append(std::make_unique<TInteger>(i % 1000));
    }
    list.moveTo(kFull / 2);
    QApplication::processEvents();
    const SortStepView view{.source = &list, .showBefore = false};
    TListDemo* pair[2] = {&first, &second};
    for (auto _ : state) {
        // The exchange itself walks the list: it is the sort's, not the step's.
        state.PauseTiming();
        if (distribution) {
            std::swap(pair[0], pair[1]);
        } else {
            list.swap(0, kFull - 1);
        }
        state.ResumeTiming();
        const SortStepView shown =
            distribution ? SortStepView{.aux1 = pair[0], .aux2 = pair[1], .markRuns = true} : view;
        showStep(stage, screen, shown);
    }
}
BENCHMARK_CAPTURE(BM_SortStepShown65535, Exchange, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepShown65535, Distribution, true)->Unit(benchmark::kMillisecond);

// One shown step of each sort at 65535 elements, as the sort shows it most
// often, until the window has painted; the list change before it is the
// sort's and not timed. Bubble sort: a neighbour exchange in the middle;
// straight insertion: an element taken out (and put back the next time);
// straight selection and quicksort 1: an exchange of two far elements, for
// quicksort 1 inside the framed whole list; quicksort 2: the first element
// moved from the list to the front of the 1. Teilliste; mergesort: the
// merged list with its run marks, a different one each step.
enum class StepOf { bubble, insertion, selection, quick1, quick2, merge };

void BM_SortStepOf65535(benchmark::State& state, StepOf sort) {
    QuietDialogs dialogs;
    TForm1 form(&dialogs);
    form.show();
    TListDemo& list = form.listPage().list();
    fillRandom(list);
    form.openSortWindow(list);
    auto* window = form.findChild<TFormDemo*>("TFormDemo");
    SortStepScreen screen = windowScreen(*window);
    SortScreen stage;
    TListDemo part;
    TListDemo other;
    if (sort == StepOf::merge) {
        for (int i = 0; i < kFull; ++i) other.append(std::make_unique<TInteger>(i % 777));
    }
    TListDemo* merged[2] = {&list, &other};
    std::unique_ptr<TBase> taken;
    list.moveTo(kFull / 2);
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        SortStepView view{.source = &list, .showBefore = false};
        const auto middle = static_cast<std::uint16_t>(kFull / 2 + round % 64);
        switch (sort) {
            case StepOf::bubble:
                list.swap(middle, middle + 1);
                list.moveTo(middle);
                break;
            case StepOf::insertion:
                list.moveTo(middle);
                if (taken) {
                    list.insert(std::move(taken));
                } else {
                    taken = list.elem()->copy();
                    list.deleteElem();
                }
                break;
            case StepOf::selection:
            case StepOf::quick1:
                list.swap(static_cast<std::uint16_t>(round % 64), middle);
                list.moveTo(round % 64);
                if (sort == StepOf::quick1) {
                    view.first = 0;
                    view.last = kFull - 1;
                }
                break;
            case StepOf::quick2:
                if (list.count() < 2) {
                    fillRandom(list);
                    part.clear();
                }
                list.reset();
                part.insert(list.elem()->copy());
                list.deleteElem();
                view.aux1 = &part;
                break;
            case StepOf::merge:
                std::swap(merged[0], merged[1]);
                view = {.source = merged[0], .markRuns = true};
                break;
        }
        state.ResumeTiming();
        showStep(stage, screen, view);
    }
}
BENCHMARK_CAPTURE(BM_SortStepOf65535, Bubble, StepOf::bubble)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepOf65535, Insertion, StepOf::insertion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepOf65535, Auswaehlen, StepOf::selection)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepOf65535, Quick1, StepOf::quick1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepOf65535, Quick2, StepOf::quick2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortStepOf65535, Merge, StepOf::merge)->Unit(benchmark::kMillisecond);

// Element classes whose compare is no order: booleans (never smaller), floats
// with NaN (greater than everything, and everything greater than it), and
// fractions with denominators of either sign and zero.
enum class OddClass { boolean, nanReal, nanExtended, fraction };

void fillOdd(TListe& list, OddClass kind) {
    std::mt19937 random(65535);
    list.clear();
    for (int i = 0; i < kFull; ++i) {
        const unsigned r = random();
        switch (kind) {
            case OddClass::boolean:
                list.append(std::make_unique<TBoolean>(r % 2 == 0));
                break;
            case OddClass::nanReal:
                list.append(std::make_unique<TReal>(r % 10 == 0 ? std::nan("") : r % 30000));
                break;
            case OddClass::nanExtended:
                list.append(std::make_unique<TExtended>(
                    Extended(r % 10 == 0 ? std::nan("") : double(r % 30000))));
                break;
            case OddClass::fraction: {
                const auto numerator = static_cast<std::int32_t>(r % 200) - 100;
                const auto denominator = static_cast<std::int32_t>(r / 200 % 21) - 10;
                list.append(std::make_unique<TTBruch>(Fraction{numerator, denominator}));
                break;
            }
        }
    }
    list.reset();
}

// "Ende" before the first step of a sort of 65535 such elements: the sort
// with "Ende" already set, as the window runs it after the first wait.
void BM_SortEndeOdd65535(benchmark::State& state, SortKind sort, OddClass kind) {
    TListDemo list;
    for (auto _ : state) {
        state.PauseTiming();
        fillOdd(list, kind);
        state.ResumeTiming();
        SortRun run(sort, list, nullptr, false);
        run.finish();
    }
}
#define TESSARO_ODD_ENDE(Sort, method)                                                           \
    BENCHMARK_CAPTURE(BM_SortEndeOdd65535, Sort##Boolean, SortKind::method, OddClass::boolean)   \
        ->Unit(benchmark::kMillisecond)                                                          \
        ->Iterations(1);                                                                         \
    BENCHMARK_CAPTURE(BM_SortEndeOdd65535, Sort##NanReal, SortKind::method, OddClass::nanReal)   \
        ->Unit(benchmark::kMillisecond)                                                          \
        ->Iterations(1);                                                                         \
    BENCHMARK_CAPTURE(BM_SortEndeOdd65535, Sort##NanExtended, SortKind::method,                  \
                      OddClass::nanExtended)                                                     \
        ->Unit(benchmark::kMillisecond)                                                          \
        ->Iterations(1);                                                                         \
    BENCHMARK_CAPTURE(BM_SortEndeOdd65535, Sort##Fraction, SortKind::method, OddClass::fraction) \
        ->Unit(benchmark::kMillisecond)                                                          \
        ->Iterations(1)
TESSARO_ODD_ENDE(Bubble, bubble);
TESSARO_ODD_ENDE(Insertion, insertion);
TESSARO_ODD_ENDE(Auswaehlen, selection);
TESSARO_ODD_ENDE(Quick1, quick1);
TESSARO_ODD_ENDE(Quick2, quick2);
TESSARO_ODD_ENDE(Merge, merge);
#undef TESSARO_ODD_ENDE

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
