// NtreeDisplay: where the "NBaum" page's tree shows itself: a tree view of
// text items and the count and depth fields (EditNAnz, EditNTiefe). The GUI
// implements it with a QTreeWidget and line edits; tests with recorders.
#pragma once

#include <cstddef>
#include <string_view>

class TextOutput;

class NtreeDisplay {
public:
    // An item of the view, numbered 0, 1, 2, ... in the order of adding since
    // the view was last cleared.
    using Item = std::size_t;

    virtual ~NtreeDisplay() = default;

    // Removes every item (without recursion per level).
    virtual void clearView() = 0;
    // A new top-level item showing the text (UTF-8); returns its number.
    virtual Item addTopItem(std::string_view utf8) = 0;
    // A new last child of parent (a number this view returned since the last
    // clear) showing the text; returns its number.
    virtual Item addChildItem(Item parent, std::string_view utf8) = 0;
    // Expands every item, so that the whole tree is visible.
    virtual void expandAll() = 0;
    // Selects the item (a number this view returned since the last clear) as
    // the current one and scrolls it into sight.
    virtual void markCurrent(Item item) = 0;
    // A new leaf as child number `index` (0 to the number of children) of
    // parent, showing the text, in a view that shows the tree already:
    // `added` gets its number. A display that cannot change its view in
    // place answers false, and the tree is shown anew.
    virtual bool insertChildItem(Item /*parent*/, std::size_t /*index*/, std::string_view /*utf8*/,
                                 Item& /*added*/) {
        return false;
    }
    // Removes child number `index` of parent with everything below it;
    // false as above.
    virtual bool removeChildItem(Item /*parent*/, std::size_t /*index*/) { return false; }
    virtual TextOutput& countField() = 0;
    virtual TextOutput& depthField() = 0;
};
