// Arbitrary bytes as an ".adt" image loaded into a TAvlTree: it loads or is
// refused with a FileError, and a refused tree is empty. A loaded tree must be
// an AVL tree with true balance factors; it saves to an image that loads back
// to itself, and deleting and re-inserting its keys keeps it an AVL tree
// without ever meeting a comparison that has no order. The same bytes then go
// through the "AVL-Baum" page's Load and drawing (see fuzz/treefuzz.h).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "demo/avltreedemo.h"
#include "elements/base.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/treefuzz.h"
#include "trees/avltree.h"

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
    TAvlTree tree;
    try {
        tree.load(reader);
    } catch (const FileError&) {
        if (!tree.empty()) __builtin_trap();
        throw;
    }
    if (!tree.verify() || !tree.balanced()) __builtin_trap();
    const std::string saved = image(tree);
    {
        TAvlTree again;
        MemoryInputStream in(saved);
        TReader back(in);
        again.load(back);
        if (image(again) != saved) __builtin_trap();
    }
    // Keys copied from display strings are no keys of this tree.
    if (!tree.empty() && !copyKeepsClass(*tree.root->getValue())) return;
    // TTBruch's cross-product order is no order for non-positive denominators
    // or overflowing products; such trees only have to survive the operations.
    const bool ordered = tree.empty() || tree.root->getValue()->className() != "TTBruch";
    auto all = keys(tree.root.get());
    for (std::size_t i = 0; i < all.size(); i += 2) {
        tree.remove(all[i]->copy());
        if (!tree.verify() && ordered) __builtin_trap();
    }
    for (std::size_t i = 0; i < all.size(); i += 2) {
        tree.insert(all[i]->copy());
        if (!tree.balanced()) __builtin_trap();
        if (!tree.verify() && ordered) __builtin_trap();
    }
    if (ordered && keys(tree.root.get()).size() != all.size()) __builtin_trap();
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
    fuzzTreePage<TAvlTreeDemo>(data, size, 505, false, [](const TAvlTreeDemo& tree) {
        return memoText([&](TextOutput& out) { tree.write(out); });
    });
    return 0;
}
