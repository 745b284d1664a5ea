// TreeObserver: the display hooks of TSearchTree and TAvlTree. The trees call
// them at each step of an insertion, a deletion or a rotation, right after the
// pointer change the step names, so a demonstration can show the real
// algorithm step by step instead of running a copy of it. Every hook has an
// empty default; a plain tree runs with no observer at all.
//
// Paths lead from the root: one Side per level, the empty path is the root.
// Nodes handed to a hook are lent for the duration of the call.
#pragma once

#include <cstdint>
#include <vector>

class TBinTreeNode;

enum class Side : std::uint8_t { left, right };
using TreePath = std::vector<Side>;

enum class Rotation : std::uint8_t { LL, LR, RR, RL };

// The nodes of a rotation: A is the node whose balance was violated, B its
// child on the heavy side, C (double rotations only, else null) B's inner child.
struct RotationNodes {
    const TBinTreeNode* a = nullptr;
    const TBinTreeNode* b = nullptr;
    const TBinTreeNode* c = nullptr;
};

class TreeObserver {
public:
    virtual ~TreeObserver() = default;

    // Insertion: node has just been linked in at path.
    virtual void inserted(const TreePath& /*path*/, const TBinTreeNode& /*node*/) {}

    // Deletion, in this order. The node at path holds the key; nothing has
    // changed yet.
    virtual void found(const TreePath& /*path*/, const TBinTreeNode& /*node*/) {}
    // The found node had at most one child: the link at path now holds that
    // child (null for a leaf); the found node is detached.
    virtual void bypassed(const TreePath& /*path*/, const TBinTreeNode* /*child*/) {}
    // Two children: the rightmost node of the left subtree (the predecessor)
    // stands at predecessorPath; nothing has changed yet.
    virtual void predecessorFound(const TreePath& /*predecessorPath*/,
                                  const TBinTreeNode& /*predecessor*/) {}
    // The found node at path now holds a copy of the predecessor's element.
    virtual void valueReplaced(const TreePath& /*path*/, const TBinTreeNode& /*node*/) {}
    // The predecessor is detached; the link at predecessorPath now holds its
    // former left child (may be null).
    virtual void predecessorUnlinked(const TreePath& /*predecessorPath*/,
                                     const TBinTreeNode& /*predecessor*/,
                                     const TBinTreeNode* /*leftChild*/) {}
    // The node taken out (detached, childless) is about to be freed. For a
    // node with one child this comes before any rebalancing above it; after a
    // predecessor replacement it comes after the rebalancing of the path
    // below the found node.
    virtual void releasing(const TBinTreeNode& /*node*/) {}

    // AVL deletion: a rotation follows and wants a picture of the tree as it
    // is now (the tree is whole at this point).
    virtual void redrawBeforeRotation() {}
    // A rotation at pathOfA. Phase 0 comes before any change; then one phase
    // per pointer change as listed at TAvlTree; the last phase has the new top
    // linked in where A was.
    virtual void rotationPhase(Rotation /*kind*/, int /*phase*/, const TreePath& /*pathOfA*/,
                               const RotationNodes& /*nodes*/) {}
};
