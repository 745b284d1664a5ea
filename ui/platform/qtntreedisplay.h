// QtNtreeDisplay: the "NBaum" page's NtreeDisplay on its QTreeWidget
// (TreeView) and the line edits EditNAnz and EditNTiefe.
//
// The display keeps the tree's texts itself and makes a QTreeWidgetItem only
// for a node whose parent is open: expandAll opens every node down to
// kExpandedLevels; below that a node's children get their items when the
// user opens it (or when one of them becomes the current node). QTreeView
// lays out expanded items by recursing once per expanded level and
// QTreeWidgetItem deletes its children recursively, so a chain as deep as a
// ".ndt" file allows (32767 nodes) would exhaust the stack in Qt itself if it
// were opened whole; items are removed bottom-up, one at a time.
#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/lineeditoutput.h"
#include "workbench/ntreedisplay.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

class QtNtreeDisplay final : public NtreeDisplay {
public:
    // Levels (the top-level item being level 1) that expandAll opens.
    static constexpr int kExpandedLevels = 1000;

    // The widgets are lent and belong to the page.
    QtNtreeDisplay(QTreeWidget* view, QLineEdit* countField, QLineEdit* depthField);
    // Removes the items iteratively, before the view would delete them
    // recursively.
    ~QtNtreeDisplay() override;
    QtNtreeDisplay(const QtNtreeDisplay&) = delete;
    QtNtreeDisplay& operator=(const QtNtreeDisplay&) = delete;

    void clearView() override;
    // The texts are kept; expandAll makes the items.
    Item addTopItem(std::string_view utf8) override;
    Item addChildItem(Item parent, std::string_view utf8) override;
    // Puts the items added since the last call into the view and opens every
    // node down to kExpandedLevels; deeper nodes show that they have children.
    void expandAll() override;
    // Makes the items on the node's path; an item deeper than kExpandedLevels
    // is selected only: making it current would scroll to it, opening its
    // ancestors (recursion per level).
    void markCurrent(Item item) override;
    // In place, with the view as expandAll and markCurrent would leave it
    // after a rebuild: where the user closed an item it is opened again. Below
    // kExpandedLevels, where items are made as nodes are opened, and once an
    // item there was opened since the last clear, they answer false.
    bool insertChildItem(Item parent, std::size_t index, std::string_view utf8,
                         Item& added) override;
    bool removeChildItem(Item parent, std::size_t index) override;
    TextOutput& countField() override { return countField_; }
    // The text of a node added since the last clear; the items show it.
    QString text(Item node) const;
    TextOutput& depthField() override { return depthField_; }

private:
    static constexpr Item kNone = static_cast<Item>(-1);
    // A node's links in 32 bits: a display holds far fewer nodes.
    using Link = std::uint32_t;
    static constexpr Link kNoLink = static_cast<Link>(-1);
    // 40 bytes a node, the text kept in texts_: a tree as large as a file
    // allows has 32767 of them.
    struct Node {
        std::uint32_t textAt = 0;  // the UTF-8 text in texts_
        std::uint32_t textSize = 0;
        Link parent = kNoLink;
        Link firstChild = kNoLink;
        Link lastChild = kNoLink;
        Link nextSibling = kNoLink;
        QTreeWidgetItem* item = nullptr;  // null until the parent is open
        int level = 1;
        bool childrenMade = false;
    };

    // A new record with its text at the end of texts_; its number.
    Item addNode(std::string_view utf8, Link parent);

    // The node's item, with the child indicator when it has children.
    QTreeWidgetItem* makeItem(Item node);
    // Gives every child of the node (which has its item) an item.
    void makeChildItems(Item node);
    // Deletes an item that is in no view, deepest items first, without
    // recursion and in linear time.
    static void deleteDetached(QTreeWidgetItem* top);
    // Whether the parent's children can change in place.
    bool changesInPlace(Item parent) const;
    // Opens again the items the user closed, as a rebuild would.
    void reopenClosed();

    QPointer<QTreeWidget> view_;
    LineEditOutput countField_;
    LineEditOutput depthField_;
    // Every node added since the last clear, by number, and their texts one
    // after the other.
    std::vector<Node> nodes_;
    std::string texts_;
    // Nodes whose items the user closed since the last clear.
    std::vector<Item> closed_;
    // Whether items were made below kExpandedLevels since the last clear.
    bool deepItemsMade_ = false;
    QMetaObject::Connection expandedConnection_;
    QMetaObject::Connection collapsedConnection_;
};
