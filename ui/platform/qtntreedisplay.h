// QtNtreeDisplay: the "NBaum" page's NtreeDisplay on its QTreeWidget
// (TreeView) and the line edits EditNAnz and EditNTiefe.
//
// QTreeView lays out expanded items by recursing once per expanded level and
// QTreeWidgetItem deletes its children recursively, so a chain as deep as a
// ".ndt" file allows (32767 nodes) would exhaust the stack in Qt itself. This
// class therefore expands the first kExpandedLevels levels only (deeper items
// can be opened by hand) and removes items bottom-up, one at a time.
#pragma once

#include <QPointer>
#include <vector>

#include "demo/ntreedisplay.h"
#include "ui/platform/lineeditoutput.h"

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
    // The item is built off the view; expandAll puts it in.
    Item addTopItem(std::string_view utf8) override;
    Item addChildItem(Item parent, std::string_view utf8) override;
    // Puts the items built since the last call into the view, then expands
    // every item down to kExpandedLevels.
    void expandAll() override;
    // An item deeper than kExpandedLevels is selected only: making it current
    // would scroll to it, opening its ancestors (recursion per level).
    void markCurrent(Item item) override;
    TextOutput& countField() override { return countField_; }
    TextOutput& depthField() override { return depthField_; }

private:
    // Deletes an item that is in no view, deepest items first, without
    // recursion and in linear time.
    static void deleteDetached(QTreeWidgetItem* top);

    QPointer<QTreeWidget> view_;
    LineEditOutput countField_;
    LineEditOutput depthField_;
    // Every item added since the last clear, by number, with its level.
    std::vector<QTreeWidgetItem*> items_;
    std::vector<int> levels_;
    // Top-level items not yet in the view (owned here until expandAll).
    std::vector<QTreeWidgetItem*> detached_;
};
