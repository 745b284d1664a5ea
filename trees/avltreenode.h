// TAvlTreeNode: the node of an AVL tree, a binary tree node with its balance
// factor, height(right subtree) - height(left subtree).
#pragma once

#include <cstdint>
#include <memory>

#include "trees/bintree.h"

class TAvlTreeNode : public TBinTreeNode {
public:
    static const ClassInfo info;

    // Takes ownership of the children and the element.
    TAvlTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBase> value,
                 std::int8_t balanceFactor, std::unique_ptr<TBinTreeNode> right)
        : TBinTreeNode(std::move(left), std::move(value), std::move(right)),
          balanceFactor_(balanceFactor) {}

    const ClassInfo& classInfo() const override { return info; }

    // -1: left subtree one level higher, 0: equal, +1: right one higher.
    std::int8_t balanceFactor() const { return balanceFactor_; }
    void setBalanceFactor(std::int8_t factor) { balanceFactor_ = factor; }

    // A TAvlTreeNode with a copy of the element and the same balance factor.
    std::unique_ptr<TBinTreeNode> cloneSingle() const override;

private:
    std::int8_t balanceFactor_ = 0;
};
