// BayerObserver: the hooks through which the B-tree's insertion and deletion
// report each structural step, so that the step-by-step demonstration can
// draw and wait between the steps of the one real algorithm. Also BayerPath
// (where a page stands in the drawing) and BayerRepair (one underflow repair).
//
// All hooks run synchronously inside TBayerTree's insert or remove, on the
// same thread; they may wait as long as they like but must not change the
// tree. The pages and keys handed to a hook are lent for the call only. The
// default implementations do nothing.
//
// Positions: a page is named by its BayerPath, the child positions taken from
// the root at the moment the operation started. During one operation the
// drawing on screen still shows that shape (it is redrawn only afterwards),
// so a path is also where the demonstration finds the page on the image, even
// after lower pages have been split or merged.
#pragma once

#include <array>

class TBase;
class TBayerTreeNode;

// The child positions from the root to a page (0 = leftmost child, i = the
// child of item i). The root has the empty path. A B-tree has at most three
// levels, so a path has at most two steps.
struct BayerPath {
    static constexpr int kMaxSteps = 2;
    std::array<int, kMaxSteps> steps{};
    int length = 0;

    // 1 for the root, 2 for its children, 3 for theirs.
    int level() const { return length + 1; }
    // The path of this page's child i. Never needed below level 3; there it
    // returns this path unchanged.
    BayerPath child(int i) const {
        BayerPath result = *this;
        if (result.length < kMaxSteps) result.steps[result.length++] = i;
        return result;
    }
    friend bool operator==(const BayerPath&, const BayerPath&) = default;
};

// One underflow repair: page a (child s of the parent c) held a single key and
// has been refilled from its neighbour b, by borrowing one key or by merging.
// Reported after the keys have moved. After a merge the discarded page (b for
// MergeRight, a for MergeLeft) still exists, emptied, for the call.
struct BayerRepair {
    enum class Kind { BorrowRight, MergeRight, BorrowLeft, MergeLeft };
    Kind kind;
    const TBayerTreeNode& parent;  // c
    BayerPath parentAt;
    int s;                            // position of a in c, 0..c's count before
    const TBayerTreeNode& page;       // a, at parentAt.child(s)
    const TBayerTreeNode& neighbour;  // b, at parentAt.child(s + 1) or (s - 1)
    int parentCountBefore;
    int neighbourCountBefore;
    // The right neighbour is used exactly when a is not the last child.
    bool right() const { return kind == Kind::BorrowRight || kind == Kind::MergeRight; }
    bool merge() const { return kind == Kind::MergeRight || kind == Kind::MergeLeft; }
};

class BayerObserver {
public:
    virtual ~BayerObserver() = default;

    // Insertion, in the order the steps happen.

    // The key has been placed in slot `slot` of `page`, which had room.
    virtual void keyPlaced(const TBayerTreeNode& /*page*/, const BayerPath& /*at*/, int /*slot*/,
                           const TBase& /*key*/) {}
    // The key has reached the full `page`; nothing has changed yet.
    virtual void fullPageReached(const TBayerTreeNode& /*page*/, const BayerPath& /*at*/,
                                 const TBase& /*key*/) {}
    // The page at `at` has been split: `keys` are the five keys in order; the
    // page kept keys 1 and 2 (`left`), the new page `right` holds keys 4 and 5
    // and key 3 moves up to the parent (or into a new root).
    virtual void pageSplit(const BayerPath& /*at*/, const std::array<const TBase*, 5>& /*keys*/,
                           const TBayerTreeNode& /*left*/, const TBayerTreeNode& /*right*/) {}
    // A new root holding `key` has been made; `treeWasEmpty` when it is the
    // first page of the tree, otherwise the old root's split moved `key` up.
    virtual void rootCreated(const TBase& /*key*/, bool /*treeWasEmpty*/) {}

    // Deletion, in the order the steps happen. `x` is the search argument.

    // The key equal to x was in slot `slot` of the leaf `page` and has been
    // removed; the keys above it have moved down one slot. `underflow` when
    // the page now holds fewer than 2 keys.
    virtual void leafKeyRemoved(const TBayerTreeNode& /*page*/, const BayerPath& /*at*/,
                                int /*slot*/, const TBase& /*x*/, bool /*underflow*/) {}
    // The key equal to x stands in slot `slot` of the inner `page`; nothing
    // has changed yet.
    virtual void innerKeyFound(const TBayerTreeNode& /*page*/, const BayerPath& /*at*/,
                               int /*slot*/, const TBase& /*x*/) {}
    // The largest key of the left subtree, `key`, was slot `fromSlot` of the
    // leaf `from` and now replaces the deleted key in slot `slot` of `page`.
    // `underflow` when `from` now holds fewer than 2 keys.
    virtual void predecessorMoved(const TBayerTreeNode& /*page*/, const BayerPath& /*at*/,
                                  int /*slot*/, const TBayerTreeNode& /*from*/,
                                  const BayerPath& /*fromAt*/, int /*fromSlot*/,
                                  const TBase& /*key*/, bool /*underflow*/) {}
    // One underflow repair has been done (see BayerRepair).
    virtual void underflowRepaired(const BayerRepair& /*repair*/) {}
};
