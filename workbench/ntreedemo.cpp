#include "workbench/ntreedemo.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "elements/cp1252.h"
#include "elements/platform.h"
#include "linear/liste.h"
#include "workbench/ntreedisplay.h"

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

const TNtreeDemo::Entry* TNtreeDemo::entryOf(const TNtreeNode* node) const {
    const auto found = std::lower_bound(items_.begin(), items_.end(), node, byNode);
    return found != items_.end() && found->first == node ? &*found : nullptr;
}

void TNtreeDemo::markCurrent() {
    if (const Entry* entry = entryOf(currentNode)) display_.markCurrent(entry->second);
}

void TNtreeDemo::showAnew() {
    display_.clearView();
    showTree();
}

void TNtreeDemo::showCountAndDepth() {
    // As TNtreeNode::nodeCount and TNtree::depth give them.
    display_.countField().setText(std::to_string(items_.size()));
    display_.depthField().setText(std::to_string(depth_));
}

bool TNtreeDemo::insertChild(int n, std::unique_ptr<TNtreeNode> child) {
    const TNtreeNode* added = child.get();
    if (!currentNode->insertChildN(n, std::move(child))) return false;
    const Entry* parent = entryOf(currentNode);
    NtreeDisplay::Item item = 0;
    if (!parent || !display_.insertChildItem(parent->second, static_cast<std::size_t>(n),
                                             nodeText(*added), item)) {
        showAnew();
        return true;
    }
    items_.insert(std::lower_bound(items_.begin(), items_.end(), added, byNode), {added, item});
    depth_ = std::max<std::uint16_t>(depth_, static_cast<std::uint16_t>(currentLevel + 1));
    markCurrent();
    showCountAndDepth();
    return true;
}

void TNtreeDemo::deleteChild(int n) {
    const Entry* parent = entryOf(currentNode);
    // The nodes that go with the child, found before they go; walking puts
    // every cursor back where it stood.
    std::vector<const TNtreeNode*> gone;
    if (TNtreeNode* child = currentNode->getChildN(n)) {
        std::vector<TNtreeNode*> pending{child};
        while (!pending.empty()) {
            TNtreeNode* node = pending.back();
            pending.pop_back();
            gone.push_back(node);
            const std::uint16_t children = node->numberOfChildren();
            const std::uint16_t cursor = node->childList().position();
            for (std::uint16_t i = 0; i < children; ++i) pending.push_back(node->getChildN(i));
            node->getChildN(cursor);
        }
    }
    currentNode->deleteChildN(n);
    if (!parent || !display_.removeChildItem(parent->second, static_cast<std::size_t>(n))) {
        showAnew();
        return;
    }
    std::sort(gone.begin(), gone.end(), std::less<const TNtreeNode*>());
    std::erase_if(items_, [&](const Entry& entry) {
        return std::binary_search(gone.begin(), gone.end(), entry.first,
                                  std::less<const TNtreeNode*>());
    });
    depth_ = depth();
    markCurrent();
    showCountAndDepth();
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
    depth_ = static_cast<std::uint16_t>(deepest);
    display_.expandAll();
    markCurrent();
    showCountAndDepth();
}
