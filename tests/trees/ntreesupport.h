// Helpers shared by the n-ary tree tests: nodes by hand and a tree as text.
#pragma once

#include <memory>
#include <string>

#include "linear/liste.h"
#include "trees/ntree.h"

namespace ntreetest {

inline std::unique_ptr<TNtreeNode> leaf(const std::string& text) {
    return std::make_unique<TNtreeNode>(std::make_unique<TString>(text),
                                        std::make_unique<TListe>());
}

// "A(B,C(D))"; with positions, every list's cursor follows as "A@1(...)".
// Reads children with getChildN and puts each cursor back. For small trees.
inline std::string shape(TNtreeNode* node, bool positions = false) {
    std::string out = node->getElem()->getValue();
    const int position = node->childList().position();
    if (positions) out += "@" + std::to_string(position);
    if (!node->leaf()) {
        out += "(";
        for (int i = 0; i < node->numberOfChildren(); ++i) {
            if (i) out += ",";
            out += shape(node->getChildN(i), positions);
        }
        out += ")";
    }
    node->getChildN(position);
    return out;
}

inline std::string shape(const TNtree& tree, bool positions = false) {
    return tree.root ? shape(tree.root.get(), positions) : "";
}

// The tree A(B, C) of the file example.
inline void exampleTree(TNtree& tree) {
    tree.createRoot(std::make_unique<TString>("A"), std::make_unique<TListe>());
    tree.root->insertChildN(0, leaf("B"));
    tree.root->insertChildN(1, leaf("C"));
}

// A chain of `length` nodes "0", "1", ... built bottom up.
inline std::unique_ptr<TNtreeNode> chain(int length) {
    std::unique_ptr<TNtreeNode> below;
    for (int i = length - 1; i >= 0; --i) {
        auto node = leaf(std::to_string(i));
        if (below) node->insertChild(std::move(below));
        below = std::move(node);
    }
    return below;
}

}  // namespace ntreetest
