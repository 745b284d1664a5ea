// NtreePage: the "NBaum" tab sheet (TabSheetNBaum) with its controls: entry,
// child number, level, current element, depth and count fields, the tree view
// and the nine buttons. Their handlers come with the n-ary tree page's work.
#pragma once

#include <QWidget>

class NtreePage final : public QWidget {
    Q_OBJECT
public:
    explicit NtreePage(QWidget* parent = nullptr);
};
