// Arbitrary bytes as a ".ndt" image: the tree loads or is refused with a
// FileError, and a refused tree is empty. A loaded tree passes its own check
// and the full check below, is copied, searched and saved again, and the saved
// image loads back to the same image. The same bytes then go through the
// "NBaum" page's Load: the tree view is filled, the root becomes the current
// node; its saved image loads into a second view that shows the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "elements/errors.h"
#include "elements/reader.h"
#include "fuzz/fuzzsupport.h"
#include "linear/liste.h"
#include "trees/ntree.h"
#include "workbench/ntreedemo.h"

namespace {
// Every invariant, checked apart from the tree's own verify(): each node holds
// a text and a sound children list of nodes only, the count and depth agree
// with a walk of their own, the file's node limit holds, and the root's text
// is the first one a search finds. Returns whether every element copies to its
// own class (display strings copy as plain texts).
bool checkFully(TNtree& tree) {
    require(tree.verify());  // so every child is a node
    std::size_t nodes = 0;
    std::size_t deepest = 0;
    bool copiesKeepClasses = true;
    std::vector<std::pair<TNtreeNode*, std::size_t>> pending;
    if (tree.root) pending.emplace_back(tree.root.get(), 1);
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        ++nodes;
        deepest = std::max(deepest, level);
        require(node->getElem() != nullptr);
        copiesKeepClasses = copiesKeepClasses && copyKeepsClass(*node->getElem());
        const std::uint16_t children = node->numberOfChildren();
        const std::uint16_t cursor = node->childList().position();
        require(node->leaf() == (children == 0));
        for (std::uint16_t i = 0; i < children; ++i) {
            TNtreeNode* child = node->getChildN(i);
            require(child != nullptr);
            pending.emplace_back(child, level + 1);
        }
        require(node->getChildN(children) == nullptr);
        node->getChildN(cursor);
        require(node->childList().position() == cursor);
    }
    require(nodes <= TNtree::kMaxFileNodes);
    require(static_cast<std::size_t>(tree.count()) == nodes);
    require(static_cast<std::size_t>(tree.depth()) == deepest);
    if (tree.root) {
        require(tree.root->nodeCount() == nodes);
        require(tree.lookUp(*tree.root->getElem()) == tree.root->getElem());
    }
    return copiesKeepClasses;
}

// What the page shows after its Load: the view, count and depth, and the
// current node's text and level. (The tree's write is not on the page: a
// text element has no writeValue.)
std::string shown(const TNtreeDemo& tree, const RecordingNtreeDisplay& display) {
    std::string text = display.shown() + "|" + std::to_string(tree.currentLevel);
    if (tree.currentNode) text += "|" + TNtreeDemo::nodeText(*tree.currentNode);
    return text;
}

// The page's Load: the view is cleared and a new tree reads the file; a
// refused file leaves a new empty tree and empty fields. A tree of nodes is
// shown with its root as the current node.
void loadOnPage(std::unique_ptr<TNtreeDemo>& tree, RecordingNtreeDisplay& display,
                TReader& reader) {
    display.clearView();
    tree = std::make_unique<TNtreeDemo>(display);
    try {
        tree->load(reader);
    } catch (...) {
        require(tree->empty());
        display.clearView();
        tree = std::make_unique<TNtreeDemo>(display);
        throw;
    }
    if (tree->empty()) return;
    tree->showTree();
    tree->currentNode = tree->root.get();
    tree->currentLevel = 1;
    tree->markCurrent();
}

void pagePath(const std::uint8_t* data, std::size_t size) {
    RecordingNtreeDisplay display;
    std::unique_ptr<TNtreeDemo> tree;
    if (!fuzzLoad(data, size, [&](TReader& r) { loadOnPage(tree, display, r); })) return;
    checkFully(*tree);
    const std::string text = shown(*tree, display);
    const std::string saved = image(*tree);
    RecordingNtreeDisplay second;
    std::unique_ptr<TNtreeDemo> again;
    loadSaved(saved, [&](TReader& r) { loadOnPage(again, second, r); });
    require(shown(*again, second) == text);
    require(image(*again) == saved);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzLoad(data, size, [](TReader& reader) {
        TNtree tree;
        try {
            tree.load(reader);
        } catch (const FileError&) {
            require(tree.empty());  // a refused file leaves nothing behind
            throw;
        }
        const bool copiesKeepClasses = checkFully(tree);
        (void)tree.lookUp(TString("A"));
        std::unique_ptr<TBase> copy = tree.copy();
        const std::string saved = image(tree);
        if (copiesKeepClasses) require(image(static_cast<TNtree&>(*copy)) == saved);
        TNtree again;
        loadSaved(saved, [&](TReader& r) { again.load(r); });
        require(image(again) == saved);
    });
    pagePath(data, size);
    return 0;
}
