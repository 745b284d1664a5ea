#include "demo/ntreedemo.h"

#include <utility>
#include <vector>

#include "demo/ntreedisplay.h"
#include "elements/cp1252.h"
#include "elements/platform.h"
#include "linear/liste.h"

const ClassInfo TNtreeDemo::info{"TNtreeDemo", &TNtree::info, nullptr};

std::string TNtreeDemo::nodeText(const TNtreeNode& node) {
    const TString* elem = node.getElem();
    return elem ? cp1252::toUtf8(elem->getValue()) : std::string();
}

void TNtreeDemo::markCurrent() {
    const auto found = items_.find(currentNode);
    if (found != items_.end()) display_.markCurrent(found->second);
}

void TNtreeDemo::showTree() {
    items_.clear();
    if (empty()) return;
    // Each pending node already has its item; its children get theirs in
    // child order. Walking the children from 0 upwards moves each list's
    // cursor forward only; it is put back where it stood afterwards.
    std::vector<std::pair<TNtreeNode*, NtreeDisplay::Item>> pending{
        {root.get(), display_.addTopItem(nodeText(*root))}};
    while (!pending.empty()) {
        auto [node, item] = pending.back();
        pending.pop_back();
        items_.emplace(node, item);
        const std::uint16_t children = node->numberOfChildren();
        const std::uint16_t cursor = node->childList().position();
        for (std::uint16_t i = 0; i < children; ++i) {
            TNtreeNode* child = node->getChildN(i);
            pending.emplace_back(child, display_.addChildItem(item, nodeText(*child)));
        }
        node->getChildN(cursor);
    }
    display_.expandAll();
    markCurrent();
    display_.countField().setText(std::to_string(root->nodeCount()));
    display_.depthField().setText(std::to_string(depth()));
}
