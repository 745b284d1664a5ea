// The linear structures' costly operations at full size (65535 elements):
// saving and loading a list file beside plain buffered file I/O of the same
// bytes, quickSort and sortAscii of random integers.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "elements/base.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/listalgorithms.h"
#include "linear/liste.h"

namespace {

constexpr int kCount = 65535;

std::string benchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void registerAll() {
    registerElementClasses();
    registerListClasses();
}

// 65535 elements, strings and integers alternating.
std::unique_ptr<TListe> mixedList() {
    auto list = std::make_unique<TListe>();
    std::mt19937 rng(11);
    for (int i = 0; i < kCount; ++i) {
        if (i % 2 == 0) {
            list->append(std::make_unique<TString>("Element " + std::to_string(rng() % 100000)));
        } else {
            list->append(std::make_unique<TInteger>(static_cast<std::int32_t>(rng())));
        }
    }
    return list;
}

std::unique_ptr<TListe> randomIntegers() {
    auto list = std::make_unique<TListe>();
    std::mt19937 rng(42);
    for (int i = 0; i < kCount; ++i) {
        list->append(std::make_unique<TInteger>(static_cast<std::int32_t>(rng() % 1000000)));
    }
    return list;
}

void BM_ListSaveLoad(benchmark::State& state) {
    registerAll();
    const std::unique_ptr<TListe> list = mixedList();
    const std::string name = benchFile("tessaro_bench_list.ldt");
    for (auto _ : state) {
        list->saveToFile(name);
        auto loaded = std::make_unique<TListe>();
        loaded->loadFromFile(name);
        benchmark::DoNotOptimize(loaded->count());
        // Freeing the loaded list is not part of saving and loading.
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(name);
}
BENCHMARK(BM_ListSaveLoad)->Unit(benchmark::kMillisecond);

// The same bytes through stdio with a 4000-byte buffer: written, flushed to
// disk as the list's save does, read back.
void plainIO(benchmark::State& state, bool sync) {
    registerAll();
    const std::unique_ptr<TListe> list = mixedList();
    StringOutputStream out;
    {
        TWriter w(out);
        list->save(w);
        w.flush();
    }
    const std::string& bytes = out.bytes();
    const std::string name = benchFile("tessaro_bench_plain.ldt");
    std::vector<char> buffer(4000);
    for (auto _ : state) {
        std::FILE* f = std::fopen(name.c_str(), "wb");
        std::setvbuf(f, nullptr, _IOFBF, 4000);
        for (std::size_t at = 0; at < bytes.size(); at += 4000) {
            std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(4000, bytes.size() - at), f);
        }
        std::fflush(f);
        if (sync) {
            ::fsync(::fileno(f));
        }
        std::fclose(f);
        f = std::fopen(name.c_str(), "rb");
        std::size_t total = 0;
        std::size_t got;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
            total += got;
        }
        std::fclose(f);
        benchmark::DoNotOptimize(total);
    }
    std::filesystem::remove(name);
}

void BM_PlainBufferedIO(benchmark::State& state) { plainIO(state, true); }
BENCHMARK(BM_PlainBufferedIO)->Unit(benchmark::kMillisecond);

// For reference: the same without flushing to disk.
void BM_PlainBufferedIONoSync(benchmark::State& state) { plainIO(state, false); }
BENCHMARK(BM_PlainBufferedIONoSync)->Unit(benchmark::kMillisecond);

void BM_QuickSort65535(benchmark::State& state) {
    registerAll();
    const std::unique_ptr<TListe> source = randomIntegers();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TListe> list = source->copyList();
        state.ResumeTiming();
        ListAlgorithms::quickSort(*list);
        benchmark::DoNotOptimize(list->position());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuickSort65535)->Unit(benchmark::kMillisecond);

void BM_SortAscii65535(benchmark::State& state) {
    registerAll();
    const std::unique_ptr<TListe> source = randomIntegers();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TListe> list = source->copyList();
        state.ResumeTiming();
        list->sortAscii();
        benchmark::DoNotOptimize(list->position());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortAscii65535)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
