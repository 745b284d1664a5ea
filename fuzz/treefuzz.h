// The Load of the search tree and AVL pages, Qt-free: a new page tree takes
// the old one's place and reads the bytes; a refused file leaves a new empty
// tree, which the page draws. A loaded tree holds only the page's whole
// numbers, keeps its invariants and is drawn (image, depth, count and, on the
// search tree page, "JA" / "Nein"); its texts are written. Its saved image
// loads into a second page whose drawing and texts are the same and which
// saves the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "elements/reader.h"
#include "fuzz/fuzzsupport.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

// Tree: TSearchTreeDemo or TAvlTreeDemo. texts(tree): what the page writes
// into its memos.
template <typename Tree, typename Texts>
void fuzzTreePage(const std::uint8_t* data, std::size_t size, int width, bool withBalanced,
                  Texts&& texts) {
    RecordingTreePage page(width, withBalanced);
    auto tree = std::make_unique<Tree>(page);
    const bool loaded = fuzzLoad(data, size, [&](TReader& reader) {
        try {
            tree->load(reader);
        } catch (...) {
            require(tree->empty());  // nothing of a refused file is left
            tree = std::make_unique<Tree>(page);
            tree->zeichne();
            throw;
        }
    });
    if (!loaded) return;
    tree->zeichne();
    require(tree->verify());
    require(walkPreorder(tree->root.get(), [](const TBinTreeNode& node, std::size_t) {
        return node.getValue()->sameClass(TTreeInteger());
    }));
    const std::string written = texts(*tree);
    const std::string saved = image(*tree);

    RecordingTreePage second(width, withBalanced);
    Tree again(second);
    loadSaved(saved, [&](TReader& reader) { again.load(reader); });
    again.zeichne();
    require(second.shown() == page.shown());
    require(texts(again) == written);
    require(image(again) == saved);
}
