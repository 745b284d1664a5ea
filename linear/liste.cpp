#include "linear/liste.h"

#include <algorithm>

#include "elements/elementio.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/listalgorithms.h"
#include "linear/sortableliste.h"
#include "linear/sortliste.h"

namespace {
constexpr const char* kListFull = "Die Liste ist voll - maximal 65535 Elemente";
}  // namespace

const ClassInfo TListe::info{"TListe", &TBase::info, nullptr};

TListNode::~TListNode() {
    // Unlink the rest first, one node at a time, so that a long chain is not
    // destroyed by one nested destructor call per node.
    std::unique_ptr<TListNode> rest = std::move(next);
    while (rest) {
        rest = std::move(rest->next);
    }
}

TListe::TListe() : head_(std::make_unique<TListNode>()), last_(head_.get()), cursor_(head_.get()) {}

TListe::~TListe() = default;

TBase* TListe::elem() const { return cursor_->next ? cursor_->next->element.get() : nullptr; }

TBase* TListe::elemAt(int i) {
    moveTo(i);
    return elem();
}

bool TListe::hasMixedClasses() {
    if (isEmpty()) {
        return false;
    }
    const TBase& first = *head_->next->element;
    for (const TListNode* n = head_->next.get(); n; n = n->next.get()) {
        if (!n->element->sameClass(first)) {
            return true;
        }
    }
    return false;
}

void TListe::reset() {
    cursor_ = head_.get();
    position_ = 0;
}

void TListe::advance() {
    if (cursor_->next) {
        cursor_ = cursor_->next.get();
        ++position_;
    }
}

void TListe::placeCursor(std::uint16_t p) const {
    // Walking on from the cursor gives the same node as walking from the head.
    if (p < position_) {
        cursor_ = head_.get();
        position_ = 0;
    }
    if (p == count_) {
        cursor_ = last_;
        position_ = count_;
        return;
    }
    while (position_ < p) {
        cursor_ = cursor_->next.get();
        ++position_;
    }
}

void TListe::moveTo(int i) {
    placeCursor(static_cast<std::uint16_t>(std::clamp(i, 0, static_cast<int>(count_))));
}

void TListe::stepBack() { moveTo(static_cast<int>(position_) - 1); }

void TListe::moveToEnd() { placeCursor(count_); }

bool TListe::insert(std::unique_ptr<TBase>&& e) {
    if (count_ == kMaxCount) {
        userMessages().information(kListFull);
        return false;
    }
    auto node = std::make_unique<TListNode>(std::move(e));
    node->next = std::move(cursor_->next);
    if (!node->next) {
        last_ = node.get();
    }
    cursor_->next = std::move(node);
    ++count_;
    return true;
}

bool TListe::insertAt(int i, std::unique_ptr<TBase>&& e) {
    moveTo(i);
    return insert(std::move(e));
}

bool TListe::append(std::unique_ptr<TBase>&& e) {
    moveToEnd();
    return insert(std::move(e));
}

std::unique_ptr<TListNode> TListe::unlinkAfter(TListNode* before) {
    std::unique_ptr<TListNode> node = std::move(before->next);
    before->next = std::move(node->next);
    if (!before->next) {
        last_ = before;
    }
    --count_;
    return node;
}

void TListe::deleteElem() {
    if (isAtEnd()) {
        return;
    }
    unlinkAfter(cursor_);
}

void TListe::update(std::unique_ptr<TBase>&& e) {
    if (isAtEnd()) {
        return;
    }
    cursor_->next->element = std::move(e);
}

void TListe::clear() {
    reset();
    // The node destructor frees the whole chain iteratively.
    head_->next.reset();
    last_ = head_.get();
    count_ = 0;
}

void TListe::swap(std::uint16_t i, std::uint16_t j) {
    if (i >= count_ || j >= count_) {
        return;
    }
    moveTo(j);
    TListNode* nodeJ = cursor_->next.get();
    moveTo(i);
    TListNode* nodeI = cursor_->next.get();
    std::swap(nodeI->element, nodeJ->element);
}

void TListe::reverse() {
    // The result of reversing by "take a copy of the first element, delete it,
    // reverse the rest, insert the copy at the end", done in one pass: relink
    // the nodes backwards and replace each element by its copy.
    std::unique_ptr<TListNode> reversed;
    TListNode* newLast = head_->next.get();
    std::unique_ptr<TListNode> rest = std::move(head_->next);
    while (rest) {
        std::unique_ptr<TListNode> node = std::move(rest);
        rest = std::move(node->next);
        node->next = std::move(reversed);
        reversed = std::move(node);
    }
    head_->next = std::move(reversed);
    if (newLast) {
        last_ = newLast;
    }
    for (TListNode* n = head_->next.get(); n; n = n->next.get()) {
        n->element = n->element->copy();
    }
    cursor_ = last_;
    position_ = count_;
}

void TListe::sortAscii() { ListAlgorithms::sortAscii(*this); }

TBase* TListe::findNext(const TBase& key) {
    while (!isAtEnd()) {
        if (elem()->compare(key) == kEqual) {
            return elem();
        }
        advance();
    }
    return nullptr;
}

TBase* TListe::findElem(const TBase& key) {
    reset();
    return findNext(key);
}

std::int32_t TListe::compare(const TBase& other) const {
    if (!sameClass(other)) {
        return kOtherClass;
    }
    const auto* list = dynamic_cast<const TListe*>(&other);
    if (!list) {
        return kOtherClass;
    }
    // Walk both lists in step; both cursors stay where the walk stopped.
    const TListNode* a = head_.get();
    const TListNode* b = list->head_.get();
    std::uint16_t steps = 0;
    std::int32_t result = kEqual;
    while (true) {
        if (!a->next && !b->next) {
            break;
        }
        if (!a->next || !b->next || a->next->element->compare(*b->next->element) != kEqual) {
            result = kOtherClass;
            break;
        }
        a = a->next.get();
        b = b->next.get();
        ++steps;
    }
    cursor_ = const_cast<TListNode*>(a);
    position_ = steps;
    list->cursor_ = const_cast<TListNode*>(b);
    list->position_ = steps;
    return result;
}

std::unique_ptr<TBase> TListe::copy() const { return copyList(); }

std::unique_ptr<TListe> TListe::copyList() const {
    auto result = std::make_unique<TListe>();
    for (const TListNode* n = head_->next.get(); n; n = n->next.get()) {
        result->append(n->element->copy());
    }
    result->moveTo(position_);
    return result;
}

void TListe::copyInto(TListe& dest) {
    const int saved = position_;
    reset();
    while (!isAtEnd()) {
        dest.insert(elem()->copy());
        dest.advance();
        advance();
    }
    moveTo(saved);
    dest.moveTo(saved);
}

void TListe::appendList(std::unique_ptr<TListe>& other) {
    moveToEnd();
    if (!other || other.get() == this) {
        return;
    }
    const std::uint16_t oldCount = count_;
    const int room = kMaxCount - count_;
    if (other->count_ > room) {
        // The 16-bit count cannot hold them all: keep what fits and refuse
        // the rest, as insert does.
        userMessages().information(kListFull);
        std::unique_ptr<TListe> kept = other->splitOff(static_cast<std::uint16_t>(room));
        other = std::move(kept);
    }
    if (other->count_ > 0) {
        last_->next = std::move(other->head_->next);
        last_ = other->last_;
        count_ = static_cast<std::uint16_t>(count_ + other->count_);
        other->last_ = other->head_.get();
        other->count_ = 0;
        other->reset();
    }
    other.reset();
    placeCursor(oldCount);
}

std::unique_ptr<TListe> TListe::splitOff(std::uint16_t n) {
    auto result = std::make_unique<TListe>();
    n = std::min(n, count_);
    if (n > 0) {
        reset();
        placeCursor(n);
        TListNode* lastMoved = cursor_;
        result->head_->next = std::move(head_->next);
        head_->next = std::move(lastMoved->next);
        result->last_ = lastMoved;
        result->count_ = n;
        count_ = static_cast<std::uint16_t>(count_ - n);
        if (count_ == 0) {
            last_ = head_.get();
        }
    }
    reset();
    return result;
}

void TListe::save(TWriter& w) const {
    w.writeInteger(count_);
    for (const TListNode* n = head_->next.get(); n; n = n->next.get()) {
        saveElement(w, *n->element);
    }
}

void TListe::saveToFile(const std::string& fileName) const {
    ::saveToFile(fileName, [this](TWriter& w) { save(w); });
}

void TListe::load(TReader& r) {
    const auto n = static_cast<std::uint16_t>(r.readInteger() & 0xFFFF);
    clear();
    // Each element is linked behind the last as soon as it is read, with the
    // cursor behind it, so that a failure keeps what was read before. The
    // count read never exceeds kMaxCount.
    for (std::uint32_t k = 0; k < n; ++k) {
        auto node = std::make_unique<TListNode>(loadElement(r));
        last_->next = std::move(node);
        last_ = last_->next.get();
        cursor_ = last_;
        ++count_;
        ++position_;
    }
    reset();
}

void TListe::loadFromFile(const std::string& fileName) {
    ::loadFromFile(fileName, [this](TReader& r) { load(r); });
}

bool TListe::verify() const {
    std::uint32_t nodes = 0;
    bool cursorSeen = cursor_ == head_.get() && position_ == 0;
    const TListNode* n = head_.get();
    while (n->next) {
        n = n->next.get();
        ++nodes;
        if (!n->element) {
            return false;
        }
        if (n == cursor_) {
            cursorSeen = position_ == nodes;
        }
    }
    return !head_->element && nodes == count_ && n == last_ && cursorSeen && position_ <= count_;
}

void registerListClasses() {
    registry::registerClass(TListe::info);
    registry::registerClass(TSortListe::info);
    registry::registerClass(TSortableListe::info);
}
