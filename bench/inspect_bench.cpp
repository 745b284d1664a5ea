// tessaro-inspect on a folder of 200 handed-in files: the seven types in
// turn, each structure of a size a class builds by hand (about 100 elements;
// the B-tree 60 keys), every file loaded, summarised and printed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "demo/bayertreedemo.h"
#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"
#include "workbench/inspectcommand.h"

namespace fs = std::filesystem;

namespace {

// Keys 1..99 in a scattered order.
int key(int i) { return 1 + (i * 37) % 99; }

void saveFile(int n, const fs::path& dir) {
    const fs::path file = dir / ("abgabe" + std::to_string(1000 + n));
    const auto name = [&](const char* extension) { return file.string() + extension; };
    switch (n % 7) {
        case 0: {
            TListe list;
            for (int i = 0; i < 100; ++i) {
                list.append(std::make_unique<TString>("Element " + std::to_string(i)));
            }
            list.saveToFile(name(".ldt"));
            break;
        }
        case 1: {
            TLifo stack;
            for (int i = 0; i < 100; ++i)
                stack.push(std::make_unique<TLifoString>(std::to_string(i)));
            stack.save(name(".kdt"));
            break;
        }
        case 2: {
            TFifo queue;
            for (int i = 0; i < 100; ++i)
                queue.insert(std::make_unique<TFifoString>(std::to_string(i)));
            queue.save(name(".sdt"));
            break;
        }
        case 3:
        case 4: {
            auto tree = n % 7 == 3 ? std::make_unique<TSearchTree>() : std::make_unique<TAvlTree>();
            for (int i = 0; i < 99; ++i) tree->insert(std::make_unique<TTreeInteger>(key(i)));
            tree->save(name(n % 7 == 3 ? ".tdt" : ".adt"));
            break;
        }
        case 5: {
            TBayerTreeDemo tree;
            for (int i = 0; i < 60; ++i) tree.insertQuietly(std::to_string(key(i)));
            tree.save(name(".bdt"));
            break;
        }
        default: {
            TNtree tree;
            tree.createRoot(std::make_unique<TString>("Wurzel"), std::make_unique<TListe>());
            for (int i = 0; i < 9; ++i) {
                auto child = std::make_unique<TNtreeNode>(
                    std::make_unique<TString>("Kind " + std::to_string(i)),
                    std::make_unique<TListe>());
                for (int k = 0; k < 10; ++k) {
                    child->insertChildN(k,
                                        std::make_unique<TNtreeNode>(
                                            std::make_unique<TString>("Blatt " + std::to_string(k)),
                                            std::make_unique<TListe>()));
                }
                tree.root->insertChildN(i, std::move(child));
            }
            tree.save(name(".ndt"));
        }
    }
}

void BM_InspectFolderOf200Files(benchmark::State& state) {
    const fs::path dir =
        fs::temp_directory_path() / ("tessaro-inspect-bench-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (int n = 0; n < 200; ++n) saveFile(n, dir);
    const std::vector<std::string> args = {state.range(0) ? "--json" : "--show", dir.string()};
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = inspect::run(args, out, err);
        if (status != inspect::kAllValid) state.SkipWithError("a file was refused");
        benchmark::DoNotOptimize(out.str().size());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_InspectFolderOf200Files)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("json")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
