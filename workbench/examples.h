// The "Beispiele" of the tree pages and the list page: each example is a
// structure built from its keys in their order, showing one case of the
// page's operation for the key that it puts into the entry field, with a
// one-line German note of what will happen.
#pragma once

#include <span>
#include <vector>

namespace examples {

enum class Page { searchTree, avlTree, bayerTree, list };
// What the example is for: the key's insertion or deletion, or (list) the
// sorts of the sort window.
enum class Operation { insert, remove, sort };

struct Example {
    const char* caption;    // the menu entry
    const char* note;       // what will happen, one line
    std::vector<int> keys;  // inserted in this order (list: the elements in order)
    int key;                // the entry; 0 for the list
    Operation operation;
};

// The examples of a page, in the menu's order.
std::span<const Example> of(Page page);

}  // namespace examples
