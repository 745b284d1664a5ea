// TBayerTreeNode: one page of the B-tree of order 2. A page holds up to four
// keys in ascending order and, unless it is a leaf, one child page more than
// it has keys.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "elements/base.h"

class TBayerTreeNode;

// One slot of a page: a key and the child page that holds the keys between
// this key and the next one (greater than the key for the last slot in use).
struct BayerItem {
    std::unique_ptr<TBase> key;
    std::unique_ptr<TBayerTreeNode> child;
};

// A page. Invariants kept by TBayerTree once an operation has finished:
// keys 1..count() ascend strictly; the page is a leaf (no child at all) or has
// exactly count() + 1 children; slots above count() are empty (no key, no
// child). The page owns its keys and its child pages.
class TBayerTreeNode : public TBase {
public:
    static constexpr int kMaxKeys = 4;
    static const ClassInfo info;

    using Items = std::array<BayerItem, kMaxKeys>;

    // Takes over the leftmost child and all four items; count is 0..4.
    TBayerTreeNode(int count, std::unique_ptr<TBayerTreeNode> leftmost, Items items);
    // Frees the subtrees without recursion, so no page depth can exhaust the
    // stack.
    ~TBayerTreeNode() override;
    TBayerTreeNode(const TBayerTreeNode&) = delete;
    TBayerTreeNode& operator=(const TBayerTreeNode&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // Number of keys in use, 0..4.
    int count() const { return count_; }
    // Key i, 1 <= i <= count(); lent.
    const TBase& key(int i) const { return *items_[i - 1].key; }
    // Child i, 0 <= i <= count(): 0 is the leftmost child, i >= 1 the child of
    // item i. Null for a leaf; lent.
    const TBayerTreeNode* child(int i) const { return childSlot(i).get(); }
    // True when the page has no child page at all.
    bool isLeaf() const;

    // A deep copy (each key by its own copy, each child page in turn), built
    // without recursion; the caller owns it.
    std::unique_ptr<TBase> copy() const override;
    std::unique_ptr<TBayerTreeNode> copyPage() const;

private:
    friend class TBayerTree;

    BayerItem& item(int i) { return items_[i - 1]; }
    std::unique_ptr<TBayerTreeNode>& childSlot(int i) {
        return i == 0 ? leftmost_ : items_[i - 1].child;
    }
    const std::unique_ptr<TBayerTreeNode>& childSlot(int i) const {
        return i == 0 ? leftmost_ : items_[i - 1].child;
    }
    // Moves every child page of this page to the end of pending.
    void detachChildren(std::vector<std::unique_ptr<TBayerTreeNode>>& pending);

    std::unique_ptr<TBayerTreeNode> leftmost_;
    std::uint8_t count_;
    Items items_;
};
