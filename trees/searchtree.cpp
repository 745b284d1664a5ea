#include "trees/searchtree.h"

#include <utility>

#include "elements/errors.h"
#include "elements/platform.h"
#include "linear/liste.h"

const ClassInfo TSearchTree::info{"TSearchTree", &TBinTree::info, nullptr};

namespace {

std::unique_ptr<TBinTreeNode> buildRange(
    std::vector<std::unique_ptr<TBase>>& values, std::size_t lo, std::size_t hi,
    const std::function<std::unique_ptr<TBinTreeNode>(std::unique_ptr<TBase>)>& makeNode) {
    const std::size_t mid = lo + (hi - lo) / 2;  // (lo + hi) div 2 without overflow
    auto node = makeNode(std::move(values[mid]));
    if (lo < mid) {
        node->setLeft(buildRange(values, lo, mid - 1, makeNode));
    }
    if (mid < hi) {
        node->setRight(buildRange(values, mid + 1, hi, makeNode));
    }
    return node;
}

}  // namespace

std::unique_ptr<TBase> TSearchTree::copy() const {
    auto tree = std::make_unique<TSearchTree>();
    if (root) {
        tree->root = root->copySubtree();
    }
    return tree;
}

std::int32_t TSearchTree::order(const TBase& x, const TBase& nodeValue) {
    const std::int32_t result = x.compare(nodeValue);
    if (result != kLess && result != kEqual && result != kGreater) {
        fatalStop(kNoOrderRelation);
    }
    return result;
}

std::unique_ptr<TBinTreeNode> TSearchTree::newNode(std::unique_ptr<TBase> value) const {
    return std::make_unique<TBinTreeNode>(nullptr, std::move(value), nullptr);
}

TBase* TSearchTree::lookUp(const TBase& key) const {
    TBinTreeNode* node = root.get();
    while (node != nullptr) {
        const std::int32_t c = order(key, *node->getValue());
        if (c == kEqual) {
            return node->getValue();
        }
        node = c == kLess ? node->getLeft() : node->getRight();
    }
    return nullptr;
}

void TSearchTree::insertObserved(std::unique_ptr<TBase> element, TreeObserver* observer) {
    TreePath path;
    std::unique_ptr<TBinTreeNode>* link = &root;
    while (*link) {
        const std::int32_t c = order(*element, *(*link)->getValue());
        if (c == kEqual) {
            return;  // already present: the new element is destroyed here
        }
        path.push_back(c == kLess ? Side::left : Side::right);
        link = c == kLess ? &(*link)->leftLink() : &(*link)->rightLink();
    }
    *link = newNode(std::move(element));
    if (observer != nullptr) {
        observer->inserted(path, **link);
    }
}

void TSearchTree::removeObserved(std::unique_ptr<TBase> key, TreeObserver* observer) {
    TreeObserver quiet;
    TreeObserver& show = observer != nullptr ? *observer : quiet;

    TreePath path;
    std::unique_ptr<TBinTreeNode>* link = &root;
    while (*link) {
        const std::int32_t c = order(*key, *(*link)->getValue());
        if (c == kEqual) {
            break;
        }
        path.push_back(c == kLess ? Side::left : Side::right);
        link = c == kLess ? &(*link)->leftLink() : &(*link)->rightLink();
    }
    if (!*link) {
        return;  // not present
    }
    TBinTreeNode& found = **link;
    show.found(path, found);

    std::unique_ptr<TBinTreeNode> taken;
    if (found.getRight() == nullptr || found.getLeft() == nullptr) {
        taken = std::move(*link);
        *link = std::move(taken->getRight() == nullptr ? taken->leftLink() : taken->rightLink());
        show.bypassed(path, link->get());
    } else {
        // The in-order predecessor: the rightmost node of the left subtree.
        TreePath predecessorPath = path;
        predecessorPath.push_back(Side::left);
        std::unique_ptr<TBinTreeNode>* predecessorLink = &found.leftLink();
        while ((*predecessorLink)->getRight() != nullptr) {
            predecessorLink = &(*predecessorLink)->rightLink();
            predecessorPath.push_back(Side::right);
        }
        show.predecessorFound(predecessorPath, **predecessorLink);
        found.setValue((*predecessorLink)->getValue()->copy());
        show.valueReplaced(path, found);
        taken = std::move(*predecessorLink);
        *predecessorLink = std::move(taken->leftLink());
        show.predecessorUnlinked(predecessorPath, *taken, predecessorLink->get());
    }
    show.releasing(*taken);
    TBinTreeNode::destroySingle(std::move(taken));
}

std::unique_ptr<TListe> TSearchTree::treeToListe() const {
    auto list = std::make_unique<TListe>();
    walkInorder(root.get(), [&list](const TBinTreeNode& node) {
        list->append(node.getValue()->copy());
        return true;
    });
    return list;
}

void TSearchTree::balance() {
    if (!root) {
        return;
    }
    // The elements themselves move into the new shape; the old nodes are
    // freed empty. The result equals a rebuild from copies.
    std::vector<std::unique_ptr<TBase>> values;
    walkInorder(root.get(), [&values](TBinTreeNode& node) {
        values.push_back(node.releaseValue());
        return true;
    });
    root.reset();
    root = buildBalancedNodes(
        values, [this](std::unique_ptr<TBase> value) { return newNode(std::move(value)); });
    rebuilt();
}

void TSearchTree::load(TReader& reader) {
    TBinTree::load(reader);
    if (auto problem = orderProblem(root.get())) {
        root.reset();
        throw FileError(*problem);
    }
}

std::optional<std::string> TSearchTree::orderProblem(const TBinTreeNode* root) {
    OrderCheck check;
    const char* problem = nullptr;
    walkInorder(root, [&](const TBinTreeNode& node) {
        problem = check.next(node.getValue());
        return problem == nullptr;
    });
    if (problem == nullptr) return std::nullopt;
    return problem;
}

const char* TSearchTree::OrderCheck::next(const TBase* value) {
    if (value == nullptr) return kUnorderedFile;
    if (first_ == nullptr) {
        first_ = value;
    } else if (!value->sameClass(*first_)) {
        return kMixedClassesFile;
    }
    // A key must equal itself (a NaN float does not), and neighbours must
    // compare both ways: a class whose compare is no order (TBoolean gives 1
    // for any two different values) is refused here.
    if (value->compare(*value) != kEqual) return kUnorderedFile;
    if (previous_ != nullptr &&
        (previous_->compare(*value) != kLess || value->compare(*previous_) != kGreater)) {
        return kUnorderedFile;
    }
    previous_ = value;
    return nullptr;
}

std::unique_ptr<TBinTreeNode> buildBalancedNodes(
    std::vector<std::unique_ptr<TBase>>& values,
    const std::function<std::unique_ptr<TBinTreeNode>(std::unique_ptr<TBase>)>& makeNode) {
    if (values.empty()) {
        return nullptr;
    }
    return buildRange(values, 0, values.size() - 1, makeNode);
}

std::unique_ptr<TBinTreeNode> buildBalancedTree(TListe& list) {
    if (list.isEmpty()) {
        return nullptr;
    }
    std::vector<std::unique_ptr<TBase>> values;
    values.reserve(list.count());
    for (list.reset(); !list.isAtEnd(); list.advance()) {
        values.push_back(list.elem()->copy());
    }
    // The last range built is the last element's.
    list.moveTo(list.count() - 1);
    return buildBalancedNodes(values, [](std::unique_ptr<TBase> value) {
        return std::make_unique<TBinTreeNode>(nullptr, std::move(value), nullptr);
    });
}
