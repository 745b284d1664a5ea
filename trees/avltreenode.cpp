#include "trees/avltreenode.h"

const ClassInfo TAvlTreeNode::info{"TAvlTreeNode", &TBinTreeNode::info, nullptr};

std::unique_ptr<TBinTreeNode> TAvlTreeNode::cloneSingle() const {
    return std::make_unique<TAvlTreeNode>(nullptr, getValue() ? getValue()->copy() : nullptr,
                                          balanceFactor_, nullptr);
}
