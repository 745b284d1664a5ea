#include "workbench/ntreeoutline.h"

#include "linear/liste.h"
#include "workbench/ntreedemo.h"

std::vector<structurepicture::OutlineNode> ntreeOutline(TNtree& tree) {
    std::vector<structurepicture::OutlineNode> nodes;
    if (tree.empty()) return nodes;
    struct Pending {
        TNtreeNode* node;
        int level;
    };
    std::vector<Pending> pending{{tree.root.get(), 1}};
    std::vector<TNtreeNode*> children;
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        nodes.push_back({at.level, TNtreeDemo::nodeText(*at.node)});
        const std::uint16_t count = at.node->numberOfChildren();
        const std::uint16_t cursor = at.node->childList().position();
        children.clear();
        for (std::uint16_t i = 0; i < count; ++i) children.push_back(at.node->getChildN(i));
        at.node->getChildN(cursor);
        // The first child is taken next.
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            pending.push_back({*child, at.level + 1});
        }
    }
    return nodes;
}
