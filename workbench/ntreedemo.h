// TNtreeDemo: the n-ary tree of the "NBaum" page. A TNtree that also keeps
// the page's current node with its level and mirrors itself into the page's
// tree view (showTree).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "trees/ntree.h"

class NtreeDisplay;

class TNtreeDemo : public TNtree {
public:
    static const ClassInfo info;

    // An empty tree at level 1 with no current node. display is lent and must
    // outlive the tree.
    explicit TNtreeDemo(NtreeDisplay& display) : display_(display) {}

    const ClassInfo& classInfo() const override { return info; }

    // The node the page works on: a node of this tree (lent), or null while
    // the tree is empty. Only children of it are ever deleted, so it stays
    // valid until the tree is released.
    TNtreeNode* currentNode = nullptr;
    // The level of currentNode, the root being level 1.
    std::uint16_t currentLevel = 1;

    // Fills the (already cleared) view with one item per node, children in
    // child order, all expanded, marks the current node's item and writes the
    // count and depth into their fields; does nothing at all on an empty
    // tree. Iterative: a chain of nodes as deep as a file allows costs no
    // stack.
    void showTree();
    // Marks the current node's item in the view, when showTree has shown it.
    void markCurrent();
    // TNtreeNode::insertChildN on the current node, then the view, the count
    // and the depth as showTree leaves them; the view changes in place where
    // the display can. Returns what insertChildN returned (nothing changes
    // on false).
    bool insertChild(int n, std::unique_ptr<TNtreeNode> child);
    // TNtreeNode::deleteChildN on the current node (an existing child), then
    // the view, count and depth as insertChild.
    void deleteChild(int n);

    // The text of a node's element as the page shows it (UTF-8).
    static std::string nodeText(const TNtreeNode& node);

private:
    NtreeDisplay& display_;
    using Entry = std::pair<const TNtreeNode*, std::size_t>;
    // The entry of a node in items_, or null.
    const Entry* entryOf(const TNtreeNode* node) const;
    // The view rebuilt from the tree.
    void showAnew();
    // The count and depth fields from items_ and depth_.
    void showCountAndDepth();

    // The item of every node that the view shows, sorted by node: one
    // allocation for the whole tree, looked up with lower_bound.
    std::vector<Entry> items_;
    std::uint16_t depth_ = 0;  // of the tree the view shows
};
