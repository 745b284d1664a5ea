#include "demo/ntreedemo.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "demo/ntreedisplay.h"
#include "elements/cp1252.h"
#include "elements/platform.h"
#include "linear/liste.h"

namespace {
// Orders the item list by node (std::less orders any pointers).
struct ByNode {
    using Entry = std::pair<const TNtreeNode*, std::size_t>;
    bool operator()(const Entry& a, const Entry& b) const {
        return std::less<const TNtreeNode*>()(a.first, b.first);
    }
    bool operator()(const Entry& a, const TNtreeNode* b) const {
        return std::less<const TNtreeNode*>()(a.first, b);
    }
};
constexpr ByNode byNode;
}  // namespace

const ClassInfo TNtreeDemo::info{"TNtreeDemo", &TNtree::info, nullptr};

std::string TNtreeDemo::nodeText(const TNtreeNode& node) {
    const TString* elem = node.getElem();
    return elem ? cp1252::toUtf8(elem->getValue()) : std::string();
}

void TNtreeDemo::markCurrent() {
    const auto found = std::lower_bound(items_.begin(), items_.end(), currentNode, byNode);
    if (found != items_.end() && found->first == currentNode) display_.markCurrent(found->second);
}

void TNtreeDemo::showTree() {
    items_.clear();
    if (empty()) return;
    // Each pending node already has its item; its children get theirs in
    // child order. Walking the children from 0 upwards moves each list's
    // cursor forward only; it is put back where it stood afterwards.
    // The walk counts the nodes and finds the deepest level on the way.
    struct Pending {
        TNtreeNode* node;
        NtreeDisplay::Item item;
        std::size_t level;
    };
    std::vector<Pending> pending{{root.get(), display_.addTopItem(nodeText(*root)), 1}};
    std::size_t deepest = 0;
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        items_.emplace_back(at.node, at.item);
        deepest = std::max(deepest, at.level);
        TNtreeNode* node = at.node;
        const std::uint16_t children = node->numberOfChildren();
        const std::uint16_t cursor = node->childList().position();
        for (std::uint16_t i = 0; i < children; ++i) {
            TNtreeNode* child = node->getChildN(i);
            pending.push_back(
                {child, display_.addChildItem(at.item, nodeText(*child)), at.level + 1});
        }
        node->getChildN(cursor);
    }
    std::sort(items_.begin(), items_.end(), byNode);
    display_.expandAll();
    markCurrent();
    // As TNtreeNode::nodeCount and TNtree::depth give them.
    display_.countField().setText(std::to_string(items_.size()));
    display_.depthField().setText(std::to_string(static_cast<std::uint16_t>(deepest)));
}
