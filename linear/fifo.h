// TFifo: the queue. A singly linked chain of owned elements behind a sentinel
// node, with a pointer to the last node; at most 65535 elements. Registered by
// name, but not a file element; it stores itself through save and load.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "elements/base.h"

class TWriter;
class TReader;
class TextOutput;

// One link of a queue: the element (owned; null only in the sentinel) and the
// node behind it. Destroying a node destroys its element and, iteratively,
// every node behind it.
struct TFifoNode {
    TFifoNode() = default;
    explicit TFifoNode(std::unique_ptr<TBase> e) : element(std::move(e)) {}
    ~TFifoNode();
    TFifoNode(const TFifoNode&) = delete;
    TFifoNode& operator=(const TFifoNode&) = delete;

    std::unique_ptr<TBase> element;
    std::unique_ptr<TFifoNode> next;
};

class TFifo : public TBase {
public:
    static const ClassInfo info;
    static constexpr std::uint16_t kMaxCount = 65535;

    TFifo();
    ~TFifo() override;
    TFifo(const TFifo&) = delete;
    TFifo& operator=(const TFifo&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    bool empty() const { return count_ == 0; }
    std::uint16_t count() const { return count_; }
    // The front element, still owned by the queue; null when empty.
    TBase* front() const;
    // Appends e at the back. On a full queue shows the error "Überlauf",
    // destroys e and returns false.
    bool insert(std::unique_ptr<TBase> e);
    // Destroys the front element; on an empty queue nothing happens.
    void remove();
    // Moves every element of other to the back of this queue in order (each
    // one that does not fit is refused with "Überlauf" and destroyed), then
    // destroys other.
    void concat(std::unique_ptr<TFifo> other);
    // Destroys every element.
    void clear();
    // writeValue(out) of every element, front first.
    void write(TextOutput& out) const;

    // The queue record: count, then class name and value per element, front
    // first.
    void save(TWriter& w) const;
    void save(const std::string& fileName) const;
    // Reads the count, empties the queue, then inserts the file's elements.
    // On a FileError or a failed allocation (std::bad_alloc) the elements read
    // before stay.
    void load(TReader& r);
    // Reads a queue file (".sdt"), as load(TReader&), but refuses any element
    // that is not a TFifoString with a FileError "Die Datei enthält keine
    // gültige Schlange: die Elemente sind von der Klasse %s statt
    // TFifoString"; the elements read before stay.
    void load(const std::string& fileName);
    // load(TReader&); with only set, an element of another class is refused
    // as load(fileName) refuses it (the queue page's file check on any reader).
    void loadElements(TReader& r, const ClassInfo* only);

    // A new queue of copies in the same order; this queue is unchanged.
    std::unique_ptr<TBase> copy() const override;
    std::unique_ptr<TFifo> copyFifo() const;

    // The invariant check (see TBase): the sentinel holds no element, every
    // other node one, the chain is count() long and ends at the tail.
    bool verify() const;

private:
    std::unique_ptr<TFifoNode> head_;  // the sentinel, never null
    TFifoNode* tail_;                  // head_ when empty
    std::uint16_t count_ = 0;
};

// Registers TFifo.
void registerQueueClasses();
