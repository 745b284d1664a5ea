// TLifo: the stack. A singly linked chain of owned elements from the top
// element down to the bottom one; at most 65535 elements. Not a file element
// and not registered; it stores itself through save and load.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "elements/base.h"

class TWriter;
class TReader;
class TextOutput;

// One link of a stack: the element (owned) and the node below. Destroying a
// node destroys its element and, iteratively, every node below it.
struct TLifoNode {
    explicit TLifoNode(std::unique_ptr<TBase> e) : element(std::move(e)) {}
    ~TLifoNode();
    TLifoNode(const TLifoNode&) = delete;
    TLifoNode& operator=(const TLifoNode&) = delete;

    std::unique_ptr<TBase> element;
    std::unique_ptr<TLifoNode> next;
};

class TLifo : public TBase {
public:
    static const ClassInfo info;
    static constexpr std::uint16_t kMaxCount = 65535;

    TLifo() = default;
    ~TLifo() override = default;
    TLifo(const TLifo&) = delete;
    TLifo& operator=(const TLifo&) = delete;

    const ClassInfo& classInfo() const override { return info; }

    // Makes e the top element. On a full stack shows the error "Überlauf",
    // destroys e and returns false.
    bool push(std::unique_ptr<TBase> e);
    // Destroys the top element; on an empty stack nothing happens.
    void pop();
    // The top element, still owned by the stack; null when empty.
    TBase* top() const;
    bool empty() const { return count_ == 0; }
    std::uint16_t count() const { return count_; }
    // writeValue(out) of every element, top first.
    void write(TextOutput& out) const;

    // The stack record: count, then class name and value per element, top
    // first.
    void save(TWriter& w) const;
    void save(const std::string& fileName) const;
    // Reads a stack record; each element goes below the ones already held (a
    // fresh stack reads back in saved order). Elements beyond 65535 are
    // refused with "Überlauf". On a FileError or a failed allocation
    // (std::bad_alloc) the elements read before stay.
    void load(TReader& r);
    // Reads a stack file (".kdt"), as load(TReader&), but refuses any element
    // that is not a TLifoString with a FileError "Die Datei enthält keinen
    // gültigen Keller: die Elemente sind von der Klasse %s statt TLifoString";
    // the elements read before stay.
    void load(const std::string& fileName);
    // load(TReader&); with only set, an element of another class is refused
    // as load(fileName) refuses it (the stack page's file check on any reader).
    void loadElements(TReader& r, const ClassInfo* only);

    // A new stack of copies in the same order; this stack is unchanged.
    std::unique_ptr<TBase> copy() const override;
    std::unique_ptr<TLifo> copyLifo() const;

    // The invariant check (see TBase): every node holds an element and the
    // chain is count() long.
    bool verify() const;

private:
    std::unique_ptr<TLifoNode> head_;
    std::uint16_t count_ = 0;
};
