#include "trees/bayertreenode.h"

#include <utility>

// A page is never a file element of its own: no default instance.
const ClassInfo TBayerTreeNode::info{"TBayerTreeNode", &TBase::info, nullptr};

TBayerTreeNode::TBayerTreeNode(int count, std::unique_ptr<TBayerTreeNode> leftmost, Items items)
    : leftmost_(std::move(leftmost)),
      count_(static_cast<std::uint8_t>(count)),
      items_(std::move(items)) {}

TBayerTreeNode::~TBayerTreeNode() {
    // Each page taken from `pending` loses its children to `pending` before it
    // is destroyed, so no destructor ever meets a child page.
    std::vector<std::unique_ptr<TBayerTreeNode>> pending;
    detachChildren(pending);
    while (!pending.empty()) {
        std::unique_ptr<TBayerTreeNode> page = std::move(pending.back());
        pending.pop_back();
        page->detachChildren(pending);
    }
}

void TBayerTreeNode::detachChildren(std::vector<std::unique_ptr<TBayerTreeNode>>& pending) {
    if (leftmost_) pending.push_back(std::move(leftmost_));
    for (BayerItem& slot : items_) {
        if (slot.child) pending.push_back(std::move(slot.child));
    }
}

bool TBayerTreeNode::isLeaf() const {
    for (int i = 0; i <= count_; ++i) {
        if (child(i)) return false;
    }
    return true;
}

std::unique_ptr<TBase> TBayerTreeNode::copy() const { return copyPage(); }

namespace {
// A copy of the page's count and keys, without children.
std::unique_ptr<TBayerTreeNode> copyKeys(const TBayerTreeNode& page) {
    TBayerTreeNode::Items items;
    for (int i = 1; i <= page.count(); ++i) items[i - 1].key = page.key(i).copy();
    return std::make_unique<TBayerTreeNode>(page.count(), nullptr, std::move(items));
}
}  // namespace

std::unique_ptr<TBayerTreeNode> TBayerTreeNode::copyPage() const {
    std::unique_ptr<TBayerTreeNode> top = copyKeys(*this);
    // Pairs (original, copy) whose children still have to be copied.
    std::vector<std::pair<const TBayerTreeNode*, TBayerTreeNode*>> work{{this, top.get()}};
    while (!work.empty()) {
        auto [from, to] = work.back();
        work.pop_back();
        for (int i = 0; i <= from->count_; ++i) {
            if (const TBayerTreeNode* child = from->child(i)) {
                to->childSlot(i) = copyKeys(*child);
                work.emplace_back(child, to->childSlot(i).get());
            }
        }
    }
    return top;
}
