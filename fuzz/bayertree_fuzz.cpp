// Arbitrary bytes as a ".bdt" image: the B-tree loads or is refused with a
// FileError, and a refused tree is empty. A loaded tree must pass its own
// invariant check, save to an image that loads back to itself, copy to the
// same image, and survive deleting and re-inserting its keys.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "elements/base.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "trees/bayertree.h"

namespace {
// Opens the protected operations for the round trip below.
class FuzzTree final : public TBayerTree {
public:
    using TBayerTree::insert;
    using TBayerTree::remove;
    using TBayerTree::TBayerTree;
};

std::string treeImage(const TBayerTree& tree) {
    return savedImage([&](TWriter& writer) { tree.saveTo(writer); });
}

void loadImage(TBayerTree& tree, const std::string& bytes) {
    MemoryInputStream in(bytes);
    TReader reader(in);
    tree.loadFrom(reader);
}

void exercise(const ClassInfo* keyClass, TReader& reader) {
    FuzzTree tree(keyClass);
    try {
        tree.loadFrom(reader);
    } catch (const FileError&) {
        if (!tree.empty() || tree.count() != 0) __builtin_trap();
        throw;
    }
    if (!tree.verify()) __builtin_trap();
    if (tree.depth() > TBayerTree::kMaxLevels || tree.count() > 124) __builtin_trap();
    const std::string saved = treeImage(tree);
    std::unique_ptr<TBase> copy = tree.copy();
    if (treeImage(static_cast<TBayerTree&>(*copy)) != saved) __builtin_trap();
    FuzzTree again(keyClass);
    loadImage(again, saved);
    if (treeImage(again) != saved) __builtin_trap();

    // Every key can be found, removed and inserted again; the tree stays
    // sound after each step.
    if (tree.empty()) return;
    std::vector<std::unique_ptr<TBase>> keys;
    const TBayerTreeNode* root = tree.root();
    for (int i = 1; i <= root->count(); ++i) keys.push_back(root->key(i).copy());
    if (const TBayerTreeNode* first = root->child(0)) {
        for (int i = 1; i <= first->count(); ++i) keys.push_back(first->key(i).copy());
    }
    for (const auto& key : keys) {
        if (tree.lookUp(*key) == nullptr) __builtin_trap();
        if (!tree.remove(*key)) __builtin_trap();
        if (!tree.verify()) __builtin_trap();
    }
    for (auto& key : keys) {
        tree.insert(std::move(key));  // may be refused on a full path
        if (!tree.verify()) __builtin_trap();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        registerElementClasses();
        registerBayerTreeClasses();
        return true;
    }();
    (void)ready;
    // The general tree (any one ordered key class) and the page's tree.
    fuzzLoad(data, size, [](TReader& reader) { exercise(nullptr, reader); });
    fuzzLoad(data, size, [](TReader& reader) { exercise(&TInteger::info, reader); });
    return 0;
}
