// TAvlTree: the height-balanced search tree. Insertion and deletion walk back
// up the search path, update the balance factors (Wirth's scheme) and restore
// the AVL property with the four rotations. Its ".adt" file records carry the
// balance factors, and loading checks them against the real heights.
//
// Invariant between operations: the search tree invariant, every node a
// TAvlTreeNode whose balance factor equals height(right) - height(left) and
// lies in -1..+1. Everything is iterative.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "trees/avltreenode.h"
#include "trees/searchtree.h"

// Refusals of ".adt" files with wrong balance factors.
inline constexpr const char* kFactorOutOfRangeFile =
    "Die Datei enthält keinen gültigen AVL-Baum - ein Balancefaktor liegt außerhalb von -1 bis +1";
inline constexpr const char* kFactorMismatchFile =
    "Die Datei enthält keinen gültigen AVL-Baum - ein Balancefaktor stimmt nicht mit den "
    "Teilbaumhöhen überein";

class TAvlTree : public TSearchTree {
public:
    static const ClassInfo info;

    TAvlTree() = default;
    ~TAvlTree() override = default;

    const ClassInfo& classInfo() const override { return info; }

    // A new TAvlTree with copies of all nodes, elements and balance factors.
    std::unique_ptr<TBase> copy() const override;

    // Insertion and deletion with rebalancing; ownership as in TSearchTree.
    void insertObserved(std::unique_ptr<TBase> element, TreeObserver* observer) override;
    void removeObserved(std::unique_ptr<TBase> key, TreeObserver* observer) override;

    // The rotations at the node A that link points to; link then points to
    // the new top. Balance factors afterwards as in Wirth's scheme (LL/RR:
    // A and B 0; LR/RL: from C's former factor, C 0). The observer sees phase
    // 0 before any change, then:
    //   LL: 1 A.left := B.right (B held by the rotation); 2 B.right := A and
    //       link := B.
    //   LR: 1 B.right := C.left (C held); 2 C.left := B; 3 A.left := C.right;
    //       4 C.right := A and link := C.
    //   RR and RL: the mirror images.
    static void rotateLL(std::unique_ptr<TBinTreeNode>& link, TreeObserver* observer = nullptr,
                         const TreePath& path = {});
    static void rotateLR(std::unique_ptr<TBinTreeNode>& link, TreeObserver* observer = nullptr,
                         const TreePath& path = {});
    static void rotateRR(std::unique_ptr<TBinTreeNode>& link, TreeObserver* observer = nullptr,
                         const TreePath& path = {});
    static void rotateRL(std::unique_ptr<TBinTreeNode>& link, TreeObserver* observer = nullptr,
                         const TreePath& path = {});

    // ".adt" records: element, balance factor (integer), left flag, right
    // flag. Loading refuses (FileError, tree left empty) factors outside
    // -1..+1, factors that differ from the real heights, and everything that
    // TSearchTree refuses.
    using TSearchTree::load;
    using TSearchTree::save;
    void save(TWriter& writer) const override;
    void load(TReader& reader) override;

    // The refusal text when some node is no TAvlTreeNode or its factor is not
    // height(right) - height(left) in -1..+1; empty when all are right.
    static std::optional<std::string> balanceProblem(const TBinTreeNode* root);
    // The invariant check (see TBase): the search tree's, and every node a
    // TAvlTreeNode whose factor is height(right) - height(left) in -1..+1.
    bool verify() const override;

protected:
    std::unique_ptr<TBinTreeNode> newNode(std::unique_ptr<TBase> value) const override;
    // After balance(): every factor set from the real heights.
    void rebuilt() override;

private:
    // orderProblem(root), else balanceProblem(root), from one walk over the
    // nodes: what loading refuses.
    static std::optional<std::string> fileProblem(const TBinTreeNode* root);
    // The rebalancing steps of deletion at the node that link points to;
    // return the new heightChanged.
    static bool leftLower(std::unique_ptr<TBinTreeNode>& link, const TreePath& path,
                          TreeObserver& observer, bool redraw);
    static bool rightLower(std::unique_ptr<TBinTreeNode>& link, const TreePath& path,
                           TreeObserver& observer, bool redraw);
};

// Registers TAvlTree and the binary tree classes (TBinTree, TTreeInteger).
void registerAvlTreeClasses();
