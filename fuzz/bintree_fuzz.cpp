// Arbitrary bytes as a ".tdt" image: the tree loads or is refused with a
// FileError. A loaded tree is measured, copied, mirrored, written (in order)
// and drawn into a recorder (when its elements can) and saved; the saved
// image must load back to a tree that saves, writes and draws the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "fuzz/fuzzsupport.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

namespace {
// Only the page's own elements write and draw themselves; any other element
// class ends the program in writeValue and paintValue, as every abstract
// operation does.
bool drawable(const TBinTree& tree) {
    return walkPreorder(tree.root.get(), [](const TBinTreeNode& node, std::size_t) {
        return dynamic_cast<const TTreeInteger*>(node.getValue()) != nullptr;
    });
}

// What a tree of the page's elements writes and draws on the search tree
// page's image; nothing for other trees.
std::string shown(const TBinTree& tree) {
    if (!drawable(tree)) return {};
    std::string text = memoText([&](TextOutput& out) { tree.write(out); });
    RecordingSurface surface;
    tree.paint(surface, 248, 10, 30, 10, 248, false);
    for (const std::string& line : surface.log) text += "\n" + line;
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzLoad(data, size, [](TReader& reader) {
        TBinTree tree;
        try {
            tree.load(reader);
        } catch (const FileError&) {
            require(tree.empty());  // a refused file leaves nothing behind
            throw;
        }
        require(tree.verify());
        (void)tree.depth();
        (void)tree.count();
        (void)tree.balanced();
        const std::string saved = image(tree);
        const std::string text = shown(tree);
        std::unique_ptr<TBase> copy = tree.copy();
        // Display strings copy as plain texts, which save another class name.
        if (walkPreorder(tree.root.get(), [](const TBinTreeNode& node, std::size_t) {
                return copyKeepsClass(*node.getValue());
            }))
            require(image(static_cast<TBinTree&>(*copy)) == saved);
        if (drawable(tree)) require(tree.compare(*copy) == kEqual);
        tree.swap();
        tree.swap();
        require(image(tree) == saved);
        TBinTree again;
        loadSaved(saved, [&](TReader& r) { again.load(r); });
        require(again.verify());
        require(image(again) == saved);
        require(shown(again) == text);
    });
    return 0;
}
