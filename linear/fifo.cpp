#include "linear/fifo.h"

#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/messages.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/displaystrings.h"

namespace {}  // namespace

const ClassInfo TFifo::info{"TFifo", &TBase::info, nullptr};

TFifoNode::~TFifoNode() {
    // Frees the nodes behind one at a time: no nested destructor per node.
    std::unique_ptr<TFifoNode> rest = std::move(next);
    while (rest) {
        rest = std::move(rest->next);
    }
}

TFifo::TFifo() : head_(std::make_unique<TFifoNode>()), tail_(head_.get()) {}

TFifo::~TFifo() = default;

TBase* TFifo::front() const { return head_->next ? head_->next->element.get() : nullptr; }

bool TFifo::insert(std::unique_ptr<TBase> e) {
    if (count_ == kMaxCount) {
        userMessages().error(message::overflow);
        return false;
    }
    tail_->next = std::make_unique<TFifoNode>(std::move(e));
    tail_ = tail_->next.get();
    ++count_;
    return true;
}

void TFifo::remove() {
    if (!head_->next) {
        return;
    }
    std::unique_ptr<TFifoNode> old = std::move(head_->next);
    head_->next = std::move(old->next);
    --count_;
    if (!head_->next) {
        tail_ = head_.get();
    }
}

void TFifo::concat(std::unique_ptr<TFifo> other) {
    if (!other || other.get() == this) {
        return;
    }
    // The elements move over as they are (no copies), so a queue of page
    // strings stays one that can show itself.
    while (other->head_->next) {
        std::unique_ptr<TFifoNode> node = std::move(other->head_->next);
        other->head_->next = std::move(node->next);
        --other->count_;
        insert(std::move(node->element));
    }
    other->tail_ = other->head_.get();
}

void TFifo::clear() {
    head_->next.reset();
    tail_ = head_.get();
    count_ = 0;
}

void TFifo::write(TextOutput& out) const {
    for (const TFifoNode* n = head_->next.get(); n; n = n->next.get()) {
        n->element->writeValue(out);
    }
}

void TFifo::save(TWriter& w) const {
    w.writeInteger(count_);
    for (const TFifoNode* n = head_->next.get(); n; n = n->next.get()) {
        saveElement(w, *n->element);
    }
}

void TFifo::save(const std::string& fileName) const {
    saveToFile(fileName, [this](TWriter& w) { save(w); });
}

void TFifo::load(TReader& r) { loadElements(r, nullptr); }

void TFifo::loadElements(TReader& r, const ClassInfo* only) {
    const auto n = static_cast<std::uint16_t>(r.readInteger() & 0xFFFF);
    clear();
    for (std::uint32_t k = 0; k < n; ++k) {
        std::unique_ptr<TBase> e = loadElement(r);
        if (only && &e->classInfo() != only) {
            throw FileError(
                "Die Datei enthält keine gültige Schlange: die Elemente sind von der "
                "Klasse " +
                std::string(e->className()) + " statt " + std::string(only->name));
        }
        insert(std::move(e));
    }
}

void TFifo::load(const std::string& fileName) {
    loadFromFile(fileName, [this](TReader& r) { loadElements(r, &TFifoString::info); });
}

std::unique_ptr<TBase> TFifo::copy() const { return copyFifo(); }

std::unique_ptr<TFifo> TFifo::copyFifo() const {
    auto result = std::make_unique<TFifo>();
    for (const TFifoNode* n = head_->next.get(); n; n = n->next.get()) {
        result->insert(n->element->copy());
    }
    return result;
}

bool TFifo::verify() const {
    if (!head_ || head_->element || tail_->next) {
        return false;
    }
    std::uint32_t nodes = 0;
    const TFifoNode* n = head_.get();
    while (n->next) {
        n = n->next.get();
        if (!n->element) {
            return false;
        }
        ++nodes;
    }
    return n == tail_ && nodes == count_;
}

void registerQueueClasses() { registry::registerClass(TFifo::info); }
