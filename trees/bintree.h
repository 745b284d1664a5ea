// TBinTreeNode and TBinTree: the binary tree base of the workbench. The base
// knows no order between elements: emptiness, depth, count, height balance,
// structural comparison, deep copy, mirroring, search by equality, in-order
// and level-by-level output, drawing, and the ".tdt" file records.
//
// Every walk over a tree is iterative (explicit stacks), so no operation's
// stack depth depends on the shape of a tree, whether built by the user or
// read from a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "elements/base.h"

class Surface;
class TWriter;
class TReader;
class TextOutput;

// One node: two owned child links and one owned element.
// Invariant: a node is owned by exactly one link (a parent's child link or a
// tree's root), so a tree is never shared.
class TBinTreeNode : public TBase {
public:
    static const ClassInfo info;

    // Takes ownership of the children and the element (any of them may be null).
    TBinTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBase> value,
                 std::unique_ptr<TBinTreeNode> right);
    // Destroys the whole subtree without recursion (left, right, then element
    // at every node; a chain of any length is fine).
    ~TBinTreeNode() override;
    TBinTreeNode(const TBinTreeNode&) = delete;
    TBinTreeNode& operator=(const TBinTreeNode&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // The children, still owned by this node; null when absent.
    TBinTreeNode* getLeft() const { return left_.get(); }
    TBinTreeNode* getRight() const { return right_.get(); }
    // Replaces a child; a previous child subtree is destroyed.
    void setLeft(std::unique_ptr<TBinTreeNode> left);
    void setRight(std::unique_ptr<TBinTreeNode> right);
    // The child links themselves, for relinking and rotations.
    std::unique_ptr<TBinTreeNode>& leftLink() { return left_; }
    std::unique_ptr<TBinTreeNode>& rightLink() { return right_; }

    // The element, still owned by the node (null only if none was given).
    TBase* getValue() const { return value_.get(); }
    // Destroys the present element, if any, and stores the new one.
    void setValue(std::unique_ptr<TBase> value);
    // Hands the element to the caller; the node then holds none.
    std::unique_ptr<TBase> releaseValue();

    // Frees the node and its element but not its children: the caller must
    // have moved both children out first (asserted).
    static void destroySingle(std::unique_ptr<TBinTreeNode> node);

    // Structural comparison with another node: 0 when both subtrees have the
    // same shape and every pair of elements compares 0 (this side's element
    // asked), else 2. Iterative.
    std::int32_t compare(const TBase& other) const override;
    // Deep copy of the subtree (nodes as their own classes, elements copied);
    // iterative. The result is a TBinTreeNode or a subclass.
    std::unique_ptr<TBase> copy() const override;
    // The same deep copy, typed.
    std::unique_ptr<TBinTreeNode> copySubtree() const;
    // Copies this one node as its own class with a copy of its element and no
    // children. Subclasses with fields of their own override it.
    virtual std::unique_ptr<TBinTreeNode> cloneSingle() const;

    // Draws the subtree: at each node the left subtree, the element at (x, y),
    // the line to the parent (except where y == parentY), the right subtree;
    // children at (x -/+ spread div 2, y + levelStep) with spread div 2.
    // With levelStep >= 0, the children of a node are left out when their
    // texts and their lines up to the node all lie at or below `bottom`
    // (kNoBottom draws every node). Sets no pen or font itself; iterative.
    virtual void paint(Surface& surface, int parentX, int parentY, int x, int y, int levelStep,
                       int lineOffset, int spread, bool orthogonal, int bottom) const;

    // The bottom that leaves no node out.
    static constexpr int kNoBottom = std::numeric_limits<int>::max();

private:
    std::unique_ptr<TBinTreeNode> left_;
    std::unique_ptr<TBinTreeNode> right_;
    std::unique_ptr<TBase> value_;
};

// A binary tree; it owns all nodes and, through them, all elements.
class TBinTree : public TBase {
public:
    static const ClassInfo info;

    // The root node, null for the empty tree.
    std::unique_ptr<TBinTreeNode> root;

    TBinTree() = default;
    ~TBinTree() override = default;
    TBinTree(const TBinTree&) = delete;
    TBinTree& operator=(const TBinTree&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    bool empty() const { return root == nullptr; }
    // 0 for the empty tree, 1 for a single node; 16-bit (wraps above 65535).
    std::uint16_t depth() const;
    // Number of nodes in 16-bit arithmetic.
    std::uint16_t count() const;
    // True when at every node the subtree depths differ by at most 1.
    bool balanced() const;
    // depth(), count() and balanced() together, from one walk over the nodes.
    struct Measures {
        std::uint16_t depth = 0;
        std::uint16_t count = 0;
        bool balanced = true;
    };
    Measures measures() const;
    // 0 for trees of the same class (names case-insensitive), same shape and
    // equal elements; 2 otherwise. Never -1 or 1.
    std::int32_t compare(const TBase& other) const override;
    // A new plain TBinTree holding a deep copy of the nodes.
    std::unique_ptr<TBase> copy() const override;
    // Pre-order search for an element that compares 0 with the key (the node's
    // element is asked); returns the stored element (lent) or null. The key
    // stays the caller's.
    virtual TBase* lookUp(const TBase& key) const;
    // In-order writeValue(out) of every element.
    void write(TextOutput& out) const;
    // The level listing into out: level by level, writeValue(out) of each
    // element of a level from left to right, then newPlane(out); once per
    // level, including the last.
    void writePlanes(TextOutput& out) const;
    // Called after each level of writePlanes. The base version shows
    // "TBinTree.newPlane wurde nicht überschrieben" and ends the program.
    virtual void newPlane(TextOutput& out) const;
    // Draws the tree with the root at (x, y) (its own parent point); an empty
    // tree draws nothing.
    void paint(Surface& surface, int x, int y, int levelStep, int lineOffset, int spread,
               bool orthogonal) const;
    // The same pixels on a surface that draws nothing at or below its bottom
    // edge (a page image): nodes whose text and line up to their parent lie
    // wholly at or below the edge are left out with their subtrees (for
    // levelStep >= 0), so a deep tree costs what its visible levels cost.
    void paintVisible(Surface& surface, int x, int y, int levelStep, int lineOffset, int spread,
                      bool orthogonal) const;
    // Mirrors the tree: at every node the two children are exchanged.
    void swap();
    // The invariant check (see TBase): every node holds an element. The
    // tree kinds built on it add their own invariants.
    virtual bool verify() const;

    // Writes the tree as a ".tdt" file (an existing file is replaced only when
    // the new one is complete); the empty tree gives an empty file.
    virtual void save(const std::string& fileName) const;
    // Reads a ".tdt" file and makes it the tree's content. On any FileError
    // or failed allocation (std::bad_alloc) the tree is left empty.
    virtual void load(const std::string& fileName);
    // The pre-order node records (no header, no trailer).
    virtual void save(TWriter& writer) const;
    // Reads one tree of node records; bytes after it are not read.
    // Replaces the content; on a FileError or a failed allocation the tree is
    // left empty.
    virtual void load(TReader& reader);

    // Most nodes a tree file may hold: counts are 16-bit.
    static constexpr std::size_t kMaxFileNodes = 65535;

protected:
    // Makes the node for an element just read; it may read further items of
    // the record (those between the element and the two child flags).
    using NodeReader =
        std::function<std::unique_ptr<TBinTreeNode>(TReader&, std::unique_ptr<TBase> value)>;
    // Writes the items of a node's record between its element and its flags.
    using NodeWriter = std::function<void(TWriter&, const TBinTreeNode&)>;

    // Reads one tree of pre-order node records, iteratively: per record the
    // element (class name + value), what makeNode reads, the left and the
    // right flag. Refuses (FileError) more than kMaxFileNodes nodes; bytes
    // after the tree are left unread. Nothing is kept on failure.
    static std::unique_ptr<TBinTreeNode> readTree(TReader& reader, const NodeReader& makeNode);
    // Writes the records of the tree at node (nothing for null), iteratively.
    static void writeTree(TWriter& writer, const TBinTreeNode* node, const NodeWriter& writeExtra);
};

// Walks over a large tree wait mostly on memory, one node after the other:
// asking early for a node or an element that the walk reaches later lets the
// waits overlap. Only a hint; null is fine.
inline void prefetchForWalk(const void* object) { __builtin_prefetch(object); }

// Calls visit(node, level) for every node of the subtree at top in pre-order
// (the node, its left subtree, its right subtree), level 1 being top itself;
// visit returns false to end the walk, and walkPreorder then returns false.
// Node is TBinTreeNode or const TBinTreeNode; visit may exchange the node's
// children, which are taken after it returns. Iterative.
template <typename Node, typename Visit>
bool walkPreorder(Node* top, Visit&& visit) {
    std::vector<std::pair<Node*, std::size_t>> pending;
    if (top != nullptr) pending.emplace_back(top, 1);
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        if (!visit(*node, level)) return false;
        if (node->getRight() != nullptr) pending.emplace_back(node->getRight(), level + 1);
        if (node->getLeft() != nullptr) pending.emplace_back(node->getLeft(), level + 1);
    }
    return true;
}

// Calls visit(node) for every node of the subtree at top in order (left
// subtree, node, right subtree); visit returns false to end the walk.
// Iterative.
template <typename Node, typename Visit>
void walkInorder(Node* top, Visit&& visit) {
    std::vector<Node*> pending;
    Node* node = top;
    while (node != nullptr || !pending.empty()) {
        while (node != nullptr) {
            pending.push_back(node);
            prefetchForWalk(node->getValue());
            prefetchForWalk(node->getRight());
            node = node->getLeft();
        }
        node = pending.back();
        pending.pop_back();
        if (!visit(*node)) return;
        node = node->getRight();
    }
}

// The refusal of a tree file that is not a well-formed tree of at most
// 65535 nodes.
inline constexpr const char* kInvalidBinTreeFile = "Die Datei enthält keinen gültigen Binärbaum";

// Registers TBinTree and TTreeInteger (with their ancestors).
void registerBinTreeClasses();
