// TNtreeNode and TNtree: the general tree of the "NBaum" page. Every node
// holds one text element and any number of children, numbered 0, 1, 2, ...,
// kept in a TListe whose cursor does the positioning. The tree is stored in
// ".ndt" files: twice the node count, then the nodes in pre-order.
//
// Every walk over a tree is iterative, so neither a deep tree built on the
// page nor one read from a file can exhaust the stack.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "elements/base.h"

class TListe;
class TWriter;
class TReader;
class TextOutput;

// One node. Invariant: every element of childList is a TNtreeNode, owned by
// the list; a node is owned by exactly one list or tree.
class TNtreeNode : public TBase {
public:
    static const ClassInfo info;

    // Takes ownership of both. A node without children needs no list: a null
    // list stays absent until the first child comes.
    TNtreeNode(std::unique_ptr<TString> elem, std::unique_ptr<TListe> childList);
    // Releases the whole subtree bottom-up, without recursion.
    ~TNtreeNode() override;
    TNtreeNode(const TNtreeNode&) = delete;
    TNtreeNode& operator=(const TNtreeNode&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // True when node itself is null.
    static bool empty(const TNtreeNode* node) { return node == nullptr; }

    // Inserts child at the list's cursor; it becomes the current child and the
    // later ones move up by one. On a node with 65535 children the list shows
    // its full-list message, destroys child and false is returned.
    bool insertChild(std::unique_ptr<TNtreeNode> child);
    // child becomes child n (n clamped to 0..numberOfChildren(), so a larger n
    // appends); later children move up. Refused as insertChild.
    bool insertChildN(int n, std::unique_ptr<TNtreeNode> child);
    // Child n (still owned here), or null when n is not below
    // numberOfChildren(). The cursor ends before index n.
    TNtreeNode* getChildN(int n);
    // Releases the element and stores the new one.
    void update(std::unique_ptr<TString> elem);
    std::uint16_t numberOfChildren() const;
    // The element, still owned by the node.
    TString* getElem() const { return elem_.get(); }
    // The children, read-only (for cursor position and count); an empty
    // list for a node that never had children.
    const TListe& childList() const;
    // Releases the current child with its subtree; nothing on a leaf or when
    // the cursor is at the end.
    void deleteChild();
    // Releases child n with its subtree; nothing when n is not a child number.
    void deleteChildN(int n);
    // Deep copy (the children lists keep their cursor positions); iterative.
    std::unique_ptr<TBase> copy() const override;
    // The same copy, typed.
    std::unique_ptr<TNtreeNode> copyNode() const;
    bool leaf() const;
    // 1 for a leaf, else 1 + the largest depth of the children; 16-bit.
    std::uint16_t depth() const;
    // 1 + the children's counts, in 16-bit arithmetic.
    std::uint16_t count() const;
    // The number of nodes without 16-bit wrap-around.
    std::size_t nodeCount() const;
    // Pre-order search: the first element e with e.compare(key) == 0 (lent),
    // or null. The children's cursors end where they were.
    TString* lookUp(const TBase& key) const;
    // Post-order writeValue(out): each child's subtree in child order, then
    // this node's element.
    void write(TextOutput& out) const;

private:
    friend class TNtree;

    // The children list, made on first use.
    TListe& ownList();
    // The children in child order; the list's cursor ends where it was.
    std::vector<TNtreeNode*> children() const;

    // Null until the node gets its first child: most nodes of a large tree
    // are leaves.
    std::unique_ptr<TListe> childList_;
    std::unique_ptr<TString> elem_;
};

// The tree: null root or one owned root node.
class TNtree : public TBase {
public:
    static const ClassInfo info;

    // Most nodes a ".ndt" file can describe: its first value, twice the node
    // count, is read back in 16 bits.
    static constexpr std::size_t kMaxFileNodes = 32767;

    std::unique_ptr<TNtreeNode> root;

    TNtree() = default;
    ~TNtree() override = default;
    TNtree(const TNtree&) = delete;
    TNtree& operator=(const TNtree&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // root := a new node of the two (any previous tree is released).
    void createRoot(std::unique_ptr<TString> elem, std::unique_ptr<TListe> childList);
    bool empty() const { return root == nullptr; }
    // A new plain TNtree with a deep copy of the nodes.
    std::unique_ptr<TBase> copy() const override;
    std::uint16_t depth() const;
    std::uint16_t count() const;
    TString* lookUp(const TBase& key) const;
    // The root's write(out); nothing for the empty tree.
    void write(TextOutput& out) const;
    // The invariant check (see TBase): every node holds a text, and every
    // children list keeps its own invariants and holds only nodes. Cursors
    // end where they were.
    bool verify() const;

    // The child numbers from the root down to node (empty for the root);
    // nothing when node is not a node of this tree. Cursors end where they
    // were; iterative.
    std::optional<std::vector<std::uint16_t>> pathTo(const TNtreeNode* node) const;
    // The node that path leads to from the root (lent), or null when the tree
    // is empty or a number names no child. Cursors end where they were.
    TNtreeNode* nodeAt(const std::vector<std::uint16_t>& path) const;

    // Writes the ".ndt" file (replaced only when complete). A tree of more than
    // kMaxFileNodes nodes is refused before any file is touched.
    void save(const std::string& fileName) const;
    // Reads a ".ndt" file and makes it the tree's content; on a FileError or a
    // failed allocation (std::bad_alloc) the tree is left empty.
    void load(const std::string& fileName);
    void save(TWriter& writer) const;
    // Reads exactly one ".ndt" image. The node count, the child counts and
    // the element classes (texts) are checked; bytes after it are not read.
    void load(TReader& reader);
};

// Refusals of ".ndt" files and of trees too large for the format.
inline constexpr const char* kInvalidNtreeFile = "Die Datei enthält keinen gültigen N-Baum";
inline constexpr const char* kNtreeTooLarge =
    "Ein N-Baum mit mehr als 32767 Elementen kann nicht gespeichert werden";

// Registers TNtree.
void registerNtreeClasses();
