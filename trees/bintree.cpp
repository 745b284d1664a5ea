#include "trees/bintree.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>
#include <vector>

#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "trees/treeinteger.h"

const ClassInfo TBinTreeNode::info{"TBinTreeNode", &TBase::info, nullptr};
const ClassInfo TBinTree::info{"TBinTree", &TBase::info, nullptr};

void registerBinTreeClasses() {
    registry::registerClass(TBinTree::info);
    registry::registerClass(TTreeInteger::info);
}

// ---------------------------------------------------------------------------
// TBinTreeNode

TBinTreeNode::TBinTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBase> value,
                           std::unique_ptr<TBinTreeNode> right)
    : left_(std::move(left)), right_(std::move(right)), value_(std::move(value)) {}

TBinTreeNode::~TBinTreeNode() {
    // Detach the descendants onto a heap stack so that each node dies with
    // null child links: the native stack stays flat for any shape.
    std::vector<std::unique_ptr<TBinTreeNode>> pending;
    if (left_) pending.push_back(std::move(left_));
    if (right_) pending.push_back(std::move(right_));
    while (!pending.empty()) {
        std::unique_ptr<TBinTreeNode> node = std::move(pending.back());
        pending.pop_back();
        prefetchForWalk(node->left_.get());
        prefetchForWalk(node->right_.get());
        if (node->left_) pending.push_back(std::move(node->left_));
        if (node->right_) pending.push_back(std::move(node->right_));
    }
}

void TBinTreeNode::setLeft(std::unique_ptr<TBinTreeNode> left) { left_ = std::move(left); }

void TBinTreeNode::setRight(std::unique_ptr<TBinTreeNode> right) { right_ = std::move(right); }

void TBinTreeNode::setValue(std::unique_ptr<TBase> value) { value_ = std::move(value); }

std::unique_ptr<TBase> TBinTreeNode::releaseValue() { return std::move(value_); }

void TBinTreeNode::destroySingle(std::unique_ptr<TBinTreeNode> node) {
    assert(!node || (node->left_ == nullptr && node->right_ == nullptr));
    node.reset();
}

std::int32_t TBinTreeNode::compare(const TBase& other) const {
    const auto* otherNode = dynamic_cast<const TBinTreeNode*>(&other);
    if (otherNode == nullptr) return kOtherClass;
    std::vector<std::pair<const TBinTreeNode*, const TBinTreeNode*>> pending{{this, otherNode}};
    while (!pending.empty()) {
        auto [mine, theirs] = pending.back();
        pending.pop_back();
        if ((mine->left_ == nullptr) != (theirs->left_ == nullptr)) return kOtherClass;
        if ((mine->right_ == nullptr) != (theirs->right_ == nullptr)) return kOtherClass;
        if ((mine->value_ == nullptr) != (theirs->value_ == nullptr)) return kOtherClass;
        if (mine->value_ && mine->value_->compare(*theirs->value_) != kEqual) return kOtherClass;
        if (mine->right_) pending.emplace_back(mine->right_.get(), theirs->right_.get());
        if (mine->left_) pending.emplace_back(mine->left_.get(), theirs->left_.get());
    }
    return kEqual;
}

std::unique_ptr<TBase> TBinTreeNode::copy() const { return copySubtree(); }

std::unique_ptr<TBinTreeNode> TBinTreeNode::cloneSingle() const {
    return std::make_unique<TBinTreeNode>(nullptr, value_ ? value_->copy() : nullptr, nullptr);
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::copySubtree() const {
    std::unique_ptr<TBinTreeNode> top = cloneSingle();
    // Pairs of (original, its copy whose child links are still to be filled).
    std::vector<std::pair<const TBinTreeNode*, TBinTreeNode*>> pending{{this, top.get()}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        if (from->left_) {
            to->left_ = from->left_->cloneSingle();
            pending.emplace_back(from->left_.get(), to->left_.get());
        }
        if (from->right_) {
            to->right_ = from->right_->cloneSingle();
            pending.emplace_back(from->right_.get(), to->right_.get());
        }
    }
    return top;
}

void TBinTreeNode::paint(Surface& surface, int parentX, int parentY, int x, int y, int levelStep,
                         int lineOffset, int spread, bool orthogonal, int bottom) const {
    // y only grows downwards, so below a node whose children's texts
    // (y + levelStep) and lines (up to y + lineOffset) start at or under
    // bottom, everything does.
    const auto childrenShown = [&](int nodeY) {
        const std::int64_t top = std::int64_t{nodeY} + std::min(levelStep, lineOffset);
        return levelStep < 0 || top < bottom;
    };
    struct Frame {
        const TBinTreeNode* node;
        int parentX, parentY, x, y, spread;
        bool leftDone;
    };
    std::vector<Frame> stack{{this, parentX, parentY, x, y, spread, false}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        const int half = top.spread / 2;  // truncates toward zero
        if (!top.leftDone) {
            top.leftDone = true;
            if (top.node->left_ && childrenShown(top.y)) {
                stack.push_back(Frame{top.node->left_.get(), top.x, top.y, top.x - half,
                                      top.y + levelStep, half, false});
            }
            continue;
        }
        const Frame done = top;
        stack.pop_back();
        if (done.node->value_) done.node->value_->paintValue(surface, done.x, done.y);
        if (done.y != done.parentY) {
            surface.moveTo(done.x, done.y);
            if (orthogonal) surface.lineTo(done.parentX, done.y);
            surface.lineTo(done.parentX, done.parentY + lineOffset);
        }
        if (done.node->right_ && childrenShown(done.y)) {
            stack.push_back({done.node->right_.get(), done.x, done.y, done.x + half,
                             done.y + levelStep, half, false});
        }
    }
}

// ---------------------------------------------------------------------------
// TBinTree

std::uint16_t TBinTree::depth() const {
    std::size_t deepest = 0;
    walkPreorder(root.get(), [&deepest](const TBinTreeNode&, std::size_t level) {
        deepest = std::max(deepest, level);
        return true;
    });
    return static_cast<std::uint16_t>(deepest);
}

std::uint16_t TBinTree::count() const {
    std::uint16_t nodes = 0;
    walkPreorder(root.get(), [&nodes](const TBinTreeNode&, std::size_t) {
        ++nodes;  // 16-bit arithmetic: wraps above 65535
        return true;
    });
    return nodes;
}

bool TBinTree::balanced() const {
    // Post-order walk; `depths` holds the depths of finished subtrees, the
    // left one below the right one of each node being finished.
    struct Frame {
        const TBinTreeNode* node;
        bool expanded;
    };
    std::vector<Frame> stack{{root.get(), false}};
    std::vector<std::size_t> depths;
    while (!stack.empty()) {
        const Frame frame = stack.back();
        stack.pop_back();
        if (frame.node == nullptr) {
            depths.push_back(0);
        } else if (!frame.expanded) {
            stack.push_back({frame.node, true});
            stack.push_back({frame.node->getRight(), false});
            stack.push_back({frame.node->getLeft(), false});
        } else {
            const std::size_t right = depths.back();
            depths.pop_back();
            const std::size_t left = depths.back();
            depths.pop_back();
            if (std::max(left, right) - std::min(left, right) > 1) return false;
            depths.push_back(1 + std::max(left, right));
        }
    }
    return true;
}

TBinTree::Measures TBinTree::measures() const {
    // Post-order walk as in balanced(), but to the end: `heights` holds the
    // depths of the finished subtrees, the right one on top, and at last the
    // root's.
    Measures measures;
    struct Frame {
        const TBinTreeNode* node;
        bool childrenDone;
    };
    std::vector<Frame> stack;
    std::vector<std::size_t> heights;
    if (root) stack.push_back({root.get(), false});
    while (!stack.empty()) {
        const Frame frame = stack.back();
        stack.pop_back();
        const TBinTreeNode* node = frame.node;
        if (!frame.childrenDone) {
            stack.push_back({node, true});
            prefetchForWalk(node->getRight());
            prefetchForWalk(node->getLeft());
            if (node->getRight()) stack.push_back({node->getRight(), false});
            if (node->getLeft()) stack.push_back({node->getLeft(), false});
            continue;
        }
        std::size_t right = 0;
        std::size_t left = 0;
        if (node->getRight()) {
            right = heights.back();
            heights.pop_back();
        }
        if (node->getLeft()) {
            left = heights.back();
            heights.pop_back();
        }
        if (std::max(left, right) - std::min(left, right) > 1) measures.balanced = false;
        heights.push_back(1 + std::max(left, right));
        ++measures.count;  // 16-bit arithmetic, as count()
    }
    if (!heights.empty()) measures.depth = static_cast<std::uint16_t>(heights.back());
    return measures;
}

std::int32_t TBinTree::compare(const TBase& other) const {
    if (!sameClass(other)) return kOtherClass;
    const auto* otherTree = dynamic_cast<const TBinTree*>(&other);
    if (otherTree == nullptr) return kOtherClass;
    if (!root && !otherTree->root) return kEqual;
    if (!root || !otherTree->root) return kOtherClass;
    return root->compare(*otherTree->root) == kEqual ? kEqual : kOtherClass;
}

std::unique_ptr<TBase> TBinTree::copy() const {
    auto tree = std::make_unique<TBinTree>();
    if (root) tree->root = root->copySubtree();
    return tree;
}

TBase* TBinTree::lookUp(const TBase& key) const {
    TBase* found = nullptr;
    walkPreorder(root.get(), [&](const TBinTreeNode& node, std::size_t) {
        if (node.getValue() && node.getValue()->compare(key) == kEqual) found = node.getValue();
        return found == nullptr;
    });
    return found;
}

void TBinTree::write(TextOutput& out) const {
    walkInorder(root.get(), [&out](const TBinTreeNode& node) {
        if (node.getValue()) node.getValue()->writeValue(out);
        return true;
    });
}

void TBinTree::writePlanes(TextOutput& out) const {
    // Works on references to the tree's own nodes, level by level; the
    // sequence of writeValue and newPlane calls is that of a work list of
    // subtree copies.
    std::vector<const TBinTreeNode*> level;
    if (root) level.push_back(root.get());
    std::vector<const TBinTreeNode*> next;
    while (!level.empty()) {
        next.clear();
        for (const TBinTreeNode* node : level) {
            if (node->getValue()) node->getValue()->writeValue(out);
            if (node->getLeft()) next.push_back(node->getLeft());
            if (node->getRight()) next.push_back(node->getRight());
        }
        newPlane(out);
        level.swap(next);
    }
}

void TBinTree::newPlane(TextOutput&) const {
    // An information box, then the end of the program, as for every abstract
    // operation; only subclasses that override newPlane may list levels.
    userMessages().information("TBinTree.newPlane wurde nicht überschrieben");
    std::_Exit(EXIT_FAILURE);
}

void TBinTree::paint(Surface& surface, int x, int y, int levelStep, int lineOffset, int spread,
                     bool orthogonal) const {
    if (root) {
        root->paint(surface, x, y, x, y, levelStep, lineOffset, spread, orthogonal,
                    TBinTreeNode::kNoBottom);
    }
}

void TBinTree::paintVisible(Surface& surface, int x, int y, int levelStep, int lineOffset,
                            int spread, bool orthogonal) const {
    if (root) {
        root->paint(surface, x, y, x, y, levelStep, lineOffset, spread, orthogonal,
                    surface.height());
    }
}

void TBinTree::swap() {
    walkPreorder(root.get(), [](TBinTreeNode& node, std::size_t) {
        std::swap(node.leftLink(), node.rightLink());
        return true;
    });
}

bool TBinTree::verify() const {
    return walkPreorder(root.get(), [](const TBinTreeNode& node, std::size_t) {
        return node.getValue() != nullptr;
    });
}

void TBinTree::save(const std::string& fileName) const {
    saveToFile(fileName, [this](TWriter& writer) { save(writer); });
}

void TBinTree::load(const std::string& fileName) {
    root.reset();
    loadFromFile(fileName, [this](TReader& reader) { load(reader); });
}

void TBinTree::save(TWriter& writer) const {
    writeTree(writer, root.get(), [](TWriter&, const TBinTreeNode&) {});
}

void TBinTree::load(TReader& reader) {
    root.reset();
    root = readTree(reader, [](TReader&, std::unique_ptr<TBase> value) {
        return std::make_unique<TBinTreeNode>(nullptr, std::move(value), nullptr);
    });
}

std::unique_ptr<TBinTreeNode> TBinTree::readTree(TReader& reader, const NodeReader& makeNode) {
    std::unique_ptr<TBinTreeNode> top;
    // Links still to be filled, the next one to read on top (pre-order). The
    // links live inside nodes already read, so the pointers stay valid.
    std::vector<std::unique_ptr<TBinTreeNode>*> links{&top};
    std::size_t nodes = 0;
    while (!links.empty()) {
        std::unique_ptr<TBinTreeNode>* link = links.back();
        links.pop_back();
        if (nodes == kMaxFileNodes) throw FileError(kInvalidBinTreeFile);
        std::unique_ptr<TBase> value = loadElement(reader);
        std::unique_ptr<TBinTreeNode> node = makeNode(reader, std::move(value));
        const bool hasLeft = reader.readBoolean();
        const bool hasRight = reader.readBoolean();
        *link = std::move(node);
        ++nodes;
        if (hasRight) links.push_back(&(*link)->rightLink());
        if (hasLeft) links.push_back(&(*link)->leftLink());
    }
    return top;
}

void TBinTree::writeTree(TWriter& writer, const TBinTreeNode* node, const NodeWriter& writeExtra) {
    walkPreorder(node, [&](const TBinTreeNode& current, std::size_t) {
        assert(current.getValue() != nullptr);
        saveElement(writer, *current.getValue());
        writeExtra(writer, current);
        writer.writeBoolean(current.getLeft() != nullptr);
        writer.writeBoolean(current.getRight() != nullptr);
        return true;
    });
}
