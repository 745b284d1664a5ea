#include "ui/platform/qtntreedisplay.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QtNtreeDisplay::QtNtreeDisplay(QTreeWidget* view, QLineEdit* countField, QLineEdit* depthField)
    : view_(view), countField_(countField), depthField_(depthField) {}

QtNtreeDisplay::~QtNtreeDisplay() { clearView(); }

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
    for (QTreeWidgetItem* top : detached_) deleteDetached(top);
    detached_.clear();
    if (view_) {
        // Taking an item out of the view first spares one model update per
        // deleted item.
        while (view_->topLevelItemCount() > 0) deleteDetached(view_->takeTopLevelItem(0));
    }
    items_.clear();
    levels_.clear();
}

NtreeDisplay::Item QtNtreeDisplay::addTopItem(std::string_view utf8) {
    auto* item = new QTreeWidgetItem(QStringList{fromUtf8(utf8)});
    detached_.push_back(item);
    items_.push_back(item);
    levels_.push_back(1);
    return items_.size() - 1;
}

NtreeDisplay::Item QtNtreeDisplay::addChildItem(Item parent, std::string_view utf8) {
    auto* item = new QTreeWidgetItem(QStringList{fromUtf8(utf8)});
    items_.at(parent)->addChild(item);
    items_.push_back(item);
    levels_.push_back(levels_[parent] + 1);
    return items_.size() - 1;
}

void QtNtreeDisplay::markCurrent(Item item) {
    if (!view_ || item >= items_.size() || items_[item]->treeWidget() != view_) return;
    QTreeWidgetItem* current = items_[item];
    if (levels_[item] <= kExpandedLevels) {
        view_->setCurrentItem(current);
        view_->scrollToItem(current);
    } else {
        view_->clearSelection();
        current->setSelected(true);
    }
}

void QtNtreeDisplay::expandAll() {
    if (!view_) return;
    for (QTreeWidgetItem* top : detached_) view_->addTopLevelItem(top);
    detached_.clear();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (levels_[i] <= kExpandedLevels && items_[i]->childCount() > 0 &&
            items_[i]->treeWidget() == view_) {
            items_[i]->setExpanded(true);
        }
    }
}
