// TBayerTree: the B-tree of order 2 of the "BayerBaum" page. Pages hold one
// to four keys (two to four below the root), all leaves lie on one level, and
// the tree never grows beyond three levels, so it holds at most 124 keys.
// Also the ".bdt" file layout, which is checked in full before a loaded tree
// is used.
//
// Insertion and deletion are protected: the program reaches them through the
// step-by-step demonstration (TBayerTreeDemo), which passes a BayerObserver
// to watch each step of the one algorithm defined here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "elements/base.h"
#include "trees/bayerobserver.h"
#include "trees/bayertreenode.h"

class TBayerTree : public TBase {
public:
    static constexpr int kMaxLevels = 3;
    static constexpr int kMinKeys = 2;
    static const ClassInfo info;

    // keyClass: when given, keys must be of exactly that class (the page uses
    // TInteger): a file with other keys is refused, and inserting another
    // class is a programming error. When null, keys of any one class with an
    // order are accepted.
    explicit TBayerTree(const ClassInfo* keyClass = nullptr);
    ~TBayerTree() override;
    TBayerTree(const TBayerTree&) = delete;
    TBayerTree& operator=(const TBayerTree&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // True when the tree holds no key (no root page).
    bool empty() const { return root_ == nullptr; }
    // Number of keys stored.
    std::uint16_t count() const { return count_; }
    // Number of levels: 0 for the empty tree, else 1..3.
    int depth() const;
    // The root page or null; lent.
    const TBayerTreeNode* root() const { return root_.get(); }
    // The required key class, or null.
    const ClassInfo* keyClass() const { return keyClass_; }

    // The stored key equal to x, lent, or null. x must be comparable with the
    // keys (same class); anything else ends the program with "Für dieses
    // Objekt ist keine Ordnungsrelation definiert".
    const TBase* lookUp(const TBase& x) const;
    // A new TBayerTree (never a subclass) with a deep copy of every page, the
    // same count and the same key class; the caller owns it.
    std::unique_ptr<TBase> copy() const override;
    // Frees every page; the tree is empty afterwards.
    void clear();

    // Writes the tree to the file (replaced only when completely written). An
    // empty tree writes an empty file. Throws FileError.
    void save(const std::string& fileName) const;
    // Replaces the contents by the tree in the file. Throws FileError for a
    // file that cannot be read, for an empty file ("Stream-Lesefehler") and
    // for any content that is not a valid tree; the tree is then empty, as
    // after a failed allocation (std::bad_alloc).
    void load(const std::string& fileName);
    // The same two on an open writer or reader. Pages are written in
    // pre-order; a page record is: integer key count (1..4); boolean "has a
    // leftmost child"; per key: class name, the key's value, boolean "has a
    // child"; then the leftmost child's record and the other children's
    // records in order. No bytes at all for the empty tree, which loadFrom
    // reads back.
    void saveTo(TWriter& writer) const;
    void loadFrom(TReader& reader);

    // Checks every invariant: page fill (1..4 keys at the root, 2..4 below),
    // children all or none, all leaves on one level, at most three levels,
    // keys of one class with an order (of the key class, if one is set) that
    // ascend strictly across the whole tree, and the count. Returns the
    // German reason of the first violation, or "" when the tree is sound
    // (the reason a loader names when it refuses a file), like the search
    // tree's orderProblem.
    std::string problem() const;
    // The invariant check (see TBase): true exactly when problem() finds no
    // violation.
    bool verify() const { return problem().empty(); }

    // The text an element shows in messages: integers in decimal, texts and
    // characters as they are (UTF-8), other classes by their class name.
    static std::string keyText(const TBase& key);

    // In-page binary search for x: found, and pos in 0..count. When found the
    // key is key(pos + 1); otherwise pos keys are smaller than x and the
    // search goes on in child(pos). The page must hold at least one key.
    // A comparison without an order ends the program (see lookUp).
    struct PageSearch {
        bool found;
        int pos;
    };
    static PageSearch searchPage(const TBayerTreeNode& page, const TBase& x);

    enum class InsertResult { Inserted, Duplicate, Refused };

protected:
    // Inserts x (the tree takes it over). A key equal to x already present:
    // x is freed, nothing changes (Duplicate). An insertion that would add a
    // fourth level (the path from the root to the leaf is full on all three
    // levels) is refused with the message "Einfügen von <x> nicht möglich, da
    // Baumtiefe zu groß würde": x is freed, tree and count unchanged
    // (Refused). Every step is reported to the observer, if one is given.
    InsertResult insert(std::unique_ptr<TBase> x, BayerObserver* observer = nullptr);
    // Removes and frees the key equal to x (x is only the search argument).
    // Returns false, changing nothing, when no key is equal to x. Every step
    // is reported to the observer, if one is given.
    bool remove(const TBase& x, BayerObserver* observer = nullptr);

private:
    // Refills the underflowed child s of c from its neighbour (the right one
    // unless s is c's last position) and reports it. Returns true when c
    // itself now holds fewer than 2 keys.
    bool repairUnderflow(TBayerTreeNode& c, int s, const BayerPath& cAt, BayerObserver& observer);
    // Inserting a key of another class than keyClass_ is a programming error.
    void requireKeyClass(const TBase& x) const;

    const ClassInfo* keyClass_;
    std::unique_ptr<TBayerTreeNode> root_;
    std::uint16_t count_ = 0;
};

// Registers TBayerTree (and its ancestors) in the class registry.
void registerBayerTreeClasses();
