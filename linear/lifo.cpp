#include "linear/lifo.h"

#include <vector>

#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/messages.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/displaystrings.h"

namespace {}  // namespace

const ClassInfo TLifo::info{"TLifo", &TBase::info, nullptr};

TLifoNode::~TLifoNode() {
    // Frees the nodes below one at a time: no nested destructor per node.
    std::unique_ptr<TLifoNode> rest = std::move(next);
    while (rest) {
        rest = std::move(rest->next);
    }
}

bool TLifo::push(std::unique_ptr<TBase> e) {
    if (count_ == kMaxCount) {
        userMessages().error(message::overflow);
        return false;
    }
    auto node = std::make_unique<TLifoNode>(std::move(e));
    node->next = std::move(head_);
    head_ = std::move(node);
    ++count_;
    return true;
}

void TLifo::pop() {
    if (!head_) {
        return;
    }
    std::unique_ptr<TLifoNode> old = std::move(head_);
    head_ = std::move(old->next);
    --count_;
}

TBase* TLifo::top() const { return head_ ? head_->element.get() : nullptr; }

void TLifo::write(TextOutput& out) const {
    for (const TLifoNode* n = head_.get(); n; n = n->next.get()) {
        n->element->writeValue(out);
    }
}

void TLifo::save(TWriter& w) const {
    w.writeInteger(count_);
    for (const TLifoNode* n = head_.get(); n; n = n->next.get()) {
        saveElement(w, *n->element);
    }
}

void TLifo::save(const std::string& fileName) const {
    saveToFile(fileName, [this](TWriter& w) { save(w); });
}

void TLifo::load(TReader& r) { loadElements(r, nullptr); }

void TLifo::loadElements(TReader& r, const ClassInfo* only) {
    const auto n = static_cast<std::uint16_t>(r.readInteger() & 0xFFFF);
    // The bottom node, below which each record is linked.
    TLifoNode* bottom = head_.get();
    while (bottom && bottom->next) {
        bottom = bottom->next.get();
    }
    for (std::uint32_t k = 0; k < n; ++k) {
        std::unique_ptr<TBase> e = loadElement(r);
        if (only && &e->classInfo() != only) {
            throw FileError(
                "Die Datei enthält keinen gültigen Keller: die Elemente sind von der "
                "Klasse " +
                std::string(e->className()) + " statt " + std::string(only->name));
        }
        if (count_ == kMaxCount) {
            userMessages().error(message::overflow);
            continue;
        }
        auto node = std::make_unique<TLifoNode>(std::move(e));
        TLifoNode* added = node.get();
        if (bottom) {
            bottom->next = std::move(node);
        } else {
            head_ = std::move(node);
        }
        bottom = added;
        ++count_;
    }
}

void TLifo::load(const std::string& fileName) {
    loadFromFile(fileName, [this](TReader& r) { loadElements(r, &TLifoString::info); });
}

std::unique_ptr<TBase> TLifo::copy() const { return copyLifo(); }

std::unique_ptr<TLifo> TLifo::copyLifo() const {
    // Copies top first, then pushes them bottom first, so both stacks hold
    // the same sequence.
    std::vector<std::unique_ptr<TBase>> copies;
    copies.reserve(count_);
    for (const TLifoNode* n = head_.get(); n; n = n->next.get()) {
        copies.push_back(n->element->copy());
    }
    auto result = std::make_unique<TLifo>();
    for (auto it = copies.rbegin(); it != copies.rend(); ++it) {
        result->push(std::move(*it));
    }
    return result;
}

bool TLifo::verify() const {
    std::uint32_t nodes = 0;
    for (const TLifoNode* n = head_.get(); n; n = n->next.get()) {
        if (!n->element) {
            return false;
        }
        ++nodes;
    }
    return nodes == count_;
}
