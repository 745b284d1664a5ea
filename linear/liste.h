// TListe: the list with one cursor. A singly linked chain of owned elements
// behind a head node that holds none; the cursor stands between two elements,
// immediately before the current one. At most 65535 elements.
//
// The cursor (cursor_, position_) is not part of the list's value: compare and
// the other const walks may leave it elsewhere, as each operation states, so
// those two fields are mutable.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "elements/base.h"

class TWriter;
class TReader;

// One link of a list: the element (owned; null only in the head node) and the
// rest of the chain. Destroying a node destroys its element and, iteratively,
// every node after it.
struct TListNode {
    TESSARO_SMALL_OBJECT_ALLOCATION

    TListNode() = default;
    explicit TListNode(std::unique_ptr<TBase> e) : element(std::move(e)) {}
    ~TListNode();
    TListNode(const TListNode&) = delete;
    TListNode& operator=(const TListNode&) = delete;

    std::unique_ptr<TBase> element;
    std::unique_ptr<TListNode> next;
};

class TListe : public TBase {
public:
    static const ClassInfo info;
    static constexpr std::uint16_t kMaxCount = 65535;

    // An empty list: count 0, position 0, cursor before the (absent) first element.
    TListe();
    ~TListe() override;
    TListe(const TListe&) = delete;
    TListe& operator=(const TListe&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // --- Queries -------------------------------------------------------------
    bool isEmpty() const { return count_ == 0; }
    // No current element (true for an empty list).
    bool isAtEnd() const { return cursor_->next == nullptr; }
    // The current element, still owned by the list; null at the end.
    TBase* elem() const;
    // moveTo(i), then elem(); the cursor stays at i.
    TBase* elemAt(int i);
    std::uint16_t count() const { return count_; }
    // Number of elements in front of the cursor, 0..count().
    std::uint16_t position() const { return position_; }
    // True when some element's class name (upper case) differs from the first
    // element's; false for an empty list. The cursor ends where it was.
    bool hasMixedClasses();

    // --- Cursor --------------------------------------------------------------
    // Cursor before the first element, position 0.
    void reset();
    // One element on; at the end nothing happens.
    void advance();
    // i clamped to 0..count(); the cursor then stands before index i.
    void moveTo(int i);
    // moveTo(position() - 1); stays at 0.
    void stepBack();
    // Cursor behind the last element (position() == count()).
    void moveToEnd();

    // --- Changing the content ------------------------------------------------
    // Links e in front of the current element; e becomes current, the cursor
    // and position stay. On a full list shows "Die Liste ist voll - maximal
    // 65535 Elemente" and returns false; e is then left untouched, so a
    // refused element stays with the caller. e is moved from only on success.
    bool insert(std::unique_ptr<TBase>&& e);
    // moveTo(i), then insert(e).
    bool insertAt(int i, std::unique_ptr<TBase>&& e);
    // moveToEnd(), then insert(e): e is the current, last element.
    bool append(std::unique_ptr<TBase>&& e);
    // Destroys the current element; the next one becomes current, position
    // stays. At the end nothing happens.
    void deleteElem();
    // Replaces (and destroys) the current element by e. At the end nothing
    // happens and e is left untouched (it stays with the caller).
    void update(std::unique_ptr<TBase>&& e);
    // Destroys every element; cursor at the start.
    void clear();
    // Exchanges the elements at indexes i and j (the nodes stay); the cursor
    // ends at i. An index not below count() changes nothing.
    void swap(std::uint16_t i, std::uint16_t j);
    // Reverses the order; every element is replaced by its copy. The cursor
    // ends at the end.
    void reverse();
    // Groups the elements by class (runs in the reverse order of the classes'
    // first appearance) and quick-sorts each run; every element is replaced by
    // its copy. The cursor ends before the first element of the last run.
    void sortAscii();

    // --- Searching -----------------------------------------------------------
    // From the cursor on, the first element e with e.compare(key) == 0, which
    // becomes current; null (cursor at the end) when there is none.
    TBase* findNext(const TBase& key);
    // reset(), then findNext(key).
    TBase* findElem(const TBase& key);

    // --- Whole lists ---------------------------------------------------------
    // 0 when other is a list of the same class whose elements compare 0 pair
    // by pair, else 2. Both cursors are left where the walk stopped.
    std::int32_t compare(const TBase& other) const override;
    // A plain TListe of copies; its cursor at this list's position.
    std::unique_ptr<TBase> copy() const override;
    // As copy(), typed.
    std::unique_ptr<TListe> copyList() const;
    // Inserts copies of all elements into dest at dest's cursor, in order; then
    // both cursors are moved to this list's former position.
    void copyInto(TListe& dest);
    // Moves all nodes of other behind the last element (no copies), destroys
    // other and nulls the caller's pointer. The cursor stands before the first
    // moved element. Elements beyond 65535 are destroyed after the full-list
    // message.
    void appendList(std::unique_ptr<TListe>& other);
    // Moves the first n elements (n clamped to count()) to a new plain TListe
    // (cursor at its start); this list keeps the rest, cursor reset. An empty
    // list returns a new empty list.
    std::unique_ptr<TListe> splitOff(std::uint16_t n);

    // --- Files ---------------------------------------------------------------
    // The list record: count (integer), then class name and value per element.
    // The cursor is not moved.
    void save(TWriter& w) const;
    // Writes the list record to a new file that replaces fileName when done.
    void saveToFile(const std::string& fileName) const;
    // Reads a list record into this list (cleared once the count has been
    // read); cursor at the start. On a FileError or a failed allocation
    // (std::bad_alloc) the elements read before stay and the cursor stands
    // behind them.
    void load(TReader& r);
    void loadFromFile(const std::string& fileName);

    // The invariant check (see TBase): counts, positions, cursor and last
    // node in the chain.
    bool verify() const;

private:
    friend class ListAlgorithms;

    // Unlinks the node after `before` and returns it (its next detached).
    std::unique_ptr<TListNode> unlinkAfter(TListNode* before);
    // Sets the cursor to the node before index p (0..count_).
    void placeCursor(std::uint16_t p) const;

    std::unique_ptr<TListNode> head_;
    // The last node of the chain (head_ when empty), for O(1) appends.
    TListNode* last_;
    mutable TListNode* cursor_;
    std::uint16_t count_ = 0;
    mutable std::uint16_t position_ = 0;
};

// Registers TListe, TSortListe and TSortableListe.
void registerListClasses();
