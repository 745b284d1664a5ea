#include "ui/platform/qtntreedisplay.h"

#include <QList>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVariant>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QtNtreeDisplay::QtNtreeDisplay(QTreeWidget* view, QLineEdit* countField, QLineEdit* depthField)
    : view_(view), countField_(countField), depthField_(depthField) {
    if (view) {
        // An item opened by the user gets its children's items.
        expandedConnection_ =
            QObject::connect(view, &QTreeWidget::itemExpanded, view, [this](QTreeWidgetItem* item) {
                const Item node = item->data(0, Qt::UserRole).value<qulonglong>();
                if (node < nodes_.size() && nodes_[node].item == item) makeChildItems(node);
            });
    }
}

QtNtreeDisplay::~QtNtreeDisplay() {
    QObject::disconnect(expandedConnection_);
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
        if (node.parent == kNone && node.item && node.item->treeWidget() == nullptr) {
            deleteDetached(node.item);
        }
    }
    if (view_) {
        // Taking an item out of the view first spares one model update per
        // deleted item.
        while (view_->topLevelItemCount() > 0) deleteDetached(view_->takeTopLevelItem(0));
    }
    nodes_.clear();
}

NtreeDisplay::Item QtNtreeDisplay::addTopItem(std::string_view utf8) {
    Node node;
    node.text = fromUtf8(utf8);
    nodes_.push_back(std::move(node));
    return nodes_.size() - 1;
}

NtreeDisplay::Item QtNtreeDisplay::addChildItem(Item parent, std::string_view utf8) {
    Node& above = nodes_.at(parent);
    Node node;
    node.text = fromUtf8(utf8);
    node.parent = parent;
    node.level = above.level + 1;
    const Item added = nodes_.size();
    if (above.lastChild == kNone) {
        above.firstChild = added;
    } else {
        nodes_[above.lastChild].nextSibling = added;
    }
    above.lastChild = added;
    nodes_.push_back(std::move(node));
    return added;
}

QTreeWidgetItem* QtNtreeDisplay::makeItem(Item node) {
    Node& n = nodes_[node];
    n.item = new QTreeWidgetItem(QStringList{n.text});
    n.item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(node));
    if (n.firstChild != kNone) n.item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return n.item;
}

void QtNtreeDisplay::makeChildItems(Item node) {
    if (nodes_[node].childrenMade) return;
    nodes_[node].childrenMade = true;
    QList<QTreeWidgetItem*> children;
    for (Item c = nodes_[node].firstChild; c != kNone; c = nodes_[c].nextSibling) {
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
    for (Item n = item; nodes_[n].item == nullptr && nodes_[n].parent != kNone;
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
    // The items are made off the view, level by level, then put in and
    // opened in the same order.
    std::vector<Item> opened;
    opened.reserve(nodes_.size());
    std::vector<QTreeWidgetItem*> tops;
    for (Item n = 0; n < nodes_.size(); ++n) {
        if (nodes_[n].parent == kNone && nodes_[n].item == nullptr) {
            tops.push_back(makeItem(n));
            opened.push_back(n);
        }
    }
    for (std::size_t at = 0; at < opened.size(); ++at) {
        const Item n = opened[at];
        if (nodes_[n].level > kExpandedLevels) continue;
        makeChildItems(n);
        for (Item c = nodes_[n].firstChild; c != kNone; c = nodes_[c].nextSibling) {
            opened.push_back(c);
        }
    }
    for (QTreeWidgetItem* top : tops) view_->addTopLevelItem(top);
    for (Item n : opened) {
        if (nodes_[n].level <= kExpandedLevels && nodes_[n].firstChild != kNone) {
            nodes_[n].item->setExpanded(true);
        }
    }
}
