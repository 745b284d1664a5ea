#include "ui/platform/qtntreedisplay.h"

#include <QList>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVariant>
#include <cstdint>
#include <new>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An item that knows its node and shows the node's text from the display: a
// plain member instead of item data, and no copy of the text, which would
// cost every item a list of roles, a list of texts and their variants.
class NodeItem final : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType;
    NodeItem(const QtNtreeDisplay& display, NtreeDisplay::Item node)
        : QTreeWidgetItem(kType), display_(display), node_(node) {}
    NtreeDisplay::Item node() const { return node_; }
    QVariant data(int column, int role) const override {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
            return display_.text(node_);
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    const QtNtreeDisplay& display_;
    NtreeDisplay::Item node_;
};

// The node of an item of the display, or none.
NtreeDisplay::Item nodeOf(const QTreeWidgetItem* item) {
    return item->type() == NodeItem::kType ? static_cast<const NodeItem*>(item)->node()
                                           : static_cast<NtreeDisplay::Item>(-1);
}
}  // namespace

QtNtreeDisplay::QtNtreeDisplay(QTreeWidget* view, QLineEdit* countField, QLineEdit* depthField)
    : view_(view), countField_(countField), depthField_(depthField) {
    if (view) {
        // An item opened by the user gets its children's items.
        expandedConnection_ =
            QObject::connect(view, &QTreeWidget::itemExpanded, view, [this](QTreeWidgetItem* item) {
                const Item node = nodeOf(item);
                if (node < nodes_.size() && nodes_[node].item == item) makeChildItems(node);
            });
        collapsedConnection_ = QObject::connect(
            view, &QTreeWidget::itemCollapsed, view, [this](QTreeWidgetItem* item) {
                const Item node = nodeOf(item);
                if (node < nodes_.size() && nodes_[node].item == item) closed_.push_back(node);
            });
    }
}

QtNtreeDisplay::~QtNtreeDisplay() {
    QObject::disconnect(expandedConnection_);
    QObject::disconnect(collapsedConnection_);
    clearView();
}

void QtNtreeDisplay::deleteDetached(QTreeWidgetItem* top) {
    // An item is deleted once it has no children left; it is then the first
    // child of its parent (its elder siblings are gone), which Qt finds and
    // removes at once.
    std::vector<QTreeWidgetItem*> path{top};
    while (!path.empty()) {
        QTreeWidgetItem* item = path.back();
        if (item->childCount() == 0) {
            path.pop_back();
            delete item;
        } else {
            path.push_back(item->child(0));
        }
    }
}

void QtNtreeDisplay::clearView() {
    for (const Node& node : nodes_) {
        // Top-level items that never reached the view.
        if (node.parent == kNoLink && node.item && node.item->treeWidget() == nullptr) {
            deleteDetached(node.item);
        }
    }
    if (view_) {
        // Taking an item out of the view first spares one model update per
        // deleted item.
        while (view_->topLevelItemCount() > 0) deleteDetached(view_->takeTopLevelItem(0));
    }
    nodes_.clear();
    texts_.clear();
    closed_.clear();
    deepItemsMade_ = false;
}

QString QtNtreeDisplay::text(Item node) const {
    const Node& n = nodes_[node];
    return fromUtf8(std::string_view(texts_).substr(n.textAt, n.textSize));
}

NtreeDisplay::Item QtNtreeDisplay::addNode(std::string_view utf8, Link parent) {
    static_assert(sizeof(void*) != 8 || sizeof(Node) == 40, "a node's record grew");
    if (nodes_.size() >= kNoLink || utf8.size() > UINT32_MAX - texts_.size()) {
        throw std::bad_alloc();
    }
    Node node;
    node.textAt = static_cast<std::uint32_t>(texts_.size());
    node.textSize = static_cast<std::uint32_t>(utf8.size());
    texts_.append(utf8);
    node.parent = parent;
    if (parent != kNoLink) node.level = nodes_[parent].level + 1;
    nodes_.push_back(node);
    return nodes_.size() - 1;
}

NtreeDisplay::Item QtNtreeDisplay::addTopItem(std::string_view utf8) {
    return addNode(utf8, kNoLink);
}

NtreeDisplay::Item QtNtreeDisplay::addChildItem(Item parent, std::string_view utf8) {
    nodes_.at(parent);  // a parent that is no node is refused
    const Item added = addNode(utf8, static_cast<Link>(parent));
    Node& above = nodes_[parent];
    if (above.lastChild == kNoLink) {
        above.firstChild = static_cast<Link>(added);
    } else {
        nodes_[above.lastChild].nextSibling = static_cast<Link>(added);
    }
    above.lastChild = static_cast<Link>(added);
    return added;
}

QTreeWidgetItem* QtNtreeDisplay::makeItem(Item node) {
    Node& n = nodes_[node];
    n.item = new NodeItem(*this, node);
    if (n.firstChild != kNoLink) n.item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return n.item;
}

void QtNtreeDisplay::makeChildItems(Item node) {
    if (nodes_[node].childrenMade) return;
    nodes_[node].childrenMade = true;
    if (nodes_[node].level > kExpandedLevels) deepItemsMade_ = true;
    QList<QTreeWidgetItem*> children;
    for (Link c = nodes_[node].firstChild; c != kNoLink; c = nodes_[c].nextSibling) {
        children.push_back(makeItem(c));
    }
    // All at once: one model update for the whole row of children.
    if (!children.isEmpty()) nodes_[node].item->addChildren(children);
}

void QtNtreeDisplay::markCurrent(Item item) {
    if (!view_ || item >= nodes_.size()) return;
    // The nodes on the path up to the first one with an item get theirs,
    // from the top down.
    std::vector<Item> path;
    for (Item n = item; nodes_[n].item == nullptr && nodes_[n].parent != kNoLink;
         n = nodes_[n].parent) {
        path.push_back(nodes_[n].parent);
    }
    for (auto it = path.rbegin(); it != path.rend(); ++it) makeChildItems(*it);
    QTreeWidgetItem* current = nodes_[item].item;
    if (!current || current->treeWidget() != view_) return;
    if (nodes_[item].level <= kExpandedLevels) {
        view_->setCurrentItem(current);
        view_->scrollToItem(current);
    } else {
        view_->clearSelection();
        current->setSelected(true);
    }
}

void QtNtreeDisplay::expandAll() {
    if (!view_) return;
    // The top-level items go into the view first, then their descendants get
    // their items level by level, a row of children at a time, and are
    // opened in the same order. Items joined to the view with descendants
    // made off it would each keep about 64 bytes more.
    std::vector<Item> opened;
    opened.reserve(nodes_.size());
    for (Item n = 0; n < nodes_.size(); ++n) {
        if (nodes_[n].parent == kNoLink && nodes_[n].item == nullptr) {
            view_->addTopLevelItem(makeItem(n));
            opened.push_back(n);
        }
    }
    for (std::size_t at = 0; at < opened.size(); ++at) {
        const Item n = opened[at];
        if (nodes_[n].level > kExpandedLevels) continue;
        makeChildItems(n);
        for (Link c = nodes_[n].firstChild; c != kNoLink; c = nodes_[c].nextSibling) {
            opened.push_back(c);
        }
    }
    for (Item n : opened) {
        if (nodes_[n].level <= kExpandedLevels && nodes_[n].firstChild != kNoLink) {
            nodes_[n].item->setExpanded(true);
        }
    }
}

bool QtNtreeDisplay::changesInPlace(Item parent) const {
    return view_ && !deepItemsMade_ && parent < nodes_.size() &&
           nodes_[parent].level < kExpandedLevels && nodes_[parent].childrenMade &&
           nodes_[parent].item && nodes_[parent].item->treeWidget() == view_;
}

void QtNtreeDisplay::reopenClosed() {
    for (const Item n : closed_) {
        if (nodes_[n].item && nodes_[n].firstChild != kNoLink &&
            nodes_[n].level <= kExpandedLevels) {
            nodes_[n].item->setExpanded(true);
        }
    }
    closed_.clear();
}

bool QtNtreeDisplay::insertChildItem(Item parent, std::size_t index, std::string_view utf8,
                                     Item& added) {
    if (!changesInPlace(parent)) return false;
    reopenClosed();
    added = addNode(utf8, static_cast<Link>(parent));
    // On the levels that expandAll opens every node has its children's items.
    nodes_[added].childrenMade = true;
    Node& above = nodes_[parent];
    Link before = kNoLink;
    Link after = above.firstChild;
    for (std::size_t i = 0; i < index && after != kNoLink; ++i) {
        before = after;
        after = nodes_[after].nextSibling;
    }
    nodes_[added].nextSibling = after;
    const auto link = static_cast<Link>(added);
    if (before == kNoLink) {
        above.firstChild = link;
    } else {
        nodes_[before].nextSibling = link;
    }
    if (after == kNoLink) above.lastChild = link;
    above.item->insertChild(static_cast<int>(index), makeItem(added));
    above.item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    above.item->setExpanded(true);
    return true;
}

bool QtNtreeDisplay::removeChildItem(Item parent, std::size_t index) {
    if (!changesInPlace(parent)) return false;
    reopenClosed();
    Node& above = nodes_[parent];
    Link before = kNoLink;
    Link gone = above.firstChild;
    for (std::size_t i = 0; i < index && gone != kNoLink; ++i) {
        before = gone;
        gone = nodes_[gone].nextSibling;
    }
    if (gone == kNoLink) return false;
    const Link after = nodes_[gone].nextSibling;
    if (before == kNoLink) {
        above.firstChild = after;
    } else {
        nodes_[before].nextSibling = after;
    }
    if (above.lastChild == gone) above.lastChild = before;
    deleteDetached(above.item->takeChild(static_cast<int>(index)));
    // The records below stay, unreachable, until the next clear; their items
    // are gone.
    std::vector<Item> pending{gone};
    while (!pending.empty()) {
        const Item n = pending.back();
        pending.pop_back();
        nodes_[n].item = nullptr;
        for (Link c = nodes_[n].firstChild; c != kNoLink; c = nodes_[c].nextSibling) {
            pending.push_back(c);
        }
    }
    if (above.firstChild == kNoLink) {
        // A leaf again, as a rebuild makes it.
        above.item->setExpanded(false);
        above.item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    return true;
}
