#include "trees/ntree.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

#include "elements/elementio.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "linear/liste.h"

const ClassInfo TNtreeNode::info{"TNtreeNode", &TBase::info, nullptr};
const ClassInfo TNtree::info{"TNtree", &TBase::info, nullptr};

void registerNtreeClasses() { registry::registerClass(TNtree::info); }

namespace {

// The elements of a list in order. Walking moves the list's cursor, so it is
// put back where it stood: the cursor is where insertChild and deleteChild
// act.
std::vector<TBase*> elementsOf(TListe& list) {
    std::vector<TBase*> elements;
    elements.reserve(list.count());
    const std::uint16_t position = list.position();
    list.reset();
    while (!list.isAtEnd()) {
        elements.push_back(list.elem());
        list.advance();
    }
    list.moveTo(position);
    return elements;
}

// The children of a node in child order; the cursor ends where it was.
std::vector<TNtreeNode*> childrenOf(TListe& list) {
    std::vector<TNtreeNode*> children;
    for (TBase* element : elementsOf(list)) children.push_back(static_cast<TNtreeNode*>(element));
    return children;
}

// An element copy as a text; every element of a node is a TString.
std::unique_ptr<TString> copyText(const TString& elem) {
    std::unique_ptr<TBase> copy = elem.copy();
    auto* text = dynamic_cast<TString*>(copy.get());
    assert(text != nullptr);
    if (text == nullptr) return std::make_unique<TString>(elem.getValue());
    copy.release();
    return std::unique_ptr<TString>(text);
}

}  // namespace

// ---------------------------------------------------------------------------
// TNtreeNode

TNtreeNode::TNtreeNode(std::unique_ptr<TString> elem, std::unique_ptr<TListe> childList)
    : childList_(std::move(childList)), elem_(std::move(elem)) {}

TNtreeNode::~TNtreeNode() {
    // Bottom-up: a child is deleted from its list only once it is a leaf, so
    // each destructor that runs below this one finds no children.
    if (leaf()) return;
    std::vector<TListe*> lists{childList_.get()};
    while (!lists.empty()) {
        TListe* list = lists.back();
        if (list->isEmpty()) {
            lists.pop_back();
            continue;
        }
        list->reset();
        auto* child = static_cast<TNtreeNode*>(list->elem());
        if (child->leaf()) {
            list->deleteElem();
        } else {
            lists.push_back(child->childList_.get());
        }
    }
}

const TListe& TNtreeNode::childList() const {
    static const TListe none;
    return childList_ ? *childList_ : none;
}

TListe& TNtreeNode::ownList() {
    if (!childList_) childList_ = std::make_unique<TListe>();
    return *childList_;
}

std::vector<TNtreeNode*> TNtreeNode::children() const {
    return childList_ ? childrenOf(*childList_) : std::vector<TNtreeNode*>{};
}

bool TNtreeNode::insertChild(std::unique_ptr<TNtreeNode> child) {
    return ownList().insert(std::move(child));
}

bool TNtreeNode::insertChildN(int n, std::unique_ptr<TNtreeNode> child) {
    TListe& list = ownList();
    list.moveTo(n);
    return list.insert(std::move(child));
}

TNtreeNode* TNtreeNode::getChildN(int n) {
    if (n < 0 || !childList_) return nullptr;
    childList_->moveTo(n);
    return static_cast<TNtreeNode*>(childList_->elem());
}

void TNtreeNode::update(std::unique_ptr<TString> elem) { elem_ = std::move(elem); }

std::uint16_t TNtreeNode::numberOfChildren() const { return childList_ ? childList_->count() : 0; }

void TNtreeNode::deleteChild() {
    if (!leaf()) childList_->deleteElem();
}

void TNtreeNode::deleteChildN(int n) {
    if (leaf() || n < 0 || n >= childList_->count()) return;
    childList_->moveTo(n);
    childList_->deleteElem();
}

std::unique_ptr<TBase> TNtreeNode::copy() const { return copyNode(); }

std::unique_ptr<TNtreeNode> TNtreeNode::copyNode() const {
    auto top = std::make_unique<TNtreeNode>(elem_ ? copyText(*elem_) : nullptr, nullptr);
    std::vector<std::pair<const TNtreeNode*, TNtreeNode*>> pending{{this, top.get()}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        bool first = true;
        for (TNtreeNode* child : from->children()) {
            TListe& list = to->ownList();
            if (!first) list.advance();
            first = false;
            list.insert(std::make_unique<TNtreeNode>(
                child->elem_ ? copyText(*child->elem_) : nullptr, nullptr));
            pending.emplace_back(child, static_cast<TNtreeNode*>(list.elem()));
        }
        if (to->childList_) to->childList_->moveTo(from->childList_->position());
    }
    return top;
}

bool TNtreeNode::leaf() const { return !childList_ || childList_->isEmpty(); }

std::uint16_t TNtreeNode::depth() const {
    std::size_t deepest = 0;
    std::vector<std::pair<const TNtreeNode*, std::size_t>> pending{{this, 1}};
    while (!pending.empty()) {
        auto [node, level] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, level);
        for (TNtreeNode* child : node->children()) {
            pending.emplace_back(child, level + 1);
        }
    }
    return static_cast<std::uint16_t>(deepest);
}

std::uint16_t TNtreeNode::count() const { return static_cast<std::uint16_t>(nodeCount()); }

std::size_t TNtreeNode::nodeCount() const {
    std::size_t nodes = 0;
    std::vector<const TNtreeNode*> pending{this};
    while (!pending.empty()) {
        const TNtreeNode* node = pending.back();
        pending.pop_back();
        ++nodes;
        for (TNtreeNode* child : node->children()) pending.push_back(child);
    }
    return nodes;
}

TString* TNtreeNode::lookUp(const TBase& key) const {
    std::vector<const TNtreeNode*> pending{this};
    while (!pending.empty()) {
        const TNtreeNode* node = pending.back();
        pending.pop_back();
        if (node->elem_ && node->elem_->compare(key) == kEqual) return node->elem_.get();
        std::vector<TNtreeNode*> children = node->children();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return nullptr;
}

void TNtreeNode::write(TextOutput& out) const {
    // Visiting each node before its children, last child first, gives the
    // post-order sequence backwards.
    std::vector<const TNtreeNode*> reversed;
    std::vector<const TNtreeNode*> pending{this};
    while (!pending.empty()) {
        const TNtreeNode* node = pending.back();
        pending.pop_back();
        reversed.push_back(node);
        for (TNtreeNode* child : node->children()) pending.push_back(child);
    }
    for (auto it = reversed.rbegin(); it != reversed.rend(); ++it) {
        if ((*it)->elem_) (*it)->elem_->writeValue(out);
    }
}

// ---------------------------------------------------------------------------
// TNtree

void TNtree::createRoot(std::unique_ptr<TString> elem, std::unique_ptr<TListe> childList) {
    root = std::make_unique<TNtreeNode>(std::move(elem), std::move(childList));
}

std::unique_ptr<TBase> TNtree::copy() const {
    auto tree = std::make_unique<TNtree>();
    if (root) tree->root = root->copyNode();
    return tree;
}

std::uint16_t TNtree::depth() const { return root ? root->depth() : 0; }

std::uint16_t TNtree::count() const { return root ? root->count() : 0; }

TString* TNtree::lookUp(const TBase& key) const { return root ? root->lookUp(key) : nullptr; }

void TNtree::write(TextOutput& out) const {
    if (root) root->write(out);
}

std::optional<std::vector<std::uint16_t>> TNtree::pathTo(const TNtreeNode* node) const {
    if (!root || !node) return std::nullopt;
    // Depth first with the way down kept beside each pending node.
    struct Pending {
        const TNtreeNode* node;
        std::size_t depth;  // the length of its path
        std::uint16_t number;
    };
    std::vector<std::uint16_t> path;
    std::vector<Pending> pending{{root.get(), 0, 0}};
    while (!pending.empty()) {
        const Pending p = pending.back();
        pending.pop_back();
        if (p.depth > 0) {
            path.resize(p.depth - 1);
            path.push_back(p.number);
        }
        if (p.node == node) return path;
        const std::vector<TNtreeNode*> children = p.node->children();
        for (std::size_t i = children.size(); i-- > 0;)
            pending.push_back({children[i], p.depth + 1, static_cast<std::uint16_t>(i)});
    }
    return std::nullopt;
}

TNtreeNode* TNtree::nodeAt(const std::vector<std::uint16_t>& path) const {
    TNtreeNode* node = root.get();
    for (const std::uint16_t number : path) {
        if (!node) return nullptr;
        const std::vector<TNtreeNode*> children = node->children();
        node = number < children.size() ? children[number] : nullptr;
    }
    return node;
}

bool TNtree::verify() const {
    std::vector<const TNtreeNode*> pending;
    if (root) pending.push_back(root.get());
    while (!pending.empty()) {
        const TNtreeNode* node = pending.back();
        pending.pop_back();
        if (!node->elem_) return false;
        if (!node->childList_) continue;
        if (!node->childList_->verify()) return false;
        for (TBase* element : elementsOf(*node->childList_)) {
            const auto* child = dynamic_cast<const TNtreeNode*>(element);
            if (child == nullptr) return false;
            pending.push_back(child);
        }
    }
    return true;
}

void TNtree::save(const std::string& fileName) const {
    // The first value would be read back in 16 bits: refuse before the file
    // is created rather than write a file that loads a different tree.
    if (root && root->nodeCount() > kMaxFileNodes) throw FileError(kNtreeTooLarge);
    saveToFile(fileName, [this](TWriter& writer) { save(writer); });
}

void TNtree::load(const std::string& fileName) {
    root.reset();
    loadFromFile(fileName, [this](TReader& reader) { load(reader); });
}

void TNtree::save(TWriter& writer) const {
    const std::size_t nodes = root ? root->nodeCount() : 0;
    if (nodes > kMaxFileNodes) throw FileError(kNtreeTooLarge);
    writer.writeInteger(static_cast<std::int32_t>(nodes * 2));
    std::vector<const TNtreeNode*> pending;
    if (root) pending.push_back(root.get());
    while (!pending.empty()) {
        const TNtreeNode* node = pending.back();
        pending.pop_back();
        assert(node->elem_ != nullptr);
        saveElement(writer, *node->elem_);
        std::vector<TNtreeNode*> children = node->children();
        writer.writeInteger(static_cast<std::int32_t>(children.size()));
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

void TNtree::load(TReader& reader) {
    root.reset();
    const std::int32_t doubled = reader.readInteger();
    if (doubled < 0 || doubled % 2 != 0 || doubled / 2 > static_cast<std::int32_t>(kMaxFileNodes)) {
        throw FileError(kInvalidNtreeFile);
    }
    const std::size_t declared = static_cast<std::size_t>(doubled / 2);

    std::size_t nodesRead = 0;
    // Child records announced but not yet read; with nodesRead it may never
    // exceed the declared count, so no claim reaches beyond the file's limit.
    std::size_t owed = 0;
    auto readNode = [&]() -> std::unique_ptr<TNtreeNode> {
        std::unique_ptr<TBase> element = loadElement(reader);
        auto* text = dynamic_cast<TString*>(element.get());
        if (text == nullptr) throw FileError(kInvalidNtreeFile);
        element.release();
        auto node = std::make_unique<TNtreeNode>(std::unique_ptr<TString>(text), nullptr);
        const std::int32_t children = reader.readInteger();
        ++nodesRead;
        if (children < 0 || children > TListe::kMaxCount ||
            nodesRead + owed + static_cast<std::size_t>(children) > declared) {
            throw FileError(kInvalidNtreeFile);
        }
        owed += static_cast<std::size_t>(children);
        return node;
    };

    std::unique_ptr<TNtreeNode> top;
    if (declared > 0) {
        top = readNode();
        // Nodes whose children are still being read, with how many remain.
        struct Frame {
            TNtreeNode* node;
            std::size_t remaining;
        };
        std::vector<Frame> open;
        const std::size_t rootChildren = owed;
        if (rootChildren > 0) open.push_back({top.get(), rootChildren});
        while (!open.empty()) {
            Frame& frame = open.back();
            if (frame.remaining == 0) {
                open.pop_back();
                continue;
            }
            TListe& list = frame.node->ownList();
            // Each child goes behind the previous one; the cursor ends before
            // the last child, as inserting child i at number i leaves it.
            if (!list.isEmpty()) list.advance();
            --frame.remaining;
            --owed;
            const std::size_t owedBefore = owed;
            std::unique_ptr<TNtreeNode> child = readNode();
            const std::size_t grandchildren = owed - owedBefore;
            TNtreeNode* placed = child.get();
            list.insert(std::move(child));
            if (grandchildren > 0) open.push_back({placed, grandchildren});
        }
    }
    if (nodesRead != declared) throw FileError(kInvalidNtreeFile);
    root = std::move(top);
}
