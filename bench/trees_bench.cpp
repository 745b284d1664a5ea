// The trees' costly operations at their largest sizes, without animation:
// inserting and then deleting every key 1..65535 of a search tree and of an
// AVL tree (random order, and ascending, which makes the search tree a chain),
// loading the largest file of each tree kind (search tree and AVL tree of
// 65535 keys, the B-tree full on three levels, the n-ary tree of 32767
// nodes), and the level listing of a 65535-key search tree into a recording
// text output. Every file is made in the setup by the tree's own save.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "elements/base.h"
#include "elements/elementio.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/values.h"
#include "elements/writer.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"

namespace {

// Most keys a tree file holds: counts are 16-bit.
constexpr int kKeys = static_cast<int>(TBinTree::kMaxFileNodes);
constexpr int kNtreeNodes = static_cast<int>(TNtree::kMaxFileNodes);

std::string benchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void registerAll() {
    registerElementClasses();
    registerListClasses();
    registerAvlTreeClasses();
    registerBayerTreeClasses();
    registerNtreeClasses();
}

// 1..kKeys, shuffled (random) or ascending.
std::vector<int> keys(bool random) {
    std::vector<int> values(kKeys);
    std::iota(values.begin(), values.end(), 1);
    if (random) std::shuffle(values.begin(), values.end(), std::mt19937(4711));
    return values;
}

// A tree that lists its levels as the "Suchbaum" page does: one line each.
class ListedSearchTree : public TSearchTree {
public:
    void newPlane(TextOutput& out) const override { out.addLine(""); }
};

// Lines of text, kept as the page's memo keeps them.
class RecordingText final : public TextOutput {
public:
    void addLine(std::string_view utf8) override { lines.emplace_back(utf8); }
    void appendText(std::string_view utf8) override {
        if (lines.empty()) lines.emplace_back();
        lines.back() += utf8;
    }
    void setText(std::string_view utf8) override { lines.assign(1, std::string(utf8)); }
    std::string text() const override {
        std::string all;
        for (const std::string& line : lines) all += line + '\n';
        return all;
    }

    std::vector<std::string> lines;
};

template <typename Tree>
void fill(Tree& tree, const std::vector<int>& order) {
    for (int key : order) tree.insert(std::make_unique<TTreeInteger>(key));
}

// The chain that inserting 1..kKeys in ascending order makes (each key the
// right child of the one before), linked directly: inserting it takes a
// minute and a half, which only BM_SearchTreeInsertDelete/1 measures.
void linkChain(TSearchTree& tree) {
    for (int key = kKeys; key >= 1; --key) {
        tree.root = std::make_unique<TBinTreeNode>(nullptr, std::make_unique<TTreeInteger>(key),
                                                   std::move(tree.root));
    }
}

// Inserts every key in order, then deletes them in the same order.
template <typename Tree>
void insertThenDelete(benchmark::State& state) {
    registerAll();
    const std::vector<int> order = keys(state.range(0) == 0);
    for (auto _ : state) {
        Tree tree;
        fill(tree, order);
        if (tree.count() != kKeys) state.SkipWithError("not every key was inserted");
        for (int key : order) tree.remove(std::make_unique<TTreeInteger>(key));
        if (!tree.empty()) state.SkipWithError("not every key was deleted");
    }
    state.SetItemsProcessed(state.iterations() * kKeys * 2);
}

void BM_SearchTreeInsertDelete(benchmark::State& state) { insertThenDelete<TSearchTree>(state); }
// Arg 0: random order; 1: ascending (a chain of 65535 nodes).
BENCHMARK(BM_SearchTreeInsertDelete)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AvlTreeInsertDelete(benchmark::State& state) { insertThenDelete<TAvlTree>(state); }
BENCHMARK(BM_AvlTreeInsertDelete)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Saves a tree of every key (search tree or AVL tree) and times loading it.
template <typename Tree>
void loadTreeFile(benchmark::State& state, const char* fileName) {
    registerAll();
    const std::string name = benchFile(fileName);
    {
        Tree tree;
        if (state.range(0) == 0) {
            fill(tree, keys(true));
        } else {
            linkChain(tree);  // registered for the plain search tree only
        }
        if (!tree.verify()) {
            state.SkipWithError("the tree to save is not sound");
            return;
        }
        tree.save(name);
    }
    for (auto _ : state) {
        auto loaded = std::make_unique<Tree>();
        loaded->load(name);
        if (loaded->count() != kKeys) state.SkipWithError("the file did not load whole");
        // Freeing the tree is not part of loading.
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(name);
}

void BM_SearchTreeLoadFile(benchmark::State& state) {
    loadTreeFile<TSearchTree>(state, "tessaro_bench_searchtree.tdt");
}
// Arg 0: the tree of a random insertion order; 1: the chain.
BENCHMARK(BM_SearchTreeLoadFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AvlTreeLoadFile(benchmark::State& state) {
    loadTreeFile<TAvlTree>(state, "tessaro_bench_avltree.adt");
}
BENCHMARK(BM_AvlTreeLoadFile)->Arg(0)->Unit(benchmark::kMillisecond);

// The B-tree full on all three levels: 4 keys in the root, in each of its 5
// children and in each of their 25 children, 124 keys in all, valued 10, 20,
// ... in order. Made from its page records and saved by the tree itself.
void BM_BayerTreeLoadFile(benchmark::State& state) {
    registerAll();
    constexpr int kFull = TBayerTreeNode::kMaxKeys;
    constexpr int kLeafSpan = kFull + 1;                 // a leaf and the key after it
    constexpr int kInnerSpan = (kFull + 1) * kLeafSpan;  // an inner subtree and the key after
    StringOutputStream records;
    {
        TWriter writer(records);
        const auto page = [&](int first, int step, bool inner) {
            writer.writeInteger(kFull);
            writer.writeBoolean(inner);
            for (int k = 1; k <= kFull; ++k) {
                saveElement(writer, TInteger(10 * (first + (k - 1) * step)));
                writer.writeBoolean(inner);
            }
        };
        page(kInnerSpan, kInnerSpan, true);
        for (int c = 0; c <= kFull; ++c) {
            const int base = c * kInnerSpan;
            page(base + kLeafSpan, kLeafSpan, true);
            for (int l = 0; l <= kFull; ++l) page(base + l * kLeafSpan + 1, 1, false);
        }
        writer.flush();
    }
    const std::string name = benchFile("tessaro_bench_bayertree.bdt");
    {
        TBayerTree tree(&TInteger::info);
        MemoryInputStream in(records.bytes());
        TReader reader(in);
        tree.loadFrom(reader);
        if (tree.count() != 124 || tree.depth() != 3 || !tree.verify()) {
            state.SkipWithError("the full B-tree was not built");
            return;
        }
        tree.save(name);
    }
    for (auto _ : state) {
        TBayerTree loaded(&TInteger::info);
        loaded.load(name);
        benchmark::DoNotOptimize(loaded.count());
    }
    std::filesystem::remove(name);
}
BENCHMARK(BM_BayerTreeLoadFile)->Unit(benchmark::kMicrosecond);

// The n-ary tree of 32767 nodes, each with up to eight children, filled
// level by level.
void BM_NtreeLoadFile(benchmark::State& state) {
    registerAll();
    const std::string name = benchFile("tessaro_bench_ntree.ndt");
    {
        TNtree tree;
        tree.createRoot(std::make_unique<TString>("K0"), nullptr);
        std::vector<TNtreeNode*> level{tree.root.get()};
        int made = 1;
        for (std::size_t at = 0; made < kNtreeNodes; ++at) {
            TNtreeNode* parent = level[at];
            for (int n = 0; n < 8 && made < kNtreeNodes; ++n, ++made) {
                std::string text = "K";
                text += std::to_string(made);
                parent->insertChildN(n, std::make_unique<TNtreeNode>(
                                            std::make_unique<TString>(std::move(text)), nullptr));
                level.push_back(parent->getChildN(n));
            }
        }
        tree.save(name);
    }
    for (auto _ : state) {
        auto loaded = std::make_unique<TNtree>();
        loaded->load(name);
        if (loaded->count() != kNtreeNodes) state.SkipWithError("the file did not load whole");
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(name);
}
BENCHMARK(BM_NtreeLoadFile)->Unit(benchmark::kMillisecond);

// Deleting an n-ary tree of 32767 nodes loaded from its file (Arg 0: up to
// eight children a node, filled level by level; 1: the chain, one node a
// level), as loading another file or "Clear" does.
void BM_NtreeDestroy(benchmark::State& state) {
    registerAll();
    const std::string name = benchFile("tessaro_bench_ntree_destroy.ndt");
    {
        TNtree tree;
        tree.createRoot(std::make_unique<TString>("K0"), nullptr);
        std::vector<TNtreeNode*> made{tree.root.get()};
        const int fanOut = state.range(0) == 0 ? 8 : 1;
        for (std::size_t at = 0; made.size() < static_cast<std::size_t>(kNtreeNodes); ++at) {
            for (int n = 0; n < fanOut && made.size() < static_cast<std::size_t>(kNtreeNodes);
                 ++n) {
                made[at]->insertChildN(
                    n, std::make_unique<TNtreeNode>(
                           std::make_unique<TString>("K" + std::to_string(made.size())), nullptr));
                made.push_back(made[at]->getChildN(n));
            }
        }
        tree.save(name);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<TNtree>();
        tree->load(name);
        if (tree->count() != kNtreeNodes) state.SkipWithError("the file did not load whole");
        state.ResumeTiming();
        tree.reset();
    }
    std::filesystem::remove(name);
}
BENCHMARK(BM_NtreeDestroy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The level listing of a 65535-key search tree (Arg 0: random insertion
// order; 1: the chain, one level per key).
void BM_SearchTreeLevelListing(benchmark::State& state) {
    registerAll();
    ListedSearchTree tree;
    if (state.range(0) == 0) {
        fill(tree, keys(true));
    } else {
        linkChain(tree);
    }
    for (auto _ : state) {
        RecordingText memo;
        tree.writePlanes(memo);
        benchmark::DoNotOptimize(memo.lines.size());
    }
}
BENCHMARK(BM_SearchTreeLevelListing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
