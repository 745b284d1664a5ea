// TSearchTree: the unbalanced binary search tree. Elements stand in the order
// of their compare (smaller left, larger right, no two equal); deletion of a
// node with two children takes the in-order predecessor. Also the checks that
// a loaded ".tdt" tree is a search tree, and buildBalancedTree for lists.
//
// Invariant between operations: in-order the elements are of one class and
// strictly increasing by compare. Every operation is iterative (the rebuild
// recurses only log2(n) deep).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "trees/bintree.h"
#include "trees/treeobserver.h"

class TListe;

// Refusals of a tree file whose content is not a search tree.
inline constexpr const char* kMixedClassesFile =
    "Die Datei enthält keinen gültigen Suchbaum - die Elemente sind nicht alle von derselben "
    "Klasse";
inline constexpr const char* kUnorderedFile =
    "Die Datei enthält keinen gültigen Suchbaum - die Elemente stehen nicht in aufsteigender "
    "Reihenfolge";
// The fatal stop of a comparison that finds no order: a programming error once
// loaded files are checked.
inline constexpr const char* kNoOrderRelation =
    "Für dieses Objekt ist keine Ordnungsrelation definiert";

class TSearchTree : public TBinTree {
public:
    static const ClassInfo info;

    TSearchTree() = default;
    ~TSearchTree() override = default;

    const ClassInfo& classInfo() const override { return info; }

    // A new TSearchTree (of the same shape, with copied elements).
    std::unique_ptr<TBase> copy() const override;
    // Binary search: the stored element equal to key (lent), or null.
    TBase* lookUp(const TBase& key) const override;

    // Inserts by order; takes the element. An equal element already present
    // leaves the tree unchanged and the new one is destroyed.
    void insert(std::unique_ptr<TBase> element) { insertObserved(std::move(element), nullptr); }
    // Removes the stored element equal to key, if any (predecessor
    // replacement for two children); key is destroyed in every case.
    void remove(std::unique_ptr<TBase> key) { removeObserved(std::move(key), nullptr); }
    // The same operations, reporting every step to observer (may be null).
    virtual void insertObserved(std::unique_ptr<TBase> element, TreeObserver* observer);
    virtual void removeObserved(std::unique_ptr<TBase> key, TreeObserver* observer);

    // A new list of copies of all elements in ascending order; the caller
    // owns it.
    std::unique_ptr<TListe> treeToListe() const;
    // Rebuilds the tree into the minimal-depth shape (for an even count of a
    // range the lower middle element is the range's root).
    void balance();

    // Loading refuses (FileError, tree left empty) trees whose elements are not
    // of one class or not strictly increasing in order.
    using TBinTree::load;
    using TBinTree::save;
    void load(TReader& reader) override;

    // The refusal text when the subtree at root is not a search tree (mixed
    // classes, order not strictly increasing both ways by compare); empty when
    // it is one. Iterative.
    static std::optional<std::string> orderProblem(const TBinTreeNode* root);
    // The invariant check (see TBase): the binary tree's, and in order the
    // elements are of one class and strictly increasing by compare.
    bool verify() const override { return TBinTree::verify() && !orderProblem(root.get()); }

protected:
    // orderProblem one element at a time: fed a tree's elements in order, it
    // answers the refusal text at the first one that breaks the order, null
    // before. The elements are lent for as long as the check runs.
    class OrderCheck {
    public:
        const char* next(const TBase* value);

    private:
        const TBase* first_ = nullptr;
        const TBase* previous_ = nullptr;
    };

    // x.compare(nodeValue) as -1, 0 or 1; any other result is a programming
    // error and ends the program with kNoOrderRelation.
    static std::int32_t order(const TBase& x, const TBase& nodeValue);
    // The node class of this tree, for insertion and the rebuild.
    virtual std::unique_ptr<TBinTreeNode> newNode(std::unique_ptr<TBase> value) const;
    // Called after balance() has built the new shape (AVL trees set their
    // balance factors here).
    virtual void rebuilt() {}
};

// Builds a balanced tree of plain TBinTreeNodes holding copies of the list's
// elements: the root of range lo..hi is at (lo + hi) div 2. Null for an empty
// list. The list's cursor ends before its last element.
std::unique_ptr<TBinTreeNode> buildBalancedTree(TListe& list);

// The balanced shape over values (moved into the nodes), made by makeNode;
// the root of range lo..hi is at (lo + hi) div 2. Recurses log2(n) deep.
std::unique_ptr<TBinTreeNode> buildBalancedNodes(
    std::vector<std::unique_ptr<TBase>>& values,
    const std::function<std::unique_ptr<TBinTreeNode>(std::unique_ptr<TBase>)>& makeNode);
