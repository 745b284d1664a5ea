// Helpers of the search and AVL tree tests: AVL nodes by hand, trees read back
// as text, and a literal recursive AVL reference (Wirth's algorithm) for small
// random trees.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "trees/avltree.h"
#include "trees/bintree.h"
#include "trees/treeinteger.h"

namespace searchtest {

inline std::unique_ptr<TBinTreeNode> avlNode(int value, int factor,
                                             std::unique_ptr<TBinTreeNode> left = nullptr,
                                             std::unique_ptr<TBinTreeNode> right = nullptr) {
    return std::make_unique<TAvlTreeNode>(std::move(left), std::make_unique<TTreeInteger>(value),
                                          static_cast<std::int8_t>(factor), std::move(right));
}

inline int valueOf(const TBinTreeNode* node) {
    return static_cast<const TInteger*>(node->getValue())->getValue();
}

// The tree as text: "50(30(20,40),70)", "-" for an empty subtree, leaves bare;
// AVL nodes add their factor: "2[0](1[0],3[0])". Small trees only (recursive).
inline std::string shape(const TBinTreeNode* node) {
    if (node == nullptr) return "-";
    std::string text = std::to_string(valueOf(node));
    if (auto* a = dynamic_cast<const TAvlTreeNode*>(node)) {
        text += "[" + std::to_string(a->balanceFactor()) + "]";
    }
    if (node->getLeft() == nullptr && node->getRight() == nullptr) return text;
    return text + "(" + shape(node->getLeft()) + "," + shape(node->getRight()) + ")";
}

inline std::vector<int> inOrderValues(const TBinTreeNode* node) {
    std::vector<int> values;
    std::vector<const TBinTreeNode*> stack;
    while (node != nullptr || !stack.empty()) {
        while (node != nullptr) {
            stack.push_back(node);
            node = node->getLeft();
        }
        node = stack.back();
        stack.pop_back();
        values.push_back(valueOf(node));
        node = node->getRight();
    }
    return values;
}

// Wirth's recursive AVL insertion and deletion on plain structs: the literal
// reference that TAvlTree's iterative form must match shape for shape.
struct RefNode {
    int key;
    int bal = 0;
    std::unique_ptr<RefNode> left, right;
};
using RefLink = std::unique_ptr<RefNode>;

inline void refRotateLL(RefLink& p) {
    RefLink b = std::move(p->left);
    p->left = std::move(b->right);
    p->bal = 0;
    b->right = std::move(p);
    b->bal = 0;
    p = std::move(b);
}
inline void refRotateRR(RefLink& p) {
    RefLink b = std::move(p->right);
    p->right = std::move(b->left);
    p->bal = 0;
    b->left = std::move(p);
    b->bal = 0;
    p = std::move(b);
}
inline void refRotateLR(RefLink& p) {
    RefLink b = std::move(p->left);
    RefLink c = std::move(b->right);
    b->right = std::move(c->left);
    p->left = std::move(c->right);
    p->bal = c->bal == -1 ? 1 : 0;
    b->bal = c->bal == 1 ? -1 : 0;
    c->left = std::move(b);
    c->right = std::move(p);
    c->bal = 0;
    p = std::move(c);
}
inline void refRotateRL(RefLink& p) {
    RefLink b = std::move(p->right);
    RefLink c = std::move(b->left);
    b->left = std::move(c->right);
    p->right = std::move(c->left);
    p->bal = c->bal == 1 ? -1 : 0;
    b->bal = c->bal == -1 ? 1 : 0;
    c->right = std::move(b);
    c->left = std::move(p);
    c->bal = 0;
    p = std::move(c);
}

inline void refInsert(RefLink& p, int key, bool& h) {
    if (!p) {
        p = std::make_unique<RefNode>();
        p->key = key;
        h = true;
    } else if (key < p->key) {
        refInsert(p->left, key, h);
        if (h) {
            if (p->bal == 1) {
                p->bal = 0;
                h = false;
            } else if (p->bal == 0) {
                p->bal = -1;
            } else {
                if (p->left->bal == 1)
                    refRotateLR(p);
                else
                    refRotateLL(p);
                h = false;
            }
        }
    } else if (key > p->key) {
        refInsert(p->right, key, h);
        if (h) {
            if (p->bal == -1) {
                p->bal = 0;
                h = false;
            } else if (p->bal == 0) {
                p->bal = 1;
            } else {
                if (p->right->bal == -1)
                    refRotateRL(p);
                else
                    refRotateRR(p);
                h = false;
            }
        }
    } else {
        h = false;
    }
}

inline void refLeftLower(RefLink& p, bool& h) {
    if (p->bal == -1) {
        p->bal = 0;
    } else if (p->bal == 0) {
        p->bal = 1;
        h = false;
    } else {
        int b = p->right->bal;
        if (b == 1)
            refRotateRR(p);
        else if (b == -1)
            refRotateRL(p);
        else {
            refRotateRR(p);
            p->bal = -1;
            p->left->bal = 1;
            h = false;
        }
    }
}
inline void refRightLower(RefLink& p, bool& h) {
    if (p->bal == 1) {
        p->bal = 0;
    } else if (p->bal == 0) {
        p->bal = -1;
        h = false;
    } else {
        int b = p->left->bal;
        if (b == -1)
            refRotateLL(p);
        else if (b == 1)
            refRotateLR(p);
        else {
            refRotateLL(p);
            p->bal = 1;
            p->right->bal = -1;
            h = false;
        }
    }
}
inline void refDel(RefLink& r, RefNode& q, bool& h) {
    if (r->right) {
        refDel(r->right, q, h);
        if (h) refRightLower(r, h);
    } else {
        q.key = r->key;
        r = std::move(r->left);
        h = true;
    }
}
inline void refDelete(RefLink& p, int key, bool& h) {
    if (!p) {
        h = false;
        return;
    }
    if (key < p->key) {
        refDelete(p->left, key, h);
        if (h) refLeftLower(p, h);
    } else if (key > p->key) {
        refDelete(p->right, key, h);
        if (h) refRightLower(p, h);
    } else if (!p->right) {
        p = std::move(p->left);
        h = true;
    } else if (!p->left) {
        p = std::move(p->right);
        h = true;
    } else {
        refDel(p->left, *p, h);
        if (h) refLeftLower(p, h);
    }
}

inline std::string refShape(const RefNode* node) {
    if (node == nullptr) return "-";
    std::string text = std::to_string(node->key) + "[" + std::to_string(node->bal) + "]";
    if (!node->left && !node->right) return text;
    return text + "(" + refShape(node->left.get()) + "," + refShape(node->right.get()) + ")";
}

}  // namespace searchtest
