// Arbitrary bytes as a ".tdt" image loaded into a TSearchTree: it loads or is
// refused with a FileError, and a refused tree is empty. A loaded tree must be
// a search tree: every key is found by binary search, the tree saves to an
// image that loads back to itself, and deleting, re-inserting and balancing
// its keys never meets a comparison without an order (that would be a fatal
// stop, which the harness reports as a finding). The same bytes then go
// through the "Suchbaum" page's Load, drawing and level listing (see
// fuzz/treefuzz.h).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "demo/searchtreedemo.h"
#include "elements/base.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/treefuzz.h"
#include "trees/avltree.h"
#include "trees/searchtree.h"

namespace {

// Copies of the keys in order.
std::vector<std::unique_ptr<TBase>> keys(const TBinTreeNode* top) {
    std::vector<std::unique_ptr<TBase>> result;
    walkInorder(top, [&](const TBinTreeNode& node) {
        result.push_back(node.getValue()->copy());
        return true;
    });
    return result;
}

void exercise(TReader& reader) {
    TSearchTree tree;
    try {
        tree.load(reader);
    } catch (const FileError&) {
        if (!tree.empty()) __builtin_trap();
        throw;
    }
    if (!tree.verify()) __builtin_trap();
    const std::string saved = image(tree);
    {
        TSearchTree again;
        MemoryInputStream in(saved);
        TReader back(in);
        again.load(back);
        if (again.compare(tree) != kEqual) __builtin_trap();
    }
    // Keys copied from display strings are no keys of this tree.
    if (!tree.empty() && !copyKeepsClass(*tree.root->getValue())) return;
    // TTBruch's cross-product order is no order for non-positive denominators
    // or overflowing products; such trees only have to survive the operations.
    const bool ordered = tree.empty() || tree.root->getValue()->className() != "TTBruch";
    auto all = keys(tree.root.get());
    for (const auto& key : all) {
        if (tree.lookUp(*key) == nullptr && ordered) __builtin_trap();
    }
    for (std::size_t i = 0; i < all.size(); i += 2) {
        tree.remove(all[i]->copy());
        if (tree.lookUp(*all[i]) != nullptr && ordered) __builtin_trap();
    }
    if (!tree.verify() && ordered) __builtin_trap();
    for (std::size_t i = 0; i < all.size(); i += 2) tree.insert(all[i]->copy());
    tree.balance();
    if (!tree.balanced()) __builtin_trap();
    if (ordered && (!tree.verify() || keys(tree.root.get()).size() != all.size())) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        registerElementClasses();
        registerAvlTreeClasses();
        return true;
    }();
    (void)registered;
    fuzzLoad(data, size, exercise);
    fuzzTreePage<TSearchTreeDemo>(data, size, 497, true, [](const TSearchTreeDemo& tree) {
        return memoText([&](TextOutput& out) { tree.write(out); }) + "|" +
               memoText([&](TextOutput& out) { tree.writeLevels(out); });
    });
    return 0;
}
