#include "trees/avltree.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/writer.h"

const ClassInfo TAvlTree::info{"TAvlTree", &TSearchTree::info, nullptr};

namespace {

using Link = std::unique_ptr<TBinTreeNode>;

// Every node of an AVL tree is a TAvlTreeNode; anything else is a programming
// error (a foreign node put into the public root).
TAvlTreeNode& avl(TBinTreeNode* node) {
    auto* result = dynamic_cast<TAvlTreeNode*>(node);
    if (result == nullptr) {
        fatalStop("Der AVL-Baum enthält einen Knoten ohne Balancefaktor");
    }
    return *result;
}

void showPhase(TreeObserver* observer, Rotation kind, int phase, const TreePath& path,
               const TBinTreeNode* a, const TBinTreeNode* b, const TBinTreeNode* c) {
    if (observer != nullptr) {
        observer->rotationPhase(kind, phase, path, RotationNodes{a, b, c});
    }
}

// Depth-first walk without recursion: inOrder(node) between the node's left
// and right subtree, visit(node, heightLeft, heightRight) after both, so
// children before parents; either returns false to stop.
template <typename Node, typename InOrder, typename Visit>
void withHeights(Node* root, InOrder inOrder, Visit visit) {
    struct Frame {
        Node* node;
        int stage;  // 0: left subtree next, 1: right subtree next, 2: done
    };
    std::vector<Frame> stack;
    std::vector<int> heights;
    if (root != nullptr) {
        stack.push_back({root, 0});
    }
    while (!stack.empty()) {
        Frame& top = stack.back();
        Node* node = top.node;
        if (top.stage == 0) {
            top.stage = 1;
            prefetchForWalk(node->getValue());
            prefetchForWalk(node->getRight());
            prefetchForWalk(node->getLeft());
            if (node->getLeft() != nullptr) {
                stack.push_back({node->getLeft(), 0});
            }
            continue;
        }
        if (top.stage == 1) {
            top.stage = 2;
            if (!inOrder(*node)) {
                return;
            }
            if (node->getRight() != nullptr) {
                stack.push_back({node->getRight(), 0});
            }
            continue;
        }
        stack.pop_back();
        // The left subtree was finished first, so the right height is on top.
        int right = 0;
        int left = 0;
        if (node->getRight() != nullptr) {
            right = heights.back();
            heights.pop_back();
        }
        if (node->getLeft() != nullptr) {
            left = heights.back();
            heights.pop_back();
        }
        if (!visit(*node, left, right)) {
            return;
        }
        heights.push_back(1 + std::max(left, right));
    }
}

template <typename Node, typename Visit>
void withHeights(Node* root, Visit visit) {
    withHeights(
        root, [](Node&) { return true; }, visit);
}

// The refusal text of the first node whose factor is wrong, if any.
std::optional<std::string> factorProblem(const TBinTreeNode& node, int left, int right) {
    const auto* a = dynamic_cast<const TAvlTreeNode*>(&node);
    if (a != nullptr && std::abs(right - left) <= 1 && a->balanceFactor() == right - left) {
        return std::nullopt;
    }
    return a != nullptr && (a->balanceFactor() < -1 || a->balanceFactor() > 1)
               ? kFactorOutOfRangeFile
               : kFactorMismatchFile;
}

}  // namespace

std::unique_ptr<TBase> TAvlTree::copy() const {
    auto tree = std::make_unique<TAvlTree>();
    if (root) {
        tree->root = root->copySubtree();
    }
    return tree;
}

std::unique_ptr<TBinTreeNode> TAvlTree::newNode(std::unique_ptr<TBase> value) const {
    return std::make_unique<TAvlTreeNode>(nullptr, std::move(value), 0, nullptr);
}

void TAvlTree::rebuilt() {
    withHeights(root.get(), [](TBinTreeNode& node, int left, int right) {
        avl(&node).setBalanceFactor(static_cast<std::int8_t>(right - left));
        return true;
    });
}

// --- Rotations ---------------------------------------------------------------

void TAvlTree::rotateLL(Link& link, TreeObserver* observer, const TreePath& path) {
    TAvlTreeNode& a = avl(link.get());
    TAvlTreeNode& b = avl(a.getLeft());
    showPhase(observer, Rotation::LL, 0, path, &a, &b, nullptr);
    Link held = std::move(a.leftLink());
    a.leftLink() = std::move(held->rightLink());
    showPhase(observer, Rotation::LL, 1, path, &a, &b, nullptr);
    held->rightLink() = std::move(link);
    link = std::move(held);
    a.setBalanceFactor(0);
    showPhase(observer, Rotation::LL, 2, path, &a, &b, nullptr);
    b.setBalanceFactor(0);
}

void TAvlTree::rotateRR(Link& link, TreeObserver* observer, const TreePath& path) {
    TAvlTreeNode& a = avl(link.get());
    TAvlTreeNode& b = avl(a.getRight());
    showPhase(observer, Rotation::RR, 0, path, &a, &b, nullptr);
    Link held = std::move(a.rightLink());
    a.rightLink() = std::move(held->leftLink());
    showPhase(observer, Rotation::RR, 1, path, &a, &b, nullptr);
    held->leftLink() = std::move(link);
    link = std::move(held);
    a.setBalanceFactor(0);
    showPhase(observer, Rotation::RR, 2, path, &a, &b, nullptr);
    b.setBalanceFactor(0);
}

void TAvlTree::rotateLR(Link& link, TreeObserver* observer, const TreePath& path) {
    TAvlTreeNode& a = avl(link.get());
    TAvlTreeNode& b = avl(a.getLeft());
    TAvlTreeNode& c = avl(b.getRight());
    showPhase(observer, Rotation::LR, 0, path, &a, &b, &c);
    Link held = std::move(b.rightLink());
    b.rightLink() = std::move(held->leftLink());
    showPhase(observer, Rotation::LR, 1, path, &a, &b, &c);
    held->leftLink() = std::move(a.leftLink());
    showPhase(observer, Rotation::LR, 2, path, &a, &b, &c);
    a.leftLink() = std::move(held->rightLink());
    showPhase(observer, Rotation::LR, 3, path, &a, &b, &c);
    const std::int8_t cFactor = c.balanceFactor();
    a.setBalanceFactor(cFactor == -1 ? 1 : 0);
    b.setBalanceFactor(cFactor == 1 ? -1 : 0);
    held->rightLink() = std::move(link);
    link = std::move(held);
    showPhase(observer, Rotation::LR, 4, path, &a, &b, &c);
    c.setBalanceFactor(0);
}

void TAvlTree::rotateRL(Link& link, TreeObserver* observer, const TreePath& path) {
    TAvlTreeNode& a = avl(link.get());
    TAvlTreeNode& b = avl(a.getRight());
    TAvlTreeNode& c = avl(b.getLeft());
    showPhase(observer, Rotation::RL, 0, path, &a, &b, &c);
    Link held = std::move(b.leftLink());
    b.leftLink() = std::move(held->rightLink());
    showPhase(observer, Rotation::RL, 1, path, &a, &b, &c);
    held->rightLink() = std::move(a.rightLink());
    showPhase(observer, Rotation::RL, 2, path, &a, &b, &c);
    a.rightLink() = std::move(held->leftLink());
    showPhase(observer, Rotation::RL, 3, path, &a, &b, &c);
    const std::int8_t cFactor = c.balanceFactor();
    a.setBalanceFactor(cFactor == 1 ? -1 : 0);
    b.setBalanceFactor(cFactor == -1 ? 1 : 0);
    held->leftLink() = std::move(link);
    link = std::move(held);
    showPhase(observer, Rotation::RL, 4, path, &a, &b, &c);
    c.setBalanceFactor(0);
}

// --- Insertion -----------------------------------------------------------------

void TAvlTree::insertObserved(std::unique_ptr<TBase> element, TreeObserver* observer) {
    // links[i] is the link to the i-th node of the search path (links[0] the
    // root); path[i] the side taken below it.
    std::vector<Link*> links;
    TreePath path;
    Link* link = &root;
    while (*link) {
        const std::int32_t c = order(*element, *(*link)->getValue());
        if (c == kEqual) {
            return;  // already present: the new element is destroyed here
        }
        links.push_back(link);
        path.push_back(c == kLess ? Side::left : Side::right);
        link = c == kLess ? &(*link)->leftLink() : &(*link)->rightLink();
    }
    *link = newNode(std::move(element));
    if (observer != nullptr) {
        observer->inserted(path, **link);
    }
    // Back up the path while the subtree below grew by one level.
    for (std::size_t i = links.size(); i-- > 0;) {
        const Side side = path[i];
        path.resize(i);
        Link& at = *links[i];
        TAvlTreeNode& p = avl(at.get());
        const std::int8_t grown = side == Side::left ? -1 : 1;
        if (p.balanceFactor() == -grown) {
            p.setBalanceFactor(0);
            return;
        }
        if (p.balanceFactor() == 0) {
            p.setBalanceFactor(grown);
            continue;
        }
        if (side == Side::left) {
            if (avl(p.getLeft()).balanceFactor() == 1) {
                rotateLR(at, observer, path);
            } else {
                rotateLL(at, observer, path);
            }
        } else {
            if (avl(p.getRight()).balanceFactor() == -1) {
                rotateRL(at, observer, path);
            } else {
                rotateRR(at, observer, path);
            }
        }
        return;
    }
}

// --- Deletion ------------------------------------------------------------------

bool TAvlTree::leftLower(Link& link, const TreePath& path, TreeObserver& observer, bool redraw) {
    TAvlTreeNode& p = avl(link.get());
    if (p.balanceFactor() == -1) {
        p.setBalanceFactor(0);
        return true;
    }
    if (p.balanceFactor() == 0) {
        p.setBalanceFactor(1);
        return false;
    }
    if (redraw) {
        observer.redrawBeforeRotation();
    }
    const std::int8_t bFactor = avl(p.getRight()).balanceFactor();
    if (bFactor == -1) {
        rotateRL(link, &observer, path);
        return true;
    }
    rotateRR(link, &observer, path);
    if (bFactor == 1) {
        return true;
    }
    // B was balanced: the height stays and the two keep a slant.
    avl(link.get()).setBalanceFactor(-1);
    avl(link->getLeft()).setBalanceFactor(1);
    return false;
}

bool TAvlTree::rightLower(Link& link, const TreePath& path, TreeObserver& observer, bool redraw) {
    TAvlTreeNode& p = avl(link.get());
    if (p.balanceFactor() == 1) {
        p.setBalanceFactor(0);
        return true;
    }
    if (p.balanceFactor() == 0) {
        p.setBalanceFactor(-1);
        return false;
    }
    if (redraw) {
        observer.redrawBeforeRotation();
    }
    const std::int8_t bFactor = avl(p.getLeft()).balanceFactor();
    if (bFactor == 1) {
        rotateLR(link, &observer, path);
        return true;
    }
    rotateLL(link, &observer, path);
    if (bFactor == -1) {
        return true;
    }
    avl(link.get()).setBalanceFactor(1);
    avl(link->getRight()).setBalanceFactor(-1);
    return false;
}

void TAvlTree::removeObserved(std::unique_ptr<TBase> key, TreeObserver* observer) {
    TreeObserver quiet;
    TreeObserver& show = observer != nullptr ? *observer : quiet;

    std::vector<Link*> links;
    TreePath path;
    Link* link = &root;
    while (*link) {
        const std::int32_t c = order(*key, *(*link)->getValue());
        if (c == kEqual) {
            break;
        }
        links.push_back(link);
        path.push_back(c == kLess ? Side::left : Side::right);
        link = c == kLess ? &(*link)->leftLink() : &(*link)->rightLink();
    }
    if (!*link) {
        return;  // not present
    }
    TBinTreeNode& found = **link;
    show.found(path, found);

    bool heightChanged = true;
    if (found.getRight() == nullptr || found.getLeft() == nullptr) {
        Link taken = std::move(*link);
        *link = std::move(taken->getRight() == nullptr ? taken->leftLink() : taken->rightLink());
        show.bypassed(path, link->get());
        show.releasing(*taken);
        TBinTreeNode::destroySingle(std::move(taken));
    } else {
        // spine[j]: the links along the right spine of the left subtree, down
        // to (not including) the predecessor's own link.
        std::vector<Link*> spine;
        TreePath predecessorPath = path;
        predecessorPath.push_back(Side::left);
        Link* predecessorLink = &found.leftLink();
        while ((*predecessorLink)->getRight() != nullptr) {
            spine.push_back(predecessorLink);
            predecessorLink = &(*predecessorLink)->rightLink();
            predecessorPath.push_back(Side::right);
        }
        show.predecessorFound(predecessorPath, **predecessorLink);
        found.setValue((*predecessorLink)->getValue()->copy());
        show.valueReplaced(path, found);
        Link taken = std::move(*predecessorLink);
        *predecessorLink = std::move(taken->leftLink());
        show.predecessorUnlinked(predecessorPath, *taken, predecessorLink->get());
        for (std::size_t j = spine.size(); j-- > 0 && heightChanged;) {
            const TreePath at(predecessorPath.begin(),
                              predecessorPath.begin() + static_cast<long>(path.size() + 1 + j));
            heightChanged = rightLower(*spine[j], at, show, true);
        }
        if (heightChanged) {
            heightChanged = leftLower(*link, path, show, false);
        }
        show.releasing(*taken);
        TBinTreeNode::destroySingle(std::move(taken));
    }
    for (std::size_t i = links.size(); i-- > 0 && heightChanged;) {
        const Side side = path[i];
        path.resize(i);
        heightChanged = side == Side::left ? leftLower(*links[i], path, show, true)
                                           : rightLower(*links[i], path, show, true);
    }
}

// --- Files and checks ---------------------------------------------------------

void TAvlTree::save(TWriter& writer) const {
    writeTree(writer, root.get(), [](TWriter& w, const TBinTreeNode& node) {
        w.writeInteger(static_cast<const TAvlTreeNode&>(node).balanceFactor());
    });
}

void TAvlTree::load(TReader& reader) {
    root.reset();
    root = readTree(reader, [](TReader& r, std::unique_ptr<TBase> value) {
        const std::int32_t factor = r.readInteger();
        if (factor < -1 || factor > 1) {
            throw FileError(kFactorOutOfRangeFile);
        }
        return std::make_unique<TAvlTreeNode>(nullptr, std::move(value),
                                              static_cast<std::int8_t>(factor), nullptr);
    });
    if (std::optional<std::string> problem = fileProblem(root.get())) {
        root.reset();
        throw FileError(*problem);
    }
}

std::optional<std::string> TAvlTree::balanceProblem(const TBinTreeNode* root) {
    std::optional<std::string> problem;
    withHeights(root, [&problem](const TBinTreeNode& node, int left, int right) {
        problem = factorProblem(node, left, right);
        return !problem;
    });
    return problem;
}

std::optional<std::string> TAvlTree::fileProblem(const TBinTreeNode* root) {
    // An order problem anywhere comes first; the first wrong factor only
    // counts when the walk finds none.
    OrderCheck order;
    const char* unordered = nullptr;
    std::optional<std::string> wrongFactor;
    withHeights(
        root,
        [&](const TBinTreeNode& node) {
            unordered = order.next(node.getValue());
            return unordered == nullptr;
        },
        [&](const TBinTreeNode& node, int left, int right) {
            if (!wrongFactor) wrongFactor = factorProblem(node, left, right);
            return true;
        });
    if (unordered != nullptr) return unordered;
    return wrongFactor;
}

bool TAvlTree::verify() const { return TSearchTree::verify() && !balanceProblem(root.get()); }

void registerAvlTreeClasses() {
    registerBinTreeClasses();
    registry::registerClass(TAvlTree::info);
}
